// Mirror and transpose: exact pixel rearrangements. Every kernel works on
// pixels as blocks of E bytes (the sample type does not matter, so 16s runs
// the 16u code and 32f the 32s code); AC4 forms write W = 3E/4 bytes of each
// pixel and keep the fourth sample.
#include <immintrin.h>
#include <stdint.h>
#include <string.h>

#include "common/frame.h"
#include "kzvi.h"

namespace kzv {
namespace {

using Byte = uint8_t;

template <int W>
inline void copyPixel(Byte* d, const Byte* s) {
    memcpy(d, s, W);
}

// Exchanges the first W bytes of two pixels.
template <int W>
inline void swapPixel(Byte* a, Byte* b) {
    Byte t[W];
    memcpy(t, a, W);
    memcpy(a, b, W);
    memcpy(b, t, W);
}

// ---- Vector pixel reversal ------------------------------------------------
// Rev<E>::apply reverses the order of the 32 / E pixels of a vector; defined
// for the pixel sizes that divide 32. Other sizes use Rev48 or scalar code.

template <int E>
struct Rev {
    static constexpr bool kVector = false;
};
template <>
struct Rev<1> {
    static constexpr bool kVector = true;
    static __m256i apply(__m256i v) {
        const __m256i m = _mm256_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11,
                                           10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        return _mm256_permute4x64_epi64(_mm256_shuffle_epi8(v, m), 0x4E);
    }
};
template <>
struct Rev<2> {
    static constexpr bool kVector = true;
    static __m256i apply(__m256i v) {
        const __m256i m = _mm256_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1, 14, 15, 12, 13, 10,
                                           11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1);
        return _mm256_permute4x64_epi64(_mm256_shuffle_epi8(v, m), 0x4E);
    }
};
template <>
struct Rev<4> {
    static constexpr bool kVector = true;
    static __m256i apply(__m256i v) {
        return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0));
    }
};
template <>
struct Rev<8> {
    static constexpr bool kVector = true;
    static __m256i apply(__m256i v) { return _mm256_permute4x64_epi64(v, 0x1B); }
};
template <>
struct Rev<16> {
    static constexpr bool kVector = true;
    static __m256i apply(__m256i v) { return _mm256_permute2x128_si256(v, v, 0x01); }
};

// Reversal of 48 bytes (48 / E pixels) for E = 3, 6, 12, from three 16-byte
// loads with byte shuffles: output chunk j gathers from input chunks i with
// mask kRev48<E>.m[j][i] (0x80 where a byte comes from another chunk).
template <int E>
struct Rev48Masks {
    alignas(16) int8_t m[3][3][16];
};
template <int E>
constexpr Rev48Masks<E> makeRev48() {
    Rev48Masks<E> r{};
    constexpr int n = 48 / E;
    for (int k = 0; k < 48; ++k) {
        const int p = k / E, c = k % E;
        const int from = (n - 1 - p) * E + c;
        for (int i = 0; i < 3; ++i) r.m[k / 16][i][k % 16] = int8_t(from / 16 == i ? from % 16 : 0x80);
    }
    return r;
}
template <int E>
constexpr Rev48Masks<E> kRev48 = makeRev48<E>();

template <int E>
inline void reverse48(const Byte* s, Byte* d) {
    const __m128i a[3] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(s)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 32))};
    for (int j = 0; j < 3; ++j) {
        __m128i o = _mm_setzero_si128();
        for (int i = 0; i < 3; ++i)
            o = _mm_or_si128(o, _mm_shuffle_epi8(a[i], _mm_load_si128(reinterpret_cast<const __m128i*>(kRev48<E>.m[j][i]))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 16 * j), o);
    }
}

