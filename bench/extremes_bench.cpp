// Extremes beside the peer's minMaxLoc, single-threaded, at 1920x1080 and
// 3840x2160 (8u C1: 2 MB and 8.3 MB; 32f C1: 8.3 MB and 33 MB).
//
// The images hold values well inside the type's range (8u: 16..239, 32f:
// -1..1) with one smallest and one largest value planted three quarters of
// the way down, so neither side can stop its scan early and the positions
// are not found in the first rows.
#include "bench.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

enum class Op { MinMax, MinIndx, MaxIndx };

struct Source {
    kzvb::Image img;
    bool is32f;
    Source(bool f, int w, int h) : img(w, h, f ? 4 : 1, 41), is32f(f) {
        std::mt19937 g(9);
        const int py = h * 3 / 4, px = w / 3;
        for (int y = 0; y < h; ++y) {
            uint8_t* r = img.data + size_t(y) * img.step;
            if (f) {
                std::uniform_real_distribution<float> u(-1.0f, 1.0f);
                float* rf = reinterpret_cast<float*>(r);
                for (int x = 0; x < w; ++x) rf[x] = u(g);
                if (y == py) rf[px] = -2.0f, rf[px + 7] = 2.0f;
            } else {
                for (int x = 0; x < w; ++x) r[x] = uint8_t(16 + g() % 224);
                if (y == py) r[px] = 3, r[px + 7] = 250;
            }
        }
    }
};

void runKzvi(benchmark::State& st, bool f, Op op, int w, int h) {
    Source s(f, w, h);
    const KzvImageSize roi{w, h};
    Kzv8u u0 = 0, u1 = 0;
    Kzv32f f0 = 0, f1 = 0;
    int32_t x = 0, y = 0;
    for (auto _ : st) {
        KzvStatus e = kzvStatusOk;
        const int step = s.img.step;
        if (f) {
            const Kzv32f* p = s.img.as<Kzv32f>();
            switch (op) {
            case Op::MinMax: e = kzviMinMax_32f_C1R(p, step, roi, &f0, &f1); break;
            case Op::MinIndx: e = kzviMinIndx_32f_C1R(p, step, roi, &f0, &x, &y); break;
            case Op::MaxIndx: e = kzviMaxIndx_32f_C1R(p, step, roi, &f1, &x, &y); break;
            }
        } else {
            const Kzv8u* p = s.img.data;
            switch (op) {
            case Op::MinMax: e = kzviMinMax_8u_C1R(p, step, roi, &u0, &u1); break;
            case Op::MinIndx: e = kzviMinIndx_8u_C1R(p, step, roi, &u0, &x, &y); break;
            case Op::MaxIndx: e = kzviMaxIndx_8u_C1R(p, step, roi, &u1, &x, &y); break;
            }
        }
        if (e != kzvStatusOk) st.SkipWithError("kzvi failed");
        benchmark::DoNotOptimize(u0), benchmark::DoNotOptimize(u1);
        benchmark::DoNotOptimize(f0), benchmark::DoNotOptimize(f1);
        benchmark::DoNotOptimize(x), benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(w) * h * (f ? 4 : 1));
}

#if KZVB_HAVE_OPENCV
// The peer has one call for all three: minMaxLoc, with the positions
// requested for the Indx cases and not for MinMax.
void runOpenCV(benchmark::State& st, bool f, Op op, int w, int h) {
    kzvb::singleThreadPeers();
    Source s(f, w, h);
    const cv::Mat m(h, w, f ? CV_32FC1 : CV_8UC1, s.img.data, size_t(s.img.step));
    double mn = 0, mx = 0;
    cv::Point pmin, pmax;
    for (auto _ : st) {
        if (op == Op::MinMax) cv::minMaxLoc(m, &mn, &mx);
        else cv::minMaxLoc(m, &mn, &mx, &pmin, &pmax);
        benchmark::DoNotOptimize(mn), benchmark::DoNotOptimize(mx);
        benchmark::DoNotOptimize(pmin), benchmark::DoNotOptimize(pmax);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(w) * h * (f ? 4 : 1));
}
#endif

[[maybe_unused]] const bool kRegistered = [] {
    const int sizes[2][2] = {{1920, 1080}, {3840, 2160}};
    const struct {
        const char* name;
        Op op;
    } ops[] = {{"minmax", Op::MinMax}, {"minindx", Op::MinIndx}, {"maxindx", Op::MaxIndx}};
    for (const auto& o : ops)
        for (bool f : {false, true})
            for (const auto& sz : sizes) {
                const int w = sz[0], h = sz[1];
                const std::string base = std::string(o.name) + (f ? "/32f_C1/" : "/8u_C1/") + std::to_string(w) +
                                         "x" + std::to_string(h) + "/";
                benchmark::RegisterBenchmark((base + "kzvi").c_str(), runKzvi, f, o.op, w, h);
#if KZVB_HAVE_OPENCV
                benchmark::RegisterBenchmark((base + "opencv").c_str(), runOpenCV, f, o.op, w, h);
#endif
            }
    return true;
}();

}  // namespace
