// The copy family's internal paths, driven through the row routines with
// chosen cache sizes: every path of the byte engine, the block copier, the
// chunked pointer-width copy, streaming fills and conversions, unit maps and
// mask runs give the bytes of a plain reference.
#include <string.h>

#include <vector>

#include "kzvt.h"
#include "pixel/copy_kernels.h"

using kzvt::Guard;
using kzvt::GuardedImage;
using kzvt::Rng;
namespace cpy = kzv::cpy;

namespace {

const uint8_t* fakePtr(uintptr_t v) {
    return reinterpret_cast<const uint8_t*>(v);
}

GuardedImage rowImage(Rng& rng, int bytes, int misalign, Guard g) {
    GuardedImage img(bytes, 1, 1, 0, misalign, g);
    img.fillRandomBytes(rng);
    return img;
}

}  // namespace

TEST(CopyEngine, RowVariantsCopyExactlyTheirBytes) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        using Row = void (*)(const uint8_t*, uint8_t*, size_t);
        struct Variant {
            const char* name;
            Row fn;
            size_t minBytes;
            int dstAlign;   // required destination alignment (0: any)
            bool multiple;  // length a multiple of 32
        };
        const Variant variants[] = {
            {"small", cpy::copyRowSmall, 1, 0, false},
            {"unaligned", cpy::copyRowUnaligned, 32, 0, false},
            {"aligned", cpy::copyRowAligned, 32, 32, true},
            {"alias", cpy::copyRowAlias, 32, 32, true},
            {"stream", cpy::copyRowStream, 1, 0, false},
            {"streamAligned", cpy::copyRowStreamAligned, 32, 64, true},
        };
        std::vector<size_t> lengths;
        for (size_t n = 1; n <= 300; ++n) lengths.push_back(n);
        for (size_t n : {size_t(511), size_t(512), size_t(513), size_t(4096), size_t(4160), size_t(9000 + rng.uniform(0, 99))}) lengths.push_back(n);
        for (const Variant& v : variants) {
            for (size_t n : lengths) {
                if (n < v.minBytes || (v.multiple && n % 32)) continue;
                const int srcMis = rng.uniform(0, 31);
                const int dstMis = v.dstAlign ? 0 : rng.uniform(0, 31);
                GuardedImage src = rowImage(rng, int(n), srcMis, rng.chance(0.5) ? Guard::After : Guard::Before);
                // Aligned destinations: start at a 64-byte boundary.
                GuardedImage dst(int(n), 1, 1, 0, v.dstAlign ? 0 : dstMis, Guard::Before);
                if (v.dstAlign == 64 && reinterpret_cast<uintptr_t>(dst.data()) % 64) continue;
                dst.fillRandomBytes(rng);
                SCOPED_TRACE(std::string(v.name) + " n " + std::to_string(n));
                v.fn(src.data(), dst.data(), n);
                cpy::streamFence();
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed()));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

