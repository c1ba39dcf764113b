// Adaptive thresholds against a direct window-mean reference: both border
// kinds, in-memory flags on each side, masks from 1 to larger than the
// image, in place and out of place, with the work buffer of exactly the
// reported size placed against a guard page.
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::Guard;
using kzvt::GuardedImage;
using kzvt::Rng;

// A source image with `r` real pixels beyond each flagged side of the roi.
struct Source {
    GuardedImage img;
    int offX, offY;  // roi origin inside the image
    const uint8_t* roi() const { return img.row(offY) + offX; }
    uint8_t* roi() { return img.row(offY) + offX; }
    int at(int x, int y) const { return img.row(offY + y)[offX + x]; }
};

Source makeSource(Rng& rng, int w, int h, int r, unsigned flags) {
    const int l = (flags & 0x40) ? r : 0, rt = (flags & 0x80) ? r : 0;
    const int t = (flags & 0x10) ? r : 0, b = (flags & 0x20) ? r : 0;
    Source s{GuardedImage(kzvt::randomLayout(rng, w + l + rt, h + t + b, 1, 1, false)), l, t};
    // Smooth images with noise put many pixels near their window mean.
    const int base = rng.uniform(0, 255), amp = rng.uniform(0, 60);
    s.img.fillBytes([&](int x, int y) {
        const int v = base + int(amp * std::sin(0.3 * x + 0.2 * y)) + rng.uniform(-8, 8);
        return uint8_t(std::min(255, std::max(0, v)));
    });
    return s;
}

// Pixel (x, y) of the bordered roi by the selector's rule, each axis alone.
int borderedPixel(const Source& s, int w, int h, int x, int y, unsigned kind, unsigned flags, int value) {
    bool constant = false;
    auto axis = [&](int i, int n, bool memLo, bool memHi) {
        if (i >= 0 && i < n) return i;
        if ((i < 0 && memLo) || (i >= n && memHi)) return i;
        if (kind == 6) constant = true;
        return i < 0 ? 0 : n - 1;
    };
    const int xx = axis(x, w, flags & 0x40, flags & 0x80);
    const int yy = axis(y, h, flags & 0x10, flags & 0x20);
    return constant ? value : s.at(xx, yy);
}

struct Weights {
    std::vector<double> g;
};

// Expected destination and, per pixel, whether the decision is too close to
// call in 32f (Gaussian only).
void reference(const Source& s, int w, int h, int k, unsigned border, int value, float delta, bool gauss,
               const std::vector<float>& g, std::vector<uint8_t>& want, std::vector<uint8_t>& nearTie, uint8_t gt,
               uint8_t le) {
    const int r = k / 2;
    const unsigned kind = border == 0xF0 ? 0 : (border & 15), flags = border & 0xF0;
    const float kd = float(k * k) * delta;
    const double D = std::ceil(double(kd));
    want.assign(size_t(w) * h, 0);
    nearTie.assign(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int64_t S = 0;
            double m = 0;
            for (int j = -r; j <= r; ++j)
                for (int i = -r; i <= r; ++i) {
                    const int v = borderedPixel(s, w, h, x + i, y + j, kind, flags, value);
                    S += v;
                    if (gauss) m += double(g[i + r]) * double(g[j + r]) * v;
                }
            const int c = s.at(x, y);
            bool above;
            if (gauss) {
                above = c > m - double(delta);
                nearTie[size_t(y) * w + x] = std::fabs(c - (m - double(delta))) < 1e-3;
            } else if (k <= 11) {
                above = int64_t(k) * k * c > S - int64_t(D);
            } else {
                above = float(k * k) * float(c) > float(S) - kd;
            }
            want[size_t(y) * w + x] = above ? gt : le;
        }
    }
}

