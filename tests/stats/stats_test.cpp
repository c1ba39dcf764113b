// Sums, means, norms and dot products against scalar references: exact
// 64-bit integers for 8u/16u/16s (results compared bit for bit) and long
// double for 32f/32s/32u with the bound the accumulation allows.
#include <math.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

enum class Fn { Sum, Mean, Norm, Diff, Rel, Dot };
enum class Nk { None, Inf, L1, L2 };
enum class Ty { U8, U16, S16, U32, S32, F32 };

template <class T>
constexpr Ty tyOf() {
    if constexpr (std::is_same_v<T, Kzv8u>) return Ty::U8;
    else if constexpr (std::is_same_v<T, Kzv16u>) return Ty::U16;
    else if constexpr (std::is_same_v<T, Kzv16s>) return Ty::S16;
    else if constexpr (std::is_same_v<T, Kzv32u>) return Ty::U32;
    else if constexpr (std::is_same_v<T, Kzv32s>) return Ty::S32;
    else return Ty::F32;
}

using Call = std::function<KzvStatus(const void*, int, const void*, int, KzvImageSize, double*, int)>;

struct Entry {
    const char* name;
    Fn fn;
    Nk nk;
    Ty ty;
    int sampleBytes;
    int layout;  // 1, 3, 4, or 9 for AC4
    bool hint;
    Call call;
};

int channelsOf(int layout) { return layout == 9 ? 4 : layout; }
int resultsOf(int layout) { return layout == 9 ? 3 : layout; }

#define KZVT_ONE(FN, NK, name, T, L, HINT, ...)                                                                  \
    Entry{#name, FN, NK, tyOf<T>(), int(sizeof(T)), L, HINT,                                                     \
          [](const void* a, int as, const void*, int, KzvImageSize r, double* out, int hint) {                   \
              (void)hint;                                                                                        \
              return name(static_cast<const T*>(a), as, r, out __VA_ARGS__);                                     \
          }},
#define KZVT_TWO(FN, NK, name, T, L, HINT, ...)                                                                  \
    Entry{#name, FN, NK, tyOf<T>(), int(sizeof(T)), L, HINT,                                                     \
          [](const void* a, int as, const void* b, int bs, KzvImageSize r, double* out, int hint) {              \
              (void)hint;                                                                                        \
              return name(static_cast<const T*>(a), as, static_cast<const T*>(b), bs, r, out __VA_ARGS__);       \
          }},
#define KZV_SUM(n, T, L) KZVT_ONE(Fn::Sum, Nk::None, n, T, L, false)
#define KZV_SUM_HINT(n, T, L) KZVT_ONE(Fn::Sum, Nk::None, n, T, L, true, , KzvAlgHint(hint))
#define KZV_MEAN(n, T, L) KZVT_ONE(Fn::Mean, Nk::None, n, T, L, false)
#define KZV_MEAN_HINT(n, T, L) KZVT_ONE(Fn::Mean, Nk::None, n, T, L, true, , KzvAlgHint(hint))
#define KZV_NORM(n, K, T, L) KZVT_ONE(Fn::Norm, Nk::K, n, T, L, false)
#define KZV_NORM_HINT(n, K, T, L) KZVT_ONE(Fn::Norm, Nk::K, n, T, L, true, , KzvAlgHint(hint))
#define KZV_NORMDIFF(n, K, T, L) KZVT_TWO(Fn::Diff, Nk::K, n, T, L, false)
#define KZV_NORMDIFF_HINT(n, K, T, L) KZVT_TWO(Fn::Diff, Nk::K, n, T, L, true, , KzvAlgHint(hint))
#define KZV_NORMREL(n, K, T, L) KZVT_TWO(Fn::Rel, Nk::K, n, T, L, false)
#define KZV_NORMREL_HINT(n, K, T, L) KZVT_TWO(Fn::Rel, Nk::K, n, T, L, true, , KzvAlgHint(hint))
#define KZV_DOTPROD(n, T, L) KZVT_TWO(Fn::Dot, Nk::None, n, T, L, false)
#define KZV_DOTPROD_HINT(n, T, L) KZVT_TWO(Fn::Dot, Nk::None, n, T, L, true, , KzvAlgHint(hint))

const std::vector<Entry>& entries() {
    static const std::vector<Entry> e = {
#include "stats/stats_exports.inc"
    };
    return e;
}

bool isFloat(Ty t) { return t == Ty::F32; }

// Reads sample i of row y of an image of the entry's type as long double.
long double sampleAt(const GuardedImage& img, Ty ty, int i, int y) {
    const uint8_t* p = img.row(y);
    switch (ty) {
    case Ty::U8: return p[i];
    case Ty::U16: { Kzv16u v; memcpy(&v, p + 2 * i, 2); return v; }
    case Ty::S16: { Kzv16s v; memcpy(&v, p + 2 * i, 2); return v; }
    case Ty::U32: { Kzv32u v; memcpy(&v, p + 4 * i, 4); return v; }
    case Ty::S32: { Kzv32s v; memcpy(&v, p + 4 * i, 4); return v; }
    default: { float v; memcpy(&v, p + 4 * i, 4); return v; }
    }
}

