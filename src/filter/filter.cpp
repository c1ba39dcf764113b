// General linear filter: a caller's rectangular kernel over a bordered image.
//
// Spec (at the first 64-byte boundary of the caller's block): a 128-byte
// header, the reversed kernel copy (last coefficient first), and for integer
// kernels the coefficient pairs of the 16-bit multiply-add path.
//
// Apply: rows of the window are read at a fixed byte distance from each other
// (the source step, or the row stride of a block built in the work buffer), so
// one row routine serves every zone. When the kernel is smaller than the ROI
// the interior is read in place and only the border zones are built: a stripe
// of full bordered rows at the top and at the bottom and a block of columns at
// the left and at the right. Sides flagged as memory are read in place too.
//
// Row routines: integer kernels on 8u and 16s sum 16-bit sample pairs times
// coefficient pairs with _mm256_madd_epi16 into exact 32-bit sums (one
// channel: a 16-sample load at column c holds the pairs (c, c+1) of every
// second output, so even and odd outputs take one load each per tap pair);
// float kernels accumulate with FMA, coefficients broadcast over 8 samples;
// 64f with FMA over 4 samples. Every routine finishes a row with the scalar
// form of the same arithmetic, so results do not depend on the position.
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <limits>
#include <type_traits>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/simd.h"
#include "common/spec.h"
#include "filter/border_model.h"
#include "kzvcore.h"

