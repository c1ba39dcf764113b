// Lookup tables and palettes against references written from the table
// rules, for random strictly increasing level sets (levels beyond the type's
// range and one-entry intervals included), on guarded images.
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

template <class T>
using Level = std::conditional_t<std::is_same_v<T, float>, float, int32_t>;

template <class T>
constexpr int dataKind() {
    return std::is_same_v<T, uint8_t> ? kzvDataKind8u
           : std::is_same_v<T, uint16_t> ? kzvDataKind16u
           : std::is_same_v<T, int16_t> ? kzvDataKind16s
                                        : kzvDataKind32f;
}

template <class T>
KzvStatus initLut(KzvInterp interp, int32_t code, KzvImageSize roi, const Level<T>** v, const Level<T>** l,
                  const int32_t* n, KzvLUTSpec* spec) {
    if constexpr (std::is_same_v<T, uint8_t>) return kzviLUT_Init_8u(interp, code, roi, v, l, n, spec);
    else if constexpr (std::is_same_v<T, uint16_t>) return kzviLUT_Init_16u(interp, code, roi, v, l, n, spec);
    else if constexpr (std::is_same_v<T, int16_t>) return kzviLUT_Init_16s(interp, code, roi, v, l, n, spec);
    else return kzviLUT_Init_32f(interp, code, roi, v, l, n, spec);
}

struct LevelSet {
    std::vector<double> l, v;
};

// Strictly increasing levels; some below or above the type's range, some
// one entry apart.
template <class T>
LevelSet randomLevels(Rng& rng, int n) {
    LevelSet s;
    double lo, hi;
    if (std::is_same_v<T, uint8_t>) lo = -40, hi = 300;
    else if (std::is_same_v<T, uint16_t>) lo = -3000, hi = 70000;
    else if (std::is_same_v<T, int16_t>) lo = -36000, hi = 36000;
    else lo = -1200, hi = 1200;
    double x = lo + rng.real() * (hi - lo) / 2;
    for (int i = 0; i < n; ++i) {
        s.l.push_back(std::is_same_v<T, float> ? double(float(x)) : std::floor(x));
        const double gap = rng.chance(0.2) ? 1 : rng.real(1, (hi - lo) / n);
        x = std::floor(s.l.back()) + (std::is_same_v<T, float> ? gap : std::max(1.0, std::floor(gap)));
        const double vr = std::is_same_v<T, float> ? 1500 : (hi - lo) * 0.8;
        s.v.push_back(std::is_same_v<T, float> ? double(float(rng.real(-vr, vr))) : std::floor(rng.real(lo, hi)));
    }
    return s;
}

// Lagrange form of the cubic through four points (independent of the
// library's divided differences).
double lagrange(const double* X, const double* V, double x) {
    double r = 0;
    for (int i = 0; i < 4; ++i) {
        double w = V[i];
        for (int j = 0; j < 4; ++j)
            if (j != i) w *= (x - X[j]) / (X[i] - X[j]);
        r += w;
    }
    return r;
}

struct Expect {
    double value;
    double tol;  // 0: exact; otherwise the allowed difference
};

template <class T>
double sat(double v) {
    const double mn = double(std::numeric_limits<T>::lowest()), mx = double(std::numeric_limits<T>::max());
    return v < mn ? mn : v > mx ? mx : v;
}

// The expected integer-table entry for x.
template <class T>
Expect refInt(const LevelSet& s, int mode, double x) {
    const int n = int(s.l.size());
    if (mode == 2 && n < 4) mode = 1;
    for (int k = 0; k + 1 < n; ++k) {
        if (!(s.l[k] <= x && x < s.l[k + 1])) continue;
        if (mode == 0 || s.l[k + 1] - s.l[k] == 1) return {sat<T>(s.v[k]), 0};
        if (mode == 1) {
            const double sl = (s.v[k + 1] - s.v[k]) / (s.l[k + 1] - s.l[k]);
            const double b = s.v[k] + 0.5 - sl * s.l[k];
            return {sat<T>(std::trunc(sl * x + b)), 0};
        }
        const int j = std::min(std::max(k - 1, 0), n - 4);
        const double e = lagrange(&s.l[j], &s.v[j], x) + 0.5;
        // Another sound solution may land on the other side of an integer.
        const bool nearEdge = std::fabs(e - std::round(e)) < 1e-6 * std::max(1.0, std::fabs(e));
        return {sat<T>(std::trunc(e)), nearEdge ? 1.0 : 0.0};
    }
    return {x, 0};
}

