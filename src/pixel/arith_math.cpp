// Division and unary math: Div, Div_Round, DivC, Abs, Sqr, Sqrt, Exp, Ln.
// These frames check steps (< 1 rejected); Abs, Sqr and Sqrt then round them
// down to a multiple of the sample size. Zero divisors and arguments outside
// a function's domain are warnings reported after every row has run.
#include <math.h>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/sfs.h"
#include "kzvi.h"
#include "pixel/arith_kernels.h"
#include "pixel/arith_sfs.h"

namespace kzv::arith {
namespace {

namespace tag {
struct Div {};
struct DivC {};
struct DivRound {};
struct Abs {};
struct Sqr {};
struct Sqrt {};
struct Exp {};
struct Ln {};
}  // namespace tag

// Rounding of the integer quotients: the processor's current mode, or one
// of the three explicit modes of Div_Round.
constexpr int kRoundCurrent = -1;

// ---- Vector adapters --------------------------------------------------------

// Gives a scalar-only functor the vector overload the row loops expect, by
// running the scalar one on each lane (used by the rarely taken shortcuts
// and the integer transcendental kernels, whose cost is in the math).
// With ac4 set, the alpha lanes (every fourth; vectors start on pixel
// boundaries) are passed through untouched, so they raise no warning.
template <class T, class F>
struct LaneByLane {
    F f;
    bool ac4 = false;
    Vec<T> operator()(Vec<T> a, Vec<T> b) {
        constexpr int V = int(lanes<T>());
        T x[V], y[V], r[V];
        vst(x, 0, a);
        vst(y, 0, b);
        for (int i = 0; i < V; ++i) r[i] = (ac4 && (i & 3) == 3) ? x[i] : f(x[i], y[i]);
        return vld(r, 0);
    }
    Vec<T> operator()(Vec<T> a) {
        constexpr int V = int(lanes<T>());
        T x[V], r[V];
        vst(x, 0, a);
        for (int i = 0; i < V; ++i) r[i] = (ac4 && (i & 3) == 3) ? x[i] : f(x[i]);
        return vld(r, 0);
    }
    T operator()(T a, T b) { return f(a, b); }
    T operator()(T a) { return f(a); }
};

// ---- Integer division -----------------------------------------------------------
// The quotient n / (d * 2^f) in single precision (the power of two applied
// exactly to the divisor, or to the dividend for negative factors), clamped
// to the destination range and rounded. A zero divisor gives an infinity,
// which the clamp turns into the saturated value of the dividend's sign;
// 0 / 0 gives 0. Divisors equal to zero are collected for the warning.
//
// Only the upper bound is applied in float: quotients below the range (and
// -infinity) convert to a value below it, or to the conversion's overflow
// answer INT32_MIN, and the lower clamp of FloatGroups::join (and the
// scalar clamp) take both to the minimum. 0 / 0 (the only NaN) passes the
// bound as NaN and converts to INT32_MIN too: the minimum, 0, for unsigned
// types; DivFn zeroes it for signed ones. Mode is the rounding of the result:
// kRoundCurrent (the caller's MXCSR), or 0, 1, 2 as Div_Round has them, and
// Scaled whether f is non-zero, both fixed at compile time so the row loop
// carries neither a switch nor multiplications by one.
template <int Mode, bool Scaled>
struct Quotient {
    __m256 mulN, mulD, hi;
    int32_t loInt;
    bool zeroScalar = false;  // zero divisors met by the scalar path

    Quotient(int f, float lo_, float hi_)
        : mulN(_mm256_set1_ps(f < 0 ? pow2f(-f) : 1.0f)),
          mulD(_mm256_set1_ps(f > 0 ? pow2f(f) : 1.0f)),
          hi(_mm256_set1_ps(hi_)),
          loInt(int32_t(lo_)) {}

