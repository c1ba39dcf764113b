/* kzvi: Sums, means, norms and dot products. */
#ifndef KZVI_STATS_H
#define KZVI_STATS_H

#include "types.h"

#endif /* KZVI_STATS_H */
