// Copy, set and channel moves: argument checks, row walking and the exported
// forwarders. The row routines are in copy_kernels.cpp.
//
// Every operation moves bytes, so implementations are chosen by sample size
// (S = 1, 2 or 4 bytes), never by signedness: 16u and 16s exports, and 32s
// and 32f exports, reach the same instantiation. Plain C1/C3/C4 copies all run
// one byte engine with the row length in bytes.
#include <string.h>

#include "common/cache.h"
#include "common/frame.h"
#include "kzvi.h"
#include "pixel/copy_kernels.h"

namespace {

using kzv::anyNull;
using kzv::badSize;
using kzv::rowAt;
namespace cpy = kzv::cpy;

enum class Op {
    C1, C3, C4, AC4,  // plain layouts
    C3C1, C4C1,       // source at the chosen channel
    C1C3, C1C4,       // destination at the chosen channel
    C3C, C4C,         // both at the chosen channel
    AC4C3, C3AC4, C4C3,
};

// The cache size matters only for regions that may stream; smaller ones skip
// the query.
inline int64_t cacheFor(uint64_t bytes) {
    return bytes > cpy::kSet16BytePixelBytes ? kzv::largestCacheBytes() : 0;
}

// ---- Unit maps of the channel moves ------------------------------------------

// Destination sample c of a unit comes from source sample src[c]; kFromFill
// and kFromKeep apply to whole samples.
cpy::UnitMap unitMap(int S, int srcSamples, int dstSamples, const int8_t* src) {
    cpy::UnitMap m;
    m.sampleBytes = S;
    m.srcUnit = srcSamples * S;
    m.dstUnit = dstSamples * S;
    for (int c = 0; c < dstSamples; ++c)
        for (int b = 0; b < S; ++b) m.from[c * S + b] = src[c] >= 0 ? int8_t(src[c] * S + b) : src[c];
    return m;
}

constexpr int8_t F = cpy::kFromFill;
constexpr int8_t K = cpy::kFromKeep;

// Rows of `units` units; spans cover what the layout guarantees to exist.
void mapRows(const cpy::MapPlan& plan, const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep,
             size_t units, size_t height, size_t srcSpan, size_t dstSpan) {
    for (size_t y = 0; y < height; ++y)
        cpy::mapRow(plan, rowAt(s, srcStep, ptrdiff_t(y)), rowAt(d, dstStep, ptrdiff_t(y)), units, srcSpan, dstSpan);
}

// The map and spans of a copy layout (everything but plain C1/C3/C4).
struct MoveShape {
    cpy::UnitMap map;
    size_t srcSpan, dstSpan;
};
MoveShape moveShape(int S, Op op, size_t w) {
    static constexpr int8_t id[4] = {0, 1, 2, 3};
    static constexpr int8_t chosen[4] = {0, K, K, K};
    static constexpr int8_t alphaKept[4] = {0, 1, 2, K};
    const size_t s = size_t(S);
    MoveShape r;
    switch (op) {
    case Op::AC4: r = {unitMap(S, 4, 4, alphaKept), 4 * s * w, 4 * s * w}; break;
    case Op::C3C1: r = {unitMap(S, 3, 1, id), 3 * s * (w - 1) + s, s * w}; break;
    case Op::C4C1: r = {unitMap(S, 4, 1, id), 4 * s * (w - 1) + s, s * w}; break;
    case Op::C1C3: r = {unitMap(S, 1, 3, chosen), s * w, 3 * s * (w - 1) + s}; break;
    case Op::C1C4: r = {unitMap(S, 1, 4, chosen), s * w, 4 * s * (w - 1) + s}; break;
    case Op::C3C: r = {unitMap(S, 3, 3, chosen), 3 * s * (w - 1) + s, 3 * s * (w - 1) + s}; break;
    case Op::C4C: r = {unitMap(S, 4, 4, chosen), 4 * s * (w - 1) + s, 4 * s * (w - 1) + s}; break;
    case Op::AC4C3: r = {unitMap(S, 4, 3, id), 4 * s * w, 3 * s * w}; break;
    default: r = {unitMap(S, 3, 4, alphaKept), 3 * s * w, 4 * s * w}; break;  // C3AC4
    }
    return r;
}

constexpr int channelsOf(Op op) {
    return op == Op::C1 ? 1 : op == Op::C3 ? 3 : 4;
}

// ---- Copy ---------------------------------------------------------------------

template <int S, Op op>
KzvStatus copyFrame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const uint8_t* s = static_cast<const uint8_t*>(pSrc);
    uint8_t* d = static_cast<uint8_t*>(pDst);
    const size_t w = size_t(roi.width), h = size_t(roi.height);
    if constexpr (op == Op::C1 || op == Op::C3 || op == Op::C4) {
        const size_t rowBytes = w * size_t(S * channelsOf(op));
        cpy::copyRows(s, srcStep, d, dstStep, rowBytes, h, cacheFor(uint64_t(rowBytes) * h));
    } else {
        const MoveShape sh = moveShape(S, op, w);
        cpy::MapPlan plan;
        cpy::makePlan(plan, sh.map);
        mapRows(plan, s, srcStep, d, dstStep, w, h, sh.srcSpan, sh.dstSpan);
    }
    return kzvStatusOk;
}

