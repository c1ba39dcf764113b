// Division and unary math (Div, Div_Round, DivC, Abs, Sqr, Sqrt, Exp, Ln):
// every export against the scalar reference, every scale factor, all 8u
// operand pairs of Div, argument checks in their documented order, the
// warnings and the documented edge cases.
#include <immintrin.h>

#include "arith_testlib.h"

using namespace arith_t;

namespace {

bool part24(const Entry& e) { return e.op >= O_Div; }
bool isL(const Entry& e) {
    return e.kind == K_B_L || e.kind == K_BI_L || e.kind == K_BSFS_L || e.kind == K_BSFSI_L || e.kind == K_C_L ||
           e.kind == K_CI_L || e.kind == K_CSFS_L || e.kind == K_CSFSI_L;
}

}  // namespace

TEST(ArithMath, EveryExportMatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Entry& e : entries()) {
            if (!part24(e)) continue;
            for (auto [w, h] : pickSizes(rng, e, 8)) {
                CaseOpts o;
                o.f = e.hasScale() ? rng.uniform(-20, 40) : 0;
                if (e.hasScale() && rng.chance(0.5)) o.f = rng.uniform(-3, 3);
                o.mode = rng.uniform(0, 2);
                o.adversarial = rng.chance(0.25);
                dispatchType(e, [&](auto t) { runCase<decltype(t)>(e, rng, w, h, o); });
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

TEST(ArithMath, EveryScaleFactor) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Entry& e : entries()) {
            if (!part24(e) || !e.hasScale() || isL(e) || e.layout == 4) continue;
            for (int f = -20; f <= 40; ++f) {
                CaseOpts o;
                o.f = f;
                o.mode = rng.uniform(0, 2);
                dispatchType(e, [&](auto t) { runCase<decltype(t)>(e, rng, 35 + rng.uniform(0, 40), 2, o); });
                if (::testing::Test::HasFailure()) return;
            }
        }
    });
}

// All 8-bit pairs of Div and Div_Round, zero divisors included.
TEST(ArithMath, Exhaustive8uDivision) {
    kzvt::GuardedImage a(256, 256, 1), b(256, 256, 1), d(256, 256, 1);
    a.fillBytes([](int x, int) { return uint8_t(x); });
    b.fillBytes([](int, int y) { return uint8_t(y); });
    for (int f : {0, 1, 2, -1, 9, -16}) {
        for (int mode = -1; mode <= 2; ++mode) {
            SCOPED_TRACE("f=" + std::to_string(f) + " mode=" + std::to_string(mode));
            const KzvStatus st =
                mode < 0 ? kzviDiv_8u_C1RSfs(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {256, 256}, f)
                         : kzviDiv_Round_8u_C1RSfs(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(),
                                                   {256, 256}, KzvRounding(mode), f);
            EXPECT_EQ(st, kzvStatusDivByZero);
            std::vector<Kzv8u> ref(65536);
            bool zero = false;
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x)
                    ref[size_t(y) * 256 + x] = refDivInt<Kzv8u>(y, x, f, mode, 8, -15, zero);
            ASSERT_TRUE(kzvt::regionNear<Kzv8u>(d, ref));
        }
    }
}

