// Shared pieces of the arithmetic tests: the export table built from the
// family's export lists, a uniform way to call any entry, and plain scalar
// references written from the documented formulas (no library code).
#ifndef KZVT_ARITH_TESTLIB_H
#define KZVT_ARITH_TESTLIB_H

#include <math.h>
#include <string.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "kzvt.h"

namespace arith_t {

constexpr int kAC4 = 9;

enum Kind {
    K_B, K_BI, K_B_L, K_BI_L, K_BSFS, K_BSFSI, K_BSFS_L, K_BSFSI_L,
    K_C, K_CI, K_C_L, K_CI_L, K_CSFS, K_CSFSI, K_CSFS_L, K_CSFSI_L,
    K_DR, K_DRI, K_M64, K_M64I, K_U, K_UI, K_USFS, K_USFSI
};
enum Op { O_Add, O_Sub, O_Mul, O_AddC, O_SubC, O_MulC, O_MulScale, O_MulCScale, O_MulC64f,
          O_Div, O_DivC, O_DivRound, O_Abs, O_Sqr, O_Sqrt, O_Exp, O_Ln };
enum TypeId { T8u, T16u, T16s, T32f };

template <class T> constexpr TypeId typeOf();
template <> constexpr TypeId typeOf<Kzv8u>() { return T8u; }
template <> constexpr TypeId typeOf<Kzv16u>() { return T16u; }
template <> constexpr TypeId typeOf<Kzv16s>() { return T16s; }
template <> constexpr TypeId typeOf<Kzv32f>() { return T32f; }

using AnyFn = void (*)();

struct Entry {
    const char* name;
    Kind kind;
    TypeId type;
    int layout;
    Op op;
    AnyFn fn;
    bool inPlace() const {
        return kind == K_BI || kind == K_BI_L || kind == K_BSFSI || kind == K_BSFSI_L || kind == K_CI ||
               kind == K_CI_L || kind == K_CSFSI || kind == K_CSFSI_L || kind == K_DRI || kind == K_M64I ||
               kind == K_UI || kind == K_USFSI;
    }
    bool hasScale() const {
        return kind == K_BSFS || kind == K_BSFSI || kind == K_BSFS_L || kind == K_BSFSI_L || kind == K_CSFS ||
               kind == K_CSFSI || kind == K_CSFS_L || kind == K_CSFSI_L || kind == K_DR || kind == K_DRI ||
               kind == K_USFS || kind == K_USFSI;
    }
    bool isConst() const {
        return kind == K_C || kind == K_CI || kind == K_C_L || kind == K_CI_L || kind == K_CSFS ||
               kind == K_CSFSI || kind == K_CSFS_L || kind == K_CSFSI_L || kind == K_M64 || kind == K_M64I;
    }
    bool isUnary() const { return kind == K_U || kind == K_UI || kind == K_USFS || kind == K_USFSI; }
    bool isTwoSource() const { return !isConst() && !isUnary(); }
    int channels() const { return layout == kAC4 ? 4 : layout; }
    int values() const { return layout == 4 ? 4 : (layout == 1 ? 1 : 3); }
    // Steps used exactly as given (negative steps allowed).
    bool stepsUnchecked() const {
        return op == O_Add || op == O_Sub || op == O_Mul || op == O_AddC || op == O_SubC || op == O_MulC ||
               op == O_MulC64f;
    }
    bool checksSteps() const { return !stepsUnchecked(); }
};

#define KZVT_ENTRY(K, name, T, lay, OPN) {#name, K, typeOf<T>(), lay, O_##OPN, reinterpret_cast<AnyFn>(&name)},
#define X_B(n, T, l, o) KZVT_ENTRY(K_B, n, T, l, o)
#define X_BI(n, T, l, o) KZVT_ENTRY(K_BI, n, T, l, o)
#define X_B_L(n, T, l, o) KZVT_ENTRY(K_B_L, n, T, l, o)
#define X_BI_L(n, T, l, o) KZVT_ENTRY(K_BI_L, n, T, l, o)
#define X_BSFS(n, T, l, o) KZVT_ENTRY(K_BSFS, n, T, l, o)
#define X_BSFSI(n, T, l, o) KZVT_ENTRY(K_BSFSI, n, T, l, o)
#define X_BSFS_L(n, T, l, o) KZVT_ENTRY(K_BSFS_L, n, T, l, o)
#define X_BSFSI_L(n, T, l, o) KZVT_ENTRY(K_BSFSI_L, n, T, l, o)
#define X_C(n, T, l, o) KZVT_ENTRY(K_C, n, T, l, o)
#define X_CI(n, T, l, o) KZVT_ENTRY(K_CI, n, T, l, o)
#define X_C_L(n, T, l, o) KZVT_ENTRY(K_C_L, n, T, l, o)
#define X_CI_L(n, T, l, o) KZVT_ENTRY(K_CI_L, n, T, l, o)
#define X_CSFS(n, T, l, o) KZVT_ENTRY(K_CSFS, n, T, l, o)
#define X_CSFSI(n, T, l, o) KZVT_ENTRY(K_CSFSI, n, T, l, o)
#define X_CSFS_L(n, T, l, o) KZVT_ENTRY(K_CSFS_L, n, T, l, o)
#define X_CSFSI_L(n, T, l, o) KZVT_ENTRY(K_CSFSI_L, n, T, l, o)
#define X_DR(n, T, l, o) KZVT_ENTRY(K_DR, n, T, l, o)
#define X_DRI(n, T, l, o) KZVT_ENTRY(K_DRI, n, T, l, o)
#define X_M64(n, T, l, o) KZVT_ENTRY(K_M64, n, T, l, o)
#define X_M64I(n, T, l, o) KZVT_ENTRY(K_M64I, n, T, l, o)
#define X_U(n, T, l, o) KZVT_ENTRY(K_U, n, T, l, o)
#define X_UI(n, T, l, o) KZVT_ENTRY(K_UI, n, T, l, o)
#define X_USFS(n, T, l, o) KZVT_ENTRY(K_USFS, n, T, l, o)
#define X_USFSI(n, T, l, o) KZVT_ENTRY(K_USFSI, n, T, l, o)

inline const std::vector<Entry>& entries() {
    static const std::vector<Entry> all = {
#include "pixel/arith_exports.inc"
#include "pixel/arith_math_exports.inc"
    };
    return all;
}

inline const Entry& entry(const std::string& name) {
    for (const Entry& e : entries())
        if (name == e.name) return e;
    ADD_FAILURE() << "no entry " << name;
    return entries()[0];
}

// Arguments of one call. In-place kinds take s1 as their source (two-source
// forms) and d as srcDst.
template <class T>
struct Args {
    const T* s1 = nullptr;
    ptrdiff_t s1Step = 0;
    const T* s2 = nullptr;
    ptrdiff_t s2Step = 0;
    T* d = nullptr;
    ptrdiff_t dStep = 0;
    ptrdiff_t w = 0, h = 0;
    const T* val = nullptr;  // constant: val[0] by value for layout 1
    T val1 = T(0);
    const double* v64 = nullptr;
    int f = 0;
    int mode = 0;
    int hint = 0;
};

template <class T>
KzvStatus call(const Entry& e, const Args<T>& a) {
    using I = int32_t;
    using P = intptr_t;
    const KzvImageSize s{I(a.w), I(a.h)};
    const KzvImageSizeL sl{P(a.w), P(a.h)};
    const I s1 = I(a.s1Step), s2 = I(a.s2Step), ds = I(a.dStep);
    const P s1l = P(a.s1Step), s2l = P(a.s2Step), dsl = P(a.dStep);
    const bool one = e.layout == 1;
    const T v1 = a.val ? a.val[0] : a.val1;
#define KZVT_FN(...) reinterpret_cast<KzvStatus (*)(__VA_ARGS__)>(e.fn)
    switch (e.kind) {
    case K_B: return KZVT_FN(const T*, I, const T*, I, T*, I, KzvImageSize)(a.s1, s1, a.s2, s2, a.d, ds, s);
    case K_B_L: return KZVT_FN(const T*, P, const T*, P, T*, P, KzvImageSizeL)(a.s1, s1l, a.s2, s2l, a.d, dsl, sl);
    case K_BI: return KZVT_FN(const T*, I, T*, I, KzvImageSize)(a.s1, s1, a.d, ds, s);
    case K_BI_L: return KZVT_FN(const T*, P, T*, P, KzvImageSizeL)(a.s1, s1l, a.d, dsl, sl);
    case K_BSFS:
        return KZVT_FN(const T*, I, const T*, I, T*, I, KzvImageSize, I)(a.s1, s1, a.s2, s2, a.d, ds, s, a.f);
    case K_BSFS_L:
        return KZVT_FN(const T*, P, const T*, P, T*, P, KzvImageSizeL, I)(a.s1, s1l, a.s2, s2l, a.d, dsl, sl, a.f);
    case K_BSFSI: return KZVT_FN(const T*, I, T*, I, KzvImageSize, I)(a.s1, s1, a.d, ds, s, a.f);
    case K_BSFSI_L: return KZVT_FN(const T*, P, T*, P, KzvImageSizeL, I)(a.s1, s1l, a.d, dsl, sl, a.f);
    case K_DR:
        return KZVT_FN(const T*, I, const T*, I, T*, I, KzvImageSize, KzvRounding, I)(
            a.s1, s1, a.s2, s2, a.d, ds, s, KzvRounding(a.mode), a.f);
    case K_DRI:
        return KZVT_FN(const T*, I, T*, I, KzvImageSize, KzvRounding, I)(a.s1, s1, a.d, ds, s, KzvRounding(a.mode),
                                                                         a.f);
    case K_C:
        if (one) return KZVT_FN(const T*, I, T, T*, I, KzvImageSize)(a.s1, s1, v1, a.d, ds, s);
        return KZVT_FN(const T*, I, const T*, T*, I, KzvImageSize)(a.s1, s1, a.val, a.d, ds, s);
    case K_C_L:
        if (one) return KZVT_FN(const T*, P, T, T*, P, KzvImageSizeL)(a.s1, s1l, v1, a.d, dsl, sl);
        return KZVT_FN(const T*, P, const T*, T*, P, KzvImageSizeL)(a.s1, s1l, a.val, a.d, dsl, sl);
    case K_CI:
        if (one) return KZVT_FN(T, T*, I, KzvImageSize)(v1, a.d, ds, s);
        return KZVT_FN(const T*, T*, I, KzvImageSize)(a.val, a.d, ds, s);
    case K_CI_L:
        if (one) return KZVT_FN(T, T*, P, KzvImageSizeL)(v1, a.d, dsl, sl);
        return KZVT_FN(const T*, T*, P, KzvImageSizeL)(a.val, a.d, dsl, sl);
    case K_CSFS:
        if (one) return KZVT_FN(const T*, I, T, T*, I, KzvImageSize, I)(a.s1, s1, v1, a.d, ds, s, a.f);
        return KZVT_FN(const T*, I, const T*, T*, I, KzvImageSize, I)(a.s1, s1, a.val, a.d, ds, s, a.f);
    case K_CSFS_L:
        if (one) return KZVT_FN(const T*, P, T, T*, P, KzvImageSizeL, I)(a.s1, s1l, v1, a.d, dsl, sl, a.f);
        return KZVT_FN(const T*, P, const T*, T*, P, KzvImageSizeL, I)(a.s1, s1l, a.val, a.d, dsl, sl, a.f);
    case K_CSFSI:
        if (one) return KZVT_FN(T, T*, I, KzvImageSize, I)(v1, a.d, ds, s, a.f);
        return KZVT_FN(const T*, T*, I, KzvImageSize, I)(a.val, a.d, ds, s, a.f);
    case K_CSFSI_L:
        if (one) return KZVT_FN(T, T*, P, KzvImageSizeL, I)(v1, a.d, dsl, sl, a.f);
        return KZVT_FN(const T*, T*, P, KzvImageSizeL, I)(a.val, a.d, dsl, sl, a.f);
    case K_M64:
        return KZVT_FN(const T*, I, const double*, T*, I, KzvImageSize, KzvAlgHint, KzvRounding)(
            a.s1, s1, a.v64, a.d, ds, s, KzvAlgHint(a.hint), KzvRounding(a.mode));
    case K_M64I:
        return KZVT_FN(T*, I, const double*, KzvImageSize, KzvAlgHint, KzvRounding)(
            a.d, ds, a.v64, s, KzvAlgHint(a.hint), KzvRounding(a.mode));
    case K_U: return KZVT_FN(const T*, I, T*, I, KzvImageSize)(a.s1, s1, a.d, ds, s);
    case K_UI: return KZVT_FN(T*, I, KzvImageSize)(a.d, ds, s);
    case K_USFS: return KZVT_FN(const T*, I, T*, I, KzvImageSize, I)(a.s1, s1, a.d, ds, s, a.f);
    case K_USFSI: return KZVT_FN(T*, I, KzvImageSize, I)(a.d, ds, s, a.f);
    }
#undef KZVT_FN
    return -999;
}

// ---- References --------------------------------------------------------------

// s / 2^f rounded to nearest, halves to even, by floor quotient and
// remainder compared with the half (f up to 60).
inline int64_t roundHalfEvenPow2(int64_t s, int f) {
    if (f > 60) return 0;
    const int64_t p = int64_t(1) << f;
    int64_t r = s % p;
    if (r < 0) r += p;
    const int64_t q = (s - r) / p;
    if (2 * r > p || (2 * r == p && (q & 1))) return q + 1;
    return q;
}

template <class T>
T clampTo(long double v) {
    using L = std::numeric_limits<T>;
    if (v != v) return T(0);
    if (v <= (long double)L::min()) return L::min();
    if (v >= (long double)L::max()) return L::max();
    return T(v);
}

// The scale-factor rule on an exact result.
template <class T>
T refScale(int64_t s, int f) {
    if (f >= 0) return clampTo<T>((long double)roundHalfEvenPow2(s, f));
    return clampTo<T>((long double)s * powl(2.0L, -f));
}

inline long double roundHalfEvenL(long double x) {
    const long double fl = floorl(x);
    const long double d = x - fl;
    if (d > 0.5L) return fl + 1;
    if (d < 0.5L) return fl;
    return fmodl(fl, 2.0L) == 0 ? fl : fl + 1;
}

// 32f results toward zero.
inline float toFloatTowardZero(double x) {
    float f = float(x);
    if (std::isfinite(f) && std::fabs(double(f)) > std::fabs(x)) f = std::nextafter(f, 0.0f);
    if (std::isinf(f) && std::isfinite(x)) f = std::copysign(std::numeric_limits<float>::max(), f);
    return f;
}

// Integer quotient of the division families: single-precision quotient of
// exactly scaled operands, rounded by mode (-1: nearest even, the test's
// current mode), saturated. Zero divisors follow the documented rule.
template <class T>
T refDivInt(int64_t n, int64_t d, int f, int mode, int hi, int lo, bool& zero) {
    using L = std::numeric_limits<T>;
    if (d == 0) {
        zero = true;
        if (n == 0) return T(0);
        return n > 0 ? L::max() : L::min();
    }
    if (f > hi) return T(0);
    if (f < lo) {
        if (n == 0) return T(0);
        return ((n > 0) == (d > 0)) ? L::max() : L::min();
    }
    const float nf = float(n) * float(f < 0 ? ldexp(1.0, -f) : 1.0);
    const float df = float(d) * float(f > 0 ? ldexp(1.0, f) : 1.0);
    volatile float q = nf / df;
    const long double qq = q;
    long double r;
    switch (mode) {
    case 0: r = truncl(qq); break;
    case 2: r = roundl(qq); break;
    default: r = roundHalfEvenL(qq); break;
    }
    return clampTo<T>(r);
}

// Distance in units in the last place between two floats (0 when both are
// NaN or equal infinities).
inline int64_t ulpDistance(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) return (std::isnan(a) && std::isnan(b)) ? 0 : INT64_MAX;
    if (std::isinf(a) || std::isinf(b)) return a == b ? 0 : INT64_MAX;
    int32_t ia, ib;
    memcpy(&ia, &a, 4);
    memcpy(&ib, &b, 4);
    const int64_t oa = ia < 0 ? int64_t(INT32_MIN) - ia : ia;
    const int64_t ob = ib < 0 ? int64_t(INT32_MIN) - ib : ib;
    return oa > ob ? oa - ob : ob - oa;
}


