// Logical, shift, complement and per-pixel extreme operations: every export
// against a scalar reference over random sizes and layouts on guarded images,
// the argument checks, and the documented edge cases.
#include <stdint.h>
#include <string.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "kzvt.h"

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

// ---- Scalar references, written from the operations' definitions ----------

enum LOp { kAnd, kOr, kXor, kNot, kComplement, kMin, kMax, kLShift, kRShift };

template <class T>
int64_t bitsOf(T v) {  // the sample's bits as an unsigned number
    using U = std::make_unsigned_t<T>;
    return int64_t(U(v));
}
template <class T>
T fromBits(int64_t b) {
    using U = std::make_unsigned_t<T>;
    return T(U(uint64_t(b) & uint64_t(std::numeric_limits<U>::max())));
}

// a op b for the two-source operations; for the others b is the constant
// (a count for the shifts, ignored by Not and Complement).
template <class T>
T reference(LOp op, T a, T b, uint32_t count) {
    constexpr uint32_t w = 8 * sizeof(T);
    if constexpr (std::is_floating_point_v<T>) {
        (void)count;
        return op == kMin ? (a < b ? a : b) : (a > b ? a : b);
    } else {
        switch (op) {
        case kAnd: return fromBits<T>(bitsOf(a) & bitsOf(b));
        case kOr: return fromBits<T>(bitsOf(a) | bitsOf(b));
        case kXor: return fromBits<T>(bitsOf(a) ^ bitsOf(b));
        case kNot: return fromBits<T>(~bitsOf(a));
        case kComplement:
            if (a >= 0) return a;
            return fromBits<T>((-int64_t(a)) | (int64_t(1) << (w - 1)));
        case kMin: return a < b ? a : b;
        case kMax: return a > b ? a : b;
        case kLShift: return count >= w ? T(0) : fromBits<T>(bitsOf(a) << count);
        default:
            if (std::is_signed_v<T>) {
                if (count >= w) return a < 0 ? T(-1) : T(0);
                const int64_t x = int64_t(a), d = int64_t(1) << count;  // floor(a / 2^count)
                return T(x >= 0 ? x / d : -((-x - 1) / d) - 1);
            }
            return count >= w ? T(0) : T(bitsOf(a) >> count);
        }
    }
}

// ---- Sweep helpers ---------------------------------------------------------

template <class T, int CH>
std::function<bool(int, int)> writable() {
    if (CH == kAC4) return kzvt::skipAlpha(int(sizeof(T)));
    return {};
}

template <class T, int CH>
GuardedImage makeImage(Rng& rng, const kzvt::SweepCase& c, std::vector<T>& samples) {
    GuardedImage img(kzvt::randomLayout(rng, c.width, c.height, int(sizeof(T)) * kSamples<CH>, int(sizeof(T)), false));
    samples = kzvt::randomSamples<T>(rng, size_t(c.width) * kSamples<CH> * c.height, c.adversarial, true);
    img.load(samples.data());
    return img;
}

template <class T, int CH>
int pixelsPerIteration() {
    return std::max(2, int(64 / sizeof(T)) / kSamples<CH>);
}

// Expected destination: f(sample index) per sample; alpha samples of AC4
// keep their old value.
template <class T, int CH, class F>
std::vector<T> expected(const std::vector<T>& oldDst, F f) {
    std::vector<T> r(oldDst.size());
    for (size_t i = 0; i < r.size(); ++i) r[i] = (CH == kAC4 && i % 4 == 3) ? oldDst[i] : f(i);
    return r;
}

#define KZVT_CHECK_CALL(st, img, ref)                                         \
    do {                                                                      \
        ASSERT_EQ(st, kzvStatusOk) << name << " " << c.width << "x" << c.height; \
        ASSERT_TRUE(kzvt::regionNear<T>(img, ref)) << name;                   \
        ASSERT_TRUE(img.checkWrites(writable<T, CH>())) << name;              \
    } while (0)

