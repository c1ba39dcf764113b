// Mirror and transpose against index-formula references on guarded images,
// in place and out of place, plus involutions and the argument checks.
#include <cstring>
#include <string>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

template <class T>
using MirrorFn = KzvStatus (*)(const T*, int32_t, T*, int32_t, KzvImageSize, int32_t);
template <class T>
using MirrorIFn = KzvStatus (*)(T*, int32_t, KzvImageSize, int32_t);
template <class T>
using TransposeFn = KzvStatus (*)(const T*, int32_t, T*, int32_t, KzvImageSize);
template <class T>
using TransposeIFn = KzvStatus (*)(T*, int32_t, KzvImageSize);

// Packed reference: destination pixel (x, y) of a dw x dh destination takes
// source pixel map(x, y) of the packed source (sw pixels a row); only the
// first `written` bytes of each pixel, the others keep `dst`.
template <class Map>
std::vector<uint8_t> refRearrange(const std::vector<uint8_t>& src, int sw, std::vector<uint8_t> dst, int dw, int dh,
                                  int pixelBytes, int written, Map map) {
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            int sx, sy;
            map(x, y, sx, sy);
            memcpy(&dst[(size_t(y) * dw + x) * pixelBytes], &src[(size_t(sy) * sw + sx) * pixelBytes], written);
        }
    return dst;
}

std::vector<uint8_t> refMirror(const std::vector<uint8_t>& src, const std::vector<uint8_t>& dst, int w, int h,
                               int pixelBytes, int written, int flip) {
    // For flips 3 and 4 the source is h wide and w high.
    const int sw = flip >= 3 ? h : w;
    return refRearrange(src, sw, dst, w, h, pixelBytes, written, [&](int x, int y, int& sx, int& sy) {
        switch (flip) {
        case 0: sx = x, sy = h - 1 - y; break;
        case 1: sx = w - 1 - x, sy = y; break;
        case 2: sx = w - 1 - x, sy = h - 1 - y; break;
        case 3: sx = y, sy = x; break;
        default: sx = h - 1 - y, sy = w - 1 - x; break;
        }
    });
}

std::vector<kzvt::SweepCase> geometryCases(Rng& rng) {
    auto cases = kzvt::sweepCases(rng, 16);
    // Both sides at least 16 reach the blocked transposes and their edges.
    for (int k = 0; k < 4; ++k) cases.push_back({rng.uniform(16, 140), rng.uniform(16, 90), false});
    return cases;
}

template <class T>
void checkMirror(const char* nameR, MirrorFn<T> fR, MirrorIFn<T> fIR, int M, int P) {
    SCOPED_TRACE(nameR);
    const int E = M * sizeof(T), Wb = P * sizeof(T);
    const auto keep = M == P ? std::function<bool(int, int)>{} : kzvt::skipAlpha(sizeof(T));
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : geometryCases(rng)) {
            const int w = sc.width, h = sc.height;
            const int maxFlip = M == 1 ? 4 : 2;
            for (int flip = 0; flip <= maxFlip; ++flip) {
                SCOPED_TRACE("flip " + std::to_string(flip));
                const bool diag = flip >= 3;
                GuardedImage src(kzvt::randomLayout(rng, diag ? h : w, diag ? w : h, E, sizeof(T), !diag));
                GuardedImage dst(kzvt::randomLayout(rng, w, h, E, sizeof(T), !diag));
                src.fillRandomBytes(rng);
                dst.fillRandomBytes(rng);
                const auto want = refMirror(src.packed(), dst.packed(), w, h, E, Wb, flip);
                ASSERT_EQ(fR(src.ptr<T>(), src.step(), dst.ptr<T>(), dst.step(), {w, h}, flip), kzvStatusOk);
                ASSERT_TRUE(src.unchanged());
                ASSERT_TRUE(dst.checkWrites(keep));
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                if (diag) continue;
                // In place: the same result from the image itself.
                const auto inPlace = refMirror(src.packed(), src.packed(), w, h, E, Wb, flip);
                if (rng.chance(0.5)) {
                    ASSERT_EQ(fIR(src.ptr<T>(), src.step(), {w, h}, flip), kzvStatusOk);
                } else {
                    // An R call on one image with one step runs in place.
                    ASSERT_EQ(fR(src.ptr<T>(), src.step(), src.ptr<T>(), src.step(), {w, h}, flip), kzvStatusOk);
                }
                ASSERT_TRUE(src.checkWrites(keep));
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(src, inPlace));
            }
        }
    });
}

