// Sums, means, norms and dot products beside the peer's sum, mean, norm and
// Mat::dot, single-threaded, at 1920x1080 and 3840x2160. Working sets: 2 MB
// and 8.3 MB per 8u C1 image (three times that for C3, four times for 32f;
// the 32f 3840x2160 images, 33 MB each, do not fit the 32 MiB L3).
//
// Reductions write nothing, so the 8u cases and the dot product also time a
// plain streaming read of the same bytes ("memread"): the speed-up over it is
// kzvi's fraction of the read bandwidth the machine reaches on that buffer.
#include <immintrin.h>

#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

enum class Op { Sum8uC1, Mean8uC3, NormL2f, NormL2fAccurate, NormDiffL1u8, Dot32f };

// Bytes per pixel of each source image, and the number of source images.
int pixelBytes(Op op) {
    switch (op) {
    case Op::Sum8uC1: return 1;
    case Op::Mean8uC3: return 3;
    case Op::NormDiffL1u8: return 1;
    default: return 4;
    }
}
bool twoSources(Op op) { return op == Op::NormDiffL1u8 || op == Op::Dot32f; }

// Sources of width x height pixels: random bytes for 8u, uniform values in
// [-1, 1) for 32f (random bytes would include NaN and infinities).
struct Sources {
    kzvb::Image a, b;
    Sources(Op op, int w, int h) : a(w, h, pixelBytes(op), 31), b(w, h, pixelBytes(op), 32) {
        if (pixelBytes(op) == 4) {
            std::mt19937 g(7);
            std::uniform_real_distribution<float> u(-1.0f, 1.0f);
            for (kzvb::Image* im : {&a, &b})
                for (int y = 0; y < h; ++y) {
                    float* r = reinterpret_cast<float*>(im->data + size_t(y) * im->step);
                    for (int x = 0; x < w; ++x) r[x] = u(g);
                }
        }
    }
    size_t bytesRead(Op op) const {
        return size_t(a.width) * a.height * pixelBytes(op) * (twoSources(op) ? 2 : 1);
    }
};

void runKzvi(benchmark::State& st, Op op, int w, int h) {
    Sources s(op, w, h);
    const KzvImageSize roi{w, h};
    double r[3] = {};
    for (auto _ : st) {
        KzvStatus e = kzvStatusOk;
        switch (op) {
        case Op::Sum8uC1: e = kzviSum_8u_C1R(s.a.data, s.a.step, roi, r); break;
        case Op::Mean8uC3: e = kzviMean_8u_C3R(s.a.data, s.a.step, roi, r); break;
        case Op::NormL2f: e = kzviNorm_L2_32f_C1R(s.a.as<Kzv32f>(), s.a.step, roi, r, kzvAlgHintNone); break;
        case Op::NormL2fAccurate:
            e = kzviNorm_L2_32f_C1R(s.a.as<Kzv32f>(), s.a.step, roi, r, kzvAlgHintAccurate);
            break;
        case Op::NormDiffL1u8: e = kzviNormDiff_L1_8u_C1R(s.a.data, s.a.step, s.b.data, s.b.step, roi, r); break;
        case Op::Dot32f:
            e = kzviDotProd_32f64f_C1R(s.a.as<Kzv32f>(), s.a.step, s.b.as<Kzv32f>(), s.b.step, roi, r,
                                       kzvAlgHintNone);
            break;
        }
        if (e != kzvStatusOk) st.SkipWithError("kzvi failed");
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, s.bytesRead(op));
}

// Streaming read of the same source bytes: four independent OR chains of
// 32-byte loads per row, the rows read in order like the reductions do.
void runRead(benchmark::State& st, Op op, int w, int h) {
    Sources s(op, w, h);
    const size_t rowBytes = size_t(w) * pixelBytes(op);
    for (auto _ : st) {
        __m256i acc[4] = {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256(),
                          _mm256_setzero_si256()};
        for (const kzvb::Image* im : {&s.a, &s.b}) {
            if (im == &s.b && !twoSources(op)) break;
            for (int y = 0; y < h; ++y) {
                const uint8_t* r = im->data + size_t(y) * im->step;
                size_t x = 0;
                for (; x + 128 <= rowBytes; x += 128)
                    for (int k = 0; k < 4; ++k)
                        acc[k] = _mm256_or_si256(
                            acc[k], _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r + x + 32 * k)));
                for (; x + 32 <= rowBytes; x += 32)
                    acc[0] = _mm256_or_si256(acc[0], _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r + x)));
            }
        }
        benchmark::DoNotOptimize(acc);
    }
    kzvb::setBytes(st, s.bytesRead(op));
}

#if KZVB_HAVE_OPENCV
void runOpenCV(benchmark::State& st, Op op, int w, int h) {
    kzvb::singleThreadPeers();
    Sources s(op, w, h);
    const int type = op == Op::Mean8uC3 ? CV_8UC3 : pixelBytes(op) == 4 ? CV_32FC1 : CV_8UC1;
    const cv::Mat ma(h, w, type, s.a.data, size_t(s.a.step)), mb(h, w, type, s.b.data, size_t(s.b.step));
    double r = 0;
    cv::Scalar sc;
    for (auto _ : st) {
        switch (op) {
        case Op::Sum8uC1: sc = cv::sum(ma); break;
        case Op::Mean8uC3: sc = cv::mean(ma); break;
        case Op::NormL2f:
        case Op::NormL2fAccurate: r = cv::norm(ma, cv::NORM_L2); break;
        case Op::NormDiffL1u8: r = cv::norm(ma, mb, cv::NORM_L1); break;
        case Op::Dot32f: r = ma.dot(mb); break;
        }
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(sc);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, s.bytesRead(op));
}
#endif

struct Case {
    const char* name;
    Op op;
    bool read;  // also time the streaming read
};

const Case kCases[] = {
    {"sum/8u_C1", Op::Sum8uC1, true},
    {"mean/8u_C3", Op::Mean8uC3, true},
    {"norm_l2/32f_C1", Op::NormL2f, false},
    {"norm_l2_accurate/32f_C1", Op::NormL2fAccurate, false},
    {"normdiff_l1/8u_C1", Op::NormDiffL1u8, true},
    {"dotprod/32f64f_C1", Op::Dot32f, true},
};

[[maybe_unused]] const bool kRegistered = [] {
    const int sizes[2][2] = {{1920, 1080}, {3840, 2160}};
    for (const Case& c : kCases)
        for (const auto& sz : sizes) {
            const int w = sz[0], h = sz[1];
            const std::string base = std::string(c.name) + "/" + std::to_string(w) + "x" + std::to_string(h) + "/";
            benchmark::RegisterBenchmark((base + "kzvi").c_str(), runKzvi, c.op, w, h);
#if KZVB_HAVE_OPENCV
            benchmark::RegisterBenchmark((base + "opencv").c_str(), runOpenCV, c.op, w, h);
#endif
            if (c.read) benchmark::RegisterBenchmark((base + "memread").c_str(), runRead, c.op, w, h);
        }
    return true;
}();

}  // namespace
