// Adaptive thresholds: each pixel against the mean of its k x k window
// (plain or Gaussian weighted), with the library's border model supplying
// the pixels beyond the region.
//
// The work buffer holds a ring of k bordered source rows (copies, so the
// in-place forms read original pixels) and the running column sums or
// column-weighted sums of the window. Each output row costs one new
// bordered row, a column-sum update and a horizontal pass.
#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <cmath>

#include "common/frame.h"
#include "common/simd.h"
#include "common/spec.h"
#include "filter/border_model.h"
#include "kzvi.h"

namespace kzv::pix {
namespace {

using border::BorderSource;

// ---- Geometry checks and sizes -------------------------------------------------

bool badMask(KzvImageSize m) {
    return m.width != m.height || m.width < 1 || (m.width & 1) == 0;
}

uint64_t roundUp32(uint64_t x) {
    return (x + 31u) & ~uint64_t(31);
}

// Work-buffer bytes for an roi and a k x k mask.
uint64_t bufferBytes(KzvImageSize roi, int64_t k) {
    const uint64_t W = uint64_t(roi.width), H = uint64_t(roi.height), K = uint64_t(k), r = K / 2;
    uint64_t part1;
    if (K > W || K > H) {
        part1 = roundUp32((K + W - 1) * (K + H - 1));
    } else {
        const uint64_t a = (r * W + 31) / 32, b = (H * r + 31) / 32;
        part1 = (a + b) * 64 + roundUp32(((W > H ? W : H) + (K - 1)) * 3 * r);
    }
    const uint64_t part2 = roundUp32((roundUp32(K + W - 1) + 4) * K + roundUp32(4 * W) * (K + 1));
    return part1 + part2;
}

KzvStatus checkQuery(KzvImageSize roi, KzvImageSize mask, KzvDataKind kind, int32_t channels) {
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badMask(mask)) return kzvStatusMaskSizeErr;
    if (kind != kzvDataKind8u) return kzvStatusDataTypeErr;
    if (channels != 1) return kzvStatusNumChannelsErr;
    return kzvStatusOk;
}

// ---- Work-buffer layout ------------------------------------------------------------

// k ring slots of W + 2r bytes, then the column sums (32-byte aligned,
// 4 bytes per bordered column). The reported buffer size covers this.
struct Work {
    uint8_t* ring;
    ptrdiff_t stride;
    uint8_t* sums;
    int k;
    uint8_t* slot(ptrdiff_t yy) const {  // bordered row yy >= -r
        return ring + ((yy + k / 2) % k) * stride;
    }
};

Work layoutWork(uint8_t* buffer, ptrdiff_t width, int k) {
    Work w;
    w.k = k;
    w.stride = width + 2 * (k / 2);
    w.ring = buffer;
    const uintptr_t end = reinterpret_cast<uintptr_t>(buffer + k * w.stride);
    w.sums = reinterpret_cast<uint8_t*>((end + 31u) & ~uintptr_t(31));
    return w;
}

// ---- Whole-destination fills (the shortcuts) -----------------------------------------

void fillDst(uint8_t* d, ptrdiff_t ds, KzvImageSize sz, uint8_t v) {
    for (ptrdiff_t y = 0; y < sz.height; ++y) memset(rowAt(d, ds, y), v, size_t(sz.width));
}

// ---- Box ------------------------------------------------------------------------------

// Column sums as 16-bit lanes (k <= 11: at most 255 * 11 per column).
void addRow16(uint16_t* sum, const uint8_t* row, ptrdiff_t n, bool subtract) {
    ptrdiff_t x = 0;
    for (; x + 16 <= n; x += 16) {
        const __m256i v = _mm256_cvtepu8_epi16(simd::loadu128(row + x));
        const __m256i s = simd::loadu(sum + x);
        simd::storeu(sum + x, subtract ? _mm256_sub_epi16(s, v) : _mm256_add_epi16(s, v));
    }
    for (; x < n; ++x) sum[x] = uint16_t(subtract ? sum[x] - row[x] : sum[x] + row[x]);
}

// One output row of the integer test k^2 * src > S - D, i.e.
// k^2 * src - S > -D, for k <= 11 (every term fits in 16 bits).
void boxRowInt(const uint16_t* col, const uint8_t* centre, uint8_t* d, ptrdiff_t w, int k, int32_t D, uint8_t gt,
               uint8_t le) {
    const int k2 = k * k;
    ptrdiff_t x = 0;
    const __m256i vk2 = _mm256_set1_epi16(int16_t(k2));
    const __m256i negD = _mm256_set1_epi16(int16_t(-D));
    const __m256i vgt = _mm256_set1_epi8(int8_t(gt)), vle = _mm256_set1_epi8(int8_t(le));
    for (; x + 32 <= w; x += 32) {
        __m256i s0 = simd::loadu(col + x), s1 = simd::loadu(col + x + 16);
        for (int i = 1; i < k; ++i) {
            s0 = _mm256_add_epi16(s0, simd::loadu(col + x + i));
            s1 = _mm256_add_epi16(s1, simd::loadu(col + x + 16 + i));
        }
        const __m256i c0 = _mm256_mullo_epi16(_mm256_cvtepu8_epi16(simd::loadu128(centre + x)), vk2);
        const __m256i c1 = _mm256_mullo_epi16(_mm256_cvtepu8_epi16(simd::loadu128(centre + x + 16)), vk2);
        const __m256i m0 = _mm256_cmpgt_epi16(_mm256_sub_epi16(c0, s0), negD);
        const __m256i m1 = _mm256_cmpgt_epi16(_mm256_sub_epi16(c1, s1), negD);
        const __m256i m = _mm256_permute4x64_epi64(_mm256_packs_epi16(m0, m1), 0xD8);
        simd::storeu(d + x, _mm256_blendv_epi8(vle, vgt, m));
    }
    // Tail: the same test per pixel.
    for (; x < w; ++x) {
        int32_t s = 0;
        for (int i = 0; i < k; ++i) s += col[x + i];
        d[x] = (k2 * int32_t(centre[x]) - s > -D) ? gt : le;
    }
}

// One output row of the 32f test k^2 * src > S - k^2 * delta (masks > 11).
void boxRowFloat(const uint32_t* col, const uint8_t* centre, uint8_t* d, ptrdiff_t w, int k, float kd, uint8_t gt,
                 uint8_t le) {
    const float k2 = float(int64_t(k) * k);
    uint64_t s = 0;
    for (int i = 0; i < k - 1; ++i) s += col[i];
    for (ptrdiff_t x = 0; x < w; ++x) {
        s += col[x + k - 1];
        const float a = k2 * float(centre[x]);
        const float b = float(s) - kd;
        d[x] = a > b ? gt : le;
        s -= col[x];
    }
}

struct Params {
    float delta;
    uint8_t gt, le;
};

// Shortcuts that decide every pixel without reading the source; true when
// the destination was filled.
bool shortcut(uint8_t* d, ptrdiff_t ds, KzvImageSize sz, int k, const Params& p) {
    if (p.delta > 255.0f) {
        fillDst(d, ds, sz, p.gt);
        return true;
    }
    // src > mean - NaN holds for no pixel.
    if (p.delta <= -255.0f || std::isnan(p.delta)) {
        fillDst(d, ds, sz, p.le);
        return true;
    }
    if (k == 1) {
        fillDst(d, ds, sz, p.delta > 0 ? p.gt : p.le);
        return true;
    }
    return false;
}

BorderSource makeSource(const uint8_t* s, ptrdiff_t ss, KzvImageSize sz, KzvBorderKind b, uint8_t value, int k) {
    const ptrdiff_t r = k / 2;
    const border::BorderSides sides =
        border::withReach(border::borderSides(b), border::BorderReach{r, r, r, r});
    return border::makeBorderSource(s, ss, sz.width, sz.height, 1, sides, &value, 1);
}

void buildRow(const BorderSource& src, const Work& w, ptrdiff_t yy) {
    const ptrdiff_t r = w.k / 2;
    border::buildBorderedRow(src, yy, -r, src.width + 2 * r, w.slot(yy));
}

void boxRun(const uint8_t* s, ptrdiff_t ss, uint8_t* d, ptrdiff_t ds, KzvImageSize sz, int k, const Params& p,
            KzvBorderKind b, uint8_t bval, uint8_t* buffer) {
    const ptrdiff_t r = k / 2;
    const BorderSource src = makeSource(s, ss, sz, b, bval, k);
    const Work w = layoutWork(buffer, sz.width, k);
    const ptrdiff_t n = w.stride;
    const float kd = float(k * k) * p.delta;
    if (k <= 11) {
        // D = ceil(k^2 * delta): truncated, plus one when positive and not whole.
        int32_t D = int32_t(kd);
        if (kd > 0 && float(D) != kd) D += 1;
        uint16_t* col = reinterpret_cast<uint16_t*>(w.sums);
        memset(col, 0, size_t(n) * 2);
        for (ptrdiff_t yy = -r; yy < r; ++yy) {
            buildRow(src, w, yy);
            addRow16(col, w.slot(yy), n, false);
        }
        for (ptrdiff_t y = 0; y < sz.height; ++y) {
            if (y > 0) addRow16(col, w.slot(y - r - 1), n, true);
            buildRow(src, w, y + r);
            addRow16(col, w.slot(y + r), n, false);
            boxRowInt(col, w.slot(y) + r, rowAt(d, ds, y), sz.width, k, D, p.gt, p.le);
        }
        return;
    }
    uint32_t* col = reinterpret_cast<uint32_t*>(w.sums);
    memset(col, 0, size_t(n) * 4);
    auto add = [&](const uint8_t* row, bool sub) {
        for (ptrdiff_t x = 0; x < n; ++x) col[x] = sub ? col[x] - row[x] : col[x] + row[x];
    };
    for (ptrdiff_t yy = -r; yy < r; ++yy) {
        buildRow(src, w, yy);
        add(w.slot(yy), false);
    }
    for (ptrdiff_t y = 0; y < sz.height; ++y) {
        if (y > 0) add(w.slot(y - r - 1), true);
        buildRow(src, w, y + r);
        add(w.slot(y + r), false);
        boxRowFloat(col, w.slot(y) + r, rowAt(d, ds, y), sz.width, k, kd, p.gt, p.le);
    }
}

KzvStatus boxFrame(const uint8_t* s, int32_t ss, uint8_t* d, int32_t ds, KzvImageSize sz, KzvImageSize mask,
                   float delta, uint8_t gt, uint8_t le, KzvBorderKind b, uint8_t bval, uint8_t* buffer) {
    if (anyNull(s, d, buffer)) return kzvStatusNullPtrErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (badMask(mask)) return kzvStatusMaskSizeErr;
    if (KzvStatus st = border::checkBorder(b, border::kBorderSetMedian)) return st;
    const Params p{delta, gt, le};
    if (shortcut(d, ds, sz, mask.width, p)) return kzvStatusOk;
    boxRun(s, ss, d, ds, sz, mask.width, p, b, bval, buffer);
    return kzvStatusOk;
}

// ---- Gaussian -------------------------------------------------------------------------

// Spec: byte 0 of the caller's block holds the offset (1..8) of the body,
// which starts at the block address rounded down to 8 plus 8. Body words:
// 0 identifier, 1 data kind (1), 2 channels (1), 3 mask size k, 4 sigma
// used (32f), 5 the byte offset of the weights in the body (24), 6.. the k
// weights (32f).
constexpr int32_t kWeightsOffset = 24;

uint8_t* gaussBody(const void* p) {
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    return reinterpret_cast<uint8_t*>((a & ~uintptr_t(7)) + 8);
}

KzvStatus gaussInit(KzvImageSize roi, KzvImageSize mask, KzvDataKind kind, int32_t channels, float sigma,
                    uint8_t* spec) {
    if (!spec) return kzvStatusNullPtrErr;
    if (KzvStatus st = checkQuery(roi, mask, kind, channels)) return st;
    uint8_t* body = gaussBody(spec);
    spec[0] = uint8_t(body - spec);
    initSpecHeader(body, kSpecAdaptiveGauss, 24);
    const int k = mask.width, r = k / 2;
    // Default sigma from the mask size, each step one fused multiply-add.
    if (!(sigma > 0.0f)) sigma = std::fma(0.3f, std::fma(float(k - 1), 0.5f, -1.0f), 0.8f);
    putWord(body, 1, 1);
    putWord(body, 2, 1);
    putWord(body, 3, k);
    int32_t sbits;
    memcpy(&sbits, &sigma, 4);
    putWord(body, 4, sbits);
    putWord(body, 5, kWeightsOffset);
    const float den = sigma * (sigma + sigma);
    float sum = 0.0f;
    for (int i = -r; i <= r; ++i) {
        const float g = std::exp(-float(i * i) / den);
        memcpy(body + kWeightsOffset + 4 * (i + r), &g, 4);
        sum += g;
    }
    const float inv = 1.0f / sum;
    for (int i = 0; i < k; ++i) {
        float g;
        memcpy(&g, body + kWeightsOffset + 4 * i, 4);
        g *= inv;
        memcpy(body + kWeightsOffset + 4 * i, &g, 4);
    }
    return kzvStatusOk;
}

// Vertical pass over the window rows yTop .. yTop+k-1 of the ring:
// col[x] = sum over j of g[j] * row_j[x], fused, j in order.
void gaussColumns(float* col, const Work& w, ptrdiff_t yTop, const float* g, int k, ptrdiff_t n) {
    auto rowOf = [&](int j) { return w.slot(yTop + j); };
    ptrdiff_t x = 0;
    for (; x + 8 <= n; x += 8) {
        __m256 acc = _mm256_setzero_ps();
        for (int j = 0; j < k; ++j) {
            const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(rowOf(j) + x));
            const __m256 v = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(b));
            acc = _mm256_fmadd_ps(_mm256_set1_ps(g[j]), v, acc);
        }
        _mm256_storeu_ps(col + x, acc);
    }
    for (; x < n; ++x) {
        float acc = 0.0f;
        for (int j = 0; j < k; ++j) acc = std::fma(g[j], float(rowOf(j)[x]), acc);
        col[x] = acc;
    }
}