    [[gnu::always_inline]] __m256i operator()(__m256 n, __m256 d) const {
        if constexpr (Scaled) {
            n = _mm256_mul_ps(n, mulN);
            d = _mm256_mul_ps(d, mulD);
        }
        // min returns its second operand when one is NaN: NaN stays NaN.
        const __m256 q = _mm256_min_ps(hi, _mm256_div_ps(n, d));
        if constexpr (Mode == 0) {
            return _mm256_cvttps_epi32(q);
        } else if constexpr (Mode == 1) {
            return _mm256_cvtps_epi32(_mm256_round_ps(q, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC));
        } else if constexpr (Mode == 2) {
            const __m256 t = _mm256_round_ps(q, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
            const __m256 fr = _mm256_sub_ps(q, t);  // exact
            const __m256 absMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
            const __m256 big = _mm256_cmp_ps(_mm256_and_ps(fr, absMask), _mm256_set1_ps(0.5f), _CMP_GE_OQ);
            const __m256 unit = _mm256_or_ps(_mm256_andnot_ps(absMask, q), _mm256_set1_ps(1.0f));
            return _mm256_cvtps_epi32(_mm256_add_ps(t, _mm256_and_ps(big, unit)));
        } else {
            return _mm256_cvtps_epi32(q);  // the caller's rounding mode
        }
    }
    // One quotient through the same vector code, so tails match bit for bit.
    int32_t operator()(float n, float d) {
        if (d == 0.0f) {
            zeroScalar = true;
            if (n == 0.0f) return 0;
        }
        const int32_t r = _mm256_cvtsi256_si32((*this)(_mm256_set1_ps(n), _mm256_set1_ps(d)));
        return r < loInt ? loInt : r;
    }
};

// Lanes of a group of eight samples that count for the warnings.
template <bool AC4>
constexpr int kLaneMask = AC4 ? 0x77 : 0xFF;

// Converts a vector of samples to groups of eight floats and back. The
// groups are taken inside each 32-bit lane (the sample at byte k of every
// lane goes to group k / sizeof(T)) by shifts and masks, and the results
// are put back the same way: cross-lane widening and packing cost more
// here, in a loop whose other vector work competes with the divider. The
// results arrive clamped from above (or NaN, converted to INT32_MIN); join
// clamps them from below.
template <class T>
struct FloatGroups;
template <>
struct FloatGroups<uint8_t> {
    static constexpr int kGroups = 4;
    [[gnu::always_inline]] static void split(__m256i v, __m256* g) {
        const __m256i m = _mm256_set1_epi32(0xFF);
        g[0] = _mm256_cvtepi32_ps(_mm256_and_si256(v, m));
        g[1] = _mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(v, 8), m));
        g[2] = _mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(v, 16), m));
        g[3] = _mm256_cvtepi32_ps(_mm256_srli_epi32(v, 24));
    }
    [[gnu::always_inline]] static __m256i join(const __m256i* r) {
        const __m256i z = _mm256_setzero_si256();
        const __m256i lo = _mm256_or_si256(_mm256_max_epi32(r[0], z), _mm256_slli_epi32(_mm256_max_epi32(r[1], z), 8));
        const __m256i hi = _mm256_or_si256(_mm256_max_epi32(r[2], z), _mm256_slli_epi32(_mm256_max_epi32(r[3], z), 8));
        return _mm256_or_si256(lo, _mm256_slli_epi32(hi, 16));
    }
};
template <>
struct FloatGroups<int16_t> {
    static constexpr int kGroups = 2;
    [[gnu::always_inline]] static void split(__m256i v, __m256* g) {
        // Pairs multiplied by (1, 0) and summed: the low sample, widened.
        g[0] = _mm256_cvtepi32_ps(_mm256_madd_epi16(v, _mm256_set1_epi32(1)));
        g[1] = _mm256_cvtepi32_ps(_mm256_srai_epi32(v, 16));
    }
    [[gnu::always_inline]] static __m256i join(const __m256i* r) {
        const __m256i lo = _mm256_set1_epi32(-32768);
        return _mm256_blend_epi16(_mm256_max_epi32(r[0], lo), _mm256_slli_epi32(_mm256_max_epi32(r[1], lo), 16), 0xAA);
    }
};
template <>
struct FloatGroups<uint16_t> {
    static constexpr int kGroups = 2;
    [[gnu::always_inline]] static void split(__m256i v, __m256* g) {
        g[0] = _mm256_cvtepi32_ps(_mm256_and_si256(v, _mm256_set1_epi32(0xFFFF)));
        g[1] = _mm256_cvtepi32_ps(_mm256_srli_epi32(v, 16));
    }
    [[gnu::always_inline]] static __m256i join(const __m256i* r) {
        const __m256i z = _mm256_setzero_si256();
        return _mm256_blend_epi16(_mm256_max_epi32(r[0], z), _mm256_slli_epi32(_mm256_max_epi32(r[1], z), 16), 0xAA);
    }
};

// Div: (a, b) = (src1, src2) gives src2 / src1; DivC: (src, value) gives
// src / value. Zero divisors are collected on the integer samples.
template <class T>
inline __m256i zeroSamples(__m256i v) {
    return sizeof(T) == 1 ? _mm256_cmpeq_epi8(v, _mm256_setzero_si256())
                          : _mm256_cmpeq_epi16(v, _mm256_setzero_si256());
}

template <class T, bool Reversed, int Mode = kRoundCurrent, bool Scaled = true>
struct DivFn {
    Quotient<Mode, Scaled> q;
    __m256i zeroSeen = _mm256_setzero_si256();
    [[gnu::always_inline]] __m256i operator()(__m256i a, __m256i b) {
        using G = FloatGroups<T>;
        const __m256i num = Reversed ? b : a, den = Reversed ? a : b;
        const __m256i dz = zeroSamples<T>(den);
        zeroSeen = _mm256_or_si256(zeroSeen, dz);
        __m256 gn[G::kGroups], gd[G::kGroups];
        __m256i r[4];
        G::split(num, gn);
        G::split(den, gd);
        for (int k = 0; k < G::kGroups; ++k) r[k] = q(gn[k], gd[k]);
        const __m256i res = G::join(r);
        if constexpr (std::is_signed_v<T>) return _mm256_andnot_si256(_mm256_and_si256(dz, zeroSamples<T>(num)), res);
        return res;
    }
    T operator()(T a, T b) { return T(Reversed ? q(float(b), float(a)) : q(float(a), float(b))); }
    // With ac4 the alpha samples (every fourth; vectors start on pixel
    // boundaries) raise no warning.
    bool anyZero(bool ac4) const {
        const uint32_t keep = !ac4 ? 0xFFFFFFFFu : sizeof(T) == 1 ? 0x77777777u : 0x3F3F3F3Fu;
        return (uint32_t(_mm256_movemask_epi8(zeroSeen)) & keep) != 0 || q.zeroScalar;
    }
};

