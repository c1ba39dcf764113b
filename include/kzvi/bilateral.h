/* kzvi: Bilateral filter. */
#ifndef KZVI_BILATERAL_H
#define KZVI_BILATERAL_H

#include "types.h"

#endif /* KZVI_BILATERAL_H */
