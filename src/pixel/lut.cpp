// Lookup tables: level tables built once at Init (whole tables for the
// integer types, levels, values and interpolation coefficients for 32f) and
// palettes indexed by the low bits of each sample.
#include <immintrin.h>
#include <math.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "common/frame.h"
#include "common/spec.h"
#include "kzvi.h"

namespace kzv {
namespace {

using Byte = uint8_t;

template <class T>
inline T load(const Byte* p) {
    T v;
    memcpy(&v, p, sizeof v);
    return v;
}
template <class T>
inline void store(Byte* p, T v) {
    memcpy(p, &v, sizeof v);
}

// ---- Spec layout ------------------------------------------------------------
// Header words from the caller's pointer: 0 identifier, 1 payload offset in
// bytes, 2 table count, 3 interpolation actually used (0 nearest, 1 linear,
// 2 cubic), 4-7 level counts. The payload starts 120 bytes after the first
// address A at or above the pointer with A + 56 a multiple of 64, so it is
// 64-byte aligned.
constexpr int32_t kHeaderSlack = 184;
constexpr int kWordOffset = 1, kWordTables = 2, kWordMode = 3, kWordLevels = 4;

inline ptrdiff_t payloadOffset(const void* spec) {
    const uintptr_t p = reinterpret_cast<uintptr_t>(spec);
    return ptrdiff_t((0 - (p + 56)) & 63) + 120;
}

inline int32_t lutId(int type, int layout, int mode) {
    return int32_t(kSpecLutBase) + 4 * type + layout + 16 * mode;
}

// Interpolation selector to the mode index, or -1.
inline int modeOf(int32_t interp) {
    switch (interp) {
    case kzvInterpNearest: return 0;
    case kzvInterpLinear: return 1;
    case kzvInterpCubic: return 2;
    default: return -1;
    }
}

// Channel code to (table count, layout index), or tables 0 when invalid.
struct ChannelCode {
    int tables, layout;
};
inline ChannelCode channelCode(int32_t code) {
    switch (code) {
    case 1: return {1, 0};
    case 3: return {3, 1};
    case 4: return {4, 2};
    case 9: return {3, 3};
    default: return {0, 0};
    }
}

// Level counts are checked for table 0, tables 1 and 2 for codes 3, 4, 9
// and table 3 for code 4; then the channel code.
KzvStatus checkLevels(int32_t code, const int32_t* nLevels) {
    if (nLevels[0] < 2) return kzvStatusLutLevelsErr;
    if ((code == 3 || code == 4 || code == 9) && (nLevels[1] < 2 || nLevels[2] < 2)) return kzvStatusLutLevelsErr;
    if (code == 4 && nLevels[3] < 2) return kzvStatusLutLevelsErr;
    if (channelCode(code).tables == 0) return kzvStatusChannelErr;
    return kzvStatusOk;
}

constexpr uint64_t round64(uint64_t x) {
    return (x + 63) & ~uint64_t(63);
}

// Cubic only when every table has at least four levels (32f: the spec size
// has room for the coefficients only then).
bool allCubicCapable(const int32_t* nLevels, int tables) {
    for (int c = 0; c < tables; ++c)
        if (nLevels[c] < 4) return false;
    return true;
}

uint64_t payloadBytes(int dataKind, int mode, const int32_t* nLevels, int tables) {
    if (dataKind == kzvDataKind8u) return 256u * uint64_t(tables);
    if (dataKind == kzvDataKind16u || dataKind == kzvDataKind16s) return 131072u * uint64_t(tables);
    uint64_t L = 0;
    for (int c = 0; c < tables; ++c) L += uint64_t(nLevels[c]);
    const uint64_t T = uint64_t(tables);
    const uint64_t pairs = tables == 1 && mode == 0 ? 8 * L : round64(8 * L);
    if (mode == 0) return pairs;
    if (mode == 2 && allCubicCapable(nLevels, tables)) return round64(8 * L) + 24 * (L - T);
    return round64(8 * L) + 8 * (L - T);
}

// ---- Coefficients -----------------------------------------------------------

// The cubic through (X[i], V[i]), i = 0..3, about x0 = X[1]:
// p(t) = V[1] + a t + b t^2 + c t^3. Divided differences of the three
// offsets to the other points.
struct Cubic {
    double a, b, c;
};
Cubic solveCubic(const double* X, const double* V) {
    const double x0 = X[1];
    const double d0 = X[0] - x0, d2 = X[2] - x0, d3 = X[3] - x0;
    const double g0 = (V[0] - V[1]) / d0, g2 = (V[2] - V[1]) / d2, g3 = (V[3] - V[1]) / d3;
    const double h02 = (g0 - g2) / (d0 - d2), h32 = (g3 - g2) / (d3 - d2);
    Cubic r;
    r.c = (h02 - h32) / (d0 - d3);
    r.b = h02 - r.c * (d0 + d2);
    r.a = g2 - r.b * d2 - r.c * d2 * d2;
    return r;
}

inline double evalCubic(const Cubic& q, double v1, double t) {
    return v1 + t * (q.a + t * (q.b + t * q.c));
}

// First of the four points used for interval k of n levels.
inline int32_t cubicBase(int32_t k, int32_t n) {
    const int32_t j = k - 1;
    return j < 0 ? 0 : j > n - 4 ? n - 4 : j;
}

// ---- Integer tables -----------------------------------------------------------

template <class T>
void buildTable(T* tab, int mode, const int32_t* v, const int32_t* l, int32_t n) {
    using Lim = std::numeric_limits<T>;
    constexpr int64_t lo = Lim::min(), hi = Lim::max();
    for (int64_t x = lo; x <= hi; ++x) tab[x - lo] = T(x);
    if (mode == 2 && n < 4) mode = 1;
    for (int32_t k = 0; k + 1 < n; ++k) {
        const int64_t l0 = l[k], l1 = l[k + 1];
        if (l0 >= l1) continue;
        const int64_t a = l0 > lo ? l0 : lo, b = l1 < hi + 1 ? l1 : hi + 1;
        if (a >= b) continue;
        if (mode == 0 || l1 - l0 == 1) {
            const T e = saturate<T>(v[k]);
            for (int64_t x = a; x < b; ++x) tab[x - lo] = e;
        } else if (mode == 1) {
            const double s = (double(v[k + 1]) - double(v[k])) / (double(l1) - double(l0));
            const double off = double(v[k]) + 0.5 - s * double(l0);
            for (int64_t x = a; x < b; ++x) tab[x - lo] = saturate<T>(trunc(s * double(x) + off));
        } else {
            const int32_t j = cubicBase(k, n);
            const double X[4] = {double(l[j]), double(l[j + 1]), double(l[j + 2]), double(l[j + 3])};
            const double V[4] = {double(v[j]), double(v[j + 1]), double(v[j + 2]), double(v[j + 3])};
            const Cubic q = solveCubic(X, V);
            for (int64_t x = a; x < b; ++x)
                tab[x - lo] = saturate<T>(trunc(evalCubic(q, V[1], double(x) - X[1]) + 0.5));
        }
    }
}

// ---- 32f tables ---------------------------------------------------------------

struct Table32f {
    const float* values;
    const float* levels;
    int32_t n;
    const double* slopes;                 // linear: n - 1
    const double *ca, *cb, *cc;           // cubic: n - 1 each
};

// Positions of every table's arrays inside the payload.
void layout32f(Byte* payload, int mode, const int32_t* nLevels, int tables, Table32f* out) {
    uint64_t L = 0;
    for (int c = 0; c < tables; ++c) L += uint64_t(nLevels[c]);
    size_t pos = 0;
    for (int c = 0; c < tables; ++c) {
        out[c].n = nLevels[c];
        out[c].values = reinterpret_cast<const float*>(payload + pos);
        pos += 4 * size_t(nLevels[c]);
        out[c].levels = reinterpret_cast<const float*>(payload + pos);
        pos += 4 * size_t(nLevels[c]);
    }
    pos = tables == 1 && mode == 0 ? pos : size_t(round64(8 * L));
    for (int c = 0; c < tables; ++c) {
        out[c].slopes = out[c].ca = out[c].cb = out[c].cc = nullptr;
        const size_t m = size_t(nLevels[c] - 1) * 8;
        if (mode == 1) {
            out[c].slopes = reinterpret_cast<const double*>(payload + pos);
            pos += m;
        } else if (mode == 2) {
            out[c].ca = reinterpret_cast<const double*>(payload + pos);
            out[c].cb = reinterpret_cast<const double*>(payload + pos + m);
            out[c].cc = reinterpret_cast<const double*>(payload + pos + 2 * m);
            pos += 3 * m;
        }
    }
}

void build32f(Byte* payload, int mode, const float* const* pValues, const float* const* pLevels,
              const int32_t* nLevels, int tables) {
    Table32f t[4];
    layout32f(payload, mode, nLevels, tables, t);
    for (int c = 0; c < tables; ++c) {
        const int32_t n = nLevels[c];
        memcpy(const_cast<float*>(t[c].values), pValues[c], 4 * size_t(n));
        memcpy(const_cast<float*>(t[c].levels), pLevels[c], 4 * size_t(n));
        const float* v = pValues[c];
        const float* l = pLevels[c];
        for (int32_t k = 0; k + 1 < n; ++k) {
            if (mode == 1) {
                const float s = (v[k + 1] - v[k]) / (l[k + 1] - l[k]);
                const double ds = s;
                memcpy(const_cast<double*>(t[c].slopes + k), &ds, 8);
            } else if (mode == 2) {
                const int32_t j = cubicBase(k, n);
                const double X[4] = {l[j], l[j + 1], l[j + 2], l[j + 3]};
                const double V[4] = {v[j], v[j + 1], v[j + 2], v[j + 3]};
                const Cubic q = solveCubic(X, V);
                memcpy(const_cast<double*>(t[c].ca + k), &q.a, 8);
                memcpy(const_cast<double*>(t[c].cb + k), &q.b, 8);
                memcpy(const_cast<double*>(t[c].cc + k), &q.c, 8);
            }
        }
    }
}

// The first interval with l[k] <= x < l[k+1] decides; no interval keeps x.
inline float map32f(float x, const Table32f& t, int mode) {
    const float* l = t.levels;
    for (int32_t k = 0; k + 1 < t.n; ++k) {
        if (!(l[k] <= x && x < l[k + 1])) continue;
        if (mode == 0) return t.values[k];
        if (mode == 1) return float(double(t.values[k]) + (double(x) - double(l[k])) * t.slopes[k]);
        const int32_t j = cubicBase(k, t.n);
        const Cubic q{t.ca[k], t.cb[k], t.cc[k]};
        return float(evalCubic(q, double(t.values[j + 1]), double(x) - double(l[j + 1])));
    }
    return x;
}

// ---- Init and size query ---------------------------------------------------------

KzvStatus lutGetSize(int32_t interp, int32_t dataKind, int32_t channels, KzvImageSize roi, const int32_t* nLevels,
                     int32_t* pSpecSize) {
    const int mode = modeOf(interp);
    if (mode < 0) return kzvStatusInterpolationErr;
    if (!nLevels || !pSpecSize) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (KzvStatus s = checkLevels(channels, nLevels)) return s;
    if (dataKind != kzvDataKind8u && dataKind != kzvDataKind16u && dataKind != kzvDataKind16s &&
        dataKind != kzvDataKind32f)
        return kzvStatusDataTypeErr;
    const int tables = channelCode(channels).tables;
    return reportSize(uint64_t(kHeaderSlack) + payloadBytes(dataKind, mode, nLevels, tables), pSpecSize);
}

template <class T, class L, int TypeIndex>
KzvStatus lutInit(int32_t interp, int32_t channels, KzvImageSize roi, const L* const* pValues, const L* const* pLevels,
                  const int32_t* nLevels, KzvLUTSpec* pSpec) {
    int mode = modeOf(interp);
    if (mode < 0) return kzvStatusInterpolationErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (!pValues || !pLevels || !nLevels || !pSpec) return kzvStatusNullPtrErr;
    const ChannelCode cc = channelCode(channels);
    const int checked = cc.tables ? cc.tables : 1;
    for (int c = 0; c < checked; ++c)
        if (!pValues[c] || !pLevels[c]) return kzvStatusNullPtrErr;
    if (KzvStatus s = checkLevels(channels, nLevels)) return s;
    Byte* spec = reinterpret_cast<Byte*>(pSpec);
    const ptrdiff_t off = payloadOffset(spec);
    Byte* payload = spec + off;
    const int idMode = mode;
    if constexpr (std::is_same_v<T, float>) {
        if (mode == 2 && !allCubicCapable(nLevels, cc.tables)) mode = 1;
        build32f(payload, mode, pValues, pLevels, nLevels, cc.tables);
    } else {
        constexpr size_t entries = size_t(std::numeric_limits<T>::max()) - size_t(std::numeric_limits<T>::min()) + 1;
        for (int c = 0; c < cc.tables; ++c)
            buildTable<T>(reinterpret_cast<T*>(payload + c * entries * sizeof(T)), mode, pValues[c], pLevels[c],
                          nLevels[c]);
    }
    putWord(spec, kWordOffset, int32_t(off));
    putWord(spec, kWordTables, cc.tables);
    putWord(spec, kWordMode, mode);
    for (int c = 0; c < 4; ++c) putWord(spec, kWordLevels + c, c < cc.tables ? nLevels[c] : 0);
    putWord(spec, 0, lutId(TypeIndex, cc.layout, idMode));
    return kzvStatusOk;
}

// ---- Apply ----------------------------------------------------------------------

// 8u rows through one 256-entry table by byte shuffles over its 16-byte
// slices T0..T15. A shuffle gives slice[i & 15] for an index i below 0x80
// and 0 from 0x80 up. For x with high nibble h < 8 the indices x - 16k,
// k = 0..7, are below 0x80 exactly for k <= h, so XOR-ing the shuffles of
// the chained slices U_k = T_k ^ T_(k-1) leaves T_h[x & 15]; the same with
// (x ^ 0x80) - 16k and V_k = T_(8+k) ^ T_(7+k) serves h >= 8, and bit 7 of
// x picks one of the two results. Scalar tail.
void lut8uRow(const Byte* s, Byte* d, ptrdiff_t n, const Byte* tab) {
    ptrdiff_t x = 0;
    if (n >= 32) {
        __m256i u[8], v[8];
        __m128i prevLo = _mm_setzero_si128(), prevHi = _mm_setzero_si128();
        for (int k = 0; k < 8; ++k) {
            const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tab + 16 * k));
            const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tab + 16 * (8 + k)));
            u[k] = _mm256_broadcastsi128_si256(_mm_xor_si128(lo, prevLo));
            v[k] = _mm256_broadcastsi128_si256(_mm_xor_si128(hi, prevHi));
            prevLo = lo;
            prevHi = hi;
        }
        const __m256i sixteen = _mm256_set1_epi8(16), top = _mm256_set1_epi8(int8_t(0x80));
        for (; x + 32 <= n; x += 32) {
            const __m256i in = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x));
            __m256i wl = in, wh = _mm256_xor_si256(in, top);
            __m256i rl = _mm256_setzero_si256(), rh = _mm256_setzero_si256();
            for (int k = 0; k < 8; ++k) {
                rl = _mm256_xor_si256(rl, _mm256_shuffle_epi8(u[k], wl));
                rh = _mm256_xor_si256(rh, _mm256_shuffle_epi8(v[k], wh));
                wl = _mm256_sub_epi8(wl, sixteen);
                wh = _mm256_sub_epi8(wh, sixteen);
            }
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), _mm256_blendv_epi8(rl, rh, in));
        }
    }
    for (; x < n; ++x) d[x] = tab[s[x]];
}

