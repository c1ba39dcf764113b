// Depth conversion and scaling: every export against a plain scalar
// reference on guarded images (random sizes, steps, offsets; both store
// paths through the internal twins), exhaustive 8-/16-bit sources, the
// rounding cases, argument checks and the caller's rounding mode.
#include <immintrin.h>

#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "kzvt.h"
#include "pixel/convert_internal.h"

namespace {

using kzv::cvt::Tuning;
using kzvt::GuardedImage;
using kzvt::Rng;

// ---- Scalar reference --------------------------------------------------------

// Rounding of an exact value by the mode rule: 1 nearest even, 0 toward
// zero, anything else half away from zero.
long double roundBy(long double v, int mode) {
    if (mode == 1) return std::nearbyintl(v);  // the test runs under round-to-nearest
    if (mode == 0) return std::truncl(v);
    return std::roundl(v);
}

// Saturation to D; NaN gives 0.
template <class D>
D satTo(long double v) {
    if (std::isnan(v)) return D(0);
    if constexpr (std::is_floating_point_v<D>) {
        return D(v);
    } else {
        const long double lo = (long double)std::numeric_limits<D>::min();
        const long double hi = (long double)std::numeric_limits<D>::max();
        if (v <= lo) return std::numeric_limits<D>::min();
        if (v >= hi) return std::numeric_limits<D>::max();
        return D(v);
    }
}

// v * 2^-sf, rounded by mode, saturated.
template <class S, class D>
D refSfs(S v, int mode, int sf) {
    const long double x = (long double)v;
    if (std::isnan(x)) return D(0);
    const int k = sf < -100000 ? 100000 : sf > 100000 ? -100000 : -sf;
    const long double scaled = x == 0 ? 0.0L : std::ldexp(x, std::max(-20000, std::min(20000, k)));
    return satTo<D>(roundBy(scaled, mode));
}

// Value conversion: integers exact, int to float rounded once.
template <class S, class D>
D refConvert(S v) {
    if constexpr (std::is_floating_point_v<D>)
        return D((long double)v);
    else
        return satTo<D>((long double)v);
}

template <class T>
float toFloatRN(T v) {
    return float((long double)v);
}

// src * m + a for ScaleC. Fast: fused in single precision from the float
// value of the sample; accurate: fused in double precision.
template <class S, class D>
D refScaleC(S v, double m, double a, bool accurate) {
    if (std::fabs(m - 1.0) < 2.220446049250313e-16 && std::fabs(a) < 2.220446049250313e-16) {
        // The identity is the plain conversion (a copy for one type).
        if constexpr (std::is_same_v<S, D>)
            return v;
        else if constexpr (std::is_floating_point_v<D>)
            return D((long double)v);
        else
            return refSfs<S, D>(v, 1, 0);
    }
    long double r;
    if (accurate)
        r = (long double)std::fma((double)(long double)v, m, a);
    else
        r = (long double)std::fmaf(toFloatRN(v), float(m), float(a));
    if constexpr (std::is_floating_point_v<D>) {
        return accurate ? D(double(r)) : D(float(r));
    } else {
        if (std::isnan(r)) return D(0);
        return satTo<D>(std::nearbyintl(r));
    }
}

template <class S, class D>
D refScaleInt(S v, int hint) {
    const bool acc = hint == 2;
    if constexpr (std::is_same_v<S, Kzv8u> && std::is_same_v<D, Kzv16u>)
        return D(v * 257);
    else if constexpr (std::is_same_v<S, Kzv8u> && std::is_same_v<D, Kzv16s>)
        return D(int(v) * 257 - 32768);
    else if constexpr (std::is_same_v<S, Kzv8u> && std::is_same_v<D, Kzv32s>)
        return D(int64_t(v) * 16843009 - 2147483648LL);
    else if constexpr (std::is_same_v<S, Kzv32s>) {
        if (acc) {
            volatile double p = double(v) * 5.937181414556033e-8;
            return satTo<D>(std::nearbyintl((long double)(p + 127.5000000296859)));
        }
        return satTo<D>(std::nearbyintl((long double)std::fmaf(float(v), 5.937181414556033e-8f, 127.5f)));
    } else {
        const int s = std::is_signed_v<S> ? int(v) : int(v) - 32768;
        if (acc) {
            volatile float p = float(s + 32768) * 0.0038910506f;
            return satTo<D>(std::nearbyintl((long double)p));
        }
        return D(((s - (s >> 8)) >> 8) + 128);
    }
}

// Scale to and from a float range: 8u32f in double precision rounded once
// to float; 32f8u as (v - vMin) * (255 / (vMax - vMin)) in single precision,
// the factor rounded once from double, then nearest even.
template <class S, class D>
D refScaleRange(S v, float vMin, float vMax) {
    if constexpr (std::is_same_v<S, Kzv8u>) {
        const long double exact = (long double)vMin + (long double)v * ((long double)vMax - (long double)vMin) / 255.0L;
        return D(exact);
    } else {
        volatile float t = v - vMin;
        volatile float k = float(255.0 / (double(vMax) - double(vMin)));
        volatile float prod = t * k;
        return satTo<D>(std::nearbyintl((long double)prod));
    }
}

// ---- Export table ---------------------------------------------------------------

enum class Kind { Plain, Round, Sfs, ISfs, Rs, Scale, ScaleH, ScaleV, ScaleC, ScaleCI };

// Parameters drawn per case.
struct Params {
    int mode = 1;
    int sf = 0;
    int hint = 0;
    double m = 1, a = 0;
    float vMin = 0, vMax = 1;
};

// One export: invoke on raw pointers (tuning null: the export itself,
// otherwise its twin), and the per-sample reference.
struct Entry {
    std::string name;
    Kind kind;
    int srcBytes, dstBytes;
    int channels;  // samples per pixel in memory
    bool ac4;
    bool stepsChecked;
    bool floatSrc;
    bool floatDst;
    std::function<KzvStatus(const void*, int, void*, int, KzvImageSize, const Params&, const Tuning*)> call;
    // Writes the reference sample for source sample bytes at s into d.
    std::function<void(const void* s, void* d, const Params&)> ref;
    // Fills n source samples.
    std::function<void(Rng&, void*, size_t, bool)> fill;
};

int layoutChannels(kzv::cvt::Lay l) {
    return l == kzv::cvt::Lay::C1 ? 1 : l == kzv::cvt::Lay::C3 ? 3 : 4;
}

template <class S>
std::function<void(Rng&, void*, size_t, bool)> filler() {
    return [](Rng& rng, void* p, size_t n, bool adv) {
        std::vector<S> v = kzvt::randomSamples<S>(rng, n, adv, true);
        if constexpr (std::is_floating_point_v<S>) {
            // Ties and near-ties in about a quarter of the non-adversarial fills.
            if (!adv && rng.chance(0.3))
                for (auto& x : v) x = S(rng.uniform(-700, 700)) / S(2) + (rng.chance(0.2) ? S(1e-4) : S(0));
        }
        memcpy(p, v.data(), n * sizeof(S));
    };
}

template <class S, class D, class F>
std::function<void(const void*, void*, const Params&)> refOf(F f) {
    return [f](const void* s, void* d, const Params& p) {
        S v;
        memcpy(&v, s, sizeof(S));
        D r = f(v, p);
        memcpy(d, &r, sizeof(D));
    };
}

template <class S, class D>
Entry makeEntry(const char* name, Kind k, kzv::cvt::Lay l, bool checked) {
    Entry e;
    e.name = name;
    e.kind = k;
    e.srcBytes = sizeof(S);
    e.dstBytes = sizeof(D);
    e.channels = layoutChannels(l);
    e.ac4 = l == kzv::cvt::Lay::AC4;
    e.stepsChecked = checked;
    e.floatSrc = std::is_floating_point_v<S>;
    e.floatDst = std::is_floating_point_v<D>;
    e.fill = filler<S>();
    return e;
}

std::vector<Entry> buildTable() {
    using kzv::cvt::Lay;
    std::vector<Entry> t;
#define CVT(name, S, D, L, C)                                                                                  \
    {                                                                                                          \
        Entry e = makeEntry<S, D>(#name, Kind::Plain, Lay::L, C);                                              \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params&, const Tuning* tu) { \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, *tu)                               \
                      : name((const S*)s, ss, (D*)d, ds, r);                                                   \
        };                                                                                                     \
        e.ref = refOf<S, D>([](S v, const Params&) { return refConvert<S, D>(v); });                           \
        t.push_back(e);                                                                                        \
    }
#define CVTR(name, S, D, L)                                                                                      \
    {                                                                                                            \
        Entry e = makeEntry<S, D>(#name, Kind::Round, Lay::L, true);                                             \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            const KzvRounding m = KzvRounding(p.mode);                                                           \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, m, *tu)                              \
                      : name((const S*)s, ss, (D*)d, ds, r, m);                                                  \
        };                                                                                                       \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refSfs<S, D>(v, p.mode, 0); });                    \
        t.push_back(e);                                                                                          \
    }
