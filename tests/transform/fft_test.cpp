// Two-dimensional FFT and DFT against a direct double-precision DFT, on
// guarded images with random steps and offsets; the packed real layout
// element by element; argument checks, sizes and edge cases.
//
// Error bound: the RMS error of a transform relative to the RMS of the
// double-precision reference is at most kC * log2(W*H) * 2^-24 (see rmsBound).
#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "kzvt.h"

namespace {

using cd = std::complex<double>;
using kzvt::GuardedImage;
using kzvt::Rng;

constexpr double kC = 2.0;
double rmsBound(int64_t w, int64_t h) {
    const double lg = std::log2(double(w) * double(h));
    return kC * std::max(1.0, lg) * std::ldexp(1.0, -24);
}

// ---- Reference ---------------------------------------------------------------

// exp(sign * 2 pi i * e / n) with the exponent reduced exactly.
cd unitRoot(int64_t e, int64_t n, int sign) {
    e %= n;
    const double a = sign * 2.0 * M_PI * double(e) / double(n);
    return {std::cos(a), std::sin(a)};
}

// Plain recursive radix-2 transform in double for power-of-two lengths
// (exact roots, error ~ log2(n) * 1e-16): keeps the reference fast for long
// rows and columns.
void fft2(const cd* in, ptrdiff_t stride, cd* out, int64_t n, int sign, const std::vector<cd>& root, int64_t rstep) {
    if (n == 1) {
        out[0] = in[0];
        return;
    }
    fft2(in, 2 * stride, out, n / 2, sign, root, 2 * rstep);
    fft2(in + stride, 2 * stride, out + n / 2, n / 2, sign, root, 2 * rstep);
    for (int64_t k = 0; k < n / 2; ++k) {
        const cd w = root[size_t(k * rstep)];
        const cd a = out[k], b = out[k + n / 2];
        const cd t(b.real() * w.real() - b.imag() * w.imag(), b.real() * w.imag() + b.imag() * w.real());
        out[k] = a + t;
        out[k + n / 2] = a - t;
    }
}

// 1-D DFT of a strided sequence in double: directly from the definition,
// or by the radix-2 recursion for powers of two from 64 on.
void dft1(const cd* in, ptrdiff_t stride, cd* out, ptrdiff_t ostride, int64_t n, int sign) {
    std::vector<cd> root(n), tmp(n);
    if (n >= 64 && (n & (n - 1)) == 0) {
        for (int64_t e = 0; e < n; ++e) root[e] = unitRoot(e, n, sign);
        fft2(in, stride, tmp.data(), n, sign, root, 1);
        for (int64_t k = 0; k < n; ++k) out[k * ostride] = tmp[k];
        return;
    }
    for (int64_t e = 0; e < n; ++e) root[e] = unitRoot(e, n, sign);
    for (int64_t k = 0; k < n; ++k) {
        double sr = 0, si = 0;
        int64_t e = 0;
        for (int64_t j = 0; j < n; ++j) {
            const double ar = in[j * stride].real(), ai = in[j * stride].imag();
            const double wr = root[e].real(), wi = root[e].imag();
            sr += ar * wr - ai * wi;
            si += ar * wi + ai * wr;
            e += k;
            if (e >= n) e -= n;
        }
        tmp[k] = cd(sr, si);
    }
    for (int64_t k = 0; k < n; ++k) out[k * ostride] = tmp[k];
}

// Direct 2-D DFT (rows then columns), sign -1 forward, +1 inverse, unscaled.
std::vector<cd> dft2(std::vector<cd> a, int w, int h, int sign) {
    for (int y = 0; y < h; ++y) dft1(&a[size_t(y) * w], 1, &a[size_t(y) * w], 1, w, sign);
    for (int x = 0; x < w; ++x) dft1(&a[x], w, &a[x], w, h, sign);
    return a;
}

// Factors of the normalisation flag for a 2-D transform of w x h.
double fwdFactor(int flag, int w, int h) {
    const double n = double(w) * h;
    return flag == 1 ? 1.0 / n : flag == 4 ? 1.0 / std::sqrt(n) : 1.0;
}
double invFactor(int flag, int w, int h) {
    const double n = double(w) * h;
    return flag == 2 ? 1.0 / n : flag == 4 ? 1.0 / std::sqrt(n) : 1.0;
}

// The packed real layout, written from its definition.
std::vector<double> pack(const std::vector<cd>& F, int w, int h) {
    std::vector<double> P(size_t(w) * h, 0.0);
    auto at = [&](int u, int v) { return F[size_t(v) * w + u]; };
    auto put = [&](int row, int col, double x) { P[size_t(row) * w + col] = x; };
    for (int u = 1; u <= (w + 1) / 2 - 1; ++u)
        for (int v = 0; v < h; ++v) put(v, 2 * u - 1, at(u, v).real()), put(v, 2 * u, at(u, v).imag());
    const int realCols = (w % 2 == 0 && w > 1) ? 2 : 1;
    for (int c = 0; c < realCols; ++c) {
        const int col = c == 0 ? 0 : w - 1, u = c == 0 ? 0 : w / 2;
        put(0, col, at(u, 0).real());
        for (int v = 1; v <= (h + 1) / 2 - 1; ++v) put(2 * v - 1, col, at(u, v).real()), put(2 * v, col, at(u, v).imag());
        if (h % 2 == 0 && h > 1) put(h - 1, col, at(u, h / 2).real());
    }
    return P;
}

// The full Hermitian spectrum a packed image stands for.
std::vector<cd> unpack(const std::vector<float>& P, int w, int h) {
    std::vector<cd> F(size_t(w) * h);
    auto p = [&](int row, int col) { return double(P[size_t(row) * w + col]); };
    auto set = [&](int u, int v, cd x) { F[size_t(v) * w + u] = x; };
    for (int u = 1; u <= (w + 1) / 2 - 1; ++u)
        for (int v = 0; v < h; ++v) set(u, v, cd(p(v, 2 * u - 1), p(v, 2 * u)));
    const int realCols = (w % 2 == 0 && w > 1) ? 2 : 1;
    for (int c = 0; c < realCols; ++c) {
        const int col = c == 0 ? 0 : w - 1, u = c == 0 ? 0 : w / 2;
        set(u, 0, p(0, col));
        for (int v = 1; v <= (h + 1) / 2 - 1; ++v) {
            set(u, v, cd(p(2 * v - 1, col), p(2 * v, col)));
            set(u, h - v, cd(p(2 * v - 1, col), -p(2 * v, col)));
        }
        if (h % 2 == 0 && h > 1) set(u, h / 2, p(h - 1, col));
    }
    for (int u = w / 2 + 1; u < w; ++u)
        for (int v = 0; v < h; ++v) set(u, v, std::conj(F[size_t((h - v) % h) * w + (w - u)]));
    return F;
}

// RMS of (got - want) relative to the RMS of want.
double relRms(const std::vector<double>& got, const std::vector<double>& want) {
    double e = 0, r = 0;
    for (size_t i = 0; i < want.size(); ++i) e += (got[i] - want[i]) * (got[i] - want[i]), r += want[i] * want[i];
    return r == 0 ? std::sqrt(e) : std::sqrt(e / r);
}

// ---- Calling the library -----------------------------------------------------

enum class Family { FftC, FftR, DftC, DftR };

// Spec, init memory and work buffer of reported sizes, each at a random
// offset from 64-byte alignment and against a guard page.
struct Spec {
    GuardedImage spec, init, buf;
    bool noBuffer = false;
    uint8_t* bufPtr() const { return noBuffer ? nullptr : buf.data(); }
};

int orderOf(int n) {
    int p = 0;
    while ((1 << p) < n) ++p;
    return p;
}

KzvStatus getSize(Family f, int w, int h, int flag, int* s, int* i, int* b) {
    switch (f) {
    case Family::FftC: return kzviFFTGetSize_C_32fc(orderOf(w), orderOf(h), flag, kzvAlgHintNone, s, i, b);
    case Family::FftR: return kzviFFTGetSize_R_32f(orderOf(w), orderOf(h), flag, kzvAlgHintNone, s, i, b);
    case Family::DftC: return kzviDFTGetSize_C_32fc({w, h}, flag, kzvAlgHintNone, s, i, b);
    default: return kzviDFTGetSize_R_32f({w, h}, flag, kzvAlgHintNone, s, i, b);
    }
}

KzvStatus initSpec(Family f, int w, int h, int flag, KzvAlgHint hint, void* spec, Kzv8u* init) {
    switch (f) {
    case Family::FftC:
        return kzviFFTInit_C_32fc(orderOf(w), orderOf(h), flag, hint, static_cast<KzviFFTSpec_C_32fc*>(spec), init);
    case Family::FftR:
        return kzviFFTInit_R_32f(orderOf(w), orderOf(h), flag, hint, static_cast<KzviFFTSpec_R_32f*>(spec), init);
    case Family::DftC:
        return kzviDFTInit_C_32fc({w, h}, flag, hint, static_cast<KzviDFTSpec_C_32fc*>(spec), init);
    default: return kzviDFTInit_R_32f({w, h}, flag, hint, static_cast<KzviDFTSpec_R_32f*>(spec), init);
    }
}

Spec makeSpec(Family f, int w, int h, int flag, Rng& rng) {
    int s = 0, i = 0, b = 0;
    EXPECT_EQ(getSize(f, w, h, flag, &s, &i, &b), kzvStatusOk) << w << "x" << h;
    Spec sp;
    auto mis = [&] { return rng.uniform(0, 63); };
    sp.spec = GuardedImage(std::max(s, 1), 1, 1, 0, mis());
    sp.init = GuardedImage(std::max(i, 1), 1, 1, 0, mis());
    sp.buf = GuardedImage(std::max(b, 1), 1, 1, 0, mis());
    sp.spec.fillRandomBytes(rng);
    sp.buf.fillRandomBytes(rng);
    const KzvAlgHint hint = KzvAlgHint(rng.uniform(0, 2));
    EXPECT_EQ(initSpec(f, w, h, flag, hint, sp.spec.data(), i ? sp.init.data() : nullptr), kzvStatusOk);
    EXPECT_TRUE(sp.spec.checkWrites());
    sp.spec.snapshot();
    return sp;
}

using ComplexFn = KzvStatus (*)(const Kzv32fc*, int, Kzv32fc*, int, const void*, Kzv8u*);
using ComplexIFn = KzvStatus (*)(Kzv32fc*, int, const void*, Kzv8u*);
using RealFn = KzvStatus (*)(const Kzv32f*, int, Kzv32f*, int, const void*, Kzv8u*);
using RealIFn = KzvStatus (*)(Kzv32f*, int, const void*, Kzv8u*);

struct ComplexOps {
    ComplexFn fwd, inv;
    ComplexIFn fwdI, invI;
};
template <class F>
ComplexFn asC(F f) { return reinterpret_cast<ComplexFn>(f); }
template <class F>
ComplexIFn asCI(F f) { return reinterpret_cast<ComplexIFn>(f); }
template <class F>
RealFn asR(F f) { return reinterpret_cast<RealFn>(f); }
template <class F>
RealIFn asRI(F f) { return reinterpret_cast<RealIFn>(f); }

ComplexOps complexOps(Family f) {
    if (f == Family::FftC)
        return {asC(kzviFFTFwd_CToC_32fc_C1R), asC(kzviFFTInv_CToC_32fc_C1R), asCI(kzviFFTFwd_CToC_32fc_C1IR),
                asCI(kzviFFTInv_CToC_32fc_C1IR)};
    return {asC(kzviDFTFwd_CToC_32fc_C1R), asC(kzviDFTInv_CToC_32fc_C1R), asCI(kzviDFTFwd_CToC_32fc_C1IR),
            asCI(kzviDFTInv_CToC_32fc_C1IR)};
}

// Real transforms by layout: index 0 C1, 1 C3, 2 C4, 3 AC4.
struct RealOps {
    RealFn fwd, inv;
    RealIFn fwdI, invI;
    int ch, done;
};
RealOps realOps(Family f, int layout) {
    const int ch[] = {1, 3, 4, 4}, done[] = {1, 3, 4, 3};
    if (f == Family::FftR) {
        const RealOps t[] = {
            {asR(kzviFFTFwd_RToPack_32f_C1R), asR(kzviFFTInv_PackToR_32f_C1R), asRI(kzviFFTFwd_RToPack_32f_C1IR),
             asRI(kzviFFTInv_PackToR_32f_C1IR), 0, 0},
            {asR(kzviFFTFwd_RToPack_32f_C3R), asR(kzviFFTInv_PackToR_32f_C3R), asRI(kzviFFTFwd_RToPack_32f_C3IR),
             asRI(kzviFFTInv_PackToR_32f_C3IR), 0, 0},
            {asR(kzviFFTFwd_RToPack_32f_C4R), asR(kzviFFTInv_PackToR_32f_C4R), asRI(kzviFFTFwd_RToPack_32f_C4IR),
             asRI(kzviFFTInv_PackToR_32f_C4IR), 0, 0},
            {asR(kzviFFTFwd_RToPack_32f_AC4R), asR(kzviFFTInv_PackToR_32f_AC4R), asRI(kzviFFTFwd_RToPack_32f_AC4IR),
             asRI(kzviFFTInv_PackToR_32f_AC4IR), 0, 0}};
        RealOps o = t[layout];
        o.ch = ch[layout], o.done = done[layout];
        return o;
    }
    const RealOps t[] = {
        {asR(kzviDFTFwd_RToPack_32f_C1R), asR(kzviDFTInv_PackToR_32f_C1R), asRI(kzviDFTFwd_RToPack_32f_C1IR),
         asRI(kzviDFTInv_PackToR_32f_C1IR), 0, 0},
        {asR(kzviDFTFwd_RToPack_32f_C3R), asR(kzviDFTInv_PackToR_32f_C3R), asRI(kzviDFTFwd_RToPack_32f_C3IR),
         asRI(kzviDFTInv_PackToR_32f_C3IR), 0, 0},
        {asR(kzviDFTFwd_RToPack_32f_C4R), asR(kzviDFTInv_PackToR_32f_C4R), asRI(kzviDFTFwd_RToPack_32f_C4IR),
         asRI(kzviDFTInv_PackToR_32f_C4IR), 0, 0},
        {asR(kzviDFTFwd_RToPack_32f_AC4R), asR(kzviDFTInv_PackToR_32f_AC4R), asRI(kzviDFTFwd_RToPack_32f_AC4IR),
         asRI(kzviDFTInv_PackToR_32f_AC4IR), 0, 0}};
    RealOps o = t[layout];
    o.ch = ch[layout], o.done = done[layout];
    return o;
}

kzvt::Layout layoutFor(Rng& rng, int w, int h, int pixelBytes) {
    return kzvt::randomLayout(rng, w, h, pixelBytes, 4, false);
}

// ---- Complex transforms against the reference --------------------------------

void checkComplex(Family f, int w, int h, Rng& rng) {
    SCOPED_TRACE(testing::Message() << (f == Family::FftC ? "FFT" : "DFT") << " complex " << w << "x" << h);
    const int flag = rng.pick({1, 2, 4, 8});
    Spec sp = makeSpec(f, w, h, flag, rng);
    const ComplexOps ops = complexOps(f);
    const size_t n = size_t(w) * h;
    std::vector<float> in = kzvt::randomSamples<float>(rng, 2 * n, false);
    std::vector<cd> x(n);
    for (size_t i = 0; i < n; ++i) x[i] = cd(in[2 * i], in[2 * i + 1]);
    for (int inverse = 0; inverse < 2; ++inverse) {
        SCOPED_TRACE(inverse ? "inverse" : "forward");
        std::vector<cd> ref = dft2(x, w, h, inverse ? 1 : -1);
        const double factor = inverse ? invFactor(flag, w, h) : fwdFactor(flag, w, h);
        const bool inPlace = rng.chance(0.3);
        GuardedImage src(layoutFor(rng, w, h, 8));
        src.load(in.data());
        GuardedImage dst;
        KzvStatus st;
        if (inPlace) {
            st = (inverse ? ops.invI : ops.fwdI)(src.ptr<Kzv32fc>(), src.step(), sp.spec.data(), sp.bufPtr());
        } else {
            dst = GuardedImage(layoutFor(rng, w, h, 8));
            st = (inverse ? ops.inv : ops.fwd)(src.ptr<Kzv32fc>(), src.step(), dst.ptr<Kzv32fc>(), dst.step(),
                                               sp.spec.data(), sp.bufPtr());
            EXPECT_TRUE(src.unchanged());
        }
        ASSERT_EQ(st, kzvStatusOk);
        const GuardedImage& out = inPlace ? src : dst;
        EXPECT_TRUE(out.checkWrites());
        EXPECT_TRUE(sp.spec.unchanged());
        std::vector<float> got = out.packedAs<float>();
        std::vector<double> g(2 * n), want(2 * n);
        for (size_t i = 0; i < n; ++i) {
            g[2 * i] = got[2 * i], g[2 * i + 1] = got[2 * i + 1];
            want[2 * i] = ref[i].real() * factor, want[2 * i + 1] = ref[i].imag() * factor;
        }
        EXPECT_LE(relRms(g, want), rmsBound(w, h));
    }
}

// ---- Real transforms against the reference -----------------------------------

void checkReal(Family f, int w, int h, int layout, Rng& rng) {
    const RealOps ops = realOps(f, layout);
    SCOPED_TRACE(testing::Message() << (f == Family::FftR ? "FFT" : "DFT") << " real " << w << "x" << h << " ch "
                                    << ops.ch << " done " << ops.done);
    const int flag = rng.pick({1, 2, 4, 8});
    Spec sp = makeSpec(f, w, h, flag, rng);
    const size_t n = size_t(w) * h;
    const int ch = ops.ch;
    // Per channel: a random real image, its packed spectrum and the inverse
    // of a packed spectrum (from another random image).
    std::vector<float> img = kzvt::randomSamples<float>(rng, n * ch, false);
    std::vector<float> packedIn(n * ch);
    std::vector<std::vector<double>> fwdWant(ch), invWant(ch);
    for (int c = 0; c < ch; ++c) {
        std::vector<cd> x(n), z(n);
        for (size_t i = 0; i < n; ++i) x[i] = img[i * ch + c], z[i] = rng.real(-100, 100);
        fwdWant[c] = pack(dft2(x, w, h, -1), w, h);
        for (double& v : fwdWant[c]) v *= fwdFactor(flag, w, h);
        const std::vector<double> pz = pack(dft2(z, w, h, -1), w, h);
        std::vector<float> pf(n);
        for (size_t i = 0; i < n; ++i) pf[i] = float(pz[i]), packedIn[i * ch + c] = pf[i];
        const std::vector<cd> back = dft2(unpack(pf, w, h), w, h, 1);
        invWant[c].resize(n);
        for (size_t i = 0; i < n; ++i) invWant[c][i] = back[i].real() * invFactor(flag, w, h);
    }
    for (int inverse = 0; inverse < 2; ++inverse) {
        SCOPED_TRACE(inverse ? "inverse" : "forward");
        const bool inPlace = rng.chance(0.3);
        GuardedImage src(layoutFor(rng, w, h, 4 * ch));
        src.load(inverse ? packedIn.data() : img.data());
        GuardedImage dst;
        KzvStatus st;
        if (inPlace) {
            st = (inverse ? ops.invI : ops.fwdI)(src.ptr<Kzv32f>(), src.step(), sp.spec.data(), sp.bufPtr());
        } else {
            dst = GuardedImage(layoutFor(rng, w, h, 4 * ch));
            dst.fillRandomBytes(rng);
            st = (inverse ? ops.inv : ops.fwd)(src.ptr<Kzv32f>(), src.step(), dst.ptr<Kzv32f>(), dst.step(),
                                               sp.spec.data(), sp.bufPtr());
            EXPECT_TRUE(src.unchanged());
        }
        ASSERT_EQ(st, kzvStatusOk);
        const GuardedImage& out = inPlace ? src : dst;
        if (ops.done < ops.ch) EXPECT_TRUE(out.checkWrites(kzvt::skipAlpha(4)));
        else EXPECT_TRUE(out.checkWrites());
        std::vector<float> got = out.packedAs<float>();
        for (int c = 0; c < ops.done; ++c) {
            std::vector<double> g(n);
            for (size_t i = 0; i < n; ++i) g[i] = got[i * ch + c];
            const std::vector<double>& want = inverse ? invWant[c] : fwdWant[c];
            EXPECT_LE(relRms(g, want), rmsBound(w, h)) << "channel " << c;
        }
    }
}

}  // namespace

