// Row functors and frames of the Convert family. Shared by the Convert
// exports and by ScaleC, whose identity calls become plain conversions.
#ifndef KZV_PIXEL_CONVERT_OPS_H
#define KZV_PIXEL_CONVERT_OPS_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>

#include <cmath>
#include <type_traits>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "pixel/convert_frame.h"
#include "pixel/convert_kernels.h"

namespace kzv::cvt {

template <class T>
constexpr bool isFloat = std::is_floating_point_v<T>;

// ---- Lane transforms ----------------------------------------------------------

struct Ident {
    __m256 operator()(__m256 v) const { return v; }
    float operator()(float v) const { return v; }
    __m256d operator()(__m256d v) const { return v; }
    double operator()(double v) const { return v; }
};

// Multiplication by 2^k in two exact steps, so that k beyond one factor's
// exponent range still gives the exact product.
struct Pow2F {
    float f1, f2;
    Pow2F(int k) {
        k = k < -160 ? -160 : k > 200 ? 200 : k;  // beyond: every result is 0 or saturated
        f1 = std::ldexp(1.0f, k / 2);
        f2 = std::ldexp(1.0f, k - k / 2);
    }
    __m256 operator()(__m256 v) const {
        return _mm256_mul_ps(_mm256_mul_ps(v, _mm256_set1_ps(f1)), _mm256_set1_ps(f2));
    }
    float operator()(float v) const {
        return _mm_cvtss_f32(_mm_mul_ss(_mm_mul_ss(_mm_set_ss(v), _mm_set_ss(f1)), _mm_set_ss(f2)));
    }
};
struct Pow2D {
    double f1, f2;
    Pow2D(int k, int lo, int hi) {
        k = k < lo ? lo : k > hi ? hi : k;
        f1 = std::ldexp(1.0, k / 2);
        f2 = std::ldexp(1.0, k - k / 2);
    }
    __m256d operator()(__m256d v) const {
        return _mm256_mul_pd(_mm256_mul_pd(v, _mm256_set1_pd(f1)), _mm256_set1_pd(f2));
    }
    double operator()(double v) const {
        return _mm_cvtsd_f64(_mm_mul_sd(_mm_mul_sd(_mm_set_sd(v), _mm_set_sd(f1)), _mm_set_sd(f2)));
    }
};

// ---- Row functors ---------------------------------------------------------------

// Samples through float lanes: load S, transform, round and saturate to D.
template <class S, class D, Round R, class X>
struct FPipe {
    using Src = S;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 32;
    X x;
    template <bool NT>
    void block(const S* s, D* d) const {
        __m256 v[4];
        for (int k = 0; k < 4; ++k) v[k] = x(LoadF<S>::load(s + 8 * k));
        StoreF<D, R>::template store<NT>(d, v);
    }
    D operator()(S v) const { return StoreF<D, R>::scalar(x(LoadF<S>::scalar(v))); }
};

// The same through double lanes.
template <class S, class D, Round R, class X>
struct DPipe {
    using Src = S;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 16;
    X x;
    template <bool NT>
    void block(const S* s, D* d) const {
        __m256d v[4];
        for (int k = 0; k < 4; ++k) v[k] = x(LoadD<S>::load(s + 4 * k));
        StoreD<D, R>::template store<NT>(d, v);
    }
    D operator()(S v) const { return StoreD<D, R>::scalar(x(LoadD<S>::scalar(v))); }
};

// 32 bytes of D-sized lanes from the matching count of S samples, extended
// by the source's signedness.
template <class S, class D>
inline __m256i widenChunk(const S* p) {
    constexpr bool sgn = std::is_signed_v<S>;
    if constexpr (sizeof(S) == sizeof(D)) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    } else if constexpr (sizeof(S) == 1 && sizeof(D) == 2) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return sgn ? _mm256_cvtepi8_epi16(v) : _mm256_cvtepu8_epi16(v);
    } else if constexpr (sizeof(S) == 1 && sizeof(D) == 4) {
        const __m128i v = load64(p);
        return sgn ? _mm256_cvtepi8_epi32(v) : _mm256_cvtepu8_epi32(v);
    } else {
        static_assert(sizeof(S) == 2 && sizeof(D) == 4, "widening");
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return sgn ? _mm256_cvtepi16_epi32(v) : _mm256_cvtepu16_epi32(v);
    }
}