// Factors beyond what the kernels handle: every quotient with a non-zero
// divisor is 0 (too large a factor) or saturates with the quotient's sign
// (too negative); zero divisors follow the usual rule.
template <class T, bool Reversed>
struct DivShortcut {
    bool tooLarge;
    bool zeroSeen = false;
    T operator()(T a, T b) {
        const int32_t n = Reversed ? b : a, d = Reversed ? a : b;
        using Lim = std::numeric_limits<T>;
        if (d == 0) zeroSeen = true;
        if (n == 0 || (d != 0 && tooLarge)) return T(0);
        return ((n > 0) == (d >= 0)) ? Lim::max() : Lim::min();
    }
};

template <class T>
struct DivRange;
template <>
struct DivRange<uint8_t> {
    static constexpr int kHi = 8, kLo = -15;
};
template <>
struct DivRange<int16_t> {
    static constexpr int kHi = 16, kLo = -30;
};
template <>
struct DivRange<uint16_t> {
    static constexpr int kHi = 16, kLo = -32;
};

// ---- Float division ------------------------------------------------------------------
struct Div32f {
    __m256 zeroSeen = _mm256_setzero_ps();
    [[gnu::always_inline]] __m256 operator()(__m256 a, __m256 b) {
        zeroSeen = _mm256_or_ps(zeroSeen, _mm256_cmp_ps(a, _mm256_setzero_ps(), _CMP_EQ_OQ));
        return _mm256_div_ps(b, a);
    }
    float operator()(float a, float b) {
        if (a == 0.0f) zeroSeen = _mm256_castsi256_ps(_mm256_set1_epi32(-1));
        return b / a;
    }
    bool anyZero(int laneMask) const { return (_mm256_movemask_ps(zeroSeen) & laneMask) != 0; }
};
struct MulRecip32f {
    __m256 operator()(__m256 a, __m256 r) const { return _mm256_mul_ps(a, r); }
    float operator()(float a, float r) const { return a * r; }
};

// ---- Division frames ---------------------------------------------------------------------

template <class T, int L, class Tag>
KzvStatus divTwo(const T* a, ptrdiff_t as, const T* b, ptrdiff_t bs, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h,
                 int mode, int f) {
    constexpr bool ac4 = L == kAC4;
    const ptrdiff_t n = w * channelsOf<L>();
    if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
    if (w < 1 || h < 1) return kzvStatusSizeErr;
    if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
    if constexpr (std::is_same_v<T, float>) {
        Div32f fn;
        walkBinary<T, ac4>(a, as, b, bs, d, ds, n, h, fn);
        return fn.anyZero(kLaneMask<ac4>) ? kzvStatusDivByZero : kzvStatusOk;
    } else {
        if (std::is_same_v<Tag, tag::DivRound> && (mode < 0 || mode > 2)) return kzvStatusRoundModeErr;
        auto rows = [&](auto& fn) {
            walkBinary<T, ac4>(a, as, b, bs, d, ds, n, h, fn);
        };
        using Lim = std::numeric_limits<T>;
        if (f > DivRange<T>::kHi || f < DivRange<T>::kLo) {
            LaneByLane<T, DivShortcut<T, true>> fn{DivShortcut<T, true>{f > 0}, ac4};
            rows(fn);
            return fn.f.zeroSeen ? kzvStatusDivByZero : kzvStatusOk;
        }
        bool zero = false;
        auto run = [&](auto modeTag) {
            auto go = [&](auto scaledTag) {
                DivFn<T, true, decltype(modeTag)::value, decltype(scaledTag)::value> fn{
                    {f, float(Lim::min()), float(Lim::max())}};
                rows(fn);
                zero = fn.anyZero(ac4);
            };
            if (f != 0)
                go(std::true_type{});
            else
                go(std::false_type{});
        };
        if constexpr (!std::is_same_v<Tag, tag::DivRound>) {
            run(std::integral_constant<int, kRoundCurrent>{});
        } else {
            // The quotient itself is rounded to nearest; the result then by
            // the explicit mode.
            MxcsrGuard g(FpRound::Nearest);
            if (mode == 0)
                run(std::integral_constant<int, 0>{});
            else if (mode == 1)
                run(std::integral_constant<int, 1>{});
            else
                run(std::integral_constant<int, 2>{});
        }
        return zero ? kzvStatusDivByZero : kzvStatusOk;
    }
}

template <int L>
constexpr int valuesOf() {
    return L == 4 ? 4 : (L == 1 ? 1 : 3);
}

