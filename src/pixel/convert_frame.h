// Row walking of the conversion families: the row engines (plain runs and
// AC4 runs that keep the destination alpha), the merge of contiguous rows,
// and the tuning that decides non-temporal stores.
#ifndef KZV_PIXEL_CONVERT_FRAME_H
#define KZV_PIXEL_CONVERT_FRAME_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>

#include "common/cache.h"
#include "common/frame.h"
#include "pixel/convert_kernels.h"

namespace kzv::cvt {

// Cache facts and byte thresholds behind the choice of non-temporal stores.
// The exports query the core library once per call (defaultTuning); tests
// pass their own values to drive both store paths on small images.
struct Tuning {
    int64_t cacheBytes;       // largest cache in bytes, 0 when unknown
    int32_t lineBytes;        // cache-line size in bytes
    int64_t streamMinBytes;   // Convert: bytes moved must exceed this
    int64_t scaleMinPixels;   // Scale with integer sources: pixel count to reach
    int64_t scaleMinSamples;  // Scale 8u32f: samples of the (merged) row to reach
};

inline Tuning defaultTuning() {
    return Tuning{largestCacheBytes(), cacheLineBytes(), int64_t(1) << 20, 1398101, 838860};
}

enum class Lay { C1 = 1, C3 = 3, C4 = 4, AC4 = 5 };

constexpr int channelsOf(Lay l) {
    return l == Lay::C1 ? 1 : l == Lay::C3 ? 3 : 4;
}

inline bool aligned32(const void* p) {
    return (reinterpret_cast<uintptr_t>(p) & 31) == 0;
}

// One run of n samples. Op provides Src, Dst, kBlock, block<NT>(s, d) for
// kBlock samples and operator()(Src) for one. The tail is the scalar
// functor, so in-place and exactly aliased calls read every sample before
// writing it. With nt, a scalar head reaches a 32-byte destination boundary
// and the body uses non-temporal stores (the caller fences).
template <class Op>
inline void runRow(const typename Op::Src* s, typename Op::Dst* d, ptrdiff_t n, const Op& op, bool nt) {
    constexpr ptrdiff_t B = Op::kBlock;
    ptrdiff_t i = 0;
    if (nt) {
        while (i < n && !aligned32(d + i)) {
            st(d + i, op(ld(s + i)));
            ++i;
        }
        for (; i + B <= n; i += B) op.template block<true>(s + i, d + i);
    } else {
        for (; i + B <= n; i += B) op.template block<false>(s + i, d + i);
    }
    for (; i < n; ++i) st(d + i, op(ld(s + i)));
}

// Byte mask of the alpha samples within 32 bytes of four-sample pixels.
template <int SampleBytes>
inline __m256i alphaBytes() {
    alignas(32) uint8_t m[32];
    for (int i = 0; i < 32; ++i) m[i] = ((i / SampleBytes) % 4 == 3) ? 0xFF : 0;
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(m));
}

// AC4 run of `pixels` pixels: samples 0-2 converted, the destination's
// fourth sample written back as it was read.
template <class Op>
inline void runRowAC4(const typename Op::Src* s, typename Op::Dst* d, ptrdiff_t pixels, const Op& op) {
    using D = typename Op::Dst;
    constexpr ptrdiff_t E = 32 / ptrdiff_t(sizeof(D));
    constexpr ptrdiff_t B = Op::kBlock;
    constexpr ptrdiff_t N = B > E ? B : E;
    static_assert(N % 4 == 0 && N % B == 0 && (N * sizeof(D)) % 32 == 0, "AC4 step");
    alignas(32) D tmp[N];
    const __m256i keep = alphaBytes<int(sizeof(D))>();
    const ptrdiff_t n = pixels * 4;
    uint8_t* db = reinterpret_cast<uint8_t*>(d);
    const uint8_t* tb = reinterpret_cast<const uint8_t*>(tmp);
    ptrdiff_t i = 0;
    for (; i + N <= n; i += N) {
        for (ptrdiff_t j = 0; j < N; j += B) op.template block<false>(s + i + j, tmp + j);
        uint8_t* row = db + i * ptrdiff_t(sizeof(D));
        for (ptrdiff_t k = 0; k < N * ptrdiff_t(sizeof(D)); k += 32) {
            const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + k));
            const __m256i tv = _mm256_load_si256(reinterpret_cast<const __m256i*>(tb + k));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + k), _mm256_blendv_epi8(tv, dv, keep));
        }
    }
    for (; i < n; i += 4)
        for (ptrdiff_t c = 0; c < 3; ++c) st(d + i + c, op(ld(s + i + c)));
}

// Samples per row of a region in a layout.
constexpr int64_t samplesPerRow(Lay l, KzvImageSize roi) {
    return int64_t(roi.width) * channelsOf(l);
}

// Bytes a conversion reads and writes over the whole region.
template <class S, class D>
inline int64_t bytesMoved(Lay l, KzvImageSize roi) {
    return samplesPerRow(l, roi) * roi.height * int64_t(sizeof(S) + sizeof(D));
}

// True when both steps equal the rows' byte lengths and the merged run fits
// in ptrdiff_t: the region is then processed as one row.
template <class S, class D>
inline bool contiguous(Lay l, KzvImageSize roi, ptrdiff_t srcStep, ptrdiff_t dstStep) {
    const int64_t n = samplesPerRow(l, roi);
    if (int64_t(srcStep) != n * int64_t(sizeof(S)) || int64_t(dstStep) != n * int64_t(sizeof(D))) return false;
    const int64_t total = n * roi.height * int64_t(sizeof(S) > sizeof(D) ? sizeof(S) : sizeof(D));
    return total <= int64_t(PTRDIFF_MAX);
}

// Walks the region row by row (or as one merged row) and fences after
// non-temporal stores. AC4 regions never stream.
template <Lay L, class Op>
inline void walk(const typename Op::Src* src, ptrdiff_t srcStep, typename Op::Dst* dst, ptrdiff_t dstStep,
                 KzvImageSize roi, const Op& op, bool nt) {
    using S = typename Op::Src;
    using D = typename Op::Dst;
    const ptrdiff_t h = roi.height;
    if constexpr (L == Lay::AC4) {
        if (contiguous<S, D>(L, roi, srcStep, dstStep)) {
            runRowAC4(src, dst, ptrdiff_t(roi.width) * h, op);
        } else {
            for (ptrdiff_t y = 0; y < h; ++y) runRowAC4(rowAt(src, srcStep, y), rowAt(dst, dstStep, y), roi.width, op);
        }
    } else {
        const ptrdiff_t n = ptrdiff_t(roi.width) * channelsOf(L);
        if (contiguous<S, D>(L, roi, srcStep, dstStep)) {
            runRow(src, dst, n * h, op, nt);
        } else {
            for (ptrdiff_t y = 0; y < h; ++y) runRow(rowAt(src, srcStep, y), rowAt(dst, dstStep, y), n, op, nt);
        }
        if (nt) _mm_sfence();
    }
}

}  // namespace kzv::cvt

#endif  // KZV_PIXEL_CONVERT_FRAME_H
