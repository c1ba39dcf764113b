/* kzvi: Remap. */
#ifndef KZVI_REMAP_H
#define KZVI_REMAP_H

#include "types.h"

#endif /* KZVI_REMAP_H */
