/* kzvi: Min/max filters and 3x3 morphology. */
#ifndef KZVI_MORPH_H
#define KZVI_MORPH_H

#include "types.h"

#endif /* KZVI_MORPH_H */