Expect ref32f(const LevelSet& s, int mode, bool cubicOk, float x) {
    const int n = int(s.l.size());
    if (mode == 2 && !cubicOk) mode = 1;
    for (int k = 0; k + 1 < n; ++k) {
        if (!(float(s.l[k]) <= x && x < float(s.l[k + 1]))) continue;
        if (mode == 0) return {s.v[k], 0};
        if (mode == 1) {
            const float sl = (float(s.v[k + 1]) - float(s.v[k])) / (float(s.l[k + 1]) - float(s.l[k]));
            return {double(float(s.v[k] + (double(x) - s.l[k]) * double(sl))), 0};
        }
        const int j = std::min(std::max(k - 1, 0), n - 4);
        const double r = lagrange(&s.l[j], &s.v[j], double(x));
        return {double(float(r)), 1e-9 * (1 + std::fabs(r)) + 1e-6 * std::fabs(r) + 1e-6};
    }
    return {double(x), 0};
}

template <class T>
using LutFn = KzvStatus (*)(const T*, int32_t, T*, int32_t, KzvImageSize, const KzvLUTSpec*);
template <class T>
using LutIFn = KzvStatus (*)(T*, int32_t, KzvImageSize, const KzvLUTSpec*);

// A spec block at a random offset from 64-byte alignment.
struct SpecBuffer {
    std::vector<uint8_t> mem;
    KzvLUTSpec* spec = nullptr;
    SpecBuffer(int32_t size, int offset) : mem(size_t(size) + 128, 0xCD) {
        uint8_t* p = mem.data();
        p += (64 - reinterpret_cast<uintptr_t>(p) % 64) % 64 + offset;
        spec = reinterpret_cast<KzvLUTSpec*>(p);
    }
};

template <class T>
std::vector<T> samplesFor(Rng& rng, size_t n, bool adversarial, const std::vector<LevelSet>& sets) {
    auto v = kzvt::randomSamples<T>(rng, n, adversarial, true);
    // Many samples on and next to the levels.
    for (auto& x : v) {
        if (!rng.chance(0.3)) continue;
        const LevelSet& s = sets[rng.uniform(0, int(sets.size()) - 1)];
        const double l = s.l[rng.uniform(0, int(s.l.size()) - 1)] + rng.uniform(-1, 1);
        if (std::is_same_v<T, float> || (l >= double(std::numeric_limits<T>::lowest()) && l <= double(std::numeric_limits<T>::max())))
            x = T(l);
    }
    return v;
}

