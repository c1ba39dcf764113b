// Border copies: a destination frame holding the source region surrounded by
// a constant, replicated, mirrored or wrapped border.
//
// Every member runs one routine, specialised by sample size, layout, family
// and AC4 rule (16u shares the 16s work, 32f the 32s work: the pixels are
// moved as bits). The frame is filled in the order the in-place forms rely
// on: each region row is completed first (left border, interior, right
// border, the borders read from that row of the source), then every row above
// and below the region is copied from the completed row the map selects.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "common/frame.h"
#include "common/simd.h"
#include "filter/border_model.h"
#include "kzvi.h"

namespace kzv::border {
namespace {

enum class Fam { Const, Replicate, Mirror, Wrap };
enum class Lay { C1, C3, C4, AC4 };

// Which samples an AC4 member writes.
enum class Ac4 {
    None,         // not AC4: whole pixels everywhere
    SidesColour,  // left/right border pixels colour only; interior and border rows whole
    ColourOnly,   // the fourth sample is never written
};

constexpr int channelsOf(Lay l) { return l == Lay::C1 ? 1 : (l == Lay::C3 ? 3 : 4); }

constexpr BorderMap mapOf(Fam f) {
    return f == Fam::Const ? BorderMap::Constant
                           : (f == Fam::Replicate ? BorderMap::Replicate
                                                  : (f == Fam::Mirror ? BorderMap::Reflect : BorderMap::Wrap));
}

template <class T, Lay L, Fam F>
constexpr Ac4 ac4Of() {
    if constexpr (L != Lay::AC4) return Ac4::None;
    else if constexpr (F == Fam::Replicate && sizeof(T) < 4) return Ac4::SidesColour;
    else return Ac4::ColourOnly;
}

struct Frame {
    ptrdiff_t srcW, srcH, dstW, dstH, top, left;
};

inline bool badFrame(const Frame& f) {
    return f.srcW < 1 || f.srcH < 1 || f.dstW < 1 || f.dstH < 1 || f.top < 0 || f.left < 0 ||
           f.dstW - f.srcW < f.left || f.dstH - f.srcH < f.top;
}

template <class S>
inline Frame frameOf(S src, S dst, ptrdiff_t top, ptrdiff_t left) {
    return Frame{ptrdiff_t(src.width), ptrdiff_t(src.height), ptrdiff_t(dst.width), ptrdiff_t(dst.height), top, left};
}

// ---- Row pieces (PB bytes a pixel, CB of them written) ----------------------

template <int PB, int CB>
inline void putPixels(uint8_t* d, const uint8_t* px, ptrdiff_t n) {
    for (ptrdiff_t k = 0; k < n; ++k) memcpy(d + k * PB, px, CB);
}

// Copies n bytes between rows that do not overlap (distinct rows of one
// image, or two images): 32-byte loads and stores, four at a time, with an
// overlapping final vector; short runs by the library's memcpy.
inline void copyRowBytes(uint8_t* d, const uint8_t* s, size_t n) {
    if (n < 128) {
        memcpy(d, s, n);
        return;
    }
    // First vector unaligned, then stores on 32-byte boundaries.
    simd::storeu(d, simd::loadu(s));
    size_t i = size_t(-reinterpret_cast<uintptr_t>(d)) & 31u;
    for (; i + 128 <= n; i += 128) {
        const __m256i a = simd::loadu(s + i), b = simd::loadu(s + i + 32);
        const __m256i c = simd::loadu(s + i + 64), e = simd::loadu(s + i + 96);
        _mm256_store_si256(reinterpret_cast<__m256i*>(d + i), a);
        _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 32), b);
        _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 64), c);
        _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 96), e);
    }
    for (; i + 32 <= n; i += 32) simd::storeu(d + i, simd::loadu(s + i));
    if (i < n) simd::storeu(d + n - 32, simd::loadu(s + n - 32));
}

template <int PB, int CB>
inline void copyPixels(uint8_t* d, const uint8_t* s, ptrdiff_t n) {
    if constexpr (PB == CB) {
        copyRowBytes(d, s, size_t(n) * PB);
    } else {
        for (ptrdiff_t k = 0; k < n; ++k) memcpy(d + k * PB, s + k * PB, CB);
    }
}

