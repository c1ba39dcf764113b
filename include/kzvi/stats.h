/* kzvi: Sums, means, norms and dot products.
 *
 * Every function reduces a region to one double per channel (C1: 1, C3: 3,
 * C4: 4, AC4: 3). Integer sources are summed exactly; 32f sums and norms use
 * single-precision lanes or double accumulation as selected by the hint.
 * Returns kzvStatusOk, or kzvStatusDivByZero (2) from NormRel when a
 * reference norm is zero (that channel is +Inf, or NaN when the difference
 * norm is also zero). */
#ifndef KZVI_STATS_H
#define KZVI_STATS_H

#include "types.h"

/* ---- Sum and mean ------------------------------------------------------
 * The step is used as given (not checked). 32f: with kzvAlgHintAccurate the
 * sum is accumulated in double; otherwise C1 (width > 16) and C3 (width > 13)
 * accumulate in single-precision lanes, C4 only with kzvAlgHintFast. */
KZVAPI KzvStatus KZV_CALL kzviSum_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum);
KZVAPI KzvStatus KZV_CALL kzviSum_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[3]);
KZVAPI KzvStatus KZV_CALL kzviSum_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[4]);
KZVAPI KzvStatus KZV_CALL kzviSum_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum);
KZVAPI KzvStatus KZV_CALL kzviSum_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[3]);
KZVAPI KzvStatus KZV_CALL kzviSum_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[4]);
KZVAPI KzvStatus KZV_CALL kzviSum_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum);
KZVAPI KzvStatus KZV_CALL kzviSum_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[3]);
KZVAPI KzvStatus KZV_CALL kzviSum_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[4]);
KZVAPI KzvStatus KZV_CALL kzviSum_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pSum, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviSum_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviSum_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pSum[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviMean_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean);
KZVAPI KzvStatus KZV_CALL kzviMean_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[3]);
KZVAPI KzvStatus KZV_CALL kzviMean_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[4]);
KZVAPI KzvStatus KZV_CALL kzviMean_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean);
KZVAPI KzvStatus KZV_CALL kzviMean_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[3]);
KZVAPI KzvStatus KZV_CALL kzviMean_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[4]);
KZVAPI KzvStatus KZV_CALL kzviMean_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean);
KZVAPI KzvStatus KZV_CALL kzviMean_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[3]);
KZVAPI KzvStatus KZV_CALL kzviMean_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[4]);
KZVAPI KzvStatus KZV_CALL kzviMean_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pMean, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviMean_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviMean_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pMean[4], KzvAlgHint hint);

/* ---- Norms ---------------------------------------------------------------
 * Norm: src null or pValue null -8, size -6, srcStep < 1 -16.
 * NormDiff / NormRel: the absolute difference is formed exactly per pixel;
 * NormRel divides by the norm of the second image (the reference).
 * 32f: kzvAlgHintAccurate accumulates in double, any other hint in single
 * precision; the Inf norm propagates NaN. */
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_Inf_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNorm_L1_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNorm_L2_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_Inf_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L1_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormDiff_L2_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_Inf_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L1_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4]);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pValue, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_32f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviNormRel_L2_32f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pValue[4], KzvAlgHint hint);

/* ---- Dot products ------------------------------------------------------
 * Sum of src1 x src2 per channel. Steps may be negative; a zero step or an
 * empty size returns -6. 8u/16u/16s are exact; 32s/32u/32f accumulate in
 * double with fused multiply-add (the hint of 32f64f is accepted, not used). */
KZVAPI KzvStatus KZV_CALL kzviDotProd_8u64f_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp);
KZVAPI KzvStatus KZV_CALL kzviDotProd_8u64f_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_8u64f_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_8u64f_AC4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16u64f_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16u64f_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16u64f_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16u64f_AC4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16s64f_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16s64f_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16s64f_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_16s64f_AC4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32u64f_C1R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32u64f_C3R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32u64f_C4R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32u64f_AC4R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32s64f_C1R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32s64f_C3R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32s64f_C4R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32s64f_AC4R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3]);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32f64f_C1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f* pDp, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32f64f_C3R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32f64f_C4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[4], KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviDotProd_32f64f_AC4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, KzvImageSize roiSize, Kzv64f pDp[3], KzvAlgHint hint);

/* pDst[x] = sum over k of pWeights[k] x ppSrcRows[k][x], combined in the
 * order k = 0, 1, ... (32f in single precision, 64f in double). */
KZVAPI KzvStatus KZV_CALL kzviDotProdCol_32f_L2(const Kzv32f* const* ppSrcRows, const Kzv32f* pWeights, int32_t len, Kzv32f* pDst, int32_t width);
KZVAPI KzvStatus KZV_CALL kzviDotProdCol_64f_L2(const Kzv64f* const* ppSrcRows, const Kzv64f* pWeights, int32_t len, Kzv64f* pDst, int32_t width);

#endif /* KZVI_STATS_H */
