// Alpha composition (the Porter-Duff operators with per-pixel or constant
// opacities), premultiplication and colour-key replacement. One pixel walk
// serves every layout through a view that addresses sample c of pixel
// (x, y) in interleaved or planar images.
#include <math.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "common/frame.h"
#include "kzvi.h"

namespace kzv {
namespace {

using Byte = uint8_t;

enum Layout { kC1 = 1, kC3 = 3, kC4 = 4, kAC4 = 5, kAP4 = 6, kAC1 = 7 };

constexpr int samplesPerPixel(int layout) {
    return layout == kC3 ? 3 : (layout == kC4 || layout == kAC4) ? 4 : 1;
}

template <class T>
struct View {
    Byte* plane[4];
    ptrdiff_t step;
    int samples;  // per pixel, interleaved; 0 for planar
    Byte* at(ptrdiff_t x, ptrdiff_t y, int c) const {
        if (samples == 0) return plane[c] + y * step + x * ptrdiff_t(sizeof(T));
        return plane[0] + y * step + (x * samples + c) * ptrdiff_t(sizeof(T));
    }
    T get(ptrdiff_t x, ptrdiff_t y, int c) const {
        T v;
        memcpy(&v, at(x, y, c), sizeof v);
        return v;
    }
    void put(ptrdiff_t x, ptrdiff_t y, int c, T v) const { memcpy(at(x, y, c), &v, sizeof v); }
};

template <class T>
View<T> interleaved(const T* p, int32_t step, int layout) {
    return View<T>{{reinterpret_cast<Byte*>(const_cast<T*>(p)), nullptr, nullptr, nullptr}, step, samplesPerPixel(layout)};
}
template <class T>
View<T> planar(const T* const* p, int32_t step) {
    View<T> v{{}, step, 0};
    for (int c = 0; c < 4; ++c) v.plane[c] = reinterpret_cast<Byte*>(const_cast<T*>(p[c]));
    return v;
}
template <class T>
bool anyPlaneNull(const T* const* p) {
    return !p || !p[0] || !p[1] || !p[2] || !p[3];
}

// ---- Arithmetic ---------------------------------------------------------------
// 8u and 16u: exact integers, each product of two samples divided by the
// maximum with rounding to nearest, sums saturated. Other types: opacities
// normalised by the type maximum, products and sums in double (fused where
// the operator has a product-sum), integers rounded to nearest and saturated.

template <class T>
constexpr bool kExact = std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t>;

template <class T>
constexpr double kMax = std::is_same_v<T, float> ? 1.0 : double(std::numeric_limits<T>::max());

// x / max rounded to nearest for x <= max^2 (max = 2^S - 1).
template <class T>
inline uint64_t divMax(uint64_t x) {
    constexpr int S = 8 * sizeof(T);
    constexpr uint64_t H = uint64_t(1) << (S - 1);
    return (x + H + ((x + H) >> S)) >> S;
}

template <class T>
inline T satAdd(uint64_t a, uint64_t b) {
    const uint64_t s = a + b;
    return s > uint64_t(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max() : T(s);
}

template <class T>
inline T fromDouble(double v) {
    if constexpr (std::is_same_v<T, float>) return float(v);
    else return saturate<T>(round(v));
}

// Result colour sample of operator op from colours a, b and opacities.
template <class T>
inline T compColour(T a, T aa, T b, T ab, int op) {
    const bool pre = op >= 6;
    op %= 6;
    if constexpr (kExact<T>) {
        constexpr uint64_t M = std::numeric_limits<T>::max();
        const uint64_t A = pre ? a : divMax<T>(uint64_t(aa) * a);
        const uint64_t B = pre ? b : divMax<T>(uint64_t(ab) * b);
        switch (op) {
        case 0: return satAdd<T>(A, divMax<T>(B * (M - aa)));
        case 1: return T(divMax<T>(A * ab));
        case 2: return T(divMax<T>(A * (M - ab)));
        case 3: return satAdd<T>(divMax<T>(A * ab), divMax<T>(B * (M - aa)));
        case 4: return satAdd<T>(divMax<T>(A * (M - ab)), divMax<T>(B * (M - aa)));
        default: return satAdd<T>(A, B);
        }
    } else {
        const double na = double(aa) / kMax<T>, nb = double(ab) / kMax<T>;
        const double A = pre ? double(a) : na * double(a);
        const double B = pre ? double(b) : nb * double(b);
        double r;
        switch (op) {
        case 0: r = fma(B, 1.0 - na, A); break;
        case 1: r = A * nb; break;
        case 2: r = A * (1.0 - nb); break;
        case 3: r = fma(A, nb, B * (1.0 - na)); break;
        case 4: r = fma(A, 1.0 - nb, B * (1.0 - na)); break;
        default: r = A + B; break;
        }
        return fromDouble<T>(r);
    }
}

// Result alpha of operator op.
template <class T>
inline T compAlpha(T aa, T ab, int op) {
    op %= 6;
    if constexpr (kExact<T>) {
        constexpr uint64_t M = std::numeric_limits<T>::max();
        switch (op) {
        case 0: return satAdd<T>(aa, divMax<T>(uint64_t(ab) * (M - aa)));
        case 1: return T(divMax<T>(uint64_t(aa) * ab));
        case 2: return T(divMax<T>(uint64_t(aa) * (M - ab)));
        case 3: return ab;
        case 4: return satAdd<T>(divMax<T>(uint64_t(aa) * (M - ab)), divMax<T>(uint64_t(ab) * (M - aa)));
        default: return satAdd<T>(aa, ab);
        }
    } else {
        const double na = double(aa) / kMax<T>, nb = double(ab) / kMax<T>;
        double r;
        switch (op) {
        case 0: r = fma(nb, 1.0 - na, na); break;
        case 1: r = na * nb; break;
        case 2: r = na * (1.0 - nb); break;
        case 3: return ab;
        case 4: r = fma(na, 1.0 - nb, nb * (1.0 - na)); break;
        default: r = na + nb; break;
        }
        return fromDouble<T>(r * kMax<T>);
    }
}

// colour * alpha / max.
template <class T>
inline T premul(T c, T alpha) {
    if constexpr (kExact<T>) return T(divMax<T>(uint64_t(c) * alpha));
    else return fromDouble<T>(double(c) * (double(alpha) / kMax<T>));
}

// ---- Walks ------------------------------------------------------------------

template <class F>
inline void forEachPixel(KzvImageSize roi, F&& f) {
    for (ptrdiff_t y = 0; y < roi.height; ++y)
        for (ptrdiff_t x = 0; x < roi.width; ++x) f(x, y);
}

inline bool badOp(int32_t op) {
    return op < 0 || op > 11;
}

// Per-pixel opacities: AC4/AP4 carry alpha in sample 3, AC1 is alpha only.
template <class T>
KzvStatus alphaComp(const View<T>& s1, const View<T>& s2, const View<T>& d, KzvImageSize roi, int32_t op, bool alphaOnly) {
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badOp(op)) return kzvStatusAlphaTypeErr;
    forEachPixel(roi, [&](ptrdiff_t x, ptrdiff_t y) {
        if (alphaOnly) {
            d.put(x, y, 0, compAlpha<T>(s1.get(x, y, 0), s2.get(x, y, 0), op));
            return;
        }
        T a[4], b[4];
        for (int c = 0; c < 4; ++c) a[c] = s1.get(x, y, c), b[c] = s2.get(x, y, c);
        for (int c = 0; c < 3; ++c) d.put(x, y, c, compColour<T>(a[c], a[3], b[c], b[3], op));
        d.put(x, y, 3, compAlpha<T>(a[3], b[3], op));
    });
    return kzvStatusOk;
}

// Constant opacities; `colours` samples of each pixel are composed.
template <class T>
KzvStatus alphaCompC(const View<T>& s1, T a1, const View<T>& s2, T a2, const View<T>& d, KzvImageSize roi, int32_t op,
                     int colours) {
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badOp(op)) return kzvStatusAlphaTypeErr;
    forEachPixel(roi, [&](ptrdiff_t x, ptrdiff_t y) {
        for (int c = 0; c < colours; ++c) d.put(x, y, c, compColour<T>(s1.get(x, y, c), a1, s2.get(x, y, c), a2, op));
    });
    return kzvStatusOk;
}

template <class T>
KzvStatus alphaPremul(const View<T>& s, const View<T>& d, KzvImageSize roi) {
    if (badSize(roi)) return kzvStatusSizeErr;
    forEachPixel(roi, [&](ptrdiff_t x, ptrdiff_t y) {
        const T alpha = s.get(x, y, 3);
        for (int c = 0; c < 3; ++c) d.put(x, y, c, premul<T>(s.get(x, y, c), alpha));
        d.put(x, y, 3, alpha);
    });
    return kzvStatusOk;
}

template <class T>
KzvStatus alphaPremulC(const View<T>& s, T alpha, const View<T>& d, KzvImageSize roi, int colours) {
    if (badSize(roi)) return kzvStatusSizeErr;
    forEachPixel(roi, [&](ptrdiff_t x, ptrdiff_t y) {
        for (int c = 0; c < colours; ++c) d.put(x, y, c, premul<T>(s.get(x, y, c), alpha));
    });
    return kzvStatusOk;
}

constexpr int colourSamples(int layout) {
    return layout == kAC4 || layout == kAP4 ? 3 : samplesPerPixel(layout);
}

template <class T, int N>
KzvStatus colorKey(const T* s1, int32_t st1, const T* s2, int32_t st2, T* d, int32_t std_, KzvImageSize roi,
                   const T* key) {
    if (!s1 || !s2 || !d || !key) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (st1 < 1 || st2 < 1 || std_ < 1) return kzvStatusStepErr;
    const View<T> a = interleaved(s1, st1, N), b = interleaved(s2, st2, N), o = interleaved(d, std_, N);
    forEachPixel(roi, [&](ptrdiff_t x, ptrdiff_t y) {
        bool match = true;
        for (int c = 0; c < N; ++c) match = match && a.get(x, y, c) == key[c];
        const View<T>& from = match ? b : a;
        for (int c = 0; c < N; ++c) o.put(x, y, c, from.get(x, y, c));
    });
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv

using kzv::interleaved;
using kzv::planar;

#define COMP1(name, T)                                                                                           \
    extern "C" KzvStatus name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,       \
                              int32_t dstStep, KzvImageSize roiSize, int32_t alphaType) {                        \
        if (!pSrc1 || !pSrc2 || !pDst) return kzvStatusNullPtrErr;                                               \
        return kzv::alphaComp<T>(interleaved(pSrc1, src1Step, kzv::kC1), interleaved(pSrc2, src2Step, kzv::kC1), \
                                 interleaved(pDst, dstStep, kzv::kC1), roiSize, alphaType, true);                 \
    }
#define COMP(nameR, nameIR, T, L)                                                                                \
    extern "C" KzvStatus nameR(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,      \
                               int32_t dstStep, KzvImageSize roiSize, int32_t alphaType) {                       \
        if (!pSrc1 || !pSrc2 || !pDst) return kzvStatusNullPtrErr;                                               \
        return kzv::alphaComp<T>(interleaved(pSrc1, src1Step, L), interleaved(pSrc2, src2Step, L),                \
                                 interleaved(pDst, dstStep, L), roiSize, alphaType, false);                       \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(const T* pSrc, int32_t srcStep, T* pSrcDst, int32_t srcDstStep,                  \
                                KzvImageSize roiSize, int32_t alphaType) {                                       \
        return nameR(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, alphaType);               \
    }
#define COMP_P(nameR, nameIR, T)                                                                                 \
    extern "C" KzvStatus nameR(const T* const pSrc1[4], int32_t src1Step, const T* const pSrc2[4],               \
                               int32_t src2Step, T* const pDst[4], int32_t dstStep, KzvImageSize roiSize,        \
                               int32_t alphaType) {                                                              \
        if (kzv::anyPlaneNull(pSrc1) || kzv::anyPlaneNull(pSrc2) || kzv::anyPlaneNull<T>(pDst))                  \
            return kzvStatusNullPtrErr;                                                                          \
        return kzv::alphaComp<T>(planar(pSrc1, src1Step), planar(pSrc2, src2Step), planar<T>(pDst, dstStep),     \
                                 roiSize, alphaType, false);                                                     \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(const T* const pSrc[4], int32_t srcStep, T* const pSrcDst[4],                    \
                                int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType) {                   \
        if (kzv::anyPlaneNull(pSrc) || kzv::anyPlaneNull<T>(pSrcDst)) return kzvStatusNullPtrErr;                \
        return kzv::alphaComp<T>(planar(pSrc, srcStep), planar<T>(pSrcDst, srcDstStep),                          \
                                 planar<T>(pSrcDst, srcDstStep), roiSize, alphaType, false);                     \
    }
#define COMPC(nameR, nameIR, T, L)                                                                               \
    extern "C" KzvStatus nameR(const T* pSrc1, int32_t src1Step, T alpha1, const T* pSrc2, int32_t src2Step,     \
                               T alpha2, T* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType) {    \
        if (!pSrc1 || !pSrc2 || !pDst) return kzvStatusNullPtrErr;                                               \
        return kzv::alphaCompC<T>(interleaved(pSrc1, src1Step, L), alpha1, interleaved(pSrc2, src2Step, L),       \
                                  alpha2, interleaved(pDst, dstStep, L), roiSize, alphaType,                     \
                                  kzv::colourSamples(L));                                                        \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(const T* pSrc, int32_t srcStep, T alpha1, T* pSrcDst, int32_t srcDstStep,        \
                                T alpha2, KzvImageSize roiSize, int32_t alphaType) {                             \
        return nameR(pSrc, srcStep, alpha1, pSrcDst, srcDstStep, alpha2, pSrcDst, srcDstStep, roiSize,           \
                     alphaType);                                                                                 \
    }
#define COMPC_P(nameR, nameIR, T)                                                                                \
    extern "C" KzvStatus nameR(const T* const pSrc1[4], int32_t src1Step, T alpha1, const T* const pSrc2[4],     \
                               int32_t src2Step, T alpha2, T* const pDst[4], int32_t dstStep,                    \
                               KzvImageSize roiSize, int32_t alphaType) {                                        \
        if (kzv::anyPlaneNull(pSrc1) || kzv::anyPlaneNull(pSrc2) || kzv::anyPlaneNull<T>(pDst))                  \
            return kzvStatusNullPtrErr;                                                                          \
        return kzv::alphaCompC<T>(planar(pSrc1, src1Step), alpha1, planar(pSrc2, src2Step), alpha2,              \
                                  planar<T>(pDst, dstStep), roiSize, alphaType, 3);                              \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(const T* const pSrc[4], int32_t srcStep, T alpha1, T* const pSrcDst[4],          \
                                int32_t srcDstStep, T alpha2, KzvImageSize roiSize, int32_t alphaType) {         \
        if (kzv::anyPlaneNull(pSrc) || kzv::anyPlaneNull<T>(pSrcDst)) return kzvStatusNullPtrErr;                \
        return kzv::alphaCompC<T>(planar(pSrc, srcStep), alpha1, planar<T>(pSrcDst, srcDstStep), alpha2,         \
                                  planar<T>(pSrcDst, srcDstStep), roiSize, alphaType, 3);                        \
    }
#define PREMUL(nameR, nameIR, namePR, namePIR, T)                                                                \
    extern "C" KzvStatus nameR(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) { \
        if (!pSrc || !pDst) return kzvStatusNullPtrErr;                                                          \
        return kzv::alphaPremul<T>(interleaved(pSrc, srcStep, kzv::kAC4), interleaved(pDst, dstStep, kzv::kAC4), \
                                   roiSize);                                                                     \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize) {                          \
        return nameR(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize);                                         \
    }                                                                                                            \
    extern "C" KzvStatus namePR(const T* const pSrc[4], int32_t srcStep, T* const pDst[4], int32_t dstStep,      \
                                KzvImageSize roiSize) {                                                          \
        if (kzv::anyPlaneNull(pSrc) || kzv::anyPlaneNull<T>(pDst)) return kzvStatusNullPtrErr;                   \
        return kzv::alphaPremul<T>(planar(pSrc, srcStep), planar<T>(pDst, dstStep), roiSize);                    \
    }                                                                                                            \
    extern "C" KzvStatus namePIR(T* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize) {                \
        if (kzv::anyPlaneNull<T>(pSrcDst)) return kzvStatusNullPtrErr;                                           \
        return kzv::alphaPremul<T>(planar<T>(pSrcDst, srcDstStep), planar<T>(pSrcDst, srcDstStep), roiSize);     \
    }
#define PREMULC(nameR, nameIR, T, L)                                                                             \
    extern "C" KzvStatus nameR(const T* pSrc, int32_t srcStep, T alpha, T* pDst, int32_t dstStep,                \
                               KzvImageSize roiSize) {                                                           \
        if (!pSrc || !pDst) return kzvStatusNullPtrErr;                                                          \
        return kzv::alphaPremulC<T>(interleaved(pSrc, srcStep, L), alpha, interleaved(pDst, dstStep, L),         \
                                    roiSize, kzv::colourSamples(L));                                             \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(T alpha, T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize) {                 \
        return nameR(pSrcDst, srcDstStep, alpha, pSrcDst, srcDstStep, roiSize);                                  \
    }
#define PREMULC_P(nameR, nameIR, T)                                                                              \
    extern "C" KzvStatus nameR(const T* const pSrc[4], int32_t srcStep, T alpha, T* const pDst[4],               \
                               int32_t dstStep, KzvImageSize roiSize) {                                          \
        if (kzv::anyPlaneNull(pSrc) || kzv::anyPlaneNull<T>(pDst)) return kzvStatusNullPtrErr;                   \
        return kzv::alphaPremulC<T>(planar(pSrc, srcStep), alpha, planar<T>(pDst, dstStep), roiSize, 3);         \
    }                                                                                                            \
    extern "C" KzvStatus nameIR(T alpha, T* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize) {        \
        if (kzv::anyPlaneNull<T>(pSrcDst)) return kzvStatusNullPtrErr;                                           \
        return kzv::alphaPremulC<T>(planar<T>(pSrcDst, srcDstStep), alpha, planar<T>(pSrcDst, srcDstStep),       \
                                    roiSize, 3);                                                                 \
    }
#define KEY1(name, T)                                                                                            \
    extern "C" KzvStatus name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,       \
                              int32_t dstStep, KzvImageSize roiSize, T colorKey) {                               \
        return kzv::colorKey<T, 1>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize, &colorKey);         \
    }
#define KEYN(name, T, N)                                                                                         \
    extern "C" KzvStatus name(const T* pSrc1, int32_t src1Step, const T* pSrc2, int32_t src2Step, T* pDst,       \
                              int32_t dstStep, KzvImageSize roiSize, const T colorKey[N]) {                      \
        return kzv::colorKey<T, N>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize, colorKey);          \
    }
#include "pixel/alpha_exports.inc"
