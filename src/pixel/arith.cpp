// Scaled integer arithmetic: Add, Sub, Mul and their constant forms,
// MulScale, MulCScale and MulC64f. Frames check the arguments, pick the
// routine for the scale factor and walk the rows; steps are used as given.
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
struct Add {};
struct Sub {};
struct Mul {};
struct AddC {};
struct SubC {};
struct MulC {};
struct MulScale {};
struct MulCScale {};
struct MulC64f {};
}  // namespace tag

template <class Tag, class T>
struct PolOf;
template <class T>
struct PolOf<tag::Add, T> {
    using type = AddP<T>;
    using flt = Add32f;
};
template <class T>
struct PolOf<tag::AddC, T> : PolOf<tag::Add, T> {};
template <class T>
struct PolOf<tag::Sub, T> {
    using type = SubRevP<T>;
    using flt = SubRev32f;
};
template <class T>
struct PolOf<tag::SubC, T> {
    using type = SubFwdP<T>;
    using flt = SubFwd32f;
};
template <class T>
struct PolOf<tag::Mul, T> {
    using type = MulP<T>;
    using flt = Mul32f;
};
template <class T>
struct PolOf<tag::MulC, T> : PolOf<tag::Mul, T> {};

// ---- MulScale: floor(a * b / M) for M = 255 or 65535 --------------------------
template <class T>
struct MulScaleFn;
template <>
struct MulScaleFn<uint8_t> {
    // (p + 1 + (p >> 8)) >> 8 equals floor(p / 255) for 8-bit operands.
    static __m256i scale(__m256i p) {
        return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(p, _mm256_set1_epi16(1)), _mm256_srli_epi16(p, 8)),
                                 8);
    }
    __m256i operator()(__m256i a, __m256i b) const {
        __m256i lo, hi;
        MulP<uint8_t>::wide(a, b, lo, hi);
        return _mm256_packus_epi16(scale(lo), scale(hi));
    }
    uint8_t operator()(uint8_t a, uint8_t b) const {
        const uint32_t p = uint32_t(a) * b;
        return uint8_t((p + 1 + (p >> 8)) >> 8);
    }
};
template <>
struct MulScaleFn<uint16_t> {
    // ((p >> 16) + p + 1) >> 16 equals floor(p / 65535) for 16-bit operands.
    static __m256i scale(__m256i p) {
        return _mm256_srli_epi32(_mm256_add_epi32(_mm256_add_epi32(p, _mm256_set1_epi32(1)), _mm256_srli_epi32(p, 16)),
                                 16);
    }
    __m256i operator()(__m256i a, __m256i b) const {
        __m256i lo, hi;
        MulP<uint16_t>::wide(a, b, lo, hi);
        return _mm256_packus_epi32(scale(lo), scale(hi));
    }
    uint16_t operator()(uint16_t a, uint16_t b) const {
        const uint32_t p = uint32_t(a) * b;
        return uint16_t(((p >> 16) + p + 1) >> 16);
    }
};

// ---- Frames ------------------------------------------------------------------

template <class T, int L, class Tag>
KzvStatus twoSource(const T* a, ptrdiff_t as, const T* b, ptrdiff_t bs, T* d, ptrdiff_t ds, ptrdiff_t w,
                    ptrdiff_t h, int f) {
    constexpr bool ac4 = L == kAC4;
    const ptrdiff_t n = w * channelsOf<L>();
    if constexpr (std::is_same_v<Tag, tag::MulScale>) {
        if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
        if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
        if (w < 1 || h < 1) return kzvStatusSizeErr;
        MulScaleFn<T> fn;
        walkBinary<T, ac4>(a, as, b, bs, d, ds, n, h, fn);
        return kzvStatusOk;
    } else if constexpr (std::is_same_v<T, float>) {
        if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
        if (w < 1 || h < 1) return kzvStatusSizeErr;
        typename PolOf<Tag, T>::flt fn;
        walkBinary<T, ac4>(a, as, b, bs, d, ds, n, h, fn);
        return kzvStatusOk;
    } else {
        using P = typename PolOf<Tag, T>::type;
        // 16u: a factor that zeroes every result fills the destination before
        // the other arguments are looked at (the fill checks its own).
        if constexpr (std::is_same_v<T, uint16_t>) {
            if (f > P::kZeroAbove) return fillRegion<T, L>(d, ds, w, h, T(0));
        }
        if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
        if (w < 1 || h < 1) return kzvStatusSizeErr;
        if (f > P::kZeroAbove) return fillRegion<T, L>(d, ds, w, h, T(0));
        withScale<T, P>(f, [&](auto& fn) {
            walkBinary<T, ac4>(a, as, b, bs, d, ds, n, h, fn);
        });
        return kzvStatusOk;
    }
}

