// Copy, set and channel moves beside memcpy/memset bandwidth and OpenCV's
// copyTo, setTo, split, merge, cvtColor and mixChannels on identical buffers.
// Working sets: 3840x2160 8u (8.3 MB a buffer), 1920x1080 8u C3 (6.2 MB).
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using kzvb::DstPair;
using kzvb::Image;

#if KZVB_HAVE_OPENCV
cv::Mat wrap(const Image& im, int type, int w, int h, int x0 = 0) {
    return cv::Mat(h, w, type, im.data + size_t(x0) * CV_ELEM_SIZE(type), size_t(im.step));
}
#endif

// ---- Copy_8u_C1R, 3840x2160 contiguous ----------------------------------------
constexpr int kW4k = 3840, kH4k = 2160;

void copyC1Kzvi(benchmark::State& st) {
    Image src(kW4k, kH4k, 1);
    DstPair dst(kW4k, kH4k, 1);
    for (auto _ : st) {
        Image& d = dst.next();
        kzviCopy_8u_C1R(src.data, src.step, d.data, d.step, {kW4k, kH4k});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}
void copyC1Memcpy(benchmark::State& st) {
    Image src(kW4k, kH4k, 1);
    DstPair dst(kW4k, kH4k, 1);
    for (auto _ : st) {
        Image& d = dst.next();
        memcpy(d.data, src.data, size_t(kW4k) * kH4k);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}

// ---- Copy_8u_C3R, a 1920x1080 ROI inside a 2048-wide image ------------------------
constexpr int kW = 1920, kH = 1080, kWide = 2048, kX0 = 64;

void copyC3RoiKzvi(benchmark::State& st) {
    Image src(kWide, kH, 3);
    DstPair dst(kWide, kH, 3);
    for (auto _ : st) {
        Image& d = dst.next();
        kzviCopy_8u_C3R(src.data + 3 * kX0, src.step, d.data + 3 * kX0, d.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void copyC3RoiMemcpy(benchmark::State& st) {
    Image src(kWide, kH, 3);
    DstPair dst(kWide, kH, 3);
    for (auto _ : st) {
        Image& d = dst.next();
        for (int y = 0; y < kH; ++y)
            memcpy(d.data + size_t(y) * d.step + 3 * kX0, src.data + size_t(y) * src.step + 3 * kX0, 3 * kW);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}

// ---- Set -------------------------------------------------------------------------
void setC1Kzvi(benchmark::State& st) {
    DstPair dst(kW4k, kH4k, 1);
    for (auto _ : st) {
        Image& d = dst.next();
        kzviSet_8u_C1R(77, d.data, d.step, {kW4k, kH4k});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}
void setC1Memset(benchmark::State& st) {
    DstPair dst(kW4k, kH4k, 1);
    for (auto _ : st) {
        Image& d = dst.next();
        memset(d.data, 77, size_t(kW4k) * kH4k);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}
void setC3Kzvi(benchmark::State& st) {
    DstPair dst(kW, kH, 3);
    const Kzv8u v[3] = {10, 20, 30};
    for (auto _ : st) {
        Image& d = dst.next();
        kzviSet_8u_C3R(v, d.data, d.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}

// ---- Planar conversions and channel swaps --------------------------------------------
struct Planes {
    Image p0{kW, kH, 1, 4}, p1{kW, kH, 1, 5}, p2{kW, kH, 1, 6};
};

void splitKzvi(benchmark::State& st) {
    Image src(kW, kH, 3);
    Planes a, b;
    int turn = 0;
    for (auto _ : st) {
        Planes& p = (turn++ & 1) ? b : a;
        Kzv8u* const d[3] = {p.p0.data, p.p1.data, p.p2.data};
        kzviCopy_8u_C3P3R(src.data, src.step, d, p.p0.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void mergeKzvi(benchmark::State& st) {
    Planes p;
    DstPair dst(kW, kH, 3);
    const Kzv8u* const s[3] = {p.p0.data, p.p1.data, p.p2.data};
    for (auto _ : st) {
        Image& d = dst.next();
        kzviCopy_8u_P3C3R(s, p.p0.step, d.data, d.step, {kW, kH});
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void swapC3Kzvi(benchmark::State& st) {
    Image src(kW, kH, 3);
    DstPair dst(kW, kH, 3);
    const int32_t order[3] = {2, 1, 0};
    for (auto _ : st) {
        Image& d = dst.next();
        kzviSwapChannels_8u_C3R(src.data, src.step, d.data, d.step, {kW, kH}, order);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void swapC4Kzvi(benchmark::State& st) {
    Image src(kW, kH, 4);
    DstPair dst(kW, kH, 4);
    const int32_t order[4] = {2, 1, 0, 3};
    for (auto _ : st) {
        Image& d = dst.next();
        kzviSwapChannels_8u_C4R(src.data, src.step, d.data, d.step, {kW, kH}, order);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 4 * kH);
}

#if KZVB_HAVE_OPENCV
void copyC1Cv(benchmark::State& st) {
    Image src(kW4k, kH4k, 1);
    DstPair dst(kW4k, kH4k, 1);
    cv::Mat s = wrap(src, CV_8UC1, kW4k, kH4k);
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC1, kW4k, kH4k);
        s.copyTo(d);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}
void copyC3RoiCv(benchmark::State& st) {
    Image src(kWide, kH, 3);
    DstPair dst(kWide, kH, 3);
    cv::Mat s = wrap(src, CV_8UC3, kW, kH, kX0);
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC3, kW, kH, kX0);
        s.copyTo(d);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void setC1Cv(benchmark::State& st) {
    DstPair dst(kW4k, kH4k, 1);
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC1, kW4k, kH4k);
        d.setTo(cv::Scalar(77));
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW4k) * kH4k);
}
void setC3Cv(benchmark::State& st) {
    DstPair dst(kW, kH, 3);
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC3, kW, kH);
        d.setTo(cv::Scalar(10, 20, 30));
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void splitCv(benchmark::State& st) {
    Image src(kW, kH, 3);
    Planes a, b;
    cv::Mat s = wrap(src, CV_8UC3, kW, kH);
    int turn = 0;
    for (auto _ : st) {
        Planes& p = (turn++ & 1) ? b : a;
        cv::Mat d[3] = {wrap(p.p0, CV_8UC1, kW, kH), wrap(p.p1, CV_8UC1, kW, kH), wrap(p.p2, CV_8UC1, kW, kH)};
        cv::split(s, d);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void mergeCv(benchmark::State& st) {
    Planes p;
    DstPair dst(kW, kH, 3);
    cv::Mat s[3] = {wrap(p.p0, CV_8UC1, kW, kH), wrap(p.p1, CV_8UC1, kW, kH), wrap(p.p2, CV_8UC1, kW, kH)};
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC3, kW, kH);
        cv::merge(s, 3, d);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void swapC3Cv(benchmark::State& st) {
    Image src(kW, kH, 3);
    DstPair dst(kW, kH, 3);
    cv::Mat s = wrap(src, CV_8UC3, kW, kH);
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC3, kW, kH);
        cv::cvtColor(s, d, cv::COLOR_BGR2RGB);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 3 * kH);
}
void swapC4Cv(benchmark::State& st) {
    Image src(kW, kH, 4);
    DstPair dst(kW, kH, 4);
    cv::Mat s = wrap(src, CV_8UC4, kW, kH);
    const int fromTo[8] = {2, 0, 1, 1, 0, 2, 3, 3};
    for (auto _ : st) {
        cv::Mat d = wrap(dst.next(), CV_8UC4, kW, kH);
        cv::mixChannels(&s, 1, &d, 1, fromTo, 4);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW) * 4 * kH);
}
#endif

}  // namespace

BENCHMARK(copyC1Kzvi)->Name("copy/8u_C1/3840x2160/kzvi");
BENCHMARK(copyC1Memcpy)->Name("copy/8u_C1/3840x2160/memcpy");
BENCHMARK(copyC3RoiKzvi)->Name("copy/8u_C3_roi/1920x1080/kzvi");
BENCHMARK(copyC3RoiMemcpy)->Name("copy/8u_C3_roi/1920x1080/memcpy");
BENCHMARK(setC1Kzvi)->Name("set/8u_C1/3840x2160/kzvi");
BENCHMARK(setC1Memset)->Name("set/8u_C1/3840x2160/memset");
BENCHMARK(setC3Kzvi)->Name("set/8u_C3/1920x1080/kzvi");
BENCHMARK(splitKzvi)->Name("copy_c3p3/8u/1920x1080/kzvi");
BENCHMARK(mergeKzvi)->Name("copy_p3c3/8u/1920x1080/kzvi");
BENCHMARK(swapC3Kzvi)->Name("swap_channels/8u_C3_210/1920x1080/kzvi");
BENCHMARK(swapC4Kzvi)->Name("swap_channels/8u_C4_2103/1920x1080/kzvi");
#if KZVB_HAVE_OPENCV
BENCHMARK(copyC1Cv)->Name("copy/8u_C1/3840x2160/opencv");
BENCHMARK(copyC3RoiCv)->Name("copy/8u_C3_roi/1920x1080/opencv");
BENCHMARK(setC1Cv)->Name("set/8u_C1/3840x2160/opencv");
BENCHMARK(setC3Cv)->Name("set/8u_C3/1920x1080/opencv");
BENCHMARK(splitCv)->Name("copy_c3p3/8u/1920x1080/opencv");
BENCHMARK(mergeCv)->Name("copy_p3c3/8u/1920x1080/opencv");
BENCHMARK(swapC3Cv)->Name("swap_channels/8u_C3_210/1920x1080/opencv");
BENCHMARK(swapC4Cv)->Name("swap_channels/8u_C4_2103/1920x1080/opencv");
#endif