template <class T, int L>
KzvStatus divConst(const T* a, ptrdiff_t as, const T* vals, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h, int f) {
    constexpr bool ac4 = L == kAC4;
    constexpr int ch = channelsOf<L>();
    constexpr int nv = valuesOf<L>();
    const ptrdiff_t n = w * ch;
    if constexpr (std::is_same_v<T, uint16_t>) {
        // 16u: dividing by 1 unscaled is a plain copy, before any other
        // check; a factor of 17 or more with a non-zero constant zeroes
        // every result and fills the destination after testing the source.
        if (vals != nullptr) {
            bool one = f == 0, nonZero = true;
            for (int c = 0; c < nv; ++c) {
                one = one && vals[c] == 1;
                nonZero = nonZero && vals[c] != 0;
            }
            if (one) {
                if (anyNull(a, d)) return kzvStatusNullPtrErr;
                if (w < 1 || h < 1) return kzvStatusSizeErr;
                copyRows<T, L>(a, as, d, ds, w, h);
                return kzvStatusOk;
            }
            if (f >= 17 && nonZero) {
                if (a == nullptr) return kzvStatusNullPtrErr;
                return fillRegion<T, L>(d, ds, w, h, T(0));
            }
        }
    }
    if (anyNull(a, vals, d)) return kzvStatusNullPtrErr;
    if (w < 1 || h < 1) return kzvStatusSizeErr;
    if (anyBadStep(as, ds)) return kzvStatusStepErr;
    for (int c = 0; c < nv; ++c)
        if (vals[c] == T(0)) return kzvStatusDivByZeroErr;
    auto rows = [&](const Pattern<T>& c, auto& fn) {
        walkConst<T, ac4>(a, as, c, d, ds, n, h, fn);
    };
    if constexpr (std::is_same_v<T, float>) {
        float r[4];
        for (int c = 0; c < nv; ++c) r[c] = 1.0f / vals[c];
        MulRecip32f fn;
        rows(makePattern(r, nv, ch), fn);
    } else {
        using Lim = std::numeric_limits<T>;
        const Pattern<T> c = makePattern(vals, nv, ch);
        if (f > DivRange<T>::kHi || f < DivRange<T>::kLo) {
            LaneByLane<T, DivShortcut<T, false>> fn{DivShortcut<T, false>{f > 0}, ac4};
            rows(c, fn);
        } else {
            auto go = [&](auto scaledTag) {
                DivFn<T, false, kRoundCurrent, decltype(scaledTag)::value> fn{
                    {f, float(Lim::min()), float(Lim::max())}};
                rows(c, fn);
            };
            if (f != 0)
                go(std::true_type{});
            else
                go(std::false_type{});
        }
    }
    return kzvStatusOk;
}

// ---- Unary functions -----------------------------------------------------------------

struct Abs16s {
    __m256i operator()(__m256i a) const {
        return _mm256_min_epu16(_mm256_abs_epi16(a), _mm256_set1_epi16(32767));
    }
    int16_t operator()(int16_t a) const { return a == INT16_MIN ? int16_t(32767) : int16_t(a < 0 ? -a : a); }
};
struct Abs32f {
    __m256 operator()(__m256 a) const { return _mm256_and_ps(a, _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF))); }
    float operator()(float a) const {
        uint32_t u;
        memcpy(&u, &a, 4);
        u &= 0x7FFFFFFFu;
        memcpy(&a, &u, 4);
        return a;
    }
};
struct Sqr32f {
    __m256 operator()(__m256 a) const { return _mm256_mul_ps(a, a); }
    float operator()(float a) const { return a * a; }
};
// A two-operand functor applied to (a, a).
template <class F>
struct Squared {
    F f;
    template <class V>
    auto operator()(V a) {
        return f(a, a);
    }
};

struct Sqrt32f {
    __m256 negSeen = _mm256_setzero_ps();
    [[gnu::always_inline]] __m256 operator()(__m256 a) {
        negSeen = _mm256_or_ps(negSeen, _mm256_cmp_ps(a, _mm256_setzero_ps(), _CMP_LT_OQ));
        return _mm256_sqrt_ps(a);
    }
    float operator()(float a) {
        if (a < 0.0f) negSeen = _mm256_castsi256_ps(_mm256_set1_epi32(-1));
        return _mm_cvtss_f32(_mm_sqrt_ss(_mm_set_ss(a)));
    }
    bool anyNeg(int laneMask) const { return (_mm256_movemask_ps(negSeen) & laneMask) != 0; }
};

// Integer square root: sqrt(src) * 2^-f rounded to nearest (ties to even)
// in double precision and saturated; negative 16s inputs give 0. Factors
// are clamped to [-20, 20], beyond which every result is already 0 or
// saturated.
template <class T>
struct SqrtInt {
    double scale;
    bool negSeen = false;
    explicit SqrtInt(int f) : scale(ldexp(1.0, -(f < -20 ? -20 : (f > 20 ? 20 : f)))) {}
    T operator()(T a) {
        if (a < 0) {
            negSeen = true;
            return T(0);
        }
        const double r = sqrt(double(a)) * scale;
        const double ri = _mm_cvtsd_f64(_mm_round_sd(_mm_setzero_pd(), _mm_set_sd(r), _MM_FROUND_TO_NEAREST_INT));
        return saturate<T>(ri);
    }
};

