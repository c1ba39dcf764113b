// The shared frame helpers: scale-factor rule, saturation, MXCSR guard, spec
// helpers and the core-library queries.
#include <immintrin.h>

#include <cmath>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "common/sfs.h"
#include "common/spec.h"
#include "kzvcore.h"
#include "kzvt.h"

namespace {

// Reference: exact rational rounding of s / 2^f, halves to even, by long
// division on the magnitude (written independently of the library's form).
int64_t refRound(int64_t s, int f) {
    if (f <= 0) return s;
    const bool neg = s < 0;
    uint64_t m = neg ? uint64_t(0) - uint64_t(s) : uint64_t(s);
    uint64_t q = f >= 64 ? 0 : m >> f;
    uint64_t rem = f >= 64 ? m : m - (q << f);
    // Compare 2*rem with 2^f.
    bool above, tie;
    if (f >= 64) {
        above = false;
        tie = false;
    } else {
        const uint64_t half = uint64_t(1) << (f - 1);
        above = rem > half;
        tie = rem == half;
    }
    if (above || (tie && (q & 1))) ++q;
    return neg ? -int64_t(q) : int64_t(q);
}

template <class T>
int64_t refSfs(int64_t s, int f) {
    // Scaling by a power of two is exact in double for these magnitudes.
    double v = f >= 0 ? double(refRound(s, f)) : std::ldexp(double(s), -f);
    const double lo = double(std::numeric_limits<T>::min());
    const double hi = double(std::numeric_limits<T>::max());
    if (v < lo) v = lo;
    if (v > hi) v = hi;
    return int64_t(v);
}

}  // namespace

TEST(Sfs, DocumentedExamples) {
    // Factor 1 on 8u sums 1, 3, 5, 7 gives 0, 2, 2, 4; on 16s -1, -3 gives 0, -2.
    const int sums8[] = {1, 3, 5, 7};
    const int want8[] = {0, 2, 2, 4};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(kzv::sfsApply<Kzv8u>(sums8[i], 1), want8[i]);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(-1, 1), 0);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(-3, 1), -2);
    // Ties to even: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2, -1.5 -> -2, 0.5 -> 0.
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(5, 1), 2);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(7, 1), 4);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(-5, 1), -2);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(-3, 1), -2);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(1, 1), 0);
    // Zero fill and saturation-only extremes.
    EXPECT_EQ(kzv::sfsApply<Kzv8u>(510, 10), 0);
    EXPECT_EQ(kzv::sfsApply<Kzv8u>(1, -8), 255);
    EXPECT_EQ(kzv::sfsApply<Kzv8u>(0, -100), 0);
    EXPECT_EQ(kzv::sfsApply<Kzv16s>(-1, -100), -32768);
    EXPECT_EQ(kzv::sfsApply<Kzv32s>(int64_t(1) << 40, 0), INT32_MAX);
}

// Every exact result of 8-bit and 16-bit operands (sums and differences of
// 16-bit samples, products of 8-bit ones) under every factor that changes the
// outcome, plus some far beyond the thresholds.
TEST(Sfs, ExhaustiveAgainstWideReference) {
    std::vector<int> factors;
    for (int f = -17; f <= 18; ++f) factors.push_back(f);
    for (int f : {-40, -31, 20, 31, 40, 62, 63, 100}) factors.push_back(f);
    for (int f : factors) {
        for (int64_t s = -65536; s <= 131070; ++s) {
            const bool ok = kzv::sfsApply<Kzv8u>(s, f) == refSfs<Kzv8u>(s, f) &&
                            kzv::sfsApply<Kzv16s>(s, f) == refSfs<Kzv16s>(s, f) &&
                            kzv::sfsApply<Kzv16u>(s, f) == refSfs<Kzv16u>(s, f);
            if (!ok) {
                ASSERT_EQ(kzv::sfsApply<Kzv8u>(s, f), refSfs<Kzv8u>(s, f)) << s << " f=" << f;
                ASSERT_EQ(kzv::sfsApply<Kzv16s>(s, f), refSfs<Kzv16s>(s, f)) << s << " f=" << f;
                ASSERT_EQ(kzv::sfsApply<Kzv16u>(s, f), refSfs<Kzv16u>(s, f)) << s << " f=" << f;
            }
        }
    }
    // 16-bit products reach +-2^30 and 32-bit sums 2^33: sample them densely.
    kzvt::Rng rng(kzvt::baseSeed());
    for (int i = 0; i < 300000; ++i) {
        const int64_t s = rng.range(-(int64_t(1) << 34), int64_t(1) << 34);
        const int f = rng.uniform(-40, 70);
        if (kzv::sfsApply<Kzv32s>(s, f) != refSfs<Kzv32s>(s, f) ||
            kzv::sfsApply<Kzv16s>(s, f) != refSfs<Kzv16s>(s, f)) {
            ASSERT_EQ(kzv::sfsApply<Kzv32s>(s, f), refSfs<Kzv32s>(s, f)) << s << " f=" << f;
            ASSERT_EQ(kzv::sfsApply<Kzv16s>(s, f), refSfs<Kzv16s>(s, f)) << s << " f=" << f;
        }
    }
}

