// Scaled integer arithmetic (Add, Sub, Mul, AddC, SubC, MulC, MulScale,
// MulCScale, MulC64f): every export against the scalar reference on guarded
// images, every scale factor, exhaustive 8-bit pairs, argument checks and
// the documented edge cases.
#include <immintrin.h>

#include "arith_testlib.h"

using namespace arith_t;

namespace {

bool part23(const Entry& e) { return e.op <= O_MulC64f; }
bool plainScaled(const Entry& e) {
    return e.hasScale() && (e.op == O_Add || e.op == O_Sub || e.op == O_Mul || e.op == O_AddC || e.op == O_SubC ||
                            e.op == O_MulC);
}

}  // namespace

// Every export on random sizes, layouts, data and factors.
TEST(Arith, EveryExportMatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Entry& e : entries()) {
            if (!part23(e)) continue;
            for (auto [w, h] : pickSizes(rng, e, 8)) {
                CaseOpts o;
                o.f = e.hasScale() ? rng.uniform(-20, 40) : 0;
                if (e.hasScale() && rng.chance(0.4)) o.f = rng.uniform(-2, 2);
                o.mode = rng.uniform(0, 3);
                o.hint = rng.uniform(0, 2);
                o.adversarial = rng.chance(0.25);
                dispatchType(e, [&](auto t) { runCase<decltype(t)>(e, rng, w, h, o); });
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

// Every factor from -20 to 40, across every zero-fill and saturation
// threshold, for each scaled operation (the _L twins share the code).
TEST(Arith, EveryScaleFactor) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Entry& e : entries()) {
            if (!plainScaled(e) || e.kind == K_BSFS_L || e.kind == K_BSFSI_L || e.kind == K_CSFS_L ||
                e.kind == K_CSFSI_L)
                continue;
            for (int f = -20; f <= 40; ++f) {
                CaseOpts o;
                o.f = f;
                o.adversarial = rng.chance(0.2);
                dispatchType(e, [&](auto t) { runCase<decltype(t)>(e, rng, 37 + rng.uniform(0, 40), 2, o); });
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

// All 65536 operand pairs of the 8u two-source operations.
TEST(Arith, Exhaustive8uPairs) {
    kzvt::GuardedImage a(256, 256, 1), b(256, 256, 1), d(256, 256, 1);
    a.fillBytes([](int x, int) { return uint8_t(x); });
    b.fillBytes([](int, int y) { return uint8_t(y); });
    struct Op {
        const char* name;
        KzvStatus (*fn)(const Kzv8u*, int32_t, const Kzv8u*, int32_t, Kzv8u*, int32_t, KzvImageSize, int32_t);
        int64_t (*exact)(int64_t, int64_t);
    } ops[] = {
        {"Add", kzviAdd_8u_C1RSfs, [](int64_t p, int64_t q) { return p + q; }},
        {"Sub", kzviSub_8u_C1RSfs, [](int64_t p, int64_t q) { return q - p; }},
        {"Mul", kzviMul_8u_C1RSfs, [](int64_t p, int64_t q) { return p * q; }},
    };
    for (const Op& op : ops)
        for (int f : {0, 1, 2, -1}) {
            SCOPED_TRACE(std::string(op.name) + " f=" + std::to_string(f));
            ASSERT_EQ(op.fn(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {256, 256}, f), 0);
            std::vector<Kzv8u> ref(65536);
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x) ref[size_t(y) * 256 + x] = refScale<Kzv8u>(op.exact(x, y), f);
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(d, ref));
        }
    // The constant forms over every constant.
    kzvt::GuardedImage s(256, 1, 1), o(256, 1, 1);
    s.fillBytes([](int x, int) { return uint8_t(x); });
    for (int f : {0, 1, 2, -1})
        for (int v = 0; v < 256; ++v) {
            ASSERT_EQ(kzviAddC_8u_C1RSfs(s.data(), s.step(), Kzv8u(v), o.data(), o.step(), {256, 1}, f), 0);
            std::vector<Kzv8u> ref(256);
            for (int x = 0; x < 256; ++x) ref[x] = refScale<Kzv8u>(x + v, f);
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(o, ref)) << "AddC v=" << v << " f=" << f;
            ASSERT_EQ(kzviSubC_8u_C1RSfs(s.data(), s.step(), Kzv8u(v), o.data(), o.step(), {256, 1}, f), 0);
            for (int x = 0; x < 256; ++x) ref[x] = refScale<Kzv8u>(x - v, f);
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(o, ref)) << "SubC v=" << v << " f=" << f;
            ASSERT_EQ(kzviMulC_8u_C1RSfs(s.data(), s.step(), Kzv8u(v), o.data(), o.step(), {256, 1}, f), 0);
            for (int x = 0; x < 256; ++x) ref[x] = refScale<Kzv8u>(x * v, f);
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(o, ref)) << "MulC v=" << v << " f=" << f;
        }
}

