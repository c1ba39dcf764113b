// Scoped control of the SSE control/status register: rounding mode and
// flush-to-zero / denormals-are-zero. The caller's value is restored when the
// guard leaves scope, whatever path the function takes.
#ifndef KZV_COMMON_MXCSR_H
#define KZV_COMMON_MXCSR_H

#include <immintrin.h>

namespace kzv {

enum class FpRound : unsigned {
    Nearest = 0x0000,  // round to nearest, ties to even
    Down = 0x2000,
    Up = 0x4000,
    Zero = 0x6000,
};

constexpr unsigned kMxcsrRoundMask = 0x6000;
constexpr unsigned kMxcsrFtz = 0x8000;
constexpr unsigned kMxcsrDaz = 0x0040;

class MxcsrGuard {
public:
    // Sets the bits of `mask` to `value`, keeping the others (exception
    // masks and flags) as the caller had them.
    MxcsrGuard(unsigned value, unsigned mask) : saved_(_mm_getcsr()) { _mm_setcsr((saved_ & ~mask) | (value & mask)); }
    explicit MxcsrGuard(FpRound r) : MxcsrGuard(unsigned(r), kMxcsrRoundMask) {}
    // Rounding mode plus flush-to-zero and denormals-are-zero on or off.
    MxcsrGuard(FpRound r, bool flushToZero)
        : MxcsrGuard(unsigned(r) | (flushToZero ? kMxcsrFtz | kMxcsrDaz : 0u),
                     kMxcsrRoundMask | kMxcsrFtz | kMxcsrDaz) {}
    ~MxcsrGuard() {
        // Keep exception flags raised while the guard was active; restore
        // only the control bits.
        const unsigned now = _mm_getcsr();
        _mm_setcsr((saved_ & ~0x3Fu) | (now & 0x3Fu));
    }
    MxcsrGuard(const MxcsrGuard&) = delete;
    MxcsrGuard& operator=(const MxcsrGuard&) = delete;

private:
    unsigned saved_;
};

}  // namespace kzv

#endif  // KZV_COMMON_MXCSR_H
