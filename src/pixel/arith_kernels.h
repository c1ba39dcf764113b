// Row routines of the arithmetic family: vector/scalar access helpers, the
// one-source, two-source and constant row loops, and small fills.
//
// Row routines are templates over a functor with a vector overload (one
// 32-byte vector of samples) and a scalar overload (one sample), so the
// vector body and the tail compute the same thing. The tail is always the
// scalar functor: rows may be in-place (the destination aliases a source)
// and steps are used as given, so a row may even start at an odd address.
#ifndef KZV_PIXEL_ARITH_KERNELS_H
#define KZV_PIXEL_ARITH_KERNELS_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <math.h>
#include <string.h>

#include <type_traits>

#include "common/frame.h"
#include "common/sfs.h"

namespace kzv::arith {

// Layout code of the AC4 forms in the export lists (C1, C3, C4 are 1, 3, 4).
constexpr int kAC4 = 9;

template <int L>
constexpr int channelsOf() {
    return L == kAC4 ? 4 : L;
}

// ---- Sample and vector access ----------------------------------------------

// Scalar access through memcpy: rows of 16-bit and 32-bit samples may be
// misaligned when the caller passes odd steps.
template <class T>
inline T ld(const T* p, ptrdiff_t i) {
    T v;
    memcpy(&v, reinterpret_cast<const uint8_t*>(p) + i * ptrdiff_t(sizeof(T)), sizeof(T));
    return v;
}
template <class T>
inline void st(T* p, ptrdiff_t i, T v) {
    memcpy(reinterpret_cast<uint8_t*>(p) + i * ptrdiff_t(sizeof(T)), &v, sizeof(T));
}

template <class T>
struct VecOf {
    using type = __m256i;
};
template <>
struct VecOf<float> {
    using type = __m256;
};
template <class T>
using Vec = typename VecOf<T>::type;

template <class T>
inline Vec<T> vld(const T* p, ptrdiff_t i) {
    const uint8_t* b = reinterpret_cast<const uint8_t*>(p) + i * ptrdiff_t(sizeof(T));
    if constexpr (std::is_same_v<T, float>) {
        __m256 v;
        memcpy(&v, b, 32);
        return v;
    } else {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b));
    }
}
template <class T>
inline void vst(T* p, ptrdiff_t i, Vec<T> v) {
    uint8_t* b = reinterpret_cast<uint8_t*>(p) + i * ptrdiff_t(sizeof(T));
    if constexpr (std::is_same_v<T, float>) {
        memcpy(b, &v, 32);
    } else {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(b), v);
    }
}

// Replaces the fourth sample of every pixel of r by the one of old.
template <class T>
inline Vec<T> keepAlpha(Vec<T> r, Vec<T> old) {
    if constexpr (std::is_same_v<T, float>) {
        return _mm256_blend_ps(r, old, 0x88);
    } else if constexpr (sizeof(T) == 2) {
        return _mm256_blend_epi16(r, old, 0x88);
    } else {
        return _mm256_blendv_epi8(r, old, _mm256_set1_epi32(int32_t(0xFF000000u)));
    }
}

template <class T>
constexpr ptrdiff_t lanes() {
    return 32 / ptrdiff_t(sizeof(T));
}

// ---- Row loops ----------------------------------------------------------------
// n is the number of samples of the row (width times channels). With AC4
// every fourth sample is left as it is: the vector body re-stores the
// destination's own alpha, the tail skips it.

// The row loops work on a local copy of the functor and hand its state back
// at the end: stores through the byte-typed vector stores may alias any
// object the caller can see, so state kept there (warning masks, constants)
// would be reloaded and stored again around every vector.
template <class F>
struct LocalFn {
    F& outer;
    F f;
    explicit LocalFn(F& o) : outer(o), f(o) {}
    ~LocalFn() { outer = f; }
    LocalFn(const LocalFn&) = delete;
    LocalFn& operator=(const LocalFn&) = delete;
};

template <class T, bool AC4, class F>
inline void rowBinary(const T* a, const T* b, T* d, ptrdiff_t n, F& outer) {
    constexpr ptrdiff_t V = lanes<T>();
    LocalFn<F> local(outer);
    F& f = local.f;
    ptrdiff_t i = 0;
    for (; i + 2 * V <= n; i += 2 * V) {
        Vec<T> r0 = f(vld(a, i), vld(b, i));
        Vec<T> r1 = f(vld(a, i + V), vld(b, i + V));
        if constexpr (AC4) {
            r0 = keepAlpha<T>(r0, vld(d, i));
            r1 = keepAlpha<T>(r1, vld(d, i + V));
        }
        vst(d, i, r0);
        vst(d, i + V, r1);
    }
    for (; i + V <= n; i += V) {
        Vec<T> r = f(vld(a, i), vld(b, i));
        if constexpr (AC4) r = keepAlpha<T>(r, vld(d, i));
        vst(d, i, r);
    }
    for (; i < n; ++i) {
        if (AC4 && (i & 3) == 3) continue;
        st(d, i, T(f(ld(a, i), ld(b, i))));
    }
}

