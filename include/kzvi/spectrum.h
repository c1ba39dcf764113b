/* kzvi: Packed-spectrum operations. */
#ifndef KZVI_SPECTRUM_H
#define KZVI_SPECTRUM_H

#include "types.h"

#endif /* KZVI_SPECTRUM_H */
