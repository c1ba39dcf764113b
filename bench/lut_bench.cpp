// LUT_8u_C1R beside cv::LUT on identical buffers, 1920x1080 (2 MiB a side).
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080;

// A nearest table with 17 levels over 0..256: the finished 256-byte table
// is what both libraries index.
struct Table8u {
    std::vector<uint8_t> specMem;
    KzvLUTSpec* spec = nullptr;
    uint8_t table[256];
    Table8u() {
        int32_t levels[17], values[17];
        for (int i = 0; i < 17; ++i) levels[i] = i * 16, values[i] = (i * 97) & 255;
        const int32_t* pl[1] = {levels};
        const int32_t* pv[1] = {values};
        const int32_t n[1] = {17};
        int32_t size = 0;
        kzviLUT_GetSize(kzvInterpNearest, kzvDataKind8u, 1, {kW, kH}, n, &size);
        specMem.resize(size_t(size));
        spec = reinterpret_cast<KzvLUTSpec*>(specMem.data());
        kzviLUT_Init_8u(kzvInterpNearest, 1, {kW, kH}, pv, pl, n, spec);
        uint8_t all[256];
        for (int i = 0; i < 256; ++i) all[i] = uint8_t(i);
        kzviLUT_8u_C1R(all, 256, table, 256, {256, 1}, spec);
    }
};

void lut8uC1(benchmark::State& st) {
    Table8u t;
    kzvb::Image src(kW, kH, 1);
    kzvb::DstPair dst(kW, kH, 1);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        kzviLUT_8u_C1R(src.data, src.step, d.data, d.step, {kW, kH}, t.spec);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}

#if KZVB_HAVE_OPENCV
void cvLut8uC1(benchmark::State& st) {
    kzvb::singleThreadPeers();
    Table8u t;
    kzvb::Image src(kW, kH, 1);
    kzvb::DstPair dst(kW, kH, 1);
    cv::Mat s(kH, kW, CV_8UC1, src.data, size_t(src.step));
    cv::Mat lut(1, 256, CV_8UC1, t.table);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat m(kH, kW, CV_8UC1, d.data, size_t(d.step));
        cv::LUT(s, lut, m);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * kH);
}
#endif

}  // namespace

BENCHMARK(lut8uC1)->Name("lut/8u_C1/1920x1080/kzvi");
#if KZVB_HAVE_OPENCV
BENCHMARK(cvLut8uC1)->Name("lut/8u_C1/1920x1080/opencv");
#endif
