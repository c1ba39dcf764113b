// Bitwise And of two 1920x1080 8u images beside the peer's bitwise_and.
// Working set: two 2 MB sources and a 2 MB destination (two destinations
// used in turn).
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080;

void andKzvi(benchmark::State& st) {
    kzvb::Image a(kW, kH, 1, 11), b(kW, kH, 1, 12);
    kzvb::DstPair dst(kW, kH, 1);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        if (kzviAnd_8u_C1R(a.data, a.step, b.data, b.step, d.data, d.step, {kW, kH}) != kzvStatusOk)
            st.SkipWithError("kzvi failed");
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 3);
}

#if KZVB_HAVE_OPENCV
void andOpenCV(benchmark::State& st) {
    kzvb::singleThreadPeers();
    kzvb::Image a(kW, kH, 1, 11), b(kW, kH, 1, 12);
    kzvb::DstPair dst(kW, kH, 1);
    const cv::Mat ma(kH, kW, CV_8UC1, a.data, size_t(a.step)), mb(kH, kW, CV_8UC1, b.data, size_t(b.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat md(kH, kW, CV_8UC1, d.data, size_t(d.step));
        cv::bitwise_and(ma, mb, md);
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH * 3);
}
BENCHMARK(andOpenCV)->Name("and/8u_C1/1920x1080/opencv");
#endif
BENCHMARK(andKzvi)->Name("and/8u_C1/1920x1080/kzvi");

}  // namespace
