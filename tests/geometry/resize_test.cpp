// Resize (nearest, linear, cubic, Lanczos) against a scalar reference of the
// mapping, weight and rounding formulas, on guarded images with specs, init
// buffers and work buffers of exactly the reported sizes; tiles produced
// separately against one whole-image call.
//
// Tolerances: the 8u fast (Q14) path and nearest are bit-exact. The float
// paths may sum taps in any order: an integer output may take the other
// neighbour only where the double-precision value lies within a few ulps of
// the sums of |terms| of a rounding boundary; a float output lies within that
// slack of the double value.
#include <immintrin.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <sstream>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

// ---- Reference ------------------------------------------------------------------
// Written from the formulas: pixel-centre mapping with the reduced ratio, the
// weight formulas of each interpolation, the border rule per side and the
// arithmetic of each type and mode, one destination pixel at a time.

enum RefInterp { kNearest = 1, kLinear = 2, kCubic = 6, kLanczos = 16 };

int gcdInt(int a, int b) {
    while (b) {
        const int t = a % b;
        a = b;
        b = t;
    }
    return a;
}

double reducedRatio(int src, int dst) {
    const int g = gcdInt(src, dst);
    return double(src / g) / double(dst / g);
}

// Half-width (taps on each side) of an interpolation.
int halfWidth(int interp, int lobes) {
    return interp == kLinear ? 1 : interp == kCubic ? 2 : interp == kLanczos ? lobes : 0;
}

// One axis of the mapping: source index, fraction and border counts.
struct RefAxis {
    int src = 0, dst = 0, r = 0;
    std::vector<int> idx;
    std::vector<double> t;
    int lo = 0, hi = 0;  // destination pixels whose taps leave the source
};

RefAxis refAxis(int src, int dst, int interp, int lobes) {
    RefAxis a;
    a.src = src, a.dst = dst, a.r = halfWidth(interp, lobes);
    const double R = reducedRatio(src, dst);
    for (int i = 0; i < dst; ++i) {
        if (interp == kNearest) {
            const double p = (i + 0.5) * R;
            a.idx.push_back(int(p - 1e-10));
            a.t.push_back(0);
            continue;
        }
        const double x = std::fma(i + 0.5, R, -0.5);
        const double n = std::floor(x);
        a.idx.push_back(int(n));
        a.t.push_back(x - n);
        if (int(n) < a.r - 1) ++a.lo;
        if (int(n) >= src - a.r) ++a.hi;
    }
    return a;
}

// Cubic of the two-parameter family at distance d, Horner form with fused
// multiply-adds in double.
double cubicWeight(double d, double B, double C) {
    d = std::fabs(d);
    if (d < 1) {
        const double a3 = 2 - 1.5 * B - C, a2 = -3 + 2 * B + C, a0 = 1 - B / 3;
        return std::fma(std::fma(std::fma(a3, d, a2), d, 0.0), d, a0);
    }
    if (d < 2) {
        const double b3 = -B / 6 - C, b2 = B + 5 * C, b1 = -2 * B - 8 * C, b0 = 4 * B / 3 + 4 * C;
        return std::fma(std::fma(std::fma(b3, d, b2), d, b1), d, b0);
    }
    return 0;
}

double sincPi(double u) {
    if (u == 0) return 1;
    const double pu = 3.14159265358979323846 * u;
    return std::sin(pu) / pu;
}

// Sample tables of the Lanczos kernel: a = 2 at steps of 1/200, a = 3 at 1/100.
const std::vector<float>& lanczosTable(int a) {
    static const std::vector<float> t2 = [] {
        std::vector<float> t(401);
        for (int k = 0; k <= 400; ++k) t[k] = float(sincPi(k / 200.0) * sincPi(k / 200.0 / 2));
        return t;
    }();
    static const std::vector<float> t3 = [] {
        std::vector<float> t(301);
        for (int k = 0; k <= 300; ++k) t[k] = float(sincPi(k / 100.0) * sincPi(k / 100.0 / 3));
        return t;
    }();
    return a == 2 ? t2 : t3;
}

float rcpNewton(float s) {
    const float r0 = _mm_cvtss_f32(_mm_rcp_ss(_mm_set_ss(s)));
    return r0 * (2.0f - s * r0);
}

int q14(float w) {
    return int(std::trunc(double(w) * 16384.0 + 1e-7));
}

// Weights of one axis: K taps per destination pixel, as floats (accurate
// tables) and as Q14 integers (fast tables).
struct RefWeights {
    int K = 0;
    std::vector<float> f;  // linear: the fraction t itself (K = 2, f[2i])
    std::vector<double> t64;
    std::vector<int> q;
};

RefWeights refWeights(const RefAxis& a, int interp, double B, double C, int lobes) {
    RefWeights w;
    w.K = 2 * a.r;
    const int K = w.K;
    w.f.assign(size_t(a.dst) * K, 0.f);
    w.q.assign(size_t(a.dst) * K, 0);
    w.t64.assign(a.dst, 0.0);
    if (K == 0) return w;  // nearest: no weights
    for (int i = 0; i < a.dst; ++i) {
        const double t = a.t[i];
        float* f = &w.f[size_t(i) * K];
        int* q = &w.q[size_t(i) * K];
        if (interp == kLinear) {
            f[0] = float(t);
            w.t64[i] = t;
            const int wq = int(std::trunc(t * 16384.0 + 1e-7));
            q[0] = 16384 - wq, q[1] = wq;
        } else if (interp == kCubic) {
            for (int k = 0; k < 4; ++k) {
                f[k] = float(cubicWeight((k - 1) - t, B, C));
                q[k] = q14(f[k]);
            }
        } else if (interp == kLanczos) {
            const std::vector<float>& T = lanczosTable(lobes);
            const int S = lobes == 2 ? 200 : 100;
            float raw[6] = {};
            float sum = 0;
            for (int k = 0; k < K; ++k) {
                const double d = (k - lobes + 1) - t;
                const double u = std::fabs(d);
                if (u < lobes) {
                    const float us = float(u) * float(S);
                    // A distance just below a can round to a * S in single
                    // precision: the last sample then.
                    const int j = int(us);
                    raw[k] = j >= lobes * S ? T[lobes * S] : T[j] + (T[j + 1] - T[j]) * (us - float(j));
                }
                sum += raw[k];
            }
            const float r = rcpNewton(sum);
            for (int k = 0; k < K; ++k) {
                f[k] = raw[k] * r;
                q[k] = q14(raw[k] / sum);
            }
        }
    }
    return w;
}

// Source with real pixels beyond the region on the flagged sides.
template <class T>
struct RefSrc {
    int W = 0, H = 0, C = 1, mL = 0, mT = 0, mR = 0, mB = 0;
    std::vector<T> px;  // (H + mT + mB) rows of (W + mL + mR) pixels
    T at(int x, int y, int c) const {
        return px[(size_t(y + mT) * size_t(W + mL + mR) + size_t(x + mL)) * C + c];
    }
};

// Border rule on one axis: position read for position i of a line of n.
int ruleMap(int kind, int i, int n) {
    if (i >= 0 && i < n) return i;
    if (kind == 3) {  // reflect about the edge pixel
        if (n == 1) return 0;
        const int p = 2 * n - 2;
        int j = ((i % p) + p) % p;
        return j >= n ? p - j : j;
    }
    if (kind == 4) {  // reflect with the edge repeated
        const int p = 2 * n;
        int j = ((i % p) + p) % p;
        return j >= n ? p - 1 - j : j;
    }
    return i < 0 ? 0 : n - 1;  // replicate
}

struct RefBorder {
    int kind = 1;   // low nibble (0 only with 0xF0)
    int flags = 0;  // 0x10 top, 0x20 bottom, 0x40 left, 0x80 right
    unsigned value() const { return unsigned(kind | flags); }
};

int mapX(const RefBorder& b, int x, int n) {
    if (x < 0 && (b.flags & 0x40)) return x;
    if (x >= n && (b.flags & 0x80)) return x;
    return ruleMap(b.kind, x, n);
}
int mapY(const RefBorder& b, int y, int n) {
    if (y < 0 && (b.flags & 0x10)) return y;
    if (y >= n && (b.flags & 0x20)) return y;
    return ruleMap(b.kind, y, n);
}

