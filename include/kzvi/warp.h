/* kzvi: Affine and perspective warps. */
#ifndef KZVI_WARP_H
#define KZVI_WARP_H

#include "types.h"

#endif /* KZVI_WARP_H */
