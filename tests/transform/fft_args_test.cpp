// 2-D FFT/DFT: argument checks (status and nothing written), reported sizes,
// the documented edge cases and large sizes checked by inverse round trips
// and by sampled outputs of a direct double-precision DFT.
//
// Error bounds: RMS error relative to the RMS of the exact result, at most
// 2 * log2(W*H) * 2^-24 for one transform and twice that for a round trip.
#include <cmath>
#include <complex>
#include <memory>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

double bound(double w, double h) { return 2.0 * std::max(1.0, std::log2(w * h)) * std::ldexp(1.0, -24); }

// Caller memory of a given size at a 64-byte offset of 0..63.
struct Mem {
    std::vector<uint8_t> v;
    uint8_t* p;
    explicit Mem(int bytes, int offset = 13) : v(size_t(std::max(bytes, 0)) + 64, 0x5A) {
        p = v.data() + ((64 - (reinterpret_cast<uintptr_t>(v.data()) & 63)) & 63) + (offset & 63);
    }
};

struct FftC {
    int ox, oy;
    Mem spec{0}, init{0}, buf{0};
    int need[3] = {0, 0, 0};
    FftC(int ox_, int oy_, int flag = 8) : ox(ox_), oy(oy_) {
        EXPECT_EQ(kzviFFTGetSize_C_32fc(ox, oy, flag, kzvAlgHintNone, &need[0], &need[1], &need[2]), kzvStatusOk);
        spec = Mem(need[0]), init = Mem(need[1]), buf = Mem(need[2]);
        EXPECT_EQ(kzviFFTInit_C_32fc(ox, oy, flag, kzvAlgHintNone, s(), init.p), kzvStatusOk);
    }
    KzviFFTSpec_C_32fc* s() { return reinterpret_cast<KzviFFTSpec_C_32fc*>(spec.p); }
};

struct FftR {
    Mem spec{0}, init{0}, buf{0};
    FftR(int ox, int oy, int flag) {
        int a, b, c;
        EXPECT_EQ(kzviFFTGetSize_R_32f(ox, oy, flag, kzvAlgHintNone, &a, &b, &c), kzvStatusOk);
        spec = Mem(a), init = Mem(b), buf = Mem(c);
        EXPECT_EQ(kzviFFTInit_R_32f(ox, oy, flag, kzvAlgHintFast, s(), init.p), kzvStatusOk);
    }
    KzviFFTSpec_R_32f* s() { return reinterpret_cast<KzviFFTSpec_R_32f*>(spec.p); }
};

struct DftR {
    Mem spec{0}, init{0}, buf{0};
    DftR(int w, int h, int flag) {
        int a, b, c;
        EXPECT_EQ(kzviDFTGetSize_R_32f({w, h}, flag, kzvAlgHintNone, &a, &b, &c), kzvStatusOk);
        spec = Mem(a), init = Mem(b), buf = Mem(c);
        EXPECT_EQ(kzviDFTInit_R_32f({w, h}, flag, kzvAlgHintAccurate, s(), init.p), kzvStatusOk);
    }
    KzviDFTSpec_R_32f* s() { return reinterpret_cast<KzviDFTSpec_R_32f*>(spec.p); }
};

struct DftC {
    Mem spec{0}, init{0}, buf{0};
    DftC(int w, int h, int flag) {
        int a, b, c;
        EXPECT_EQ(kzviDFTGetSize_C_32fc({w, h}, flag, kzvAlgHintNone, &a, &b, &c), kzvStatusOk);
        spec = Mem(a), init = Mem(b), buf = Mem(c);
        EXPECT_EQ(kzviDFTInit_C_32fc({w, h}, flag, kzvAlgHintNone, s(), init.p), kzvStatusOk);
    }
    KzviDFTSpec_C_32fc* s() { return reinterpret_cast<KzviDFTSpec_C_32fc*>(spec.p); }
};

double relRms(const std::vector<double>& got, const std::vector<double>& want) {
    double e = 0, r = 0;
    for (size_t i = 0; i < want.size(); ++i) e += (got[i] - want[i]) * (got[i] - want[i]), r += want[i] * want[i];
    return std::sqrt(e / r);
}

}  // namespace

