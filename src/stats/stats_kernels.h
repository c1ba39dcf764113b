// Row routines of the sums, means, norms and dot products, and the region
// walkers built on them. Other statistics (the quality index) reach the mean
// through sumRegion / meanRegion below.
//
// Each routine reduces one row of n samples (n a multiple of the channel
// count, the row starting at channel 0) into per-channel accumulators. The
// vector bodies keep lanes in natural sample order and consume a multiple of
// the channel count per iteration, so every lane belongs to one channel; the
// lanes are folded into channels at the end of the row (integer kernels) or
// of the region (float kernels, whose lanes run over the whole image).
#ifndef KZV_STATS_KERNELS_H
#define KZV_STATS_KERNELS_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <type_traits>

#include "common/frame.h"
#include "common/simd.h"

namespace kzv::stats {

// Scalar load through memcpy: steps are used as given, so a row of 16- or
// 32-bit samples may start at any byte address.
template <class T>
inline T ld(const T* p) {
    T v;
    memcpy(&v, p, sizeof(T));
    return v;
}

// Longest run of samples handed to a row routine at once (merged rows are
// cut into pieces of this many pixels), so that no 64-bit lane accumulator
// can overflow and float lanes stay bounded per piece.
constexpr ptrdiff_t kChunkPixels = ptrdiff_t(1) << 22;

// Exact integer total per channel: a 64-bit sum that moves into a double
// only if it would overflow (images beyond 2^31 pixels of 16-bit squares).
struct ExactSum {
    int64_t i = 0;
    double d = 0;
    void add(int64_t v) {
        int64_t r;
        if (__builtin_add_overflow(i, v, &r)) {
            d += double(i);
            i = v;
        } else {
            i = r;
        }
    }
    double value() const { return d + double(i); }
};

// ---- Integer sources (8u, 16u, 16s): exact ---------------------------------

// Eight samples as eight 32-bit lanes, in order.
inline __m256i load8i(const uint8_t* p) {
    return _mm256_cvtepu8_epi32(simd::widenSource(_mm_loadl_epi64(static_cast<const __m128i*>(static_cast<const void*>(p)))));
}
inline __m128i load128Reg(const void* p);
inline __m256i load8i(const uint16_t* p) {
    return _mm256_cvtepu16_epi32(load128Reg(p));
}
inline __m256i load8i(const int16_t* p) {
    return _mm256_cvtepi16_epi32(load128Reg(p));
}

// Term functors: the contribution of a sample (or pair) is t * m, formed in
// 32-bit lanes and multiplied into 64-bit lanes; the scalar overload gives
// the same product for the tail.
struct TermSum {
    static constexpr bool kPair = false;
    void operator()(__m256i a, __m256i, __m256i& t, __m256i& m) const {
        t = a;
        m = _mm256_set1_epi32(1);
    }
    int64_t operator()(int32_t a, int32_t) const { return a; }
};
struct TermAbs {
    static constexpr bool kPair = false;
    void operator()(__m256i a, __m256i, __m256i& t, __m256i& m) const {
        t = _mm256_abs_epi32(a);
        m = _mm256_set1_epi32(1);
    }
    int64_t operator()(int32_t a, int32_t) const { return a < 0 ? -int64_t(a) : a; }
};
struct TermSqr {
    static constexpr bool kPair = false;
    void operator()(__m256i a, __m256i, __m256i& t, __m256i& m) const { t = m = a; }
    int64_t operator()(int32_t a, int32_t) const { return int64_t(a) * a; }
};
struct TermAbsDiff {
    static constexpr bool kPair = true;
    void operator()(__m256i a, __m256i b, __m256i& t, __m256i& m) const {
        t = _mm256_abs_epi32(_mm256_sub_epi32(a, b));
        m = _mm256_set1_epi32(1);
    }
    int64_t operator()(int32_t a, int32_t b) const { return a > b ? int64_t(a) - b : int64_t(b) - a; }
};
struct TermSqrDiff {
    static constexpr bool kPair = true;
    void operator()(__m256i a, __m256i b, __m256i& t, __m256i& m) const { t = m = _mm256_sub_epi32(a, b); }
    int64_t operator()(int32_t a, int32_t b) const { return (int64_t(a) - b) * (int64_t(a) - b); }
};
struct TermProd {
    static constexpr bool kPair = true;
    void operator()(__m256i a, __m256i b, __m256i& t, __m256i& m) const {
        t = a;
        m = b;
    }
    int64_t operator()(int32_t a, int32_t b) const { return int64_t(a) * b; }
};

// Adds the terms of one row into tot[0..CH). Every term fits in 33 signed
// bits and a row piece holds at most kChunkPixels * CH samples, so the
// 64-bit lanes cannot overflow. Tail: the scalar functor (no masked loads
// exist for 8- and 16-bit samples).
template <class Op, int CH, class T>
inline void intReduceRow(const T* a, const T* b, ptrdiff_t n, int64_t* tot) {
    constexpr int G = CH == 3 ? 3 : 2;
    constexpr ptrdiff_t S = 8 * G;
    const Op op;
    __m256i even[G], odd[G];
    for (int g = 0; g < G; ++g) even[g] = odd[g] = _mm256_setzero_si256();
    ptrdiff_t i = 0;
    for (; i + S <= n; i += S) {
        for (int g = 0; g < G; ++g) {
            const __m256i va = load8i(a + i + 8 * g);
            const __m256i vb = Op::kPair ? load8i(b + i + 8 * g) : va;
            __m256i t, m;
            op(va, vb, t, m);
            even[g] = _mm256_add_epi64(even[g], _mm256_mul_epi32(t, m));
            odd[g] = _mm256_add_epi64(odd[g], _mm256_mul_epi32(_mm256_srli_epi64(t, 32), _mm256_srli_epi64(m, 32)));
        }
    }
    if (i > 0) {
        alignas(32) int64_t e[4], o[4];
        for (int g = 0; g < G; ++g) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(e), even[g]);
            _mm256_store_si256(reinterpret_cast<__m256i*>(o), odd[g]);
            for (int j = 0; j < 4; ++j) {
                tot[(8 * g + 2 * j) % CH] += e[j];
                tot[(8 * g + 2 * j + 1) % CH] += o[j];
            }
        }
    }
    // i is a multiple of S, hence of CH: sample i belongs to channel 0.
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1)
        tot[c] += op(int32_t(ld(a + i)), int32_t(Op::kPair ? ld(b + i) : ld(a + i)));
}

