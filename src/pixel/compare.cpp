// Comparison into masks, fixed thresholds and the Otsu threshold.
//
// Comparisons write one mask byte per pixel: one-channel rows are compared
// 32 pixels at a time and the lane masks packed down to bytes; multi-channel
// rows combine their channels per pixel. Thresholds are per-sample
// operations on the shared pattern routines of the pixel families.
#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <atomic>
#include <cmath>

#include "common/frame.h"
#include "common/simd.h"
#include "kzvi.h"
#include "pixel/compare_hist.h"
#include "pixel/logic_rows.h"

namespace kzv::pix {
namespace {

// ---- Relations ----------------------------------------------------------------

// a < b, a <= b, a == b; GreaterEq and Greater swap the operands.
template <class T, int R>
struct Rel {
    __m256i operator()(__m256i a, __m256i b) const {
        if constexpr (R == 0) return vLess<T>(a, b);
        else if constexpr (R == 1) return vLessEq<T>(a, b);
        else return vEqual<T>(a, b);
    }
    bool operator()(T a, T b) const {
        if constexpr (R == 0) return a < b;
        else if constexpr (R == 1) return a <= b;
        else return a == b;
    }
};

// |a - b| <= eps in 32f (false when anything is NaN).
struct RelEps {
    __m256 eps;
    float e;
    explicit RelEps(float x) : eps(_mm256_set1_ps(x)), e(x) {}
    __m256i operator()(__m256i a, __m256i b) const {
        const __m256 d = _mm256_sub_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b));
        const __m256 m = _mm256_andnot_ps(_mm256_set1_ps(-0.0f), d);
        return _mm256_castps_si256(_mm256_cmp_ps(m, eps, _CMP_LE_OQ));
    }
    bool operator()(float a, float b) const {
        const float d = a - b;
        return std::fabs(d) <= e;
    }
};

// Second operand: an image row or a per-channel constant.
template <class T>
struct RowOperand {
    const T* p;
    __m256i vec(ptrdiff_t i) const { return simd::loadu(p + i); }
    T at(ptrdiff_t i) const { return p[i]; }
};
template <class T, int P>
struct ConstOperand {
    __m256i v;  // the one-channel constant broadcast
    T c[4];
    __m256i vec(ptrdiff_t) const { return v; }
    T at(ptrdiff_t i) const { return c[i % P]; }
};

