/* kzvi: Comparison and thresholds. */
#ifndef KZVI_COMPARE_H
#define KZVI_COMPARE_H

#include "types.h"

#endif /* KZVI_COMPARE_H */
