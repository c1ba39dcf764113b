/* kzvi: Histogram of oriented gradients. */
#ifndef KZVI_HOG_H
#define KZVI_HOG_H

#include "types.h"

#endif /* KZVI_HOG_H */
