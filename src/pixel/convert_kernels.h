// Float-to-integer rounding and the typed load/store blocks of the depth
// conversions.
//
// Interface for other families:
//  - Round and roundFromMode(): the rounding selector as conversions read it
//    (1 nearest-even, 0 toward zero, anything else half away from zero).
//  - mxcsrFor(r): the MXCSR rounding mode the cvtRound<r> helpers need. Hold
//    a kzv::MxcsrGuard(mxcsrFor(r)) around every call: nearest-even converts
//    under round-to-nearest; half-up adds +-0.5 under round-toward-zero (so
//    0.49999997 gives 0) and truncates; zero truncates.
//  - cvtRound<r>(x): 8 floats (or 4 doubles, or one scalar) to int32. The
//    input must already lie in the int32 range with NaN removed.
//  - StoreF<D, r> / StoreD<D, r>: saturate (NaN to 0), round and store 32
//    float lanes (16 double lanes) as samples of D; ::scalar() is the same
//    rule for one value. LoadF<S> / LoadD<S>: 8 (4) samples of S to float
//    (double) lanes; int32 and uint32 to float round by MXCSR.
// Scalar forms use the same instructions as the vector forms, so a vector
// body and its scalar tail cannot disagree.
#ifndef KZV_PIXEL_CONVERT_KERNELS_H
#define KZV_PIXEL_CONVERT_KERNELS_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "common/mxcsr.h"
#include "kzvi.h"

