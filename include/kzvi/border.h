/* kzvi: Border copies. */
#ifndef KZVI_BORDER_H
#define KZVI_BORDER_H

#include "types.h"

#endif /* KZVI_BORDER_H */
