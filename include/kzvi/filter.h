/* kzvi: General linear filter. */
#ifndef KZVI_FILTER_H
#define KZVI_FILTER_H

#include "types.h"

#endif /* KZVI_FILTER_H */
