// The internal border model: selector acceptance, index maps far outside the
// line, in-memory flags against images that hold real pixels beyond the ROI,
// and the row ring against the whole bordered image.
#include <string.h>

#include <vector>

#include "filter/border_model.h"
#include "kzvt.h"

using namespace kzv::border;
using kzvt::GuardedImage;

namespace {

// Reference maps by repeated reflection / translation, no modular arithmetic.
ptrdiff_t refMap(BorderMap m, ptrdiff_t i, ptrdiff_t n) {
    switch (m) {
    case BorderMap::Memory: return i;
    case BorderMap::Replicate: return i < 0 ? 0 : (i >= n ? n - 1 : i);
    case BorderMap::Reflect:
        if (n == 1) return 0;
        while (i < 0 || i >= n) i = i < 0 ? -i : 2 * (n - 1) - i;
        return i;
    case BorderMap::ReflectEdge:
        while (i < 0 || i >= n) i = i < 0 ? -1 - i : 2 * n - 1 - i;
        return i;
    case BorderMap::Wrap:
        while (i < 0) i += n;
        while (i >= n) i -= n;
        return i;
    default: return (i >= 0 && i < n) ? i : -1;
    }
}

const char* mapName(BorderMap m) {
    switch (m) {
    case BorderMap::Memory: return "memory";
    case BorderMap::Replicate: return "replicate";
    case BorderMap::Reflect: return "reflect";
    case BorderMap::ReflectEdge: return "reflect-edge";
    case BorderMap::Wrap: return "wrap";
    case BorderMap::Constant: return "constant";
    case BorderMap::None: return "none";
    }
    return "?";
}

}  // namespace

TEST(BorderModel, AcceptanceCheck) {
    struct Case {
        KzvBorderKind b;
        uint32_t set;
        KzvStatus want;
    } cases[] = {
        {256, kBorderSetFilter, kzvStatusBorderErr},   {0x1F1, kBorderSetFilter, kzvStatusBorderErr},
        {0xFFFFFFFFu, kBorderSetWarp, kzvStatusBorderErr}, {0x10, kBorderSetFilter, kzvStatusBorderErr},
        {0x02, kBorderSetFilter, kzvStatusBorderErr},  {0x00, kBorderSetFilter, kzvStatusBorderErr},
        {0x70, kBorderSetFilter, kzvStatusBorderErr},  {240, kBorderSetFilter, kzvStatusOk},
        {240, kBorderSetLanczos, kzvStatusOk},         {0xF1, kBorderSetFilter, kzvStatusOk},
        {0xF1, kBorderSetLanczos, kzvStatusOk},        {0x13, kBorderSetFilter, kzvStatusOk},
        {0x13, kBorderSetMedian, kzvStatusBorderErr},  {0x86, kBorderSetMedian, kzvStatusOk},
        {4, kBorderSetResize, kzvStatusOk},            {4, kBorderSetFilter, kzvStatusBorderErr},
        {6, kBorderSetResize, kzvStatusBorderErr},     {7, kBorderSetWarp, kzvStatusOk},
        {0x47, kBorderSetWarp, kzvStatusOk},           {3, kBorderSetWarp, kzvStatusBorderErr},
        {5, kBorderSetFilter | kBorderSetResize | kBorderSetWarp, kzvStatusBorderErr},
        {0x0F, kBorderSetFilter, kzvStatusBorderErr},
    };
    for (const Case& c : cases) EXPECT_EQ(checkBorder(c.b, c.set), c.want) << "selector " << c.b;

    const BorderSides s = borderSides(0x53);  // top and left in memory, reflect
    EXPECT_EQ(s.top, BorderMap::Memory);
    EXPECT_EQ(s.left, BorderMap::Memory);
    EXPECT_EQ(s.bottom, BorderMap::Reflect);
    EXPECT_EQ(s.right, BorderMap::Reflect);
    EXPECT_TRUE(allInMemory(borderSides(240)));
    EXPECT_FALSE(allInMemory(borderSides(0xE6)));
    EXPECT_TRUE(allInMemory(withReach(borderSides(0x36), BorderReach{0, 0, 2, 2})));
}