// One implementation for every plain copy: the byte engine with the row
// length in bytes.
KzvStatus copyBytesFrame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                         int pixelBytes) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const size_t rowBytes = size_t(roi.width) * size_t(pixelBytes), h = size_t(roi.height);
    cpy::copyRows(static_cast<const uint8_t*>(pSrc), srcStep, static_cast<uint8_t*>(pDst), dstStep, rowBytes, h,
                  cacheFor(uint64_t(rowBytes) * h));
    return kzvStatusOk;
}

template <int S, Op op>
KzvStatus copyMaskedFrame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                          const Kzv8u* pMask, int32_t maskStep) {
    if (anyNull(pSrc, pDst, pMask)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const uint8_t* s = static_cast<const uint8_t*>(pSrc);
    uint8_t* d = static_cast<uint8_t*>(pDst);
    constexpr size_t P = size_t(S) * (op == Op::C1 ? 1 : op == Op::C3 ? 3 : 4);
    size_t w = size_t(roi.width), h = size_t(roi.height);
    if (ptrdiff_t(w * P) == srcStep && ptrdiff_t(w * P) == dstStep && ptrdiff_t(w) == maskStep) {
        w *= h;
        h = 1;
    }
    cpy::MapPlan plan;
    if constexpr (op == Op::AC4) cpy::makePlan(plan, moveShape(S, Op::AC4, 1).map);
    for (size_t y = 0; y < h; ++y) {
        const uint8_t* sr = rowAt(s, srcStep, ptrdiff_t(y));
        uint8_t* dr = rowAt(d, dstStep, ptrdiff_t(y));
        // Only pixels of non-zero mask bytes are written: each run of them is
        // copied as a short row.
        cpy::forEachMaskRun(rowAt(pMask, maskStep, ptrdiff_t(y)), w, [&](size_t x, size_t n) {
            if constexpr (op == Op::AC4) cpy::mapRow(plan, sr + x * P, dr + x * P, n, n * P, n * P);
            else if (n * P < cpy::kSmallRowBytes) cpy::copyRowSmall(sr + x * P, dr + x * P, n * P);
            else cpy::copyRowUnaligned(sr + x * P, dr + x * P, n * P);
        });
    }
    return kzvStatusOk;
}

template <int S, int N>
KzvStatus toPlanesFrame(const void* pSrc, int32_t srcStep, void* const* pDst, int32_t dstStep, KzvImageSize roi) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    for (int k = 0; k < N; ++k)
        if (!pDst[k]) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const size_t w = size_t(roi.width), h = size_t(roi.height);
    const uint64_t bytes = uint64_t(2 * N * S) * w * h;
    const bool nt = cpy::planarStreams(S, N, true, w, h, cacheFor(bytes));
    for (size_t y = 0; y < h; ++y) {
        uint8_t* planes[N];
        for (int k = 0; k < N; ++k) planes[k] = rowAt(static_cast<uint8_t*>(pDst[k]), dstStep, ptrdiff_t(y));
        const uint8_t* sr = rowAt(static_cast<const uint8_t*>(pSrc), srcStep, ptrdiff_t(y));
        if constexpr (N == 3) cpy::toPlanes3(S, sr, planes, w, nt);
        else cpy::toPlanes4(S, sr, planes, w, nt);
    }
    if (nt) cpy::streamFence();
    return kzvStatusOk;
}

