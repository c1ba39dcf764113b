// Extremes, positions, counts and block extremes against scalar references
// on guarded images. Every result is exact.
#include <algorithm>
#include <cstring>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

enum class Fn { Min, Max, MinMax, MinIndx, MaxIndx };

int channelsOf(int layout) { return layout == 9 ? 4 : layout; }
int resultsOf(int layout) { return layout == 9 ? 3 : layout; }

// Results of one call: values (min and max), positions; unused slots keep
// their sentinel so writes past the layout's result count are seen.
template <class T>
struct Out {
    T mn[5], mx[5];
    int32_t x[5], y[5];
    Out() {
        memset(mn, 0x5A, sizeof mn);
        memset(mx, 0x5A, sizeof mx);
        for (int i = 0; i < 5; ++i) x[i] = y[i] = -77;
    }
};

template <class T>
struct Entry {
    const char* name;
    Fn fn;
    int layout;
    std::function<KzvStatus(const T*, int, KzvImageSize, Out<T>&)> call;
};

template <class T>
std::vector<Entry<T>> entriesOf() {
    std::vector<Entry<T>> v;
#define KZVT_ADD(F, name, TT, L, ...)                                                                       \
    if constexpr (std::is_same_v<T, TT>)                                                                     \
        v.push_back({#name, F, L, [](const T* p, int s, KzvImageSize r, Out<T>& o) { return name(p, s, r, __VA_ARGS__); }});
#define KZV_MIN(n, TT, L) KZVT_ADD(Fn::Min, n, TT, L, o.mn)
#define KZV_MAX(n, TT, L) KZVT_ADD(Fn::Max, n, TT, L, o.mx)
#define KZV_MINMAX(n, TT, L) KZVT_ADD(Fn::MinMax, n, TT, L, o.mn, o.mx)
#define KZV_MININDX(n, TT, L) KZVT_ADD(Fn::MinIndx, n, TT, L, o.mn, o.x, o.y)
#define KZV_MAXINDX(n, TT, L) KZVT_ADD(Fn::MaxIndx, n, TT, L, o.mx, o.x, o.y)
#include "stats/extremes_exports.inc"
#undef KZVT_ADD
    return v;
}

template <class T>
bool same(T a, T b) {
    if constexpr (std::is_floating_point_v<T>)
        if (a != a || b != b) return a != a && b != b;
    return a == b;
}

template <class T>
T sample(const GuardedImage& img, int i, int y) {
    T v;
    memcpy(&v, img.row(y) + i * sizeof(T), sizeof(T));
    return v;
}

// Reference extreme of channel c ignoring NaN (NaN when there is nothing
// else), with its first position in row-major order.
template <class T>
void refExtreme(const GuardedImage& img, int ch, int c, bool wantMax, T& value, int& fx, int& fy) {
    bool any = false;
    value = T(0);
    fx = fy = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const T v = sample<T>(img, x * ch + c, y);
            if (v != v) continue;
            if (!any || (wantMax ? v > value : v < value)) {
                value = v;
                fx = x;
                fy = y;
                any = true;
            }
        }
    if (!any) value = std::numeric_limits<T>::quiet_NaN();
}

template <class T>
std::vector<T> samples(Rng& rng, size_t n, bool adversarial) {
    std::vector<T> v = kzvt::randomSamples<T>(rng, n, adversarial, true);
    // Narrow value ranges make ties, so first-occurrence rules matter.
    if (!adversarial && rng.chance(0.3))
        for (auto& x : v) x = T(rng.uniform(0, 5));
    return v;
}

template <class T>
void sweepExtremes() {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : entriesOf<T>()) {
            SCOPED_TRACE(e.name);
            const int ch = channelsOf(e.layout), R = resultsOf(e.layout);
            for (const auto& sc : kzvt::sweepCases(rng, 64)) {
                GuardedImage img(kzvt::randomLayout(rng, sc.width, sc.height, ch * int(sizeof(T)), sizeof(T), true));
                const auto v = samples<T>(rng, size_t(sc.width) * ch * sc.height, sc.adversarial);
                img.load(v.data());
                img.snapshot();
                Out<T> o;
                ASSERT_EQ(e.call(img.ptr<T>(), img.step(), {sc.width, sc.height}, o), kzvStatusOk);
                ASSERT_TRUE(img.unchanged());
                const bool doMin = e.fn == Fn::Min || e.fn == Fn::MinMax || e.fn == Fn::MinIndx;
                const bool doMax = e.fn == Fn::Max || e.fn == Fn::MinMax || e.fn == Fn::MaxIndx;
                const bool idx = e.fn == Fn::MinIndx || e.fn == Fn::MaxIndx;
                for (int c = 0; c < R; ++c) {
                    T want;
                    int fx, fy;
                    if (doMin) {
                        refExtreme<T>(img, ch, c, false, want, fx, fy);
                        EXPECT_TRUE(same(o.mn[c], want)) << "min of channel " << c << ": got " << +o.mn[c] << " want "
                                                         << +want << ", " << sc.width << "x" << sc.height;
                    }
                    if (doMax) {
                        refExtreme<T>(img, ch, c, true, want, fx, fy);
                        EXPECT_TRUE(same(o.mx[c], want)) << "max of channel " << c << ": got " << +o.mx[c] << " want "
                                                         << +want << ", " << sc.width << "x" << sc.height;
                    }
                    if (idx) {
                        EXPECT_EQ(o.x[c], fx) << "channel " << c;
                        EXPECT_EQ(o.y[c], fy) << "channel " << c;
                    }
                }
                T sentinel;
                memset(&sentinel, 0x5A, sizeof sentinel);
                EXPECT_TRUE(same(o.mn[R], sentinel) && same(o.mx[R], sentinel) && o.x[R] == -77 && o.y[R] == -77)
                    << "wrote past the results";
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

}  // namespace

TEST(Extremes, MinMaxAndPositions8u) { sweepExtremes<Kzv8u>(); }
TEST(Extremes, MinMaxAndPositions16u) { sweepExtremes<Kzv16u>(); }
TEST(Extremes, MinMaxAndPositions16s) { sweepExtremes<Kzv16s>(); }
TEST(Extremes, MinMaxAndPositions32f) { sweepExtremes<Kzv32f>(); }

TEST(Extremes, ArgumentChecks) {
    Kzv8u px[16] = {};
    Kzv8u v[4] = {9, 9, 9, 9};
    int32_t x[4] = {-1, -1, -1, -1}, y[4] = {-1, -1, -1, -1};
    const KzvImageSize ok{2, 2}, bad{2, 0};
    EXPECT_EQ(kzviMin_8u_C1R(nullptr, 2, ok, v), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMax_8u_C3R(px, 6, ok, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMinMax_8u_C4R(px, 8, ok, v, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMinMax_8u_AC4R(px, 8, bad, nullptr, v), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMinIndx_8u_C1R(px, 2, ok, v, nullptr, y), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMaxIndx_8u_C1R(px, 2, ok, v, x, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviMaxIndx_8u_C1R(px, 2, bad, v, x, y), kzvStatusSizeErr);
    EXPECT_EQ(kzviMin_8u_C1R(px, 2, {0, 1}, v), kzvStatusSizeErr);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(v[i] == 9 && x[i] == -1 && y[i] == -1);
    // The step is not checked: step 0 reads the first row again.
    EXPECT_EQ(kzviMax_8u_C1R(px, 0, ok, v), kzvStatusOk);

    int32_t cnt[3] = {-5, -5, -5};
    const Kzv8u lo[3] = {1, 2, 3}, hi[3] = {4, 1, 5};
    const Kzv32f flo[3] = {0, 0, 0}, fhi[3] = {1, 1, 1};
    EXPECT_EQ(kzviCountInRange_8u_C1R(nullptr, 2, ok, cnt, 0, 1), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviCountInRange_8u_C1R(px, 2, ok, nullptr, 0, 1), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviCountInRange_8u_C3R(px, 6, ok, cnt, nullptr, hi), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviCountInRange_32f_AC4R(reinterpret_cast<const Kzv32f*>(px), 16, ok, cnt, flo, nullptr),
              kzvStatusNullPtrErr);
    EXPECT_EQ(kzviCountInRange_8u_C1R(px, 0, bad, cnt, 0, 1), kzvStatusStepErr);  // step before size
    EXPECT_EQ(kzviCountInRange_8u_C1R(px, 2, bad, cnt, 0, 1), kzvStatusSizeErr);
    EXPECT_EQ(kzviCountInRange_8u_C1R(px, 2, ok, cnt, 8, 7), kzvStatusRangeErr);
    EXPECT_EQ(kzviCountInRange_8u_C3R(px, 6, ok, cnt, lo, hi), kzvStatusRangeErr);
    EXPECT_EQ(kzviCountInRange_32f_C1R(reinterpret_cast<const Kzv32f*>(px), 8, ok, cnt, 2.0f, 1.0f),
              kzvStatusRangeErr);
    EXPECT_EQ(kzviCountInRange_32f_C3R(reinterpret_cast<const Kzv32f*>(px), -12, ok, cnt, flo, fhi), kzvStatusStepErr);
    for (int c : cnt) EXPECT_EQ(c, -5);

    Kzv16u bmin[4] = {1, 1, 1, 1}, bmax[4] = {1, 1, 1, 1}, g = 1;
    const Kzv16u* s16 = reinterpret_cast<const Kzv16u*>(px);
    struct Case {
        std::function<KzvStatus()> call;
        KzvStatus want;
    };
    const Case cases[] = {
        {[&] { return kzviBlockMinMax_16u_C1R(nullptr, 8, {4, 2}, bmin, 4, bmax, 4, {2, 2}, &g, &g); }, kzvStatusNullPtrErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, nullptr, 4, nullptr, 4, {2, 2}, &g, &g); }, kzvStatusNullPtrErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {0, 2}, bmin, 4, bmax, 4, {2, 2}, &g, &g); }, kzvStatusSizeErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, bmin, 4, bmax, 4, {2, 0}, &g, &g); }, kzvStatusSizeErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 7, {4, 2}, bmin, 4, bmax, 4, {2, 2}, &g, &g); }, kzvStatusStepErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, bmin, 3, bmax, 4, {2, 2}, &g, &g); }, kzvStatusStepErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, bmin, 4, bmax, 2, {3, 2}, &g, &g); }, kzvStatusStepErr},
        {[&] { return kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, bmin, 0, nullptr, 0, {4, 2}, nullptr, &g); }, kzvStatusStepErr},
    };
    for (const Case& c : cases) EXPECT_EQ(c.call(), c.want);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(bmin[i] == 1 && bmax[i] == 1 && g == 1);
    // A block destination that is not given has no step to check.
    EXPECT_EQ(kzviBlockMinMax_16u_C1R(s16, 8, {4, 2}, nullptr, 0, bmax, 2, {4, 2}, nullptr, nullptr), kzvStatusOk);
}