// Two sources: fn(a, sa, b, sb, d, sd, size). In-place forms are adapted as
// pSrc = a, pSrcDst = d (b ignored).
template <class T>
using BinFn = std::function<KzvStatus(const T*, int, const T*, int, T*, int, KzvImageSize)>;

template <class T, int CH>
void sweepBinary(const char* name, const BinFn<T>& fn, LOp op, bool inPlace, bool sizeFirst) {
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed ^ std::hash<std::string>{}(name));
        for (const auto& c : kzvt::sweepCases(rng, pixelsPerIteration<T, CH>())) {
            std::vector<T> a, b, d0;
            GuardedImage ia = makeImage<T, CH>(rng, c, a);
            GuardedImage ib = makeImage<T, CH>(rng, c, b);
            if (inPlace) {
                // srcDst = op(src, srcDst)
                const KzvStatus st = fn(ia.ptr<T>(), ia.step(), nullptr, 0, ib.ptr<T>(), ib.step(),
                                        KzvImageSize{c.width, c.height});
                const auto ref = expected<T, CH>(b, [&](size_t i) { return reference(op, a[i], b[i], 0); });
                KZVT_CHECK_CALL(st, ib, ref);
                ASSERT_TRUE(ia.unchanged());
            } else {
                GuardedImage id = makeImage<T, CH>(rng, c, d0);
                const KzvStatus st = fn(ia.ptr<T>(), ia.step(), ib.ptr<T>(), ib.step(), id.ptr<T>(), id.step(),
                                        KzvImageSize{c.width, c.height});
                const auto ref = expected<T, CH>(d0, [&](size_t i) { return reference(op, a[i], b[i], 0); });
                KZVT_CHECK_CALL(st, id, ref);
                ASSERT_TRUE(ia.unchanged() && ib.unchanged());
            }
        }
    });
    // Argument checks: arguments, expected status, destination untouched.
    GuardedImage s(4, 2, int(sizeof(T)) * kSamples<CH>), d(4, 2, int(sizeof(T)) * kSamples<CH>);
    const int st = s.step();
    struct Arg {
        const T* a;
        int sa;
        const T* b;
        int sb;
        T* d;
        int sd;
        KzvImageSize sz;
        KzvStatus want;
    };
    const T* ps = s.ptr<T>();
    T* pd = d.ptr<T>();
    std::vector<Arg> args = {
        {nullptr, st, ps, st, pd, st, {4, 2}, kzvStatusNullPtrErr},
        {ps, st, ps, st, nullptr, st, {0, 2}, kzvStatusNullPtrErr},
        {ps, 0, ps, st, pd, st, {4, 2}, kzvStatusStepErr},
        {ps, st, ps, st, pd, -1, {4, 2}, kzvStatusStepErr},
        {ps, st, ps, st, pd, st, {0, 2}, kzvStatusSizeErr},
        {ps, st, ps, st, pd, st, {4, -1}, kzvStatusSizeErr},
        // A bad step together with a bad size: the order decides.
        {ps, st, ps, st, pd, 0, {0, 2}, sizeFirst ? kzvStatusSizeErr : kzvStatusStepErr},
    };
    if (!inPlace) {
        args.push_back({ps, st, nullptr, st, pd, st, {4, 2}, kzvStatusNullPtrErr});
        args.push_back({ps, st, ps, 0, pd, st, {4, 2}, kzvStatusStepErr});
    }
    for (const Arg& x : args) {
        EXPECT_EQ(fn(x.a, x.sa, x.b, x.sb, x.d, x.sd, x.sz), x.want) << name;
        EXPECT_TRUE(d.unchanged()) << name;
    }
}

// One source with per-channel constants: fn(s, ss, d, sd, values, size),
// values pointing at T constants or, for the shifts, uint32 counts.
using ConstFn = std::function<KzvStatus(const void*, int, void*, int, const void*, KzvImageSize)>;