// Pointers, size, steps, then the operation's own parameters; nothing is
// written on failure.
TEST(ArithMath, ArgumentChecks) {
    for (const Entry& e : entries()) {
        if (!part24(e)) continue;
        SCOPED_TRACE(e.name);
        dispatchType(e, [&](auto t) {
            using T = decltype(t);
            const int pb = e.channels() * int(sizeof(T));
            kzvt::GuardedImage s1(4, 2, pb), s2(4, 2, pb), d(4, 2, pb);
            T vals[4] = {T(3), T(3), T(3), T(3)};
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
                a.val1 = T(3);
                a.mode = 1;
                return a;
            };
            struct Case {
                const char* what;
                std::function<void(Args<T>&)> edit;
                KzvStatus want;
            };
            std::vector<Case> cases = {
                {"null dst, zero size", [](Args<T>& a) { a.d = nullptr; a.w = 0; a.dStep = 0; }, kzvStatusNullPtrErr},
                {"zero height, zero step", [](Args<T>& a) { a.h = 0; a.dStep = 0; }, kzvStatusSizeErr},
                {"zero step", [](Args<T>& a) { a.dStep = 0; }, kzvStatusStepErr},
                {"negative step", [](Args<T>& a) { a.dStep = -a.dStep; }, kzvStatusStepErr},
            };
            if (!(e.inPlace() && !e.isTwoSource())) {
                cases.push_back({"null src", [](Args<T>& a) { a.s1 = nullptr; }, kzvStatusNullPtrErr});
                cases.push_back({"zero src step", [](Args<T>& a) { a.s1Step = 0; }, kzvStatusStepErr});
            }
            if (e.isTwoSource() && !e.inPlace())
                cases.push_back({"null src2", [](Args<T>& a) { a.s2 = nullptr; }, kzvStatusNullPtrErr});
            if (e.op == O_DivRound) {
                cases.push_back({"mode 3", [](Args<T>& a) { a.mode = 3; }, kzvStatusRoundModeErr});
                cases.push_back({"mode 3 after step", [](Args<T>& a) { a.mode = 3; a.dStep = 0; }, kzvStatusStepErr});
                cases.push_back({"mode -1", [](Args<T>& a) { a.mode = -1; }, kzvStatusRoundModeErr});
            }
            if (e.op == O_DivC) {
                if (e.layout != 1)
                    cases.push_back({"null value", [](Args<T>& a) { a.val = nullptr; }, kzvStatusNullPtrErr});
                cases.push_back({"zero value", [&](Args<T>& a) { vals[e.values() - 1] = T(0); a.val1 = T(0); },
                                 kzvStatusDivByZeroErr});
                cases.push_back({"zero value after step",
                                 [&](Args<T>& a) { vals[e.values() - 1] = T(0); a.val1 = T(0); a.dStep = 0; },
                                 kzvStatusStepErr});
            }
            for (const Case& c : cases) {
                for (T& v : vals) v = T(3);
                Args<T> a = base();
                c.edit(a);
                EXPECT_EQ(call(e, a), c.want) << c.what;
                EXPECT_TRUE(d.unchanged()) << c.what;
            }
        });
    }
}

