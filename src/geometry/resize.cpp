// Resize with nearest, linear, cubic and Lanczos interpolation: size queries,
// spec initialisers, tile queries and the tile apply functions.
//
// Spec body (64-byte aligned): a fixed header (ResizeHeader, 256 bytes) and
// the tables behind it at 32-byte boundaries: row index table, column index
// table, row coefficients, column coefficients. Row coefficient records are
// interleaved (the taps of one destination row together); column
// coefficients are planar (tap k of every column in one plane), so that the
// row kernels load the weights of consecutive columns with one vector load:
//   fast (Q14, 8u): rows linear u16 w / others K int16; columns (K/2) planes
//                   of int32 pairs (w[2j] | w[2j+1] << 16)
//   float:          rows linear t / others K floats; columns linear t /
//                   others K planes of floats
//   double (64f):   linear t per row and per column
// Tables are addressed by byte offsets from the body, so the header holds no
// pointers into itself.
#include "geometry/resize_engine.h"

#include <math.h>
#include <string.h>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/spec.h"
#include "filter/border_model.h"

namespace kzv::resize {
namespace {

constexpr int64_t kMaxExtentL = 0x1FFFFFF;

inline uint64_t A32(uint64_t n) {
    return (n + 31) & ~uint64_t(31);
}
inline uint64_t A64(uint64_t n) {
    return (n + 63) & ~uint64_t(63);
}

int64_t gcd64(int64_t a, int64_t b) {
    while (b != 0) {
        const int64_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

bool validKind(int32_t k) {
    return k == kzvDataKind8u || k == kzvDataKind16u || k == kzvDataKind16s || k == kzvDataKind32f;
}

// ---- Size formulas -------------------------------------------------------------

struct Extents {
    int64_t sw, sh, dw, dh;
};

template <class S>
Extents extentsOf(S src, S dst) {
    return Extents{int64_t(src.width), int64_t(src.height), int64_t(dst.width), int64_t(dst.height)};
}

bool anyZero(const Extents& e) {
    return e.sw == 0 || e.sh == 0 || e.dw == 0 || e.dh == 0;
}
bool anyBelowOne(const Extents& e) {
    return e.sw < 1 || e.sh < 1 || e.dw < 1 || e.dh < 1;
}
bool anyAboveL(const Extents& e) {
    return e.sw > kMaxExtentL || e.sh > kMaxExtentL || e.dw > kMaxExtentL || e.dh > kMaxExtentL;
}

bool knownInterp(int32_t i) {
    return i == 0 || i == kzvInterpNearest || i == kzvInterpLinear || i == kzvInterpCubic || i == kzvInterpSuper ||
           i == kzvInterpLanczos;
}

// Taps-per-side factor K of the antialiasing formulas.
int aaK(int32_t interp) {
    return interp == kzvInterpLinear ? 2 : interp == kzvInterpCubic ? 4 : 6;
}

uint64_t superTaps(int64_t src, int64_t dst) {
    const int64_t g = gcd64(src, dst);
    const int64_t p = src / g, q = dst / g;
    const int64_t c = (p % q == 0) ? 0 : (p % q == 1) ? 1 : 2;
    return uint64_t(q * (p / q + c + 1));
}

// Spec and init-buffer sizes (before the alignment slack) of a combination
// that passed the checks.
void specSizes(const Extents& e, int32_t interp, bool aa, bool f64, uint64_t* spec, uint64_t* init) {
    const uint64_t Wd = uint64_t(e.dw), Hd = uint64_t(e.dh);
    *init = 0;
    if (aa && (interp == kzvInterpLinear || interp == kzvInterpCubic || interp == kzvInterpLanczos)) {
        const uint64_t K = uint64_t(aaK(interp));
        const double sx = double(e.sw) / double(e.dw), sy = double(e.sh) / double(e.dh);
        const uint64_t kx = sx <= 1.0 ? K : 2 * uint64_t(ceil(double(K) * sx));
        const uint64_t ky = sy <= 1.0 ? K : 2 * uint64_t(ceil(double(K) * sy));
        const uint64_t b = f64 ? 8 : 4;
        uint64_t s = 4 * (A32(Wd) + A32(Hd)) + A32(b * Wd * kx) + A32(b * Hd * ky) + 264;
        if (interp == kzvInterpLinear && sx <= 1.0) s += A32(b * Wd);
        *spec = s;
        *init = 8 * (A32(Wd) + A32(Hd));
        return;
    }
    switch (interp) {
        case kzvInterpNearest:
            *spec = 4 * (A32(Wd) + A32(Hd)) + 264;
            break;
        case kzvInterpLinear:
            if (f64)
                *spec = A64(4 * A32(Wd)) + A64(8 * A32(Wd)) + A64(4 * A32(Hd)) + A64(8 * A32(Hd)) + 256;
            else
                *spec = 8 * (A32(Wd) + A32(Hd)) + 264;
            break;
        case kzvInterpCubic:
            *spec = 4 * (A32(Wd) + A32(Hd)) + 4 * (A32(4 * Wd + 96) + A32(4 * Hd + 96)) + 264;
            *init = 4 * (A32(Wd) + A32(Hd));
            break;
        case kzvInterpLanczos:
            *spec = 4 * (A32(Wd) + A32(Hd)) + 4 * (A32(6 * Wd + 160) + A32(6 * Hd + 160)) + 264;
            *init = 4 * (A32(Wd) + A32(Hd));
            break;
        default: {  // super
            const uint64_t nx = superTaps(e.sw, e.dw), ny = superTaps(e.sh, e.dh);
            *spec = 4 * (A32(nx) + nx + ny + A32(ny)) + 264;
            break;
        }
    }
    *spec += 64;
    if (*init) *init += 64;
}

// Steps 5 onward of the size query (per-interpolation checks, overflow,
// outputs, warning).
template <class O>
KzvStatus finishGetSize(const Extents& e, int32_t interp, uint32_t aa, bool f64, O* pSpec, O* pInit) {
    if (interp == 0) return kzvStatusNotSupportedModeErr;
    if (!f64) {
        switch (interp) {
            case kzvInterpLinear:
                if (e.sw < 2 || e.sh < 2) return kzvStatusSizeErr;
                break;
            case kzvInterpCubic:
            case kzvInterpLanczos:
                if (e.sw < 4 || e.sh < 4) return kzvStatusSizeErr;
                break;
            case kzvInterpSuper:
                if (e.sw < e.dw || e.sh < e.dh) return kzvStatusSizeErr;
                break;
            default:
                break;
        }
    } else if (aa == 0) {
        if (interp != kzvInterpLinear) return kzvStatusNotSupportedModeErr;
    } else if (interp != kzvInterpLinear && interp != kzvInterpCubic && interp != kzvInterpLanczos) {
        return kzvStatusNotSupportedModeErr;
    }
    const bool aaUsed = aa != 0 && interp != kzvInterpNearest && interp != kzvInterpSuper;
    uint64_t spec = 0, init = 0;
    specSizes(e, interp, aaUsed, f64, &spec, &init);
    if (spec >= 0x7FFFFFFFu || init >= 0x7FFFFFFFu) return kzvStatusSizeOverflowErr;
    *pSpec = O(spec);
    *pInit = O(init);
    return (aa != 0 && !aaUsed) ? kzvStatusAntialiasNotApplied : kzvStatusOk;
}

KzvStatus getSize(KzvImageSize src, KzvImageSize dst, int32_t interp, uint32_t aa, bool f64, int32_t* pSpec,
                  int32_t* pInit) {
    if (anyNull(pSpec, pInit)) return kzvStatusNullPtrErr;
    const Extents e = extentsOf(src, dst);
    if (anyZero(e)) return kzvStatusNoOperation;
    if (anyBelowOne(e)) return kzvStatusSizeErr;
    if (!knownInterp(interp)) return kzvStatusInterpolationErr;
    return finishGetSize(e, interp, aa, f64, pSpec, pInit);
}

KzvStatus getSizeL(KzvImageSizeL src, KzvImageSizeL dst, int32_t kind, int32_t interp, uint32_t aa, intptr_t* pSpec,
                   intptr_t* pInit) {
    if (anyNull(pSpec, pInit)) return kzvStatusNullPtrErr;
    const Extents e = extentsOf(src, dst);
    if (anyZero(e)) return kzvStatusNoOperation;
    if (anyBelowOne(e)) return kzvStatusSizeErr;
    if (!knownInterp(interp)) return kzvStatusInterpolationErr;
    if (!validKind(kind) && !(kind == kzvDataKind64f && interp == kzvInterpLinear)) return kzvStatusDataTypeErr;
    if (kind == kzvDataKind64f && aa == 1) return kzvStatusNotSupportedModeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return finishGetSize(e, interp, aa, kind == kzvDataKind64f, pSpec, pInit);
}

// ---- Table builders --------------------------------------------------------------

// Source coordinate of destination index i by the pixel-centre rule.
inline double centre(int64_t i, double R) {
    return fma(double(i) + 0.5, R, -0.5);
}

void setAxis(Axis& a, int64_t src, int64_t dst) {
    const int64_t g = gcd64(src, dst);
    a.src = int32_t(src);
    a.dst = int32_t(dst);
    a.p = int32_t(src / g);
    a.q = int32_t(dst / g);
}

// Nearest index table of one axis.
void buildNearestAxis(uint8_t* body, Axis& a) {
    int32_t* idx = reinterpret_cast<int32_t*>(body + a.indexOff);
    const double R = double(a.p) / double(a.q);
    for (int64_t i = 0; i < a.dst; ++i) {
        double v = (double(i) + 0.5) * R;
        v -= 1e-10;
        int64_t n = int64_t(v);
        if (n > a.src - 1) n = a.src - 1;
        if (n < 0) n = 0;
        idx[i] = int32_t(n);
    }
    a.lowCount = a.highCount = 0;
}

// Floor index and fraction of every destination index of one axis, with the
// counts of leading and trailing pixels whose taps (half-width r) leave the
// source.
void buildIndexAxis(uint8_t* body, Axis& a, int r, uint8_t* fractions) {
    int32_t* idx = reinterpret_cast<int32_t*>(body + a.indexOff);
    const double R = double(a.p) / double(a.q);
    int32_t low = 0, high = 0;
    for (int64_t i = 0; i < a.dst; ++i) {
        const double x = centre(i, R);
        const double n = floor(x);
        idx[i] = int32_t(n);
        if (fractions) {
            const float f = float(x - n);
            memcpy(fractions + 4 * i, &f, 4);  // the init buffer may have any alignment
        }
        if (n < double(r - 1)) ++low;
        if (n >= double(a.src - r)) ++high;
    }
    a.lowCount = low;
    a.highCount = high;
}

inline double fractionAt(const Axis& a, int64_t i) {
    const double x = centre(i, double(a.p) / double(a.q));
    return x - floor(x);
}

inline int16_t q14(double w) {
    double v = w * 16384.0 + 1e-7;
    if (!(v == v)) return 0;
    if (v >= 32767.0) return 32767;
    if (v <= -32768.0) return -32768;
    return int16_t(int32_t(v));  // truncation toward zero
}

// Mitchell-Netravali two-parameter cubic at |d|, in double precision.
double cubicWeight(double d, double B, double C) {
    d = fabs(d);
    if (d < 1.0) {
        const double c3 = 2.0 - 1.5 * B - C, c2 = -3.0 + 2.0 * B + C, c0 = 1.0 - B / 3.0;
        return fma(fma(c3, d, c2), d * d, c0);
    }
    if (d < 2.0) {
        const double c3 = -B / 6.0 - C, c2 = B + 5.0 * C, c1 = -2.0 * B - 8.0 * C, c0 = 4.0 * B / 3.0 + 4.0 * C;
        return fma(fma(fma(c3, d, c2), d, c1), d, c0);
    }
    return 0.0;
}

// Lanczos kernel samples L_a(k / S), k = 0 .. a*S.
void lanczosTable(int a, float* T) {
    const int S = a == 2 ? 200 : 100;
    const double pi = 3.14159265358979323846;
    for (int k = 0; k <= a * S; ++k) {
        const double u = double(k) / S;
        double v = 1.0;
        if (k != 0) {
            const double x = pi * u, y = pi * u / a;
            v = (sin(x) / x) * (sin(y) / y);
        }
        T[k] = float(v);
    }
}

// Weights of the K taps of one destination pixel with fraction t.
void tapWeights(const ResizeHeader& h, double t, const float* lanczosT, float* w, int16_t* wq) {
    const int r = h.rx;  // the same on both axes
    const int K = 2 * r;
    if (h.interp == kzvInterpCubic) {
        for (int k = 0; k < K; ++k) w[k] = float(cubicWeight(double(k - r + 1) - t, double(h.B), double(h.C)));
        if (wq)
            for (int k = 0; k < K; ++k) wq[k] = q14(double(w[k]));
        return;
    }
    // Lanczos from the sample table, then normalised.
    const int a = r;
    const float S = a == 2 ? 200.0f : 100.0f;
    float sum = 0.0f;
    for (int k = 0; k < K; ++k) {
        const float d = float(double(k - r + 1) - t);
        const float u = fabsf(d);
        float v = 0.0f;
        if (u < float(a)) {
            const float us = u * S;
            const int j = int(us);
            v = lanczosT[j] + (lanczosT[j + 1] - lanczosT[j]) * (us - float(j));
        }
        w[k] = v;
        sum += v;
    }
    if (wq) {
        for (int k = 0; k < K; ++k) wq[k] = q14(double(w[k] / sum));
        return;
    }
    const __m128 s = _mm_set_ss(sum);
    const __m128 r0 = _mm_rcp_ss(s);
    const __m128 rr = _mm_mul_ss(r0, _mm_sub_ss(_mm_set_ss(2.0f), _mm_mul_ss(s, r0)));
    const float inv = _mm_cvtss_f32(rr);
    for (int k = 0; k < K; ++k) w[k] = w[k] * inv;
}

// Coefficient tables of a linear, cubic or Lanczos spec whose header and
// index tables are in place; fast = Q14 (8u) tables.
void buildCoefficients(uint8_t* body, ResizeHeader& h, bool fast) {
    const bool f64 = h.coeffKind == kCoeffF64;
    h.coeffKind = f64 ? kCoeffF64 : fast ? kCoeffQ14 : kCoeffF32;
    h.mode = fast ? kModeFast : kModeAccurate;
    float lanczosT[401];
    if (h.interp == kzvInterpLanczos) lanczosTable(h.rx, lanczosT);
    const int K = 2 * h.rx;
    for (int axis = 0; axis < 2; ++axis) {
        const Axis& a = axis == 0 ? h.v : h.h;
        uint8_t* coef = body + a.coeffOff;
        const bool rows = axis == 0;
        for (int64_t i = 0; i < a.dst; ++i) {
            const double t = fractionAt(a, i);
            if (h.interp == kzvInterpLinear) {
                if (f64) {
                    reinterpret_cast<double*>(coef)[i] = t;
                } else if (!fast) {
                    reinterpret_cast<float*>(coef)[i] = float(t);
                } else {
                    const int32_t w = int32_t(t * 16384.0 + 1e-7);
                    if (rows)
                        reinterpret_cast<uint16_t*>(coef)[i] = uint16_t(w);
                    else
                        reinterpret_cast<uint32_t*>(coef)[i] = uint32_t(16384 - w) | (uint32_t(w) << 16);
                }
                continue;
            }
            float w[6];
            int16_t wq[6];
            tapWeights(h, t, lanczosT, w, fast ? wq : nullptr);
            if (rows) {
                if (fast)
                    memcpy(coef + size_t(i) * K * 2, wq, size_t(K) * 2);
                else
                    memcpy(coef + size_t(i) * K * 4, w, size_t(K) * 4);
            } else if (fast) {
                for (int j = 0; j < K / 2; ++j)
                    reinterpret_cast<uint32_t*>(coef)[size_t(j) * a.dst + i] =
                        uint32_t(uint16_t(wq[2 * j])) | (uint32_t(uint16_t(wq[2 * j + 1])) << 16);
            } else {
                for (int k = 0; k < K; ++k) reinterpret_cast<float*>(coef)[size_t(k) * a.dst + i] = w[k];
            }
        }
    }
}

// Lays out the tables of a spec for its interpolation and destination.
void layoutTables(ResizeHeader& h) {
    const uint64_t Wd = uint64_t(h.h.dst), Hd = uint64_t(h.v.dst);
    uint64_t off = kHeaderBytes;
    h.v.indexOff = uint32_t(off);
    off += 4 * A32(Hd);
    h.h.indexOff = uint32_t(off);
    off += 4 * A32(Wd);
    const uint64_t K = uint64_t(2 * h.rx);
    uint64_t rowBytes = 0;
    switch (h.interp) {
        case kzvInterpLinear:
            rowBytes = h.coeffKind == kCoeffF64 ? 8 * Hd : 4 * Hd;
            break;
        case kzvInterpCubic:
        case kzvInterpLanczos:
            rowBytes = 4 * K * Hd;
            break;
        default:
            break;
    }
    h.v.coeffOff = uint32_t(off);
    off += A32(rowBytes);
    h.h.coeffOff = uint32_t(off);
}

// Common start of every initialiser: aligned body, header cleared, the
// identifier first, then the geometry and the index tables.
ResizeHeader* startSpec(void* pSpec, bool formL, const Extents& e, int32_t interp, int32_t kind, int r) {
    uint8_t* body = alignUp<64>(pSpec);
    initSpecHeader(body, formL ? kSpecResizeL : kSpecResize, kHeaderBytes);
    ResizeHeader* h = reinterpret_cast<ResizeHeader*>(body);
    h->interp = interp;
    h->rx = h->ry = r;
    h->antialias = 0;
    setAxis(h->v, e.sh, e.dh);
    setAxis(h->h, e.sw, e.dw);
    h->srcW = int32_t(e.sw);
    h->srcH = int32_t(e.sh);
    h->dstW = int32_t(e.dw);
    h->dstH = int32_t(e.dh);
    h->dataKind = kind;
    h->mode = kModeAccurate;
    h->coeffKind = kind == kzvDataKind64f ? kCoeffF64 : kCoeffF32;
    layoutTables(*h);
    return h;
}

void setBorderCounts(ResizeHeader& h) {
    const int32_t b = interpolationReach(h.interp, h.rx);
    h.border[0] = h.border[1] = h.border[2] = h.border[3] = b;
}

KzvStatus initNearest(const Extents& e, int32_t kind, bool formL, void* pSpec) {
    ResizeHeader* h = startSpec(pSpec, formL, e, kzvInterpNearest, kind, 0);
    uint8_t* body = reinterpret_cast<uint8_t*>(h);
    buildNearestAxis(body, h->v);
    buildNearestAxis(body, h->h);
    setBorderCounts(*h);
    return kzvStatusOk;
}

// Linear, cubic and Lanczos: index tables, border counts, coefficients.
// Fractions go to the init buffer where the caller gave one.
KzvStatus initFiltered(const Extents& e, int32_t interp, int r, int32_t kind, bool fast, float B, float C,
                       uint8_t* initBuf, bool formL, void* pSpec) {
    ResizeHeader* h = startSpec(pSpec, formL, e, interp, kind, r);
    uint8_t* body = reinterpret_cast<uint8_t*>(h);
    h->B = B;
    h->C = C;
    h->initBuf = initBuf;
    h->lobes = interp == kzvInterpLanczos ? r : 0;
    buildIndexAxis(body, h->v, r, initBuf);
    buildIndexAxis(body, h->h, r, initBuf ? initBuf + 4 * A32(uint64_t(e.dh)) : nullptr);
    setBorderCounts(*h);
    if (interp == kzvInterpLinear) {
        buildCoefficients(body, *h, fast);
    } else {
        // Flush-to-zero and a masked precision exception while the weights
        // are computed.
        MxcsrGuard g(kMxcsrFtz | 0x1000u, kMxcsrFtz | 0x1000u);
        buildCoefficients(body, *h, fast);
    }
    return kzvStatusOk;
}

template <class S>
KzvStatus commonInitChecks(const void* pSpec, S src, S dst, Extents* e) {
    if (pSpec == nullptr) return kzvStatusNullPtrErr;
    *e = extentsOf(src, dst);
    if (anyZero(*e)) return kzvStatusNoOperation;
    if (anyBelowOne(*e)) return kzvStatusSizeErr;
    return kzvStatusOk;
}

bool srcAtLeast(const Extents& e, int64_t n) {
    return e.sw >= n && e.sh >= n;
}

// ---- Queries ---------------------------------------------------------------------

const ResizeHeader* headerOf(const KzvResizeSpec* pSpec) {
    return reinterpret_cast<const ResizeHeader*>(alignUp<64>(pSpec));
}

KzvStatus checkId(const KzvResizeSpec* pSpec, bool formL) {
    return checkSpecId(alignUp<64>(pSpec), formL ? kSpecResizeL : kSpecResize);
}

KzvStatus getBorderSize(const KzvResizeSpec* pSpec, KzvBorderSize* out, bool formL, bool f64) {
    if (pSpec == nullptr || out == nullptr) return kzvStatusNullPtrErr;
    if (KzvStatus s = checkId(pSpec, formL)) return s;
    const ResizeHeader* h = headerOf(pSpec);
    if (f64 && h->coeffKind != kCoeffF64) return kzvStatusContextMatchErr;
    out->left = h->border[0];
    out->top = h->border[1];
    out->right = h->border[2];
    out->bottom = h->border[3];
    return kzvStatusOk;
}

template <class P>
KzvStatus getSrcOffset(const KzvResizeSpec* pSpec, P dstOffset, P* out, bool formL) {
    if (pSpec == nullptr || out == nullptr) return kzvStatusNullPtrErr;
    if (KzvStatus s = checkId(pSpec, formL)) return s;
    const ResizeHeader* h = headerOf(pSpec);
    if (dstOffset.x < 0 || dstOffset.y < 0 || dstOffset.x >= h->dstW || dstOffset.y >= h->dstH)
        return kzvStatusOutOfRangeErr;
    out->x = decltype(out->x)(tileOrigin(h->h, int64_t(dstOffset.x)));
    out->y = decltype(out->y)(tileOrigin(h->v, int64_t(dstOffset.y)));
    return kzvStatusOk;
}

template <class Rect, class P, class S>
KzvStatus getSrcRoi(const KzvResizeSpec* pSpec, Rect roi, P* pOff, S* pSize, bool formL) {
    if (pSpec == nullptr || pOff == nullptr || pSize == nullptr) return kzvStatusNullPtrErr;
    if (roi.width < 1 || roi.height < 1) return kzvStatusSizeErr;
    if (KzvStatus s = checkId(pSpec, formL)) return s;
    const ResizeHeader* h = headerOf(pSpec);
    if (roi.x < 0 || roi.y < 0 || roi.x >= h->dstW || roi.y >= h->dstH) return kzvStatusOutOfRangeErr;
    const uint8_t* body = reinterpret_cast<const uint8_t*>(h);
    int64_t ext[2];
    int64_t org[2];
    for (int axis = 0; axis < 2; ++axis) {
        const Axis& a = axis == 0 ? h->h : h->v;
        const int64_t o = axis == 0 ? int64_t(roi.x) : int64_t(roi.y);
        int64_t n = axis == 0 ? int64_t(roi.width) : int64_t(roi.height);
        if (n > a.dst - o) n = a.dst - o;
        const int64_t s0 = tileOrigin(a, o);
        const int32_t* idx = reinterpret_cast<const int32_t*>(body + a.indexOff);
        // When enlarging, a short tile's last index can lie one before its
        // origin. The region still holds the origin pixel: a reflected edge
        // tap reads it (column -1 reads column 1, which only the region's
        // origin pixel plus the right border reaches), so it is never empty.
        int64_t len = (o + n == a.dst) ? a.src - s0 : int64_t(idx[o + n - 1]) - s0 + 1;
        if (len < 1) len = 1;
        org[axis] = s0;
        ext[axis] = len;
    }
    pOff->x = decltype(pOff->x)(org[0]);
    pOff->y = decltype(pOff->y)(org[1]);
    pSize->width = decltype(pSize->width)(ext[0]);
    pSize->height = decltype(pSize->height)(ext[1]);
    return kzvStatusOk;
}

template <class S, class O>
KzvStatus getBufferSize(const KzvResizeSpec* pSpec, S dstSize, int32_t channels, O* out, bool formL) {
    if (pSpec == nullptr || out == nullptr) return kzvStatusNullPtrErr;
    if (dstSize.width == 0 || dstSize.height == 0) return kzvStatusNoOperation;
    if (KzvStatus s = checkId(pSpec, formL)) return s;
    if (channels != 1 && channels != 3 && channels != 4) return kzvStatusNumChannelsErr;
    if (dstSize.width < 1 || dstSize.height < 1) return kzvStatusSizeErr;
    const ResizeHeader* h = headerOf(pSpec);
    const bool trimmed = int64_t(dstSize.width) > h->dstW || int64_t(dstSize.height) > h->dstH;
    const uint64_t w = uint64_t(int64_t(dstSize.width) > h->dstW ? h->dstW : int64_t(dstSize.width));
    const uint64_t hh = uint64_t(int64_t(dstSize.height) > h->dstH ? h->dstH : int64_t(dstSize.height));
    const uint64_t c = uint64_t(channels), ry = uint64_t(h->ry);
    uint64_t size = A32(4 * w) + A32(4 * hh);
    if (h->interp == kzvInterpNearest) {
        // the index slices only
    } else if (h->coeffKind == kCoeffF64) {
        if (h->interp != kzvInterpLinear) return kzvStatusNotSupportedModeErr;
        size += A32(16 * ry + 8) + (2 * ry + 1) * A32(8 * c * w);
    } else if (h->interp == kzvInterpLinear || h->interp == kzvInterpCubic || h->interp == kzvInterpLanczos) {
        size += 2 * ry * A32(4 * c * w);
    } else {
        return kzvStatusNotSupportedModeErr;
    }
    size += 64;
    if (KzvStatus s = reportSize(size, out)) return s;
    return trimmed ? kzvStatusSizeAdjusted : kzvStatusOk;
}

KzvStatus setMode(int32_t hint, KzvResizeSpec* pSpec) {
    if (pSpec == nullptr) return kzvStatusNullPtrErr;
    if (hint != kModeFast && hint != kModeAccurate) return kzvStatusNotSupportedModeErr;
    uint8_t* body = alignUp<64>(pSpec);
    // Rebuilding tables is only safe on a block this family initialised.
    const int32_t id = getWord(body, 0);
    if (id != kSpecResize && id != kSpecResizeL) return kzvStatusContextMatchErr;
    ResizeHeader* h = reinterpret_cast<ResizeHeader*>(body);
    if (hint == h->mode) return kzvStatusOk;
    const bool filtered = h->interp == kzvInterpLinear || h->interp == kzvInterpCubic || h->interp == kzvInterpLanczos;
    if (!filtered || h->antialias != 0 || h->coeffKind == kCoeffF64) return kzvStatusNotSupportedModeErr;
    if (hint == kModeFast && h->dataKind != kzvDataKind8u) return kzvStatusNotSupportedModeErr;
    h->dataKind = kzvDataKind8u;
    // The fractions are recomputed from the recorded sizes, which gives the
    // values the init buffer held.
    if (h->interp == kzvInterpLinear) {
        buildCoefficients(body, *h, hint == kModeFast);
    } else {
        MxcsrGuard g(kMxcsrFtz | 0x1000u, kMxcsrFtz | 0x1000u);
        buildCoefficients(body, *h, hint == kModeFast);
    }
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::resize

using namespace kzv::resize;
using kzv::anyNull;

// ---- Exports: sizes ------------------------------------------------------------

extern "C" {

KzvStatus kzviResizeGetSize_8u(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                               uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize) {
    return getSize(srcSize, dstSize, int32_t(interpolation), antialiasing, false, pSpecSize, pInitBufSize);
}
KzvStatus kzviResizeGetSize_16u(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize) {
    return getSize(srcSize, dstSize, int32_t(interpolation), antialiasing, false, pSpecSize, pInitBufSize);
}
KzvStatus kzviResizeGetSize_16s(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize) {
    return getSize(srcSize, dstSize, int32_t(interpolation), antialiasing, false, pSpecSize, pInitBufSize);
}
KzvStatus kzviResizeGetSize_32f(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize) {
    return getSize(srcSize, dstSize, int32_t(interpolation), antialiasing, false, pSpecSize, pInitBufSize);
}
KzvStatus kzviResizeGetSize_64f(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize) {
    return getSize(srcSize, dstSize, int32_t(interpolation), antialiasing, true, pSpecSize, pInitBufSize);
}
KzvStatus kzviResizeGetSize_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                              KzvInterp interpolation, uint32_t antialiasing, intptr_t* pSpecSize,
                              intptr_t* pInitBufSize) {
    return getSizeL(srcSize, dstSize, int32_t(dataKind), int32_t(interpolation), antialiasing, pSpecSize, pInitBufSize);
}

// ---- Exports: initialisers -------------------------------------------------------

#define KZV_RESIZE_NEAREST_INIT(name, kind)                                            \
    KzvStatus name(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec) { \
        Extents e;                                                                     \
        if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;     \
        return initNearest(e, kind, false, pSpec);                                     \
    }
KZV_RESIZE_NEAREST_INIT(kzviResizeNearestInit_8u, kzvDataKind8u)
KZV_RESIZE_NEAREST_INIT(kzviResizeNearestInit_16u, kzvDataKind16u)
KZV_RESIZE_NEAREST_INIT(kzviResizeNearestInit_16s, kzvDataKind16s)
KZV_RESIZE_NEAREST_INIT(kzviResizeNearestInit_32f, kzvDataKind32f)
#undef KZV_RESIZE_NEAREST_INIT

KzvStatus kzviResizeNearestInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                  KzvResizeSpec* pSpec) {
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (!validKind(dataKind)) return kzvStatusDataTypeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initNearest(e, dataKind, true, pSpec);
}

#define KZV_RESIZE_LINEAR_INIT(name, kind, fast)                                             \
    KzvStatus name(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec) {       \
        Extents e;                                                                           \
        if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;           \
        if (!srcAtLeast(e, 2)) return kzvStatusSizeErr;                                      \
        return initFiltered(e, kzvInterpLinear, 1, kind, fast, 0, 0, nullptr, false, pSpec); \
    }
KZV_RESIZE_LINEAR_INIT(kzviResizeLinearInit_8u, kzvDataKind8u, true)
KZV_RESIZE_LINEAR_INIT(kzviResizeLinearInit_16u, kzvDataKind16u, false)
KZV_RESIZE_LINEAR_INIT(kzviResizeLinearInit_16s, kzvDataKind16s, false)
KZV_RESIZE_LINEAR_INIT(kzviResizeLinearInit_32f, kzvDataKind32f, false)
KZV_RESIZE_LINEAR_INIT(kzviResizeLinearInit_64f, kzvDataKind64f, false)
#undef KZV_RESIZE_LINEAR_INIT

KzvStatus kzviResizeLinearInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                 KzvResizeSpec* pSpec) {
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (!srcAtLeast(e, 2)) return kzvStatusSizeErr;
    if (!validKind(dataKind) && dataKind != kzvDataKind64f) return kzvStatusDataTypeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpLinear, 1, dataKind, dataKind == kzvDataKind8u, 0, 0, nullptr, true, pSpec);
}

KzvStatus kzviResizeLinearInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvAlgHint hint,
                                    KzvResizeSpec* pSpec) {
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (!srcAtLeast(e, 2)) return kzvStatusSizeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpLinear, 1, kzvDataKind8u, hint != kzvAlgHintAccurate, 0, 0, nullptr, true, pSpec);
}

