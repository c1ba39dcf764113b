// Comparison into masks, fixed thresholds and the Otsu threshold: every
// export against a scalar reference over random sizes and layouts on guarded
// images, the argument checks, and the documented edge cases.
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "kzvt.h"
#include "pixel/compare_hist.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

constexpr int kAC4 = 5;
template <int CH>
constexpr int kSamples = CH == kAC4 ? 4 : CH;
template <int CH>
constexpr int kConsts = CH == kAC4 ? 3 : CH;
template <class T, int CH>
using ConstArg = std::conditional_t<CH == 1, T, const T*>;

template <class T, int CH>
ConstArg<T, CH> asArg(const T* v) {
    if constexpr (CH == 1) return v[0];
    else return v;
}

template <class T>
bool relation(int op, T a, T b) {
    switch (op) {
    case 0: return a < b;
    case 1: return a <= b;
    case 2: return a == b;
    case 3: return a >= b;
    default: return a > b;
    }
}

template <class T, int CH>
GuardedImage makeImage(Rng& rng, const kzvt::SweepCase& c, std::vector<T>& samples) {
    GuardedImage img(kzvt::randomLayout(rng, c.width, c.height, int(sizeof(T)) * kSamples<CH>, int(sizeof(T)), false));
    samples = kzvt::randomSamples<T>(rng, size_t(c.width) * kSamples<CH> * c.height, c.adversarial, true);
    // Small value ranges make equal samples (and ties with constants) common.
    if (!c.adversarial && rng.chance(0.5))
        for (auto& v : samples) v = T(rng.uniform(0, 3));
    img.load(samples.data());
    return img;
}

// A constant per channel, often equal to one of the samples.
template <class T>
T pickConst(Rng& rng, const std::vector<T>& samples) {
    if (rng.chance(0.4)) return samples[size_t(rng.range(0, int64_t(samples.size()) - 1))];
    if (rng.chance(0.3)) return T(rng.uniform(0, 3));
    return kzvt::randomValue<T>(rng);
}

// ---- Compare, CompareC, CompareEqualEps(C) -----------------------------------

// fn(a, as, b, bs, d, ds, size, op, eps); for constant forms b is the array.
template <class T, int CH>
using CmpFn = std::function<KzvStatus(const T*, int, const T*, int, Kzv8u*, int, KzvImageSize, int, float)>;

