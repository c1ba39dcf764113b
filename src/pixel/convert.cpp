// Convert: widening, saturating narrowing, float to integer with a rounding
// mode, scaled conversions and clamping at zero. The frames and row functors
// live in convert_ops.h; this file binds every export to its instantiation.
#include "kzvi.h"
#include "pixel/convert_internal.h"
#include "pixel/convert_ops.h"

namespace kzv::cvt::twin {

#define CVT(name, S, D, L, C)                                                                   \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, const Tuning& t) { \
        return convertPlain<S, D, Lay::L, bool(C)>(s, ss, d, ds, r, t);                         \
    }
#define CVTR(name, S, D, L)                                                                                    \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvRounding m, const Tuning& t) { \
        return convertRound<D, Lay::L>(s, ss, d, ds, r, int(m), t);                                            \
    }
#define CVTSFS(name, S, D)                                                                             \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvRounding m, int32_t f, \
                   const Tuning& t) {                                                                  \
        return convertSfs<S, D>(s, ss, d, ds, r, int(m), f, t);                                        \
    }
// In place: the out-of-place conversion with one pointer and step.
#define CVTISFS(name, S, D)                                                                       \
    KzvStatus name(S* p, int32_t ps, KzvImageSize r, KzvRounding m, int32_t f, const Tuning& t) { \
        return convertSfs<S, D>(p, ps, reinterpret_cast<D*>(p), ps, r, int(m), f, t);             \
    }
#define CVTRS(name, S, D)                                                                       \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, const Tuning& t) { \
        return convertRs<S, D>(s, ss, d, ds, r, t);                                             \
    }
#define SCALE(name, S, D, L)
#define SCALEH(name, S, D, L)
#define SCALEV(name, S, D, L)
#define SCALEC(name, S, D)
#define SCALECI(name, T)
#define B2G(name, D)
#define G2B(name, S)
#include "pixel/convert_exports.inc"
#undef CVT
#undef CVTR
#undef CVTSFS
#undef CVTISFS
#undef CVTRS

}  // namespace kzv::cvt::twin

#define CVT(name, S, D, L, C)                                                             \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, kzv::cvt::defaultTuning());          \
    }
#define CVTR(name, S, D, L)                                                                              \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvRounding m) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, m, kzv::cvt::defaultTuning());                      \
    }
#define CVTSFS(name, S, D)                                                                                          \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvRounding m, int32_t f) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, m, f, kzv::cvt::defaultTuning());                              \
    }
#define CVTISFS(name, S, D)                                                                 \
    extern "C" KzvStatus name(S* p, int32_t ps, KzvImageSize r, KzvRounding m, int32_t f) { \
        return kzv::cvt::twin::name(p, ps, r, m, f, kzv::cvt::defaultTuning());             \
    }
#define CVTRS(name, S, D)                                                                 \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, kzv::cvt::defaultTuning());          \
    }
#include "pixel/convert_exports.inc"
