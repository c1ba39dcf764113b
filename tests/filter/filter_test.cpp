// General linear filter against a direct evaluation of the window sum over
// the border rule, on guarded images, with specs and work buffers of exactly
// the reported sizes placed against protected pages.
#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

// ---- Border rule, per axis ------------------------------------------------------

// Position read for position i of a line of n pixels: replicate (1) clamps,
// reflect (3) folds with period 2n - 2 (index 0 for n = 1). -1: the constant.
long refIndex(int kind, long i, long n) {
    if (i >= 0 && i < n) return i;
    if (kind == 1) return i < 0 ? 0 : n - 1;
    if (kind == 3) {
        if (n == 1) return 0;
        const long p = 2 * n - 2;
        long j = ((i % p) + p) % p;
        return j < n ? j : p - j;
    }
    return -1;
}

struct Border {
    int kind;   // 1, 3, 6; 0 with flags 0xF0
    int flags;  // 0x10 top, 0x20 bottom, 0x40 left, 0x80 right
    KzvBorderKind value() const { return KzvBorderKind(kind | flags); }
};

// Sample c of the bordered pixel at ROI position (x, y).
template <class T>
double refPixel(const uint8_t* roi, long step, long W, long H, int C, const Border& b, const T* cval, long x, long y,
                int c) {
    long mx = x, my = y;
    if (x < 0 || x >= W) {
        const bool mem = (x < 0 && (b.flags & 0x40)) || (x >= W && (b.flags & 0x80));
        if (!mem) {
            if (b.kind == 6) return double(cval[c]);
            mx = refIndex(b.kind, x, W);
        }
    }
    if (y < 0 || y >= H) {
        const bool mem = (y < 0 && (b.flags & 0x10)) || (y >= H && (b.flags & 0x20));
        if (!mem) {
            if (b.kind == 6) return double(cval[c]);
            my = refIndex(b.kind, y, H);
        }
    }
    T v;
    memcpy(&v, roi + my * step + (mx * C + c) * long(sizeof(T)), sizeof(T));
    return double(v);
}

// A W x H region inside a guarded image holding real pixels beyond the
// flagged sides.
struct Source {
    GuardedImage img;
    const uint8_t* roi = nullptr;
};

template <class T>
Source makeSource(Rng& rng, int W, int H, int C, int mL, int mR, int mT, int mB, bool adversarial) {
    kzvt::Layout l = kzvt::randomLayout(rng, W + mL + mR, H + mT + mB, C * int(sizeof(T)), int(sizeof(T)), false);
    Source s{GuardedImage(l), nullptr};
    const int n = (W + mL + mR) * C;
    for (int y = 0; y < s.img.height(); ++y) {
        auto v = kzvt::randomSamples<T>(rng, size_t(n), adversarial);
        memcpy(s.img.row(y), v.data(), v.size() * sizeof(T));
    }
    s.img.snapshot();
    s.roi = s.img.row(mT) + mL * C * int(sizeof(T));
    return s;
}

// ---- Kernels and the expected results ---------------------------------------------

enum class KernelType { Int16, Float32, Double64 };

struct Kernel {
    KernelType type;
    int kw, kh;
    std::vector<int16_t> k16;
    int divisor = 1;
    std::vector<float> k32;
    std::vector<double> k64;
};

// The Init_16s rule for integer data that is filtered with a float kernel.
bool int16BecomesFloat(KzvDataKind data, int C, int kw, int kh) {
    if (data == kzvDataKind16u) return true;
    if (data != kzvDataKind16s) return false;
    return C >= 3 || (kw == 1 && kh == 1) || (C == 1 && kw < 3);
}

double roundByMode(double v, int mode) {
    if (mode == 0) return std::trunc(v);
    if (mode == 1) return std::nearbyint(v);
    return std::round(v);  // halves away from zero
}

template <class T>
double saturateTo(double v) {
    return std::min(std::max(v, double(std::numeric_limits<T>::lowest())), double(std::numeric_limits<T>::max()));
}

// Integer kernel: the exact sum S to the output sample.
template <class T>
double intResult(int64_t S, int divisor, bool accurate, int mode, int offset) {
    double r;
    const bool pow2 = divisor > 1 && (divisor & (divisor - 1)) == 0;
    if (divisor == 1 && accurate) {
        r = double(S);
    } else if (pow2) {
        // Nearest, halves to even, by floor division and remainder.
        int64_t q = S / divisor, rem = S % divisor;
        if (rem < 0) {
            q -= 1;
            rem += divisor;
        }
        if (2 * rem > divisor || (2 * rem == divisor && (q & 1))) q += 1;
        r = double(q);
    } else {
        const float v = float(S) * float(1.0 / double(divisor));
        r = accurate ? roundByMode(double(v), mode) : std::nearbyint(double(v));
    }
    r = std::min(std::max(r + offset, -32768.0), 32767.0);
    return saturateTo<T>(r);
}

struct Setup {
    Kernel kernel;
    bool intPath = false;   // exact integer sums
    bool accurate = false;  // flag in effect for the integer path
    int mode = 1;
    int offset = 0;
};

// ---- Apply table ------------------------------------------------------------------

template <class T>
using ApplyFn = KzvStatus (*)(const T*, int32_t, T*, int32_t, KzvImageSize, KzvBorderKind, const T*,
                              const KzviFilterBorderSpec*, Kzv8u*);

template <class T>
struct ApplyRow {
    const char* name;
    ApplyFn<T> fn;
    int channels;
    KzvDataKind data;
};

// A guarded byte block of exactly n bytes (n >= 1), ending at a protected page.
struct Block {
    GuardedImage img;
    explicit Block(int n) : img(std::max(n, 1), 1, 1) {}
    uint8_t* data() const { return img.data(); }
};

