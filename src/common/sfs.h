// The scale-factor rule of the Sfs functions: an exact integer result is
// scaled by 2^-scaleFactor, rounded half to even, and saturated.
#ifndef KZV_COMMON_SFS_H
#define KZV_COMMON_SFS_H

#include <stdint.h>

#include <limits>

#include "common/frame.h"

namespace kzv {

// Rounds s / 2^f to the nearest integer, halves to even, for 0 < f < 63.
// Written with a floor quotient and remainder so that no step can overflow.
inline int64_t sfsRoundShift(int64_t s, int f) {
    const int64_t q = s >> f;  // floor division (arithmetic shift)
    const int64_t r = s - q * (int64_t(1) << f);
    const int64_t half = int64_t(1) << (f - 1);
    return (r > half || (r == half && (q & 1))) ? q + 1 : q;
}

// The integer form of the same rounding, as vector kernels compute it:
// (s + 2^(f-1) - 1 + ((s >> f) & 1)) >> f. Valid while the addition cannot
// overflow W (that is, |s| + 2^(f-1) fits in W).
template <class W>
constexpr W sfsRoundShiftFast(W s, int f) {
    return (s + (W(1) << (f - 1)) - 1 + ((s >> f) & 1)) >> f;
}

// Applies the whole rule to an exact result s and returns the destination
// sample. Any scale factor is accepted.
template <class T>
inline T sfsApply(int64_t s, int f) {
    if (f == 0) return saturate<T>(s);
    if (f > 0) {
        if (f >= 63) return T(0);  // |s| < 2^62: every result rounds to zero
        return saturate<T>(sfsRoundShift(s, f));
    }
    if (s == 0) return T(0);
    const int up = -f;
    // Multiplying by 2^up overflows exactly when |s| >= 2^(63-up); the
    // result then saturates in any destination type.
    if (up >= 62) return s > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
    const int64_t lim = int64_t(1) << (62 - up);
    if (s >= lim) return std::numeric_limits<T>::max();
    if (s <= -lim) return std::numeric_limits<T>::min();
    return saturate<T>(s * (int64_t(1) << up));
}

}  // namespace kzv

#endif  // KZV_COMMON_SFS_H
