// 2-D FFT and DFT: kzvi beside FFTW (single precision, plans made with
// FFTW_MEASURE outside the timing) and cv::dft, out of place on the same
// random data. Real forms: kzvi's packed output, FFTW's half spectrum,
// OpenCV's packed output. Working sets: W*H*4 bytes (real) or *8 (complex)
// for each of source and destination.
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif
#if KZVB_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

struct KzviSpec {
    std::vector<uint8_t> spec, init, buf;
};

// kzvi: forward transform of a w x h image, real (packed) or complex, FFT
// for powers of two or DFT.
void kzviFwd(benchmark::State& st, bool real, bool dft, int w, int h) {
    int o1 = 0, o2 = 0;
    while ((1 << o1) < w) ++o1;
    while ((1 << o2) < h) ++o2;
    int s = 0, i = 0, b = 0;
    KzviSpec k;
    KzvStatus r;
    if (real) {
        r = dft ? kzviDFTGetSize_R_32f({w, h}, 2, kzvAlgHintNone, &s, &i, &b)
                : kzviFFTGetSize_R_32f(o1, o2, 2, kzvAlgHintNone, &s, &i, &b);
    } else {
        r = dft ? kzviDFTGetSize_C_32fc({w, h}, 2, kzvAlgHintNone, &s, &i, &b)
                : kzviFFTGetSize_C_32fc(o1, o2, 2, kzvAlgHintNone, &s, &i, &b);
    }
    k.spec.resize(s + 1), k.init.resize(i + 1), k.buf.resize(b + 1);
    if (r == kzvStatusOk) {
        if (real) {
            r = dft ? kzviDFTInit_R_32f({w, h}, 2, kzvAlgHintNone, reinterpret_cast<KzviDFTSpec_R_32f*>(k.spec.data()),
                                        k.init.data())
                    : kzviFFTInit_R_32f(o1, o2, 2, kzvAlgHintNone, reinterpret_cast<KzviFFTSpec_R_32f*>(k.spec.data()),
                                        k.init.data());
        } else {
            r = dft ? kzviDFTInit_C_32fc({w, h}, 2, kzvAlgHintNone,
                                         reinterpret_cast<KzviDFTSpec_C_32fc*>(k.spec.data()), k.init.data())
                    : kzviFFTInit_C_32fc(o1, o2, 2, kzvAlgHintNone,
                                         reinterpret_cast<KzviFFTSpec_C_32fc*>(k.spec.data()), k.init.data());
        }
    }
    if (r != kzvStatusOk) {
        st.SkipWithError("kzvi init failed");
        return;
    }
    const int px = real ? 4 : 8;
    kzvb::Image src(w, h, px);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * px / 4; ++x) reinterpret_cast<float*>(src.data + size_t(y) * src.step)[x] = float((x * 7 + y * 3) % 17) - 8.f;
    kzvb::DstPair dst(w, h, px);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        if (real) {
            if (dft)
                kzviDFTFwd_RToPack_32f_C1R(src.as<float>(), src.step, d.as<float>(), d.step,
                                           reinterpret_cast<KzviDFTSpec_R_32f*>(k.spec.data()), k.buf.data());
            else
                kzviFFTFwd_RToPack_32f_C1R(src.as<float>(), src.step, d.as<float>(), d.step,
                                           reinterpret_cast<KzviFFTSpec_R_32f*>(k.spec.data()), k.buf.data());
        } else {
            if (dft)
                kzviDFTFwd_CToC_32fc_C1R(src.as<Kzv32fc>(), src.step, d.as<Kzv32fc>(), d.step,
                                         reinterpret_cast<KzviDFTSpec_C_32fc*>(k.spec.data()), k.buf.data());
            else
                kzviFFTFwd_CToC_32fc_C1R(src.as<Kzv32fc>(), src.step, d.as<Kzv32fc>(), d.step,
                                         reinterpret_cast<KzviFFTSpec_C_32fc*>(k.spec.data()), k.buf.data());
        }
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
}

