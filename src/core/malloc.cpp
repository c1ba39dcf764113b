// Image allocation: 64-byte-aligned rows from the core allocator.
#include <limits.h>

#include "kzvcore.h"
#include "kzvi.h"

namespace {

constexpr int64_t kMax32 = 2147483647;

// Plain form: every limit is the signed 32-bit one.
template <int kBytesPerPixel>
void* allocImage(int32_t width, int32_t height, int32_t* pStep) {
    if (!pStep) return nullptr;
    if (width < 1 || height < 1) {
        *pStep = 0;
        return nullptr;
    }
    const int64_t rowBytes = int64_t(width) * kBytesPerPixel;
    if (rowBytes > kMax32) {
        *pStep = 0;
        return nullptr;
    }
    const int64_t step = (rowBytes + 63) & ~int64_t(63);
    if (step > kMax32) {
        *pStep = 0;
        return nullptr;
    }
    *pStep = int32_t(step);
    if (step * height > kMax32) return nullptr;
    return kzvMalloc(int32_t(step * height));
}

// Pointer-width form. On a 32-bit target rows and steps keep the 32-bit limit
// and the whole block must stay below 2^32; on a 64-bit target the limits are
// those of the address space (a row or block must fit in ptrdiff_t).
template <int kBytesPerPixel>
void* allocImageL(intptr_t width, intptr_t height, intptr_t* pStep) {
    if (!pStep) return nullptr;
    if (width < 1 || height < 1) {
        *pStep = 0;
        return nullptr;
    }
#if INTPTR_MAX > INT32_MAX
    const uint64_t kRowLimit = uint64_t(INTPTR_MAX) - 63;
    if (uint64_t(width) > kRowLimit / kBytesPerPixel) {
        *pStep = 0;
        return nullptr;
    }
    const uint64_t step = (uint64_t(width) * kBytesPerPixel + 63) & ~uint64_t(63);
    *pStep = intptr_t(step);
    if (step > uint64_t(INTPTR_MAX) / uint64_t(height)) return nullptr;
    return kzvMalloc_L(intptr_t(step * uint64_t(height)));
#else
    const int64_t rowBytes = int64_t(width) * kBytesPerPixel;
    if (rowBytes > kMax32) {
        *pStep = 0;
        return nullptr;
    }
    const int64_t step = (rowBytes + 63) & ~int64_t(63);
    if (step > kMax32) {
        *pStep = 0;
        return nullptr;
    }
    *pStep = intptr_t(step);
    const uint64_t total = uint64_t(step) * uint64_t(height);
    if (total >= (uint64_t(1) << 32) || total > uint64_t(INTPTR_MAX)) return nullptr;
    return kzvMalloc_L(intptr_t(total));
#endif
}

}  // namespace

// One implementation per pixel size; the exports forward to it.
#define KZV_MALLOC(T, layout, bytes)                                                    \
    T* kzviMalloc_##layout(int32_t width, int32_t height, int32_t* pStepBytes) {        \
        return static_cast<T*>(allocImage<bytes>(width, height, pStepBytes));           \
    }                                                                                   \
    T* kzviMalloc_##layout##_L(intptr_t width, intptr_t height, intptr_t* pStepBytes) { \
        return static_cast<T*>(allocImageL<bytes>(width, height, pStepBytes));          \
    }

KZV_MALLOC(Kzv8u, 8u_C1, 1)
KZV_MALLOC(Kzv8u, 8u_C2, 2)
KZV_MALLOC(Kzv8u, 8u_C3, 3)
KZV_MALLOC(Kzv8u, 8u_C4, 4)
KZV_MALLOC(Kzv8u, 8u_AC4, 4)
KZV_MALLOC(Kzv16u, 16u_C1, 2)
KZV_MALLOC(Kzv16u, 16u_C2, 4)
KZV_MALLOC(Kzv16u, 16u_C3, 6)
KZV_MALLOC(Kzv16u, 16u_C4, 8)
KZV_MALLOC(Kzv16u, 16u_AC4, 8)
KZV_MALLOC(Kzv16s, 16s_C1, 2)
KZV_MALLOC(Kzv16s, 16s_C2, 4)
KZV_MALLOC(Kzv16s, 16s_C3, 6)
KZV_MALLOC(Kzv16s, 16s_C4, 8)
KZV_MALLOC(Kzv16s, 16s_AC4, 8)
KZV_MALLOC(Kzv32s, 32s_C1, 4)
KZV_MALLOC(Kzv32s, 32s_C2, 8)
KZV_MALLOC(Kzv32s, 32s_C3, 12)
KZV_MALLOC(Kzv32s, 32s_C4, 16)
KZV_MALLOC(Kzv32s, 32s_AC4, 16)
KZV_MALLOC(Kzv32f, 32f_C1, 4)
KZV_MALLOC(Kzv32f, 32f_C2, 8)
KZV_MALLOC(Kzv32f, 32f_C3, 12)
KZV_MALLOC(Kzv32f, 32f_C4, 16)
KZV_MALLOC(Kzv32f, 32f_AC4, 16)
KZV_MALLOC(Kzv32sc, 32sc_C1, 8)
KZV_MALLOC(Kzv32sc, 32sc_C2, 16)
KZV_MALLOC(Kzv32sc, 32sc_C3, 24)
KZV_MALLOC(Kzv32sc, 32sc_C4, 32)
KZV_MALLOC(Kzv32sc, 32sc_AC4, 32)
KZV_MALLOC(Kzv32fc, 32fc_C1, 8)
KZV_MALLOC(Kzv32fc, 32fc_C2, 16)
KZV_MALLOC(Kzv32fc, 32fc_C3, 24)
KZV_MALLOC(Kzv32fc, 32fc_C4, 32)
KZV_MALLOC(Kzv32fc, 32fc_AC4, 32)

void kzviFree(void* ptr) {
    kzvFree(ptr);
}
