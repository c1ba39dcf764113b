// Box filter and window sums on running sums.
//
// Bordered forms: column sums over the mask height are kept for every real
// column the window can touch (the ROI plus any in-memory columns beyond it)
// and updated per output row by adding the entering row and subtracting the
// leaving one, read in place from the source (rows outside the ROI by the
// vertical border map). Columns synthesised by the horizontal border map take
// the column sum of the column they map to (or mh times the constant), which
// is exactly the per-axis border rule. A moving horizontal sum over mw column
// sums then gives each window sum. Cost per pixel does not depend on the mask.
#include <math.h>
#include <string.h>

#include <algorithm>
#include <limits>
#include <type_traits>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/simd.h"
#include "common/spec.h"
#include "filter/border_model.h"

namespace {

using namespace kzv;
using namespace kzv::border;

// ---- Buffer layout ---------------------------------------------------------------

constexpr uint64_t round32(uint64_t v) {
    return (v + 31) & ~uint64_t(31);
}

// Rows an in-place call keeps pending before writing them back: a source row
// is read for the last time D rows later (the leaving row of the window, or a
// row mirrored from beyond the bottom edge).
inline ptrdiff_t inPlaceDelay(ptrdiff_t mh) {
    const ptrdiff_t ay = (mh - 1) >> 1, by = mh - 1 - ay;
    return std::max(by + 1, ay + 2);
}

// Column sums of the bordered width (8-byte accumulators), the pending rows
// of the in-place path (4-byte samples at most), and alignment slack.
inline uint64_t bufferBytes(uint64_t w, uint64_t mw, uint64_t mh, uint64_t channels) {
    const uint64_t sums = round32((w + mw - 1) * channels * 8) + 32 + round32((w * channels + 8) * 4);
    const uint64_t ring = uint64_t(inPlaceDelay(ptrdiff_t(mh))) * round32(w * channels * 4);
    return sums + ring + 64;
}

KzvStatus getBufferSize(KzvImageSize roi, KzvImageSize mask, KzvDataKind type, int32_t channels, int32_t* out) {
    if (!out) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (mask.width < 1 || mask.height < 1) return kzvStatusMaskSizeErr;
    if (type != kzvDataKind8u && type != kzvDataKind16s && type != kzvDataKind16u && type != kzvDataKind32f)
        return kzvStatusDataTypeErr;
    if (channels != 1 && channels != 3 && channels != 4) return kzvStatusNumChannelsErr;
    const uint64_t bytes =
        bufferBytes(uint64_t(roi.width), uint64_t(mask.width), uint64_t(mask.height), uint64_t(channels));
    return reportSize(bytes, out);
}

// ---- Window-sum engine -------------------------------------------------------------

// Adds (sign +1) or subtracts the samples of one source line to the column
// sums; line null means a constant row.
template <class T, class Acc>
struct ColumnUpdate {
    // sums[i] += a[i] - b[i] for n samples (a or b null: the constant row).
    static void addSub(Acc* sums, const T* a, const T* b, const Acc* ca, const Acc* cb, ptrdiff_t n, int C) {
        if (a && b) {
            ptrdiff_t i = 0;
            if constexpr (std::is_same_v<Acc, int32_t> && (sizeof(T) <= 2) && !std::is_floating_point_v<T>) {
                // Vector body: 8 samples widened to 32 bits; scalar tail.
                for (; i + 8 <= n; i += 8) {
                    __m256i va, vb;
                    if constexpr (sizeof(T) == 1) {
                        va = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + i)));
                        vb = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(b + i)));
                    } else if constexpr (std::is_signed_v<T>) {
                        va = _mm256_cvtepi16_epi32(simd::loadu128(a + i));
                        vb = _mm256_cvtepi16_epi32(simd::loadu128(b + i));
                    } else {
                        va = _mm256_cvtepu16_epi32(simd::loadu128(a + i));
                        vb = _mm256_cvtepu16_epi32(simd::loadu128(b + i));
                    }
                    __m256i s = simd::loadu(sums + i);
                    s = _mm256_add_epi32(s, _mm256_sub_epi32(va, vb));
                    simd::storeu(sums + i, s);
                }
            }
            for (; i < n; ++i) sums[i] += Acc(a[i]) - Acc(b[i]);
        } else {
            for (ptrdiff_t i = 0; i < n; ++i) {
                const Acc va = a ? Acc(a[i]) : ca[i % C];
                const Acc vb = b ? Acc(b[i]) : cb[i % C];
                sums[i] += va - vb;
            }
        }
    }
    static void add(Acc* sums, const T* a, const Acc* ca, ptrdiff_t n, int C) {
        if (a) {
            for (ptrdiff_t i = 0; i < n; ++i) sums[i] += Acc(a[i]);
        } else {
            for (ptrdiff_t i = 0; i < n; ++i) sums[i] += ca[i % C];
        }
    }
};

