/* kzvi: Extremes and counts. */
#ifndef KZVI_EXTREMES_H
#define KZVI_EXTREMES_H

#include "types.h"

#endif /* KZVI_EXTREMES_H */