namespace kzv::cvt {

enum class Round { Zero, Nearest, HalfUp };

constexpr Round roundFromMode(int mode) {
    return mode == 1 ? Round::Nearest : mode == 0 ? Round::Zero : Round::HalfUp;
}

constexpr FpRound mxcsrFor(Round r) {
    return r == Round::HalfUp ? FpRound::Zero : FpRound::Nearest;
}

// Unaligned scalar access that is well defined for any address.
template <class T>
inline T ld(const T* p) {
    T v;
    memcpy(&v, p, sizeof(T));
    return v;
}
template <class T>
inline void st(T* p, T v) {
    memcpy(p, &v, sizeof(T));
}

// ---- Rounding -------------------------------------------------------------

template <Round R>
inline __m256i cvtRound(__m256 x) {
    if constexpr (R == Round::Nearest) {
        return _mm256_cvtps_epi32(x);
    } else if constexpr (R == Round::Zero) {
        return _mm256_cvttps_epi32(x);
    } else {
        const __m256 h = _mm256_or_ps(_mm256_and_ps(x, _mm256_set1_ps(-0.0f)), _mm256_set1_ps(0.5f));
        return _mm256_cvttps_epi32(_mm256_add_ps(x, h));
    }
}

template <Round R>
inline int32_t cvtRound(float x) {
    const __m128 v = _mm_set_ss(x);
    if constexpr (R == Round::Nearest) {
        return _mm_cvtss_si32(v);
    } else if constexpr (R == Round::Zero) {
        return _mm_cvttss_si32(v);
    } else {
        const __m128 h = _mm_or_ps(_mm_and_ps(v, _mm_set_ss(-0.0f)), _mm_set_ss(0.5f));
        return _mm_cvttss_si32(_mm_add_ss(v, h));
    }
}

template <Round R>
inline __m128i cvtRound(__m256d x) {
    if constexpr (R == Round::Nearest) {
        return _mm256_cvtpd_epi32(x);
    } else if constexpr (R == Round::Zero) {
        return _mm256_cvttpd_epi32(x);
    } else {
        const __m256d h = _mm256_or_pd(_mm256_and_pd(x, _mm256_set1_pd(-0.0)), _mm256_set1_pd(0.5));
        return _mm256_cvttpd_epi32(_mm256_add_pd(x, h));
    }
}

template <Round R>
inline int32_t cvtRound(double x) {
    const __m128d v = _mm_set_sd(x);
    if constexpr (R == Round::Nearest) {
        return _mm_cvtsd_si32(v);
    } else if constexpr (R == Round::Zero) {
        return _mm_cvttsd_si32(v);
    } else {
        const __m128d h = _mm_or_pd(_mm_and_pd(v, _mm_set_sd(-0.0)), _mm_set_sd(0.5));
        return _mm_cvttsd_si32(_mm_add_sd(v, h));
    }
}

// NaN lanes become +0.
inline __m256 zeroNan(__m256 x) {
    return _mm256_and_ps(x, _mm256_cmp_ps(x, x, _CMP_ORD_Q));
}
inline __m256d zeroNan(__m256d x) {
    return _mm256_and_pd(x, _mm256_cmp_pd(x, x, _CMP_ORD_Q));
}
inline float zeroNan(float x) {
    return x == x ? x : 0.0f;
}
inline double zeroNan(double x) {
    return x == x ? x : 0.0;
}

// Range of a small integer destination as float/double bounds.
template <class D>
struct IntRange {
    static constexpr double lo = double(std::numeric_limits<D>::min());
    static constexpr double hi = double(std::numeric_limits<D>::max());
};

// ---- Float lanes to samples -------------------------------------------------

// 32 float lanes (v[0..3], 8 each) to 32 samples of D.
template <class D, Round R>
struct StoreF;

template <bool NT>
inline void store256(void* p, __m256i v) {
    if constexpr (NT)
        _mm256_stream_si256(static_cast<__m256i*>(p), v);
    else
        _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}
template <bool NT>
inline void store128(void* p, __m128i v) {
    if constexpr (NT)
        _mm_stream_si128(static_cast<__m128i*>(p), v);
    else
        _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

// Bound by hi with NaN to 0, then round, for the saturating packs of the
// StoreF forms: values below lo (and the conversion's overflow answer
// INT32_MIN) pack to lo, so the vector form applies the upper bound only.
// For unsigned D, min(hi, NaN) returns the NaN, which converts to INT32_MIN
// and packs to 0. The scalar form clamps both ends and its callers cast.
template <class D, Round R>
inline __m256i clampRound(__m256 x) {
    const __m256 hi = _mm256_set1_ps(float(IntRange<D>::hi));
    if constexpr (std::is_signed_v<D>)
        x = _mm256_min_ps(zeroNan(x), hi);
    else
        x = _mm256_min_ps(hi, x);
    return cvtRound<R>(x);
}
template <class D, Round R>
inline int32_t clampRound(float x) {
    if constexpr (std::is_signed_v<D>) x = zeroNan(x);
    __m128 v = _mm_max_ss(_mm_set_ss(x), _mm_set_ss(float(IntRange<D>::lo)));
    v = _mm_min_ss(v, _mm_set_ss(float(IntRange<D>::hi)));
    return cvtRound<R>(_mm_cvtss_f32(v));
}

template <Round R>
struct StoreF<Kzv8u, R> {
    template <bool NT>
    static void store(Kzv8u* p, const __m256* v) {
        const __m256i ab = _mm256_packs_epi32(clampRound<Kzv8u, R>(v[0]), clampRound<Kzv8u, R>(v[1]));
        const __m256i cd = _mm256_packs_epi32(clampRound<Kzv8u, R>(v[2]), clampRound<Kzv8u, R>(v[3]));
        const __m256i r = _mm256_packus_epi16(ab, cd);
        store256<NT>(p, _mm256_permutevar8x32_epi32(r, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7)));
    }
    static Kzv8u scalar(float x) { return Kzv8u(clampRound<Kzv8u, R>(x)); }
};

template <Round R>
struct StoreF<Kzv8s, R> {
    template <bool NT>
    static void store(Kzv8s* p, const __m256* v) {
        const __m256i ab = _mm256_packs_epi32(clampRound<Kzv8s, R>(v[0]), clampRound<Kzv8s, R>(v[1]));
        const __m256i cd = _mm256_packs_epi32(clampRound<Kzv8s, R>(v[2]), clampRound<Kzv8s, R>(v[3]));
        const __m256i r = _mm256_packs_epi16(ab, cd);
        store256<NT>(p, _mm256_permutevar8x32_epi32(r, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7)));
    }
    static Kzv8s scalar(float x) { return Kzv8s(clampRound<Kzv8s, R>(x)); }
};

template <Round R>
struct StoreF<Kzv16u, R> {
    template <bool NT>
    static void store(Kzv16u* p, const __m256* v) {
        for (int k = 0; k < 2; ++k) {
            const __m256i r = _mm256_packus_epi32(clampRound<Kzv16u, R>(v[2 * k]), clampRound<Kzv16u, R>(v[2 * k + 1]));
            store256<NT>(p + 16 * k, _mm256_permute4x64_epi64(r, 0xD8));
        }
    }
    static Kzv16u scalar(float x) { return Kzv16u(clampRound<Kzv16u, R>(x)); }
};