// d[x] = s[w - 1 - x] for x < w (pixels of E bytes, W written).
template <int E, int W>
void reverseRow(const Byte* s, Byte* d, ptrdiff_t w) {
    ptrdiff_t x = 0;
    if constexpr (W == E && Rev<E>::kVector) {
        constexpr ptrdiff_t n = 32 / E;
        for (; x + n <= w; x += n)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x * E),
                                Rev<E>::apply(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + (w - x - n) * E))));
    } else if constexpr (W == E && (E == 3 || E == 6 || E == 12)) {
        constexpr ptrdiff_t n = 48 / E;
        for (; x + n <= w; x += n) reverse48<E>(s + (w - x - n) * E, d + x * E);
    }
    // Scalar tail (and the whole row for the other pixel sizes).
    for (; x < w; ++x) copyPixel<W>(d + x * E, s + (w - 1 - x) * E);
}

// Copies a row of w pixels (W of E bytes each).
template <int E, int W>
void copyRow(const Byte* s, Byte* d, ptrdiff_t w) {
    if constexpr (W == E) {
        memcpy(d, s, size_t(w) * E);
    } else {
        for (ptrdiff_t x = 0; x < w; ++x) copyPixel<W>(d + x * E, s + x * E);
    }
}

// Exchanges two rows of w pixels.
template <int E, int W>
void swapRows(Byte* a, Byte* b, ptrdiff_t w) {
    if constexpr (W == E) {
        const ptrdiff_t n = w * E;
        ptrdiff_t i = 0;
        for (; i + 32 <= n; i += 32) {
            const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
            const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(a + i), vb);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(b + i), va);
        }
        for (; i < n; ++i) {
            const Byte t = a[i];
            a[i] = b[i];
            b[i] = t;
        }
    } else {
        for (ptrdiff_t x = 0; x < w; ++x) swapPixel<W>(a + x * E, b + x * E);
    }
}

// Row a reversed into row b and row b reversed into row a (a != b).
template <int E, int W>
void swapReversedRows(Byte* a, Byte* b, ptrdiff_t w) {
    ptrdiff_t x = 0;
    if constexpr (W == E && Rev<E>::kVector) {
        constexpr ptrdiff_t n = 32 / E;
        for (; x + n <= w; x += n) {
            Byte* pa = a + x * E;
            Byte* pb = b + (w - x - n) * E;
            const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pa));
            const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pb));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(pa), Rev<E>::apply(vb));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(pb), Rev<E>::apply(va));
        }
    }
    for (; x < w; ++x) swapPixel<W>(a + x * E, b + (w - 1 - x) * E);
}

// Reverses a row in place, pairwise from both ends; a middle pixel stays.
template <int E, int W>
void reverseRowInPlace(Byte* r, ptrdiff_t w) {
    ptrdiff_t x = 0;
    if constexpr (W == E && Rev<E>::kVector) {
        constexpr ptrdiff_t n = 32 / E;
        for (; 2 * (x + n) <= w; x += n) {
            Byte* pa = r + x * E;
            Byte* pb = r + (w - x - n) * E;
            const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pa));
            const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pb));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(pa), Rev<E>::apply(vb));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(pb), Rev<E>::apply(va));
        }
    }
    for (; 2 * x + 1 < w; ++x) swapPixel<W>(r + x * E, r + (w - 1 - x) * E);
}

// ---- Transpose blocks -----------------------------------------------------
// TBlock<E>::run transposes a kB x kB block: d row j, pixel i = s row i,
// pixel j. Pixel sizes without a register kernel copy element by element.

template <int E>
struct TBlock {
    static constexpr ptrdiff_t kB = 8;
    static void run(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds) {
        for (ptrdiff_t i = 0; i < kB; ++i)
            for (ptrdiff_t j = 0; j < kB; ++j) copyPixel<E>(d + j * ds + i * E, s + i * ss + j * E);
    }
};