// ---- Exp and Ln, 32f -------------------------------------------------------------------
// exp: x = n ln2 + r with |r| <= ln2 / 2, a degree-6 polynomial for e^r, and
// 2^n applied as two factors so that results in the subnormal range and
// near the overflow threshold are scaled in one rounding.
struct Exp32f {
    // Vectors with every |x| <= 87 (the common case) have n in [-126, 126]:
    // 2^n is one normal factor and y 2^n the same product as the two-factor
    // form below, without the clamp and the NaN blend.
    [[gnu::always_inline]] __m256 operator()(__m256 x) const {
        const __m256 ax = _mm256_andnot_ps(_mm256_set1_ps(-0.0f), x);
        if (__builtin_expect(_mm256_movemask_ps(_mm256_cmp_ps(ax, _mm256_set1_ps(87.0f), _CMP_NLE_UQ)) != 0, 0))
            return full(x);
        const __m256 n = _mm256_round_ps(_mm256_mul_ps(x, _mm256_set1_ps(1.44269504088896341f)),
                                         _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __m256 y = poly(x, n);
        const __m256i e = _mm256_add_epi32(_mm256_cvtps_epi32(n), _mm256_set1_epi32(127));
        return _mm256_mul_ps(y, _mm256_castsi256_ps(_mm256_slli_epi32(e, 23)));
    }
    // e^r for r = x - n ln2 (ln2 in two parts).
    [[gnu::always_inline]] static __m256 poly(__m256 xc, __m256 n) {
        __m256 r = _mm256_fnmadd_ps(n, _mm256_set1_ps(0.693359375f), xc);
        r = _mm256_fnmadd_ps(n, _mm256_set1_ps(-2.12194440e-4f), r);
        __m256 p = _mm256_set1_ps(1.9875691500e-4f);
        p = _mm256_fmadd_ps(p, r, _mm256_set1_ps(1.3981999507e-3f));
        p = _mm256_fmadd_ps(p, r, _mm256_set1_ps(8.3334519073e-3f));
        p = _mm256_fmadd_ps(p, r, _mm256_set1_ps(4.1665795894e-2f));
        p = _mm256_fmadd_ps(p, r, _mm256_set1_ps(1.6666665459e-1f));
        p = _mm256_fmadd_ps(p, r, _mm256_set1_ps(5.0000001201e-1f));
        const __m256 r2 = _mm256_mul_ps(r, r);
        return _mm256_add_ps(_mm256_fmadd_ps(p, r2, r), _mm256_set1_ps(1.0f));
    }
    [[gnu::noinline]] static __m256 full(__m256 x) {
        const __m256 xc = _mm256_max_ps(_mm256_min_ps(x, _mm256_set1_ps(89.0f)), _mm256_set1_ps(-104.0f));
        const __m256 n = _mm256_round_ps(_mm256_mul_ps(xc, _mm256_set1_ps(1.44269504088896341f)),
                                         _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __m256 y = poly(xc, n);
        const __m256i ni = _mm256_cvtps_epi32(n);
        const __m256i n1 = _mm256_srai_epi32(ni, 1);
        const __m256i n2 = _mm256_sub_epi32(ni, n1);
        const __m256i bias = _mm256_set1_epi32(127);
        const __m256 s1 = _mm256_castsi256_ps(_mm256_slli_epi32(_mm256_add_epi32(n1, bias), 23));
        const __m256 s2 = _mm256_castsi256_ps(_mm256_slli_epi32(_mm256_add_epi32(n2, bias), 23));
        const __m256 res = _mm256_mul_ps(_mm256_mul_ps(y, s1), s2);
        return _mm256_blendv_ps(res, x, _mm256_cmp_ps(x, x, _CMP_UNORD_Q));  // NaN stays NaN
    }
    float operator()(float x) const { return _mm256_cvtss_f32((*this)(_mm256_set1_ps(x))); }
};

// ln: x = m 2^e with m in [0.7083, 1.4167), split into eight intervals of
// equal width in the bit pattern; interval i holds ln(m) = ln(c_i) +
// ln(1 + r) with r = m / c_i - 1, |r| <= 0.0567, and ln(1 + r) = r + r^2 P(r),
// P of degree 3. The interval boundaries put 1 at the middle of interval 4,
// where c = 1 and r = m - 1 exactly, so results near x = 1 keep their
// relative precision. The tables hold 1/c_i (the float nearest the inverse
// of the interval's centre) and -ln of that float split into a multiple of
// 2^-16 and a float rest, so that e ln2_hi + ln c_hi is exact. P is a
// near-minimax fit of (ln(1 + r) - r) / r^2 on |r| <= 0.0567
// (scripts/ln_table.py derives every constant). Every positive float lies
// within 1 ulp of its correctly rounded logarithm.
// Subnormal inputs are first scaled by 2^23. Zero gives -infinity, negative
// inputs NaN, +infinity and NaN themselves.
struct Ln32f {
    __m256 zeroSeen = _mm256_setzero_ps(), negSeen = _mm256_setzero_ps();
    // ln of lanes with bits `bits` of a normal value, times 2^adj. The
    // offset bits ix give the exponent in their top nine bits, the interval
    // in the next three (which the table permutes read as the index), and m
    // once the exponent is taken off the input bits.
    [[gnu::always_inline]] static __m256 core(__m256i bits, __m256i adj) {
        const __m256i ix = _mm256_sub_epi32(bits, _mm256_set1_epi32(0x3F355555));
        const __m256i idx = _mm256_srli_epi32(ix, 20);
        const __m256 fe = _mm256_cvtepi32_ps(_mm256_add_epi32(_mm256_srai_epi32(ix, 23), adj));
        const __m256 m =
            _mm256_castsi256_ps(_mm256_sub_epi32(bits, _mm256_and_si256(ix, _mm256_set1_epi32(int32_t(0xFF800000)))));
        const __m256 invC = _mm256_permutevar8x32_ps(
            _mm256_setr_ps(1.352112770e+00f, 1.246753335e+00f, 1.156626582e+00f, 1.078651667e+00f, 1.0f,
                           9.056603909e-01f, 8.135593534e-01f, 7.384615541e-01f),
            idx);
        const __m256 lnCHi = _mm256_permutevar8x32_ps(
            _mm256_setr_ps(-0.301666259765625f, -0.2205352783203125f, -0.1455078125f, -0.075714111328125f, 0.0f,
                           0.099090576171875f, 0.206329345703125f, 0.303192138671875f),
            idx);
        const __m256 lnCLo = _mm256_permutevar8x32_ps(
            _mm256_setr_ps(-2.124199682e-06f, -7.562074188e-06f, 1.630153008e-07f, 2.306977194e-06f, 0.0f,
                           3.115711991e-07f, 7.048799944e-06f, -5.900793894e-06f),
            idx);
        const __m256 r = _mm256_fmsub_ps(m, invC, _mm256_set1_ps(1.0f));
        const __m256 r2 = _mm256_mul_ps(r, r);
        const __m256 p = _mm256_fmadd_ps(
            _mm256_fmadd_ps(_mm256_set1_ps(2.0045962930e-01f), r, _mm256_set1_ps(-2.5053620338e-01f)), r2,
            _mm256_fmadd_ps(_mm256_set1_ps(3.3333313465e-01f), r, _mm256_set1_ps(-4.9999979138e-01f)));
        // e ln2 + ln c as an exact head and a small tail; the tail, r and
        // r^2 P are summed before the head.
        const __m256 head = _mm256_fmadd_ps(fe, _mm256_set1_ps(0.693359375f), lnCHi);
        const __m256 tail = _mm256_fmadd_ps(fe, _mm256_set1_ps(-2.12194440e-4f), lnCLo);
        return _mm256_add_ps(head, _mm256_add_ps(r, _mm256_fmadd_ps(r2, p, tail)));
    }
    [[gnu::always_inline]] __m256 operator()(__m256 x) {
        // Vectors of positive normal values (bits in [2^23, 0x7F800000), the
        // common case) need none of the special-value handling below.
        const __m256i xb = _mm256_castps_si256(x);
        const __m256i t = _mm256_sub_epi32(xb, _mm256_set1_epi32(0x00800000));
        const __m256i normal = _mm256_cmpeq_epi32(_mm256_min_epu32(t, _mm256_set1_epi32(0x7EFFFFFF)), t);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(normal)) == 0xFF)
            return core(xb, _mm256_setzero_si256());
        const __m256 zero = _mm256_setzero_ps();
        const __m256 isZero = _mm256_cmp_ps(x, zero, _CMP_EQ_OQ);
        const __m256 isNeg = _mm256_cmp_ps(x, zero, _CMP_LT_OQ);
        zeroSeen = _mm256_or_ps(zeroSeen, isZero);
        negSeen = _mm256_or_ps(negSeen, isNeg);
        const __m256 sub = _mm256_cmp_ps(x, _mm256_set1_ps(1.17549435e-38f), _CMP_LT_OQ);
        const __m256 xs = _mm256_blendv_ps(x, _mm256_mul_ps(x, _mm256_set1_ps(8388608.0f)), sub);
        __m256 r = core(_mm256_castps_si256(xs), _mm256_and_si256(_mm256_castps_si256(sub), _mm256_set1_epi32(-23)));
        // Specials: +inf and NaN give themselves, zero -inf, negatives NaN.
        const __m256 passThrough = _mm256_or_ps(_mm256_cmp_ps(x, x, _CMP_UNORD_Q),
                                                _mm256_cmp_ps(x, _mm256_set1_ps(INFINITY), _CMP_EQ_OQ));
        r = _mm256_blendv_ps(r, x, passThrough);
        r = _mm256_blendv_ps(r, _mm256_set1_ps(-INFINITY), isZero);
        r = _mm256_blendv_ps(r, _mm256_set1_ps(NAN), isNeg);
        return r;
    }
    float operator()(float x) { return _mm256_cvtss_f32((*this)(_mm256_set1_ps(x))); }
    KzvStatus status() const {
        if (_mm256_movemask_ps(zeroSeen)) return kzvStatusLnZeroArg;
        if (_mm256_movemask_ps(negSeen)) return kzvStatusLnNegArg;
        return kzvStatusOk;
    }
};