// Null pointers, then sizes; steps are not looked at (MulScale and
// MulCScale: steps before the size). Nothing is written on failure.
TEST(Arith, ArgumentChecks) {
    for (const Entry& e : entries()) {
        if (!part23(e)) continue;
        SCOPED_TRACE(e.name);
        dispatchType(e, [&](auto t) {
            using T = decltype(t);
            const int pb = e.channels() * int(sizeof(T));
            kzvt::GuardedImage s1(4, 2, pb), s2(4, 2, pb), d(4, 2, pb);
            T vals[4] = {T(1), T(1), T(1), T(1)};
            double v64[4] = {1, 1, 1, 1};
            auto base = [&] {
                Args<T> a;
                a.s1 = s1.ptr<T>();
                a.s1Step = s1.step();
                a.s2 = s2.ptr<T>();
                a.s2Step = s2.step();
                a.d = d.ptr<T>();
                a.dStep = d.step();
                a.w = 4;
                a.h = 2;
                a.val = e.layout == 1 ? nullptr : vals;
                a.val1 = T(1);
                a.v64 = v64;
                return a;
            };
            const bool stepFirst = e.op == O_MulScale || e.op == O_MulCScale;
            struct Case {
                const char* what;
                std::function<void(Args<T>&)> edit;
                KzvStatus want;
            };
            std::vector<Case> cases = {
                {"null dst", [](Args<T>& a) { a.d = nullptr; }, kzvStatusNullPtrErr},
                {"null dst, zero width", [](Args<T>& a) { a.d = nullptr; a.w = 0; }, kzvStatusNullPtrErr},
                {"zero width", [](Args<T>& a) { a.w = 0; }, kzvStatusSizeErr},
                {"negative height", [](Args<T>& a) { a.h = -1; }, kzvStatusSizeErr},
                {"zero step, zero width", [](Args<T>& a) { a.dStep = 0; a.w = 0; },
                 stepFirst ? kzvStatusStepErr : kzvStatusSizeErr},
            };
            const bool needsS1 = !(e.inPlace() && !e.isTwoSource());
            if (needsS1) cases.push_back({"null src", [](Args<T>& a) { a.s1 = nullptr; a.h = 0; }, kzvStatusNullPtrErr});
            if (e.isTwoSource() && !e.inPlace())
                cases.push_back({"null src2", [](Args<T>& a) { a.s2 = nullptr; }, kzvStatusNullPtrErr});
            if (e.isConst() && e.layout != 1 && e.op != O_MulC64f)
                cases.push_back({"null value", [](Args<T>& a) { a.val = nullptr; a.w = 0; }, kzvStatusNullPtrErr});
            if (e.op == O_MulC64f)
                cases.push_back({"null value", [](Args<T>& a) { a.v64 = nullptr; a.w = 0; }, kzvStatusNullPtrErr});
            if (stepFirst) {
                cases.push_back({"negative step", [](Args<T>& a) { a.s1Step = -4; a.dStep = -4; }, kzvStatusStepErr});
            }
            for (const Case& c : cases) {
                Args<T> a = base();
                c.edit(a);
                EXPECT_EQ(call(e, a), c.want) << c.what;
                EXPECT_TRUE(d.unchanged()) << c.what;
            }
        });
    }
}

