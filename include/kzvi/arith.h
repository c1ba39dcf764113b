/* kzvi: Scaled integer arithmetic, division and unary math. */
#ifndef KZVI_ARITH_H
#define KZVI_ARITH_H

#include "types.h"

#endif /* KZVI_ARITH_H */
