// Box filter and window sums against a direct window sum over the border
// rule, on guarded images with guarded work buffers of exactly the reported
// size.
#include <cmath>
#include <functional>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

// ---- Reference ----------------------------------------------------------------

// Position read for outside position i of a line of n pixels by kind
// (1 replicate, 3 reflect); -1 for the constant.
long refMap(int kind, long i, long n) {
    if (i >= 0 && i < n) return i;
    if (kind == 1) return i < 0 ? 0 : n - 1;
    if (kind == 3) {
        if (n == 1) return 0;
        // Reflect step by step, as a person would unfold it.
        while (i < 0 || i >= n) i = i < 0 ? -i : 2 * (n - 1) - i;
        return i;
    }
    return -1;
}

struct Border {
    int kind;   // 1, 3, 6; 0 with flags 240
    int flags;  // 0x10 top, 0x20 bottom, 0x40 left, 0x80 right
    KzvBorderKind value() const { return KzvBorderKind(kind | flags); }
};

// Source sample (channel c) seen at ROI position (x, y) under the border rule.
template <class T>
double refPixel(const GuardedImage& img, const uint8_t* roi, int step, int W, int H, int C, const Border& b,
                const T* cval, long x, long y, int c) {
    const bool inX = x >= 0 && x < W, inY = y >= 0 && y < H;
    long mx = x, my = y;
    if (!inX) {
        const bool mem = (x < 0 && (b.flags & 0x40)) || (x >= W && (b.flags & 0x80));
        if (!mem) {
            if (b.kind == 6) return double(cval[c]);
            mx = refMap(b.kind, x, W);
        }
    }
    if (!inY) {
        const bool mem = (y < 0 && (b.flags & 0x10)) || (y >= H && (b.flags & 0x20));
        if (!mem) {
            if (b.kind == 6) return double(cval[c]);
            my = refMap(b.kind, y, H);
        }
    }
    (void)img;
    T v;
    memcpy(&v, roi + my * step + (mx * C + c) * long(sizeof(T)), sizeof(T));
    return double(v);
}

// A source region of W x H pixels inside a larger guarded image that holds
// real pixels beyond the flagged sides.
struct Source {
    GuardedImage img;
    const uint8_t* roi;
    int mL, mT;
};

template <class T>
Source makeSource(Rng& rng, int W, int H, int C, int mL, int mR, int mT, int mB, bool adversarial) {
    kzvt::Layout l = kzvt::randomLayout(rng, W + mL + mR, H + mT + mB, C * int(sizeof(T)), int(sizeof(T)), false);
    Source s{GuardedImage(l), nullptr, mL, mT};
    const int n = (W + mL + mR) * C;
    for (int y = 0; y < s.img.height(); ++y) {
        auto v = kzvt::randomSamples<T>(rng, size_t(n), adversarial);
        if constexpr (std::is_floating_point_v<T>)
            for (auto& e : v) e = T(std::round(double(e) * 8) / 8);  // keep float sums exact enough
        memcpy(s.img.row(y), v.data(), v.size() * sizeof(T));
    }
    s.img.snapshot();
    s.roi = s.img.row(mT) + mL * C * int(sizeof(T));
    return s;
}

// ---- Export tables ------------------------------------------------------------

template <class S, class D>
using BorderedFn = KzvStatus (*)(const S*, int32_t, D*, int32_t, KzvImageSize, KzvImageSize, KzvBorderKind, const S*,
                                 Kzv8u*);

template <class S, class D>
struct BorderedRow {
    const char* name;
    BorderedFn<S, D> fn;
    int channels;  // samples per pixel
    bool alpha;    // AC4
    bool sum;      // window sum (else mean)
    KzvDataKind kind;
};

// Expected output for window sum S and the family's rule.
template <class S, class D>
double expected(const BorderedRow<S, D>& row, double sum, int mw, int mh) {
    if (row.sum) return std::is_floating_point_v<D> ? double(float(sum)) : sum;
    if constexpr (std::is_floating_point_v<S>) {
        return double(float(sum) * float(1.0 / (double(mw) * mh)));
    } else {
        if (std::is_same_v<S, Kzv8u> && row.channels == 1 && mw == mh && (mw == 3 || mw == 5 || mw == 7))
            return std::floor(sum / (mw * mh) + 0.5);  // exact rounding; no ties for odd areas
        const float q = float(sum) * float(1.0 / (double(mw) * mh));
        double r = std::nearbyint(double(q));
        r = std::max(r, double(std::numeric_limits<S>::min()));
        r = std::min(r, double(std::numeric_limits<S>::max()));
        return r;
    }
}