// ---- Reference of one sample -----------------------------------------------------

struct RefFlags {
    bool zeroDiv = false, sqrtNeg = false, lnZero = false, lnNeg = false;
    KzvStatus firstLn = kzvStatusOk;  // integer Ln: first non-positive input of a row
};

template <class T>
struct DivLimits;
template <> struct DivLimits<Kzv8u> { static constexpr int hi = 8, lo = -15; };
template <> struct DivLimits<Kzv16s> { static constexpr int hi = 16, lo = -30; };
template <> struct DivLimits<Kzv16u> { static constexpr int hi = 16, lo = -32; };
template <> struct DivLimits<Kzv32f> { static constexpr int hi = 0, lo = 0; };

// a: first source (src1, the image of a constant form, or the only source);
// b: second source (src2) or the constant; v: MulC64f constant.
template <class T>
T refOne(const Entry& e, T a, T b, int f, int mode, double v, RefFlags& fl) {
    constexpr bool F = std::is_same_v<T, float>;
    const int64_t ia = F ? 0 : int64_t(a), ib = F ? 0 : int64_t(b);
    switch (e.op) {
    case O_Add:
    case O_AddC:
        if constexpr (F) return a + b; else return refScale<T>(ia + ib, f);
    case O_Sub:
        if constexpr (F) return b - a; else return refScale<T>(ib - ia, f);
    case O_SubC:
        if constexpr (F) return a - b; else return refScale<T>(ia - ib, f);
    case O_Mul:
    case O_MulC:
        if constexpr (F) return a * b; else return refScale<T>(ia * ib, f);
    case O_MulScale:
    case O_MulCScale: {
        const uint64_t m = sizeof(T) == 1 ? 255 : 65535;
        return T(uint64_t(ia) * uint64_t(ib) / m);
    }
    case O_MulC64f: {
        const double x = double(a) * v;
        if constexpr (F) {
            if (mode == 0) return toFloatTowardZero(x);
            return float(x);
        } else {
            if (x != x) return T(0);
            long double c = x;
            c = std::min<long double>(std::max<long double>(c, std::numeric_limits<T>::min()),
                                      std::numeric_limits<T>::max());
            if (mode == 0) return T(truncl(c));
            if (mode == 1) return T(roundHalfEvenL(c));
            return T(roundl(c));
        }
    }
    case O_Div:
    case O_DivRound:
        if constexpr (F) {
            if (a == 0.0f) fl.zeroDiv = true;
            return b / a;
        } else {
            return refDivInt<T>(ib, ia, f, e.op == O_Div ? -1 : mode, DivLimits<T>::hi, DivLimits<T>::lo,
                                fl.zeroDiv);
        }
    case O_DivC:
        if constexpr (F) {
            const float r = 1.0f / b;
            return a * r;
        } else {
            return refDivInt<T>(ia, ib, f, -1, DivLimits<T>::hi, DivLimits<T>::lo, fl.zeroDiv);
        }
    case O_Abs:
        if constexpr (F) return std::fabs(a); else return ia == -32768 ? T(32767) : T(ia < 0 ? -ia : ia);
    case O_Sqr:
        if constexpr (F) return a * a; else return refScale<T>(ia * ia, f);
    case O_Sqrt:
        if constexpr (F) {
            if (a < 0) fl.sqrtNeg = true;
            return std::sqrt(a);
        } else {
            if (ia < 0) {
                fl.sqrtNeg = true;
                return T(0);
            }
            return clampTo<T>(roundHalfEvenL(sqrtl((long double)ia) * powl(2.0L, -f)));
        }
    case O_Exp:
        if constexpr (F) return float(std::exp(double(a)));
        else return clampTo<T>(floorl(expl((long double)ia) * powl(2.0L, -f) + 0.5L));
    case O_Ln:
        if constexpr (F) {
            if (a == 0.0f) fl.lnZero = true;
            else if (a < 0) fl.lnNeg = true;
            return float(std::log(double(a)));
        } else {
            if (ia <= 0) {
                if (fl.firstLn == kzvStatusOk) fl.firstLn = ia == 0 ? kzvStatusLnZeroArg : kzvStatusLnNegArg;
                return std::numeric_limits<T>::min();
            }
            return clampTo<T>(floorl(logl((long double)ia) * powl(2.0L, -f) + 0.5L));
        }
    }
    return T(0);
}