// Packs 32 pixels' lane masks (1, 2 or 4 vectors of T lanes) into 32 bytes.
template <class T, class F>
inline __m256i maskBytes(const F& lane) {
    if constexpr (sizeof(T) == 1) {
        return lane(0);
    } else if constexpr (sizeof(T) == 2) {
        const __m256i p = _mm256_packs_epi16(lane(0), lane(1));
        return _mm256_permute4x64_epi64(p, 0xD8);
    } else {
        const __m256i p01 = _mm256_packs_epi32(lane(0), lane(1));
        const __m256i p23 = _mm256_packs_epi32(lane(2), lane(3));
        const __m256i p = _mm256_packs_epi16(p01, p23);
        return _mm256_permutevar8x32_epi32(p, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
    }
}

// One row of w pixels: d[x] = 255 when rel holds for every compared channel.
// One-channel rows run 32 pixels per step; the tail and multi-channel rows
// use the scalar relation.
template <class T, int CH, bool Swap, class R, class B>
inline void cmpRow(const T* a, const B& b, uint8_t* d, ptrdiff_t w, const R& rel) {
    ptrdiff_t x = 0;
    if constexpr (CH == 1) {
        constexpr int E = int(32 / sizeof(T));
        for (; x + 32 <= w; x += 32) {
            const __m256i m = maskBytes<T>([&](int j) {
                const __m256i va = simd::loadu(a + x + j * E);
                const __m256i vb = b.vec(x + j * E);
                return Swap ? rel(vb, va) : rel(va, vb);
            });
            simd::storeu(d + x, m);
        }
        for (; x < w; ++x) d[x] = (Swap ? rel(b.at(x), a[x]) : rel(a[x], b.at(x))) ? 255 : 0;
    } else {
        constexpr int P = kSamples<CH>;
        for (; x < w; ++x) {
            bool all = true;
            for (int c = 0; c < kConsts<CH>; ++c) {
                const ptrdiff_t i = x * P + c;
                all = all && (Swap ? rel(b.at(i), a[i]) : rel(a[i], b.at(i)));
            }
            d[x] = all ? 255 : 0;
        }
    }
}

template <class T, int CH, bool Swap, class R, class MakeB>
void cmpRegion(const T* a, ptrdiff_t as, const MakeB& makeB, uint8_t* d, ptrdiff_t ds, KzvImageSize sz,
               const R& rel, ptrdiff_t bs) {
    const ptrdiff_t n = rowSamples<CH>(sz.width);
    const ptrdiff_t w = sz.width;
    if (contiguous(n * ptrdiff_t(sizeof(T)), sz.height, as, bs) && contiguous(w, sz.height, ds)) {
        cmpRow<T, CH, Swap>(a, makeB(0), d, w * sz.height, rel);
        return;
    }
    for (ptrdiff_t y = 0; y < sz.height; ++y) cmpRow<T, CH, Swap>(rowAt(a, as, y), makeB(y), rowAt(d, ds, y), w, rel);
}

template <class T, int CH, class MakeB>
void cmpDispatch(const T* a, ptrdiff_t as, const MakeB& makeB, ptrdiff_t bs, uint8_t* d, ptrdiff_t ds,
                 KzvImageSize sz, uint32_t op) {
    switch (op) {
    case 0: cmpRegion<T, CH, false>(a, as, makeB, d, ds, sz, Rel<T, 0>{}, bs); break;
    case 1: cmpRegion<T, CH, false>(a, as, makeB, d, ds, sz, Rel<T, 1>{}, bs); break;
    case 2: cmpRegion<T, CH, false>(a, as, makeB, d, ds, sz, Rel<T, 2>{}, bs); break;
    case 3: cmpRegion<T, CH, true>(a, as, makeB, d, ds, sz, Rel<T, 1>{}, bs); break;
    default: cmpRegion<T, CH, true>(a, as, makeB, d, ds, sz, Rel<T, 0>{}, bs); break;
    }
}

template <class T, int CH>
ConstOperand<T, kSamples<CH>> makeConst(const T* v) {
    ConstOperand<T, kSamples<CH>> c;
    for (int i = 0; i < 4; ++i) c.c[i] = i < kConsts<CH> ? v[i] : T(0);
    T lanes[32 / sizeof(T)];
    for (auto& l : lanes) l = v[0];
    memcpy(&c.v, lanes, 32);
    return c;
}

// ---- Comparison frames ----------------------------------------------------------

template <class T, int CH>
KzvStatus compareFrame(const T* a, int32_t as, const T* b, int32_t bs, uint8_t* d, int32_t ds, KzvImageSize sz,
                       KzvCompareOp op) {
    if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
    if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (uint32_t(op) > 4) return kzvStatusOk;  // no relation: nothing to do
    cmpDispatch<T, CH>(
        a, as, [&](ptrdiff_t y) { return RowOperand<T>{rowAt(b, bs, y)}; }, bs, d, ds, sz, uint32_t(op));
    return kzvStatusOk;
}

template <class T, int CH>
KzvStatus compareCFrame(const T* a, int32_t as, ConstArg<T, CH> value, uint8_t* d, int32_t ds, KzvImageSize sz,
                        KzvCompareOp op) {
    if constexpr (CH == 1) {
        if (anyNull(a, d)) return kzvStatusNullPtrErr;
    } else {
        if (anyNull(a, value, d)) return kzvStatusNullPtrErr;
    }
    if (anyBadStep(as, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (uint32_t(op) > 4) return kzvStatusOk;
    const auto c = makeConst<T, CH>(constPtr<T, CH>(value));
    cmpDispatch<T, CH>(a, as, [&](ptrdiff_t) { return c; }, as, d, ds, sz, uint32_t(op));
    return kzvStatusOk;
}

template <int CH>
KzvStatus epsFrame(const float* a, int32_t as, const float* b, int32_t bs, uint8_t* d, int32_t ds, KzvImageSize sz,
                   float eps) {
    if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
    if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (eps < 0) return kzvStatusEpsValErr;
    cmpRegion<float, CH, false>(
        a, as, [&](ptrdiff_t y) { return RowOperand<float>{rowAt(b, bs, y)}; }, d, ds, sz, RelEps(eps), bs);
    return kzvStatusOk;
}

template <int CH>
KzvStatus epsCFrame(const float* a, int32_t as, ConstArg<float, CH> value, uint8_t* d, int32_t ds,
                    KzvImageSize sz, float eps) {
    if constexpr (CH == 1) {
        if (anyNull(a, d)) return kzvStatusNullPtrErr;
    } else {
        if (anyNull(a, value, d)) return kzvStatusNullPtrErr;
    }
    if (anyBadStep(as, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (eps < 0) return kzvStatusEpsValErr;
    const auto c = makeConst<float, CH>(constPtr<float, CH>(value));
    cmpRegion<float, CH, false>(a, as, [&](ptrdiff_t) { return c; }, d, ds, sz, RelEps(eps), as);
    return kzvStatusOk;
}

// ---- Threshold functors (constants: c[0] threshold, c[1] value, ...) ---------

template <class T>
struct ThrLT {  // src < t ? t : src
    static constexpr int K = 1;
    __m256i operator()(__m256i x, const __m256i* c) const { return vMax<T>(c[0], x); }
    T operator()(T x, const T* c) const { return x < c[0] ? c[0] : x; }
};
template <class T>
struct ThrGT {  // src > t ? t : src
    static constexpr int K = 1;
    __m256i operator()(__m256i x, const __m256i* c) const { return vMin<T>(c[0], x); }
    T operator()(T x, const T* c) const { return x > c[0] ? c[0] : x; }
};
template <class T>
struct ThrLTVal {  // src < t ? value : src
    static constexpr int K = 2;
    __m256i operator()(__m256i x, const __m256i* c) const {
        return _mm256_blendv_epi8(x, c[1], vLess<T>(x, c[0]));
    }
    T operator()(T x, const T* c) const { return x < c[0] ? c[1] : x; }
};
template <class T>
struct ThrGTVal {  // src > t ? value : src
    static constexpr int K = 2;
    __m256i operator()(__m256i x, const __m256i* c) const {
        return _mm256_blendv_epi8(x, c[1], vLess<T>(c[0], x));
    }
    T operator()(T x, const T* c) const { return x > c[0] ? c[1] : x; }
};
template <class T>
struct ThrLTValGTVal {  // src < tLT ? vLT : (src > tGT ? vGT : src)
    static constexpr int K = 4;
    __m256i operator()(__m256i x, const __m256i* c) const {
        const __m256i r = _mm256_blendv_epi8(x, c[3], vLess<T>(c[2], x));
        return _mm256_blendv_epi8(r, c[1], vLess<T>(x, c[0]));
    }
    T operator()(T x, const T* c) const { return x < c[0] ? c[1] : (x > c[2] ? c[3] : x); }
};

template <class T, int CH, class F>
void thresholdRegion(const T* s, ptrdiff_t ss, T* d, ptrdiff_t ds, KzvImageSize sz, const T* const* vals) {
    const ConstPattern<T, CH, F::K> p(vals);
    walk1(s, ss, d, ds, rowSamples<CH>(sz.width), sz.height,
          [&](const T* a, T* b, ptrdiff_t n) { rowConst(a, b, n, p, F{}); });
}

// Common checks of the threshold families: image pointers, size, steps, then
// the constant arrays (multi-channel forms).
template <class T, int CH, class... V>
KzvStatus thresholdChecks(const T* s, int32_t ss, const T* d, int32_t ds, KzvImageSize sz, const V&... vals) {
    if (anyNull(s, d)) return kzvStatusNullPtrErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (anyBadStep(ss, ds)) return kzvStatusStepErr;
    if constexpr (CH != 1) {
        if (anyNull(vals...)) return kzvStatusNullPtrErr;
    }
    return kzvStatusOk;
}

struct ThrLTTag {};
struct ThrGTTag {};
struct ThrLTValTag {};
struct ThrGTValTag {};

template <class T, int CH>
KzvStatus thrOpFrame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz, ConstArg<T, CH> t,
                     KzvCompareOp op) {
    if (KzvStatus st = thresholdChecks<T, CH>(s, ss, d, ds, sz, t)) return st;
    if (op != kzvCmpLess && op != kzvCmpGreater) return kzvStatusNotSupportedModeErr;
    const T* v[1] = {constPtr<T, CH>(t)};
    if (op == kzvCmpLess) thresholdRegion<T, CH, ThrLT<T>>(s, ss, d, ds, sz, v);
    else thresholdRegion<T, CH, ThrGT<T>>(s, ss, d, ds, sz, v);
    return kzvStatusOk;
}

template <class T, int CH, class F>
KzvStatus thr1Frame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz, ConstArg<T, CH> t) {
    if (KzvStatus st = thresholdChecks<T, CH>(s, ss, d, ds, sz, t)) return st;
    const T* v[1] = {constPtr<T, CH>(t)};
    thresholdRegion<T, CH, F>(s, ss, d, ds, sz, v);
    return kzvStatusOk;
}

template <class T, int CH, class F>
KzvStatus thr2Frame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz, ConstArg<T, CH> t,
                    ConstArg<T, CH> val) {
    if (KzvStatus st = thresholdChecks<T, CH>(s, ss, d, ds, sz, t, val)) return st;
    const T* v[2] = {constPtr<T, CH>(t), constPtr<T, CH>(val)};
    thresholdRegion<T, CH, F>(s, ss, d, ds, sz, v);
    return kzvStatusOk;
}

template <class T, int CH>
KzvStatus thrValFrame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz, ConstArg<T, CH> t,
                      ConstArg<T, CH> val, KzvCompareOp op) {
    if (KzvStatus st = thresholdChecks<T, CH>(s, ss, d, ds, sz, t, val)) return st;
    if (op != kzvCmpLess && op != kzvCmpGreater) return kzvStatusNotSupportedModeErr;
    const T* v[2] = {constPtr<T, CH>(t), constPtr<T, CH>(val)};
    if (op == kzvCmpLess) thresholdRegion<T, CH, ThrLTVal<T>>(s, ss, d, ds, sz, v);
    else thresholdRegion<T, CH, ThrGTVal<T>>(s, ss, d, ds, sz, v);
    return kzvStatusOk;
}

template <class T, int CH>
KzvStatus thrLGFrame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz, ConstArg<T, CH> tLT,
                     ConstArg<T, CH> vLT, ConstArg<T, CH> tGT, ConstArg<T, CH> vGT) {
    if (KzvStatus st = thresholdChecks<T, CH>(s, ss, d, ds, sz, tLT, vLT, tGT, vGT)) return st;
    const T* v[4] = {constPtr<T, CH>(tLT), constPtr<T, CH>(vLT), constPtr<T, CH>(tGT), constPtr<T, CH>(vGT)};
    for (int c = 0; c < kConsts<CH>; ++c)
        if (v[2][c] < v[0][c]) return kzvStatusThresholdErr;
    thresholdRegion<T, CH, ThrLTValGTVal<T>>(s, ss, d, ds, sz, v);
    return kzvStatusOk;
}