// Reads the spec body (the block address rounded down to 8, plus 8).
const uint8_t* specBody(const uint8_t* p) {
    return reinterpret_cast<const uint8_t*>((reinterpret_cast<uintptr_t>(p) & ~uintptr_t(7)) + 8);
}
int32_t word(const uint8_t* body, int i) {
    int32_t v;
    memcpy(&v, body + 4 * i, 4);
    return v;
}

void runCase(Rng& rng, bool gauss, int w, int h, int k, unsigned border, bool inPlace, float delta) {
    const int r = k / 2;
    const unsigned flags = border & 0xF0;
    Source s = makeSource(rng, w, h, r, flags);
    const int value = rng.uniform(0, 255);
    const uint8_t gt = uint8_t(rng.uniform(0, 255)), le = uint8_t(rng.uniform(0, 255));
    int32_t bufSize = 0, specSize = 0;
    std::vector<float> g;
    std::vector<uint8_t> specMem;
    const uint8_t* spec = nullptr;
    if (gauss) {
        ASSERT_EQ(kzviThresholdAdaptiveGaussGetBufferSize({w, h}, {k, k}, kzvDataKind8u, 1, &specSize, &bufSize),
                  kzvStatusOk);
        ASSERT_EQ(specSize, 4 * k + 32);
        specMem.assign(size_t(specSize) + 8, 0xCD);
        uint8_t* p = specMem.data() + rng.uniform(0, 7);
        const float sigma = rng.chance(0.5) ? 0.0f : float(rng.real(0.3, 4.0));
        ASSERT_EQ(kzviThresholdAdaptiveGaussInit({w, h}, {k, k}, kzvDataKind8u, 1, sigma, p), kzvStatusOk);
        spec = p;
        const uint8_t* body = specBody(p);
        EXPECT_EQ(int(p[0]), int(body - p));
        EXPECT_EQ(word(body, 0), 0x4B61738E);
        EXPECT_EQ(word(body, 1), 1);
        EXPECT_EQ(word(body, 2), 1);
        EXPECT_EQ(word(body, 3), k);
        EXPECT_LE(size_t(body - p) + 24 + 4 * size_t(k), size_t(specSize));
        float used;
        memcpy(&used, body + 16, 4);
        const double sg = sigma > 0 ? sigma : 0.3 * ((k - 1) * 0.5 - 1) + 0.8;
        EXPECT_NEAR(used, sg, 1e-6);
        g.resize(size_t(k));
        memcpy(g.data(), body + 24, 4 * size_t(k));
        double tot = 0;
        for (int i = 0; i < k; ++i) tot += std::exp(-double(i - r) * (i - r) / (2 * sg * sg));
        for (int i = 0; i < k; ++i)
            EXPECT_NEAR(g[size_t(i)], std::exp(-double(i - r) * (i - r) / (2 * sg * sg)) / tot, 1e-6);
    } else {
        ASSERT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({w, h}, {k, k}, kzvDataKind8u, 1, &bufSize), kzvStatusOk);
    }
    // The buffer is exactly the reported size, against a guard page.
    GuardedImage buf(bufSize, 1, 1, 0, -1, rng.chance(0.5) ? Guard::After : Guard::Before);
    std::vector<uint8_t> want, tie;
    reference(s, w, h, k, border, value, delta, gauss, g, want, tie, gt, le);
    GuardedImage dst;
    KzvStatus st;
    if (inPlace) {
        if (gauss)
            st = kzviThresholdAdaptiveGauss_8u_C1IR(s.roi(), s.img.step(), {w, h}, delta, gt, le, border,
                                                    uint8_t(value), spec, buf.data());
        else
            st = kzviThresholdAdaptiveBox_8u_C1IR(s.roi(), s.img.step(), {w, h}, {k, k}, delta, gt, le, border,
                                                  uint8_t(value), buf.data());
    } else {
        dst = GuardedImage(kzvt::randomLayout(rng, w, h, 1, 1, false));
        dst.fillRandomBytes(rng);
        if (gauss)
            st = kzviThresholdAdaptiveGauss_8u_C1R(s.roi(), s.img.step(), dst.data(), dst.step(), {w, h}, delta, gt,
                                                   le, border, uint8_t(value), spec, buf.data());
        else
            st = kzviThresholdAdaptiveBox_8u_C1R(s.roi(), s.img.step(), dst.data(), dst.step(), {w, h}, {k, k},
                                                 delta, gt, le, border, uint8_t(value), buf.data());
    }
    ASSERT_EQ(st, kzvStatusOk);
    int bad = 0, bx = 0, by = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t got = inPlace ? s.roi()[ptrdiff_t(y) * s.img.step() + x] : dst.row(y)[x];
            const size_t i = size_t(y) * w + x;
            if (got != want[i] && !tie[i] && !(gt == le)) {
                if (!bad++) bx = x, by = y;
            }
        }
    EXPECT_EQ(bad, 0) << (gauss ? "gauss" : "box") << " " << w << "x" << h << " k " << k << " border 0x" << std::hex
                      << border << std::dec << " delta " << delta << (inPlace ? " in place" : "")
                      << " first at (" << bx << "," << by << ")";
    // Nothing outside the roi is written; the source is untouched when not in place.
    if (inPlace) {
        EXPECT_TRUE(s.img.checkWrites([&](int x, int y) {
            return x >= s.offX && x < s.offX + w && y >= s.offY && y < s.offY + h;
        }));
    } else {
        EXPECT_TRUE(s.img.unchanged());
        EXPECT_TRUE(dst.checkWrites());
    }
}

