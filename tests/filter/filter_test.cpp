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
        const int H = rng.uniform(1, 9);
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