// Maximum of |v| (or |a - b|) per channel in 32-bit lanes: 16s -32768 gives
// 32768 and a 16s difference reaches 65535.
struct MaxAbs {
    static constexpr bool kPair = false;
    __m256i operator()(__m256i a, __m256i) const { return _mm256_abs_epi32(a); }
    int32_t operator()(int32_t a, int32_t) const { return a < 0 ? -a : a; }
};
struct MaxAbsDiff {
    static constexpr bool kPair = true;
    __m256i operator()(__m256i a, __m256i b) const { return _mm256_abs_epi32(_mm256_sub_epi32(a, b)); }
    int32_t operator()(int32_t a, int32_t b) const { return a > b ? a - b : b - a; }
};

template <class Op, int CH, class T>
inline void intMaxRow(const T* a, const T* b, ptrdiff_t n, int32_t* mx) {
    constexpr int G = CH == 3 ? 3 : 2;
    constexpr ptrdiff_t S = 8 * G;
    const Op op;
    __m256i acc[G];
    for (int g = 0; g < G; ++g) acc[g] = _mm256_setzero_si256();
    ptrdiff_t i = 0;
    for (; i + S <= n; i += S) {
        for (int g = 0; g < G; ++g) {
            const __m256i va = load8i(a + i + 8 * g);
            const __m256i vb = Op::kPair ? load8i(b + i + 8 * g) : va;
            acc[g] = _mm256_max_epi32(acc[g], op(va, vb));
        }
    }
    if (i > 0) {
        alignas(32) int32_t l[8];
        for (int g = 0; g < G; ++g) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(l), acc[g]);
            for (int j = 0; j < 8; ++j) {
                int32_t& m = mx[(8 * g + j) % CH];
                if (l[j] > m) m = l[j];
            }
        }
    }
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1) {
        const int32_t v = op(int32_t(ld(a + i)), int32_t(Op::kPair ? ld(b + i) : ld(a + i)));
        if (v > mx[c]) mx[c] = v;
    }
}

// ---- 8u sums with the sum-of-absolute-differences instruction --------------