TEST(AdaptiveThreshold, MatchesWindowMeanReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        const int masks[] = {1, 3, 5, 11, 13, 21};
        const unsigned kinds[] = {1, 6};
        for (bool gauss : {false, true}) {
            for (int k : masks) {
                for (int iter = 0; iter < 6; ++iter) {
                    // Regions wider than a vector loop, odd widths, and regions
                    // smaller than the mask.
                    int w = rng.pick<int>({1, 2, 5, 31, 33, 47, 70, 97});
                    int h = rng.uniform(1, 9);
                    if (iter == 5) {
                        w = std::max(1, k / 2 - 1);
                        h = rng.uniform(1, 3);
                    }
                    unsigned border = kinds[rng.uniform(0, 1)] | (unsigned(rng.uniform(0, 15)) << 4);
                    if (iter == 4) border = 0xF0;
                    const float delta = rng.pick<float>({0.0f, 1.0f, -1.0f, 2.5f, -3.25f, 0.1f, 7.0f,
                                                         float(rng.real(-20, 20))});
                    SCOPED_TRACE(testing::Message() << (gauss ? "gauss" : "box") << " k " << k << " " << w << "x"
                                                    << h << " border " << border << " delta " << delta);
                    runCase(rng, gauss, w, h, k, border, rng.chance(0.4), delta);
                    if (testing::Test::HasFatalFailure()) return;
                }
            }
        }
    });
}

TEST(AdaptiveThreshold, ShortcutsWriteWithoutReadingTheSource) {
    // delta > 255: valGT everywhere; delta <= -255: valLE; k = 1 decides by
    // the sign of delta. A null-sized source image is never read: pass a
    // guarded 1-byte image as the source of a larger region would fault.
    struct Case {
        int k;
        float delta;
        uint8_t want;
    };
    const Case cases[] = {{3, 300.0f, 200}, {3, -255.0f, 7}, {11, -1000.0f, 7}, {1, 0.5f, 200}, {1, 0.0f, 7},
                          {1, -0.5f, 7}};
    for (const Case& c : cases) {
        int32_t size = 0;
        ASSERT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({40, 3}, {c.k, c.k}, kzvDataKind8u, 1, &size), kzvStatusOk);
        std::vector<uint8_t> buf(static_cast<size_t>(size));
        GuardedImage src(1, 1, 1);  // far smaller than the region: reading it would fault
        GuardedImage dst(40, 3, 1, 5);
        ASSERT_EQ(kzviThresholdAdaptiveBox_8u_C1R(src.data(), 40, dst.data(), dst.step(), {40, 3}, {c.k, c.k},
                                                  c.delta, 200, 7, 1, 0, buf.data()),
                  kzvStatusOk);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(dst.row(y)[x], c.want) << c.k << " " << c.delta;
    }
}