template <class S, class D>
void runBordered(const BorderedRow<S, D>& row, uint64_t seed) {
    Rng rng(seed);
    const int C = row.channels;
    for (int iter = 0; iter < 40; ++iter) {
        const int W = rng.uniform(1, iter < 30 ? 24 : 70), H = rng.uniform(1, 12);
        int mw = rng.uniform(1, 9), mh = rng.uniform(1, 9);
        if (rng.chance(0.15)) mw = W + rng.uniform(0, 4);  // mask at least as wide as the ROI
        if (rng.chance(0.15)) mh = H + rng.uniform(0, 4);
        if (rng.chance(0.2) && std::is_same_v<S, Kzv8u>) mw = mh = rng.pick({3, 5, 7});
        Border b{rng.pick({1, 3, 6}), 0};
        if (rng.chance(0.5)) b.flags = rng.uniform(0, 15) << 4;
        if (rng.chance(0.1)) b = Border{0, 0xF0};
        const int ax = (mw - 1) >> 1, ay = (mh - 1) >> 1;
        const int rx = mw - 1 - ax, by = mh - 1 - ay;
        const int mL = (b.flags & 0x40) ? ax : 0, mR = (b.flags & 0x80) ? rx : 0;
        const int mT = (b.flags & 0x10) ? ay : 0, mB = (b.flags & 0x20) ? by : 0;
        // Float sources stay in a moderate range: running sums of values near
        // FLT_MAX cancel catastrophically in any summation order, so no
        // reference could pin those results.
        Source src = makeSource<S>(rng, W, H, C, mL, mR, mT, mB, !std::is_floating_point_v<S> && rng.chance(0.25));
        S cval[4];
        for (auto& v : cval) v = kzvt::randomValue<S>(rng);

        int32_t size = 0;
        ASSERT_EQ(kzviFilterBoxBorderGetBufferSize({W, H}, {mw, mh}, row.kind, C, &size), kzvStatusOk);
        GuardedImage buf(size, 1, 1);
        kzvt::Layout dl = kzvt::randomLayout(rng, W, H, C * int(sizeof(D)), int(sizeof(D)), false);
        GuardedImage dst(dl);
        dst.fillRandomBytes(rng);

        const KzvStatus st = row.fn(reinterpret_cast<const S*>(src.roi), src.img.step(), dst.ptr<D>(), dst.step(),
                                    {W, H}, {mw, mh}, b.value(), cval, buf.data());
        ASSERT_EQ(st, kzvStatusOk) << row.name;
        ASSERT_TRUE(dst.checkWrites(row.alpha ? kzvt::skipAlpha(int(sizeof(D))) : std::function<bool(int, int)>{}))
            << row.name;
        ASSERT_TRUE(src.img.unchanged()) << row.name;

        std::vector<D> ref(size_t(W) * H * C);
        const std::vector<D> got = dst.packedAs<D>();
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                for (int c = 0; c < C; ++c) {
                    double sum = 0;
                    for (int r = 0; r < mh; ++r)
                        for (int k = 0; k < mw; ++k)
                            sum += refPixel<S>(src.img, src.roi, src.img.step(), W, H, C, b, cval, x - ax + k,
                                               y - ay + r, c);
                    const size_t i = (size_t(y) * W + x) * C + c;
                    if (row.alpha && c == 3) {
                        ref[i] = got[i];  // not written; checked by checkWrites
                        continue;
                    }
                    ref[i] = D(expected(row, sum, mw, mh));
                }
        const double tol = std::is_floating_point_v<S> && !row.sum ? 1e-3 : (std::is_floating_point_v<S> ? 1e-2 : 0);
        ASSERT_TRUE(kzvt::regionNear(dst, ref, tol))
            << row.name << " " << W << "x" << H << " mask " << mw << "x" << mh << " border " << b.value();
    }
}