// A constant operand: one vector pattern (C1, C4, AC4) or three that repeat
// (C3, where a vector does not hold whole pixels), and the per-channel
// samples for the tail.
template <class T>
struct Pattern {
    Vec<T> v[3];
    int nv = 1;
    T s[4] = {};
    int ch = 1;
};

// nvals values (1, 3 or 4) repeating with period ch (1, 3 or 4; AC4 has
// three values and period four, its fourth sample being a don't-care).
template <class T>
inline Pattern<T> makePattern(const T* vals, int nvals, int ch) {
    Pattern<T> p;
    p.ch = ch;
    const int nv = ch == 3 ? 3 : 1;
    p.nv = nv;
    for (int c = 0; c < 4; ++c) p.s[c] = c < nvals ? vals[c] : T(0);
    constexpr int V = int(lanes<T>());
    for (int k = 0; k < nv; ++k) {
        T tmp[V];
        for (int j = 0; j < V; ++j) tmp[j] = p.s[(k * V + j) % ch];
        p.v[k] = vld(tmp, 0);
    }
    return p;
}

template <class T, bool AC4, class F>
inline void rowConst(const T* a, const Pattern<T>& c, T* d, ptrdiff_t n, F& outer) {
    constexpr ptrdiff_t V = lanes<T>();
    LocalFn<F> local(outer);
    F& f = local.f;
    ptrdiff_t i = 0;
    if (c.nv == 1) {
        const Vec<T> cv = c.v[0];
        for (; i + 2 * V <= n; i += 2 * V) {
            Vec<T> r0 = f(vld(a, i), cv);
            Vec<T> r1 = f(vld(a, i + V), cv);
            if constexpr (AC4) {
                r0 = keepAlpha<T>(r0, vld(d, i));
                r1 = keepAlpha<T>(r1, vld(d, i + V));
            }
            vst(d, i, r0);
            vst(d, i + V, r1);
        }
        for (; i + V <= n; i += V) {
            Vec<T> r = f(vld(a, i), cv);
            if constexpr (AC4) r = keepAlpha<T>(r, vld(d, i));
            vst(d, i, r);
        }
    } else {
        for (; i + 3 * V <= n; i += 3 * V) {
            vst(d, i, f(vld(a, i), c.v[0]));
            vst(d, i + V, f(vld(a, i + V), c.v[1]));
            vst(d, i + 2 * V, f(vld(a, i + 2 * V), c.v[2]));
        }
        for (int k = 0; i + V <= n; i += V, ++k) vst(d, i, f(vld(a, i), c.v[k]));
    }
    int ci = int(i % c.ch);
    for (; i < n; ++i) {
        if (!(AC4 && (i & 3) == 3)) st(d, i, T(f(ld(a, i), c.s[ci])));
        if (++ci == c.ch) ci = 0;
    }
}

template <class T, bool AC4, class F>
inline void rowUnary(const T* a, T* d, ptrdiff_t n, F& outer) {
    constexpr ptrdiff_t V = lanes<T>();
    LocalFn<F> local(outer);
    F& f = local.f;
    ptrdiff_t i = 0;
    for (; i + 2 * V <= n; i += 2 * V) {
        Vec<T> r0 = f(vld(a, i));
        Vec<T> r1 = f(vld(a, i + V));
        if constexpr (AC4) {
            r0 = keepAlpha<T>(r0, vld(d, i));
            r1 = keepAlpha<T>(r1, vld(d, i + V));
        }
        vst(d, i, r0);
        vst(d, i + V, r1);
    }
    for (; i + V <= n; i += V) {
        Vec<T> r = f(vld(a, i));
        if constexpr (AC4) r = keepAlpha<T>(r, vld(d, i));
        vst(d, i, r);
    }
    for (; i < n; ++i) {
        if (AC4 && (i & 3) == 3) continue;
        st(d, i, T(f(ld(a, i))));
    }
}

// ---- Region walkers -----------------------------------------------------------
// Row by row, or as one row when every step equals the row's byte length
// (the results are the same sample by sample, in-place calls included).