struct Geometry {
    ptrdiff_t W, H, mw, mh, C;
    BorderReach reach;
    BorderSides sides;  // with zero-reach sides as memory
    ptrdiff_t xs, xe;   // real columns with column sums (ROI coordinates)
};

// The source line for row r (ROI coordinates), null for a constant row.
inline const uint8_t* sourceLine(const BorderSource& s, const Geometry& g, ptrdiff_t r) {
    if (r >= 0 && r < g.H) return s.rowPtr(r);
    const BorderMap m = r < 0 ? g.sides.top : g.sides.bottom;
    if (m == BorderMap::Constant) return nullptr;
    return s.rowPtr(mapIndex(m, r, g.H));
}

// Fills the synthesised columns of the bordered column-sum array from the
// real ones. sums points at bordered column -left.
template <class Acc>
inline void fillOutsideColumns(Acc* sums, const Geometry& g, const Acc* constColumn) {
    const ptrdiff_t C = g.C, L = g.reach.left;
    for (ptrdiff_t j = -L; j < g.xs; ++j) {
        Acc* d = sums + (j + L) * C;
        if (g.sides.left == BorderMap::Constant) {
            for (ptrdiff_t c = 0; c < C; ++c) d[c] = constColumn[c];
        } else {
            const Acc* s = sums + (mapIndex(g.sides.left, j, g.W) + L) * C;
            for (ptrdiff_t c = 0; c < C; ++c) d[c] = s[c];
        }
    }
    for (ptrdiff_t j = g.xe; j < g.W + g.reach.right; ++j) {
        Acc* d = sums + (j + L) * C;
        if (g.sides.right == BorderMap::Constant) {
            for (ptrdiff_t c = 0; c < C; ++c) d[c] = constColumn[c];
        } else {
            const Acc* s = sums + (mapIndex(g.sides.right, j, g.W) + L) * C;
            for (ptrdiff_t c = 0; c < C; ++c) d[c] = s[c];
        }
    }
}