TEST(CopyEngine, PathChoice) {
    const int64_t MiB = 1 << 20;
    const uintptr_t a = 0x10000000;  // 4 KiB aligned
    struct Case {
        const char* what;
        uintptr_t s, d;
        ptrdiff_t ss, ds;
        size_t rowBytes, height;
        int64_t cache;
        cpy::CopyPath want;
    };
    using P = cpy::CopyPath;
    const Case cases[] = {
        {"contiguous rows: one block", a, a + 7, 1000, 1000, 1000, 9000, 8 * MiB, P::Block},
        {"short rows", a, a + 64, 600, 700, 511, 10000, 1 * MiB, P::Small},
        {"3 MiB stays cached", a + 3, a + 4096 + 512, 2112, 2112, 2048, 1536, 1 * MiB, P::CachedAligned},
        {"4 KiB aliasing", a + 32, a + 64 + 4096, 2112, 2112, 2048, 2000, 64 * MiB, P::CachedAlias},
        {"aliasing distance 160 is not", a, a + 160, 2112, 2112, 2048, 2000, 64 * MiB, P::CachedAligned},
        {"destination below source mod 4 KiB", a + 64, a + 4096, 2112, 2112, 2048, 2000, 64 * MiB, P::CachedAligned},
        {"aliasing needs equal steps", a, a + 32, 2080, 2048, 2048, 2000, 64 * MiB, P::CachedAligned},
        {"unaligned destination", a, a + 33, 2112, 2112, 2048, 2000, 64 * MiB, P::CachedUnaligned},
        {"odd step", a, a + 64, 2048, 2049, 2048, 2000, 64 * MiB, P::CachedUnaligned},
        {"odd row length", a, a + 64, 2048, 2048, 2047, 2000, 64 * MiB, P::CachedUnaligned},
        {"unknown cache", a, a + 1024, 4096, 4096, 4000, 4000, 0, P::CachedAligned},
        {"below half the cache", a, a + 1024, 4096, 4096, 4000, 4000, 40 * MiB, P::CachedAligned},
        {"half the cache: stream", a, a + 128, 4096, 4160, 4000, 4000, 30 * MiB, P::StreamAligned},
        {"stream, unaligned", a, a + 32, 4096, 4096, 4000, 4000, 8 * MiB, P::Stream},
        {"stream, odd row", a, a + 64, 4096, 4096, 4001, 4000, 8 * MiB, P::Stream},
        {"2^31 bytes always stream", a, a + 64, 256, 192, 128, size_t(1) << 24, 0, P::StreamAligned},
        {"2^31 bytes of contiguous rows", a, a + 64, 128, 128, 128, size_t(1) << 24, 0, P::StreamAligned},
        {"negative steps", a, a + 1024, -4096, -4096, 4096, 100, 1 * MiB, P::CachedAligned},
    };
    for (const Case& c : cases)
        EXPECT_EQ(int(cpy::copyPath(fakePtr(c.s), c.ss, fakePtr(c.d), c.ds, c.rowBytes, c.height, c.cache)),
                  int(c.want))
            << c.what;
}

TEST(CopyEngine, EveryPathGivesTheSameBytes) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        // Rows of a multiple of 32 bytes with 32-byte aligned steps, so that
        // every variant applies to the same images.
        for (int rep = 0; rep < 6; ++rep) {
            const int rowBytes = 32 * rng.uniform(1, 40);
            const int h = rng.uniform(1, 6);
            const int pad = rng.pick({0, 32, 64, 96});
            const bool neg = rng.chance(0.3);
            GuardedImage src(rowBytes, h, 1, pad + 64, 64 - rng.uniform(0, 1) * 32, Guard::After, neg);
            src.fillRandomBytes(rng);
            for (int p = 0; p <= int(cpy::CopyPath::StreamAligned); ++p) {
                const auto path = cpy::CopyPath(p);
                const bool block = path == cpy::CopyPath::Block;
                GuardedImage dst(rowBytes, h, 1, block ? 0 : pad, 0, Guard::Before, neg && !block);
                if (reinterpret_cast<uintptr_t>(dst.data()) % 64) continue;
                GuardedImage srcBlock;
                const GuardedImage* s = &src;
                if (block) {  // the block copier needs contiguous rows
                    srcBlock = GuardedImage(rowBytes, h, 1, 0, 5);
                    srcBlock.load(src.packed().data());
                    s = &srcBlock;
                }
                if (path == cpy::CopyPath::CachedAlias && s->step() != dst.step()) continue;
                dst.fillRandomBytes(rng);
                SCOPED_TRACE("path " + std::to_string(p) + " rows " + std::to_string(rowBytes) + "x" +
                             std::to_string(h));
                cpy::copyRowsBy(path, s->data(), s->step(), dst.data(), dst.step(), size_t(rowBytes), size_t(h),
                                1 << 20);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed()));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