#define KZV_RESIZE_CUBIC_INIT(name, kind)                                                                          \
    KzvStatus name(KzvImageSize srcSize, KzvImageSize dstSize, Kzv32f valueB, Kzv32f valueC, KzvResizeSpec* pSpec, \
                   Kzv8u* pInitBuf) {                                                                              \
        if (pInitBuf == nullptr) return kzvStatusNullPtrErr;                                                       \
        Extents e;                                                                                                 \
        if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;                                 \
        if (!srcAtLeast(e, 4)) return kzvStatusSizeErr;                                                            \
        return initFiltered(e, kzvInterpCubic, 2, kind, false, valueB, valueC, pInitBuf, false, pSpec);            \
    }
KZV_RESIZE_CUBIC_INIT(kzviResizeCubicInit_8u, kzvDataKind8u)
KZV_RESIZE_CUBIC_INIT(kzviResizeCubicInit_16u, kzvDataKind16u)
KZV_RESIZE_CUBIC_INIT(kzviResizeCubicInit_16s, kzvDataKind16s)
KZV_RESIZE_CUBIC_INIT(kzviResizeCubicInit_32f, kzvDataKind32f)
#undef KZV_RESIZE_CUBIC_INIT

KzvStatus kzviResizeCubicInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, Kzv32f valueB, Kzv32f valueC,
                                   KzvAlgHint hint, KzvResizeSpec* pSpec, Kzv8u* pInitBuf) {
    if (pInitBuf == nullptr) return kzvStatusNullPtrErr;
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (!srcAtLeast(e, 4)) return kzvStatusSizeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpCubic, 2, kzvDataKind8u, hint == kzvAlgHintFast, valueB, valueC, pInitBuf, true,
                        pSpec);
}