// ---- Sample generators ------------------------------------------------------------

template <class T>
std::vector<T> genSamples(const Entry& e, kzvt::Rng& rng, size_t n, bool adversarial, bool divisor) {
    constexpr bool F = std::is_same_v<T, float>;
    std::vector<T> v;
    if (e.op == O_Exp && F && !adversarial) {
        v.resize(n);
        for (auto& x : v) x = float(rng.real(-110.0, 95.0));
    } else if (e.op == O_Ln && F && !adversarial) {
        v.resize(n);
        for (auto& x : v) {
            const int k = rng.uniform(0, 9);
            x = k == 0 ? float(rng.real(-5, 5)) : k == 1 ? float(rng.real(1e-44, 1e-38)) : float(std::exp(rng.real(-87, 88)));
        }
    } else if (e.op == O_Exp && !F && sizeof(T) == 2 && !adversarial) {
        v.resize(n);
        for (auto& x : v) x = rng.chance(0.8) ? T(rng.uniform(std::is_signed_v<T> ? -50 : 0, 60)) : kzvt::randomValue<T>(rng);
    } else {
        v = kzvt::randomSamples<T>(rng, n, adversarial, true);
    }
    const bool division = e.op == O_Div || e.op == O_DivRound || e.op == O_DivC || e.op == O_Ln || e.op == O_Sqrt;
    if (division || divisor)
        for (auto& x : v)
            if (rng.chance(0.08)) x = T(0);
    return v;
}