template <int L>
constexpr int valuesOf() {
    return L == 4 ? 4 : (L == 1 ? 1 : 3);
}

template <class T, int L, class Tag>
KzvStatus withConstant(const T* a, ptrdiff_t as, const T* vals, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h,
                       int f) {
    constexpr bool ac4 = L == kAC4;
    constexpr int ch = channelsOf<L>();
    const ptrdiff_t n = w * ch;
    if constexpr (std::is_same_v<Tag, tag::MulCScale>) {
        if (anyNull(a, vals, d)) return kzvStatusNullPtrErr;
        if (anyBadStep(as, ds)) return kzvStatusStepErr;
        if (w < 1 || h < 1) return kzvStatusSizeErr;
        const Pattern<T> c = makePattern(vals, valuesOf<L>(), ch);
        MulScaleFn<T> fn;
        walkConst<T, ac4>(a, as, c, d, ds, n, h, fn);
        return kzvStatusOk;
    } else {
        if (anyNull(a, vals, d)) return kzvStatusNullPtrErr;
        if (w < 1 || h < 1) return kzvStatusSizeErr;
        const Pattern<T> c = makePattern(vals, valuesOf<L>(), ch);
        if constexpr (std::is_same_v<T, float>) {
            typename PolOf<Tag, T>::flt fn;
            walkConst<T, ac4>(a, as, c, d, ds, n, h, fn);
            return kzvStatusOk;
        } else {
            using P = typename PolOf<Tag, T>::type;
            constexpr bool addOrSub8 =
                std::is_same_v<T, uint8_t> && (std::is_same_v<Tag, tag::AddC> || std::is_same_v<Tag, tag::SubC>);
            if constexpr (addOrSub8 && L == 1) {
                // Adding or subtracting 0 unscaled is a copy.
                if (f == 0 && vals[0] == 0) {
                    copyRows<T, L>(a, as, d, ds, w, h);
                    return kzvStatusOk;
                }
            }
            if (f > P::kZeroAbove) return fillRegion<T, L>(d, ds, w, h, T(0));
            if constexpr (std::is_same_v<T, uint8_t> && std::is_same_v<Tag, tag::AddC> && L == 1) {
                // Every sum is at least the non-zero constant and saturates.
                if (f < P::kSatBelow && vals[0] != 0) return fillRegion<T, L>(d, ds, w, h, T(255));
            }
            withScale<T, P>(f, [&](auto& fn) {
                walkConst<T, ac4>(a, as, c, d, ds, n, h, fn);
            });
            return kzvStatusOk;
        }
    }
}

// ---- MulC64f ------------------------------------------------------------------
// The product is formed in double precision; integer results are clamped to
// the destination range and then rounded: mode 0 toward zero and mode 1 to
// nearest even (each under that processor rounding mode), any other mode
// half away from zero. Float results are converted to single precision under
// mode 0 toward zero, mode 1 to nearest, otherwise the caller's mode.

template <class T>
inline T roundClamped(double x, int mode) {
    if constexpr (std::is_same_v<T, float>) {
        return float(x);  // under the mode the frame set
    } else {
        using Lim = std::numeric_limits<T>;
        if (!(x == x)) return T(0);
        x = x < double(Lim::max()) ? x : double(Lim::max());
        x = x > double(Lim::min()) ? x : double(Lim::min());
        if (mode == 0 || mode == 1) return T(_mm_cvtsd_si32(_mm_set_sd(x)));
        const double t = trunc(x);
        const double fr = x - t;  // exact
        return T(t + (fr >= 0.5 ? 1.0 : (fr <= -0.5 ? -1.0 : 0.0)));
    }
}

