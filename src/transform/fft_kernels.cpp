// One-dimensional complex and real Fourier transforms (see fft_kernels.h).
//
// Complex lengths are factored into radices 4, 2, 3, 5 and small odd primes
// and run as a self-sorting decimation-in-frequency algorithm that ping-pongs
// between the output and a scratch array; single sequences are vectorised
// over the butterfly index (first stage) or the stride (later stages), four
// complex values per AVX2 register. Lengths with a prime factor above
// kMaxRadix use the chirp method: a circular convolution of padded
// power-of-two length computed with the mixed-radix transform. The batch
// form runs the same stages in place on eight interleaved sequences.
#include "transform/fft_kernels.h"

#include <immintrin.h>
#include <math.h>
#include <string.h>

#include "common/spec.h"

namespace kzv::fft {
namespace {

constexpr int kMaxStages = 40;
constexpr int kMaxRadix = 31;        // larger prime factors use the chirp method
constexpr size_t kStackScratch = 1024;  // scratch needs up to this run on the stack
constexpr double kPi = 3.14159265358979323846264338327950288;

struct Stage {
    int32_t r, n, m;  // radix, sub-transform length, n / r
    int32_t tw;       // byte offset of the twiddles w_n^(p*k): [(k-1)*m + p], complex
    int32_t rt;       // byte offset of cos/sin(2 pi t / r), t < r (odd radices > 5)
};

struct CHeader {
    int32_t id, n, hint, kind;  // kind 0: mixed radix, 1: chirp method
    double fwd, inv;
    int32_t nStages, perm, scratch, bsM;
    int32_t bsSub, bsChirp, bsSpec, pad;
    Stage st[kMaxStages];
};
constexpr size_t kCHeaderBytes = (sizeof(CHeader) + 63) & ~size_t(63);

struct RHeader {
    int32_t id, n, hint, odd;
    double fwd, inv;
    int32_t sub, tw, scratch, pad;
};
constexpr size_t kRHeaderBytes = 64;
static_assert(sizeof(RHeader) <= kRHeaderBytes, "real header");

inline uint64_t up32(uint64_t v) { return (v + 31) & ~uint64_t(31); }
inline uint64_t up64(uint64_t v) { return (v + 63) & ~uint64_t(63); }

// ---- Planning -----------------------------------------------------------------

// Radices of n, 4s first, then 2, then odd primes ascending. Returns the
// count, or -1 when a prime factor exceeds kMaxRadix.
int factorize(int64_t n, int32_t* radix) {
    int c = 0;
    while (n % 4 == 0) radix[c++] = 4, n /= 4;
    while (n % 2 == 0) radix[c++] = 2, n /= 2;
    for (int64_t p = 3; p * p <= n; p += 2)
        while (n % p == 0) radix[c++] = int32_t(p), n /= p;
    if (n > 1) {
        if (n > kMaxRadix) return -1;
        radix[c++] = int32_t(n);
    }
    for (int i = 0; i < c; ++i)
        if (radix[i] > kMaxRadix) return -1;
    return c;
}

int64_t chirpLength(int64_t n) {
    int64_t m = 1;
    while (m < 2 * n - 1) m <<= 1;
    return m;
}

// Lays out a complex plan of length n: fills the header's offsets (when h is
// given) and returns the total bytes, the init bytes and the scratch bytes.
uint64_t layoutComplex(int64_t n, bool withPerm, CHeader* h, uint64_t* init, uint64_t* scratch) {
    int32_t radix[64];
    const int c = factorize(n, radix);
    uint64_t off = kCHeaderBytes;
    if (c >= 0) {
        int64_t len = n;
        for (int i = 0; i < c; ++i) {
            const int32_t r = radix[i];
            const int64_t m = len / r;
            if (h) h->st[i] = Stage{r, int32_t(len), int32_t(m), int32_t(off), 0};
            off = up32(off + uint64_t(r - 1) * uint64_t(m) * 8);
            if (r > 5) {
                if (h) h->st[i].rt = int32_t(off);
                off = up32(off + uint64_t(r) * 8);
            }
            len = m;
        }
        if (h) {
            h->kind = 0;
            h->nStages = c;
            h->perm = 0;
        }
        if (withPerm) {
            if (h) h->perm = int32_t(off);
            off = up32(off + uint64_t(n) * 4);
        }
        *init = 0;
        *scratch = uint64_t(n) * 8;
        return off;
    }
    const int64_t m = chirpLength(n);
    uint64_t subInit = 0, subScratch = 0;
    if (h) {
        h->kind = 1;
        h->nStages = 0;
        h->perm = 0;
        h->bsM = int32_t(m);
        h->bsChirp = int32_t(off);
    }
    off = up64(off + uint64_t(n) * 8);
    if (h) h->bsSpec = int32_t(off);
    off = up64(off + uint64_t(m) * 8);
    if (h) h->bsSub = int32_t(off);
    off += layoutComplex(m, false, nullptr, &subInit, &subScratch);
    *init = uint64_t(m) * 16 + 16;
    *scratch = uint64_t(m) * 16;
    return off;
}

uint64_t layoutReal(int64_t n, RHeader* h, uint64_t* init, uint64_t* scratch) {
    uint64_t off = kRHeaderBytes;
    uint64_t subInit = 0, subScratch = 0;
    const bool odd = (n & 1) != 0;
    const int64_t sub = odd ? n : n / 2;
    if (h) {
        h->odd = odd;
        h->sub = int32_t(off);
    }
    off = up64(off + layoutComplex(sub, false, nullptr, &subInit, &subScratch));
    if (!odd) {
        if (h) h->tw = int32_t(off);
        off = up32(off + uint64_t(n / 4 + 1) * 8);
    }
    *init = subInit;
    if (odd) {
        *scratch = up32(uint64_t(n) * 8) + subScratch;
    } else {
        // The even form uses the output row as the sub-transform's ping-pong
        // partner unless the half length needs the chirp method.
        int32_t radix[64];
        *scratch = factorize(sub, radix) >= 0 ? uint64_t(n) * 4 : up32(uint64_t(n) * 4) + subScratch;
    }
    return off;
}

bool isPow2(int64_t n) { return n > 0 && (n & (n - 1)) == 0; }
int log2i(int64_t n) {
    int p = 0;
    while ((int64_t(1) << p) < n) ++p;
    return p;
}

// ---- Complex arithmetic on three vector shapes --------------------------------
// CS: one complex value; V4: four interleaved complex values in one register;
// V8: eight, in two registers. The butterflies are written once over them.

struct CS {
    float re, im;
};
inline CS add(CS a, CS b) { return {a.re + b.re, a.im + b.im}; }
inline CS sub(CS a, CS b) { return {a.re - b.re, a.im - b.im}; }
inline CS mulr(CS a, float c) { return {a.re * c, a.im * c}; }
inline CS fmar(CS a, float c, CS acc) { return {acc.re + a.re * c, acc.im + a.im * c}; }
template <bool Inv>
inline CS rot(CS a) {  // forward: times -i; inverse: times +i
    return Inv ? CS{-a.im, a.re} : CS{a.im, -a.re};
}
inline CS cmul(CS a, float wr, float wi) { return {a.re * wr - a.im * wi, a.re * wi + a.im * wr}; }
inline CS zeroOf(CS) { return {0.f, 0.f}; }

struct V4 {
    __m256 v;
};
inline V4 add(V4 a, V4 b) { return {_mm256_add_ps(a.v, b.v)}; }
inline V4 sub(V4 a, V4 b) { return {_mm256_sub_ps(a.v, b.v)}; }
inline V4 mulr(V4 a, float c) { return {_mm256_mul_ps(a.v, _mm256_set1_ps(c))}; }
inline V4 fmar(V4 a, float c, V4 acc) { return {_mm256_fmadd_ps(a.v, _mm256_set1_ps(c), acc.v)}; }
inline __m256 signOdd() { return _mm256_castsi256_ps(_mm256_set1_epi64x(int64_t(0x8000000000000000ull))); }
inline __m256 signEven() { return _mm256_castsi256_ps(_mm256_set1_epi64x(int64_t(0x80000000ull))); }
template <bool Inv>
inline __m256 rotv(__m256 a) {
    const __m256 s = _mm256_permute_ps(a, 0xB1);
    return _mm256_xor_ps(s, Inv ? signEven() : signOdd());
}
template <bool Inv>
inline V4 rot(V4 a) { return {rotv<Inv>(a.v)}; }
inline __m256 cmulb(__m256 a, __m256 wr, __m256 wi) {
    return _mm256_fmaddsub_ps(a, wr, _mm256_mul_ps(_mm256_permute_ps(a, 0xB1), wi));
}
inline V4 cmul(V4 a, float wr, float wi) { return {cmulb(a.v, _mm256_set1_ps(wr), _mm256_set1_ps(wi))}; }
// Per-lane twiddles w (interleaved).
inline __m256 cmulv(__m256 a, __m256 w) {
    return cmulb(a, _mm256_moveldup_ps(w), _mm256_movehdup_ps(w));
}
inline V4 zeroOf(V4) { return {_mm256_setzero_ps()}; }
// The four complex values of a register in reverse order.
inline __m256 reverse4(__m256 a) {
    return _mm256_castpd_ps(_mm256_permute4x64_pd(_mm256_castps_pd(a), 0x1B));
}

struct V8 {
    __m256 a, b;
};
inline V8 add(V8 x, V8 y) { return {_mm256_add_ps(x.a, y.a), _mm256_add_ps(x.b, y.b)}; }
inline V8 sub(V8 x, V8 y) { return {_mm256_sub_ps(x.a, y.a), _mm256_sub_ps(x.b, y.b)}; }
inline V8 mulr(V8 x, float c) {
    const __m256 k = _mm256_set1_ps(c);
    return {_mm256_mul_ps(x.a, k), _mm256_mul_ps(x.b, k)};
}
inline V8 fmar(V8 x, float c, V8 acc) {
    const __m256 k = _mm256_set1_ps(c);
    return {_mm256_fmadd_ps(x.a, k, acc.a), _mm256_fmadd_ps(x.b, k, acc.b)};
}
template <bool Inv>
inline V8 rot(V8 x) { return {rotv<Inv>(x.a), rotv<Inv>(x.b)}; }
inline V8 cmul(V8 x, float wr, float wi) {
    const __m256 r = _mm256_set1_ps(wr), i = _mm256_set1_ps(wi);
    return {cmulb(x.a, r, i), cmulb(x.b, r, i)};
}
inline V8 zeroOf(V8) { return {_mm256_setzero_ps(), _mm256_setzero_ps()}; }

inline CS loadC(const float* p) { return {p[0], p[1]}; }
inline void storeC(float* p, CS v) { p[0] = v.re, p[1] = v.im; }
inline V4 loadV4(const float* p) { return {_mm256_loadu_ps(p)}; }
inline void storeV4(float* p, V4 v) { _mm256_storeu_ps(p, v.v); }
inline V8 loadV8(const float* p) { return {_mm256_load_ps(p), _mm256_load_ps(p + 8)}; }
inline void storeV8(float* p, V8 v) { _mm256_store_ps(p, v.a), _mm256_store_ps(p + 8, v.b); }

// The radix-R DFT of a[0..r-1] into b[0..r-1] (R = 0: the radix r known at
// run time, odd, with cos/sin table ct).
template <int R, bool Inv, class V>
inline void butterfly(int r, const V* a, V* b, const float* ct) {
    if constexpr (R == 2) {
        b[0] = add(a[0], a[1]);
        b[1] = sub(a[0], a[1]);
    } else if constexpr (R == 4) {
        const V t0 = add(a[0], a[2]), t1 = sub(a[0], a[2]);
        const V t2 = add(a[1], a[3]), t3 = rot<Inv>(sub(a[1], a[3]));
        b[0] = add(t0, t2);
        b[2] = sub(t0, t2);
        b[1] = add(t1, t3);
        b[3] = sub(t1, t3);
    } else if constexpr (R == 3) {
        const float s3 = 0.866025403784438646763723170752936183f;
        const V t = add(a[1], a[2]);
        const V d = rot<Inv>(mulr(sub(a[1], a[2]), s3));
        const V e = fmar(t, -0.5f, a[0]);
        b[0] = add(a[0], t);
        b[1] = add(e, d);
        b[2] = sub(e, d);
    } else if constexpr (R == 5) {
        const float c1 = 0.309016994374947424102293417182819059f, c2 = -0.809016994374947424102293417182819059f;
        const float s1 = 0.951056516295153572116439333379382143f, s2 = 0.587785252292473129168705954639072769f;
        const V t1 = add(a[1], a[4]), t2 = add(a[2], a[3]);
        const V d1 = sub(a[1], a[4]), d2 = sub(a[2], a[3]);
        b[0] = add(a[0], add(t1, t2));
        const V e1 = fmar(t2, c2, fmar(t1, c1, a[0]));
        const V e2 = fmar(t2, c1, fmar(t1, c2, a[0]));
        const V f1 = rot<Inv>(fmar(d2, s2, mulr(d1, s1)));
        const V f2 = rot<Inv>(fmar(d2, -s1, mulr(d1, s2)));
        b[1] = add(e1, f1);
        b[4] = sub(e1, f1);
        b[2] = add(e2, f2);
        b[3] = sub(e2, f2);
    } else {
        const int h = (r - 1) / 2;
        V t[kMaxRadix / 2 + 1], d[kMaxRadix / 2 + 1];
        V s = a[0];
        for (int j = 1; j <= h; ++j) {
            t[j] = add(a[j], a[r - j]);
            d[j] = sub(a[j], a[r - j]);
            s = add(s, t[j]);
        }
        b[0] = s;
        for (int k = 1; k <= h; ++k) {
            V re = a[0], im = zeroOf(a[0]);
            int idx = 0;
            for (int j = 1; j <= h; ++j) {
                idx += k;
                if (idx >= r) idx -= r;
                re = fmar(t[j], ct[2 * idx], re);
                im = fmar(d[j], ct[2 * idx + 1], im);
            }
            const V f = rot<Inv>(im);
            b[k] = add(re, f);
            b[r - k] = sub(re, f);
        }
    }
}

inline const float* twAt(const uint8_t* plan, const Stage& S) {
    return reinterpret_cast<const float*>(plan + S.tw);
}
inline const float* ctAt(const uint8_t* plan, const Stage& S) {
    return S.rt ? reinterpret_cast<const float*>(plan + S.rt) : nullptr;
}

// ---- Self-sorting stages on a single sequence ----------------------------------
// Stage with stride s: x[q + s*(p + j*m)] -> y[q + s*(r*p + k)] times w_n^(p*k).

template <int R, bool Inv>
void stageStride(const uint8_t* plan, const Stage& S, int64_t s, const float* x, float* y) {
    const int r = R ? R : S.r;
    const int64_t m = S.m;
    const float* tw = twAt(plan, S);
    const float* ct = ctAt(plan, S);
    const int64_t sv = s & ~int64_t(3);
    float wr[kMaxRadix], wi[kMaxRadix];
    for (int64_t p = 0; p < m; ++p) {
        for (int k = 1; k < r; ++k) {
            wr[k] = tw[2 * ((k - 1) * m + p)];
            wi[k] = Inv ? -tw[2 * ((k - 1) * m + p) + 1] : tw[2 * ((k - 1) * m + p) + 1];
        }
        const float* xp = x + 2 * s * p;
        float* yp = y + 2 * s * r * p;
        for (int64_t q = 0; q < sv; q += 4) {
            V4 a[R ? R : kMaxRadix], b[R ? R : kMaxRadix];
            if constexpr (R == 0)
                for (auto& v : a) v = V4{};
            for (int j = 0; j < r; ++j) a[j] = loadV4(xp + 2 * (q + s * j * m));
            butterfly<R, Inv>(r, a, b, ct);
            storeV4(yp + 2 * q, b[0]);
            for (int k = 1; k < r; ++k) storeV4(yp + 2 * (q + s * k), cmul(b[k], wr[k], wi[k]));
        }
        for (int64_t q = sv; q < s; ++q) {
            CS a[R ? R : kMaxRadix], b[R ? R : kMaxRadix];
            if constexpr (R == 0)
                for (auto& v : a) v = CS{};
            for (int j = 0; j < r; ++j) a[j] = loadC(xp + 2 * (q + s * j * m));
            butterfly<R, Inv>(r, a, b, ct);
            storeC(yp + 2 * q, b[0]);
            for (int k = 1; k < r; ++k) storeC(yp + 2 * (q + s * k), cmul(b[k], wr[k], wi[k]));
        }
    }
}

// First stage (s = 1) of radix 4 or 2, vectorised over p: four butterflies
// at once, outputs transposed into place.
template <int R, bool Inv>
void stageFirst(const uint8_t* plan, const Stage& S, const float* x, float* y) {
    const int64_t m = S.m;
    const float* tw = twAt(plan, S);
    const __m256 conj = Inv ? signOdd() : _mm256_setzero_ps();
    int64_t p = 0;
    for (; p + 4 <= m; p += 4) {
        V4 a[R], b[R];
        for (int j = 0; j < R; ++j) a[j] = loadV4(x + 2 * (p + j * m));
        butterfly<R, Inv>(R, a, b, nullptr);
        for (int k = 1; k < R; ++k)
            b[k].v = cmulv(b[k].v, _mm256_xor_ps(_mm256_loadu_ps(tw + 2 * ((k - 1) * m + p)), conj));
        if constexpr (R == 4) {
            const __m256d t0 = _mm256_unpacklo_pd(_mm256_castps_pd(b[0].v), _mm256_castps_pd(b[1].v));
            const __m256d t1 = _mm256_unpackhi_pd(_mm256_castps_pd(b[0].v), _mm256_castps_pd(b[1].v));
            const __m256d t2 = _mm256_unpacklo_pd(_mm256_castps_pd(b[2].v), _mm256_castps_pd(b[3].v));
            const __m256d t3 = _mm256_unpackhi_pd(_mm256_castps_pd(b[2].v), _mm256_castps_pd(b[3].v));
            float* yp = y + 2 * 4 * p;
            _mm256_storeu_pd(reinterpret_cast<double*>(yp), _mm256_permute2f128_pd(t0, t2, 0x20));
            _mm256_storeu_pd(reinterpret_cast<double*>(yp + 8), _mm256_permute2f128_pd(t1, t3, 0x20));
            _mm256_storeu_pd(reinterpret_cast<double*>(yp + 16), _mm256_permute2f128_pd(t0, t2, 0x31));
            _mm256_storeu_pd(reinterpret_cast<double*>(yp + 24), _mm256_permute2f128_pd(t1, t3, 0x31));
        } else {
            const __m256d t0 = _mm256_unpacklo_pd(_mm256_castps_pd(b[0].v), _mm256_castps_pd(b[1].v));
            const __m256d t1 = _mm256_unpackhi_pd(_mm256_castps_pd(b[0].v), _mm256_castps_pd(b[1].v));
            float* yp = y + 2 * 2 * p;
            _mm256_storeu_pd(reinterpret_cast<double*>(yp), _mm256_permute2f128_pd(t0, t1, 0x20));
            _mm256_storeu_pd(reinterpret_cast<double*>(yp + 8), _mm256_permute2f128_pd(t0, t1, 0x31));
        }
    }
    for (; p < m; ++p) {
        CS a[R], b[R];
        for (int j = 0; j < R; ++j) a[j] = loadC(x + 2 * (p + j * m));
        butterfly<R, Inv>(R, a, b, nullptr);
        storeC(y + 2 * R * p, b[0]);
        for (int k = 1; k < R; ++k) {
            const float* w = tw + 2 * ((k - 1) * m + p);
            storeC(y + 2 * (R * p + k), cmul(b[k], w[0], Inv ? -w[1] : w[1]));
        }
    }
}

template <bool Inv>
void runStage(const uint8_t* plan, const Stage& S, int64_t s, const float* x, float* y) {
    if (s == 1 && S.m >= 4 && S.r == 4) return stageFirst<4, Inv>(plan, S, x, y);
    if (s == 1 && S.m >= 4 && S.r == 2) return stageFirst<2, Inv>(plan, S, x, y);
    switch (S.r) {
    case 2: return stageStride<2, Inv>(plan, S, s, x, y);
    case 3: return stageStride<3, Inv>(plan, S, s, x, y);
    case 4: return stageStride<4, Inv>(plan, S, s, x, y);
    case 5: return stageStride<5, Inv>(plan, S, s, x, y);
    default: return stageStride<0, Inv>(plan, S, s, x, y);
    }
}

void scaleInPlace(float* p, int64_t count, float sc) {
    const __m256 k = _mm256_set1_ps(sc);
    int64_t i = 0;
    for (; i + 8 <= count; i += 8) _mm256_storeu_ps(p + i, _mm256_mul_ps(_mm256_loadu_ps(p + i), k));
    for (; i < count; ++i) p[i] *= sc;
}

// Mixed-radix transform: in -> out, with tmp of n complex; in may equal out
// or tmp. The stages alternate between out and tmp so that the last lands
// in out; when the first would overwrite its own input, the input is copied
// to the other array first.
template <bool Inv>
void mixedRadix(const uint8_t* plan, const float* in, float* out, float* tmp, float scale) {
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    const int64_t n = h->n;
    const int S = h->nStages;
    if (S == 0) {
        if (in != out) memmove(out, in, size_t(n) * 8);
    } else {
        const float* cur = in;
        int64_t s = 1;
        for (int i = 0; i < S; ++i) {
            float* dst = ((S - 1 - i) % 2 == 0) ? out : tmp;
            if (cur == dst) {
                float* other = dst == out ? tmp : out;
                memcpy(other, cur, size_t(n) * 8);
                cur = other;
            }
            runStage<Inv>(plan, h->st[i], s, cur, dst);
            cur = dst;
            s *= h->st[i].r;
        }
    }
    if (scale != 1.0f) scaleInPlace(out, 2 * n, scale);
}

// Chirp method: X = c . ((x . c) (*) conj(c)), the convolution of padded
// power-of-two length M computed with the plan's sub-transform.
template <bool Inv>
void chirp(const uint8_t* plan, const float* in, float* out, float* scratch, float scale) {
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    const int64_t n = h->n, M = h->bsM;
    const float* c = reinterpret_cast<const float*>(plan + h->bsChirp);
    const float* B = reinterpret_cast<const float*>(plan + h->bsSpec);
    const uint8_t* sub = plan + h->bsSub;
    float* A = scratch;
    float* T = scratch + 2 * M;
    for (int64_t k = 0; k < n; ++k) {
        const float xr = in[2 * k], xi = Inv ? -in[2 * k + 1] : in[2 * k + 1];
        A[2 * k] = xr * c[2 * k] - xi * c[2 * k + 1];
        A[2 * k + 1] = xr * c[2 * k + 1] + xi * c[2 * k];
    }
    memset(A + 2 * n, 0, size_t(M - n) * 8);
    mixedRadix<false>(sub, A, A, T, 1.0f);
    int64_t k = 0;
    for (; k + 4 <= M; k += 4)
        _mm256_storeu_ps(A + 2 * k, cmulv(_mm256_loadu_ps(A + 2 * k), _mm256_loadu_ps(B + 2 * k)));
    for (; k < M; ++k) storeC(A + 2 * k, cmul(loadC(A + 2 * k), B[2 * k], B[2 * k + 1]));
    mixedRadix<true>(sub, A, A, T, 1.0f);
    for (k = 0; k < n; ++k) {
        const float ar = A[2 * k], ai = A[2 * k + 1];
        const float yr = (ar * c[2 * k] - ai * c[2 * k + 1]) * scale;
        const float yi = (ar * c[2 * k + 1] + ai * c[2 * k]) * scale;
        out[2 * k] = yr;
        out[2 * k + 1] = Inv ? -yi : yi;
    }
}

void complexRun(const uint8_t* plan, bool inverse, const float* in, float* out, float* scratch, float scale) {
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    if (h->kind == 0) {
        if (inverse) mixedRadix<true>(plan, in, out, scratch, scale);
        else mixedRadix<false>(plan, in, out, scratch, scale);
    } else {
        if (inverse) chirp<true>(plan, in, out, scratch, scale);
        else chirp<false>(plan, in, out, scratch, scale);
    }
}

// ---- Batches of eight sequences, in place -------------------------------------

template <int R, bool Inv>
void batchStage(const uint8_t* plan, const Stage& S, int64_t total, float* data) {
    const int r = R ? R : S.r;
    const int64_t n = S.n, m = S.m;
    const float* tw = twAt(plan, S);
    const float* ct = ctAt(plan, S);
    for (int64_t base = 0; base < total; base += n) {
        for (int64_t j = 0; j < m; ++j) {
            V8 a[R ? R : kMaxRadix], b[R ? R : kMaxRadix];
            if constexpr (R == 0)
                for (auto& v : a) v = V8{};
            float* e = data + 16 * (base + j);
            for (int t = 0; t < r; ++t) a[t] = loadV8(e + 16 * t * m);
            butterfly<R, Inv>(r, a, b, ct);
            storeV8(e, b[0]);
            if (j == 0) {
                for (int k = 1; k < r; ++k) storeV8(e + 16 * k * m, b[k]);
            } else {
                for (int k = 1; k < r; ++k) {
                    const float* w = tw + 2 * ((k - 1) * m + j);
                    storeV8(e + 16 * k * m, cmul(b[k], w[0], Inv ? -w[1] : w[1]));
                }
            }
        }
    }
}

template <bool Inv>
void batchRun(const uint8_t* plan, float* data) {
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    for (int i = 0; i < h->nStages; ++i) {
        const Stage& S = h->st[i];
        switch (S.r) {
        case 2: batchStage<2, Inv>(plan, S, h->n, data); break;
        case 3: batchStage<3, Inv>(plan, S, h->n, data); break;
        case 4: batchStage<4, Inv>(plan, S, h->n, data); break;
        case 5: batchStage<5, Inv>(plan, S, h->n, data); break;
        default: batchStage<0, Inv>(plan, S, h->n, data); break;
        }
    }
}

// ---- Initialisation ------------------------------------------------------------

void putComplex(float* p, double re, double im) {
    p[0] = float(re);
    p[1] = float(im);
}

// In-place radix-2 transform of M (a power of two) double complex values,
// used once at Init for the chirp method's spectrum.
void doubleFft(double* a, int64_t M) {
    for (int64_t i = 1, j = 0; i < M; ++i) {
        int64_t bit = M >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) {
            double t0 = a[2 * i], t1 = a[2 * i + 1];
            a[2 * i] = a[2 * j], a[2 * i + 1] = a[2 * j + 1];
            a[2 * j] = t0, a[2 * j + 1] = t1;
        }
    }
    for (int64_t len = 2; len <= M; len <<= 1) {
        const int64_t half = len / 2;
        for (int64_t k = 0; k < half; ++k) {
            const double ang = -2.0 * kPi * double(k) / double(len);
            const double wr = cos(ang), wi = sin(ang);
            for (int64_t i = k; i < M; i += len) {
                double* u = a + 2 * i;
                double* v = a + 2 * (i + half);
                const double tr = v[0] * wr - v[1] * wi, ti = v[0] * wi + v[1] * wr;
                v[0] = u[0] - tr, v[1] = u[1] - ti;
                u[0] += tr, u[1] += ti;
            }
        }
    }
}

void initComplex(int64_t n, bool withPerm, double fwd, double inv, int hint, uint8_t* plan, uint8_t* initMem) {
    CHeader h;
    memset(&h, 0, sizeof h);
    uint64_t initBytes = 0, scratch = 0;
    layoutComplex(n, withPerm, &h, &initBytes, &scratch);
    h.id = kPlanComplex;
    h.n = int32_t(n);
    h.hint = hint;
    h.fwd = fwd;
    h.inv = inv;
    h.scratch = scratch <= kStackScratch ? 0 : int32_t(scratch);
    memcpy(plan, &h, sizeof h);
    if (h.kind == 0) {
        for (int i = 0; i < h.nStages; ++i) {
            const Stage& S = h.st[i];
            float* tw = reinterpret_cast<float*>(plan + S.tw);
            for (int k = 1; k < S.r; ++k)
                for (int64_t p = 0; p < S.m; ++p) {
                    const int64_t e = (int64_t(k) * p) % S.n;
                    const double ang = -2.0 * kPi * double(e) / double(S.n);
                    putComplex(tw + 2 * ((k - 1) * S.m + p), cos(ang), sin(ang));
                }
            if (S.rt) {
                float* ct = reinterpret_cast<float*>(plan + S.rt);
                for (int t = 0; t < S.r; ++t)
                    putComplex(ct + 2 * t, cos(2.0 * kPi * t / S.r), sin(2.0 * kPi * t / S.r));
            }
        }
        if (h.perm) {
            int32_t* perm = reinterpret_cast<int32_t*>(plan + h.perm);
            for (int64_t k = 0; k < n; ++k) {
                int64_t pos = 0, rem = k, len = n;
                for (int i = 0; i < h.nStages; ++i) {
                    const int r = h.st[i].r;
                    len /= r;
                    pos += (rem % r) * len;
                    rem /= r;
                }
                perm[k] = int32_t(pos);
            }
        }
        return;
    }
    const int64_t M = h.bsM;
    float* c = reinterpret_cast<float*>(plan + h.bsChirp);
    for (int64_t k = 0; k < n; ++k) {
        const int64_t e = (k * k) % (2 * n);
        const double ang = -kPi * double(e) / double(n);
        putComplex(c + 2 * k, cos(ang), sin(ang));
    }
    double* a = reinterpret_cast<double*>(alignUp<16>(initMem));
    memset(a, 0, size_t(M) * 16);
    for (int64_t k = 0; k < n; ++k) {
        const int64_t e = (k * k) % (2 * n);
        const double ang = kPi * double(e) / double(n);
        a[2 * k] = cos(ang), a[2 * k + 1] = sin(ang);
        if (k) a[2 * (M - k)] = cos(ang), a[2 * (M - k) + 1] = sin(ang);
    }
    doubleFft(a, M);
    float* B = reinterpret_cast<float*>(plan + h.bsSpec);
    for (int64_t k = 0; k < M; ++k) putComplex(B + 2 * k, a[2 * k] / double(M), a[2 * k + 1] / double(M));
    initComplex(M, false, 1.0, 1.0, hint, plan + h.bsSub, nullptr);
}

}  // namespace