#define BOX(fn, T, C, a, k)      \
    BorderedRow<T, T> {          \
#fn, &fn, C, a, false, k \
    }
#define SUMW(fn, S, D, C, a, k) \
    BorderedRow<S, D> {         \
#fn, &fn, C, a, true, k \
    }

}  // namespace

TEST(FilterBoxBorder, MatchesReferenceForEveryExport) {
    kzvt::forEachSeed([](uint64_t seed) {
        const BorderedRow<Kzv8u, Kzv8u> r8[] = {BOX(kzviFilterBoxBorder_8u_C1R, Kzv8u, 1, false, kzvDataKind8u),
                                                BOX(kzviFilterBoxBorder_8u_C3R, Kzv8u, 3, false, kzvDataKind8u),
                                                BOX(kzviFilterBoxBorder_8u_C4R, Kzv8u, 4, false, kzvDataKind8u),
                                                BOX(kzviFilterBoxBorder_8u_AC4R, Kzv8u, 4, true, kzvDataKind8u)};
        for (auto& r : r8) runBordered(r, seed);
        const BorderedRow<Kzv16u, Kzv16u> r16u[] = {BOX(kzviFilterBoxBorder_16u_C1R, Kzv16u, 1, false, kzvDataKind16u),
                                                    BOX(kzviFilterBoxBorder_16u_C3R, Kzv16u, 3, false, kzvDataKind16u),
                                                    BOX(kzviFilterBoxBorder_16u_C4R, Kzv16u, 4, false, kzvDataKind16u),
                                                    BOX(kzviFilterBoxBorder_16u_AC4R, Kzv16u, 4, true, kzvDataKind16u)};
        for (auto& r : r16u) runBordered(r, seed);
        const BorderedRow<Kzv16s, Kzv16s> r16s[] = {BOX(kzviFilterBoxBorder_16s_C1R, Kzv16s, 1, false, kzvDataKind16s),
                                                    BOX(kzviFilterBoxBorder_16s_C3R, Kzv16s, 3, false, kzvDataKind16s),
                                                    BOX(kzviFilterBoxBorder_16s_C4R, Kzv16s, 4, false, kzvDataKind16s),
                                                    BOX(kzviFilterBoxBorder_16s_AC4R, Kzv16s, 4, true, kzvDataKind16s)};
        for (auto& r : r16s) runBordered(r, seed);
        const BorderedRow<Kzv32f, Kzv32f> r32[] = {BOX(kzviFilterBoxBorder_32f_C1R, Kzv32f, 1, false, kzvDataKind32f),
                                                   BOX(kzviFilterBoxBorder_32f_C3R, Kzv32f, 3, false, kzvDataKind32f),
                                                   BOX(kzviFilterBoxBorder_32f_C4R, Kzv32f, 4, false, kzvDataKind32f),
                                                   BOX(kzviFilterBoxBorder_32f_AC4R, Kzv32f, 4, true, kzvDataKind32f)};
        for (auto& r : r32) runBordered(r, seed);
    });
}

