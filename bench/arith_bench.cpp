// Arithmetic: kzvi beside OpenCV on identical 1920x1080 buffers.
// Bytes per iteration are (bytes read + bytes written) / 2, the convention
// of the memcpy benchmark (a copy of B bytes reads B and writes B), so the
// compare script's memcpy fraction is the fraction of copy bandwidth.
#include <math.h>

#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

constexpr int W = 1920, H = 1080;

// Source images with values suited to the operation.
struct Sources {
    kzvb::Image a, b;
    Sources(int pixelBytes) : a(W, H, pixelBytes, 11), b(W, H, pixelBytes, 12) {}
};

void fillFloats(kzvb::Image& im, float lo, float hi, uint32_t seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<float> u(lo, hi);
    for (int y = 0; y < im.height; ++y) {
        float* r = reinterpret_cast<float*>(im.data + size_t(im.step) * y);
        for (int x = 0; x < im.width; ++x) r[x] = u(g);
    }
}

template <class T>
void noZeros(kzvb::Image& im) {
    for (int y = 0; y < im.height; ++y) {
        T* r = reinterpret_cast<T*>(im.data + size_t(im.step) * y);
        for (int x = 0; x < im.width; ++x)
            if (r[x] == T(0)) r[x] = T(1);
    }
}

#if KZVB_HAVE_OPENCV
template <class T>
cv::Mat mat(const kzvb::Image& im, int type) {
    return cv::Mat(im.height, im.width, type, im.data, size_t(im.step));
}
#endif

// Two-source 8u operations at a scale factor.
using Fn8u = KzvStatus (*)(const Kzv8u*, int32_t, const Kzv8u*, int32_t, Kzv8u*, int32_t, KzvImageSize, int32_t);

void kzviTwo8u(benchmark::State& st, Fn8u fn, int f) {
    Sources s(1);
    kzvb::DstPair d(W, H, 1);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        fn(s.a.data, s.a.step, s.b.data, s.b.step, o.data, o.step, {W, H}, f);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 3 / 2);
}

void kzviAddC16s(benchmark::State& st) {
    Sources s(2);
    kzvb::DstPair d(W, H, 2);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        kzviAddC_16s_C1RSfs(s.a.as<Kzv16s>(), s.a.step, 1234, o.as<Kzv16s>(), o.step, {W, H}, 0);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 2);
}

void kzviAdd32f(benchmark::State& st) {
    Sources s(4);
    fillFloats(s.a, -100, 100, 1);
    fillFloats(s.b, -100, 100, 2);
    kzvb::DstPair d(W, H, 4);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        kzviAdd_32f_C1R(s.a.as<float>(), s.a.step, s.b.as<float>(), s.b.step, o.as<float>(), o.step, {W, H});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 4 * 3 / 2);
}

void kzviDiv16s(benchmark::State& st) {
    Sources s(2);
    noZeros<Kzv16s>(s.a);
    kzvb::DstPair d(W, H, 2);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        kzviDiv_16s_C1RSfs(s.a.as<Kzv16s>(), s.a.step, s.b.as<Kzv16s>(), s.b.step, o.as<Kzv16s>(), o.step, {W, H}, 0);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 2 * 3 / 2);
}

using Unary32f = KzvStatus (*)(const Kzv32f*, int32_t, Kzv32f*, int32_t, KzvImageSize);
void kzviUnary32f(benchmark::State& st, Unary32f fn, float lo, float hi) {
    Sources s(4);
    fillFloats(s.a, lo, hi, 3);
    kzvb::DstPair d(W, H, 4);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        fn(s.a.as<float>(), s.a.step, o.as<float>(), o.step, {W, H});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 4);
}

#if KZVB_HAVE_OPENCV
// Runs op(srcA, srcB, dst) on the same buffers the kzvi case uses.
template <class Op>
void cvTwo(benchmark::State& st, int pixelBytes, int type, Op op, int fill = 0) {
    Sources s(pixelBytes);
    if (fill == 1) {
        fillFloats(s.a, -100, 100, 1);
        fillFloats(s.b, -100, 100, 2);
    }
    if (fill == 2) noZeros<Kzv16s>(s.a);
    kzvb::DstPair d(W, H, pixelBytes);
    cv::Mat a = mat<uint8_t>(s.a, type), b = mat<uint8_t>(s.b, type);
    cv::Mat o1 = mat<uint8_t>(d.a, type), o2 = mat<uint8_t>(d.b, type);
    int turn = 0;
    for (auto _ : st) {
        cv::Mat& o = (turn++ & 1) ? o2 : o1;
        op(a, b, o);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * pixelBytes * 3 / 2);
}

