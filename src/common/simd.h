// AVX2 helpers shared by the row routines: partial-vector masks and unaligned
// loads and stores that are well defined for any pointer.
#ifndef KZV_COMMON_SIMD_H
#define KZV_COMMON_SIMD_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>

namespace kzv::simd {

// Mask with the first n (0..8) 32-bit lanes set, for masked loads and stores
// of 32-bit and (with n*2 lanes) 64-bit samples.
inline __m256i firstLanes32(ptrdiff_t n) {
    alignas(32) static const int32_t table[16] = {-1, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0};
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(table + 8 - n));
}

// Mask with the first n (0..32) bytes set.
inline __m256i firstBytes(ptrdiff_t n) {
    alignas(32) static const int8_t table[64] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                 -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
                                                 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(table + 32 - n));
}

inline __m256i loadu(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}
inline void storeu(void* p, __m256i v) {
    _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}
inline __m128i loadu128(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}
inline void storeu128(void* p, __m128i v) {
    _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

// Whether a load feeding a widening conversion (vpmovzx, vcvtps2pd and the
// like) may be folded into the conversion's memory form, the faster one. The
// 32-bit build keeps such loads in registers: the i386 test runner's
// emulator reads the folded forms as 32 bytes and faults at the end of a
// guarded row.
#if defined(__x86_64__)
constexpr bool kFoldedWidening = true;
#else
constexpr bool kFoldedWidening = false;
#endif

// A loaded vector about to be widened: kept in a register where folding is
// off.
template <class V>
inline V widenSource(V v) {
    if constexpr (!kFoldedWidening) __asm__("" : "+x"(v));
    return v;
}

// True when p is aligned to N bytes.
template <uintptr_t N>
inline bool aligned(const void* p) {
    return (reinterpret_cast<uintptr_t>(p) & (N - 1)) == 0;
}

}  // namespace kzv::simd

#endif  // KZV_COMMON_SIMD_H