template <class T>
void checkLut(const char* nameR, LutFn<T> fR, LutIFn<T> fIR, int typeIndex, int layoutIndex, int M, int P) {
    SCOPED_TRACE(nameR);
    const int code = M == 1 ? 1 : M == 3 ? 3 : P == 4 ? 4 : 9;
    const KzvInterp interps[3] = {kzvInterpNearest, kzvInterpLinear, kzvInterpCubic};
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (int mode = 0; mode < 3; ++mode) {
            for (int rep = 0; rep < 3; ++rep) {
                std::vector<LevelSet> sets;
                int32_t n[4] = {0, 0, 0, 0};
                const Level<T>* pv[4] = {};
                const Level<T>* pl[4] = {};
                std::vector<std::vector<Level<T>>> vs(P), ls(P);
                for (int c = 0; c < P; ++c) {
                    sets.push_back(randomLevels<T>(rng, rng.chance(0.3) ? rng.uniform(2, 3) : rng.uniform(4, 12)));
                    n[c] = int32_t(sets[c].l.size());
                    for (int i = 0; i < n[c]; ++i) {
                        vs[c].push_back(Level<T>(sets[c].v[i]));
                        ls[c].push_back(Level<T>(sets[c].l[i]));
                    }
                    pv[c] = vs[c].data();
                    pl[c] = ls[c].data();
                }
                bool cubicOk = true;
                for (int c = 0; c < P; ++c) cubicOk = cubicOk && n[c] >= 4;
                int32_t size = 0;
                ASSERT_EQ(kzviLUT_GetSize(interps[mode], KzvDataKind(dataKind<T>()), code, {1, 1}, n, &size), kzvStatusOk);
                SpecBuffer sb(size, rng.uniform(0, 63));
                ASSERT_EQ(initLut<T>(interps[mode], code, {1, 1}, pv, pl, n, sb.spec), kzvStatusOk);
                // Init stays within the reported size.
                const uint8_t* end = reinterpret_cast<uint8_t*>(sb.spec) + size;
                for (const uint8_t* p = end; p < sb.mem.data() + sb.mem.size(); ++p) ASSERT_EQ(*p, 0xCD);
                int32_t id;
                memcpy(&id, sb.spec, 4);
                EXPECT_EQ(id, 0x1234567 + 4 * typeIndex + layoutIndex + 16 * mode);

                const int w = rng.uniform(1, 70), h = rng.uniform(1, 4);
                const bool adv = rng.chance(0.25);
                const bool inPlace = rep == 1;
                GuardedImage src(kzvt::randomLayout(rng, w, h, M * sizeof(T), sizeof(T), false));
                GuardedImage dst(kzvt::randomLayout(rng, w, h, M * sizeof(T), sizeof(T), false));
                src.load(samplesFor<T>(rng, size_t(w) * h * M, adv, sets).data());
                dst.fillRandomBytes(rng);
                GuardedImage& out = inPlace ? src : dst;
                std::vector<T> in = src.packedAs<T>(), want = out.packedAs<T>();
                std::vector<double> tol(want.size(), 0.0);
                for (size_t i = 0; i < in.size(); ++i) {
                    const int c = int(i % M);
                    if (c >= P) continue;
                    Expect e;
                    if constexpr (std::is_same_v<T, float>) e = ref32f(sets[c], mode, cubicOk, in[i]);
                    else e = refInt<T>(sets[c], mode, double(in[i]));
                    want[i] = T(e.value);
                    tol[i] = e.tol;
                }
                const KzvStatus st = inPlace ? fIR(src.ptr<T>(), src.step(), {w, h}, sb.spec)
                                             : fR(src.ptr<T>(), src.step(), dst.ptr<T>(), dst.step(), {w, h}, sb.spec);
                ASSERT_EQ(st, kzvStatusOk);
                ASSERT_TRUE(out.checkWrites(M == P ? std::function<bool(int, int)>{} : kzvt::skipAlpha(sizeof(T))));
                if (!inPlace) {
                    ASSERT_TRUE(src.unchanged());
                }
                const auto got = out.packedAs<T>();
                for (size_t i = 0; i < got.size(); ++i) {
                    const bool same = std::isnan(double(want[i])) ? std::isnan(double(got[i]))
                                                                  : (got[i] == want[i] || std::fabs(double(got[i]) - double(want[i])) <= tol[i]);
                    ASSERT_TRUE(same) << "mode " << mode << " sample " << i << " input " << +in[i] << ": got "
                                      << +got[i] << ", want " << +want[i];
                }
            }
        }
    });
}

#define LUTINIT(name, T, L, TI)
#define LUT(nameR, nameIR, T, TI, LI, M, P) checkLut<T>(#nameR, nameR, nameIR, TI, LI, M, P);
#define PALETTE1(name, TS, TD, B)
#define PALETTEN(name, T, M, P)
TEST(Lut, MatchesReference) {
#include "pixel/lut_exports.inc"
}
#undef LUT
#define LUT(nameR, nameIR, T, TI, LI, M, P)