TEST(Extremes, DocumentedCases) {
    std::vector<Kzv8u> img(10 * 9, 10);
    img[3 * 10 + 5] = 200;
    img[7 * 10 + 2] = 200;
    Kzv8u v;
    int32_t x, y;
    ASSERT_EQ(kzviMaxIndx_8u_C1R(img.data(), 10, {10, 9}, &v, &x, &y), kzvStatusOk);
    EXPECT_EQ(v, 200);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 3);
    // Independent positions per channel.
    std::vector<Kzv8u> c3(6 * 4 * 3, 0);
    c3[(1 * 6 + 4) * 3 + 0] = 9;
    c3[(3 * 6 + 0) * 3 + 1] = 9;
    c3[(0 * 6 + 2) * 3 + 2] = 9;
    Kzv8u v3[3];
    int32_t x3[3], y3[3];
    ASSERT_EQ(kzviMaxIndx_8u_C3R(c3.data(), 18, {6, 4}, v3, x3, y3), kzvStatusOk);
    EXPECT_TRUE(x3[0] == 4 && y3[0] == 1 && x3[1] == 0 && y3[1] == 3 && x3[2] == 2 && y3[2] == 0);
    // All 255: the scan may stop early, the first pixel is reported.
    std::vector<Kzv8u> full(8 * 5 * 3, 255);
    ASSERT_EQ(kzviMaxIndx_8u_C3R(full.data(), 24, {8, 5}, v3, x3, y3), kzvStatusOk);
    for (int c = 0; c < 3; ++c) EXPECT_TRUE(v3[c] == 255 && x3[c] == 0 && y3[c] == 0);

    // 32f: NaN never becomes the extreme, also as the first pixel; a channel
    // of only NaN reports NaN at (0, 0).
    const float nan = NAN;
    float f4[3 * 4] = {nan, 2, nan, 5, 1, -3, nan, 0, 7, 3, nan, 2};
    float fv[4];
    int32_t fx[4], fy[4];
    ASSERT_EQ(kzviMinIndx_32f_C4R(f4, 16, {3, 1}, fv, fx, fy), kzvStatusOk);
    EXPECT_EQ(fv[0], 1.0f);
    EXPECT_EQ(fx[0], 1);
    EXPECT_EQ(fv[1], -3.0f);
    EXPECT_TRUE(std::isnan(fv[2]) && fx[2] == 0 && fy[2] == 0);
    EXPECT_EQ(fv[3], 0.0f);
    float fmn[4], fmx[4];
    ASSERT_EQ(kzviMinMax_32f_C4R(f4, 16, {3, 1}, fmn, fmx), kzvStatusOk);
    EXPECT_TRUE(fmn[0] == 1.0f && fmx[0] == 7.0f && std::isnan(fmn[2]) && std::isnan(fmx[2]));
    const float inf[2] = {nan, INFINITY};
    ASSERT_EQ(kzviMin_32f_C1R(inf, 8, {2, 1}, fmn), kzvStatusOk);
    EXPECT_EQ(fmn[0], INFINITY);
    ASSERT_EQ(kzviMinIndx_32f_C1R(inf, 4, {1, 2}, fmn, fx, fy), kzvStatusOk);
    EXPECT_TRUE(fmn[0] == INFINITY && fx[0] == 0 && fy[0] == 1);

    // CountInRange with equal bounds counts the pixels equal to them.
    std::vector<Kzv8u> cnt(50);
    for (int i = 0; i < 50; ++i) cnt[i] = Kzv8u(i % 9);
    int32_t n;
    ASSERT_EQ(kzviCountInRange_8u_C1R(cnt.data(), 10, {10, 5}, &n, 7, 7), kzvStatusOk);
    EXPECT_EQ(n, 5);

    // BlockMinMax of 10 x 10 with 4 x 4 blocks: 3 x 3 results.
    std::vector<Kzv8u> b(100);
    for (int i = 0; i < 100; ++i) b[i] = Kzv8u(i);
    Kzv8u bmin[3 * 4], bmax[3 * 4], gmin = 0, gmax = 0;
    memset(bmin, 0xEE, sizeof bmin);
    memset(bmax, 0xEE, sizeof bmax);
    ASSERT_EQ(kzviBlockMinMax_8u_C1R(b.data(), 10, {10, 10}, bmin, 4, bmax, 4, {4, 4}, &gmin, &gmax), kzvStatusOk);
    EXPECT_EQ(bmin[0 * 4 + 2], 8);
    EXPECT_EQ(bmax[0 * 4 + 2], 39);
    EXPECT_EQ(bmin[2 * 4 + 2], 88);
    EXPECT_EQ(bmax[2 * 4 + 2], 99);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(bmin[j * 4 + 3], 0xEE);
    EXPECT_TRUE(gmin == 0 && gmax == 99);
}

