/* kzvi: Resize.
 *
 * Scales a source image to a destination size with nearest, linear, cubic
 * (two-parameter B, C family) or Lanczos (2 or 3 lobes) interpolation.
 *
 * Call sequence:
 *   1. kzviResizeGetSize_* reports the spec size and the init-buffer size;
 *   2. the caller allocates both (any address) and calls an Init function,
 *      which fills the spec; the spec must then be used through the same
 *      pointer (its body starts at the first 64-byte boundary in it). The
 *      cubic and Lanczos init buffers must stay allocated while the spec is
 *      in use;
 *   3. kzviResizeGetBufferSize_* reports the work-buffer size for a tile;
 *   4. the apply functions produce one destination tile located by
 *      dstOffset inside the full destination; pSrc points at the source pixel
 *      given by kzviResizeGetSrcOffset_* for that offset. Tiles produced
 *      separately equal one whole-image call.
 *
 * Source position of destination pixel i on an axis: (i + 0.5) * R - 0.5,
 * R = source length / destination length (reduced by their gcd).
 *
 * Border selector of the linear, cubic and Lanczos apply functions: kind 1
 * (replicate), 3 (reflect) or 4 (reflect with the edge repeated; the same as
 * replicate for linear); the _L linear and cubic forms and Lanczos accept
 * kind 1 only. Any accepted kind may carry the in-memory flags
 * kzvBorderMemTop/Bottom/Left/Right (real pixels beyond that side are read);
 * kzvBorderMemAll alone is accepted too. pBorderValue is not read.
 *
 * Statuses beyond the usual errors: 1 nothing to do (a zero extent), 46
 * antialiasing requested where it does not apply, 48 a tile larger than the
 * destination was trimmed to it (the pixels inside were written). */
#ifndef KZVI_RESIZE_H
#define KZVI_RESIZE_H

#include "types.h"

/* Opaque resize spec (caller memory, filled by an Init function). */
typedef struct KzvResizeSpec KzvResizeSpec;

/* Pixels outside a source tile that a kernel reads, per side. */
typedef struct {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} KzvBorderSize;

/* ---- Sizes ---------------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_8u(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                               uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_16u(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_16s(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_32f(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_64f(KzvImageSize srcSize, KzvImageSize dstSize, KzvInterp interpolation,
                                                uint32_t antialiasing, int32_t* pSpecSize, int32_t* pInitBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSize_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                              KzvInterp interpolation, uint32_t antialiasing, intptr_t* pSpecSize,
                                              intptr_t* pInitBufSize);

/* ---- Initialisation ---------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeNearestInit_8u(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeNearestInit_16u(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeNearestInit_16s(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeNearestInit_32f(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeNearestInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                                  KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_8u(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_16u(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_16s(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_32f(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_64f(KzvImageSize srcSize, KzvImageSize dstSize, KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                                 KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeLinearInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvAlgHint hint,
                                                    KzvResizeSpec* pSpec);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_8u(KzvImageSize srcSize, KzvImageSize dstSize, Kzv32f valueB,
                                                 Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_16u(KzvImageSize srcSize, KzvImageSize dstSize, Kzv32f valueB,
                                                  Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_16s(KzvImageSize srcSize, KzvImageSize dstSize, Kzv32f valueB,
                                                  Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_32f(KzvImageSize srcSize, KzvImageSize dstSize, Kzv32f valueB,
                                                  Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, Kzv32f valueB,
                                                   Kzv32f valueC, KzvAlgHint hint, KzvResizeSpec* pSpec,
                                                   Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeCubicInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                                Kzv32f valueB, Kzv32f valueC, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_8u(KzvImageSize srcSize, KzvImageSize dstSize, uint32_t numLobes,
                                                   KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_16u(KzvImageSize srcSize, KzvImageSize dstSize, uint32_t numLobes,
                                                    KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_16s(KzvImageSize srcSize, KzvImageSize dstSize, uint32_t numLobes,
                                                    KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_32f(KzvImageSize srcSize, KzvImageSize dstSize, uint32_t numLobes,
                                                    KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_8u_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, uint32_t numLobes,
                                                     KzvAlgHint hint, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczosInit_L(KzvImageSizeL srcSize, KzvImageSizeL dstSize, KzvDataKind dataKind,
                                                  uint32_t numLobes, KzvResizeSpec* pSpec, Kzv8u* pInitBuf);

/* Switches an 8u linear, cubic or Lanczos spec between fast (hint 1, 16-bit
 * fixed-point) and accurate (hint 2, single-precision) tables. */
KZVAPI KzvStatus KZV_CALL kzviResizeSetMode(KzvAlgHint hint, KzvResizeSpec* pSpec);

/* ---- Queries ------------------------------------------------------------------ */

KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_8u(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_16u(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_16s(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_32f(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_64f(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBorderSize_L(const KzvResizeSpec* pSpec, KzvBorderSize* pBorderSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_8u(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,
                                                    KzvImagePoint* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_16u(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,
                                                     KzvImagePoint* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_16s(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,
                                                     KzvImagePoint* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_32f(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,
                                                     KzvImagePoint* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_64f(const KzvResizeSpec* pSpec, KzvImagePoint dstOffset,
                                                     KzvImagePoint* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcOffset_L(const KzvResizeSpec* pSpec, KzvImagePointL dstOffset,
                                                   KzvImagePointL* pSrcOffset);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_8u(const KzvResizeSpec* pSpec, KzvImageRect dstRoi,
                                                 KzvImagePoint* pSrcRoiOffset, KzvImageSize* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_16u(const KzvResizeSpec* pSpec, KzvImageRect dstRoi,
                                                  KzvImagePoint* pSrcRoiOffset, KzvImageSize* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_16s(const KzvResizeSpec* pSpec, KzvImageRect dstRoi,
                                                  KzvImagePoint* pSrcRoiOffset, KzvImageSize* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_32f(const KzvResizeSpec* pSpec, KzvImageRect dstRoi,
                                                  KzvImagePoint* pSrcRoiOffset, KzvImageSize* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_64f(const KzvResizeSpec* pSpec, KzvImageRect dstRoi,
                                                  KzvImagePoint* pSrcRoiOffset, KzvImageSize* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetSrcRoi_L(const KzvResizeSpec* pSpec, KzvImageRectL dstRoi,
                                                KzvImagePointL* pSrcRoiOffset, KzvImageSizeL* pSrcRoiSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_8u(const KzvResizeSpec* pSpec, KzvImageSize dstSize,
                                                     int32_t numChannels, int32_t* pBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_16u(const KzvResizeSpec* pSpec, KzvImageSize dstSize,
                                                      int32_t numChannels, int32_t* pBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_16s(const KzvResizeSpec* pSpec, KzvImageSize dstSize,
                                                      int32_t numChannels, int32_t* pBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_32f(const KzvResizeSpec* pSpec, KzvImageSize dstSize,
                                                      int32_t numChannels, int32_t* pBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_64f(const KzvResizeSpec* pSpec, KzvImageSize dstSize,
                                                      int32_t numChannels, int32_t* pBufSize);
KZVAPI KzvStatus KZV_CALL kzviResizeGetBufferSize_L(const KzvResizeSpec* pSpec, KzvImageSizeL dstSize,
                                                    int32_t numChannels, intptr_t* pBufSize);

/* ---- Nearest -------------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeNearest_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);

/* ---- Linear -------------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                    KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv8u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                    KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv8u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                    KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv8u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16s* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16s* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv16s* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv32f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv32f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv32f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C1R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv64f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C1R_L(const Kzv64f* pSrc, intptr_t srcStep, Kzv64f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv64f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C3R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv64f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C3R_L(const Kzv64f* pSrc, intptr_t srcStep, Kzv64f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv64f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C4R(const Kzv64f* pSrc, int32_t srcStep, Kzv64f* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv64f* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLinear_64f_C4R_L(const Kzv64f* pSrc, intptr_t srcStep, Kzv64f* pDst,
                                                     intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv64f* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);

/* ---- Cubic -------------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                 KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                 const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                   KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                   KzvBorderKind border, const Kzv8u* pBorderValue,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                 KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                 const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                   KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                   KzvBorderKind border, const Kzv8u* pBorderValue,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                 KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                 const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                   KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                   KzvBorderKind border, const Kzv8u* pBorderValue,
                                                   const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16u* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16s* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16s* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv16s* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv32f* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv32f* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                  KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                  const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                  Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeCubic_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                    intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                    KzvBorderKind border, const Kzv32f* pBorderValue,
                                                    const KzvResizeSpec* pSpec, Kzv8u* pBuffer);

/* ---- Lanczos -------------------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C1R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C1R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv8u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C3R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C3R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv8u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C4R(const Kzv8u* pSrc, int32_t srcStep, Kzv8u* pDst, int32_t dstStep,
                                                   KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                   const Kzv8u* pBorderValue, const KzvResizeSpec* pSpec,
                                                   Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_8u_C4R_L(const Kzv8u* pSrc, intptr_t srcStep, Kzv8u* pDst, intptr_t dstStep,
                                                     KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                     KzvBorderKind border, const Kzv8u* pBorderValue,
                                                     const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C1R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C1R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16u* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C3R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C3R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16u* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C4R(const Kzv16u* pSrc, int32_t srcStep, Kzv16u* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16u* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16u_C4R_L(const Kzv16u* pSrc, intptr_t srcStep, Kzv16u* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16u* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C1R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C1R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16s* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C3R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C3R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16s* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C4R(const Kzv16s* pSrc, int32_t srcStep, Kzv16s* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv16s* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_16s_C4R_L(const Kzv16s* pSrc, intptr_t srcStep, Kzv16s* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv16s* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C1R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C1R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv32f* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C3R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C3R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv32f* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C4R(const Kzv32f* pSrc, int32_t srcStep, Kzv32f* pDst, int32_t dstStep,
                                                    KzvImagePoint dstOffset, KzvImageSize dstSize, KzvBorderKind border,
                                                    const Kzv32f* pBorderValue, const KzvResizeSpec* pSpec,
                                                    Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviResizeLanczos_32f_C4R_L(const Kzv32f* pSrc, intptr_t srcStep, Kzv32f* pDst,
                                                      intptr_t dstStep, KzvImagePointL dstOffset, KzvImageSizeL dstSize,
                                                      KzvBorderKind border, const Kzv32f* pBorderValue,
                                                      const KzvResizeSpec* pSpec, Kzv8u* pBuffer);

#endif /* KZVI_RESIZE_H */