// Every entry of the 16-bit tables, through images holding all 65536 values.
template <class T>
void checkWholeTable(LutFn<T> fn, KzvImageSize roi = {256, 256}) {
    Rng rng(kzvt::baseSeed());
    for (int mode = 0; mode < 3; ++mode) {
        const LevelSet s = randomLevels<T>(rng, 9);
        std::vector<int32_t> v(s.v.begin(), s.v.end()), l(s.l.begin(), s.l.end());
        const int32_t* pv[1] = {v.data()};
        const int32_t* pl[1] = {l.data()};
        int32_t n[1] = {9}, size = 0;
        const KzvInterp it = mode == 0 ? kzvInterpNearest : mode == 1 ? kzvInterpLinear : kzvInterpCubic;
        ASSERT_EQ(kzviLUT_GetSize(it, KzvDataKind(dataKind<T>()), 1, roi, n, &size), kzvStatusOk);
        EXPECT_EQ(size, 184 + 131072);
        SpecBuffer sb(size, 5);
        ASSERT_EQ(initLut<T>(it, 1, roi, pv, pl, n, sb.spec), kzvStatusOk);
        std::vector<T> in(65536), out(65536);
        for (int i = 0; i < 65536; ++i) in[i] = T(i + int(std::numeric_limits<T>::lowest()));
        ASSERT_EQ(fn(in.data(), 512, out.data(), 512, roi, sb.spec), kzvStatusOk);
        for (int i = 0; i < 65536; ++i) {
            const Expect e = refInt<T>(s, mode, double(in[i]));
            ASSERT_LE(std::fabs(double(out[i]) - e.value), e.tol) << "mode " << mode << " entry " << +in[i];
        }
    }
}

TEST(Lut, WholeSixteenBitTables) {
    checkWholeTable<uint16_t>(kzviLUT_16u_C1R);
    checkWholeTable<int16_t>(kzviLUT_16s_C1R);
}

// 8u spec helper for the documented cases.
struct Lut8u {
    SpecBuffer sb{184 + 256, 0};
    std::vector<int32_t> v, l;
    explicit Lut8u(KzvInterp it, std::vector<int32_t> lv, std::vector<int32_t> vv) : v(vv), l(lv) {
        const int32_t* pv[1] = {v.data()};
        const int32_t* pl[1] = {l.data()};
        const int32_t n[1] = {int32_t(l.size())};
        EXPECT_EQ(kzviLUT_Init_8u(it, 1, {1, 1}, pv, pl, n, sb.spec), kzvStatusOk);
    }
    std::vector<uint8_t> all() const {
        std::vector<uint8_t> in(256), out(256);
        for (int i = 0; i < 256; ++i) in[i] = uint8_t(i);
        EXPECT_EQ(kzviLUT_8u_C1R(in.data(), 256, out.data(), 256, {256, 1}, sb.spec), kzvStatusOk);
        return out;
    }
};

TEST(Lut, DocumentedCases) {
    auto a = Lut8u(kzvInterpNearest, {0, 256}, {7, 0}).all();
    EXPECT_EQ(a, std::vector<uint8_t>(256, 7));
    auto b = Lut8u(kzvInterpNearest, {10, 20}, {99, 0}).all();
    EXPECT_EQ(b[9], 9);
    EXPECT_EQ(b[10], 99);
    EXPECT_EQ(b[19], 99);
    EXPECT_EQ(b[20], 20);
    auto c = Lut8u(kzvInterpNearest, {0, 100, 200}, {300, -5, 0}).all();
    EXPECT_EQ(c[50], 255);
    EXPECT_EQ(c[150], 0);
    auto d = Lut8u(kzvInterpLinear, {0, 255}, {0, 255}).all();
    for (int i = 0; i < 256; ++i) EXPECT_EQ(d[i], i);
    // Cubic with three levels is the linear table; the identifier says cubic.
    Lut8u cub(kzvInterpCubic, {3, 90, 200}, {250, 7, 180});
    EXPECT_EQ(cub.all(), Lut8u(kzvInterpLinear, {3, 90, 200}, {250, 7, 180}).all());
    int32_t id;
    memcpy(&id, cub.sb.spec, 4);
    EXPECT_EQ(id, 0x1234587);
    // A 32f pixel equal to the last level keeps its value.
    const float fl[3] = {0, 1, 2}, fv[3] = {10, 20, 30};
    const float* pv[1] = {fv};
    const float* pl[1] = {fl};
    const int32_t n[1] = {3};
    int32_t size = 0;
    ASSERT_EQ(kzviLUT_GetSize(kzvInterpLinear, kzvDataKind32f, 1, {1, 1}, n, &size), kzvStatusOk);
    EXPECT_EQ(size, 184 + 64 + 16);
    SpecBuffer sb(size, 3);
    ASSERT_EQ(kzviLUT_Init_32f(kzvInterpLinear, 1, {1, 1}, pv, pl, n, sb.spec), kzvStatusOk);
    float px[3] = {2.0f, 0.5f, -1.0f};
    ASSERT_EQ(kzviLUT_32f_C1IR(px, 12, {3, 1}, sb.spec), kzvStatusOk);
    EXPECT_EQ(px[0], 2.0f);
    EXPECT_EQ(px[1], 15.0f);
    EXPECT_EQ(px[2], -1.0f);
}

