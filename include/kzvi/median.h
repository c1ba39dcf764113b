/* kzvi: Median filters. */
#ifndef KZVI_MEDIAN_H
#define KZVI_MEDIAN_H

#include "types.h"

#endif /* KZVI_MEDIAN_H */