template <class T, int CH>
void sweepConst(const char* name, const ConstFn& fn, LOp op, bool inPlace) {
    const bool isShift = op == kLShift || op == kRShift;
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed ^ std::hash<std::string>{}(name));
        for (const auto& c : kzvt::sweepCases(rng, pixelsPerIteration<T, CH>())) {
            std::vector<T> a, d0;
            GuardedImage ia = makeImage<T, CH>(rng, c, a);
            T vals[4] = {};
            uint32_t counts[4] = {};
            const uint32_t w = 8 * sizeof(T);
            const uint32_t choices[9] = {0u, 1u, w - 1, w, w + 1, uint32_t(rng.uniform(0, int(w) - 1)),
                                         40u, 0x80000000u, 0xFFFFFFFFu};
            for (int i = 0; i < kConsts<CH>; ++i) {
                vals[i] = kzvt::randomValue<T>(rng);
                counts[i] = choices[rng.uniform(0, 8)];
            }
            if (rng.chance(0.4)) {  // equal constants: the shortcuts
                for (int i = 1; i < kConsts<CH>; ++i) {
                    vals[i] = vals[0];
                    counts[i] = counts[0];
                }
            }
            const void* pv = isShift ? static_cast<const void*>(counts) : static_cast<const void*>(vals);
            auto refAt = [&](size_t i) {
                const size_t ch = i % kSamples<CH>;
                return reference(op, a[i], vals[ch], counts[ch]);
            };
            if (inPlace) {
                const KzvStatus st =
                    fn(ia.ptr<T>(), ia.step(), ia.ptr<T>(), ia.step(), pv, KzvImageSize{c.width, c.height});
                const auto ref = expected<T, CH>(a, refAt);
                KZVT_CHECK_CALL(st, ia, ref);
            } else {
                GuardedImage id = makeImage<T, CH>(rng, c, d0);
                const KzvStatus st =
                    fn(ia.ptr<T>(), ia.step(), id.ptr<T>(), id.step(), pv, KzvImageSize{c.width, c.height});
                const auto ref = expected<T, CH>(d0, refAt);
                KZVT_CHECK_CALL(st, id, ref);
                ASSERT_TRUE(ia.unchanged());
            }
        }
    });
    GuardedImage s(4, 2, int(sizeof(T)) * kSamples<CH>), d(4, 2, int(sizeof(T)) * kSamples<CH>);
    const int st = s.step();
    const uint32_t vals[4] = {1, 1, 1, 1};  // 1 as a sample of any type and as a count
    T tv[4] = {T(1), T(1), T(1), T(1)};
    const void* pv = isShift ? static_cast<const void*>(vals) : static_cast<const void*>(tv);
    const T* ps = s.ptr<T>();
    T* pd = inPlace ? s.ptr<T>() : d.ptr<T>();
    GuardedImage& dst = inPlace ? s : d;
    struct Arg {
        const T* a;
        int sa;
        T* d;
        int sd;
        const void* v;
        KzvImageSize sz;
        KzvStatus want;
    };
    std::vector<Arg> args = {
        {inPlace ? ps : nullptr, st, inPlace ? nullptr : pd, st, pv, {4, 2}, kzvStatusNullPtrErr},
        {ps, 0, pd, 0, pv, {4, 2}, kzvStatusStepErr},
        {ps, st, pd, st, pv, {4, 0}, kzvStatusSizeErr},
        {ps, 0, pd, 0, pv, {0, 2}, kzvStatusStepErr},  // steps before size
    };
    if (!inPlace) args.push_back({ps, st, nullptr, st, pv, {4, 2}, kzvStatusNullPtrErr});
    if (CH != 1 && op != kNot && op != kComplement) args.push_back({ps, st, pd, st, nullptr, {4, 2}, kzvStatusNullPtrErr});
    for (const Arg& x : args) {
        EXPECT_EQ(fn(x.a, x.sa, x.d, x.sd, x.v, x.sz), x.want) << name;
        EXPECT_TRUE(dst.unchanged()) << name;
    }
}

