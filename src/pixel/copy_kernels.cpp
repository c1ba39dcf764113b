// Row routines of the copy family: byte copies, pattern fills, unit maps,
// planar conversions. See copy_kernels.h for the interface rules.
#include "pixel/copy_kernels.h"

#include <immintrin.h>
#include <string.h>

#include "common/cache.h"
#include "common/simd.h"

namespace kzv::cpy {

namespace {

using simd::loadu;
using simd::loadu128;
using simd::storeu;
using simd::storeu128;

inline __m256i loada(const uint8_t* p) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(p));
}
inline void storea(uint8_t* p, __m256i v) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
}
inline void stream(uint8_t* p, __m256i v) {
    _mm256_stream_si256(reinterpret_cast<__m256i*>(p), v);
}
inline size_t misalign(const void* p, uintptr_t a) {
    return size_t(reinterpret_cast<uintptr_t>(p) & (a - 1));
}

// Below 32 bytes: two overlapping moves of the largest power of two.
inline void copyUnder32(const uint8_t* s, uint8_t* d, size_t n) {
    if (n >= 16) {
        const __m128i a = loadu128(s), b = loadu128(s + n - 16);
        storeu128(d, a);
        storeu128(d + n - 16, b);
    } else if (n >= 8) {
        uint64_t a, b;
        memcpy(&a, s, 8);
        memcpy(&b, s + n - 8, 8);
        memcpy(d, &a, 8);
        memcpy(d + n - 8, &b, 8);
    } else if (n >= 4) {
        uint32_t a, b;
        memcpy(&a, s, 4);
        memcpy(&b, s + n - 4, 4);
        memcpy(d, &a, 4);
        memcpy(d + n - 4, &b, 4);
    } else if (n >= 2) {
        uint16_t a, b;
        memcpy(&a, s, 2);
        memcpy(&b, s + n - 2, 2);
        memcpy(d, &a, 2);
        memcpy(d + n - 2, &b, 2);
    } else if (n == 1) {
        d[0] = s[0];
    }
}

// Unaligned rows of 2 KiB and more: the string move, which processors with
// fast string operations run at full cache bandwidth.
constexpr size_t kRepMoveBytes = 2048;
inline void repMove(const uint8_t* s, uint8_t* d, size_t n) {
    __asm__ volatile("rep movsb" : "+D"(d), "+S"(s), "+c"(n) : : "memory");
}

}  // namespace

// ---- Byte copies ------------------------------------------------------------

void copyRowSmall(const uint8_t* s, uint8_t* d, size_t n) {
    if (n < 32) {
        copyUnder32(s, d, n);
        return;
    }
    size_t i = 0;
    for (; i + 128 <= n; i += 128) {
        const __m256i a = loadu(s + i), b = loadu(s + i + 32), c = loadu(s + i + 64), e = loadu(s + i + 96);
        storeu(d + i, a);
        storeu(d + i + 32, b);
        storeu(d + i + 64, c);
        storeu(d + i + 96, e);
    }
    for (; i + 32 <= n; i += 32) storeu(d + i, loadu(s + i));
    // Tail: an overlapped final vector (recopying bytes gives the same bytes).
    if (i < n) storeu(d + n - 32, loadu(s + n - 32));
}

void copyRowUnaligned(const uint8_t* s, uint8_t* d, size_t n) {
    if (n >= kRepMoveBytes) {
        repMove(s, d, n);
        return;
    }
    if (n < 64) {
        copyRowSmall(s, d, n);
        return;
    }
    const __m256i first = loadu(s);
    const __m256i last = loadu(s + n - 32);
    size_t i = 32 - misalign(d, 32);
    storeu(d, first);
    for (; i + 128 <= n; i += 128) {
        const __m256i a = loadu(s + i), b = loadu(s + i + 32), c = loadu(s + i + 64), e = loadu(s + i + 96);
        storea(d + i, a);
        storea(d + i + 32, b);
        storea(d + i + 64, c);
        storea(d + i + 96, e);
    }
    for (; i + 32 <= n; i += 32) storea(d + i, loadu(s + i));
    storeu(d + n - 32, last);
}

void copyRowAligned(const uint8_t* s, uint8_t* d, size_t n) {
    if (n >= kRepMoveBytes) {
        copyRowAlias(s, d, n);  // the look-ahead order is faster on long rows
        return;
    }
    size_t i = 0;
    if (simd::aligned<32>(s)) {
        for (; i + 128 <= n; i += 128) {
            const __m256i a = loada(s + i), b = loada(s + i + 32), c = loada(s + i + 64), e = loada(s + i + 96);
            storea(d + i, a);
            storea(d + i + 32, b);
            storea(d + i + 64, c);
            storea(d + i + 96, e);
        }
    } else {
        for (; i + 128 <= n; i += 128) {
            const __m256i a = loadu(s + i), b = loadu(s + i + 32), c = loadu(s + i + 64), e = loadu(s + i + 96);
            storea(d + i, a);
            storea(d + i + 32, b);
            storea(d + i + 64, c);
            storea(d + i + 96, e);
        }
    }
    for (; i < n; i += 32) storea(d + i, loadu(s + i));
}