// Every order 0..10 in each direction, with the other order random.
TEST(FftComplex, EveryOrderAgainstReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int o = 0; o <= 10; ++o) {
            checkComplex(Family::FftC, 1 << o, 1 << rng.uniform(0, 3), rng);
            checkComplex(Family::FftC, 1 << rng.uniform(0, 3), 1 << o, rng);
        }
        checkComplex(Family::FftC, 2048, 2, rng);
        checkComplex(Family::FftC, 4, 2048, rng);
    });
}

TEST(FftReal, EveryOrderAgainstReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int o = 0; o <= 10; ++o) {
            checkReal(Family::FftR, 1 << o, 1 << rng.uniform(0, 3), 0, rng);
            checkReal(Family::FftR, 1 << rng.uniform(0, 3), 1 << o, 0, rng);
        }
        checkReal(Family::FftR, 2048, 2, 0, rng);
        checkReal(Family::FftR, 2, 2048, 0, rng);
    });
}

// Small, odd, prime and mixed sizes, including lengths that need the chirp
// method (97, 251, 1009, and 194 = 2 * 97 for the real form's half length)
// and the 8-column batch remainders.
const int kDftSizes[][2] = {{1, 1},  {2, 1},   {1, 3},  {3, 5},  {5, 7},    {7, 2},  {9, 15},  {97, 3},
                            {4, 97}, {251, 2}, {3, 251}, {1009, 1}, {2, 1009}, {30, 42}, {45, 12}, {12, 45},
                            {480, 5}, {6, 640}, {1000, 3}, {11, 13}, {49, 26}, {17, 1}, {1, 19}, {62, 33}, {194, 3}, {5, 202}};

TEST(DftComplex, SizesAgainstReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (auto& s : kDftSizes) checkComplex(Family::DftC, s[0], s[1], rng);
        checkComplex(Family::DftC, rng.uniform(1, 80), rng.uniform(1, 80), rng);
    });
}

TEST(DftReal, SizesAgainstReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (auto& s : kDftSizes) checkReal(Family::DftR, s[0], s[1], 0, rng);
        checkReal(Family::DftR, rng.uniform(1, 80), rng.uniform(1, 80), 0, rng);
    });
}

// C3, C4 and AC4: each channel transformed as a C1 image; AC4 keeps alpha.
TEST(RealChannels, EachChannelLikeC1) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int layout = 1; layout < 4; ++layout) {
            checkReal(Family::FftR, 1 << rng.uniform(0, 5), 1 << rng.uniform(0, 5), layout, rng);
            checkReal(Family::FftR, 64, 32, layout, rng);
            checkReal(Family::DftR, rng.uniform(1, 40), rng.uniform(1, 40), layout, rng);
            checkReal(Family::DftR, 21, 34, layout, rng);
        }
    });
}