template <class T>
Kernel randomKernel(Rng& rng, KernelType type, int kw, int kh) {
    Kernel k;
    k.type = type;
    k.kw = kw;
    k.kh = kh;
    const size_t n = size_t(kw) * kh;
    if (type == KernelType::Int16) {
        const bool big = rng.chance(0.2);
        k.k16.resize(n);
        for (auto& v : k.k16) v = int16_t(big ? rng.uniform(-32768, 32767) : rng.uniform(-9, 9));
        if (rng.chance(0.1)) k.k16[rng.uniform(0, int(n) - 1)] = rng.pick<int16_t>({-32768, 32767});
        switch (rng.uniform(0, 3)) {
        case 0: k.divisor = 1; break;
        case 1: k.divisor = 1 << rng.uniform(1, 12); break;
        case 2: k.divisor = rng.pick({3, 5, 7, 12, 25, 100, 999}); break;
        default: k.divisor = -rng.uniform(1, 300); break;
        }
    } else if (type == KernelType::Float32) {
        k.k32.resize(n);
        for (auto& v : k.k32) v = float(rng.real(-1.0, 1.0));
    } else {
        k.k64.resize(n);
        for (auto& v : k.k64) v = rng.real(-1.0, 1.0);
    }
    return k;
}

// Initialises spec for the kernel and returns Init's status.
KzvStatus initSpec(const Kernel& k, KzvDataKind data, int C, int mode, uint8_t* spec) {
    auto* s = reinterpret_cast<KzviFilterBorderSpec*>(spec);
    switch (k.type) {
    case KernelType::Int16: return kzviFilterBorderInit_16s(k.k16.data(), {k.kw, k.kh}, k.divisor, data, C, mode, s);
    case KernelType::Float32: return kzviFilterBorderInit_32f(k.k32.data(), {k.kw, k.kh}, data, C, mode, s);
    default: return kzviFilterBorderInit_64f(k.k64.data(), {k.kw, k.kh}, data, C, mode, s);
    }
}