// Expected value of one output sample: an exact integer (fast 8u and
// nearest) or a double with the rounding slack of the float path.
struct RefVal {
    double v = 0;
    double eps = -1;  // < 0: v is exact
};

enum class RefType { u8, u16, s16, f32, f64 };

struct RefModel {
    int interp = kLinear, lobes = 2;
    bool fast = false;  // 8u Q14 tables
    RefType type = RefType::u8;
    RefAxis ax, ay;
    RefWeights wx, wy;
};

RefModel refModel(int interp, RefType type, bool fast, int sw, int sh, int dw, int dh, double B, double C, int lobes) {
    RefModel m;
    m.interp = interp, m.lobes = lobes, m.fast = fast, m.type = type;
    m.ax = refAxis(sw, dw, interp, lobes);
    m.ay = refAxis(sh, dh, interp, lobes);
    m.wx = refWeights(m.ax, interp, B, C, lobes);
    m.wy = refWeights(m.ay, interp, B, C, lobes);
    return m;
}

int rho(int64_t h) {
    return int((h + 8192 + ((h >> 14) & 1)) >> 14);
}

int64_t clampI(int64_t v, int64_t lo, int64_t hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

// Whether destination pixel (i, j) takes the border path of the tile frame:
// its row or column lies within the spec's border counts on a side whose
// memory flag is clear.
bool onBorderPath(const RefModel& m, const RefBorder& b, int i, int j) {
    if (b.value() == 0xF0) return false;
    return (i < m.ay.lo && !(b.flags & 0x10)) || (i >= m.ay.dst - m.ay.hi && !(b.flags & 0x20)) ||
           (j < m.ax.lo && !(b.flags & 0x40)) || (j >= m.ax.dst - m.ax.hi && !(b.flags & 0x80));
}

template <class T>
RefVal refPixel(const RefModel& m, const RefSrc<T>& s, const RefBorder& b, int i, int j, int c) {
    RefVal out;
    if (m.interp == kNearest) {
        out.v = double(s.at(m.ax.idx[j], m.ay.idx[i], c));
        return out;
    }
    const int rx = m.ax.r, ry = m.ay.r, Kx = m.wx.K, Ky = m.wy.K;
    int xs[6], ys[6];
    for (int k = 0; k < Kx; ++k) xs[k] = mapX(b, m.ax.idx[j] - rx + 1 + k, s.W);
    for (int k = 0; k < Ky; ++k) ys[k] = mapY(b, m.ay.idx[i] - ry + 1 + k, s.H);
    if (m.fast) {
        const int* qx = &m.wx.q[size_t(j) * Kx];
        const int* qy = &m.wy.q[size_t(i) * Ky];
        if (m.interp == kLinear && onBorderPath(m, b, i, j)) {
            int A[2];
            for (int r = 0; r < 2; ++r) {
                const int64_t H = int64_t(s.at(xs[0], ys[r], c)) * qx[0] + int64_t(s.at(xs[1], ys[r], c)) * qx[1];
                A[r] = rho(H);
            }
            const int64_t w = qy[1];
            out.v = ys[0] == ys[1] ? A[0] : rho(w * (A[1] - A[0]) + int64_t(A[0]) * 16384);
            return out;
        }
        int64_t acc = 0;
        for (int r = 0; r < Ky; ++r) {
            int64_t h = 0;
            for (int k = 0; k < Kx; ++k) h += int64_t(s.at(xs[k], ys[r], c)) * qx[k];
            h = clampI((h + 128) >> 8, -32768, 32767);
            acc += h * qy[r];
        }
        out.v = double(clampI((acc + (1 << 19)) >> 20, 0, 255));
        return out;
    }
    const bool dbl = m.type == RefType::f64;
    const double u = dbl ? std::ldexp(1.0, -53) : std::ldexp(1.0, -24);
    if (m.interp == kLinear) {
        const double tx = dbl ? m.wx.t64[j] : double(m.wx.f[size_t(j) * 2]);
        const double ty = dbl ? m.wy.t64[i] : double(m.wy.f[size_t(i) * 2]);
        double h[2], mag = 0;
        for (int r = 0; r < 2; ++r) {
            const double a = double(s.at(xs[0], ys[r], c)), bb = double(s.at(xs[1], ys[r], c));
            h[r] = a + (bb - a) * tx;
            mag = std::max(mag, std::max(std::fabs(a), std::fabs(bb)));
        }
        out.v = h[0] + (h[1] - h[0]) * ty;
        out.eps = 16 * u * mag;
        return out;
    }
    const float* fx = &m.wx.f[size_t(j) * Kx];
    const float* fy = &m.wy.f[size_t(i) * Ky];
    double acc = 0, mag = 0;
    for (int r = 0; r < Ky; ++r) {
        double h = 0, hm = 0;
        for (int k = 0; k < Kx; ++k) {
            const double term = double(s.at(xs[k], ys[r], c)) * double(fx[k]);
            h += term;
            hm += std::fabs(term);
        }
        acc += h * double(fy[r]);
        mag += (hm + std::fabs(h)) * std::fabs(double(fy[r]));
    }
    out.v = acc;
    out.eps = 4 * (Kx + Ky + 2) * u * (mag + std::fabs(acc));
    return out;
}

// Whether an output sample matches: exact values must be equal; float-path
// integer outputs may take either neighbour when the value lies within the
// slack of a rounding boundary; float outputs within the slack.
template <class T>
bool refAccepts(const RefVal& r, T got) {
    if (r.eps < 0) return double(got) == r.v;
    if constexpr (std::is_floating_point_v<T>) {
        const double tol = r.eps + std::fabs(r.v) * (sizeof(T) == 4 ? std::ldexp(1.0, -24) : std::ldexp(1.0, -53));
        return std::fabs(double(got) - r.v) <= tol;
    } else {
        using L = std::numeric_limits<T>;
        auto sat = [](double v) { return std::min(std::max(std::nearbyint(v), double(L::min())), double(L::max())); };
        const double lo = sat(r.v - r.eps), hi = sat(r.v + r.eps);
        return double(got) >= lo && double(got) <= hi;
    }
}
// ---- Library calls --------------------------------------------------------------

KzvDataKind dataKindOf(RefType t) {
    switch (t) {
        case RefType::u8: return kzvDataKind8u;
        case RefType::u16: return kzvDataKind16u;
        case RefType::s16: return kzvDataKind16s;
        case RefType::f32: return kzvDataKind32f;
        default: return kzvDataKind64f;
    }
}

// One apply export behind a uniform signature (offsets and sizes widened).
using AnyApply = KzvStatus (*)(const void* src, ptrdiff_t srcStep, void* dst, ptrdiff_t dstStep, ptrdiff_t ox,
                               ptrdiff_t oy, ptrdiff_t w, ptrdiff_t h, unsigned border, const void* borderValue,
                               const KzvResizeSpec* spec, Kzv8u* buf);

struct ApplyRow {
    const char* name;
    AnyApply fn;
    RefType type;
    int channels;
    int interp;
    bool L;
};

#define RZ_BORDERED_S(fn, T, C, interp, type)                                                                    \
    ApplyRow {                                                                                                   \
#fn,                                                                                                     \
            [](const void* s, ptrdiff_t ss, void* d, ptrdiff_t ds, ptrdiff_t ox, ptrdiff_t oy, ptrdiff_t w,      \
               ptrdiff_t h, unsigned b, const void* bv, const KzvResizeSpec* sp, Kzv8u* buf) -> KzvStatus {      \
                return fn(static_cast<const T*>(s), int32_t(ss), static_cast<T*>(d), int32_t(ds),                \
                          KzvImagePoint{int32_t(ox), int32_t(oy)}, KzvImageSize{int32_t(w), int32_t(h)},         \
                          KzvBorderKind(b), static_cast<const T*>(bv), sp, buf);                                 \
            },                                                                                                   \
            type, C, interp, false                                                                               \
    }
#define RZ_BORDERED_L(fn, T, C, interp, type)                                                                    \
    ApplyRow {                                                                                                   \
#fn,                                                                                                     \
            [](const void* s, ptrdiff_t ss, void* d, ptrdiff_t ds, ptrdiff_t ox, ptrdiff_t oy, ptrdiff_t w,      \
               ptrdiff_t h, unsigned b, const void* bv, const KzvResizeSpec* sp, Kzv8u* buf) -> KzvStatus {      \
                return fn(static_cast<const T*>(s), intptr_t(ss), static_cast<T*>(d), intptr_t(ds),              \
                          KzvImagePointL{intptr_t(ox), intptr_t(oy)}, KzvImageSizeL{intptr_t(w), intptr_t(h)},   \
                          KzvBorderKind(b), static_cast<const T*>(bv), sp, buf);                                 \
            },                                                                                                   \
            type, C, interp, true                                                                                \
    }
#define RZ_NEAREST_S(fn, T, C, interp, type)                                                                     \
    ApplyRow {                                                                                                   \
#fn,                                                                                                     \
            [](const void* s, ptrdiff_t ss, void* d, ptrdiff_t ds, ptrdiff_t ox, ptrdiff_t oy, ptrdiff_t w,      \
               ptrdiff_t h, unsigned, const void*, const KzvResizeSpec* sp, Kzv8u* buf) -> KzvStatus {           \
                return fn(static_cast<const T*>(s), int32_t(ss), static_cast<T*>(d), int32_t(ds),                \
                          KzvImagePoint{int32_t(ox), int32_t(oy)}, KzvImageSize{int32_t(w), int32_t(h)}, sp,     \
                          buf);                                                                                  \
            },                                                                                                   \
            type, C, interp, false                                                                               \
    }
#define RZ_NEAREST_L(fn, T, C, interp, type)                                                                     \
    ApplyRow {                                                                                                   \
#fn,                                                                                                     \
            [](const void* s, ptrdiff_t ss, void* d, ptrdiff_t ds, ptrdiff_t ox, ptrdiff_t oy, ptrdiff_t w,      \
               ptrdiff_t h, unsigned, const void*, const KzvResizeSpec* sp, Kzv8u* buf) -> KzvStatus {           \
                return fn(static_cast<const T*>(s), intptr_t(ss), static_cast<T*>(d), intptr_t(ds),              \
                          KzvImagePointL{intptr_t(ox), intptr_t(oy)}, KzvImageSizeL{intptr_t(w), intptr_t(h)},   \
                          sp, buf);                                                                              \
            },                                                                                                   \
            type, C, interp, true                                                                                \
    }

const std::vector<ApplyRow>& applyRows() {
    static const std::vector<ApplyRow> rows = {
    RZ_NEAREST_S(kzviResizeNearest_8u_C1R, Kzv8u, 1, kNearest, RefType::u8),
    RZ_NEAREST_L(kzviResizeNearest_8u_C1R_L, Kzv8u, 1, kNearest, RefType::u8),
    RZ_NEAREST_S(kzviResizeNearest_8u_C3R, Kzv8u, 3, kNearest, RefType::u8),
    RZ_NEAREST_L(kzviResizeNearest_8u_C3R_L, Kzv8u, 3, kNearest, RefType::u8),
    RZ_NEAREST_S(kzviResizeNearest_8u_C4R, Kzv8u, 4, kNearest, RefType::u8),
    RZ_NEAREST_L(kzviResizeNearest_8u_C4R_L, Kzv8u, 4, kNearest, RefType::u8),
    RZ_NEAREST_S(kzviResizeNearest_16u_C1R, Kzv16u, 1, kNearest, RefType::u16),
    RZ_NEAREST_L(kzviResizeNearest_16u_C1R_L, Kzv16u, 1, kNearest, RefType::u16),
    RZ_NEAREST_S(kzviResizeNearest_16u_C3R, Kzv16u, 3, kNearest, RefType::u16),
    RZ_NEAREST_L(kzviResizeNearest_16u_C3R_L, Kzv16u, 3, kNearest, RefType::u16),
    RZ_NEAREST_S(kzviResizeNearest_16u_C4R, Kzv16u, 4, kNearest, RefType::u16),
    RZ_NEAREST_L(kzviResizeNearest_16u_C4R_L, Kzv16u, 4, kNearest, RefType::u16),
    RZ_NEAREST_S(kzviResizeNearest_16s_C1R, Kzv16s, 1, kNearest, RefType::s16),
    RZ_NEAREST_L(kzviResizeNearest_16s_C1R_L, Kzv16s, 1, kNearest, RefType::s16),
    RZ_NEAREST_S(kzviResizeNearest_16s_C3R, Kzv16s, 3, kNearest, RefType::s16),
    RZ_NEAREST_L(kzviResizeNearest_16s_C3R_L, Kzv16s, 3, kNearest, RefType::s16),
    RZ_NEAREST_S(kzviResizeNearest_16s_C4R, Kzv16s, 4, kNearest, RefType::s16),
    RZ_NEAREST_L(kzviResizeNearest_16s_C4R_L, Kzv16s, 4, kNearest, RefType::s16),
    RZ_NEAREST_S(kzviResizeNearest_32f_C1R, Kzv32f, 1, kNearest, RefType::f32),
    RZ_NEAREST_L(kzviResizeNearest_32f_C1R_L, Kzv32f, 1, kNearest, RefType::f32),
    RZ_NEAREST_S(kzviResizeNearest_32f_C3R, Kzv32f, 3, kNearest, RefType::f32),
    RZ_NEAREST_L(kzviResizeNearest_32f_C3R_L, Kzv32f, 3, kNearest, RefType::f32),
    RZ_NEAREST_S(kzviResizeNearest_32f_C4R, Kzv32f, 4, kNearest, RefType::f32),
    RZ_NEAREST_L(kzviResizeNearest_32f_C4R_L, Kzv32f, 4, kNearest, RefType::f32),
    RZ_BORDERED_S(kzviResizeLinear_8u_C1R, Kzv8u, 1, kLinear, RefType::u8),
    RZ_BORDERED_L(kzviResizeLinear_8u_C1R_L, Kzv8u, 1, kLinear, RefType::u8),
    RZ_BORDERED_S(kzviResizeLinear_8u_C3R, Kzv8u, 3, kLinear, RefType::u8),
    RZ_BORDERED_L(kzviResizeLinear_8u_C3R_L, Kzv8u, 3, kLinear, RefType::u8),
    RZ_BORDERED_S(kzviResizeLinear_8u_C4R, Kzv8u, 4, kLinear, RefType::u8),
    RZ_BORDERED_L(kzviResizeLinear_8u_C4R_L, Kzv8u, 4, kLinear, RefType::u8),
    RZ_BORDERED_S(kzviResizeLinear_16u_C1R, Kzv16u, 1, kLinear, RefType::u16),
    RZ_BORDERED_L(kzviResizeLinear_16u_C1R_L, Kzv16u, 1, kLinear, RefType::u16),
    RZ_BORDERED_S(kzviResizeLinear_16u_C3R, Kzv16u, 3, kLinear, RefType::u16),
    RZ_BORDERED_L(kzviResizeLinear_16u_C3R_L, Kzv16u, 3, kLinear, RefType::u16),
    RZ_BORDERED_S(kzviResizeLinear_16u_C4R, Kzv16u, 4, kLinear, RefType::u16),
    RZ_BORDERED_L(kzviResizeLinear_16u_C4R_L, Kzv16u, 4, kLinear, RefType::u16),
    RZ_BORDERED_S(kzviResizeLinear_16s_C1R, Kzv16s, 1, kLinear, RefType::s16),
    RZ_BORDERED_L(kzviResizeLinear_16s_C1R_L, Kzv16s, 1, kLinear, RefType::s16),
    RZ_BORDERED_S(kzviResizeLinear_16s_C3R, Kzv16s, 3, kLinear, RefType::s16),
    RZ_BORDERED_L(kzviResizeLinear_16s_C3R_L, Kzv16s, 3, kLinear, RefType::s16),
    RZ_BORDERED_S(kzviResizeLinear_16s_C4R, Kzv16s, 4, kLinear, RefType::s16),
    RZ_BORDERED_L(kzviResizeLinear_16s_C4R_L, Kzv16s, 4, kLinear, RefType::s16),
    RZ_BORDERED_S(kzviResizeLinear_32f_C1R, Kzv32f, 1, kLinear, RefType::f32),
    RZ_BORDERED_L(kzviResizeLinear_32f_C1R_L, Kzv32f, 1, kLinear, RefType::f32),
    RZ_BORDERED_S(kzviResizeLinear_32f_C3R, Kzv32f, 3, kLinear, RefType::f32),
    RZ_BORDERED_L(kzviResizeLinear_32f_C3R_L, Kzv32f, 3, kLinear, RefType::f32),
    RZ_BORDERED_S(kzviResizeLinear_32f_C4R, Kzv32f, 4, kLinear, RefType::f32),
    RZ_BORDERED_L(kzviResizeLinear_32f_C4R_L, Kzv32f, 4, kLinear, RefType::f32),
    RZ_BORDERED_S(kzviResizeLinear_64f_C1R, Kzv64f, 1, kLinear, RefType::f64),
    RZ_BORDERED_L(kzviResizeLinear_64f_C1R_L, Kzv64f, 1, kLinear, RefType::f64),
    RZ_BORDERED_S(kzviResizeLinear_64f_C3R, Kzv64f, 3, kLinear, RefType::f64),
    RZ_BORDERED_L(kzviResizeLinear_64f_C3R_L, Kzv64f, 3, kLinear, RefType::f64),
    RZ_BORDERED_S(kzviResizeLinear_64f_C4R, Kzv64f, 4, kLinear, RefType::f64),
    RZ_BORDERED_L(kzviResizeLinear_64f_C4R_L, Kzv64f, 4, kLinear, RefType::f64),
    RZ_BORDERED_S(kzviResizeCubic_8u_C1R, Kzv8u, 1, kCubic, RefType::u8),
    RZ_BORDERED_L(kzviResizeCubic_8u_C1R_L, Kzv8u, 1, kCubic, RefType::u8),
    RZ_BORDERED_S(kzviResizeCubic_8u_C3R, Kzv8u, 3, kCubic, RefType::u8),
    RZ_BORDERED_L(kzviResizeCubic_8u_C3R_L, Kzv8u, 3, kCubic, RefType::u8),
    RZ_BORDERED_S(kzviResizeCubic_8u_C4R, Kzv8u, 4, kCubic, RefType::u8),
    RZ_BORDERED_L(kzviResizeCubic_8u_C4R_L, Kzv8u, 4, kCubic, RefType::u8),
    RZ_BORDERED_S(kzviResizeCubic_16u_C1R, Kzv16u, 1, kCubic, RefType::u16),
    RZ_BORDERED_L(kzviResizeCubic_16u_C1R_L, Kzv16u, 1, kCubic, RefType::u16),
    RZ_BORDERED_S(kzviResizeCubic_16u_C3R, Kzv16u, 3, kCubic, RefType::u16),
    RZ_BORDERED_L(kzviResizeCubic_16u_C3R_L, Kzv16u, 3, kCubic, RefType::u16),
    RZ_BORDERED_S(kzviResizeCubic_16u_C4R, Kzv16u, 4, kCubic, RefType::u16),
    RZ_BORDERED_L(kzviResizeCubic_16u_C4R_L, Kzv16u, 4, kCubic, RefType::u16),
    RZ_BORDERED_S(kzviResizeCubic_16s_C1R, Kzv16s, 1, kCubic, RefType::s16),
    RZ_BORDERED_L(kzviResizeCubic_16s_C1R_L, Kzv16s, 1, kCubic, RefType::s16),
    RZ_BORDERED_S(kzviResizeCubic_16s_C3R, Kzv16s, 3, kCubic, RefType::s16),
    RZ_BORDERED_L(kzviResizeCubic_16s_C3R_L, Kzv16s, 3, kCubic, RefType::s16),
    RZ_BORDERED_S(kzviResizeCubic_16s_C4R, Kzv16s, 4, kCubic, RefType::s16),
    RZ_BORDERED_L(kzviResizeCubic_16s_C4R_L, Kzv16s, 4, kCubic, RefType::s16),
    RZ_BORDERED_S(kzviResizeCubic_32f_C1R, Kzv32f, 1, kCubic, RefType::f32),
    RZ_BORDERED_L(kzviResizeCubic_32f_C1R_L, Kzv32f, 1, kCubic, RefType::f32),
    RZ_BORDERED_S(kzviResizeCubic_32f_C3R, Kzv32f, 3, kCubic, RefType::f32),
    RZ_BORDERED_L(kzviResizeCubic_32f_C3R_L, Kzv32f, 3, kCubic, RefType::f32),
    RZ_BORDERED_S(kzviResizeCubic_32f_C4R, Kzv32f, 4, kCubic, RefType::f32),
    RZ_BORDERED_L(kzviResizeCubic_32f_C4R_L, Kzv32f, 4, kCubic, RefType::f32),
    RZ_BORDERED_S(kzviResizeLanczos_8u_C1R, Kzv8u, 1, kLanczos, RefType::u8),
    RZ_BORDERED_L(kzviResizeLanczos_8u_C1R_L, Kzv8u, 1, kLanczos, RefType::u8),
    RZ_BORDERED_S(kzviResizeLanczos_8u_C3R, Kzv8u, 3, kLanczos, RefType::u8),
    RZ_BORDERED_L(kzviResizeLanczos_8u_C3R_L, Kzv8u, 3, kLanczos, RefType::u8),
    RZ_BORDERED_S(kzviResizeLanczos_8u_C4R, Kzv8u, 4, kLanczos, RefType::u8),
    RZ_BORDERED_L(kzviResizeLanczos_8u_C4R_L, Kzv8u, 4, kLanczos, RefType::u8),
    RZ_BORDERED_S(kzviResizeLanczos_16u_C1R, Kzv16u, 1, kLanczos, RefType::u16),
    RZ_BORDERED_L(kzviResizeLanczos_16u_C1R_L, Kzv16u, 1, kLanczos, RefType::u16),
    RZ_BORDERED_S(kzviResizeLanczos_16u_C3R, Kzv16u, 3, kLanczos, RefType::u16),
    RZ_BORDERED_L(kzviResizeLanczos_16u_C3R_L, Kzv16u, 3, kLanczos, RefType::u16),
    RZ_BORDERED_S(kzviResizeLanczos_16u_C4R, Kzv16u, 4, kLanczos, RefType::u16),
    RZ_BORDERED_L(kzviResizeLanczos_16u_C4R_L, Kzv16u, 4, kLanczos, RefType::u16),
    RZ_BORDERED_S(kzviResizeLanczos_16s_C1R, Kzv16s, 1, kLanczos, RefType::s16),
    RZ_BORDERED_L(kzviResizeLanczos_16s_C1R_L, Kzv16s, 1, kLanczos, RefType::s16),
    RZ_BORDERED_S(kzviResizeLanczos_16s_C3R, Kzv16s, 3, kLanczos, RefType::s16),
    RZ_BORDERED_L(kzviResizeLanczos_16s_C3R_L, Kzv16s, 3, kLanczos, RefType::s16),
    RZ_BORDERED_S(kzviResizeLanczos_16s_C4R, Kzv16s, 4, kLanczos, RefType::s16),
    RZ_BORDERED_L(kzviResizeLanczos_16s_C4R_L, Kzv16s, 4, kLanczos, RefType::s16),
    RZ_BORDERED_S(kzviResizeLanczos_32f_C1R, Kzv32f, 1, kLanczos, RefType::f32),
    RZ_BORDERED_L(kzviResizeLanczos_32f_C1R_L, Kzv32f, 1, kLanczos, RefType::f32),
    RZ_BORDERED_S(kzviResizeLanczos_32f_C3R, Kzv32f, 3, kLanczos, RefType::f32),
    RZ_BORDERED_L(kzviResizeLanczos_32f_C3R_L, Kzv32f, 3, kLanczos, RefType::f32),
    RZ_BORDERED_S(kzviResizeLanczos_32f_C4R, Kzv32f, 4, kLanczos, RefType::f32),
    RZ_BORDERED_L(kzviResizeLanczos_32f_C4R_L, Kzv32f, 4, kLanczos, RefType::f32),
    };
    return rows;
}

// Caller memory of exactly n bytes: against a guard page after it, or after
// a guard page at an offset of 0..31 bytes (so that aligning the pointer
// needs slack); canaries around it catch stray writes.
GuardedImage callerMemory(Rng& rng, int64_t n) {
    const int bytes = int(std::max<int64_t>(n, 1));
    if (rng.chance(0.5)) return GuardedImage(bytes, 1, 1, 0, -1, kzvt::Guard::After);
    return GuardedImage(bytes, 1, 1, 0, rng.uniform(0, 31), kzvt::Guard::Before);
}

struct SpecOpt {
    int interp = kLinear;
    RefType type = RefType::u8;
    bool L = false;
    bool fast = false;  // 8u linear/cubic/Lanczos: Q14 tables
    float B = 0, C = 0.5f;
    int lobes = 2;
};

struct Spec {
    GuardedImage mem, init;
    KzvResizeSpec* p = nullptr;
    int sw = 0, sh = 0, dw = 0, dh = 0;
};

KzvStatus getSize(const SpecOpt& o, int sw, int sh, int dw, int dh, int64_t* specSize, int64_t* initSize) {
    if (o.L) {
        intptr_t a = -1, b = -1;
        const KzvStatus st = kzviResizeGetSize_L({sw, sh}, {dw, dh}, dataKindOf(o.type), KzvInterp(o.interp), 0, &a, &b);
        *specSize = a, *initSize = b;
        return st;
    }
    int32_t a = -1, b = -1;
    const KzvImageSize s{sw, sh}, d{dw, dh};
    const KzvInterp in = KzvInterp(o.interp);
    KzvStatus st;
    switch (o.type) {
        case RefType::u8: st = kzviResizeGetSize_8u(s, d, in, 0, &a, &b); break;
        case RefType::u16: st = kzviResizeGetSize_16u(s, d, in, 0, &a, &b); break;
        case RefType::s16: st = kzviResizeGetSize_16s(s, d, in, 0, &a, &b); break;
        case RefType::f32: st = kzviResizeGetSize_32f(s, d, in, 0, &a, &b); break;
        default: st = kzviResizeGetSize_64f(s, d, in, 0, &a, &b); break;
    }
    *specSize = a, *initSize = b;
    return st;
}

// Runs the init function that fits the options (and SetMode for the 8u mode
// the init does not build); memory of exactly the reported sizes.
::testing::AssertionResult makeSpec(Spec& s, const SpecOpt& o, Rng& rng, int sw, int sh, int dw, int dh) {
    int64_t specSize = 0, initSize = 0;
    KzvStatus st = getSize(o, sw, sh, dw, dh, &specSize, &initSize);
    if (st != kzvStatusOk) return ::testing::AssertionFailure() << "GetSize returned " << st;
    s.mem = callerMemory(rng, specSize);
    s.init = callerMemory(rng, initSize);
    s.p = reinterpret_cast<KzvResizeSpec*>(s.mem.data());
    s.sw = sw, s.sh = sh, s.dw = dw, s.dh = dh;
    Kzv8u* ib = s.init.data();
    const KzvImageSize S{sw, sh}, D{dw, dh};
    const KzvImageSizeL SL{sw, sh}, DL{dw, dh};
    const KzvDataKind dk = dataKindOf(o.type);
    const bool u8 = o.type == RefType::u8;
    bool needMode = false;  // the init built the other 8u mode
    KzvAlgHint hint = o.fast ? kzvAlgHintFast : kzvAlgHintAccurate;
    switch (o.interp) {
        case kNearest:
            if (o.L) st = kzviResizeNearestInit_L(SL, DL, dk, s.p);
            else if (o.type == RefType::u8) st = kzviResizeNearestInit_8u(S, D, s.p);
            else if (o.type == RefType::u16) st = kzviResizeNearestInit_16u(S, D, s.p);
            else if (o.type == RefType::s16) st = kzviResizeNearestInit_16s(S, D, s.p);
            else st = kzviResizeNearestInit_32f(S, D, s.p);
            break;
        case kLinear:
            if (o.L) {
                if (u8 && (!o.fast || rng.chance(0.5)))
                    st = kzviResizeLinearInit_8u_L(SL, DL, o.fast ? (rng.chance(0.5) ? kzvAlgHintNone : kzvAlgHintFast)
                                                                  : kzvAlgHintAccurate,
                                                   s.p);
                else
                    st = kzviResizeLinearInit_L(SL, DL, dk, s.p);
            } else if (u8) {
                st = kzviResizeLinearInit_8u(S, D, s.p);
                needMode = !o.fast;
            } else if (o.type == RefType::u16) st = kzviResizeLinearInit_16u(S, D, s.p);
            else if (o.type == RefType::s16) st = kzviResizeLinearInit_16s(S, D, s.p);
            else if (o.type == RefType::f32) st = kzviResizeLinearInit_32f(S, D, s.p);
            else st = kzviResizeLinearInit_64f(S, D, s.p);
            break;
        case kCubic:
            if (o.L) {
                if (u8)
                    st = kzviResizeCubicInit_8u_L(SL, DL, o.B, o.C,
                                                  o.fast ? kzvAlgHintFast
                                                         : (rng.chance(0.5) ? kzvAlgHintNone : kzvAlgHintAccurate),
                                                  s.p, ib);
                else
                    st = kzviResizeCubicInit_L(SL, DL, dk, o.B, o.C, s.p, ib);
            } else {
                if (u8) st = kzviResizeCubicInit_8u(S, D, o.B, o.C, s.p, ib);
                else if (o.type == RefType::u16) st = kzviResizeCubicInit_16u(S, D, o.B, o.C, s.p, ib);
                else if (o.type == RefType::s16) st = kzviResizeCubicInit_16s(S, D, o.B, o.C, s.p, ib);
                else st = kzviResizeCubicInit_32f(S, D, o.B, o.C, s.p, ib);
                needMode = u8 && o.fast;
            }
            break;
        default:
            if (o.L) {
                if (u8)
                    st = kzviResizeLanczosInit_8u_L(SL, DL, uint32_t(o.lobes),
                                                    o.fast ? kzvAlgHintFast
                                                           : (rng.chance(0.5) ? kzvAlgHintNone : kzvAlgHintAccurate),
                                                    s.p, ib);
                else
                    st = kzviResizeLanczosInit_L(SL, DL, dk, uint32_t(o.lobes), s.p, ib);
            } else {
                const uint32_t n = uint32_t(o.lobes);
                if (u8) st = kzviResizeLanczosInit_8u(S, D, n, s.p, ib);
                else if (o.type == RefType::u16) st = kzviResizeLanczosInit_16u(S, D, n, s.p, ib);
                else if (o.type == RefType::s16) st = kzviResizeLanczosInit_16s(S, D, n, s.p, ib);
                else st = kzviResizeLanczosInit_32f(S, D, n, s.p, ib);
                needMode = u8 && o.fast;
            }
            break;
    }
    if (st != kzvStatusOk) return ::testing::AssertionFailure() << "Init returned " << st;
    if (needMode && (st = kzviResizeSetMode(hint, s.p)) != kzvStatusOk)
        return ::testing::AssertionFailure() << "SetMode(" << hint << ") returned " << st;
    auto a = s.mem.checkWrites();
    if (!a) return a << " (spec memory)";
    a = s.init.checkWrites();
    if (!a) return a << " (init buffer)";
    s.mem.snapshot();  // apply calls only read it from here on
    return ::testing::AssertionSuccess();
}

KzvStatus getBufferSize(RefType t, bool L, const KzvResizeSpec* p, ptrdiff_t w, ptrdiff_t h, int C, int64_t* size) {
    if (L) {
        intptr_t v = -1;
        const KzvStatus st = kzviResizeGetBufferSize_L(p, KzvImageSizeL{intptr_t(w), intptr_t(h)}, C, &v);
        *size = v;
        return st;
    }
    int32_t v = -1;
    const KzvImageSize d{int32_t(w), int32_t(h)};
    KzvStatus st;
    switch (t) {
        case RefType::u8: st = kzviResizeGetBufferSize_8u(p, d, C, &v); break;
        case RefType::u16: st = kzviResizeGetBufferSize_16u(p, d, C, &v); break;
        case RefType::s16: st = kzviResizeGetBufferSize_16s(p, d, C, &v); break;
        case RefType::f32: st = kzviResizeGetBufferSize_32f(p, d, C, &v); break;
        default: st = kzviResizeGetBufferSize_64f(p, d, C, &v); break;
    }
    *size = v;
    return st;
}

KzvStatus getSrcOffset(RefType t, bool L, const KzvResizeSpec* p, int x, int y, int* sx, int* sy) {
    if (L) {
        KzvImagePointL o{-1, -1};
        const KzvStatus st = kzviResizeGetSrcOffset_L(p, KzvImagePointL{x, y}, &o);
        *sx = int(o.x), *sy = int(o.y);
        return st;
    }
    KzvImagePoint o{-1, -1};
    KzvStatus st;
    switch (t) {
        case RefType::u8: st = kzviResizeGetSrcOffset_8u(p, {x, y}, &o); break;
        case RefType::u16: st = kzviResizeGetSrcOffset_16u(p, {x, y}, &o); break;
        case RefType::s16: st = kzviResizeGetSrcOffset_16s(p, {x, y}, &o); break;
        case RefType::f32: st = kzviResizeGetSrcOffset_32f(p, {x, y}, &o); break;
        default: st = kzviResizeGetSrcOffset_64f(p, {x, y}, &o); break;
    }
    *sx = o.x, *sy = o.y;
    return st;
}

// Source ROI of a destination tile: x, y, width, height.
KzvStatus getSrcRoi(RefType t, bool L, const KzvResizeSpec* p, int x, int y, int w, int h, int out[4]) {
    if (L) {
        KzvImagePointL o{-1, -1};
        KzvImageSizeL z{-1, -1};
        const KzvStatus st = kzviResizeGetSrcRoi_L(p, KzvImageRectL{x, y, w, h}, &o, &z);
        out[0] = int(o.x), out[1] = int(o.y), out[2] = int(z.width), out[3] = int(z.height);
        return st;
    }
    KzvImagePoint o{-1, -1};
    KzvImageSize z{-1, -1};
    const KzvImageRect r{x, y, w, h};
    KzvStatus st;
    switch (t) {
        case RefType::u8: st = kzviResizeGetSrcRoi_8u(p, r, &o, &z); break;
        case RefType::u16: st = kzviResizeGetSrcRoi_16u(p, r, &o, &z); break;
        case RefType::s16: st = kzviResizeGetSrcRoi_16s(p, r, &o, &z); break;
        case RefType::f32: st = kzviResizeGetSrcRoi_32f(p, r, &o, &z); break;
        default: st = kzviResizeGetSrcRoi_64f(p, r, &o, &z); break;
    }
    out[0] = o.x, out[1] = o.y, out[2] = z.width, out[3] = z.height;
    return st;
}

KzvStatus getBorderSize(RefType t, bool L, const KzvResizeSpec* p, KzvBorderSize* b) {
    if (L) return kzviResizeGetBorderSize_L(p, b);
    switch (t) {
        case RefType::u8: return kzviResizeGetBorderSize_8u(p, b);
        case RefType::u16: return kzviResizeGetBorderSize_16u(p, b);
        case RefType::s16: return kzviResizeGetBorderSize_16s(p, b);
        case RefType::f32: return kzviResizeGetBorderSize_32f(p, b);
        default: return kzviResizeGetBorderSize_64f(p, b);
    }
}

// ---- Random cases ------------------------------------------------------------------

int minSource(int interp, int lobes) {
    return interp == kNearest ? 1 : interp == kLinear ? 2 : interp == kCubic ? 4 : 2 * lobes;
}

// One axis: enlargement, reduction, a 1-pixel destination, the minimum
// source, equal lengths or anything; now and then wide enough for several
// vectors. Wide axes also take exact small ratios (2:1, 3:2, 1:4, ...), whose
// column taps repeat every few pixels: the one-channel kernels read those
// from contiguous windows.
void pickAxis(Rng& rng, int minS, bool wide, int& s, int& d) {
    const int span = wide ? 120 : 30;
    if (wide && rng.chance(0.5)) {
        static const int ratios[][2] = {{2, 1}, {3, 1}, {4, 1}, {3, 2}, {5, 4}, {1, 2}, {2, 3}, {1, 4}, {4, 3}, {5, 2}};
        const auto& q = ratios[rng.uniform(0, 9)];
        const int n = rng.uniform(std::max(1, (minS + q[0] - 1) / q[0]) + 40 / (q[0] + q[1]), 160 / (q[0] + q[1]));
        s = q[0] * n, d = q[1] * n;
        return;
    }
    switch (rng.uniform(0, 5)) {
        case 0: s = rng.uniform(minS, minS + 12), d = s + rng.uniform(1, 3 * s); break;
        case 1: d = rng.uniform(1, span / 2), s = std::max(minS, d + rng.uniform(1, 3 * d + 8)); break;
        case 2: s = rng.uniform(minS, span), d = 1; break;
        case 3: s = minS, d = rng.uniform(1, span); break;
        case 4: s = d = rng.uniform(minS, span); break;
        default: s = rng.uniform(minS, span), d = rng.uniform(1, span + 20); break;
    }
}

SpecOpt pickOpt(Rng& rng, const ApplyRow& row) {
    SpecOpt o;
    o.interp = row.interp, o.type = row.type, o.L = row.L;
    o.fast = row.type == RefType::u8 && row.interp != kNearest && rng.chance(0.6);
    o.lobes = row.interp == kLanczos ? rng.pick({2, 3}) : 2;
    if (row.interp == kCubic) {
        const std::array<float, 2> bc[] = {{0.f, 0.5f}, {1.f, 0.f}, {0.5f, 0.3f}, {1.f / 3, 1.f / 3}, {0.f, 0.f}};
        const auto p = bc[rng.uniform(0, 4)];
        o.B = p[0], o.C = p[1];
        if (rng.chance(0.2)) o.B = float(rng.real(-1, 2)), o.C = float(rng.real(-1, 2));
    }
    return o;
}

RefBorder pickBorder(Rng& rng, const ApplyRow& row, bool flags) {
    RefBorder b;
    if (row.interp == kNearest) return b;
    b.kind = (row.interp == kLanczos || row.L) ? 1 : rng.pick({1, 3, 4});
    if (flags && rng.chance(0.4)) b.flags = rng.uniform(1, 15) << 4;
    if (flags && rng.chance(0.1)) b = RefBorder{0, 0xF0};
    return b;
}

// A source of W x H pixels with r real pixels beyond each flagged side, in a
// guarded image, and its reference copy.
template <class T>
struct Source {
    GuardedImage img;
    RefSrc<T> ref;
    const uint8_t* roi = nullptr;
};

template <class T>
Source<T> makeSource(Rng& rng, int W, int H, int C, const RefBorder& b, int r) {
    Source<T> s;
    RefSrc<T>& f = s.ref;
    f.W = W, f.H = H, f.C = C;
    f.mL = (b.flags & 0x40) ? r : 0, f.mR = (b.flags & 0x80) ? r : 0;
    f.mT = (b.flags & 0x10) ? r : 0, f.mB = (b.flags & 0x20) ? r : 0;
    const int EW = W + f.mL + f.mR, EH = H + f.mT + f.mB;
    f.px = kzvt::randomSamples<T>(rng, size_t(EW) * EH * C, !std::is_floating_point_v<T> && rng.chance(0.25));
    s.img = GuardedImage(kzvt::randomLayout(rng, EW, EH, C * int(sizeof(T)), int(sizeof(T)), false));
    s.img.load(f.px.data());
    s.roi = s.img.row(f.mT) + f.mL * C * int(sizeof(T));
    return s;
}

std::string describe(const ApplyRow& row, const SpecOpt& o, const Spec& s, const RefBorder& b) {
    std::ostringstream os;
    os << row.name << " " << s.sw << "x" << s.sh << " -> " << s.dw << "x" << s.dh << " border 0x" << std::hex
       << b.value() << std::dec << (o.fast ? " fast" : "");
    if (o.interp == kCubic) os << " B " << o.B << " C " << o.C;
    if (o.interp == kLanczos) os << " lobes " << o.lobes;
    return os.str();
}

template <class T>
::testing::AssertionResult compareTile(const RefModel& m, const RefSrc<T>& src, const RefBorder& b,
                                       const GuardedImage& dst, int x0, int y0) {
    const int C = src.C;
    int bad = 0;
    std::ostringstream os;
    for (int y = 0; y < dst.height(); ++y) {
        const T* row = dst.rowAs<T>(y);
        for (int x = 0; x < dst.width(); ++x)
            for (int c = 0; c < C; ++c) {
                const RefVal r = refPixel(m, src, b, y0 + y, x0 + x, c);
                const T got = row[x * C + c];
                if (refAccepts(r, got)) continue;
                if (bad++ < 4)
                    os << "\n  pixel (" << x0 + x << ", " << y0 + y << ") channel " << c << ": got " << +got
                       << ", want " << r.v << " (slack " << r.eps << "); source position x " << m.ax.idx[x0 + x]
                       << " + " << m.ax.t[x0 + x] << ", y " << m.ay.idx[y0 + y] << " + " << m.ay.t[y0 + y];
            }
    }
    if (!bad) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " samples differ" << os.str();
}

template <class T>
void runReference(const ApplyRow& row, Rng& rng, int iters) {
    const int C = row.channels, pb = C * int(sizeof(T));
    for (int iter = 0; iter < iters; ++iter) {
        const SpecOpt o = pickOpt(rng, row);
        const int minS = minSource(o.interp, o.lobes);
        const bool wide = rng.chance(0.3);
        int sw, sh, dw, dh;
        pickAxis(rng, minS, wide, sw, dw);
        pickAxis(rng, minS, false, sh, dh);
        Spec spec;
        ASSERT_TRUE(makeSpec(spec, o, rng, sw, sh, dw, dh)) << row.name << " " << sw << "x" << sh << " -> " << dw
                                                           << "x" << dh;
        const RefBorder b = pickBorder(rng, row, true);
        const int r = halfWidth(o.interp, o.lobes);
        Source<T> src = makeSource<T>(rng, sw, sh, C, b, r);
        const RefModel m = refModel(o.interp, row.type, o.fast, sw, sh, dw, dh, o.B, o.C, o.lobes);

        // The whole image (sometimes overhanging, trimmed with 48), or a tile.
        int tx = 0, ty = 0, tw = dw, th = dh;
        if (rng.chance(0.3)) {
            tx = rng.uniform(0, dw - 1), ty = rng.uniform(0, dh - 1);
            tw = rng.uniform(1, dw - tx), th = rng.uniform(1, dh - ty);
        }
        const bool over = rng.chance(0.15);
        const int cw = over ? tw + rng.uniform(0, 5) + 1 : tw, ch = over ? th + rng.uniform(0, 3) : th;
        // 48 reports a trimmed tile (one that overhangs the destination).
        const KzvStatus want = (tx + cw > dw || ty + ch > dh) ? kzvStatusSizeAdjusted : kzvStatusOk;
        int sx = -1, sy = -1;
        ASSERT_EQ(getSrcOffset(row.type, row.L, spec.p, tx, ty, &sx, &sy), kzvStatusOk);
        int64_t bufSize = -1;
        const KzvStatus bst = getBufferSize(row.type, row.L, spec.p, cw, ch, C, &bufSize);
        ASSERT_TRUE(bst == kzvStatusOk || bst == kzvStatusSizeAdjusted) << bst;
        GuardedImage buf = callerMemory(rng, bufSize);
        GuardedImage dst(kzvt::randomLayout(rng, std::min(cw, dw - tx), std::min(ch, dh - ty), pb, int(sizeof(T)),
                                            false));
        dst.fillRandomBytes(rng);
        const T bv[4] = {};
        const KzvStatus st = row.fn(src.roi + ptrdiff_t(sy) * src.img.step() + ptrdiff_t(sx) * pb, src.img.step(),
                                    dst.data(), dst.step(), tx, ty, cw, ch, b.value(), bv, spec.p, buf.data());
        const std::string what = describe(row, o, spec, b) + " tile " + std::to_string(tx) + "," +
                                 std::to_string(ty) + " " + std::to_string(cw) + "x" + std::to_string(ch);
        ASSERT_EQ(st, want) << what;
        ASSERT_TRUE(dst.checkWrites()) << what;
        ASSERT_TRUE(src.img.unchanged()) << what;
        ASSERT_TRUE(buf.checkWrites()) << what;
        ASSERT_TRUE(spec.mem.unchanged()) << what;
        ASSERT_TRUE(compareTile<T>(m, src.ref, b, dst, tx, ty)) << what;
    }
}

template <class F>
void forRowsOfType(const ApplyRow& row, F&& f) {
    switch (row.type) {
        case RefType::u8: f(Kzv8u{}); break;
        case RefType::u16: f(Kzv16u{}); break;
        case RefType::s16: f(Kzv16s{}); break;
        case RefType::f32: f(Kzv32f{}); break;
        default: f(Kzv64f{}); break;
    }
}

uint64_t nameHash(const char* s) {
    uint64_t h = 1469598103934665603ull;
    for (; *s; ++s) h = (h ^ uint8_t(*s)) * 1099511628211ull;
    return h;
}

void referenceSweep(int interp, int iters) {
    kzvt::forEachSeed([&](uint64_t seed) {
        for (const ApplyRow& row : applyRows()) {
            if (row.interp != interp) continue;
            SCOPED_TRACE(row.name);
            Rng rng(seed ^ nameHash(row.name));
            forRowsOfType(row, [&](auto t) { runReference<decltype(t)>(row, rng, iters); });
            if (::testing::Test::HasFatalFailure()) return;
        }
    });
}


// ---- Tiles ----------------------------------------------------------------------

// Cuts [0, n) into random pieces; the last may overhang the end (trimmed).
std::vector<std::pair<int, int>> randomCuts(Rng& rng, int n, bool overhang) {
    std::vector<std::pair<int, int>> out;
    int at = 0;
    while (at < n) {
        int len = rng.chance(0.3) ? 1 : rng.uniform(1, std::max(1, n / 2));
        len = std::min(len, n - at);
        if (at + len == n && overhang) len += rng.uniform(1, 4);
        out.push_back({at, len});
        at += len;
    }
    return out;
}

template <class T>
void runTiles(const ApplyRow& row, Rng& rng) {
    const int C = row.channels, pb = C * int(sizeof(T));
    const SpecOpt o = pickOpt(rng, row);
    int sw, sh, dw, dh;
    pickAxis(rng, minSource(o.interp, o.lobes), rng.chance(0.3), sw, dw);
    pickAxis(rng, minSource(o.interp, o.lobes), false, sh, dh);
    Spec spec;
    ASSERT_TRUE(makeSpec(spec, o, rng, sw, sh, dw, dh));
    const RefBorder b = pickBorder(rng, row, true);
    Source<T> src = makeSource<T>(rng, sw, sh, C, b, halfWidth(o.interp, o.lobes));
    const std::string what = describe(row, o, spec, b);
    const T bv[4] = {};

    int64_t size = -1;
    ASSERT_EQ(getBufferSize(row.type, row.L, spec.p, dw, dh, C, &size), kzvStatusOk) << what;
    GuardedImage buf = callerMemory(rng, size);
    GuardedImage whole(kzvt::randomLayout(rng, dw, dh, pb, int(sizeof(T)), false));
    ASSERT_EQ(row.fn(src.roi, src.img.step(), whole.data(), whole.step(), 0, 0, dw, dh, b.value(), bv, spec.p,
                     buf.data()),
              kzvStatusOk)
        << what;
    const bool overhang = rng.chance(0.5);
    for (auto [ty, th] : randomCuts(rng, dh, overhang))
        for (auto [tx, tw] : randomCuts(rng, dw, overhang)) {
            const std::string tile = what + " tile " + std::to_string(tx) + "," + std::to_string(ty) + " " +
                                     std::to_string(tw) + "x" + std::to_string(th);
            int sx = -1, sy = -1;
            ASSERT_EQ(getSrcOffset(row.type, row.L, spec.p, tx, ty, &sx, &sy), kzvStatusOk) << tile;
            // The size query knows no offset: 48 for a tile larger than the
            // destination; the apply call reports any trimmed tile.
            ASSERT_EQ(getBufferSize(row.type, row.L, spec.p, tw, th, C, &size),
                      (tw > dw || th > dh) ? kzvStatusSizeAdjusted : kzvStatusOk)
                << tile;
            const KzvStatus want = (tx + tw > dw || ty + th > dh) ? kzvStatusSizeAdjusted : kzvStatusOk;
            GuardedImage tbuf = callerMemory(rng, size);
            const int vw = std::min(tw, dw - tx), vh = std::min(th, dh - ty);
            GuardedImage part(kzvt::randomLayout(rng, vw, vh, pb, int(sizeof(T)), false));
            part.fillRandomBytes(rng);
            const KzvStatus st =
                row.fn(src.roi + ptrdiff_t(sy) * src.img.step() + ptrdiff_t(sx) * pb, src.img.step(), part.data(),
                       part.step(), tx, ty, tw, th, b.value(), bv, spec.p, tbuf.data());
            ASSERT_EQ(st, want) << tile;
            ASSERT_TRUE(part.checkWrites()) << tile;
            ASSERT_TRUE(tbuf.checkWrites()) << tile;
            for (int y = 0; y < vh; ++y)
                ASSERT_EQ(0, memcmp(part.row(y), whole.row(ty + y) + ptrdiff_t(tx) * pb, size_t(vw) * pb))
                    << tile << ": row " << ty + y << " differs from the whole-image call";
        }
}

// A tile whose source pixels are only those GetSrcRoi reports plus the
// GetBorderSize pixels around them (clipped to the image, where the border is
// synthesised): the readable memory is exactly that rectangle, with guard
// pages before or after and no row padding.
template <class T>
void runRestrictedTile(const ApplyRow& row, Rng& rng) {
    const int C = row.channels, pb = C * int(sizeof(T));
    const SpecOpt o = pickOpt(rng, row);
    int sw, sh, dw, dh;
    pickAxis(rng, minSource(o.interp, o.lobes), rng.chance(0.3), sw, dw);
    pickAxis(rng, minSource(o.interp, o.lobes), false, sh, dh);
    Spec spec;
    ASSERT_TRUE(makeSpec(spec, o, rng, sw, sh, dw, dh));
    const RefBorder b = pickBorder(rng, row, false);
    Source<T> src = makeSource<T>(rng, sw, sh, C, b, 0);
    const std::string what = describe(row, o, spec, b);
    const T bv[4] = {};
    int64_t size = -1;
    ASSERT_EQ(getBufferSize(row.type, row.L, spec.p, dw, dh, C, &size), kzvStatusOk) << what;
    GuardedImage buf = callerMemory(rng, size);
    GuardedImage whole(dw, dh, pb);
    ASSERT_EQ(row.fn(src.roi, src.img.step(), whole.data(), whole.step(), 0, 0, dw, dh, b.value(), bv, spec.p,
                     buf.data()),
              kzvStatusOk)
        << what;

    KzvBorderSize bs{-1, -1, -1, -1};
    ASSERT_EQ(getBorderSize(row.type, row.L, spec.p, &bs), kzvStatusOk) << what;
    const int r = halfWidth(o.interp, o.lobes);
    ASSERT_TRUE(bs.left == r && bs.top == r && bs.right == r && bs.bottom == r)
        << what << ": border size " << bs.left << " " << bs.top << " " << bs.right << " " << bs.bottom;
    const RefAxis ax = refAxis(sw, dw, o.interp, o.lobes), ay = refAxis(sh, dh, o.interp, o.lobes);
    for (int k = 0; k < 4; ++k) {
        // Middle tiles mostly; edge tiles too.
        int tx = rng.uniform(0, dw - 1), ty = rng.uniform(0, dh - 1);
        int tw = rng.uniform(1, dw - tx), th = rng.uniform(1, dh - ty);
        const std::string tile = what + " tile " + std::to_string(tx) + "," + std::to_string(ty) + " " +
                                 std::to_string(tw) + "x" + std::to_string(th);
        int roi[4];
        ASSERT_EQ(getSrcRoi(row.type, row.L, spec.p, tx, ty, tw, th, roi), kzvStatusOk) << tile;
        // The documented rule: offset floor(x * R); extent to the index of
        // the tile's last pixel, or to the source end for a tile that ends
        // at the destination end.
        const int ox = int(std::floor(tx * reducedRatio(sw, dw))), oy = int(std::floor(ty * reducedRatio(sh, dh)));
        // At least one pixel: a narrow tile of an enlargement can end at an
        // index one before its origin, and under reflect its outside tap
        // reads the pixel after the origin, which only origin plus border
        // reaches.
        const int rw = std::max(1, tx + tw == dw ? sw - ox : ax.idx[tx + tw - 1] - ox + 1);
        const int rh = std::max(1, ty + th == dh ? sh - oy : ay.idx[ty + th - 1] - oy + 1);
        ASSERT_TRUE(roi[0] == ox && roi[1] == oy && roi[2] == rw && roi[3] == rh)
            << tile << ": source ROI " << roi[0] << "," << roi[1] << " " << roi[2] << "x" << roi[3] << ", want " << ox
            << "," << oy << " " << rw << "x" << rh;
        int sx = -1, sy = -1;
        ASSERT_EQ(getSrcOffset(row.type, row.L, spec.p, tx, ty, &sx, &sy), kzvStatusOk) << tile;
        ASSERT_TRUE(sx == ox && sy == oy) << tile << ": source offset " << sx << "," << sy;
        const int x0 = std::max(0, ox - bs.left), x1 = std::min(sw, ox + rw + bs.right);
        const int y0 = std::max(0, oy - bs.top), y1 = std::min(sh, oy + rh + bs.bottom);
        ASSERT_TRUE(x1 > x0 && y1 > y0) << tile;
        GuardedImage part(x1 - x0, y1 - y0, pb, 0, -1, rng.chance(0.5) ? kzvt::Guard::Before : kzvt::Guard::After);
        for (int y = y0; y < y1; ++y) memcpy(part.row(y - y0), src.img.row(y) + ptrdiff_t(x0) * pb, size_t(x1 - x0) * pb);
        part.snapshot();
        ASSERT_EQ(getBufferSize(row.type, row.L, spec.p, tw, th, C, &size), kzvStatusOk) << tile;
        GuardedImage tbuf = callerMemory(rng, size);
        GuardedImage out(tw, th, pb);
        const uint8_t* p = part.row(oy - y0) + ptrdiff_t(ox - x0) * pb;
        ASSERT_EQ(row.fn(p, part.step(), out.data(), out.step(), tx, ty, tw, th, b.value(), bv, spec.p, tbuf.data()),
                  kzvStatusOk)
            << tile;
        ASSERT_TRUE(out.checkWrites()) << tile;
        for (int y = 0; y < th; ++y)
            ASSERT_EQ(0, memcmp(out.row(y), whole.row(ty + y) + ptrdiff_t(tx) * pb, size_t(tw) * pb))
                << tile << ": row " << ty + y << " differs: the tile read outside its source ROI and border";
    }
}

void rowSweep(const std::function<void(const ApplyRow&, Rng&)>& f) {
    kzvt::forEachSeed([&](uint64_t seed) {
        for (const ApplyRow& row : applyRows()) {
            SCOPED_TRACE(row.name);
            Rng rng(seed ^ nameHash(row.name) ^ 0x7117);
            f(row, rng);
            if (::testing::Test::HasFatalFailure()) return;
        }
    });
}

}  // namespace