// Byte functors for sadRow8u: the bytes to add, and for C1 the sum of a
// whole vector straight into four 64-bit lanes.
struct Bytes8u {
    static constexpr bool kPair = false;
    __m256i operator()(__m256i a, __m256i) const { return a; }
    __m256i sadC1(__m256i a, __m256i) const { return _mm256_sad_epu8(a, _mm256_setzero_si256()); }
    int32_t operator()(int32_t a, int32_t) const { return a; }
};
struct AbsDiff8u {
    static constexpr bool kPair = true;
    __m256i operator()(__m256i a, __m256i b) const {
        return _mm256_or_si256(_mm256_subs_epu8(a, b), _mm256_subs_epu8(b, a));
    }
    __m256i sadC1(__m256i a, __m256i b) const { return _mm256_sad_epu8(a, b); }
    int32_t operator()(int32_t a, int32_t b) const { return a > b ? a - b : b - a; }
};

// Byte masks selecting channel c of a C3 / C4 row in the vector that starts
// at sample 32 * g of a 96- or 32-byte iteration.
template <int CH>
struct ChannelMasks8u {
    alignas(32) uint8_t m[3][4][32];
};
template <int CH>
constexpr ChannelMasks8u<CH> makeChannelMasks8u() {
    ChannelMasks8u<CH> t{};
    for (int g = 0; g < 3; ++g)
        for (int c = 0; c < CH; ++c)
            for (int k = 0; k < 32; ++k) t.m[g][c][k] = ((32 * g + k) % CH == c) ? 0xFF : 0;
    return t;
}
template <int CH>
inline constexpr ChannelMasks8u<CH> kChannelMasks8u = makeChannelMasks8u<CH>();
template <int CH>
inline __m256i channelMask8u(int g, int c) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(kChannelMasks8u<CH>.m[g][c]));
}

inline int64_t hsum64(__m256i v) {
    alignas(16) int64_t l[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(l), _mm_add_epi64(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1)));
    return l[0] + l[1];
}

// Sum of bytes (or absolute differences) per channel, exact. C1: four
// vectors per step into 64-bit lanes; C3: three vectors (96 bytes, a whole
// number of pixels), each channel's bytes gathered by blends and summed into
// 64-bit lanes; C4: one vector, three masked sums and the total. Tail:
// scalar functor.
template <class Op, int CH>
inline void sadRow8u(const uint8_t* a, const uint8_t* b, ptrdiff_t n, int64_t* tot) {
    const Op op;
    ptrdiff_t i = 0;
    const __m256i zero = _mm256_setzero_si256();
    if constexpr (CH == 1) {
        __m256i s0 = zero, s1 = zero, s2 = zero, s3 = zero;
        for (; i + 128 <= n; i += 128) {
            s0 = _mm256_add_epi64(s0, op.sadC1(simd::loadu(a + i), Op::kPair ? simd::loadu(b + i) : zero));
            s1 = _mm256_add_epi64(s1, op.sadC1(simd::loadu(a + i + 32), Op::kPair ? simd::loadu(b + i + 32) : zero));
            s2 = _mm256_add_epi64(s2, op.sadC1(simd::loadu(a + i + 64), Op::kPair ? simd::loadu(b + i + 64) : zero));
            s3 = _mm256_add_epi64(s3, op.sadC1(simd::loadu(a + i + 96), Op::kPair ? simd::loadu(b + i + 96) : zero));
        }
        for (; i + 32 <= n; i += 32)
            s0 = _mm256_add_epi64(s0, op.sadC1(simd::loadu(a + i), Op::kPair ? simd::loadu(b + i) : zero));
        tot[0] += hsum64(_mm256_add_epi64(_mm256_add_epi64(s0, s1), _mm256_add_epi64(s2, s3)));
    } else if constexpr (CH == 3) {
        // Steps of 96 bytes (a whole number of pixels). Byte p of vector g
        // is sample 32 g + p, of channel (2 g + p) mod 3: at every byte
        // position the three vectors hold the three channels, so two blends
        // gather channel c's 32 bytes and one sum of absolute differences
        // against zero adds them into four 64-bit lanes.
        if (n >= 96) {
            __m256i m1[3], m2[3], acc[3];
            for (int c = 0; c < 3; ++c) {
                m1[c] = channelMask8u<3>(1, c);
                m2[c] = channelMask8u<3>(2, c);
                acc[c] = zero;
            }
            for (; i + 96 <= n; i += 96) {
                const __m256i v0 = op(simd::loadu(a + i), Op::kPair ? simd::loadu(b + i) : zero);
                const __m256i v1 = op(simd::loadu(a + i + 32), Op::kPair ? simd::loadu(b + i + 32) : zero);
                const __m256i v2 = op(simd::loadu(a + i + 64), Op::kPair ? simd::loadu(b + i + 64) : zero);
                for (int c = 0; c < 3; ++c) {
                    const __m256i x = _mm256_blendv_epi8(_mm256_blendv_epi8(v0, v1, m1[c]), v2, m2[c]);
                    acc[c] = _mm256_add_epi64(acc[c], _mm256_sad_epu8(x, zero));
                }
            }
            for (int c = 0; c < 3; ++c) tot[c] += hsum64(acc[c]);
        }
    } else {
        static_assert(CH == 4, "8u sums take 1, 3 or 4 channels");
        if (n >= 32) {
            const __m256i m0 = channelMask8u<4>(0, 0), m1 = channelMask8u<4>(0, 1), m2 = channelMask8u<4>(0, 2);
            __m256i all = zero, c0 = zero, c1 = zero, c2 = zero;
            for (; i + 32 <= n; i += 32) {
                const __m256i v = op(simd::loadu(a + i), Op::kPair ? simd::loadu(b + i) : zero);
                all = _mm256_add_epi64(all, _mm256_sad_epu8(v, zero));
                c0 = _mm256_add_epi64(c0, _mm256_sad_epu8(_mm256_and_si256(v, m0), zero));
                c1 = _mm256_add_epi64(c1, _mm256_sad_epu8(_mm256_and_si256(v, m1), zero));
                c2 = _mm256_add_epi64(c2, _mm256_sad_epu8(_mm256_and_si256(v, m2), zero));
            }
            const int64_t s0 = hsum64(c0), s1 = hsum64(c1), s2 = hsum64(c2);
            tot[0] += s0;
            tot[1] += s1;
            tot[2] += s2;
            tot[3] += hsum64(all) - s0 - s1 - s2;
        }
    }
    for (int c = 0; i < n; ++i, c = (c + 1 == CH) ? 0 : c + 1) tot[c] += op(a[i], Op::kPair ? b[i] : a[i]);
}