// Horizontal pass and test: src > sum of g[i] * col[x+i] - delta.
void gaussRow(const float* col, const uint8_t* centre, uint8_t* d, ptrdiff_t w, const float* g, int k, float delta,
              uint8_t gt, uint8_t le) {
    ptrdiff_t x = 0;
    const __m256 vdelta = _mm256_set1_ps(delta);
    for (; x + 8 <= w; x += 8) {
        __m256 acc = _mm256_setzero_ps();
        for (int i = 0; i < k; ++i) acc = _mm256_fmadd_ps(_mm256_set1_ps(g[i]), _mm256_loadu_ps(col + x + i), acc);
        const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(centre + x));
        const __m256 c = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(b));
        const int m = _mm256_movemask_ps(_mm256_cmp_ps(c, _mm256_sub_ps(acc, vdelta), _CMP_GT_OQ));
        for (int j = 0; j < 8; ++j) d[x + j] = ((m >> j) & 1) ? gt : le;
    }
    for (; x < w; ++x) {
        float acc = 0.0f;
        for (int i = 0; i < k; ++i) acc = std::fma(g[i], col[x + i], acc);
        d[x] = float(centre[x]) > acc - delta ? gt : le;
    }
}

KzvStatus gaussFrame(const uint8_t* s, int32_t ss, uint8_t* d, int32_t ds, KzvImageSize sz, float delta,
                     uint8_t gt, uint8_t le, KzvBorderKind b, uint8_t bval, const uint8_t* spec, uint8_t* buffer) {
    if (anyNull(s, d, buffer, spec)) return kzvStatusNullPtrErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (KzvStatus st = border::checkBorder(b, border::kBorderSetMedian)) return st;
    const uint8_t* body = gaussBody(spec);
    const int32_t k = getWord(body, 3);
    if (getWord(body, 0) != kSpecAdaptiveGauss || getWord(body, 1) != 1 || getWord(body, 2) != 1 || k < 1 ||
        (k & 1) == 0 || getWord(body, 5) == 0)
        return kzvStatusContextMatchErr;
    const Params p{delta, gt, le};
    if (shortcut(d, ds, sz, k, p)) return kzvStatusOk;
    const float* g = reinterpret_cast<const float*>(body + kWeightsOffset);
    const ptrdiff_t r = k / 2;
    const BorderSource src = makeSource(s, ss, sz, b, bval, k);
    const Work w = layoutWork(buffer, sz.width, k);
    float* col = reinterpret_cast<float*>(w.sums);
    for (ptrdiff_t yy = -r; yy < r; ++yy) buildRow(src, w, yy);
    for (ptrdiff_t y = 0; y < sz.height; ++y) {
        buildRow(src, w, y + r);
        gaussColumns(col, w, y - r, g, k, w.stride);
        gaussRow(col, w.slot(y) + r, rowAt(d, ds, y), sz.width, g, k, delta, gt, le);
    }
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::pix

using namespace kzv::pix;

extern "C" KzvStatus kzviThresholdAdaptiveBoxGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize,
                                                         KzvDataKind dataKind, int32_t numChannels,
                                                         int32_t* pBufferSize) {
    if (!pBufferSize) return kzvStatusNullPtrErr;
    if (KzvStatus st = checkQuery(roiSize, maskSize, dataKind, numChannels)) return st;
    return kzv::reportSize(bufferBytes(roiSize, maskSize.width), pBufferSize);
}