// The reference result of one channel and the tolerance it is held to.
struct Want {
    double value;
    double tol;
};

// Whether a 32f call accumulates in single precision, from the documented
// selection rule.
bool floatLanes(const Entry& e, int width, int hint) {
    if (!isFloat(e.ty) || e.fn == Fn::Dot || e.nk == Nk::Inf) return false;
    if (e.fn == Fn::Sum || e.fn == Fn::Mean) {
        if (e.layout == 1) return !(width <= 16 || hint == 2);
        if (e.layout == 3) return !(width <= 13 || hint == 2);
        return hint == 1;
    }
    return hint != 2;
}

// Reference of Sum / Norm / NormDiff / Dot for channel c (exact for integer
// sources): total of the terms, their absolute sum (for the bound) and count.
struct Total {
    int64_t exact = 0;
    long double sum = 0, absSum = 0, maxAbs = 0;
    bool nan = false;
    long n = 0;
};

Total total(const Entry& e, Nk nk, bool pair, const GuardedImage& a, const GuardedImage* b, int c) {
    Total t;
    const int ch = channelsOf(e.layout);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const long double va = sampleAt(a, e.ty, x * ch + c, y);
            const long double vb = b ? sampleAt(*b, e.ty, x * ch + c, y) : 0;
            long double term;
            if (e.fn == Fn::Dot) {
                term = va * vb;
            } else {
                // Float differences are formed in float, as the kernels do on
                // single-precision paths; the double paths form them exactly,
                // within the stated bound.
                const long double v = pair ? va - vb : va;
                switch (nk) {
                case Nk::None: term = v; break;
                case Nk::Inf:
                case Nk::L1: term = fabsl(v); break;
                default: term = v * v; break;
                }
            }
            if (term != term) t.nan = true;
            if (!isFloat(e.ty) && e.ty != Ty::U32 && e.ty != Ty::S32) t.exact += int64_t(term);
            t.sum += term;
            t.absSum += fabsl(term);
            t.maxAbs = std::max(t.maxAbs, fabsl(term));
            ++t.n;
        }
    return t;
}

// Expected norm (or sum) value and tolerance of one channel.
Want expectReduce(const Entry& e, Nk nk, bool pair, const GuardedImage& a, const GuardedImage* b, int c, int hint) {
    const Total t = total(e, nk, pair, a, b, c);
    const bool exactInt = !isFloat(e.ty) && e.ty != Ty::U32 && e.ty != Ty::S32;
    if (nk == Nk::Inf) {
        if (isFloat(e.ty) && pair) {
            // |a - b| formed in float.
            float mx = 0;
            bool nan = false;
            const int ch = channelsOf(e.layout);
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const float d = float(sampleAt(a, e.ty, x * ch + c, y)) - float(sampleAt(*b, e.ty, x * ch + c, y));
                    if (d != d) nan = true;
                    mx = std::max(mx, std::fabs(d));
                }
            return {nan ? NAN : double(mx), 0};
        }
        return {t.nan ? NAN : double(t.maxAbs), 0};
    }
    double value, tol;
    if (exactInt) {
        value = double(t.exact);
        tol = 0;
    } else {
        value = double(t.sum);
        const bool fl = floatLanes(e, a.width(), hint);
        // Single-precision lanes: each of 8 or more lanes per channel adds
        // n/8 terms in float; double lanes the same in double. Pairwise
        // differences of the float paths are rounded once more.
        const double eps = fl ? 0x1p-24 : 0x1p-53;
        tol = double((t.n / 8 + 40) * eps * t.absSum);
        if (fl && pair) tol += double(0x1p-23 * t.absSum);
        // Squares of tiny values underflow in float.
        if (fl) tol += double(t.n) * 0x1p-148;
    }
    if (nk == Nk::L2) {
        const double r = sqrt(value);
        return {r, r > 0 ? tol / (2 * r) + r * 0x1p-52 : sqrt(tol)};
    }
    return {value, tol};
}

::testing::AssertionResult near(double got, const Want& w) {
    if (std::isnan(w.value) || std::isnan(got)) {
        if (std::isnan(w.value) && std::isnan(got)) return ::testing::AssertionSuccess();
    } else if (std::isinf(w.value) || std::isinf(got)) {
        if (got == w.value) return ::testing::AssertionSuccess();
    } else if (w.tol == 0 ? got == w.value : std::fabs(got - w.value) <= w.tol) {
        return ::testing::AssertionSuccess();
    }
    char buf[160];
    snprintf(buf, sizeof buf, "got %.17g, want %.17g (tolerance %.3g)", got, w.value, w.tol);
    return ::testing::AssertionFailure() << buf;
}

