#include <cstdio>
#include <cstring>

#include "kzvt.h"

TEST(Version, ConstantRecord) {
    const KzvLibraryVersion* v = kzviGetLibVersion();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, kzviGetLibVersion());
    EXPECT_EQ(v->majorVersion, 2021);
    EXPECT_EQ(v->minorVersion, 11);
    EXPECT_EQ(v->updateNumber, 0);
    EXPECT_EQ(0, memcmp(v->cpuCode, "q5\0\0", 4));
    EXPECT_STREQ(v->libraryName, "kzvIP AVX2 (q5)");
    EXPECT_STREQ(v->buildDate, "Jan 30 2024");
    char want[64];
    snprintf(want, sizeof want, "2021.11.0 (r0x%08x)", unsigned(v->revision));
    EXPECT_STREQ(v->versionText, want);
}

// The record is a public interface: its layout is pinned.
static_assert(sizeof(KzvImageSize) == 8 && offsetof(KzvImageSize, height) == 4, "KzvImageSize");
static_assert(sizeof(KzvImageSizeL) == 2 * sizeof(void*) && offsetof(KzvImageSizeL, height) == sizeof(void*),
              "KzvImageSizeL");
static_assert(sizeof(KzvImageRect) == 16 && offsetof(KzvImageRect, width) == 8, "KzvImageRect");
static_assert(sizeof(KzvImagePoint) == 8 && offsetof(KzvImagePoint, y) == 4, "KzvImagePoint");
static_assert(offsetof(KzvLibraryVersion, revision) == 12 && offsetof(KzvLibraryVersion, cpuCode) == 16 &&
                  offsetof(KzvLibraryVersion, libraryName) == 20 + (sizeof(void*) == 8 ? 4 : 0),
              "KzvLibraryVersion");
static_assert(sizeof(Kzv32fc) == 8 && sizeof(Kzv32sc) == 8 && sizeof(KzvStatus) == 4, "element types");
static_assert(sizeof(KzvBorderKind) == 4 && kzvBorderMemAll == 0xF0, "border kind");

TEST(Version, StatusTableValues) {
    // A sample across the table; the header is the authority for the rest.
    EXPECT_EQ(kzvStatusAccurateIgnored, 52);
    EXPECT_EQ(kzvStatusDivByZero, 2);
    EXPECT_EQ(kzvStatusNullPtrErr, -8);
    EXPECT_EQ(kzvStatusContextMatchErr, -13);
    EXPECT_EQ(kzvStatusStepMultipleErr, -108);
    EXPECT_EQ(kzvStatusSizeOverflowErr, -232);
    EXPECT_EQ(kzvInterpLanczos, 16);
    EXPECT_EQ(kzvDataKind64f, 19);
}