#define CVTSFS(name, S, D)                                                                                       \
    {                                                                                                            \
        Entry e = makeEntry<S, D>(#name, Kind::Sfs, Lay::C1, false);                                             \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            const KzvRounding m = KzvRounding(p.mode);                                                           \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, m, p.sf, *tu)                        \
                      : name((const S*)s, ss, (D*)d, ds, r, m, p.sf);                                            \
        };                                                                                                       \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refSfs<S, D>(v, p.mode, p.sf); });                 \
        t.push_back(e);                                                                                          \
    }
#define CVTISFS(name, S, D)                                                                                 \
    {                                                                                                       \
        Entry e = makeEntry<S, D>(#name, Kind::ISfs, Lay::C1, false);                                       \
        e.call = [](const void*, int, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            const KzvRounding m = KzvRounding(p.mode);                                                      \
            return tu ? kzv::cvt::twin::name((S*)d, ds, r, m, p.sf, *tu) : name((S*)d, ds, r, m, p.sf);     \
        };                                                                                                  \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refSfs<S, D>(v, p.mode, p.sf); });            \
        t.push_back(e);                                                                                     \
    }
#define CVTRS(name, S, D)                                                                                      \
    {                                                                                                          \
        Entry e = makeEntry<S, D>(#name, Kind::Rs, Lay::C1, false);                                            \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params&, const Tuning* tu) { \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, *tu)                               \
                      : name((const S*)s, ss, (D*)d, ds, r);                                                   \
        };                                                                                                     \
        e.ref = refOf<S, D>([](S v, const Params&) { return D(v < 0 ? 0 : v); });                              \
        t.push_back(e);                                                                                        \
    }
#define SCALE(name, S, D, L)                                                                                   \
    {                                                                                                          \
        Entry e = makeEntry<S, D>(#name, Kind::Scale, Lay::L, true);                                           \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params&, const Tuning* tu) { \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, *tu)                               \
                      : name((const S*)s, ss, (D*)d, ds, r);                                                   \
        };                                                                                                     \
        e.ref = refOf<S, D>([](S v, const Params&) { return refScaleInt<S, D>(v, 0); });                       \
        t.push_back(e);                                                                                        \
    }
