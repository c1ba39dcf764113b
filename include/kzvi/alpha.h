/* kzvi: Alpha composition and colour keying. */
#ifndef KZVI_ALPHA_H
#define KZVI_ALPHA_H

#include "types.h"

#endif /* KZVI_ALPHA_H */
