/* kzvi: test images and noise.
 *
 * ImageRamp: every sample of pixel (x, y) (counted from the region's first
 * pixel) = offset + slope * c, one single-precision fused multiply-add, with
 * c = x (axis 0), y (axis 1) or the integer product x * y (axis 2). Integer
 * destinations: 8u 255 from 254.5 up, 0 below 0, else v + 0.5 truncated;
 * 16u likewise with 65535 from 65534.5; 16s 32767 from 32766.5, -32768 below
 * -32768, else rounded half away from zero. A NaN value stores 0. Another
 * axis value writes nothing and returns kzvStatusOk. The 32f C3, C4 and AC4
 * forms round dstStep down to a multiple of 4.
 *
 * ImageJaehne: the radial chirp sin(pi * ((x - cx)^2 + (y - cy)^2) / (2 * h))
 * with cx = (w - 1) / 2, cy = (h - 1) / 2: 32f stores the sine, 8u
 * 128 + 128 sin, 16u 32768 + 32768 sin, 16s 16384 sin, rounded to nearest
 * (halves away from zero) and saturated.
 *
 * AddRandUniform / AddRandGauss add pseudo-random noise in place. The
 * generator restarts from *pSeed on every call and writes the state of its
 * last draw back, so successive calls continue a sequence; the same seed on
 * the same region size gives the same noise on every target. Draws follow
 * the samples in memory order, row after row (AC4: the three colour samples
 * of each pixel; alpha is untouched and spends no draw). Uniform noise lies
 * in [low, high); integer types add it rounded to nearest even, or truncated
 * when a row holds a single sample, and saturate. Gaussian noise comes in
 * pairs (polar method); a pair's second value goes to the next sample in the
 * same order, across pixels and rows; integer types add it truncated toward
 * zero and saturate.
 *
 * Checks: pointers (-8); ImageRamp and ImageJaehne: dstStep < 1 (-16), then
 * width or height < 1 (-6); noise: width or height < 1 (-6), then
 * srcDstStep < 1 (-16). */
#ifndef KZVI_SYNTH_H
#define KZVI_SYNTH_H

#include "types.h"

/* ---- 8u ---- */
KZVAPI KzvStatus KZV_CALL kzviImageRamp_8u_C1R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_8u_C3R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_8u_C4R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_8u_AC4R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_8u_C1R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_8u_C3R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_8u_C4R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_8u_AC4R(Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u low, Kzv8u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u low, Kzv8u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u low, Kzv8u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u low, Kzv8u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u mean, Kzv8u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u mean, Kzv8u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u mean, Kzv8u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv8u mean, Kzv8u stdDev, uint32_t* pSeed);

/* ---- 16u ---- */
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16u_C1R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16u_C3R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16u_C4R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16u_AC4R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16u_C1R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16u_C3R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16u_C4R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16u_AC4R(Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u low, Kzv16u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u low, Kzv16u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u low, Kzv16u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u low, Kzv16u high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u mean, Kzv16u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u mean, Kzv16u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u mean, Kzv16u stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16u mean, Kzv16u stdDev, uint32_t* pSeed);

/* ---- 16s ---- */
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16s_C1R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16s_C3R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16s_C4R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_16s_AC4R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16s_C1R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16s_C3R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16s_C4R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_16s_AC4R(Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s low, Kzv16s high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s low, Kzv16s high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s low, Kzv16s high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s low, Kzv16s high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s mean, Kzv16s stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s mean, Kzv16s stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s mean, Kzv16s stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv16s mean, Kzv16s stdDev, uint32_t* pSeed);

/* ---- 32f ---- */
KZVAPI KzvStatus KZV_CALL kzviImageRamp_32f_C1R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_32f_C3R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_32f_C4R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageRamp_32f_AC4R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope, int32_t axis);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_32f_C1R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_32f_C3R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_32f_C4R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviImageJaehne_32f_AC4R(Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f low, Kzv32f high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f low, Kzv32f high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f low, Kzv32f high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandUniform_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f low, Kzv32f high, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f mean, Kzv32f stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f mean, Kzv32f stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f mean, Kzv32f stdDev, uint32_t* pSeed);
KZVAPI KzvStatus KZV_CALL kzviAddRandGauss_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, Kzv32f mean, Kzv32f stdDev, uint32_t* pSeed);

#endif /* KZVI_SYNTH_H */