// ---- Exp and Ln, integers ----------------------------------------------------------------
// Exp: floor(e^x * 2^-f + 0.5) in double precision, saturated. The result
// is monotonic in x and only a window of about 18 inputs is neither 0 nor
// saturated; those are tabulated once per call.
inline double expScaled(double x, int f) {
    const double t = x * 1.4426950408889634 - double(f);  // log2 of the result
    if (x <= 709.0 && f >= -1000 && f <= 1000) return exp(x) * ldexp(1.0, -f);
    return exp2(t);
}

template <class T>
struct ExpInt {
    int64_t xlo = 0, xhi = -1;
    T tab[32] = {};
    explicit ExpInt(int f) {
        using Lim = std::numeric_limits<T>;
        const double ln2 = 0.69314718055994531;
        const double lo = floor((double(f) - 1.0) * ln2 - 2.0);
        const double hi = ceil(log(double(Lim::max())) + double(f) * ln2 + 2.0);
        xlo = int64_t(lo < double(Lim::min()) ? double(Lim::min()) : (lo > double(Lim::max()) + 1 ? double(Lim::max()) + 1 : lo));
        xhi = int64_t(hi > double(Lim::max()) ? double(Lim::max()) : (hi < double(Lim::min()) - 1 ? double(Lim::min()) - 1 : hi));
        for (int64_t x = xlo; x <= xhi && x - xlo < 32; ++x) {
            const double v = floor(expScaled(double(x), f) + 0.5);
            tab[x - xlo] = v >= double(Lim::max()) ? Lim::max() : T(v);
        }
    }
    T operator()(T a) const {
        if (a < xlo) return T(0);
        if (a > xhi) return std::numeric_limits<T>::max();
        return tab[a - xlo];
    }
};