void copyRowAlias(const uint8_t* s, uint8_t* d, size_t n) {
    // Forwards, with the loads of each 192-byte block issued before the
    // stores of the previous one: a load then never follows, closely, a
    // store to an address 0..159 bytes below it modulo 4 KiB.
    size_t i = 0;
    if (n >= 384) {
        __m256i a0 = loadu(s), a1 = loadu(s + 32), a2 = loadu(s + 64);
        __m256i a3 = loadu(s + 96), a4 = loadu(s + 128), a5 = loadu(s + 160);
        for (i = 192; i + 192 <= n; i += 192) {
            const __m256i b0 = loadu(s + i), b1 = loadu(s + i + 32), b2 = loadu(s + i + 64);
            const __m256i b3 = loadu(s + i + 96), b4 = loadu(s + i + 128), b5 = loadu(s + i + 160);
            uint8_t* o = d + i - 192;
            storea(o, a0);
            storea(o + 32, a1);
            storea(o + 64, a2);
            storea(o + 96, a3);
            storea(o + 128, a4);
            storea(o + 160, a5);
            a0 = b0, a1 = b1, a2 = b2, a3 = b3, a4 = b4, a5 = b5;
        }
        uint8_t* o = d + i - 192;
        storea(o, a0);
        storea(o + 32, a1);
        storea(o + 64, a2);
        storea(o + 96, a3);
        storea(o + 128, a4);
        storea(o + 160, a5);
    }
    for (; i < n; i += 32) storea(d + i, loadu(s + i));
}

void copyRowStreamAligned(const uint8_t* s, uint8_t* d, size_t n) {
    size_t i = 0;
    for (; i + 128 <= n; i += 128) {
        const __m256i a = loadu(s + i), b = loadu(s + i + 32), c = loadu(s + i + 64), e = loadu(s + i + 96);
        stream(d + i, a);
        stream(d + i + 32, b);
        stream(d + i + 64, c);
        stream(d + i + 96, e);
    }
    for (; i < n; i += 32) stream(d + i, loadu(s + i));
}

void copyRowStream(const uint8_t* s, uint8_t* d, size_t n) {
    if (n < 128) {
        copyRowSmall(s, d, n);
        return;
    }
    // Plain stores up to the next 64-byte boundary, whole streamed lines,
    // plain stores for the rest.
    const size_t head = (64 - misalign(d, 64)) & 63;
    copyRowSmall(s, d, head);
    const size_t body = (n - head) & ~size_t(63);
    copyRowStreamAligned(s + head, d + head, body);
    copyRowSmall(s + head + body, d + head + body, n - head - body);
}

void streamFence() {
    _mm_sfence();
}

bool aliases4k(const void* s, const void* d) {
    const uintptr_t ds = (reinterpret_cast<uintptr_t>(d) & 4095) - (reinterpret_cast<uintptr_t>(s) & 4095);
    return ds < 160;
}

void copyBlock(const uint8_t* s, uint8_t* d, size_t n, int64_t cacheBytes) {
    if (n < kBlockPlainBytes) {
        copyRowSmall(s, d, n);
        return;
    }
    if (uint64_t(n) > kBlockStreamBytes && reachesCache(int64_t(n), cacheBytes, 2)) {
        copyRowStream(s, d, n);
        streamFence();
        return;
    }
    if (aliases4k(s, d)) {
        // Plain head to the destination's 32-byte boundary, the aligned
        // middle backwards, plain tail.
        const size_t head = (32 - misalign(d, 32)) & 31;
        const size_t body = (n - head) & ~size_t(31);
        copyRowSmall(s, d, head);
        copyRowAlias(s + head, d + head, body);
        copyRowSmall(s + head + body, d + head + body, n - head - body);
        return;
    }
    copyRowUnaligned(s, d, n);
}

void copyRowLibc(const uint8_t* s, uint8_t* d, size_t n) {
    if (s != d) memcpy(d, s, n);
}

CopyPath copyPath(const uint8_t* s, ptrdiff_t srcStep, const uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                  size_t height, int64_t cacheBytes) {
    const uint64_t total = uint64_t(rowBytes) * uint64_t(height);
    const bool dst32 = misalign(d, 32) == 0 && (dstStep & 31) == 0 && (rowBytes & 31) == 0;
    const bool dst64 = misalign(d, 64) == 0 && (dstStep & 63) == 0 && (rowBytes & 31) == 0;
    if (total < kHugeCopyBytes) {
        if (ptrdiff_t(rowBytes) == srcStep && ptrdiff_t(rowBytes) == dstStep) return CopyPath::Block;
        if (rowBytes < kSmallRowBytes) return CopyPath::Small;
        if (total <= kCachedCopyBytes || !reachesCache(int64_t(total), cacheBytes, 2)) {
            if (dst32 && srcStep == dstStep && aliases4k(s, d)) return CopyPath::CachedAlias;
            return dst32 ? CopyPath::CachedAligned : CopyPath::CachedUnaligned;
        }
    }
    return dst64 ? CopyPath::StreamAligned : CopyPath::Stream;
}

