/* kzvi: alpha composition, premultiplication and colour keying.
 *
 * alphaType (KzvAlphaOp): 0 over, 1 in, 2 out, 3 atop, 4 xor, 5 plus on
 * sources that are not premultiplied (colour A = alphaA * a is formed
 * first; the result colour is premultiplied), 6-11 the same operators on
 * premultiplied sources. Other values give kzvStatusAlphaTypeErr (-50).
 * Opacity 1 is the type's maximum (255, 65535, 32767, 2147483647,
 * 4294967295; 1.0 for 32f). 8u and 16u divide each product of two samples
 * by the maximum rounded to nearest; 16s, 32s and 32u compute in double and
 * round to nearest (halves away from zero); sums saturate; 32f forms each
 * product-sum as one fused multiply-add in double (plus may exceed 1).
 * AlphaComp AC4/AP4 write all four samples; AC1 images hold alpha only.
 * AlphaCompC uses the constants alpha1 and alpha2 for every pixel; its AC4
 * and AP4 forms compose the three colour samples and leave the fourth
 * sample untouched. AlphaPremul multiplies colour by the pixel's alpha and
 * copies alpha; AlphaPremulC multiplies every sample (AC4, AP4: the three
 * colour samples) by the constant. Checks: pointers (-8; plane arrays and
 * every plane), sizes (-6), alphaType (-50). Steps are not checked.
 *
 * CompColorKey: dst = src2 where the src1 pixel equals the key in every
 * channel, src1 elsewhere (bitwise); pointers (-8), sizes (-6), steps < 1
 * (-16). */
#ifndef KZVI_ALPHA_H
#define KZVI_ALPHA_H

#include "types.h"