TEST(ResizeNearest, MatchesReferenceForEveryExport) {
    referenceSweep(kNearest, 12);
}
TEST(ResizeLinear, MatchesReferenceForEveryExport) {
    referenceSweep(kLinear, 12);
}
TEST(ResizeCubic, MatchesReferenceForEveryExport) {
    referenceSweep(kCubic, 10);
}
TEST(ResizeLanczos, MatchesReferenceForEveryExport) {
    referenceSweep(kLanczos, 10);
}


TEST(ResizeTiles, SeparateTilesEqualTheWholeImage) {
    rowSweep([](const ApplyRow& row, Rng& rng) {
        for (int i = 0; i < 2 && !::testing::Test::HasFatalFailure(); ++i)
            forRowsOfType(row, [&](auto t) { runTiles<decltype(t)>(row, rng); });
    });
}

// Split by the kernels' sample access: float samples and nearest copies, and
// integer samples on the interpolating paths.
static bool floatOrNearest(const ApplyRow& row) {
    return row.type == RefType::f32 || row.type == RefType::f64 || row.interp == kNearest;
}

TEST(ResizeTiles, TileReadsOnlyItsSourceRoiAndBorderFloat) {
    rowSweep([](const ApplyRow& row, Rng& rng) {
        if (!floatOrNearest(row)) return;
        forRowsOfType(row, [&](auto t) { runRestrictedTile<decltype(t)>(row, rng); });
    });
}

TEST(ResizeTiles, TileReadsOnlyItsSourceRoiAndBorderInteger) {
    rowSweep([](const ApplyRow& row, Rng& rng) {
        if (floatOrNearest(row)) return;
        forRowsOfType(row, [&](auto t) { runRestrictedTile<decltype(t)>(row, rng); });
    });
}