// Pixels in the constant run that constant fills copy from.
constexpr ptrdiff_t kConstRun = 64;

// n border pixels for positions x0 .. x0+n-1 (all on one side, outside
// [0, w)) of source line `line`, by map m.
template <int PB, int CB>
inline void sideRun(uint8_t* d, const uint8_t* line, ptrdiff_t x0, ptrdiff_t n, ptrdiff_t w, BorderMap m,
                    const uint8_t* cpx) {
    if (n <= 0) return;
    if (m == BorderMap::Constant) {
        if constexpr (PB == CB) {
            // cpx holds kConstRun copies of the pixel.
            for (ptrdiff_t k = 0; k < n; k += kConstRun)
                memcpy(d + k * PB, cpx, size_t(n - k < kConstRun ? n - k : kConstRun) * PB);
        } else {
            putPixels<PB, CB>(d, cpx, n);
        }
    } else if (m == BorderMap::Replicate || w == 1) {
        putPixels<PB, CB>(d, line + (x0 < 0 ? 0 : (w - 1) * PB), n);
    } else if (m == BorderMap::Reflect && n < w && (x0 == -n || x0 == w)) {
        // Within one reflection: the pixels next to the edge, reversed.
        const uint8_t* p = x0 < 0 ? line + n * PB : line + (w - 2) * PB;
        for (ptrdiff_t k = 0; k < n; ++k) memcpy(d + k * PB, p - k * PB, CB);
    } else if (m == BorderMap::Wrap && n <= w && (x0 == -n || x0 == w) && PB == CB) {
        // Within one period: a plain run from the other end of the line.
        memcpy(d, x0 < 0 ? line + (w - n) * PB : line, size_t(n) * PB);
    } else {
        // Mirror (period 2w-2) or wrap (period w), phase walked incrementally.
        const bool mirror = m == BorderMap::Reflect;
        const ptrdiff_t p = mirror ? 2 * w - 2 : w;
        ptrdiff_t j = floorMod(x0, p);
        for (ptrdiff_t k = 0; k < n; ++k) {
            const ptrdiff_t idx = j < w ? j : p - j;
            memcpy(d + k * PB, line + idx * PB, CB);
            if (++j == p) j = 0;
        }
    }
}

template <int PB, int CB, BorderMap M, Ac4 A>
void fillFrame(const uint8_t* src, ptrdiff_t srcStep, uint8_t* frame, ptrdiff_t dstStep, const Frame& f,
               const uint8_t* cpx, bool inPlace) {
    constexpr int SIDE = A == Ac4::None ? PB : CB;        // bytes per side-border pixel
    constexpr int BODY = A == Ac4::ColourOnly ? CB : PB;  // interior and border rows
    const ptrdiff_t right = f.dstW - f.srcW - f.left;
    const ptrdiff_t bottom = f.dstH - f.srcH - f.top;

    // 1. Region rows, each completed left to right.
    for (ptrdiff_t y = 0; y < f.srcH; ++y) {
        const uint8_t* s = src + y * srcStep;
        uint8_t* d = frame + (f.top + y) * dstStep;
        sideRun<PB, SIDE>(d, s, -f.left, f.left, f.srcW, M, cpx);
        if (!inPlace) copyPixels<PB, BODY>(d + f.left * PB, s, f.srcW);
        sideRun<PB, SIDE>(d + (f.left + f.srcW) * PB, s, f.srcW, right, f.srcW, M, cpx);
    }

    // 2. Rows above and below, from completed rows (or the constant).
    const uint8_t* firstConst = nullptr;
    auto borderRow = [&](ptrdiff_t Y) {
        uint8_t* d = frame + Y * dstStep;
        if constexpr (M == BorderMap::Constant) {
            if (BODY == PB && firstConst != nullptr) {
                copyRowBytes(d, firstConst, size_t(f.dstW) * PB);
            } else {
                sideRun<PB, BODY>(d, nullptr, -f.dstW, f.dstW, 1, M, cpx);
                firstConst = d;
            }
        } else {
            const ptrdiff_t yy = mapIndex(M, Y - f.top, f.srcH);
            copyPixels<PB, BODY>(d, frame + (f.top + yy) * dstStep, f.dstW);
        }
    };
    for (ptrdiff_t Y = 0; Y < f.top; ++Y) borderRow(Y);
    for (ptrdiff_t Y = f.top + f.srcH; Y < f.top + f.srcH + bottom; ++Y) borderRow(Y);
}

