/* kzvi: Logical and shift operations, complement, per-pixel extremes. */
#ifndef KZVI_LOGIC_H
#define KZVI_LOGIC_H

#include "types.h"

#endif /* KZVI_LOGIC_H */