// The vector kernels' integer form agrees with the rule wherever it applies.
TEST(Sfs, FastFormMatches) {
    for (int f = 1; f <= 18; ++f)
        for (int32_t s = -65536; s <= 131070; ++s)
            if (kzv::sfsRoundShiftFast<int32_t>(s, f) != kzv::sfsRoundShift(s, f)) {
                ASSERT_EQ(kzv::sfsRoundShiftFast<int32_t>(s, f), kzv::sfsRoundShift(s, f)) << s << " f=" << f;
            }
}

TEST(Saturate, Conversions) {
    EXPECT_EQ(kzv::saturate<Kzv8u>(-5), 0);
    EXPECT_EQ(kzv::saturate<Kzv8u>(300), 255);
    EXPECT_EQ(kzv::saturate<Kzv16s>(int64_t(-40000)), -32768);
    EXPECT_EQ(kzv::saturate<Kzv16u>(uint32_t(70000)), 65535);
    EXPECT_EQ(kzv::saturate<Kzv32s>(uint32_t(0x80000000u)), INT32_MAX);
    EXPECT_EQ(kzv::saturate<Kzv32u>(int32_t(-1)), 0u);
    EXPECT_EQ(kzv::saturate<Kzv8u>(NAN), 0);
    EXPECT_EQ(kzv::saturate<Kzv16s>(1e9f), 32767);
    EXPECT_EQ(kzv::saturate<Kzv16s>(-1e9), -32768);
}

TEST(MxcsrGuard, RestoresCallerState) {
    const unsigned before = _mm_getcsr();
    {
        kzv::MxcsrGuard g(kzv::FpRound::Zero, true);
        const unsigned inside = _mm_getcsr();
        EXPECT_EQ(inside & kzv::kMxcsrRoundMask, unsigned(kzv::FpRound::Zero));
        EXPECT_TRUE(inside & kzv::kMxcsrFtz);
        EXPECT_TRUE(inside & kzv::kMxcsrDaz);
        volatile float x = 2.7f;
        EXPECT_EQ(_mm_cvtss_si32(_mm_set_ss(x)), 2);
        {
            kzv::MxcsrGuard inner(kzv::FpRound::Up);
            EXPECT_EQ(_mm_cvtss_si32(_mm_set_ss(2.1f)), 3);
        }
        EXPECT_EQ(_mm_getcsr() & ~0x3Fu, inside & ~0x3Fu);
    }
    EXPECT_EQ(_mm_getcsr() & ~0x3Fu, before & ~0x3Fu);

    // A caller running under a non-default mode gets it back too.
    _mm_setcsr((before & ~kzv::kMxcsrRoundMask) | unsigned(kzv::FpRound::Down));
    {
        kzv::MxcsrGuard g(kzv::FpRound::Nearest, false);
        EXPECT_EQ(_mm_cvtss_si32(_mm_set_ss(2.5f)), 2);
        EXPECT_EQ(_mm_cvtss_si32(_mm_set_ss(3.5f)), 4);
    }
    EXPECT_EQ(_mm_getcsr() & kzv::kMxcsrRoundMask, unsigned(kzv::FpRound::Down));
    _mm_setcsr(before);
}

