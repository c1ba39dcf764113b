/* kzvi: Depth conversion and scaling. */
#ifndef KZVI_CONVERT_H
#define KZVI_CONVERT_H

#include "types.h"

/* Convert: exact widening (integer results exact, int32/uint32 to float rounded to nearest). */
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16s_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u16s_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32s_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32s_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32s_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32f_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32f_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8u32f_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s16s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32s_C3R(const Kzv8s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32s_C4R(const Kzv8s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32s_AC4R(const Kzv8s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32f_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32f_C3R(const Kzv8s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32f_C4R(const Kzv8s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32f_AC4R(const Kzv8s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s64f_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32s_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32s_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32s_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32s_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32f_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32f_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u32f_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32f_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32f_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32f_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s32f_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u32f_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);

/* Convert: saturating integer narrowing. */
KZVAPI KzvStatus KZV_CALL kzviConvert_16u8u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u8u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u8u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u8u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s8u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s8u_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s8u_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s8u_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8u_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8u_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8u_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8u_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s8s_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);

/* Convert: float to integer, rounded by roundMode (1 nearest even, 0 toward zero,
 * any other value half away from zero), saturated; NaN gives 0. */
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8u_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8u_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8u_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8s_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8s_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8s_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8s_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16u_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16u_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16u_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16s_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16s_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16s_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16s_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode);

/* Convert: scaled, src * 2^-scaleFactor rounded by roundMode and saturated;
 * steps are used as given. */
KZVAPI KzvStatus KZV_CALL kzviConvert_8u8s_C1RSfs(const Kzv8u* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s8s_C1RSfs(const Kzv16s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u8s_C1RSfs(const Kzv16u* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_16u16s_C1RSfs(const Kzv16u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s16s_C1RSfs(const Kzv32s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s16u_C1RSfs(const Kzv32s* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u8u_C1RSfs(const Kzv32u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u8s_C1RSfs(const Kzv32u* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u16u_C1RSfs(const Kzv32u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u16s_C1RSfs(const Kzv32u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32u32s_C1RSfs(const Kzv32u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8u_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f8s_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16u_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f16s_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f32s_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f32u_C1RSfs(const Kzv32f* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_64f8u_C1RSfs(const Kzv64f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_64f8s_C1RSfs(const Kzv64f* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_64f16u_C1RSfs(const Kzv64f* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_64f16s_C1RSfs(const Kzv64f* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);
KZVAPI KzvStatus KZV_CALL kzviConvert_32f32u_C1IRSfs(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, KzvRounding roundMode, int32_t scaleFactor);

/* Convert: negative values clamped to 0; steps are used as given. */
KZVAPI KzvStatus KZV_CALL kzviConvert_16s16u_C1Rs(const Kzv16s* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_16s32u_C1Rs(const Kzv16s* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_32s32u_C1Rs(const Kzv32s* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s16u_C1Rs(const Kzv8s* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s32u_C1Rs(const Kzv8s* pSrc, int32_t srcStep, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviConvert_8s8u_C1Rs(const Kzv8s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);

/* Scale: the full source range mapped linearly onto the full destination range. */
KZVAPI KzvStatus KZV_CALL kzviScale_8u16u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16s_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16s_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u16s_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32s_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32s_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32s_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviScale_16u8u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16u8u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16u8u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16u8u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16s8u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16s8u_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16s8u_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_16s8u_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_32s8u_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_32s8u_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_32s8u_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScale_32s8u_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);

/* Scale between 8u and a float range [vMin, vMax]; vMax <= vMin fails first. */
KZVAPI KzvStatus KZV_CALL kzviScale_8u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32f_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32f_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_8u32f_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_32f8u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_32f8u_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_32f8u_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);
KZVAPI KzvStatus KZV_CALL kzviScale_32f8u_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f vMin, Kzv32f vMax);

/* ScaleC: src * mVal + aVal, rounded to nearest even for integer destinations,
 * saturated; single precision unless hint is kzvAlgHintAccurate. */
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u8s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u16u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u16s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u32u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u32s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u64f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s8u_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s16u_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s16s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s32u_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s32s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s32f_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s64f_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u8u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u8s_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u16s_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u32u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u32s_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u32f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u64f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s8u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s8s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s16u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s32u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s32s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s32f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s64f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u8u_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u8s_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u16u_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u16s_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u32s_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u32f_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u64f_C1R(const Kzv32u* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s8u_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s8s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s16u_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s16s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s32u_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s32f_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s64f_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f8u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f8s_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f16u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f16s_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f32u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f32s_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f64f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f8u_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f8s_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f16u_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f16s_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f32u_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f32s_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f32f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f mVal, Kzv64f aVal, Kzv64f* pDst, int32_t dstStep, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_8s_C1IR(Kzv8s* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32u_C1IR(Kzv32u* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);
KZVAPI KzvStatus KZV_CALL kzviScaleC_64f_C1IR(Kzv64f* pSrcDst, int32_t srcDstStep, Kzv64f mVal, Kzv64f aVal, KzvImageSize roiSize, KzvAlgHint hint);

/* BinToGray / GrayToBin: one bit per pixel, pixel k of a byte in bit k; a
 * bit offset (low three bits used) names the bit of the row's first pixel. */
KZVAPI KzvStatus KZV_CALL kzviBinToGray_1u8u_C1R(const Kzv8u* pSrc, int32_t srcStep, int32_t srcBitOffset, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u loVal, Kzv8u hiVal);
KZVAPI KzvStatus KZV_CALL kzviBinToGray_1u16u_C1R(const Kzv8u* pSrc, int32_t srcStep, int32_t srcBitOffset, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u loVal, Kzv16u hiVal);
KZVAPI KzvStatus KZV_CALL kzviBinToGray_1u16s_C1R(const Kzv8u* pSrc, int32_t srcStep, int32_t srcBitOffset, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s loVal, Kzv16s hiVal);
KZVAPI KzvStatus KZV_CALL kzviBinToGray_1u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, int32_t srcBitOffset, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv32f loVal, Kzv32f hiVal);
KZVAPI KzvStatus KZV_CALL kzviGrayToBin_8u1u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, int32_t dstBitOffset, KzvImageSize roiSize, Kzv8u threshold);
KZVAPI KzvStatus KZV_CALL kzviGrayToBin_16u1u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, int32_t dstBitOffset, KzvImageSize roiSize, Kzv16u threshold);
KZVAPI KzvStatus KZV_CALL kzviGrayToBin_16s1u_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, int32_t dstBitOffset, KzvImageSize roiSize, Kzv16s threshold);
KZVAPI KzvStatus KZV_CALL kzviGrayToBin_32f1u_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, int32_t dstBitOffset, KzvImageSize roiSize, Kzv32f threshold);

#endif /* KZVI_CONVERT_H */