// ---- 32f in single-precision lanes ------------------------------------------

// Float lanes that run over the whole image: G vectors of 8 lanes, vector g
// lane j holding the samples at 8g + j modulo 8G of every row.
template <int CH>
struct FloatLanes {
    static constexpr int G = CH == 3 ? 3 : 4;
    __m256 acc[G];
    FloatLanes() {
        for (int g = 0; g < G; ++g) acc[g] = _mm256_setzero_ps();
    }
    // Lanes added together in float per channel, then widened.
    void fold(double* out) const {
        float s[4] = {0, 0, 0, 0};
        alignas(32) float l[8];
        for (int g = 0; g < G; ++g) {
            _mm256_store_ps(l, acc[g]);
            for (int j = 0; j < 8; ++j) s[(8 * g + j) % CH] += l[j];
        }
        for (int c = 0; c < CH; ++c) out[c] = double(s[c]);
    }
};

inline __m256 absPs(__m256 v) {
    return _mm256_and_ps(v, _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF)));
}

struct FSum {
    static constexpr bool kPair = false;
    __m256 operator()(__m256 a, __m256, __m256 acc) const { return _mm256_add_ps(acc, a); }
};
struct FAbs {
    static constexpr bool kPair = false;
    __m256 operator()(__m256 a, __m256, __m256 acc) const { return _mm256_add_ps(acc, absPs(a)); }
};
struct FSqr {
    static constexpr bool kPair = false;
    __m256 operator()(__m256 a, __m256, __m256 acc) const { return _mm256_fmadd_ps(a, a, acc); }
};
struct FAbsDiff {
    static constexpr bool kPair = true;
    __m256 operator()(__m256 a, __m256 b, __m256 acc) const { return _mm256_add_ps(acc, absPs(_mm256_sub_ps(a, b))); }
};
struct FSqrDiff {
    static constexpr bool kPair = true;
    __m256 operator()(__m256 a, __m256 b, __m256 acc) const {
        const __m256 d = _mm256_sub_ps(a, b);
        return _mm256_fmadd_ps(d, d, acc);
    }
};

