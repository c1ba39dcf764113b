/* kzvi: Two-dimensional wavelet transform. */
#ifndef KZVI_WAVELET_H
#define KZVI_WAVELET_H

#include "types.h"

#endif /* KZVI_WAVELET_H */