namespace {

using namespace kzv;
using namespace kzv::border;

// ---- Spec layout ---------------------------------------------------------------

enum PathKind : uint32_t {
    kPathInt8u = 0,
    kPathInt16s = 1,
    kPathInt16u = 2,  // defined, never produced by an initialiser
    kPathFlt8u = 3,
    kPathFlt16s = 4,
    kPathFlt16u = 5,
    kPathFlt32f = 6,
    kPathDbl64f = 7,
};

enum DivClass : int32_t { kDivOne = 0, kDivPow2 = 1, kDivOther = 2 };

struct Header {
    uint32_t path;
    int32_t kw, kh;
    int32_t divClass;
    int32_t shift;
    uint32_t bias;
    float recip;
    float divisorF;
    double divisorD;
    int32_t divisor;
    uint32_t remMask;
    uint32_t mode;  // rounding mode; flag 16 kept for integer kernels
    int32_t offset;
    float scaledOffset;
    int32_t hint;
    uint32_t kernelOffset;  // reversed kernel, bytes from the body
    uint32_t pairOffset;    // coefficient pairs (integer kernels), bytes from the body
    int32_t packed;
    int32_t channels;
};
static_assert(sizeof(Header) <= 128, "the spec header is 128 bytes");

constexpr uint32_t kHeaderBytes = 128;
constexpr int32_t kAccurate = 16;

inline Header readHeader(const uint8_t* body) {
    Header h;
    memcpy(&h, body, sizeof h);
    return h;
}
inline void writeHeader(uint8_t* body, const Header& h) { memcpy(body, &h, sizeof h); }

constexpr uint64_t align64(uint64_t v) { return (v + 63) & ~uint64_t(63); }
constexpr uint64_t round32(uint64_t v) { return (v + 31) & ~uint64_t(31); }

// Words per kernel row of the pair table: kw/2 pairs (K[2j], K[2j+1]), and for
// an odd width the last coefficient twice, as (K, 0) and (0, K).
inline ptrdiff_t pairWords(ptrdiff_t kw) { return kw / 2 + 2 * (kw & 1); }

// Second table for one-channel 8u: taps t and t + 2 paired, for the columns t
// with t mod 4 in {0, 1}; group g starts at column phaseTap(g).
inline ptrdiff_t phaseGroups(ptrdiff_t kw) { return (kw / 4) * 2 + std::min<ptrdiff_t>(kw % 4, 2); }
inline ptrdiff_t phaseTap(ptrdiff_t g) { return (g >> 1) * 4 + (g & 1); }

// Bytes a spec needs (before the caller's alignment slack is added).
inline uint64_t specBytes(uint64_t kw, uint64_t kh, uint64_t e, bool dbl) {
    if (dbl) return align64(kw * kh * 8) + 191;
    return align64(kw * kh * e) + align64(80 * ((kw + 1) & ~uint64_t(1)) * kh) + 191;
}

inline size_t elemBytes(KzvDataKind t) {
    switch (t) {
    case kzvDataKind8u: return 1;
    case kzvDataKind16u:
    case kzvDataKind16s: return 2;
    case kzvDataKind32f: return 4;
    default: return 8;
    }
}

// Elements per channel of the border zones built in the work buffer.
inline uint64_t stripeElems(uint64_t kw, uint64_t kh, uint64_t W, uint64_t H) {
    if (kw >= W || kh >= H) return (kw + W - 1) * (kh + H - 1);
    const uint64_t ax = (kw - 1) >> 1, ay = (kh - 1) >> 1;
    const uint64_t rx = kw == 2 ? 2 : kw - 1 - ax, by = kh == 2 ? 2 : kh - 1 - ay;
    uint64_t n = by >= 1 ? (kw + W - 1) * (kh + by - 1) : 0;
    if (rx >= 1) n = std::max(n, (kh + H - 1) * (kw + rx - 1));
    return n;
}

inline uint64_t stripeBytes(uint64_t kw, uint64_t kh, uint64_t W, uint64_t H, uint64_t pixelBytes) {
    return round32(stripeElems(kw, kh, W, H) * pixelBytes) + 32;
}

constexpr uint64_t ceilDiv(uint64_t a, uint64_t b) { return (a + b - 1) / b; }

inline int32_t bufSize64f(int32_t kw, int32_t kh, int32_t W) { return (kw == 1 && kh >= 3 && W >= 16) ? 32 * kh : 0; }

// ---- Size query -------------------------------------------------------------------

bool turnsFloat(KzvDataKind data, int32_t C, int32_t kw, int32_t kh) {
    if (data == kzvDataKind16u) return true;
    if (data != kzvDataKind16s) return false;
    return C >= 3 || (kw == 1 && kh == 1) || (C == 1 && kw < 3);
}

KzvStatus getSize(KzvImageSize k, KzvImageSize roi, KzvDataKind data, KzvDataKind kernel, int32_t C, int32_t* pSpec,
                  int32_t* pBuf) {
    if (k.width < 1 || k.height < 1 || roi.width < 1 || roi.height < 1) return kzvStatusSizeErr;
    if (kernel == kzvDataKind64f) {
        if (data != kzvDataKind64f) return kzvStatusDataTypeErr;
        if (C != 1) return kzvStatusChannelErr;
    } else {
        if (data != kzvDataKind8u && data != kzvDataKind16u && data != kzvDataKind16s && data != kzvDataKind32f)
            return kzvStatusDataTypeErr;
        if (kernel != kzvDataKind16s && kernel != kzvDataKind32f) return kzvStatusDataTypeErr;
        if (C < 1 || C > 4) return kzvStatusChannelErr;
    }
    if (anyNull(pSpec, pBuf)) return kzvStatusNullPtrErr;
    const uint64_t kw = uint64_t(k.width), kh = uint64_t(k.height), W = uint64_t(roi.width), H = uint64_t(roi.height);
    const uint64_t stripe = stripeBytes(kw, kh, W, H, elemBytes(data) * uint64_t(C));
    uint64_t spec, buf;
    if (kernel == kzvDataKind64f) {
        spec = specBytes(kw, kh, 8, true);
        buf = stripe + uint64_t(bufSize64f(k.width, k.height, roi.width)) + 126;
    } else {
        const bool asFloat = kernel == kzvDataKind32f || turnsFloat(data, C, k.width, k.height);
        spec = specBytes(kw, kh, asFloat ? 4 : 2, false);
        uint64_t part;
        if (data == kzvDataKind32f) {
            part = (C == 1 ? 32 : 16) * kw * kh;
        } else if (data == kzvDataKind8u && !asFloat && C == 1) {
            if (kw == 1)
                part = kh * 80 + 32 * ceilDiv(W, 4);
            else if (kh == 1)
                part = 16 * ceilDiv(kw * 4 + W, 4);
            else
                part = 32 * ceilDiv(16 * ceilDiv(kw, 2) * kh + W, 8);
            if (ownGetFeature(KZV_FEATURE_AVX512F)) part = std::max(part, 64 * kh * ceilDiv(kw, 4));
        } else {
            // The row routines need no scratch beyond the border zones; keep a
            // small kernel-proportional reserve.
            part = 32 * kw * kh;
        }
        if (part) part = (part + 191) & ~uint64_t(63);
        buf = stripe + 63 + part;
    }
    if (spec > 2147483647u) {
        *pBuf = 0;
        return kzvStatusSizeOverflowErr;
    }
    *pSpec = int32_t(spec);
    if (buf > 2147483647u) {
        *pBuf = 0;
        return kzvStatusSizeOverflowErr;
    }
    *pBuf = int32_t(buf);
    return kzvStatusOk;
}

// ---- Initialisers ------------------------------------------------------------------

uint32_t floatPath(KzvDataKind data) {
    switch (data) {
    case kzvDataKind8u: return kPathFlt8u;
    case kzvDataKind16u: return kPathFlt16u;
    case kzvDataKind16s: return kPathFlt16s;
    default: return kPathFlt32f;
    }
}

// Common tail of the float initialisers: header and the reversed copy.
template <class K>
KzvStatus initFloatKernel(const K* kernel, KzvImageSize k, KzvDataKind data, int32_t C, int32_t mode, uint8_t* body,
                          uint32_t path) {
    const size_t n = size_t(k.width) * size_t(k.height);
    initSpecHeader(body, int32_t(path), kHeaderBytes);
    Header h{};
    h.path = path;
    h.kw = k.width;
    h.kh = k.height;
    h.divClass = kDivOne;
    h.recip = 1.0f;
    h.divisorF = 1.0f;
    h.divisorD = 1.0;
    h.divisor = 1;
    h.mode = uint32_t(mode & ~kAccurate);
    h.kernelOffset = kHeaderBytes;
    h.channels = C;
    (void)data;
    K* rev = reinterpret_cast<K*>(body + kHeaderBytes);
    for (size_t i = 0; i < n; ++i) rev[i] = kernel[n - 1 - i];
    writeHeader(body, h);
    return (mode & kAccurate) ? kzvStatusAccurateIgnored : kzvStatusOk;
}

inline bool kernelTooLarge(KzvImageSize k, uint64_t e, bool dbl) {
    return specBytes(uint64_t(k.width), uint64_t(k.height), e, dbl) > 2147483647u;
}

KzvStatus init32f(const float* kernel, KzvImageSize k, KzvDataKind data, int32_t C, int32_t mode, void* pSpec) {
    if (anyNull(kernel, static_cast<const uint8_t*>(pSpec))) return kzvStatusNullPtrErr;
    if (k.width < 1 || k.height < 1) return kzvStatusSizeErr;
    if (data != kzvDataKind8u && data != kzvDataKind16u && data != kzvDataKind16s && data != kzvDataKind32f)
        return kzvStatusDataTypeErr;
    if (C < 1 || C > 4) return kzvStatusChannelErr;
    const int32_t m = mode & ~kAccurate;
    if (m < 0 || m > 2) return kzvStatusRoundModeErr;
    if (kernelTooLarge(k, 4, false)) return kzvStatusSizeOverflowErr;
    return initFloatKernel(kernel, k, data, C, mode, alignUp<64>(pSpec), floatPath(data));
}

KzvStatus init16s(const int16_t* kernel, KzvImageSize k, int32_t divisor, KzvDataKind data, int32_t C, int32_t mode,
                  void* pSpec) {
    if (anyNull(kernel, static_cast<const uint8_t*>(pSpec))) return kzvStatusNullPtrErr;
    if (k.width < 1 || k.height < 1) return kzvStatusSizeErr;
    if (data != kzvDataKind8u && data != kzvDataKind16u && data != kzvDataKind16s) return kzvStatusDataTypeErr;
    if (C < 1 || C > 4) return kzvStatusChannelErr;
    const int32_t m = mode & ~kAccurate;
    if (m < 0 || m > 2) return kzvStatusRoundModeErr;
    if (divisor == 0) return kzvStatusDivisorErr;
    const bool asFloat = turnsFloat(data, C, k.width, k.height);
    if (kernelTooLarge(k, asFloat ? 4 : 2, false)) return kzvStatusSizeOverflowErr;
    uint8_t* body = alignUp<64>(pSpec);
    const size_t n = size_t(k.width) * size_t(k.height);
    if (asFloat) {
        // The divided kernel, written straight into the reversed copy.
        initSpecHeader(body, int32_t(floatPath(data)), kHeaderBytes);
        float* rev = reinterpret_cast<float*>(body + kHeaderBytes);
        for (size_t i = 0; i < n; ++i) rev[i] = float(double(kernel[n - 1 - i]) / double(divisor));
        Header h{};
        h.path = floatPath(data);
        h.kw = k.width;
        h.kh = k.height;
        h.divClass = kDivOne;
        h.recip = 1.0f;
        h.divisorF = float(divisor);
        h.divisorD = double(divisor);
        h.divisor = divisor;
        h.mode = uint32_t(m);
        h.kernelOffset = kHeaderBytes;
        h.channels = C;
        writeHeader(body, h);
        return (mode & kAccurate) ? kzvStatusAccurateIgnored : kzvStatusOk;
    }
    const uint32_t path = data == kzvDataKind8u ? kPathInt8u : kPathInt16s;
    initSpecHeader(body, int32_t(path), kHeaderBytes);
    Header h{};
    h.path = path;
    h.kw = k.width;
    h.kh = k.height;
    h.divisorF = float(divisor);
    h.divisorD = double(divisor);
    h.divisor = divisor;
    if (divisor == 1) {
        h.divClass = kDivOne;
        h.recip = 1.0f;
    } else if (divisor > 0 && (divisor & (divisor - 1)) == 0) {
        h.divClass = kDivPow2;
        int s = 0;
        while ((int32_t(1) << s) != divisor) ++s;
        h.shift = s;
        h.bias = uint32_t(1) << (s - 1);
        h.remMask = (uint32_t(1) << s) - 1;
        h.recip = ldexpf(1.0f, -s);
    } else {
        h.divClass = kDivOther;
        h.recip = float(1.0 / double(divisor));
    }
    const bool keepsFlag = data == kzvDataKind8u || C == 1;
    h.mode = uint32_t(keepsFlag ? mode : m);
    h.kernelOffset = kHeaderBytes;
    h.pairOffset = uint32_t(kHeaderBytes + align64(uint64_t(n) * 2));
    h.channels = C;
    int16_t* rev = reinterpret_cast<int16_t*>(body + h.kernelOffset);
    bool packed = true;
    for (size_t i = 0; i < n; ++i) {
        rev[i] = kernel[n - 1 - i];
        if (kernel[i] < -32767 || kernel[i] > 32766) packed = false;
    }
    h.packed = packed ? 1 : 0;
    // Coefficient pairs in the caller's order: low half multiplies the left
    // sample of the pair, high half the right one.
    const ptrdiff_t kw = k.width, ws = pairWords(kw);
    auto pairWord = [](int16_t lo, int16_t hi) { return int32_t(uint32_t(uint16_t(lo)) | (uint32_t(uint16_t(hi)) << 16)); };
    const ptrdiff_t G = phaseGroups(kw);
    const size_t phaseOffset = h.pairOffset + size_t(k.height) * size_t(ws) * 4;
    for (ptrdiff_t r = 0; r < k.height; ++r) {
        const int16_t* kr = kernel + r * kw;
        for (ptrdiff_t g = 0; g < G; ++g) {
            const ptrdiff_t t = phaseTap(g);
            const int32_t w = pairWord(kr[t], t + 2 < kw ? kr[t + 2] : int16_t(0));
            memcpy(body + phaseOffset + size_t(r * G + g) * 4, &w, 4);
        }
        for (ptrdiff_t j = 0; j < ws; ++j) {
            int32_t w;
            if (j < kw / 2)
                w = pairWord(kr[2 * j], kr[2 * j + 1]);
            else if (j == kw / 2)
                w = pairWord(kr[kw - 1], 0);
            else
                w = pairWord(0, kr[kw - 1]);
            memcpy(body + h.pairOffset + size_t(r * ws + j) * 4, &w, 4);
        }
    }
    writeHeader(body, h);
    return (mode & kAccurate) && !keepsFlag ? kzvStatusAccurateIgnored : kzvStatusOk;
}

KzvStatus init64f(const double* kernel, KzvImageSize k, KzvDataKind data, int32_t C, int32_t mode, void* pSpec) {
    if (anyNull(kernel, static_cast<const uint8_t*>(pSpec))) return kzvStatusNullPtrErr;
    if (k.width < 1 || k.height < 1) return kzvStatusSizeErr;
    if (data != kzvDataKind64f) return kzvStatusDataTypeErr;
    if (C != 1) return kzvStatusChannelErr;
    if (mode != 1 && mode != 17) return kzvStatusRoundModeErr;
    if (kernelTooLarge(k, 8, true)) return kzvStatusSizeOverflowErr;
    initFloatKernel(kernel, k, data, C, 1, alignUp<64>(pSpec), kPathDbl64f);
    return kzvStatusOk;
}

// A header an initialiser can have written (the apply functions and SetMode
// refuse anything else rather than follow stray offsets).
bool plausible(const Header& h) {
    if (h.path > kPathDbl64f || h.path == kPathInt16u) return false;
    if (h.kw < 1 || h.kh < 1 || h.channels < 1 || h.channels > 4) return false;
    if (h.kernelOffset != kHeaderBytes) return false;
    const bool integer = h.path == kPathInt8u || h.path == kPathInt16s;
    const uint64_t n = uint64_t(h.kw) * uint64_t(h.kh);
    if (integer && (h.pairOffset != kHeaderBytes + align64(n * 2) || h.divClass < 0 || h.divClass > 2 ||
                    h.shift < 0 || h.shift > 30))
        return false;
    return specBytes(uint64_t(h.kw), uint64_t(h.kh), integer ? 2 : 4, h.path == kPathDbl64f) <= 2147483647u;
}

KzvStatus setMode(KzvAlgHint hint, int32_t offset, void* pSpec) {
    uint8_t* body = alignUp<64>(pSpec);
    if (!body) return kzvStatusNullPtrErr;
    Header h = readHeader(body);
    if (!plausible(h)) return kzvStatusContextMatchErr;
    const uint32_t p = h.path;
    if ((p == kPathInt16s || p == kPathFlt16s || p == kPathFlt32f || p == kPathDbl64f) && offset != 0)
        return kzvStatusNotSupportedModeErr;
    if (p == kPathDbl64f) return kzvStatusOk;
    if (int32_t(hint) == kzvAlgHintAccurate) {
        if (p == kPathInt8u || (p == kPathInt16s && h.channels == 1)) h.mode |= uint32_t(kAccurate);
    } else {
        h.mode &= ~uint32_t(kAccurate);
    }
    h.offset = offset;
    h.scaledOffset = p <= kPathInt16u ? float(double(offset) * double(h.divisor)) : float(offset);
    h.hint = int32_t(hint);
    writeHeader(body, h);
    return kzvStatusOk;
}

// ---- Rounding and stores ---------------------------------------------------------

// Float to integer by the rounding mode: 0 toward zero, 1 nearest even, 2
// nearest with halves away from zero (the fraction is exact in float).
inline float roundScalar(float v, uint32_t mode) {
    if (mode == 0) return truncf(v);
    if (mode == 1) return nearbyintf(v);
    float t = truncf(v);
    const float f = v - t;
    if (f >= 0.5f) t += 1.0f;
    if (f <= -0.5f) t -= 1.0f;
    return t;
}
inline __m256 roundVector(__m256 v, uint32_t mode) {
    if (mode == 0) return _mm256_round_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    if (mode == 1) return _mm256_round_ps(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __m256 t = _mm256_round_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    const __m256 f = _mm256_sub_ps(v, t);
    const __m256 one = _mm256_set1_ps(1.0f);
    const __m256 up = _mm256_and_ps(_mm256_cmp_ps(f, _mm256_set1_ps(0.5f), _CMP_GE_OQ), one);
    const __m256 dn = _mm256_and_ps(_mm256_cmp_ps(f, _mm256_set1_ps(-0.5f), _CMP_LE_OQ), one);
    return _mm256_sub_ps(_mm256_add_ps(t, up), dn);
}

// max/min with the operand order of the vector instructions (NaN gives the
// second operand).
inline float maxLike(float a, float b) { return a > b ? a : b; }
inline float minLike(float a, float b) { return a < b ? a : b; }

// 8 int32 lanes (already within T's range) to 8 samples of T.
template <class T>
inline void store8(T* d, __m256i q) {
    const __m128i lo = _mm256_castsi256_si128(q), hi = _mm256_extracti128_si256(q, 1);
    if constexpr (std::is_same_v<T, uint8_t>) {
        const __m128i w = _mm_packus_epi32(lo, hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packus_epi16(w, w));
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        simd::storeu128(d, _mm_packus_epi32(lo, hi));
    } else {
        simd::storeu128(d, _mm_packs_epi32(lo, hi));
    }
}

template <class T>
constexpr float typeMin() {
    return float(std::numeric_limits<T>::min());
}
template <class T>
constexpr float typeMax() {
    return float(std::numeric_limits<T>::max());
}

// ---- Float-kernel rows (8u, 16u, 16s, 32f data) -------------------------------------

template <class T>
inline __m256 load8f(const T* p) {
    if constexpr (std::is_same_v<T, float>) {
        return _mm256_loadu_ps(p);
    } else if constexpr (std::is_same_v<T, uint8_t>) {
        return _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        return _mm256_cvtepi32_ps(_mm256_cvtepu16_epi32(simd::loadu128(p)));
    } else {
        return _mm256_cvtepi32_ps(_mm256_cvtepi16_epi32(simd::loadu128(p)));
    }
}

template <class T>
struct FloatRow {
    const float* kLast;  // coefficient (r, c) at kLast[-(r * kw + c)]
    ptrdiff_t kw, kh, C;
    float offset;
    uint32_t mode;

    float finishScalar(float v) const {
        if constexpr (std::is_same_v<T, float>) {
            return v;
        } else {
            v = roundScalar(v + offset, mode);
            return minLike(maxLike(v, typeMin<T>()), typeMax<T>());
        }
    }
    void finish8(__m256 v, T* d) const {
        if constexpr (std::is_same_v<T, float>) {
            _mm256_storeu_ps(d, v);
        } else {
            v = roundVector(_mm256_add_ps(v, _mm256_set1_ps(offset)), mode);
            v = _mm256_min_ps(_mm256_max_ps(v, _mm256_set1_ps(typeMin<T>())), _mm256_set1_ps(typeMax<T>()));
            store8(d, _mm256_cvttps_epi32(v));
        }
    }

    // Two output rows whose windows start one step apart: every source
    // vector loaded feeds both (kernel rows r and r - 1), which halves the
    // loads per FMA. Each sample still sums its taps in (r, c) order, as the
    // one-row form does.
    template <int B, bool kTop, bool kBottom>
    __attribute__((always_inline)) static inline void twoRowTaps(const T* s, ptrdiff_t C, ptrdiff_t kw, const float* k0, const float* k1,
                                  __m256* a0, __m256* a1) {
        for (ptrdiff_t c = 0; c < kw; ++c) {
            const T* p = s + c * C;
            const __m256 f0 = kTop ? _mm256_broadcast_ss(k0 - c) : _mm256_setzero_ps();
            const __m256 f1 = kBottom ? _mm256_broadcast_ss(k1 - c) : _mm256_setzero_ps();
#pragma GCC unroll 6
            for (int b = 0; b < B; ++b) {
                __m256 d = load8f(p + 8 * b);
                // Keep the sample vector in a register: folding the load into
                // both FMAs would load it twice.
                if (kTop && kBottom) __asm__("" : "+x"(d));
                if (kTop) a0[b] = _mm256_fmadd_ps(d, f0, a0[b]);
                if (kBottom) a1[b] = _mm256_fmadd_ps(d, f1, a1[b]);
            }
        }
    }
    template <int B>
    __attribute__((always_inline)) inline void twoRowBlock(const T* win, ptrdiff_t step, T* d0, T* d1) const {
        __m256 a0[B], a1[B];
        for (int b = 0; b < B; ++b) a0[b] = a1[b] = _mm256_setzero_ps();
        twoRowTaps<B, true, false>(win, C, kw, kLast, nullptr, a0, a1);
        for (ptrdiff_t r = 1; r < kh; ++r)
            twoRowTaps<B, true, true>(rowAt(win, step, r), C, kw, kLast - r * kw, kLast - (r - 1) * kw, a0, a1);
        twoRowTaps<B, false, true>(rowAt(win, step, kh), C, kw, nullptr, kLast - (kh - 1) * kw, a0, a1);
        for (int b = 0; b < B; ++b) {
            finish8(a0[b], d0 + 8 * b);
            finish8(a1[b], d1 + 8 * b);
        }
    }
    void two(const T* win, ptrdiff_t step, T* d0, T* d1, ptrdiff_t width) const {
        const ptrdiff_t n = width * C;
        ptrdiff_t i = 0;
        for (; i + 48 <= n; i += 48) twoRowBlock<6>(win + i, step, d0 + i, d1 + i);
        // 8-sample blocks stay on sample boundaries of whole pixels only for
        // one channel; wider layouts finish with the one-row form.
        if (C == 1)
            for (; i + 8 <= n; i += 8) twoRowBlock<1>(win + i, step, d0 + i, d1 + i);
        if (i < n) {
            (*this)(win + i, step, d0 + i, (n - i) / C);
            (*this)(rowAt(win, step, 1) + i, step, d1 + i, (n - i) / C);
        }
    }

    // Outputs 0 .. width-1; window row r starts at win + r * step bytes and
    // (width + kw - 1) * C samples of it are read.
    void operator()(const T* win, ptrdiff_t step, T* dst, ptrdiff_t width) const {
        const ptrdiff_t n = width * C;
        ptrdiff_t i = 0;
        for (; i + 32 <= n; i += 32) {
            __m256 a0 = _mm256_setzero_ps(), a1 = a0, a2 = a0, a3 = a0;
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const T* s = rowAt(win, step, r) + i;
                const float* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) {
                    const __m256 k = _mm256_broadcast_ss(kr - c);
                    const T* p = s + c * C;
                    a0 = _mm256_fmadd_ps(load8f(p), k, a0);
                    a1 = _mm256_fmadd_ps(load8f(p + 8), k, a1);
                    a2 = _mm256_fmadd_ps(load8f(p + 16), k, a2);
                    a3 = _mm256_fmadd_ps(load8f(p + 24), k, a3);
                }
            }
            finish8(a0, dst + i);
            finish8(a1, dst + i + 8);
            finish8(a2, dst + i + 16);
            finish8(a3, dst + i + 24);
        }
        for (; i + 8 <= n; i += 8) {
            __m256 a = _mm256_setzero_ps();
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const T* s = rowAt(win, step, r) + i;
                const float* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) a = _mm256_fmadd_ps(load8f(s + c * C), _mm256_broadcast_ss(kr - c), a);
            }
            finish8(a, dst + i);
        }
        // Tail: one sample at a time, same order of operations.
        for (; i < n; ++i) {
            float a = 0.0f;
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const T* s = rowAt(win, step, r) + i;
                const float* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) a = fmaf(float(s[c * C]), kr[-c], a);
            }
            if constexpr (std::is_same_v<T, float>)
                dst[i] = a;
            else
                dst[i] = T(finishScalar(a));
        }
    }
};