// ---- One comparison case ----------------------------------------------------------------

struct CaseOpts {
    int f = 0;
    int mode = 0;
    int hint = 0;
    bool adversarial = false;
};

inline int ulpTolerance(const Entry& e) {
    return (e.type == T32f && (e.op == O_Exp || e.op == O_Ln)) ? 2 : 0;
}

template <class T>
KzvStatus expectedStatus(const Entry& e, const RefFlags& fl) {
    switch (e.op) {
    case O_Div:
    case O_DivRound: return fl.zeroDiv ? kzvStatusDivByZero : kzvStatusOk;
    case O_Sqrt: return fl.sqrtNeg ? kzvStatusSqrtNegArg : kzvStatusOk;
    case O_Ln:
        if constexpr (std::is_same_v<T, float>)
            return fl.lnZero ? kzvStatusLnZeroArg : (fl.lnNeg ? kzvStatusLnNegArg : kzvStatusOk);
        else return fl.firstLn;
    default: return kzvStatusOk;
    }
}

// Compares a float region sample by sample within `ulps`.
inline ::testing::AssertionResult floatRegionNear(const kzvt::GuardedImage& img, const std::vector<float>& ref,
                                                  int ulps) {
    const int n = img.rowBytes() / 4;
    for (int y = 0; y < img.height(); ++y)
        for (int i = 0; i < n; ++i) {
            float got;
            memcpy(&got, img.row(y) + 4 * i, 4);
            const float want = ref[size_t(y) * n + i];
            if (ulpDistance(got, want) > ulps)
                return ::testing::AssertionFailure() << "sample " << i << " of row " << y << ": got " << got
                                                     << ", want " << want << " (region " << img.width() << "x"
                                                     << img.height() << ")";
        }
    return ::testing::AssertionSuccess();
}