#define SCALEH(name, S, D, L)                                                                                    \
    {                                                                                                            \
        Entry e = makeEntry<S, D>(#name, Kind::ScaleH, Lay::L, true);                                            \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            const KzvAlgHint h = KzvAlgHint(p.hint);                                                             \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, h, *tu)                              \
                      : name((const S*)s, ss, (D*)d, ds, r, h);                                                  \
        };                                                                                                       \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refScaleInt<S, D>(v, p.hint); });                  \
        t.push_back(e);                                                                                          \
    }
#define SCALEV(name, S, D, L)                                                                                    \
    {                                                                                                            \
        Entry e = makeEntry<S, D>(#name, Kind::ScaleV, Lay::L, true);                                            \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, (D*)d, ds, r, p.vMin, p.vMax, *tu)                 \
                      : name((const S*)s, ss, (D*)d, ds, r, p.vMin, p.vMax);                                     \
        };                                                                                                       \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refScaleRange<S, D>(v, p.vMin, p.vMax); });        \
        t.push_back(e);                                                                                          \
    }
#define SCALEC(name, S, D)                                                                                       \
    {                                                                                                            \
        Entry e = makeEntry<S, D>(#name, Kind::ScaleC, Lay::C1, true);                                           \
        e.call = [](const void* s, int ss, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) { \
            const KzvAlgHint h = KzvAlgHint(p.hint);                                                             \
            return tu ? kzv::cvt::twin::name((const S*)s, ss, p.m, p.a, (D*)d, ds, r, h, *tu)                    \
                      : name((const S*)s, ss, p.m, p.a, (D*)d, ds, r, h);                                        \
        };                                                                                                       \
        e.ref = refOf<S, D>([](S v, const Params& p) { return refScaleC<S, D>(v, p.m, p.a, p.hint == 2); });     \
        t.push_back(e);                                                                                          \
    }
#define SCALECI(name, T)                                                                                        \
    {                                                                                                           \
        Entry e = makeEntry<T, T>(#name, Kind::ScaleCI, Lay::C1, true);                                         \
        e.call = [](const void*, int, void* d, int ds, KzvImageSize r, const Params& p, const Tuning* tu) {     \
            const KzvAlgHint h = KzvAlgHint(p.hint);                                                            \
            return tu ? kzv::cvt::twin::name((T*)d, ds, p.m, p.a, r, h, *tu) : name((T*)d, ds, p.m, p.a, r, h); \
        };                                                                                                      \
        e.ref = refOf<T, T>([](T v, const Params& p) { return refScaleC<T, T>(v, p.m, p.a, p.hint == 2); });    \
        t.push_back(e);                                                                                         \
    }
#define B2G(name, D)
#define G2B(name, S)
#include "pixel/convert_exports.inc"
#undef CVT
#undef CVTR
#undef CVTSFS
#undef CVTISFS
#undef CVTRS
#undef SCALE
#undef SCALEH
#undef SCALEV
#undef SCALEC
#undef SCALECI
#undef B2G
#undef G2B
    return t;
}

const std::vector<Entry>& table() {
    static const std::vector<Entry> t = buildTable();
    return t;
}

bool inPlace(const Entry& e) {
    return e.kind == Kind::ISfs || e.kind == Kind::ScaleCI;
}

const int kFactors[] = {-1000, -40, -33, -17, -16, -9, -8, -7, -6, -1, 0,  1,  2,
                        3,     7,   8,   9,   15,  16, 17, 24, 31, 32, 33, 40, 1000};

Params randomParams(const Entry& e, Rng& rng) {
    Params p;
    p.mode = rng.pick({0, 1, 2, 7, -3});
    p.sf = e.kind == Kind::Sfs || e.kind == Kind::ISfs
               ? (rng.chance(0.6) ? rng.uniform(-3, 4) : kFactors[rng.uniform(0, 25)])
               : 0;
    p.hint = rng.pick({0, 1, 2, 5});
    if (rng.chance(0.15)) {
        p.m = 1, p.a = 0;  // the identity shortcut
    } else if (rng.chance(0.3)) {
        p.m = rng.pick({0.5, -0.5, 1.5, 2.0, -1.0}), p.a = rng.pick({0.5, -0.5, 0.0, 0.25, 100.5});
    } else {
        p.m = rng.real(-300, 300), p.a = rng.real(-40000, 40000);
    }
    p.vMin = float(rng.real(-500, 200));
    p.vMax = p.vMin + float(rng.pick({1e-3, 1.0, 255.0, 1000.0, rng.real(0.5, 5000)}));
    return p;
}

}  // namespace