// Exact integer widening.
template <class S, class D>
struct IntWiden {
    using Src = S;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 32;
    static constexpr ptrdiff_t E = 32 / ptrdiff_t(sizeof(D));
    template <bool NT>
    void block(const S* s, D* d) const {
        for (ptrdiff_t k = 0; k < kBlock; k += E) store256<NT>(d + k, widenChunk<S, D>(s + k));
    }
    D operator()(S v) const { return D(v); }
};

// Negative values to 0, others unchanged (signed source, unsigned result).
template <class S, class D>
struct ClampZero {
    using Src = S;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 32;
    static constexpr ptrdiff_t E = 32 / ptrdiff_t(sizeof(D));
    template <bool NT>
    void block(const S* s, D* d) const {
        const __m256i z = _mm256_setzero_si256();
        for (ptrdiff_t k = 0; k < kBlock; k += E) {
            const __m256i v = widenChunk<S, D>(s + k);
            __m256i r;
            if constexpr (sizeof(D) == 1)
                r = _mm256_max_epi8(v, z);
            else if constexpr (sizeof(D) == 2)
                r = _mm256_max_epi16(v, z);
            else
                r = _mm256_max_epi32(v, z);
            store256<NT>(d + k, r);
        }
    }
    D operator()(S v) const { return v < 0 ? D(0) : D(v); }
};

// Saturating integer narrowing: 16u8u, 16s8u, 32s8u, 32s8s.
template <class S, class D>
struct IntNarrow {
    using Src = S;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 32;
    static __m256i ld256(const S* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    template <bool NT>
    void block(const S* s, D* d) const {
        __m256i r;
        if constexpr (sizeof(S) == 2) {
            __m256i a = ld256(s), b = ld256(s + 16);
            if constexpr (std::is_unsigned_v<S>) {
                a = _mm256_min_epu16(a, _mm256_set1_epi16(255));
                b = _mm256_min_epu16(b, _mm256_set1_epi16(255));
            }
            r = _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8);
        } else {
            const __m256i ab = _mm256_packs_epi32(ld256(s), ld256(s + 8));
            const __m256i cd = _mm256_packs_epi32(ld256(s + 16), ld256(s + 24));
            const __m256i p = std::is_unsigned_v<D> ? _mm256_packus_epi16(ab, cd) : _mm256_packs_epi16(ab, cd);
            r = _mm256_permutevar8x32_epi32(p, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
        }
        store256<NT>(d, r);
    }
    D operator()(S v) const { return saturate<D>(v); }
};

// ---- Store-path decisions -------------------------------------------------------

// Conversions stream when the bytes moved exceed the threshold and reach the
// largest cache.
template <class S, class D>
inline bool streamConvert(Lay l, KzvImageSize roi, const Tuning& t) {
    if (l == Lay::AC4) return false;
    const int64_t bytes = bytesMoved<S, D>(l, roi);
    return bytes > t.streamMinBytes && reachesCache(bytes, t.cacheBytes);
}

// Scaled conversions to 8-bit samples also need rows at least a cache line
// wide (the line size raised to 32).
template <class S, class D>
inline bool streamScaled8(KzvImageSize roi, const Tuning& t) {
    const int64_t line = t.lineBytes < 32 ? 32 : t.lineBytes;
    return roi.width >= line && reachesCache(bytesMoved<S, D>(Lay::C1, roi), t.cacheBytes);
}

// ---- Frames -----------------------------------------------------------------------

// Widening and integer narrowing. Checked: steps below 1 fail with -16.
template <class S, class D, Lay L, bool Checked>
inline KzvStatus convertPlain(const S* pSrc, int32_t srcStep, D* pDst, int32_t dstStep, KzvImageSize roi,
                              const Tuning& t) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (Checked && anyBadStep(srcStep, dstStep)) return kzvStatusStepErr;
    const bool nt = streamConvert<S, D>(L, roi, t);
    if constexpr (!isFloat<S> && !isFloat<D> && sizeof(D) > sizeof(S)) {
        walk<L>(pSrc, srcStep, pDst, dstStep, roi, IntWiden<S, D>{}, nt);
    } else if constexpr (!isFloat<S> && !isFloat<D>) {
        walk<L>(pSrc, srcStep, pDst, dstStep, roi, IntNarrow<S, D>{}, nt);
    } else if constexpr (std::is_same_v<D, Kzv32f>) {
        MxcsrGuard g(FpRound::Nearest);  // int32 and uint32 round to the nearest float
        walk<L>(pSrc, srcStep, pDst, dstStep, roi, FPipe<S, D, Round::Nearest, Ident>{}, nt);
    } else {
        static_assert(std::is_same_v<D, Kzv64f>, "widening to double");
        walk<L>(pSrc, srcStep, pDst, dstStep, roi, DPipe<S, D, Round::Nearest, Ident>{}, nt);
    }
    return kzvStatusOk;
}

