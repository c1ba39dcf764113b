// Ramps, the chirp pattern and the noise generators against plain references
// written from the formulas, on guarded images with random layouts.
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

template <class T>
using RampFn = KzvStatus (*)(T*, int32_t, KzvImageSize, float, float, int32_t);
template <class T>
using JaehneFn = KzvStatus (*)(T*, int32_t, KzvImageSize);
template <class T>
using NoiseFn = KzvStatus (*)(T*, int32_t, KzvImageSize, T, T, uint32_t*);

template <class T>
bool isFloat() {
    return std::is_floating_point_v<T>;
}

// Bytes of the pixel that a form writes: all samples, or three of four.
std::function<bool(int, int)> writable(int M, int P, int sampleBytes) {
    if (M == P) return {};
    return kzvt::skipAlpha(sampleBytes);
}

// ---- Ramp reference -------------------------------------------------------

template <class T>
T refRampStore(float v) {
    if constexpr (std::is_same_v<T, float>) {
        return v;
    } else {
        if (std::isnan(v)) return 0;
        const double d = v;
        double r;
        if (std::is_same_v<T, uint8_t>) r = d >= 254.5 ? 255 : d < 0 ? 0 : std::floor(d + 0.5);
        else if (std::is_same_v<T, uint16_t>) r = d >= 65534.5 ? 65535 : d < 0 ? 0 : std::floor(d + 0.5);
        else r = d >= 32766.5 ? 32767 : d < -32768.0 ? -32768 : d > 0 ? std::floor(d + 0.5) : std::ceil(d - 0.5);
        return T(r);
    }
}

template <class T>
std::vector<T> refRamp(const GuardedImage& img, int M, int P, float offset, float slope, int axis) {
    const int w = img.width(), h = img.height();
    std::vector<T> out = img.packedAs<T>();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double c = axis == 0 ? x : axis == 1 ? y : double(int64_t(x) * y);
            const T v = refRampStore<T>(std::fma(slope, float(c), offset));
            for (int k = 0; k < P; ++k) out[(size_t(y) * w + x) * M + k] = v;
        }
    return out;
}

template <class T>
void checkRamp(const char* name, RampFn<T> fn, int M, int P) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 8)) {
            GuardedImage img(kzvt::randomLayout(rng, sc.width, sc.height, M * sizeof(T), sizeof(T), false));
            img.fillRandomBytes(rng);
            const int axis = rng.uniform(0, 2);
            float offset, slope;
            if (isFloat<T>() || !sc.adversarial) {
                offset = float(rng.real(-400, 70000));
                slope = float(rng.real(-300, 300));
            } else {
                // Values landing on the saturation and rounding edges.
                offset = rng.pick<float>({254.5f, 254.49998f, -0.1f, 65534.5f, 32766.5f, -32768.0f, -32768.5f,
                                          0.5f, -0.5f, 1.5f, -2.5f});
                slope = rng.pick<float>({0.0f, 0.5f, -0.5f, 0.25f});
            }
            ASSERT_EQ(fn(img.ptr<T>(), img.step(), {sc.width, sc.height}, offset, slope, axis), kzvStatusOk);
            ASSERT_TRUE(img.checkWrites(writable(M, P, sizeof(T))));
            ASSERT_TRUE(kzvt::regionNear<T>(img, refRamp<T>(img, M, P, offset, slope, axis)))
                << "offset " << offset << " slope " << slope << " axis " << axis;
        }
    });
}

// ---- Chirp reference --------------------------------------------------------

// The exact phase in single precision as specified; the sine in double.
double refChirpSine(int x, int y, int w, int h) {
    const float cx = float(w - 1) / 2.0f, cy = float(h - 1) / 2.0f;
    const float dx = float(x) - cx, dy = float(y) - cy;
    const float phi = 3.1415927f * (dx * dx + dy * dy) / (2.0f * float(h));
    return std::sin(double(phi));
}