void copyRowsBy(CopyPath path, const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                size_t height, int64_t cacheBytes) {
    void (*row)(const uint8_t*, uint8_t*, size_t) = copyRowUnaligned;
    switch (path) {
    case CopyPath::Block:
        copyBlock(s, d, rowBytes * height, cacheBytes);
        return;
    case CopyPath::Small: row = copyRowSmall; break;
    case CopyPath::CachedAlias: row = copyRowAlias; break;
    case CopyPath::CachedAligned: row = copyRowAligned; break;
    case CopyPath::CachedUnaligned: row = copyRowUnaligned; break;
    case CopyPath::Stream: row = copyRowStream; break;
    case CopyPath::StreamAligned: row = copyRowStreamAligned; break;
    }
    // Cached rows of a few hundred bytes and more go to the C library's
    // copy, which picks the widest moves the processor has at run time and
    // copes with 4 KiB aliasing itself; it beats our 32-byte loops on such rows.
    if ((path == CopyPath::CachedAlias || path == CopyPath::CachedAligned || path == CopyPath::CachedUnaligned) &&
        rowBytes >= kLibcRowBytes)
        row = copyRowLibc;
    for (size_t y = 0; y < height; ++y)
        row(s + srcStep * ptrdiff_t(y), d + dstStep * ptrdiff_t(y), rowBytes);
    if (path == CopyPath::Stream || path == CopyPath::StreamAligned) streamFence();
}

void copyRows(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes, size_t height,
              int64_t cacheBytes) {
    copyRowsBy(copyPath(s, srcStep, d, dstStep, rowBytes, height, cacheBytes), s, srcStep, d, dstStep, rowBytes,
               height, cacheBytes);
}

void copyRowsLong(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                  size_t height, int64_t cacheBytes, size_t chunkBytes) {
    if (ptrdiff_t(rowBytes) == srcStep && ptrdiff_t(rowBytes) == dstStep && rowBytes <= PTRDIFF_MAX / height) {
        rowBytes *= height;
        height = 1;
    }
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* sr = s + srcStep * ptrdiff_t(y);
        uint8_t* dr = d + dstStep * ptrdiff_t(y);
        for (size_t off = 0; off < rowBytes; off += chunkBytes) {
            const size_t n = rowBytes - off < chunkBytes ? rowBytes - off : chunkBytes;
            if (n < kBlockPlainBytes) copyRowSmall(sr + off, dr + off, n);
            else copyBlock(sr + off, dr + off, n, cacheBytes);
        }
    }
}

// ---- Managed copy ---------------------------------------------------------

namespace {

// Streaming loads of whole 64-byte source lines; the destination written
// with non-temporal stores when asked for and 16-byte aligned.
void copyRowNtLoad(const uint8_t* s, uint8_t* d, size_t n, bool ntStore) {
    size_t i = 0;
    // Single bytes, then 2, 4 and 8 bytes, until the source is 64-byte aligned.
    const size_t head = (64 - misalign(s, 64)) & 63;
    if (head > n) {
        copyRowSmall(s, d, n);
        return;
    }
    for (size_t w = 1; w <= 8; w <<= 1) {
        if (head & w) {
            memcpy(d + i, s + i, w);
            i += w;
        }
    }
    for (; head - i >= 16; i += 16) storeu128(d + i, loadu128(s + i));
    const bool nt = ntStore && misalign(d + i, 16) == 0;
    for (; i + 64 <= n; i += 64) {
        __m128i* src = reinterpret_cast<__m128i*>(const_cast<uint8_t*>(s + i));
        const __m128i a = _mm_stream_load_si128(src), b = _mm_stream_load_si128(src + 1);
        const __m128i c = _mm_stream_load_si128(src + 2), e = _mm_stream_load_si128(src + 3);
        if (nt) {
            __m128i* dst = reinterpret_cast<__m128i*>(d + i);
            _mm_stream_si128(dst, a);
            _mm_stream_si128(dst + 1, b);
            _mm_stream_si128(dst + 2, c);
            _mm_stream_si128(dst + 3, e);
        } else {
            storeu128(d + i, a);
            storeu128(d + i + 16, b);
            storeu128(d + i + 32, c);
            storeu128(d + i + 48, e);
        }
    }
    copyRowSmall(s + i, d + i, n - i);
}

}  // namespace

