/* kzvi: Moments. */
#ifndef KZVI_MOMENTS_H
#define KZVI_MOMENTS_H

#include "types.h"

#endif /* KZVI_MOMENTS_H */