template <class T>
void runSweep(const ApplyRow<T>& row, uint64_t seed, int iterations) {
    Rng rng(seed ^ (uint64_t(row.data) << 40) ^ (uint64_t(row.channels) << 48));
    const int C = row.channels;
    const bool isInt = !std::is_floating_point_v<T>;
    for (int iter = 0; iter < iterations; ++iter) {
        const int W = rng.chance(0.2) ? rng.uniform(40, 110) : rng.uniform(1, 24);
        // Now and then a tall narrow ROI, whose edge columns are built in
        // several chunks of rows.
        const int H = rng.chance(0.05) ? rng.uniform(60, 200) : rng.uniform(1, 9);
        int kw = rng.uniform(1, 9), kh = rng.uniform(1, 9);
        if (rng.chance(0.15)) kw = W + rng.uniform(0, 3);
        if (rng.chance(0.15)) kh = H + rng.uniform(0, 3);
        if (rng.chance(0.1)) kw = 1;
        if (rng.chance(0.1)) kh = 1;
        Border b{rng.pick({1, 3, 6}), rng.chance(0.5) ? rng.uniform(0, 15) << 4 : 0};
        if (rng.chance(0.08)) b = Border{0, 0xF0};

        Setup st;
        KernelType kt = std::is_same_v<T, double>  ? KernelType::Double64
                        : std::is_same_v<T, float> ? KernelType::Float32
                        : rng.chance(0.6)          ? KernelType::Int16
                                                   : KernelType::Float32;
        st.kernel = randomKernel<T>(rng, kt, kw, kh);
        const Kernel& k = st.kernel;
        int mode = rng.uniform(0, 2);
        const bool flag = rng.chance(0.5);
        if (kt == KernelType::Double64) mode = 1;
        const int initMode = mode | (flag ? 16 : 0);
        st.mode = mode;
        st.intPath = kt == KernelType::Int16 && !int16BecomesFloat(row.data, C, kw, kh);
        const bool flagKept = row.data == kzvDataKind8u || C == 1;
        st.accurate = st.intPath && flag && flagKept;
        KzvStatus wantInit = kzvStatusOk;
        if (kt != KernelType::Double64 && flag && (!st.intPath || !flagKept)) wantInit = kzvStatusAccurateIgnored;

        // Sizes for this ROI or a larger one.
        KzvImageSize sizeRoi{W, H};
        if (rng.chance(0.3)) sizeRoi = {W + rng.uniform(0, 40), H + rng.uniform(0, 6)};
        int32_t specSize = 0, bufSize = 0;
        const KzvDataKind kernelKind = kt == KernelType::Int16     ? kzvDataKind16s
                                       : kt == KernelType::Float32 ? kzvDataKind32f
                                                                   : kzvDataKind64f;
        ASSERT_EQ(kzviFilterBorderGetSize({kw, kh}, sizeRoi, row.data, kernelKind, C, &specSize, &bufSize),
                  kzvStatusOk);
        Block spec(specSize), buf(bufSize);
        ASSERT_EQ(initSpec(k, row.data, C, initMode, spec.data()), wantInit) << row.name;
        if (rng.chance(0.4)) {
            const int hint = rng.uniform(0, 2);
            const bool offsetOk = row.data == kzvDataKind8u || row.data == kzvDataKind16u;
            st.offset = offsetOk && rng.chance(0.7) ? rng.uniform(-300, 300) : 0;
            ASSERT_EQ(kzviFilterBorderSetMode(KzvAlgHint(hint), st.offset,
                                              reinterpret_cast<KzviFilterBorderSpec*>(spec.data())),
                      kzvStatusOk);
            const bool eligible = st.intPath && (row.data == kzvDataKind8u || C == 1);
            st.accurate = hint == 2 && eligible;
        }

        const int ax = (kw - 1) >> 1, ay = (kh - 1) >> 1, rx = kw - 1 - ax, by = kh - 1 - ay;
        const int mL = (b.flags & 0x40) ? ax : 0, mR = (b.flags & 0x80) ? rx : 0;
        const int mT = (b.flags & 0x10) ? ay : 0, mB = (b.flags & 0x20) ? by : 0;
        Source src = makeSource<T>(rng, W, H, C, mL, mR, mT, mB, isInt && rng.chance(0.25));
        T cval[4];
        for (auto& v : cval) v = kzvt::randomValue<T>(rng);
        GuardedImage dst(kzvt::randomLayout(rng, W, H, C * int(sizeof(T)), int(sizeof(T)), false));
        dst.fillRandomBytes(rng);

        const KzvStatus s =
            row.fn(reinterpret_cast<const T*>(src.roi), src.img.step(), dst.ptr<T>(), dst.step(), {W, H}, b.value(),
                   b.kind == 6 ? cval : nullptr, reinterpret_cast<const KzviFilterBorderSpec*>(spec.data()),
                   buf.data());
        std::ostringstream where;
        where << row.name << " roi " << W << "x" << H << " (sizes for " << sizeRoi.width << "x" << sizeRoi.height
              << ") kernel " << kw << "x" << kh << " type " << int(kt) << " div " << k.divisor << " mode " << mode
              << " flag " << flag << " accurate " << st.accurate << " offset " << st.offset << " border 0x" << std::hex
              << b.value() << std::dec;
        ASSERT_EQ(s, kzvStatusOk) << where.str();
        ASSERT_TRUE(dst.checkWrites()) << where.str();
        ASSERT_TRUE(src.img.unchanged()) << where.str();

        // Bordered planes, then the window sums.
        const int bw = W + kw - 1, bh = H + kh - 1;
        std::vector<double> P(size_t(bw) * bh * C);
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x)
                for (int c = 0; c < C; ++c)
                    P[(size_t(y) * bw + x) * C + c] =
                        refPixel<T>(src.roi, src.img.step(), W, H, C, b, cval, x - ax, y - ay, c);
        const std::vector<T> got = dst.packedAs<T>();
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                for (int c = 0; c < C; ++c) {
                    const T g = got[(size_t(y) * W + x) * C + c];
                    double sum = 0, mag = 0;
                    int64_t S = 0;
                    for (int r = 0; r < kh; ++r)
                        for (int q = 0; q < kw; ++q) {
                            const double p = P[(size_t(y + r) * bw + x + q) * C + c];
                            const size_t ki = size_t(r) * kw + q;
                            double coef;
                            if (kt == KernelType::Int16) {
                                S += int64_t(k.k16[ki]) * int64_t(p);
                                coef = double(float(double(k.k16[ki]) / double(k.divisor)));
                            } else {
                                coef = kt == KernelType::Float32 ? double(k.k32[ki]) : k.k64[ki];
                            }
                            sum += coef * p;
                            mag += std::fabs(coef * p);
                        }
                    const double n = double(kw) * kh;
                    bool ok;
                    double want;
                    if (st.intPath) {
                        want = intResult<T>(S, k.divisor, st.accurate, st.mode, st.offset);
                        ok = double(g) == want;
                    } else if constexpr (std::is_floating_point_v<T>) {
                        const double eps = std::is_same_v<T, float> ? 6e-8 : 1.2e-16;
                        want = sum;
                        ok = std::fabs(double(g) - sum) <= (n + 2) * eps * mag + 1e-300;
                    } else {
                        // Float sums in the library's order: accept exactly the
                        // outputs that rounding a value within the summation's
                        // error bound can give (the neighbour only next to a
                        // rounding boundary when the bound is small).
                        const double v = sum + st.offset;
                        want = saturateTo<T>(roundByMode(v, st.mode));
                        const double tol = (n + 3) * 6e-8 * (mag + std::fabs(double(st.offset))) + 1e-9;
                        const double lo = saturateTo<T>(roundByMode(v - tol, st.mode));
                        const double hi = saturateTo<T>(roundByMode(v + tol, st.mode));
                        ok = double(g) >= lo && double(g) <= hi;
                    }
                    ASSERT_TRUE(ok) << where.str() << "\n  at x " << x << " y " << y << " c " << c << ": got "
                                    << double(g) << ", want " << want << " (S " << S << ", sum " << sum << ")";
                }
    }
}

template <class T>
void sweepAll(const std::vector<ApplyRow<T>>& rows, int iterations) {
    kzvt::forEachSeed([&](uint64_t seed) {
        for (const auto& r : rows) {
            runSweep(r, seed, iterations);
            if (::testing::Test::HasFatalFailure()) return;
        }
    });
}

#define ROW(fn, C, kind) \
    { #fn, &fn, C, kind }

}  // namespace

TEST(FilterBorder, Matches8uReference) {
    sweepAll<Kzv8u>({ROW(kzviFilterBorder_8u_C1R, 1, kzvDataKind8u), ROW(kzviFilterBorder_8u_C3R, 3, kzvDataKind8u),
                     ROW(kzviFilterBorder_8u_C4R, 4, kzvDataKind8u)},
                    60);
}

TEST(FilterBorder, Matches16uReference) {
    sweepAll<Kzv16u>({ROW(kzviFilterBorder_16u_C1R, 1, kzvDataKind16u),
                      ROW(kzviFilterBorder_16u_C3R, 3, kzvDataKind16u),
                      ROW(kzviFilterBorder_16u_C4R, 4, kzvDataKind16u)},
                     30);
}

TEST(FilterBorder, Matches16sReference) {
    sweepAll<Kzv16s>({ROW(kzviFilterBorder_16s_C1R, 1, kzvDataKind16s),
                      ROW(kzviFilterBorder_16s_C3R, 3, kzvDataKind16s),
                      ROW(kzviFilterBorder_16s_C4R, 4, kzvDataKind16s)},
                     40);
}

