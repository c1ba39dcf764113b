/* kzvi: comparison and thresholds.
 *
 * Compare and CompareC write an 8u one-channel mask: 255 where the relation
 * op (KzvCompareOp) holds for every compared channel (AC4: the first three),
 * 0 elsewhere; for 32f a relation involving NaN is false. Checks: null
 * pointers -8, a step below 1 -16, a size below 1 -6; an op outside 0..4
 * returns 0 and writes nothing. CompareEqualEps(C) marks |a - b| <= eps
 * (computed in 32f) and rejects eps < 0 with -36 after the other checks.
 *
 * Fixed thresholds (per channel, strict comparisons):
 *   Threshold op 0: dst = src < t ? t : src;  op 4: dst = src > t ? t : src
 *   _LT / _GT:      the same without op
 *   _LTVal / _GTVal: src < t (src > t) is replaced by value
 *   _Val:           op 0 as _LTVal, op 4 as _GTVal
 *   _LTValGTVal:    src < tLT ? vLT : (src > tGT ? vGT : src)
 * Checks: null image pointers -8, size -6, step -16, null threshold/value
 * arrays -8, thresholdGT < thresholdLT in any channel -19, op other than 0
 * or 4 -14. AC4 forms leave the fourth sample of the destination as it was.
 *
 * Adaptive thresholds (8u, one channel): dst = valGT where
 * src > mean(k x k window) - delta, else valLE. Borders: replicate or the
 * constant borderValue (kind 1 or 6, with the in-memory flags 0x10 top,
 * 0x20 bottom, 0x40 left, 0x80 right: the caller guarantees that the k/2
 * rows or columns beyond a flagged side exist in the source image), or 0xF0
 * for all sides in memory. The box form tests k*k*src > S - ceil(k*k*delta)
 * exactly in integers for masks up to 11x11, in 32f for larger ones; the
 * Gaussian form uses the separable weights of its spec in 32f. The work
 * buffer has the size reported by the GetBufferSize query for the same roi
 * and mask; the Gaussian spec is initialised by kzviThresholdAdaptiveGaussInit
 * and applied through the same pointer.
 *
 * kzviComputeThreshold_Otsu_8u_C1R writes the threshold of maximal
 * between-class variance of the region's histogram (0 for a constant image). */
#ifndef KZVI_COMPARE_H
#define KZVI_COMPARE_H

#include "types.h"