template <int S, int N>
KzvStatus fromPlanesFrame(const void* const* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    for (int k = 0; k < N; ++k)
        if (!pSrc[k]) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const size_t w = size_t(roi.width), h = size_t(roi.height);
    const uint64_t bytes = uint64_t(2 * N * S) * w * h;
    const bool nt = cpy::planarStreams(S, N, false, w, h, cacheFor(bytes));
    for (size_t y = 0; y < h; ++y) {
        const uint8_t* planes[N];
        for (int k = 0; k < N; ++k) planes[k] = rowAt(static_cast<const uint8_t*>(pSrc[k]), srcStep, ptrdiff_t(y));
        uint8_t* dr = rowAt(static_cast<uint8_t*>(pDst), dstStep, ptrdiff_t(y));
        if constexpr (N == 3) cpy::fromPlanes3(S, planes, dr, w, nt);
        else cpy::fromPlanes4(S, planes, dr, w, nt);
    }
    if (nt) cpy::streamFence();
    return kzvStatusOk;
}

template <int S, Op op>
KzvStatus copyLongFrame(const void* pSrc, intptr_t srcStep, void* pDst, intptr_t dstStep, KzvImageSizeL roi) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const uint8_t* s = static_cast<const uint8_t*>(pSrc);
    uint8_t* d = static_cast<uint8_t*>(pDst);
    const size_t w = size_t(roi.width), h = size_t(roi.height);
    if constexpr (op == Op::AC4) {
        const MoveShape sh = moveShape(S, op, w);
        cpy::MapPlan plan;
        cpy::makePlan(plan, sh.map);
        mapRows(plan, s, srcStep, d, dstStep, w, h, sh.srcSpan, sh.dstSpan);
    } else {
        const size_t rowBytes = w * size_t(S * channelsOf(op));
        cpy::copyRowsLong(s, srcStep, d, dstStep, rowBytes, h, cacheFor(uint64_t(rowBytes) * h));
    }
    return kzvStatusOk;
}

// ---- Set ----------------------------------------------------------------------

// Fill map of the AC4 and channel-of-interest layouts: the value's samples
// where written, the others kept.
cpy::UnitMap fillMap(int S, int samples, const uint8_t* value, int valueSamples) {
    static constexpr int8_t fills[4] = {F, F, F, F};
    static constexpr int8_t coi[4] = {F, K, K, K};
    static constexpr int8_t ac4[4] = {F, F, F, K};
    cpy::UnitMap m = unitMap(S, 0, samples, valueSamples == 1 ? coi : samples == 4 ? ac4 : fills);
    for (int j = 0; j < samples * S; ++j) m.fill[j] = value[j % (valueSamples * S)];
    return m;
}