// Horizontal pass of one row: window sums S of W pixels from the bordered
// column sums, handed to fin.row(S-producer). The C1 int32 case runs a vector
// prefix sum; others a scalar running sum per channel.
template <class Acc, class Fin>
inline void horizontalRow(const Acc* sums, const Geometry& g, typename Fin::Out* out, const Fin& fin,
                          int32_t* scratch) {
    const ptrdiff_t C = g.C, W = g.W, mw = g.mw;
    if constexpr (std::is_same_v<Acc, int32_t> && Fin::kVector) {
        if (C == 3 || C == 4) {
            // Running sums of whole pixels in one 128-bit register (the fourth
            // lane is scratch for C = 3; the sums array and the scratch row
            // have a few elements of slack for it), then a vector finish over
            // the row.
            __m128i acc = _mm_setzero_si128();
            for (ptrdiff_t k = 0; k < mw; ++k) acc = _mm_add_epi32(acc, simd::loadu128(sums + k * C));
            simd::storeu128(scratch, acc);
            for (ptrdiff_t x = 1; x < W; ++x) {
                const __m128i d =
                    _mm_sub_epi32(simd::loadu128(sums + (x - 1 + mw) * C), simd::loadu128(sums + (x - 1) * C));
                acc = _mm_add_epi32(acc, d);
                simd::storeu128(scratch + x * C, acc);
            }
            const ptrdiff_t n = W * C;
            ptrdiff_t i = 0;
            for (; i + 8 <= n; i += 8) fin.vector8(simd::loadu(scratch + i), out + i);
            for (; i < n; ++i) out[i] = fin.scalar(scratch[i]);
            return;
        }
        if (C == 1) {
            // S[x] = S[x-1] + (sums[x+mw-1] - sums[x-1]); prefix-summed 8 at a time.
            int32_t s0 = 0;
            for (ptrdiff_t k = 0; k < mw; ++k) s0 += sums[k];
            out[0] = fin.scalar(s0);
            ptrdiff_t x = 1;
            __m256i carry = _mm256_set1_epi32(s0);
            const __m256i last = _mm256_set1_epi32(7);
            for (; x + 8 <= W; x += 8) {
                __m256i d = _mm256_sub_epi32(simd::loadu(sums + x + mw - 1), simd::loadu(sums + x - 1));
                d = _mm256_add_epi32(d, _mm256_slli_si256(d, 4));
                d = _mm256_add_epi32(d, _mm256_slli_si256(d, 8));
                const __m256i lo3 = _mm256_permutevar8x32_epi32(d, _mm256_set1_epi32(3));
                d = _mm256_add_epi32(d, _mm256_blend_epi32(_mm256_setzero_si256(), lo3, 0xF0));
                const __m256i s = _mm256_add_epi32(d, carry);
                fin.vector8(s, out + x);
                carry = _mm256_permutevar8x32_epi32(s, last);
            }
            int32_t sx = _mm256_cvtsi256_si32(carry);
            for (; x < W; ++x) {
                sx += sums[x + mw - 1] - sums[x - 1];
                out[x] = fin.scalar(sx);
            }
            return;
        }
    }
    Acc s[4] = {0, 0, 0, 0};
    for (ptrdiff_t k = 0; k < mw; ++k)
        for (ptrdiff_t c = 0; c < C; ++c) s[c] += sums[k * C + c];
    for (ptrdiff_t c = 0; c < C; ++c) out[c] = fin.scalar(s[c]);
    const Acc* enter = sums + mw * C;
    const Acc* leave = sums;
    const ptrdiff_t n = W * C;
    for (ptrdiff_t i = C; i < n; i += C) {
        for (ptrdiff_t c = 0; c < C; ++c) {
            s[c] += enter[c] - leave[c];
            out[i + c] = fin.scalar(s[c]);
        }
        enter += C;
        leave += C;
    }
}

// Writes one finished row to the destination, leaving the fourth sample of
// every pixel alone when skipAlpha.
template <class O>
inline void storeRow(O* dst, const O* row, ptrdiff_t W, ptrdiff_t C, bool skipAlpha) {
    if (!skipAlpha) {
        memcpy(dst, row, size_t(W * C) * sizeof(O));
        return;
    }
    for (ptrdiff_t x = 0; x < W; ++x)
        for (int c = 0; c < 3; ++c) dst[x * 4 + c] = row[x * 4 + c];
}