// Tail: the last partial step is copied into a zeroed buffer and run
// through the same vectors (a zero adds nothing), so the tail lands in the
// lanes of its position and nothing past the row is read.
template <class Op, int CH>
inline void floatRow(const float* a, const float* b, ptrdiff_t n, FloatLanes<CH>& st) {
    constexpr int G = FloatLanes<CH>::G;
    constexpr ptrdiff_t S = 8 * G;
    const Op op;
    const __m256 zero = _mm256_setzero_ps();
    ptrdiff_t i = 0;
    for (; i + S <= n; i += S)
        for (int g = 0; g < G; ++g)
            st.acc[g] = op(_mm256_loadu_ps(a + i + 8 * g), Op::kPair ? _mm256_loadu_ps(b + i + 8 * g) : zero,
                           st.acc[g]);
    if (i < n) {
        alignas(32) float ta[S] = {}, tb[S] = {};
        memcpy(ta, a + i, size_t(n - i) * 4);
        if (Op::kPair) memcpy(tb, b + i, size_t(n - i) * 4);
        for (int g = 0; 8 * g < n - i; ++g)
            st.acc[g] = op(_mm256_load_ps(ta + 8 * g), _mm256_load_ps(tb + 8 * g), st.acc[g]);
    }
}

// Maximum of |v| on the bit patterns: for sign-cleared floats the integer
// order is the float order, with infinity above every finite value and NaN
// above infinity, so a NaN pixel makes the norm NaN.
struct FMaxAbs {
    static constexpr bool kPair = false;
    __m256i operator()(__m256 a, __m256) const { return _mm256_castps_si256(absPs(a)); }
};
struct FMaxAbsDiff {
    static constexpr bool kPair = true;
    __m256i operator()(__m256 a, __m256 b) const { return _mm256_castps_si256(absPs(_mm256_sub_ps(a, b))); }
};

template <class Op, int CH>
inline void floatMaxRow(const float* a, const float* b, ptrdiff_t n, int32_t* mx) {
    constexpr int G = CH == 3 ? 3 : 2;
    constexpr ptrdiff_t S = 8 * G;
    const Op op;
    const __m256 zero = _mm256_setzero_ps();
    __m256i acc[G];
    for (int g = 0; g < G; ++g) acc[g] = _mm256_setzero_si256();
    ptrdiff_t i = 0;
    for (; i + S <= n; i += S)
        for (int g = 0; g < G; ++g)
            acc[g] = _mm256_max_epi32(
                acc[g], op(_mm256_loadu_ps(a + i + 8 * g), Op::kPair ? _mm256_loadu_ps(b + i + 8 * g) : zero));
    if (i < n) {  // tail through a zeroed copy, as in floatRow
        alignas(32) float ta[S] = {}, tb[S] = {};
        memcpy(ta, a + i, size_t(n - i) * 4);
        if (Op::kPair) memcpy(tb, b + i, size_t(n - i) * 4);
        for (int g = 0; 8 * g < n - i; ++g)
            acc[g] = _mm256_max_epi32(acc[g], op(_mm256_load_ps(ta + 8 * g), _mm256_load_ps(tb + 8 * g)));
    }
    alignas(32) int32_t l[8];
    for (int g = 0; g < G; ++g) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(l), acc[g]);
        for (int j = 0; j < 8; ++j) {
            int32_t& m = mx[(8 * g + j) % CH];
            if (l[j] > m) m = l[j];
        }
    }
}

// ---- Double lanes: accurate 32f, and dot products of 32f, 32s, 32u ----------

// A 16-byte load for a widening conversion (see simd::widenSource).
inline __m128i load128Reg(const void* p) { return simd::widenSource(simd::loadu128(p)); }

// Four samples widened to double, exactly.
inline __m256d load4d(const float* p) { return _mm256_cvtps_pd(_mm_castsi128_ps(load128Reg(p))); }
inline __m256d load4d(const int32_t* p) { return _mm256_cvtepi32_pd(load128Reg(p)); }
inline __m256d u32ToPd(__m128i v) {
    const __m128i flipped = _mm_xor_si128(v, _mm_set1_epi32(INT32_MIN));
    return _mm256_add_pd(_mm256_cvtepi32_pd(flipped), _mm256_set1_pd(2147483648.0));
}
inline __m256d load4d(const uint32_t* p) { return u32ToPd(simd::loadu128(p)); }
template <int CH>
struct DoubleLanes {
    // Vectors of 4 doubles per step: eight independent fused chains cover
    // the latency of the multiply-add (C3: six, a whole number of pixels).
    static constexpr int K = CH == 3 ? 6 : 8;
    __m256d acc[K];
    DoubleLanes() {
        for (int k = 0; k < K; ++k) acc[k] = _mm256_setzero_pd();
    }
    void fold(double* out) const {
        double s[4] = {0, 0, 0, 0};
        alignas(32) double l[4];
        for (int k = 0; k < K; ++k) {
            _mm256_store_pd(l, acc[k]);
            for (int j = 0; j < 4; ++j) s[(4 * k + j) % CH] += l[j];
        }
        for (int c = 0; c < CH; ++c) out[c] = s[c];
    }
};