template <class D, Lay L, Round R>
inline void convertRoundRun(const Kzv32f* pSrc, int32_t srcStep, D* pDst, int32_t dstStep, KzvImageSize roi, bool nt) {
    MxcsrGuard g(mxcsrFor(R));
    walk<L>(pSrc, srcStep, pDst, dstStep, roi, FPipe<Kzv32f, D, R, Ident>{}, nt);
}

// Float to integer with a rounding mode; steps checked.
template <class D, Lay L>
inline KzvStatus convertRound(const Kzv32f* pSrc, int32_t srcStep, D* pDst, int32_t dstStep, KzvImageSize roi,
                              int roundMode, const Tuning& t) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (anyBadStep(srcStep, dstStep)) return kzvStatusStepErr;
    const bool nt = streamConvert<Kzv32f, D>(L, roi, t);
    switch (roundFromMode(roundMode)) {
        case Round::Nearest:
            convertRoundRun<D, L, Round::Nearest>(pSrc, srcStep, pDst, dstStep, roi, nt);
            break;
        case Round::Zero:
            convertRoundRun<D, L, Round::Zero>(pSrc, srcStep, pDst, dstStep, roi, nt);
            break;
        default:
            convertRoundRun<D, L, Round::HalfUp>(pSrc, srcStep, pDst, dstStep, roi, nt);
            break;
    }
    return kzvStatusOk;
}

// src * 2^-scaleFactor, rounded and saturated: float sources in single
// precision, double and integer sources in double precision (exact for
// every integer source, the factor clamped where results stop changing).
template <class S, class D, Round R>
inline void convertSfsRun(const S* pSrc, ptrdiff_t srcStep, D* pDst, ptrdiff_t dstStep, KzvImageSize roi,
                          int32_t scaleFactor, bool nt) {
    MxcsrGuard g(mxcsrFor(R));
    const int k = scaleFactor < -100000 ? 100000 : scaleFactor > 100000 ? -100000 : -int(scaleFactor);
    if constexpr (std::is_same_v<S, Kzv32f>) {
        walk<Lay::C1>(pSrc, srcStep, pDst, dstStep, roi, FPipe<S, D, R, Pow2F>{Pow2F(k)}, nt);
    } else if constexpr (std::is_same_v<S, Kzv64f>) {
        walk<Lay::C1>(pSrc, srcStep, pDst, dstStep, roi, DPipe<S, D, R, Pow2D>{Pow2D(k, -1100, 1200)}, nt);
    } else {
        walk<Lay::C1>(pSrc, srcStep, pDst, dstStep, roi, DPipe<S, D, R, Pow2D>{Pow2D(k, -40, 40)}, nt);
    }
}

