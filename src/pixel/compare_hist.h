// The 256-bin histogram behind the Otsu threshold, declared for the tests,
// which check its counts directly.
#ifndef KZV_PIXEL_COMPARE_HIST_H
#define KZV_PIXEL_COMPARE_HIST_H

#include <stddef.h>
#include <stdint.h>

#include "kzvi.h"

namespace kzv::pix {

// h[v] = number of pixels of the region holding v.
void histogram8u(const uint8_t* s, ptrdiff_t ss, KzvImageSize sz, uint64_t* h);

}  // namespace kzv::pix

#endif  // KZV_PIXEL_COMPARE_HIST_H