template <class T>
::testing::AssertionResult chirpMatches(const GuardedImage& img, int M, int P) {
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double s = refChirpSine(x, y, w, h);
            double exact, lo, hi;
            if (std::is_same_v<T, float>) {
                exact = s;
            } else {
                exact = std::is_same_v<T, uint8_t> ? 128 + 128 * s : std::is_same_v<T, uint16_t> ? 32768 + 32768 * s : 16384 * s;
            }
            if (std::is_same_v<T, float>) {
                lo = hi = double(float(s));
                const double ulp = std::ldexp(1.0, -24);
                lo -= ulp;
                hi += ulp;
            } else {
                // The sine is a float within an ulp or two: accept both
                // integers next to a value that lies that close to a tie.
                const double scale = std::is_same_v<T, uint8_t> ? 128 : std::is_same_v<T, uint16_t> ? 32768 : 16384;
                const double slack = scale * std::ldexp(1.0, -22);
                lo = std::round(exact - slack);
                hi = std::round(exact + slack);
                const double mx = double(std::numeric_limits<T>::max()), mn = double(std::numeric_limits<T>::lowest());
                lo = std::min(std::max(lo, mn), mx);
                hi = std::min(std::max(hi, mn), mx);
            }
            for (int c = 0; c < P; ++c) {
                T got;
                memcpy(&got, img.row(y) + (size_t(x) * M + c) * sizeof(T), sizeof(T));
                if (!(double(got) >= lo && double(got) <= hi))
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << "," << y << ") of " << w << "x" << h << " channel " << c << ": got "
                           << +got << ", want " << exact << " rounded";
            }
        }
    return ::testing::AssertionSuccess();
}

template <class T>
void checkJaehne(const char* name, JaehneFn<T> fn, int M, int P) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        auto cases = kzvt::sweepCases(rng, 8);
        cases.push_back({rng.uniform(60, 300), rng.uniform(60, 200), false});
        for (const auto& sc : cases) {
            GuardedImage img(kzvt::randomLayout(rng, sc.width, sc.height, M * sizeof(T), sizeof(T), false));
            img.fillRandomBytes(rng);
            ASSERT_EQ(fn(img.ptr<T>(), img.step(), {sc.width, sc.height}), kzvStatusOk);
            ASSERT_TRUE(img.checkWrites(writable(M, P, sizeof(T))));
            ASSERT_TRUE(chirpMatches<T>(img, M, P));
        }
    });
}

// ---- Noise reference ----------------------------------------------------------

// The generator written straight from its recurrence.
struct RefGen {
    uint32_t xm1, xm2, xm3, borrow, L;
    explicit RefGen(uint32_t seed) {
        xm1 = seed;
        xm2 = uint32_t(uint64_t(69069) * seed + 1013904243u);
        xm3 = uint32_t(uint64_t(69069) * xm2 + 1013904243u);
        borrow = 1;
        L = 1131199209u;
    }
    int32_t draw() {
        const uint32_t t = uint32_t(uint64_t(xm2) + (uint64_t(1) << 33) - xm3 - borrow);
        uint32_t xk;
        if (t >> 31) {
            borrow = 1;
            xk = t - 18;
        } else {
            borrow = 0;
            xk = t;
        }
        xm3 = xm2;
        xm2 = xm1;
        xm1 = xk;
        L = uint32_t(uint64_t(69069) * L + 1013904243u);
        const uint32_t r = xk + L;
        return r >= 0x80000000u ? int32_t(int64_t(r) - (int64_t(1) << 32)) : int32_t(r);
    }
};

template <class T>
T refAddInt(T sample, double add) {
    const double v = double(sample) + add;
    const double mx = double(std::numeric_limits<T>::max()), mn = double(std::numeric_limits<T>::lowest());
    return T(v > mx ? mx : v < mn ? mn : v);
}

// Indices (into the packed region) of the samples that receive noise.
std::vector<size_t> noisySamples(int w, int h, int M, int P) {
    std::vector<size_t> idx;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < P; ++c) idx.push_back((size_t(y) * w + x) * M + c);
    return idx;
}