TEST(Lut, SpecSizes) {
    const int32_t n4[4] = {5, 3, 6, 4}, n1[4] = {5, 0, 0, 0}, four[4] = {4, 4, 4, 4};
    struct Case {
        KzvInterp it;
        int kind, code;
        const int32_t* n;
        int32_t want;
    };
    const Case cases[] = {
        {kzvInterpCubic, kzvDataKind8u, 4, n4, 184 + 1024},
        {kzvInterpNearest, kzvDataKind16s, 9, n4, 184 + 3 * 131072},
        {kzvInterpNearest, kzvDataKind32f, 1, n1, 184 + 40},
        {kzvInterpCubic, kzvDataKind32f, 1, n1, 184 + 64 + 96},
        {kzvInterpNearest, kzvDataKind32f, 4, n4, 184 + 192},
        {kzvInterpLinear, kzvDataKind32f, 3, n4, 184 + 128 + 8 * 11},
        // One table below four levels: the cubic spec is sized as linear.
        {kzvInterpCubic, kzvDataKind32f, 3, n4, 184 + 128 + 8 * 11},
        {kzvInterpCubic, kzvDataKind32f, 4, four, 184 + 128 + 24 * 12},
    };
    for (const auto& c : cases) {
        int32_t size = -1;
        ASSERT_EQ(kzviLUT_GetSize(c.it, KzvDataKind(c.kind), c.code, {3, 3}, c.n, &size), kzvStatusOk);
        EXPECT_EQ(size, c.want) << "kind " << c.kind << " code " << c.code << " interp " << c.it;
    }
}