// ---- 64f rows ------------------------------------------------------------------------

struct DoubleRow {
    const double* kLast;  // coefficient (r, c) at kLast[-(r * kw + c)]
    ptrdiff_t kw, kh;

    void two(const double* win, ptrdiff_t step, double* d0, double* d1, ptrdiff_t width) const {
        (*this)(win, step, d0, width);
        (*this)(rowAt(win, step, 1), step, d1, width);
    }

    void operator()(const double* win, ptrdiff_t step, double* dst, ptrdiff_t width) const {
        ptrdiff_t i = 0;
        for (; i + 16 <= width; i += 16) {
            __m256d a0 = _mm256_setzero_pd(), a1 = a0, a2 = a0, a3 = a0;
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const double* s = rowAt(win, step, r) + i;
                const double* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) {
                    const __m256d k = _mm256_broadcast_sd(kr - c);
                    a0 = _mm256_fmadd_pd(_mm256_loadu_pd(s + c), k, a0);
                    a1 = _mm256_fmadd_pd(_mm256_loadu_pd(s + c + 4), k, a1);
                    a2 = _mm256_fmadd_pd(_mm256_loadu_pd(s + c + 8), k, a2);
                    a3 = _mm256_fmadd_pd(_mm256_loadu_pd(s + c + 12), k, a3);
                }
            }
            _mm256_storeu_pd(dst + i, a0);
            _mm256_storeu_pd(dst + i + 4, a1);
            _mm256_storeu_pd(dst + i + 8, a2);
            _mm256_storeu_pd(dst + i + 12, a3);
        }
        for (; i + 4 <= width; i += 4) {
            __m256d a = _mm256_setzero_pd();
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const double* s = rowAt(win, step, r) + i;
                const double* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) a = _mm256_fmadd_pd(_mm256_loadu_pd(s + c), _mm256_broadcast_sd(kr - c), a);
            }
            _mm256_storeu_pd(dst + i, a);
        }
        for (; i < width; ++i) {
            double a = 0.0;
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const double* s = rowAt(win, step, r) + i;
                const double* kr = kLast - r * kw;
                for (ptrdiff_t c = 0; c < kw; ++c) a = fma(s[c], kr[-c], a);
            }
            dst[i] = a;
        }
    }
};