// ---- Interface -------------------------------------------------------------------

bool flagScales(int flag, int64_t n, double* fwd, double* inv) {
    switch (flag) {
    case 1: *fwd = 1.0 / double(n), *inv = 1.0; return true;
    case 2: *fwd = 1.0, *inv = 1.0 / double(n); return true;
    case 4: *fwd = *inv = 1.0 / sqrt(double(n)); return true;
    case 8: *fwd = *inv = 1.0; return true;
    default: return false;
    }
}

KzvStatus complexPlanSizes(int64_t n, int flag, PlanSizes* s) {
    double f, i;
    if (n < 1) return kzvStatusSizeErr;
    if (!flagScales(flag, n, &f, &i)) return kzvStatusFftFlagErr;
    uint64_t init = 0, scratch = 0;
    const uint64_t plan = layoutComplex(n, true, nullptr, &init, &scratch);
    s->planUsed = plan;
    s->scratchUsed = scratch > kStackScratch ? scratch : 0;
    if (isPow2(n) && n <= 1024) {
        const int p = log2i(n);
        s->plan = 16 * uint64_t(n) + 2048;
        s->init = 0;
        s->scratch = p <= 6 ? 0 : 8 * uint64_t(n) + 128;
        return kzvStatusOk;
    }
    s->plan = up64(plan) + 64;
    s->init = init ? up64(init) + 64 : 0;
    s->scratch = scratch > kStackScratch ? up64(scratch) + 64 : 0;
    return kzvStatusOk;
}