/* ---- Comparison into an 8u one-channel mask (255 where the relation holds for every compared channel) ---- */
KZVAPI KzvStatus KZV_CALL kzviCompare_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_8u_C3R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_8u_C4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_8u_AC4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16u_C3R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16u_C4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16u_AC4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16s_C1R(const Kzv16s* pSrc1, int32_t srcStep1, const Kzv16s* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16s_C3R(const Kzv16s* pSrc1, int32_t srcStep1, const Kzv16s* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, const Kzv16s value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16s_C4R(const Kzv16s* pSrc1, int32_t srcStep1, const Kzv16s* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, const Kzv16s value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_16s_AC4R(const Kzv16s* pSrc1, int32_t srcStep1, const Kzv16s* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, const Kzv16s value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_32f_C1R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_32f_C3R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_32f_C4R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompare_32f_AC4R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviCompareC_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvCompareOp op);

/* ---- Equality within a tolerance: 255 where |a - b| <= eps in every compared channel ---- */
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEps_32f_C1R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEpsC_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEps_32f_C3R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEpsC_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEps_32f_C4R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEpsC_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEps_32f_AC4R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);
KZVAPI KzvStatus KZV_CALL kzviCompareEqualEpsC_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, const Kzv32f value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f eps);

/* ---- Threshold ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], KzvCompareOp op);

/* ---- Threshold_LT ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LT_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);

/* ---- Threshold_GT ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GT_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3]);

/* ---- Threshold_LTVal ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[4], const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[4], const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[4], const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[4], const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[4], const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[4], const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[4], const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[4], const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTVal_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);

/* ---- Threshold_GTVal ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[4], const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[4], const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[4], const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[4], const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[4], const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[4], const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[4], const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[4], const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_GTVal_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3]);

/* ---- Threshold_Val ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u threshold, Kzv8u value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u threshold[3], const Kzv8u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u threshold, Kzv16u value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u threshold[3], const Kzv16u value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s threshold, Kzv16s value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s threshold[3], const Kzv16s value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f threshold, Kzv32f value, KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3], KzvCompareOp op);
KZVAPI KzvStatus KZV_CALL kzviThreshold_Val_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f threshold[3], const Kzv32f value[3], KzvCompareOp op);

/* ---- Threshold_LTValGTVal ---- */
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u thresholdLT, Kzv8u valueLT, Kzv8u thresholdGT, Kzv8u valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u thresholdLT, Kzv8u valueLT, Kzv8u thresholdGT, Kzv8u valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u thresholdLT[3], const Kzv8u valueLT[3], const Kzv8u thresholdGT[3], const Kzv8u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u thresholdLT[3], const Kzv8u valueLT[3], const Kzv8u thresholdGT[3], const Kzv8u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u thresholdLT[3], const Kzv8u valueLT[3], const Kzv8u thresholdGT[3], const Kzv8u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv8u thresholdLT[3], const Kzv8u valueLT[3], const Kzv8u thresholdGT[3], const Kzv8u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u thresholdLT, Kzv16u valueLT, Kzv16u thresholdGT, Kzv16u valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u thresholdLT, Kzv16u valueLT, Kzv16u thresholdGT, Kzv16u valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u thresholdLT[3], const Kzv16u valueLT[3], const Kzv16u thresholdGT[3], const Kzv16u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u thresholdLT[3], const Kzv16u valueLT[3], const Kzv16u thresholdGT[3], const Kzv16u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u thresholdLT[3], const Kzv16u valueLT[3], const Kzv16u thresholdGT[3], const Kzv16u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16u thresholdLT[3], const Kzv16u valueLT[3], const Kzv16u thresholdGT[3], const Kzv16u valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s thresholdLT, Kzv16s valueLT, Kzv16s thresholdGT, Kzv16s valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s thresholdLT, Kzv16s valueLT, Kzv16s thresholdGT, Kzv16s valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s thresholdLT[3], const Kzv16s valueLT[3], const Kzv16s thresholdGT[3], const Kzv16s valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s thresholdLT[3], const Kzv16s valueLT[3], const Kzv16s thresholdGT[3], const Kzv16s valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s thresholdLT[3], const Kzv16s valueLT[3], const Kzv16s thresholdGT[3], const Kzv16s valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv16s thresholdLT[3], const Kzv16s valueLT[3], const Kzv16s thresholdGT[3], const Kzv16s valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f thresholdLT, Kzv32f valueLT, Kzv32f thresholdGT, Kzv32f valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f thresholdLT, Kzv32f valueLT, Kzv32f thresholdGT, Kzv32f valueGT);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f thresholdLT[3], const Kzv32f valueLT[3], const Kzv32f thresholdGT[3], const Kzv32f valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f thresholdLT[3], const Kzv32f valueLT[3], const Kzv32f thresholdGT[3], const Kzv32f valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv32f thresholdLT[3], const Kzv32f valueLT[3], const Kzv32f thresholdGT[3], const Kzv32f valueGT[3]);
KZVAPI KzvStatus KZV_CALL kzviThreshold_LTValGTVal_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const Kzv32f thresholdLT[3], const Kzv32f valueLT[3], const Kzv32f thresholdGT[3], const Kzv32f valueGT[3]);

/* ---- Adaptive thresholds ---- */
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveBoxGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataKind, int32_t numChannels, int32_t* pBufferSize);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveBox_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize, Kzv32f delta, Kzv8u valGT, Kzv8u valLE, KzvBorderKind borderKind, Kzv8u borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveBox_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, KzvImageSize maskSize, Kzv32f delta, Kzv8u valGT, Kzv8u valLE, KzvBorderKind borderKind, Kzv8u borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveGaussGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataKind, int32_t numChannels, int32_t* pSpecSize, int32_t* pBufferSize);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveGaussInit(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataKind, int32_t numChannels, Kzv32f sigma, Kzv8u* pSpec);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveGauss_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f delta, Kzv8u valGT, Kzv8u valLE, KzvBorderKind borderKind, Kzv8u borderValue, const Kzv8u* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviThresholdAdaptiveGauss_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f delta, Kzv8u valGT, Kzv8u valLE, KzvBorderKind borderKind, Kzv8u borderValue, const Kzv8u* pSpec, Kzv8u* pBuffer);

/* ---- Otsu threshold ---- */
KZVAPI KzvStatus KZV_CALL kzviComputeThreshold_Otsu_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv8u* pThreshold);

#endif /* KZVI_COMPARE_H */