template <Round R>
struct StoreF<Kzv16s, R> {
    template <bool NT>
    static void store(Kzv16s* p, const __m256* v) {
        for (int k = 0; k < 2; ++k) {
            const __m256i r = _mm256_packs_epi32(clampRound<Kzv16s, R>(v[2 * k]), clampRound<Kzv16s, R>(v[2 * k + 1]));
            store256<NT>(p + 16 * k, _mm256_permute4x64_epi64(r, 0xD8));
        }
    }
    static Kzv16s scalar(float x) { return Kzv16s(clampRound<Kzv16s, R>(x)); }
};

// int32: values at or above 2^31 saturate to the maximum; the conversion's
// out-of-range answer 0x80000000 is already the minimum for the others.
template <Round R>
inline __m256i toInt32(__m256 x) {
    x = zeroNan(x);
    const __m256i r = cvtRound<R>(x);
    const __m256 big = _mm256_cmp_ps(x, _mm256_set1_ps(2147483648.0f), _CMP_GE_OQ);
    return _mm256_xor_si256(r, _mm256_and_si256(_mm256_castps_si256(big), _mm256_set1_epi32(-1)));
}
template <Round R>
inline int32_t toInt32(float x) {
    x = zeroNan(x);
    if (x >= 2147483648.0f) return INT32_MAX;
    return cvtRound<R>(x);  // below -2^31 the conversion answers INT32_MIN
}

// uint32: clamp at 0, convert [2^31, 2^32) as x - 2^31 with the top bit set
// back, saturate from 2^32.
template <Round R>
inline __m256i toUint32(__m256 x) {
    x = _mm256_max_ps(x, _mm256_setzero_ps());
    const __m256 two31 = _mm256_set1_ps(2147483648.0f);
    const __m256 big = _mm256_cmp_ps(x, two31, _CMP_GE_OQ);
    const __m256 sat = _mm256_cmp_ps(x, _mm256_set1_ps(4294967296.0f), _CMP_GE_OQ);
    const __m256 y = _mm256_sub_ps(x, _mm256_and_ps(big, two31));
    __m256i r = cvtRound<R>(y);
    r = _mm256_or_si256(r, _mm256_and_si256(_mm256_castps_si256(big), _mm256_set1_epi32(INT32_MIN)));
    return _mm256_or_si256(r, _mm256_castps_si256(sat));
}
template <Round R>
inline uint32_t toUint32(float x) {
    x = _mm_cvtss_f32(_mm_max_ss(_mm_set_ss(x), _mm_setzero_ps()));
    if (x >= 4294967296.0f) return UINT32_MAX;
    if (x >= 2147483648.0f) return uint32_t(cvtRound<R>(x - 2147483648.0f)) | 0x80000000u;
    return uint32_t(cvtRound<R>(x));
}

template <Round R>
struct StoreF<Kzv32s, R> {
    template <bool NT>
    static void store(Kzv32s* p, const __m256* v) {
        for (int k = 0; k < 4; ++k) store256<NT>(p + 8 * k, toInt32<R>(v[k]));
    }
    static Kzv32s scalar(float x) { return toInt32<R>(x); }
};

template <Round R>
struct StoreF<Kzv32u, R> {
    template <bool NT>
    static void store(Kzv32u* p, const __m256* v) {
        for (int k = 0; k < 4; ++k) store256<NT>(p + 8 * k, toUint32<R>(v[k]));
    }
    static Kzv32u scalar(float x) { return toUint32<R>(x); }
};

template <Round R>
struct StoreF<Kzv32f, R> {
    template <bool NT>
    static void store(Kzv32f* p, const __m256* v) {
        for (int k = 0; k < 4; ++k) store256<NT>(p + 8 * k, _mm256_castps_si256(v[k]));
    }
    static Kzv32f scalar(float x) { return x; }
};

template <Round R>
struct StoreF<Kzv64f, R> {
    template <bool NT>
    static void store(Kzv64f* p, const __m256* v) {
        for (int k = 0; k < 4; ++k) {
            store256<NT>(p + 8 * k, _mm256_castpd_si256(_mm256_cvtps_pd(_mm256_castps256_ps128(v[k]))));
            store256<NT>(p + 8 * k + 4, _mm256_castpd_si256(_mm256_cvtps_pd(_mm256_extractf128_ps(v[k], 1))));
        }
    }
    static Kzv64f scalar(float x) { return double(x); }
};