template <>
struct TBlock<1> {
    static constexpr ptrdiff_t kB = 16;
    static void run(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds) {
        __m128i r[16], t[16];
        for (int i = 0; i < 16; ++i) r[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * ss));
        for (int i = 0; i < 8; ++i) {
            t[2 * i] = _mm_unpacklo_epi8(r[2 * i], r[2 * i + 1]);
            t[2 * i + 1] = _mm_unpackhi_epi8(r[2 * i], r[2 * i + 1]);
        }
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 2; ++k) {
                r[4 * i + k] = _mm_unpacklo_epi16(t[4 * i + k], t[4 * i + 2 + k]);
                r[4 * i + 2 + k] = _mm_unpackhi_epi16(t[4 * i + k], t[4 * i + 2 + k]);
            }
        for (int i = 0; i < 2; ++i)
            for (int k = 0; k < 4; ++k) {
                t[8 * i + k] = _mm_unpacklo_epi32(r[8 * i + k], r[8 * i + 4 + k]);
                t[8 * i + 4 + k] = _mm_unpackhi_epi32(r[8 * i + k], r[8 * i + 4 + k]);
            }
        for (int k = 0; k < 8; ++k) {
            r[k] = _mm_unpacklo_epi64(t[k], t[8 + k]);
            r[8 + k] = _mm_unpackhi_epi64(t[k], t[8 + k]);
        }
        // After the four stages r[m] holds output row perm(m); the bit
        // order of the index is reversed by the pairing above.
        for (int m = 0; m < 16; ++m) {
            const int j = ((m & 1) << 3) | ((m & 2) << 1) | ((m & 4) >> 1) | ((m & 8) >> 3);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + j * ds), r[m]);
        }
    }
};

template <>
struct TBlock<2> {
    static constexpr ptrdiff_t kB = 8;
    static void run(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds) {
        __m128i r[8], t[8];
        for (int i = 0; i < 8; ++i) r[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * ss));
        for (int i = 0; i < 4; ++i) {
            t[2 * i] = _mm_unpacklo_epi16(r[2 * i], r[2 * i + 1]);
            t[2 * i + 1] = _mm_unpackhi_epi16(r[2 * i], r[2 * i + 1]);
        }
        for (int i = 0; i < 2; ++i)
            for (int k = 0; k < 2; ++k) {
                r[4 * i + k] = _mm_unpacklo_epi32(t[4 * i + k], t[4 * i + 2 + k]);
                r[4 * i + 2 + k] = _mm_unpackhi_epi32(t[4 * i + k], t[4 * i + 2 + k]);
            }
        for (int k = 0; k < 4; ++k) {
            t[k] = _mm_unpacklo_epi64(r[k], r[4 + k]);
            t[4 + k] = _mm_unpackhi_epi64(r[k], r[4 + k]);
        }
        for (int m = 0; m < 8; ++m) {
            const int j = ((m & 1) << 2) | (m & 2) | ((m & 4) >> 2);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + j * ds), t[m]);
        }
    }
};

template <>
struct TBlock<4> {
    static constexpr ptrdiff_t kB = 8;
    static void run(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds) {
        __m256 r[8], t[8];
        for (int i = 0; i < 8; ++i) r[i] = _mm256_castsi256_ps(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i * ss)));
        for (int i = 0; i < 4; ++i) {
            t[2 * i] = _mm256_unpacklo_ps(r[2 * i], r[2 * i + 1]);
            t[2 * i + 1] = _mm256_unpackhi_ps(r[2 * i], r[2 * i + 1]);
        }
        for (int i = 0; i < 2; ++i) {
            r[4 * i + 0] = _mm256_shuffle_ps(t[4 * i], t[4 * i + 2], 0x44);
            r[4 * i + 1] = _mm256_shuffle_ps(t[4 * i], t[4 * i + 2], 0xEE);
            r[4 * i + 2] = _mm256_shuffle_ps(t[4 * i + 1], t[4 * i + 3], 0x44);
            r[4 * i + 3] = _mm256_shuffle_ps(t[4 * i + 1], t[4 * i + 3], 0xEE);
        }
        for (int k = 0; k < 4; ++k) {
            t[k] = _mm256_permute2f128_ps(r[k], r[4 + k], 0x20);
            t[4 + k] = _mm256_permute2f128_ps(r[k], r[4 + k], 0x31);
        }
        for (int j = 0; j < 8; ++j) _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + j * ds), _mm256_castps_si256(t[j]));
    }
};