// ---- Integer-kernel rows (8u, 16s data) ----------------------------------------------

// How an exact window sum S becomes an output sample.
struct IntFinish {
    int32_t divClass, shift;
    int32_t biasMinus1;
    bool accurate;
    uint32_t mode;  // without the flag
    float recip;
    int32_t offset;
    int32_t lo, hi;          // destination range
    int32_t clampLo, clampHi;  // [lo - offset, hi - offset] within int32

    static constexpr float kBelow2p31 = 2147483520.0f;  // largest float below 2^31

    int64_t scalar(int64_t S) const {
        int64_t r;
        if (divClass == kDivPow2) {
            r = (S + biasMinus1 + ((S >> shift) & 1)) >> shift;
        } else if (accurate && divClass == kDivOne) {
            r = S;
        } else {
            float v = float(S) * recip;
            v = minLike(v, kBelow2p31);
            v = maxLike(v, -2147483648.0f);
            v = accurate ? roundScalar(v, mode) : nearbyintf(v);
            r = int64_t(v);
        }
        r += offset;
        return r < lo ? lo : (r > hi ? hi : r);
    }
    __m256i vector(__m256i S) const {
        __m256i r;
        if (divClass == kDivPow2) {
            const __m256i odd = _mm256_and_si256(_mm256_srai_epi32(S, shift), _mm256_set1_epi32(1));
            r = _mm256_srai_epi32(_mm256_add_epi32(_mm256_add_epi32(S, _mm256_set1_epi32(biasMinus1)), odd), shift);
        } else if (accurate && divClass == kDivOne) {
            r = S;
        } else {
            __m256 v = _mm256_mul_ps(_mm256_cvtepi32_ps(S), _mm256_set1_ps(recip));
            v = _mm256_min_ps(v, _mm256_set1_ps(kBelow2p31));
            v = accurate ? roundVector(v, mode) : _mm256_round_ps(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
            r = _mm256_cvttps_epi32(v);
        }
        r = _mm256_min_epi32(_mm256_max_epi32(r, _mm256_set1_epi32(clampLo)), _mm256_set1_epi32(clampHi));
        return _mm256_add_epi32(r, _mm256_set1_epi32(offset));
    }
};

// 16 samples widened to 16 bits.
template <class T>
inline __m256i load16w(const T* p) {
    if constexpr (std::is_same_v<T, uint8_t>)
        return _mm256_cvtepu8_epi16(simd::loadu128(p));
    else
        return simd::loadu(p);
}

template <class T>
struct IntRow {
    const int16_t* kLast;  // coefficient (r, c) at kLast[-(r * kw + c)]
    const int32_t* pairs;  // pairWords(kw) words per kernel row
    ptrdiff_t kw, kh, C;
    IntFinish fin;
    const int32_t* phase;  // phaseGroups(kw) words per kernel row (8u)