// Maps the export list's operation names to the frames above.
template <class T, int CH, class Form>
struct ThrForm;
template <class T, int CH>
struct ThrForm<T, CH, ThrLTTag> {
    using F = ThrLT<T>;
};
template <class T, int CH>
struct ThrForm<T, CH, ThrGTTag> {
    using F = ThrGT<T>;
};
template <class T, int CH>
struct ThrForm<T, CH, ThrLTValTag> {
    using F = ThrLTVal<T>;
};
template <class T, int CH>
struct ThrForm<T, CH, ThrGTValTag> {
    using F = ThrGTVal<T>;
};

// ---- Otsu -----------------------------------------------------------------------


KzvStatus otsu(const uint8_t* s, int32_t ss, KzvImageSize sz, uint8_t* out) {
    if (anyNull(s, out)) return kzvStatusNullPtrErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (ss < sz.width) return kzvStatusStepErr;
    uint64_t hist[256];
    histogram8u(s, ss, sz, hist);
    double p[256];
    double n = 0;
    for (int i = 0; i < 256; ++i) {
        p[i] = double(hist[i]);
        n += p[i];
    }
    const double eps = 1.1920928955078125e-7;
    const double inv = std::fabs(n) > eps ? 1.0 / n : 0.0;
    double muT = 0;
    for (int i = 0; i < 256; ++i) {
        p[i] *= inv;
        muT += (i + 0.5) * p[i];
    }
    double w0 = 0, mu = 0, best = 0, cand = 0;
    for (int k = 0; k < 256; ++k) {
        w0 += p[k];
        const double w1 = 1.0 - w0;
        // The class mean accumulates every bin, including those whose
        // split is skipped below.
        mu = std::fma(k + 0.5, p[k], mu);
        if (std::fmin(w0, w1) < eps || std::fmax(w0, w1) > 0.9999998807907104) continue;
        const double num = mu * (w0 + w1) - w0 * muT;
        const double var = num * num / (w0 * w1);
        if (var > best) {
            best = var;
            cand = k + 0.5;
        }
    }
    *out = uint8_t(int(cand));
    return kzvStatusOk;
}

}  // namespace