// The constant argument of an export: by value for C1, an array otherwise.
template <class C, int CH>
ConstArg<C, CH> asArg(const void* v) {
    if constexpr (CH == 1) return *static_cast<const C*>(v);
    else return static_cast<const C*>(v);
}

constexpr LOp OpAnd = kAnd, OpOr = kOr, OpXor = kXor, OpNot = kNot, OpComplement = kComplement, OpMin = kMin,
              OpMax = kMax, OpLShift = kLShift, OpRShift = kRShift;

using Entry = std::pair<const char*, void (*)()>;

#define X_BIN(name, T, CH, Op) {#name, [] { sweepBinary<T, CH>(#name, name, Op, false, false); }},
#define X_MM(name, T, CH, Op) {#name, [] { sweepBinary<T, CH>(#name, name, Op, false, true); }},
#define KZVT_BINI(name, T, CH, Op, sizeFirst)                                                             \
    {#name, [] {                                                                                        \
         sweepBinary<T, CH>(                                                                            \
             #name, [](const T* a, int sa, const T*, int, T* d, int sd, KzvImageSize sz) {              \
                 return name(a, sa, d, sd, sz);                                                         \
             },                                                                                         \
             Op, true, sizeFirst);                                                                      \
     }},
#define X_BINI(name, T, CH, Op) KZVT_BINI(name, T, CH, Op, false)
#define X_MMI(name, T, CH, Op) KZVT_BINI(name, T, CH, Op, true)
#define KZVT_CONST(name, T, CH, Op, inPlace, call)                                                      \
    {#name, [] {                                                                                        \
         sweepConst<T, CH>(                                                                             \
             #name, [](const void* s, int ss, void* d, int sd, const void* v, KzvImageSize sz) {        \
                 using TT = T;                                                                          \
                 constexpr int CC = CH;                                                                 \
                 (void)s; (void)ss; (void)v; (void)CC;                                                  \
                 return call;                                                                           \
             },                                                                                         \
             Op, inPlace);                                                                              \
     }},
#define KZVT_S static_cast<const TT*>(s)
#define KZVT_D static_cast<TT*>(d)
#define KZVT_V(C) (CC == 1 && !v) ? KzvStatus(kzvStatusNullPtrErr)
#define X_CONST(name, T, CH, Op) \
    KZVT_CONST(name, T, CH, Op, false, KZVT_V(T) : name(KZVT_S, ss, asArg<TT, CC>(v), KZVT_D, sd, sz))
#define X_CONSTI(name, T, CH, Op) \
    KZVT_CONST(name, T, CH, Op, true, KZVT_V(T) : name(asArg<TT, CC>(v), KZVT_D, sd, sz))
#define X_SHIFT(name, T, CH, Op) \
    KZVT_CONST(name, T, CH, Op, false, KZVT_V(T) : name(KZVT_S, ss, asArg<uint32_t, CC>(v), KZVT_D, sd, sz))
#define X_SHIFTI(name, T, CH, Op) \
    KZVT_CONST(name, T, CH, Op, true, KZVT_V(T) : name(asArg<uint32_t, CC>(v), KZVT_D, sd, sz))
#define X_UN(name, T, CH, Op) KZVT_CONST(name, T, CH, Op, false, name(KZVT_S, ss, KZVT_D, sd, sz))
#define X_UNI(name, T, CH, Op) KZVT_CONST(name, T, CH, Op, true, name(KZVT_D, sd, sz))

const Entry kEntries[] = {
#include "pixel/logic_exports.inc"
};

class LogicExport : public ::testing::TestWithParam<Entry> {};

TEST_P(LogicExport, MatchesReferenceAndChecksArguments) { GetParam().second(); }

INSTANTIATE_TEST_SUITE_P(All, LogicExport, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<Entry>& i) { return std::string(i.param.first); });

// ---- Documented edge cases ---------------------------------------------------

