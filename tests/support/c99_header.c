/* The public headers must compile alone as strict C99. */
#include "kzvcore.h"
#include "kzvi.h"

int kzvt_c99_header_check(void);
int kzvt_c99_header_check(void) {
    KzvImageSize s = {1, 1};
    return s.width + (int)sizeof(KzvLibraryVersion);
}