KzvStatus kzviResizeCubicInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind, Kzv32f valueB,
                                Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf) {
    if (pInitBuf == nullptr) return kzvStatusNullPtrErr;
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (!srcAtLeast(e, 4)) return kzvStatusSizeErr;
    if (!validKind(dataKind)) return kzvStatusDataTypeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpCubic, 2, dataKind, false, valueB, valueC, pInitBuf, true, pSpec);
}

// The lobe count and the source size are checked before anything is written.
#define KZV_RESIZE_LANCZOS_INIT(name, kind)                                                                 \
    KzvStatus name(KzvImageSize srcSize, KzvImageSize dstSize, uint32_t numLobes, KzvResizeSpec* pSpec,     \
                   Kzv8u* pInitBuf) {                                                                       \
        if (pInitBuf == nullptr) return kzvStatusNullPtrErr;                                                \
        Extents e;                                                                                          \
        if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;                          \
        if (numLobes != 2 && numLobes != 3) return kzvStatusNotSupportedModeErr;                            \
        if (!srcAtLeast(e, 2 * int64_t(numLobes))) return kzvStatusSizeErr;                                 \
        return initFiltered(e, kzvInterpLanczos, int(numLobes), kind, false, 0, 0, pInitBuf, false, pSpec); \
    }
KZV_RESIZE_LANCZOS_INIT(kzviResizeLanczosInit_8u, kzvDataKind8u)
KZV_RESIZE_LANCZOS_INIT(kzviResizeLanczosInit_16u, kzvDataKind16u)
KZV_RESIZE_LANCZOS_INIT(kzviResizeLanczosInit_16s, kzvDataKind16s)
KZV_RESIZE_LANCZOS_INIT(kzviResizeLanczosInit_32f, kzvDataKind32f)
#undef KZV_RESIZE_LANCZOS_INIT