    void two(const T* win, ptrdiff_t step, T* d0, T* d1, ptrdiff_t width) const {
        (*this)(win, step, d0, width);
        (*this)(rowAt(win, step, 1), step, d1, width);
    }

    // One-channel 8u, 32 outputs per block without byte shuffles in the tap
    // loop: the 16-bit words of a 32-byte load at column t hold the bytes
    // (t + 4m + p, t + 4m + p + 1)... read as 16-bit lanes, the low bytes of
    // word pairs are the samples (4m, 4m + 2) and the high bytes (4m + 1,
    // 4m + 3) from t, so a mask or a shift gives taps t and t + 2 of outputs
    // 4m and 4m + 1 (and of 4m + 2, 4m + 3 from the load at t + 2). Returns
    // the first output not done.
    ptrdiff_t phaseBlocks(const uint8_t* win, ptrdiff_t step, uint8_t* dst, ptrdiff_t n) const {
        const ptrdiff_t G = phaseGroups(kw);
        const __m256i lowBytes = _mm256_set1_epi16(0x00FF);
        const __m256i order =
            _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12, 1, 5, 9, 13, 2, 6,
                             10, 14, 3, 7, 11, 15);
        ptrdiff_t i = 0;
        // The last load of a block ends 2 + 31 bytes past its tap column.
        for (; i + 34 <= n; i += 32) {
            __m256i A0 = _mm256_setzero_si256(), A1 = A0, A2 = A0, A3 = A0;
            for (ptrdiff_t r = 0; r < kh; ++r) {
                const uint8_t* s = rowAt(win, step, r) + i;
                const int32_t* kg = phase + r * G;
                for (ptrdiff_t g = 0; g < G; ++g) {
                    const ptrdiff_t t = phaseTap(g);
                    const __m256i k = _mm256_set1_epi32(kg[g]);
                    const __m256i v0 = simd::loadu(s + t), v2 = simd::loadu(s + t + 2);
                    A0 = _mm256_add_epi32(A0, _mm256_madd_epi16(_mm256_and_si256(v0, lowBytes), k));
                    A1 = _mm256_add_epi32(A1, _mm256_madd_epi16(_mm256_srli_epi16(v0, 8), k));
                    A2 = _mm256_add_epi32(A2, _mm256_madd_epi16(_mm256_and_si256(v2, lowBytes), k));
                    A3 = _mm256_add_epi32(A3, _mm256_madd_epi16(_mm256_srli_epi16(v2, 8), k));
                }
            }
            // A_p lane m is output 4m + p: pack, then transpose the 4x4 bytes
            // of each 128-bit lane into output order.
            const __m256i p01 = _mm256_packs_epi32(fin.vector(A0), fin.vector(A1));
            const __m256i p23 = _mm256_packs_epi32(fin.vector(A2), fin.vector(A3));
            simd::storeu(dst + i, _mm256_shuffle_epi8(_mm256_packus_epi16(p01, p23), order));
        }
        return i;
    }