template <class T>
inline size_t tableIndex(T v) {
    if constexpr (std::is_signed_v<T>) return size_t(int32_t(v) + 32768);
    else return size_t(v);
}

template <class T, int TypeIndex, int Layout, int M, int P>
KzvStatus lutApply(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roi, const KzvLUTSpec* pSpec) {
    if (!pSrc || !pDst || !pSpec) return kzvStatusNullPtrErr;
    if (srcStep < 1 || dstStep < 1) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    const Byte* spec = reinterpret_cast<const Byte*>(pSpec);
    const int32_t id = getWord(spec, 0);
    if (id != lutId(TypeIndex, Layout, 0) && id != lutId(TypeIndex, Layout, 1) && id != lutId(TypeIndex, Layout, 2))
        return kzvStatusBadArgErr;
    const Byte* payload = spec + getWord(spec, kWordOffset);
    const Byte* s = reinterpret_cast<const Byte*>(pSrc);
    Byte* d = reinterpret_cast<Byte*>(pDst);
    ptrdiff_t w = roi.width, h = roi.height;
    constexpr ptrdiff_t pixel = M * sizeof(T);
    if constexpr (std::is_same_v<T, float>) {
        Table32f t[4];
        const int mode = getWord(spec, kWordMode);
        int32_t counts[4];
        for (int c = 0; c < 4; ++c) counts[c] = getWord(spec, kWordLevels + c);
        layout32f(const_cast<Byte*>(payload), mode, counts, P, t);
        for (ptrdiff_t y = 0; y < h; ++y) {
            const Byte* sr = rowAt(s, srcStep, y);
            Byte* dr = rowAt(d, dstStep, y);
            for (ptrdiff_t x = 0; x < w; ++x)
                for (int c = 0; c < P; ++c) {
                    const ptrdiff_t o = x * pixel + c * 4;
                    store<float>(dr + o, map32f(load<float>(sr + o), t[c], mode));
                }
        }
    } else if constexpr (std::is_same_v<T, uint8_t> && M == 1) {
        // Contiguous rows are one long row.
        if (srcStep == w && dstStep == w) {
            w *= h;
            h = 1;
        }
        for (ptrdiff_t y = 0; y < h; ++y) lut8uRow(rowAt(s, srcStep, y), rowAt(d, dstStep, y), w, payload);
    } else {
        constexpr size_t entries = std::is_same_v<T, uint8_t> ? 256 : 65536;
        const T* tab[4];
        for (int c = 0; c < P; ++c) tab[c] = reinterpret_cast<const T*>(payload + c * entries * sizeof(T));
        for (ptrdiff_t y = 0; y < h; ++y) {
            const Byte* sr = rowAt(s, srcStep, y);
            Byte* dr = rowAt(d, dstStep, y);
            for (ptrdiff_t x = 0; x < w; ++x)
                for (int c = 0; c < P; ++c) {
                    const ptrdiff_t o = x * pixel + c * ptrdiff_t(sizeof(T));
                    store<T>(dr + o, tab[c][tableIndex(load<T>(sr + o))]);
                }
        }
    }
    return kzvStatusOk;
}

