/* kzvi: Two-dimensional FFT and DFT. */
#ifndef KZVI_FFT_H
#define KZVI_FFT_H

#include "types.h"

#endif /* KZVI_FFT_H */