template <>
struct TBlock<8> {
    static constexpr ptrdiff_t kB = 4;
    static void run(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds) {
        __m256i r[4];
        for (int i = 0; i < 4; ++i) r[i] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i * ss));
        const __m256i t0 = _mm256_unpacklo_epi64(r[0], r[1]), t1 = _mm256_unpackhi_epi64(r[0], r[1]);
        const __m256i t2 = _mm256_unpacklo_epi64(r[2], r[3]), t3 = _mm256_unpackhi_epi64(r[2], r[3]);
        const __m256i o[4] = {_mm256_permute2x128_si256(t0, t2, 0x20), _mm256_permute2x128_si256(t1, t3, 0x20),
                              _mm256_permute2x128_si256(t0, t2, 0x31), _mm256_permute2x128_si256(t1, t3, 0x31)};
        for (int j = 0; j < 4; ++j) _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + j * ds), o[j]);
    }
};

// Out-of-place transpose of a w x h source region: d(x, y) = s(y, x), the
// destination h wide and w high. Blocks are walked so that each destination
// row receives whole cache lines (64 bytes of source rows per tile).
template <int E>
void transposeCopy(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h) {
    constexpr ptrdiff_t B = TBlock<E>::kB;
    constexpr ptrdiff_t tile = (64 / (B * E) > 1 ? 64 / (B * E) : 1) * B;
    const ptrdiff_t wb = (w >= 16 && h >= 16) ? w - w % B : 0;
    const ptrdiff_t hb = (w >= 16 && h >= 16) ? h - h % B : 0;
    for (ptrdiff_t i0 = 0; i0 < hb; i0 += tile) {
        const ptrdiff_t i1 = i0 + tile < hb ? i0 + tile : hb;
        for (ptrdiff_t j = 0; j < wb; j += B)
            for (ptrdiff_t i = i0; i < i1; i += B) TBlock<E>::run(s + i * ss + j * E, ss, d + j * ds + i * E, ds);
    }
    // The right columns and bottom rows the blocks left over.
    for (ptrdiff_t i = 0; i < h; ++i) {
        const Byte* sr = s + i * ss;
        const ptrdiff_t j0 = i < hb ? wb : 0;
        for (ptrdiff_t j = j0; j < w; ++j) copyPixel<E>(d + j * ds + i * E, sr + j * E);
    }
}

// In-place transpose of an n x n region: blocks (I, J) and (J, I) go through
// a scratch block; the diagonal blocks likewise.
template <int E>
void transposeSquare(Byte* p, ptrdiff_t step, ptrdiff_t n) {
    constexpr ptrdiff_t B = TBlock<E>::kB;
    const ptrdiff_t nb = n >= 16 ? n - n % B : 0;
    Byte tmp[B * B * E];
    auto copyIn = [&](Byte* dst) {
        for (ptrdiff_t r = 0; r < B; ++r) memcpy(dst + r * step, tmp + r * B * E, size_t(B * E));
    };
    for (ptrdiff_t I = 0; I < nb; I += B) {
        Byte* diag = p + I * step + I * E;
        TBlock<E>::run(diag, step, tmp, B * E);
        copyIn(diag);
        for (ptrdiff_t J = I + B; J < nb; J += B) {
            Byte* a = p + I * step + J * E;
            Byte* b = p + J * step + I * E;
            TBlock<E>::run(a, step, tmp, B * E);
            TBlock<E>::run(b, step, a, step);
            copyIn(b);
        }
    }
    // Pairs with a coordinate beyond the blocked square.
    for (ptrdiff_t i = 0; i < n; ++i)
        for (ptrdiff_t j = (i < nb ? nb : i + 1); j < n; ++j) swapPixel<E>(p + i * step + j * E, p + j * step + i * E);
}

// ---- Overlap test for the diagonal flips -----------------------------------

