// Extremes and counts: per-channel minimum and maximum (with the first
// position holding them), counts of values in a closed range, and per-block
// minima and maxima.
//
// Float extremes ignore NaN: the vector accumulators start from the type's
// identity (+inf for a minimum, -inf for a maximum) and take the new sample
// as the first operand of min/max, which returns the accumulator when the
// sample is NaN. A result equal to the identity is then confirmed by looking
// for that value; a channel holding only NaN reports NaN.
#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "common/frame.h"
#include "common/simd.h"
#include "kzvi.h"
#include "stats/stats_kernels.h"

namespace kzv::extremes {
namespace {

using stats::ld;

// Vector traits per element type: lanes, loads, lane-wise min/max with the
// new sample first, horizontal reductions and the identities.
template <class T>
struct Ext;

template <>
struct Ext<uint8_t> {
    using V = __m256i;
    static constexpr int L = 32;
    static V load(const uint8_t* p) { return simd::loadu(p); }
    static V vmin(V v, V acc) { return _mm256_min_epu8(v, acc); }
    static V vmax(V v, V acc) { return _mm256_max_epu8(v, acc); }
    static V splat(uint8_t v) { return _mm256_set1_epi8(char(v)); }
    static void store(uint8_t* out, V v) { simd::storeu(out, v); }
    static uint8_t hmin(V v) {
        __m128i x = _mm_min_epu8(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_min_epu8(x, _mm_srli_si128(x, 8));
        x = _mm_min_epu8(x, _mm_srli_si128(x, 4));
        x = _mm_min_epu8(x, _mm_srli_si128(x, 2));
        x = _mm_min_epu8(x, _mm_srli_si128(x, 1));
        return uint8_t(_mm_cvtsi128_si32(x));
    }
    static uint8_t hmax(V v) {
        __m128i x = _mm_max_epu8(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_max_epu8(x, _mm_srli_si128(x, 8));
        x = _mm_max_epu8(x, _mm_srli_si128(x, 4));
        x = _mm_max_epu8(x, _mm_srli_si128(x, 2));
        x = _mm_max_epu8(x, _mm_srli_si128(x, 1));
        return uint8_t(_mm_cvtsi128_si32(x));
    }
};

template <>
struct Ext<uint16_t> {
    using V = __m256i;
    static constexpr int L = 16;
    static V load(const uint16_t* p) { return simd::loadu(p); }
    static V vmin(V v, V acc) { return _mm256_min_epu16(v, acc); }
    static V vmax(V v, V acc) { return _mm256_max_epu16(v, acc); }
    static V splat(uint16_t v) { return _mm256_set1_epi16(short(v)); }
    static void store(uint16_t* out, V v) { simd::storeu(out, v); }
    static uint16_t hmin(V v) {
        __m128i x = _mm_min_epu16(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_min_epu16(x, _mm_srli_si128(x, 8));
        x = _mm_min_epu16(x, _mm_srli_si128(x, 4));
        x = _mm_min_epu16(x, _mm_srli_si128(x, 2));
        return uint16_t(_mm_cvtsi128_si32(x));
    }
    static uint16_t hmax(V v) {
        __m128i x = _mm_max_epu16(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_max_epu16(x, _mm_srli_si128(x, 8));
        x = _mm_max_epu16(x, _mm_srli_si128(x, 4));
        x = _mm_max_epu16(x, _mm_srli_si128(x, 2));
        return uint16_t(_mm_cvtsi128_si32(x));
    }
};

template <>
struct Ext<int16_t> {
    using V = __m256i;
    static constexpr int L = 16;
    static V load(const int16_t* p) { return simd::loadu(p); }
    static V vmin(V v, V acc) { return _mm256_min_epi16(v, acc); }
    static V vmax(V v, V acc) { return _mm256_max_epi16(v, acc); }
    static V splat(int16_t v) { return _mm256_set1_epi16(v); }
    static void store(int16_t* out, V v) { simd::storeu(out, v); }
    static int16_t hmin(V v) {
        __m128i x = _mm_min_epi16(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_min_epi16(x, _mm_srli_si128(x, 8));
        x = _mm_min_epi16(x, _mm_srli_si128(x, 4));
        x = _mm_min_epi16(x, _mm_srli_si128(x, 2));
        return int16_t(_mm_cvtsi128_si32(x));
    }
    static int16_t hmax(V v) {
        __m128i x = _mm_max_epi16(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        x = _mm_max_epi16(x, _mm_srli_si128(x, 8));
        x = _mm_max_epi16(x, _mm_srli_si128(x, 4));
        x = _mm_max_epi16(x, _mm_srli_si128(x, 2));
        return int16_t(_mm_cvtsi128_si32(x));
    }
};

template <>
struct Ext<float> {
    using V = __m256;
    static constexpr int L = 8;
    static V load(const float* p) { return _mm256_loadu_ps(p); }
    // minps returns its second operand when either is NaN: a NaN sample
    // leaves the accumulator as it was.
    static V vmin(V v, V acc) { return _mm256_min_ps(v, acc); }
    static V vmax(V v, V acc) { return _mm256_max_ps(v, acc); }
    static V splat(float v) { return _mm256_set1_ps(v); }
    static void store(float* out, V v) { _mm256_storeu_ps(out, v); }
    // Accumulator lanes never hold NaN, so the order of operands is free.
    static float hmin(V v) {
        __m128 x = _mm_min_ps(_mm256_castps256_ps128(v), _mm256_extractf128_ps(v, 1));
        x = _mm_min_ps(x, _mm_movehl_ps(x, x));
        x = _mm_min_ss(x, _mm_shuffle_ps(x, x, 1));
        return _mm_cvtss_f32(x);
    }
    static float hmax(V v) {
        __m128 x = _mm_max_ps(_mm256_castps256_ps128(v), _mm256_extractf128_ps(v, 1));
        x = _mm_max_ps(x, _mm_movehl_ps(x, x));
        x = _mm_max_ss(x, _mm_shuffle_ps(x, x, 1));
        return _mm_cvtss_f32(x);
    }
};

// Identities of the reductions: a minimum starts from the largest value.
template <class T>
constexpr T minIdentity() {
    if constexpr (std::is_floating_point_v<T>) return std::numeric_limits<T>::infinity();
    else return std::numeric_limits<T>::max();
}
template <class T>
constexpr T maxIdentity() {
    if constexpr (std::is_floating_point_v<T>) return -std::numeric_limits<T>::infinity();
    else return std::numeric_limits<T>::lowest();
}
// Scalar steps with the same NaN rule as the vectors (ordered comparison).
template <class T>
inline T smin(T acc, T v) {
    return v < acc ? v : acc;
}
template <class T>
inline T smax(T acc, T v) {
    return v > acc ? v : acc;
}

// Folds the row's samples into mn / mx per channel (which hold running
// values on entry). G vectors per step, a whole number of pixels; tail:
// scalar functor (the extremes are accumulated in place, per channel).
template <class T, int CH, bool WMIN, bool WMAX>
inline void minMaxRow(const T* p, ptrdiff_t n, T* mn, T* mx) {
    using E = Ext<T>;
    using V = typename E::V;
    constexpr int L = E::L;
    constexpr int G = CH == 3 ? 3 : 2;
    constexpr ptrdiff_t S = G * L;
    ptrdiff_t i = 0;
    if (n >= S) {
        V amin[G], amax[G];
        for (int g = 0; g < G; ++g) {
            amin[g] = E::splat(minIdentity<T>());
            amax[g] = E::splat(maxIdentity<T>());
        }
        for (; i + S <= n; i += S)
            for (int g = 0; g < G; ++g) {
                const V v = E::load(p + i + g * L);
                if (WMIN) amin[g] = E::vmin(v, amin[g]);
                if (WMAX) amax[g] = E::vmax(v, amax[g]);
            }
        if constexpr (CH == 1) {
            for (int g = 1; g < G; ++g) {
                amin[0] = E::vmin(amin[g], amin[0]);
                amax[0] = E::vmax(amax[g], amax[0]);
            }
            if (WMIN) mn[0] = smin(mn[0], E::hmin(amin[0]));
            if (WMAX) mx[0] = smax(mx[0], E::hmax(amax[0]));
        } else {
            T l[L];
            for (int g = 0; g < G; ++g) {
                if (WMIN) {
                    E::store(l, amin[g]);
                    for (int j = 0; j < L; ++j) mn[(g * L + j) % CH] = smin(mn[(g * L + j) % CH], l[j]);
                }
                if (WMAX) {
                    E::store(l, amax[g]);
                    for (int j = 0; j < L; ++j) mx[(g * L + j) % CH] = smax(mx[(g * L + j) % CH], l[j]);
                }
            }
        }
    }
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1) {
        const T v = ld(p + i);
        if (WMIN) mn[c] = smin(mn[c], v);
        if (WMAX) mx[c] = smax(mx[c], v);
    }
}

// True when channel c of the region holds the value v.
template <class T, int CH>
bool containsValue(const T* src, ptrdiff_t step, KzvImageSize roi, int c, T v) {
    for (ptrdiff_t y = 0; y < roi.height; ++y) {
        const T* r = rowAt(src, step, y);
        for (ptrdiff_t x = 0; x < roi.width; ++x)
            if (ld(r + x * CH + c) == v) return true;
    }
    return false;
}

// A float extreme still at its identity is real only if some pixel holds
// it; otherwise the channel held nothing but NaN.
template <class T, int CH>
void confirmIdentity(const T* src, ptrdiff_t step, KzvImageSize roi, int c, T& v) {
    if constexpr (std::is_floating_point_v<T>) {
        if ((v == minIdentity<T>() || v == maxIdentity<T>()) && !containsValue<T, CH>(src, step, roi, c, v))
            v = std::numeric_limits<T>::quiet_NaN();
    } else {
        (void)src, (void)step, (void)roi, (void)c, (void)v;
    }
}

constexpr int channelsOf(int layout) { return layout == 9 ? 4 : layout; }
constexpr int resultsOf(int layout) { return layout == 9 ? 3 : layout; }

// Min, Max and MinMax: pMin / pMax null when not wanted.
template <class T, int LAYOUT, bool WMIN, bool WMAX>
KzvStatus minMaxFrame(const T* src, int32_t step, KzvImageSize roi, T* pMin, T* pMax) {
    constexpr int CH = channelsOf(LAYOUT);
    if (src == nullptr || (WMIN && pMin == nullptr) || (WMAX && pMax == nullptr)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    T mn[CH], mx[CH];
    for (int c = 0; c < CH; ++c) {
        mn[c] = minIdentity<T>();
        mx[c] = maxIdentity<T>();
    }
    stats::walkRegion(src, step, static_cast<const T*>(nullptr), 0, roi, CH,
                      [&](const T* r, const T*, ptrdiff_t n) { minMaxRow<T, CH, WMIN, WMAX>(r, n, mn, mx); });
    for (int c = 0; c < resultsOf(LAYOUT); ++c) {
        if (WMIN) {
            confirmIdentity<T, CH>(src, step, roi, c, mn[c]);
            memcpy(pMin + c, &mn[c], sizeof(T));
        }
        if (WMAX) {
            confirmIdentity<T, CH>(src, step, roi, c, mx[c]);
            memcpy(pMax + c, &mx[c], sizeof(T));
        }
    }
    return kzvStatusOk;
}

// MinIndx (IS_MAX false) and MaxIndx: row extremes first, a row replacing
// the best only when strictly better, so the first row holding the extreme
// wins; then the first column holding it is searched in that row (or, for
// a float identity, in the rows after it).
template <class T, int LAYOUT, bool IS_MAX>
KzvStatus indexFrame(const T* src, int32_t step, KzvImageSize roi, T* pValue, int32_t* pX, int32_t* pY) {
    constexpr int CH = channelsOf(LAYOUT);
    constexpr int R = resultsOf(LAYOUT);
    if (anyNull(src, pValue, pX, pY)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const T identity = IS_MAX ? maxIdentity<T>() : minIdentity<T>();
    // No later row can beat the bound of the type.
    const T bound = IS_MAX ? minIdentity<T>() : maxIdentity<T>();
    T best[CH];
    int32_t bestRow[CH] = {};
    for (int c = 0; c < CH; ++c) best[c] = identity;
    const ptrdiff_t n = ptrdiff_t(roi.width) * CH;
    for (int32_t y = 0; y < roi.height; ++y) {
        T ext[CH];
        for (int c = 0; c < CH; ++c) ext[c] = identity;
        minMaxRow<T, CH, !IS_MAX, IS_MAX>(rowAt(src, step, y), n, ext, ext);
        bool done = true;
        for (int c = 0; c < R; ++c) {
            if (IS_MAX ? ext[c] > best[c] : ext[c] < best[c]) {
                best[c] = ext[c];
                bestRow[c] = y;
            }
            done = done && best[c] == bound;
        }
        if (done) break;
    }
    for (int c = 0; c < R; ++c) {
        int32_t fx = -1, fy = -1;
        for (int32_t y = bestRow[c]; y < roi.height && fx < 0; ++y) {
            const T* r = rowAt(src, step, y);
            for (int32_t x = 0; x < roi.width; ++x)
                if (ld(r + ptrdiff_t(x) * CH + c) == best[c]) {
                    fx = x;
                    fy = y;
                    break;
                }
        }
        T v = best[c];
        if (fx < 0) {  // only NaN in this channel
            v = std::numeric_limits<T>::quiet_NaN();
            fx = fy = 0;
        }
        memcpy(pValue + c, &v, sizeof(T));
        pX[c] = fx;
        pY[c] = fy;
    }
    return kzvStatusOk;
}

// ---- CountInRange ---------------------------------------------------------------

inline int32_t clampCount(int64_t n) { return n > INT32_MAX ? INT32_MAX : int32_t(n); }

// 8u: lane-wise lo <= v <= hi as max(v, lo) == v and min(v, hi) == v; the
// byte counters are moved into the totals every 255 steps. An AC4 alpha lane
// gets the empty range [255, 0]. Tail: scalar.
template <int CH>
void countRow8u(const uint8_t* p, ptrdiff_t n, const uint8_t* lo, const uint8_t* hi, int64_t* tot) {
    constexpr int G = CH == 3 ? 3 : 1;
    constexpr ptrdiff_t S = 32 * G;
    ptrdiff_t i = 0;
    if (n >= S) {
        __m256i vlo[G], vhi[G], cnt[G];
        for (int g = 0; g < G; ++g) {
            alignas(32) uint8_t l[32], h[32];
            for (int j = 0; j < 32; ++j) {
                l[j] = lo[(32 * g + j) % CH];
                h[j] = hi[(32 * g + j) % CH];
            }
            vlo[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(l));
            vhi[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(h));
            cnt[g] = _mm256_setzero_si256();
        }
        auto flush = [&]() {
            alignas(32) uint8_t l[32];
            for (int g = 0; g < G; ++g) {
                _mm256_store_si256(reinterpret_cast<__m256i*>(l), cnt[g]);
                for (int j = 0; j < 32; ++j) tot[(32 * g + j) % CH] += l[j];
                cnt[g] = _mm256_setzero_si256();
            }
        };
        int steps = 0;
        for (; i + S <= n; i += S) {
            for (int g = 0; g < G; ++g) {
                const __m256i v = simd::loadu(p + i + 32 * g);
                const __m256i in = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(v, vlo[g]), v),
                                                    _mm256_cmpeq_epi8(_mm256_min_epu8(v, vhi[g]), v));
                cnt[g] = _mm256_sub_epi8(cnt[g], in);
            }
            if (++steps == 255) {
                flush();
                steps = 0;
            }
        }
        flush();
    }
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1) tot[c] += (p[i] >= lo[c] && p[i] <= hi[c]);
}

// 32f: ordered comparisons, so NaN is never counted; an AC4 alpha lane gets
// a NaN bound. Counts in 32-bit lanes (a piece holds fewer than 2^31
// samples). Tail: scalar.
template <int CH>
void countRow32f(const float* p, ptrdiff_t n, const float* lo, const float* hi, int64_t* tot) {
    constexpr int G = CH == 3 ? 3 : 1;
    constexpr ptrdiff_t S = 8 * G;
    ptrdiff_t i = 0;
    if (n >= S) {
        __m256 vlo[G], vhi[G];
        __m256i cnt[G];
        for (int g = 0; g < G; ++g) {
            alignas(32) float l[8], h[8];
            for (int j = 0; j < 8; ++j) {
                l[j] = lo[(8 * g + j) % CH];
                h[j] = hi[(8 * g + j) % CH];
            }
            vlo[g] = _mm256_load_ps(l);
            vhi[g] = _mm256_load_ps(h);
            cnt[g] = _mm256_setzero_si256();
        }
        for (; i + S <= n; i += S)
            for (int g = 0; g < G; ++g) {
                const __m256 v = _mm256_loadu_ps(p + i + 8 * g);
                const __m256 in =
                    _mm256_and_ps(_mm256_cmp_ps(v, vlo[g], _CMP_GE_OQ), _mm256_cmp_ps(v, vhi[g], _CMP_LE_OQ));
                cnt[g] = _mm256_sub_epi32(cnt[g], _mm256_castps_si256(in));
            }
        alignas(32) int32_t l[8];
        for (int g = 0; g < G; ++g) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(l), cnt[g]);
            for (int j = 0; j < 8; ++j) tot[(8 * g + j) % CH] += l[j];
        }
    }
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1) {
        const float v = ld(p + i);
        tot[c] += (v >= lo[c] && v <= hi[c]);
    }
}

template <class T, int LAYOUT>
KzvStatus countFrame(const T* src, int32_t step, KzvImageSize roi, int32_t* counts, const T* lower,
                     const T* upper) {
    constexpr int CH = channelsOf(LAYOUT);
    constexpr int R = resultsOf(LAYOUT);
    if (anyNull(src, counts, lower, upper)) return kzvStatusNullPtrErr;
    if (anyBadStep(step)) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    T lo[4], hi[4];
    for (int c = 0; c < R; ++c) {
        lo[c] = lower[c];
        hi[c] = upper[c];
        if (hi[c] < lo[c]) return kzvStatusRangeErr;
    }
    if (CH == 4) {  // alpha: an empty range
        if constexpr (std::is_floating_point_v<T>) lo[3] = hi[3] = std::numeric_limits<T>::quiet_NaN();
        else lo[3] = 255, hi[3] = 0;
    }
    int64_t tot[CH] = {};
    stats::walkRegion(src, step, static_cast<const T*>(nullptr), 0, roi, CH, [&](const T* r, const T*, ptrdiff_t n) {
        if constexpr (std::is_same_v<T, uint8_t>) countRow8u<CH>(r, n, lo, hi, tot);
        else countRow32f<CH>(r, n, lo, hi, tot);
    });
    for (int c = 0; c < R; ++c) counts[c] = clampCount(tot[c]);
    return kzvStatusOk;
}

// ---- BlockMinMax ------------------------------------------------------------------

// Columns are taken in pieces of at most kBlockCols: the rows of a block row
// are first reduced vertically into two stack buffers (vector body, scalar
// tail), then each block's part of the piece is reduced horizontally.
constexpr ptrdiff_t kBlockCols = 1024;

template <class T>
void columnMinMax(const T* src, ptrdiff_t step, ptrdiff_t y0, ptrdiff_t y1, ptrdiff_t x0, ptrdiff_t n, T* bmin,
                  T* bmax) {
    using E = Ext<T>;
    constexpr int L = E::L;
    for (ptrdiff_t x = 0; x < n; ++x) {
        bmin[x] = minIdentity<T>();
        bmax[x] = maxIdentity<T>();
    }
    for (ptrdiff_t y = y0; y < y1; ++y) {
        const T* r = rowAt(src, step, y) + x0;
        ptrdiff_t x = 0;
        for (; x + L <= n; x += L) {
            const typename E::V v = E::load(r + x);
            E::store(bmin + x, E::vmin(v, E::load(bmin + x)));
            E::store(bmax + x, E::vmax(v, E::load(bmax + x)));
        }
        for (; x < n; ++x) {
            const T v = ld(r + x);
            bmin[x] = smin(bmin[x], v);
            bmax[x] = smax(bmax[x], v);
        }
    }
}

// Confirms a float block extreme left at its identity (see the file
// comment): NaN when no pixel of the block holds it.
template <class T>
T confirmBlock(const T* src, ptrdiff_t step, ptrdiff_t x0, ptrdiff_t x1, ptrdiff_t y0, ptrdiff_t y1, T v) {
    if constexpr (std::is_floating_point_v<T>) {
        if (v == minIdentity<T>() || v == maxIdentity<T>()) {
            for (ptrdiff_t y = y0; y < y1; ++y)
                for (ptrdiff_t x = x0; x < x1; ++x)
                    if (ld(rowAt(src, step, y) + x) == v) return v;
            return std::numeric_limits<T>::quiet_NaN();
        }
    } else {
        (void)src, (void)step, (void)x0, (void)x1, (void)y0, (void)y1;
    }
    return v;
}

// NaN-ignoring combination of block results into the global extremes (a
// NaN block result means the block held only NaN).
template <class T>
inline T nanMin(T acc, T v) {
    return (v < acc || acc != acc) ? v : acc;
}
template <class T>
inline T nanMax(T acc, T v) {
    return (v > acc || acc != acc) ? v : acc;
}

template <class T>
KzvStatus blockFrame(const T* src, int32_t srcStep, KzvImageSize roi, T* dMin, int32_t dMinStep, T* dMax,
                     int32_t dMaxStep, KzvImageSize block, T* gMin, T* gMax) {
    if (src == nullptr) return kzvStatusNullPtrErr;
    if (dMin == nullptr && dMax == nullptr) return kzvStatusNullPtrErr;
    if (badSize(roi) || badSize(block)) return kzvStatusSizeErr;
    const ptrdiff_t es = sizeof(T);
    if (srcStep < ptrdiff_t(roi.width) * es) return kzvStatusStepErr;
    const ptrdiff_t bw = block.width, bh = block.height;
    const ptrdiff_t nx = (roi.width + bw - 1) / bw, ny = (roi.height + bh - 1) / bh;
    if (dMin && dMinStep < nx * es) return kzvStatusStepErr;
    if (dMax && dMaxStep < nx * es) return kzvStatusStepErr;

    const ptrdiff_t piece = bw <= kBlockCols ? bw * (kBlockCols / bw) : kBlockCols;
    T cmin[kBlockCols], cmax[kBlockCols];
    T globMin = minIdentity<T>(), globMax = maxIdentity<T>();
    bool first = true;
    for (ptrdiff_t j = 0; j < ny; ++j) {
        const ptrdiff_t y0 = j * bh, y1 = y0 + bh < roi.height ? y0 + bh : roi.height;
        ptrdiff_t bi = 0;
        T bmin = minIdentity<T>(), bmax = maxIdentity<T>();
        for (ptrdiff_t x0 = 0; x0 < roi.width; x0 += piece) {
            const ptrdiff_t n = roi.width - x0 < piece ? roi.width - x0 : piece;
            columnMinMax(src, srcStep, y0, y1, x0, n, cmin, cmax);
            ptrdiff_t k = 0;
            while (k < n) {
                const ptrdiff_t bx1 = (bi + 1) * bw < roi.width ? (bi + 1) * bw : roi.width;
                const ptrdiff_t end = bx1 - x0 < n ? bx1 - x0 : n;
                for (; k < end; ++k) {
                    bmin = smin(bmin, cmin[k]);
                    bmax = smax(bmax, cmax[k]);
                }
                if (x0 + k == bx1) {
                    bmin = confirmBlock(src, srcStep, bi * bw, bx1, y0, y1, bmin);
                    bmax = confirmBlock(src, srcStep, bi * bw, bx1, y0, y1, bmax);
                    if (dMin) memcpy(reinterpret_cast<uint8_t*>(dMin) + j * ptrdiff_t(dMinStep) + bi * es, &bmin, es);
                    if (dMax) memcpy(reinterpret_cast<uint8_t*>(dMax) + j * ptrdiff_t(dMaxStep) + bi * es, &bmax, es);
                    if (first) {
                        globMin = bmin;
                        globMax = bmax;
                        first = false;
                    } else {
                        globMin = nanMin(globMin, bmin);
                        globMax = nanMax(globMax, bmax);
                    }
                    ++bi;
                    bmin = minIdentity<T>();
                    bmax = maxIdentity<T>();
                }
            }
        }
    }
    if (gMin) memcpy(gMin, &globMin, es);
    if (gMax) memcpy(gMax, &globMax, es);
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::extremes

using namespace kzv::extremes;

#define KZV_SRC_ARGS(T) const T *pSrc, int32_t srcStep, KzvImageSize roiSize
#define KZV_MIN(name, T, L) \
    KzvStatus name(KZV_SRC_ARGS(T), T* pMin) { return minMaxFrame<T, L, true, false>(pSrc, srcStep, roiSize, pMin, nullptr); }
#define KZV_MAX(name, T, L) \
    KzvStatus name(KZV_SRC_ARGS(T), T* pMax) { return minMaxFrame<T, L, false, true>(pSrc, srcStep, roiSize, nullptr, pMax); }
#define KZV_MINMAX(name, T, L)                                                        \
    KzvStatus name(KZV_SRC_ARGS(T), T* pMin, T* pMax) {                               \
        return minMaxFrame<T, L, true, true>(pSrc, srcStep, roiSize, pMin, pMax);     \
    }
#define KZV_MININDX(name, T, L)                                                                \
    KzvStatus name(KZV_SRC_ARGS(T), T* pMin, int32_t* pIndexX, int32_t* pIndexY) {             \
        return indexFrame<T, L, false>(pSrc, srcStep, roiSize, pMin, pIndexX, pIndexY);        \
    }
#define KZV_MAXINDX(name, T, L)                                                                \
    KzvStatus name(KZV_SRC_ARGS(T), T* pMax, int32_t* pIndexX, int32_t* pIndexY) {             \
        return indexFrame<T, L, true>(pSrc, srcStep, roiSize, pMax, pIndexX, pIndexY);         \
    }
#define KZV_COUNT1(name, T, L)                                                                        \
    KzvStatus name(KZV_SRC_ARGS(T), int32_t* pCounts, T lowerBound, T upperBound) {                    \
        return countFrame<T, L>(pSrc, srcStep, roiSize, pCounts, &lowerBound, &upperBound);            \
    }
#define KZV_COUNT3(name, T, L)                                                                        \
    KzvStatus name(KZV_SRC_ARGS(T), int32_t* pCounts, const T* lowerBound, const T* upperBound) {      \
        return countFrame<T, L>(pSrc, srcStep, roiSize, pCounts, lowerBound, upperBound);              \
    }
#define KZV_BLOCKMINMAX(name, T)                                                                                  \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize srcSize, T* pDstMin, int32_t dstMinStep,         \
                   T* pDstMax, int32_t dstMaxStep, KzvImageSize blockSize, T* pGlobalMin, T* pGlobalMax) {       \
        return blockFrame<T>(pSrc, srcStep, srcSize, pDstMin, dstMinStep, pDstMax, dstMaxStep, blockSize,       \
                             pGlobalMin, pGlobalMax);                                                            \
    }

#include "stats/extremes_exports.inc"
#undef KZV_SRC_ARGS
