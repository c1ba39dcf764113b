// Comparison and thresholds on a 1920x1080 8u image (2 MB source, 2 MB
// destination, two destinations used in turn) beside the peer's compare,
// threshold (truncation), adaptiveThreshold (11x11 mean) and Otsu threshold.
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080;

enum class Op { Compare, ThresholdGT, Adaptive, Otsu };

// A smooth image with noise: realistic for thresholds and Otsu.
void fillScene(kzvb::Image& img) {
    uint32_t s = 12345;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            s = s * 1664525u + 1013904223u;
            const int v = ((x / 64 + y / 64) & 1 ? 170 : 60) + int(s >> 28) - 8;
            img.data[size_t(y) * img.step + x] = uint8_t(v);
        }
}

void runKzvi(benchmark::State& st, Op op) {
    kzvb::Image a(kW, kH, 1, 21), b(kW, kH, 1, 22);
    fillScene(a);
    kzvb::DstPair dst(kW, kH, 1);
    int32_t bufSize = 0;
    kzviThresholdAdaptiveBoxGetBufferSize({kW, kH}, {11, 11}, kzvDataKind8u, 1, &bufSize);
    std::vector<uint8_t> buf(static_cast<size_t>(bufSize));
    Kzv8u t = 0;
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        KzvStatus r = kzvStatusOk;
        switch (op) {
        case Op::Compare: r = kzviCompare_8u_C1R(a.data, a.step, b.data, b.step, d.data, d.step, {kW, kH}, kzvCmpLess); break;
        case Op::ThresholdGT: r = kzviThreshold_GT_8u_C1R(a.data, a.step, d.data, d.step, {kW, kH}, 128); break;
        case Op::Adaptive:
            r = kzviThresholdAdaptiveBox_8u_C1R(a.data, a.step, d.data, d.step, {kW, kH}, {11, 11}, 5.0f, 255, 0,
                                                kzvBorderReplicate, 0, buf.data());
            break;
        case Op::Otsu: r = kzviComputeThreshold_Otsu_8u_C1R(a.data, a.step, {kW, kH}, &t); break;
        }
        if (r != kzvStatusOk) st.SkipWithError("kzvi failed");
        benchmark::DoNotOptimize(d.data);
        benchmark::DoNotOptimize(t);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}

#if KZVB_HAVE_OPENCV
void runOpenCV(benchmark::State& st, Op op) {
    kzvb::singleThreadPeers();
    kzvb::Image a(kW, kH, 1, 21), b(kW, kH, 1, 22);
    fillScene(a);
    kzvb::DstPair dst(kW, kH, 1);
    const cv::Mat ma(kH, kW, CV_8UC1, a.data, size_t(a.step)), mb(kH, kW, CV_8UC1, b.data, size_t(b.step));
    double t = 0;
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat md(kH, kW, CV_8UC1, d.data, size_t(d.step));
        switch (op) {
        case Op::Compare: cv::compare(ma, mb, md, cv::CMP_LT); break;
        case Op::ThresholdGT: cv::threshold(ma, md, 128, 255, cv::THRESH_TRUNC); break;
        case Op::Adaptive:
            cv::adaptiveThreshold(ma, md, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, 11, 5.0);
            break;
        case Op::Otsu: t = cv::threshold(ma, md, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU); break;
        }
        benchmark::DoNotOptimize(d.data);
        benchmark::DoNotOptimize(t);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}
BENCHMARK_CAPTURE(runOpenCV, compare, Op::Compare)->Name("compare/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(runOpenCV, threshold_gt, Op::ThresholdGT)->Name("threshold_gt/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(runOpenCV, adaptive, Op::Adaptive)->Name("threshold_adaptive_box11/8u_C1/1920x1080/opencv");
BENCHMARK_CAPTURE(runOpenCV, otsu, Op::Otsu)->Name("threshold_otsu/8u_C1/1920x1080/opencv");
#endif
BENCHMARK_CAPTURE(runKzvi, compare, Op::Compare)->Name("compare/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(runKzvi, threshold_gt, Op::ThresholdGT)->Name("threshold_gt/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(runKzvi, adaptive, Op::Adaptive)->Name("threshold_adaptive_box11/8u_C1/1920x1080/kzvi");
BENCHMARK_CAPTURE(runKzvi, otsu, Op::Otsu)->Name("threshold_otsu/8u_C1/1920x1080/kzvi");

}  // namespace