KzvStatus kzviResizeLanczosInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, uint32_t numLobes, KzvAlgHint hint,
                                     KzvResizeSpec* pSpec, Kzv8u* pInitBuf) {
    if (pInitBuf == nullptr) return kzvStatusNullPtrErr;
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (numLobes != 2 && numLobes != 3) return kzvStatusNotSupportedModeErr;
    if (!srcAtLeast(e, 2 * int64_t(numLobes))) return kzvStatusSizeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpLanczos, int(numLobes), kzvDataKind8u, hint == kzvAlgHintFast, 0, 0, pInitBuf, true,
                        pSpec);
}

KzvStatus kzviResizeLanczosInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind, uint32_t numLobes,
                                  KzvResizeSpec* pSpec, Kzv8u* pInitBuf) {
    if (pInitBuf == nullptr) return kzvStatusNullPtrErr;
    Extents e;
    if (KzvStatus s = commonInitChecks(pSpec, srcSize, dstSize, &e)) return s;
    if (numLobes != 2 && numLobes != 3) return kzvStatusNotSupportedModeErr;
    if (!validKind(dataKind)) return kzvStatusDataTypeErr;
    if (!srcAtLeast(e, 2 * int64_t(numLobes))) return kzvStatusSizeErr;
    if (anyAboveL(e)) return kzvStatusSizeOverflowErr;
    return initFiltered(e, kzvInterpLanczos, int(numLobes), dataKind, false, 0, 0, pInitBuf, true, pSpec);
}

