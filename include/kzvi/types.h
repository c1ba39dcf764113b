/* kzvi: element types, sizes, status codes, selectors and the version record. */
#ifndef KZVI_TYPES_H
#define KZVI_TYPES_H

#include <stddef.h>
#include <stdint.h>

#include "platform.h"

/* ---- Element types --------------------------------------------------- */
typedef uint8_t Kzv8u;
typedef int8_t Kzv8s;
typedef uint16_t Kzv16u;
typedef int16_t Kzv16s;
typedef uint32_t Kzv32u;
typedef int32_t Kzv32s;
typedef int64_t Kzv64s;
typedef uint64_t Kzv64u;
typedef float Kzv32f;
typedef double Kzv64f;

/* Complex samples: (real, imaginary) pairs. */
typedef struct {
    Kzv16s re;
    Kzv16s im;
} Kzv16sc;
typedef struct {
    Kzv32s re;
    Kzv32s im;
} Kzv32sc;
typedef struct {
    Kzv32f re;
    Kzv32f im;
} Kzv32fc;
typedef struct {
    Kzv64f re;
    Kzv64f im;
} Kzv64fc;

/* ---- Status codes ------------------------------------------------------ */
/* 0 success, negative errors (nothing written), positive warnings. */
typedef int32_t KzvStatus;

enum {
    kzvStatusAccurateIgnored = 52,
    kzvStatusSizeAdjusted = 48,
    kzvStatusAntialiasNotApplied = 46,
    kzvStatusVolumeOutside = 40,
    kzvStatusEvenWeightReduced = 39,
    kzvStatusOddSize = 35,
    kzvStatusNoDstIntersection = 30,
    kzvStatusNoIntersection = 29,
    kzvStatusQuadNotParallelogram = 28,
    kzvStatusLnNegArg = 8,
    kzvStatusLnZeroArg = 7,
    kzvStatusSqrtNegArg = 3,
    kzvStatusDivByZero = 2,
    kzvStatusNoOperation = 1,
    kzvStatusOk = 0,
    kzvStatusInternalErr = -2,
    kzvStatusBadArgErr = -5,
    kzvStatusSizeErr = -6,
    kzvStatusRangeErr = -7,
    kzvStatusNullPtrErr = -8,
    kzvStatusMemAllocErr = -9,
    kzvStatusDivByZeroErr = -10,
    kzvStatusOutOfRangeErr = -11,
    kzvStatusScaleRangeErr = -12,
    kzvStatusContextMatchErr = -13,
    kzvStatusNotSupportedModeErr = -14,
    kzvStatusStepErr = -16,
    kzvStatusFftOrderErr = -17,
    kzvStatusFftFlagErr = -18,
    kzvStatusThresholdErr = -19,
    kzvStatusZeroMomentErr = -21,
    kzvStatusMirrorAxisErr = -22,
    kzvStatusInterpolationErr = -23,
    kzvStatusResizeFactorErr = -24,
    kzvStatusMaskSizeErr = -33,
    kzvStatusAnchorErr = -34,
    kzvStatusEpsValErr = -36,
    kzvStatusStepTooSmallErr = -37,
    kzvStatusChannelErr = -47,
    kzvStatusAlphaTypeErr = -50,
    kzvStatusDivisorErr = -51,
    kzvStatusNumChannelsErr = -53,
    kzvStatusCoeffErr = -56,
    kzvStatusRectErr = -57,
    kzvStatusQuadErr = -58,
    kzvStatusDataTypeErr = -59,
    kzvStatusChannelOrderErr = -60,
    kzvStatusLutLevelsErr = -106,
    kzvStatusHistLevelsErr = -107,
    kzvStatusStepMultipleErr = -108,
    kzvStatusNoiseValErr = -125,
    kzvStatusQualityIndexErr = -210,
    kzvStatusWeightErr = -211,
    kzvStatusDecimateFractionErr = -212,
    kzvStatusRoundModeErr = -213,
    kzvStatusBorderErr = -225,
    kzvStatusNotEvenErr = -227,
    kzvStatusAlgTypeErr = -228,
    kzvStatusWarpDirectionErr = -231,
    kzvStatusSizeOverflowErr = -232
};