TEST(BorderModel, MapsFarOutside) {
    const BorderMap maps[] = {BorderMap::Replicate, BorderMap::Reflect, BorderMap::ReflectEdge, BorderMap::Wrap,
                              BorderMap::Memory, BorderMap::Constant};
    for (BorderMap m : maps) {
        for (ptrdiff_t n : {1, 2, 3, 4, 7, 16}) {
            for (ptrdiff_t i = -9 * n - 5; i < 10 * n + 5; ++i) {
                ASSERT_EQ(mapIndex(m, i, n), refMap(m, i, n)) << mapName(m) << " n=" << n << " i=" << i;
            }
        }
    }
    // The examples of the contract.
    const ptrdiff_t mirror3[] = {2, 1, 0, 1, 2, 1};  // n = 3, positions -6 .. -1
    for (int k = 0; k < 6; ++k) EXPECT_EQ(mapIndex(BorderMap::Reflect, k - 6, 3), mirror3[k]);
    const ptrdiff_t wrap2[] = {1, 0, 1, 0, 1};  // n = 2, positions -5 .. -1
    for (int k = 0; k < 5; ++k) EXPECT_EQ(mapIndex(BorderMap::Wrap, k - 5, 2), wrap2[k]);
    EXPECT_EQ(mapIndex(BorderMap::ReflectEdge, -1, 5), 0);
    EXPECT_EQ(mapIndex(BorderMap::ReflectEdge, 5, 5), 4);
}