TEST(SumWindow, MatchesReferenceForEveryExport) {
    kzvt::forEachSeed([](uint64_t seed) {
        const BorderedRow<Kzv8u, Kzv32s> a[] = {SUMW(kzviSumWindow_8u32s_C1R, Kzv8u, Kzv32s, 1, false, kzvDataKind8u),
                                                SUMW(kzviSumWindow_8u32s_C3R, Kzv8u, Kzv32s, 3, false, kzvDataKind8u),
                                                SUMW(kzviSumWindow_8u32s_C4R, Kzv8u, Kzv32s, 4, false, kzvDataKind8u),
                                                SUMW(kzviSumWindow_8u32s_AC4R, Kzv8u, Kzv32s, 4, true, kzvDataKind8u)};
        for (auto& r : a) runBordered(r, seed);
        const BorderedRow<Kzv16u, Kzv32f> b[] = {
            SUMW(kzviSumWindow_16u32f_C1R, Kzv16u, Kzv32f, 1, false, kzvDataKind16u),
            SUMW(kzviSumWindow_16u32f_C3R, Kzv16u, Kzv32f, 3, false, kzvDataKind16u),
            SUMW(kzviSumWindow_16u32f_C4R, Kzv16u, Kzv32f, 4, false, kzvDataKind16u),
            SUMW(kzviSumWindow_16u32f_AC4R, Kzv16u, Kzv32f, 4, true, kzvDataKind16u)};
        for (auto& r : b) runBordered(r, seed);
        const BorderedRow<Kzv16s, Kzv32f> c[] = {
            SUMW(kzviSumWindow_16s32f_C1R, Kzv16s, Kzv32f, 1, false, kzvDataKind16s),
            SUMW(kzviSumWindow_16s32f_C3R, Kzv16s, Kzv32f, 3, false, kzvDataKind16s),
            SUMW(kzviSumWindow_16s32f_C4R, Kzv16s, Kzv32f, 4, false, kzvDataKind16s),
            SUMW(kzviSumWindow_16s32f_AC4R, Kzv16s, Kzv32f, 4, true, kzvDataKind16s)};
        for (auto& r : c) runBordered(r, seed);
        const BorderedRow<Kzv32f, Kzv32f> d[] = {SUMW(kzviSumWindow_32f_C1R, Kzv32f, Kzv32f, 1, false, kzvDataKind32f),
                                                 SUMW(kzviSumWindow_32f_C3R, Kzv32f, Kzv32f, 3, false, kzvDataKind32f),
                                                 SUMW(kzviSumWindow_32f_C4R, Kzv32f, Kzv32f, 4, false, kzvDataKind32f),
                                                 SUMW(kzviSumWindow_32f_AC4R, Kzv32f, Kzv32f, 4, true, kzvDataKind32f)};
        for (auto& r : d) runBordered(r, seed);
    });
}

TEST(FilterBoxBorder, DocumentedValues) {
    alignas(32) Kzv8u buf[4096];
    // 8u 3x3: all 255 gives 255; sums 13 and 14 give 1 and 2.
    Kzv8u src[9], dst[9];
    const int32_t step = 3;
    for (auto& v : src) v = 255;
    ASSERT_EQ(kzviFilterBoxBorder_8u_C1R(src, step, dst, step, {3, 3}, {3, 3}, 1, nullptr, buf), kzvStatusOk);
    EXPECT_EQ(dst[4], 255);
    const Kzv8u s13[9] = {1, 1, 1, 1, 1, 1, 1, 1, 5}, s14[9] = {1, 1, 1, 1, 1, 1, 1, 1, 6};
    Kzv8u c1 = 0;  // constant 0 outside: only the centre window covers all nine
    ASSERT_EQ(kzviFilterBoxBorder_8u_C1R(s13, step, dst, step, {3, 3}, {3, 3}, 6, &c1, buf), kzvStatusOk);
    EXPECT_EQ(dst[4], 1);
    ASSERT_EQ(kzviFilterBoxBorder_8u_C1R(s14, step, dst, step, {3, 3}, {3, 3}, 6, &c1, buf), kzvStatusOk);
    EXPECT_EQ(dst[4], 2);
    // 16u 2x2: 1,2,2,2 -> 1.75 -> 2; 1,1,2,2 -> 1.5 -> 2 (ties to even).
    Kzv16u a[4] = {1, 2, 2, 2}, b[4] = {1, 1, 2, 2}, o[4];
    ASSERT_EQ(kzviFilterBoxBorder_16u_C1R(a, 4, o, 4, {2, 2}, {2, 2}, 1, nullptr, buf), kzvStatusOk);
    EXPECT_EQ(o[0], 2);
    ASSERT_EQ(kzviFilterBoxBorder_16u_C1R(b, 4, o, 4, {2, 2}, {2, 2}, 1, nullptr, buf), kzvStatusOk);
    EXPECT_EQ(o[0], 2);
    Kzv16u c[4] = {1, 1, 1, 2};  // 1.25 -> 1
    ASSERT_EQ(kzviFilterBoxBorder_16u_C1R(c, 4, o, 4, {2, 2}, {2, 2}, 1, nullptr, buf), kzvStatusOk);
    EXPECT_EQ(o[0], 1);
}