// ---- Double lanes to samples --------------------------------------------------

// 16 double lanes (v[0..3], 4 each) to 16 samples of D.
template <class D, Round R>
struct StoreD;

template <class D, Round R>
inline __m128i clampRoundD(__m256d x) {
    if constexpr (std::is_signed_v<D>) x = zeroNan(x);
    x = _mm256_min_pd(_mm256_max_pd(x, _mm256_set1_pd(IntRange<D>::lo)), _mm256_set1_pd(IntRange<D>::hi));
    return cvtRound<R>(x);
}
template <class D, Round R>
inline int32_t clampRoundD(double x) {
    if constexpr (std::is_signed_v<D>) x = zeroNan(x);
    __m128d v = _mm_max_sd(_mm_set_sd(x), _mm_set_sd(IntRange<D>::lo));
    v = _mm_min_sd(v, _mm_set_sd(IntRange<D>::hi));
    return cvtRound<R>(_mm_cvtsd_f64(v));
}

// Two groups of 8 int32 from 16 clamped double lanes.
template <class D, Round R>
inline void int32x16(const __m256d* v, __m256i& lo, __m256i& hi) {
    lo = _mm256_set_m128i(clampRoundD<D, R>(v[1]), clampRoundD<D, R>(v[0]));
    hi = _mm256_set_m128i(clampRoundD<D, R>(v[3]), clampRoundD<D, R>(v[2]));
}

template <Round R>
struct StoreD<Kzv8u, R> {
    template <bool NT>
    static void store(Kzv8u* p, const __m256d* v) {
        __m256i lo, hi;
        int32x16<Kzv8u, R>(v, lo, hi);
        const __m256i w = _mm256_permute4x64_epi64(_mm256_packs_epi32(lo, hi), 0xD8);
        store128<NT>(p, _mm_packus_epi16(_mm256_castsi256_si128(w), _mm256_extracti128_si256(w, 1)));
    }
    static Kzv8u scalar(double x) { return Kzv8u(clampRoundD<Kzv8u, R>(x)); }
};

template <Round R>
struct StoreD<Kzv8s, R> {
    template <bool NT>
    static void store(Kzv8s* p, const __m256d* v) {
        __m256i lo, hi;
        int32x16<Kzv8s, R>(v, lo, hi);
        const __m256i w = _mm256_permute4x64_epi64(_mm256_packs_epi32(lo, hi), 0xD8);
        store128<NT>(p, _mm_packs_epi16(_mm256_castsi256_si128(w), _mm256_extracti128_si256(w, 1)));
    }
    static Kzv8s scalar(double x) { return Kzv8s(clampRoundD<Kzv8s, R>(x)); }
};

template <Round R>
struct StoreD<Kzv16u, R> {
    template <bool NT>
    static void store(Kzv16u* p, const __m256d* v) {
        __m256i lo, hi;
        int32x16<Kzv16u, R>(v, lo, hi);
        store256<NT>(p, _mm256_permute4x64_epi64(_mm256_packus_epi32(lo, hi), 0xD8));
    }
    static Kzv16u scalar(double x) { return Kzv16u(clampRoundD<Kzv16u, R>(x)); }
};

template <Round R>
struct StoreD<Kzv16s, R> {
    template <bool NT>
    static void store(Kzv16s* p, const __m256d* v) {
        __m256i lo, hi;
        int32x16<Kzv16s, R>(v, lo, hi);
        store256<NT>(p, _mm256_permute4x64_epi64(_mm256_packs_epi32(lo, hi), 0xD8));
    }
    static Kzv16s scalar(double x) { return Kzv16s(clampRoundD<Kzv16s, R>(x)); }
};

template <Round R>
struct StoreD<Kzv32s, R> {
    template <bool NT>
    static void store(Kzv32s* p, const __m256d* v) {
        __m256i lo, hi;
        int32x16<Kzv32s, R>(v, lo, hi);
        store256<NT>(p, lo);
        store256<NT>(p + 8, hi);
    }
    static Kzv32s scalar(double x) { return clampRoundD<Kzv32s, R>(x); }
};