void copyManaged(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                 size_t height, int flags) {
    if (ptrdiff_t(rowBytes) == srcStep && ptrdiff_t(rowBytes) == dstStep && rowBytes <= PTRDIFF_MAX / height) {
        rowBytes *= height;
        height = 1;
    }
    const bool ntLoad = (flags & 2) != 0, ntStore = (flags & 1) != 0;
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* sr = s + srcStep * ptrdiff_t(y);
        uint8_t* dr = d + dstStep * ptrdiff_t(y);
        if (rowBytes < 64) copyRowSmall(sr, dr, rowBytes);
        else if (ntLoad) copyRowNtLoad(sr, dr, rowBytes, ntStore);
        else if (ntStore) copyRowStream(sr, dr, rowBytes);
        else copyRowUnaligned(sr, dr, rowBytes);
    }
    if (ntLoad) _mm_mfence();
    else if (ntStore) streamFence();
}

// ---- Pattern fills ----------------------------------------------------------

void makePattern(Pattern& p, const void* pixel, int pixelBytes) {
    const uint8_t* px = static_cast<const uint8_t*>(pixel);
    for (int i = 0; i < 128; ++i) p.bytes[i] = px[i % pixelBytes];
    p.period = (pixelBytes % 3 == 0) ? 96 : 32;
    p.uniform = true;
    for (int i = 1; i < pixelBytes; ++i) p.uniform = p.uniform && px[i] == px[0];
}

void setRow(uint8_t* d, size_t n, const Pattern& p, bool nt) {
    const uint8_t* pat = p.bytes;
    const size_t period = p.period;
    if (n < 64) {
        copyRowSmall(pat, d, n);  // the pattern at phase 0 covers 128 bytes
        return;
    }
    // Cached fills of one byte value: the C library's memset uses the widest
    // stores the processor has (see copyRowLibc).
    if (!nt && p.uniform && n >= kLibcRowBytes) {
        memset(d, pat[0], n);
        return;
    }
    const __m256i first = loadu(pat);
    const __m256i last = loadu(pat + (n - 32) % period);
    storeu(d, first);
    size_t i = 32 - misalign(d, 32);
    const size_t ph = i % period;
    if (period == 32) {
        const __m256i v = loadu(pat + ph);
        if (nt) {
            for (; i + 128 <= n; i += 128) {
                stream(d + i, v);
                stream(d + i + 32, v);
                stream(d + i + 64, v);
                stream(d + i + 96, v);
            }
            for (; i + 32 <= n; i += 32) stream(d + i, v);
        } else {
            for (; i + 128 <= n; i += 128) {
                storea(d + i, v);
                storea(d + i + 32, v);
                storea(d + i + 64, v);
                storea(d + i + 96, v);
            }
            for (; i + 32 <= n; i += 32) storea(d + i, v);
        }
    } else {
        __m256i v0 = loadu(pat + ph), v1 = loadu(pat + (ph + 32) % 96), v2 = loadu(pat + (ph + 64) % 96);
        if (nt) {
            for (; i + 96 <= n; i += 96) {
                stream(d + i, v0);
                stream(d + i + 32, v1);
                stream(d + i + 64, v2);
            }
        } else {
            for (; i + 96 <= n; i += 96) {
                storea(d + i, v0);
                storea(d + i + 32, v1);
                storea(d + i + 64, v2);
            }
        }
        for (; i + 32 <= n; i += 32) {
            storea(d + i, v0);
            v0 = v1;
            v1 = v2;
        }
    }
    // Tail: an overlapped final vector at its own phase.
    storeu(d + n - 32, last);
}

void setRows(uint8_t* d, ptrdiff_t dstStep, size_t rowBytes, size_t height, const Pattern& p, bool nt) {
    if (ptrdiff_t(rowBytes) == dstStep && rowBytes <= PTRDIFF_MAX / height) {
        rowBytes *= height;
        height = 1;
    }
    for (size_t y = 0; y < height; ++y) setRow(d + dstStep * ptrdiff_t(y), rowBytes, p, nt);
    if (nt) streamFence();
}

bool setStreams(int S, int channels, size_t w, size_t h, int64_t cacheBytes) {
    const uint64_t bytes = uint64_t(w) * h * uint64_t(S * channels);
    if (S == 1 && channels == 1) {
        // width * height may not fit in 32 bits: always.
        const int bits = (64 - __builtin_clzll(uint64_t(w))) + (64 - __builtin_clzll(uint64_t(h)));
        if (bits >= 32) return true;
        return bytes > kSet8uStreamBytes && reachesCache(int64_t(bytes), cacheBytes);
    }
    if (S == 2 && channels == 1) return bytes / 2 > kSet16StreamSamples && reachesCache(int64_t(bytes), cacheBytes);
    if (S == 4 && channels == 4) return bytes > kSet16BytePixelBytes && reachesCache(int64_t(bytes), cacheBytes);
    // The other layouts take the one-channel byte threshold.
    return bytes > kSet8uStreamBytes && reachesCache(int64_t(bytes), cacheBytes);
}

// ---- Unit maps ----------------------------------------------------------------

