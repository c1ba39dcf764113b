/* kzvi: lookup tables and palettes.
 *
 * Level tables: per channel table c the caller gives nLevels[c] (at least
 * 2) levels pLevels[c] and values pValues[c] (signed 32-bit for 8u, 16u and
 * 16s, float for 32f). Channel code: 1 (C1), 3 (C3), 4 (C4), 9 (AC4: three
 * tables, alpha untouched). Interpolation: kzvInterpNearest, kzvInterpLinear
 * or kzvInterpCubic (-23 otherwise). A value x with l[k] <= x < l[k+1] maps
 * to v[k] (nearest), to the line through (l[k], v[k]) and (l[k+1], v[k+1])
 * (linear), or to the cubic through the four levels around the interval
 * (cubic; linear below 4 levels); values below the first level and from the
 * last level up map to themselves. Integer results are truncated after
 * adding 0.5 and saturated; an interval one entry wide gives v[k]. For 8u,
 * 16u and 16s the whole table is built at Init; 32f scans the intervals per
 * pixel (in double; for a multi-channel 32f cubic spec every table needs 4
 * levels, otherwise all its tables interpolate linearly).
 *
 * The spec is caller memory of kzviLUT_GetSize bytes; Init and the apply
 * functions must get the same pointer. Apply checks: pointers (-8), steps
 * < 1 (-16), sizes (-6), a spec of another type or layout (-5).
 *
 * Palettes: dst = table[src & (2^nBitSize - 1)] per channel (AC4: channels
 * 0-2). nBitSize 1..8 for 8u sources, 1..16 for 16u (-11). Steps smaller
 * than a row of the region give -16. 24u destinations and tables hold
 * 3-byte entries (byte order as in memory); 32u tables 32-bit entries. */
#ifndef KZVI_LUT_H
#define KZVI_LUT_H

#include "types.h"

/* Opaque lookup-table spec. */
typedef struct KzvLUTSpec KzvLUTSpec;

KZVAPI KzvStatus KZV_CALL kzviLUT_GetSize(KzvInterp interp, KzvDataKind dataKind, int32_t channels, KzvImageSize roiSize, const int32_t nLevels[], int32_t* pSpecSize);

KZVAPI KzvStatus KZV_CALL kzviLUT_Init_8u(KzvInterp interp, int32_t channels, KzvImageSize roiSize, const int32_t* pValues[], const int32_t* pLevels[], const int32_t nLevels[], KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_Init_16u(KzvInterp interp, int32_t channels, KzvImageSize roiSize, const int32_t* pValues[], const int32_t* pLevels[], const int32_t nLevels[], KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_Init_16s(KzvInterp interp, int32_t channels, KzvImageSize roiSize, const int32_t* pValues[], const int32_t* pLevels[], const int32_t nLevels[], KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_Init_32f(KzvInterp interp, int32_t channels, KzvImageSize roiSize, const Kzv32f* pValues[], const Kzv32f* pLevels[], const int32_t nLevels[], KzvLUTSpec* pSpec);

KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviLUT_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const KzvLUTSpec* pSpec);

KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* const pTable[3], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* const pTable[4], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* const pTable[3], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u* const pTable[3], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u* const pTable[4], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u* const pTable[3], int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u24u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_8u32u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u8u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u24u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pTable, int32_t nBitSize);
KZVAPI KzvStatus KZV_CALL kzviLUTPalette_16u32u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32u* pTable, int32_t nBitSize);

#endif /* KZVI_LUT_H */
