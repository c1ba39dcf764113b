/* kzvi: declaration macros shared by the public headers. */
#ifndef KZVI_PLATFORM_H
#define KZVI_PLATFORM_H

#ifdef __cplusplus
#define KZV_EXTERN_C extern "C"
#else
#define KZV_EXTERN_C extern
#endif

#if defined(KZV_BUILDING_LIBRARY)
#define KZVAPI KZV_EXTERN_C __attribute__((visibility("default")))
#else
#define KZVAPI KZV_EXTERN_C
#endif

/* Calling convention of every export: the platform's default C convention. */
#define KZV_CALL

#endif /* KZVI_PLATFORM_H */