TEST(CopyEngine, LargeCopiesStreamOrStayCachedWithTheSameBytes) {
    Rng rng(kzvt::baseSeed());
    // 3.3 MB of rows: cached with an unknown or large cache, streamed with a
    // 1 MiB one; a 4.5 MB block likewise, with and without 4 KiB aliasing.
    const int w = 1100, h = 3000;
    GuardedImage src(w, h, 1, 13, 3);
    src.fillRandomBytes(rng);
    for (int64_t cache : {int64_t(0), int64_t(1) << 20, int64_t(1) << 30}) {
        GuardedImage dst(w, h, 1, 29, 17);
        cpy::copyRows(src.data(), src.step(), dst.data(), dst.step(), w, h, cache);
        EXPECT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed())) << cache;
        EXPECT_TRUE(dst.checkWrites());
    }
    const size_t n = (size_t(9) << 19) + 77;
    GuardedImage bs(int(n), 1, 1, 0, 9);
    bs.fillRandomBytes(rng);
    for (int64_t cache : {int64_t(0), int64_t(1) << 20}) {
        for (int shift : {0, 64, 200}) {
            // The destination's offset within its 4 KiB page relative to the
            // source decides the aliasing-aware order.
            const uintptr_t sOff = reinterpret_cast<uintptr_t>(bs.data()) & 4095;
            GuardedImage dst(int(n), 1, 1, 0, -1, Guard::Before);
            const uintptr_t dOff = reinterpret_cast<uintptr_t>(dst.data()) & 4095;
            const size_t extra = (sOff + shift - dOff) & 4095;
            GuardedImage dst2(int(n) + int(extra), 1, 1, 0, -1, Guard::Before);
            dst2.fillRandomBytes(rng);
            uint8_t* d = dst2.data() + extra;
            EXPECT_EQ(cpy::aliases4k(bs.data(), d), shift < 160);
            cpy::copyBlock(bs.data(), d, n, cache);
            EXPECT_EQ(memcmp(d, bs.data(), n), 0) << cache << " " << shift;
            EXPECT_TRUE(dst2.checkWrites());
        }
    }
}

TEST(CopyEngine, LongRowsAreCopiedInChunks) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (size_t chunk : {size_t(1000), size_t(33000), size_t(40000), cpy::kLongChunkBytes}) {
            const int w = rng.uniform(1, 90000), h = rng.uniform(1, 3);
            GuardedImage src(w, h, 1, rng.chance(0.3) ? 0 : 7, 1);
            GuardedImage dst(w, h, 1, rng.chance(0.3) ? 0 : 40, 30, Guard::Before, rng.chance(0.3));
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            SCOPED_TRACE("chunk " + std::to_string(chunk) + " row " + std::to_string(w));
            cpy::copyRowsLong(src.data(), src.step(), dst.data(), dst.step(), size_t(w), size_t(h), 1 << 20, chunk);
            ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed()));
            ASSERT_TRUE(dst.checkWrites());
        }
    });
}

TEST(CopyEngine, ManagedModes) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int flags = 0; flags < 4; ++flags) {
            for (int rep = 0; rep < 20; ++rep) {
                const int w = rng.pick({1, 63, 64, 65, 200, 1000 + rng.uniform(0, 64), 5000});
                const int h = rng.uniform(1, 4);
                GuardedImage src(w, h, 1, rng.chance(0.3) ? 0 : rng.uniform(1, 70), rng.uniform(0, 31));
                GuardedImage dst(w, h, 1, src.step() - w, rng.pick({0, 16, 3}), Guard::Before);
                src.fillRandomBytes(rng);
                dst.fillRandomBytes(rng);
                cpy::copyManaged(src.data(), src.step(), dst.data(), dst.step(), size_t(w), size_t(h), flags);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed())) << flags << " " << w;
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

// ---- Fills ---------------------------------------------------------------------

TEST(CopyEngine, PatternFillsCachedAndStreamed) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int pixelBytes : {1, 2, 3, 4, 6, 8, 12, 16}) {
            uint8_t px[16];
            for (auto& b : px) b = uint8_t(rng.bits());
            cpy::Pattern pat;
            cpy::makePattern(pat, px, pixelBytes);
            for (bool nt : {false, true}) {
                for (int rep = 0; rep < 40; ++rep) {
                    const int w = rep < 20 ? rep + 1 : rng.uniform(1, 700);
                    const int h = rng.uniform(1, 3);
                    GuardedImage dst(w, h, pixelBytes, rng.chance(0.3) ? 0 : rng.uniform(1, 50),
                                     rng.uniform(0, 31), rng.chance(0.5) ? Guard::After : Guard::Before,
                                     rng.chance(0.2));
                    dst.fillRandomBytes(rng);
                    cpy::setRows(dst.data(), dst.step(), size_t(w) * pixelBytes, size_t(h), pat, nt);
                    std::vector<uint8_t> want(size_t(w) * pixelBytes * h);
                    for (size_t i = 0; i < want.size(); ++i) want[i] = px[(i % (size_t(w) * pixelBytes)) % pixelBytes];
                    ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want)) << pixelBytes << " nt " << nt;
                    ASSERT_TRUE(dst.checkWrites());
                }
            }
        }
    });
}