template <class T, int CH>
void sweepCompare(const char* name, const CmpFn<T, CH>& fn, bool isConst, bool isEps) {
    constexpr int P = kSamples<CH>;
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed ^ std::hash<std::string>{}(name));
        for (const auto& c : kzvt::sweepCases(rng, 64)) {
            std::vector<T> a, b, cst(4);
            std::vector<Kzv8u> d0;
            GuardedImage ia = makeImage<T, CH>(rng, c, a);
            GuardedImage ib;
            if (isConst) {
                for (int i = 0; i < kConsts<CH>; ++i) cst[i] = pickConst(rng, a);
            } else {
                ib = makeImage<T, CH>(rng, c, b);
            }
            GuardedImage id(kzvt::randomLayout(rng, c.width, c.height, 1, 1, false));
            id.fillRandomBytes(rng);
            const int op = rng.uniform(0, 4);
            const float eps = rng.pick<float>({0.0f, -0.0f, 0.5f, 1.0f, 3.0f, 100.0f});
            const KzvStatus st = fn(ia.ptr<T>(), ia.step(), isConst ? cst.data() : ib.ptr<T>(),
                                    isConst ? 0 : ib.step(), id.data(), id.step(), {c.width, c.height}, op, eps);
            ASSERT_EQ(st, kzvStatusOk) << name;
            std::vector<Kzv8u> ref(size_t(c.width) * c.height);
            for (size_t px = 0; px < ref.size(); ++px) {
                bool all = true;
                for (int ch = 0; ch < kConsts<CH>; ++ch) {
                    const size_t i = px * P + ch;
                    const T x = a[i], y = isConst ? cst[ch] : b[i];
                    if constexpr (std::is_same_v<T, float>) {
                        if (isEps) {
                            all = all && std::fabs(float(x - y)) <= eps;
                            continue;
                        }
                    }
                    all = all && relation(op, x, y);
                }
                ref[px] = all ? 255 : 0;
            }
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(id, ref)) << name << " op " << op << " eps " << eps;
            ASSERT_TRUE(id.checkWrites()) << name;
            ASSERT_TRUE(ia.unchanged()) << name;
        }
    });
    // Argument checks: null, steps before size, op out of range writes nothing.
    GuardedImage s(4, 2, int(sizeof(T)) * P), d(4, 2, 1);
    const T* ps = s.ptr<T>();
    const T cst[4] = {};
    const T* pb = isConst ? cst : ps;
    struct Arg {
        const T* a;
        const T* b;
        int as, ds;
        Kzv8u* d;
        KzvImageSize sz;
        int op;
        float eps;
        KzvStatus want;
    };
    std::vector<Arg> args = {
        {nullptr, pb, s.step(), d.step(), d.data(), {4, 2}, 0, 0, kzvStatusNullPtrErr},
        {ps, pb, s.step(), d.step(), nullptr, {4, 2}, 0, 0, kzvStatusNullPtrErr},
        {ps, pb, 0, d.step(), d.data(), {0, 2}, 0, 0, kzvStatusStepErr},
        {ps, pb, s.step(), -4, d.data(), {4, 2}, 0, 0, kzvStatusStepErr},
        {ps, pb, s.step(), d.step(), d.data(), {4, 0}, 0, 0, kzvStatusSizeErr},
    };
    if (!isConst || CH != 1) args.push_back({ps, nullptr, s.step(), d.step(), d.data(), {4, 2}, 0, 0, kzvStatusNullPtrErr});
    if (isEps) {
        args.push_back({ps, pb, s.step(), d.step(), d.data(), {4, 2}, 0, -1e-30f, kzvStatusEpsValErr});
    } else {
        for (int op : {5, 7, -1, INT32_MIN}) args.push_back({ps, pb, s.step(), d.step(), d.data(), {4, 2}, op, 0, kzvStatusOk});
    }
    for (const Arg& x : args) {
        EXPECT_EQ(fn(x.a, x.as, x.b, s.step(), x.d, x.ds, x.sz, x.op, x.eps), x.want) << name << " op " << x.op;
        EXPECT_TRUE(d.unchanged()) << name;
    }
}

// ---- Fixed thresholds ------------------------------------------------------------

enum Form { kOp, kLT, kGT, kLTVal, kGTVal, kVal, kLG };

// fn(s, ss, d, ds, size, constants[4] (threshold, value, thresholdGT, valueGT), op)
template <class T>
using ThrFn = std::function<KzvStatus(const T*, int, T*, int, KzvImageSize, const T* const*, int)>;

template <class T>
T thresholdRef(Form f, int op, T x, const T* c) {
    switch (f) {
    case kOp: return op == 0 ? (x < c[0] ? c[0] : x) : (x > c[0] ? c[0] : x);
    case kLT: return x < c[0] ? c[0] : x;
    case kGT: return x > c[0] ? c[0] : x;
    case kLTVal: return x < c[0] ? c[1] : x;
    case kGTVal: return x > c[0] ? c[1] : x;
    case kVal: return op == 0 ? (x < c[0] ? c[1] : x) : (x > c[0] ? c[1] : x);
    default: return x < c[0] ? c[1] : (x > c[2] ? c[3] : x);
    }
}