KzvStatus realPlanSizes(int64_t n, int flag, PlanSizes* s) {
    double f, i;
    if (n < 1) return kzvStatusSizeErr;
    if (!flagScales(flag, n, &f, &i)) return kzvStatusFftFlagErr;
    uint64_t init = 0, scratch = 0;
    const uint64_t plan = layoutReal(n, nullptr, &init, &scratch);
    s->planUsed = plan;
    s->scratchUsed = scratch > kStackScratch ? scratch : 0;
    if (isPow2(n) && n <= 1024) {
        const int p = log2i(n);
        s->plan = 9 * uint64_t(n) + 2048;
        s->init = 0;
        s->scratch = p < 6 ? 0 : 4 * uint64_t(n) + 128;
        return kzvStatusOk;
    }
    s->plan = up64(plan) + 64;
    s->init = init ? up64(init) + 64 : 0;
    s->scratch = scratch > kStackScratch ? up64(scratch) + 64 : 0;
    return kzvStatusOk;
}

KzvStatus complexPlanInit(int64_t n, int flag, int hint, uint8_t* plan, uint8_t* initMem) {
    double f, i;
    if (n < 1) return kzvStatusSizeErr;
    uint64_t init = 0, scratch = 0;
    layoutComplex(n, true, nullptr, &init, &scratch);
    if (init && !initMem) return kzvStatusNullPtrErr;
    if (!flagScales(flag, n, &f, &i)) return kzvStatusFftFlagErr;
    initComplex(n, true, f, i, hint, plan, initMem);
    return kzvStatusOk;
}