namespace {

// Calls count(row) for each of `rows` rows of len pixels, and drain() before
// 32-bit counters could pass 2^32 - 1 and once at the end.
template <class Count, class Drain>
void countRows(const uint8_t* s, ptrdiff_t ss, ptrdiff_t rows, ptrdiff_t len, Count count, Drain drain) {
    uint64_t pending = 0;
    for (ptrdiff_t y = 0; y < rows; ++y) {
        if (pending + uint64_t(len) > 0xFFFFFFFFull) {
            drain();
            pending = 0;
        }
        count(rowAt(s, ss, y));
        pending += uint64_t(len);
    }
    drain();
}

// Per-pixel counting: four interleaved tables break the increment dependency;
// counts kept in 64 bits across rows.
void histogramByPixel(const uint8_t* s, ptrdiff_t ss, ptrdiff_t rows, ptrdiff_t len, uint64_t* h) {
    uint32_t t[4][256];
    memset(t, 0, sizeof t);
    auto drain = [&] {
        for (int i = 0; i < 256; ++i) {
            h[i] += uint64_t(t[0][i]) + t[1][i] + t[2][i] + t[3][i];
            t[0][i] = t[1][i] = t[2][i] = t[3][i] = 0;
        }
    };
    auto count = [&](const uint8_t* r) {
        ptrdiff_t x = 0;
        for (; x + 16 <= len; x += 16) {
            uint64_t a, b;
            memcpy(&a, r + x, 8);
            memcpy(&b, r + x + 8, 8);
            for (int k = 0; k < 8; k += 2) {
                ++t[0][(a >> (8 * k)) & 0xFF];
                ++t[1][(a >> (8 * k + 8)) & 0xFF];
                ++t[2][(b >> (8 * k)) & 0xFF];
                ++t[3][(b >> (8 * k + 8)) & 0xFF];
            }
        }
        for (; x < len; ++x) ++t[0][r[x]];
    };
    countRows(s, ss, rows, len, count, drain);
}

// Pair counting for large regions: one increment per two pixels, into 65536
// counters indexed by (first pixel) + 256 * (second pixel), about twice as
// fast as counting pixels. The 256 KiB of counters are too many for the
// stack of an arbitrary caller's thread, so they are static storage that one
// call at a time takes; a call that finds them taken counts by pixel instead,
// with the same result. They are all zero whenever they are free: draining
// them into the histogram clears them.
alignas(64) uint32_t gPairs[65536];
std::atomic<bool> gPairsTaken{false};

// Below this many pixels, clearing the pair counters costs more than they save.
constexpr int64_t kPairPixels = int64_t(1) << 16;

// h[v] += pixels of value v counted in the pair counters and in `one`, which
// are left zero. Column sums give the first pixels, row sums the second.
void drainPairs(uint32_t* one, uint64_t* h) {
    alignas(32) uint32_t first[256];
    memset(first, 0, sizeof first);
    for (int b = 0; b < 256; ++b) {
        uint32_t* row = gPairs + b * 256;
        __m256i rs = _mm256_setzero_si256();
        for (int a = 0; a < 256; a += 8) {
            const __m256i v = _mm256_load_si256(reinterpret_cast<const __m256i*>(row + a));
            rs = _mm256_add_epi32(rs, v);
            __m256i* f = reinterpret_cast<__m256i*>(first + a);
            _mm256_store_si256(f, _mm256_add_epi32(_mm256_load_si256(f), v));
            _mm256_store_si256(reinterpret_cast<__m256i*>(row + a), _mm256_setzero_si256());
        }
        __m128i q = _mm_add_epi32(_mm256_castsi256_si128(rs), _mm256_extracti128_si256(rs, 1));
        q = _mm_add_epi32(q, _mm_shuffle_epi32(q, 0x4E));
        q = _mm_add_epi32(q, _mm_shuffle_epi32(q, 0xB1));
        h[b] += uint32_t(_mm_cvtsi128_si32(q));
    }
    for (int i = 0; i < 256; ++i) {
        h[i] += uint64_t(first[i]) + one[i];
        one[i] = 0;
    }
}

// Counts rows of len pixels into the pair counters (held by the caller).
// Each row pairs its pixels from its start; an odd last pixel goes to `one`.
void histogramByPair(const uint8_t* s, ptrdiff_t ss, ptrdiff_t rows, ptrdiff_t len, uint64_t* h) {
    uint32_t one[256];
    memset(one, 0, sizeof one);
    auto count = [&](const uint8_t* r) {
        ptrdiff_t x = 0;
        for (; x + 16 <= len; x += 16) {
            uint32_t w[4];
            memcpy(w, r + x, 16);
            for (int k = 0; k < 4; ++k) {
                ++gPairs[w[k] & 0xFFFF];
                ++gPairs[w[k] >> 16];
            }
        }
        for (; x + 2 <= len; x += 2) ++gPairs[r[x] | r[x + 1] << 8];
        if (x < len) ++one[r[x]];
    };
    countRows(s, ss, rows, len, count, [&] { drainPairs(one, h); });
}

}  // namespace