// Fills an image with samples of the entry's type: random over the whole
// range for integers, one case in four with extreme patterns; 32f finite
// values in [-1000, 1000] with zeros, signed zeros and subnormals mixed in.
void fill(GuardedImage& img, const Entry& e, Rng& rng, bool adversarial) {
    const size_t n = size_t(img.rowBytes() / e.sampleBytes) * img.height();
    std::vector<uint8_t> bytes(n * e.sampleBytes);
    switch (e.ty) {
    case Ty::U8: { auto v = kzvt::randomSamples<Kzv8u>(rng, n, adversarial); memcpy(bytes.data(), v.data(), bytes.size()); break; }
    case Ty::U16: { auto v = kzvt::randomSamples<Kzv16u>(rng, n, adversarial); memcpy(bytes.data(), v.data(), bytes.size()); break; }
    case Ty::S16: { auto v = kzvt::randomSamples<Kzv16s>(rng, n, adversarial); memcpy(bytes.data(), v.data(), bytes.size()); break; }
    case Ty::U32: { auto v = kzvt::randomSamples<Kzv32u>(rng, n, adversarial); memcpy(bytes.data(), v.data(), bytes.size()); break; }
    case Ty::S32: { auto v = kzvt::randomSamples<Kzv32s>(rng, n, adversarial); memcpy(bytes.data(), v.data(), bytes.size()); break; }
    default: {
        std::vector<float> v(n);
        for (auto& x : v) {
            const int k = adversarial ? rng.uniform(0, 5) : 0;
            x = k == 1 ? 0.0f : k == 2 ? -0.0f : k == 3 ? 1e-40f : float(rng.real(-1000, 1000));
        }
        memcpy(bytes.data(), v.data(), bytes.size());
    }
    }
    img.load(bytes.data());
    img.snapshot();
}

GuardedImage randomImage(Rng& rng, const Entry& e, int w, int h, bool allowNegative) {
    return GuardedImage(kzvt::randomLayout(rng, w, h, channelsOf(e.layout) * e.sampleBytes, e.sampleBytes,
                                           allowNegative));
}

}  // namespace