template <class T>
std::vector<T> refUniform(const GuardedImage& img, int M, int P, T low, T high, uint32_t& seed) {
    std::vector<T> out = img.packedAs<T>();
    RefGen g(seed);
    const bool oneSample = img.width() * P == 1;
    for (size_t i : noisySamples(img.width(), img.height(), M, P)) {
        const double u = std::fma((double(high) - double(low)) / 4294967296.0, double(g.draw()), (double(low) + double(high)) / 2);
        if constexpr (std::is_same_v<T, float>) {
            out[i] = out[i] + float(u);
        } else {
            out[i] = refAddInt<T>(out[i], oneSample ? std::trunc(u) : std::nearbyint(u));
        }
    }
    seed = g.xm1;
    return out;
}

template <class T>
std::vector<T> refGauss(const GuardedImage& img, int M, int P, T mean, T sd, uint32_t& seed) {
    std::vector<T> out = img.packedAs<T>();
    RefGen g(seed);
    std::vector<double> values;
    const auto idx = noisySamples(img.width(), img.height(), M, P);
    while (values.size() < idx.size()) {
        const double s1 = g.draw() / 2147483648.0, s2 = g.draw() / 2147483648.0;
        const double q = s1 * s1 + s2 * s2;
        if (q >= 1 || q == 0) continue;
        const double f = std::sqrt(-2 * std::log(q) / q);
        values.push_back(f * s1 * double(sd) + double(mean));
        values.push_back(f * s2 * double(sd) + double(mean));
    }
    for (size_t k = 0; k < idx.size(); ++k) {
        const size_t i = idx[k];
        if constexpr (std::is_same_v<T, float>) out[i] = out[i] + float(values[k]);
        else out[i] = refAddInt<T>(out[i], std::trunc(values[k]));
    }
    seed = g.xm1;
    return out;
}

template <class T>
T noiseParam(Rng& rng) {
    if constexpr (std::is_same_v<T, float>) return float(rng.real(-50, 50));
    else return kzvt::randomValue<T>(rng);
}

template <class T, bool Gauss>
void checkNoise(const char* name, NoiseFn<T> fn, int M, int P) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 8)) {
            GuardedImage img(kzvt::randomLayout(rng, sc.width, sc.height, M * sizeof(T), sizeof(T), false));
            const auto init = kzvt::randomSamples<T>(rng, size_t(img.rowBytes() / sizeof(T)) * sc.height, sc.adversarial);
            img.load(init.data());
            T a = noiseParam<T>(rng), b = noiseParam<T>(rng);
            if (!Gauss && a > b) std::swap(a, b);
            if (Gauss && !std::is_same_v<T, float>) b = T(rng.uniform(0, 40));
            uint32_t s = uint32_t(rng.bits()), want = s;
            const auto ref = Gauss ? refGauss<T>(img, M, P, a, b, want) : refUniform<T>(img, M, P, a, b, want);
            ASSERT_EQ(fn(img.ptr<T>(), img.step(), {sc.width, sc.height}, a, b, &s), kzvStatusOk);
            ASSERT_TRUE(img.checkWrites(writable(M, P, sizeof(T))));
            ASSERT_TRUE(kzvt::regionNear<T>(img, ref)) << "params " << +a << ", " << +b;
            ASSERT_EQ(s, want) << "seed written back";
        }
    });
}

// ---- Tables ------------------------------------------------------------------