TEST(Lut, ArgumentChecks) {
    const int32_t v[2] = {0, 1}, l[2] = {0, 10}, bad[4] = {2, 1, 2, 2};
    const int32_t* pv[4] = {v, v, v, v};
    const int32_t* pl[4] = {l, l, l, nullptr};
    const int32_t n[4] = {2, 2, 2, 2};
    int32_t size = 7, other1 = 0;
    SpecBuffer sb(184 + 4 * 131072, 0);
    SpecBuffer other(184 + 3 * 256, 9);
    ASSERT_EQ(kzviLUT_Init_8u(kzvInterpNearest, 3, {1, 1}, pv, pl, n, other.spec), kzvStatusOk);
    const std::vector<uint8_t> specBefore = sb.mem;
    uint8_t img[16];
    memset(img, 4, sizeof img);
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        {"size interp", kzviLUT_GetSize(KzvInterp(8), kzvDataKind8u, 1, {1, 1}, nullptr, nullptr), kzvStatusInterpolationErr},
        {"size null", kzviLUT_GetSize(kzvInterpLinear, kzvDataKind8u, 1, {1, 1}, nullptr, &size), kzvStatusNullPtrErr},
        {"size roi", kzviLUT_GetSize(kzvInterpLinear, kzvDataKind8u, 1, {0, 1}, n, &size), kzvStatusSizeErr},
        {"size levels", kzviLUT_GetSize(kzvInterpLinear, kzvDataKind8u, 3, {1, 1}, bad, &size), kzvStatusLutLevelsErr},
        {"size levels unused", kzviLUT_GetSize(kzvInterpLinear, kzvDataKind8u, 1, {1, 1}, bad, &other1), kzvStatusOk},
        {"size channel", kzviLUT_GetSize(kzvInterpLinear, kzvDataKind8u, 2, {1, 1}, n, &size), kzvStatusChannelErr},
        {"size kind", kzviLUT_GetSize(kzvInterpLinear, KzvDataKind(19), 1, {1, 1}, n, &size), kzvStatusDataTypeErr},
        {"init interp", kzviLUT_Init_16u(KzvInterp(0), 1, {0, 0}, nullptr, pl, n, sb.spec), kzvStatusInterpolationErr},
        {"init size before null", kzviLUT_Init_16u(kzvInterpNearest, 1, {0, 0}, nullptr, pl, n, sb.spec), kzvStatusSizeErr},
        {"init null", kzviLUT_Init_16s(kzvInterpNearest, 1, {1, 1}, pv, pl, n, nullptr), kzvStatusNullPtrErr},
        {"init table pointer", kzviLUT_Init_8u(kzvInterpNearest, 4, {1, 1}, pv, pl, n, sb.spec), kzvStatusNullPtrErr},
        {"init levels", kzviLUT_Init_16s(kzvInterpLinear, 9, {1, 1}, pv, pl, bad, sb.spec), kzvStatusLutLevelsErr},
        {"init channel", kzviLUT_Init_16u(kzvInterpCubic, 5, {1, 1}, pv, pl, n, sb.spec), kzvStatusChannelErr},
        {"apply null", kzviLUT_8u_C3R(img, 3, img, 3, {1, 1}, nullptr), kzvStatusNullPtrErr},
        {"apply step before size", kzviLUT_8u_C3R(img, 0, img, 3, {0, 1}, other.spec), kzvStatusStepErr},
        {"apply size", kzviLUT_8u_C3IR(img, 3, {1, 0}, other.spec), kzvStatusSizeErr},
        {"apply other layout", kzviLUT_8u_AC4R(img, 4, img, 4, {1, 1}, other.spec), kzvStatusBadArgErr},
        {"apply other type", kzviLUT_16u_C3R((uint16_t*)img, 6, (uint16_t*)img, 6, {1, 1}, other.spec), kzvStatusBadArgErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_EQ(size, 7);
    EXPECT_EQ(sb.mem, specBefore);
    for (uint8_t b : img) EXPECT_EQ(b, 4);
}

// ---- Palettes ---------------------------------------------------------------

template <class TS, class TD, int B>
void checkPalette1(const char* name, KzvStatus (*fn)(const TS*, int32_t, TD*, int32_t, KzvImageSize, const TD*, int32_t)) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 32)) {
            const int bits = rng.uniform(1, 8 * int(sizeof(TS)));
            std::vector<uint8_t> table(static_cast<size_t>(B) << bits);
            for (auto& t : table) t = uint8_t(rng.bits());
            GuardedImage src(kzvt::randomLayout(rng, sc.width, sc.height, sizeof(TS), sizeof(TS), false));
            GuardedImage dst(kzvt::randomLayout(rng, sc.width, sc.height, B, B == 3 ? 1 : B, false));
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            const auto in = src.packedAs<TS>();
            std::vector<uint8_t> want(in.size() * B);
            for (size_t i = 0; i < in.size(); ++i)
                memcpy(&want[i * B], &table[size_t(in[i] & ((1u << bits) - 1)) * B], B);
            ASSERT_EQ(fn(src.ptr<TS>(), src.step(), dst.ptr<TD>(), dst.step(), {sc.width, sc.height},
                         reinterpret_cast<const TD*>(table.data()), bits),
                      kzvStatusOk);
            ASSERT_TRUE(dst.checkWrites());
            ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want)) << "bits " << bits;
        }
    });
}