// ---- Palettes -----------------------------------------------------------------------

template <class TS>
inline bool badBits(int32_t bits) {
    return bits < 1 || bits > int32_t(8 * sizeof(TS));
}

inline bool stepTooSmall(int32_t step, int32_t width, int pixelBytes) {
    return int64_t(step) < int64_t(width) * pixelBytes;
}

// One-channel palette: Bytes-byte entries (3 for 24u destinations).
template <class TS, class TD, int Bytes>
KzvStatus palette1(const TS* pSrc, int32_t srcStep, TD* pDst, int32_t dstStep, KzvImageSize roi, const TD* pTable,
                   int32_t bits) {
    if (!pSrc || !pDst || !pTable) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badBits<TS>(bits)) return kzvStatusOutOfRangeErr;
    if (stepTooSmall(srcStep, roi.width, sizeof(TS)) || stepTooSmall(dstStep, roi.width, Bytes))
        return kzvStatusStepErr;
    const uint32_t mask = uint32_t((uint64_t(1) << bits) - 1);
    const Byte* s = reinterpret_cast<const Byte*>(pSrc);
    Byte* d = reinterpret_cast<Byte*>(pDst);
    const Byte* tab = reinterpret_cast<const Byte*>(pTable);
    if constexpr (sizeof(TS) == 1 && Bytes == 1) {
        // Expand to a full 256-entry table (reading only entries <= mask),
        // then the shuffle kernel.
        Byte full[256];
        for (int i = 0; i < 256; ++i) full[i] = tab[uint32_t(i) & mask];
        for (ptrdiff_t y = 0; y < roi.height; ++y) lut8uRow(rowAt(s, srcStep, y), rowAt(d, dstStep, y), roi.width, full);
    } else {
        for (ptrdiff_t y = 0; y < roi.height; ++y) {
            const Byte* sr = rowAt(s, srcStep, y);
            Byte* dr = rowAt(d, dstStep, y);
            for (ptrdiff_t x = 0; x < roi.width; ++x) {
                const uint32_t i = uint32_t(load<TS>(sr + x * ptrdiff_t(sizeof(TS)))) & mask;
                memcpy(dr + x * Bytes, tab + size_t(i) * Bytes, Bytes);
            }
        }
    }
    return kzvStatusOk;
}

