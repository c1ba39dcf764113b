/* kzvi: mirror and transpose.
 *
 * Mirror flip selector (KzvMirrorAxis): 0 about the horizontal axis (rows
 * in reverse order), 1 about the vertical axis (each row reversed), 2 both;
 * 3 about the main diagonal, dst(x, y) = src(y, x), and 4 about the
 * secondary diagonal, dst(x, y) = src(h - 1 - y, w - 1 - x), for the C1R
 * forms only. For flips 3 and 4 roiSize (w, h) is the destination region
 * and the source region is h pixels wide and w rows high; pointers (-8),
 * steps < 1 (-16), sizes (-6) are checked and source and destination
 * regions that overlap in memory give kzvStatusNotSupportedModeErr (-14).
 * For flips 0-2 an R call whose source and destination pointer and step are
 * equal runs in place; checks: pointers (-8), sizes (-6), 16-bit steps that
 * are not even (-16), flip (kzvStatusMirrorAxisErr, -22). Steps are
 * otherwise used as given. AC4 forms leave the destination's fourth sample
 * untouched. The 16s forms move the same bits as the 16u ones, 32f as 32s.
 *
 * Transpose: dst(x, y) = src(y, x); the destination is roiSize.height wide
 * and roiSize.width high. Pointers (-8), sizes (-6). An R call with equal
 * source and destination pointers runs in place when the steps are equal
 * and returns kzvStatusNotSupportedModeErr (-14) when they differ. In place
 * (IR) only square regions are accepted (-6 otherwise). */
#ifndef KZVI_MIRROR_H
#define KZVI_MIRROR_H

#include "types.h"

typedef enum {
    kzvAxisHorizontal = 0,
    kzvAxisVertical = 1,
    kzvAxisBoth = 2,
    kzvAxisMainDiagonal = 3,
    kzvAxisSecondaryDiagonal = 4
} KzvMirrorAxis;

/* ---- 8u ---- */
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- 16u ---- */
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- 16s ---- */
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- 32s ---- */
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32s_AC4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- 32f ---- */
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviMirror_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, int32_t flip);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- 32fc ---- */
KZVAPI KzvStatus KZV_CALL kzviTranspose_32fc_C1R(const Kzv32fc* pSrc, int32_t srcStep, Kzv32fc* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviTranspose_32fc_C1IR(Kzv32fc* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

#endif /* KZVI_MIRROR_H */