TEST(CopyEngine, FillStreamingRules) {
    const int64_t MiB = 1 << 20;
    struct Case {
        const char* what;
        int S, C;
        size_t w, h;
        int64_t cache;
        bool want;
    };
    const Case cases[] = {
        {"8u: 6 MiB is not above the threshold", 1, 1, 3072, 2048, 1 * MiB, false},
        {"8u: above 6 MiB and the cache", 1, 1, 3073, 2048, 6 * MiB, true},
        {"8u: above 6 MiB, below the cache", 1, 1, 3073, 2048, 7 * MiB, false},
        {"8u: unknown cache", 1, 1, 4000, 4000, 0, false},
        {"8u: bit lengths add to 32", 1, 1, 65536, 32768, 0, true},
        {"8u: bit lengths add to 31", 1, 1, 65535, 32767, 0, false},
        {"16-bit: 3145728 samples is not above", 2, 1, 3072, 1024, 1 * MiB, false},
        {"16-bit: samples above, bytes reach the cache", 2, 1, 3073, 1024, 6 * MiB, true},
        {"16-bit: bytes below the cache", 2, 1, 3073, 1024, 7 * MiB, false},
        {"32-bit C4: above 512 KiB", 4, 4, 32769, 1, 512 * 1024, true},
        {"32-bit C4: exactly 512 KiB", 4, 4, 32768, 1, 1024, false},
        {"32-bit C4: below the cache", 4, 4, 32769, 1, 1 * MiB, false},
        {"8u C3: one-channel byte threshold", 1, 3, 1025, 2048, 1 * MiB, true},
        {"8u C3: below it", 1, 3, 1024, 2048, 1 * MiB, false},
    };
    for (const Case& c : cases) EXPECT_EQ(cpy::setStreams(c.S, c.C, c.w, c.h, c.cache), c.want) << c.what;
    EXPECT_TRUE(cpy::planarStreams(4, 3, true, 10923, 2, 1 << 19));
    EXPECT_FALSE(cpy::planarStreams(4, 3, true, 10922, 2, 1 << 19));   // 524,256 bytes
    EXPECT_FALSE(cpy::planarStreams(4, 3, false, 100000, 2, 1 << 19)); // three-plane merge stays cached
    EXPECT_TRUE(cpy::planarStreams(4, 4, false, 100000, 2, 1 << 19));
    EXPECT_FALSE(cpy::planarStreams(2, 4, true, 100000, 2, 1 << 19));
    EXPECT_FALSE(cpy::planarStreams(4, 4, true, 100000, 2, 0));
}

// ---- Planar conversions, unit maps, mask runs --------------------------------------

TEST(CopyEngine, PlanarKernelsCachedAndStreamed) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int S : {1, 2, 4})
            for (int N : {3, 4})
                for (bool nt : {false, true})
                    for (int rep = 0; rep < 12; ++rep) {
                        const int w = rng.uniform(1, 300);
                        GuardedImage inter(w, 1, N * S, 0, rng.chance(0.5) ? 0 : 4);
                        std::vector<GuardedImage> planes;
                        for (int k = 0; k < N; ++k) planes.emplace_back(w, 1, S, 0, rng.pick({0, 32 - S}));
                        inter.fillRandomBytes(rng);
                        const std::vector<uint8_t> in = inter.packed();
                        uint8_t* d[4] = {};
                        for (int k = 0; k < N; ++k) d[k] = planes[k].data();
                        if (N == 3) cpy::toPlanes3(S, inter.data(), d, size_t(w), nt);
                        else cpy::toPlanes4(S, inter.data(), d, size_t(w), nt);
                        cpy::streamFence();
                        for (int k = 0; k < N; ++k) {
                            std::vector<uint8_t> want(size_t(w) * S);
                            for (int i = 0; i < w; ++i) memcpy(&want[size_t(i) * S], &in[size_t(i * N + k) * S], S);
                            ASSERT_TRUE(kzvt::regionNear<uint8_t>(planes[k], want)) << S << N << nt;
                            ASSERT_TRUE(planes[k].checkWrites());
                        }
                        GuardedImage back(w, 1, N * S, 0, rng.chance(0.5) ? 0 : 8, Guard::Before);
                        const uint8_t* s[4] = {d[0], d[1], d[2], d[3]};
                        if (N == 3) cpy::fromPlanes3(S, s, back.data(), size_t(w), nt);
                        else cpy::fromPlanes4(S, s, back.data(), size_t(w), nt);
                        cpy::streamFence();
                        ASSERT_TRUE(kzvt::regionNear<uint8_t>(back, in)) << S << N << nt;
                        ASSERT_TRUE(back.checkWrites());
                    }
    });
}