    // lo: samples 0-3 and 8-11 of the block, hi: 4-7 and 12-15.
    void store16(__m256i lo, __m256i hi, T* d) const {
        const __m256i w = _mm256_packs_epi32(fin.vector(lo), fin.vector(hi));
        if constexpr (std::is_same_v<T, uint8_t>) {
            const __m256i b = _mm256_permute4x64_epi64(_mm256_packus_epi16(w, w), 0x08);
            simd::storeu128(d, _mm256_castsi256_si128(b));
        } else {
            simd::storeu(d, w);
        }
    }

    void operator()(const T* win, ptrdiff_t step, T* dst, ptrdiff_t width) const {
        const ptrdiff_t n = width * C, ws = pairWords(kw), half = kw / 2;
        const bool odd = (kw & 1) != 0;
        ptrdiff_t i = 0;
        if constexpr (std::is_same_v<T, uint8_t>) {
            if (C == 1) i = phaseBlocks(win, step, dst, n);
        }
        if (C == 1) {
            // E: outputs i, i+2, ..., i+14; O: i+1, ..., i+15.
            for (; i + 16 <= n; i += 16) {
                __m256i E = _mm256_setzero_si256(), O = E;
                for (ptrdiff_t r = 0; r < kh; ++r) {
                    const T* s = rowAt(win, step, r) + i;
                    const int32_t* kp = pairs + r * ws;
                    for (ptrdiff_t j = 0; j < half; ++j) {
                        const __m256i k = _mm256_set1_epi32(kp[j]);
                        E = _mm256_add_epi32(E, _mm256_madd_epi16(load16w(s + 2 * j), k));
                        O = _mm256_add_epi32(O, _mm256_madd_epi16(load16w(s + 2 * j + 1), k));
                    }
                    if (odd) {
                        // The last column: (K, 0) for even outputs, (0, K) on the
                        // same load for odd ones.
                        const __m256i D = load16w(s + kw - 1);
                        E = _mm256_add_epi32(E, _mm256_madd_epi16(D, _mm256_set1_epi32(kp[half])));
                        O = _mm256_add_epi32(O, _mm256_madd_epi16(D, _mm256_set1_epi32(kp[half + 1])));
                    }
                }
                store16(_mm256_unpacklo_epi32(E, O), _mm256_unpackhi_epi32(E, O), dst + i);
            }
        } else {
            const __m256i zero = _mm256_setzero_si256();
            for (; i + 16 <= n; i += 16) {
                __m256i lo = _mm256_setzero_si256(), hi = lo;
                for (ptrdiff_t r = 0; r < kh; ++r) {
                    const T* s = rowAt(win, step, r) + i;
                    const int32_t* kp = pairs + r * ws;
                    for (ptrdiff_t j = 0; j < half; ++j) {
                        const __m256i k = _mm256_set1_epi32(kp[j]);
                        const __m256i A = load16w(s + 2 * j * C), B = load16w(s + (2 * j + 1) * C);
                        lo = _mm256_add_epi32(lo, _mm256_madd_epi16(_mm256_unpacklo_epi16(A, B), k));
                        hi = _mm256_add_epi32(hi, _mm256_madd_epi16(_mm256_unpackhi_epi16(A, B), k));
                    }
                    if (odd) {
                        const __m256i k = _mm256_set1_epi32(kp[half]);
                        const __m256i A = load16w(s + (kw - 1) * C);
                        lo = _mm256_add_epi32(lo, _mm256_madd_epi16(_mm256_unpacklo_epi16(A, zero), k));
                        hi = _mm256_add_epi32(hi, _mm256_madd_epi16(_mm256_unpackhi_epi16(A, zero), k));
                    }
                }
                store16(lo, hi, dst + i);
            }
        }
        for (; i < n; ++i) dst[i] = T(fin.scalar(sumAt(win, step, i)));
    }

    int64_t sumAt(const T* win, ptrdiff_t step, ptrdiff_t i) const {
        int64_t S = 0;
        for (ptrdiff_t r = 0; r < kh; ++r) {
            const T* s = rowAt(win, step, r) + i;
            const int16_t* kr = kLast - r * kw;
            for (ptrdiff_t c = 0; c < kw; ++c) S += int64_t(kr[-c]) * int64_t(s[c * C]);
        }
        return S;
    }
};

// Sums that may leave 32 bits (or a 16s kernel with -32768 on 16s data):
// exact 64-bit sums one sample at a time.
template <class T>
struct WideIntRow {
    IntRow<T> base;
    void two(const T* win, ptrdiff_t step, T* d0, T* d1, ptrdiff_t width) const {
        (*this)(win, step, d0, width);
        (*this)(rowAt(win, step, 1), step, d1, width);
    }
    void operator()(const T* win, ptrdiff_t step, T* dst, ptrdiff_t width) const {
        const ptrdiff_t n = width * base.C;
        for (ptrdiff_t i = 0; i < n; ++i) dst[i] = T(base.fin.scalar(base.sumAt(win, step, i)));
    }
};

// ---- Apply frame ----------------------------------------------------------------------

