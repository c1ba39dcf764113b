/* kzvi: Two-dimensional FFT and DFT.
 *
 * FFT: power-of-two sizes given as base-2 orders (width 2^orderX, height
 * 2^orderY). DFT: any size. Complex forms transform 32fc images; real forms
 * transform 32f images into a packed real spectrum of the same size
 * (RToPack) and back (PackToR).
 *
 * Call sequence: GetSize reports the spec, init-memory and work-buffer sizes
 * in bytes; the caller allocates them at any address; Init builds the spec;
 * the transform calls take the spec and a work buffer as their last
 * arguments. A spec must be used through the same pointer it was built with.
 *
 * flag (per one-dimensional pass of length N):
 *   1: forward scaled by 1/N, inverse unscaled
 *   2: forward unscaled, inverse scaled by 1/N
 *   4: both scaled by 1/sqrt(N)
 *   8: neither scaled
 *
 * Packed real spectrum, W columns and H rows, F(u, v) the complex spectrum:
 * columns 2u-1 and 2u hold Re and Im of F(u, v) for u = 1 .. ceil(W/2)-1;
 * column 0 (and column W-1 when W is even) holds the one-dimensional packed
 * spectrum along v of F(0, v) (and F(W/2, v)): row 0 F(u, 0), rows 2v-1 and
 * 2v Re and Im of F(u, v) for v = 1 .. ceil(H/2)-1, and row H-1 F(u, H/2)
 * when H is even. AC4 forms leave the fourth channel untouched.
 *
 * The IR forms transform in place: the R form called with dst = src. */
#ifndef KZVI_FFT_H
#define KZVI_FFT_H

#include "types.h"

typedef struct KzviFFTSpec_C_32fc KzviFFTSpec_C_32fc;
typedef struct KzviFFTSpec_R_32f KzviFFTSpec_R_32f;
typedef struct KzviDFTSpec_C_32fc KzviDFTSpec_C_32fc;
typedef struct KzviDFTSpec_R_32f KzviDFTSpec_R_32f;

/* ---- Sizes and initialisation --------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviFFTGetSize_C_32fc(int orderX, int orderY, int flag, KzvAlgHint hint,
                                                int* pSizeSpec, int* pSizeInit, int* pSizeBuf);
KZVAPI KzvStatus KZV_CALL kzviFFTGetSize_R_32f(int orderX, int orderY, int flag, KzvAlgHint hint,
                                               int* pSizeSpec, int* pSizeInit, int* pSizeBuf);
KZVAPI KzvStatus KZV_CALL kzviFFTInit_C_32fc(int orderX, int orderY, int flag, KzvAlgHint hint,
                                             KzviFFTSpec_C_32fc* pSpec, Kzv8u* pMemInit);
KZVAPI KzvStatus KZV_CALL kzviFFTInit_R_32f(int orderX, int orderY, int flag, KzvAlgHint hint,
                                            KzviFFTSpec_R_32f* pSpec, Kzv8u* pMemInit);

KZVAPI KzvStatus KZV_CALL kzviDFTGetSize_C_32fc(KzvImageSize roiSize, int flag, KzvAlgHint hint,
                                                int* pSizeSpec, int* pSizeInit, int* pSizeBuf);
KZVAPI KzvStatus KZV_CALL kzviDFTGetSize_R_32f(KzvImageSize roiSize, int flag, KzvAlgHint hint,
                                               int* pSizeSpec, int* pSizeInit, int* pSizeBuf);
KZVAPI KzvStatus KZV_CALL kzviDFTInit_C_32fc(KzvImageSize roiSize, int flag, KzvAlgHint hint,
                                             KzviDFTSpec_C_32fc* pSpec, Kzv8u* pMemInit);
KZVAPI KzvStatus KZV_CALL kzviDFTInit_R_32f(KzvImageSize roiSize, int flag, KzvAlgHint hint,
                                            KzviDFTSpec_R_32f* pSpec, Kzv8u* pMemInit);

/* ---- Complex transforms --------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviFFTFwd_CToC_32fc_C1R(const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep,
                                                   const KzviFFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_CToC_32fc_C1R(const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep,
                                                   const KzviFFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_CToC_32fc_C1IR(Kzv32fc* pSrcDst, int srcDstStep,
                                                    const KzviFFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_CToC_32fc_C1IR(Kzv32fc* pSrcDst, int srcDstStep,
                                                    const KzviFFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_CToC_32fc_C1R(const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep,
                                                   const KzviDFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_CToC_32fc_C1R(const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep,
                                                   const KzviDFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_CToC_32fc_C1IR(Kzv32fc* pSrcDst, int srcDstStep,
                                                    const KzviDFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_CToC_32fc_C1IR(Kzv32fc* pSrcDst, int srcDstStep,
                                                    const KzviDFTSpec_C_32fc* pSpec, Kzv8u* pBuffer);

/* ---- Real transforms, FFT ------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C1R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C3R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_AC4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C1R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C3R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_AC4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C1IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C3IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_C4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTFwd_RToPack_32f_AC4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                       const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C1IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C3IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_C4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviFFTInv_PackToR_32f_AC4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                       const KzviFFTSpec_R_32f* pSpec, Kzv8u* pBuffer);

/* ---- Real transforms, DFT ------------------------------------------------- */

KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C1R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C3R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_AC4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C1R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C3R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                     const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_AC4R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C1IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C3IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_C4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTFwd_RToPack_32f_AC4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                       const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C1IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C3IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_C4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                      const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);
KZVAPI KzvStatus KZV_CALL kzviDFTInv_PackToR_32f_AC4IR(Kzv32f* pSrcDst, int srcDstStep,
                                                       const KzviDFTSpec_R_32f* pSpec, Kzv8u* pBuffer);

#endif /* KZVI_FFT_H */
