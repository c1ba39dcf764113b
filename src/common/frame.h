// Shared frame helpers: argument checks, row walking, step treatments and
// saturation. Every family's frame is built from these.
#ifndef KZV_COMMON_FRAME_H
#define KZV_COMMON_FRAME_H

#include <stddef.h>
#include <stdint.h>

#include <limits>
#include <type_traits>

#include "kzvi.h"

namespace kzv {

// ---- Argument checks ------------------------------------------------------

// True when any of the pointers is null.
template <class... P>
constexpr bool anyNull(const P*... p) {
    return ((p == nullptr) || ...);
}

inline bool badSize(KzvImageSize s) {
    return s.width < 1 || s.height < 1;
}
inline bool badSize(KzvImageSizeL s) {
    return s.width < 1 || s.height < 1;
}

// True when any step is below 1 (for the families that check steps).
template <class... S>
constexpr bool anyBadStep(S... steps) {
    return ((steps < 1) || ...);
}

// True when any step is not a multiple of the sample size.
template <class T, class... S>
constexpr bool anyStepNotMultiple(S... steps) {
    return ((steps % ptrdiff_t(sizeof(T)) != 0) || ...);
}

// Step rounded down to a multiple of the sample size (not the pixel size).
template <class T>
constexpr ptrdiff_t roundStepDown(ptrdiff_t step) {
    return step & ~ptrdiff_t(sizeof(T) - 1);
}

// Converts a pointer-width size to the 32-bit form, for _L forms that
// forward to their plain twin. Callers check the range first.
inline KzvImageSize toSize32(KzvImageSizeL s) {
    return KzvImageSize{int32_t(s.width), int32_t(s.height)};
}
inline bool fitsSize32(KzvImageSizeL s) {
    return s.width <= INT32_MAX && s.height <= INT32_MAX && s.width >= INT32_MIN && s.height >= INT32_MIN;
}

// ---- Row walking ----------------------------------------------------------

// Row y of an image whose first row starts at p, with a byte step that may be
// negative. Pointer arithmetic is done in bytes with ptrdiff_t.
template <class T>
inline T* rowAt(T* p, ptrdiff_t step, ptrdiff_t y) {
    using Byte = std::conditional_t<std::is_const_v<T>, const uint8_t, uint8_t>;
    return reinterpret_cast<T*>(reinterpret_cast<Byte*>(p) + step * y);
}

// Advances a pointer by a number of bytes.
template <class T>
inline T* byteOffset(T* p, ptrdiff_t bytes) {
    return rowAt(p, bytes, 1);
}

// Calls f(srcRow, dstRow) for every row of a one-source operation.
template <class S, class D, class F>
inline void forEachRow(S* src, ptrdiff_t srcStep, D* dst, ptrdiff_t dstStep, ptrdiff_t height, F&& f) {
    for (ptrdiff_t y = 0; y < height; ++y) f(rowAt(src, srcStep, y), rowAt(dst, dstStep, y));
}

// Calls f(src1Row, src2Row, dstRow) for every row of a two-source operation.
template <class S1, class S2, class D, class F>
inline void forEachRow(S1* s1, ptrdiff_t s1Step, S2* s2, ptrdiff_t s2Step, D* dst, ptrdiff_t dstStep, ptrdiff_t height,
                       F&& f) {
    for (ptrdiff_t y = 0; y < height; ++y) f(rowAt(s1, s1Step, y), rowAt(s2, s2Step, y), rowAt(dst, dstStep, y));
}

// Keeps the first non-zero status of a sequence of row routines.
struct FirstStatus {
    KzvStatus status = kzvStatusOk;
    void add(KzvStatus s) {
        if (status == kzvStatusOk) status = s;
    }
};

// ---- Saturation -----------------------------------------------------------

template <class T, class V>
constexpr T saturate(V v) {
    using L = std::numeric_limits<T>;
    if constexpr (std::is_floating_point_v<T>) {
        return T(v);
    } else if constexpr (std::is_floating_point_v<V>) {
        // NaN maps to 0; callers that need another rule handle it first.
        if (!(v == v)) return T(0);
        if (v <= V(L::min())) return L::min();
        if (v >= V(L::max())) return L::max();
        return T(v);
    } else if constexpr (std::is_signed_v<V>) {
        const int64_t x = int64_t(v);
        if constexpr (std::is_signed_v<T>) {
            if (x < int64_t(L::min())) return L::min();
            if (x > int64_t(L::max())) return L::max();
        } else {
            if (x < 0) return T(0);
            if (uint64_t(x) > uint64_t(L::max())) return L::max();
        }
        return T(x);
    } else {
        const uint64_t x = uint64_t(v);
        if (x > uint64_t(L::max())) return L::max();
        return T(x);
    }
}

}  // namespace kzv

#endif  // KZV_COMMON_FRAME_H