TEST(ArithMath, DocumentedEdgeCases) {
    Kzv8u o8 = 0;
    {
        Kzv8u d1 = 2, n = 5;
        EXPECT_EQ(kzviDiv_8u_C1RSfs(&d1, 1, &n, 1, &o8, 1, {1, 1}, 0), 0);
        EXPECT_EQ(o8, 2);  // 2.5 to even
        Kzv8u z = 0, seven = 7;
        EXPECT_EQ(kzviDiv_8u_C1RSfs(&z, 1, &seven, 1, &o8, 1, {1, 1}, 0), kzvStatusDivByZero);
        EXPECT_EQ(o8, 255);
        EXPECT_EQ(kzviDiv_8u_C1RSfs(&z, 1, &z, 1, &o8, 1, {1, 1}, 0), kzvStatusDivByZero);
        EXPECT_EQ(o8, 0);
    }
    {
        Kzv16s two = 2, five = 5, r = 0;
        const int want[3] = {2, 2, 3};
        for (int mode = 0; mode <= 2; ++mode) {
            EXPECT_EQ(kzviDiv_Round_16s_C1RSfs(&two, 2, &five, 2, &r, 2, {1, 1}, KzvRounding(mode), 0), 0);
            EXPECT_EQ(r, want[mode]) << "mode " << mode;
        }
        Kzv16s m5 = -5;
        EXPECT_EQ(kzviDiv_Round_16s_C1RSfs(&two, 2, &m5, 2, &r, 2, {1, 1}, kzvRoundHalfUp, 0), 0);
        EXPECT_EQ(r, -3);
        Kzv16s z = 0, neg = -9;
        EXPECT_EQ(kzviDiv_16s_C1RSfs(&z, 2, &neg, 2, &r, 2, {1, 1}, 0), kzvStatusDivByZero);
        EXPECT_EQ(r, -32768);
    }
    {
        Kzv16s s = -32768, r = 0;
        EXPECT_EQ(kzviAbs_16s_C1R(&s, 2, &r, 2, {1, 1}), 0);
        EXPECT_EQ(r, 32767);
        EXPECT_EQ(kzviAbs_16s_C1R(nullptr, 2, &r, 2, {0, 0}), kzvStatusNullPtrErr);
        EXPECT_EQ(kzviAbs_16s_C1R(&s, 2, &r, 2, {0, 1}), kzvStatusSizeErr);
        EXPECT_EQ(kzviAbs_16s_C1R(&s, 0, &r, 2, {1, 1}), kzvStatusStepErr);
        EXPECT_EQ(r, 32767);
    }
    {
        float m1 = -1.0f, r = 0, z = 0.0f;
        EXPECT_EQ(kzviSqrt_32f_C1R(&m1, 4, &r, 4, {1, 1}), kzvStatusSqrtNegArg);
        EXPECT_TRUE(std::isnan(r));
        EXPECT_EQ(kzviLn_32f_C1R(&z, 4, &r, 4, {1, 1}), kzvStatusLnZeroArg);
        EXPECT_EQ(r, -INFINITY);
        // A zero anywhere takes precedence over negative inputs.
        float v[2][2] = {{-1.0f, 2.0f}, {0.0f, 1.0f}}, out[2][2];
        EXPECT_EQ(kzviLn_32f_C1R(&v[0][0], 8, &out[0][0], 8, {2, 2}), kzvStatusLnZeroArg);
        EXPECT_TRUE(std::isnan(out[0][0]));
        EXPECT_EQ(out[1][1], 0.0f);
        EXPECT_EQ(kzviLn_32f_C1R(&v[0][0], 8, &out[0][0], 8, {2, 1}), kzvStatusLnNegArg);
    }
    {
        // 16s Ln: the first non-positive input decides.
        Kzv16s v[2][3] = {{5, -3, 0}, {0, 1, -1}}, out[2][3];
        EXPECT_EQ(kzviLn_16s_C1RSfs(&v[0][0], 6, &out[0][0], 6, {3, 2}, 0), kzvStatusLnNegArg);
        EXPECT_EQ(out[0][1], -32768);
        EXPECT_EQ(out[1][0], -32768);
        EXPECT_EQ(out[0][0], 2);  // ln 5 = 1.609
        EXPECT_EQ(kzviLn_16s_C1RSfs(&v[1][0], 6, &out[1][0], 6, {3, 1}, 0), kzvStatusLnZeroArg);
    }
    {
        Kzv8u six = 6;
        EXPECT_EQ(kzviExp_8u_C1RSfs(&six, 1, &o8, 1, {1, 1}, 0), 0);
        EXPECT_EQ(o8, 255);
        Kzv8u two = 2;  // e^2 = 7.389; / 4 = 1.85
        EXPECT_EQ(kzviExp_8u_C1RSfs(&two, 1, &o8, 1, {1, 1}, 2), 0);
        EXPECT_EQ(o8, 2);
    }
    {
        // Integer Sqrt rounds ties to even: sqrt(9) / 2 = 1.5, sqrt(25) / 2 = 2.5.
        Kzv16s v[3] = {9, 25, -4}, r[3];
        EXPECT_EQ(kzviSqrt_16s_C1RSfs(v, 6, r, 6, {3, 1}, 1), kzvStatusSqrtNegArg);
        EXPECT_EQ(r[0], 2);
        EXPECT_EQ(r[1], 2);
        EXPECT_EQ(r[2], 0);
    }
}