void makePlan(MapPlan& plan, const UnitMap& m) {
    plan.unit = m;
    const int S = m.sampleBytes;
    const int N = 8 / S;
    plan.groupUnits = N;
    plan.groupSrc = N * m.srcUnit;
    plan.groupDst = N * m.dstUnit;
    plan.useFill = plan.useKeep = false;
    plan.srcNeed = 0;
    for (int j = 0; j < m.dstUnit; ++j) {
        if (m.from[j] == kFromFill) plan.useFill = true;
        else if (m.from[j] == kFromKeep) plan.useKeep = true;
        else if (m.from[j] + 1 > plan.srcNeed) plan.srcNeed = m.from[j] + 1;
    }
    // Source windows of the two 128-bit lanes, by group size: 24 bytes are
    // loaded as [0, 16) and [8, 24), 32 bytes as two halves, 8 bytes twice.
    const int gs = plan.groupSrc, gd = plan.groupDst;
    const int win1 = gs == 24 ? 8 : gs == 32 ? 16 : 0;
    const int half = gd / 2;
    memset(plan.shuffle, 0x80, 32);
    memset(plan.fill, 0, 32);
    memset(plan.fillMask, 0, 32);
    memset(plan.keepMask, 0, 32);
    for (int j = 0; j < gd; ++j) {
        const int u = j / m.dstUnit, b = j % m.dstUnit;
        const int lane = j / half;
        const int8_t f = m.from[b];
        if (f >= 0) {
            const int src = u * m.srcUnit + f - (lane ? win1 : 0);
            plan.shuffle[lane * 16 + j % half] = uint8_t(src);
        } else if (f == kFromFill) {
            plan.fill[j] = m.fill[b];
            plan.fillMask[j] = 0xFF;
        } else {
            plan.keepMask[j] = 0xFF;
        }
    }
}

namespace {

template <int GS>
inline __m256i loadGroup(const uint8_t* s) {
    if constexpr (GS == 32) {
        return loadu(s);
    } else if constexpr (GS == 24) {
        return _mm256_inserti128_si256(_mm256_castsi128_si256(loadu128(s)), loadu128(s + 8), 1);
    } else if constexpr (GS == 8) {
        return _mm256_broadcastq_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(s)));
    } else {
        (void)s;
        return _mm256_setzero_si256();
    }
}

// The first GD/2 bytes of each lane, made contiguous.
template <int GD>
inline __m256i compact(__m256i v) {
    if constexpr (GD == 24) return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
    else if constexpr (GD == 8) return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(0, 4, 2, 3, 4, 5, 6, 7));
    else return v;
}

template <int GD>
inline __m256i loadDst(const uint8_t* d) {
    if constexpr (GD == 32) {
        return loadu(d);
    } else if constexpr (GD == 24) {
        return _mm256_inserti128_si256(_mm256_castsi128_si256(loadu128(d)),
                                       _mm_loadl_epi64(reinterpret_cast<const __m128i*>(d + 16)), 1);
    } else {
        return _mm256_castsi128_si256(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(d)));
    }
}

template <int GD>
inline void storeDst(uint8_t* d, __m256i v) {
    if constexpr (GD == 32) {
        storeu(d, v);
    } else if constexpr (GD == 24) {
        storeu128(d, _mm256_castsi256_si128(v));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d + 16), _mm256_extracti128_si256(v, 1));
    } else {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm256_castsi256_si128(v));
    }
}

template <int GS, int GD, bool kFill, bool kKeep>
void mapGroups(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t groups) {
    const __m256i shuf = _mm256_load_si256(reinterpret_cast<const __m256i*>(plan.shuffle));
    const __m256i fill = _mm256_load_si256(reinterpret_cast<const __m256i*>(plan.fill));
    const __m256i fillMask = _mm256_load_si256(reinterpret_cast<const __m256i*>(plan.fillMask));
    const __m256i keepMask = _mm256_load_si256(reinterpret_cast<const __m256i*>(plan.keepMask));
    for (size_t g = 0; g < groups; ++g) {
        __m256i r = compact<GD>(_mm256_shuffle_epi8(loadGroup<GS>(s), shuf));
        if constexpr (kFill) r = _mm256_blendv_epi8(r, fill, fillMask);
        if constexpr (kKeep) r = _mm256_blendv_epi8(r, loadDst<GD>(d), keepMask);
        storeDst<GD>(d, r);
        s += GS;
        d += GD;
    }
}

template <int GS, int GD>
void mapGroupsBy(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t groups) {
    if (plan.useFill) {
        if (plan.useKeep) mapGroups<GS, GD, true, true>(plan, s, d, groups);
        else mapGroups<GS, GD, true, false>(plan, s, d, groups);
    } else {
        if (plan.useKeep) mapGroups<GS, GD, false, true>(plan, s, d, groups);
        else mapGroups<GS, GD, false, false>(plan, s, d, groups);
    }
}