// A negative step walks the rows upwards and a zero step repeats a row; the
// unchecked families accept both.
TEST(Arith, StepsUsedAsGiven) {
    const Kzv8u a[3] = {1, 2, 3}, b[3] = {10, 20, 30};
    Kzv8u d[2][3] = {};
    // Two rows from one source row (step 0), written bottom-up (step -3).
    EXPECT_EQ(kzviAdd_8u_C1RSfs(a, 0, b, 0, &d[1][0], -3, {3, 2}, 0), 0);
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(d[r][x], a[x] + b[x]);
    // Odd steps of 16-bit rows are used as given, not rounded.
    alignas(4) uint8_t buf[64] = {};
    Kzv16s v[3] = {100, -200, 300};
    Kzv16s* dst = reinterpret_cast<Kzv16s*>(buf + 1);
    EXPECT_EQ(kzviAddC_16s_C1RSfs(v, 0, 5, dst, 7, {3, 2}, 0), 0);
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 3; ++x) {
            Kzv16s got;
            memcpy(&got, buf + 1 + 7 * r + 2 * x, 2);
            EXPECT_EQ(got, v[x] + 5);
        }
}

TEST(Arith, DocumentedEdgeCases) {
    Kzv8u out[4] = {};
    auto add8 = [&](Kzv8u p, Kzv8u q, int f) {
        EXPECT_EQ(kzviAdd_8u_C1RSfs(&p, 1, &q, 1, out, 1, {1, 1}, f), 0);
        return int(out[0]);
    };
    // Sub is src2 - src1.
    {
        Kzv8u p = 10, q = 30;
        EXPECT_EQ(kzviSub_8u_C1RSfs(&p, 1, &q, 1, out, 1, {1, 1}, 0), 0);
        EXPECT_EQ(out[0], 20);
        EXPECT_EQ(kzviSub_8u_C1RSfs(&q, 1, &p, 1, out, 1, {1, 1}, 0), 0);
        EXPECT_EQ(out[0], 0);
        Kzv8u sd = 30;
        EXPECT_EQ(kzviSub_8u_C1IRSfs(&p, 1, &sd, 1, {1, 1}, 0), 0);
        EXPECT_EQ(sd, 20);
    }
    // Ties to even at factor 1.
    EXPECT_EQ(add8(100, 101, 1), 100);
    EXPECT_EQ(add8(100, 103, 1), 102);
    {
        const int sums[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
        const int want[4] = {0, 2, 2, 4};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(add8(Kzv8u(sums[i][0]), Kzv8u(sums[i][1]), 1), want[i]);
    }
    {
        Kzv16s p = -1, q = -2, r = 0;
        EXPECT_EQ(kzviAdd_16s_C1RSfs(&p, 2, &q, 2, &r, 2, {1, 1}, 1), 0);
        EXPECT_EQ(r, -2);
        Kzv16s m1 = -1, z = 0;
        EXPECT_EQ(kzviAdd_16s_C1RSfs(&m1, 2, &z, 2, &r, 2, {1, 1}, 1), 0);
        EXPECT_EQ(r, 0);
    }
    // 255 * 255 = 65025: 254 at factor 8, 255 at factor 0.
    {
        Kzv8u p = 255;
        EXPECT_EQ(kzviMul_8u_C1RSfs(&p, 1, &p, 1, out, 1, {1, 1}, 8), 0);
        EXPECT_EQ(out[0], 254);
        EXPECT_EQ(kzviMul_8u_C1RSfs(&p, 1, &p, 1, out, 1, {1, 1}, 0), 0);
        EXPECT_EQ(out[0], 255);
    }
    // Factor 10 fills with 0; factor -8 gives 255 wherever a source is
    // non-zero.
    {
        kzvt::GuardedImage a(33, 3, 1, 5), b(33, 3, 1, 3), d(33, 3, 1, 7);
        a.fillBytes([](int x, int y) { return uint8_t((x * 7 + y) % 3 == 0 ? 0 : x); });
        b.fillBytes([](int x, int y) { return uint8_t((x + y) % 2 ? 0 : y); });
        d.fillBytes([](int, int) { return uint8_t(77); });
        EXPECT_EQ(kzviAdd_8u_C1RSfs(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {33, 3}, 10), 0);
        EXPECT_TRUE(kzvt::regionNear<Kzv8u>(d, std::vector<Kzv8u>(99, 0)));
        EXPECT_TRUE(d.checkWrites());
        EXPECT_EQ(kzviAdd_8u_C1RSfs(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {33, 3}, -8), 0);
        std::vector<Kzv8u> ref(99);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 33; ++x) ref[y * 33 + x] = (a.row(y)[x] | b.row(y)[x]) ? 255 : 0;
        EXPECT_TRUE(kzvt::regionNear<Kzv8u>(d, ref));
    }
    // AddC with 0 at factor 0 is a copy; AddC of a non-zero constant below
    // factor -7 fills with 255.
    {
        kzvt::GuardedImage s(40, 2, 1, 3), d(40, 2, 1, 9);
        kzvt::Rng rng(7);
        s.fillRandomBytes(rng);
        EXPECT_EQ(kzviAddC_8u_C1RSfs(s.data(), s.step(), 0, d.data(), d.step(), {40, 2}, 0), 0);
        EXPECT_TRUE(kzvt::regionNear<Kzv8u>(d, s.packed()));
        EXPECT_EQ(kzviAddC_8u_C1RSfs(s.data(), s.step(), 3, d.data(), d.step(), {40, 2}, -9), 0);
        EXPECT_TRUE(kzvt::regionNear<Kzv8u>(d, std::vector<Kzv8u>(80, 255)));
        EXPECT_TRUE(d.checkWrites());
    }
    // 16u two-source operations whose factor zeroes every result fill the
    // destination before looking at the sources.
    {
        kzvt::GuardedImage d(9, 2, 2, 6);
        d.fillBytes([](int x, int) { return uint8_t(x + 1); });
        EXPECT_EQ(kzviAdd_16u_C1RSfs(nullptr, 2, nullptr, 2, nullptr, 18, {9, 2}, 18), kzvStatusNullPtrErr);
        EXPECT_EQ(kzviAdd_16u_C1RSfs(nullptr, 2, nullptr, 2, d.ptr<Kzv16u>(), d.step(), {0, 2}, 18),
                  kzvStatusSizeErr);
        EXPECT_TRUE(d.unchanged());
        EXPECT_EQ(kzviAdd_16u_C1RSfs(nullptr, 2, nullptr, 2, d.ptr<Kzv16u>(), d.step(), {9, 2}, 18), 0);
        EXPECT_TRUE(kzvt::regionNear<Kzv16u>(d, std::vector<Kzv16u>(18, 0)));
        EXPECT_TRUE(d.checkWrites());
        d.fillBytes([](int x, int) { return uint8_t(x + 1); });
        EXPECT_EQ(kzviMul_16u_C1IRSfs(nullptr, 2, d.ptr<Kzv16u>(), d.step(), {9, 2}, 33), 0);
        EXPECT_TRUE(kzvt::regionNear<Kzv16u>(d, std::vector<Kzv16u>(18, 0)));
        // Other types check the sources first.
        Kzv16s r = 5;
        EXPECT_EQ(kzviAdd_16s_C1RSfs(nullptr, 2, &r, 2, &r, 2, {1, 1}, 30), kzvStatusNullPtrErr);
        EXPECT_EQ(r, 5);
    }
    // MulScale: 128 * 1 gives 0, 255 * 255 gives 255, 255 * 1 gives 1; a zero
    // step is rejected even with a zero width.
    {
        Kzv8u p = 128, one = 1, full = 255;
        EXPECT_EQ(kzviMulScale_8u_C1R(&p, 1, &one, 1, out, 1, {1, 1}), 0);
        EXPECT_EQ(out[0], 0);
        EXPECT_EQ(kzviMulScale_8u_C1R(&full, 1, &full, 1, out, 1, {1, 1}), 0);
        EXPECT_EQ(out[0], 255);
        EXPECT_EQ(kzviMulCScale_8u_C1R(&full, 1, 1, out, 1, {1, 1}), 0);
        EXPECT_EQ(out[0], 1);
        EXPECT_EQ(kzviMulScale_8u_C1R(&p, 0, &one, 1, out, 1, {0, 1}), kzvStatusStepErr);
        Kzv16u big = 65535, h = 32768, r = 7;
        EXPECT_EQ(kzviMulScale_16u_C1R(&big, 2, &big, 2, &r, 2, {1, 1}), 0);
        EXPECT_EQ(r, 65535);
        EXPECT_EQ(kzviMulCScale_16u_C1IR(1, &h, 2, {1, 1}), 0);
        EXPECT_EQ(h, 0);
    }
}

