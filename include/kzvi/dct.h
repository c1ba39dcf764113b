/* kzvi: DCT. */
#ifndef KZVI_DCT_H
#define KZVI_DCT_H

#include "types.h"

#endif /* KZVI_DCT_H */
