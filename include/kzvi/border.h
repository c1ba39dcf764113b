/* kzvi: border copies.
 *
 * Each function builds a destination frame of dstRoiSize pixels that holds the
 * source region (srcRoiSize) at topBorderHeight rows down and leftBorderWidth
 * pixels in, surrounded by a synthesised border. With x = X - left and
 * y = Y - top, frame pixel (X, Y) is the source pixel (x, y) inside the
 * region; outside it is
 *   CopyConstBorder:     the constant value (one value per channel);
 *   CopyReplicateBorder: source pixel (clamp(x), clamp(y)), clamp into [0, n-1];
 *   CopyMirrorBorder:    source pixel (mirror(x), mirror(y)), mirror without
 *                        repeating the edge pixel, continued periodically
 *                        (period 2n-2) for borders wider than the image;
 *   CopyWrapBorder:      source pixel (x mod srcW, y mod srcH).
 * The right border is dstRoiSize.width - srcRoiSize.width - leftBorderWidth
 * pixels wide and the bottom border dstRoiSize.height - srcRoiSize.height -
 * topBorderHeight rows high; both may be 0.
 *
 * R forms: pSrc points at the source region, pDst at the frame's first pixel.
 * IR forms: pSrcDst points at the source region, which already lies in the
 * destination image; the frame starts topBorderHeight rows above and
 * leftBorderWidth pixels left of it, with the same step. Only the border is
 * written: each row of the region is completed first (left and right borders
 * from that row's pixels), then the rows above and below are copied from the
 * completed rows.
 *
 * Replicate, mirror and wrap R forms called with pSrc == pDst work as the IR
 * form on pDst with dstStep (replicate and mirror decide this before checking
 * any argument, wrap after its checks). CopyConstBorder's source and
 * destination must not overlap.
 *
 * Checks (R): null pointer -8; a step below 1 -16; srcRoiSize or dstRoiSize
 * below 1, a negative border, or a frame too small for the region -6; then the
 * constant family's null value array -8. IR: null pointer or value array -8;
 * step -16; sizes -6. Nothing is written on failure.
 *
 * AC4: colour channels follow the rules above. CopyConstBorder never writes
 * the fourth sample. CopyReplicateBorder 8u, 16s, 16u: the left and right
 * border pixels get colour samples only; the region and the rows above and
 * below are copied whole (alpha included). 32s and 32f: no fourth sample is
 * written anywhere.
 *
 * 32f values are moved as bit patterns. The _L forms take pointer-width
 * sizes, steps and border widths. */
#ifndef KZVI_BORDER_H
#define KZVI_BORDER_H

#include "types.h"


/* ---- kzviCopyConstBorder ---- */
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C1IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv8u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C3IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_C4IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_AC4R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_8u_AC4IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv8u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C1IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv16s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C3IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_C4IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_AC4R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16s_AC4IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C1IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv16u value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C3IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_C4IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_AC4R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_16u_AC4IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv16u value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv32s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv32s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C1R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv32s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C1IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv32s value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C3R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C3IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C4R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_C4IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_AC4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_AC4R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32s_AC4IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32s value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C1IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, Kzv32f value);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C3IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_C4IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[4]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_AC4R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[3]);
KZVAPI KzvStatus KZV_CALL kzviCopyConstBorder_32f_AC4IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth, const Kzv32f value[3]);

/* ---- kzviCopyReplicateBorder ---- */
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C1IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C3IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_C4IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_AC4R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_8u_AC4IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C1IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C3IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_C4IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_AC4R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16s_AC4IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C1IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C3IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_C4IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_AC4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_AC4R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_16u_AC4IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C1R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C1IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C3R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C3IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C4R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_C4IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_AC4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_AC4R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32s_AC4IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C1IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C3IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_C4IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_AC4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_AC4R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyReplicateBorder_32f_AC4IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);

/* ---- kzviCopyMirrorBorder ---- */
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C1IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C3IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv8u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_8u_C4IR_L(Kzv8u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C1IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C3IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16s_C4IR_L(Kzv16s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C1IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C1IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C3IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C3IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv16u* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C4IR(Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_16u_C4IR_L(Kzv16u* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C1R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C1IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C3R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C3IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C4R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32s_C4IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C1IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C3IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C3IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C4IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyMirrorBorder_32f_C4IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);

/* ---- kzviCopyWrapBorder ---- */
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32s* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32s_C1R_L(const Kzv32s* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32s_C1IR_L(Kzv32s* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, KzvImageSize srcRoiSize, Kzv32f* pDst, int32_t dstStep, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32f_C1IR(Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize srcRoiSize, KzvImageSize dstRoiSize, int32_t topBorderHeight, int32_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, KzvImageSizeL srcRoiSize, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);
KZVAPI KzvStatus KZV_CALL kzviCopyWrapBorder_32f_C1IR_L(Kzv32f* pSrcDst, intptr_t srcDstStep, KzvImageSizeL srcRoiSize, KzvImageSizeL dstRoiSize, intptr_t topBorderHeight, intptr_t leftBorderWidth);

#endif /* KZVI_BORDER_H */