template <class T>
void checkPaletteN(const char* name, KzvStatus (*fn)(const T*, int32_t, T*, int32_t, KzvImageSize, const T* const*, int32_t),
                   int M, int P) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 16)) {
            const int bits = rng.uniform(1, 8 * int(sizeof(T)));
            std::vector<std::vector<T>> tables(P, std::vector<T>(size_t(1) << bits));
            const T* pt[4] = {};
            for (int c = 0; c < P; ++c) {
                for (auto& t : tables[c]) t = T(rng.bits());
                pt[c] = tables[c].data();
            }
            GuardedImage src(kzvt::randomLayout(rng, sc.width, sc.height, M * sizeof(T), sizeof(T), false));
            GuardedImage dst(kzvt::randomLayout(rng, sc.width, sc.height, M * sizeof(T), sizeof(T), false));
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            const auto in = src.packedAs<T>();
            auto want = dst.packedAs<T>();
            for (size_t i = 0; i < in.size(); ++i)
                if (int(i % M) < P) want[i] = tables[i % M][in[i] & ((1u << bits) - 1)];
            ASSERT_EQ(fn(src.ptr<T>(), src.step(), dst.ptr<T>(), dst.step(), {sc.width, sc.height}, pt, bits), kzvStatusOk);
            ASSERT_TRUE(dst.checkWrites(M == P ? std::function<bool(int, int)>{} : kzvt::skipAlpha(sizeof(T))));
            ASSERT_TRUE(kzvt::regionNear<T>(dst, want)) << "bits " << bits;
        }
    });
}

#undef PALETTE1
#undef PALETTEN
#define PALETTE1(name, TS, TD, B) checkPalette1<TS, TD, B>(#name, name);
#define PALETTEN(name, T, M, P) checkPaletteN<T>(#name, name, M, P);
TEST(LutPalette, MatchesReference) {
#include "pixel/lut_exports.inc"
}
#undef LUTINIT
#undef LUT
#undef PALETTE1
#undef PALETTEN

TEST(LutPalette, ArgumentChecks) {
    uint8_t img[64], table[256];
    memset(img, 1, sizeof img);
    for (int i = 0; i < 256; ++i) table[i] = uint8_t(255 - i);
    const uint8_t* t3[3] = {table, table, nullptr};
    const uint16_t t16[2] = {0, 0};
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        {"null", kzviLUTPalette_8u_C1R(img, 8, img, 8, {0, 0}, nullptr, 9), kzvStatusNullPtrErr},
        {"AC4 table pointer", kzviLUTPalette_8u_AC4R(img, 8, img, 8, {1, 1}, t3, 1), kzvStatusNullPtrErr},
        {"size", kzviLUTPalette_8u24u_C1R(img, 8, img, 8, {1, 0}, table, 9), kzvStatusSizeErr},
        {"bits 9 on 8u", kzviLUTPalette_8u_C1R(img, 8, img + 32, 8, {2, 2}, table, 9), kzvStatusOutOfRangeErr},
        {"bits 0", kzviLUTPalette_16u8u_C1R((uint16_t*)img, 8, img + 32, 8, {2, 2}, table, 0), kzvStatusOutOfRangeErr},
        {"bits 17", kzviLUTPalette_16u_C1R((uint16_t*)img, 8, (uint16_t*)img, 8, {2, 2}, t16, 17), kzvStatusOutOfRangeErr},
        {"24u step", kzviLUTPalette_16u24u_C1R((uint16_t*)img, 8, img + 32, 8, {3, 2}, table, 1), kzvStatusStepErr},
        {"32u step", kzviLUTPalette_8u32u_C1R(img, 8, (uint32_t*)img, 11, {3, 2}, (const uint32_t*)table, 1), kzvStatusStepErr},
        {"source step", kzviLUTPalette_16u32u_C1R((uint16_t*)img, 5, (uint32_t*)img, 16, {3, 2}, (const uint32_t*)table, 1), kzvStatusStepErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    for (uint8_t b : img) EXPECT_EQ(b, 1);
    // nBitSize 1 uses entries 0 and 1 only.
    uint8_t src[4] = {0, 1, 2, 255}, dst[4];
    ASSERT_EQ(kzviLUTPalette_8u_C1R(src, 4, dst, 4, {4, 1}, table, 1), kzvStatusOk);
    EXPECT_EQ(dst[0], 255);
    EXPECT_EQ(dst[1], 254);
    EXPECT_EQ(dst[2], 255);
    EXPECT_EQ(dst[3], 254);
}

}  // namespace