template <int S, Op op>
KzvStatus setFrame(const void* value, void* pDst, int32_t dstStep, KzvImageSize roi) {
    if (anyNull(value, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    uint8_t* d = static_cast<uint8_t*>(pDst);
    const size_t w = size_t(roi.width), h = size_t(roi.height);
    const uint8_t* v = static_cast<const uint8_t*>(value);
    if constexpr (op == Op::C1 || op == Op::C3 || op == Op::C4) {
        constexpr int C = channelsOf(op);
        cpy::Pattern pat;
        cpy::makePattern(pat, v, S * C);
        const bool nt = cpy::setStreams(S, C, w, h, cacheFor(uint64_t(w) * h * S * C));
        cpy::setRows(d, dstStep, w * size_t(S * C), h, pat, nt);
    } else {
        const int C = op == Op::C3C ? 3 : 4;
        const cpy::UnitMap m = fillMap(S, C, v, op == Op::AC4 ? 3 : 1);
        cpy::MapPlan plan;
        cpy::makePlan(plan, m);
        const size_t span = op == Op::AC4 ? 4 * size_t(S) * w : size_t(C * S) * (w - 1) + size_t(S);
        mapRows(plan, nullptr, 0, d, dstStep, w, h, 0, span);
    }
    return kzvStatusOk;
}

template <int S, Op op>
KzvStatus setMaskedFrame(const void* value, void* pDst, int32_t dstStep, KzvImageSize roi, const Kzv8u* pMask,
                         int32_t maskStep) {
    if (anyNull(value, pDst, pMask)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    uint8_t* d = static_cast<uint8_t*>(pDst);
    const uint8_t* v = static_cast<const uint8_t*>(value);
    constexpr int C = channelsOf(op);
    constexpr size_t P = size_t(S * C);
    size_t w = size_t(roi.width), h = size_t(roi.height);
    if (ptrdiff_t(w * P) == dstStep && ptrdiff_t(w) == maskStep) {
        w *= h;
        h = 1;
    }
    cpy::Pattern pat;
    cpy::MapPlan plan;
    if constexpr (op == Op::AC4) cpy::makePlan(plan, fillMap(S, 4, v, 3));
    else cpy::makePattern(pat, v, int(P));
    for (size_t y = 0; y < h; ++y) {
        uint8_t* dr = rowAt(d, dstStep, ptrdiff_t(y));
        cpy::forEachMaskRun(rowAt(pMask, maskStep, ptrdiff_t(y)), w, [&](size_t x, size_t n) {
            if constexpr (op == Op::AC4) cpy::mapRow(plan, nullptr, dr + x * P, n, 0, n * P);
            else cpy::setRow(dr + x * P, n * P, pat, false);
        });
    }
    return kzvStatusOk;
}

// ---- Dup ----------------------------------------------------------------------

template <int C>
KzvStatus dupFrame(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roi) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    static constexpr int8_t all0[4] = {0, 0, 0, 0};
    cpy::MapPlan plan;
    cpy::makePlan(plan, unitMap(1, 1, C, all0));
    const size_t w = size_t(roi.width);
    mapRows(plan, pSrc, srcStep, pDst, dstStep, w, size_t(roi.height), w, C * w);
    return kzvStatusOk;
}

// ---- SwapChannels -------------------------------------------------------------

// Order entries compared as unsigned numbers, so negative ones are out of
// range too.
bool orderOutOfRange(const int32_t* order, int n, uint32_t maxEntry) {
    for (int c = 0; c < n; ++c)
        if (uint32_t(order[c]) > maxEntry) return true;
    return false;
}

template <int S>
KzvStatus swapRows(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                   int srcSamples, int dstSamples, const int8_t* from, const void* fillValue) {
    cpy::UnitMap m = unitMap(S, srcSamples, dstSamples, from);
    if (fillValue)
        for (int j = 0; j < dstSamples * S; ++j) m.fill[j] = static_cast<const uint8_t*>(fillValue)[j % S];
    cpy::MapPlan plan;
    cpy::makePlan(plan, m);
    const size_t w = size_t(roi.width);
    mapRows(plan, static_cast<const uint8_t*>(pSrc), srcStep, static_cast<uint8_t*>(pDst), dstStep, w,
            size_t(roi.height), w * size_t(srcSamples * S), w * size_t(dstSamples * S));
    return kzvStatusOk;
}

// C3R, C4R, AC4R: dstOrder names the source channel of destination channels
// 0..n-1; AC4 keeps the destination alpha. checkSizeFirst selects the check
// order of the 8u three-channel form.
template <int S, int C, bool kAlpha, bool kSizeFirst>
KzvStatus swapFrame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                    const int32_t* dstOrder) {
    constexpr int n = kAlpha ? 3 : C;
    if constexpr (kSizeFirst) {
        if (anyNull(pSrc, pDst, dstOrder)) return kzvStatusNullPtrErr;
        if (badSize(roi)) return kzvStatusSizeErr;
        if (srcStep == 0 || dstStep == 0) return kzvStatusStepErr;
    } else {
        if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
        if (srcStep == 0 || dstStep == 0) return kzvStatusStepErr;
        if (badSize(roi)) return kzvStatusSizeErr;
        if (!dstOrder) return kzvStatusNullPtrErr;
    }
    if (orderOutOfRange(dstOrder, n, uint32_t(n - 1))) return kzvStatusChannelOrderErr;
    int8_t from[4] = {K, K, K, K};
    for (int c = 0; c < n; ++c) from[c] = int8_t(dstOrder[c]);
    return swapRows<S>(pSrc, srcStep, pDst, dstStep, roi, C, C, from, nullptr);
}

// In place, 8u: each pixel is read whole before it is written.
template <int C>
KzvStatus swapInPlaceFrame(Kzv8u* pSrcDst, int32_t step, KzvImageSize roi, const int32_t* dstOrder) {
    if constexpr (C == 4) {
        if (anyNull(pSrcDst, dstOrder)) return kzvStatusNullPtrErr;
    } else {
        if (!pSrcDst) return kzvStatusNullPtrErr;
    }
    if (step == 0) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (!dstOrder) return kzvStatusNullPtrErr;
    if (orderOutOfRange(dstOrder, C, uint32_t(C - 1))) return kzvStatusChannelOrderErr;
    int8_t from[4];
    for (int c = 0; c < C; ++c) from[c] = int8_t(dstOrder[c]);
    return swapRows<1>(pSrcDst, step, pSrcDst, step, roi, C, C, from, nullptr);
}

template <int S>
KzvStatus swapC4C3Frame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                        const int32_t* dstOrder) {
    if (anyNull(pSrc, pDst, dstOrder)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (srcStep == 0 || dstStep == 0) return kzvStatusStepErr;
    if (orderOutOfRange(dstOrder, 3, 3)) return kzvStatusChannelOrderErr;
    const int8_t from[3] = {int8_t(dstOrder[0]), int8_t(dstOrder[1]), int8_t(dstOrder[2])};
    return swapRows<S>(pSrc, srcStep, pDst, dstStep, roi, 4, 3, from, nullptr);
}

// dstOrder[c]: 0-2 a source channel, 3 the fill value, above 3 the
// destination sample kept; only negative entries are rejected.
template <int S>
KzvStatus swapC3C4Frame(const void* pSrc, int32_t srcStep, void* pDst, int32_t dstStep, KzvImageSize roi,
                        const int32_t* dstOrder, const void* fillValue) {
    if (anyNull(pSrc, pDst, dstOrder)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (srcStep == 0 || dstStep == 0) return kzvStatusStepErr;
    for (int c = 0; c < 4; ++c)
        if (dstOrder[c] < 0) return kzvStatusChannelOrderErr;
    int8_t from[4];
    for (int c = 0; c < 4; ++c) from[c] = dstOrder[c] <= 2 ? int8_t(dstOrder[c]) : dstOrder[c] == 3 ? F : K;
    return swapRows<S>(pSrc, srcStep, pDst, dstStep, roi, 3, 4, from, fillValue);
}

KzvStatus copyManagedFrame(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roi,
                           int32_t flags) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    cpy::copyManaged(pSrc, srcStep, pDst, dstStep, size_t(roi.width), size_t(roi.height), flags);
    return kzvStatusOk;
}

template <class T>
constexpr int layoutBytes(Op op) {
    return int(sizeof(T)) * channelsOf(op);
}

}  // namespace