// True when some row of region A (na rows of la bytes, step sa > 0) shares a
// byte with some row of region B. For each row of B the rows of A that could
// touch it form a range of indices, found by division.
bool rowsOverlap(const Byte* a, ptrdiff_t sa, ptrdiff_t la, ptrdiff_t na, const Byte* b, ptrdiff_t sb, ptrdiff_t lb,
                 ptrdiff_t nb) {
    const int64_t a0 = int64_t(reinterpret_cast<uintptr_t>(a)), b0 = int64_t(reinterpret_cast<uintptr_t>(b));
    const int64_t aEnd = a0 + int64_t(sa) * (na - 1) + la, bEnd = b0 + int64_t(sb) * (nb - 1) + lb;
    if (aEnd <= b0 || bEnd <= a0) return false;
    auto floorDiv = [](int64_t x, int64_t y) { return x >= 0 ? x / y : -((-x + y - 1) / y); };
    for (ptrdiff_t j = 0; j < nb; ++j) {
        const int64_t lo = b0 + int64_t(sb) * j, hi = lo + lb;
        // Row i of A touches [lo, hi) when a0 + i*sa < hi and a0 + i*sa + la > lo.
        int64_t iMin = floorDiv(lo - la - a0, sa) + 1;
        int64_t iMax = floorDiv(hi - 1 - a0, sa);
        if (iMin < 0) iMin = 0;
        if (iMax > na - 1) iMax = na - 1;
        if (iMin <= iMax) return true;
    }
    return false;
}

// ---- Frames -----------------------------------------------------------------

template <int S>
inline bool badSampleStep(ptrdiff_t step) {
    return S == 2 && (step & 1) != 0;
}

template <int E, int W, int S>
KzvStatus mirrorInPlace(Byte* p, int32_t step, KzvImageSize roi, int32_t flip) {
    if (!p) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badSampleStep<S>(step)) return kzvStatusStepErr;
    if (flip < 0 || flip > 2) return kzvStatusMirrorAxisErr;
    const ptrdiff_t w = roi.width, h = roi.height;
    if (flip == 0) {
        for (ptrdiff_t y = 0; y < h / 2; ++y) swapRows<E, W>(rowAt(p, step, y), rowAt(p, step, h - 1 - y), w);
    } else if (flip == 1) {
        for (ptrdiff_t y = 0; y < h; ++y) reverseRowInPlace<E, W>(rowAt(p, step, y), w);
    } else {
        for (ptrdiff_t y = 0; y < h / 2; ++y) swapReversedRows<E, W>(rowAt(p, step, y), rowAt(p, step, h - 1 - y), w);
        if (h & 1) reverseRowInPlace<E, W>(rowAt(p, step, h / 2), w);
    }
    return kzvStatusOk;
}

// dst(x, y) = src(h - 1 - y, w - 1 - x): the source region is h wide and w
// high. Walked in square tiles so both sides stay within a few cache lines.
template <int E>
void secondaryDiagonal(const Byte* s, ptrdiff_t ss, Byte* d, ptrdiff_t ds, ptrdiff_t w, ptrdiff_t h) {
    constexpr ptrdiff_t tile = 32;
    for (ptrdiff_t y0 = 0; y0 < h; y0 += tile)
        for (ptrdiff_t x0 = 0; x0 < w; x0 += tile) {
            const ptrdiff_t y1 = y0 + tile < h ? y0 + tile : h, x1 = x0 + tile < w ? x0 + tile : w;
            for (ptrdiff_t y = y0; y < y1; ++y) {
                Byte* dr = d + y * ds;
                const Byte* sc = s + (h - 1 - y) * E;
                for (ptrdiff_t x = x0; x < x1; ++x) copyPixel<E>(dr + x * E, sc + (w - 1 - x) * ss);
            }
        }
}