// Runs the row routine over every output row, building only what the border
// needs (see the top of the file).
template <class T, class Row>
void runFilter(const T* src, ptrdiff_t srcStep, T* dst, ptrdiff_t dstStep, ptrdiff_t W, ptrdiff_t H, ptrdiff_t C,
               ptrdiff_t kw, ptrdiff_t kh, KzvBorderKind border, const T* value, uint8_t* buffer, const Row& row) {
    const BorderReach reach = centredReach(kw, kh);
    const bool constant = border != kzvBorderMemAll && borderKindOf(border) == kzvBorderConstant;
    const BorderSides sides = withReach(borderSides(border), reach);
    const BorderSource bs =
        makeBorderSource(src, srcStep, W, H, int(C), sides, constant ? value : nullptr, constant ? int(C) : 0);
    const ptrdiff_t ax = reach.left, ay = reach.top, rx = reach.right, by = reach.bottom;
    const ptrdiff_t pb = C * ptrdiff_t(sizeof(T));
    uint8_t* zone = alignUp<32>(buffer);
    T* zoneT = reinterpret_cast<T*>(zone);
    auto dstRow = [&](ptrdiff_t y) { return rowAt(dst, dstStep, y); };
    const ptrdiff_t bw = W + kw - 1;

    if (kw >= W || kh >= H) {
        // Kernel at least as large as the ROI. The whole bordered image goes
        // through the buffer when it fits in the size reported for any ROI
        // at least as large as this one; otherwise each output row gets its kh
        // bordered rows built afresh.
        const uint64_t whole = uint64_t(bw) * uint64_t(H + kh - 1);
        const uint64_t least = stripeElems(uint64_t(kw), uint64_t(kh), uint64_t(std::max(W, kw + 1)),
                                           uint64_t(std::max(H, kh + 1)));
        if (whole <= least) {
            buildWholeBordered(bs, reach, zone, bw * pb);
            for (ptrdiff_t y = 0; y < H; ++y) row(zoneT + y * bw * C, bw * pb, dstRow(y), W);
            return;
        }
        if (kh >= 2) {
            for (ptrdiff_t y = 0; y < H; ++y) {
                buildBorderedRect(bs, -ax, y - ay, bw, kh, zone, bw * pb);
                row(zoneT, bw * pb, dstRow(y), W);
            }
            return;
        }
        // One kernel row: the interior of each row in place, the ends built.
        for (ptrdiff_t y = 0; y < H; ++y) {
            const T* s = rowAt(src, srcStep, y);
            T* d = dstRow(y);
            const ptrdiff_t xs = sides.left == BorderMap::Memory ? 0 : std::min(ax, W);
            const ptrdiff_t xe = sides.right == BorderMap::Memory ? W : std::max(W - rx, xs);
            if (xe > xs) row(s + (xs - ax) * C, srcStep, d + xs * C, xe - xs);
            if (xs > 0) {
                buildBorderedRow(bs, y, -ax, xs + kw - 1, zone);
                row(zoneT, 0, d, xs);
            }
            if (W > xe) {
                buildBorderedRow(bs, y, xe - ax, W - xe + kw - 1, zone);
                row(zoneT, 0, d + xe * C, W - xe);
            }
        }
        return;
    }

    const ptrdiff_t ys = sides.top == BorderMap::Memory ? 0 : ay;
    const ptrdiff_t ye = sides.bottom == BorderMap::Memory ? H : H - by;
    const ptrdiff_t xs = sides.left == BorderMap::Memory ? 0 : ax;
    const ptrdiff_t xe = sides.right == BorderMap::Memory ? W : W - rx;
    // Interior: windows of real pixels only, read in place.
    ptrdiff_t y = ys;
    for (; y + 2 <= ye; y += 2)
        row.two(rowAt(src, srcStep, y - ay) + (xs - ax) * C, srcStep, dstRow(y) + xs * C, dstRow(y + 1) + xs * C,
                xe - xs);
    if (y < ye) row(rowAt(src, srcStep, y - ay) + (xs - ax) * C, srcStep, dstRow(y) + xs * C, xe - xs);
    // Left and right columns of the interior rows: outputs x0 .. x1-1 from
    // a block of bordered columns, in chunks of rows when the block is wider
    // than the edge itself. An edge is widened to 8 outputs (recomputing a
    // few interior ones, with identical results) so that it runs on vectors,
    // when the buffer holds at least one chunk of that width.
    const uint64_t avail = stripeElems(uint64_t(kw), uint64_t(kh), uint64_t(W), uint64_t(H));
    auto edge = [&](ptrdiff_t x0, ptrdiff_t x1) {
        const ptrdiff_t cols = x1 - x0 + kw - 1;
        const ptrdiff_t chunk = std::min<ptrdiff_t>(ptrdiff_t(avail / uint64_t(cols)) - (kh - 1), ye - ys);
        for (ptrdiff_t y0 = ys; y0 < ye; y0 += chunk) {
            const ptrdiff_t rows = std::min(chunk, ye - y0);
            buildBorderedRect(bs, x0 - ax, y0 - ay, cols, rows + kh - 1, zone, cols * pb);
            ptrdiff_t y = y0;
            for (; y + 2 <= y0 + rows; y += 2)
                row.two(zoneT + (y - y0) * cols * C, cols * pb, dstRow(y) + x0 * C, dstRow(y + 1) + x0 * C, x1 - x0);
            if (y < y0 + rows) row(zoneT + (y - y0) * cols * C, cols * pb, dstRow(y) + x0 * C, x1 - x0);
        }
    };
    auto fitsOneChunk = [&](ptrdiff_t width) {
        return ptrdiff_t(avail / uint64_t(width + kw - 1)) - (kh - 1) >= 1;
    };
    if (xs > 0) {
        const ptrdiff_t wide = std::min<ptrdiff_t>(8, xe);
        edge(0, wide > xs && fitsOneChunk(wide) ? wide : xs);
    }
    if (xe < W) {
        const ptrdiff_t wide = std::max<ptrdiff_t>(W - 8, xs);
        edge(wide < xe && fitsOneChunk(W - wide) ? wide : xe, W);
    }
    if (ys > 0) {
        buildBorderedRect(bs, -ax, -ay, bw, ys + kh - 1, zone, bw * pb);
        for (ptrdiff_t y = 0; y < ys; ++y) row(zoneT + y * bw * C, bw * pb, dstRow(y), W);
    }
    if (ye < H) {
        buildBorderedRect(bs, -ax, ye - ay, bw, H - ye + kh - 1, zone, bw * pb);
        for (ptrdiff_t y = ye; y < H; ++y) row(zoneT + (y - ye) * bw * C, bw * pb, dstRow(y), W);
    }
}

template <class T>
constexpr uint32_t pathsOf() {
    if constexpr (std::is_same_v<T, uint8_t>) return (1u << kPathInt8u) | (1u << kPathFlt8u);
    if constexpr (std::is_same_v<T, uint16_t>) return 1u << kPathFlt16u;
    if constexpr (std::is_same_v<T, int16_t>) return (1u << kPathInt16s) | (1u << kPathFlt16s);
    if constexpr (std::is_same_v<T, float>) return 1u << kPathFlt32f;
    return 1u << kPathDbl64f;
}

