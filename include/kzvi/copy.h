/* kzvi: copy, set and channel moves.
 *
 * Values are moved bit for bit; only the arrangement changes. Sizes are in
 * pixels, steps in bytes. Copy, Set, Dup and CopyManaged do not check steps:
 * a negative step walks the rows upwards. SwapChannels rejects a zero step.
 *
 * Layouts: C1/C3/C4 every sample; AC4 samples 0-2, the destination's fourth
 * sample is kept; M forms write only pixels whose mask byte is non-zero;
 * C3C1/C4C1 take the source pointer at the chosen channel of the first pixel;
 * C1C3/C1C4 take the destination pointer at the chosen channel; C3C/C4C take
 * both pointers at the chosen channel; C3P3/C4P4 and P3C3/P4C4 convert
 * between interleaved and planar images (one step for all planes).
 *
 * SwapChannels: destination sample c = source sample dstOrder[c]. C3C4R:
 * dstOrder[c] 0-2 picks a source sample, 3 writes fillValue, above 3 leaves
 * the destination sample as it is.
 *
 * The _L forms take pointer-width sizes and steps. */
#ifndef KZVI_COPY_H
#define KZVI_COPY_H

#include "types.h"

/* Copy mode bits of kzviCopyManaged_8u_C1R; other bits are ignored. */
enum {
    kzvCopyNonTemporalStore = 1, /* write the destination with non-temporal stores */
    kzvCopyNonTemporalLoad = 2   /* read the source with streaming loads (write-combining memory) */
};

/* ---- 8u ---- */
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C1C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C1C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3CR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4CR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_AC4C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C1MR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3MR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4MR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_AC4MR(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3P3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* const pDst[3], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4P4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_P3C3R(const Kzv8u* const pSrc[3], int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_P4C4R(const Kzv8u* const pSrc[4], int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_8u_AC4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);

/* ---- 16u ---- */
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C1C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C1C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3CR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4CR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_AC4C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C1MR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3MR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4MR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_AC4MR(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3P3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* const pDst[3], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4P4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_P3C3R(const Kzv16u* const pSrc[3], int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_P4C4R(const Kzv16u* const pSrc[4], int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16u_AC4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst, intptr_t dstStep, KzvImageSizeL roiSize);

/* ---- 16s ---- */
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C1C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C1C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3CR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4CR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_AC4C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C1MR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3MR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4MR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_AC4MR(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3P3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* const pDst[3], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4P4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_P3C3R(const Kzv16s* const pSrc[3], int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_P4C4R(const Kzv16s* const pSrc[4], int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_16s_AC4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);

/* ---- 32s ---- */
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4C1R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C1C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C1C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3CR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4CR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_AC4C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C1MR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3MR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4MR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_AC4MR(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3P3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* const pDst[3], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4P4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_P3C3R(const Kzv32s* const pSrc[3], int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_P4C4R(const Kzv32s* const pSrc[4], int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C1R_L(const Kzv32s* pSrc, intptr_t srcStep, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C3R_L(const Kzv32s* pSrc, intptr_t srcStep, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_C4R_L(const Kzv32s* pSrc, intptr_t srcStep, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32s_AC4R_L(const Kzv32s* pSrc, intptr_t srcStep, Kzv32s* pDst, intptr_t dstStep, KzvImageSizeL roiSize);

/* ---- 32f ---- */
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C1C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C1C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3CR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4CR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_AC4C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C1MR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3MR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4MR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_AC4MR(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3P3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* const pDst[3], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4P4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* const pDst[4], int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_P3C3R(const Kzv32f* const pSrc[3], int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_P4C4R(const Kzv32f* const pSrc[4], int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL roiSize);
KZVAPI KzvStatus KZV_CALL kzviCopy_32f_AC4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst, intptr_t dstStep, KzvImageSizeL roiSize);

/* ---- Set 8u ---- */
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C1R(Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C3CR(Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C4CR(Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C3R(const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C4R(const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_AC4R(const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C1MR(Kzv8u value, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C3MR(const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_C4MR(const Kzv8u value[4], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_8u_AC4MR(const Kzv8u value[3], Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);

/* ---- Set 16u ---- */
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C1R(Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C3CR(Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C4CR(Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C3R(const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C4R(const Kzv16u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_AC4R(const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C1MR(Kzv16u value, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C3MR(const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_C4MR(const Kzv16u value[4], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16u_AC4MR(const Kzv16u value[3], Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);

/* ---- Set 16s ---- */
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C1R(Kzv16s value, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C3CR(Kzv16s value, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C4CR(Kzv16s value, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C3R(const Kzv16s value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C4R(const Kzv16s value[4], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_AC4R(const Kzv16s value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C1MR(Kzv16s value, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C3MR(const Kzv16s value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_C4MR(const Kzv16s value[4], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_16s_AC4MR(const Kzv16s value[3], Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);

/* ---- Set 32s ---- */
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C1R(Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C3CR(Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C4CR(Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C3R(const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C4R(const Kzv32s value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_AC4R(const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C1MR(Kzv32s value, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C3MR(const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_C4MR(const Kzv32s value[4], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32s_AC4MR(const Kzv32s value[3], Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);

/* ---- Set 32f ---- */
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C1R(Kzv32f value, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C3CR(Kzv32f value, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C4CR(Kzv32f value, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C3R(const Kzv32f value[3], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C4R(const Kzv32f value[4], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_AC4R(const Kzv32f value[3], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C1MR(Kzv32f value, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C3MR(const Kzv32f value[3], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_C4MR(const Kzv32f value[4], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);
KZVAPI KzvStatus KZV_CALL kzviSet_32f_AC4MR(const Kzv32f value[3], Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const Kzv8u* pMask, int32_t maskStep);

/* ---- Dup ---- */
KZVAPI KzvStatus KZV_CALL kzviDup_8u_C1C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);
KZVAPI KzvStatus KZV_CALL kzviDup_8u_C1C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize);

/* ---- SwapChannels 8u ---- */
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C4C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C3IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C4IR(Kzv8u* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_8u_C3C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4], Kzv8u fillValue);

/* ---- SwapChannels 16u ---- */
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16u_C4C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16u_C3C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4], Kzv16u fillValue);

/* ---- SwapChannels 16s ---- */
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16s_C4C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_16s_C3C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4], Kzv16s fillValue);

/* ---- SwapChannels 32s ---- */
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32s_C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32s_C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32s_AC4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32s_C4C3R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32s_C3C4R(const Kzv32s* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4], Kzv32s fillValue);

/* ---- SwapChannels 32f ---- */
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32f_C4C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[3]);
KZVAPI KzvStatus KZV_CALL kzviSwapChannels_32f_C3C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep, KzvImageSize roiSize, const int32_t dstOrder[4], Kzv32f fillValue);

/* ---- CopyManaged ---- */
KZVAPI KzvStatus KZV_CALL kzviCopyManaged_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep, KzvImageSize roiSize, int32_t flags);

#endif /* KZVI_COPY_H */