// Ln: floor(ln(x) * 2^-f + 0.5) in double precision, saturated. A zero
// input gives 0 (8u, 16u) or -32768 (16s, also for negative inputs); the
// first such input of a row decides the row's warning.
template <class T>
struct LnInt {
    double scale;
    KzvStatus rowStatus = kzvStatusOk;
    explicit LnInt(int f) : scale(ldexp(1.0, -(f < -64 ? -64 : (f > 64 ? 64 : f)))) {}
    T operator()(T a) {
        using Lim = std::numeric_limits<T>;
        if (a <= 0) {
            if (rowStatus == kzvStatusOk) rowStatus = a == 0 ? kzvStatusLnZeroArg : kzvStatusLnNegArg;
            return Lim::min();
        }
        if (a == 1) return T(0);
        const double v = floor(log(double(a)) * scale + 0.5);
        return v >= double(Lim::max()) ? Lim::max() : T(v);
    }
};

// ---- Unary frame --------------------------------------------------------------------------

template <class T, int L, class Tag>
KzvStatus unary(const T* a, ptrdiff_t as, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h, int f) {
    constexpr bool ac4 = L == kAC4;
    const ptrdiff_t n = w * channelsOf<L>();
    if (anyNull(a, d)) return kzvStatusNullPtrErr;
    if (w < 1 || h < 1) return kzvStatusSizeErr;
    if (anyBadStep(as, ds)) return kzvStatusStepErr;
    if constexpr (std::is_same_v<Tag, tag::Abs> || std::is_same_v<Tag, tag::Sqr> || std::is_same_v<Tag, tag::Sqrt>) {
        as = roundStepDown<T>(as);
        ds = roundStepDown<T>(ds);
    }
    auto rows = [&](auto& fn) {
        walkUnary<T, ac4>(a, as, d, ds, n, h, fn);
    };
    if constexpr (std::is_same_v<Tag, tag::Abs>) {
        std::conditional_t<std::is_same_v<T, float>, Abs32f, Abs16s> fn;
        rows(fn);
        return kzvStatusOk;
    } else if constexpr (std::is_same_v<Tag, tag::Sqr>) {
        if constexpr (std::is_same_v<T, float>) {
            Sqr32f fn;
            rows(fn);
        } else {
            using P = MulP<T>;
            if (f > P::kZeroAbove) {
                fillRows<T, L>(d, ds, w, h, T(0));
                return kzvStatusOk;
            }
            withScale<T, P>(f, [&](auto& fn2) {
                Squared<std::remove_reference_t<decltype(fn2)>> fn{fn2};
                rows(fn);
            });
        }
        return kzvStatusOk;
    } else if constexpr (std::is_same_v<Tag, tag::Sqrt>) {
        if constexpr (std::is_same_v<T, float>) {
            Sqrt32f fn;
            rows(fn);
            return fn.anyNeg(kLaneMask<ac4>) ? kzvStatusSqrtNegArg : kzvStatusOk;
        } else {
            LaneByLane<T, SqrtInt<T>> fn{SqrtInt<T>(f), ac4};
            rows(fn);
            return fn.f.negSeen ? kzvStatusSqrtNegArg : kzvStatusOk;
        }
    } else if constexpr (std::is_same_v<Tag, tag::Exp>) {
        if constexpr (std::is_same_v<T, float>) {
            Exp32f fn;
            rows(fn);
        } else {
            LaneByLane<T, ExpInt<T>> fn{ExpInt<T>(f), ac4};
            rows(fn);
        }
        return kzvStatusOk;
    } else {
        if constexpr (std::is_same_v<T, float>) {
            // Zero inputs anywhere take precedence over negative ones.
            Ln32f fn;
            rows(fn);
            return fn.status();
        } else {
            FirstStatus first;
            LaneByLane<T, LnInt<T>> fn{LnInt<T>(f), ac4};
            for (ptrdiff_t y = 0; y < h; ++y) {
                fn.f.rowStatus = kzvStatusOk;
                rowUnary<T, ac4>(rowAt(a, as, y), rowAt(d, ds, y), n, fn);
                first.add(fn.f.rowStatus);
            }
            return first.status;
        }
    }
}

}  // namespace
}  // namespace kzv::arith

using namespace kzv::arith;

#define KZV_VALUE_PARAM(T, lay) std::conditional_t<lay == 1, T, const T*>
template <int L, class V>
static inline auto kzv_value_ptr(const V& v) {
    if constexpr (L == 1) return &v;
    else return v;
}

#define X_BSFS(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst, \
                                   int32_t dstStep, KzvImageSize roiSize, int32_t scaleFactor) {                 \
        return divTwo<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,          \
                                        roiSize.height, kRoundCurrent, scaleFactor);                            \
    }
#define X_BSFS_L(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, intptr_t src1Step, const T* pSrc2, intptr_t src2Step, T* pDst, \
                                   intptr_t dstStep, KzvImageSizeL roiSize, int32_t scaleFactor) {                 \
        return divTwo<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,            \
                                        roiSize.height, kRoundCurrent, scaleFactor);                              \
    }
#define X_BSFSI(name, T, lay, OPN)                                                                              \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,              \
                                   KzvImageSize roiSize, int32_t scaleFactor) {                                 \
        return divTwo<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                        roiSize.height, kRoundCurrent, scaleFactor);                           \
    }
