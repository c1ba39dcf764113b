// Scaled integer add, subtract and multiply: the exact result of each
// operation formed in lanes wide enough for it, and the scale-factor
// branches applied to those lanes.
//
// A policy P describes one operation on one type: exact(a, b) in 64 bits for
// the scalar path, wide(a, b, lo, hi) giving the exact results of a vector
// of samples in lanes twice as wide (low and high halves as unpacklo/hi
// order them), sat0(a, b) and half(a, b) for the factor-0 and factor-1
// routines, and the thresholds above which every result rounds to 0 and
// below which every non-zero result saturates.
#ifndef KZV_PIXEL_ARITH_SFS_H
#define KZV_PIXEL_ARITH_SFS_H

#include <limits.h>

#include "pixel/arith_kernels.h"

namespace kzv::arith {

constexpr int kNoSatShortcut = INT_MIN;

// ---- Scalers on wide lanes ----------------------------------------------------
// 8u results live in unsigned 16-bit lanes, 16s results in signed 32-bit
// lanes, 16u results in unsigned 32-bit lanes. Each scaler maps the exact
// lanes to lanes already inside the destination range, so the pack that
// follows never saturates something it should not.

struct ScaleU16Zero {
    __m256i operator()(__m256i s) const { return _mm256_min_epu16(s, _mm256_set1_epi16(255)); }
};
// Rounds s / 2^f halves to even as floor quotient plus a carry computed from
// the remainder: (r + (q & 1) + 2^(f-1) - 1) >> f, which cannot overflow.
struct ScaleU16Pos {
    __m128i cnt;
    __m256i mask, halfm1;
    bool f16;
    explicit ScaleU16Pos(int f)
        : cnt(_mm_cvtsi32_si128(f)),
          mask(_mm256_set1_epi16(int16_t(uint16_t((1u << f) - 1)))),
          halfm1(_mm256_set1_epi16(int16_t(uint16_t((1u << (f - 1)) - 1)))),
          f16(f >= 16) {}
    __m256i operator()(__m256i s) const {
        const __m256i one = _mm256_set1_epi16(1);
        if (f16) {  // q = 0: the result is 1 exactly when s > 2^15
            const __m256i gt = _mm256_cmpeq_epi16(_mm256_max_epu16(s, _mm256_set1_epi16(-32767)), s);
            return _mm256_and_si256(gt, one);
        }
        const __m256i q = _mm256_srl_epi16(s, cnt);
        __m256i t = _mm256_add_epi16(_mm256_and_si256(s, mask), _mm256_and_si256(q, one));
        t = _mm256_srl_epi16(_mm256_add_epi16(t, halfm1), cnt);
        return _mm256_min_epu16(_mm256_add_epi16(q, t), _mm256_set1_epi16(255));
    }
};
struct ScaleU16Neg {
    __m128i cnt;
    __m256i lim;
    // Anything above 255 >> k saturates; clamping to one more than that
    // keeps the shifted value above 255, and the pack saturates it.
    explicit ScaleU16Neg(int k) : cnt(_mm_cvtsi32_si128(k)), lim(_mm256_set1_epi16(int16_t((255 >> k) + 1))) {}
    __m256i operator()(__m256i s) const { return _mm256_sll_epi16(_mm256_min_epu16(s, lim), cnt); }
};
struct ScaleU16Sat {
    __m256i operator()(__m256i s) const {
        return _mm256_andnot_si256(_mm256_cmpeq_epi16(s, _mm256_setzero_si256()), _mm256_set1_epi16(255));
    }
};

struct ScaleI32Zero {
    __m256i operator()(__m256i s) const { return s; }  // the signed pack saturates
};
struct ScaleI32Pos {
    __m128i cnt;
    __m256i mask, halfm1;
    explicit ScaleI32Pos(int f)
        : cnt(_mm_cvtsi32_si128(f)),
          mask(_mm256_set1_epi32(int32_t((1u << f) - 1))),
          halfm1(_mm256_set1_epi32(int32_t((1u << (f - 1)) - 1))) {}
    __m256i operator()(__m256i s) const {
        const __m256i q = _mm256_sra_epi32(s, cnt);
        __m256i t = _mm256_add_epi32(_mm256_and_si256(s, mask), _mm256_and_si256(q, _mm256_set1_epi32(1)));
        t = _mm256_srl_epi32(_mm256_add_epi32(t, halfm1), cnt);
        return _mm256_add_epi32(q, t);
    }
};
struct ScaleI32Neg {
    __m128i cnt;
    __m256i lo, hi;
    explicit ScaleI32Neg(int k)
        : cnt(_mm_cvtsi32_si128(k)),
          lo(_mm256_set1_epi32(-(32768 >> k) - 1)),
          hi(_mm256_set1_epi32((32767 >> k) + 1)) {}  // the pack saturates what lies beyond
    __m256i operator()(__m256i s) const {
        return _mm256_sll_epi32(_mm256_max_epi32(_mm256_min_epi32(s, hi), lo), cnt);
    }
};
struct ScaleI32Sat {
    __m256i operator()(__m256i s) const {
        const __m256i t = _mm256_max_epi32(_mm256_min_epi32(s, _mm256_set1_epi32(1)), _mm256_set1_epi32(-1));
        return _mm256_slli_epi32(t, 15);  // +-32768, saturated by the pack
    }
};

struct ScaleU32Zero {
    __m256i operator()(__m256i s) const { return _mm256_min_epu32(s, _mm256_set1_epi32(65535)); }
};
struct ScaleU32Pos {
    __m128i cnt;
    __m256i mask, halfm1;
    bool f32;
    explicit ScaleU32Pos(int f)
        : cnt(_mm_cvtsi32_si128(f)),
          mask(_mm256_set1_epi32(int32_t(f >= 32 ? 0xFFFFFFFFu : (1u << f) - 1))),
          halfm1(_mm256_set1_epi32(int32_t(f >= 32 ? 0x7FFFFFFFu : (1u << (f - 1)) - 1))),
          f32(f >= 32) {}
    __m256i operator()(__m256i s) const {
        const __m256i one = _mm256_set1_epi32(1);
        if (f32) {  // q = 0: the result is 1 exactly when s > 2^31
            const __m256i gt = _mm256_cmpeq_epi32(_mm256_max_epu32(s, _mm256_set1_epi32(int32_t(0x80000001u))), s);
            return _mm256_and_si256(gt, one);
        }
        const __m256i q = _mm256_srl_epi32(s, cnt);
        __m256i t = _mm256_add_epi32(_mm256_and_si256(s, mask), _mm256_and_si256(q, one));
        t = _mm256_srl_epi32(_mm256_add_epi32(t, halfm1), cnt);
        return _mm256_min_epu32(_mm256_add_epi32(q, t), _mm256_set1_epi32(65535));
    }
};
struct ScaleU32Neg {
    __m128i cnt;
    __m256i lim;
    explicit ScaleU32Neg(int k) : cnt(_mm_cvtsi32_si128(k)), lim(_mm256_set1_epi32(k >= 16 ? 0 : 65535 >> k)) {}
    __m256i operator()(__m256i s) const {
        // For k >= 16 every non-zero s saturates: min(s, 0) is 0 and the
        // pack of s << k would be wrong, so saturate explicitly.
        const __m256i nz = _mm256_andnot_si256(_mm256_cmpeq_epi32(s, _mm256_setzero_si256()),
                                               _mm256_set1_epi32(65535));
        const __m256i fits = _mm256_cmpeq_epi32(_mm256_min_epu32(s, lim), s);
        return _mm256_blendv_epi8(nz, _mm256_sll_epi32(s, cnt), fits);
    }
};
struct ScaleU32Sat {
    __m256i operator()(__m256i s) const {
        return _mm256_andnot_si256(_mm256_cmpeq_epi32(s, _mm256_setzero_si256()), _mm256_set1_epi32(65535));
    }
};

// ---- Widening and packing ------------------------------------------------------

template <class T>
struct Wide;
template <>
struct Wide<uint8_t> {
    using Zero = ScaleU16Zero;
    using Pos = ScaleU16Pos;
    using Neg = ScaleU16Neg;
    using Sat = ScaleU16Sat;
    static __m256i pack(__m256i lo, __m256i hi) { return _mm256_packus_epi16(lo, hi); }
    static void split(__m256i a, __m256i& lo, __m256i& hi) {
        lo = _mm256_unpacklo_epi8(a, _mm256_setzero_si256());
        hi = _mm256_unpackhi_epi8(a, _mm256_setzero_si256());
    }
};
template <>
struct Wide<int16_t> {
    using Zero = ScaleI32Zero;
    using Pos = ScaleI32Pos;
    using Neg = ScaleI32Neg;
    using Sat = ScaleI32Sat;
    static __m256i pack(__m256i lo, __m256i hi) { return _mm256_packs_epi32(lo, hi); }
    static void split(__m256i a, __m256i& lo, __m256i& hi) {
        const __m256i sg = _mm256_srai_epi16(a, 15);
        lo = _mm256_unpacklo_epi16(a, sg);
        hi = _mm256_unpackhi_epi16(a, sg);
    }
};
template <>
struct Wide<uint16_t> {
    using Zero = ScaleU32Zero;
    using Pos = ScaleU32Pos;
    using Neg = ScaleU32Neg;
    using Sat = ScaleU32Sat;
    static __m256i pack(__m256i lo, __m256i hi) { return _mm256_packus_epi32(lo, hi); }
    static void split(__m256i a, __m256i& lo, __m256i& hi) {
        lo = _mm256_unpacklo_epi16(a, _mm256_setzero_si256());
        hi = _mm256_unpackhi_epi16(a, _mm256_setzero_si256());
    }
};

// Exact results through the wide lanes, then a scaler, then the pack.
template <class T, class P, class Sc>
inline __m256i wideScaled(__m256i a, __m256i b, const Sc& sc) {
    __m256i lo, hi;
    P::wide(a, b, lo, hi);
    return Wide<T>::pack(sc(lo), sc(hi));
}

// ---- Operation policies ------------------------------------------------------------

template <class T>
struct AddP;
template <class T>
struct SubRevP;  // b - a (Sub: src2 - src1)
template <class T>
struct SubFwdP;  // a - b (SubC: src - value)
template <class T>
struct MulP;

// 8u
template <>
struct AddP<uint8_t> {
    static constexpr int kZeroAbove = 9, kSatBelow = -7;
    static int64_t exact(uint8_t a, uint8_t b) { return int64_t(a) + b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        __m256i al, ah, bl, bh;
        Wide<uint8_t>::split(a, al, ah);
        Wide<uint8_t>::split(b, bl, bh);
        lo = _mm256_add_epi16(al, bl);
        hi = _mm256_add_epi16(ah, bh);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_adds_epu8(a, b); }
    // (a | b) - ((a ^ b) >> 1) is the halved sum rounded up; minus one where
    // the sum is 1 modulo 4, whose half x.5 has an even x.
    static __m256i half(__m256i a, __m256i b) {
        const __m256i up = _mm256_avg_epu8(a, b);
        const __m256i low2 = _mm256_and_si256(_mm256_add_epi8(a, b), _mm256_set1_epi8(3));
        return _mm256_add_epi8(up, _mm256_cmpeq_epi8(low2, _mm256_set1_epi8(1)));
    }
};
// Halving a non-negative difference d: d >> 1, plus one when d is 3 mod 4.
inline __m256i halfEven8(__m256i d) {
    const __m256i q = _mm256_and_si256(_mm256_srli_epi16(d, 1), _mm256_set1_epi8(0x7F));
    const __m256i three = _mm256_set1_epi8(3);
    const __m256i odd = _mm256_cmpeq_epi8(_mm256_and_si256(d, three), three);
    return _mm256_sub_epi8(q, odd);
}
template <>
struct SubRevP<uint8_t> {
    static constexpr int kZeroAbove = 8, kSatBelow = -7;
    static int64_t exact(uint8_t a, uint8_t b) { return int64_t(b) - a; }
    // Negative differences saturate to 0 at every factor.
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        Wide<uint8_t>::split(_mm256_subs_epu8(b, a), lo, hi);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epu8(b, a); }
    static __m256i half(__m256i a, __m256i b) { return halfEven8(_mm256_subs_epu8(b, a)); }
};
template <>
struct SubFwdP<uint8_t> {
    static constexpr int kZeroAbove = 8, kSatBelow = -7;
    static int64_t exact(uint8_t a, uint8_t b) { return int64_t(a) - b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        Wide<uint8_t>::split(_mm256_subs_epu8(a, b), lo, hi);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epu8(a, b); }
    static __m256i half(__m256i a, __m256i b) { return halfEven8(_mm256_subs_epu8(a, b)); }
};
template <>
struct MulP<uint8_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = -7;
    static int64_t exact(uint8_t a, uint8_t b) { return int64_t(a) * b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        __m256i al, ah, bl, bh;
        Wide<uint8_t>::split(a, al, ah);
        Wide<uint8_t>::split(b, bl, bh);
        lo = _mm256_mullo_epi16(al, bl);
        hi = _mm256_mullo_epi16(ah, bh);
    }
    static __m256i sat0(__m256i a, __m256i b) { return wideScaled<uint8_t, MulP>(a, b, ScaleU16Zero{}); }
    static __m256i half(__m256i a, __m256i b) { return wideScaled<uint8_t, MulP>(a, b, ScaleU16Pos(1)); }
};

