/* kzvi: box filter and window sums.
 *
 * Bordered forms (FilterBoxBorder, SumWindow): the window of destination
 * pixel (x, y) covers columns x-ax .. x-ax+mw-1 and rows y-ay .. y-ay+mh-1 of
 * the source, ax = (mw-1)>>1, ay = (mh-1)>>1; pixels outside the region come
 * from the border selector (kinds 1 replicate, 3 reflect, 6 constant, with
 * in-memory flags, or 240). borderValue holds one source-type value per
 * channel and is read only for the constant kind. The work buffer holds at
 * least the size reported by the GetBufferSize query for the same ROI, mask,
 * type and channel count. FilterBoxBorder writes the window mean: integer
 * types S * (1/area) in single precision rounded to nearest even and
 * saturated (exact integer rounding for 8u one-channel 3x3, 5x5 and 7x7);
 * 32f S * (1/area). SumWindow writes the window sum S: 8u32s exactly, the
 * float outputs in single precision. AC4: the destination's fourth channel is
 * not written. pSrc == pDst filters in place.
 *
 * Checks, bordered forms: null source, destination or buffer -8; a step
 * below 1 -16; ROI below 1 -6; mask below 1 -33; selector not accepted -225;
 * constant kind with a null value pointer -8.
 *
 * Anchored forms read only real pixels: the caller's image holds the whole
 * window of every destination pixel. FilterBox_64f_C1R: window from
 * (x - anchor.x, y - anchor.y), mean in double. SumWindowRow / SumWindowColumn:
 * dst(x, y) = sum over k < maskSize of src(x - anchor + k, y) (row form) or
 * src(x, y - anchor + k) (column form), as float.
 */
#ifndef KZVI_BOX_H
#define KZVI_BOX_H

#include "types.h"

KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorderGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize,
                                                           KzvDataKind dataType, int32_t numChannels,
                                                           int32_t* pBufferSize);
KZVAPI KzvStatus KZV_CALL kzviSumWindowGetBufferSize(KzvImageSize roiSize, KzvImageSize maskSize, KzvDataKind dataType,
                                                     int32_t numChannels, int32_t* pBufferSize);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, KzvImageSize maskSize,
                                                     KzvBorderKind borderType, const Kzv8u* borderValue,
                                                     Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, KzvImageSize maskSize,
                                                     KzvBorderKind borderType, const Kzv8u* borderValue,
                                                     Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, KzvImageSize maskSize,
                                                     KzvBorderKind borderType, const Kzv8u* borderValue,
                                                     Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_8u_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                      KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv8u* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16u* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16u* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16u* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16u_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                       int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                       KzvBorderKind borderType, const Kzv16u* borderValue,
                                                       Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16s* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16s* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv16s* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_16s_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                       int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                       KzvBorderKind borderType, const Kzv16s* borderValue,
                                                       Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv32f* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv32f* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                      KzvBorderKind borderType, const Kzv32f* borderValue,
                                                      Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBoxBorder_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                       int32_t dstStep, KzvImageSize roiSize, KzvImageSize maskSize,
                                                       KzvBorderKind borderType, const Kzv32f* borderValue,
                                                       Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_8u32s_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_8u32s_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_8u32s_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_8u32s_AC4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32s* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv8u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16u32f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16u32f_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16u32f_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16u* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16u32f_AC4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImageSize roiSize, KzvImageSize maskSize,
                                                    KzvBorderKind borderType, const Kzv16u* borderValue,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16s32f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16s* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16s32f_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16s* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16s32f_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImageSize roiSize, KzvImageSize maskSize,
                                                   KzvBorderKind borderType, const Kzv16s* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_16s32f_AC4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImageSize roiSize, KzvImageSize maskSize,
                                                    KzvBorderKind borderType, const Kzv16s* borderValue,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                const Kzv32f* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                const Kzv32f* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                const Kzv32f* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviSumWindow_32f_AC4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                 KzvImageSize roiSize, KzvImageSize maskSize, KzvBorderKind borderType,
                                                 const Kzv32f* borderValue, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBox_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                                KzvImageSize roiSize, KzvImageSize maskSize, KzvImagePoint anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_8u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, int32_t maskSize, int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_8u32f_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, int32_t maskSize, int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_8u32f_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                     KzvImageSize roiSize, int32_t maskSize, int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16u32f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16u32f_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16u32f_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16s32f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16s32f_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowRow_16s32f_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                      int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                      int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_8u32f_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                        int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                        int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_8u32f_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                        int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                        int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_8u32f_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                        int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                        int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16u32f_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16u32f_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16u32f_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16s32f_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16s32f_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);
KZVAPI KzvStatus KZV_CALL kzviSumWindowColumn_16s32f_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                         int32_t dstStep, KzvImageSize roiSize, int32_t maskSize,
                                                         int32_t anchor);

#endif /* KZVI_BOX_H */
