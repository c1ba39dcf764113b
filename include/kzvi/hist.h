/* kzvi: Histogram. */
#ifndef KZVI_HIST_H
#define KZVI_HIST_H

#include "types.h"

#endif /* KZVI_HIST_H */