TEST(FilterBorder, MatchesFloatReference) {
    sweepAll<Kzv32f>({ROW(kzviFilterBorder_32f_C1R, 1, kzvDataKind32f),
                      ROW(kzviFilterBorder_32f_C3R, 3, kzvDataKind32f),
                      ROW(kzviFilterBorder_32f_C4R, 4, kzvDataKind32f)},
                     30);
    sweepAll<Kzv64f>({ROW(kzviFilterBorder_64f_C1R, 1, kzvDataKind64f)}, 30);
}

namespace {

// Spec and buffer for one kernel, in guarded blocks of exactly the reported
// sizes.
struct Prepared {
    Block spec, buf;
    KzvStatus init;
    KzviFilterBorderSpec* ptr() const { return reinterpret_cast<KzviFilterBorderSpec*>(spec.data()); }
};

int32_t specSizeOf(KzvImageSize k, KzvImageSize roi, KzvDataKind data, KzvDataKind kt, int C, int32_t* buf) {
    int32_t spec = 0;
    EXPECT_EQ(kzviFilterBorderGetSize(k, roi, data, kt, C, &spec, buf), kzvStatusOk);
    return spec;
}

Prepared prepare16s(std::vector<int16_t> k, KzvImageSize ks, int div, KzvDataKind data, int C, int mode,
                    KzvImageSize roi) {
    int32_t buf = 0;
    const int32_t spec = specSizeOf(ks, roi, data, kzvDataKind16s, C, &buf);
    Prepared p{Block(spec), Block(buf), kzvStatusOk};
    p.init = kzviFilterBorderInit_16s(k.data(), ks, div, data, C, mode, p.ptr());
    return p;
}

}  // namespace