template <class T>
void checkTranspose(const char* nameR, TransposeFn<T> fR, TransposeIFn<T> fIR, int M) {
    SCOPED_TRACE(nameR);
    const int E = M * sizeof(T);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : geometryCases(rng)) {
            const int w = sc.width, h = sc.height;
            GuardedImage src(kzvt::randomLayout(rng, w, h, E, sizeof(T), true));
            GuardedImage dst(kzvt::randomLayout(rng, h, w, E, sizeof(T), true));
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            const auto want = refRearrange(src.packed(), w, dst.packed(), h, w, E, E,
                                           [](int x, int y, int& sx, int& sy) { sx = y, sy = x; });
            ASSERT_EQ(fR(src.ptr<T>(), src.step(), dst.ptr<T>(), dst.step(), {w, h}), kzvStatusOk);
            ASSERT_TRUE(src.unchanged());
            ASSERT_TRUE(dst.checkWrites());
            ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
            // In place on the square of the larger side (or the smaller one
            // for the wide rows, to keep the sweep fast).
            const int n = std::max(w, h) <= 160 ? std::max(w, h) : std::min(w, h);
            GuardedImage sq(kzvt::randomLayout(rng, n, n, E, sizeof(T), true));
            sq.fillRandomBytes(rng);
            const auto sqWant = refRearrange(sq.packed(), n, sq.packed(), n, n, E, E,
                                             [](int x, int y, int& sx, int& sy) { sx = y, sy = x; });
            if (rng.chance(0.5)) ASSERT_EQ(fIR(sq.ptr<T>(), sq.step(), {n, n}), kzvStatusOk);
            else ASSERT_EQ(fR(sq.ptr<T>(), sq.step(), sq.ptr<T>(), sq.step(), {n, n}), kzvStatusOk);
            ASSERT_TRUE(sq.checkWrites());
            ASSERT_TRUE(kzvt::regionNear<uint8_t>(sq, sqWant));
        }
    });
}

#define MIRROR(nameR, nameIR, T, M, P) checkMirror<T>(#nameR, nameR, nameIR, M, P);
#define TRANSPOSE(nameR, nameIR, T, M)
TEST(Mirror, MatchesReference) {
#include "geometry/mirror_exports.inc"
}
#undef MIRROR
#undef TRANSPOSE
#define MIRROR(nameR, nameIR, T, M, P)
#define TRANSPOSE(nameR, nameIR, T, M) checkTranspose<T>(#nameR, nameR, nameIR, M);
TEST(Transpose, MatchesReference) {
#include "geometry/mirror_exports.inc"
}
#undef MIRROR
#undef TRANSPOSE

TEST(Mirror, Involutions) {
    Rng rng(kzvt::baseSeed());
    const int w = 301, h = 117;
    std::vector<uint8_t> img(size_t(w) * 3 * h), orig;
    for (auto& b : img) b = uint8_t(rng.bits());
    orig = img;
    for (int flip = 0; flip < 3; ++flip) {
        ASSERT_EQ(kzviMirror_8u_C3IR(img.data(), w * 3, {w, h}, flip), kzvStatusOk);
        EXPECT_NE(img, orig);
        ASSERT_EQ(kzviMirror_8u_C3IR(img.data(), w * 3, {w, h}, flip), kzvStatusOk);
        EXPECT_EQ(img, orig) << "flip " << flip;
    }
    // Transposing twice, and the two diagonal flips composed with the
    // both-axes flip, give the original back.
    std::vector<float> f(size_t(w) * h), t(size_t(w) * h), back(size_t(w) * h);
    for (auto& v : f) v = float(rng.real());
    ASSERT_EQ(kzviTranspose_32f_C1R(f.data(), w * 4, t.data(), h * 4, {w, h}), kzvStatusOk);
    ASSERT_EQ(kzviTranspose_32f_C1R(t.data(), h * 4, back.data(), w * 4, {h, w}), kzvStatusOk);
    EXPECT_EQ(back, f);
    std::vector<float> d3(f.size()), d4(f.size());
    ASSERT_EQ(kzviMirror_32f_C1R(f.data(), w * 4, d3.data(), h * 4, {h, w}, 3), kzvStatusOk);
    ASSERT_EQ(kzviMirror_32f_C1R(f.data(), w * 4, d4.data(), h * 4, {h, w}, 4), kzvStatusOk);
    ASSERT_EQ(kzviMirror_32f_C1IR(d4.data(), h * 4, {h, w}, 2), kzvStatusOk);
    EXPECT_EQ(d3, d4);
}