// A 16-bit function that rounds its steps down reads and writes rows at the
// rounded distance: srcStep = 2 * width + 1 walks rows 2 * width apart.
TEST(ArithMath, StepsRoundedDownToSampleSize) {
    alignas(4) Kzv16s src[12], dst[12];
    for (int i = 0; i < 12; ++i) {
        src[i] = Kzv16s(-i - 1);
        dst[i] = 99;
    }
    EXPECT_EQ(kzviAbs_16s_C1R(src, 2 * 4 + 1, dst, 2 * 4 + 1, {4, 3}), 0);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(dst[i], i + 1);
    alignas(4) float fs[6] = {-1, 4, -9, 16, -25, 36}, fd[6] = {};
    EXPECT_EQ(kzviSqr_32f_C1R(fs, 2 * 4 + 3, fd, 2 * 4 + 2, {2, 3}), 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(fd[i], fs[i] * fs[i]);
    // Div, Exp and Ln use their (checked) steps as given.
    alignas(4) uint8_t sb[8] = {}, buf[8] = {};
    const Kzv16u one = 1, two = 2;
    memcpy(sb, &one, 2);
    memcpy(sb + 3, &two, 2);
    EXPECT_EQ(kzviExp_16u_C1RSfs(reinterpret_cast<Kzv16u*>(sb), 3, reinterpret_cast<Kzv16u*>(buf + 1), 3, {1, 2}, 0),
              0);
    Kzv16u got0, got1;
    memcpy(&got0, buf + 1, 2);
    memcpy(&got1, buf + 4, 2);
    EXPECT_EQ(got0, 3);  // e = 2.718
    EXPECT_EQ(got1, 7);  // e^2 = 7.389
}

// The 16u DivC departures: dividing by 1 unscaled is a copy before any
// check (steps are not looked at); a factor of 17 or more fills with 0
// after testing only the source pointer.
TEST(ArithMath, DivC16uShortcuts) {
    kzvt::GuardedImage s(7, 2, 2, 4), d(7, 2, 2, 6);
    kzvt::Rng rng(3);
    s.fillRandomBytes(rng);
    d.fillRandomBytes(rng);
    EXPECT_EQ(kzviDivC_16u_C1RSfs(s.ptr<Kzv16u>(), s.step(), 1, d.ptr<Kzv16u>(), d.step(), {7, 2}, 0), 0);
    EXPECT_TRUE(kzvt::regionNear<Kzv16u>(d, s.packedAs<Kzv16u>()));
    Kzv16u x = 5, y = 0;
    EXPECT_EQ(kzviDivC_16u_C1RSfs(&x, 0, 1, &y, 0, {1, 1}, 0), 0);
    EXPECT_EQ(y, 5);
    EXPECT_EQ(kzviDivC_16u_C1RSfs(nullptr, 2, 1, &y, 2, {1, 1}, 0), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDivC_16u_C1RSfs(&x, 0, 3, d.ptr<Kzv16u>(), d.step(), {7, 2}, 17), 0);
    EXPECT_TRUE(kzvt::regionNear<Kzv16u>(d, std::vector<Kzv16u>(14, 0)));
    EXPECT_TRUE(d.checkWrites());
    EXPECT_EQ(kzviDivC_16u_C1RSfs(nullptr, 2, 3, &y, 2, {1, 1}, 17), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDivC_16u_C1RSfs(&x, 2, 3, nullptr, 2, {1, 1}, 17), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDivC_16u_C1RSfs(&x, 2, 0, &y, 2, {1, 1}, 17), kzvStatusDivByZeroErr);
    const Kzv16u v3[3] = {2, 2, 2};
    kzvt::GuardedImage c(5, 1, 8, 2);
    c.fillRandomBytes(rng);
    EXPECT_EQ(kzviDivC_16u_AC4RSfs(c.ptr<Kzv16u>(), c.step(), v3, c.ptr<Kzv16u>(), c.step(), {5, 1}, 20), 0);
    EXPECT_TRUE(c.checkWrites(kzvt::skipAlpha(2)));
}

// Div converts under the caller's rounding mode; Div_Round does not depend
// on it, and every function leaves the caller's mode as it was.
TEST(ArithMath, RoundingModeHandling) {
    const unsigned before = _mm_getcsr();
    Kzv16s d1 = 4, n = 9, r = 0;  // 2.25
    _mm_setcsr((before & ~0x6000u) | 0x4000u);  // round up
    EXPECT_EQ(kzviDiv_16s_C1RSfs(&d1, 2, &n, 2, &r, 2, {1, 1}, 0), 0);
    EXPECT_EQ(r, 3);
    EXPECT_EQ(kzviDiv_Round_16s_C1RSfs(&d1, 2, &n, 2, &r, 2, {1, 1}, kzvRoundNearestEven, 0), 0);
    EXPECT_EQ(r, 2);
    EXPECT_EQ(_mm_getcsr() & 0x6000u, 0x4000u);
    _mm_setcsr(before);
    float q[3] = {1.0f, 0.0f, -2.0f}, dv[3] = {0.0f, 0.0f, 1.0f}, o[3];
    EXPECT_EQ(kzviDiv_32f_C1R(dv, 12, q, 12, o, 12, {3, 1}), kzvStatusDivByZero);
    EXPECT_EQ(o[0], INFINITY);
    EXPECT_TRUE(std::isnan(o[1]));
    EXPECT_EQ(o[2], -2.0f);
}

// Integer quotients whose vector lanes need care: zero divisors under each
// dividend sign, 0 / 0, quotients beyond the range at either end, ties.
// Rows of 37 samples put every pair in the vector body and some in the
// scalar tail.
TEST(ArithMath, Div16sSpecialQuotientsInBodyAndTail) {
    const int16_t pairs[][2] = {{0, 0},  {7, 0},      {-7, 0}, {-32768, -1}, {-32768, 1}, {32767, -1},
                                {5, 2},  {-5, 2},     {3, -2}, {-32768, 3},  {32767, 2}, {0, -7}};
    const int w = 37, np = int(sizeof(pairs) / sizeof(pairs[0]));
    std::vector<Kzv16s> num(w), den(w);
    for (int i = 0; i < w; ++i) {
        num[size_t(i)] = pairs[i % np][0];
        den[size_t(i)] = pairs[(i + i / np) % np][1];
    }
    for (int f : {0, 1, -3}) {
        for (int mode = -1; mode <= 2; ++mode) {
            SCOPED_TRACE("f=" + std::to_string(f) + " mode=" + std::to_string(mode));
            kzvt::GuardedImage a(w, 1, 2), b(w, 1, 2), d(w, 1, 2);
            a.load(den.data());
            b.load(num.data());
            const KzvStatus st =
                mode < 0 ? kzviDiv_16s_C1RSfs(a.ptr<Kzv16s>(), a.step(), b.ptr<Kzv16s>(), b.step(), d.ptr<Kzv16s>(),
                                              d.step(), {w, 1}, f)
                         : kzviDiv_Round_16s_C1RSfs(a.ptr<Kzv16s>(), a.step(), b.ptr<Kzv16s>(), b.step(),
                                                    d.ptr<Kzv16s>(), d.step(), {w, 1}, KzvRounding(mode), f);
            EXPECT_EQ(st, kzvStatusDivByZero);
            std::vector<Kzv16s> ref(static_cast<size_t>(w));
            bool zero = false;
            for (int i = 0; i < w; ++i) ref[size_t(i)] = refDivInt<Kzv16s>(num[i], den[i], f, mode, 16, -30, zero);
            ASSERT_TRUE(d.checkWrites());
            ASSERT_TRUE(kzvt::regionNear<Kzv16s>(d, ref));
        }
    }
}

// AC4 division warns about zero divisors among the colour samples only,
// whether they fall in the vector body or in the tail.
TEST(ArithMath, DivAC4ZeroDivisorWarningSkipsAlpha) {
    const int w = 9;  // 36 samples: one 32-sample vector and a one-pixel tail
    for (int zeroAt : {-1, 5, 34}) {
        SCOPED_TRACE("zero colour divisor at " + std::to_string(zeroAt));
        std::vector<Kzv8u> den(size_t(w) * 4), num(size_t(w) * 4, 200);
        for (size_t i = 0; i < den.size(); ++i) den[i] = (i % 4 == 3) ? 0 : Kzv8u(3 + i % 5);
        if (zeroAt >= 0) den[size_t(zeroAt)] = 0;
        kzvt::GuardedImage a(w, 1, 4), b(w, 1, 4), d(w, 1, 4);
        a.load(den.data());
        b.load(num.data());
        const KzvStatus st = kzviDiv_8u_AC4RSfs(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {w, 1}, 0);
        EXPECT_EQ(st, zeroAt < 0 ? kzvStatusOk : kzvStatusDivByZero);
    }
}