#define RAMP(name, T, M, P) checkRamp<T>(#name, name, M, P);
#define JAEHNE(name, T, M, P)
#define UNIFORM(name, T, M, P)
#define GAUSS(name, T, M, P)
TEST(Synth, RampMatchesReference) {
#include "pixel/synth_exports.inc"
}
#undef RAMP
#define RAMP(name, T, M, P)
#undef JAEHNE
#define JAEHNE(name, T, M, P) checkJaehne<T>(#name, name, M, P);
TEST(Synth, JaehneMatchesReference) {
#include "pixel/synth_exports.inc"
}
#undef JAEHNE
#define JAEHNE(name, T, M, P)
#undef UNIFORM
#define UNIFORM(name, T, M, P) checkNoise<T, false>(#name, name, M, P);
TEST(Synth, UniformNoiseMatchesReference) {
#include "pixel/synth_exports.inc"
}
#undef UNIFORM
#define UNIFORM(name, T, M, P)
#undef GAUSS
#define GAUSS(name, T, M, P) checkNoise<T, true>(#name, name, M, P);
TEST(Synth, GaussNoiseMatchesReference) {
#include "pixel/synth_exports.inc"
}
#undef GAUSS

// The generator's draws over a long run: uniform noise on 32f with
// low = -2^31 and high = 2^31 adds exactly the draw, which a zero image
// holds as float(draw); on 32s-range values the float rounding keeps the
// sign and the leading 24 bits, enough to see any slip of the recurrence.
TEST(Synth, GeneratorRunsTheRecurrence) {
    for (uint32_t seed : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 12345u}) {
        const int n = 5000;
        std::vector<float> img(n, 0.0f);
        uint32_t s = seed;
        ASSERT_EQ(kzviAddRandUniform_32f_C1IR(img.data(), n * 4, {n, 1}, -2147483648.0f, 2147483648.0f, &s), kzvStatusOk);
        RefGen g(seed);
        for (int i = 0; i < n; ++i) ASSERT_EQ(img[i], float(g.draw())) << "draw " << i << " of seed " << seed;
        EXPECT_EQ(s, g.xm1);
    }
}

TEST(Synth, NoiseEdgeCases) {
    // low = high = 0 leaves the image as it was and still advances the seed.
    std::vector<uint8_t> img(64, 77);
    uint32_t s = 5;
    ASSERT_EQ(kzviAddRandUniform_8u_C1IR(img.data(), 8, {8, 8}, 0, 0, &s), kzvStatusOk);
    EXPECT_EQ(img, std::vector<uint8_t>(64, 77));
    EXPECT_NE(s, 5u);
    // The same data one sample wide truncates, two samples wide rounds to
    // nearest even: with low 0, high 2, noise u in [0, 2) truncates to 0 or
    // 1 but rounds to 0, 1 or 2.
    std::vector<uint8_t> a(400, 0), b(400, 0);
    uint32_t sa = 99, sb = 99;
    ASSERT_EQ(kzviAddRandUniform_8u_C1IR(a.data(), 1, {1, 400}, 0, 2, &sa), kzvStatusOk);
    ASSERT_EQ(kzviAddRandUniform_8u_C1IR(b.data(), 2, {2, 200}, 0, 2, &sb), kzvStatusOk);
    EXPECT_EQ(sa, sb);
    int twos = 0;
    for (int i = 0; i < 400; ++i) {
        EXPECT_LE(a[i], 1);
        twos += b[i] == 2;
    }
    EXPECT_GT(twos, 0);
    // Two calls with the same seed add the same noise; the written-back seed
    // continues with different noise.
    std::vector<int16_t> c(100, 0), d(100, 0), e(100, 0);
    uint32_t s1 = 7, s2 = 7;
    ASSERT_EQ(kzviAddRandGauss_16s_C1IR(c.data(), 20, {10, 10}, 0, 1000, &s1), kzvStatusOk);
    ASSERT_EQ(kzviAddRandGauss_16s_C1IR(d.data(), 20, {10, 10}, 0, 1000, &s2), kzvStatusOk);
    EXPECT_EQ(c, d);
    ASSERT_EQ(kzviAddRandGauss_16s_C1IR(e.data(), 20, {10, 10}, 0, 1000, &s1), kzvStatusOk);
    EXPECT_NE(c, e);
}

