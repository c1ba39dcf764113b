/* kzvcore: aligned memory, cache-size queries and processor features.
 * The small core library that libkzvi builds on. */
#ifndef KZVCORE_H
#define KZVCORE_H

#include <stdint.h>

#include "kzvi/platform.h"

/* Processor-feature bits for ownGetFeature. A mask may combine several bits;
 * the query is non-zero only when the processor (and the operating system,
 * for the vector-register states) supports all of them. */
#define KZV_FEATURE_MMX 0x00000001ULL
#define KZV_FEATURE_SSE 0x00000002ULL
#define KZV_FEATURE_SSE2 0x00000004ULL
#define KZV_FEATURE_SSE3 0x00000008ULL
#define KZV_FEATURE_SSSE3 0x00000010ULL
#define KZV_FEATURE_MOVBE 0x00000020ULL
#define KZV_FEATURE_SSE41 0x00000040ULL
#define KZV_FEATURE_SSE42 0x00000080ULL
#define KZV_FEATURE_AVX 0x00000100ULL /* AVX with YMM state enabled by the OS */
#define KZV_FEATURE_AES 0x00000200ULL
#define KZV_FEATURE_CLMUL 0x00000400ULL
#define KZV_FEATURE_RDRAND 0x00000800ULL
#define KZV_FEATURE_F16C 0x00001000ULL
#define KZV_FEATURE_FMA 0x00002000ULL
#define KZV_FEATURE_POPCNT 0x00004000ULL
#define KZV_FEATURE_AVX2 0x00008000ULL
#define KZV_FEATURE_BMI1 0x00010000ULL
#define KZV_FEATURE_BMI2 0x00020000ULL
#define KZV_FEATURE_LZCNT 0x00040000ULL
#define KZV_FEATURE_ADX 0x00080000ULL
#define KZV_FEATURE_RDSEED 0x00100000ULL
#define KZV_FEATURE_SHA 0x00200000ULL
#define KZV_FEATURE_CLFLUSHOPT 0x00400000ULL
#define KZV_FEATURE_PREFETCHW 0x00800000ULL
#define KZV_FEATURE_INVTSC 0x01000000ULL  /* invariant time-stamp counter */
#define KZV_FEATURE_AVX512F 0x08000000ULL /* AVX-512 foundation with ZMM state enabled by the OS */
#define KZV_FEATURE_ERMS 0x10000000ULL    /* enhanced REP MOVSB/STOSB */

/* Masks that library call sites use:
 *   KZV_FEATURE_AVX2 | KZV_FEATURE_ERMS (0x10008000): nearest-neighbour resize
 *     takes its cache-aware path, which consults both cache queries;
 *   KZV_FEATURE_AVX512F (0x8000000): the general filter's work-buffer query
 *     adds an area-proportional term to the size it reports. */

/* Allocates length bytes (1 .. 2147483647) aligned to 64 bytes; null on failure. */
KZVAPI void* KZV_CALL kzvMalloc(int32_t length);
/* Pointer-width form of kzvMalloc. */
KZVAPI void* KZV_CALL kzvMalloc_L(intptr_t length);
/* Releases a block from either allocator; null is harmless. */
KZVAPI void KZV_CALL kzvFree(void* ptr);
/* Writes the size in bytes of the largest cache and returns 0; any other
 * return means the size is unknown and *pSizeBytes is left unchanged. */
KZVAPI int32_t KZV_CALL kzvGetMaxCacheSizeB(int32_t* pSizeBytes);
/* Writes the cache-line size in bytes (64 where it cannot be found) and returns 0. */
KZVAPI int32_t KZV_CALL kzv_get_cache_line_size(int32_t* pSizeBytes);
/* Non-zero when the processor has every feature of the mask. */
KZVAPI int32_t KZV_CALL ownGetFeature(uint64_t featureMask);

#endif /* KZVCORE_H */
