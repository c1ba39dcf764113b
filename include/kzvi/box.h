/* kzvi: Box filter and window sums. */
#ifndef KZVI_BOX_H
#define KZVI_BOX_H

#include "types.h"

#endif /* KZVI_BOX_H */