// The whole bordered window-sum operation. T: source sample, Acc: column-sum
// accumulator, Fin: turns a window sum into an output sample.
template <class T, class Acc, class Fin>
void windowSums(const BorderSource& src, const Geometry& g, typename Fin::Out* dst, ptrdiff_t dstStep, bool skipAlpha,
                bool inPlace, const Fin& fin, uint8_t* buffer) {
    using O = typename Fin::Out;
    const ptrdiff_t C = g.C, W = g.W, H = g.H, L = g.reach.left;
    const ptrdiff_t bw = W + g.mw - 1;
    uint8_t* p = alignUp<32>(buffer);
    Acc* sums = reinterpret_cast<Acc*>(p);
    p += round32(uint64_t(bw * C) * 8) + 32;
    int32_t* scratch = reinterpret_cast<int32_t*>(p);
    p += round32(uint64_t(W * C + 8) * 4);
    const ptrdiff_t D = inPlace ? inPlaceDelay(g.mh) : 1;
    const ptrdiff_t ringStride = ptrdiff_t(round32(uint64_t(W * C) * 4));
    O* ring = reinterpret_cast<O*>(p);
    const ptrdiff_t ringElems = ringStride / ptrdiff_t(sizeof(O));

    // Constant pixel and its column sum (mh copies) per channel.
    Acc cpx[4] = {0, 0, 0, 0}, ccol[4] = {0, 0, 0, 0};
    for (ptrdiff_t c = 0; c < C; ++c) {
        T v;
        memcpy(&v, src.constPixel + c * ptrdiff_t(sizeof(T)), sizeof(T));
        cpx[c] = Acc(v);
        ccol[c] = Acc(v) * Acc(g.mh);
    }

    // Real columns xs .. xe-1 sit at bordered index j + L.
    Acc* real = sums + (g.xs + L) * C;
    const ptrdiff_t nReal = (g.xe - g.xs) * C;
    memset(sums, 0, size_t(bw * C) * sizeof(Acc));
    const ptrdiff_t top = g.reach.top, bottom = g.reach.bottom;
    auto line = [&](ptrdiff_t r) -> const T* {
        const uint8_t* l = sourceLine(src, g, r);
        return l ? reinterpret_cast<const T*>(l) + g.xs * C : nullptr;
    };
    for (ptrdiff_t r = -top; r <= bottom; ++r) ColumnUpdate<T, Acc>::add(real, line(r), cpx, nReal, int(C));

    for (ptrdiff_t y = 0; y < H; ++y) {
        if (y > 0) ColumnUpdate<T, Acc>::addSub(real, line(y + bottom), line(y - top - 1), cpx, cpx, nReal, int(C));
        fillOutsideColumns(sums, g, ccol);
        O* out;
        if (inPlace) {
            out = ring + (y % D) * ringElems;
            if (y >= D) storeRow(rowAt(dst, dstStep, y - D), out, W, C, skipAlpha);
        } else {
            out = skipAlpha ? ring : rowAt(dst, dstStep, y);
        }
        horizontalRow<Acc, Fin>(sums, g, out, fin, scratch);
        if (!inPlace && skipAlpha) storeRow(rowAt(dst, dstStep, y), out, W, C, true);
    }
    if (inPlace)
        for (ptrdiff_t y = std::max<ptrdiff_t>(0, H - D); y < H; ++y)
            storeRow(rowAt(dst, dstStep, y), ring + (y % D) * ringElems, W, C, skipAlpha);
}

// ---- Finishers --------------------------------------------------------------------

// Box mean of an integer type: S * (1/area) in single precision, nearest even.
template <class T>
struct MeanInt {
    using Out = T;
    static constexpr bool kVector = true;
    float recip;
    T scalar(int64_t s) const {
        const float v = float(s) * recip;
        return saturate<T>(nearbyintf(v));
    }
    T scalar(int32_t s) const { return scalar(int64_t(s)); }
    void vector8(__m256i s, T* out) const {
        const __m256i q = _mm256_cvtps_epi32(_mm256_mul_ps(_mm256_cvtepi32_ps(s), _mm256_set1_ps(recip)));
        store8(q, out);
    }
    static void store8(__m256i q, T* out) {
        if constexpr (sizeof(T) == 1) {
            const __m256i w = _mm256_packus_epi32(q, q);  // lanes: 0-3 0-3 | 4-7 4-7
            const __m256i b = _mm256_packus_epi16(w, w);
            const uint32_t lo = uint32_t(_mm256_cvtsi256_si32(b));
            const uint32_t hi = uint32_t(_mm256_extract_epi32(b, 4));
            memcpy(out, &lo, 4);
            memcpy(out + 4, &hi, 4);
        } else {
            const __m256i w = std::is_signed_v<T> ? _mm256_packs_epi32(q, q) : _mm256_packus_epi32(q, q);
            const __m128i r = _mm_unpacklo_epi64(_mm256_castsi256_si128(w), _mm256_extracti128_si256(w, 1));
            simd::storeu128(out, r);
        }
    }
};

