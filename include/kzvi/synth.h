/* kzvi: Test images and noise. */
#ifndef KZVI_SYNTH_H
#define KZVI_SYNTH_H

#include "types.h"

#endif /* KZVI_SYNTH_H */