// The group shapes that occur: 8, 24 or 32 source bytes (or none) to 8, 24
// or 32 destination bytes.
void mapVector(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t groups) {
    const int key = plan.groupSrc * 100 + plan.groupDst;
    switch (key) {
    case 2424: mapGroupsBy<24, 24>(plan, s, d, groups); break;
    case 3232: mapGroupsBy<32, 32>(plan, s, d, groups); break;
    case 3224: mapGroupsBy<32, 24>(plan, s, d, groups); break;
    case 2432: mapGroupsBy<24, 32>(plan, s, d, groups); break;
    case 2408: mapGroupsBy<24, 8>(plan, s, d, groups); break;
    case 3208: mapGroupsBy<32, 8>(plan, s, d, groups); break;
    case 824: mapGroupsBy<8, 24>(plan, s, d, groups); break;
    case 832: mapGroupsBy<8, 32>(plan, s, d, groups); break;
    case 24: mapGroupsBy<0, 24>(plan, s, d, groups); break;
    case 32: mapGroupsBy<0, 32>(plan, s, d, groups); break;
    default: mapRowScalar(plan, s, d, groups * size_t(plan.groupUnits), size_t(-1)); break;
    }
}

}  // namespace

void mapRowScalar(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t units, size_t srcSpan) {
    const UnitMap& m = plan.unit;
    (void)srcSpan;
    for (size_t u = 0; u < units; ++u) {
        // The unit's source bytes are read whole before any is written.
        uint8_t tmp[16];
        if (plan.srcNeed) memcpy(tmp, s + u * size_t(m.srcUnit), size_t(plan.srcNeed));
        uint8_t* du = d + u * size_t(m.dstUnit);
        for (int j = 0; j < m.dstUnit; ++j) {
            const int8_t f = m.from[j];
            if (f >= 0) du[j] = tmp[f];
            else if (f == kFromFill) du[j] = m.fill[j];
        }
    }
}

void mapRow(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t units, size_t srcSpan, size_t dstSpan) {
    size_t groups = units / size_t(plan.groupUnits);
    if (plan.groupSrc && srcSpan / size_t(plan.groupSrc) < groups) groups = srcSpan / size_t(plan.groupSrc);
    if (dstSpan / size_t(plan.groupDst) < groups) groups = dstSpan / size_t(plan.groupDst);
    mapVector(plan, s, d, groups);
    const size_t done = groups * size_t(plan.groupUnits);
    mapRowScalar(plan, s + done * size_t(plan.unit.srcUnit), d + done * size_t(plan.unit.dstUnit), units - done,
                 srcSpan - (plan.groupSrc ? done * size_t(plan.unit.srcUnit) : 0));
}

// ---- Planar conversions --------------------------------------------------------

namespace {

// Three-channel conversions work on 96 interleaved bytes, chunks C0..C5 of
// 16 bytes, rearranged into X0 = (C0, C5), X1 = (C1, C4), X2 = (C2, C3) so
// that each 128-bit lane holds three whole chunks. At any lane position the
// three chunks carry three different channels (16 bytes is not a multiple
// of a pixel), so one blend per lane position gathers a plane's bytes and one
// in-lane shuffle orders them; the merge runs the same steps backwards.
struct Planar3Tables {
    uint8_t splitSel[3][2][32];  // [plane][X1, X2 mask][lane byte]
    uint8_t splitCtl[3][32];     // [plane][plane byte] -> lane position
    uint8_t mergeCtl[3][32];     // [plane][lane position] -> plane byte
    uint8_t mergeSel[3][2][32];  // [X vector][plane 1, plane 2 mask][lane position]
};
constexpr Planar3Tables makePlanar3(int S) {
    Planar3Tables t{};
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 32; ++j) {
            const int lane = j / 16;
            const int q = 3 * S * (j / S) + k * S + j % S;  // interleaved byte of plane byte j
            const int chunk = q / 16, pos = q % 16;
            const int v = lane == 0 ? chunk : 5 - chunk;  // which X vector holds the chunk
            t.splitCtl[k][j] = uint8_t(pos);
            if (v == 1) t.splitSel[k][0][lane * 16 + pos] = 0xFF;
            if (v == 2) t.splitSel[k][1][lane * 16 + pos] = 0xFF;
            t.mergeCtl[k][lane * 16 + pos] = uint8_t(j % 16);
            if (k == 1) t.mergeSel[v][0][lane * 16 + pos] = 0xFF;
            if (k == 2) t.mergeSel[v][1][lane * 16 + pos] = 0xFF;
        }
    return t;
}
// Four channels: each 16-byte chunk regrouped as four dwords of channel
// samples, and back.
struct Planar4Tables {
    uint8_t group[16];
    uint8_t ungroup[16];
};
constexpr Planar4Tables makePlanar4(int S) {
    Planar4Tables t{};
    const int px = 4 / S;  // pixels in a 16-byte chunk
    for (int k = 0; k < 4; ++k)
        for (int e = 0; e < px; ++e)
            for (int b = 0; b < S; ++b) {
                const int grouped = k * 4 + e * S + b;
                const int inter = e * 4 * S + k * S + b;
                t.group[grouped] = uint8_t(inter);
                t.ungroup[inter] = uint8_t(grouped);
            }
    return t;
}