// uint32 from doubles: clamp to [0, 2^32 - 1], convert the upper half as
// x - 2^31 with the top bit set back.
template <Round R>
inline __m128i toUint32D(__m256d x) {
    x = _mm256_min_pd(_mm256_max_pd(x, _mm256_setzero_pd()), _mm256_set1_pd(4294967295.0));
    const __m256d two31 = _mm256_set1_pd(2147483648.0);
    const __m256d big = _mm256_cmp_pd(x, two31, _CMP_GE_OQ);
    const __m128i r = cvtRound<R>(_mm256_sub_pd(x, _mm256_and_pd(big, two31)));
    // Narrow the 64-bit lane masks to 32-bit lanes.
    const __m256i m = _mm256_permutevar8x32_epi32(_mm256_castpd_si256(big), _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7));
    return _mm_or_si128(r, _mm_and_si128(_mm256_castsi256_si128(m), _mm_set1_epi32(INT32_MIN)));
}
template <Round R>
inline uint32_t toUint32D(double x) {
    __m128d v = _mm_max_sd(_mm_set_sd(x), _mm_setzero_pd());
    x = _mm_cvtsd_f64(_mm_min_sd(v, _mm_set_sd(4294967295.0)));
    if (x >= 2147483648.0) return uint32_t(cvtRound<R>(x - 2147483648.0)) | 0x80000000u;
    return uint32_t(cvtRound<R>(x));
}

template <Round R>
struct StoreD<Kzv32u, R> {
    template <bool NT>
    static void store(Kzv32u* p, const __m256d* v) {
        store256<NT>(p, _mm256_set_m128i(toUint32D<R>(v[1]), toUint32D<R>(v[0])));
        store256<NT>(p + 8, _mm256_set_m128i(toUint32D<R>(v[3]), toUint32D<R>(v[2])));
    }
    static Kzv32u scalar(double x) { return toUint32D<R>(x); }
};

template <Round R>
struct StoreD<Kzv32f, R> {
    template <bool NT>
    static void store(Kzv32f* p, const __m256d* v) {
        for (int k = 0; k < 2; ++k) {
            const __m256 f = _mm256_set_m128(_mm256_cvtpd_ps(v[2 * k + 1]), _mm256_cvtpd_ps(v[2 * k]));
            store256<NT>(p + 8 * k, _mm256_castps_si256(f));
        }
    }
    static Kzv32f scalar(double x) { return _mm_cvtss_f32(_mm_cvtsd_ss(_mm_setzero_ps(), _mm_set_sd(x))); }
};

template <Round R>
struct StoreD<Kzv64f, R> {
    template <bool NT>
    static void store(Kzv64f* p, const __m256d* v) {
        for (int k = 0; k < 4; ++k) store256<NT>(p + 4 * k, _mm256_castpd_si256(v[k]));
    }
    static Kzv64f scalar(double x) { return x; }
};

// ---- Samples to float / double lanes -----------------------------------------

template <class S>
struct LoadF;

inline __m128i load64(const void* p) {
    return _mm_loadl_epi64(static_cast<const __m128i*>(p));
}
inline __m128i load32(const void* p) {
    return _mm_cvtsi32_si128(ld(static_cast<const int32_t*>(p)));
}

