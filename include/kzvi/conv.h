/* kzvi: Two-dimensional convolution. */
#ifndef KZVI_CONV_H
#define KZVI_CONV_H

#include "types.h"

#endif /* KZVI_CONV_H */