extern "C" KzvStatus kzviThresholdAdaptiveGaussGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize,
                                                           KzvDataKind dataKind, int32_t numChannels,
                                                           int32_t* pSpecSize, int32_t* pBufferSize) {
    if (kzv::anyNull(pSpecSize, pBufferSize)) return kzvStatusNullPtrErr;
    if (KzvStatus st = checkQuery(roiSize, maskSize, dataKind, numChannels)) return st;
    const uint64_t buf = bufferBytes(roiSize, maskSize.width);
    const uint64_t spec = 4 * uint64_t(maskSize.width) + 32;
    if (buf > 2147483647u || spec > 2147483647u) return kzvStatusSizeOverflowErr;
    *pSpecSize = int32_t(spec);
    *pBufferSize = int32_t(buf);
    return kzvStatusOk;
}

extern "C" KzvStatus kzviThresholdAdaptiveGaussInit(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataKind,
                                                  int32_t numChannels, Kzv32f sigma, Kzv8u* pSpec) {
    return gaussInit(roiSize, maskSize, dataKind, numChannels, sigma, pSpec);
}

extern "C" KzvStatus kzviThresholdAdaptiveBox_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize, Kzv32f delta,
                                                   Kzv8u valGT, Kzv8u valLE, KzvBorderKind borderKind,
                                                   Kzv8u borderValue, Kzv8u* pBuffer) {
    return boxFrame(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, delta, valGT, valLE, borderKind, borderValue,
                    pBuffer);
}