TEST(Spec, AlignmentIdentifierAndSizes) {
    alignas(64) uint8_t block[256];
    for (int off = 0; off < 64; ++off) {
        uint8_t* p = block + off;
        uint8_t* a64 = kzv::alignUp<64>(p);
        uint8_t* a16 = kzv::alignUp<16>(p);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(a64) % 64, 0u);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(a16) % 16, 0u);
        EXPECT_GE(a64, p);
        EXPECT_LT(a64, p + 64);
        EXPECT_LT(a16, p + 16);
        if (off == 0) {
            EXPECT_EQ(a64, p);
        }
    }
    EXPECT_EQ(kzv::alignUp<64>(static_cast<void*>(nullptr)), nullptr);

    uint8_t* body = kzv::alignUp<64>(block + 5);
    memset(body, 0xEE, 64);
    kzv::initSpecHeader(body, kzv::kSpecDctFwd, 16);
    EXPECT_EQ(kzv::getWord(body, 0), 33);
    EXPECT_EQ(kzv::getWord(body, 1), 0);
    EXPECT_EQ(kzv::checkSpecId(body, kzv::kSpecDctFwd), kzvStatusOk);
    EXPECT_EQ(kzv::checkSpecId(body, kzv::kSpecResize), kzvStatusContextMatchErr);
    // The null test comes before the identifier test.
    EXPECT_EQ(kzv::checkSpecId(nullptr, kzv::kSpecResize), kzvStatusNullPtrErr);

    int32_t size = -1;
    EXPECT_EQ(kzv::reportSize(uint64_t(2147483647), &size), kzvStatusOk);
    EXPECT_EQ(size, 2147483647);
    size = -1;
    EXPECT_EQ(kzv::reportSize(uint64_t(2147483648u), &size), kzvStatusSizeOverflowErr);
    EXPECT_EQ(size, -1);
    EXPECT_EQ(kzv::roundUpBytes<64>(1), 64u);
    EXPECT_EQ(kzv::roundUpBytes<64>(128), 128u);
    EXPECT_EQ(int32_t(kzv::kSpecResize), 1264677769);
    EXPECT_EQ(int32_t(kzv::kSpecWarpQuad), 1264677782);
}

TEST(Frame, RowWalkingWithNegativeSteps) {
    alignas(16) int16_t img[4][8] = {};
    int16_t* last = &img[3][0];
    const ptrdiff_t step = -ptrdiff_t(sizeof img[0]);
    for (int y = 0; y < 4; ++y) kzv::rowAt(last, step, y)[0] = int16_t(y + 1);
    EXPECT_EQ(img[3][0], 1);
    EXPECT_EQ(img[0][0], 4);
    EXPECT_EQ(kzv::roundStepDown<Kzv16s>(2 * 5 + 1), 10);
    EXPECT_EQ(kzv::roundStepDown<Kzv32f>(23), 20);
    EXPECT_TRUE(kzv::anyNull(static_cast<const int*>(nullptr), &img[0][0]));
    EXPECT_FALSE(kzv::anyBadStep(1, 2, 3));
    EXPECT_TRUE(kzv::anyBadStep(1, 0));
}

TEST(Core, Queries) {
    int32_t cache = -1;
    if (kzvGetMaxCacheSizeB(&cache) == 0) {
        EXPECT_GE(cache, 16 * 1024);
    }
    int32_t line = 0;
    kzv_get_cache_line_size(&line);
    EXPECT_GE(line, 16);
    EXPECT_EQ(line & (line - 1), 0);
    // The library is built for AVX2 and FMA; a processor running the tests has them.
    EXPECT_NE(ownGetFeature(KZV_FEATURE_AVX2 | KZV_FEATURE_FMA | KZV_FEATURE_SSE2), 0);
    EXPECT_NE(ownGetFeature(0), 0);
    void* p = kzvMalloc(1000);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
    kzvFree(p);
    p = kzvMalloc_L(3);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
    kzvFree(p);
    EXPECT_EQ(kzvMalloc(0), nullptr);
    kzvFree(nullptr);
}