KzvStatus kzviResizeSetMode(KzvAlgHint hint, KzvResizeSpec* pSpec) {
    return setMode(int32_t(hint), pSpec);
}

// ---- Exports: queries ------------------------------------------------------------

#define KZV_RESIZE_QUERIES(t, f64)                                                                                   \
    KzvStatus kzviResizeGetBorderSize_##t(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize) {                  \
        return getBorderSize(pSpec, pBorderSize, false, f64);                                                        \
    }                                                                                                                \
    KzvStatus kzviResizeGetSrcOffset_##t(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,                        \
                                         KzvImagePoint* pSrcOffset) {                                                \
        return getSrcOffset(pSpec, dstOffset, pSrcOffset, false);                                                    \
    }                                                                                                                \
    KzvStatus kzviResizeGetSrcRoi_##t(const KzvResizeSpec* pSpec, KzvImageRect dstRoi, KzvImagePoint* pSrcRoiOffset, \
                                      KzvImageSize* pSrcRoiSize) {                                                   \
        return getSrcRoi(pSpec, dstRoi, pSrcRoiOffset, pSrcRoiSize, false);                                          \
    }                                                                                                                \
    KzvStatus kzviResizeGetBufferSize_##t(const KzvResizeSpec* pSpec, KzvImageSize dstSize, int32_t numChannels,     \
                                          int32_t* pBufSize) {                                                       \
        return getBufferSize(pSpec, dstSize, numChannels, pBufSize, false);                                          \
    }
