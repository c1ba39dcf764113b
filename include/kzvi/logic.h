/* kzvi: logical and shift operations, complement, per-pixel extremes.
 *
 * All results are exact. Sizes are in pixels, steps in bytes. Argument
 * checks: a null pointer (including a constant array) gives -8, a step below
 * 1 gives -16, then a width or height below 1 gives -6 (steps before size).
 * MinEvery and MaxEvery check the size before the steps.
 *
 * Layouts: C1, C3, C4 process every sample; AC4 processes samples 0-2 and
 * leaves the destination's fourth sample as it was. Constants of C3, C4 and
 * AC4 forms are arrays of 3, 4 and 3 values (shift counts likewise).
 *
 * Shifts: bits shifted out are lost; RShiftC is logical for unsigned types
 * and arithmetic for signed ones. Counts are unsigned: a count at least the
 * sample width gives 0 (LShiftC, unsigned RShiftC) or the sign fill -1/0
 * (signed RShiftC).
 *
 * Complement maps a negative value v of w bits to (-v) with the sign bit set
 * and leaves non-negative values alone; applied twice it restores the value.
 *
 * MinEvery/MaxEvery on 32f use ordinary comparisons: the in-place form keeps
 * pSrcDst unless pSrc is smaller (larger); the out-of-place form gives
 * src1 < src2 ? src1 : src2 (src1 > src2 ? src1 : src2). */
#ifndef KZVI_LOGIC_H
#define KZVI_LOGIC_H

#include "types.h"

/* ---- Bitwise operations between two images: src1 & src2, src1 | src2, src1 ^ src2 ---- */
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C3R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_AC4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C3R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_AC4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C1R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C1IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C3R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C3IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_C4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_AC4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAnd_32s_AC4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviOr_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_C3R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_C4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_AC4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C3R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_AC4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C1R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C1IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C3R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C3IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_C4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_AC4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOr_32s_AC4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviXor_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_C3R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_C4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_AC4R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C3R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_AC4R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C1R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C1IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C3R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C3IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_C4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_AC4R(const Kzv32s* pSrc1, int32_t srcStep1, const Kzv32s* pSrc2, int32_t srcStep2, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXor_32s_AC4IR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- Bitwise operations with a constant (one value per channel) ---- */
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C1IR(Kzv8u value, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C3IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_C4IR(const Kzv8u value[4], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_8u_AC4IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C1IR(Kzv16u value, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C3IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_C4IR(const Kzv16u value[4], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_16u_AC4IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C1IR(Kzv32s value, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C3IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_C4IR(const Kzv32s value[4], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviAndC_32s_AC4IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C1IR(Kzv8u value, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C3IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_C4IR(const Kzv8u value[4], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_8u_AC4IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C1IR(Kzv16u value, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C3IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_C4IR(const Kzv16u value[4], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_16u_AC4IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C1IR(Kzv32s value, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C3IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_C4IR(const Kzv32s value[4], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviOrC_32s_AC4IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C1IR(Kzv8u value, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C3IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_C4IR(const Kzv8u value[4], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_8u_AC4IR(const Kzv8u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C1IR(Kzv16u value, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C3IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_C4IR(const Kzv16u value[4], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_16u_AC4IR(const Kzv16u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C1IR(Kzv32s value, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C3IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_C4IR(const Kzv32s value[4], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviXorC_32s_AC4IR(const Kzv32s value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- Bitwise negation ---- */
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C1IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviNot_8u_AC4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- Two's complement <-> sign-magnitude (its own inverse) ---- */
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C1R(const Kzv8s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C1IR(Kzv8s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C3R(const Kzv8s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C3IR(Kzv8s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C4R(const Kzv8s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_C4IR(Kzv8s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_AC4R(const Kzv8s* pSrc, int32_t srcStep, Kzv8s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_8s_AC4IR(Kzv8s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C1IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C3IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_C4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_16s_AC4IR(Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C1IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C3IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_C4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviComplement_32s_AC4IR(Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- Shifts by constant counts (one count per channel, compared as unsigned) ---- */
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C1IR(Kzv32u value, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C3IR(const Kzv32u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_C4IR(const Kzv32u value[4], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_8u_AC4IR(const Kzv32u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C1IR(Kzv32u value, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C3IR(const Kzv32u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_C4IR(const Kzv32u value[4], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_16u_AC4IR(const Kzv32u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32u value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C1IR(Kzv32u value, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C3IR(const Kzv32u value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_C4IR(const Kzv32u value[4], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviLShiftC_32s_AC4IR(const Kzv32u value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C1IR(Kzv32u value, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C3IR(const Kzv32u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_C4IR(const Kzv32u value[4], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_8u_AC4IR(const Kzv32u value[3], Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C1IR(Kzv32u value, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C3IR(const Kzv32u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_C4IR(const Kzv32u value[4], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16u_AC4IR(const Kzv32u value[3], Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32u value, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C1IR(Kzv32u value, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C3IR(const Kzv32u value[3], Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_C4IR(const Kzv32u value[4], Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_16s_AC4IR(const Kzv32u value[3], Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32u value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C1IR(Kzv32u value, Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C3IR(const Kzv32u value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_C4IR(const Kzv32u value[4], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, const Kzv32u value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviRShiftC_32s_AC4IR(const Kzv32u value[3], Kzv32s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);

/* ---- Per-pixel minimum and maximum of two images ---- */
KZVAPI KzvStatus KZV_CALL kzviMinEvery_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16s_C1IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16s_C3IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16s_C4IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16s_AC4IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_32f_C1IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_32f_C3IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_32f_C4IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_32f_AC4IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMinEvery_32f_C1R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);

KZVAPI KzvStatus KZV_CALL kzviMaxEvery_8u_C1IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_8u_C3IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_8u_C4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_8u_AC4IR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16u_C1IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16u_C3IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16u_C4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16u_AC4IR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16s_C1IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16s_C3IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16s_C4IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16s_AC4IR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_32f_C1IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_32f_C3IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_32f_C4IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_32f_AC4IR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_8u_C1R(const Kzv8u* pSrc1, int32_t srcStep1, const Kzv8u* pSrc2, int32_t srcStep2, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_16u_C1R(const Kzv16u* pSrc1, int32_t srcStep1, const Kzv16u* pSrc2, int32_t srcStep2, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviMaxEvery_32f_C1R(const Kzv32f* pSrc1, int32_t srcStep1, const Kzv32f* pSrc2, int32_t srcStep2, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);

#endif /* KZVI_LOGIC_H */
