/* Smallest kzvi program: print the version record and allocate an image. */
#include <stdio.h>

#include "kzvcore.h"
#include "kzvi.h"

int main(void) {
    const KzvLibraryVersion* v = kzviGetLibVersion();
    int32_t cache = 0, line = 0, step = 0;
    Kzv8u* img;

    printf("%s %s, built %s\n", v->libraryName, v->versionText, v->buildDate);
    if (kzvGetMaxCacheSizeB(&cache) == 0) printf("largest cache: %d KiB\n", (int)(cache / 1024));
    kzv_get_cache_line_size(&line);
    printf("cache line: %d bytes, AVX2: %s\n", (int)line, ownGetFeature(KZV_FEATURE_AVX2) ? "yes" : "no");

    img = kzviMalloc_8u_C3(640, 480, &step);
    if (!img) {
        fprintf(stderr, "allocation failed\n");
        return 1;
    }
    printf("allocated a 640x480 8u C3 image: step %d bytes, 64-byte aligned: %s\n", (int)step,
           ((uintptr_t)img % 64) == 0 ? "yes" : "no");
    kzviFree(img);
    return 0;
}