extern "C" KzvStatus kzviThresholdAdaptiveBox_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize,
                                                    KzvImageSize maskSize, Kzv32f delta, Kzv8u valGT, Kzv8u valLE,
                                                    KzvBorderKind borderKind, Kzv8u borderValue, Kzv8u* pBuffer) {
    return boxFrame(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, maskSize, delta, valGT, valLE, borderKind,
                    borderValue, pBuffer);
}

extern "C" KzvStatus kzviThresholdAdaptiveGauss_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst,
                                                     int32_t dstStep, KzvImageSize roiSize, Kzv32f delta, Kzv8u valGT,
                                                     Kzv8u valLE, KzvBorderKind borderKind, Kzv8u borderValue,
                                                     const Kzv8u* pSpec, Kzv8u* pBuffer) {
    return gaussFrame(pSrc, srcStep, pDst, dstStep, roiSize, delta, valGT, valLE, borderKind, borderValue, pSpec,
                      pBuffer);
}

extern "C" KzvStatus kzviThresholdAdaptiveGauss_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize,
                                                      Kzv32f delta, Kzv8u valGT, Kzv8u valLE,
                                                      KzvBorderKind borderKind, Kzv8u borderValue, const Kzv8u* pSpec,
                                                      Kzv8u* pBuffer) {
    return gaussFrame(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, delta, valGT, valLE, borderKind,
                      borderValue, pSpec, pBuffer);
}
