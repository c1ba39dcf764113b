// Resize tile engine: the spec header, the apply frames and the separable
// row passes. Included by resize.cpp only (one translation unit).
//
// A tile is produced as follows. The tile's slices of the index tables are
// copied into the work buffer relative to the tile's source origin. Each
// destination row needs 2*ry horizontally filtered source rows; they live in
// a ring of 2*ry row buffers keyed by source row (slot = row mod 2*ry), so
// every source row is filtered once per call. Edge rows and columns (whose
// taps leave the source on a side that is not in memory) read their taps
// through the border map; the 8u fast linear tables compute those pixels
// with integer intermediates instead (edgeLinearQ14).
#ifndef KZV_GEOMETRY_RESIZE_ENGINE_H
#define KZV_GEOMETRY_RESIZE_ENGINE_H

#include <immintrin.h>
#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "common/cache.h"
#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/simd.h"
#include "common/spec.h"
#include "filter/border_model.h"
#include "kzvi.h"

namespace kzv::resize {

using border::BorderMap;
using border::BorderSides;

enum : int32_t { kCoeffQ14 = 7, kCoeffF32 = 13, kCoeffF64 = 19 };
enum : int32_t { kModeFast = 1, kModeAccurate = 2 };
constexpr uint64_t kHeaderBytes = 256;

// One axis of the spec: lengths, reduced pair, table offsets (bytes from the
// body) and the counts of leading / trailing destination pixels whose taps
// leave the source.
struct Axis {
    int32_t src, dst, p, q;
    uint32_t indexOff, coeffOff;
    int32_t lowCount, highCount;
};

struct ResizeHeader {
    int32_t id;
    int32_t coeffKind;
    int32_t interp;
    int32_t rx, ry;
    int32_t antialias;
    int32_t border[4];  // left, top, right, bottom
    Axis v;             // rows
    Axis h;             // columns
    int32_t mode;
    int32_t srcW, srcH, dstW, dstH, dataKind;
    float B, C;
    uint8_t* initBuf;
    int32_t lobes;
};
static_assert(sizeof(ResizeHeader) <= kHeaderBytes, "resize header too large");

inline int32_t interpolationReach(int32_t interp, int32_t r) {
    return interp == kzvInterpNearest ? 0 : r;
}

// Source origin of a tile starting at destination offset d on an axis.
inline int64_t tileOrigin(const Axis& a, int64_t d) {
    const double R = double(a.p) / double(a.q);
    return int64_t(floor(double(d) * R));
}

inline uint8_t* alignPtr(uint8_t* p, uintptr_t a) {
    const uintptr_t v = reinterpret_cast<uintptr_t>(p);
    return reinterpret_cast<uint8_t*>((v + a - 1) & ~(a - 1));
}

// Position rel (relative to the tile's source origin) as read through the
// border map: unchanged inside the source and on memory sides.
inline ptrdiff_t mapRel(ptrdiff_t rel, ptrdiff_t origin, ptrdiff_t n, BorderMap lo, BorderMap hi) {
    const ptrdiff_t a = rel + origin;
    if (a >= 0 && a < n) return rel;
    return border::mapIndex(a < 0 ? lo : hi, a, n) - origin;
}

template <class T>
constexpr bool isInt = std::is_integral_v<T>;

// Float result to an integer sample: saturated, then rounded to nearest
// (the caller holds the rounding mode at nearest-even). A NaN gives the
// lower bound, as the vector max does.
template <class T>
inline T fromFloat(float v) {
    if constexpr (std::is_same_v<T, float>) {
        return v;
    } else {
        constexpr float lo = float(std::numeric_limits<T>::min()), hi = float(std::numeric_limits<T>::max());
        v = v > lo ? v : lo;
        v = v < hi ? v : hi;
        return T(_mm_cvtss_si32(_mm_set_ss(v)));
    }
}

// ---- Tile description ------------------------------------------------------------

struct Tile {
    const uint8_t* src;
    ptrdiff_t srcStep;
    uint8_t* dst;
    ptrdiff_t dstStep;
    ptrdiff_t ox, oy, w, h;  // trimmed tile
    ptrdiff_t sx0, sy0;      // its source origin
    ptrdiff_t srcW, srcH, dstW;
    const int32_t* xi;     // column indices relative to sx0 (w entries)
    const int32_t* yi;     // row indices relative to sy0 (h entries)
    ptrdiff_t L, R, T, B;  // edge columns / rows of the tile
    BorderSides sides;
    int r;                   // half-width (both axes)
    const uint8_t* rowCoef;  // records of the tile's first row
    const uint8_t* colCoef;  // planes, column ox of plane 0
    // Periodic columns: when xi[c + 8] - xi[c] is the same for every group of
    // 8 inner columns starting at L (a ratio with a short period, such as
    // 2/1, 3/2 or 4/1), each group's taps sit at the same offsets from its
    // first tap, and the one-channel passes read them from one or two
    // contiguous windows with fixed shuffles instead of one load per column.
    // span = 0 when the columns are not periodic (or the group is too wide).
    int span;                        // window in samples from the group's first tap
    alignas(32) int32_t perLo[3][8];  // 8u: pshufb bytes per tap pair; 32f: lane index
    alignas(32) int32_t perHi[3][8];  // 8u: bytes from the second window; 32f: blend selects
    int32_t perWin[3][2];  // 8u C3: byte offsets of each output vector's two windows
    int32_t perReach;      // 8u C3: last byte a group reads, from its first tap
};

// Offsets of each column's first tap from the first tap of its group of 8
// inner columns, when every group starting at L shares them; false otherwise.
inline bool periodicOffsets(const Tile& t, int32_t off[8]) {
    const ptrdiff_t a = t.L, e = t.w - t.R;
    if (e - a < 16) return false;
    const int32_t step = t.xi[a + 8] - t.xi[a];
    for (ptrdiff_t c = a; c + 8 < e; ++c)
        if (t.xi[c + 8] - t.xi[c] != step) return false;
    for (int j = 0; j < 8; ++j) off[j] = t.xi[a + j] - t.xi[a];
    return true;
}

// 8u one channel, K taps: window of o7 + K bytes, at most 32. Per tap pair j
// and column k the dword holds the shuffle bytes (tap 2j, zero, tap 2j+1,
// zero); bytes 0..15 come from the first window (perLo), the others from a
// second 16-byte window ending at the span's last byte (perHi).
inline void setPeriodicQ14C1(Tile& t) {
    int32_t off[8];
    t.span = 0;
    if (!periodicOffsets(t, off)) return;
    const int K = 2 * t.r;
    const int span = off[7] + K;
    if (span > 32) return;
    for (int j = 0; j < K / 2; ++j)
        for (int k = 0; k < 8; ++k) {
            uint32_t lo = 0, hi = 0;
            for (int b = 0; b < 2; ++b) {
                const int i = off[k] + 2 * j + b;
                const uint32_t l = i < 16 ? uint32_t(i) : 0x80u, h = i < 16 ? 0x80u : uint32_t(i - (span - 16));
                lo |= (l | 0x8000u) << (16 * b);
                hi |= (h | 0x8000u) << (16 * b);
            }
            t.perLo[j][k] = int32_t(lo);
            t.perHi[j][k] = int32_t(hi);
        }
    t.span = span;
}

// 8u three channels, linear: the 24 samples of a group of 8 columns form
// three vectors of 8 (sample m is column m / 3, channel m % 3). Vector v
// reads two 16-byte windows, the first at its first tap and the second
// ending at its last one; perLo[v] / perHi[v] hold the pshufb bytes (tap,
// zero, next tap, zero) per sample from each window.
inline void setPeriodicQ14C3Linear(Tile& t) {
    int32_t off[8];
    t.span = 0;
    if (!periodicOffsets(t, off)) return;
    int reach = 0;
    for (int v = 0; v < 3; ++v) {
        const int k0 = (8 * v) / 3, k1 = (8 * v + 7) / 3;
        const int lo = 3 * off[k0], hi = 3 * off[k1] + 5;
        if (hi - lo + 1 > 32) return;
        const int second = hi - 15 > lo ? hi - 15 : lo;
        t.perWin[v][0] = lo;
        t.perWin[v][1] = second;
        reach = reach > second + 15 ? reach : second + 15;
        for (int i = 0; i < 8; ++i) {
            const int m = 8 * v + i, k = m / 3, ch = m % 3;
            uint32_t ml = 0, mh = 0;
            for (int b = 0; b < 2; ++b) {
                const int at = 3 * (off[k] + b) + ch;
                const uint32_t l = at - lo < 16 ? uint32_t(at - lo) : 0x80u;
                const uint32_t h = at - lo < 16 ? 0x80u : uint32_t(at - second);
                ml |= (l | 0x8000u) << (16 * b);
                mh |= (h | 0x8000u) << (16 * b);
            }
            t.perLo[v][i] = int32_t(ml);
            t.perHi[v][i] = int32_t(mh);
        }
    }
    t.perReach = reach;
    t.span = 1;
}

// 32f one channel, linear: window of o7 + 2 floats, at most 16. Lane index of
// each tap in its window (perLo[0] the first tap, perLo[1] the second) and
// all-ones in perHi where the tap lies in the second window, which ends at
// the span's last float.
inline void setPeriodicF32Linear(Tile& t) {
    int32_t off[8];
    t.span = 0;
    if (!periodicOffsets(t, off)) return;
    const int span = off[7] + 2;
    if (span > 16) return;
    for (int j = 0; j < 2; ++j)
        for (int k = 0; k < 8; ++k) {
            const int i = off[k] + j;
            t.perLo[j][k] = i < 8 ? i : i - (span - 8);
            t.perHi[j][k] = i < 8 ? 0 : -1;
        }
    t.span = span;
}

inline ptrdiff_t mapCol(const Tile& t, ptrdiff_t rel) {
    return mapRel(rel, t.sx0, t.srcW, t.sides.left, t.sides.right);
}
inline ptrdiff_t mapRow(const Tile& t, ptrdiff_t rel) {
    return mapRel(rel, t.sy0, t.srcH, t.sides.top, t.sides.bottom);
}

template <class T>
inline const T* srcRow(const Tile& t, ptrdiff_t rel) {
    return reinterpret_cast<const T*>(t.src + t.srcStep * rel);
}

// ---- Scalar horizontal passes ------------------------------------------------------
// Columns c0 .. c1-1 of the tile, all taps through the border map (the map is
// the identity for interior columns).

// 8u fast tables: h = (sum s_k w_k + 128) >> 8, saturated to 16 bits (Q6).
template <int C>
void hpassQ14Scalar(const Tile& t, const uint8_t* srow, ptrdiff_t c0, ptrdiff_t c1, int16_t* out) {
    const int K = 2 * t.r;
    const uint32_t* planes = reinterpret_cast<const uint32_t*>(t.colCoef);
    for (ptrdiff_t c = c0; c < c1; ++c) {
        int32_t w[6] = {};
        for (int j = 0; j < K / 2; ++j) {
            const uint32_t pr = planes[size_t(j) * size_t(t.dstW) + size_t(c)];
            w[2 * j] = int16_t(pr & 0xFFFF);
            w[2 * j + 1] = int16_t(pr >> 16);
        }
        ptrdiff_t tap[6] = {};
        for (int k = 0; k < K; ++k) tap[k] = mapCol(t, t.xi[c] - t.r + 1 + k);
        for (int ch = 0; ch < C; ++ch) {
            int32_t acc = 0;
            for (int k = 0; k < K; ++k) acc += int32_t(srow[tap[k] * C + ch]) * w[k];
            out[c * C + ch] = saturate<int16_t>((acc + 128) >> 8);
        }
    }
}

// Floating-point tables (single precision; double for 64f).
template <class T, int C, class F>
void hpassFloatScalar(const Tile& t, bool linear, const T* srow, ptrdiff_t c0, ptrdiff_t c1, F* out) {
    const F* coef = reinterpret_cast<const F*>(t.colCoef);
    const int K = 2 * t.r;
    for (ptrdiff_t c = c0; c < c1; ++c) {
        if (linear) {
            const ptrdiff_t a = mapCol(t, t.xi[c]), b = mapCol(t, t.xi[c] + 1);
            const F f = coef[c];
            for (int ch = 0; ch < C; ++ch) {
                const F s0 = F(srow[a * C + ch]), s1 = F(srow[b * C + ch]);
                out[c * C + ch] = s0 + (s1 - s0) * f;
            }
            continue;
        }
        ptrdiff_t tap[6] = {};
        F w[6] = {};
        for (int k = 0; k < K; ++k) {
            tap[k] = mapCol(t, t.xi[c] - t.r + 1 + k);
            w[k] = coef[size_t(k) * size_t(t.dstW) + size_t(c)];
        }
        for (int ch = 0; ch < C; ++ch) {
            F acc = F(srow[tap[0] * C + ch]) * w[0];
            for (int k = 1; k < K; ++k) acc += F(srow[tap[k] * C + ch]) * w[k];
            out[c * C + ch] = acc;
        }
    }
}

// ---- Scalar vertical passes -------------------------------------------------------
// Samples n0 .. n1-1 of one destination row from the 2r buffered rows.

inline void vpassQ14Scalar(const int16_t* const* rows, const int32_t* v, int K, ptrdiff_t n0, ptrdiff_t n1,
                           uint8_t* dst) {
    for (ptrdiff_t i = n0; i < n1; ++i) {
        // 32-bit sum, wrapping as the vector multiply-add does.
        uint32_t acc = 1u << 19;
        for (int k = 0; k < K; ++k) acc += uint32_t(int32_t(rows[k][i]) * v[k]);
        dst[i] = saturate<uint8_t>(int32_t(acc) >> 20);
    }
}

template <class T, class F>
void vpassFloatScalar(const F* const* rows, bool linear, const F* v, int K, ptrdiff_t n0, ptrdiff_t n1, T* dst) {
    for (ptrdiff_t i = n0; i < n1; ++i) {
        F acc;
        if (linear) {
            acc = rows[0][i] + (rows[1][i] - rows[0][i]) * v[0];
        } else {
            acc = rows[0][i] * v[0];
            for (int k = 1; k < K; ++k) acc += rows[k][i] * v[k];
        }
        if constexpr (std::is_same_v<F, double>)
            dst[i] = T(acc);
        else
            dst[i] = fromFloat<T>(acc);
    }
}

// ---- Edge pixels of the 8u fast linear tables ----------------------------------------

inline int32_t roundQ14(int32_t H) {
    return (H + 8192 + ((H >> 14) & 1)) >> 14;
}

template <int C>
void edgeLinearQ14(const Tile& t, ptrdiff_t r, ptrdiff_t c0, ptrdiff_t c1) {
    const uint32_t* cols = reinterpret_cast<const uint32_t*>(t.colCoef);
    const int32_t wy = reinterpret_cast<const uint16_t*>(t.rowCoef)[r];
    const ptrdiff_t ya = mapRow(t, t.yi[r]), yb = mapRow(t, t.yi[r] + 1);
    const uint8_t* ra = srcRow<uint8_t>(t, ya);
    const uint8_t* rb = srcRow<uint8_t>(t, yb);
    uint8_t* d = t.dst + t.dstStep * r;
    for (ptrdiff_t c = c0; c < c1; ++c) {
        const int32_t w0 = int32_t(cols[c] & 0xFFFF), w1 = int32_t(cols[c] >> 16);
        const ptrdiff_t xa = mapCol(t, t.xi[c]), xb = mapCol(t, t.xi[c] + 1);
        for (int ch = 0; ch < C; ++ch) {
            const int32_t A = roundQ14(w0 * ra[xa * C + ch] + w1 * ra[xb * C + ch]);
            int32_t v = A;
            if (yb != ya) {
                const int32_t Bv = roundQ14(w0 * rb[xa * C + ch] + w1 * rb[xb * C + ch]);
                v = roundQ14(wy * (Bv - A) + A * 16384);
            }
            d[c * C + ch] = saturate<uint8_t>(v);
        }
    }
}

#include "geometry/resize_kernels.inc"

// ---- Row ring ------------------------------------------------------------------------

// Slots of 2r filtered rows; tags say which source row (relative) each holds.
struct Ring {
    uint8_t* base;
    ptrdiff_t stride;  // bytes per slot
    int slots;
    ptrdiff_t tag[6];
};

// ---- The tile driver ---------------------------------------------------------------

// Horizontal pass of one source row into a ring slot, columns c0 .. c1-1.
template <class T, int C, int32_t Kind>
void filterRow(const Tile& t, bool linear, const T* srow, ptrdiff_t c0, ptrdiff_t c1, void* out) {
    if constexpr (Kind == kCoeffQ14) {
        if constexpr (std::is_same_v<T, uint8_t>) hrowQ14<C>(t, srow, c0, c1, static_cast<int16_t*>(out));
    } else if constexpr (Kind == kCoeffF32) {
        hrowF32<T, C>(t, linear, srow, c0, c1, static_cast<float*>(out));
    } else {
        hpassFloatScalar<T, C, double>(t, linear, srow, c0, c1, static_cast<double*>(out));
    }
}

template <class T, int C, int32_t Kind>
void combineRow(const Tile& t, bool linear, ptrdiff_t r, const void* const* rows, ptrdiff_t n0, ptrdiff_t n1, T* dst,
                bool stream) {
    const int K = 2 * t.r;
    if constexpr (Kind == kCoeffQ14) {
        int32_t v[6] = {};
        if (linear) {
            const int32_t w = reinterpret_cast<const uint16_t*>(t.rowCoef)[r];
            v[0] = 16384 - w;
            v[1] = w;
        } else {
            const int16_t* rec = reinterpret_cast<const int16_t*>(t.rowCoef) + r * K;
            for (int k = 0; k < K; ++k) v[k] = rec[k];
        }
        if constexpr (std::is_same_v<T, uint8_t>)
            vrowQ14(reinterpret_cast<const int16_t* const*>(rows), v, K, n0, n1, dst, stream);
    } else if constexpr (Kind == kCoeffF32) {
        const float* v = reinterpret_cast<const float*>(t.rowCoef) + (linear ? r : r * K);
        vrowF32<T>(reinterpret_cast<const float* const*>(rows), linear, v, K, n0, n1, dst);
    } else {
        const double* v = reinterpret_cast<const double*>(t.rowCoef) + r;
        vpassFloatScalar<T, double>(reinterpret_cast<const double* const*>(rows), true, v, 2, n0, n1, dst);
    }
}

// Asks for one source row's tile columns ahead of their use. A shrinking
// pass skips source rows, which the hardware's stream detection does not
// follow; prefetches never fault, so the range need not be exact.
template <class T, int C>
inline void prefetchRow(const Tile& t, ptrdiff_t rel, ptrdiff_t c0) {
    const char* p = reinterpret_cast<const char*>(srcRow<T>(t, rel));
    const ptrdiff_t b0 = (ptrdiff_t(t.xi[c0]) - t.r + 1) * ptrdiff_t(C * sizeof(T));
    const ptrdiff_t b1 = (readLimit(t) + 1) * ptrdiff_t(C * sizeof(T));
    for (ptrdiff_t b = b0 & ~ptrdiff_t(63); b < b1; b += 64) _mm_prefetch(p + b, _MM_HINT_T0);
}

template <class T, int C, int32_t Kind>
void runTile(const Tile& t, bool linear, uint8_t* ringMem, ptrdiff_t slotBytes, bool stream) {
    constexpr bool q14 = Kind == kCoeffQ14;
    const bool edgeInt = q14 && linear;  // integer edge pixels
    const int K = 2 * t.r;
    Ring ring{ringMem, slotBytes, K, {}};
    for (int k = 0; k < K; ++k) ring.tag[k] = PTRDIFF_MIN;
    // Columns the ring rows hold: all, or the inner ones where the edge
    // pixels are computed apart.
    const ptrdiff_t c0 = edgeInt ? t.L : 0, c1 = edgeInt ? t.w - t.R : t.w;
    const ptrdiff_t r0 = edgeInt ? t.T : 0, r1 = edgeInt ? t.h - t.B : t.h;
    if constexpr (q14 && std::is_same_v<T, uint8_t>) {
        if (edgeInt) {
            for (ptrdiff_t r = 0; r < t.h; ++r) {
                if (r < r0 || r >= r1) {
                    edgeLinearQ14<C>(t, r, 0, t.w);
                } else {
                    edgeLinearQ14<C>(t, r, 0, c0);
                    edgeLinearQ14<C>(t, r, c1, t.w);
                }
            }
        }
    }
    if (c0 >= c1) return;
    constexpr ptrdiff_t kAhead = 2;  // output rows between a prefetch and its use
    ptrdiff_t fetched = PTRDIFF_MIN;  // highest source row prefetched
    for (ptrdiff_t r = r0; r < r1; ++r) {
        if (r + kAhead < r1) {
            for (int k = 0; k < K; ++k) {
                const ptrdiff_t rel = mapRow(t, t.yi[r + kAhead] - t.r + 1 + k);
                if (rel > fetched) {
                    prefetchRow<T, C>(t, rel, c0);
                    fetched = rel;
                }
            }
        }
        const void* rows[6] = {};
        for (int k = 0; k < K; ++k) {
            const ptrdiff_t rel = mapRow(t, t.yi[r] - t.r + 1 + k);
            const ptrdiff_t s = border::floorMod(rel, K);
            uint8_t* slot = ring.base + s * ring.stride;
            if (ring.tag[s] != rel) {
                filterRow<T, C, Kind>(t, linear, srcRow<T>(t, rel), c0, c1, slot);
                ring.tag[s] = rel;
            }
            rows[k] = slot;
        }
        T* d = reinterpret_cast<T*>(t.dst + t.dstStep * r);
        combineRow<T, C, Kind>(t, linear, r, rows, c0 * C, c1 * C, d, stream);
    }
    if (stream) _mm_sfence();
}

// ---- Apply frames ------------------------------------------------------------------

template <class T>
inline bool coeffKindAccepted(int32_t kind) {
    if constexpr (std::is_same_v<T, double>)
        return kind == kCoeffF64;
    else if constexpr (std::is_same_v<T, uint8_t>)
        return kind != kCoeffF64;
    else
        return kind != kCoeffQ14 && kind != kCoeffF64;
}

// Checks shared by the apply functions after the border and null tests:
// tile extents, identifier and coefficient kind, steps, offset, mode.
template <class T>
KzvStatus applyChecks(int32_t interp, ptrdiff_t srcStep, ptrdiff_t dstStep, int64_t ox, int64_t oy, int64_t tw,
                      int64_t th, const KzvResizeSpec* pSpec, bool formL, const ResizeHeader** out) {
    if (tw == 0 || th == 0) return kzvStatusNoOperation;
    const uint8_t* body = alignUp<64>(pSpec);
    if (KzvStatus s = checkSpecId(body, formL ? kSpecResizeL : kSpecResize)) return s;
    const ResizeHeader* h = reinterpret_cast<const ResizeHeader*>(body);
    if (!coeffKindAccepted<T>(h->coeffKind)) return kzvStatusContextMatchErr;
    if (tw < 1 || th < 1) return kzvStatusSizeErr;
    if (sizeof(T) > 1 && (srcStep % ptrdiff_t(sizeof(T)) != 0 || dstStep % ptrdiff_t(sizeof(T)) != 0))
        return kzvStatusStepErr;
    if (ox < 0 || oy < 0 || ox >= h->dstW || oy >= h->dstH) return kzvStatusOutOfRangeErr;
    if (h->antialias != 0) return kzvStatusNotSupportedModeErr;
    if (h->interp != interp) return kzvStatusContextMatchErr;
    *out = h;
    return kzvStatusOk;
}

// Copies the tile's slice of an index table, relative to the tile origin.
inline void rebase(const int32_t* idx, int64_t first, int64_t n, int64_t origin, int32_t* out) {
    for (int64_t i = 0; i < n; ++i) out[i] = int32_t(int64_t(idx[first + i]) - origin);
}

template <class T, int C>
KzvStatus applyNearest(const T* pSrc, ptrdiff_t srcStep, T* pDst, ptrdiff_t dstStep, int64_t ox, int64_t oy, int64_t tw,
                       int64_t th, const KzvResizeSpec* pSpec, uint8_t* pBuffer, bool formL) {
    if (anyNull(pSrc, pDst, pSpec, pBuffer)) return kzvStatusNullPtrErr;
    const ResizeHeader* h = nullptr;
    if (KzvStatus s = applyChecks<T>(kzvInterpNearest, srcStep, dstStep, ox, oy, tw, th, pSpec, formL, &h)) return s;
    const int64_t w = tw < h->dstW - ox ? tw : h->dstW - ox;
    const int64_t hh = th < h->dstH - oy ? th : h->dstH - oy;
    const bool trimmed = w < tw || hh < th;
    const uint8_t* body = reinterpret_cast<const uint8_t*>(h);
    const int64_t sx0 = tileOrigin(h->h, ox), sy0 = tileOrigin(h->v, oy);
    int32_t* xi = reinterpret_cast<int32_t*>(alignPtr(pBuffer, 32));
    rebase(reinterpret_cast<const int32_t*>(body + h->h.indexOff), ox, w, sx0, xi);
    const int32_t* rowIdx = reinterpret_cast<const int32_t*>(body + h->v.indexOff) + oy;
    nearestTile<sizeof(T) * C>(reinterpret_cast<const uint8_t*>(pSrc), srcStep, reinterpret_cast<uint8_t*>(pDst),
                               dstStep, xi, rowIdx, sy0, w, hh, ptrdiff_t(h->srcW), ptrdiff_t(sx0));
    return trimmed ? kzvStatusSizeAdjusted : kzvStatusOk;
}

template <class T, int C>
KzvStatus applyFiltered(int32_t interp, const T* pSrc, ptrdiff_t srcStep, T* pDst, ptrdiff_t dstStep, int64_t ox,
                        int64_t oy, int64_t tw, int64_t th, KzvBorderKind borderSel, const KzvResizeSpec* pSpec,
                        uint8_t* pBuffer, bool formL) {
    const uint32_t set = (formL || interp == kzvInterpLanczos) ? border::kBorderSetLanczos : border::kBorderSetResize;
    if (KzvStatus s = border::checkBorder(borderSel, set)) return s;
    if (anyNull(pSrc, pDst, pSpec, pBuffer)) return kzvStatusNullPtrErr;
    const ResizeHeader* h = nullptr;
    if (KzvStatus s = applyChecks<T>(interp, srcStep, dstStep, ox, oy, tw, th, pSpec, formL, &h)) return s;
    const int64_t w = tw < h->dstW - ox ? tw : h->dstW - ox;
    const int64_t hh = th < h->dstH - oy ? th : h->dstH - oy;
    const bool trimmed = w < tw || hh < th;
    const uint8_t* body = reinterpret_cast<const uint8_t*>(h);

    Tile t;
    t.src = reinterpret_cast<const uint8_t*>(pSrc);
    t.srcStep = srcStep;
    t.dst = reinterpret_cast<uint8_t*>(pDst);
    t.dstStep = dstStep;
    t.ox = ptrdiff_t(ox);
    t.oy = ptrdiff_t(oy);
    t.w = ptrdiff_t(w);
    t.h = ptrdiff_t(hh);
    t.sx0 = ptrdiff_t(tileOrigin(h->h, ox));
    t.sy0 = ptrdiff_t(tileOrigin(h->v, oy));
    t.srcW = h->srcW;
    t.srcH = h->srcH;
    t.dstW = h->dstW;
    t.r = h->rx;
    BorderSides sides = border::borderSides(borderSel);
    // Reflect-edge and replicate coincide at a distance of one pixel.
    if (interp == kzvInterpLinear) {
        auto fix = [](BorderMap& m) {
            if (m == BorderMap::ReflectEdge) m = BorderMap::Replicate;
        };
        fix(sides.left), fix(sides.right), fix(sides.top), fix(sides.bottom);
    }
    t.sides = sides;
    auto edge = [](int64_t count, int64_t dist, int64_t n, BorderMap m) -> ptrdiff_t {
        if (m == BorderMap::Memory) return 0;
        int64_t v = count - dist;
        if (v < 0) v = 0;
        if (v > n) v = n;
        return ptrdiff_t(v);
    };
    t.L = edge(h->h.lowCount, ox, w, sides.left);
    t.R = edge(h->h.highCount, h->dstW - w - ox, w, sides.right);
    t.T = edge(h->v.lowCount, oy, hh, sides.top);
    t.B = edge(h->v.highCount, h->dstH - hh - oy, hh, sides.bottom);

    const int K = 2 * t.r;
    const bool linear = interp == kzvInterpLinear;
    const int32_t kind = h->coeffKind;
    t.span = 0;
    const size_t colBytes = kind == kCoeffQ14 ? 4 : kind == kCoeffF64 ? 8 : 4;
    const size_t rowBytes = kind == kCoeffQ14   ? (linear ? 2 : size_t(2 * K))
                            : kind == kCoeffF64 ? 8
                                                : (linear ? 4 : size_t(4 * K));
    t.rowCoef = body + h->v.coeffOff + rowBytes * size_t(oy);
    t.colCoef = body + h->h.coeffOff + colBytes * size_t(ox);

    // Work buffer: column slice, row slice, ring slots.
    uint8_t* p = alignPtr(pBuffer, 32);
    int32_t* xi = reinterpret_cast<int32_t*>(p);
    p += (4 * size_t(w) + 31) & ~size_t(31);
    int32_t* yi = reinterpret_cast<int32_t*>(p);
    p += (4 * size_t(hh) + 31) & ~size_t(31);
    rebase(reinterpret_cast<const int32_t*>(body + h->h.indexOff), ox, w, t.sx0, xi);
    rebase(reinterpret_cast<const int32_t*>(body + h->v.indexOff), oy, hh, t.sy0, yi);
    t.xi = xi;
    t.yi = yi;
    if constexpr (C == 1) {
        if (kind == kCoeffQ14 && std::is_same_v<T, uint8_t>) setPeriodicQ14C1(t);
        else if (kind == kCoeffF32 && linear && std::is_same_v<T, float>) setPeriodicF32Linear(t);
    } else if constexpr (C == 3) {
        if (kind == kCoeffQ14 && linear && std::is_same_v<T, uint8_t>) setPeriodicQ14C3Linear(t);
    }
    const size_t sampleBytes = kind == kCoeffF64 ? 8 : 4;
    const ptrdiff_t slot = ptrdiff_t((sampleBytes * size_t(C) * size_t(w) + 31) & ~size_t(31));

    // Outputs several times the largest cache are written past it.
    const bool stream = reachesCache(int64_t(w) * hh * int64_t(sizeof(T) * C), 2 * largestCacheBytes());
    if (kind == kCoeffQ14) {
        if constexpr (std::is_same_v<T, uint8_t>) runTile<T, C, kCoeffQ14>(t, linear, p, slot, stream);
    } else if (kind == kCoeffF32) {
        if constexpr (!std::is_same_v<T, double>) {
            MxcsrGuard g(FpRound::Nearest);
            runTile<T, C, kCoeffF32>(t, linear, p, slot, false);
        }
    } else {
        if constexpr (std::is_same_v<T, double>) runTile<T, C, kCoeffF64>(t, linear, p, slot, false);
    }
    return trimmed ? kzvStatusSizeAdjusted : kzvStatusOk;
}

}  // namespace kzv::resize

#endif  // KZV_GEOMETRY_RESIZE_ENGINE_H