/* ---- Geometry ------------------------------------------------------------ */
/* Region size in pixels, width first, passed by value. */
typedef struct {
    int32_t width;
    int32_t height;
} KzvImageSize;
/* The same in pointer-width fields, for the _L functions. */
typedef struct {
    intptr_t width;
    intptr_t height;
} KzvImageSizeL;
typedef struct {
    int32_t x;
    int32_t y;
} KzvImagePoint;
typedef struct {
    intptr_t x;
    intptr_t y;
} KzvImagePointL;
typedef struct {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
} KzvImageRect;
typedef struct {
    intptr_t x;
    intptr_t y;
    intptr_t width;
    intptr_t height;
} KzvImageRectL;

/* ---- Selectors --------------------------------------------------------- */
/* Data-type selector of size queries and initialisers. */
typedef enum {
    kzvDataKind8u = 1,
    kzvDataKind16u = 5,
    kzvDataKind16s = 7,
    kzvDataKind32f = 13,
    kzvDataKind64f = 19
} KzvDataKind;

/* Rounding of float-to-integer results. */
typedef enum { kzvRoundZero = 0, kzvRoundNearestEven = 1, kzvRoundHalfUp = 2 } KzvRounding;

/* Algorithm hint: speed or accuracy. */
typedef enum { kzvAlgHintNone = 0, kzvAlgHintFast = 1, kzvAlgHintAccurate = 2 } KzvAlgHint;

/* Comparison operation of Compare, CompareC and the threshold op forms. */
typedef enum { kzvCmpLess = 0, kzvCmpLessEq = 1, kzvCmpEq = 2, kzvCmpGreaterEq = 3, kzvCmpGreater = 4 } KzvCompareOp;

/* Border selector: kind in bits 0-3, in-memory flags in bits 4-7.
 * Values above 255 are rejected by every image function. */
typedef uint32_t KzvBorderKind;
enum {
    kzvBorderReplicate = 1,    /* nearest edge pixel */
    kzvBorderReflect = 3,      /* mirror about the edge pixel, edge not repeated */
    kzvBorderReflectEdge = 4,  /* mirror with the edge pixel repeated */
    kzvBorderConstant = 6,     /* a caller-given constant per channel */
    kzvBorderKeepDst = 7,      /* outside positions leave the destination as it is */
    kzvBorderMemTop = 0x10,    /* rows above the region are real and read */
    kzvBorderMemBottom = 0x20, /* rows below the region are real and read */
    kzvBorderMemLeft = 0x40,   /* columns left of the region are real and read */
    kzvBorderMemRight = 0x80,  /* columns right of the region are real and read */
    kzvBorderMemAll = 0xF0     /* all four sides in memory; the kind may then be 0 */
};

/* Interpolation selector of the resize and warp families. */
typedef enum {
    kzvInterpNearest = 1,
    kzvInterpLinear = 2,
    kzvInterpCubic = 6,
    kzvInterpSuper = 8,
    kzvInterpLanczos = 16
} KzvInterp;

/* Fixed-mask selector of the derivative, sharpening and cross-median filters. */
typedef enum { kzvMskSize3x3 = 33, kzvMskSize5x5 = 55 } KzvMaskSize;

/* ---- Version record ---------------------------------------------------- */
typedef struct {
    int32_t majorVersion;
    int32_t minorVersion;
    int32_t updateNumber;
    int32_t revision; /* build revision; shown in hexadecimal in versionText */
    char cpuCode[4];  /* NUL-padded */
    const char* libraryName;
    const char* versionText;
    const char* buildDate;
} KzvLibraryVersion;

#endif /* KZVI_TYPES_H */