TEST(FilterBorder, DocumentedValues) {
    // A 1x1 identity on 8u reproduces the source whatever the border.
    {
        Prepared p = prepare16s({1}, {1, 1}, 1, kzvDataKind8u, 1, 1, {7, 3});
        ASSERT_EQ(p.init, kzvStatusOk);
        const uint8_t v = 9;
        for (KzvBorderKind b : {1u, 3u, 6u, 0xF0u, 0x31u}) {
            GuardedImage src(7, 3, 1), dst(7, 3, 1);
            kzvt::Rng rng(b);
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            ASSERT_EQ(kzviFilterBorder_8u_C1R(src.data(), src.step(), dst.data(), dst.step(), {7, 3}, b, &v, p.ptr(),
                                              p.buf.data()),
                      kzvStatusOk);
            EXPECT_EQ(dst.packed(), src.packed()) << "border " << b;
        }
    }
    // Divisor 4 with the accurate flag: 6/4 = 1.5 gives 2, 10/4 = 2.5 gives 2,
    // and the negative ties on 16s (a 3x2 kernel picking the centre of row 0).
    {
        Prepared p = prepare16s({1}, {1, 1}, 4, kzvDataKind8u, 1, 1 | 16, {4, 1});
        ASSERT_EQ(p.init, kzvStatusOk);
        const uint8_t in[4] = {6, 10, 14, 2}, want[4] = {2, 2, 4, 0};
        uint8_t out[4];
        ASSERT_EQ(kzviFilterBorder_8u_C1R(in, 4, out, 4, {4, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 4), std::vector<uint8_t>(want, want + 4));

        Prepared q = prepare16s({0, 1, 0, 0, 0, 0}, {3, 2}, 4, kzvDataKind16s, 1, 1 | 16, {4, 1});
        ASSERT_EQ(q.init, kzvStatusOk);
        const int16_t s[4] = {-6, -10, 6, 10}, w16[4] = {-2, -2, 2, 2};
        int16_t o16[4];
        ASSERT_EQ(kzviFilterBorder_16s_C1R(s, 8, o16, 8, {4, 1}, 1, nullptr, q.ptr(), q.buf.data()), kzvStatusOk);
        EXPECT_EQ(std::vector<int16_t>(o16, o16 + 4), std::vector<int16_t>(w16, w16 + 4));
    }
    // 16u takes the float path: 5/2 * 1 = 2.5 is 3 with mode 2, 2 with modes
    // 0 and 1; 7.5 is 8 with mode 1.
    for (int mode = 0; mode < 3; ++mode) {
        Prepared p = prepare16s({5}, {1, 1}, 2, kzvDataKind16u, 1, mode, {2, 1});
        ASSERT_EQ(p.init, kzvStatusOk);
        const uint16_t in[2] = {1, 3};
        uint16_t out[2];
        ASSERT_EQ(kzviFilterBorder_16u_C1R(in, 4, out, 4, {2, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        const uint16_t want[3][2] = {{2, 7}, {2, 8}, {3, 8}};
        EXPECT_EQ(out[0], want[mode][0]) << "mode " << mode;
        EXPECT_EQ(out[1], want[mode][1]) << "mode " << mode;
    }
    // A two-wide 16s one-channel kernel goes through the float path: {1, 1}/2
    // gives 1.5 and 3.5, rounded by the mode.
    for (int mode = 0; mode < 3; ++mode) {
        Prepared p = prepare16s({1, 1}, {2, 1}, 2, kzvDataKind16s, 1, mode, {3, 1});
        ASSERT_EQ(p.init, kzvStatusOk);
        const int16_t in[3] = {1, 2, 5};
        int16_t out[3];
        ASSERT_EQ(kzviFilterBorder_16s_C1R(in, 6, out, 6, {3, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        const int16_t want[3][3] = {{1, 3, 5}, {2, 4, 5}, {2, 4, 5}};
        for (int i = 0; i < 3; ++i) EXPECT_EQ(out[i], want[mode][i]) << "mode " << mode << " i " << i;
    }
    // Offsets: refused for 32f and 16s, added before saturation on 8u.
    {
        const float one = 1.0f;
        int32_t buf = 0;
        Block spec(specSizeOf({1, 1}, {4, 1}, kzvDataKind32f, kzvDataKind32f, 1, &buf));
        auto* sp = reinterpret_cast<KzviFilterBorderSpec*>(spec.data());
        ASSERT_EQ(kzviFilterBorderInit_32f(&one, {1, 1}, kzvDataKind32f, 1, 1, sp), kzvStatusOk);
        EXPECT_EQ(kzviFilterBorderSetMode(kzvAlgHintNone, 3, sp), kzvStatusNotSupportedModeErr);
        EXPECT_EQ(kzviFilterBorderSetMode(kzvAlgHintAccurate, 0, sp), kzvStatusOk);
        Prepared q = prepare16s({1, 1, 1, 1, 1, 1}, {3, 2}, 1, kzvDataKind16s, 1, 1, {4, 1});
        EXPECT_EQ(kzviFilterBorderSetMode(kzvAlgHintNone, -1, q.ptr()), kzvStatusNotSupportedModeErr);

        Prepared p = prepare16s({1}, {1, 1}, 1, kzvDataKind8u, 1, 1, {4, 1});
        ASSERT_EQ(kzviFilterBorderSetMode(kzvAlgHintFast, 10, p.ptr()), kzvStatusOk);
        const uint8_t in[4] = {0, 100, 250, 255}, want[4] = {10, 110, 255, 255};
        uint8_t out[4];
        ASSERT_EQ(kzviFilterBorder_8u_C1R(in, 4, out, 4, {4, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 4), std::vector<uint8_t>(want, want + 4));
        ASSERT_EQ(kzviFilterBorderSetMode(kzvAlgHintFast, -300, p.ptr()), kzvStatusOk);
        ASSERT_EQ(kzviFilterBorder_8u_C1R(in, 4, out, 4, {4, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 4), std::vector<uint8_t>(4, 0));
    }
    // The accurate flag that cannot be honoured: 52, and the spec works.
    {
        Prepared p = prepare16s({3}, {1, 1}, 2, kzvDataKind16u, 1, 1 | 16, {2, 1});
        EXPECT_EQ(p.init, kzvStatusAccurateIgnored);
        const uint16_t in[2] = {1, 3};
        uint16_t out[2];
        ASSERT_EQ(kzviFilterBorder_16u_C1R(in, 4, out, 4, {2, 1}, 1, nullptr, p.ptr(), p.buf.data()), kzvStatusOk);
        EXPECT_EQ(out[0], 2);  // 1.5 to even
        EXPECT_EQ(out[1], 4);  // 4.5 to even
        EXPECT_EQ(prepare16s({1, 2, 3, 4, 5, 6}, {3, 2}, 1, kzvDataKind16s, 2, 16, {4, 4}).init,
                  kzvStatusAccurateIgnored);
        EXPECT_EQ(prepare16s({1, 2, 3, 4, 5, 6}, {3, 2}, 1, kzvDataKind16s, 1, 16, {4, 4}).init, kzvStatusOk);
        const float k = 1.0f;
        int32_t buf = 0;
        Block spec(specSizeOf({1, 1}, {4, 1}, kzvDataKind8u, kzvDataKind32f, 1, &buf));
        EXPECT_EQ(kzviFilterBorderInit_32f(&k, {1, 1}, kzvDataKind8u, 1, 16 | 2,
                                           reinterpret_cast<KzviFilterBorderSpec*>(spec.data())),
                  kzvStatusAccurateIgnored);
    }
}

TEST(FilterBorder, SizeQuery) {
    struct Case {
        KzvImageSize k, roi;
        KzvDataKind data, kernel;
        int C;
        KzvStatus st;
        int32_t spec, buf;
    };
    const Case cases[] = {
        {{5, 5}, {1920, 1080}, kzvDataKind8u, kzvDataKind16s, 1, kzvStatusOk, 2687, 20415},
        {{7, 7}, {100, 50}, kzvDataKind32f, kzvDataKind32f, 1, kzvStatusOk, 4927, 5663},
        {{3, 3}, {20, 10}, kzvDataKind64f, kzvDataKind64f, 1, kzvStatusOk, 319, 702},
        {{2, 2}, {10, 10}, kzvDataKind8u, kzvDataKind16s, 1, kzvStatusOk, 575, 479},
        // A 16s kernel that becomes a float kernel is sized as one.
        {{2, 1}, {3, 1}, kzvDataKind16s, kzvDataKind16s, 1, kzvStatusOk, 64 + 192 + 191, -1},
        {{0, 3}, {10, 10}, kzvDataKind8u, kzvDataKind16s, 1, kzvStatusSizeErr, 0, 0},
        {{3, 3}, {10, 0}, kzvDataKind8u, kzvDataKind16s, 1, kzvStatusSizeErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind8u, kzvDataKind64f, 1, kzvStatusDataTypeErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind64f, kzvDataKind64f, 3, kzvStatusChannelErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind64f, kzvDataKind32f, 1, kzvStatusDataTypeErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind8u, kzvDataKind8u, 1, kzvStatusDataTypeErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind16u, kzvDataKind32f, 5, kzvStatusChannelErr, 0, 0},
        {{3, 3}, {10, 10}, kzvDataKind16u, kzvDataKind32f, 0, kzvStatusChannelErr, 0, 0},
        // Overflow of the buffer alone, then of both.
        {{2, 200000}, {1000, 10}, kzvDataKind32f, kzvDataKind32f, 4, kzvStatusSizeOverflowErr, -1, 0},
        {{20000, 20000}, {20000, 20000}, kzvDataKind32f, kzvDataKind32f, 4, kzvStatusSizeOverflowErr, -1, 0},
    };
    for (const Case& c : cases) {
        int32_t spec = -7, buf = -7;
        EXPECT_EQ(kzviFilterBorderGetSize(c.k, c.roi, c.data, c.kernel, c.C, &spec, &buf), c.st)
            << c.k.width << "x" << c.k.height << " roi " << c.roi.width << "x" << c.roi.height;
        if (c.st == kzvStatusOk) {
            EXPECT_EQ(spec, c.spec);
            if (c.buf >= 0) {
                EXPECT_EQ(buf, c.buf);
            }
        } else if (c.st == kzvStatusSizeOverflowErr) {
            EXPECT_EQ(buf, 0);
        } else {
            EXPECT_EQ(spec, -7);
            EXPECT_EQ(buf, -7);
        }
    }
    int32_t s = 0;
    EXPECT_EQ(kzviFilterBorderGetSize({3, 3}, {8, 8}, kzvDataKind8u, kzvDataKind16s, 1, nullptr, &s),
              kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFilterBorderGetSize({3, 3}, {8, 8}, kzvDataKind8u, kzvDataKind16s, 1, &s, nullptr),
              kzvStatusNullPtrErr);

    // The old-form query: 32 * kernel height for a column kernel of at least
    // 3 rows over at least 16 columns, else 0.
    struct Old {
        KzvImageSize k;
        int w;
        KzvStatus st;
        int32_t size;
    };
    const Old old[] = {{{1, 3}, 16, kzvStatusOk, 96},  {{1, 3}, 15, kzvStatusOk, 0}, {{2, 3}, 16, kzvStatusOk, 0},
                       {{1, 2}, 16, kzvStatusOk, 0},   {{0, 3}, 16, kzvStatusSizeErr, -7},
                       {{1, 3}, 0, kzvStatusSizeErr, -7}};
    for (const Old& o : old) {
        int32_t v = -7;
        EXPECT_EQ(kzviFilterGetBufSize_64f_C1R(o.k, o.w, &v), o.st);
        EXPECT_EQ(v, o.size);
    }
    EXPECT_EQ(kzviFilterGetBufSize_64f_C1R({1, 3}, 16, nullptr), kzvStatusNullPtrErr);
}

TEST(FilterBorder, InitAndSetModeChecks) {
    const int16_t k16[9] = {1, 2, 1, 2, 4, 2, 1, 2, 1};
    const float k32[9] = {};
    const double k64[9] = {};
    std::vector<uint8_t> spec(4096, 0xA5);
    auto* sp = reinterpret_cast<KzviFilterBorderSpec*>(spec.data());
    const std::vector<uint8_t> before = spec;
    struct Case {
        const char* what;
        std::function<KzvStatus()> call;
        KzvStatus st;
    };
    const Case cases[] = {
        {"16s null kernel", [&] { return kzviFilterBorderInit_16s(nullptr, {3, 3}, 1, kzvDataKind8u, 1, 1, sp); },
         kzvStatusNullPtrErr},
        {"16s null spec", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 1, kzvDataKind8u, 1, 1, nullptr); },
         kzvStatusNullPtrErr},
        {"16s size", [&] { return kzviFilterBorderInit_16s(k16, {3, 0}, 1, kzvDataKind8u, 1, 1, sp); },
         kzvStatusSizeErr},
        {"16s 32f data", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 1, kzvDataKind32f, 1, 1, sp); },
         kzvStatusDataTypeErr},
        {"16s channels", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 1, kzvDataKind8u, 5, 1, sp); },
         kzvStatusChannelErr},
        {"16s mode", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 1, kzvDataKind8u, 1, 3, sp); },
         kzvStatusRoundModeErr},
        {"16s mode 19", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 1, kzvDataKind8u, 1, 19, sp); },
         kzvStatusRoundModeErr},
        {"16s divisor", [&] { return kzviFilterBorderInit_16s(k16, {3, 3}, 0, kzvDataKind8u, 1, 1, sp); },
         kzvStatusDivisorErr},
        {"32f null", [&] { return kzviFilterBorderInit_32f(nullptr, {3, 3}, kzvDataKind8u, 1, 1, sp); },
         kzvStatusNullPtrErr},
        {"32f 64f data", [&] { return kzviFilterBorderInit_32f(k32, {3, 3}, kzvDataKind64f, 1, 1, sp); },
         kzvStatusDataTypeErr},
        {"32f channels", [&] { return kzviFilterBorderInit_32f(k32, {3, 3}, kzvDataKind32f, 0, 1, sp); },
         kzvStatusChannelErr},
        {"32f mode", [&] { return kzviFilterBorderInit_32f(k32, {3, 3}, kzvDataKind32f, 1, -1, sp); },
         kzvStatusRoundModeErr},
        {"64f data", [&] { return kzviFilterBorderInit_64f(k64, {3, 3}, kzvDataKind32f, 1, 1, sp); },
         kzvStatusDataTypeErr},
        {"64f channels", [&] { return kzviFilterBorderInit_64f(k64, {3, 3}, kzvDataKind64f, 3, 1, sp); },
         kzvStatusChannelErr},
        {"64f mode 0", [&] { return kzviFilterBorderInit_64f(k64, {3, 3}, kzvDataKind64f, 1, 0, sp); },
         kzvStatusRoundModeErr},
        {"64f mode 2", [&] { return kzviFilterBorderInit_64f(k64, {3, 3}, kzvDataKind64f, 1, 2, sp); },
         kzvStatusRoundModeErr},
        {"SetMode null", [&] { return kzviFilterBorderSetMode(kzvAlgHintNone, 0, nullptr); }, kzvStatusNullPtrErr},
        {"SetMode on garbage", [&] { return kzviFilterBorderSetMode(kzvAlgHintNone, 0, sp); },
         kzvStatusContextMatchErr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.call(), c.st) << c.what;
        EXPECT_EQ(spec, before) << c.what;
    }
    EXPECT_EQ(kzviFilterBorderInit_64f(k64, {3, 3}, kzvDataKind64f, 1, 17, sp), kzvStatusOk);
    EXPECT_EQ(kzviFilterBorderSetMode(kzvAlgHintNone, 0, sp), kzvStatusOk);
    EXPECT_EQ(kzviFilterBorderSetMode(kzvAlgHintNone, 1, sp), kzvStatusNotSupportedModeErr);
}