template <class T, int M, int P>
KzvStatus paletteN(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roi, const T* const* pTable,
                   int32_t bits) {
    if (!pSrc || !pDst || !pTable) return kzvStatusNullPtrErr;
    for (int c = 0; c < P; ++c)
        if (!pTable[c]) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badBits<T>(bits)) return kzvStatusOutOfRangeErr;
    constexpr int pixel = M * sizeof(T);
    if (stepTooSmall(srcStep, roi.width, pixel) || stepTooSmall(dstStep, roi.width, pixel)) return kzvStatusStepErr;
    const uint32_t mask = uint32_t((uint64_t(1) << bits) - 1);
    const Byte* s = reinterpret_cast<const Byte*>(pSrc);
    Byte* d = reinterpret_cast<Byte*>(pDst);
    for (ptrdiff_t y = 0; y < roi.height; ++y) {
        const Byte* sr = rowAt(s, srcStep, y);
        Byte* dr = rowAt(d, dstStep, y);
        for (ptrdiff_t x = 0; x < roi.width; ++x)
            for (int c = 0; c < P; ++c) {
                const ptrdiff_t o = x * pixel + c * ptrdiff_t(sizeof(T));
                store<T>(dr + o, pTable[c][uint32_t(load<T>(sr + o)) & mask]);
            }
    }
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv

