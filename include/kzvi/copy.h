/* kzvi: Copy, set and channel moves. */
#ifndef KZVI_COPY_H
#define KZVI_COPY_H

#include "types.h"

#endif /* KZVI_COPY_H */