// 256-bin histogram of a region; a contiguous region is counted as one row.
void histogram8u(const uint8_t* s, ptrdiff_t ss, KzvImageSize sz, uint64_t* h) {
    for (int i = 0; i < 256; ++i) h[i] = 0;
    const ptrdiff_t w = sz.width;
    const bool merged = contiguous(w, sz.height, ss) && int64_t(w) * sz.height <= 0x3FFFFFFF;
    const ptrdiff_t rows = merged ? 1 : sz.height;
    const ptrdiff_t len = merged ? w * sz.height : w;
    if (int64_t(w) * sz.height >= kPairPixels && !gPairsTaken.exchange(true, std::memory_order_acquire)) {
        histogramByPair(s, ss, rows, len, h);
        gPairsTaken.store(false, std::memory_order_release);
    } else {
        histogramByPixel(s, ss, rows, len, h);
    }
}

}  // namespace kzv::pix

// ---- Exports ----------------------------------------------------------------------

using namespace kzv::pix;

#define X_CMP(name, T, CH)                                                                               \
    extern "C" KzvStatus name(const T* a, int32_t as, const T* b, int32_t bs, Kzv8u* d, int32_t ds,      \
                              KzvImageSize sz, KzvCompareOp op) {                                        \
        return compareFrame<T, CH>(a, as, b, bs, d, ds, sz, op);                                         \
    }