// Every export over random sizes, steps and misaligned, guarded images: the
// result of each channel against the reference, the sources unchanged, and
// no channel written past the layout's result count.
TEST(Stats, EveryExportMatchesTheReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const Entry& e : entries()) {
            SCOPED_TRACE(e.name);
            const bool pair = e.fn == Fn::Diff || e.fn == Fn::Rel || e.fn == Fn::Dot;
            // Steps of Sum, Mean and DotProd may be negative.
            const bool negOk = e.fn == Fn::Sum || e.fn == Fn::Mean || e.fn == Fn::Dot;
            for (const auto& sc : kzvt::sweepCases(rng, 32)) {
                GuardedImage a = randomImage(rng, e, sc.width, sc.height, negOk);
                GuardedImage b = randomImage(rng, e, sc.width, sc.height, negOk);
                fill(a, e, rng, sc.adversarial);
                fill(b, e, rng, sc.adversarial && rng.chance(0.5));
                if (e.fn == Fn::Rel && rng.chance(0.1)) {  // difference of zero in some cases
                    b.load(a.packed().data());
                    b.snapshot();
                }
                const int hint = e.hint ? rng.pick({0, 1, 2, 7}) : 0;
                double out[5];
                for (double& v : out) v = -12345.0;
                const KzvStatus st = e.call(a.data(), a.step(), b.data(), b.step(), {sc.width, sc.height}, out, hint);
                ASSERT_TRUE(a.unchanged());
                ASSERT_TRUE(b.unchanged());
                const int R = resultsOf(e.layout);
                ASSERT_EQ(out[R], -12345.0) << "wrote past the results";
                KzvStatus wantSt = kzvStatusOk;
                for (int c = 0; c < R; ++c) {
                    Want w;
                    const Nk nk = e.nk == Nk::None ? Nk::None : e.nk;
                    if (e.fn == Fn::Rel) {
                        const Want d = expectReduce(e, nk, true, a, &b, c, hint);
                        const Want r = expectReduce(e, nk, false, b, nullptr, c, hint);
                        const double zero = isFloat(e.ty) ? 2.2250738585072014e-308 : 0.0;
                        const bool zr = isFloat(e.ty) ? r.value < zero : r.value == 0.0;
                        if (zr) {
                            wantSt = kzvStatusDivByZero;
                            const bool zd = isFloat(e.ty) ? d.value < zero : d.value == 0.0;
                            w = {zd ? NAN : HUGE_VAL, 0};
                            if (zd) {
                                uint64_t bits;
                                memcpy(&bits, &out[c], 8);
                                EXPECT_EQ(bits, 0xFFF8000000000000ull) << "channel " << c;
                            }
                        } else {
                            const double q = d.value / r.value;
                            w = {q, std::fabs(q) * (d.tol / std::max(d.value, 1e-300) + r.tol / r.value)};
                        }
                    } else if (e.fn == Fn::Mean) {
                        const Want s = expectReduce(e, Nk::None, false, a, nullptr, c, hint);
                        const double count = double(sc.width) * double(sc.height);
                        const double m = R == 1 ? s.value / count : s.value * (1.0 / count);
                        w = {m, s.tol / count + (s.tol > 0 ? std::fabs(m) * 0x1p-52 : 0)};
                    } else {
                        w = expectReduce(e, nk, pair, a, pair ? &b : nullptr, c, hint);
                    }
                    EXPECT_TRUE(near(out[c], w)) << "channel " << c << ", " << sc.width << "x" << sc.height
                                                 << ", steps " << a.step() << "/" << b.step() << ", hint " << hint;
                }
                EXPECT_EQ(st, wantSt);
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

// Argument checks in the documented order; a failing call writes nothing.
TEST(Stats, ArgumentChecks) {
    alignas(32) Kzv8u px[64] = {};
    alignas(32) Kzv16u px16[64] = {};
    alignas(32) Kzv32f pxf[64] = {};
    double out[4];
    const KzvImageSize ok{2, 2}, w0{0, 2}, h0{2, 0};
    struct Case {
        const char* what;
        std::function<KzvStatus()> call;
        KzvStatus want;
    };
    const Case cases[] = {
        {"Sum null src", [&] { return kzviSum_8u_C1R(nullptr, 2, ok, out); }, kzvStatusNullPtrErr},
        {"Sum null result", [&] { return kzviSum_8u_C1R(px, 2, ok, nullptr); }, kzvStatusNullPtrErr},
        {"Sum null src, empty size", [&] { return kzviSum_16u_C3R(nullptr, 2, w0, out); }, kzvStatusNullPtrErr},
        {"Sum width 0", [&] { return kzviSum_8u_C1R(px, 2, w0, out); }, kzvStatusSizeErr},
        {"Sum height 0", [&] { return kzviSum_32f_C4R(pxf, 32, h0, out, kzvAlgHintNone); }, kzvStatusSizeErr},
        {"Mean null result first", [&] { return kzviMean_8u_C1R(nullptr, 2, w0, nullptr); }, kzvStatusNullPtrErr},
        {"Mean null result, valid src", [&] { return kzviMean_8u_C1R(px, 2, w0, nullptr); }, kzvStatusNullPtrErr},
        {"Mean null src", [&] { return kzviMean_16s_C4R(nullptr, 16, ok, out); }, kzvStatusNullPtrErr},
        {"Mean height 0", [&] { return kzviMean_32f_C3R(pxf, 32, h0, out, kzvAlgHintFast); }, kzvStatusSizeErr},
        {"Norm null src", [&] { return kzviNorm_L1_8u_C1R(nullptr, 2, ok, out); }, kzvStatusNullPtrErr},
        {"Norm null value", [&] { return kzviNorm_Inf_32f_C1R(pxf, 8, ok, nullptr); }, kzvStatusNullPtrErr},
        {"Norm size before step", [&] { return kzviNorm_L2_8u_C3R(px, 0, w0, out); }, kzvStatusSizeErr},
        {"Norm step 0", [&] { return kzviNorm_L2_8u_C3R(px, 0, ok, out); }, kzvStatusStepErr},
        {"Norm negative step", [&] { return kzviNorm_Inf_16s_C4R(reinterpret_cast<const Kzv16s*>(px16), -16, ok, out); },
         kzvStatusStepErr},
        {"Norm L2 16u C3 step before size", [&] { return kzviNorm_L2_16u_C3R(px16, 0, w0, out); }, kzvStatusStepErr},
        {"Norm L2 16u C3 size", [&] { return kzviNorm_L2_16u_C3R(px16, 12, w0, out); }, kzvStatusSizeErr},
        {"NormDiff null src2", [&] { return kzviNormDiff_L1_8u_C1R(px, 2, nullptr, 2, ok, out); }, kzvStatusNullPtrErr},
        {"NormDiff size", [&] { return kzviNormDiff_Inf_16u_C1R(px16, 0, px16, 4, h0, out); }, kzvStatusSizeErr},
        {"NormDiff src1Step 0", [&] { return kzviNormDiff_L2_32f_C1R(pxf, 0, pxf, 8, ok, out, kzvAlgHintNone); },
         kzvStatusStepErr},
        {"NormDiff src2Step -4", [&] { return kzviNormDiff_L2_8u_C4R(px, 8, px, -4, ok, out); }, kzvStatusStepErr},
        {"NormRel null value", [&] { return kzviNormRel_L1_16u_C4R(px16, 16, px16, 16, ok, nullptr); },
         kzvStatusNullPtrErr},
        {"NormRel step", [&] { return kzviNormRel_Inf_8u_C3R(px, 6, px, 0, ok, out); }, kzvStatusStepErr},
        {"NormRel size", [&] { return kzviNormRel_L2_32f_C3R(pxf, 0, pxf, 0, w0, out, kzvAlgHintAccurate); },
         kzvStatusSizeErr},
        {"DotProd null", [&] { return kzviDotProd_8u64f_C1R(px, 2, px, 2, ok, nullptr); }, kzvStatusNullPtrErr},
        {"DotProd step 0", [&] { return kzviDotProd_8u64f_C1R(px, 0, px, 2, ok, out); }, kzvStatusSizeErr},
        {"DotProd src2Step 0", [&] { return kzviDotProd_32f64f_AC4R(pxf, 16, pxf, 0, ok, out, kzvAlgHintNone); },
         kzvStatusSizeErr},
        {"DotProd width 0", [&] { return kzviDotProd_16u64f_C3R(px16, 12, px16, 12, w0, out); }, kzvStatusSizeErr},
    };
    for (const Case& c : cases) {
        for (double& v : out) v = 7.0;
        EXPECT_EQ(c.call(), c.want) << c.what;
        for (double v : out) EXPECT_EQ(v, 7.0) << c.what << " wrote a result";
    }
    // Negative steps are accepted by the dot product; Sum never checks the step.
    EXPECT_EQ(kzviDotProd_8u64f_C1R(px + 32, -4, px + 32, -4, ok, out), kzvStatusOk);
    EXPECT_EQ(kzviSum_8u_C1R(px, 0, ok, out), kzvStatusOk);
    EXPECT_EQ(kzviSum_8u_C1R(px + 32, -7, ok, out), kzvStatusOk);
}

TEST(Stats, DotProdColChecksAndOrder) {
    float r0[19], r1[19], r2[19], w[3] = {0.3f, -1.7f, 2.9f};
    Rng rng(kzvt::baseSeed());
    for (int x = 0; x < 19; ++x) {
        r0[x] = float(rng.real(-10, 10));
        r1[x] = float(rng.real(-10, 10));
        r2[x] = float(rng.real(-10, 10));
    }
    const float* rows[3] = {r0, r1, r2};
    const float* withNull[3] = {r0, nullptr, r2};
    float dst[20];
    for (float& v : dst) v = 5.0f;
    EXPECT_EQ(kzviDotProdCol_32f_L2(nullptr, w, 3, dst, 19), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDotProdCol_32f_L2(rows, nullptr, 3, dst, 19), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDotProdCol_32f_L2(rows, w, 3, nullptr, 19), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDotProdCol_32f_L2(rows, w, 0, dst, 19), kzvStatusSizeErr);
    EXPECT_EQ(kzviDotProdCol_32f_L2(rows, w, 3, dst, 0), kzvStatusSizeErr);
    EXPECT_EQ(kzviDotProdCol_32f_L2(withNull, w, 3, dst, 19), kzvStatusNullPtrErr);
    for (float v : dst) ASSERT_EQ(v, 5.0f);
    // Products rounded in float and added in the order k = 0, 1, 2.
    for (int len = 1; len <= 3; ++len)
        for (int width : {1, 7, 8, 16, 19}) {
            for (float& v : dst) v = 5.0f;
            ASSERT_EQ(kzviDotProdCol_32f_L2(rows, w, len, dst, width), kzvStatusOk);
            for (int x = 0; x < width; ++x) {
                float s = rows[0][x] * w[0];
                for (int k = 1; k < len; ++k) {
                    const float p = rows[k][x] * w[k];
                    s = s + p;
                }
                ASSERT_EQ(dst[x], s) << "len " << len << " x " << x;
            }
            for (int x = width; x < 20; ++x) ASSERT_EQ(dst[x], 5.0f);
        }
    // 64f on guarded rows ending at a protected page.
    for (int width : {1, 3, 4, 9, 33}) {
        std::vector<GuardedImage> imgs;
        std::vector<const double*> ptrs;
        std::vector<double> wd;
        for (int k = 0; k < 4; ++k) {
            imgs.emplace_back(width, 1, 8, 0, -1, rng.chance(0.5) ? kzvt::Guard::After : kzvt::Guard::Before);
            imgs.back().fillSamples<double>([&](int, int) { return rng.real(-5, 5); });
            ptrs.push_back(imgs.back().ptr<double>());
            wd.push_back(rng.real(-2, 2));
        }
        GuardedImage d(width, 1, 8);
        d.fillSamples<double>([](int, int) { return 0.0; });
        ASSERT_EQ(kzviDotProdCol_64f_L2(ptrs.data(), wd.data(), 4, d.ptr<double>(), width), kzvStatusOk);
        EXPECT_TRUE(d.checkWrites());
        std::vector<double> ref(width);
        for (int x = 0; x < width; ++x) {
            double s = ptrs[0][x] * wd[0];
            for (int k = 1; k < 4; ++k) {
                const double p = ptrs[k][x] * wd[k];
                s = s + p;
            }
            ref[x] = s;
        }
        EXPECT_TRUE(kzvt::regionNear(d, ref, 0));
    }
}

// Sums that overflow 32 bits, over contiguous (merged) and padded rows.
TEST(Stats, LargeAreasStayExact) {
    for (int pad : {0, 3}) {
        SCOPED_TRACE(pad);
        const int w = 4099, h = 1100;
        std::vector<uint8_t> buf8(size_t(w + pad) * h, 255);
        double r[4];
        const uint64_t n = uint64_t(w) * h;
        ASSERT_EQ(kzviSum_8u_C1R(buf8.data(), w + pad, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], double(n * 255));
        ASSERT_EQ(kzviDotProd_8u64f_C1R(buf8.data(), w + pad, buf8.data(), w + pad, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], double(n * 65025));
        ASSERT_EQ(kzviNorm_L2_8u_C1R(buf8.data(), w + pad, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], sqrt(double(n * 65025)));

        std::vector<Kzv16u> buf16(size_t(w + pad) * h, 65535);
        const int s16 = (w + pad) * 2;
        ASSERT_EQ(kzviNorm_L2_16u_C1R(buf16.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], sqrt(double(n * 65535ull * 65535ull)));
        ASSERT_EQ(kzviSum_16u_C1R(buf16.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], double(n * 65535));

        std::vector<Kzv16s> bufs(size_t(w + pad) * h, -32768);
        ASSERT_EQ(kzviSum_16s_C1R(bufs.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], -double(n * 32768));
        ASSERT_EQ(kzviNorm_L1_16s_C1R(bufs.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], double(n * 32768));
        std::vector<Kzv16s> bufp(size_t(w + pad) * h, 32767);
        ASSERT_EQ(kzviNormDiff_L2_16s_C1R(bufp.data(), s16, bufs.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], sqrt(double(n * 65535ull * 65535ull)));
        ASSERT_EQ(kzviDotProd_16s64f_C1R(bufp.data(), s16, bufs.data(), s16, {w, h}, r), kzvStatusOk);
        EXPECT_EQ(r[0], -double(n * 32767ull * 32768ull));
        // Mixed signs cancel exactly.
        std::vector<Kzv16s> alt(size_t(w + pad) * h);
        for (size_t i = 0; i < alt.size(); ++i) alt[i] = (i & 1) ? 32767 : -32768;
        ASSERT_EQ(kzviSum_16s_C4R(alt.data(), s16, {w / 4, h}, r), kzvStatusOk);

        const int q = w / 4;
        int64_t want[4] = {};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < q * 4; ++x) want[x % 4] += alt[size_t(y) * (w + pad) + x];
        for (int c = 0; c < 4; ++c) EXPECT_EQ(r[c], double(want[c]));
    }
}

// Three-channel 8u sums gather 16-bit lane sums per byte position over
// blocks of 256 steps: rows long enough to close blocks mid-row (padded)
// or in the merged run (contiguous), with channel 0 at 255 so its lanes
// reach their largest sums, and the other channels distinct so a byte
// credited to the wrong channel shows.
TEST(Stats, ThreeChannel8uSumsOverLongRows) {
    const struct {
        int w, h, pad;
    } cases[] = {{9001, 3, 5}, {8192, 2, 0}, {1366, 40, 0}, {1366, 40, 7}, {33, 5, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " pad " + std::to_string(c.pad));
        const int step = c.w * 3 + c.pad;
        std::vector<uint8_t> a(size_t(step) * c.h), b(a.size());
        uint32_t s = 99;
        int64_t sum[3] = {}, diff[3] = {};
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w * 3; ++x) {
                s = s * 1664525u + 1013904223u;
                const int ch = x % 3;
                const size_t i = size_t(y) * step + x;
                a[i] = ch == 0 ? 255 : ch == 1 ? uint8_t(s >> 24) : uint8_t((s >> 16) & 0x3F);
                b[i] = ch == 0 ? 0 : uint8_t(s >> 8);
                sum[ch] += a[i];
                diff[ch] += a[i] > b[i] ? a[i] - b[i] : b[i] - a[i];
            }
        double r[4] = {0, 0, 0, -1};
        ASSERT_EQ(kzviSum_8u_C3R(a.data(), step, {c.w, c.h}, r), kzvStatusOk);
        for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(r[ch], double(sum[ch])) << "Sum channel " << ch;
        ASSERT_EQ(kzviNorm_L1_8u_C3R(a.data(), step, {c.w, c.h}, r), kzvStatusOk);
        for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(r[ch], double(sum[ch])) << "Norm_L1 channel " << ch;
        ASSERT_EQ(kzviNormDiff_L1_8u_C3R(a.data(), step, b.data(), step, {c.w, c.h}, r), kzvStatusOk);
        for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(r[ch], double(diff[ch])) << "NormDiff_L1 channel " << ch;
        EXPECT_EQ(r[3], -1.0);
    }
}