#define X_BSFSI_L(name, T, lay, OPN)                                                                            \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, T* pSrcDst, intptr_t srcDstStep,            \
                                   KzvImageSizeL roiSize, int32_t scaleFactor) {                                \
        return divTwo<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                        roiSize.height, kRoundCurrent, scaleFactor);                           \
    }
#define X_B(name, T, lay, OPN)                                                                                   \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst, \
                                   int32_t dstStep, KzvImageSize roiSize) {                                      \
        return divTwo<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,          \
                                        roiSize.height, kRoundCurrent, 0);                                      \
    }
#define X_B_L(name, T, lay, OPN)                                                                                   \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, intptr_t src1Step, const T* pSrc2, intptr_t src2Step, T* pDst, \
                                   intptr_t dstStep, KzvImageSizeL roiSize) {                                      \
        return divTwo<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,            \
                                        roiSize.height, kRoundCurrent, 0);                                        \
    }
#define X_BI(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,              \
                                   KzvImageSize roiSize) {                                                      \
        return divTwo<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                        roiSize.height, kRoundCurrent, 0);                                     \
    }
#define X_BI_L(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, T* pSrcDst, intptr_t srcDstStep,            \
                                   KzvImageSizeL roiSize) {                                                     \
        return divTwo<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                        roiSize.height, kRoundCurrent, 0);                                     \
    }
#define X_DR(name, T, lay, OPN)                                                                                  \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst, \
                                   int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode,                 \
                                   int32_t scaleFactor) {                                                        \
        return divTwo<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,          \
                                        roiSize.height, int(roundMode), scaleFactor);                           \
    }
#define X_DRI(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,              \
                                   KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor) {          \
        return divTwo<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                        roiSize.height, int(roundMode), scaleFactor);                          \
    }
#define X_CSFS(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,       \
                                   int32_t dstStep, KzvImageSize roiSize, int32_t scaleFactor) {                 \
        return divConst<T, lay>(pSrc, srcStep, kzv_value_ptr<lay>(value), pDst, dstStep, roiSize.width,          \
                                roiSize.height, scaleFactor);                                                   \
    }
#define X_CSFS_L(name, T, lay, OPN)                                                                              \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,      \
                                   intptr_t dstStep, KzvImageSizeL roiSize, int32_t scaleFactor) {               \
        return divConst<T, lay>(pSrc, srcStep, kzv_value_ptr<lay>(value), pDst, dstStep, roiSize.width,          \
                                roiSize.height, scaleFactor);                                                   \
    }
#define X_CSFSI(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, int32_t srcDstStep,                \
                                   KzvImageSize roiSize, int32_t scaleFactor) {                                  \
        return divConst<T, lay>(pSrcDst, srcDstStep, kzv_value_ptr<lay>(value), pSrcDst, srcDstStep,             \
                                roiSize.width, roiSize.height, scaleFactor);                                    \
    }
#define X_CSFSI_L(name, T, lay, OPN)                                                                             \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, intptr_t srcDstStep,               \
                                   KzvImageSizeL roiSize, int32_t scaleFactor) {                                 \
        return divConst<T, lay>(pSrcDst, srcDstStep, kzv_value_ptr<lay>(value), pSrcDst, srcDstStep,             \
                                roiSize.width, roiSize.height, scaleFactor);                                    \
    }
#define X_C(name, T, lay, OPN)                                                                                   \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,       \
                                   int32_t dstStep, KzvImageSize roiSize) {                                      \
        return divConst<T, lay>(pSrc, srcStep, kzv_value_ptr<lay>(value), pDst, dstStep, roiSize.width,          \
                                roiSize.height, 0);                                                             \
    }
#define X_C_L(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,      \
                                   intptr_t dstStep, KzvImageSizeL roiSize) {                                    \
        return divConst<T, lay>(pSrc, srcStep, kzv_value_ptr<lay>(value), pDst, dstStep, roiSize.width,          \
                                roiSize.height, 0);                                                             \
    }
#define X_CI(name, T, lay, OPN)                                                                                  \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, int32_t srcDstStep,                \
                                   KzvImageSize roiSize) {                                                       \
        return divConst<T, lay>(pSrcDst, srcDstStep, kzv_value_ptr<lay>(value), pSrcDst, srcDstStep,             \
                                roiSize.width, roiSize.height, 0);                                              \
    }
#define X_CI_L(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, intptr_t srcDstStep,               \
                                   KzvImageSizeL roiSize) {                                                      \
        return divConst<T, lay>(pSrcDst, srcDstStep, kzv_value_ptr<lay>(value), pSrcDst, srcDstStep,             \
                                roiSize.width, roiSize.height, 0);                                              \
    }
#define X_U(name, T, lay, OPN)                                                                                     \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) { \
        return unary<T, lay, tag::OPN>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height, 0);            \
    }
#define X_UI(name, T, lay, OPN)                                                                                   \
    KZVAPI KzvStatus KZV_CALL name(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize) {                        \
        return unary<T, lay, tag::OPN>(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, roiSize.height, 0); \
    }
#define X_USFS(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize, \
                                   int32_t scaleFactor) {                                                         \
        return unary<T, lay, tag::OPN>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height, scaleFactor); \
    }
#define X_USFSI(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t scaleFactor) {  \
        return unary<T, lay, tag::OPN>(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, roiSize.height,  \
                                       scaleFactor);                                                            \
    }

#include "pixel/arith_math_exports.inc"
