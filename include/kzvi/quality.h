/* kzvi: Image quality index. */
#ifndef KZVI_QUALITY_H
#define KZVI_QUALITY_H

#include "types.h"

#endif /* KZVI_QUALITY_H */
