// The library's version record.
#include "kzvi.h"

#ifndef KZVI_REVISION
#define KZVI_REVISION 0
#endif

namespace {

constexpr int32_t kRevision = int32_t(uint32_t(KZVI_REVISION));

constexpr char hexDigit(uint32_t v) {
    return "0123456789abcdef"[v & 0xF];
}

// "2021.11.0 (r0x" + eight hex digits + ")" built at compile time.
struct VersionText {
    char text[32];
    constexpr VersionText() : text{} {
        const char head[] = "2021.11.0 (r0x";
        int n = 0;
        for (; head[n]; ++n) text[n] = head[n];
        for (int i = 7; i >= 0; --i) text[n++] = hexDigit(uint32_t(kRevision) >> (4 * i));
        text[n++] = ')';
        text[n] = 0;
    }
};

constexpr VersionText kText{};

const KzvLibraryVersion kVersion = {
    2021, 11, 0, kRevision, {'q', '5', 0, 0}, "kzvIP AVX2 (q5)", kText.text, "Jan 30 2024",
};

}  // namespace

const KzvLibraryVersion* kzviGetLibVersion(void) {
    return &kVersion;
}