template <class T>
void runCase(const Entry& e, kzvt::Rng& rng, int w, int h, const CaseOpts& o) {
    SCOPED_TRACE(std::string(e.name) + " " + std::to_string(w) + "x" + std::to_string(h) + " f=" +
                 std::to_string(o.f) + " mode=" + std::to_string(o.mode));
    const int ch = e.channels();
    const int pb = ch * int(sizeof(T));
    const int sb = int(sizeof(T));
    const bool neg = e.stepsUnchecked();
    const size_t n = size_t(w) * ch * h;
    using kzvt::GuardedImage;
    // Operands: x (src1 / source), y (src2 / srcDst content of two-source
    // forms); constants per channel.
    GuardedImage s1, s2;
    GuardedImage d(kzvt::randomLayout(rng, w, h, pb, sb, neg));
    std::vector<T> x = genSamples<T>(e, rng, n, o.adversarial, e.isTwoSource());
    std::vector<T> y = genSamples<T>(e, rng, n, o.adversarial, false);
    T vals[4] = {};
    double v64[4] = {};
    for (int c = 0; c < 4; ++c) {
        vals[c] = kzvt::randomValue<T>(rng);
        if constexpr (!std::is_same_v<T, float>)
            if (rng.chance(0.2)) vals[c] = T(rng.uniform(0, 3));
        if (e.op == O_DivC) while (vals[c] == T(0)) vals[c] = kzvt::randomValue<T>(rng);
        v64[c] = rng.chance(0.3) ? double(rng.uniform(-3, 3)) + 0.5 : rng.real(-4.0, 4.0);
    }
    std::vector<T> dInit = kzvt::randomSamples<T>(rng, n, false);
    Args<T> a;
    a.w = w;
    a.h = h;
    a.f = o.f;
    a.mode = o.mode;
    a.hint = o.hint;
    a.val = e.layout == 1 ? nullptr : vals;
    a.val1 = vals[0];
    a.v64 = v64;
    // In-place: srcDst holds the operand that the destination replaces.
    std::vector<T> srcDstInit = dInit;
    if (e.inPlace()) {
        std::vector<T>& op = e.isTwoSource() ? y : x;
        for (size_t i = 0; i < n; ++i)
            if (!(e.layout == kAC4 && i % 4 == 3)) srcDstInit[i] = op[i];
        if (e.isTwoSource()) y = srcDstInit; else x = srcDstInit;
    }
    d.load(e.inPlace() ? srcDstInit.data() : dInit.data());
    a.d = d.ptr<T>();
    a.dStep = d.step();
    if (!(e.inPlace() && !e.isTwoSource())) {
        s1 = GuardedImage(kzvt::randomLayout(rng, w, h, pb, sb, neg));
        s1.load(x.data());
        a.s1 = s1.ptr<T>();
        a.s1Step = s1.step();
    }
    if (e.isTwoSource() && !e.inPlace()) {
        s2 = GuardedImage(kzvt::randomLayout(rng, w, h, pb, sb, neg));
        s2.load(y.data());
        a.s2 = s2.ptr<T>();
        a.s2Step = s2.step();
    }
    const KzvStatus st = call(e, a);
    // Reference, in row order.
    std::vector<T> ref(n);
    RefFlags fl;
    const std::vector<T>& alphaFrom = e.inPlace() ? srcDstInit : dInit;
    for (int r = 0; r < h; ++r) {
        RefFlags rowFl;
        for (int i = 0; i < w * ch; ++i) {
            const size_t k = size_t(r) * w * ch + i;
            if (e.layout == kAC4 && i % 4 == 3) {
                ref[k] = alphaFrom[k];
                continue;
            }
            const int c = i % ch;
            const T b = e.isTwoSource() ? y[k] : vals[c];
            ref[k] = refOne<T>(e, x[k], b, o.f, o.mode, v64[c], rowFl);
        }
        fl.zeroDiv |= rowFl.zeroDiv;
        fl.sqrtNeg |= rowFl.sqrtNeg;
        fl.lnZero |= rowFl.lnZero;
        fl.lnNeg |= rowFl.lnNeg;
        if (fl.firstLn == kzvStatusOk) fl.firstLn = rowFl.firstLn;
    }
    EXPECT_EQ(st, expectedStatus<T>(e, fl));
    if constexpr (std::is_same_v<T, float>) {
        EXPECT_TRUE(floatRegionNear(d, ref, ulpTolerance(e)));
    } else {
        EXPECT_TRUE(kzvt::regionNear<T>(d, ref, 0));
    }
    EXPECT_TRUE(d.checkWrites(e.layout == kAC4 ? kzvt::skipAlpha(sb) : std::function<bool(int, int)>{}));
    if (s1.width()) {
        EXPECT_TRUE(s1.unchanged());
    }
    if (s2.width()) {
        EXPECT_TRUE(s2.unchanged());
    }
}

template <class F>
void dispatchType(const Entry& e, F&& f) {
    switch (e.type) {
    case T8u: f(Kzv8u{}); break;
    case T16u: f(Kzv16u{}); break;
    case T16s: f(Kzv16s{}); break;
    case T32f: f(Kzv32f{}); break;
    }
}

// Random sizes for one export: narrow rows around the vector width and its
// double, a few wide ones, and tall thin regions.
inline std::vector<std::pair<int, int>> pickSizes(kzvt::Rng& rng, const Entry& e, int count) {
    const int bytes = e.type == T8u ? 1 : (e.type == T32f ? 4 : 2);
    const int perIter = std::max(1, 64 / (bytes * e.channels()));
    std::vector<kzvt::SweepCase> all = kzvt::sweepCases(rng, perIter);
    std::vector<std::pair<int, int>> out;
    out.push_back({1, 1});
    out.push_back({all[all.size() - 2].width, all[all.size() - 2].height});
    out.push_back({all.back().width, all.back().height});
    while (int(out.size()) < count) {
        const auto& c = all[size_t(rng.uniform(0, int(all.size()) - 1))];
        out.push_back({c.width, c.height});
    }
    return out;
}

}  // namespace arith_t

#endif  // KZVT_ARITH_TESTLIB_H