TEST(Stats, DocumentedEdgeCases) {
    double r[4];
    const Kzv16s m = -32768;
    ASSERT_EQ(kzviNorm_Inf_16s_C1R(&m, 2, {1, 1}, r), kzvStatusOk);
    EXPECT_EQ(r[0], 32768.0);
    const Kzv16s hi[2] = {32767, -32768}, lo[2] = {-32768, 32767};
    ASSERT_EQ(kzviNormDiff_Inf_16s_C1R(hi, 4, lo, 4, {2, 1}, r), kzvStatusOk);
    EXPECT_EQ(r[0], 65535.0);

    // Relative L1 with a zero reference: +Inf when the difference is not
    // zero, NaN (0xFFF8000000000000) when it is; status 2 in both.
    const Kzv8u zeros[6] = {}, some[6] = {0, 3, 0, 0, 0, 0};
    ASSERT_EQ(kzviNormRel_L1_8u_C1R(some, 6, zeros, 6, {6, 1}, r), kzvStatusDivByZero);
    EXPECT_EQ(r[0], HUGE_VAL);
    ASSERT_EQ(kzviNormRel_L1_8u_C1R(zeros, 6, zeros, 6, {6, 1}, r), kzvStatusDivByZero);
    uint64_t bits;
    memcpy(&bits, r, 8);
    EXPECT_EQ(bits, 0xFFF8000000000000ull);

    // 32f C3 with the reference zero in the second channel only.
    const float src1[6] = {1, 2, 3, 4, 0, 6}, src2[6] = {2, 0, 1, 2, 0, 1};
    for (int hint : {0, 2}) {
        ASSERT_EQ(kzviNormRel_L2_32f_C3R(src1, 12, src2, 12, {2, 1}, r, KzvAlgHint(hint)), kzvStatusDivByZero);
        EXPECT_DOUBLE_EQ(r[0], sqrt(1.0 + 4.0) / sqrt(4.0 + 4.0));
        EXPECT_EQ(r[1], HUGE_VAL);
        EXPECT_DOUBLE_EQ(r[2], sqrt(4.0 + 25.0) / sqrt(1.0 + 1.0));
        const float same[6] = {2, 0, 1, 2, 0, 1};
        ASSERT_EQ(kzviNormRel_L2_32f_C3R(same, 12, src2, 12, {2, 1}, r, KzvAlgHint(hint)), kzvStatusDivByZero);
        EXPECT_EQ(r[0], 0.0);
        EXPECT_TRUE(std::isnan(r[1]));
    }

    // Precision of 32f sums: 0.1f added in double is exact for these counts,
    // in float lanes it is not.
    std::vector<float> tenth(17 * 64 * 4, 0.1f);
    auto exact = [](int n) { return double(n) * double(0.1f); };
    ASSERT_EQ(kzviSum_32f_C1R(tenth.data(), 16 * 4, {16, 64}, r, kzvAlgHintNone), kzvStatusOk);
    EXPECT_EQ(r[0], exact(16 * 64));
    ASSERT_EQ(kzviSum_32f_C1R(tenth.data(), 17 * 4, {17, 64}, r, kzvAlgHintNone), kzvStatusOk);
    EXPECT_NE(r[0], exact(17 * 64));
    EXPECT_NEAR(r[0], exact(17 * 64), 1e-3);
    ASSERT_EQ(kzviSum_32f_C1R(tenth.data(), 17 * 4, {17, 64}, r, kzvAlgHintAccurate), kzvStatusOk);
    EXPECT_EQ(r[0], exact(17 * 64));
    ASSERT_EQ(kzviSum_32f_C3R(tenth.data(), 13 * 12, {13, 64}, r, kzvAlgHintFast), kzvStatusOk);
    EXPECT_EQ(r[0], exact(13 * 64));
    ASSERT_EQ(kzviSum_32f_C3R(tenth.data(), 14 * 12, {14, 64}, r, kzvAlgHintFast), kzvStatusOk);
    EXPECT_NE(r[1], exact(14 * 64));
    ASSERT_EQ(kzviSum_32f_C4R(tenth.data(), 17 * 16, {17, 16}, r, kzvAlgHintNone), kzvStatusOk);
    EXPECT_EQ(r[2], exact(17 * 16));
    ASSERT_EQ(kzviSum_32f_C4R(tenth.data(), 17 * 16, {17, 16}, r, kzvAlgHintFast), kzvStatusOk);
    EXPECT_NE(r[2], exact(17 * 16));
    ASSERT_EQ(kzviMean_32f_C4R(tenth.data(), 17 * 16, {17, 16}, r, KzvAlgHint(5)), kzvStatusOk);
    EXPECT_EQ(r[3], exact(17 * 16) * (1.0 / (17 * 16)));
    ASSERT_EQ(kzviNorm_L1_32f_C1R(tenth.data(), 17 * 4, {17, 64}, r, kzvAlgHintAccurate), kzvStatusOk);
    EXPECT_EQ(r[0], exact(17 * 64));
    ASSERT_EQ(kzviNorm_L1_32f_C1R(tenth.data(), 17 * 4, {17, 64}, r, kzvAlgHintNone), kzvStatusOk);
    EXPECT_NE(r[0], exact(17 * 64));

    // Mean of C1 divides; of C3 multiplies by the reciprocal.
    const Kzv16u v3[3] = {1, 2, 3};
    ASSERT_EQ(kzviMean_16u_C3R(v3, 6, {1, 1}, r), kzvStatusOk);
    EXPECT_EQ(r[2], 3.0);
    std::vector<Kzv8u> seven(7 * 3, 1);
    ASSERT_EQ(kzviMean_8u_C3R(seven.data(), 21, {7, 1}, r), kzvStatusOk);
    EXPECT_EQ(r[0], 7.0 * (1.0 / 7.0));
    ASSERT_EQ(kzviMean_8u_C1R(seven.data(), 7, {7, 1}, r), kzvStatusOk);
    EXPECT_EQ(r[0], 1.0);

    // Dot product with negative steps walks the rows upwards.
    const Kzv8u rowsA[2][3] = {{1, 2, 3}, {4, 5, 6}};
    ASSERT_EQ(kzviDotProd_8u64f_C1R(rowsA[1], -3, rowsA[0], 3, {3, 2}, r), kzvStatusOk);
    EXPECT_EQ(r[0], 4.0 * 1 + 5 * 2 + 6 * 3 + 1 * 4 + 2 * 5 + 3 * 6);
}