TEST(FilterBorder, ApplyChecks) {
    const int W = 6, H = 4;
    Prepared p8 = prepare16s({1, 2, 1, 2, 4, 2, 1, 2, 1}, {3, 3}, 16, kzvDataKind8u, 3, 1, {W, H});
    ASSERT_EQ(p8.init, kzvStatusOk);
    GuardedImage src(W, H, 3), dst(W, H, 3);
    kzvt::Rng rng(5);
    src.fillRandomBytes(rng);
    dst.fillRandomBytes(rng);
    const uint8_t val[3] = {1, 2, 3};
    std::vector<uint8_t> zeros(4096, 0);
    auto* zspec = reinterpret_cast<const KzviFilterBorderSpec*>(zeros.data());
    // A 32f spec handed to an 8u function.
    int32_t fbuf = 0;
    Block fspec(specSizeOf({3, 3}, {W, H}, kzvDataKind32f, kzvDataKind32f, 3, &fbuf));
    const float fk[9] = {};
    ASSERT_EQ(kzviFilterBorderInit_32f(fk, {3, 3}, kzvDataKind32f, 3, 1,
                                       reinterpret_cast<KzviFilterBorderSpec*>(fspec.data())),
              kzvStatusOk);
    // The same 8u spec for four channels.
    Prepared p8c4 = prepare16s({1}, {1, 1}, 1, kzvDataKind8u, 4, 1, {W, H});
    struct Case {
        const char* what;
        const uint8_t* s;
        int ss;
        uint8_t* d;
        int ds;
        KzvImageSize roi;
        KzvBorderKind b;
        const uint8_t* v;
        const KzviFilterBorderSpec* spec;
        uint8_t* buf;
        KzvStatus st;
    };
    const uint8_t* S = src.data();
    uint8_t* D = dst.data();
    const int ss = src.step(), ds = dst.step();
    const Case cases[] = {
        {"null src", nullptr, ss, D, ds, {W, H}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusNullPtrErr},
        {"null dst", S, ss, nullptr, ds, {W, H}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusNullPtrErr},
        {"null spec", S, ss, D, ds, {W, H}, 1, val, nullptr, p8.buf.data(), kzvStatusNullPtrErr},
        {"null buffer", S, ss, D, ds, {W, H}, 1, val, p8.ptr(), nullptr, kzvStatusNullPtrErr},
        {"constant without value", S, ss, D, ds, {W, H}, 6, nullptr, p8.ptr(), p8.buf.data(), kzvStatusNullPtrErr},
        {"constant, null value before size", S, ss, D, ds, {0, H}, 0x46, nullptr, p8.ptr(), p8.buf.data(),
         kzvStatusNullPtrErr},
        {"width 0", S, ss, D, ds, {0, H}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusSizeErr},
        {"height 0", S, ss, D, ds, {W, 0}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusSizeErr},
        {"src step 0", S, 0, D, ds, {W, H}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusStepErr},
        {"dst step below width", S, ss, D, W - 1, {W, H}, 1, val, p8.ptr(), p8.buf.data(), kzvStatusStepErr},
        {"border 256", S, ss, D, ds, {W, H}, 256, val, p8.ptr(), p8.buf.data(), kzvStatusBorderErr},
        {"border 0x10", S, ss, D, ds, {W, H}, 0x10, val, p8.ptr(), p8.buf.data(), kzvStatusBorderErr},
        {"border 2", S, ss, D, ds, {W, H}, 2, val, p8.ptr(), p8.buf.data(), kzvStatusBorderErr},
        {"border 4", S, ss, D, ds, {W, H}, 4, val, p8.ptr(), p8.buf.data(), kzvStatusBorderErr},
        {"uninitialised spec", S, ss, D, ds, {W, H}, 1, val, zspec, p8.buf.data(), kzvStatusContextMatchErr},
        {"32f spec", S, ss, D, ds, {W, H}, 1, val, reinterpret_cast<const KzviFilterBorderSpec*>(fspec.data()),
         p8.buf.data(), kzvStatusContextMatchErr},
        {"4-channel spec", S, ss, D, ds, {W, H}, 1, val, p8c4.ptr(), p8.buf.data(), kzvStatusContextMatchErr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kzviFilterBorder_8u_C3R(c.s, c.ss, c.d, c.ds, c.roi, c.b, c.v, c.spec, c.buf), c.st) << c.what;
        EXPECT_TRUE(dst.unchanged()) << c.what;
    }
    // Accepted: all flags with kind 1, 240 alone (on a source with a real
    // one-pixel frame), replicate with no value.
    GuardedImage framed(W + 2, H + 2, 3);
    framed.fillRandomBytes(rng);
    const uint8_t* inner = framed.row(1) + 3;
    for (KzvBorderKind b : {0xF1u, 0xF0u, 1u})
        EXPECT_EQ(kzviFilterBorder_8u_C3R(inner, framed.step(), D, ds, {W, H}, b, nullptr, p8.ptr(), p8.buf.data()),
                  kzvStatusOk);
}