template <class T, int CH>
void sweepThreshold(const char* name, Form form, bool inPlace, const ThrFn<T>& fn) {
    constexpr int P = kSamples<CH>;
    const bool hasOp = form == kOp || form == kVal;
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed ^ std::hash<std::string>{}(name));
        for (const auto& c : kzvt::sweepCases(rng, std::max(2, int(64 / sizeof(T)) / P))) {
            std::vector<T> a, d0;
            GuardedImage ia = makeImage<T, CH>(rng, c, a);
            T k[4][4] = {};
            for (int ch = 0; ch < kConsts<CH>; ++ch) {
                for (int j = 0; j < 4; ++j) k[j][ch] = pickConst(rng, a);
                if (k[2][ch] < k[0][ch] || rng.chance(0.2)) std::swap(k[0][ch], k[2][ch]);
                if (rng.chance(0.1)) k[2][ch] = k[0][ch];  // equal thresholds are accepted
                if (!(k[2][ch] >= k[0][ch])) k[2][ch] = k[0][ch];  // NaN thresholds
            }
            const T* ks[4] = {k[0], k[1], k[2], k[3]};
            const int op = rng.chance(0.5) ? 0 : 4;
            GuardedImage id;
            if (!inPlace) id = makeImage<T, CH>(rng, c, d0);
            GuardedImage& dst = inPlace ? ia : id;
            const std::vector<T>& old = inPlace ? a : d0;
            const KzvStatus st =
                fn(ia.ptr<T>(), ia.step(), dst.ptr<T>(), dst.step(), {c.width, c.height}, ks, op);
            ASSERT_EQ(st, kzvStatusOk) << name;
            std::vector<T> ref(a.size());
            for (size_t i = 0; i < a.size(); ++i) {
                const int ch = int(i % P);
                if (CH == kAC4 && ch == 3) {
                    ref[i] = old[i];
                    continue;
                }
                const T cc[4] = {k[0][ch], k[1][ch], k[2][ch], k[3][ch]};
                ref[i] = thresholdRef(form, op, a[i], cc);
            }
            ASSERT_TRUE(kzvt::regionNear<T>(dst, ref)) << name << " op " << op;
            ASSERT_TRUE(dst.checkWrites(CH == kAC4 ? kzvt::skipAlpha(int(sizeof(T))) : std::function<bool(int, int)>{}))
                << name;
            if (!inPlace) {
                ASSERT_TRUE(ia.unchanged());
            }
        }
    });
    // Argument checks in order: pointers, size, steps, constant arrays, the
    // threshold order, the op.
    GuardedImage s(4, 2, int(sizeof(T)) * P), d(4, 2, int(sizeof(T)) * P);
    GuardedImage& dst = inPlace ? s : d;
    T lo[4] = {T(1), T(1), T(1), T(1)}, hi[4] = {T(2), T(2), T(2), T(2)};
    const T* ok4[4] = {lo, lo, hi, hi};
    const T* bad4[4] = {hi, lo, lo, hi};
    const T* null4[4] = {nullptr, lo, hi, hi};
    struct Arg {
        T* d;
        int ss;
        KzvImageSize sz;
        const T* const* k;
        int op;
        KzvStatus want;
    };
    T* pd = dst.ptr<T>();
    const int st = s.step();
    std::vector<Arg> args = {
        {nullptr, st, {4, 2}, ok4, 0, kzvStatusNullPtrErr},
        {pd, st, {0, 2}, ok4, 0, kzvStatusSizeErr},
        {pd, 0, {0, 2}, ok4, 0, kzvStatusSizeErr},  // size before steps
        {pd, 0, {4, 2}, ok4, 0, kzvStatusStepErr},
    };
    if (CH != 1) args.push_back({pd, st, {4, 2}, null4, 0, kzvStatusNullPtrErr});
    if (form == kLG) args.push_back({pd, st, {4, 2}, bad4, 0, kzvStatusThresholdErr});
    if (hasOp) {
        for (int op : {1, 2, 3, 5, -1}) args.push_back({pd, st, {4, 2}, ok4, op, kzvStatusNotSupportedModeErr});
        if (CH != 1) args.push_back({pd, st, {4, 2}, null4, 2, kzvStatusNullPtrErr});  // op tested last
    }
    for (const Arg& x : args) {
        EXPECT_EQ(fn(s.ptr<T>(), x.ss, x.d, x.ss, x.sz, x.k, x.op), x.want) << name;
        EXPECT_TRUE(dst.unchanged()) << name;
    }
}

using Entry = std::pair<const char*, void (*)()>;

// Adapters giving every export one calling shape per family.
#define X_CMP(name, T, CH)                                                                               \
    {#name, [] {                                                                                         \
         sweepCompare<T, CH>(                                                                            \
             #name,                                                                                      \
             [](const T* a, int as, const T* b, int bs, Kzv8u* d, int ds, KzvImageSize sz, int op, float) { \
                 return name(a, as, b, bs, d, ds, sz, KzvCompareOp(op));                                 \
             },                                                                                          \
             false, false);                                                                              \
     }},
#define X_CMPC(name, T, CH)                                                                              \
    {#name, [] {                                                                                         \
         sweepCompare<T, CH>(                                                                            \
             #name,                                                                                      \
             [](const T* a, int as, const T* b, int, Kzv8u* d, int ds, KzvImageSize sz, int op, float) { \
                 if (CH == 1 && !b) return KzvStatus(kzvStatusNullPtrErr);                               \
                 return name(a, as, asArg<T, CH>(b), d, ds, sz, KzvCompareOp(op));                       \
             },                                                                                          \
             true, false);                                                                               \
     }},