// 32f: NaN and infinity propagate through sums and norms; the infinity norm
// is NaN when a pixel is NaN.
TEST(Stats, FloatSpecialsPropagate) {
    for (int hint : {0, 2}) {
        std::vector<float> v(40 * 3, 1.0f);
        v[37 * 3 + 1] = NAN;
        v[5 * 3 + 2] = INFINITY;
        double r[3];
        ASSERT_EQ(kzviSum_32f_C3R(v.data(), 40 * 12, {40, 1}, r, KzvAlgHint(hint)), kzvStatusOk);
        EXPECT_EQ(r[0], 40.0);
        EXPECT_TRUE(std::isnan(r[1]));
        EXPECT_EQ(r[2], HUGE_VAL);
        ASSERT_EQ(kzviNorm_Inf_32f_C3R(v.data(), 40 * 12, {40, 1}, r), kzvStatusOk);
        EXPECT_EQ(r[0], 1.0);
        EXPECT_TRUE(std::isnan(r[1]));
        EXPECT_EQ(r[2], HUGE_VAL);
        ASSERT_EQ(kzviNorm_L2_32f_C3R(v.data(), 40 * 12, {40, 1}, r, KzvAlgHint(hint)), kzvStatusOk);
        EXPECT_DOUBLE_EQ(r[0], sqrt(40.0));
        EXPECT_TRUE(std::isnan(r[1]));
        EXPECT_EQ(r[2], HUGE_VAL);
        v[0] = -INFINITY;
        ASSERT_EQ(kzviNorm_L1_32f_C3R(v.data(), 40 * 12, {40, 1}, r, KzvAlgHint(hint)), kzvStatusOk);
        EXPECT_EQ(r[0], HUGE_VAL);
    }
}

// Rows at odd byte addresses: steps are used as given.
TEST(Stats, OddStepsReadUnalignedRows) {
    std::vector<uint8_t> buf(3 * 41 + 8, 0);
    const Kzv16u vals[3] = {100, 200, 300};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 19; ++x) memcpy(&buf[1 + y * 41 + x * 2], &vals[y], 2);
    double r;
    const Kzv16u* p = reinterpret_cast<const Kzv16u*>(buf.data() + 1);
    ASSERT_EQ(kzviSum_16u_C1R(p, 41, {19, 3}, &r), kzvStatusOk);
    EXPECT_EQ(r, 19.0 * 600);
    ASSERT_EQ(kzviNorm_Inf_16u_C1R(p, 41, {19, 3}, &r), kzvStatusOk);
    EXPECT_EQ(r, 300.0);
}