template <class S, class D>
inline void convertSfsAny(const S* pSrc, ptrdiff_t srcStep, D* pDst, ptrdiff_t dstStep, KzvImageSize roi, int roundMode,
                          int32_t scaleFactor, const Tuning& t) {
    const bool nt = sizeof(D) == 1 ? streamScaled8<S, D>(roi, t) : streamConvert<S, D>(Lay::C1, roi, t);
    switch (roundFromMode(roundMode)) {
        case Round::Nearest:
            convertSfsRun<S, D, Round::Nearest>(pSrc, srcStep, pDst, dstStep, roi, scaleFactor, nt);
            break;
        case Round::Zero:
            convertSfsRun<S, D, Round::Zero>(pSrc, srcStep, pDst, dstStep, roi, scaleFactor, nt);
            break;
        default:
            convertSfsRun<S, D, Round::HalfUp>(pSrc, srcStep, pDst, dstStep, roi, scaleFactor, nt);
            break;
    }
}

// Scaled conversions check pointers and size only; steps are used as given.
template <class S, class D>
inline KzvStatus convertSfs(const S* pSrc, int32_t srcStep, D* pDst, int32_t dstStep, KzvImageSize roi, int roundMode,
                            int32_t scaleFactor, const Tuning& t) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    convertSfsAny(pSrc, srcStep, pDst, dstStep, roi, roundMode, scaleFactor, t);
    return kzvStatusOk;
}

// Clamping at zero; pointers and size checked, steps used as given.
template <class S, class D>
inline KzvStatus convertRs(const S* pSrc, int32_t srcStep, D* pDst, int32_t dstStep, KzvImageSize roi,
                           const Tuning& t) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    walk<Lay::C1>(pSrc, srcStep, pDst, dstStep, roi, ClampZero<S, D>{}, streamConvert<S, D>(Lay::C1, roi, t));
    return kzvStatusOk;
}

// ---- Which Convert function a type pair has -------------------------------------

enum class ConvertKind { None, Plain, PlainUnchecked, Round, Sfs, Rs };

template <class S, class D>
constexpr ConvertKind convertKindOf() {
    using namespace std;
    constexpr bool u8 = is_same_v<S, Kzv8u>, s8 = is_same_v<S, Kzv8s>, u16 = is_same_v<S, Kzv16u>,
                   s16 = is_same_v<S, Kzv16s>, u32 = is_same_v<S, Kzv32u>, s32 = is_same_v<S, Kzv32s>,
                   f32 = is_same_v<S, Kzv32f>, f64 = is_same_v<S, Kzv64f>;
    constexpr bool d8u = is_same_v<D, Kzv8u>, d8s = is_same_v<D, Kzv8s>, d16u = is_same_v<D, Kzv16u>,
                   d16s = is_same_v<D, Kzv16s>, d32u = is_same_v<D, Kzv32u>, d32s = is_same_v<D, Kzv32s>,
                   d32f = is_same_v<D, Kzv32f>, d64f = is_same_v<D, Kzv64f>;
    if ((s16 && d32s) || (u16 && (d32s || d32u)) || (s32 && d32f) || (u32 && d32f) || (s8 && d16s))
        return ConvertKind::PlainUnchecked;
    if ((u8 && (d16u || d16s || d32s || d32f)) || (s8 && (d32s || d32f || d64f)) || (u16 && d32f) || (s16 && d32f) ||
        (u16 && d8u) || (s16 && d8u) || (s32 && (d8u || d8s)))
        return ConvertKind::Plain;
    if (f32 && (d8u || d8s || d16u || d16s)) return ConvertKind::Round;
    if ((u8 && d8s) || (s16 && d8s) || (u16 && (d8s || d16s)) || (s32 && (d16s || d16u)) ||
        (u32 && (d8u || d8s || d16u || d16s || d32s)) || (f32 && (d32s || d32u)) ||
        (f64 && (d8u || d8s || d16u || d16s)))
        return ConvertKind::Sfs;
    if ((s16 && (d16u || d32u)) || (s32 && d32u) || (s8 && (d16u || d32u || d8u))) return ConvertKind::Rs;
    return ConvertKind::None;
}

}  // namespace kzv::cvt

#endif  // KZV_PIXEL_CONVERT_OPS_H