#define X_EPS(name, T, CH)                                                                               \
    {#name, [] {                                                                                         \
         sweepCompare<T, CH>(                                                                            \
             #name,                                                                                      \
             [](const T* a, int as, const T* b, int bs, Kzv8u* d, int ds, KzvImageSize sz, int, float e) { \
                 return name(a, as, b, bs, d, ds, sz, e);                                                \
             },                                                                                          \
             false, true);                                                                               \
     }},
#define X_EPSC(name, T, CH)                                                                              \
    {#name, [] {                                                                                         \
         sweepCompare<T, CH>(                                                                            \
             #name,                                                                                      \
             [](const T* a, int as, const T* b, int, Kzv8u* d, int ds, KzvImageSize sz, int, float e) {  \
                 if (CH == 1 && !b) return KzvStatus(kzvStatusNullPtrErr);                               \
                 return name(a, as, asArg<T, CH>(b), d, ds, sz, e);                                      \
             },                                                                                          \
             true, true);                                                                                \
     }},

// Threshold adapters: R forms pass (s, d), IR forms pass d only; the
// constants k[0..3] are (threshold, value, thresholdGT, valueGT).
#define KZVT_K(i) asArg<TT, CC>(k[i])
#define KZVT_THR(name, T, CH, form, inPlace, call)                                                       \
    {#name, [] {                                                                                         \
         sweepThreshold<T, CH>(#name, form, inPlace,                                                     \
                               [](const T* s, int ss, T* d, int ds, KzvImageSize sz, const T* const* k, \
                                  int op) -> KzvStatus {                                                 \
                                   using TT = T;                                                         \
                                   constexpr int CC = CH;                                                \
                                   (void)s; (void)ss; (void)op; (void)CC;                                \
                                   for (int i = 0; i < 4; ++i)                                           \
                                       if (CH == 1 && !k[i]) return kzvStatusNullPtrErr;                 \
                                   return call;                                                          \
                               });                                                                       \
     }},
#define X_THR_OP(name, T, CH, Op) KZVT_THR(name, T, CH, kOp, false, name(s, ss, d, ds, sz, KZVT_K(0), KzvCompareOp(op)))
#define X_THR_OPI(name, T, CH, Op) KZVT_THR(name, T, CH, kOp, true, name(d, ds, sz, KZVT_K(0), KzvCompareOp(op)))
#define X_THR_1(name, T, CH, Op) KZVT_THR(name, T, CH, Op##Form, false, name(s, ss, d, ds, sz, KZVT_K(0)))
#define X_THR_1I(name, T, CH, Op) KZVT_THR(name, T, CH, Op##Form, true, name(d, ds, sz, KZVT_K(0)))
#define X_THR_2(name, T, CH, Op) KZVT_THR(name, T, CH, Op##Form, false, name(s, ss, d, ds, sz, KZVT_K(0), KZVT_K(1)))
#define X_THR_2I(name, T, CH, Op) KZVT_THR(name, T, CH, Op##Form, true, name(d, ds, sz, KZVT_K(0), KZVT_K(1)))
#define X_THR_VAL(name, T, CH, Op) \
    KZVT_THR(name, T, CH, kVal, false, name(s, ss, d, ds, sz, KZVT_K(0), KZVT_K(1), KzvCompareOp(op)))
#define X_THR_VALI(name, T, CH, Op) \
    KZVT_THR(name, T, CH, kVal, true, name(d, ds, sz, KZVT_K(0), KZVT_K(1), KzvCompareOp(op)))
#define X_THR_LG(name, T, CH, Op) \
    KZVT_THR(name, T, CH, kLG, false, name(s, ss, d, ds, sz, KZVT_K(0), KZVT_K(1), KZVT_K(2), KZVT_K(3)))
#define X_THR_LGI(name, T, CH, Op) \
    KZVT_THR(name, T, CH, kLG, true, name(d, ds, sz, KZVT_K(0), KZVT_K(1), KZVT_K(2), KZVT_K(3)))

