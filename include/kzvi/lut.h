/* kzvi: Lookup tables and palettes. */
#ifndef KZVI_LUT_H
#define KZVI_LUT_H

#include "types.h"

#endif /* KZVI_LUT_H */
