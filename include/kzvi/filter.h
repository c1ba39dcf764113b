/* kzvi: general linear filter.
 *
 * Call sequence: kzviFilterBorderGetSize (spec and work-buffer sizes for a
 * kernel size, the largest ROI, data type, kernel type and channel count),
 * one of the Init functions (copies and classifies the kernel), optionally
 * kzviFilterBorderSetMode, then any number of kzviFilterBorder_* calls with
 * ROIs up to the size given to GetSize. The spec is used at the first 64-byte
 * boundary at or after the pointer: pass the same pointer to Init and apply.
 *
 * Result: S(x, y) = sum over r < kh, c < kw of K[r][c] * P(x - ax + c,
 * y - ay + r), ax = (kw-1)>>1, ay = (kh-1)>>1, with P the source or the
 * border value (kinds 1 replicate, 3 reflect, 6 constant, in-memory flags,
 * or 240). 32f: S in single precision with fused multiply-add; 64f: S in
 * double. Integer data with a float kernel (or a 16s kernel turned into one,
 * divided by the divisor): S + offset rounded by the mode (0 toward zero,
 * 1 nearest even, 2 nearest with halves away from zero) and saturated.
 * Integer kernels on 8u and 16s: S exact; divisor 1 or a power of two 2^n
 * (ties to even by the shift); other divisors S * (1/divisor) in single
 * precision, rounded by the mode when the accurate flag (16) is set, to
 * nearest even otherwise; then the offset, saturation to 16s and to the
 * destination type.
 *
 * Apply checks: null source, destination, spec or buffer -8; constant kind
 * with a null value pointer -8; ROI below 1 -6; source step below 1 or
 * destination step below one row of one channel -16; selector not accepted
 * -225; a spec not initialised for the function's data type and channel
 * count -13.
 *
 * kzviFilter_64f_C1R: no border; the source holds every pixel the window
 * touches. dst(x, y) = sum K[i][j] * src(x + anchor.x - j, y + anchor.y - i)
 * (a true convolution). */
#ifndef KZVI_FILTER_H
#define KZVI_FILTER_H

#include "types.h"

/* Rounding-mode flag of the Init functions: exact integer rounding where the
 * data type and kernel allow it. */
enum { kzvRoundAccurate = 16 };

typedef struct KzviFilterBorderSpec KzviFilterBorderSpec;

KZVAPI KzvStatus KZV_CALL kzviFilterBorderGetSize(KzvImageSize kernelSize, KzvImageSize roiSize, KzvDataKind dataType,
                                                  KzvDataKind kernelType, int32_t numChannels, int32_t* pSpecSize,
                                                  int32_t* pBufferSize);
/* roundMode: a KzvRounding value, optionally with kzvRoundAccurate added. */
KZVAPI KzvStatus KZV_CALL kzviFilterBorderInit_16s(const Kzv16s* pKernel, KzvImageSize kernelSize, int32_t divisor,
                                                   KzvDataKind dataType, int32_t numChannels, int32_t roundMode,
                                                   KzviFilterBorderSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviFilterBorderInit_32f(const Kzv32f* pKernel, KzvImageSize kernelSize,
                                                   KzvDataKind dataType, int32_t numChannels, int32_t roundMode,
                                                   KzviFilterBorderSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviFilterBorderInit_64f(const Kzv64f* pKernel, KzvImageSize kernelSize,
                                                   KzvDataKind dataType, int32_t numChannels, int32_t roundMode,
                                                   KzviFilterBorderSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviFilterBorderSetMode(KzvAlgHint hint, int32_t offset, KzviFilterBorderSpec* pSpec);

KZVAPI KzvStatus KZV_CALL kzviFilterBorder_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImageSize roiSize, KzvBorderKind borderType,
                                                  const Kzv8u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16u* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16s* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16s* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv16s* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv32f* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv32f* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv32f* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterBorder_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst,
                                                   int32_t dstStep, KzvImageSize roiSize, KzvBorderKind borderType,
                                                   const Kzv64f* borderValue, const KzviFilterBorderSpec* pSpec,
                                                   Kzv8u* pBuffer);

KZVAPI KzvStatus KZV_CALL kzviFilter_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                             KzvImageSize dstRoiSize, const Kzv64f* pKernel, KzvImageSize kernelSize,
                                             KzvImagePoint anchor, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFilterGetBufSize_64f_C1R(KzvImageSize kernelSize, int32_t dstRoiWidth,
                                                       int32_t* pBufferSize);

#endif /* KZVI_FILTER_H */