namespace {

// The expected destination region for an entry, from the source region and
// the destination's prior contents (AC4 alpha kept).
std::vector<uint8_t> expected(const Entry& e, const std::vector<uint8_t>& src, const std::vector<uint8_t>& dstBefore,
                              size_t samples, const Params& p) {
    std::vector<uint8_t> out = dstBefore;
    for (size_t i = 0; i < samples; ++i) {
        if (e.ac4 && i % 4 == 3) continue;
        e.ref(src.data() + i * e.srcBytes, out.data() + i * e.dstBytes, p);
    }
    return out;
}

::testing::AssertionResult sameBytes(const Entry& e, const GuardedImage& img, const std::vector<uint8_t>& want) {
    switch (e.dstBytes) {
        case 1: {
            std::vector<uint8_t> w(want);
            return kzvt::regionNear(img, w);
        }
        case 2: {
            std::vector<uint16_t> w(want.size() / 2);
            memcpy(w.data(), want.data(), want.size());
            return kzvt::regionNear(img, w);
        }
        case 4: {
            if (e.floatDst) {
                std::vector<float> f(want.size() / 4);
                memcpy(f.data(), want.data(), want.size());
                return kzvt::regionNear(img, f);
            }
            std::vector<uint32_t> w(want.size() / 4);
            memcpy(w.data(), want.data(), want.size());
            return kzvt::regionNear(img, w);
        }
        default: {
            if (e.floatDst) {
                std::vector<double> f(want.size() / 8);
                memcpy(f.data(), want.data(), want.size());
                return kzvt::regionNear(img, f);
            }
            std::vector<uint64_t> w(want.size() / 8);
            memcpy(w.data(), want.data(), want.size());
            return kzvt::regionNear(img, w);
        }
    }
}

// Runs one entry on one region: through the export and through the twin
// with non-temporal stores forced, each on a fresh guarded destination.
void runCase(const Entry& e, Rng& rng, int w, int h, bool adversarial, const Params& p) {
    const bool negOK = !e.stepsChecked;
    const size_t samples = size_t(w) * h * e.channels;
    std::vector<uint8_t> srcData(samples * e.srcBytes);
    e.fill(rng, srcData.data(), samples, adversarial);
    const Tuning stream{1, 32, 0, 0, 0};
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(e.name + (pass ? " (non-temporal twin)" : " (export)") + " " + std::to_string(w) + "x" +
                     std::to_string(h) + " mode " + std::to_string(p.mode) + " sf " + std::to_string(p.sf) + " hint " +
                     std::to_string(p.hint) + " m " + std::to_string(p.m) + " a " + std::to_string(p.a));
        if (inPlace(e)) {
            GuardedImage img(kzvt::randomLayout(rng, w, h, e.channels * e.srcBytes, e.srcBytes, negOK));
            img.load(srcData.data());
            const std::vector<uint8_t> want = expected(e, srcData, srcData, samples, p);
            ASSERT_EQ(e.call(nullptr, 0, img.data(), img.step(), {w, h}, p, pass ? &stream : nullptr), 0);
            ASSERT_TRUE(img.checkWrites());
            ASSERT_TRUE(sameBytes(e, img, want));
            continue;
        }
        GuardedImage src(kzvt::randomLayout(rng, w, h, e.channels * e.srcBytes, e.srcBytes, negOK));
        GuardedImage dst(kzvt::randomLayout(rng, w, h, e.channels * e.dstBytes, e.dstBytes, negOK));
        src.load(srcData.data());
        dst.fillRandomBytes(rng);
        const std::vector<uint8_t> want = expected(e, srcData, dst.packed(), samples, p);
        ASSERT_EQ(e.call(src.data(), src.step(), dst.data(), dst.step(), {w, h}, p, pass ? &stream : nullptr), 0);
        ASSERT_TRUE(src.unchanged());
        ASSERT_TRUE(dst.checkWrites(e.ac4 ? kzvt::skipAlpha(e.dstBytes) : std::function<bool(int, int)>{}));
        ASSERT_TRUE(sameBytes(e, dst, want));
    }
}

}  // namespace

// Every export over narrow and wide rows, random steps and offsets, negative
// steps where steps are used as given, adversarial fills and random
// parameters.
TEST(Convert, EveryExportMatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const Entry& e : table()) {
            for (const auto& c : kzvt::sweepCases(rng, 32)) {
                const Params p = randomParams(e, rng);
                runCase(e, rng, c.width, c.height, c.adversarial, p);
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
    });
}

// Every 8-bit and 16-bit source value, for every rounding mode, hint and a
// range of scale factors including the zero-fill and saturation thresholds.
TEST(Convert, ExhaustiveSmallSources) {
    Rng rng(kzvt::baseSeed());
    for (const Entry& e : table()) {
        if (e.floatSrc || e.srcBytes > 2 || e.ac4) continue;
        const int values = e.srcBytes == 1 ? 256 : 65536;
        const int w = 256, h = values / 256;
        std::vector<uint8_t> src(size_t(values) * e.srcBytes);
        for (int i = 0; i < values; ++i) {
            if (e.srcBytes == 1)
                src[i] = uint8_t(i);
            else {
                const uint16_t v = uint16_t(i);
                memcpy(&src[2 * i], &v, 2);
            }
        }
        std::vector<Params> ps;
        if (e.kind == Kind::Sfs || e.kind == Kind::ISfs) {
            for (int mode : {0, 1, 2, 7})
                for (int sf : kFactors) {
                    Params p;
                    p.mode = mode, p.sf = sf;
                    ps.push_back(p);
                }
        } else if (e.kind == Kind::ScaleH || e.kind == Kind::ScaleC || e.kind == Kind::ScaleCI) {
            for (int hint : {0, 2})
                for (auto ma : {std::pair<double, double>{0.5, 0.5}, {-1.0, 0.25}, {0.0039, -3.5}, {257.0, -32768.0}}) {
                    Params p;
                    p.hint = hint, p.m = ma.first, p.a = ma.second;
                    ps.push_back(p);
                }
        } else if (e.kind == Kind::ScaleV) {
            for (auto r : {std::pair<float, float>{0.0f, 1.0f}, {-1.5f, 254.0f}, {100.0f, 100.001f}}) {
                Params p;
                p.vMin = r.first, p.vMax = r.second;
                ps.push_back(p);
            }
        } else {
            ps.push_back(Params{});
        }
        for (const Params& p : ps) {
            SCOPED_TRACE(e.name + " mode " + std::to_string(p.mode) + " sf " + std::to_string(p.sf) + " hint " +
                         std::to_string(p.hint) + " m " + std::to_string(p.m));
            const int ch = e.channels;
            // Pixels of `ch` samples: the values spread over a (w / ch)-wide region.
            const int pw = (w * h) / ch, ph = 1;
            const size_t samples = size_t(pw) * ph * ch;
            std::vector<uint8_t> srcUsed(src.begin(), src.begin() + samples * e.srcBytes);
            if (inPlace(e)) {
                GuardedImage img(pw, ph, ch * e.srcBytes);
                img.load(srcUsed.data());
                ASSERT_EQ(e.call(nullptr, 0, img.data(), img.step(), {pw, ph}, p, nullptr), 0);
                ASSERT_TRUE(sameBytes(e, img, expected(e, srcUsed, srcUsed, samples, p)));
            } else {
                GuardedImage s(pw, ph, ch * e.srcBytes), d(pw, ph, ch * e.dstBytes);
                s.load(srcUsed.data());
                d.fillRandomBytes(rng);
                const auto want = expected(e, srcUsed, d.packed(), samples, p);
                ASSERT_EQ(e.call(s.data(), s.step(), d.data(), d.step(), {pw, ph}, p, nullptr), 0);
                ASSERT_TRUE(sameBytes(e, d, want));
            }
        }
    }
}