inline __m256d absPd(__m256d v) {
    return _mm256_and_pd(v, _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFFll)));
}
struct DSum {
    static constexpr bool kPair = false;
    __m256d operator()(__m256d a, __m256d, __m256d acc) const { return _mm256_add_pd(acc, a); }
};
struct DAbs {
    static constexpr bool kPair = false;
    __m256d operator()(__m256d a, __m256d, __m256d acc) const { return _mm256_add_pd(acc, absPd(a)); }
};
struct DSqr {
    static constexpr bool kPair = false;
    __m256d operator()(__m256d a, __m256d, __m256d acc) const { return _mm256_fmadd_pd(a, a, acc); }
};
struct DAbsDiff {
    static constexpr bool kPair = true;
    __m256d operator()(__m256d a, __m256d b, __m256d acc) const {
        return _mm256_add_pd(acc, absPd(_mm256_sub_pd(a, b)));
    }
};
struct DSqrDiff {
    static constexpr bool kPair = true;
    __m256d operator()(__m256d a, __m256d b, __m256d acc) const {
        const __m256d d = _mm256_sub_pd(a, b);
        return _mm256_fmadd_pd(d, d, acc);
    }
};
struct DProd {
    static constexpr bool kPair = true;
    __m256d operator()(__m256d a, __m256d b, __m256d acc) const { return _mm256_fmadd_pd(a, b, acc); }
};

// Tail: a zeroed copy of the last partial step, as in floatRow.
template <class Op, int CH, class T>
inline void doubleRow(const T* a, const T* b, ptrdiff_t n, DoubleLanes<CH>& st) {
    constexpr int K = DoubleLanes<CH>::K;
    constexpr ptrdiff_t S = 4 * K;
    const Op op;
    const __m256d zero = _mm256_setzero_pd();
    ptrdiff_t i = 0;
    if constexpr (std::is_same_v<T, float> && !simd::kFoldedWidening) {
        // Eight floats per load, both halves widened in registers.
        for (; i + S <= n; i += S)
            for (int k = 0; k < K; k += 2) {
                const __m256 va = _mm256_loadu_ps(a + i + 4 * k);
                const __m256 vb = Op::kPair ? _mm256_loadu_ps(b + i + 4 * k) : va;
                st.acc[k] = op(_mm256_cvtps_pd(_mm256_castps256_ps128(va)),
                               Op::kPair ? _mm256_cvtps_pd(_mm256_castps256_ps128(vb)) : zero, st.acc[k]);
                st.acc[k + 1] = op(_mm256_cvtps_pd(_mm256_extractf128_ps(va, 1)),
                                   Op::kPair ? _mm256_cvtps_pd(_mm256_extractf128_ps(vb, 1)) : zero, st.acc[k + 1]);
            }
    } else {
        for (; i + S <= n; i += S)
            for (int k = 0; k < K; ++k)
                st.acc[k] = op(load4d(a + i + 4 * k), Op::kPair ? load4d(b + i + 4 * k) : zero, st.acc[k]);
    }
    if (i < n) {
        T ta[S] = {}, tb[S] = {};
        memcpy(ta, a + i, size_t(n - i) * sizeof(T));
        if (Op::kPair) memcpy(tb, b + i, size_t(n - i) * sizeof(T));
        for (int k = 0; 4 * k < n - i; ++k) st.acc[k] = op(load4d(ta + 4 * k), load4d(tb + 4 * k), st.acc[k]);
    }
}

// ---- Region walkers -----------------------------------------------------------