template <class T, Lay L, Fam F>
void run(const T* src, ptrdiff_t srcStep, T* frame, ptrdiff_t dstStep, const Frame& f, const T* value,
         bool inPlace) {
    constexpr int CH = channelsOf(L);
    constexpr int PB = int(sizeof(T)) * CH;
    constexpr int CB = int(sizeof(T)) * (L == Lay::AC4 ? 3 : CH);
    constexpr Ac4 A = ac4Of<T, L, F>();
    uint8_t cpx[PB * kConstRun] = {};
    if constexpr (F == Fam::Const) {
        for (ptrdiff_t k = 0; k < kConstRun; ++k) memcpy(cpx + k * PB, value, size_t(CB));
    }
    // Work through one instantiation per sample size: 16u runs the 16s
    // work and 32f the 32s work.
    fillFrame<PB, CB, mapOf(F), A>(reinterpret_cast<const uint8_t*>(src), srcStep,
                                   reinterpret_cast<uint8_t*>(frame), dstStep, f, cpx, inPlace);
}

template <class T, Lay L>
inline T* frameOrigin(T* p, ptrdiff_t step, const Frame& f) {
    return byteOffset(p, -f.top * step - f.left * ptrdiff_t(sizeof(T)) * channelsOf(L));
}

template <class T, Lay L, Fam F>
KzvStatus copyIR(T* p, ptrdiff_t step, const Frame& f, const T* value) {
    if (p == nullptr || (F == Fam::Const && value == nullptr)) return kzvStatusNullPtrErr;
    if (step < 1) return kzvStatusStepErr;
    if (badFrame(f)) return kzvStatusSizeErr;
    run<T, L, F>(p, step, frameOrigin<T, L>(p, step, f), step, f, value, true);
    return kzvStatusOk;
}

template <class T, Lay L, Fam F>
KzvStatus copyR(const T* src, ptrdiff_t srcStep, T* dst, ptrdiff_t dstStep, const Frame& f, const T* value) {
    // Replicate and mirror take equal pointers as the in-place form before
    // any check; wrap does so after its checks.
    if constexpr (F == Fam::Replicate || F == Fam::Mirror) {
        if (src == dst) return copyIR<T, L, F>(dst, dstStep, f, value);
    }
    if (src == nullptr || dst == nullptr) return kzvStatusNullPtrErr;
    if (srcStep < 1 || dstStep < 1) return kzvStatusStepErr;
    if (badFrame(f)) return kzvStatusSizeErr;
    if (F == Fam::Const && value == nullptr) return kzvStatusNullPtrErr;
    if constexpr (F == Fam::Wrap) {
        if (src == dst) return copyIR<T, L, F>(dst, dstStep, f, value);
    }
    run<T, L, F>(src, srcStep, dst, dstStep, f, value, false);
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::border

// ---- Exports -------------------------------------------------------------------

using kzv::border::copyIR;
using kzv::border::copyR;
using kzv::border::frameOf;
using Fam = kzv::border::Fam;
using Lay = kzv::border::Lay;

#define KZV_BORDER_PLAIN(nR, nIR, nRL, nIRL, CT, F, LAY)                                                          \
    KzvStatus nR(const CT* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, CT* pDst, int32_t dstStep,             \
                 KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth) {                     \
        return copyR<CT, Lay::LAY, Fam::F>(pSrc, srcStep, pDst, dstStep,                                          \
                                           frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth),     \
                                           nullptr);                                                              \
    }                                                                                                             \
    KzvStatus nIR(CT* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize,              \
                  int32_t topBorderHeight, int32_t leftBorderWidth) {                                             \
        return copyIR<CT, Lay::LAY, Fam::F>(pSrcDst, srcDstStep,                                                  \
                                            frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth),    \
                                            nullptr);                                                             \
    }                                                                                                             \
    KzvStatus nRL(const CT* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, CT* pDst, intptr_t dstStep,         \
                  KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth) {                 \
        return copyR<CT, Lay::LAY, Fam::F>(pSrc, srcStep, pDst, dstStep,                                          \
                                           frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth),     \
                                           nullptr);                                                              \
    }                                                                                                             \
    KzvStatus nIRL(CT* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize,          \
                   intptr_t topBorderHeight, intptr_t leftBorderWidth) {                                          \
        return copyIR<CT, Lay::LAY, Fam::F>(pSrcDst, srcDstStep,                                                  \
                                            frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth),    \
                                            nullptr);                                                             \
    }