// 8u one-channel 3x3, 5x5, 7x7: exact (S * m + bias) >> shift in 32 bits.
struct MeanExact8u {
    using Out = uint8_t;
    static constexpr bool kVector = true;
    uint32_t mul, bias, shift;
    uint8_t scalar(int32_t s) const { return uint8_t((uint32_t(s) * mul + bias) >> shift); }
    uint8_t scalar(int64_t s) const { return scalar(int32_t(s)); }
    void vector8(__m256i s, uint8_t* out) const {
        const __m256i q = _mm256_srlv_epi32(
            _mm256_add_epi32(_mm256_mullo_epi32(s, _mm256_set1_epi32(int32_t(mul))), _mm256_set1_epi32(int32_t(bias))),
            _mm256_set1_epi32(int32_t(shift)));
        MeanInt<uint8_t>::store8(q, out);
    }
};

struct MeanFloat {
    using Out = float;
    static constexpr bool kVector = false;
    float recip;
    float scalar(double s) const { return float(s) * recip; }
};

struct SumInt32 {
    using Out = int32_t;
    static constexpr bool kVector = true;
    int32_t scalar(int32_t s) const { return s; }
    int32_t scalar(int64_t s) const { return saturate<int32_t>(s); }
    void vector8(__m256i s, int32_t* out) const { simd::storeu(out, s); }
};

struct SumFloat {
    using Out = float;
    static constexpr bool kVector = true;
    float scalar(int32_t s) const { return float(s); }
    float scalar(int64_t s) const { return float(s); }
    float scalar(double s) const { return float(s); }
    void vector8(__m256i s, float* out) const { _mm256_storeu_ps(out, _mm256_cvtepi32_ps(s)); }
};

// ---- Frames --------------------------------------------------------------------------

template <class T>
constexpr double maxAbs() {
    return std::is_floating_point_v<T>
               ? 0.0
               : double(std::max<int64_t>(std::numeric_limits<T>::max(), -int64_t(std::numeric_limits<T>::min())));
}

enum class Kind { Box, Sum };