// 16s: floor halves of sums and differences in 16-bit lanes, then the carry
// of ties to even: q + (r & q & 1) with r the dropped bit.
inline __m256i evenFix16(__m256i q, __m256i r) {
    return _mm256_add_epi16(q, _mm256_and_si256(_mm256_and_si256(r, q), _mm256_set1_epi16(1)));
}
// The same for signed lanes, saturating: 65535 / 2 rounds to 32768.
inline __m256i evenFix16s(__m256i q, __m256i r) {
    return _mm256_adds_epi16(q, _mm256_and_si256(_mm256_and_si256(r, q), _mm256_set1_epi16(1)));
}
inline __m256i halfAdd16s(__m256i a, __m256i b) {
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i q = _mm256_add_epi16(_mm256_add_epi16(_mm256_srai_epi16(a, 1), _mm256_srai_epi16(b, 1)),
                                       _mm256_and_si256(_mm256_and_si256(a, b), one));
    return evenFix16(q, _mm256_xor_si256(a, b));
}
// floor((x - y) / 2) = (x >> 1) - (y >> 1) - (y & ~x & 1).
inline __m256i halfSub16s(__m256i x, __m256i y) {
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i q = _mm256_sub_epi16(_mm256_sub_epi16(_mm256_srai_epi16(x, 1), _mm256_srai_epi16(y, 1)),
                                       _mm256_and_si256(_mm256_andnot_si256(x, y), one));
    return evenFix16s(q, _mm256_xor_si256(x, y));
}
template <>
struct AddP<int16_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = -15;
    static int64_t exact(int16_t a, int16_t b) { return int64_t(a) + b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        __m256i al, ah, bl, bh;
        Wide<int16_t>::split(a, al, ah);
        Wide<int16_t>::split(b, bl, bh);
        lo = _mm256_add_epi32(al, bl);
        hi = _mm256_add_epi32(ah, bh);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_adds_epi16(a, b); }
    static __m256i half(__m256i a, __m256i b) { return halfAdd16s(a, b); }
};
template <>
struct SubRevP<int16_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = -15;
    static int64_t exact(int16_t a, int16_t b) { return int64_t(b) - a; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        __m256i al, ah, bl, bh;
        Wide<int16_t>::split(a, al, ah);
        Wide<int16_t>::split(b, bl, bh);
        lo = _mm256_sub_epi32(bl, al);
        hi = _mm256_sub_epi32(bh, ah);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epi16(b, a); }
    static __m256i half(__m256i a, __m256i b) { return halfSub16s(b, a); }
};
template <>
struct SubFwdP<int16_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = -15;
    static int64_t exact(int16_t a, int16_t b) { return int64_t(a) - b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) { SubRevP<int16_t>::wide(b, a, lo, hi); }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epi16(a, b); }
    static __m256i half(__m256i a, __m256i b) { return halfSub16s(a, b); }
};
template <>
struct MulP<int16_t> {
    static constexpr int kZeroAbove = 30, kSatBelow = -14;
    static int64_t exact(int16_t a, int16_t b) { return int64_t(a) * b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        const __m256i l = _mm256_mullo_epi16(a, b), h = _mm256_mulhi_epi16(a, b);
        lo = _mm256_unpacklo_epi16(l, h);
        hi = _mm256_unpackhi_epi16(l, h);
    }
    static __m256i sat0(__m256i a, __m256i b) { return wideScaled<int16_t, MulP>(a, b, ScaleI32Zero{}); }
    static __m256i half(__m256i a, __m256i b) { return wideScaled<int16_t, MulP>(a, b, ScaleI32Pos(1)); }
};