// The buffer reported for an ROI serves every smaller ROI, including those
// for which the kernel covers the whole ROI.
TEST(FilterBorder, SmallerRoisFitTheReportedBuffer) {
    struct Case {
        KzvImageSize k, sized;
        int C;
        std::vector<KzvImageSize> rois;
    };
    const Case cases[] = {
        {{5, 5}, {100, 100}, 3, {{4, 100}, {100, 4}, {1, 1}, {5, 5}, {99, 99}}},
        {{9, 1}, {200, 2}, 4, {{200, 1}, {3, 1}, {9, 2}, {200, 2}}},
        {{1, 9}, {2, 200}, 4, {{1, 200}, {2, 3}, {2, 9}}},
        {{8, 2}, {64, 3}, 1, {{64, 1}, {8, 3}, {7, 2}}},
    };
    kzvt::Rng rng(11);
    for (const Case& c : cases) {
        int32_t specBytes = 0, bufBytes = 0;
        ASSERT_EQ(kzviFilterBorderGetSize(c.k, c.sized, kzvDataKind32f, kzvDataKind32f, c.C, &specBytes, &bufBytes),
                  kzvStatusOk);
        Block spec(specBytes), buf(bufBytes);
        std::vector<float> k(size_t(c.k.width) * c.k.height);
        for (auto& v : k) v = float(rng.real(-1, 1));
        auto* sp = reinterpret_cast<KzviFilterBorderSpec*>(spec.data());
        ASSERT_EQ(kzviFilterBorderInit_32f(k.data(), c.k, kzvDataKind32f, c.C, 1, sp), kzvStatusOk);
        for (KzvImageSize roi : c.rois) {
            for (KzvBorderKind b : {1u, 3u, 6u}) {
                GuardedImage src(roi.width, roi.height, c.C * 4), dst(roi.width, roi.height, c.C * 4);
                src.fillSamples<float>([&](int, int) { return float(rng.real(-10, 10)); });
                const float val[4] = {1, 2, 3, 4};
                auto fn = c.C == 1 ? kzviFilterBorder_32f_C1R
                                   : (c.C == 3 ? kzviFilterBorder_32f_C3R : kzviFilterBorder_32f_C4R);
                ASSERT_EQ(fn(src.ptr<float>(), src.step(), dst.ptr<float>(), dst.step(), roi, b, val, sp, buf.data()),
                          kzvStatusOk);
                // The same call with the size reported for this ROI itself.
                int32_t s2 = 0, b2 = 0;
                ASSERT_EQ(kzviFilterBorderGetSize(c.k, roi, kzvDataKind32f, kzvDataKind32f, c.C, &s2, &b2),
                          kzvStatusOk);
                std::vector<uint8_t> big(size_t(b2) + 4096);
                GuardedImage again(roi.width, roi.height, c.C * 4);
                ASSERT_EQ(fn(src.ptr<float>(), src.step(), again.ptr<float>(), again.step(), roi, b, val, sp,
                             big.data()),
                          kzvStatusOk);
                EXPECT_EQ(dst.packed(), again.packed()) << roi.width << "x" << roi.height << " border " << b;
                EXPECT_TRUE(dst.checkWrites());
            }
        }
    }
}

