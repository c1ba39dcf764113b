/* kzvi: Extremes and counts.
 *
 * Results have the element type of the image, one per channel (C1: 1,
 * C3: 3, C4: 4, AC4: 3). Positions are relative to the first pixel of the
 * region and report the first occurrence in row-major order. For 32f, NaN
 * pixels never become an extreme; a channel holding only NaN reports NaN at
 * (0, 0). */
#ifndef KZVI_EXTREMES_H
#define KZVI_EXTREMES_H

#include "types.h"

/* Min, Max, MinMax, MinIndx, MaxIndx: null pointers -8, size -6; the step is
 * used as given. */
KZVAPI KzvStatus KZV_CALL kzviMin_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pMin);
KZVAPI KzvStatus KZV_CALL kzviMax_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinMax_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pMin, Kzv8u* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pMin, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pMax, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMin_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3], Kzv8u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[4]);
KZVAPI KzvStatus KZV_CALL kzviMax_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[4], Kzv8u pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMin_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3], Kzv8u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u* pMin);
KZVAPI KzvStatus KZV_CALL kzviMax_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u* pMin, Kzv16u* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u* pMin, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u* pMax, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMin_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3], Kzv16u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[4]);
KZVAPI KzvStatus KZV_CALL kzviMax_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[4], Kzv16u pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMin_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3], Kzv16u pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16u pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s* pMin);
KZVAPI KzvStatus KZV_CALL kzviMax_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s* pMin, Kzv16s* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s* pMin, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s* pMax, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMin_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3], Kzv16s pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[4]);
KZVAPI KzvStatus KZV_CALL kzviMax_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[4], Kzv16s pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMin_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3], Kzv16s pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv16s pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f* pMin);
KZVAPI KzvStatus KZV_CALL kzviMax_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinMax_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f* pMin, Kzv32f* pMax);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f* pMin, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f* pMax, int32_t* pIndexX, int32_t* pIndexY);
KZVAPI KzvStatus KZV_CALL kzviMin_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3], Kzv32f pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMin_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[4]);
KZVAPI KzvStatus KZV_CALL kzviMax_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[4], Kzv32f pMax[4]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[4], int32_t pIndexX[4], int32_t pIndexY[4]);
KZVAPI KzvStatus KZV_CALL kzviMin_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3]);
KZVAPI KzvStatus KZV_CALL kzviMax_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinMax_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3], Kzv32f pMax[3]);
KZVAPI KzvStatus KZV_CALL kzviMinIndx_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMin[3], int32_t pIndexX[3], int32_t pIndexY[3]);
KZVAPI KzvStatus KZV_CALL kzviMaxIndx_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv32f pMax[3], int32_t pIndexX[3], int32_t pIndexY[3]);

/* Counts the pixels with lowerBound <= v <= upperBound per channel.
 * Null pointers -8, srcStep < 1 -16, size -6, upperBound < lowerBound -7.
 * A count that exceeds 2147483647 is reported as 2147483647. */
KZVAPI KzvStatus KZV_CALL kzviCountInRange_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t* pCounts, Kzv8u lowerBound, Kzv8u upperBound);
KZVAPI KzvStatus KZV_CALL kzviCountInRange_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t pCounts[3], const Kzv8u lowerBound[3], const Kzv8u upperBound[3]);
KZVAPI KzvStatus KZV_CALL kzviCountInRange_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t pCounts[3], const Kzv8u lowerBound[3], const Kzv8u upperBound[3]);
KZVAPI KzvStatus KZV_CALL kzviCountInRange_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t* pCounts, Kzv32f lowerBound, Kzv32f upperBound);
KZVAPI KzvStatus KZV_CALL kzviCountInRange_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t pCounts[3], const Kzv32f lowerBound[3], const Kzv32f upperBound[3]);
KZVAPI KzvStatus KZV_CALL kzviCountInRange_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, int32_t pCounts[3], const Kzv32f lowerBound[3], const Kzv32f upperBound[3]);

/* Per-block minima and maxima: element i of row j of pDstMin / pDstMax holds
 * block (i, j); the last block column and row cover the remainder. Either
 * block destination may be null (not both); pGlobalMin and pGlobalMax, when
 * given, receive the extremes of the whole region. */
KZVAPI KzvStatus KZV_CALL kzviBlockMinMax_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcSize, Kzv8u* pDstMin, int32_t dstMinStep, Kzv8u* pDstMax, int32_t dstMaxStep, KzvImageSize blockSize, Kzv8u* pGlobalMin, Kzv8u* pGlobalMax);
KZVAPI KzvStatus KZV_CALL kzviBlockMinMax_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcSize, Kzv16u* pDstMin, int32_t dstMinStep, Kzv16u* pDstMax, int32_t dstMaxStep, KzvImageSize blockSize, Kzv16u* pGlobalMin, Kzv16u* pGlobalMax);
KZVAPI KzvStatus KZV_CALL kzviBlockMinMax_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcSize, Kzv16s* pDstMin, int32_t dstMinStep, Kzv16s* pDstMax, int32_t dstMaxStep, KzvImageSize blockSize, Kzv16s* pGlobalMin, Kzv16s* pGlobalMax);
KZVAPI KzvStatus KZV_CALL kzviBlockMinMax_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcSize, Kzv32f* pDstMin, int32_t dstMinStep, Kzv32f* pDstMax, int32_t dstMaxStep, KzvImageSize blockSize, Kzv32f* pGlobalMin, Kzv32f* pGlobalMax);

#endif /* KZVI_EXTREMES_H */