template <>
struct LoadF<Kzv8u> {
    static __m256 load(const Kzv8u* p) { return _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(load64(p))); }
    static float scalar(Kzv8u v) { return float(v); }
};
template <>
struct LoadF<Kzv8s> {
    static __m256 load(const Kzv8s* p) { return _mm256_cvtepi32_ps(_mm256_cvtepi8_epi32(load64(p))); }
    static float scalar(Kzv8s v) { return float(v); }
};
template <>
struct LoadF<Kzv16u> {
    static __m256 load(const Kzv16u* p) {
        return _mm256_cvtepi32_ps(_mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))));
    }
    static float scalar(Kzv16u v) { return float(v); }
};
template <>
struct LoadF<Kzv16s> {
    static __m256 load(const Kzv16s* p) {
        return _mm256_cvtepi32_ps(_mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))));
    }
    static float scalar(Kzv16s v) { return float(v); }
};
// int32 to float rounds by MXCSR.
template <>
struct LoadF<Kzv32s> {
    static __m256 load(const Kzv32s* p) {
        return _mm256_cvtepi32_ps(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
    }
    static float scalar(Kzv32s v) { return _mm_cvtss_f32(_mm_cvtsi32_ss(_mm_setzero_ps(), v)); }
};
// uint32 as hi * 65536 + lo: both parts and the product are exact, the sum
// rounds once (by MXCSR).
template <>
struct LoadF<Kzv32u> {
    static __m256 load(const Kzv32u* p) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256 hi = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_srli_epi32(v, 16)), _mm256_set1_ps(65536.0f));
        return _mm256_add_ps(hi, _mm256_cvtepi32_ps(_mm256_and_si256(v, _mm256_set1_epi32(0xFFFF))));
    }
    static float scalar(Kzv32u v) {
        const __m128 hi = _mm_mul_ss(_mm_cvtsi32_ss(_mm_setzero_ps(), int32_t(v >> 16)), _mm_set_ss(65536.0f));
        return _mm_cvtss_f32(_mm_add_ss(hi, _mm_cvtsi32_ss(_mm_setzero_ps(), int32_t(v & 0xFFFF))));
    }
};
template <>
struct LoadF<Kzv32f> {
    static __m256 load(const Kzv32f* p) { return _mm256_loadu_ps(p); }
    static float scalar(Kzv32f v) { return v; }
};
// double to float rounds by MXCSR.
template <>
struct LoadF<Kzv64f> {
    static __m256 load(const Kzv64f* p) {
        return _mm256_set_m128(_mm256_cvtpd_ps(_mm256_loadu_pd(p + 4)), _mm256_cvtpd_ps(_mm256_loadu_pd(p)));
    }
    static float scalar(Kzv64f v) { return _mm_cvtss_f32(_mm_cvtsd_ss(_mm_setzero_ps(), _mm_set_sd(v))); }
};

// Keeps a loaded value in a register, so the widening conversions below
// are not folded into their memory-operand form (which an i386 emulator used
// in testing reads as 32 bytes, past the 16 the instruction needs).
inline __m128i inReg(__m128i v) {
    __asm__("" : "+x"(v));
    return v;
}
inline __m128 inReg(__m128 v) {
    __asm__("" : "+x"(v));
    return v;
}

// 4 samples to double lanes; every integer type converts exactly.
template <class S>
struct LoadD;

template <>
struct LoadD<Kzv8u> {
    static __m256d load(const Kzv8u* p) { return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(load32(p))); }
    static double scalar(Kzv8u v) { return double(v); }
};
template <>
struct LoadD<Kzv8s> {
    static __m256d load(const Kzv8s* p) { return _mm256_cvtepi32_pd(_mm_cvtepi8_epi32(load32(p))); }
    static double scalar(Kzv8s v) { return double(v); }
};
template <>
struct LoadD<Kzv16u> {
    static __m256d load(const Kzv16u* p) { return _mm256_cvtepi32_pd(_mm_cvtepu16_epi32(load64(p))); }
    static double scalar(Kzv16u v) { return double(v); }
};
template <>
struct LoadD<Kzv16s> {
    static __m256d load(const Kzv16s* p) { return _mm256_cvtepi32_pd(_mm_cvtepi16_epi32(load64(p))); }
    static double scalar(Kzv16s v) { return double(v); }
};
template <>
struct LoadD<Kzv32s> {
    static __m256d load(const Kzv32s* p) {
        return _mm256_cvtepi32_pd(inReg(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))));
    }
    static double scalar(Kzv32s v) { return double(v); }
};
template <>
struct LoadD<Kzv32u> {
    static __m256d load(const Kzv32u* p) {
        const __m128i v =
            _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi32(INT32_MIN));
        return _mm256_add_pd(_mm256_cvtepi32_pd(v), _mm256_set1_pd(2147483648.0));
    }
    static double scalar(Kzv32u v) { return double(v); }
};
template <>
struct LoadD<Kzv32f> {
    static __m256d load(const Kzv32f* p) { return _mm256_cvtps_pd(inReg(_mm_loadu_ps(p))); }
    static double scalar(Kzv32f v) { return double(v); }
};
template <>
struct LoadD<Kzv64f> {
    static __m256d load(const Kzv64f* p) { return _mm256_loadu_pd(p); }
    static double scalar(Kzv64f v) { return v; }
};

}  // namespace kzv::cvt

#endif  // KZV_PIXEL_CONVERT_KERNELS_H