KzvStatus realPlanInit(int64_t n, int flag, int hint, uint8_t* plan, uint8_t* initMem) {
    double f, i;
    if (n < 1) return kzvStatusSizeErr;
    RHeader h;
    memset(&h, 0, sizeof h);
    uint64_t init = 0, scratch = 0;
    layoutReal(n, &h, &init, &scratch);
    if (init && !initMem) return kzvStatusNullPtrErr;
    if (!flagScales(flag, n, &f, &i)) return kzvStatusFftFlagErr;
    h.id = kPlanReal;
    h.n = int32_t(n);
    h.hint = hint;
    h.fwd = f;
    h.inv = i;
    h.scratch = scratch <= kStackScratch ? 0 : int32_t(scratch);
    memcpy(plan, &h, sizeof h);
    const int64_t sub = h.odd ? n : n / 2;
    initComplex(sub, false, 1.0, 1.0, hint, plan + h.sub, initMem);
    if (!h.odd) {
        float* tw = reinterpret_cast<float*>(plan + h.tw);
        for (int64_t k = 0; k <= n / 4; ++k) {
            const double ang = -2.0 * kPi * double(k) / double(n);
            putComplex(tw + 2 * k, cos(ang), sin(ang));
        }
    }
    return kzvStatusOk;
}