constexpr Form ThrLTForm = kLT, ThrGTForm = kGT, ThrLTValForm = kLTVal, ThrGTValForm = kGTVal;

const Entry kEntries[] = {
#include "pixel/compare_exports.inc"
};

class CompareExport : public ::testing::TestWithParam<Entry> {};

TEST_P(CompareExport, MatchesReferenceAndChecksArguments) { GetParam().second(); }

INSTANTIATE_TEST_SUITE_P(All, CompareExport, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<Entry>& i) { return std::string(i.param.first); });

// ---- Documented edge cases ---------------------------------------------------------

TEST(Compare, NanIsFalseForEveryOp) {
    const float s[3] = {NAN, 1.0f, NAN};
    for (int op = 0; op <= 4; ++op) {
        Kzv8u d[3] = {9, 9, 9};
        ASSERT_EQ(kzviCompareC_32f_C1R(s, 12, 1.0f, d, 3, {3, 1}, KzvCompareOp(op)), kzvStatusOk);
        EXPECT_EQ(d[0], 0) << op;
        EXPECT_EQ(d[2], 0) << op;
        EXPECT_EQ(d[1], (op == 1 || op == 2 || op == 3) ? 255 : 0) << op;
    }
    Kzv8u d[3];
    ASSERT_EQ(kzviCompareEqualEps_32f_C1R(s, 12, s, 12, d, 3, {3, 1}, 0.0f), kzvStatusOk);
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[1], 255);
    EXPECT_EQ(kzviCompareEqualEps_32f_C1R(s, 12, s, 12, d, 3, {3, 1}, -0.0f), kzvStatusOk);
}

TEST(Compare, ThresholdLTValGTValEqualThresholds) {
    Kzv8u s[4] = {1, 5, 9, 5}, d[4];
    ASSERT_EQ(kzviThreshold_LTValGTVal_8u_C1R(s, 4, d, 4, {4, 1}, 5, 0, 5, 255), kzvStatusOk);
    const Kzv8u want[4] = {0, 5, 255, 5};
    EXPECT_EQ(memcmp(d, want, 4), 0);
    EXPECT_EQ(kzviThreshold_LTValGTVal_8u_C1R(s, 4, d, 4, {4, 1}, 6, 0, 5, 255), kzvStatusThresholdErr);
    EXPECT_EQ(kzviThreshold_8u_C1R(s, 4, d, 4, {4, 1}, 5, KzvCompareOp(2)), kzvStatusNotSupportedModeErr);
}

// ---- Otsu -------------------------------------------------------------------------

// The threshold rule in double precision, from the histogram.
int otsuRef(const std::vector<double>& h) {
    double n = 0;
    for (double v : h) n += v;
    std::vector<double> p(256);
    double muT = 0;
    for (int i = 0; i < 256; ++i) {
        p[i] = h[i] / n;
        muT += (i + 0.5) * p[i];
    }
    double w0 = 0, mu = 0, best = 0;
    int cand = 0;
    for (int k = 0; k < 256; ++k) {
        w0 += p[k];
        const double w1 = 1 - w0;
        mu = std::fma(k + 0.5, p[k], mu);
        if (std::min(w0, w1) < 1.1920928955078125e-7 || std::max(w0, w1) > 0.9999998807907104) continue;
        const double num = mu * (w0 + w1) - w0 * muT;
        const double var = num * num / (w0 * w1);
        if (var > best) {
            best = var;
            cand = k;
        }
    }
    return cand;
}

// The histogram against a plain count: small regions (counted by pixel) and
// regions large enough for pair counting, on contiguous and padded rows, odd
// widths (a row's last pixel counted alone), a constant image (every pair in
// one counter), two alternating values (pairs in one counter and in its
// transpose) and random bytes.
TEST(Otsu, HistogramCountsEveryPixel) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        const struct {
            int w, h;
        } sizes[] = {{1, 1}, {7, 3}, {511, 300}, {1024, 300}, {131071, 2}, {3, 50000}};
        for (const auto& sz : sizes)
            for (int kind = 0; kind < 3; ++kind) {
                kzvt::Layout l = kzvt::randomLayout(rng, sz.w, sz.h, 1, 1, false);
                if (rng.chance(0.5)) l.extraStep = 0;  // contiguous rows: one run
                GuardedImage img(l);
                const int a = rng.uniform(0, 255), b = rng.uniform(0, 255);
                img.fillBytes([&](int x, int y) -> uint8_t {
                    if (kind == 0) return uint8_t(a);
                    if (kind == 1) return uint8_t(((x + y) & 1) ? a : b);
                    return uint8_t(rng.bits());
                });
                std::vector<uint64_t> want(256, 0);
                for (uint8_t v : img.packed()) ++want[v];
                std::vector<uint64_t> got(256, 7);
                kzv::pix::histogram8u(img.data(), img.step(), {sz.w, sz.h}, got.data());
                ASSERT_EQ(got, want) << sz.w << "x" << sz.h << " step " << img.step() << " kind " << kind;
                ASSERT_TRUE(img.unchanged());
            }
    });
}

