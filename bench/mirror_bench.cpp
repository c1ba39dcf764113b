// Mirror and transpose beside cv::flip and cv::transpose on identical
// buffers, 1920x1080 (8u C3: 6 MiB a side; 32f C1: 8 MiB a side).
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080;

void mirror8uC3(benchmark::State& st) {
    const int flip = int(st.range(0));
    kzvb::Image src(kW, kH, 3);
    kzvb::DstPair dst(kW, kH, 3);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviMirror_8u_C3R(src.data, src.step, d.data, d.step, {kW, kH}, flip);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 3);
}

void transpose8uC1(benchmark::State& st) {
    kzvb::Image src(kW, kH, 1);
    kzvb::DstPair dst(kH, kW, 1);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviTranspose_8u_C1R(src.data, src.step, d.data, d.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}

void transpose32fC1(benchmark::State& st) {
    kzvb::Image src(kW, kH, 4);
    kzvb::DstPair dst(kH, kW, 4);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviTranspose_32f_C1R(src.as<float>(), src.step, d.as<float>(), d.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 4);
}

#if KZVB_HAVE_OPENCV
// cv::flip codes: 0 about the x axis (rows reversed), 1 about the y axis,
// -1 both, matching kzvi flips 0, 1, 2.
void cvFlip8uC3(benchmark::State& st) {
    kzvb::singleThreadPeers();
    const int flip = int(st.range(0));
    const int code = flip == 0 ? 0 : flip == 1 ? 1 : -1;
    kzvb::Image src(kW, kH, 3);
    kzvb::DstPair dst(kW, kH, 3);
    cv::Mat s(kH, kW, CV_8UC3, src.data, size_t(src.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat m(kH, kW, CV_8UC3, d.data, size_t(d.step));
        cv::flip(s, m, code);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 3);
}

template <int Type, int Bytes>
void cvTranspose(benchmark::State& st) {
    kzvb::singleThreadPeers();
    kzvb::Image src(kW, kH, Bytes);
    kzvb::DstPair dst(kH, kW, Bytes);
    cv::Mat s(kH, kW, Type, src.data, size_t(src.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat m(kW, kH, Type, d.data, size_t(d.step));
        cv::transpose(s, m);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * Bytes);
}
#endif

}  // namespace

BENCHMARK(mirror8uC3)->Name("mirror_flip0/8u_C3/1920x1080/kzvi")->Arg(0);
BENCHMARK(mirror8uC3)->Name("mirror_flip1/8u_C3/1920x1080/kzvi")->Arg(1);
BENCHMARK(mirror8uC3)->Name("mirror_flip2/8u_C3/1920x1080/kzvi")->Arg(2);
BENCHMARK(transpose8uC1)->Name("transpose/8u_C1/1920x1080/kzvi");
BENCHMARK(transpose32fC1)->Name("transpose/32f_C1/1920x1080/kzvi");
#if KZVB_HAVE_OPENCV
BENCHMARK(cvFlip8uC3)->Name("mirror_flip0/8u_C3/1920x1080/opencv")->Arg(0);
BENCHMARK(cvFlip8uC3)->Name("mirror_flip1/8u_C3/1920x1080/opencv")->Arg(1);
BENCHMARK(cvFlip8uC3)->Name("mirror_flip2/8u_C3/1920x1080/opencv")->Arg(2);
BENCHMARK(cvTranspose<CV_8UC1, 1>)->Name("transpose/8u_C1/1920x1080/opencv");
BENCHMARK(cvTranspose<CV_32FC1, 4>)->Name("transpose/32f_C1/1920x1080/opencv");
#endif
