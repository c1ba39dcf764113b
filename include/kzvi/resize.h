/* kzvi: Resize. */
#ifndef KZVI_RESIZE_H
#define KZVI_RESIZE_H

#include "types.h"

#endif /* KZVI_RESIZE_H */