inline bool packedRows(ptrdiff_t rowBytes, ptrdiff_t h, ptrdiff_t s) {
    return s == rowBytes && h > 1 && rowBytes <= PTRDIFF_MAX / h;
}

template <class T, bool AC4, class F>
inline void walkBinary(const T* a, ptrdiff_t as, const T* b, ptrdiff_t bs, T* d, ptrdiff_t ds, ptrdiff_t n,
                       ptrdiff_t h, F& fn) {
    const ptrdiff_t rb = n * ptrdiff_t(sizeof(T));
    if (packedRows(rb, h, as) && bs == rb && ds == rb) {
        rowBinary<T, AC4>(a, b, d, n * h, fn);
        return;
    }
    for (ptrdiff_t y = 0; y < h; ++y) rowBinary<T, AC4>(rowAt(a, as, y), rowAt(b, bs, y), rowAt(d, ds, y), n, fn);
}

// Rows hold whole pixels, so a constant's pattern continues across them.
template <class T, bool AC4, class F>
inline void walkConst(const T* a, ptrdiff_t as, const Pattern<T>& c, T* d, ptrdiff_t ds, ptrdiff_t n, ptrdiff_t h,
                      F& fn) {
    const ptrdiff_t rb = n * ptrdiff_t(sizeof(T));
    if (packedRows(rb, h, as) && ds == rb) {
        rowConst<T, AC4>(a, c, d, n * h, fn);
        return;
    }
    for (ptrdiff_t y = 0; y < h; ++y) rowConst<T, AC4>(rowAt(a, as, y), c, rowAt(d, ds, y), n, fn);
}

template <class T, bool AC4, class F>
inline void walkUnary(const T* a, ptrdiff_t as, T* d, ptrdiff_t ds, ptrdiff_t n, ptrdiff_t h, F& fn) {
    const ptrdiff_t rb = n * ptrdiff_t(sizeof(T));
    if (packedRows(rb, h, as) && ds == rb) {
        rowUnary<T, AC4>(a, d, n * h, fn);
        return;
    }
    for (ptrdiff_t y = 0; y < h; ++y) rowUnary<T, AC4>(rowAt(a, as, y), rowAt(d, ds, y), n, fn);
}

// ---- Fills ------------------------------------------------------------------
// Fills every sample of the region with the byte pattern of v (for 8u with
// 0 or 255, for wider types with 0); AC4 keeps the fourth sample.
template <class T, int L>
inline void fillRows(T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h, T v) {
    constexpr int ch = channelsOf<L>();
    const ptrdiff_t n = w * ch;
    for (ptrdiff_t y = 0; y < h; ++y) {
        T* r = rowAt(d, ds, y);
        if constexpr (L != kAC4) {
            if (sizeof(T) == 1 || v == T(0)) {
                uint8_t byte;
                memcpy(&byte, &v, 1);
                memset(r, byte, size_t(n) * sizeof(T));
                continue;
            }
            for (ptrdiff_t i = 0; i < n; ++i) st(r, i, v);
        } else {
            for (ptrdiff_t i = 0; i < n; ++i)
                if ((i & 3) != 3) st(r, i, v);
        }
    }
}

// The fill as a call of its own: checks the destination and the size.
template <class T, int L>
inline KzvStatus fillRegion(T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h, T v) {
    if (d == nullptr) return kzvStatusNullPtrErr;
    if (w < 1 || h < 1) return kzvStatusSizeErr;
    fillRows<T, L>(d, ds, w, h, v);
    return kzvStatusOk;
}

// Row copy used where an operation reduces to the identity.
template <class T, int L>
inline void copyRows(const T* s, ptrdiff_t ss, T* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h) {
    constexpr int ch = channelsOf<L>();
    const ptrdiff_t n = w * ch;
    for (ptrdiff_t y = 0; y < h; ++y) {
        const T* a = rowAt(s, ss, y);
        T* r = rowAt(d, ds, y);
        if (a == r) continue;
        if constexpr (L != kAC4) {
            memmove(r, a, size_t(n) * sizeof(T));
        } else {
            for (ptrdiff_t i = 0; i < n; ++i)
                if ((i & 3) != 3) st(r, i, ld(a, i));
        }
    }
}

// 2^e as a float or double, exact for the exponents used here.
inline float pow2f(int e) {
    return float(ldexp(1.0, e));
}

}  // namespace kzv::arith

#endif  // KZV_PIXEL_ARITH_KERNELS_H