// The constant family: VDECL is the value parameter, VPTR the pointer to it.
#define KZV_BORDER_CONST(nR, nIR, nRL, nIRL, CT, LAY, VDECL, VPTR)                                                \
    KzvStatus nR(const CT* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, CT* pDst, int32_t dstStep,             \
                 KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, VDECL) {              \
        return copyR<CT, Lay::LAY, Fam::Const>(pSrc, srcStep, pDst, dstStep,                                      \
                                               frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth), \
                                               VPTR);                                                             \
    }                                                                                                             \
    KzvStatus nIR(CT* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize,              \
                  int32_t topBorderHeight, int32_t leftBorderWidth, VDECL) {                                      \
        return copyIR<CT, Lay::LAY, Fam::Const>(                                                                  \
            pSrcDst, srcDstStep, frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth), VPTR);        \
    }                                                                                                             \
    KzvStatus nRL(const CT* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, CT* pDst, intptr_t dstStep,         \
                  KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, VDECL) {          \
        return copyR<CT, Lay::LAY, Fam::Const>(pSrc, srcStep, pDst, dstStep,                                      \
                                               frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth), \
                                               VPTR);                                                             \
    }                                                                                                             \
    KzvStatus nIRL(CT* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize,          \
                   intptr_t topBorderHeight, intptr_t leftBorderWidth, VDECL) {                                   \
        return copyIR<CT, Lay::LAY, Fam::Const>(                                                                  \
            pSrcDst, srcDstStep, frameOf(srcRoiSize, dstRoiSize, topBorderHeight, leftBorderWidth), VPTR);        \
    }

#define KZV_BORDER_Const_C1(nR, nIR, nRL, nIRL, CT) KZV_BORDER_CONST(nR, nIR, nRL, nIRL, CT, C1, CT value, &value)
#define KZV_BORDER_Const_C3(nR, nIR, nRL, nIRL, CT) \
    KZV_BORDER_CONST(nR, nIR, nRL, nIRL, CT, C3, const CT value[3], value)
#define KZV_BORDER_Const_AC4(nR, nIR, nRL, nIRL, CT) \
    KZV_BORDER_CONST(nR, nIR, nRL, nIRL, CT, AC4, const CT value[3], value)
#define KZV_BORDER_Const_C4(nR, nIR, nRL, nIRL, CT) \
    KZV_BORDER_CONST(nR, nIR, nRL, nIRL, CT, C4, const CT value[4], value)
#define KZV_BORDER_Replicate_C1(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Replicate, C1)
#define KZV_BORDER_Replicate_C3(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Replicate, C3)
#define KZV_BORDER_Replicate_C4(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Replicate, C4)
#define KZV_BORDER_Replicate_AC4(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Replicate, AC4)
#define KZV_BORDER_Mirror_C1(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Mirror, C1)
#define KZV_BORDER_Mirror_C3(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Mirror, C3)
#define KZV_BORDER_Mirror_C4(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Mirror, C4)
#define KZV_BORDER_Wrap_C1(a, b, c, d, CT) KZV_BORDER_PLAIN(a, b, c, d, CT, Wrap, C1)

#define X(nR, nIR, nRL, nIRL, FAM, CT, LAY) KZV_BORDER_##FAM##_##LAY(nR, nIR, nRL, nIRL, CT)
#include "filter/border_exports.inc"
#undef X