// The old form: a true convolution around an explicit anchor, no border.
TEST(Filter64f, ConvolutionAroundAnchor) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int iter = 0; iter < 40; ++iter) {
            const int W = rng.chance(0.3) ? rng.uniform(16, 60) : rng.uniform(1, 20), H = rng.uniform(1, 6);
            const int kw = rng.uniform(1, 7), kh = rng.uniform(1, 7);
            const int ax = rng.uniform(0, kw - 1), ay = rng.uniform(0, kh - 1);
            std::vector<double> k(size_t(kw) * kh);
            for (auto& v : k) v = rng.real(-1, 1);
            // The source holds every pixel a window touches: columns
            // x + ax - (kw - 1) .. x + ax, rows likewise.
            GuardedImage big(kzvt::randomLayout(rng, W + kw - 1, H + kh - 1, 8, 8, false));
            big.fillSamples<double>([&](int, int) { return rng.real(-100, 100); });
            const double* src = big.rowAs<double>(kh - 1 - ay) + (kw - 1 - ax);
            GuardedImage dst(kzvt::randomLayout(rng, W, H, 8, 8, false));
            dst.fillRandomBytes(rng);
            int32_t bufSize = 0;
            ASSERT_EQ(kzviFilterGetBufSize_64f_C1R({kw, kh}, W, &bufSize), kzvStatusOk);
            Block buf(bufSize);
            ASSERT_EQ(kzviFilter_64f_C1R(src, big.step(), dst.ptr<double>(), dst.step(), {W, H}, k.data(), {kw, kh},
                                         {ax, ay}, bufSize ? buf.data() : nullptr),
                      kzvStatusOk);
            ASSERT_TRUE(dst.checkWrites());
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    double want = 0, mag = 0;
                    for (int i = 0; i < kh; ++i)
                        for (int j = 0; j < kw; ++j) {
                            const double s = big.rowAs<double>(kh - 1 - ay + y + ay - i)[kw - 1 - ax + x + ax - j];
                            want += k[size_t(i) * kw + j] * s;
                            mag += std::fabs(k[size_t(i) * kw + j] * s);
                        }
                    const double got = dst.rowAs<double>(y)[x];
                    ASSERT_NEAR(got, want, (kw * kh + 2) * 1.2e-16 * mag + 1e-300)
                        << W << "x" << H << " kernel " << kw << "x" << kh << " anchor " << ax << "," << ay;
                }
        }
    });
    // Checks: pointers, sizes, steps.
    double s[64] = {}, d[64] = {}, k[4] = {};
    EXPECT_EQ(kzviFilter_64f_C1R(nullptr, 64, d, 64, {4, 4}, k, {2, 2}, {0, 0}, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 64, nullptr, 64, {4, 4}, k, {2, 2}, {0, 0}, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 64, d, 64, {4, 4}, nullptr, {2, 2}, {0, 0}, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 64, d, 64, {0, 4}, k, {2, 2}, {0, 0}, nullptr), kzvStatusSizeErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 64, d, 64, {4, 4}, k, {2, 0}, {0, 0}, nullptr), kzvStatusSizeErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 39, d, 64, {4, 4}, k, {2, 2}, {0, 0}, nullptr), kzvStatusStepErr);
    EXPECT_EQ(kzviFilter_64f_C1R(s, 40, d, 31, {4, 4}, k, {2, 2}, {0, 0}, nullptr), kzvStatusStepErr);
    for (double v : d) EXPECT_EQ(v, 0.0);
}