namespace {

template <class F>
std::vector<Kzv8u> convert32f8u(const std::vector<float>& in, int mode, F) {
    std::vector<Kzv8u> out(in.size());
    EXPECT_EQ(kzviConvert_32f8u_C1R(in.data(), int(in.size() * 4), out.data(), int(out.size()), {int(in.size()), 1},
                                    KzvRounding(mode)),
              0);
    return out;
}

}  // namespace

TEST(Convert, FloatRoundingCases) {
    const std::vector<float> in = {2.5f, 3.5f, -0.4f, 300.0f, 0.49999997f, -2.5f, 254.5f, 255.5f};
    auto run = [&](int mode) { return convert32f8u(in, mode, 0); };
    EXPECT_EQ(run(1), (std::vector<Kzv8u>{2, 4, 0, 255, 0, 0, 254, 255}));
    EXPECT_EQ(run(0), (std::vector<Kzv8u>{2, 3, 0, 255, 0, 0, 254, 255}));
    EXPECT_EQ(run(2), (std::vector<Kzv8u>{3, 4, 0, 255, 0, 0, 255, 255}));
    EXPECT_EQ(run(7), run(2));
    // Signed: ties away from zero, NaN and infinities.
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::vector<float> s = {-2.5f, -0.5f, -0.49999997f, nan, inf, -inf, -1e20f, 1e20f, 126.5f};
    std::vector<Kzv8s> o(s.size());
    ASSERT_EQ(kzviConvert_32f8s_C1R(s.data(), 64, o.data(), 16, {int(s.size()), 1}, kzvRoundHalfUp), 0);
    EXPECT_EQ(o, (std::vector<Kzv8s>{-3, -1, 0, 0, 127, -128, -128, 127, 127}));
    ASSERT_EQ(kzviConvert_32f8s_C1R(s.data(), 64, o.data(), 16, {int(s.size()), 1}, kzvRoundNearestEven), 0);
    EXPECT_EQ(o, (std::vector<Kzv8s>{-2, 0, 0, 0, 127, -128, -128, 127, 126}));
    // 32-bit destinations at the edges of their ranges.
    const std::vector<float> big = {2147483648.0f, -2147483648.0f, -3e9f,        4294967296.0f, 3e9f,
                                    nan,           -0.5f,          2147483520.0f};
    std::vector<Kzv32s> o32(big.size());
    std::vector<Kzv32u> u32(big.size());
    ASSERT_EQ(kzviConvert_32f32s_C1RSfs(big.data(), 64, o32.data(), 64, {int(big.size()), 1}, kzvRoundNearestEven, 0),
              0);
    EXPECT_EQ(o32, (std::vector<Kzv32s>{INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 2147483520}));
    ASSERT_EQ(kzviConvert_32f32u_C1RSfs(big.data(), 64, u32.data(), 64, {int(big.size()), 1}, kzvRoundHalfUp, 0), 0);
    EXPECT_EQ(u32, (std::vector<Kzv32u>{2147483648u, 0, 0, UINT32_MAX, 3000000000u, 0, 0, 2147483520u}));
    // A scale factor far beyond the float exponent range still multiplies exactly.
    const float tiny = std::numeric_limits<float>::denorm_min();
    Kzv32s r = 0;
    ASSERT_EQ(kzviConvert_32f32s_C1RSfs(&tiny, 4, &r, 4, {1, 1}, kzvRoundNearestEven, -150), 0);
    EXPECT_EQ(r, 2);
    // Clamping at zero.
    const Kzv16s neg[] = {-5, 7};
    Kzv16u pos[2];
    ASSERT_EQ(kzviConvert_16s16u_C1Rs(neg, 4, pos, 4, {2, 1}), 0);
    EXPECT_EQ(pos[0], 0);
    EXPECT_EQ(pos[1], 7);
}

