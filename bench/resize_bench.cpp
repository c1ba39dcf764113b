// Resize: kzvi beside cv::resize on identical buffers. The timed loop holds
// the apply call only; the spec is built once outside it (its cost is the
// separate resize_init cases). The 8u cubic and Lanczos specs are switched to
// the fast fixed-point tables, the mode comparable to OpenCV's 8u kernels.
#include <vector>

#include "bench.h"
#if KZVB_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

enum Kind { kNearest, kLinear, kCubic, kLanczos };

struct Spec {
    std::vector<uint8_t> spec, init, buf;
    KzvResizeSpec* p() { return reinterpret_cast<KzvResizeSpec*>(spec.data()); }
};

template <class T>
constexpr bool isFloat = sizeof(T) == 4;

// Builds the spec and work buffer for one case; returns the init status.
template <class T>
KzvStatus makeSpec(Kind kind, KzvImageSize s, KzvImageSize d, int channels, Spec* out) {
    static const KzvInterp interp[] = {kzvInterpNearest, kzvInterpLinear, kzvInterpCubic, kzvInterpLanczos};
    int32_t specSize = 0, initSize = 0, bufSize = 0;
    KzvStatus st = isFloat<T> ? kzviResizeGetSize_32f(s, d, interp[kind], 0, &specSize, &initSize)
                              : kzviResizeGetSize_8u(s, d, interp[kind], 0, &specSize, &initSize);
    if (st != kzvStatusOk) return st;
    out->spec.assign(size_t(specSize), 0);
    out->init.assign(size_t(initSize) + 1, 0);
    switch (kind) {
        case kNearest:
            st = isFloat<T> ? kzviResizeNearestInit_32f(s, d, out->p()) : kzviResizeNearestInit_8u(s, d, out->p());
            break;
        case kLinear:
            st = isFloat<T> ? kzviResizeLinearInit_32f(s, d, out->p()) : kzviResizeLinearInit_8u(s, d, out->p());
            break;
        case kCubic:
            st = isFloat<T> ? kzviResizeCubicInit_32f(s, d, 0.f, 0.5f, out->p(), out->init.data())
                            : kzviResizeCubicInit_8u(s, d, 0.f, 0.5f, out->p(), out->init.data());
            break;
        case kLanczos:
            st = isFloat<T> ? kzviResizeLanczosInit_32f(s, d, 3, out->p(), out->init.data())
                            : kzviResizeLanczosInit_8u(s, d, 3, out->p(), out->init.data());
            break;
    }
    if (st != kzvStatusOk) return st;
    if (!isFloat<T> && (kind == kCubic || kind == kLanczos)) st = kzviResizeSetMode(kzvAlgHintFast, out->p());
    if (st != kzvStatusOk) return st;
    st = isFloat<T> ? kzviResizeGetBufferSize_32f(out->p(), d, channels, &bufSize)
                    : kzviResizeGetBufferSize_8u(out->p(), d, channels, &bufSize);
    out->buf.assign(size_t(bufSize), 0);
    return st;
}

template <class T>
KzvStatus apply(Kind kind, int channels, const kzvb::Image& src, kzvb::Image& dst, KzvImageSize d, Spec& sp) {
    const KzvImagePoint o{0, 0};
    const T* s = src.as<T>();
    T* dd = dst.as<T>();
    const KzvBorderKind b = kzvBorderReplicate;
    if constexpr (isFloat<T>) {
        return kzviResizeLinear_32f_C1R(s, src.step, dd, dst.step, o, d, b, nullptr, sp.p(), sp.buf.data());
    } else {
        switch (kind) {
            case kNearest:
                return channels == 1 ? kzviResizeNearest_8u_C1R(s, src.step, dd, dst.step, o, d, sp.p(), sp.buf.data())
                                     : kzviResizeNearest_8u_C3R(s, src.step, dd, dst.step, o, d, sp.p(), sp.buf.data());
            case kLinear:
                return channels == 1
                           ? kzviResizeLinear_8u_C1R(s, src.step, dd, dst.step, o, d, b, nullptr, sp.p(), sp.buf.data())
                           : kzviResizeLinear_8u_C3R(s, src.step, dd, dst.step, o, d, b, nullptr, sp.p(),
                                                     sp.buf.data());
            case kCubic:
                return kzviResizeCubic_8u_C3R(s, src.step, dd, dst.step, o, d, b, nullptr, sp.p(), sp.buf.data());
            case kLanczos:
                return kzviResizeLanczos_8u_C3R(s, src.step, dd, dst.step, o, d, b, nullptr, sp.p(), sp.buf.data());
        }
    }
    return kzvStatusBadArgErr;
}

template <class T>
void resizeKzvi(benchmark::State& st, Kind kind, int channels, int sw, int sh, int dw, int dh) {
    const int pb = channels * int(sizeof(T));
    kzvb::Image src(sw, sh, pb);
    if constexpr (isFloat<T>)
        for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw * channels; ++x)
                src.as<float>()[size_t(y) * size_t(src.step) / 4 + size_t(x)] =
                    float(src.data[size_t(y) * size_t(src.step) + size_t(x)]);
    kzvb::DstPair dst(dw, dh, pb);
    Spec sp;
    if (makeSpec<T>(kind, {sw, sh}, {dw, dh}, channels, &sp) != kzvStatusOk) {
        st.SkipWithError("spec");
        return;
    }
    for (auto _ : st) {
        if (apply<T>(kind, channels, src, dst.next(), {dw, dh}, sp) != kzvStatusOk) {
            st.SkipWithError("apply");
            return;
        }
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(dw) * size_t(dh) * size_t(pb));
}