// ---- Sizes ------------------------------------------------------------------------

TEST(FftSizes, DocumentedFormulas) {
    int s, i, b;
    // Complex 1024 x 1024: spec A(16*1024+2048) + 64; buffer
    // A(64*H + 8*H+128) + 64.
    ASSERT_EQ(kzviFFTGetSize_C_32fc(10, 10, 2, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(s, 18432 + 64);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(b, 73856 + 64);
    // Complex 8 x 64: two column and row specs, no 1-D buffers (orders <= 6).
    ASSERT_EQ(kzviFFTGetSize_C_32fc(3, 6, 1, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(s, 2176 + 3072 + 64);
    EXPECT_EQ(b, 4096 + 64);
    // Real 256 x 8: real row, real column and complex column specs; buffer
    // A(max(16W + 4W+128, 16H, 64H)) + 64.
    ASSERT_EQ(kzviFFTGetSize_R_32f(8, 3, 4, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(s, 4352 + 2176 + 2176 + 64);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(b, 5248 + 64);
    // Equal orders share the real spec.
    ASSERT_EQ(kzviFFTGetSize_R_32f(5, 5, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(s, 2368 + 2560 + 64);
    // DFT sizes are multiples of 64 and cover the chirp method's init memory.
    ASSERT_EQ(kzviDFTGetSize_R_32f({97, 5}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(s % 64, 0);
    EXPECT_GT(i, 0);
    EXPECT_EQ(b % 64, 0);
    ASSERT_EQ(kzviDFTGetSize_C_32fc({6, 10}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusOk);
    EXPECT_EQ(i, 0);
}

TEST(FftSizes, OverflowAndLimits) {
    int s = -1, i = -1, b = -1;
    EXPECT_EQ(kzviFFTGetSize_C_32fc(28, 1, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeOverflowErr);
    EXPECT_EQ(kzviFFTGetSize_C_32fc(29, 1, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviFFTGetSize_R_32f(29, 1, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeOverflowErr);
    EXPECT_EQ(kzviFFTGetSize_R_32f(30, 1, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviDFTGetSize_C_32fc({134217729, 1}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeErr);
    EXPECT_EQ(kzviDFTGetSize_R_32f({1, 134217727}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeOverflowErr);
    EXPECT_EQ(s, -1);
    EXPECT_EQ(i, -1);
    EXPECT_EQ(b, -1);
}

// ---- Argument checks --------------------------------------------------------------

TEST(FftArgs, GetSizeAndInit) {
    int s = 0, i = 0, b = 0;
    struct Case {
        int ox, oy, flag;
        KzvStatus want;
    };
    const Case fftCases[] = {
        {-1, 2, 8, kzvStatusFftOrderErr}, {2, -1, 8, kzvStatusFftOrderErr}, {2, 2, 3, kzvStatusFftFlagErr},
        {2, 2, 0, kzvStatusFftFlagErr},   {2, 2, 16, kzvStatusFftFlagErr},  {40, 2, 3, kzvStatusFftOrderErr},
    };
    for (const Case& c : fftCases) {
        SCOPED_TRACE(testing::Message() << c.ox << " " << c.oy << " flag " << c.flag);
        EXPECT_EQ(kzviFFTGetSize_C_32fc(c.ox, c.oy, c.flag, kzvAlgHintNone, &s, &i, &b), c.want);
        EXPECT_EQ(kzviFFTGetSize_R_32f(c.ox, c.oy, c.flag, kzvAlgHintNone, &s, &i, &b), c.want);
    }
    EXPECT_EQ(kzviFFTGetSize_C_32fc(2, 2, 8, kzvAlgHintNone, nullptr, &i, &b), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFFTGetSize_R_32f(2, 2, 8, kzvAlgHintNone, &s, nullptr, &b), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTGetSize_C_32fc({2, 2}, 8, kzvAlgHintNone, &s, &i, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTGetSize_R_32f({0, 2}, 8, kzvAlgHintNone, nullptr, &i, &b), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTGetSize_R_32f({0, 2}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeErr);
    EXPECT_EQ(kzviDFTGetSize_C_32fc({3, -1}, 8, kzvAlgHintNone, &s, &i, &b), kzvStatusSizeErr);
    EXPECT_EQ(kzviDFTGetSize_C_32fc({3, 5}, 3, kzvAlgHintNone, &s, &i, &b), kzvStatusFftFlagErr);
    EXPECT_EQ(kzviDFTGetSize_R_32f({3, 5}, 5, kzvAlgHintNone, &s, &i, &b), kzvStatusFftFlagErr);

    // Init: orders >= 31 (also negative, compared unsigned) before the spec
    // pointer; nothing is written on any failure.
    Mem spec(8192);
    const std::vector<uint8_t> before = spec.v;
    auto* fc = reinterpret_cast<KzviFFTSpec_C_32fc*>(spec.p);
    auto* fr = reinterpret_cast<KzviFFTSpec_R_32f*>(spec.p);
    auto* dc = reinterpret_cast<KzviDFTSpec_C_32fc*>(spec.p);
    auto* dr = reinterpret_cast<KzviDFTSpec_R_32f*>(spec.p);
    Mem init(1 << 16);
    EXPECT_EQ(kzviFFTInit_R_32f(31, 2, 8, kzvAlgHintNone, fr, init.p), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviFFTInit_R_32f(31, 2, 8, kzvAlgHintNone, nullptr, init.p), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviFFTInit_C_32fc(2, -1, 8, kzvAlgHintNone, fc, init.p), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviFFTInit_C_32fc(2, 2, 8, kzvAlgHintNone, nullptr, init.p), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviFFTInit_R_32f(29, 2, 8, kzvAlgHintNone, fr, init.p), kzvStatusFftOrderErr);
    EXPECT_EQ(kzviFFTInit_C_32fc(2, 2, 3, kzvAlgHintNone, fc, init.p), kzvStatusFftFlagErr);
    EXPECT_EQ(kzviFFTInit_R_32f(2, 2, 3, kzvAlgHintNone, fr, nullptr), kzvStatusFftFlagErr);
    EXPECT_EQ(kzviDFTInit_C_32fc({2, 2}, 8, kzvAlgHintNone, nullptr, init.p), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTInit_C_32fc({0, 2}, 8, kzvAlgHintNone, dc, init.p), kzvStatusSizeErr);
    EXPECT_EQ(kzviDFTInit_R_32f({5, 3}, 7, kzvAlgHintNone, dr, init.p), kzvStatusFftFlagErr);
    // A length that needs the chirp method needs init memory.
    EXPECT_EQ(kzviDFTInit_R_32f({97, 3}, 8, kzvAlgHintNone, dr, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTInit_C_32fc({101, 4}, 3, kzvAlgHintNone, dc, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTInit_C_32fc({4, 101}, 3, kzvAlgHintNone, dc, nullptr), kzvStatusFftFlagErr);
    EXPECT_TRUE(spec.v == before);
}

// Transform calls: spec null, identifier, image pointers, steps, buffer; the
// destination is untouched on every failure. Run for each family.
TEST(FftArgs, TransformCalls) {
    FftC fc(3, 6);  // 8 x 64: needs a work buffer
    FftR fr(3, 6, 8);
    DftC dc(8, 64, 8);
    DftR dr(8, 64, 8);
    const void* specs[4] = {fc.spec.p, fr.spec.p, dc.spec.p, dr.spec.p};
    uint8_t* bufs[4] = {fc.buf.p, fr.buf.p, dc.buf.p, dr.buf.p};
    using Fn = KzvStatus (*)(const void*, int, void*, int, const void*, Kzv8u*);
    const Fn fns[4] = {reinterpret_cast<Fn>(kzviFFTFwd_CToC_32fc_C1R), reinterpret_cast<Fn>(kzviFFTFwd_RToPack_32f_C1R),
                       reinterpret_cast<Fn>(kzviDFTInv_CToC_32fc_C1R), reinterpret_cast<Fn>(kzviDFTInv_PackToR_32f_AC4R)};
    const int px[4] = {8, 4, 8, 16};
    Mem garbage(8192, 0);
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        GuardedImage src(8, 64, px[f]), dst(8, 64, px[f]);
        const int ss = src.step(), ds = dst.step();
        const void* other = specs[(f + 2) % 4];  // FFT spec to a DFT call and back
        const void* otherKind = specs[f ^ 1];    // complex spec to a real call and back
        struct Case {
            const void* s;
            int sstep;
            void* d;
            int dstep;
            const void* spec;
            uint8_t* buf;
            KzvStatus want;
        };
        const Case cases[] = {
            {nullptr, ss, dst.data(), ds, nullptr, bufs[f], kzvStatusNullPtrErr},
            {src.data(), ss, dst.data(), ds, other, bufs[f], kzvStatusContextMatchErr},
            {src.data(), ss, dst.data(), ds, otherKind, bufs[f], kzvStatusContextMatchErr},
            {src.data(), ss, dst.data(), ds, garbage.p, bufs[f], kzvStatusContextMatchErr},
            {nullptr, ss, dst.data(), ds, specs[f], bufs[f], kzvStatusNullPtrErr},
            {src.data(), ss, nullptr, ds, specs[f], bufs[f], kzvStatusNullPtrErr},
            {src.data(), 0, dst.data(), ds, specs[f], bufs[f], kzvStatusStepErr},
            {src.data(), ss, dst.data(), -ds, specs[f], bufs[f], kzvStatusStepErr},
            {src.data(), ss, dst.data(), ds, specs[f], nullptr, kzvStatusNullPtrErr},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(fns[f](c.s, c.sstep, c.d, c.dstep, c.spec, c.buf), c.want);
            EXPECT_TRUE(dst.unchanged());
        }
    }
    // In-place forms check the same way.
    GuardedImage img(8, 64, 8);
    EXPECT_EQ(kzviFFTInv_CToC_32fc_C1IR(img.ptr<Kzv32fc>(), 0, fc.s(), fc.buf.p), kzvStatusStepErr);
    EXPECT_EQ(kzviFFTInv_CToC_32fc_C1IR(nullptr, img.step(), fc.s(), fc.buf.p), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviDFTFwd_CToC_32fc_C1IR(img.ptr<Kzv32fc>(), img.step(), reinterpret_cast<KzviDFTSpec_C_32fc*>(fc.spec.p),
                                        fc.buf.p),
              kzvStatusContextMatchErr);
    EXPECT_TRUE(img.unchanged());
}

// ---- Edge cases -------------------------------------------------------------------

// Small orders need no work buffer: a null buffer is accepted.
TEST(FftEdge, SmallSizesAcceptNullBuffer) {
    for (int flag : {1, 2, 4, 8}) {
        FftC c(0, 0, flag);
        Kzv32fc v = {3.5f, -2.f}, out = {0, 0};
        ASSERT_EQ(kzviFFTFwd_CToC_32fc_C1R(&v, 8, &out, 8, c.s(), nullptr), kzvStatusOk);
        EXPECT_EQ(out.re, 3.5f);
        EXPECT_EQ(out.im, -2.f);
        FftR r(0, 0, flag);
        float x = -7.25f, y = 0;
        ASSERT_EQ(kzviFFTInv_PackToR_32f_C1R(&x, 4, &y, 4, r.s(), nullptr), kzvStatusOk);
        EXPECT_EQ(y, -7.25f);
    }
    FftC c(2, 2);
    std::vector<Kzv32fc> img(16, Kzv32fc{1.f, 0.f});
    EXPECT_EQ(kzviFFTFwd_CToC_32fc_C1IR(img.data(), 32, c.s(), nullptr), kzvStatusOk);
    EXPECT_EQ(img[0].re, 16.f);
}

// RToPack of a constant image c with flag 8: c*W*H at (0, 0), 0 elsewhere.
TEST(FftEdge, ConstantImage) {
    const int sizes[][2] = {{16, 8}, {5, 7}, {12, 1}, {1, 9}, {64, 30}};
    for (auto& sz : sizes) {
        const int w = sz[0], h = sz[1];
        DftR d(w, h, 8);
        GuardedImage src(w, h, 4), dst(w, h, 4);
        src.fillSamples<float>([](int, int) { return 1.5f; });
        ASSERT_EQ(kzviDFTFwd_RToPack_32f_C1R(src.ptr<float>(), src.step(), dst.ptr<float>(), dst.step(), d.s(), d.buf.p),
                  kzvStatusOk);
        std::vector<float> want(size_t(w) * h, 0.f);
        want[0] = 1.5f * w * h;
        EXPECT_TRUE(kzvt::regionNear(dst, want, 1e-4 * w * h)) << w << "x" << h;
    }
}

// Flag 8: forward then inverse gives the image times W*H; flags 1, 2, 4
// give the image back.
TEST(FftEdge, RoundTripByFlag) {
    Rng rng(kzvt::baseSeed());
    for (int flag : {1, 2, 4, 8}) {
        const int w = 32, h = 16;
        FftR r(5, 4, flag);
        GuardedImage img(w, h, 16);
        std::vector<float> x = kzvt::randomSamples<float>(rng, size_t(w) * h * 4, false);
        img.load(x.data());
        ASSERT_EQ(kzviFFTFwd_RToPack_32f_C4IR(img.ptr<float>(), img.step(), r.s(), r.buf.p), kzvStatusOk);
        ASSERT_EQ(kzviFFTInv_PackToR_32f_C4IR(img.ptr<float>(), img.step(), r.s(), r.buf.p), kzvStatusOk);
        std::vector<float> got = img.packedAs<float>();
        std::vector<double> g(got.begin(), got.end()), want(x.begin(), x.end());
        for (double& v : want) v *= flag == 8 ? double(w) * h : 1.0;
        EXPECT_LE(relRms(g, want), 2 * bound(w, h)) << "flag " << flag;
    }
}

// ---- Large sizes ----------------------------------------------------------------------

namespace {

// Direct 2-D DFT at one frequency (u, v), in double.
std::complex<double> directAt(const std::vector<float>& re, const std::vector<float>* im, int w, int h, int u, int v) {
    std::vector<double> cr(w), ci(w);
    for (int x = 0; x < w; ++x) {
        const double a = -2.0 * M_PI * double((int64_t(u) * x) % w) / w;
        cr[x] = std::cos(a), ci[x] = std::sin(a);
    }
    double sr = 0, si = 0;
    for (int y = 0; y < h; ++y) {
        const double ay = -2.0 * M_PI * double((int64_t(v) * y) % h) / h;
        const float* pr = &re[size_t(y) * w];
        const float* pi = im ? &(*im)[size_t(y) * w] : nullptr;
        double rr = 0, ri = 0;
        for (int x = 0; x < w; ++x) {
            const double a = pr[x], b = pi ? pi[x] : 0.0;
            rr += a * cr[x] - b * ci[x];
            ri += a * ci[x] + b * cr[x];
        }
        const double c = std::cos(ay), s = std::sin(ay);
        sr += rr * c - ri * s;
        si += rr * s + ri * c;
    }
    return {sr, si};
}

}  // namespace

TEST(FftLarge, Complex1024RoundTripAndSamples) {
    Rng rng(kzvt::baseSeed() + 1);
    const int w = 1024, h = 512;
    FftC c(10, 9, 2);
    GuardedImage src(w, h, 8, 24), dst(w, h, 8);
    std::vector<float> x = kzvt::randomSamples<float>(rng, size_t(w) * h * 2, false);
    src.load(x.data());
    ASSERT_EQ(kzviFFTFwd_CToC_32fc_C1R(src.ptr<Kzv32fc>(), src.step(), dst.ptr<Kzv32fc>(), dst.step(), c.s(), c.buf.p),
              kzvStatusOk);
    std::vector<float> spec = dst.packedAs<float>();
    std::vector<float> re(size_t(w) * h), im(size_t(w) * h);
    for (size_t i = 0; i < re.size(); ++i) re[i] = x[2 * i], im[i] = x[2 * i + 1];
    double e = 0, r = 0;
    const int uv[][2] = {{0, 0}, {1, 0}, {0, 1}, {513, 7}, {1023, 511}, {300, 256}};
    for (auto& p : uv) {
        const std::complex<double> want = directAt(re, &im, w, h, p[0], p[1]);
        const size_t i = size_t(p[1]) * w + p[0];
        e += std::norm(std::complex<double>(spec[2 * i], spec[2 * i + 1]) - want);
        r += double(w) * h * 1000.0 * 1000.0 / 3.0 * 2.0;  // expected |F|^2 of uniform [-1000, 1000] data
    }
    EXPECT_LE(std::sqrt(e / r), 4 * bound(w, h));
    ASSERT_EQ(kzviFFTInv_CToC_32fc_C1IR(dst.ptr<Kzv32fc>(), dst.step(), c.s(), c.buf.p), kzvStatusOk);
    std::vector<float> back = dst.packedAs<float>();
    EXPECT_LE(relRms(std::vector<double>(back.begin(), back.end()), std::vector<double>(x.begin(), x.end())),
              2 * bound(w, h));
}

TEST(FftLarge, RealRoundTripAndSamples) {
    Rng rng(kzvt::baseSeed() + 2);
    struct Case {
        int w, h;
        bool fft;
    };
    const Case cases[] = {{1024, 1024, true}, {1000, 1000, false}, {640, 480, false}};
    for (const Case& cs : cases) {
        SCOPED_TRACE(testing::Message() << cs.w << "x" << cs.h);
        const int w = cs.w, h = cs.h;
        std::unique_ptr<FftR> fr;
        std::unique_ptr<DftR> dr;
        if (cs.fft) fr.reset(new FftR(10, 10, 2));
        else dr.reset(new DftR(w, h, 2));
        GuardedImage src(w, h, 4, 12), dst(w, h, 4, 4);
        std::vector<float> x = kzvt::randomSamples<float>(rng, size_t(w) * h, false);
        src.load(x.data());
        KzvStatus st = cs.fft ? kzviFFTFwd_RToPack_32f_C1R(src.ptr<float>(), src.step(), dst.ptr<float>(), dst.step(),
                                                           fr->s(), fr->buf.p)
                              : kzviDFTFwd_RToPack_32f_C1R(src.ptr<float>(), src.step(), dst.ptr<float>(), dst.step(),
                                                           dr->s(), dr->buf.p);
        ASSERT_EQ(st, kzvStatusOk);
        std::vector<float> P = dst.packedAs<float>();
        // Sampled complex columns and the real columns' packed entries.
        double e = 0, r = 0;
        const int uv[][2] = {{1, 0}, {3, 5}, {w / 2 - 1, h - 1}, {100, h / 2}};
        for (auto& p : uv) {
            const std::complex<double> want = directAt(x, nullptr, w, h, p[0], p[1]);
            const size_t row = size_t(p[1]) * w;
            e += std::norm(std::complex<double>(P[row + 2 * p[0] - 1], P[row + 2 * p[0]]) - want);
            r += double(w) * h * 1000.0 * 1000.0 / 3.0;
        }
        const std::complex<double> f01 = directAt(x, nullptr, w, h, 0, 1);
        e += std::pow(P[size_t(w)] - f01.real(), 2) + std::pow(P[size_t(2) * w] - f01.imag(), 2);
        r += double(w) * h * 1000.0 * 1000.0 / 3.0;
        EXPECT_LE(std::sqrt(e / r), 4 * bound(w, h));
        st = cs.fft ? kzviFFTInv_PackToR_32f_C1IR(dst.ptr<float>(), dst.step(), fr->s(), fr->buf.p)
                    : kzviDFTInv_PackToR_32f_C1IR(dst.ptr<float>(), dst.step(), dr->s(), dr->buf.p);
        ASSERT_EQ(st, kzvStatusOk);
        EXPECT_TRUE(dst.checkWrites());
        std::vector<float> back = dst.packedAs<float>();
        EXPECT_LE(relRms(std::vector<double>(back.begin(), back.end()), std::vector<double>(x.begin(), x.end())),
                  2 * bound(w, h));
    }
}