TEST(AdaptiveThreshold, ArgumentChecks) {
    int32_t size = 0, specSize = 0;
    ASSERT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({8, 8}, {5, 5}, kzvDataKind8u, 1, &size), kzvStatusOk);
    ASSERT_EQ(kzviThresholdAdaptiveGaussGetBufferSize({8, 8}, {5, 5}, kzvDataKind8u, 1, &specSize, &size),
              kzvStatusOk);
    std::vector<uint8_t> buf(static_cast<size_t>(size) + 4096), spec(static_cast<size_t>(specSize)), other(static_cast<size_t>(specSize));
    ASSERT_EQ(kzviThresholdAdaptiveGaussInit({8, 8}, {5, 5}, kzvDataKind8u, 1, 0.0f, spec.data()), kzvStatusOk);
    GuardedImage src(8, 8, 1), dst(8, 8, 1);
    kzvt::Rng rng(3);
    src.fillRandomBytes(rng);
    dst.fillRandomBytes(rng);
    const uint8_t* s = src.data();
    uint8_t* d = dst.data();
    const int st = 8;
    struct Box {
        const uint8_t* s;
        uint8_t* d;
        uint8_t* b;
        KzvImageSize sz, mask;
        unsigned border;
        KzvStatus want;
    };
    const Box boxes[] = {
        {nullptr, d, buf.data(), {8, 8}, {5, 5}, 1, kzvStatusNullPtrErr},
        {s, nullptr, buf.data(), {8, 8}, {5, 5}, 1, kzvStatusNullPtrErr},
        {s, d, nullptr, {8, 8}, {5, 5}, 1, kzvStatusNullPtrErr},
        {s, d, buf.data(), {0, 8}, {4, 4}, 1, kzvStatusSizeErr},
        {s, d, buf.data(), {8, 8}, {4, 4}, 1, kzvStatusMaskSizeErr},
        {s, d, buf.data(), {8, 8}, {3, 5}, 1, kzvStatusMaskSizeErr},
        {s, d, buf.data(), {8, 8}, {0, 0}, 0x300, kzvStatusMaskSizeErr},
        {s, d, buf.data(), {8, 8}, {5, 5}, 0x10, kzvStatusBorderErr},
        {s, d, buf.data(), {8, 8}, {5, 5}, 256, kzvStatusBorderErr},
        {s, d, buf.data(), {8, 8}, {5, 5}, 3, kzvStatusBorderErr},
        {s, d, buf.data(), {8, 8}, {5, 5}, 2, kzvStatusBorderErr},
        {s, d, buf.data(), {8, 8}, {5, 5}, 0xF3, kzvStatusBorderErr},
    };
    for (const Box& b : boxes) {
        EXPECT_EQ(kzviThresholdAdaptiveBox_8u_C1R(b.s, st, b.d, st, b.sz, b.mask, 1.0f, 255, 0, b.border, 0, b.b),
                  b.want);
        EXPECT_TRUE(dst.unchanged());
    }
    // Gaussian: the spec words are verified after the border.
    std::vector<uint8_t> badK = spec;
    badK[size_t(specBody(badK.data()) - badK.data()) + 12] = 4;  // even mask size
    struct Gauss {
        const uint8_t* spec;
        unsigned border;
        KzvStatus want;
    };
    const Gauss gs[] = {{nullptr, 1, kzvStatusNullPtrErr},
                        {other.data(), 0x10, kzvStatusBorderErr},
                        {other.data(), 1, kzvStatusContextMatchErr},
                        {badK.data(), 6, kzvStatusContextMatchErr}};
    for (const Gauss& g : gs) {
        EXPECT_EQ(kzviThresholdAdaptiveGauss_8u_C1R(s, st, d, st, {8, 8}, 1.0f, 255, 0, g.border, 0, g.spec, buf.data()),
                  g.want);
        EXPECT_TRUE(dst.unchanged());
    }
    EXPECT_EQ(kzviThresholdAdaptiveGauss_8u_C1IR(d, st, {8, 0}, 1.0f, 255, 0, 1, 0, spec.data(), buf.data()),
              kzvStatusSizeErr);
    // All four sides in memory (0xF0) and kind 1 with every flag are accepted.
    GuardedImage big(12, 12, 1);
    big.fillRandomBytes(rng);
    for (unsigned b : {0xF0u, 0xF1u, 0x56u}) {
        EXPECT_EQ(kzviThresholdAdaptiveBox_8u_C1R(big.row(2) + 2, 12, d, st, {8, 8}, {5, 5}, 1.0f, 255, 0, b, 0,
                                                  buf.data()),
                  kzvStatusOk);
        EXPECT_EQ(kzviThresholdAdaptiveGauss_8u_C1R(big.row(2) + 2, 12, d, st, {8, 8}, 1.0f, 255, 0, b, 0,
                                                    spec.data(), buf.data()),
                  kzvStatusOk);
    }
    // Size queries and Init.
    struct Query {
        KzvImageSize roi, mask;
        int kind, ch;
        KzvStatus want;
    };
    const Query qs[] = {{{0, 4}, {3, 3}, 1, 1, kzvStatusSizeErr},       {{4, 4}, {2, 2}, 1, 1, kzvStatusMaskSizeErr},
                        {{4, 4}, {3, 1}, 1, 1, kzvStatusMaskSizeErr},   {{4, 4}, {3, 3}, 5, 1, kzvStatusDataTypeErr},
                        {{4, 4}, {3, 3}, 1, 3, kzvStatusNumChannelsErr}, {{4, 4}, {3, 3}, 1, 1, kzvStatusOk}};
    for (const Query& q : qs) {
        int32_t a = -1, b = -1;
        EXPECT_EQ(kzviThresholdAdaptiveBoxGetBufferSize(q.roi, q.mask, KzvDataKind(q.kind), q.ch, &a), q.want);
        EXPECT_EQ(kzviThresholdAdaptiveGaussGetBufferSize(q.roi, q.mask, KzvDataKind(q.kind), q.ch, &a, &b), q.want);
        EXPECT_EQ(kzviThresholdAdaptiveGaussInit(q.roi, q.mask, KzvDataKind(q.kind), q.ch, 1.0f, other.data()),
                  q.want);
    }
    int32_t a;
    EXPECT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({4, 4}, {3, 3}, kzvDataKind8u, 1, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviThresholdAdaptiveGaussGetBufferSize({4, 4}, {3, 3}, kzvDataKind8u, 1, &a, nullptr),
              kzvStatusNullPtrErr);
    EXPECT_EQ(kzviThresholdAdaptiveGaussInit({4, 4}, {3, 3}, kzvDataKind8u, 1, 1.0f, nullptr), kzvStatusNullPtrErr);
    // Sizes from the formula: 8x8, mask 5 (r = 2):
    // part 1 = (1 + 1) * 64 + A(12 * 6) = 224; part 2 = A((32 + 4) * 5 + 32 * 6) = 384.
    EXPECT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({8, 8}, {5, 5}, kzvDataKind8u, 1, &a), kzvStatusOk);
    EXPECT_EQ(a, 224 + 384);
    EXPECT_EQ(kzviThresholdAdaptiveBoxGetBufferSize({40000, 40000}, {40001, 40001}, kzvDataKind8u, 1, &a),
              kzvStatusSizeOverflowErr);
}

}  // namespace