template <int E, int W, int S, bool Diagonal>
KzvStatus mirror(const Byte* s, int32_t ss, Byte* d, int32_t ds, KzvImageSize roi, int32_t flip) {
    if (Diagonal && (flip == 3 || flip == 4)) {
        if (!s || !d) return kzvStatusNullPtrErr;
        if (ss < 1 || ds < 1 || badSampleStep<S>(ss) || badSampleStep<S>(ds)) return kzvStatusStepErr;
        if (badSize(roi)) return kzvStatusSizeErr;
        const ptrdiff_t w = roi.width, h = roi.height;
        // Source: w rows of h pixels; destination: h rows of w pixels.
        if (rowsOverlap(s, ss, h * E, w, d, ds, w * E, h)) return kzvStatusNotSupportedModeErr;
        if (flip == 3) transposeCopy<E>(s, ss, d, ds, h, w);
        else secondaryDiagonal<E>(s, ss, d, ds, w, h);
        return kzvStatusOk;
    }
    if (s == d && ss == ds) return mirrorInPlace<E, W, S>(d, ds, roi, flip);
    if (!s || !d) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (badSampleStep<S>(ss) || badSampleStep<S>(ds)) return kzvStatusStepErr;
    if (flip < 0 || flip > 2) return kzvStatusMirrorAxisErr;
    const ptrdiff_t w = roi.width, h = roi.height;
    for (ptrdiff_t y = 0; y < h; ++y) {
        const Byte* sr = rowAt(s, ss, flip == 1 ? y : h - 1 - y);
        Byte* dr = rowAt(d, ds, y);
        if (flip == 0) copyRow<E, W>(sr, dr, w);
        else reverseRow<E, W>(sr, dr, w);
    }
    return kzvStatusOk;
}

template <int E>
KzvStatus transposeInPlace(Byte* p, int32_t step, KzvImageSize roi) {
    if (!p) return kzvStatusNullPtrErr;
    if (badSize(roi) || roi.width != roi.height) return kzvStatusSizeErr;
    transposeSquare<E>(p, step, roi.width);
    return kzvStatusOk;
}

template <int E>
KzvStatus transpose(const Byte* s, int32_t ss, Byte* d, int32_t ds, KzvImageSize roi) {
    if (s && s == d) {
        if (ss != ds) return kzvStatusNotSupportedModeErr;
        return transposeInPlace<E>(d, ds, roi);
    }
    if (!s || !d) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    transposeCopy<E>(s, ss, d, ds, roi.width, roi.height);
    return kzvStatusOk;
}

template <class T>
inline const Byte* bytes(const T* p) {
    return reinterpret_cast<const Byte*>(p);
}
template <class T>
inline Byte* bytes(T* p) {
    return reinterpret_cast<Byte*>(p);
}

}  // namespace
}  // namespace kzv

#define MIRROR(nameR, nameIR, T, M, P)                                                                          \
    extern "C" KzvStatus nameR(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize, \
                               int32_t flip) {                                                                 \
        return kzv::mirror<M * sizeof(T), P * sizeof(T), sizeof(T), M == 1>(kzv::bytes(pSrc), srcStep,        \
                                                                            kzv::bytes(pDst), dstStep, roiSize, flip); \
    }                                                                                                          \
    extern "C" KzvStatus nameIR(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip) {          \
        return kzv::mirrorInPlace<M * sizeof(T), P * sizeof(T), sizeof(T)>(kzv::bytes(pSrcDst), srcDstStep,    \
                                                                           roiSize, flip);                     \
    }
#define TRANSPOSE(nameR, nameIR, T, M)                                                                          \
    extern "C" KzvStatus nameR(const T* pSrc, int32_t srcStep, T* pDst, int32_t dstStep, KzvImageSize roiSize) { \
        return kzv::transpose<M * sizeof(T)>(kzv::bytes(pSrc), srcStep, kzv::bytes(pDst), dstStep, roiSize);   \
    }                                                                                                          \
    extern "C" KzvStatus nameIR(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize) {                        \
        return kzv::transposeInPlace<M * sizeof(T)>(kzv::bytes(pSrcDst), srcDstStep, roiSize);                 \
    }
#include "geometry/mirror_exports.inc"
#undef MIRROR
#undef TRANSPOSE
