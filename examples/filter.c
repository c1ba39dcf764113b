/* Sharpen an 8-bit grey image with a 3x3 integer kernel and a border.
 *
 * The general linear filter follows the spec pattern:
 *   1. ask for the sizes of the spec and of the work buffer, for the largest
 *      region the filter will be applied to;
 *   2. Init copies the kernel into the spec and chooses the arithmetic
 *      (here: 16-bit integer coefficients with a divisor, so the sums are
 *      exact and only the final division rounds);
 *   3. apply it to any region up to that size, with a border selector that
 *      says how pixels outside the region are made.
 *
 * usage: kzvi_example_filter [out.pgm]
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
    const KzvImageSize roi = {640, 480};
    const KzvImageSize kernelSize = {3, 3};
    /* Sharpening: the centre weighs 16, its neighbours -2 (sides) and -1
     * (corners); the coefficients sum to the divisor, so flat areas keep
     * their value. Row by row, top row first: coefficient [r][c] multiplies
     * the pixel r rows and c columns from the window's top-left corner. */
    const Kzv16s kernel[9] = {-1, -2, -1, -2, 16, -2, -1, -2, -1};
    const int32_t divisor = 4;
    const Kzv8u borderValue = 0; /* read only for kzvBorderConstant */
    int32_t srcStep = 0, dstStep = 0, specSize = 0, bufSize = 0;
    Kzv8u *src, *dst, *buf;
    KzviFilterBorderSpec* spec;
    KzvStatus s;
    int32_t y;

    src = kzviMalloc_8u_C1(roi.width, roi.height, &srcStep);
    dst = kzviMalloc_8u_C1(roi.width, roi.height, &dstStep);
    if (!src || !dst) return fail("kzviMalloc_8u_C1", kzvStatusMemAllocErr);
    kzviImageJaehne_8u_C1R(src, srcStep, roi);

    /* 1. Sizes: 8u data, 16s kernel, one channel. */
    s = kzviFilterBorderGetSize(kernelSize, roi, kzvDataKind8u, kzvDataKind16s, 1, &specSize, &bufSize);
    if (s != kzvStatusOk) return fail("kzviFilterBorderGetSize", s);
    spec = (KzviFilterBorderSpec*)kzvMalloc(specSize);
    buf = (Kzv8u*)kzvMalloc(bufSize);
    if (!spec || !buf) return fail("kzvMalloc", kzvStatusMemAllocErr);

    /* 2. The kernel with its divisor; results round to nearest, ties to even. */
    s = kzviFilterBorderInit_16s(kernel, kernelSize, divisor, kzvDataKind8u, 1, kzvRoundNearestEven, spec);
    if (s != kzvStatusOk) return fail("kzviFilterBorderInit_16s", s);

    /* 3. The whole image, with the edge pixels replicated outward. Outputs
     * are saturated to 0..255. */
    s = kzviFilterBorder_8u_C1R(src, srcStep, dst, dstStep, roi, kzvBorderReplicate, &borderValue, spec, buf);
    if (s != kzvStatusOk) return fail("kzviFilterBorder_8u_C1R", s);

    /* The same spec filters a smaller region too. Here the left half of the
     * image is filtered again with the border flagged "in memory" on the
     * right: the columns right of the region are real image pixels, so the
     * result matches the whole-image call exactly; only the three other sides
     * are synthesised (here with the constant 0). */
    {
        const KzvImageSize half = {roi.width / 2, roi.height};
        int32_t checkStep = 0, x, same = 1;
        Kzv8u* check = kzviMalloc_8u_C1(half.width, half.height, &checkStep);
        if (!check) return fail("kzviMalloc_8u_C1", kzvStatusMemAllocErr);
        s = kzviFilterBorder_8u_C1R(src, srcStep, check, checkStep, half, kzvBorderConstant | kzvBorderMemRight,
                                    &borderValue, spec, buf);
        if (s != kzvStatusOk) return fail("kzviFilterBorder_8u_C1R", s);
        /* Away from the left, top and bottom edges the two results agree. */
        for (y = 1; y + 1 < half.height; ++y)
            for (x = 1; x < half.width; ++x)
                if (check[(ptrdiff_t)y * checkStep + x] != dst[(ptrdiff_t)y * dstStep + x]) same = 0;
        printf("left half with the right border in memory %s the whole-image result\n",
               same ? "matches" : "DIFFERS FROM");
        kzviFree(check);
        if (!same) return 1;
    }
    printf("sharpened a %dx%d image with a 3x3 kernel / %d (spec %d bytes, work buffer %d bytes)\n",
           (int)roi.width, (int)roi.height, (int)divisor, (int)specSize, (int)bufSize);

    if (argc > 1) {
        FILE* f = fopen(argv[1], "wb");
        if (!f) {
            perror(argv[1]);
            return 1;
        }
        fprintf(f, "P5\n%d %d\n255\n", (int)roi.width, (int)roi.height);
        for (y = 0; y < roi.height; ++y) fwrite(dst + (ptrdiff_t)y * dstStep, 1, (size_t)roi.width, f);
        fclose(f);
        printf("wrote %s\n", argv[1]);
    }

    kzvFree(buf);
    kzvFree(spec);
    kzviFree(dst);
    kzviFree(src);
    return 0;
}
