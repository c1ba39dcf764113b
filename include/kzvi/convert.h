/* kzvi: Depth conversion and scaling. */
#ifndef KZVI_CONVERT_H
#define KZVI_CONVERT_H

#include "types.h"

#endif /* KZVI_CONVERT_H */