extern "C" KzvStatus kzviLUT_GetSize(KzvInterp interp, KzvDataKind dataKind, int32_t channels, KzvImageSize roiSize,
                                     const int32_t nLevels[], int32_t* pSpecSize) {
    return kzv::lutGetSize(int32_t(interp), int32_t(dataKind), channels, roiSize, nLevels, pSpecSize);
}

#define LUTINIT(name, T, L, TI)                                                                                  \
    extern "C" KzvStatus name(KzvInterp interp, int32_t channels, KzvImageSize roiSize, const L* pValues[],     \
                              const L* pLevels[], const int32_t nLevels[], KzvLUTSpec* pSpec) {                 \
        return kzv::lutInit<T, L, TI>(int32_t(interp), channels, roiSize, pValues, pLevels, nLevels, pSpec);     \
    }
#define LUT(nameR, nameIR, T, TI, LI, M, P)                                                                      \
    extern "C" KzvStatus nameR(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize,  \
                               const KzvLUTSpec* pSpec) {                                                        \
        return kzv::lutApply<T, TI, LI, M, P>(pSrc, srcStep, pDst, dstStep, roiSize, pSpec);                     \
    }                                                                                                           \
    extern "C" KzvStatus nameIR(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec) { \
        return kzv::lutApply<T, TI, LI, M, P>(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, pSpec);         \
    }
#define PALETTE1(name, TS, TD, B)                                                                                 \
    extern "C" KzvStatus name(const TS* pSrc, int32_t srcStep, TD* pDst, int32_t dstStep, KzvImageSize roiSize, \
                              const TD* pTable, int32_t nBitSize) {                                             \
        return kzv::palette1<TS, TD, B>(pSrc, srcStep, pDst, dstStep, roiSize, pTable, nBitSize);               \
    }
#define PALETTEN(name, T, M, P)                                                                                  \
    extern "C" KzvStatus name(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize,   \
                              const T* const pTable[P], int32_t nBitSize) {                                     \
        return kzv::paletteN<T, M, P>(pSrc, srcStep, pDst, dstStep, roiSize, pTable, nBitSize);                 \
    }
#include "pixel/lut_exports.inc"
#undef LUTINIT
#undef LUT
#undef PALETTE1
#undef PALETTEN