template <class T, int L>
KzvStatus mulC64f(const T* a, ptrdiff_t as, const double* value, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h,
                  int mode) {
    if (anyNull(a, value, d)) return kzvStatusNullPtrErr;
    if (w < 1 || h < 1) return kzvStatusSizeErr;
    constexpr int ch = L;
    double v[4];
    for (int c = 0; c < ch; ++c) v[c] = value[c];
    const FpRound r = mode == 0 ? FpRound::Zero : FpRound::Nearest;
    const bool setMode = mode == 0 || mode == 1;
    auto rows = [&] {
        for (ptrdiff_t y = 0; y < h; ++y) {
            const T* s = rowAt(a, as, y);
            T* o = rowAt(d, ds, y);
            for (ptrdiff_t x = 0; x < w; ++x)
                for (int c = 0; c < ch; ++c) {
                    const ptrdiff_t i = x * ch + c;
                    st(o, i, roundClamped<T>(double(ld(s, i)) * v[c], mode));
                }
        }
    };
    if (setMode) {
        MxcsrGuard g(r);
        rows();
    } else {
        rows();
    }
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::arith

using namespace kzv::arith;

#define X_BSFS(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,  \
                                   int32_t dstStep, KzvImageSize roiSize, int32_t scaleFactor) {                  \
        return twoSource<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,        \
                                           roiSize.height, scaleFactor);                                         \
    }
#define X_BSFS_L(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, intptr_t src1Step, const T* pSrc2, intptr_t src2Step, T* pDst, \
                                   intptr_t dstStep, KzvImageSizeL roiSize, int32_t scaleFactor) {                \
        return twoSource<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,        \
                                           roiSize.height, scaleFactor);                                         \
    }
#define X_BSFSI(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,                 \
                                   KzvImageSize roiSize, int32_t scaleFactor) {                                    \
        return twoSource<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                           roiSize.height, scaleFactor);                                          \
    }
#define X_BSFSI_L(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, T* pSrcDst, intptr_t srcDstStep,               \
                                   KzvImageSizeL roiSize, int32_t scaleFactor) {                                   \
        return twoSource<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, \
                                           roiSize.height, scaleFactor);                                          \
    }
#define X_B(name, T, lay, OPN)                                                                                     \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,   \
                                   int32_t dstStep, KzvImageSize roiSize) {                                        \
        return twoSource<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,         \
                                           roiSize.height, 0);                                                    \
    }
#define X_B_L(name, T, lay, OPN)                                                                                    \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc1, intptr_t src1Step, const T* pSrc2, intptr_t src2Step, T* pDst,  \
                                   intptr_t dstStep, KzvImageSizeL roiSize) {                                       \
        return twoSource<T, lay, tag::OPN>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize.width,          \
                                           roiSize.height, 0);                                                     \
    }
#define X_BI(name, T, lay, OPN)                                                                                      \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,                   \
                                   KzvImageSize roiSize) {                                                           \
        return twoSource<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width,   \
                                           roiSize.height, 0);                                                      \
    }
#define X_BI_L(name, T, lay, OPN)                                                                                    \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, T* pSrcDst, intptr_t srcDstStep,                 \
                                   KzvImageSizeL roiSize) {                                                          \
        return twoSource<T, lay, tag::OPN>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width,   \
                                           roiSize.height, 0);                                                      \
    }

// Constant forms: layout 1 takes the value by value, the others an array.
#define KZV_VALUE_PARAM(T, lay) std::conditional_t<lay == 1, T, const T*>
#define KZV_VALUE_PTR(lay, v) kzv_value_ptr<lay>(v)
template <int L, class V>
static inline auto kzv_value_ptr(const V& v) {
    if constexpr (L == 1) return &v;
    else return v;
}

#define X_CSFS(name, T, lay, OPN)                                                                              \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,     \
                                   int32_t dstStep, KzvImageSize roiSize, int32_t scaleFactor) {               \
        return withConstant<T, lay, tag::OPN>(pSrc, srcStep, KZV_VALUE_PTR(lay, value), pDst, dstStep,         \
                                              roiSize.width, roiSize.height, scaleFactor);                    \
    }