TEST(Mirror, EdgeCases) {
    // One row: flip 1 reverses it, flip 0 copies it.
    const uint8_t row[5] = {1, 2, 3, 4, 5};
    uint8_t out[5];
    ASSERT_EQ(kzviMirror_8u_C1R(row, 5, out, 5, {5, 1}, 1), kzvStatusOk);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[4], 1);
    ASSERT_EQ(kzviMirror_8u_C1R(row, 5, out, 5, {5, 1}, 0), kzvStatusOk);
    EXPECT_EQ(memcmp(out, row, 5), 0);
    // Flip 4 puts source pixel (0, 0) at destination (w - 1, h - 1).
    const int16_t src[6] = {10, 11, 12, 13, 14, 15};  // 3 wide, 2 high
    int16_t dst[6] = {};
    ASSERT_EQ(kzviMirror_16s_C1R(src, 6, dst, 4, {2, 3}, 4), kzvStatusOk);
    EXPECT_EQ(dst[5], 10);
    EXPECT_EQ(dst[0], 15);
}

TEST(Mirror, ArgumentChecks) {
    std::vector<uint8_t> a(256, 7), b(256, 9);
    uint16_t* a16 = reinterpret_cast<uint16_t*>(a.data());
    uint16_t* b16 = reinterpret_cast<uint16_t*>(b.data());
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        {"null source", kzviMirror_8u_C1R(nullptr, 8, b.data(), 8, {0, 0}, 0), kzvStatusNullPtrErr},
        {"size", kzviMirror_8u_C3R(a.data(), 8, b.data(), 8, {0, 1}, 0), kzvStatusSizeErr},
        {"axis", kzviMirror_32s_C4R((int32_t*)a.data(), 16, (int32_t*)b.data(), 16, {1, 1}, 3), kzvStatusMirrorAxisErr},
        {"axis negative", kzviMirror_8u_AC4R(a.data(), 16, b.data(), 16, {1, 1}, -1), kzvStatusMirrorAxisErr},
        {"odd 16-bit step", kzviMirror_16u_C1R(a16, 9, b16, 8, {2, 2}, 1), kzvStatusStepErr},
        {"in place odd step", kzviMirror_16s_C3IR((int16_t*)b16, 13, {2, 2}, 1), kzvStatusStepErr},
        {"in place axis", kzviMirror_32f_C1IR((float*)b.data(), 16, {2, 2}, 5), kzvStatusMirrorAxisErr},
        {"in place null", kzviMirror_16u_C4IR(nullptr, 16, {2, 2}, 0), kzvStatusNullPtrErr},
        {"diagonal step", kzviMirror_8u_C1R(a.data(), 0, b.data(), 8, {0, 0}, 3), kzvStatusStepErr},
        {"diagonal size", kzviMirror_32s_C1R((int32_t*)a.data(), 8, (int32_t*)b.data(), 8, {2, 0}, 4), kzvStatusSizeErr},
        {"diagonal overlap", kzviMirror_8u_C1R(b.data() + 3, 16, b.data() + 20, 16, {4, 8}, 3), kzvStatusNotSupportedModeErr},
        {"diagonal same image", kzviMirror_16u_C1R(b16, 16, b16, 16, {4, 4}, 4), kzvStatusNotSupportedModeErr},
        {"transpose null", kzviTranspose_8u_C1R(a.data(), 8, nullptr, 8, {1, 1}), kzvStatusNullPtrErr},
        {"transpose size", kzviTranspose_32fc_C1R((Kzv32fc*)a.data(), 8, (Kzv32fc*)b.data(), 8, {-1, 1}), kzvStatusSizeErr},
        {"transpose in place not square", kzviTranspose_16s_C1IR((int16_t*)b16, 16, {3, 2}), kzvStatusSizeErr},
        {"transpose same pointer not square", kzviTranspose_8u_C4R(b.data(), 16, b.data(), 16, {1, 2}), kzvStatusSizeErr},
        {"transpose same pointer other step", kzviTranspose_32s_C3R((int32_t*)b.data(), 24, (int32_t*)b.data(), 48, {2, 2}),
         kzvStatusNotSupportedModeErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_EQ(b, std::vector<uint8_t>(256, 9));
    // Rows interleaved without sharing a byte pass the overlap test.
    std::vector<uint8_t> m(160, 0);
    for (int i = 0; i < 16; ++i) m[i < 8 ? i : 16 + i - 8] = uint8_t(i + 1);  // source rows at 0 and 16
    ASSERT_EQ(kzviMirror_8u_C1R(m.data(), 16, m.data() + 8, 16, {2, 8}, 3), kzvStatusOk);
    EXPECT_EQ(m[8], 1);
    EXPECT_EQ(m[9], 9);
    EXPECT_EQ(m[8 + 16 * 7 + 1], 16);
}

}  // namespace