// The in-place call equals the call with separate images, for masks whose
// window reaches several rows back and mirrored rows at the edges.
TEST(FilterBoxBorder, InPlaceEqualsOutOfPlace) {
    Rng rng(kzvt::baseSeed());
    for (int iter = 0; iter < 30; ++iter) {
        const int W = rng.uniform(1, 40), H = rng.uniform(1, 30), C = rng.pick({1, 3, 4});
        const int mw = rng.uniform(1, 11), mh = rng.uniform(1, 11);
        const KzvBorderKind b = KzvBorderKind(rng.pick({1, 3, 6}));
        const int32_t step = W * C + rng.uniform(0, 7);
        std::vector<Kzv8u> img(size_t(step) * H);
        for (auto& v : img) v = Kzv8u(rng.bits());
        std::vector<Kzv8u> out(img.size()), work = img;
        int32_t size = 0;
        ASSERT_EQ(kzviFilterBoxBorderGetBufferSize({W, H}, {mw, mh}, kzvDataKind8u, C, &size), 0);
        std::vector<Kzv8u> buf(static_cast<size_t>(size));
        const Kzv8u cv[4] = {7, 8, 9, 10};
        auto fn = C == 1   ? &kzviFilterBoxBorder_8u_C1R
                  : C == 3 ? &kzviFilterBoxBorder_8u_C3R
                           : &kzviFilterBoxBorder_8u_C4R;
        ASSERT_EQ(fn(img.data(), step, out.data(), step, {W, H}, {mw, mh}, b, cv, buf.data()), 0);
        ASSERT_EQ(fn(work.data(), step, work.data(), step, {W, H}, {mw, mh}, b, cv, buf.data()), 0);
        for (int y = 0; y < H; ++y)
            ASSERT_EQ(0, memcmp(&out[size_t(y) * step], &work[size_t(y) * step], size_t(W) * C))
                << W << "x" << H << " C" << C << " mask " << mw << "x" << mh << " border " << b << " row " << y;
    }
}

