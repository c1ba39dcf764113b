// Row routines of the per-sample pixel families (logic, shifts, extremes,
// fixed thresholds): a row is a run of samples, processed 32 bytes at a time
// by a functor with a vector and a scalar overload. Per-channel constants
// are broadcast into repeating vector patterns; AC4 rows blend the
// destination's alpha samples back in.
#ifndef KZV_PIXEL_LOGIC_ROWS_H
#define KZV_PIXEL_LOGIC_ROWS_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "common/frame.h"
#include "common/simd.h"

namespace kzv::pix {

// Layout code of the four-channel form whose fourth sample is kept.
constexpr int kAC4 = 5;

// Samples per pixel and constants per pixel of a layout code.
template <int CH>
constexpr int kSamples = CH == kAC4 ? 4 : CH;
template <int CH>
constexpr int kConsts = CH == kAC4 ? 3 : CH;

// A one-channel constant is passed by value, the others as arrays.
template <class T, int CH>
using ConstArg = std::conditional_t<CH == 1, T, const T*>;

template <class T, int CH>
inline const T* constPtr(const ConstArg<T, CH>& v) {
    if constexpr (CH == 1) return &v;
    else return v;
}

// Lanes holding colour samples of four-sample pixels (all but every fourth).
template <class T>
inline __m256i colourLanes() {
    if constexpr (sizeof(T) == 1) return _mm256_set1_epi32(0x00FFFFFF);
    else if constexpr (sizeof(T) == 2) return _mm256_set1_epi64x(0x0000FFFFFFFFFFFFll);
    else return _mm256_setr_epi32(-1, -1, -1, 0, -1, -1, -1, 0);
}

// K per-channel constants of a layout, as scalars (c[channel][k]) and as
// vector patterns (v[phase][k]). Three-sample pixels repeat every 96 bytes,
// so their patterns have three phases; the others repeat within a vector.
template <class T, int CH, int K>
struct ConstPattern {
    static constexpr int P = kSamples<CH>;
    static constexpr int kPhases = P == 3 ? 3 : 1;
    static constexpr int E = int(32 / sizeof(T));
    T c[4][K];
    __m256i v[kPhases][K];

    // vals[k] points at the kConsts<CH> values of constant k.
    explicit ConstPattern(const T* const* vals) {
        for (int ch = 0; ch < 4; ++ch)
            for (int k = 0; k < K; ++k) c[ch][k] = ch < kConsts<CH> ? vals[k][ch] : T(0);
        for (int ph = 0; ph < kPhases; ++ph) {
            for (int k = 0; k < K; ++k) {
                T lanes[E];
                for (int j = 0; j < E; ++j) lanes[j] = c[(ph * E + j) % P][k];
                memcpy(&v[ph][k], lanes, 32);
            }
        }
    }
};

// One-source row with per-channel constants: d[i] = f(s[i], c[channel]).
// Tail: the scalar functor for the last partial block (rows may be in place).
template <class T, int CH, int K, class F>
inline void rowConst(const T* s, T* d, ptrdiff_t n, const ConstPattern<T, CH, K>& p, const F& f) {
    using Pat = ConstPattern<T, CH, K>;
    constexpr int E = Pat::E;
    constexpr int Ph = Pat::kPhases;
    constexpr int P = Pat::P;
    ptrdiff_t i = 0;
    if constexpr (CH == kAC4) {
        const __m256i keep = colourLanes<T>();
        for (; i + E <= n; i += E) {
            const __m256i r = f(simd::loadu(s + i), p.v[0]);
            simd::storeu(d + i, _mm256_blendv_epi8(simd::loadu(d + i), r, keep));
        }
    } else if constexpr (Ph == 1) {
        for (; i + 2 * E <= n; i += 2 * E) {
            const __m256i r0 = f(simd::loadu(s + i), p.v[0]);
            const __m256i r1 = f(simd::loadu(s + i + E), p.v[0]);
            simd::storeu(d + i, r0);
            simd::storeu(d + i + E, r1);
        }
        for (; i + E <= n; i += E) simd::storeu(d + i, f(simd::loadu(s + i), p.v[0]));
    } else {
        for (; i + Ph * E <= n; i += Ph * E) {
            for (int ph = 0; ph < Ph; ++ph) simd::storeu(d + i + ph * E, f(simd::loadu(s + i + ph * E), p.v[ph]));
        }
    }
    for (; i < n; ++i) {
        const int ch = int(i % P);
        if (CH == kAC4 && ch == 3) continue;
        d[i] = f(s[i], p.c[ch]);
    }
}

// Two-source row: d[i] = f(a[i], b[i]). Tail: the scalar functor.
template <class T, int CH, class F>
inline void rowBinary(const T* a, const T* b, T* d, ptrdiff_t n, const F& f) {
    constexpr int E = int(32 / sizeof(T));
    ptrdiff_t i = 0;
    if constexpr (CH == kAC4) {
        const __m256i keep = colourLanes<T>();
        for (; i + E <= n; i += E) {
            const __m256i r = f(simd::loadu(a + i), simd::loadu(b + i));
            simd::storeu(d + i, _mm256_blendv_epi8(simd::loadu(d + i), r, keep));
        }
        for (; i < n; ++i)
            if ((i & 3) != 3) d[i] = f(a[i], b[i]);
    } else {
        for (; i + 2 * E <= n; i += 2 * E) {
            const __m256i r0 = f(simd::loadu(a + i), simd::loadu(b + i));
            const __m256i r1 = f(simd::loadu(a + i + E), simd::loadu(b + i + E));
            simd::storeu(d + i, r0);
            simd::storeu(d + i + E, r1);
        }
        for (; i + E <= n; i += E) simd::storeu(d + i, f(simd::loadu(a + i), simd::loadu(b + i)));
        for (; i < n; ++i) d[i] = f(a[i], b[i]);
    }
}

// ---- Row walking ------------------------------------------------------------

// Bytes of one row, and whether rows given by `steps` are contiguous so that
// the region can be processed as one row.
inline bool contiguous(ptrdiff_t rowBytes, ptrdiff_t height, ptrdiff_t step) {
    return step == rowBytes && int64_t(rowBytes) * int64_t(height) <= int64_t(PTRDIFF_MAX);
}
template <class... S>
inline bool contiguous(ptrdiff_t rowBytes, ptrdiff_t height, ptrdiff_t step, S... more) {
    return contiguous(rowBytes, height, step) && contiguous(rowBytes, height, more...);
}

// Samples in a row of `width` pixels (64-bit product: a region that exists
// in memory always fits in ptrdiff_t).
template <int CH>
inline ptrdiff_t rowSamples(int32_t width) {
    return ptrdiff_t(int64_t(width) * kSamples<CH>);
}

// Calls row(srcRow, dstRow, n) over `height` rows of n samples of T, as one
// row when the rows are contiguous.
template <class T, class U, class Row>
inline void walk1(const T* s, ptrdiff_t ss, U* d, ptrdiff_t ds, ptrdiff_t n, ptrdiff_t height, const Row& row) {
    const ptrdiff_t rb = n * ptrdiff_t(sizeof(T));
    if (contiguous(rb, height, ss, ds)) {
        row(s, d, n * height);
        return;
    }
    for (ptrdiff_t y = 0; y < height; ++y) row(rowAt(s, ss, y), rowAt(d, ds, y), n);
}

template <class T, class Row>
inline void walk2(const T* a, ptrdiff_t as, const T* b, ptrdiff_t bs, T* d, ptrdiff_t ds, ptrdiff_t n,
                  ptrdiff_t height, const Row& row) {
    const ptrdiff_t rb = n * ptrdiff_t(sizeof(T));
    if (contiguous(rb, height, as, bs, ds)) {
        row(a, b, d, n * height);
        return;
    }
    for (ptrdiff_t y = 0; y < height; ++y) row(rowAt(a, as, y), rowAt(b, bs, y), rowAt(d, ds, y), n);
}

// ---- Vector relations per sample type (all-ones lanes where true) -----------

template <class T>
inline __m256i vLess(__m256i a, __m256i b) {
    if constexpr (std::is_same_v<T, uint8_t>) {
        return _mm256_xor_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(a, b), a), _mm256_set1_epi8(-1));
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        return _mm256_xor_si256(_mm256_cmpeq_epi16(_mm256_max_epu16(a, b), a), _mm256_set1_epi8(-1));
    } else if constexpr (std::is_same_v<T, int16_t>) {
        return _mm256_cmpgt_epi16(b, a);
    } else if constexpr (std::is_same_v<T, int32_t>) {
        return _mm256_cmpgt_epi32(b, a);
    } else {
        static_assert(std::is_same_v<T, float>, "sample type");
        return _mm256_castps_si256(_mm256_cmp_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b), _CMP_LT_OQ));
    }
}