template <class Op>
void cvUnary(benchmark::State& st, Op op, float lo, float hi) {
    Sources s(4);
    fillFloats(s.a, lo, hi, 3);
    kzvb::DstPair d(W, H, 4);
    cv::Mat a = mat<float>(s.a, CV_32F);
    cv::Mat o1 = mat<float>(d.a, CV_32F), o2 = mat<float>(d.b, CV_32F);
    int turn = 0;
    for (auto _ : st) {
        cv::Mat& o = (turn++ & 1) ? o2 : o1;
        op(a, o);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * 4);
}
#endif

void memcpyImage8u(benchmark::State& st) {
    Sources s(1);
    kzvb::DstPair d(W, H, 1);
    for (auto _ : st) {
        kzvb::Image& o = d.next();
        memcpy(o.data, s.a.data, s.a.bytes());
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, s.a.bytes());
}

}  // namespace

BENCHMARK_CAPTURE(kzviTwo8u, add0, kzviAdd_8u_C1RSfs, 0)->Name("add_sfs0/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviTwo8u, add1, kzviAdd_8u_C1RSfs, 1)->Name("add_sfs1/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviTwo8u, sub0, kzviSub_8u_C1RSfs, 0)->Name("sub_sfs0/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviTwo8u, mul8, kzviMul_8u_C1RSfs, 8)->Name("mul_sfs8/8u_C1/1920x1080/kzvi");
BENCHMARK(kzviAddC16s)->Name("addc_sfs0/16s_C1/1920x1080/kzvi");
BENCHMARK(kzviAdd32f)->Name("add/32f_C1/1920x1080/kzvi");
BENCHMARK(kzviDiv16s)->Name("div_sfs0/16s_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviUnary32f, sqrt, kzviSqrt_32f_C1R, 0.0f, 1000.0f)->Name("sqrt/32f_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviUnary32f, exp, kzviExp_32f_C1R, -20.0f, 20.0f)->Name("exp/32f_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(kzviUnary32f, ln, kzviLn_32f_C1R, 1e-3f, 1e4f)->Name("ln/32f_C1/1920x1080/kzvi");
BENCHMARK(memcpyImage8u)->Name("memcpy/bytes/1920x1080x1/memcpy");

#if KZVB_HAVE_OPENCV
BENCHMARK_CAPTURE(cvTwo, add0, 1, CV_8U, [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::add(a, b, o); })
    ->Name("add_sfs0/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, add1, 1, CV_8U,
                  [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::addWeighted(a, 0.5, b, 0.5, 0.0, o); })
    ->Name("add_sfs1/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, sub0, 1, CV_8U, [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::subtract(b, a, o); })
    ->Name("sub_sfs0/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, mul8, 1, CV_8U,
                  [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::multiply(a, b, o, 1.0 / 256); })
    ->Name("mul_sfs8/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, addc16s, 2, CV_16S,
                  [](cv::Mat& a, cv::Mat&, cv::Mat& o) { cv::add(a, cv::Scalar(1234), o); })
    ->Name("addc_sfs0/16s_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, add32f, 4, CV_32F, [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::add(a, b, o); }, 1)
    ->Name("add/32f_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvTwo, div16s, 2, CV_16S, [](cv::Mat& a, cv::Mat& b, cv::Mat& o) { cv::divide(b, a, o); }, 2)
    ->Name("div_sfs0/16s_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvUnary, sqrt, [](cv::Mat& a, cv::Mat& o) { cv::sqrt(a, o); }, 0.0f, 1000.0f)
    ->Name("sqrt/32f_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvUnary, exp, [](cv::Mat& a, cv::Mat& o) { cv::exp(a, o); }, -20.0f, 20.0f)
    ->Name("exp/32f_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(cvUnary, ln, [](cv::Mat& a, cv::Mat& o) { cv::log(a, o); }, 1e-3f, 1e4f)
    ->Name("ln/32f_C1/1920x1080/opencv");
#endif
