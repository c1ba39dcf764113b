// Border copies beside the peer's border-making copy: 1920x1080 sources with
// a 16-pixel frame on every side. Working set: source 6.2 MB plus frame
// 6.5 MB for 8u C3.
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

constexpr int kW = 1920, kH = 1080, kB = 16;

enum class Kind { Replicate, Mirror, Const };

KzvStatus callKzvi(Kind k, int ch, const kzvb::Image& s, kzvb::Image& d) {
    const KzvImageSize ss{kW, kH}, ds{kW + 2 * kB, kH + 2 * kB};
    if (ch == 3) {
        const Kzv8u value[3] = {10, 20, 30};
        switch (k) {
        case Kind::Replicate: return kzviCopyReplicateBorder_8u_C3R(s.data, s.step, ss, d.data, d.step, ds, kB, kB);
        case Kind::Mirror: return kzviCopyMirrorBorder_8u_C3R(s.data, s.step, ss, d.data, d.step, ds, kB, kB);
        case Kind::Const: return kzviCopyConstBorder_8u_C3R(s.data, s.step, ss, d.data, d.step, ds, kB, kB, value);
        }
    } else {
        switch (k) {
        case Kind::Replicate: return kzviCopyReplicateBorder_8u_C1R(s.data, s.step, ss, d.data, d.step, ds, kB, kB);
        case Kind::Mirror: return kzviCopyMirrorBorder_8u_C1R(s.data, s.step, ss, d.data, d.step, ds, kB, kB);
        case Kind::Const: return kzviCopyConstBorder_8u_C1R(s.data, s.step, ss, d.data, d.step, ds, kB, kB, 10);
        }
    }
    return kzvStatusOk;
}

void borderKzvi(benchmark::State& st, Kind k, int CH) {
    kzvb::Image src(kW, kH, CH);
    kzvb::DstPair dst(kW + 2 * kB, kH + 2 * kB, CH);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        if (callKzvi(k, CH, src, d) != kzvStatusOk) st.SkipWithError("kzvi failed");
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW + 2 * kB) * (kH + 2 * kB) * CH);
}

// The floor for any border copy: each source row memcpy'd into the frame,
// and the 2 x 16 border rows memcpy'd, no border pixels synthesised.
void borderMemcpy(benchmark::State& st, Kind, int CH) {
    kzvb::Image src(kW, kH, CH);
    kzvb::DstPair dst(kW + 2 * kB, kH + 2 * kB, CH);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        for (int y = 0; y < kH; ++y)
            memcpy(d.data + size_t(y + kB) * d.step + kB * CH, src.data + size_t(y) * src.step, size_t(kW) * CH);
        for (int y = 0; y < kB; ++y) {
            memcpy(d.data + size_t(y) * d.step, d.data + size_t(kB) * d.step, size_t(kW + 2 * kB) * CH);
            memcpy(d.data + size_t(kH + kB + y) * d.step, d.data + size_t(kH + kB - 1) * d.step,
                   size_t(kW + 2 * kB) * CH);
        }
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW + 2 * kB) * (kH + 2 * kB) * CH);
}

#if KZVB_HAVE_OPENCV
void borderOpenCV(benchmark::State& st, Kind k, int CH) {
    kzvb::singleThreadPeers();
    kzvb::Image src(kW, kH, CH);
    kzvb::DstPair dst(kW + 2 * kB, kH + 2 * kB, CH);
    const int type = CV_8UC(CH);
    const cv::Mat s(kH, kW, type, src.data, size_t(src.step));
    const int cvKind = k == Kind::Replicate ? cv::BORDER_REPLICATE
                                            : (k == Kind::Mirror ? cv::BORDER_REFLECT_101 : cv::BORDER_CONSTANT);
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat m(kH + 2 * kB, kW + 2 * kB, type, d.data, size_t(d.step));
        cv::copyMakeBorder(s, m, kB, kB, kB, kB, cvKind, cv::Scalar(10, 20, 30));
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(kW + 2 * kB) * (kH + 2 * kB) * CH);
}
#endif

#define KZVB_BORDER(op, kind, CH, lay)                                                                    \
    BENCHMARK_CAPTURE(borderKzvi, op##_##lay, kind, CH)->Name(#op "/8u_" #lay "/1920x1080+16/kzvi");
#define KZVB_BORDER_MEMCPY(op, kind, CH, lay)                                                             \
    BENCHMARK_CAPTURE(borderMemcpy, op##_##lay, kind, CH)->Name(#op "/8u_" #lay "/1920x1080+16/memcpy");
#define KZVB_BORDER_CV(op, kind, CH, lay)                                                                 \
    BENCHMARK_CAPTURE(borderOpenCV, op##_##lay, kind, CH)->Name(#op "/8u_" #lay "/1920x1080+16/opencv");

KZVB_BORDER(copy_replicate_border, Kind::Replicate, 3, C3)
KZVB_BORDER(copy_mirror_border, Kind::Mirror, 3, C3)
KZVB_BORDER(copy_const_border, Kind::Const, 3, C3)
KZVB_BORDER(copy_replicate_border, Kind::Replicate, 1, C1)
KZVB_BORDER(copy_mirror_border, Kind::Mirror, 1, C1)
KZVB_BORDER(copy_const_border, Kind::Const, 1, C1)
KZVB_BORDER_MEMCPY(copy_replicate_border, Kind::Replicate, 3, C3)
KZVB_BORDER_MEMCPY(copy_mirror_border, Kind::Mirror, 3, C3)
KZVB_BORDER_MEMCPY(copy_const_border, Kind::Const, 3, C3)
#if KZVB_HAVE_OPENCV
KZVB_BORDER_CV(copy_replicate_border, Kind::Replicate, 3, C3)
KZVB_BORDER_CV(copy_mirror_border, Kind::Mirror, 3, C3)
KZVB_BORDER_CV(copy_const_border, Kind::Const, 3, C3)
KZVB_BORDER_CV(copy_replicate_border, Kind::Replicate, 1, C1)
KZVB_BORDER_CV(copy_mirror_border, Kind::Mirror, 1, C1)
KZVB_BORDER_CV(copy_const_border, Kind::Const, 1, C1)
#endif

}  // namespace
