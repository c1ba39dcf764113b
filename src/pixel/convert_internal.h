// Internal twins of the convert family's exports: the same functions with
// the cache tuning as a last argument, so tests can drive the cached and
// the non-temporal store paths directly. Each export calls its twin with
// defaultTuning().
#ifndef KZV_PIXEL_CONVERT_INTERNAL_H
#define KZV_PIXEL_CONVERT_INTERNAL_H

#include "kzvi.h"
#include "pixel/convert_frame.h"

namespace kzv::cvt::twin {

#define CVT(name, S, D, L, C) KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, const Tuning&);
#define CVTR(name, S, D, L) KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, KzvRounding, const Tuning&);
#define CVTSFS(name, S, D) \
    KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, KzvRounding, int32_t, const Tuning&);
#define CVTISFS(name, S, D) KzvStatus name(S*, int32_t, KzvImageSize, KzvRounding, int32_t, const Tuning&);
#define CVTRS(name, S, D) KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, const Tuning&);
#define SCALE(name, S, D, L) KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, const Tuning&);
#define SCALEH(name, S, D, L) KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, KzvAlgHint, const Tuning&);
#define SCALEV(name, S, D, L) \
    KzvStatus name(const S*, int32_t, D*, int32_t, KzvImageSize, Kzv32f, Kzv32f, const Tuning&);
#define SCALEC(name, S, D) \
    KzvStatus name(const S*, int32_t, Kzv64f, Kzv64f, D*, int32_t, KzvImageSize, KzvAlgHint, const Tuning&);
#define SCALECI(name, T) KzvStatus name(T*, int32_t, Kzv64f, Kzv64f, KzvImageSize, KzvAlgHint, const Tuning&);
#define B2G(name, D) KzvStatus name(const Kzv8u*, int32_t, int32_t, D*, int32_t, KzvImageSize, D, D, const Tuning&);
#define G2B(name, S) KzvStatus name(const S*, int32_t, Kzv8u*, int32_t, int32_t, KzvImageSize, S, const Tuning&);
#include "pixel/convert_exports.inc"
#undef CVT
#undef CVTR
#undef CVTSFS
#undef CVTISFS
#undef CVTRS
#undef SCALE
#undef SCALEH
#undef SCALEV
#undef SCALEC
#undef SCALECI
#undef B2G
#undef G2B

}  // namespace kzv::cvt::twin

#endif  // KZV_PIXEL_CONVERT_INTERNAL_H