template <Kind K, class T, class O, int kChannels, bool kAlpha>
KzvStatus bordered(const T* pSrc, int32_t srcStep, O* pDst, int32_t dstStep, KzvImageSize roi, KzvImageSize mask,
                   KzvBorderKind border, const T* value, uint8_t* buffer) {
    if (anyNull(pSrc, pDst, buffer)) return kzvStatusNullPtrErr;
    if (srcStep < 1 || dstStep < 1) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (mask.width < 1 || mask.height < 1) return kzvStatusMaskSizeErr;
    if (checkBorder(border, kBorderSetFilter) != kzvStatusOk) return kzvStatusBorderErr;
    const bool constant = border != kzvBorderMemAll && borderKindOf(border) == kzvBorderConstant;
    if (constant && !value) return kzvStatusNullPtrErr;

    Geometry g;
    g.W = roi.width;
    g.H = roi.height;
    g.mw = mask.width;
    g.mh = mask.height;
    g.C = kChannels;
    g.reach = centredReach(g.mw, g.mh);
    g.sides = withReach(borderSides(border), g.reach);
    g.xs = g.sides.left == BorderMap::Memory ? -g.reach.left : 0;
    g.xe = g.sides.right == BorderMap::Memory ? g.W + g.reach.right : g.W;
    BorderSource s = makeBorderSource(pSrc, srcStep, g.W, g.H, kChannels, g.sides, constant ? value : nullptr,
                                      kAlpha ? 3 : kChannels);
    const bool inPlace = static_cast<const void*>(pSrc) == static_cast<const void*>(pDst);
    const double area = double(g.mw) * double(g.mh);
    const bool fits32 = !std::is_floating_point_v<T> && area * maxAbs<T>() <= 2147483647.0;
    // Conversions to float round by the control register: run them in the
    // default mode whatever the caller set.
    MxcsrGuard round(FpRound::Nearest);

    if constexpr (std::is_floating_point_v<T>) {
        if constexpr (K == Kind::Box) {
            windowSums<T, double>(s, g, pDst, dstStep, kAlpha, inPlace, MeanFloat{float(1.0 / area)}, buffer);
        } else {
            windowSums<T, double>(s, g, pDst, dstStep, kAlpha, inPlace, SumFloat{}, buffer);
        }
    } else if constexpr (K == Kind::Box) {
        const float recip = float(1.0 / area);
        if (std::is_same_v<T, uint8_t> && kChannels == 1 && g.mw == g.mh && (g.mw == 3 || g.mw == 5 || g.mw == 7)) {
            const MeanExact8u f = g.mw == 3   ? MeanExact8u{29128u, 1u << 17, 18}
                                  : g.mw == 5 ? MeanExact8u{671088u, 1u << 23, 24}
                                              : MeanExact8u{342392u, 1u << 23, 24};
            if constexpr (std::is_same_v<T, uint8_t>)
                windowSums<T, int32_t>(s, g, pDst, dstStep, kAlpha, inPlace, f, buffer);
        } else if (fits32) {
            windowSums<T, int32_t>(s, g, pDst, dstStep, kAlpha, inPlace, MeanInt<T>{recip}, buffer);
        } else {
            windowSums<T, int64_t>(s, g, pDst, dstStep, kAlpha, inPlace, MeanInt<T>{recip}, buffer);
        }
    } else {
        using F = std::conditional_t<std::is_same_v<O, int32_t>, SumInt32, SumFloat>;
        if (fits32)
            windowSums<T, int32_t>(s, g, pDst, dstStep, kAlpha, inPlace, F{}, buffer);
        else
            windowSums<T, int64_t>(s, g, pDst, dstStep, kAlpha, inPlace, F{}, buffer);
    }
    return kzvStatusOk;
}

// ---- Anchored forms ----------------------------------------------------------------

KzvStatus box64f(const double* pSrc, int32_t srcStep, double* pDst, int32_t dstStep, KzvImageSize roi,
                 KzvImageSize mask, KzvImagePoint anchor) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (badSize(roi) || mask.width < 1 || mask.height < 1) return kzvStatusSizeErr;
    if (int64_t(srcStep) < (int64_t(mask.width) + roi.width - 1) * 8 || int64_t(dstStep) < int64_t(roi.width) * 8)
        return kzvStatusStepErr;
    MxcsrGuard round(FpRound::Nearest);
    const ptrdiff_t W = roi.width, H = roi.height, mw = mask.width, mh = mask.height;
    const double recip = 1.0 / (double(mw) * double(mh));
    // Window row r of output row y is source row y - anchor.y + r, starting at
    // column -anchor.x. There is no work buffer: the destination row of the
    // previous output holds its raw window sums until the next row has used
    // them (sum(y) = sum(y-1) + entering row - leaving row, each a moving
    // horizontal sum), and is scaled to the mean afterwards.
    auto srcRow = [&](ptrdiff_t r) { return rowAt(pSrc, srcStep, r - anchor.y) - anchor.x; };
    double* d0 = pDst;
    for (ptrdiff_t x = 0; x < W; ++x) d0[x] = 0;
    for (ptrdiff_t r = 0; r < mh; ++r) {
        const double* s = srcRow(r);
        double h = 0;
        for (ptrdiff_t k = 0; k < mw; ++k) h += s[k];
        d0[0] += h;
        for (ptrdiff_t x = 1; x < W; ++x) {
            h += s[x + mw - 1] - s[x - 1];
            d0[x] += h;
        }
    }
    for (ptrdiff_t y = 1; y < H; ++y) {
        const double* in = srcRow(y + mh - 1);
        const double* out = srcRow(y - 1);
        double* prev = rowAt(pDst, dstStep, y - 1);
        double* d = rowAt(pDst, dstStep, y);
        double hi = 0, ho = 0;
        for (ptrdiff_t k = 0; k < mw; ++k) {
            hi += in[k];
            ho += out[k];
        }
        d[0] = prev[0] + hi - ho;
        for (ptrdiff_t x = 1; x < W; ++x) {
            hi += in[x + mw - 1] - in[x - 1];
            ho += out[x + mw - 1] - out[x - 1];
            d[x] = prev[x] + hi - ho;
        }
        for (ptrdiff_t x = 0; x < W; ++x) prev[x] *= recip;
    }
    double* last = rowAt(pDst, dstStep, H - 1);
    for (ptrdiff_t x = 0; x < W; ++x) last[x] *= recip;
    return kzvStatusOk;
}