// Spec construction alone (GetSize, Init, SetMode where used, GetBufferSize).
template <class T>
void resizeInitKzvi(benchmark::State& st, Kind kind, int channels, int sw, int sh, int dw, int dh) {
    for (auto _ : st) {
        Spec sp;
        if (makeSpec<T>(kind, {sw, sh}, {dw, dh}, channels, &sp) != kzvStatusOk) {
            st.SkipWithError("spec");
            return;
        }
        benchmark::DoNotOptimize(sp.spec.data());
    }
}

#if KZVB_HAVE_OPENCV
template <class T>
void resizeOpenCV(benchmark::State& st, Kind kind, int channels, int sw, int sh, int dw, int dh) {
    static const int interp[] = {cv::INTER_NEAREST, cv::INTER_LINEAR, cv::INTER_CUBIC, cv::INTER_LANCZOS4};
    const int pb = channels * int(sizeof(T));
    const int type = isFloat<T> ? CV_32FC(channels) : CV_8UC(channels);
    kzvb::Image src(sw, sh, pb);
    kzvb::DstPair dst(dw, dh, pb);
    cv::Mat s(sh, sw, type, src.data, size_t(src.step));
    if constexpr (isFloat<T>) {
        cv::Mat bytes(sh, sw * channels, CV_8UC1, src.data, size_t(src.step));
        cv::Mat tmp;
        bytes.convertTo(tmp, CV_32F);
        tmp.reshape(channels).copyTo(s);
    }
    for (auto _ : st) {
        kzvb::Image& d = dst.next();
        cv::Mat dm(dh, dw, type, d.data, size_t(d.step));
        cv::resize(s, dm, cv::Size(dw, dh), 0, 0, interp[kind]);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, size_t(dw) * size_t(dh) * size_t(pb));
}
#endif

void kzvi8u(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeKzvi<Kzv8u>(st, k, c, sw, sh, dw, dh);
}
void kzvi32f(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeKzvi<Kzv32f>(st, k, c, sw, sh, dw, dh);
}
void init8u(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeInitKzvi<Kzv8u>(st, k, c, sw, sh, dw, dh);
}
void init32f(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeInitKzvi<Kzv32f>(st, k, c, sw, sh, dw, dh);
}
#if KZVB_HAVE_OPENCV
void cv8u(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeOpenCV<Kzv8u>(st, k, c, sw, sh, dw, dh);
}
void cv32f(benchmark::State& st, Kind k, int c, int sw, int sh, int dw, int dh) {
    resizeOpenCV<Kzv32f>(st, k, c, sw, sh, dw, dh);
}
#endif

#define KZVB_RESIZE(op, kind, T, tl, C, sw, sh, dw, dh)                              \
    BENCHMARK_CAPTURE(kzvi##T, op##_##tl##_##dw, kind, C, sw, sh, dw, dh)            \
        ->Name("resize_" #op "/" #tl "/" #sw "x" #sh "->" #dw "x" #dh "/kzvi");      \
    BENCHMARK_CAPTURE(init##T, init_##op##_##tl##_##dw, kind, C, sw, sh, dw, dh)     \
        ->Name("resize_init_" #op "/" #tl "/" #sw "x" #sh "->" #dw "x" #dh "/kzvi"); \
    KZVB_RESIZE_PEER(op, kind, T, tl, C, sw, sh, dw, dh)

#if KZVB_HAVE_OPENCV
#define KZVB_RESIZE_PEER(op, kind, T, tl, C, sw, sh, dw, dh)                 \
    BENCHMARK_CAPTURE(cv##T, cv_##op##_##tl##_##dw, kind, C, sw, sh, dw, dh) \
        ->Name("resize_" #op "/" #tl "/" #sw "x" #sh "->" #dw "x" #dh "/opencv");
#else
#define KZVB_RESIZE_PEER(op, kind, T, tl, C, sw, sh, dw, dh)
#endif

KZVB_RESIZE(nearest, kNearest, 8u, 8u_C3, 3, 1920, 1080, 1280, 720)
KZVB_RESIZE(nearest, kNearest, 8u, 8u_C3, 3, 1920, 1080, 3840, 2160)
KZVB_RESIZE(linear, kLinear, 8u, 8u_C3, 3, 1920, 1080, 1280, 720)
KZVB_RESIZE(linear, kLinear, 8u, 8u_C3, 3, 1920, 1080, 3840, 2160)
KZVB_RESIZE(cubic, kCubic, 8u, 8u_C3, 3, 1920, 1080, 1280, 720)
KZVB_RESIZE(cubic, kCubic, 8u, 8u_C3, 3, 1920, 1080, 3840, 2160)
KZVB_RESIZE(lanczos3, kLanczos, 8u, 8u_C3, 3, 1920, 1080, 1280, 720)
KZVB_RESIZE(lanczos3, kLanczos, 8u, 8u_C3, 3, 1920, 1080, 3840, 2160)
KZVB_RESIZE(linear, kLinear, 32f, 32f_C1, 1, 1920, 1080, 1280, 720)
KZVB_RESIZE(linear, kLinear, 32f, 32f_C3, 3, 1920, 1080, 1280, 720)  // beyond the set cases
KZVB_RESIZE(linear, kLinear, 8u, 8u_C1, 1, 4000, 3000, 1000, 750)

}  // namespace