int32_t planId(const uint8_t* plan) { return getWord(plan, 0); }
int64_t planLength(const uint8_t* plan) { return getWord(plan, 1); }

float planScale(const uint8_t* plan, bool inverse) {
    if (planId(plan) == kPlanComplex) {
        const CHeader* h = reinterpret_cast<const CHeader*>(plan);
        return float(inverse ? h->inv : h->fwd);
    }
    const RHeader* h = reinterpret_cast<const RHeader*>(plan);
    return float(inverse ? h->inv : h->fwd);
}

size_t scratchBytes(const uint8_t* plan) {
    if (planId(plan) == kPlanComplex) return size_t(reinterpret_cast<const CHeader*>(plan)->scratch);
    return size_t(reinterpret_cast<const RHeader*>(plan)->scratch);
}

void complexTransform(const uint8_t* plan, bool inverse, const Kzv32fc* in, Kzv32fc* out, void* scratch) {
    alignas(32) float stackBuf[kStackScratch / 4];
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    float* s = h->scratch ? static_cast<float*>(scratch) : stackBuf;
    complexRun(plan, inverse, reinterpret_cast<const float*>(in), reinterpret_cast<float*>(out), s,
               float(inverse ? h->inv : h->fwd));
}

void realForward(const uint8_t* plan, const float* in, float* out, void* scratch) {
    alignas(32) float stackBuf[kStackScratch / 4];
    const RHeader* h = reinterpret_cast<const RHeader*>(plan);
    float* s = h->scratch ? static_cast<float*>(scratch) : stackBuf;
    const int64_t n = h->n;
    const uint8_t* sub = plan + h->sub;
    const float sc = float(h->fwd);
    if (h->odd) {
        float* E = s;
        float* subScratch = s + up32(uint64_t(n) * 8) / 4;
        for (int64_t j = 0; j < n; ++j) E[2 * j] = in[j], E[2 * j + 1] = 0.f;
        complexRun(sub, false, E, E, subScratch, 1.0f);
        out[0] = E[0] * sc;
        for (int64_t k = 1; 2 * k < n; ++k) out[2 * k - 1] = E[2 * k] * sc, out[2 * k] = E[2 * k + 1] * sc;
        return;
    }
    const int64_t hn = n / 2;
    float* Z = s;
    const CHeader* sh = reinterpret_cast<const CHeader*>(sub);
    if (sh->kind == 0) mixedRadix<false>(sub, in, Z, out, 1.0f);
    else complexRun(sub, false, in, Z, s + up32(uint64_t(n) * 4) / 4, 1.0f);
    const float* tw = reinterpret_cast<const float*>(plan + h->tw);
    const float half = 0.5f * sc;
    const float z0r = Z[0], z0i = Z[1];
    out[0] = (z0r + z0i) * sc;
    out[n - 1] = (z0r - z0i) * sc;
    int64_t k0 = 1;
    {
        // Four pairs (k, h-k) at a time while the two runs do not meet.
        const __m256 hv = _mm256_set1_ps(half);
        for (; 2 * k0 + 6 < hn; k0 += 4) {
            const int64_t j0 = hn - k0;
            const __m256 a = _mm256_loadu_ps(Z + 2 * k0);
            const __m256 b = _mm256_xor_ps(reverse4(_mm256_loadu_ps(Z + 2 * (j0 - 3))), signOdd());
            const __m256 e = _mm256_mul_ps(_mm256_add_ps(a, b), hv);
            const __m256 o = _mm256_mul_ps(_mm256_sub_ps(a, b), hv);
            const __m256 t = rotv<false>(cmulv(o, _mm256_loadu_ps(tw + 2 * k0)));
            _mm256_storeu_ps(out + 2 * k0 - 1, _mm256_add_ps(e, t));
            _mm256_storeu_ps(out + 2 * (j0 - 3) - 1, reverse4(_mm256_xor_ps(_mm256_sub_ps(e, t), signOdd())));
        }
    }
    for (int64_t k = k0; 2 * k <= hn; ++k) {
        const int64_t j = hn - k;
        const float ar = Z[2 * k], ai = Z[2 * k + 1], br = Z[2 * j], bi = -Z[2 * j + 1];  // b = conj Z[h-k]
        const float er = (ar + br) * half, ei = (ai + bi) * half;
        const float orr = (ar - br) * half, oi = (ai - bi) * half;
        const float wr = tw[2 * k], wi = tw[2 * k + 1];
        // t = -i * w * o
        const float pr = wr * orr - wi * oi, pi = wr * oi + wi * orr;
        const float tr = pi, ti = -pr;
        out[2 * k - 1] = er + tr;
        out[2 * k] = ei + ti;
        if (j != k) {
            out[2 * j - 1] = er - tr;
            out[2 * j] = -(ei - ti);
        }
    }
}

