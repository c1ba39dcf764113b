// General linear filter: kzvi beside cv::filter2D on identical 1920x1080
// buffers (5x5 integer kernel on 8u, 7x7 float kernel on 32f; replicated
// border, one thread).
#include <vector>

#include "bench.h"
#if KZVB_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080;

// A smoothing-like integer kernel with a divisor that is not a power of two.
std::vector<Kzv16s> intKernel(int m) {
    std::vector<Kzv16s> k(size_t(m) * m);
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c) k[size_t(r) * m + c] = Kzv16s(1 + (r * 7 + c * 3) % 5 - (r == c ? 2 : 0));
    return k;
}
int kernelSum(const std::vector<Kzv16s>& k) {
    int s = 0;
    for (auto v : k) s += v;
    return s;
}
std::vector<float> floatKernel(int m) {
    std::vector<float> k(size_t(m) * m);
    for (size_t i = 0; i < k.size(); ++i) k[i] = float(int(i * 37 % 11) - 4) / 64.0f;
    return k;
}

void filter8uKzvi(benchmark::State& st) {
    const int m = 5;
    kzvb::Image src(kW, kH, 1);
    kzvb::DstPair dst(kW, kH, 1);
    const std::vector<Kzv16s> k = intKernel(m);
    int32_t specSize = 0, bufSize = 0;
    kzviFilterBorderGetSize({m, m}, {kW, kH}, kzvDataKind8u, kzvDataKind16s, 1, &specSize, &bufSize);
    std::vector<Kzv8u> spec(static_cast<size_t>(specSize)), buf(static_cast<size_t>(bufSize));
    auto* sp = reinterpret_cast<KzviFilterBorderSpec*>(spec.data());
    kzviFilterBorderInit_16s(k.data(), {m, m}, kernelSum(k), kzvDataKind8u, 1, kzvRoundNearestEven, sp);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviFilterBorder_8u_C1R(src.as<Kzv8u>(), src.step, d.as<Kzv8u>(), d.step, {kW, kH}, kzvBorderReplicate,
                                nullptr, sp, buf.data());
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}

void filter32fKzvi(benchmark::State& st) {
    const int m = 7;
    kzvb::Image src(kW, kH, 4);
    kzvb::DstPair dst(kW, kH, 4);
    const std::vector<float> k = floatKernel(m);
    int32_t specSize = 0, bufSize = 0;
    kzviFilterBorderGetSize({m, m}, {kW, kH}, kzvDataKind32f, kzvDataKind32f, 1, &specSize, &bufSize);
    std::vector<Kzv8u> spec(static_cast<size_t>(specSize)), buf(static_cast<size_t>(bufSize));
    auto* sp = reinterpret_cast<KzviFilterBorderSpec*>(spec.data());
    kzviFilterBorderInit_32f(k.data(), {m, m}, kzvDataKind32f, 1, kzvRoundNearestEven, sp);
    // Finite source values.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) reinterpret_cast<float*>(src.data + size_t(y) * src.step)[x] = float((x * 13 + y * 7) % 255);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviFilterBorder_32f_C1R(src.as<Kzv32f>(), src.step, d.as<Kzv32f>(), d.step, {kW, kH}, kzvBorderReplicate,
                                 nullptr, sp, buf.data());
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 4);
}

#if KZVB_HAVE_OPENCV
void filter8uOpenCV(benchmark::State& st) {
    kzvb::singleThreadPeers();
    const int m = 5;
    kzvb::Image src(kW, kH, 1);
    kzvb::DstPair dst(kW, kH, 1);
    const std::vector<Kzv16s> k = intKernel(m);
    cv::Mat kern(m, m, CV_32F);
    const float inv = 1.0f / float(kernelSum(k));
    for (int i = 0; i < m * m; ++i) kern.at<float>(i / m, i % m) = float(k[size_t(i)]) * inv;
    cv::Mat s(kH, kW, CV_8UC1, src.data, size_t(src.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat dm(kH, kW, CV_8UC1, d.data, size_t(d.step));
        cv::filter2D(s, dm, CV_8U, kern, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}

void filter32fOpenCV(benchmark::State& st) {
    kzvb::singleThreadPeers();
    const int m = 7;
    kzvb::Image src(kW, kH, 4);
    kzvb::DstPair dst(kW, kH, 4);
    const std::vector<float> k = floatKernel(m);
    cv::Mat kern(m, m, CV_32F, const_cast<float*>(k.data()));
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) reinterpret_cast<float*>(src.data + size_t(y) * src.step)[x] = float((x * 13 + y * 7) % 255);
    cv::Mat s(kH, kW, CV_32FC1, src.data, size_t(src.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat dm(kH, kW, CV_32FC1, d.data, size_t(d.step));
        cv::filter2D(s, dm, CV_32F, kern, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 4);
}
#endif

}  // namespace

BENCHMARK(filter8uKzvi)->Name("filter/8u_C1/1920x1080_5x5_int/kzvi");
BENCHMARK(filter32fKzvi)->Name("filter/32f_C1/1920x1080_7x7/kzvi");
#if KZVB_HAVE_OPENCV
BENCHMARK(filter8uOpenCV)->Name("filter/8u_C1/1920x1080_5x5_int/opencv");
BENCHMARK(filter32fOpenCV)->Name("filter/32f_C1/1920x1080_7x7/opencv");
#endif
