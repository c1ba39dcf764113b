// Depth conversion: kzvi beside cv::Mat::convertTo on identical buffers, and
// memcpy moving the same bytes (half of source plus destination, copied:
// the same read and write traffic) for the bandwidth ratio.
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

struct Size {
    int w, h;
    const char* name;
};
const Size kSizes[] = {{1920, 1080, "1920x1080"}, {3840, 2160, "3840x2160"}};

enum class Op { U8ToF32, F32ToU8, S16ToU8, ScaleCU8ToF32 };

struct OpInfo {
    const char* name;
    int srcBytes, dstBytes;
#if KZVB_HAVE_OPENCV
    int srcType, dstType;
#endif
};

OpInfo info(Op op) {
    switch (op) {
#if KZVB_HAVE_OPENCV
        case Op::U8ToF32:
            return {"convert/8u32f_C1", 1, 4, CV_8U, CV_32F};
        case Op::F32ToU8:
            return {"convert/32f8u_C1", 4, 1, CV_32F, CV_8U};
        case Op::S16ToU8:
            return {"convert/16s8u_C1", 2, 1, CV_16S, CV_8U};
        default:
            return {"scalec/8u32f_C1", 1, 4, CV_8U, CV_32F};
#else
        case Op::U8ToF32:
            return {"convert/8u32f_C1", 1, 4};
        case Op::F32ToU8:
            return {"convert/32f8u_C1", 4, 1};
        case Op::S16ToU8:
            return {"convert/16s8u_C1", 2, 1};
        default:
            return {"scalec/8u32f_C1", 1, 4};
#endif
    }
}

// Float sources hold values in the 8-bit range, with fractions.
void fillSource(Op op, kzvb::Image& src) {
    if (op == Op::F32ToU8) {
        std::mt19937 g(7);
        for (int y = 0; y < src.height; ++y) {
            float* r = reinterpret_cast<float*>(src.data + size_t(y) * src.step);
            for (int x = 0; x < src.width; ++x) r[x] = float(g() % 70000) / 256.0f - 10.0f;
        }
    }
}

void runKzvi(Op op, const kzvb::Image& s, kzvb::Image& d) {
    const KzvImageSize roi{s.width, s.height};
    switch (op) {
        case Op::U8ToF32:
            kzviConvert_8u32f_C1R(s.as<Kzv8u>(), s.step, d.as<Kzv32f>(), d.step, roi);
            break;
        case Op::F32ToU8:
            kzviConvert_32f8u_C1R(s.as<Kzv32f>(), s.step, d.as<Kzv8u>(), d.step, roi, kzvRoundNearestEven);
            break;
        case Op::S16ToU8:
            kzviConvert_16s8u_C1R(s.as<Kzv16s>(), s.step, d.as<Kzv8u>(), d.step, roi);
            break;
        case Op::ScaleCU8ToF32:
            kzviScaleC_8u32f_C1R(s.as<Kzv8u>(), s.step, 1.0 / 255.0, -0.5, d.as<Kzv32f>(), d.step, roi, kzvAlgHintFast);
            break;
    }
}

void bench(benchmark::State& st, Op op, Size sz, int impl) {
    kzvb::singleThreadPeers();
    const OpInfo oi = info(op);
    kzvb::Image src(sz.w, sz.h, oi.srcBytes, 1);
    fillSource(op, src);
    kzvb::DstPair dst(sz.w, sz.h, oi.dstBytes);
    const size_t moved = size_t(sz.w) * sz.h * size_t(oi.srcBytes + oi.dstBytes);
    std::vector<uint8_t> mSrc, mA, mB;
    if (impl == 2) mSrc.assign(moved / 2, 1), mA.assign(moved / 2, 0), mB.assign(moved / 2, 0);
    int turn = 0;
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        if (impl == 0) {
            runKzvi(op, src, d);
        } else if (impl == 1) {
#if KZVB_HAVE_OPENCV
            cv::Mat s(sz.h, sz.w, oi.srcType, src.data, size_t(src.step));
            cv::Mat o(sz.h, sz.w, oi.dstType, d.data, size_t(d.step));
            if (op == Op::ScaleCU8ToF32)
                s.convertTo(o, oi.dstType, 1.0 / 255.0, -0.5);
            else
                s.convertTo(o, oi.dstType);
#endif
        } else {
            memcpy((turn++ & 1) ? mA.data() : mB.data(), mSrc.data(), moved / 2);
        }
        benchmark::DoNotOptimize(d.data);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, moved / 2);
}

int registerAll() {
    const Op ops[] = {Op::U8ToF32, Op::F32ToU8, Op::S16ToU8, Op::ScaleCU8ToF32};
    const char* impls[] = {"kzvi", "opencv", "memcpy"};
    for (Op op : ops)
        for (const Size& sz : kSizes)
            for (int impl = 0; impl < 3; ++impl) {
#if !KZVB_HAVE_OPENCV
                if (impl == 1) continue;
#endif
                const std::string name = std::string(info(op).name) + "/" + sz.name + "/" + impls[impl];
                benchmark::RegisterBenchmark(name.c_str(), [op, sz, impl](benchmark::State& st) {
                    bench(st, op, sz, impl);
                })->Unit(benchmark::kMicrosecond);
            }
    return 0;
}

const int kRegistered = registerAll();

}  // namespace