// Integer scaled conversions: halves of every rounding mode, and the
// thresholds where results become all zero or all saturated.
TEST(Convert, IntegerScaleFactorRounding) {
    const Kzv16s in[] = {-5, -3, -1, 1, 3, 5, 255, -255};
    Kzv8s out[8];
    auto run = [&](int mode, int sf) {
        EXPECT_EQ(kzviConvert_16s8s_C1RSfs(in, 16, out, 8, {8, 1}, KzvRounding(mode), sf), 0);
        return std::vector<int>(out, out + 8);
    };
    EXPECT_EQ(run(1, 1), (std::vector<int>{-2, -2, 0, 0, 2, 2, 127, -128}));
    EXPECT_EQ(run(0, 1), (std::vector<int>{-2, -1, 0, 0, 1, 2, 127, -127}));
    EXPECT_EQ(run(2, 1), (std::vector<int>{-3, -2, -1, 1, 2, 3, 127, -128}));
    EXPECT_EQ(run(1, 3), (std::vector<int>{-1, 0, 0, 0, 0, 1, 32, -32}));
    // 16u to 8s: 65535 * 2^-16 still rounds to 1; from 17 on everything is 0;
    // below -6 every non-zero value saturates.
    const Kzv16u u[] = {0, 1, 32768, 32769, 65535};
    Kzv8s o[5];
    ASSERT_EQ(kzviConvert_16u8s_C1RSfs(u, 10, o, 5, {5, 1}, kzvRoundNearestEven, 16), 0);
    EXPECT_EQ(std::vector<int>(o, o + 5), (std::vector<int>{0, 0, 0, 1, 1}));
    ASSERT_EQ(kzviConvert_16u8s_C1RSfs(u, 10, o, 5, {5, 1}, kzvRoundHalfUp, 17), 0);
    EXPECT_EQ(std::vector<int>(o, o + 5), (std::vector<int>{0, 0, 0, 0, 0}));
    ASSERT_EQ(kzviConvert_16u8s_C1RSfs(u, 10, o, 5, {5, 1}, kzvRoundZero, -7), 0);
    EXPECT_EQ(std::vector<int>(o, o + 5), (std::vector<int>{0, 127, 127, 127, 127}));
    ASSERT_EQ(kzviConvert_16u8s_C1RSfs(u, 10, o, 5, {5, 1}, kzvRoundZero, INT32_MIN), 0);
    EXPECT_EQ(std::vector<int>(o, o + 5), (std::vector<int>{0, 127, 127, 127, 127}));
    ASSERT_EQ(kzviConvert_16u8s_C1RSfs(u, 10, o, 5, {5, 1}, kzvRoundHalfUp, INT32_MAX), 0);
    EXPECT_EQ(std::vector<int>(o, o + 5), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(Convert, ScaleEndpoints) {
    const Kzv8u b[] = {0, 255, 128};
    Kzv16s s16[3];
    ASSERT_EQ(kzviScale_8u16s_C1R(b, 3, s16, 6, {3, 1}), 0);
    EXPECT_EQ(s16[0], -32768);
    EXPECT_EQ(s16[1], 32767);
    const Kzv16s e[] = {-32768, 32767, 0};
    Kzv8u o[3];
    for (int hint : {0, 2}) {
        ASSERT_EQ(kzviScale_16s8u_C1R(e, 6, o, 3, {3, 1}, KzvAlgHint(hint)), 0);
        EXPECT_EQ(o[0], 0);
        EXPECT_EQ(o[1], 255);
    }
    const Kzv32s e32[] = {INT32_MIN, INT32_MAX, 0};
    for (int hint : {0, 2}) {
        ASSERT_EQ(kzviScale_32s8u_C1R(e32, 12, o, 3, {3, 1}, KzvAlgHint(hint)), 0);
        EXPECT_EQ(o[0], 0);
        EXPECT_EQ(o[1], 255);
    }
    // Float ranges: both ends map onto each other.
    for (auto r : {std::pair<float, float>{-1.0f, 1.0f}, {0.1f, 0.7f}, {-1e6f, 3e7f}}) {
        float f[3];
        ASSERT_EQ(kzviScale_8u32f_C1R(b, 3, f, 12, {3, 1}, r.first, r.second), 0);
        EXPECT_EQ(f[0], r.first);
        EXPECT_EQ(f[1], r.second);
        const float back[] = {r.first, r.second};
        ASSERT_EQ(kzviScale_32f8u_C1R(back, 8, o, 2, {2, 1}, r.first, r.second), 0);
        EXPECT_EQ(o[0], 0);
        EXPECT_EQ(o[1], 255);
    }
}

// A conversion under a non-default rounding mode rounds by its own rule
// and leaves the caller's MXCSR exactly as it was.
TEST(Convert, CallerRoundingModeIsKept) {
    const float in[] = {2.5f, 3.5f, -2.5f, 0.49999997f, 1.5f, 100.7f};
    const unsigned saved = _mm_getcsr();
    for (unsigned mode : {0x2000u, 0x4000u, 0x6000u}) {
        const unsigned set = (saved & ~0x6000u) | mode;
        _mm_setcsr(set);
        Kzv16s ne[6], hu[6], sc[6];
        Kzv32f f[6];
        const KzvStatus a = kzviConvert_32f16s_C1R(in, 24, ne, 12, {6, 1}, kzvRoundNearestEven);
        const unsigned afterA = _mm_getcsr() & ~0x3Fu;
        const KzvStatus b = kzviConvert_32f16s_C1R(in, 24, hu, 12, {6, 1}, kzvRoundHalfUp);
        const KzvStatus c = kzviScaleC_32f16s_C1R(in, 24, 1.0, 0.25, sc, 12, {6, 1}, kzvAlgHintAccurate);
        const Kzv32s big[] = {16777217, -16777217, 33554435, 1, 2, 3};
        const KzvStatus d = kzviConvert_32s32f_C1R(big, 24, f, 24, {6, 1});
        const unsigned after = _mm_getcsr() & ~0x3Fu;
        _mm_setcsr(saved);
        ASSERT_EQ(a, 0);
        ASSERT_EQ(b, 0);
        ASSERT_EQ(c, 0);
        ASSERT_EQ(d, 0);
        EXPECT_EQ(afterA, set & ~0x3Fu);
        EXPECT_EQ(after, set & ~0x3Fu);
        EXPECT_EQ(std::vector<int>(ne, ne + 6), (std::vector<int>{2, 4, -2, 0, 2, 101}));
        EXPECT_EQ(std::vector<int>(hu, hu + 6), (std::vector<int>{3, 4, -3, 0, 2, 101}));
        EXPECT_EQ(std::vector<int>(sc, sc + 6), (std::vector<int>{3, 4, -2, 1, 2, 101}));
        EXPECT_EQ(f[0], 16777216.0f);
        EXPECT_EQ(f[1], -16777216.0f);
        EXPECT_EQ(f[2], 33554436.0f);
    }
}

// ---- Argument checks ----------------------------------------------------------

namespace {

struct CheckCase {
    const char* what;
    bool nullSrc, nullDst;
    int w, h, srcStep, dstStep;
    KzvStatus checked, unchecked;  // expected for families that check steps / do not
};

}  // namespace

TEST(Convert, ArgumentChecksWriteNothing) {
    const CheckCase cases[] = {
        {"null source, zero size", true, false, 0, 0, 64, 64, -8, -8},
        {"null destination", false, true, 4, 2, 64, 64, -8, -8},
        {"zero width, zero step", false, false, 0, 2, 0, 0, -6, -6},
        {"negative height", false, false, 4, -1, 64, 64, -6, -6},
        {"zero source step", false, false, 4, 2, 0, 64, -16, 0},
        {"negative destination step", false, false, 4, 1, 64, -64, -16, 0},
    };
    Params p;
    p.m = 2.0;  // not the identity
    for (const Entry& e : table()) {
        for (const CheckCase& c : cases) {
            SCOPED_TRACE(e.name + ": " + c.what);
            const KzvStatus want = e.stepsChecked ? c.checked : c.unchecked;
            if (want == 0) continue;  // steps used as given: covered by the sweep
            if (inPlace(e) && c.srcStep != c.dstStep && want == -16 && c.srcStep > 0) continue;
            GuardedImage src(8, 4, 4 * 8), dst(8, 4, 4 * 8);
            Rng rng(1);
            src.fillRandomBytes(rng);
            dst.fillRandomBytes(rng);
            const void* s = c.nullSrc ? nullptr : src.data();
            void* d = c.nullDst ? nullptr : dst.data();
            if (inPlace(e) && c.nullSrc) d = nullptr;
            EXPECT_EQ(e.call(s, c.srcStep, d, inPlace(e) ? c.srcStep : c.dstStep, {c.w, c.h}, p, nullptr), want);
            EXPECT_TRUE(src.unchanged());
            EXPECT_TRUE(dst.unchanged());
        }
    }
}

TEST(Convert, DepartingCheckOrders) {
    // An empty or NaN range fails first, even with null pointers.
    EXPECT_EQ(kzviScale_32f8u_C1R(nullptr, 0, nullptr, 0, {0, 0}, 1.0f, 1.0f), -12);
    EXPECT_EQ(kzviScale_8u32f_C4R(nullptr, 0, nullptr, 0, {0, 0}, 2.0f, 1.0f), -12);
    EXPECT_EQ(kzviScale_8u32f_C1R(nullptr, 0, nullptr, 0, {1, 1}, 0.0f, std::numeric_limits<float>::quiet_NaN()), -12);
    EXPECT_EQ(kzviScale_8u32f_C1R(nullptr, 0, nullptr, 0, {1, 1}, 0.0f, 1.0f), -8);
    // The identity ScaleC: in place returns 0 before any check; one type is
    // a copy (pointers and size only); two types are the Convert function.
    EXPECT_EQ(kzviScaleC_8u_C1IR(nullptr, 0, 1.0, 0.0, {0, 0}, kzvAlgHintNone), 0);
    EXPECT_EQ(kzviScaleC_32f_C1IR(nullptr, 0, 1.0 + 1e-17, -1e-17, {0, 0}, kzvAlgHintAccurate), 0);
    EXPECT_EQ(kzviScaleC_8u_C1IR(nullptr, 0, 1.0, 1e-15, {1, 1}, kzvAlgHintNone), -8);
    Kzv16s a[4] = {1, -2, 300, -300};
    Kzv32s b[4] = {};
    Kzv8u c[4] = {};
    EXPECT_EQ(kzviScaleC_16s32s_C1R(a, 0, 1.0, 0.0, b, 0, {4, 1}, kzvAlgHintNone), 0);  // steps unchecked
    EXPECT_EQ(b[2], 300);
    EXPECT_EQ(kzviScaleC_16s8u_C1R(a, 0, 1.0, 0.0, c, 4, {4, 1}, kzvAlgHintNone), -16);
    EXPECT_EQ(kzviScaleC_16s8u_C1R(a, 8, 1.0, 0.0, c, 4, {4, 1}, kzvAlgHintNone), 0);
    EXPECT_EQ(std::vector<int>(c, c + 4), (std::vector<int>{1, 0, 255, 0}));
    EXPECT_EQ(kzviScaleC_16s_C1R(a, 0, 1.0, 0.0, a, 0, {4, 1}, kzvAlgHintNone), 0);
    EXPECT_EQ(kzviScaleC_16s_C1R(a, 8, 2.0, 0.0, a, 0, {4, 1}, kzvAlgHintNone), -16);
    // 32-bit integers keep every bit through the identity.
    const Kzv32s big[] = {16777217, INT32_MAX};
    Kzv64f dd[2];
    ASSERT_EQ(kzviScaleC_32s64f_C1R(big, 8, 1.0, 0.0, dd, 16, {2, 1}, kzvAlgHintFast), 0);
    EXPECT_EQ(dd[0], 16777217.0);
    EXPECT_EQ(dd[1], 2147483647.0);
}

// ---- BinToGray / GrayToBin ------------------------------------------------------

namespace {

template <class D>
void binToGrayCase(const char* name, KzvStatus (*f)(const Kzv8u*, int32_t, int32_t, D*, int32_t, KzvImageSize, D, D),
                   Rng& rng) {
    for (const auto& c : kzvt::sweepCases(rng, 32)) {
        const int off = rng.uniform(0, 20);
        const int o = off & 7;
        const int rowBytes = (o + c.width + 7) / 8;
        SCOPED_TRACE(std::string(name) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) + " offset " +
                     std::to_string(off));
        // The source region holds exactly the bytes that carry row pixels.
        GuardedImage src(kzvt::randomLayout(rng, rowBytes, c.height, 1, 1, false));
        GuardedImage dst(kzvt::randomLayout(rng, c.width, c.height, sizeof(D), sizeof(D), false));
        src.fillRandomBytes(rng);
        dst.fillRandomBytes(rng);
        const D lo = kzvt::randomValue<D>(rng), hi = kzvt::randomValue<D>(rng);
        std::vector<D> want(size_t(c.width) * c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const int bit = o + x;
                want[size_t(y) * c.width + x] = ((src.row(y)[bit / 8] >> (bit % 8)) & 1) ? hi : lo;
            }
        ASSERT_EQ(f(src.data(), src.step(), off, dst.ptr<D>(), dst.step(), {c.width, c.height}, lo, hi), 0);
        ASSERT_TRUE(dst.checkWrites());
        ASSERT_TRUE(kzvt::regionNear(dst, want));
    }
}

template <class S>
void grayToBinCase(const char* name, KzvStatus (*f)(const S*, int32_t, Kzv8u*, int32_t, int32_t, KzvImageSize, S),
                   Rng& rng) {
    for (const auto& c : kzvt::sweepCases(rng, 32)) {
        const int off = rng.uniform(0, 20);
        const int o = off & 7;
        const int rowBytes = (o + c.width + 7) / 8;
        SCOPED_TRACE(std::string(name) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) + " offset " +
                     std::to_string(off));
        GuardedImage src(kzvt::randomLayout(rng, c.width, c.height, sizeof(S), sizeof(S), false));
        GuardedImage dst(kzvt::randomLayout(rng, rowBytes, c.height, 1, 1, false));
        std::vector<S> v = kzvt::randomSamples<S>(rng, size_t(c.width) * c.height, c.adversarial, true);
        src.load(v.data());
        dst.fillRandomBytes(rng);
        const S thr = rng.chance(0.2) ? v[0] : kzvt::randomValue<S>(rng);
        std::vector<uint8_t> want = dst.packed();
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const int bit = o + x;
                uint8_t& b = want[size_t(y) * rowBytes + bit / 8];
                b = uint8_t((b & ~(1 << (bit % 8))) | ((v[size_t(y) * c.width + x] > thr ? 1 : 0) << (bit % 8)));
            }
        ASSERT_EQ(f(src.ptr<S>(), src.step(), dst.data(), dst.step(), off, {c.width, c.height}, thr), 0);
        ASSERT_TRUE(dst.checkWrites());
        ASSERT_TRUE(kzvt::regionNear(dst, want));
    }
}

}  // namespace

