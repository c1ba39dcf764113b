/* kzvi: version query and image allocation. */
#ifndef KZVI_CORE_H
#define KZVI_CORE_H

#include "types.h"

/* Returns the library's constant version record; never null, same pointer on
 * every call. The caller must not write through it or free it. */
KZVAPI const KzvLibraryVersion* KZV_CALL kzviGetLibVersion(void);

/* Image allocation. Each row of the returned image starts on a 64-byte
 * boundary; *pStepBytes receives the row step (row bytes rounded up to a
 * multiple of 64). Returns null on failure: invalid size (step set to 0),
 * a row or total size beyond the limit, or an exhausted allocator. The memory
 * is uninitialised and released with kzviFree. */

KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_AC4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C1(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C2(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C3(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C4(int32_t width, int32_t height, int32_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_AC4(int32_t width, int32_t height, int32_t* pStepBytes);

KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv8u* KZV_CALL kzviMalloc_8u_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16u* KZV_CALL kzviMalloc_16u_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv16s* KZV_CALL kzviMalloc_16s_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32s* KZV_CALL kzviMalloc_32s_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32f* KZV_CALL kzviMalloc_32f_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32sc* KZV_CALL kzviMalloc_32sc_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C1_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C2_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C3_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_C4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);
KZVAPI Kzv32fc* KZV_CALL kzviMalloc_32fc_AC4_L(intptr_t width, intptr_t height, intptr_t* pStepBytes);

/* Releases memory from the kzviMalloc functions; a null pointer is harmless. */
KZVAPI void KZV_CALL kzviFree(void* ptr);

#endif /* KZVI_CORE_H */