TEST(FilterBoxBorder, ArgumentChecks) {
    alignas(32) Kzv8u src[64] = {}, dst[64], buf[4096];
    const Kzv8u v = 0;
    struct Case {
        const Kzv8u* s;
        Kzv8u* d;
        Kzv8u* b;
        int32_t ss, ds;
        KzvImageSize roi, mask;
        KzvBorderKind border;
        const Kzv8u* value;
        KzvStatus want;
    } cases[] = {
        {nullptr, dst, buf, 8, 8, {4, 4}, {3, 3}, 1, &v, kzvStatusNullPtrErr},
        {src, nullptr, buf, 8, 8, {4, 4}, {3, 3}, 1, &v, kzvStatusNullPtrErr},
        {src, dst, nullptr, 8, 8, {4, 4}, {3, 3}, 1, &v, kzvStatusNullPtrErr},
        {src, dst, buf, 0, 8, {0, 4}, {3, 3}, 1, &v, kzvStatusStepErr},  // steps before size
        {src, dst, buf, 8, -8, {4, 4}, {3, 3}, 1, &v, kzvStatusStepErr},
        {src, dst, buf, 8, 8, {0, 4}, {0, 3}, 1, &v, kzvStatusSizeErr},  // size before mask
        {src, dst, buf, 8, 8, {4, 4}, {3, 0}, 999, &v, kzvStatusMaskSizeErr},
        {src, dst, buf, 8, 8, {4, 4}, {3, 3}, 256, &v, kzvStatusBorderErr},
        {src, dst, buf, 8, 8, {4, 4}, {3, 3}, 4, &v, kzvStatusBorderErr},  // reflect-edge not accepted
        {src, dst, buf, 8, 8, {4, 4}, {3, 3}, 0x10, &v, kzvStatusBorderErr},
        {src, dst, buf, 8, 8, {4, 4}, {3, 3}, 6, nullptr, kzvStatusNullPtrErr},  // value after border
        {src + 9, dst, buf, 8, 8, {4, 4}, {3, 3}, 0xF1, nullptr, kzvStatusOk},
    };
    for (const Case& c : cases) {
        memset(dst, 0xCD, sizeof dst);
        EXPECT_EQ(kzviFilterBoxBorder_8u_C1R(c.s, c.ss, c.d, c.ds, c.roi, c.mask, c.border, c.value, c.b), c.want);
        if (c.want != kzvStatusOk) {
            for (Kzv8u x : dst) ASSERT_EQ(x, 0xCD);
        }
    }
    int32_t size = 0;
    EXPECT_EQ(kzviSumWindowGetBufferSize({4, 4}, {3, 3}, kzvDataKind8u, 1, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviSumWindowGetBufferSize({0, 4}, {3, 3}, kzvDataKind8u, 1, &size), kzvStatusSizeErr);
    EXPECT_EQ(kzviSumWindowGetBufferSize({4, 4}, {3, -1}, kzvDataKind8u, 1, &size), kzvStatusMaskSizeErr);
    EXPECT_EQ(kzviSumWindowGetBufferSize({4, 4}, {3, 3}, kzvDataKind64f, 1, &size), kzvStatusDataTypeErr);
    EXPECT_EQ(kzviSumWindowGetBufferSize({4, 4}, {3, 3}, kzvDataKind8u, 2, &size), kzvStatusNumChannelsErr);
    EXPECT_EQ(kzviFilterBoxBorderGetBufferSize({40000, 40000}, {30000, 30000}, kzvDataKind32f, 4, &size),
              kzvStatusSizeOverflowErr);
}

TEST(FilterBox64f, AnchoredMeanInDouble) {
    Rng rng(kzvt::baseSeed() + 3);
    for (int iter = 0; iter < 30; ++iter) {
        const int W = rng.uniform(1, 30), H = rng.uniform(1, 20), mw = rng.uniform(1, 7), mh = rng.uniform(1, 7);
        const KzvImagePoint anchor{rng.uniform(0, mw - 1), rng.uniform(0, mh - 1)};
        // The source holds the whole window of every pixel.
        GuardedImage src(W + mw - 1, H + mh - 1, 8, 8 * rng.uniform(0, 3));
        src.fillSamples<double>([&](int, int) { return rng.real(-100, 100); });
        GuardedImage dst(W, H, 8, 8 * rng.uniform(0, 3));
        const double* roi = reinterpret_cast<const double*>(src.row(anchor.y)) + anchor.x;
        ASSERT_EQ(kzviFilterBox_64f_C1R(roi, src.step(), dst.ptr<double>(), dst.step(), {W, H}, {mw, mh}, anchor), 0);
        ASSERT_TRUE(dst.checkWrites());
        std::vector<double> ref(size_t(W) * H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                double s = 0;
                for (int r = 0; r < mh; ++r)
                    for (int k = 0; k < mw; ++k) s += src.rowAs<double>(y + r)[x + k];
                ref[size_t(y) * W + x] = s / (mw * mh);
            }
        ASSERT_TRUE(kzvt::regionNear(dst, ref, 1e-9));
    }
    alignas(32) double d[16] = {};
    EXPECT_EQ(kzviFilterBox_64f_C1R(d, 8 * 3, d, 8, {2, 2}, {3, 3}, {1, 1}), kzvStatusStepErr);  // needs 4 * 8
    EXPECT_EQ(kzviFilterBox_64f_C1R(d, 8 * 4, d, 8, {2, 2}, {0, 3}, {1, 1}), kzvStatusSizeErr);
    EXPECT_EQ(kzviFilterBox_64f_C1R(nullptr, 8 * 4, d, 8, {2, 2}, {3, 3}, {1, 1}), kzvStatusNullPtrErr);
}

namespace {
template <class S>
using LineFn = KzvStatus (*)(const S*, int32_t, Kzv32f*, int32_t, KzvImageSize, int32_t, int32_t);

template <class S>
void runLine(const char* name, LineFn<S> fn, int C, bool column, Rng& rng) {
    for (int iter = 0; iter < 25; ++iter) {
        const int W = rng.uniform(1, 40), H = rng.uniform(1, 12), m = rng.uniform(1, 9), a = rng.uniform(0, m - 1);
        const int sw = column ? W : W + m - 1, sh = column ? H + m - 1 : H;
        GuardedImage src(sw, sh, C * int(sizeof(S)), int(sizeof(S)) * rng.uniform(0, 5));
        src.fillSamples<S>([&](int, int) { return kzvt::randomValue<S>(rng); });
        GuardedImage dst(W, H, C * 4, 4 * rng.uniform(0, 5));
        const S* roi = column ? src.rowAs<S>(a) : src.rowAs<S>(0) + a * C;
        ASSERT_EQ(fn(roi, src.step(), dst.ptr<Kzv32f>(), dst.step(), {W, H}, m, a), 0) << name;
        ASSERT_TRUE(dst.checkWrites()) << name;
        std::vector<float> ref(size_t(W) * H * C);
        for (int y = 0; y < H; ++y)
            for (int i = 0; i < W * C; ++i) {
                double s = 0;
                for (int k = 0; k < m; ++k) s += column ? src.rowAs<S>(y + k)[i] : src.rowAs<S>(y)[i + k * C];
                ref[size_t(y) * W * C + i] = float(s);
            }
        ASSERT_TRUE(kzvt::regionNear(dst, ref, 0)) << name;
    }
}
}  // namespace

TEST(SumWindowLine, RowAndColumnSums) {
    Rng rng(kzvt::baseSeed() + 5);
#define LINE(fn, S, C, col) runLine<S>(#fn, &fn, C, col, rng)
    LINE(kzviSumWindowRow_8u32f_C1R, Kzv8u, 1, false);
    LINE(kzviSumWindowRow_8u32f_C3R, Kzv8u, 3, false);
    LINE(kzviSumWindowRow_8u32f_C4R, Kzv8u, 4, false);
    LINE(kzviSumWindowRow_16u32f_C1R, Kzv16u, 1, false);
    LINE(kzviSumWindowRow_16u32f_C3R, Kzv16u, 3, false);
    LINE(kzviSumWindowRow_16u32f_C4R, Kzv16u, 4, false);
    LINE(kzviSumWindowRow_16s32f_C1R, Kzv16s, 1, false);
    LINE(kzviSumWindowRow_16s32f_C3R, Kzv16s, 3, false);
    LINE(kzviSumWindowRow_16s32f_C4R, Kzv16s, 4, false);
    LINE(kzviSumWindowColumn_8u32f_C1R, Kzv8u, 1, true);
    LINE(kzviSumWindowColumn_8u32f_C3R, Kzv8u, 3, true);
    LINE(kzviSumWindowColumn_8u32f_C4R, Kzv8u, 4, true);
    LINE(kzviSumWindowColumn_16u32f_C1R, Kzv16u, 1, true);
    LINE(kzviSumWindowColumn_16u32f_C3R, Kzv16u, 3, true);
    LINE(kzviSumWindowColumn_16u32f_C4R, Kzv16u, 4, true);
    LINE(kzviSumWindowColumn_16s32f_C1R, Kzv16s, 1, true);
    LINE(kzviSumWindowColumn_16s32f_C3R, Kzv16s, 3, true);
    LINE(kzviSumWindowColumn_16s32f_C4R, Kzv16s, 4, true);
#undef LINE
    alignas(32) Kzv8u s[64] = {};
    alignas(32) Kzv32f d[64];
    EXPECT_EQ(kzviSumWindowRow_8u32f_C1R(s, 16, d, 64, {4, 2}, 3, 3), kzvStatusAnchorErr);
    EXPECT_EQ(kzviSumWindowRow_8u32f_C1R(s, 16, d, 64, {4, 2}, 3, -1), kzvStatusAnchorErr);
    EXPECT_EQ(kzviSumWindowColumn_8u32f_C1R(s, 16, d, 64, {4, 2}, 0, 0), kzvStatusMaskSizeErr);
    EXPECT_EQ(kzviSumWindowColumn_8u32f_C1R(nullptr, 16, d, 64, {4, 2}, 3, 0), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviSumWindowRow_16u32f_C1R(reinterpret_cast<Kzv16u*>(s), 16, d, 64, {4, 0}, 3, 0), kzvStatusSizeErr);
    EXPECT_EQ(kzviSumWindowRow_8u32f_C1R(s, 16, d, 64, {4, 0}, 3, 0), kzvStatusOk);  // nothing to do
    EXPECT_EQ(kzviSumWindowRow_16s32f_C3R(reinterpret_cast<Kzv16s*>(s), 16, d, 64, {4, 0}, 3, 0), kzvStatusOk);
}