KZV_RESIZE_QUERIES(8u, false)
KZV_RESIZE_QUERIES(16u, false)
KZV_RESIZE_QUERIES(16s, false)
KZV_RESIZE_QUERIES(32f, false)
KZV_RESIZE_QUERIES(64f, true)
#undef KZV_RESIZE_QUERIES

KzvStatus kzviResizeGetBorderSize_L(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize) {
    return getBorderSize(pSpec, pBorderSize, true, false);
}
KzvStatus kzviResizeGetSrcOffset_L(const KzvResizeSpec* pSpec, KzvImagePointL dstOffset, KzvImagePointL* pSrcOffset) {
    return getSrcOffset(pSpec, dstOffset, pSrcOffset, true);
}
KzvStatus kzviResizeGetSrcRoi_L(const KzvResizeSpec* pSpec, KzvImageRectL dstRoi, KzvImagePointL* pSrcRoiOffset,
                                KzvImageSizeL* pSrcRoiSize) {
    return getSrcRoi(pSpec, dstRoi, pSrcRoiOffset, pSrcRoiSize, true);
}
KzvStatus kzviResizeGetBufferSize_L(const KzvResizeSpec* pSpec, KzvImageSizeL dstSize, int32_t numChannels,
                                    intptr_t* pBufSize) {
    return getBufferSize(pSpec, dstSize, numChannels, pBufSize, true);
}