// ---- Exports --------------------------------------------------------------------
// Plain copies go to the byte engine; the other layouts to the frame of their
// sample size.
#define KZV_COPY(name, T, op)                                                                            \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) {     \
        if constexpr (Op::op == Op::C1 || Op::op == Op::C3 || Op::op == Op::C4)                          \
            return copyBytesFrame(pSrc, srcStep, pDst, dstStep, roiSize, layoutBytes<T>(Op::op));        \
        else                                                                                             \
            return copyFrame<sizeof(T), Op::op>(pSrc, srcStep, pDst, dstStep, roiSize);                  \
    }
#define KZV_COPY_M(name, T, op)                                                                          \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize,       \
                   const Kzv8u* pMask, int32_t maskStep) {                                               \
        return copyMaskedFrame<sizeof(T), Op::op>(pSrc, srcStep, pDst, dstStep, roiSize, pMask, maskStep); \
    }
#define KZV_COPY_TO_PLANES(name, T, n)                                                                   \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* const pDst[n], int32_t dstStep, KzvImageSize roiSize) { \
        return toPlanesFrame<sizeof(T), n>(pSrc, srcStep, reinterpret_cast<void* const*>(pDst), dstStep, roiSize); \
    }
#define KZV_COPY_FROM_PLANES(name, T, n)                                                                 \
    KzvStatus name(const T* const pSrc[n], int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) { \
        return fromPlanesFrame<sizeof(T), n>(reinterpret_cast<const void* const*>(pSrc), srcStep, pDst, dstStep, \
                                             roiSize);                                                   \
    }