typedef enum {
    kzvAlphaOver = 0,
    kzvAlphaIn = 1,
    kzvAlphaOut = 2,
    kzvAlphaAtop = 3,
    kzvAlphaXor = 4,
    kzvAlphaPlus = 5,
    kzvAlphaOverPremul = 6,
    kzvAlphaInPremul = 7,
    kzvAlphaOutPremul = 8,
    kzvAlphaAtopPremul = 9,
    kzvAlphaXorPremul = 10,
    kzvAlphaPlusPremul = 11
} KzvAlphaOp;

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_8u_AC1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_8u_AC4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_8u_AP4R(const Kzv8u* const pSrc1[4], int32_t src1Step, const Kzv8u* const pSrc2[4], int32_t src2Step, Kzv8u* const pDst[4], int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_8u_AP4IR(const Kzv8u* const pSrc[4], int32_t srcStep, Kzv8u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, Kzv8u alpha1, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u alpha2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha1, Kzv8u* pSrcDst, int32_t srcDstStep, Kzv8u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, Kzv8u alpha1, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u alpha2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha1, Kzv8u* pSrcDst, int32_t srcDstStep, Kzv8u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, Kzv8u alpha1, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u alpha2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha1, Kzv8u* pSrcDst, int32_t srcDstStep, Kzv8u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_AC4R(const Kzv8u* pSrc1, int32_t src1Step, Kzv8u alpha1, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u alpha2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha1, Kzv8u* pSrcDst, int32_t srcDstStep, Kzv8u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_AP4R(const Kzv8u* const pSrc1[4], int32_t src1Step, Kzv8u alpha1, const Kzv8u* const pSrc2[4], int32_t src2Step, Kzv8u alpha2, Kzv8u* const pDst[4], int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_8u_AP4IR(const Kzv8u* const pSrc[4], int32_t srcStep, Kzv8u alpha1, Kzv8u* const pSrcDst[4], int32_t srcDstStep, Kzv8u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_8u_AP4R(const Kzv8u* const pSrc[4], int32_t srcStep, Kzv8u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_8u_AP4IR(Kzv8u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C1IR(Kzv8u alpha, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C3IR(Kzv8u alpha, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_C4IR(Kzv8u alpha, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u alpha, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_AC4IR(Kzv8u alpha, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_AP4R(const Kzv8u* const pSrc[4], int32_t srcStep, Kzv8u alpha, Kzv8u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_8u_AP4IR(Kzv8u alpha, Kzv8u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_8u_C1R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv8u colorKey);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_8u_C3R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u colorKey[3]);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_8u_C4R(const Kzv8u* pSrc1, int32_t src1Step, const Kzv8u* pSrc2, int32_t src2Step, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u colorKey[4]);

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16u_AC1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16u_AC4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16u_AP4R(const Kzv16u* const pSrc1[4], int32_t src1Step, const Kzv16u* const pSrc2[4], int32_t src2Step, Kzv16u* const pDst[4], int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16u_AP4IR(const Kzv16u* const pSrc[4], int32_t srcStep, Kzv16u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, Kzv16u alpha1, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u alpha2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha1, Kzv16u* pSrcDst, int32_t srcDstStep, Kzv16u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, Kzv16u alpha1, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u alpha2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha1, Kzv16u* pSrcDst, int32_t srcDstStep, Kzv16u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, Kzv16u alpha1, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u alpha2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha1, Kzv16u* pSrcDst, int32_t srcDstStep, Kzv16u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_AC4R(const Kzv16u* pSrc1, int32_t src1Step, Kzv16u alpha1, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u alpha2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha1, Kzv16u* pSrcDst, int32_t srcDstStep, Kzv16u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_AP4R(const Kzv16u* const pSrc1[4], int32_t src1Step, Kzv16u alpha1, const Kzv16u* const pSrc2[4], int32_t src2Step, Kzv16u alpha2, Kzv16u* const pDst[4], int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16u_AP4IR(const Kzv16u* const pSrc[4], int32_t srcStep, Kzv16u alpha1, Kzv16u* const pSrcDst[4], int32_t srcDstStep, Kzv16u alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_16u_AP4R(const Kzv16u* const pSrc[4], int32_t srcStep, Kzv16u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremul_16u_AP4IR(Kzv16u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C1IR(Kzv16u alpha, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C3IR(Kzv16u alpha, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_C4IR(Kzv16u alpha, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u alpha, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_AC4IR(Kzv16u alpha, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_AP4R(const Kzv16u* const pSrc[4], int32_t srcStep, Kzv16u alpha, Kzv16u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAlphaPremulC_16u_AP4IR(Kzv16u alpha, Kzv16u* const pSrcDst[4], int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16u_C1R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16u colorKey);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16u_C3R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u colorKey[3]);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16u_C4R(const Kzv16u* pSrc1, int32_t src1Step, const Kzv16u* pSrc2, int32_t src2Step, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16u colorKey[4]);

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16s_AC1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16s_AC4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_16s_AC4IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, Kzv16s alpha1, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s alpha2, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_16s_C1IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s alpha1, Kzv16s* pSrcDst, int32_t srcDstStep, Kzv16s alpha2, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16s_C1R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, Kzv16s colorKey);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16s_C3R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s colorKey[3]);
KZVAPI KzvStatus KZV_CALL kzviCompColorKey_16s_C4R(const Kzv16s* pSrc1, int32_t src1Step, const Kzv16s* pSrc2, int32_t src2Step, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv16s colorKey[4]);

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32s_AC1R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32s_AC4R(const Kzv32s* pSrc1, int32_t src1Step, const Kzv32s* pSrc2, int32_t src2Step, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32s_AC4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32s_C1R(const Kzv32s* pSrc1, int32_t src1Step, Kzv32s alpha1, const Kzv32s* pSrc2, int32_t src2Step, Kzv32s alpha2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32s_C1IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s alpha1, Kzv32s* pSrcDst, int32_t srcDstStep, Kzv32s alpha2, KzvImageSize roiSize, int32_t alphaType);

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32u_AC1R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32u_AC4R(const Kzv32u* pSrc1, int32_t src1Step, const Kzv32u* pSrc2, int32_t src2Step, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32u_AC4IR(const Kzv32u* pSrc, int32_t srcStep, Kzv32u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32u_C1R(const Kzv32u* pSrc1, int32_t src1Step, Kzv32u alpha1, const Kzv32u* pSrc2, int32_t src2Step, Kzv32u alpha2, Kzv32u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32u_C1IR(const Kzv32u* pSrc, int32_t srcStep, Kzv32u alpha1, Kzv32u* pSrcDst, int32_t srcDstStep, Kzv32u alpha2, KzvImageSize roiSize, int32_t alphaType);

KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32f_AC1R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32f_AC4R(const Kzv32f* pSrc1, int32_t src1Step, const Kzv32f* pSrc2, int32_t src2Step, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaComp_32f_AC4IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32f_C1R(const Kzv32f* pSrc1, int32_t src1Step, Kzv32f alpha1, const Kzv32f* pSrc2, int32_t src2Step, Kzv32f alpha2, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t alphaType);
KZVAPI KzvStatus KZV_CALL kzviAlphaCompC_32f_C1IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f alpha1, Kzv32f* pSrcDst, int32_t srcDstStep, Kzv32f alpha2, KzvImageSize roiSize, int32_t alphaType);

#endif /* KZVI_ALPHA_H */
