// Sums, means, norms and dot products: argument checks, the choice of
// accumulation per type and hint, and the exports. Row routines live in
// stats_kernels.h.
#include <math.h>
#include <string.h>

#include "common/frame.h"
#include "kzvi.h"
#include "stats/stats_kernels.h"

namespace kzv::stats {
namespace {

constexpr int channelsOf(int layout) { return layout == 9 ? 4 : layout; }
constexpr int resultsOf(int layout) { return layout == 9 ? 3 : layout; }

enum class Kind { Inf, L1, L2 };

// ---- Sum and mean -----------------------------------------------------------

template <class T, int CH>
KzvStatus sumFrame(const T* src, int32_t step, KzvImageSize roi, double* sum, int hint) {
    if (anyNull(src, sum)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    sumRegion<T, CH>(src, step, roi, sum, hint);
    return kzvStatusOk;
}

template <class T, int CH>
KzvStatus meanFrame(const T* src, int32_t step, KzvImageSize roi, double* mean, int hint) {
    if (mean == nullptr) return kzvStatusNullPtrErr;
    if (src == nullptr) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    meanRegion<T, CH>(src, step, roi, mean, hint);
    return kzvStatusOk;
}

// ---- Norms ------------------------------------------------------------------

// Norm of a (b null) or of a - b, per channel, into out[0..CH).
template <Kind K, class T, int CH>
void normRegion(const T* a, ptrdiff_t aStep, const T* b, ptrdiff_t bStep, KzvImageSize roi, double* out,
                int hint) {
    const bool pair = b != nullptr;
    if constexpr (std::is_same_v<T, float>) {
        if constexpr (K == Kind::Inf) {
            int32_t mx[CH] = {};
            walkRegion(a, aStep, b, bStep, roi, CH, [&](const float* ra, const float* rb, ptrdiff_t n) {
                if (pair) floatMaxRow<FMaxAbsDiff, CH>(ra, rb, n, mx);
                else floatMaxRow<FMaxAbs, CH>(ra, ra, n, mx);
            });
            for (int c = 0; c < CH; ++c) {
                float f;
                memcpy(&f, &mx[c], 4);
                out[c] = double(f);
            }
        } else {
            if (hint == kzvAlgHintAccurate) {
                DoubleLanes<CH> st;
                walkRegion(a, aStep, b, bStep, roi, CH, [&](const float* ra, const float* rb, ptrdiff_t n) {
                    if constexpr (K == Kind::L1) {
                        if (pair) doubleRow<DAbsDiff, CH>(ra, rb, n, st);
                        else doubleRow<DAbs, CH>(ra, ra, n, st);
                    } else {
                        if (pair) doubleRow<DSqrDiff, CH>(ra, rb, n, st);
                        else doubleRow<DSqr, CH>(ra, ra, n, st);
                    }
                });
                st.fold(out);
            } else {
                FloatLanes<CH> st;
                walkRegion(a, aStep, b, bStep, roi, CH, [&](const float* ra, const float* rb, ptrdiff_t n) {
                    if constexpr (K == Kind::L1) {
                        if (pair) floatRow<FAbsDiff, CH>(ra, rb, n, st);
                        else floatRow<FAbs, CH>(ra, ra, n, st);
                    } else {
                        if (pair) floatRow<FSqrDiff, CH>(ra, rb, n, st);
                        else floatRow<FSqr, CH>(ra, ra, n, st);
                    }
                });
                st.fold(out);
            }
            if constexpr (K == Kind::L2)
                for (int c = 0; c < CH; ++c) out[c] = sqrt(out[c]);
        }
    } else {
        if constexpr (K == Kind::Inf) {
            int32_t mx[CH] = {};
            walkRegion(a, aStep, b, bStep, roi, CH, [&](const T* ra, const T* rb, ptrdiff_t n) {
                if (pair) intMaxRow<MaxAbsDiff, CH>(ra, rb, n, mx);
                else intMaxRow<MaxAbs, CH>(ra, ra, n, mx);
            });
            for (int c = 0; c < CH; ++c) out[c] = double(mx[c]);
        } else if constexpr (K == Kind::L1) {
            if (pair) intReduceRegion<TermAbsDiff, CH>(a, aStep, b, bStep, roi, out);
            else intReduceRegion<TermAbs, CH>(a, aStep, static_cast<const T*>(nullptr), 0, roi, out);
        } else {
            // The exact sum of squares, rounded once, then the root.
            if (pair) intReduceRegion<TermSqrDiff, CH>(a, aStep, b, bStep, roi, out);
            else intReduceRegion<TermSqr, CH>(a, aStep, static_cast<const T*>(nullptr), 0, roi, out);
            for (int c = 0; c < CH; ++c) out[c] = sqrt(out[c]);
        }
    }
}

template <Kind K, class T, int CH>
KzvStatus normFrame(const T* src, int32_t step, KzvImageSize roi, double* value, int hint) {
    if (anyNull(src, value)) return kzvStatusNullPtrErr;
    // The three-channel 16u L2 norm has always checked its step first.
    constexpr bool stepFirst = K == Kind::L2 && std::is_same_v<T, uint16_t> && CH == 3;
    if (stepFirst && anyBadStep(step)) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (anyBadStep(step)) return kzvStatusStepErr;
    normRegion<K, T, CH>(src, step, static_cast<const T*>(nullptr), 0, roi, value, hint);
    return kzvStatusOk;
}

template <Kind K, class T, int CH>
KzvStatus normDiffFrame(const T* a, int32_t aStep, const T* b, int32_t bStep, KzvImageSize roi, double* value,
                        int hint) {
    if (anyNull(a, b, value)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (anyBadStep(aStep, bStep)) return kzvStatusStepErr;
    normRegion<K, T, CH>(a, aStep, b, bStep, roi, value, hint);
    return kzvStatusOk;
}

// NormDiff(a, b) / Norm(b) per channel. A zero reference gives +Inf, or NaN
// when the difference is zero too, and the warning kzvStatusDivByZero. For
// 32f "zero" means below the smallest normal double.
template <Kind K, class T, int CH>
KzvStatus normRelFrame(const T* a, int32_t aStep, const T* b, int32_t bStep, KzvImageSize roi, double* value,
                       int hint) {
    if (anyNull(a, b, value)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (anyBadStep(aStep, bStep)) return kzvStatusStepErr;
    double ref[CH];
    normRegion<K, T, CH>(b, bStep, static_cast<const T*>(nullptr), 0, roi, ref, hint);
    normRegion<K, T, CH>(a, aStep, b, bStep, roi, value, hint);
    KzvStatus st = kzvStatusOk;
    for (int c = 0; c < CH; ++c) {
        const bool zeroRef = std::is_same_v<T, float> ? ref[c] < 2.2250738585072014e-308 : ref[c] == 0.0;
        if (zeroRef) {
            const bool zeroDiff = std::is_same_v<T, float> ? value[c] < 2.2250738585072014e-308 : value[c] == 0.0;
            if (zeroDiff) {
                const uint64_t nanBits = 0xFFF8000000000000ull;
                memcpy(&value[c], &nanBits, 8);
            } else {
                value[c] = HUGE_VAL;
            }
            st = kzvStatusDivByZero;
        } else {
            value[c] = value[c] / ref[c];
        }
    }
    return st;
}

// ---- Dot products -------------------------------------------------------------

template <class T, int L>
KzvStatus dotFrame(const T* a, int32_t aStep, const T* b, int32_t bStep, KzvImageSize roi, double* dp) {
    constexpr int CH = channelsOf(L);
    if (anyNull(a, b, dp)) return kzvStatusNullPtrErr;
    if (badSize(roi) || aStep == 0 || bStep == 0) return kzvStatusSizeErr;
    double out[CH];
    if constexpr (std::is_integral_v<T> && sizeof(T) <= 2) {
        intReduceRegion<TermProd, CH>(a, aStep, b, bStep, roi, out);
    } else {
        DoubleLanes<CH> st;
        walkRegion(a, aStep, b, bStep, roi, CH,
                   [&](const T* ra, const T* rb, ptrdiff_t n) { doubleRow<DProd, CH>(ra, rb, n, st); });
        st.fold(out);
    }
    for (int c = 0; c < resultsOf(L); ++c) dp[c] = out[c];
    return kzvStatusOk;
}

// Column dot product: pDst[x] = sum over k of w[k] * rows[k][x], combined in
// the order k = 0, 1, ... in the element type. Each product is rounded, then
// added (no fused multiply-add). Tail: the last columns are gathered into
// a small buffer, computed as one vector and copied out.
template <class T>
KzvStatus dotColFrame(const T* const* rows, const T* w, int32_t len, T* dst, int32_t width) {
    if (anyNull(rows, w, dst)) return kzvStatusNullPtrErr;
    if (width < 1 || len < 1) return kzvStatusSizeErr;
    for (int32_t k = 0; k < len; ++k)
        if (rows[k] == nullptr) return kzvStatusNullPtrErr;
    if constexpr (std::is_same_v<T, float>) {
        ptrdiff_t x = 0;
        for (; x + 16 <= width; x += 16) {
            const __m256 w0 = _mm256_set1_ps(w[0]);
            __m256 s0 = _mm256_mul_ps(_mm256_loadu_ps(rows[0] + x), w0);
            __m256 s1 = _mm256_mul_ps(_mm256_loadu_ps(rows[0] + x + 8), w0);
            for (int32_t k = 1; k < len; ++k) {
                const __m256 wk = _mm256_set1_ps(w[k]);
                s0 = _mm256_add_ps(s0, _mm256_mul_ps(_mm256_loadu_ps(rows[k] + x), wk));
                s1 = _mm256_add_ps(s1, _mm256_mul_ps(_mm256_loadu_ps(rows[k] + x + 8), wk));
            }
            _mm256_storeu_ps(dst + x, s0);
            _mm256_storeu_ps(dst + x + 8, s1);
        }
        for (; x < width; x += 8) {
            const size_t r = size_t(width - x < 8 ? width - x : 8);
            float t[8] = {};
            memcpy(t, rows[0] + x, r * 4);
            __m256 s = _mm256_mul_ps(_mm256_loadu_ps(t), _mm256_set1_ps(w[0]));
            for (int32_t k = 1; k < len; ++k) {
                memcpy(t, rows[k] + x, r * 4);
                s = _mm256_add_ps(s, _mm256_mul_ps(_mm256_loadu_ps(t), _mm256_set1_ps(w[k])));
            }
            _mm256_storeu_ps(t, s);
            memcpy(dst + x, t, r * 4);
        }
    } else {
        ptrdiff_t x = 0;
        for (; x + 8 <= width; x += 8) {
            const __m256d w0 = _mm256_set1_pd(w[0]);
            __m256d s0 = _mm256_mul_pd(_mm256_loadu_pd(rows[0] + x), w0);
            __m256d s1 = _mm256_mul_pd(_mm256_loadu_pd(rows[0] + x + 4), w0);
            for (int32_t k = 1; k < len; ++k) {
                const __m256d wk = _mm256_set1_pd(w[k]);
                s0 = _mm256_add_pd(s0, _mm256_mul_pd(_mm256_loadu_pd(rows[k] + x), wk));
                s1 = _mm256_add_pd(s1, _mm256_mul_pd(_mm256_loadu_pd(rows[k] + x + 4), wk));
            }
            _mm256_storeu_pd(dst + x, s0);
            _mm256_storeu_pd(dst + x + 4, s1);
        }
        for (; x < width; x += 4) {
            const size_t r = size_t(width - x < 4 ? width - x : 4);
            double t[4] = {};
            memcpy(t, rows[0] + x, r * 8);
            __m256d s = _mm256_mul_pd(_mm256_loadu_pd(t), _mm256_set1_pd(w[0]));
            for (int32_t k = 1; k < len; ++k) {
                memcpy(t, rows[k] + x, r * 8);
                s = _mm256_add_pd(s, _mm256_mul_pd(_mm256_loadu_pd(t), _mm256_set1_pd(w[k])));
            }
            _mm256_storeu_pd(t, s);
            memcpy(dst + x, t, r * 8);
        }
    }
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::stats

using namespace kzv::stats;

#define KZV_SUM(name, T, L)                                                                    \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum) {       \
        return sumFrame<T, L>(pSrc, srcStep, roiSize, pSum, kzvAlgHintNone);                   \
    }
#define KZV_SUM_HINT(name, T, L)                                                                          \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum, KzvAlgHint hint) { \
        return sumFrame<T, L>(pSrc, srcStep, roiSize, pSum, int(hint));                                   \
    }
#define KZV_MEAN(name, T, L)                                                                   \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean) {      \
        return meanFrame<T, L>(pSrc, srcStep, roiSize, pMean, kzvAlgHintNone);                 \
    }
#define KZV_MEAN_HINT(name, T, L)                                                                          \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean, KzvAlgHint hint) { \
        return meanFrame<T, L>(pSrc, srcStep, roiSize, pMean, int(hint));                                  \
    }
#define KZV_NORM(name, K, T, L)                                                                \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue) {     \
        return normFrame<Kind::K, T, L>(pSrc, srcStep, roiSize, pValue, kzvAlgHintNone);       \
    }
#define KZV_NORM_HINT(name, K, T, L)                                                                        \
    KzvStatus name(const T* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint) { \
        return normFrame<Kind::K, T, L>(pSrc, srcStep, roiSize, pValue, int(hint));                         \
    }
#define KZV_PAIR_ARGS(T) const T *pSrc1, int32_t src1Step, const T *pSrc2, int32_t src2Step, KzvImageSize roiSize
#define KZV_NORMDIFF(name, K, T, L)                                                                       \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pValue) {                                                    \
        return normDiffFrame<Kind::K, T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, kzvAlgHintNone); \
    }