TEST(CopyEngine, UnitMapsVectorAndScalarAgree) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int rep = 0; rep < 400; ++rep) {
            const int S = rng.pick({1, 2, 4});
            const int cs = rng.pick({0, 1, 3, 4}), cd = rng.pick({1, 3, 4});
            if ((cs == 1 && cd == 1) || (cs == 0 && cd == 1)) continue;
            cpy::UnitMap m;
            m.sampleBytes = S;
            m.srcUnit = cs * S;
            m.dstUnit = cd * S;
            for (int c = 0; c < cd; ++c) {
                const int pick = cs ? rng.uniform(-2, cs - 1) : rng.uniform(-2, -1);
                for (int b = 0; b < S; ++b) {
                    m.from[c * S + b] = pick >= 0 ? int8_t(pick * S + b) : int8_t(pick);
                    m.fill[c * S + b] = uint8_t(rng.bits());
                }
            }
            cpy::MapPlan plan;
            cpy::makePlan(plan, m);
            const int units = rng.uniform(1, 70);
            const bool inPlace = cs == cd && rng.chance(0.3);
            GuardedImage src(std::max(1, units * m.srcUnit), 1, 1, 0, rng.uniform(0, 31));
            GuardedImage a(units * m.dstUnit, 1, 1, 0, -1, Guard::Before), b(units * m.dstUnit, 1, 1);
            src.fillRandomBytes(rng);
            a.fillRandomBytes(rng);
            b.load(a.packed().data());
            const uint8_t* s = inPlace ? a.data() : src.data();
            cpy::mapRow(plan, s, a.data(), size_t(units), size_t(units * m.srcUnit), size_t(units * m.dstUnit));
            cpy::mapRowScalar(plan, inPlace ? b.data() : src.data(), b.data(), size_t(units),
                              size_t(units * m.srcUnit));
            SCOPED_TRACE("S " + std::to_string(S) + " units " + std::to_string(cs) + "->" + std::to_string(cd) +
                         " n " + std::to_string(units) + (inPlace ? " in place" : ""));
            ASSERT_TRUE(kzvt::regionNear<uint8_t>(a, b.packed()));
            ASSERT_TRUE(a.checkWrites());
        }
    });
}

TEST(CopyEngine, MaskRunsMatchTheBytes) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int rep = 0; rep < 300; ++rep) {
            const size_t n = size_t(rng.uniform(1, 200));
            std::vector<uint8_t> m(n);
            const double p = rng.pick({0.0, 0.1, 0.5, 0.9, 1.0});
            for (auto& b : m) b = rng.chance(p) ? uint8_t(rng.uniform(1, 255)) : 0;
            std::vector<uint8_t> seen(n, 0);
            size_t last = 0;
            bool ordered = true;
            cpy::forEachMaskRun(m.data(), n, [&](size_t x, size_t len) {
                ordered = ordered && x >= last && len > 0 && (x == 0 || !m[x - 1]) && (x + len == n || !m[x + len]);
                last = x + len;
                for (size_t i = x; i < x + len; ++i) seen[i]++;
            });
            EXPECT_TRUE(ordered);
            for (size_t i = 0; i < n; ++i) ASSERT_EQ(seen[i], m[i] ? 1 : 0) << i;
        }
    });
}