#define X_CMPC(name, T, CH)                                                                              \
    extern "C" KzvStatus name(const T* a, int32_t as, ConstArg<T, CH> v, Kzv8u* d, int32_t ds,           \
                              KzvImageSize sz, KzvCompareOp op) {                                        \
        return compareCFrame<T, CH>(a, as, v, d, ds, sz, op);                                            \
    }
#define X_EPS(name, T, CH)                                                                               \
    extern "C" KzvStatus name(const T* a, int32_t as, const T* b, int32_t bs, Kzv8u* d, int32_t ds,      \
                              KzvImageSize sz, Kzv32f eps) {                                             \
        return epsFrame<CH>(a, as, b, bs, d, ds, sz, eps);                                               \
    }
#define X_EPSC(name, T, CH)                                                                              \
    extern "C" KzvStatus name(const T* a, int32_t as, ConstArg<T, CH> v, Kzv8u* d, int32_t ds,           \
                              KzvImageSize sz, Kzv32f eps) {                                             \
        return epsCFrame<CH>(a, as, v, d, ds, sz, eps);                                                  \
    }
#define X_THR_OP(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz,                 \
                              ConstArg<T, CH> t, KzvCompareOp op) {                                      \
        return thrOpFrame<T, CH>(s, ss, d, ds, sz, t, op);                                               \
    }