#if KZVB_HAVE_FFTW
void fftwFwd(benchmark::State& st, bool real, int w, int h) {
    const size_t n = size_t(w) * h;
    float* in = fftwf_alloc_real(real ? n : 2 * n);
    fftwf_complex* o1 = fftwf_alloc_complex(n);
    fftwf_complex* o2 = fftwf_alloc_complex(n);
    fftwf_plan p1, p2;
    if (real) {
        p1 = fftwf_plan_dft_r2c_2d(h, w, in, o1, FFTW_MEASURE);
        p2 = fftwf_plan_dft_r2c_2d(h, w, in, o2, FFTW_MEASURE);
    } else {
        p1 = fftwf_plan_dft_2d(h, w, reinterpret_cast<fftwf_complex*>(in), o1, FFTW_FORWARD, FFTW_MEASURE);
        p2 = fftwf_plan_dft_2d(h, w, reinterpret_cast<fftwf_complex*>(in), o2, FFTW_FORWARD, FFTW_MEASURE);
    }
    for (size_t i = 0; i < (real ? n : 2 * n); ++i) in[i] = float((i * 7) % 17) - 8.f;
    int turn = 0;
    for (auto _ : st) {
        fftwf_execute((turn++ & 1) ? p2 : p1);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(p1);
    fftwf_destroy_plan(p2);
    fftwf_free(in);
    fftwf_free(o1);
    fftwf_free(o2);
}
#endif

#if KZVB_HAVE_OPENCV
void opencvFwd(benchmark::State& st, bool real, int w, int h) {
    cv::Mat src(h, w, real ? CV_32FC1 : CV_32FC2);
    cv::randu(src, -8.f, 8.f);
    cv::Mat d1(h, w, src.type()), d2(h, w, src.type());
    int turn = 0;
    for (auto _ : st) {
        cv::Mat& d = (turn++ & 1) ? d2 : d1;
        cv::dft(src, d, 0);
        benchmark::ClobberMemory();
    }
}
#endif

void registerAll() {
    struct Case {
        const char* op;
        const char* layout;
        bool real, dft;
        int w, h;
    };
    const Case cases[] = {
        {"fft_fwd_r2pack", "32f_C1", true, false, 256, 256},   {"fft_fwd_r2pack", "32f_C1", true, false, 512, 512},
        {"fft_fwd_r2pack", "32f_C1", true, false, 1024, 1024}, {"fft_fwd_c2c", "32fc_C1", false, false, 256, 256},
        {"fft_fwd_c2c", "32fc_C1", false, false, 512, 512},    {"fft_fwd_c2c", "32fc_C1", false, false, 1024, 1024},
        {"dft_fwd_r2pack", "32f_C1", true, true, 1000, 1000},  {"dft_fwd_r2pack", "32f_C1", true, true, 640, 480},
        {"dft_fwd_r2pack", "32f_C1", true, true, 480, 640},
    };
    for (const Case& c : cases) {
        const std::string base = std::string(c.op) + "/" + c.layout + "/" + std::to_string(c.w) + "x" + std::to_string(c.h) + "/";
        const bool real = c.real, dft = c.dft;
        const int w = c.w, h = c.h;
        benchmark::RegisterBenchmark((base + "kzvi").c_str(),
                                     [=](benchmark::State& st) { kzviFwd(st, real, dft, w, h); })
            ->Unit(benchmark::kMicrosecond);
#if KZVB_HAVE_FFTW
        benchmark::RegisterBenchmark((base + "fftw").c_str(), [=](benchmark::State& st) { fftwFwd(st, real, w, h); })
            ->Unit(benchmark::kMicrosecond);
#endif
#if KZVB_HAVE_OPENCV
        benchmark::RegisterBenchmark((base + "opencv").c_str(), [=](benchmark::State& st) { opencvFwd(st, real, w, h); })
            ->Unit(benchmark::kMicrosecond);
#endif
    }
}

// Registered before main runs the benchmarks.
const int registered = (registerAll(), 0);

}  // namespace