template <class T>
inline __m256i vLessEq(__m256i a, __m256i b) {
    if constexpr (std::is_same_v<T, uint8_t>) {
        return _mm256_cmpeq_epi8(_mm256_min_epu8(a, b), a);
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        return _mm256_cmpeq_epi16(_mm256_min_epu16(a, b), a);
    } else if constexpr (std::is_same_v<T, int16_t>) {
        return _mm256_xor_si256(_mm256_cmpgt_epi16(a, b), _mm256_set1_epi8(-1));
    } else {
        static_assert(std::is_same_v<T, float>, "sample type");
        return _mm256_castps_si256(_mm256_cmp_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b), _CMP_LE_OQ));
    }
}

template <class T>
inline __m256i vEqual(__m256i a, __m256i b) {
    if constexpr (sizeof(T) == 1) return _mm256_cmpeq_epi8(a, b);
    else if constexpr (std::is_same_v<T, float>)
        return _mm256_castps_si256(_mm256_cmp_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b), _CMP_EQ_OQ));
    else return _mm256_cmpeq_epi16(a, b);
}

// Per-sample minimum and maximum, matching a < b ? a : b and a > b ? a : b
// (for floats the second operand is returned when either is NaN).
template <class T>
inline __m256i vMin(__m256i a, __m256i b) {
    if constexpr (std::is_same_v<T, uint8_t>) return _mm256_min_epu8(a, b);
    else if constexpr (std::is_same_v<T, uint16_t>) return _mm256_min_epu16(a, b);
    else if constexpr (std::is_same_v<T, int16_t>) return _mm256_min_epi16(a, b);
    else return _mm256_castps_si256(_mm256_min_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b)));
}
template <class T>
inline __m256i vMax(__m256i a, __m256i b) {
    if constexpr (std::is_same_v<T, uint8_t>) return _mm256_max_epu8(a, b);
    else if constexpr (std::is_same_v<T, uint16_t>) return _mm256_max_epu16(a, b);
    else if constexpr (std::is_same_v<T, int16_t>) return _mm256_max_epi16(a, b);
    else return _mm256_castps_si256(_mm256_max_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b)));
}

}  // namespace kzv::pix

#endif  // KZV_PIXEL_LOGIC_ROWS_H