#define X_CSFS_L(name, T, lay, OPN)                                                                            \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,    \
                                   intptr_t dstStep, KzvImageSizeL roiSize, int32_t scaleFactor) {             \
        return withConstant<T, lay, tag::OPN>(pSrc, srcStep, KZV_VALUE_PTR(lay, value), pDst, dstStep,         \
                                              roiSize.width, roiSize.height, scaleFactor);                    \
    }
#define X_CSFSI(name, T, lay, OPN)                                                                             \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, int32_t srcDstStep,              \
                                   KzvImageSize roiSize, int32_t scaleFactor) {                                \
        return withConstant<T, lay, tag::OPN>(pSrcDst, srcDstStep, KZV_VALUE_PTR(lay, value), pSrcDst,         \
                                              srcDstStep, roiSize.width, roiSize.height, scaleFactor);        \
    }
#define X_CSFSI_L(name, T, lay, OPN)                                                                           \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, intptr_t srcDstStep,             \
                                   KzvImageSizeL roiSize, int32_t scaleFactor) {                               \
        return withConstant<T, lay, tag::OPN>(pSrcDst, srcDstStep, KZV_VALUE_PTR(lay, value), pSrcDst,         \
                                              srcDstStep, roiSize.width, roiSize.height, scaleFactor);        \
    }
#define X_C(name, T, lay, OPN)                                                                                 \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,     \
                                   int32_t dstStep, KzvImageSize roiSize) {                                    \
        return withConstant<T, lay, tag::OPN>(pSrc, srcStep, KZV_VALUE_PTR(lay, value), pDst, dstStep,         \
                                              roiSize.width, roiSize.height, 0);                              \
    }
#define X_C_L(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, intptr_t srcStep, KZV_VALUE_PARAM(T, lay) value, T* pDst,    \
                                   intptr_t dstStep, KzvImageSizeL roiSize) {                                  \
        return withConstant<T, lay, tag::OPN>(pSrc, srcStep, KZV_VALUE_PTR(lay, value), pDst, dstStep,         \
                                              roiSize.width, roiSize.height, 0);                              \
    }
#define X_CI(name, T, lay, OPN)                                                                                \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, int32_t srcDstStep,              \
                                   KzvImageSize roiSize) {                                                     \
        return withConstant<T, lay, tag::OPN>(pSrcDst, srcDstStep, KZV_VALUE_PTR(lay, value), pSrcDst,         \
                                              srcDstStep, roiSize.width, roiSize.height, 0);                  \
    }
#define X_CI_L(name, T, lay, OPN)                                                                              \
    KZVAPI KzvStatus KZV_CALL name(KZV_VALUE_PARAM(T, lay) value, T* pSrcDst, intptr_t srcDstStep,             \
                                   KzvImageSizeL roiSize) {                                                    \
        return withConstant<T, lay, tag::OPN>(pSrcDst, srcDstStep, KZV_VALUE_PTR(lay, value), pSrcDst,         \
                                              srcDstStep, roiSize.width, roiSize.height, 0);                  \
    }
#define X_M64(name, T, lay, OPN)                                                                               \
    KZVAPI KzvStatus KZV_CALL name(const T* pSrc, int32_t srcStep, const Kzv64f* value, T* pDst,              \
                                   int32_t dstStep, KzvImageSize roiSize, KzvAlgHint, KzvRounding roundMode) { \
        return mulC64f<T, lay>(pSrc, srcStep, value, pDst, dstStep, roiSize.width, roiSize.height,            \
                               int(roundMode));                                                              \
    }
#define X_M64I(name, T, lay, OPN)                                                                              \
    KZVAPI KzvStatus KZV_CALL name(T* pSrcDst, int32_t srcDstStep, const Kzv64f* value, KzvImageSize roiSize,  \
                                   KzvAlgHint, KzvRounding roundMode) {                                       \
        return mulC64f<T, lay>(pSrcDst, srcDstStep, value, pSrcDst, srcDstStep, roiSize.width, roiSize.height, \
                               int(roundMode));                                                              \
    }

#include "pixel/arith_exports.inc"