TEST(Convert, BinaryAndGrey) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
#define B2G(name, D) binToGrayCase<D>(#name, name, rng);
#define G2B(name, S) grayToBinCase<S>(#name, name, rng);
#define CVT(...)
#define CVTR(...)
#define CVTSFS(...)
#define CVTISFS(...)
#define CVTRS(...)
#define SCALE(...)
#define SCALEH(...)
#define SCALEV(...)
#define SCALEC(...)
#define SCALECI(...)
#include "pixel/convert_exports.inc"
    });
}

TEST(Convert, BinaryEdgeCases) {
    // Offset 3 writes bit 3 of the first byte and keeps bits 0-2; 11 acts as 3.
    const Kzv8u g[] = {200, 10, 200};
    for (int off : {3, 11}) {
        Kzv8u d[1] = {0xA5};
        ASSERT_EQ(kzviGrayToBin_8u1u_C1R(g, 3, d, 1, off, {3, 1}, 100), 0);
        EXPECT_EQ(d[0], (0xA5 & 0xC7) | 0x08 | 0x20);
    }
    const Kzv8u bits[] = {0x0F};
    Kzv16s out[4];
    ASSERT_EQ(kzviBinToGray_1u16s_C1R(bits, 1, 2, out, 8, {4, 1}, -7, 9), 0);
    EXPECT_EQ(std::vector<int>(out, out + 4), (std::vector<int>{9, 9, -7, -7}));
    // Negative offsets fail after the step check.
    Kzv8u d[2] = {};
    EXPECT_EQ(kzviGrayToBin_8u1u_C1R(g, 3, d, 1, -1, {3, 1}, 100), -6);
    EXPECT_EQ(kzviGrayToBin_8u1u_C1R(g, 0, d, 1, -1, {3, 1}, 100), -16);
    EXPECT_EQ(kzviBinToGray_1u8u_C1R(bits, 1, -1, d, 2, {2, 1}, 0, 1), -6);
    EXPECT_EQ(kzviBinToGray_1u8u_C1R(nullptr, 1, -1, d, 2, {2, 1}, 0, 1), -8);
    EXPECT_EQ(kzviBinToGray_1u32f_C1R(bits, 1, 0, nullptr, 2, {0, 1}, 0, 1), -8);
    EXPECT_EQ(d[0], 0);
    const float nanIn[] = {std::numeric_limits<float>::quiet_NaN(), 1.0f};
    ASSERT_EQ(kzviGrayToBin_32f1u_C1R(nanIn, 8, d, 1, 0, {2, 1}, 0.5f), 0);
    EXPECT_EQ(d[0] & 3, 2);
}
