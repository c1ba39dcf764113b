// Spec objects: alignment of the caller's pointer, identifier words and size
// queries with the overflow rule.
#ifndef KZV_COMMON_SPEC_H
#define KZV_COMMON_SPEC_H

#include <stdint.h>
#include <string.h>

#include "kzvi.h"

namespace kzv {

// Family identifiers, in word 0 of the aligned spec body.
enum SpecId : int32_t {
    kSpecFftC = 27,
    kSpecFftR = 28,
    kSpecDftC = 29,
    kSpecDftR = 30,
    kSpecDctFwd = 33,
    kSpecDctInv = 34,
    kSpecMoment = 35,
    kSpecWaveletFwd = 50,
    kSpecWaveletInv = 51,
    kSpecResizeFilterA = 0x4B617378,
    kSpecResizeFilterB = 0x4B617379,
    kSpecResize = 0x4B617389,
    kSpecResizeYuv420 = 0x4B61738A,
    kSpecResizeYuv422 = 0x4B61738B,
    kSpecResizeL = 0x4B61738C,
    kSpecBilateral = 0x4B61738D,
    kSpecAdaptiveGauss = 0x4B61738E,
    kSpecHog = 0x4B61738F,
    kSpecWarpAffine = 0x4B617394,
    kSpecWarpAffineL = 0x4B617395,
    kSpecWarpQuad = 0x4B617396,
    kSpecWarpQuadL = 0x4B617397,
    kSpecLutBase = 0x1234567,     // lookup tables: word 0 of the unaligned spec
    kSpecHistogram = 0x74736968,  // histograms: word 3 of the unaligned spec
};

// The spec pointer rounded up to the next multiple of A (A a power of two);
// unchanged when already aligned, null for null.
template <uintptr_t A>
inline uint8_t* alignUp(void* p) {
    static_assert((A & (A - 1)) == 0, "alignment must be a power of two");
    const uintptr_t v = reinterpret_cast<uintptr_t>(p);
    return reinterpret_cast<uint8_t*>(v + ((0 - v) & (A - 1)));
}
template <uintptr_t A>
inline const uint8_t* alignUp(const void* p) {
    return alignUp<A>(const_cast<void*>(p));
}

// Header words are stored as 32-bit integers at word index i of the body.
inline void putWord(uint8_t* body, int index, int32_t v) {
    memcpy(body + 4 * index, &v, 4);
}
inline int32_t getWord(const uint8_t* body, int index) {
    int32_t v;
    memcpy(&v, body + 4 * index, 4);
    return v;
}

// Clears the header (headerBytes) and writes the identifier first, before any
// table is built.
inline void initSpecHeader(uint8_t* body, int32_t id, size_t headerBytes) {
    memset(body, 0, headerBytes);
    putWord(body, 0, id);
}

// Null test (on the aligned address), then the identifier word.
inline KzvStatus checkSpecId(const uint8_t* body, int32_t id) {
    if (!body) return kzvStatusNullPtrErr;
    if (getWord(body, 0) != id) return kzvStatusContextMatchErr;
    return kzvStatusOk;
}

// Rounds a byte count up to a multiple of A.
template <uint64_t A>
constexpr uint64_t roundUpBytes(uint64_t n) {
    return (n + (A - 1)) & ~(A - 1);
}

// Writes a computed size (64-bit arithmetic) through a caller pointer, or
// reports kzvStatusSizeOverflowErr when it exceeds 2147483647.
inline KzvStatus reportSize(uint64_t bytes, int32_t* out) {
    if (bytes > 2147483647u) return kzvStatusSizeOverflowErr;
    *out = int32_t(bytes);
    return kzvStatusOk;
}
#if INTPTR_MAX > INT32_MAX
// Pointer-width outputs (_L queries); on a 32-bit target intptr_t is int32_t
// and the overload above serves.
inline KzvStatus reportSize(uint64_t bytes, intptr_t* out) {
    if (bytes > uint64_t(INTPTR_MAX)) return kzvStatusSizeOverflowErr;
    *out = intptr_t(bytes);
    return kzvStatusOk;
}
#endif

}  // namespace kzv

#endif  // KZV_COMMON_SPEC_H