// ---- Exports: apply functions -----------------------------------------------------

#define KZV_STEP_S int32_t
#define KZV_STEP_L intptr_t
#define KZV_POINT_S KzvImagePoint
#define KZV_POINT_L KzvImagePointL
#define KZV_SIZE_S KzvImageSize
#define KZV_SIZE_L KzvImageSizeL
#define KZV_ISL_S false
#define KZV_ISL_L true

#define RESIZE_NEAREST(name, fam, T, C, F)                                                                       \
    KzvStatus name(const T* pSrc, KZV_STEP_##F srcStep, T* pDst, KZV_STEP_##F dstStep, KZV_POINT_##F dstOffset,  \
                   KZV_SIZE_##F dstSize, const KzvResizeSpec* pSpec, Kzv8u* pBuffer) {                           \
        return applyNearest<T, C>(pSrc, srcStep, pDst, dstStep, int64_t(dstOffset.x), int64_t(dstOffset.y),      \
                                  int64_t(dstSize.width), int64_t(dstSize.height), pSpec, pBuffer, KZV_ISL_##F); \
    }
#define RESIZE_BORDERED(name, fam, T, C, F)                                                                       \
    KzvStatus name(const T* pSrc, KZV_STEP_##F srcStep, T* pDst, KZV_STEP_##F dstStep, KZV_POINT_##F dstOffset,   \
                   KZV_SIZE_##F dstSize, KzvBorderKind border, const T* pBorderValue, const KzvResizeSpec* pSpec, \
                   Kzv8u* pBuffer) {                                                                              \
        (void)pBorderValue;                                                                                       \
        return applyFiltered<T, C>(kzvInterp##fam, pSrc, srcStep, pDst, dstStep, int64_t(dstOffset.x),            \
                                   int64_t(dstOffset.y), int64_t(dstSize.width), int64_t(dstSize.height), border, \
                                   pSpec, pBuffer, KZV_ISL_##F);                                                  \
    }
#include "geometry/resize_exports.inc"
#undef RESIZE_NEAREST
#undef RESIZE_BORDERED

}  // extern "C"