// A ROI inside a larger guarded image whose frame holds real pixels. Sides in
// memory must read exactly those pixels (and no further: the guard page sits
// right after the last pixel the largest reach may touch, and the canaries
// of the surrounding rows are outside the image's region), other sides and
// the corners must follow the per-axis rule.
TEST(BorderModel, BuildersHonourMapsAndFlags) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        const BorderMap maps[] = {BorderMap::Replicate, BorderMap::Reflect, BorderMap::ReflectEdge, BorderMap::Wrap,
                                  BorderMap::Constant};
        for (int iter = 0; iter < 120; ++iter) {
            const int pbChoices[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32};
            const int pb = pbChoices[rng.uniform(0, 9)];
            const int w = rng.uniform(1, 9), h = rng.uniform(1, 6);
            const BorderReach r{rng.uniform(0, 12), rng.uniform(0, 12), rng.uniform(0, 9), rng.uniform(0, 9)};
            BorderSides sides{};
            BorderMap* sp[] = {&sides.left, &sides.right, &sides.top, &sides.bottom};
            const BorderMap kind = maps[rng.uniform(0, 4)];
            for (BorderMap* p : sp) *p = rng.chance(0.4) ? BorderMap::Memory : kind;
            // The real image spans exactly the reach on the memory sides.
            const ptrdiff_t ml = sides.left == BorderMap::Memory ? r.left : 0;
            const ptrdiff_t mr = sides.right == BorderMap::Memory ? r.right : 0;
            const ptrdiff_t mt = sides.top == BorderMap::Memory ? r.top : 0;
            const ptrdiff_t mb = sides.bottom == BorderMap::Memory ? r.bottom : 0;
            const int bw = int(w + ml + mr), bh = int(h + mt + mb);
            GuardedImage big(bw, bh, pb, rng.uniform(0, 7), -1,
                             rng.chance(0.5) ? kzvt::Guard::After : kzvt::Guard::Before);
            big.fillRandomBytes(rng);
            BorderSource s;
            s.ptr = big.row(int(mt)) + ml * pb;
            s.step = big.step();
            s.width = w;
            s.height = h;
            s.pixelBytes = pb;
            s.sides = sides;
            for (int k = 0; k < pb; ++k) s.constPixel[k] = uint8_t(rng.bits());

            const ptrdiff_t ow = w + r.left + r.right, oh = h + r.top + r.bottom;
            std::vector<uint8_t> got(size_t(ow * oh * pb), 0xA5);
            buildWholeBordered(s, r, got.data(), ow * pb);

            auto pixel = [&](ptrdiff_t x, ptrdiff_t y, uint8_t* out) {
                const BorderMap hm = x < 0 ? sides.left : sides.right;
                const BorderMap vm = y < 0 ? sides.top : sides.bottom;
                const ptrdiff_t xi = refMap(hm, x, w), yi = refMap(vm, y, h);
                const bool cx = hm == BorderMap::Constant && (x < 0 || x >= w);
                const bool cy = vm == BorderMap::Constant && (y < 0 || y >= h);
                if (cx || cy) {
                    memcpy(out, s.constPixel, size_t(pb));
                } else {
                    memcpy(out, big.row(int(yi + mt)) + (xi + ml) * pb, size_t(pb));
                }
            };
            std::vector<uint8_t> want(static_cast<size_t>(pb));
            for (ptrdiff_t y = 0; y < oh; ++y)
                for (ptrdiff_t x = 0; x < ow; ++x) {
                    pixel(x - r.left, y - r.top, want.data());
                    ASSERT_EQ(memcmp(got.data() + (y * ow + x) * pb, want.data(), size_t(pb)), 0)
                        << "pixel (" << x - r.left << ", " << y - r.top << ") roi " << w << "x" << h << " pb " << pb
                        << " kind " << mapName(kind) << " sides " << mapName(sides.left) << "/"
                        << mapName(sides.right) << "/" << mapName(sides.top) << "/" << mapName(sides.bottom);
                }
            ASSERT_TRUE(big.unchanged());

            // Single-pixel fetches agree with the built image.
            for (ptrdiff_t y = 0; y < oh; ++y)
                for (ptrdiff_t x = 0; x < ow; ++x)
                    ASSERT_EQ(memcmp(borderPixel(s, x - r.left, y - r.top), got.data() + (y * ow + x) * pb,
                                     size_t(pb)),
                              0);

            // Column stripe: the left edge columns of every bordered row.
            const ptrdiff_t cols = std::min<ptrdiff_t>(ow, r.left + 2);
            std::vector<uint8_t> stripe(size_t(cols * oh * pb));
            buildColumnStripe(s, r, -r.left, cols, stripe.data(), cols * pb);
            for (ptrdiff_t y = 0; y < oh; ++y)
                ASSERT_EQ(memcmp(stripe.data() + y * cols * pb, got.data() + y * ow * pb, size_t(cols * pb)), 0);

            // The ring yields the same rows, for every output row in order.
            std::vector<uint8_t> buf(BorderRowRing::bufferBytes(w, pb, r) + 3);
            BorderRowRing ring;
            ring.init(s, r, buf.data() + 3);
            std::vector<const uint8_t*> rows(size_t(ring.windowRows()));
            for (ptrdiff_t y = 0; y < h; ++y) {
                ring.rows(y, rows.data());
                for (ptrdiff_t k = 0; k < ring.windowRows(); ++k) {
                    const ptrdiff_t gy = y + k;  // bordered row index
                    ASSERT_EQ(memcmp(rows[size_t(k)], got.data() + gy * ow * pb, size_t(ow * pb)), 0)
                        << "ring row " << y - r.top + k << " for output row " << y;
                }
            }
        }
    });
}

TEST(BorderModel, KeepDestinationWritesNothingOutside) {
    uint8_t src[6] = {1, 2, 3, 4, 5, 6};  // 3 x 2, one byte per pixel
    BorderSource s;
    s.ptr = src;
    s.step = 3;
    s.width = 3;
    s.height = 2;
    s.sides = uniformSides(BorderMap::None);
    uint8_t out[5 * 4];
    memset(out, 0xEE, sizeof out);
    buildWholeBordered(s, BorderReach{1, 1, 1, 1}, out, 5);
    const uint8_t want[20] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 1, 2, 3, 0xEE,
                              0xEE, 4,    5,    6,    0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(memcmp(out, want, sizeof out), 0);
}