// 16u
inline __m256i halfAdd16u(__m256i a, __m256i b) {
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i q = _mm256_add_epi16(_mm256_add_epi16(_mm256_srli_epi16(a, 1), _mm256_srli_epi16(b, 1)),
                                       _mm256_and_si256(_mm256_and_si256(a, b), one));
    return evenFix16(q, _mm256_xor_si256(a, b));
}
inline __m256i halfEven16(__m256i d) {
    const __m256i three = _mm256_set1_epi16(3);
    const __m256i odd = _mm256_cmpeq_epi16(_mm256_and_si256(d, three), three);
    return _mm256_sub_epi16(_mm256_srli_epi16(d, 1), odd);
}
template <>
struct AddP<uint16_t> {
    static constexpr int kZeroAbove = 17, kSatBelow = kNoSatShortcut;
    static int64_t exact(uint16_t a, uint16_t b) { return int64_t(a) + b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        __m256i al, ah, bl, bh;
        Wide<uint16_t>::split(a, al, ah);
        Wide<uint16_t>::split(b, bl, bh);
        lo = _mm256_add_epi32(al, bl);
        hi = _mm256_add_epi32(ah, bh);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_adds_epu16(a, b); }
    static __m256i half(__m256i a, __m256i b) { return halfAdd16u(a, b); }
};
template <>
struct SubRevP<uint16_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = kNoSatShortcut;
    static int64_t exact(uint16_t a, uint16_t b) { return int64_t(b) - a; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        Wide<uint16_t>::split(_mm256_subs_epu16(b, a), lo, hi);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epu16(b, a); }
    static __m256i half(__m256i a, __m256i b) { return halfEven16(_mm256_subs_epu16(b, a)); }
};
template <>
struct SubFwdP<uint16_t> {
    static constexpr int kZeroAbove = 16, kSatBelow = kNoSatShortcut;
    static int64_t exact(uint16_t a, uint16_t b) { return int64_t(a) - b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        Wide<uint16_t>::split(_mm256_subs_epu16(a, b), lo, hi);
    }
    static __m256i sat0(__m256i a, __m256i b) { return _mm256_subs_epu16(a, b); }
    static __m256i half(__m256i a, __m256i b) { return halfEven16(_mm256_subs_epu16(a, b)); }
};
template <>
struct MulP<uint16_t> {
    static constexpr int kZeroAbove = 32, kSatBelow = kNoSatShortcut;
    static int64_t exact(uint16_t a, uint16_t b) { return int64_t(a) * b; }
    static void wide(__m256i a, __m256i b, __m256i& lo, __m256i& hi) {
        const __m256i l = _mm256_mullo_epi16(a, b), h = _mm256_mulhi_epu16(a, b);
        lo = _mm256_unpacklo_epi16(l, h);
        hi = _mm256_unpackhi_epi16(l, h);
    }
    static __m256i sat0(__m256i a, __m256i b) { return wideScaled<uint16_t, MulP>(a, b, ScaleU32Zero{}); }
    static __m256i half(__m256i a, __m256i b) { return wideScaled<uint16_t, MulP>(a, b, ScaleU32Pos(1)); }
};

