/* kzvi: Fixed-kernel derivative and sharpening filters. */
#ifndef KZVI_FIXEDFILTER_H
#define KZVI_FIXEDFILTER_H

#include "types.h"

#endif /* KZVI_FIXEDFILTER_H */