void realInverse(const uint8_t* plan, const float* in, float* out, void* scratch) {
    alignas(32) float stackBuf[kStackScratch / 4];
    const RHeader* h = reinterpret_cast<const RHeader*>(plan);
    float* s = h->scratch ? static_cast<float*>(scratch) : stackBuf;
    const int64_t n = h->n;
    const uint8_t* sub = plan + h->sub;
    const float sc = float(h->inv);
    if (h->odd) {
        float* E = s;
        float* subScratch = s + up32(uint64_t(n) * 8) / 4;
        E[0] = in[0], E[1] = 0.f;
        for (int64_t k = 1; 2 * k < n; ++k) {
            E[2 * k] = in[2 * k - 1], E[2 * k + 1] = in[2 * k];
            E[2 * (n - k)] = in[2 * k - 1], E[2 * (n - k) + 1] = -in[2 * k];
        }
        complexRun(sub, true, E, E, subScratch, 1.0f);
        for (int64_t j = 0; j < n; ++j) out[j] = E[2 * j] * sc;
        return;
    }
    const int64_t hn = n / 2;
    float* Z = s;
    const float* tw = reinterpret_cast<const float*>(plan + h->tw);
    const float x0 = in[0], xh = in[n - 1];
    Z[0] = (x0 + xh) * sc;
    Z[1] = (x0 - xh) * sc;
    int64_t k0 = 1;
    {
        const __m256 sv = _mm256_set1_ps(sc);
        for (; 2 * k0 + 6 < hn; k0 += 4) {
            const int64_t j0 = hn - k0;
            const __m256 a = _mm256_loadu_ps(in + 2 * k0 - 1);
            const __m256 b = _mm256_xor_ps(reverse4(_mm256_loadu_ps(in + 2 * (j0 - 3) - 1)), signOdd());
            const __m256 e = _mm256_mul_ps(_mm256_add_ps(a, b), sv);
            const __m256 o = _mm256_mul_ps(_mm256_sub_ps(a, b), sv);
            const __m256 w = _mm256_xor_ps(_mm256_loadu_ps(tw + 2 * k0), signOdd());
            const __m256 t = rotv<true>(cmulv(o, w));
            _mm256_storeu_ps(Z + 2 * k0, _mm256_add_ps(e, t));
            _mm256_storeu_ps(Z + 2 * (j0 - 3), reverse4(_mm256_xor_ps(_mm256_sub_ps(e, t), signOdd())));
        }
    }
    for (int64_t k = k0; 2 * k <= hn; ++k) {
        const int64_t j = hn - k;
        const float ar = in[2 * k - 1], ai = in[2 * k];
        const float br = in[2 * j - 1], bi = -in[2 * j];  // conj X[h-k]
        const float er = (ar + br) * sc, ei = (ai + bi) * sc;
        const float orr = (ar - br) * sc, oi = (ai - bi) * sc;
        const float wr = tw[2 * k], wi = -tw[2 * k + 1];  // conj w
        // t = i * conj(w) * o
        const float pr = wr * orr - wi * oi, pi = wr * oi + wi * orr;
        const float tr = -pi, ti = pr;
        Z[2 * k] = er + tr;
        Z[2 * k + 1] = ei + ti;
        if (j != k) {
            Z[2 * j] = er - tr;
            Z[2 * j + 1] = -(ei - ti);
        }
    }
    const CHeader* sh = reinterpret_cast<const CHeader*>(sub);
    if (sh->kind == 0) mixedRadix<true>(sub, Z, out, Z, 1.0f);
    else complexRun(sub, true, Z, out, s + up32(uint64_t(n) * 4) / 4, 1.0f);
}

bool batchSupported(const uint8_t* plan) {
    const CHeader* h = reinterpret_cast<const CHeader*>(plan);
    return h->kind == 0 && h->perm != 0;
}

void batch8(const uint8_t* plan, bool inverse, float* data) {
    if (inverse) batchRun<true>(plan, data);
    else batchRun<false>(plan, data);
}

const int32_t* batchOrder(const uint8_t* plan) {
    return reinterpret_cast<const int32_t*>(plan + reinterpret_cast<const CHeader*>(plan)->perm);
}

}  // namespace kzv::fft