TEST(Logic, ShiftExamples) {
    Kzv8u s[3] = {200, 1, 255}, d[3] = {7, 7, 7};
    ASSERT_EQ(kzviLShiftC_8u_C1R(s, 3, 1, d, 3, {3, 1}), kzvStatusOk);
    EXPECT_EQ(d[0], 144);
    ASSERT_EQ(kzviLShiftC_8u_C1R(s, 3, 8, d, 3, {3, 1}), kzvStatusOk);
    EXPECT_EQ(d[0] | d[1] | d[2], 0);
    ASSERT_EQ(kzviLShiftC_8u_C1R(s, 3, 0, d, 3, {3, 1}), kzvStatusOk);
    EXPECT_EQ(memcmp(s, d, 3), 0);
    Kzv16s a[2] = {-3, 3}, b[2];
    ASSERT_EQ(kzviRShiftC_16s_C1R(a, 4, 40, b, 4, {2, 1}), kzvStatusOk);
    EXPECT_EQ(b[0], -1);
    EXPECT_EQ(b[1], 0);
}

TEST(Logic, StepCheckedBeforeSizeExtremesSizeBeforeStep) {
    Kzv8u a[4] = {}, b[4] = {}, d[4] = {};
    EXPECT_EQ(kzviAnd_8u_C1R(a, 4, b, 0, d, 4, {0, 1}), kzvStatusStepErr);
    EXPECT_EQ(kzviMinEvery_8u_C1R(a, 4, b, 0, d, 4, {0, 1}), kzvStatusSizeErr);
}

TEST(Logic, ComplementTwiceRestores) {
    Rng rng(kzvt::baseSeed());
    std::vector<Kzv32s> v = kzvt::randomSamples<Kzv32s>(rng, 333, false);
    v[0] = INT32_MIN;
    v[1] = -1;
    v[2] = 0;
    GuardedImage img(37, 9, 4, 12);
    img.load(v.data());
    const std::vector<uint8_t> before = img.packed();
    ASSERT_EQ(kzviComplement_32s_C1IR(img.ptr<Kzv32s>(), img.step(), {37, 9}), kzvStatusOk);
    EXPECT_EQ(img.rowAs<Kzv32s>(0)[0], INT32_MIN);   // the most negative value maps to itself
    EXPECT_EQ(img.rowAs<Kzv32s>(0)[1], INT32_MIN + 1);  // -1: sign bit plus magnitude 1
    ASSERT_EQ(kzviComplement_32s_C1IR(img.ptr<Kzv32s>(), img.step(), {37, 9}), kzvStatusOk);
    EXPECT_EQ(img.packed(), before);
}

TEST(Logic, SharedBitwiseAndEqualC3Constant) {
    Rng rng(kzvt::baseSeed() + 1);
    const int w = 45, h = 3;
    GuardedImage a(w, h, 4, 5), b(w, h, 4, 9), d1(w, h, 4, 3), d2(w, h, 4, 0);
    a.fillRandomBytes(rng);
    b.fillRandomBytes(rng);
    ASSERT_EQ(kzviAnd_32s_C1R(a.ptr<Kzv32s>(), a.step(), b.ptr<Kzv32s>(), b.step(), d1.ptr<Kzv32s>(), d1.step(),
                              {w, h}),
              kzvStatusOk);
    ASSERT_EQ(kzviAnd_8u_C4R(a.data(), a.step(), b.data(), b.step(), d2.data(), d2.step(), {w, h}), kzvStatusOk);
    EXPECT_EQ(d1.packed(), d2.packed());

    GuardedImage s(w, h, 3, 7), e1(w, h, 3, 2), e2(3 * w, h, 1, 2);
    s.fillRandomBytes(rng);
    const Kzv8u seven[3] = {7, 7, 7};
    ASSERT_EQ(kzviXorC_8u_C3R(s.data(), s.step(), seven, e1.data(), e1.step(), {w, h}), kzvStatusOk);
    ASSERT_EQ(kzviXorC_8u_C1R(s.data(), s.step(), 7, e2.data(), e2.step(), {3 * w, h}), kzvStatusOk);
    EXPECT_EQ(e1.packed(), e2.packed());
}

}  // namespace
