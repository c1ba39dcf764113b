// Box filter: kzvi beside cv::blur on identical 1920x1080 buffers.
#include <vector>

#include "bench.h"
#if KZVB_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

template <int C, int m>
void boxKzvi(benchmark::State& st) {
    const int W = 1920, H = 1080;
    kzvb::Image src(W, H, C);
    kzvb::DstPair dst(W, H, C);
    int32_t size = 0;
    kzviFilterBoxBorderGetBufferSize({W, H}, {m, m}, kzvDataKind8u, C, &size);
    std::vector<Kzv8u> buf(static_cast<size_t>(size));
    auto fn = C == 1 ? &kzviFilterBoxBorder_8u_C1R : &kzviFilterBoxBorder_8u_C3R;
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        fn(src.as<Kzv8u>(), src.step, d.as<Kzv8u>(), d.step, {W, H}, {m, m}, kzvBorderReplicate, nullptr, buf.data());
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * C);
}

#if KZVB_HAVE_OPENCV
template <int C, int m>
void boxOpenCV(benchmark::State& st) {
    const int W = 1920, H = 1080;
    kzvb::Image src(W, H, C);
    kzvb::DstPair dst(W, H, C);
    const int type = C == 1 ? CV_8UC1 : CV_8UC3;
    cv::Mat s(H, W, type, src.data, size_t(src.step));
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat dm(H, W, type, d.data, size_t(d.step));
        cv::blur(s, dm, cv::Size(m, m), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(W) * H * C);
}
#endif

}  // namespace

BENCHMARK((boxKzvi<1, 5>))->Name("box/8u_C1/1920x1080_5x5/kzvi");
BENCHMARK((boxKzvi<1, 31>))->Name("box/8u_C1/1920x1080_31x31/kzvi");
BENCHMARK((boxKzvi<3, 5>))->Name("box/8u_C3/1920x1080_5x5/kzvi");
#if KZVB_HAVE_OPENCV
BENCHMARK((boxOpenCV<1, 5>))->Name("box/8u_C1/1920x1080_5x5/opencv");
BENCHMARK((boxOpenCV<1, 31>))->Name("box/8u_C1/1920x1080_31x31/opencv");
BENCHMARK((boxOpenCV<3, 5>))->Name("box/8u_C3/1920x1080_5x5/opencv");
#endif