// AC4 forms keep every destination alpha sample bit for bit, also where
// the alpha of the sources is extreme.
TEST(Arith, Ac4KeepsAlpha) {
    kzvt::GuardedImage a(19, 2, 16), b(19, 2, 16), d(19, 2, 16, 4);
    a.fillSamples<float>([](int i, int) { return i % 4 == 3 ? NAN : float(i); });
    b.fillSamples<float>([](int i, int) { return i % 4 == 3 ? INFINITY : 0.5f; });
    d.fillSamples<float>([](int i, int y) { return float(-i - 100 * y); });
    EXPECT_EQ(kzviMul_32f_AC4R(a.ptr<float>(), a.step(), b.ptr<float>(), b.step(), d.ptr<float>(), d.step(), {19, 2}),
              0);
    EXPECT_TRUE(d.checkWrites(kzvt::skipAlpha(4)));
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < 76; ++i) {
            float got;
            memcpy(&got, d.row(y) + 4 * i, 4);
            EXPECT_EQ(got, i % 4 == 3 ? float(-i - 100 * y) : float(i) * 0.5f);
        }
}

// MulC64f: modes 0 and 1 set the processor's rounding mode only for the
// call; mode 2 rounds halves away from zero.
TEST(Arith, MulC64fRounding) {
    const unsigned before = _mm_getcsr();
    const Kzv16s src[4] = {5, -5, 7, -7};
    Kzv16s dst[4];
    const double half = 0.5;
    for (int mode = 0; mode <= 2; ++mode) {
        ASSERT_EQ(kzviMulC64f_16s_C1R(src, 8, &half, dst, 8, {4, 1}, kzvAlgHintAccurate, KzvRounding(mode)), 0);
        const Kzv16s want[3][4] = {{2, -2, 3, -3}, {2, -2, 4, -4}, {3, -3, 4, -4}};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(dst[i], want[mode][i]) << "mode " << mode << " sample " << i;
        EXPECT_EQ(_mm_getcsr() & 0xFFC0u, before & 0xFFC0u);
    }
    Kzv8u b = 200;
    const double big = 1.7;
    ASSERT_EQ(kzviMulC64f_8u_C1IR(&b, 1, &big, {1, 1}, kzvAlgHintNone, kzvRoundHalfUp), 0);
    EXPECT_EQ(b, 255);
}