template <int S>
struct PlanarConst {
    static constexpr Planar3Tables t3 = makePlanar3(S);
    static constexpr Planar4Tables t4 = makePlanar4(S);
};

inline __m256i bcast128(const uint8_t* p) {
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
}
inline __m256i load2x128(const uint8_t* lo, const uint8_t* hi) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(loadu128(lo)), loadu128(hi), 1);
}
template <bool NT>
inline void put(uint8_t* p, __m256i v) {
    if (NT && misalign(p, 32) == 0) stream(p, v);
    else storeu(p, v);
}

inline __m256i load32(const uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

template <int S, bool NT>
void toPlanes3T(const uint8_t* s, uint8_t* const d[3], size_t pixels) {
    constexpr const Planar3Tables& t = PlanarConst<S>::t3;
    constexpr size_t px = 32 / S;  // pixels per step: 96 interleaved bytes
    __m256i sel1[3], sel2[3], ctl[3];
    for (int k = 0; k < 3; ++k) {
        sel1[k] = load32(t.splitSel[k][0]);
        sel2[k] = load32(t.splitSel[k][1]);
        ctl[k] = load32(t.splitCtl[k]);
    }
    size_t i = 0;
    for (; i + px <= pixels; i += px) {
        const uint8_t* p = s + i * 3 * S;
        const __m256i c01 = loadu(p), c23 = loadu(p + 32), c45 = loadu(p + 64);
        const __m256i x0 = _mm256_permute2x128_si256(c01, c45, 0x30);
        const __m256i x1 = _mm256_permute2x128_si256(c01, c45, 0x21);
        const size_t o = i * S;
        for (int k = 0; k < 3; ++k) {
            const __m256i v = _mm256_blendv_epi8(_mm256_blendv_epi8(x0, x1, sel1[k]), c23, sel2[k]);
            put<NT>(d[k] + o, _mm256_shuffle_epi8(v, ctl[k]));
        }
    }
    for (; i < pixels; ++i)
        for (int k = 0; k < 3; ++k) memcpy(d[k] + i * S, s + (i * 3 + k) * S, S);
}

template <int S, bool NT>
void fromPlanes3T(const uint8_t* const s[3], uint8_t* d, size_t pixels) {
    constexpr const Planar3Tables& t = PlanarConst<S>::t3;
    constexpr size_t px = 32 / S;
    __m256i sel1[3], sel2[3], ctl[3];
    for (int k = 0; k < 3; ++k) {
        sel1[k] = load32(t.mergeSel[k][0]);
        sel2[k] = load32(t.mergeSel[k][1]);
        ctl[k] = load32(t.mergeCtl[k]);
    }
    size_t i = 0;
    for (; i + px <= pixels; i += px) {
        const size_t o = i * S;
        const __m256i v0 = _mm256_shuffle_epi8(loadu(s[0] + o), ctl[0]);
        const __m256i v1 = _mm256_shuffle_epi8(loadu(s[1] + o), ctl[1]);
        const __m256i v2 = _mm256_shuffle_epi8(loadu(s[2] + o), ctl[2]);
        __m256i x[3];
        for (int v = 0; v < 3; ++v) x[v] = _mm256_blendv_epi8(_mm256_blendv_epi8(v0, v1, sel1[v]), v2, sel2[v]);
        uint8_t* p = d + i * 3 * S;
        put<NT>(p, _mm256_permute2x128_si256(x[0], x[1], 0x20));
        put<NT>(p + 32, x[2]);
        put<NT>(p + 64, _mm256_permute2x128_si256(x[1], x[0], 0x31));
    }
    for (; i < pixels; ++i)
        for (int k = 0; k < 3; ++k) memcpy(d + (i * 3 + k) * S, s[k] + i * S, S);
}

template <int S, bool NT>
void toPlanes4T(const uint8_t* s, uint8_t* const d[4], size_t pixels) {
    const __m256i grp = bcast128(PlanarConst<S>::t4.group);
    constexpr size_t px = 32 / S;  // 128 interleaved bytes
    size_t i = 0;
    for (; i + px <= pixels; i += px) {
        const uint8_t* p = s + i * 4 * S;
        const __m256i c0 = _mm256_shuffle_epi8(load2x128(p, p + 64), grp);
        const __m256i c1 = _mm256_shuffle_epi8(load2x128(p + 16, p + 80), grp);
        const __m256i c2 = _mm256_shuffle_epi8(load2x128(p + 32, p + 96), grp);
        const __m256i c3 = _mm256_shuffle_epi8(load2x128(p + 48, p + 112), grp);
        const __m256i t0 = _mm256_unpacklo_epi32(c0, c1), t1 = _mm256_unpacklo_epi32(c2, c3);
        const __m256i t2 = _mm256_unpackhi_epi32(c0, c1), t3 = _mm256_unpackhi_epi32(c2, c3);
        const size_t o = i * S;
        put<NT>(d[0] + o, _mm256_unpacklo_epi64(t0, t1));
        put<NT>(d[1] + o, _mm256_unpackhi_epi64(t0, t1));
        put<NT>(d[2] + o, _mm256_unpacklo_epi64(t2, t3));
        put<NT>(d[3] + o, _mm256_unpackhi_epi64(t2, t3));
    }
    for (; i < pixels; ++i)
        for (int k = 0; k < 4; ++k) memcpy(d[k] + i * S, s + (i * 4 + k) * S, S);
}

template <int S, bool NT>
void fromPlanes4T(const uint8_t* const s[4], uint8_t* d, size_t pixels) {
    const __m256i ung = bcast128(PlanarConst<S>::t4.ungroup);
    constexpr size_t px = 32 / S;
    size_t i = 0;
    for (; i + px <= pixels; i += px) {
        const size_t o = i * S;
        const __m256i p0 = loadu(s[0] + o), p1 = loadu(s[1] + o), p2 = loadu(s[2] + o), p3 = loadu(s[3] + o);
        const __m256i t0 = _mm256_unpacklo_epi32(p0, p1), t1 = _mm256_unpacklo_epi32(p2, p3);
        const __m256i t2 = _mm256_unpackhi_epi32(p0, p1), t3 = _mm256_unpackhi_epi32(p2, p3);
        const __m256i c0 = _mm256_shuffle_epi8(_mm256_unpacklo_epi64(t0, t1), ung);
        const __m256i c1 = _mm256_shuffle_epi8(_mm256_unpackhi_epi64(t0, t1), ung);
        const __m256i c2 = _mm256_shuffle_epi8(_mm256_unpacklo_epi64(t2, t3), ung);
        const __m256i c3 = _mm256_shuffle_epi8(_mm256_unpackhi_epi64(t2, t3), ung);
        uint8_t* p = d + i * 4 * S;
        put<NT>(p, _mm256_permute2x128_si256(c0, c1, 0x20));
        put<NT>(p + 32, _mm256_permute2x128_si256(c2, c3, 0x20));
        put<NT>(p + 64, _mm256_permute2x128_si256(c0, c1, 0x31));
        put<NT>(p + 96, _mm256_permute2x128_si256(c2, c3, 0x31));
    }
    for (; i < pixels; ++i)
        for (int k = 0; k < 4; ++k) memcpy(d + (i * 4 + k) * S, s[k] + i * S, S);
}

#define KZV_PLANAR_DISPATCH(fn, ...)                     \
    switch (S) {                                         \
    case 1: nt ? fn<1, true>(__VA_ARGS__) : fn<1, false>(__VA_ARGS__); break; \
    case 2: nt ? fn<2, true>(__VA_ARGS__) : fn<2, false>(__VA_ARGS__); break; \
    default: nt ? fn<4, true>(__VA_ARGS__) : fn<4, false>(__VA_ARGS__); break; \
    }

}  // namespace