#define KZV_NORMDIFF_HINT(name, K, T, L)                                                             \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pValue, KzvAlgHint hint) {                              \
        return normDiffFrame<Kind::K, T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, int(hint)); \
    }
#define KZV_NORMREL(name, K, T, L)                                                                       \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pValue) {                                                   \
        return normRelFrame<Kind::K, T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, kzvAlgHintNone); \
    }
#define KZV_NORMREL_HINT(name, K, T, L)                                                             \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pValue, KzvAlgHint hint) {                             \
        return normRelFrame<Kind::K, T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, int(hint)); \
    }
#define KZV_DOTPROD(name, T, L)                                                     \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pDp) {                                 \
        return dotFrame<T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pDp);      \
    }
// The hint of the 32f dot product is accepted and not used.
#define KZV_DOTPROD_HINT(name, T, L)                                                \
    KzvStatus name(KZV_PAIR_ARGS(T), Kzv64f* pDp, KzvAlgHint) {                     \
        return dotFrame<T, L>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pDp);      \
    }
#define KZV_DOTPRODCOL(name, T)                                                                  \
    KzvStatus name(const T* const* ppSrcRows, const T* pWeights, int32_t len, T* pDst, int32_t width) { \
        return dotColFrame<T>(ppSrcRows, pWeights, len, pDst, width);                            \
    }

#include "stats/stats_exports.inc"
#undef KZV_PAIR_ARGS
