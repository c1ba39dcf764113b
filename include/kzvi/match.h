/* kzvi: Normalised cross-correlation and squared distance. */
#ifndef KZVI_MATCH_H
#define KZVI_MATCH_H

#include "types.h"

#endif /* KZVI_MATCH_H */