// ---- Functors -----------------------------------------------------------------------
// The scalar overload of every functor applies the shared rule to the exact
// result, so vector lanes and tail agree by construction of the tests.

template <class T, class P>
struct FnSat0 {
    __m256i operator()(__m256i a, __m256i b) const { return P::sat0(a, b); }
    T operator()(T a, T b) const { return sfsApply<T>(P::exact(a, b), 0); }
};
template <class T, class P>
struct FnHalf {
    __m256i operator()(__m256i a, __m256i b) const { return P::half(a, b); }
    T operator()(T a, T b) const { return sfsApply<T>(P::exact(a, b), 1); }
};
template <class T, class P, class Sc>
struct FnWide {
    Sc sc;
    int f;
    __m256i operator()(__m256i a, __m256i b) const { return wideScaled<T, P>(a, b, sc); }
    T operator()(T a, T b) const { return sfsApply<T>(P::exact(a, b), f); }
};

// Runs body(functor) with the functor for the scale factor f: 0, 1, the
// general positive factor, a negative factor, or (below the policy's lower
// threshold) the saturation-only functor. Factors above the zero threshold
// are handled by the frames with a fill.
template <class T, class P, class Body>
inline void withScale(int f, Body&& body) {
    using W = Wide<T>;
    if (f == 0) {
        FnSat0<T, P> fn;
        body(fn);
    } else if (f == 1) {
        FnHalf<T, P> fn;
        body(fn);
    } else if (f > 0) {
        FnWide<T, P, typename W::Pos> fn{typename W::Pos(f), f};
        body(fn);
    } else if (P::kSatBelow == kNoSatShortcut || f >= P::kSatBelow) {
        FnWide<T, P, typename W::Neg> fn{typename W::Neg(-f), f};
        body(fn);
    } else {
        FnWide<T, P, typename W::Sat> fn{typename W::Sat{}, f};
        body(fn);
    }
}

// ---- 32f -------------------------------------------------------------------------------
struct Add32f {
    __m256 operator()(__m256 a, __m256 b) const { return _mm256_add_ps(a, b); }
    float operator()(float a, float b) const { return a + b; }
};
struct SubRev32f {
    __m256 operator()(__m256 a, __m256 b) const { return _mm256_sub_ps(b, a); }
    float operator()(float a, float b) const { return b - a; }
};
struct SubFwd32f {
    __m256 operator()(__m256 a, __m256 b) const { return _mm256_sub_ps(a, b); }
    float operator()(float a, float b) const { return a - b; }
};
struct Mul32f {
    __m256 operator()(__m256 a, __m256 b) const { return _mm256_mul_ps(a, b); }
    float operator()(float a, float b) const { return a * b; }
};

}  // namespace kzv::arith

#endif  // KZV_PIXEL_ARITH_SFS_H
