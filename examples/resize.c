/* Resize an 8-bit grey image with 3-lobe Lanczos interpolation.
 *
 * Every resize in kzvi follows the same pattern:
 *   1. ask how much memory the spec (the precomputed tables) and the init
 *      buffer need for this pair of sizes and this interpolation;
 *   2. let the Init function fill the spec;
 *   3. ask how large a work buffer one destination tile needs;
 *   4. produce the destination, in one call or tile by tile.
 * The spec is read-only after Init, so several threads may share it, each
 * with its own work buffer and its own tiles. Here the destination is made
 * in horizontal bands to show how a tile finds its source pixels.
 *
 * usage: kzvi_example_resize [out.pgm]
 */
#include <stddef.h>
#include <stdio.h>

#include "kzvcore.h"
#include "kzvi.h"

static int fail(const char* what, KzvStatus s) {
    fprintf(stderr, "%s failed with status %d\n", what, (int)s);
    return 1;
}

int main(int argc, char** argv) {
    const KzvImageSize srcSize = {640, 480};
    const KzvImageSize dstSize = {1000, 750};
    const int32_t bandHeight = 128;
    int32_t srcStep = 0, dstStep = 0, specSize = 0, initSize = 0, bufSize = 0;
    Kzv8u *src, *dst, *initBuf, *buf;
    KzvResizeSpec* spec;
    KzvStatus s;
    int32_t y;

    /* A source image: the built-in radial chirp pattern. */
    src = kzviMalloc_8u_C1(srcSize.width, srcSize.height, &srcStep);
    dst = kzviMalloc_8u_C1(dstSize.width, dstSize.height, &dstStep);
    if (!src || !dst) return fail("kzviMalloc_8u_C1", kzvStatusMemAllocErr);
    kzviImageJaehne_8u_C1R(src, srcStep, srcSize);

    /* 1. Sizes of the spec and of the init buffer (antialiasing off). */
    s = kzviResizeGetSize_8u(srcSize, dstSize, kzvInterpLanczos, 0, &specSize, &initSize);
    if (s != kzvStatusOk) return fail("kzviResizeGetSize_8u", s);
    spec = (KzvResizeSpec*)kzvMalloc(specSize);
    initBuf = (Kzv8u*)kzvMalloc(initSize > 0 ? initSize : 1);
    if (!spec || !initBuf) return fail("kzvMalloc", kzvStatusMemAllocErr);

    /* 2. Fill the spec: three lobes. The init buffer must stay allocated as
     * long as the spec is used (switching the accuracy mode reads it). */
    s = kzviResizeLanczosInit_8u(srcSize, dstSize, 3, spec, initBuf);
    if (s != kzvStatusOk) return fail("kzviResizeLanczosInit_8u", s);

    /* 3. One work buffer, large enough for the tallest band. */
    {
        const KzvImageSize band = {dstSize.width, bandHeight};
        s = kzviResizeGetBufferSize_8u(spec, band, 1, &bufSize);
        if (s != kzvStatusOk) return fail("kzviResizeGetBufferSize_8u", s);
    }
    buf = (Kzv8u*)kzvMalloc(bufSize);
    if (!buf) return fail("kzvMalloc", kzvStatusMemAllocErr);

    /* 4. The destination band by band. Each band is located by its offset in
     * the full destination; GetSrcOffset says which source pixel the band's
     * source pointer must point at. Pixels the kernel needs outside the
     * source image are made by replicating the edge. */
    for (y = 0; y < dstSize.height; y += bandHeight) {
        const KzvImagePoint dstOffset = {0, y};
        KzvImagePoint srcOffset;
        KzvImageSize band = {dstSize.width, bandHeight};
        if (y + band.height > dstSize.height) band.height = dstSize.height - y;

        s = kzviResizeGetSrcOffset_8u(spec, dstOffset, &srcOffset);
        if (s != kzvStatusOk) return fail("kzviResizeGetSrcOffset_8u", s);
        s = kzviResizeLanczos_8u_C1R(src + (ptrdiff_t)srcOffset.y * srcStep + srcOffset.x, srcStep,
                                     dst + (ptrdiff_t)y * dstStep, dstStep, dstOffset, band, kzvBorderReplicate,
                                     NULL, spec, buf);
        if (s != kzvStatusOk) return fail("kzviResizeLanczos_8u_C1R", s);
    }
    /* Bands produced separately give the same pixels as one call for the
     * whole destination (which needs a buffer sized for the whole image). */
    {
        const KzvImagePoint origin = {0, 0};
        int32_t wholeStep = 0, wholeSize = 0, same = 1, x;
        Kzv8u* whole = kzviMalloc_8u_C1(dstSize.width, dstSize.height, &wholeStep);
        Kzv8u* wholeBuf;
        s = kzviResizeGetBufferSize_8u(spec, dstSize, 1, &wholeSize);
        if (s != kzvStatusOk) return fail("kzviResizeGetBufferSize_8u", s);
        wholeBuf = (Kzv8u*)kzvMalloc(wholeSize);
        if (!whole || !wholeBuf) return fail("kzvMalloc", kzvStatusMemAllocErr);
        s = kzviResizeLanczos_8u_C1R(src, srcStep, whole, wholeStep, origin, dstSize, kzvBorderReplicate, NULL, spec,
                                     wholeBuf);
        if (s != kzvStatusOk) return fail("kzviResizeLanczos_8u_C1R", s);
        for (y = 0; y < dstSize.height; ++y)
            for (x = 0; x < dstSize.width; ++x)
                if (whole[(ptrdiff_t)y * wholeStep + x] != dst[(ptrdiff_t)y * dstStep + x]) same = 0;
        printf("banded result %s the one-call result\n", same ? "matches" : "DIFFERS FROM");
        kzvFree(wholeBuf);
        kzviFree(whole);
        if (!same) return 1;
    }
    printf("resized %dx%d to %dx%d in bands of %d rows (spec %d bytes, work buffer %d bytes)\n",
           (int)srcSize.width, (int)srcSize.height, (int)dstSize.width, (int)dstSize.height, (int)bandHeight,
           (int)specSize, (int)bufSize);

    if (argc > 1) {
        FILE* f = fopen(argv[1], "wb");
        if (!f) {
            perror(argv[1]);
            return 1;
        }
        fprintf(f, "P5\n%d %d\n255\n", (int)dstSize.width, (int)dstSize.height);
        for (y = 0; y < dstSize.height; ++y) fwrite(dst + (ptrdiff_t)y * dstStep, 1, (size_t)dstSize.width, f);
        fclose(f);
        printf("wrote %s\n", argv[1]);
    }

    kzvFree(buf);
    kzvFree(initBuf);
    kzvFree(spec);
    kzviFree(dst);
    kzviFree(src);
    return 0;
}