TEST(Synth, DocumentedValues) {
    uint8_t px[4] = {1, 2, 3, 4};
    ASSERT_EQ(kzviImageRamp_8u_C1R(px, 4, {4, 1}, 254.5f, 0.0f, 0), kzvStatusOk);
    EXPECT_EQ(px[3], 255);
    ASSERT_EQ(kzviImageRamp_8u_C1R(px, 4, {4, 1}, -0.1f, 0.0f, 0), kzvStatusOk);
    EXPECT_EQ(px[0], 0);
    float f[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(kzviImageRamp_32f_C1R(f, 12, {3, 2}, 1.0f, 1.0f, 3), kzvStatusOk);
    EXPECT_EQ(f[5], 6.0f);
    // 32f C3: the step is rounded down to a multiple of 4 bytes.
    GuardedImage img(3, 3, 12, 8);
    img.fillBytes([](int, int) { return 0; });
    ASSERT_EQ(kzviImageRamp_32f_C3R(img.ptr<float>(), img.step() + 3, {3, 3}, 0.0f, 1.0f, 1), kzvStatusOk);
    EXPECT_TRUE(img.checkWrites());
    EXPECT_EQ(img.rowAs<float>(2)[8], 2.0f);
    // The chirp peaks saturate at 255; the centre pixel holds its own value.
    std::vector<uint8_t> j(101 * 101);
    ASSERT_EQ(kzviImageJaehne_8u_C1R(j.data(), 101, {101, 101}), kzvStatusOk);
    EXPECT_EQ(*std::max_element(j.begin(), j.end()), 255);
    EXPECT_EQ(j[50 * 101 + 50], 128);
}

TEST(Synth, ArgumentChecks) {
    uint8_t b[64];
    memset(b, 9, sizeof b);
    uint32_t seed = 3;
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        {"ramp null", kzviImageRamp_8u_C1R(nullptr, 8, {0, 0}, 0, 1, 0), kzvStatusNullPtrErr},
        {"ramp step", kzviImageRamp_16u_C3R((uint16_t*)b, 0, {0, 1}, 0, 1, 0), kzvStatusStepErr},
        {"ramp size", kzviImageRamp_32f_AC4R((float*)b, 16, {1, 0}, 0, 1, 0), kzvStatusSizeErr},
        {"ramp axis", kzviImageRamp_16s_C4R((int16_t*)b, 8, {1, 1}, 0, 1, -1), kzvStatusOk},
        {"jaehne null", kzviImageJaehne_32f_C1R(nullptr, 4, {1, 1}), kzvStatusNullPtrErr},
        {"jaehne step", kzviImageJaehne_8u_C3R(b, -3, {1, 1}), kzvStatusStepErr},
        {"jaehne size", kzviImageJaehne_16s_AC4R((int16_t*)b, 8, {-1, 1}), kzvStatusSizeErr},
        {"uniform null image", kzviAddRandUniform_8u_C1IR(nullptr, 8, {1, 1}, 0, 1, &seed), kzvStatusNullPtrErr},
        {"uniform null seed", kzviAddRandUniform_16u_C3IR((uint16_t*)b, 8, {1, 1}, 0, 1, nullptr), kzvStatusNullPtrErr},
        {"uniform size before step", kzviAddRandUniform_16s_C4IR((int16_t*)b, 0, {0, 1}, 0, 1, &seed), kzvStatusSizeErr},
        {"uniform step", kzviAddRandUniform_32f_AC4IR((float*)b, 0, {1, 1}, 0, 1, &seed), kzvStatusStepErr},
        {"gauss null seed", kzviAddRandGauss_8u_C3IR(b, 8, {1, 1}, 0, 1, nullptr), kzvStatusNullPtrErr},
        {"gauss size", kzviAddRandGauss_16u_C1IR((uint16_t*)b, 8, {1, -2}, 0, 1, &seed), kzvStatusSizeErr},
        {"gauss step", kzviAddRandGauss_32f_C4IR((float*)b, -16, {1, 1}, 0, 1, &seed), kzvStatusStepErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    for (uint8_t v : b) EXPECT_EQ(v, 9);
    EXPECT_EQ(seed, 3u);
}

}  // namespace
