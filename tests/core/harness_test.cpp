// The test harness itself must catch the faults it exists for.
#include "kzvt.h"

using kzvt::Guard;
using kzvt::GuardedImage;

TEST(Harness, RegionWritesAreAllowedOutsideWritesCaught) {
    for (bool neg : {false, true}) {
        for (Guard g : {Guard::After, Guard::Before}) {
            GuardedImage img(7, 3, 3, 5, -1, g, neg);
            kzvt::Rng rng(1);
            img.fillRandomBytes(rng);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < img.rowBytes(); ++x) img.row(y)[x] ^= 0xFF;
            EXPECT_TRUE(img.checkWrites());
            // One byte past the end of a row, into its padding.
            img.row(1)[img.rowBytes()] ^= 1;
            EXPECT_FALSE(img.checkWrites());
        }
    }
    GuardedImage img(5, 2, 4, 0, 3, Guard::After);
    img.data()[-1] ^= 0x10;  // one byte before the first pixel
    EXPECT_FALSE(img.checkWrites());
}

TEST(Harness, AlphaWriteCaught) {
    GuardedImage img(4, 2, 4, 3);
    kzvt::Rng rng(2);
    img.fillRandomBytes(rng);
    img.row(1)[0] ^= 1;  // colour sample: allowed
    EXPECT_TRUE(img.checkWrites(kzvt::skipAlpha(1)));
    img.row(1)[7] ^= 1;  // alpha of pixel 1
    EXPECT_FALSE(img.checkWrites(kzvt::skipAlpha(1)));
}

TEST(Harness, FailedCallMustWriteNothing) {
    GuardedImage img(3, 3, 2);
    EXPECT_TRUE(img.unchanged());
    img.row(2)[5] = uint8_t(img.row(2)[5] + 1);
    EXPECT_FALSE(img.unchanged());
}

TEST(Harness, LayoutPlacesRegionAgainstTheGuard) {
    GuardedImage a(9, 4, 2, 6, -1, Guard::After);
    EXPECT_EQ(a.step(), 24);
    GuardedImage b(9, 4, 2, 6, -1, Guard::After, true);
    EXPECT_EQ(b.step(), -24);
    EXPECT_EQ(b.row(3) + 24, b.row(2));
    GuardedImage c(9, 1, 4, 0, 12, Guard::After);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(c.data()) % 32, 12u);
}

using HarnessDeathTest = ::testing::Test;

TEST(HarnessDeathTest, OverReadPastTheEndFaults) {
    if (!kzvt::guardsCatchReads()) GTEST_SKIP() << "guard pages are readable in emulated runs";
    GuardedImage img(13, 2, 1, 3, -1, Guard::After);
    volatile uint8_t sink = img.row(1)[12];  // the last byte is readable
    (void)sink;
    EXPECT_DEATH(
        {
            volatile uint8_t v = img.row(1)[13];  // one byte past the region
            (void)v;
        },
        "");
}

TEST(HarnessDeathTest, OverReadBeforeTheStartFaults) {
    if (!kzvt::guardsCatchReads()) GTEST_SKIP() << "guard pages are readable in emulated runs";
    GuardedImage img(13, 2, 1, 3, -1, Guard::Before);
    EXPECT_DEATH(
        {
            volatile uint8_t v = img.data()[-1];
            (void)v;
        },
        "");
}

TEST(Harness, SweepCoversNarrowAndWideRows) {
    kzvt::Rng rng(kzvt::baseSeed());
    auto cases = kzvt::sweepCases(rng, 32);
    ASSERT_GE(cases.size(), 65u);
    EXPECT_EQ(cases.front().width, 1);
    bool wide = false;
    for (auto& c : cases) wide = wide || c.width >= 1000;
    EXPECT_TRUE(wide);
    auto v = kzvt::randomSamples<float>(rng, 100, true, true);
    EXPECT_EQ(v.size(), 100u);
}