namespace {

template <class T>
void sweepCount() {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int layout : {1, 3, 9}) {
            const int ch = channelsOf(layout), R = resultsOf(layout);
            for (const auto& sc : kzvt::sweepCases(rng, 96)) {
                GuardedImage img(kzvt::randomLayout(rng, sc.width, sc.height, ch * int(sizeof(T)), sizeof(T), false));
                const auto v = samples<T>(rng, size_t(sc.width) * ch * sc.height, sc.adversarial);
                img.load(v.data());
                img.snapshot();
                T lo[3], hi[3];
                for (int c = 0; c < 3; ++c) {
                    T a = v[rng.uniform(0, int(v.size()) - 1)], b = v[rng.uniform(0, int(v.size()) - 1)];
                    if (a != a) a = T(0);
                    if (b != b) b = T(1);
                    lo[c] = std::min(a, b);
                    hi[c] = std::max(a, b);
                }
                int32_t got[4] = {-9, -9, -9, -9};
                KzvStatus st;
                if constexpr (std::is_same_v<T, Kzv8u>) {
                    const Kzv8u* p = img.ptr<Kzv8u>();
                    st = layout == 1   ? kzviCountInRange_8u_C1R(p, img.step(), {sc.width, sc.height}, got, lo[0], hi[0])
                         : layout == 3 ? kzviCountInRange_8u_C3R(p, img.step(), {sc.width, sc.height}, got, lo, hi)
                                       : kzviCountInRange_8u_AC4R(p, img.step(), {sc.width, sc.height}, got, lo, hi);
                } else {
                    const Kzv32f* p = img.ptr<Kzv32f>();
                    st = layout == 1   ? kzviCountInRange_32f_C1R(p, img.step(), {sc.width, sc.height}, got, lo[0], hi[0])
                         : layout == 3 ? kzviCountInRange_32f_C3R(p, img.step(), {sc.width, sc.height}, got, lo, hi)
                                       : kzviCountInRange_32f_AC4R(p, img.step(), {sc.width, sc.height}, got, lo, hi);
                }
                ASSERT_EQ(st, kzvStatusOk);
                ASSERT_TRUE(img.unchanged());
                for (int c = 0; c < R; ++c) {
                    int want = 0;
                    for (int y = 0; y < sc.height; ++y)
                        for (int x = 0; x < sc.width; ++x) {
                            const T s = sample<T>(img, x * ch + c, y);
                            want += (s >= lo[c] && s <= hi[c]);
                        }
                    ASSERT_EQ(got[c], want) << "layout " << layout << " channel " << c << " " << sc.width << "x"
                                            << sc.height;
                }
                ASSERT_EQ(got[R], -9);
            }
        }
    });
}