template <class T, int C>
KzvStatus apply(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roi, KzvBorderKind border,
                const T* value, const void* pSpec, uint8_t* buffer) {
    if (anyNull(pSrc, pDst, static_cast<const uint8_t*>(pSpec), buffer)) return kzvStatusNullPtrErr;
    const bool constant = border <= 255u && border != kzvBorderMemAll && borderKindOf(border) == kzvBorderConstant;
    if (constant && !value) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (srcStep < 1 || int64_t(dstStep) < int64_t(roi.width) * int64_t(sizeof(T))) return kzvStatusStepErr;
    if (checkBorder(border, kBorderSetFilter) != kzvStatusOk) return kzvStatusBorderErr;
    const uint8_t* body = alignUp<64>(pSpec);
    const Header h = readHeader(body);
    if (!plausible(h) || !(pathsOf<T>() & (1u << h.path)) || h.channels != C) return kzvStatusContextMatchErr;

    MxcsrGuard round(FpRound::Nearest);
    const ptrdiff_t W = roi.width, H = roi.height, kw = h.kw, kh = h.kh;
    const ptrdiff_t n = kw * kh;
    if constexpr (std::is_same_v<T, double>) {
        const DoubleRow row{reinterpret_cast<const double*>(body + h.kernelOffset) + n - 1, kw, kh};
        runFilter(pSrc, srcStep, pDst, dstStep, W, H, C, kw, kh, border, value, buffer, row);
    } else {
        if constexpr (std::is_same_v<T, uint8_t> || (std::is_same_v<T, int16_t> && C == 1)) {
            if (h.path == kPathInt8u || h.path == kPathInt16s) {
                const int16_t* rev = reinterpret_cast<const int16_t*>(body + h.kernelOffset);
                IntFinish f{};
                f.divClass = h.divClass;
                f.shift = h.shift;
                f.biasMinus1 = h.divClass == kDivPow2 ? int32_t(h.bias) - 1 : 0;
                f.accurate = (h.mode & uint32_t(kAccurate)) != 0;
                f.mode = h.mode & 3u;
                f.recip = h.recip;
                f.offset = h.offset;
                f.lo = int32_t(std::numeric_limits<T>::min());
                f.hi = int32_t(std::numeric_limits<T>::max());
                f.clampLo = int32_t(std::max<int64_t>(INT32_MIN, int64_t(f.lo) - h.offset));
                f.clampHi = int32_t(std::min<int64_t>(INT32_MAX, int64_t(f.hi) - h.offset));
                const int32_t* pairs = reinterpret_cast<const int32_t*>(body + h.pairOffset);
                const IntRow<T> row{rev + n - 1, pairs, kw, kh, C, f, pairs + kh * pairWords(kw)};
                // The vector sums are 32-bit: use them when no sum (plus the
                // rounding bias) can leave that range.
                int64_t absSum = 0;
                for (ptrdiff_t i = 0; i < n; ++i) absSum += rev[i] < 0 ? -int64_t(rev[i]) : int64_t(rev[i]);
                const int64_t peak = std::is_same_v<T, uint8_t> ? 255 : 32768;
                const bool fits = double(absSum) * double(peak) + double(f.biasMinus1) + 1.0 <= 2147483647.0;
                if (fits && (std::is_same_v<T, uint8_t> || h.packed))
                    runFilter(pSrc, srcStep, pDst, dstStep, W, H, C, kw, kh, border, value, buffer, row);
                else
                    runFilter(pSrc, srcStep, pDst, dstStep, W, H, C, kw, kh, border, value, buffer,
                              WideIntRow<T>{row});
                return kzvStatusOk;
            }
        }
        const FloatRow<T> row{reinterpret_cast<const float*>(body + h.kernelOffset) + n - 1, kw, kh, C,
                              float(h.offset), h.mode & 3u};
        runFilter(pSrc, srcStep, pDst, dstStep, W, H, C, kw, kh, border, value, buffer, row);
    }
    return kzvStatusOk;
}

KzvStatus filter64f(const double* pSrc, int32_t srcStep, double* pDst, int32_t dstStep, KzvImageSize roi,
                    const double* kernel, KzvImageSize k, KzvImagePoint anchor) {
    if (anyNull(pSrc, pDst, kernel)) return kzvStatusNullPtrErr;
    if (badSize(roi) || k.width < 1 || k.height < 1) return kzvStatusSizeErr;
    if (int64_t(srcStep) < (int64_t(k.width) + roi.width - 1) * 8 || int64_t(dstStep) < int64_t(roi.width) * 8)
        return kzvStatusStepErr;
    MxcsrGuard round(FpRound::Nearest);
    // The kernel read from its last element is the correlation kernel of a
    // window whose top-left corner is (anchor - size + 1) from the output.
    const ptrdiff_t kw = k.width, kh = k.height;
    const DoubleRow row{kernel + kw * kh - 1, kw, kh};
    const double* win = rowAt(pSrc, srcStep, ptrdiff_t(anchor.y) - kh + 1) + (ptrdiff_t(anchor.x) - kw + 1);
    for (ptrdiff_t y = 0; y < roi.height; ++y) row(rowAt(win, srcStep, y), srcStep, rowAt(pDst, dstStep, y), roi.width);
    return kzvStatusOk;
}

}  // namespace

// ---- Exports -------------------------------------------------------------------------

KzvStatus kzviFilterBorderGetSize(KzvImageSize kernelSize, KzvImageSize roiSize, KzvDataKind dataType,
                                  KzvDataKind kernelType, int32_t numChannels, int32_t* pSpecSize,
                                  int32_t* pBufferSize) {
    return getSize(kernelSize, roiSize, dataType, kernelType, numChannels, pSpecSize, pBufferSize);
}
KzvStatus kzviFilterBorderInit_16s(const Kzv16s* pKernel, KzvImageSize kernelSize, int32_t divisor,
                                   KzvDataKind dataType, int32_t numChannels, int32_t roundMode,
                                   KzviFilterBorderSpec* pSpec) {
    return init16s(pKernel, kernelSize, divisor, dataType, numChannels, roundMode, pSpec);
}
KzvStatus kzviFilterBorderInit_32f(const Kzv32f* pKernel, KzvImageSize kernelSize, KzvDataKind dataType,
                                   int32_t numChannels, int32_t roundMode, KzviFilterBorderSpec* pSpec) {
    return init32f(pKernel, kernelSize, dataType, numChannels, roundMode, pSpec);
}
KzvStatus kzviFilterBorderInit_64f(const Kzv64f* pKernel, KzvImageSize kernelSize, KzvDataKind dataType,
                                   int32_t numChannels, int32_t roundMode, KzviFilterBorderSpec* pSpec) {
    return init64f(pKernel, kernelSize, dataType, numChannels, roundMode, pSpec);
}
KzvStatus kzviFilterBorderSetMode(KzvAlgHint hint, int32_t offset, KzviFilterBorderSpec* pSpec) {
    return setMode(hint, offset, pSpec);
}

#define KZV_FILTER(t, T, C)                                                                                        \
    KzvStatus kzviFilterBorder_##t##_C##C##R(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep,            \
                                             KzvImageSize roiSize, KzvBorderKind borderType, const T* borderValue, \
                                             const KzviFilterBorderSpec* pSpec, Kzv8u* pBuffer) {                  \
        return apply<T, C>(pSrc, srcStep, pDst, dstStep, roiSize, borderType, borderValue, pSpec, pBuffer);       \
    }
KZV_FILTER(8u, Kzv8u, 1)
KZV_FILTER(8u, Kzv8u, 3)
KZV_FILTER(8u, Kzv8u, 4)
KZV_FILTER(16u, Kzv16u, 1)
KZV_FILTER(16u, Kzv16u, 3)
KZV_FILTER(16u, Kzv16u, 4)
KZV_FILTER(16s, Kzv16s, 1)
KZV_FILTER(16s, Kzv16s, 3)
KZV_FILTER(16s, Kzv16s, 4)
KZV_FILTER(32f, Kzv32f, 1)
KZV_FILTER(32f, Kzv32f, 3)
KZV_FILTER(32f, Kzv32f, 4)
KZV_FILTER(64f, Kzv64f, 1)

KzvStatus kzviFilter_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                             KzvImageSize dstRoiSize, const Kzv64f* pKernel, KzvImageSize kernelSize,
                             KzvImagePoint anchor, Kzv8u* pBuffer) {
    (void)pBuffer;  // the row routine keeps its sums in registers
    return filter64f(pSrc, srcStep, pDst, dstStep, dstRoiSize, pKernel, kernelSize, anchor);
}
KzvStatus kzviFilterGetBufSize_64f_C1R(KzvImageSize kernelSize, int32_t dstRoiWidth, int32_t* pBufferSize) {
    if (!pBufferSize) return kzvStatusNullPtrErr;
    if (kernelSize.width < 1 || kernelSize.height < 1 || dstRoiWidth < 1) return kzvStatusSizeErr;
    *pBufferSize = bufSize64f(kernelSize.width, kernelSize.height, dstRoiWidth);
    return kzvStatusOk;
}