void toPlanes3(int S, const uint8_t* s, uint8_t* const d[3], size_t pixels, bool nt) {
    KZV_PLANAR_DISPATCH(toPlanes3T, s, d, pixels)
}
void toPlanes4(int S, const uint8_t* s, uint8_t* const d[4], size_t pixels, bool nt) {
    KZV_PLANAR_DISPATCH(toPlanes4T, s, d, pixels)
}
void fromPlanes3(int S, const uint8_t* const s[3], uint8_t* d, size_t pixels, bool nt) {
    KZV_PLANAR_DISPATCH(fromPlanes3T, s, d, pixels)
}
void fromPlanes4(int S, const uint8_t* const s[4], uint8_t* d, size_t pixels, bool nt) {
    KZV_PLANAR_DISPATCH(fromPlanes4T, s, d, pixels)
}
#undef KZV_PLANAR_DISPATCH

bool planarStreams(int S, int N, bool toPlanes, size_t w, size_t h, int64_t cacheBytes) {
    if (S != 4 || (N == 3 && !toPlanes)) return false;
    const uint64_t bytes = uint64_t(2 * N * S) * w * h;
    return bytes > kPlanar32StreamBytes && reachesCache(int64_t(bytes), cacheBytes);
}

// ---- Masks --------------------------------------------------------------------

uint32_t maskBits(const uint8_t* mask, size_t n) {
    if (n == 32) {
        const __m256i z = _mm256_cmpeq_epi8(loadu(mask), _mm256_setzero_si256());
        return ~uint32_t(_mm256_movemask_epi8(z));
    }
    uint32_t bits = 0;
    for (size_t i = 0; i < n; ++i) bits |= uint32_t(mask[i] != 0) << i;
    return bits;
}

}  // namespace kzv::cpy