// Calls f(rowA, rowB, samples) for every row, or for pieces of one merged
// row when both images' rows are contiguous (step equal to the row bytes).
template <class T, class F>
inline void walkRegion(const T* a, ptrdiff_t aStep, const T* b, ptrdiff_t bStep, KzvImageSize roi, int ch, F&& f) {
    const ptrdiff_t w = roi.width, h = roi.height;
    const ptrdiff_t rowBytes = w * ch * ptrdiff_t(sizeof(T));
    if (aStep == rowBytes && (b == nullptr || bStep == rowBytes) && h > 1) {
        ptrdiff_t left = w * h;
        ptrdiff_t done = 0;
        while (left > 0) {
            const ptrdiff_t take = left < kChunkPixels ? left : kChunkPixels;
            f(a + done * ch, b ? b + done * ch : nullptr, take * ch);
            done += take;
            left -= take;
        }
        return;
    }
    for (ptrdiff_t y = 0; y < h; ++y) {
        const T* ra = rowAt(a, aStep, y);
        const T* rb = b ? rowAt(b, bStep, y) : nullptr;
        for (ptrdiff_t x = 0; x < w; x += kChunkPixels) {
            const ptrdiff_t take = w - x < kChunkPixels ? w - x : kChunkPixels;
            f(ra + x * ch, rb ? rb + x * ch : nullptr, take * ch);
        }
    }
}

// Exact integer reduction of a region into out[0..CH).
template <class Op, int CH, class T>
inline void intReduceRegion(const T* a, ptrdiff_t aStep, const T* b, ptrdiff_t bStep, KzvImageSize roi,
                            double* out) {
    ExactSum tot[CH];
    walkRegion(a, aStep, b, bStep, roi, CH, [&](const T* ra, const T* rb, ptrdiff_t n) {
        int64_t t[CH] = {};
        if constexpr (std::is_same_v<T, uint8_t> && (std::is_same_v<Op, TermSum> || std::is_same_v<Op, TermAbs>))
            sadRow8u<Bytes8u, CH>(ra, rb, n, t);
        else if constexpr (std::is_same_v<T, uint8_t> && std::is_same_v<Op, TermAbsDiff>)
            sadRow8u<AbsDiff8u, CH>(ra, rb, n, t);
        else if constexpr (std::is_same_v<T, uint16_t> && std::is_same_v<Op, TermAbs>)
            intReduceRow<TermSum, CH>(ra, rb, n, t);  // unsigned: |v| = v
        else
            intReduceRow<Op, CH>(ra, rb, n, t);
        for (int c = 0; c < CH; ++c) tot[c].add(t[c]);
    });
    for (int c = 0; c < CH; ++c) out[c] = tot[c].value();
}

// Sum of a region per channel, as kzviSum computes it. hint: 32f only.
template <class T, int CH>
inline void sumRegion(const T* src, ptrdiff_t step, KzvImageSize roi, double* sum, int hint) {
    if constexpr (std::is_same_v<T, float>) {
        const bool accurate = CH == 1 ? (roi.width <= 16 || hint == kzvAlgHintAccurate)
                              : CH == 3 ? (roi.width <= 13 || hint == kzvAlgHintAccurate)
                                        : hint != kzvAlgHintFast;
        if (accurate) {
            DoubleLanes<CH> st;
            walkRegion(src, step, static_cast<const float*>(nullptr), 0, roi, CH,
                       [&](const float* r, const float*, ptrdiff_t n) { doubleRow<DSum, CH>(r, r, n, st); });
            st.fold(sum);
        } else {
            FloatLanes<CH> st;
            walkRegion(src, step, static_cast<const float*>(nullptr), 0, roi, CH,
                       [&](const float* r, const float*, ptrdiff_t n) { floatRow<FSum, CH>(r, r, n, st); });
            st.fold(sum);
        }
    } else {
        intReduceRegion<TermSum, CH>(src, step, static_cast<const T*>(nullptr), 0, roi, sum);
    }
}

// Mean per channel: C1 divides the sum by the pixel count, C3 and C4
// multiply by its reciprocal, computed once.
template <class T, int CH>
inline void meanRegion(const T* src, ptrdiff_t step, KzvImageSize roi, double* mean, int hint) {
    sumRegion<T, CH>(src, step, roi, mean, hint);
    const double count = double(roi.width) * double(roi.height);
    if constexpr (CH == 1) {
        mean[0] = mean[0] / count;
    } else {
        const double r = 1.0 / count;
        for (int c = 0; c < CH; ++c) mean[c] *= r;
    }
}

}  // namespace kzv::stats

#endif  // KZV_STATS_KERNELS_H