#define X_THR_OPI(name, T, CH, Op)                                                                       \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz, ConstArg<T, CH> t, KzvCompareOp op) { \
        return thrOpFrame<T, CH>(sd, sds, sd, sds, sz, t, op);                                           \
    }
#define X_THR_1(name, T, CH, Op)                                                                         \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz,                 \
                              ConstArg<T, CH> t) {                                                       \
        return thr1Frame<T, CH, typename ThrForm<T, CH, Op##Tag>::F>(s, ss, d, ds, sz, t);               \
    }
#define X_THR_1I(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz, ConstArg<T, CH> t) {                  \
        return thr1Frame<T, CH, typename ThrForm<T, CH, Op##Tag>::F>(sd, sds, sd, sds, sz, t);           \
    }
#define X_THR_2(name, T, CH, Op)                                                                         \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz,                 \
                              ConstArg<T, CH> t, ConstArg<T, CH> v) {                                    \
        return thr2Frame<T, CH, typename ThrForm<T, CH, Op##Tag>::F>(s, ss, d, ds, sz, t, v);            \
    }
#define X_THR_2I(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz, ConstArg<T, CH> t, ConstArg<T, CH> v) { \
        return thr2Frame<T, CH, typename ThrForm<T, CH, Op##Tag>::F>(sd, sds, sd, sds, sz, t, v);        \
    }
#define X_THR_VAL(name, T, CH, Op)                                                                       \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz,                 \
                              ConstArg<T, CH> t, ConstArg<T, CH> v, KzvCompareOp op) {                   \
        return thrValFrame<T, CH>(s, ss, d, ds, sz, t, v, op);                                           \
    }
#define X_THR_VALI(name, T, CH, Op)                                                                      \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz, ConstArg<T, CH> t, ConstArg<T, CH> v, \
                              KzvCompareOp op) {                                                         \
        return thrValFrame<T, CH>(sd, sds, sd, sds, sz, t, v, op);                                       \
    }
#define X_THR_LG(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz,                 \
                              ConstArg<T, CH> tl, ConstArg<T, CH> vl, ConstArg<T, CH> tg,                \
                              ConstArg<T, CH> vg) {                                                      \
        return thrLGFrame<T, CH>(s, ss, d, ds, sz, tl, vl, tg, vg);                                      \
    }
#define X_THR_LGI(name, T, CH, Op)                                                                       \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz, ConstArg<T, CH> tl, ConstArg<T, CH> vl, \
                              ConstArg<T, CH> tg, ConstArg<T, CH> vg) {                                  \
        return thrLGFrame<T, CH>(sd, sds, sd, sds, sz, tl, vl, tg, vg);                                  \
    }

#include "pixel/compare_exports.inc"

extern "C" KzvStatus kzviComputeThreshold_Otsu_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize,
                                                     Kzv8u* pThreshold) {
    return otsu(pSrc, srcStep, roiSize, pThreshold);
}