template <class T>
void sweepBlocks() {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int rep = 0; rep < 60; ++rep) {
            const int w = rng.chance(0.2) ? rng.uniform(1000, 2200) : rng.uniform(1, 80);
            const int h = rng.uniform(1, 24);
            const int bw = rng.chance(0.15) ? 16 : rng.chance(0.1) ? rng.uniform(1030, 1500) : rng.uniform(1, 40);
            const int bh = rng.chance(0.15) ? 16 : rng.uniform(1, 9);
            const int nx = (w + bw - 1) / bw, ny = (h + bh - 1) / bh;
            GuardedImage src(kzvt::randomLayout(rng, w, h, sizeof(T), sizeof(T), false));
            const auto v = samples<T>(rng, size_t(w) * h, rng.chance(0.25));
            src.load(v.data());
            src.snapshot();
            GuardedImage dmin(kzvt::randomLayout(rng, nx, ny, sizeof(T), sizeof(T), false));
            GuardedImage dmax(kzvt::randomLayout(rng, nx, ny, sizeof(T), sizeof(T), false));
            dmin.snapshot();
            dmax.snapshot();
            const int which = rng.uniform(0, 2);  // both, min only, max only
            T gmin, gmax;
            memset(&gmin, 0x33, sizeof(T));
            memset(&gmax, 0x33, sizeof(T));
            KzvStatus st;
            T* pmin = which != 2 ? dmin.ptr<T>() : nullptr;
            T* pmax = which != 1 ? dmax.ptr<T>() : nullptr;
            const bool withGlobal = rng.chance(0.7);
            if constexpr (std::is_same_v<T, Kzv8u>)
                st = kzviBlockMinMax_8u_C1R(src.ptr<T>(), src.step(), {w, h}, pmin, dmin.step(), pmax, dmax.step(),
                                            {bw, bh}, withGlobal ? &gmin : nullptr, withGlobal ? &gmax : nullptr);
            else if constexpr (std::is_same_v<T, Kzv16u>)
                st = kzviBlockMinMax_16u_C1R(src.ptr<T>(), src.step(), {w, h}, pmin, dmin.step(), pmax, dmax.step(),
                                             {bw, bh}, withGlobal ? &gmin : nullptr, withGlobal ? &gmax : nullptr);
            else if constexpr (std::is_same_v<T, Kzv16s>)
                st = kzviBlockMinMax_16s_C1R(src.ptr<T>(), src.step(), {w, h}, pmin, dmin.step(), pmax, dmax.step(),
                                             {bw, bh}, withGlobal ? &gmin : nullptr, withGlobal ? &gmax : nullptr);
            else
                st = kzviBlockMinMax_32f_C1R(src.ptr<T>(), src.step(), {w, h}, pmin, dmin.step(), pmax, dmax.step(),
                                             {bw, bh}, withGlobal ? &gmin : nullptr, withGlobal ? &gmax : nullptr);
            ASSERT_EQ(st, kzvStatusOk);
            ASSERT_TRUE(src.unchanged());
            std::vector<T> rmin(size_t(nx) * ny), rmax(size_t(nx) * ny);
            for (int j = 0; j < ny; ++j)
                for (int i = 0; i < nx; ++i) {
                    bool any = false;
                    T mn = std::numeric_limits<T>::quiet_NaN(), mx = mn;
                    for (int y = j * bh; y < std::min(h, (j + 1) * bh); ++y)
                        for (int x = i * bw; x < std::min(w, (i + 1) * bw); ++x) {
                            const T s = sample<T>(src, x, y);
                            if (s != s) continue;
                            if (!any || s < mn) mn = s;
                            if (!any || s > mx) mx = s;
                            any = true;
                        }
                    rmin[size_t(j) * nx + i] = mn;
                    rmax[size_t(j) * nx + i] = mx;
                }
            if (pmin) EXPECT_TRUE(kzvt::regionNear(dmin, rmin, 0)) << w << "x" << h << " blocks " << bw << "x" << bh;
            else EXPECT_TRUE(dmin.unchanged());
            if (pmax) EXPECT_TRUE(kzvt::regionNear(dmax, rmax, 0)) << w << "x" << h << " blocks " << bw << "x" << bh;
            else EXPECT_TRUE(dmax.unchanged());
            EXPECT_TRUE(dmin.checkWrites());
            EXPECT_TRUE(dmax.checkWrites());
            if (withGlobal) {
                T wmin, wmax;
                int fx, fy;
                refExtreme<T>(src, 1, 0, false, wmin, fx, fy);
                refExtreme<T>(src, 1, 0, true, wmax, fx, fy);
                EXPECT_TRUE(same(gmin, wmin)) << +gmin << " vs " << +wmin;
                EXPECT_TRUE(same(gmax, wmax)) << +gmax << " vs " << +wmax;
            }
            if (::testing::Test::HasFailure()) return;
        }
    });
}

}  // namespace

TEST(Extremes, CountInRange8u) { sweepCount<Kzv8u>(); }
TEST(Extremes, CountInRange32f) { sweepCount<Kzv32f>(); }
TEST(Extremes, BlockMinMax8u) { sweepBlocks<Kzv8u>(); }
TEST(Extremes, BlockMinMax16u) { sweepBlocks<Kzv16u>(); }
TEST(Extremes, BlockMinMax16s) { sweepBlocks<Kzv16s>(); }
TEST(Extremes, BlockMinMax32f) { sweepBlocks<Kzv32f>(); }