// Concurrent calls share the pair counters one at a time; the others count
// by pixel. Every call must still see exactly its own image.
TEST(Otsu, ConcurrentHistogramsStayExact) {
    const int w = 640, h = 480;
    std::vector<uint8_t> img[2];
    std::vector<uint64_t> want[2];
    Rng rng(7);
    for (int k = 0; k < 2; ++k) {
        img[k].resize(size_t(w) * h);
        for (auto& v : img[k]) v = uint8_t(k ? rng.bits() : rng.uniform(0, 15));
        want[k].assign(256, 0);
        for (uint8_t v : img[k]) ++want[k][v];
    }
    bool ok[2] = {true, true};
    auto run = [&](int k) {
        std::vector<uint64_t> got(256);
        for (int i = 0; i < 40; ++i) {
            kzv::pix::histogram8u(img[k].data(), w, {w, h}, got.data());
            ok[k] = ok[k] && got == want[k];
        }
    };
    std::thread other(run, 1);
    run(0);
    other.join();
    EXPECT_TRUE(ok[0]);
    EXPECT_TRUE(ok[1]);
}

TEST(Otsu, ConstantTwoPopulationsAndRandomHistograms) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int iter = 0; iter < 60; ++iter) {
            const int w = rng.uniform(1, 300), h = rng.uniform(1, 7);
            GuardedImage img(kzvt::randomLayout(rng, w, h, 1, 1, false));
            const int kind = iter % 4;
            const int a = rng.uniform(0, 255), b = rng.uniform(0, 255);
            img.fillBytes([&](int x, int y) -> uint8_t {
                switch (kind) {
                case 0: return uint8_t(a);                              // constant
                case 1: return uint8_t(((x + y) & 1) ? a : b);           // two populations
                case 2: return uint8_t(rng.bits());                      // uniform
                default: return uint8_t(std::min(255.0, std::max(0.0, rng.real(0, 1) < 0.5 ? 60 + 20 * rng.real(-1, 1)
                                                                                          : 180 + 30 * rng.real(-1, 1))));
                }
            });
            std::vector<double> hist(256, 0);
            for (uint8_t v : img.packed()) hist[v] += 1;
            Kzv8u t = 77;
            ASSERT_EQ(kzviComputeThreshold_Otsu_8u_C1R(img.data(), img.step(), {w, h}, &t), kzvStatusOk);
            EXPECT_EQ(int(t), otsuRef(hist)) << "kind " << kind << " " << w << "x" << h;
            if (kind == 0) {
                EXPECT_EQ(t, 0);
            }
            ASSERT_TRUE(img.unchanged());
        }
    });
    // Two equal populations of 10 and 200: the first separating k.
    std::vector<uint8_t> two(64);
    for (size_t i = 0; i < two.size(); ++i) two[i] = (i & 1) ? 200 : 10;
    Kzv8u t = 0;
    ASSERT_EQ(kzviComputeThreshold_Otsu_8u_C1R(two.data(), 16, {16, 4}, &t), kzvStatusOk);
    EXPECT_EQ(t, 10);
    EXPECT_EQ(kzviComputeThreshold_Otsu_8u_C1R(nullptr, 16, {0, 4}, &t), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviComputeThreshold_Otsu_8u_C1R(two.data(), 16, {16, 4}, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviComputeThreshold_Otsu_8u_C1R(two.data(), 16, {0, 4}, &t), kzvStatusSizeErr);
    EXPECT_EQ(kzviComputeThreshold_Otsu_8u_C1R(two.data(), 15, {16, 4}, &t), kzvStatusStepErr);
}

}  // namespace