#define KZV_COPY_L(name, T, op)                                                                          \
    KzvStatus name(const T* pSrc, intptr_t srcStep, T* pDst, intptr_t dstStep, KzvImageSizeL roiSize) {  \
        return copyLongFrame<sizeof(T), Op::op>(pSrc, srcStep, pDst, dstStep, roiSize);                  \
    }
#define KZV_SET(name, T, op)                                                                             \
    KzvStatus name(T value, T* pDst, int32_t dstStep, KzvImageSize roiSize) {                            \
        return setFrame<sizeof(T), Op::op>(&value, pDst, dstStep, roiSize);                              \
    }
#define KZV_SET_A(name, T, op)                                                                           \
    KzvStatus name(const T* value, T* pDst, int32_t dstStep, KzvImageSize roiSize) {                     \
        return setFrame<sizeof(T), Op::op>(value, pDst, dstStep, roiSize);                               \
    }
#define KZV_SET_M(name, T, op)                                                                           \
    KzvStatus name(T value, T* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask,          \
                   int32_t maskStep) {                                                                   \
        return setMaskedFrame<sizeof(T), Op::op>(&value, pDst, dstStep, roiSize, pMask, maskStep);       \
    }
#define KZV_SET_MA(name, T, op)                                                                          \
    KzvStatus name(const T* value, T* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask,   \
                   int32_t maskStep) {                                                                   \
        return setMaskedFrame<sizeof(T), Op::op>(value, pDst, dstStep, roiSize, pMask, maskStep);        \
    }
#define KZV_DUP(name, T, op)                                                                             \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) {     \
        return dupFrame<channelsOf(Op::op == Op::C1C3 ? Op::C3 : Op::C4)>(pSrc, srcStep, pDst, dstStep, roiSize); \
    }
#define KZV_SWAP(name, T, op)                                                                            \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize,       \
                   const int32_t* dstOrder) {                                                            \
        if constexpr (Op::op == Op::C3)                                                                  \
            return swapFrame<sizeof(T), 3, false, sizeof(T) == 1>(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder); \
        else if constexpr (Op::op == Op::C4)                                                             \
            return swapFrame<sizeof(T), 4, false, false>(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder); \
        else if constexpr (Op::op == Op::AC4)                                                            \
            return swapFrame<sizeof(T), 4, true, false>(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder); \
        else                                                                                             \
            return swapC4C3Frame<sizeof(T)>(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder);            \
    }
#define KZV_SWAP_I(name, T, op)                                                                          \
    KzvStatus name(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const int32_t* dstOrder) {      \
        return swapInPlaceFrame<channelsOf(Op::op)>(pSrcDst, srcDstStep, roiSize, dstOrder);             \
    }
#define KZV_SWAP_C3C4(name, T)                                                                           \
    KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize,       \
                   const int32_t* dstOrder, T fillValue) {                                               \
        return swapC3C4Frame<sizeof(T)>(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder, &fillValue);   \
    }
#define KZV_COPY_MANAGED(name)                                                                           \
    KzvStatus name(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, \
                   int32_t flags) {                                                                      \
        return copyManagedFrame(pSrc, srcStep, pDst, dstStep, roiSize, flags);                           \
    }

#include "pixel/copy_exports.inc"