template <class T, int C, bool kColumn, bool kChecksSize>
KzvStatus sumLine(const T* pSrc, int32_t srcStep, float* pDst, int32_t dstStep, KzvImageSize roi, int32_t maskSize,
                  int32_t anchor) {
    if (anyNull(pSrc, pDst)) return kzvStatusNullPtrErr;
    if (kChecksSize && badSize(roi)) return kzvStatusSizeErr;
    if (maskSize < 1) return kzvStatusMaskSizeErr;
    if (anchor < 0 || anchor >= maskSize) return kzvStatusAnchorErr;
    if (roi.height < 1 || roi.width < 1) return kzvStatusOk;
    MxcsrGuard round(FpRound::Nearest);
    const ptrdiff_t W = roi.width, H = roi.height, m = maskSize;
    if (!kColumn) {
        for (ptrdiff_t y = 0; y < H; ++y) {
            const T* s = rowAt(pSrc, srcStep, y) - ptrdiff_t(anchor) * C;
            float* d = rowAt(pDst, dstStep, y);
            int64_t acc[C] = {};
            for (ptrdiff_t k = 0; k < m; ++k)
                for (int c = 0; c < C; ++c) acc[c] += s[k * C + c];
            for (int c = 0; c < C; ++c) d[c] = float(acc[c]);
            for (ptrdiff_t x = 1; x < W; ++x)
                for (int c = 0; c < C; ++c) {
                    acc[c] += int64_t(s[(x + m - 1) * C + c]) - int64_t(s[(x - 1) * C + c]);
                    d[x * C + c] = float(acc[c]);
                }
        }
    } else {
        // Running column sums kept in the destination rows: exact while every
        // sum stays below 2^24 (integer values are then exact in float);
        // otherwise each sum is formed directly in 64 bits.
        const ptrdiff_t n = W * C;
        const bool exactRunning = double(m) * maxAbs<T>() < 16777216.0;
        for (ptrdiff_t y = 0; y < H; ++y) {
            float* d = rowAt(pDst, dstStep, y);
            const T* s0 = rowAt(pSrc, srcStep, y - anchor);
            if (y > 0 && exactRunning) {
                const float* prev = rowAt(pDst, dstStep, y - 1);
                const T* in = rowAt(s0, srcStep, m - 1);
                const T* out = rowAt(s0, srcStep, -1);
                for (ptrdiff_t i = 0; i < n; ++i) d[i] = prev[i] + float(int32_t(in[i]) - int32_t(out[i]));
                continue;
            }
            for (ptrdiff_t i = 0; i < n; ++i) {
                int64_t acc = 0;
                for (ptrdiff_t k = 0; k < m; ++k) acc += rowAt(s0, srcStep, k)[i];
                d[i] = float(acc);
            }
        }
    }
    return kzvStatusOk;
}

}  // namespace

// ---- Exports -------------------------------------------------------------------------

KzvStatus kzviFilterBoxBorderGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataType,
                                           int32_t numChannels, int32_t* pBufferSize) {
    return getBufferSize(roiSize, maskSize, dataType, numChannels, pBufferSize);
}
KzvStatus kzviSumWindowGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataType,
                                     int32_t numChannels, int32_t* pBufferSize) {
    return getBufferSize(roiSize, maskSize, dataType, numChannels, pBufferSize);
}

#define KZV_BOX(t, T, layout, C, alpha)                                                                               \
    KzvStatus kzviFilterBoxBorder_##t##_##layout##R(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep,         \
                                                    KzvImageSize roiSize, KzvImageSize maskSize,                      \
                                                    KzvBorderKind borderType, const T* borderValue, Kzv8u* pBuffer) { \
        return bordered<Kind::Box, T, T, C, alpha>(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, borderType,       \
                                                   borderValue, pBuffer);                                             \
    }
#define KZV_BOX_ALL(t, T) \
    KZV_BOX(t, T, C1, 1, false) KZV_BOX(t, T, C3, 3, false) KZV_BOX(t, T, C4, 4, false) KZV_BOX(t, T, AC4, 4, true)
KZV_BOX_ALL(8u, Kzv8u)
KZV_BOX_ALL(16u, Kzv16u)
KZV_BOX_ALL(16s, Kzv16s)
KZV_BOX_ALL(32f, Kzv32f)

#define KZV_SUM(t, S, D, layout, C, alpha)                                                                           \
    KzvStatus kzviSumWindow_##t##_##layout##R(const S* pSrc, int32_t srcStep, D* pDst, int32_t dstStep,              \
                                              KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType, \
                                              const S* borderValue, Kzv8u* pBuffer) {                                \
        return bordered<Kind::Sum, S, D, C, alpha>(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, borderType,      \
                                                   borderValue, pBuffer);                                            \
    }
#define KZV_SUM_ALL(t, S, D)       \
    KZV_SUM(t, S, D, C1, 1, false) \
    KZV_SUM(t, S, D, C3, 3, false) KZV_SUM(t, S, D, C4, 4, false) KZV_SUM(t, S, D, AC4, 4, true)
KZV_SUM_ALL(8u32s, Kzv8u, Kzv32s)
KZV_SUM_ALL(16u32f, Kzv16u, Kzv32f)
KZV_SUM_ALL(16s32f, Kzv16s, Kzv32f)
KZV_SUM_ALL(32f, Kzv32f, Kzv32f)

KzvStatus kzviFilterBox_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                KzvImageSize roiSize, KzvImageSize maskSize, KzvImagePoint anchor) {
    return box64f(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, anchor);
}

#define KZV_LINE(form, col, t, S, layout, C, checks)                                                                 \
    KzvStatus kzviSumWindow##form##_##t##_##layout##R(const S* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, \
                                                      KzvImageSize roiSize, int32_t maskSize, int32_t anchor) {      \
        return sumLine<S, C, col, checks>(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, anchor);                  \
    }
#define KZV_LINE_ALL(form, col)                                                                                \
    KZV_LINE(form, col, 8u32f, Kzv8u, C1, 1, false)                                                            \
    KZV_LINE(form, col, 8u32f, Kzv8u, C3, 3, false) KZV_LINE(form, col, 8u32f, Kzv8u, C4, 4, false)            \
        KZV_LINE(form, col, 16u32f, Kzv16u, C1, 1, true) KZV_LINE(form, col, 16u32f, Kzv16u, C3, 3, true)      \
            KZV_LINE(form, col, 16u32f, Kzv16u, C4, 4, true) KZV_LINE(form, col, 16s32f, Kzv16s, C1, 1, false) \
                KZV_LINE(form, col, 16s32f, Kzv16s, C3, 3, false) KZV_LINE(form, col, 16s32f, Kzv16s, C4, 4, false)
KZV_LINE_ALL(Row, false)
KZV_LINE_ALL(Column, true)
