/* kzvi: Mirror and transpose. */
#ifndef KZVI_MIRROR_H
#define KZVI_MIRROR_H

#include "types.h"

#endif /* KZVI_MIRROR_H */
