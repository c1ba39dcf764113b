#include "tool_ops.h"

#include <math.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <cmath>

#include <algorithm>
#include <vector>

namespace {

struct StatusName {
    KzvStatus code;
    const char* name;
};

const StatusName kStatusNames[] = {
    {kzvStatusAccurateIgnored, "kzvStatusAccurateIgnored"},
    {kzvStatusSizeAdjusted, "kzvStatusSizeAdjusted"},
    {kzvStatusAntialiasNotApplied, "kzvStatusAntialiasNotApplied"},
    {kzvStatusVolumeOutside, "kzvStatusVolumeOutside"},
    {kzvStatusEvenWeightReduced, "kzvStatusEvenWeightReduced"},
    {kzvStatusOddSize, "kzvStatusOddSize"},
    {kzvStatusNoDstIntersection, "kzvStatusNoDstIntersection"},
    {kzvStatusNoIntersection, "kzvStatusNoIntersection"},
    {kzvStatusQuadNotParallelogram, "kzvStatusQuadNotParallelogram"},
    {kzvStatusLnNegArg, "kzvStatusLnNegArg"},
    {kzvStatusLnZeroArg, "kzvStatusLnZeroArg"},
    {kzvStatusSqrtNegArg, "kzvStatusSqrtNegArg"},
    {kzvStatusDivByZero, "kzvStatusDivByZero"},
    {kzvStatusNoOperation, "kzvStatusNoOperation"},
    {kzvStatusOk, "kzvStatusOk"},
    {kzvStatusInternalErr, "kzvStatusInternalErr"},
    {kzvStatusBadArgErr, "kzvStatusBadArgErr"},
    {kzvStatusSizeErr, "kzvStatusSizeErr"},
    {kzvStatusRangeErr, "kzvStatusRangeErr"},
    {kzvStatusNullPtrErr, "kzvStatusNullPtrErr"},
    {kzvStatusMemAllocErr, "kzvStatusMemAllocErr"},
    {kzvStatusDivByZeroErr, "kzvStatusDivByZeroErr"},
    {kzvStatusOutOfRangeErr, "kzvStatusOutOfRangeErr"},
    {kzvStatusScaleRangeErr, "kzvStatusScaleRangeErr"},
    {kzvStatusContextMatchErr, "kzvStatusContextMatchErr"},
    {kzvStatusNotSupportedModeErr, "kzvStatusNotSupportedModeErr"},
    {kzvStatusStepErr, "kzvStatusStepErr"},
    {kzvStatusFftOrderErr, "kzvStatusFftOrderErr"},
    {kzvStatusFftFlagErr, "kzvStatusFftFlagErr"},
    {kzvStatusThresholdErr, "kzvStatusThresholdErr"},
    {kzvStatusZeroMomentErr, "kzvStatusZeroMomentErr"},
    {kzvStatusMirrorAxisErr, "kzvStatusMirrorAxisErr"},
    {kzvStatusInterpolationErr, "kzvStatusInterpolationErr"},
    {kzvStatusResizeFactorErr, "kzvStatusResizeFactorErr"},
    {kzvStatusMaskSizeErr, "kzvStatusMaskSizeErr"},
    {kzvStatusAnchorErr, "kzvStatusAnchorErr"},
    {kzvStatusEpsValErr, "kzvStatusEpsValErr"},
    {kzvStatusStepTooSmallErr, "kzvStatusStepTooSmallErr"},
    {kzvStatusChannelErr, "kzvStatusChannelErr"},
    {kzvStatusAlphaTypeErr, "kzvStatusAlphaTypeErr"},
    {kzvStatusDivisorErr, "kzvStatusDivisorErr"},
    {kzvStatusNumChannelsErr, "kzvStatusNumChannelsErr"},
    {kzvStatusCoeffErr, "kzvStatusCoeffErr"},
    {kzvStatusRectErr, "kzvStatusRectErr"},
    {kzvStatusQuadErr, "kzvStatusQuadErr"},
    {kzvStatusDataTypeErr, "kzvStatusDataTypeErr"},
    {kzvStatusChannelOrderErr, "kzvStatusChannelOrderErr"},
    {kzvStatusLutLevelsErr, "kzvStatusLutLevelsErr"},
    {kzvStatusHistLevelsErr, "kzvStatusHistLevelsErr"},
    {kzvStatusStepMultipleErr, "kzvStatusStepMultipleErr"},
    {kzvStatusNoiseValErr, "kzvStatusNoiseValErr"},
    {kzvStatusQualityIndexErr, "kzvStatusQualityIndexErr"},
    {kzvStatusWeightErr, "kzvStatusWeightErr"},
    {kzvStatusDecimateFractionErr, "kzvStatusDecimateFractionErr"},
    {kzvStatusRoundModeErr, "kzvStatusRoundModeErr"},
    {kzvStatusBorderErr, "kzvStatusBorderErr"},
    {kzvStatusNotEvenErr, "kzvStatusNotEvenErr"},
    {kzvStatusAlgTypeErr, "kzvStatusAlgTypeErr"},
    {kzvStatusWarpDirectionErr, "kzvStatusWarpDirectionErr"},
    {kzvStatusSizeOverflowErr, "kzvStatusSizeOverflowErr"},
};

// A library call that failed: the message names the status.
bool check(KzvStatus s, const char* what, std::string& error) {
    if (s >= 0) return true;
    error = std::string(what) + " failed: " + statusText(s);
    return false;
}

bool needArgs(const std::vector<std::string>& a, size_t lo, size_t hi, const char* usage, std::string& error) {
    if (a.size() < lo || a.size() > hi) {
        error = std::string("usage: ") + usage;
        return false;
    }
    return true;
}

bool parseInt(const std::string& s, long lo, long hi, long& v) {
    char* end = nullptr;
    v = strtol(s.c_str(), &end, 10);
    return !s.empty() && *end == 0 && v >= lo && v <= hi;
}

bool parseSize(const std::string& s, int& w, int& h) {
    char extra;
    return sscanf(s.c_str(), "%dx%d%c", &w, &h, &extra) == 2 && w > 0 && h > 0 && w <= 65536 && h <= 65536;
}

// ---- mirror ------------------------------------------------------------------

bool opMirror(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "mirror h|v|both";
    if (!needArgs(a, 1, 1, usage, error)) return false;
    int flip = a[0] == "h" ? 1 : a[0] == "v" ? 0 : a[0] == "both" ? 2 : -1;
    if (flip < 0) {
        error = std::string("usage: ") + usage + " (h flips left-right, v top-bottom)";
        return false;
    }
    KzvStatus s = kzvStatusNotSupportedModeErr;
    const KzvImageSize r = img.size();
    if (img.depth == Depth::U8) {
        s = img.channels == 1   ? kzviMirror_8u_C1IR(img.as<Kzv8u>(), img.step, r, flip)
            : img.channels == 3 ? kzviMirror_8u_C3IR(img.as<Kzv8u>(), img.step, r, flip)
                                : kzviMirror_8u_C4IR(img.as<Kzv8u>(), img.step, r, flip);
    } else if (img.depth == Depth::U16) {
        s = img.channels == 1   ? kzviMirror_16u_C1IR(img.as<Kzv16u>(), img.step, r, flip)
            : img.channels == 3 ? kzviMirror_16u_C3IR(img.as<Kzv16u>(), img.step, r, flip)
                                : kzviMirror_16u_C4IR(img.as<Kzv16u>(), img.step, r, flip);
    } else {
        s = img.channels == 1   ? kzviMirror_32f_C1IR(img.as<Kzv32f>(), img.step, r, flip)
            : img.channels == 3 ? kzviMirror_32f_C3IR(img.as<Kzv32f>(), img.step, r, flip)
                                : kzviMirror_32f_C4IR(img.as<Kzv32f>(), img.step, r, flip);
    }
    return check(s, "kzviMirror", error);
}

// ---- noise -------------------------------------------------------------------

bool opNoise(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "noise uniform|gauss A B [SEED]";
    if (!needArgs(a, 3, 4, usage, error)) return false;
    const bool gauss = a[0] == "gauss";
    if (!gauss && a[0] != "uniform") {
        error = std::string("usage: ") + usage;
        return false;
    }
    char* e1 = nullptr;
    char* e2 = nullptr;
    const double p = strtod(a[1].c_str(), &e1), q = strtod(a[2].c_str(), &e2);
    long seedv = 1;
    if (*e1 || *e2 || (a.size() == 4 && !parseInt(a[3], 0, 0x7FFFFFFF, seedv))) {
        error = std::string("usage: ") + usage + " (A, B numbers: low/high or mean/sigma)";
        return false;
    }
    unsigned int seed = unsigned(seedv);
    const KzvImageSize r = img.size();
    KzvStatus s;
    const int n = img.channels;
#define KZV_NOISE(T, t, cast)                                                                             \
    (gauss ? (n == 1   ? kzviAddRandGauss_##t##_C1IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed)   \
              : n == 3 ? kzviAddRandGauss_##t##_C3IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed)   \
                       : kzviAddRandGauss_##t##_C4IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed))  \
           : (n == 1   ? kzviAddRandUniform_##t##_C1IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed) \
              : n == 3 ? kzviAddRandUniform_##t##_C3IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed) \
                       : kzviAddRandUniform_##t##_C4IR(img.as<T>(), img.step, r, cast(p), cast(q), &seed)))
    if (img.depth == Depth::U8)
        s = KZV_NOISE(Kzv8u, 8u, Kzv8u);
    else if (img.depth == Depth::U16)
        s = KZV_NOISE(Kzv16u, 16u, Kzv16u);
    else
        s = KZV_NOISE(Kzv32f, 32f, Kzv32f);
#undef KZV_NOISE
    return check(s, gauss ? "kzviAddRandGauss" : "kzviAddRandUniform", error);
}

// ---- convert -----------------------------------------------------------------

bool opConvert(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "convert 8u|16u|32f";
    if (!needArgs(a, 1, 1, usage, error)) return false;
    const Depth to = a[0] == "8u" ? Depth::U8 : a[0] == "16u" ? Depth::U16 : a[0] == "32f" ? Depth::F32 : Depth(-1);
    if (int(to) < 0) {
        error = std::string("usage: ") + usage;
        return false;
    }
    if (to == img.depth) return true;
    Image out(img.width, img.height, img.channels, to);
    if (!out.valid()) {
        error = "cannot allocate the converted image";
        return false;
    }
    const KzvImageSize r = img.size();
    const int n = img.channels;
    KzvStatus s = kzvStatusOk;
#define KZV_PICK(fn, S, D, ...)                                                       \
    (n == 1   ? fn##_C1R(img.as<S>(), img.step, out.as<D>(), out.step, r __VA_ARGS__) \
     : n == 3 ? fn##_C3R(img.as<S>(), img.step, out.as<D>(), out.step, r __VA_ARGS__) \
              : fn##_C4R(img.as<S>(), img.step, out.as<D>(), out.step, r __VA_ARGS__))
    if (img.depth == Depth::U8 && to == Depth::U16)
        s = KZV_PICK(kzviConvert_8u16u, Kzv8u, Kzv16u);
    else if (img.depth == Depth::U8)
        s = KZV_PICK(kzviConvert_8u32f, Kzv8u, Kzv32f);
    else if (img.depth == Depth::U16 && to == Depth::U8)
        s = KZV_PICK(kzviConvert_16u8u, Kzv16u, Kzv8u);
    else if (img.depth == Depth::U16)
        s = KZV_PICK(kzviConvert_16u32f, Kzv16u, Kzv32f);
    else if (to == Depth::U8)
        s = KZV_PICK(kzviConvert_32f8u, Kzv32f, Kzv8u, , kzvRoundNearestEven);
    else
        s = KZV_PICK(kzviConvert_32f16u, Kzv32f, Kzv16u, , kzvRoundNearestEven);
#undef KZV_PICK
    if (!check(s, "kzviConvert", error)) return false;
    img = std::move(out);
    return true;
}

// ---- filter box --------------------------------------------------------------

// The 3x3 sharpening kernel of "filter sharpen": it sums to its divisor, so
// flat areas keep their value.
const Kzv16s kSharpen[9] = {-1, -2, -1, -2, 16, -2, -1, -2, -1};
const int32_t kSharpenDivisor = 4;

// A 3x3 integer kernel through the general filter, replicated border.
bool opSharpen(Image& img, std::string& error) {
    const KzvDataKind kind = img.depth == Depth::U8    ? kzvDataKind8u
                             : img.depth == Depth::U16 ? kzvDataKind16u
                                                       : kzvDataKind32f;
    const KzvImageSize r = img.size(), k{3, 3};
    const int n = img.channels;
    int32_t specSize = 0, bufSize = 0;
    if (!check(kzviFilterBorderGetSize(k, r, kind, img.depth == Depth::F32 ? kzvDataKind32f : kzvDataKind16s, n,
                                       &specSize, &bufSize),
               "kzviFilterBorderGetSize", error))
        return false;
    std::vector<Kzv8u> specMem(static_cast<size_t>(specSize)), buf(static_cast<size_t>(bufSize));
    auto* spec = reinterpret_cast<KzviFilterBorderSpec*>(specMem.data());
    KzvStatus s;
    if (img.depth == Depth::F32) {
        float kf[9];
        for (int i = 0; i < 9; ++i) kf[i] = float(kSharpen[i]) / float(kSharpenDivisor);
        s = kzviFilterBorderInit_32f(kf, k, kind, n, kzvRoundNearestEven, spec);
    } else {
        s = kzviFilterBorderInit_16s(kSharpen, k, kSharpenDivisor, kind, n, kzvRoundNearestEven, spec);
    }
    if (!check(s, "kzviFilterBorderInit", error)) return false;
    Image out(img.width, img.height, n, img.depth);
    if (!out.valid()) {
        error = "cannot allocate the filtered image";
        return false;
    }
    const double zero[4] = {0, 0, 0, 0};  // border value, unused with replicate
#define KZV_FB(t, T)                                                                                                       (n == 1   ? kzviFilterBorder_##t##_C1R(img.as<T>(), img.step, out.as<T>(), out.step, r, kzvBorderReplicate,                                                  reinterpret_cast<const T*>(zero), spec, buf.data())                              : n == 3 ? kzviFilterBorder_##t##_C3R(img.as<T>(), img.step, out.as<T>(), out.step, r, kzvBorderReplicate,                                                  reinterpret_cast<const T*>(zero), spec, buf.data())                                       : kzviFilterBorder_##t##_C4R(img.as<T>(), img.step, out.as<T>(), out.step, r, kzvBorderReplicate,                                                  reinterpret_cast<const T*>(zero), spec, buf.data()))
    if (img.depth == Depth::U8)
        s = KZV_FB(8u, Kzv8u);
    else if (img.depth == Depth::U16)
        s = KZV_FB(16u, Kzv16u);
    else
        s = KZV_FB(32f, Kzv32f);
#undef KZV_FB
    if (!check(s, "kzviFilterBorder", error)) return false;
    img = std::move(out);
    return true;
}

bool opFilter(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "filter box WxH | filter sharpen";
    int mw = 0, mh = 0;
    if (a.size() == 1 && a[0] == "sharpen") return opSharpen(img, error);
    if (!needArgs(a, 2, 2, usage, error)) return false;
    if (a[0] != "box" || !parseSize(a[1], mw, mh)) {
        error = std::string("usage: ") + usage + " (e.g. filter box 5x5)";
        return false;
    }
    const KzvDataKind kind = img.depth == Depth::U8    ? kzvDataKind8u
                             : img.depth == Depth::U16 ? kzvDataKind16u
                                                       : kzvDataKind32f;
    int32_t size = 0;
    if (!check(kzviFilterBoxBorderGetBufferSize(img.size(), {mw, mh}, kind, img.channels, &size),
               "kzviFilterBoxBorderGetBufferSize", error))
        return false;
    std::vector<Kzv8u> buf(static_cast<size_t>(size));
    const KzvImageSize r = img.size(), m{mw, mh};
    const int n = img.channels;
    KzvStatus s;
    // In place: the library keeps the rows it still needs.
#define KZV_BOX(t, T)                                                                                                 \
    (n == 1   ? kzviFilterBoxBorder_##t##_C1R(img.as<T>(), img.step, img.as<T>(), img.step, r, m, kzvBorderReplicate, \
                                              nullptr, buf.data())                                                    \
     : n == 3 ? kzviFilterBoxBorder_##t##_C3R(img.as<T>(), img.step, img.as<T>(), img.step, r, m, kzvBorderReplicate, \
                                              nullptr, buf.data())                                                    \
              : kzviFilterBoxBorder_##t##_C4R(img.as<T>(), img.step, img.as<T>(), img.step, r, m, kzvBorderReplicate, \
                                              nullptr, buf.data()))
    if (img.depth == Depth::U8)
        s = KZV_BOX(8u, Kzv8u);
    else if (img.depth == Depth::U16)
        s = KZV_BOX(16u, Kzv16u);
    else
        s = KZV_BOX(32f, Kzv32f);
#undef KZV_BOX
    return check(s, "kzviFilterBoxBorder", error);
}

// ---- resize --------------------------------------------------------------------

// Interpolation names of the resize operation.
struct InterpName {
    const char* name;
    KzvInterp interp;
};
const InterpName kInterps[] = {{"nearest", kzvInterpNearest},
                               {"linear", kzvInterpLinear},
                               {"cubic", kzvInterpCubic},
                               {"lanczos", kzvInterpLanczos}};

bool opResize(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "resize [--size] WxH [--interp nearest|linear|cubic|lanczos]";
    int w = 0, h = 0;
    KzvInterp interp = kzvInterpLinear;
    bool haveSize = false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--interp" && i + 1 < a.size()) {
            bool known = false;
            for (const InterpName& n : kInterps)
                if (a[i + 1] == n.name) interp = n.interp, known = true;
            if (!known) {
                error = "unknown interpolation '" + a[i + 1] + "' (nearest, linear, cubic or lanczos)";
                return false;
            }
            ++i;
        } else if (a[i] == "--size" && i + 1 < a.size() && !haveSize && parseSize(a[i + 1], w, h)) {
            haveSize = true;
            ++i;
        } else if (!haveSize && parseSize(a[i], w, h)) {
            haveSize = true;
        } else {
            error = std::string("usage: ") + usage;
            return false;
        }
    }
    if (!haveSize) {
        error = std::string("usage: ") + usage + " (e.g. resize --size 1280x720 --interp lanczos)";
        return false;
    }
    const KzvImageSize src = img.size(), dst{w, h};
    int32_t specSize = 0, initSize = 0, bufSize = 0;
    // The spec and buffer sizes are the same for every sample depth but 64f.
    if (!check(kzviResizeGetSize_8u(src, dst, interp, 0, &specSize, &initSize), "kzviResizeGetSize_8u", error))
        return false;
    std::vector<Kzv8u> specMem(static_cast<size_t>(specSize)), initMem(size_t(initSize) + 1);
    auto* spec = reinterpret_cast<KzvResizeSpec*>(specMem.data());
    const bool u8 = img.depth == Depth::U8, u16 = img.depth == Depth::U16;
    KzvStatus s;
    // 8u specs made by the plain Init functions use the fast fixed-point
    // tables for linear interpolation and floating-point tables otherwise.
    if (interp == kzvInterpNearest)
        s = u8 ? kzviResizeNearestInit_8u(src, dst, spec)
               : u16 ? kzviResizeNearestInit_16u(src, dst, spec) : kzviResizeNearestInit_32f(src, dst, spec);
    else if (interp == kzvInterpLinear)
        s = u8 ? kzviResizeLinearInit_8u(src, dst, spec)
               : u16 ? kzviResizeLinearInit_16u(src, dst, spec) : kzviResizeLinearInit_32f(src, dst, spec);
    else if (interp == kzvInterpCubic)  // Catmull-Rom: B = 0, C = 0.5
        s = u8 ? kzviResizeCubicInit_8u(src, dst, 0.0f, 0.5f, spec, initMem.data())
               : u16 ? kzviResizeCubicInit_16u(src, dst, 0.0f, 0.5f, spec, initMem.data())
                     : kzviResizeCubicInit_32f(src, dst, 0.0f, 0.5f, spec, initMem.data());
    else
        s = u8 ? kzviResizeLanczosInit_8u(src, dst, 3, spec, initMem.data())
               : u16 ? kzviResizeLanczosInit_16u(src, dst, 3, spec, initMem.data())
                     : kzviResizeLanczosInit_32f(src, dst, 3, spec, initMem.data());
    if (!check(s, "kzviResize init", error)) return false;
    if (!check(u8 ? kzviResizeGetBufferSize_8u(spec, dst, img.channels, &bufSize)
                  : u16 ? kzviResizeGetBufferSize_16u(spec, dst, img.channels, &bufSize)
                        : kzviResizeGetBufferSize_32f(spec, dst, img.channels, &bufSize),
               "kzviResizeGetBufferSize", error))
        return false;
    std::vector<Kzv8u> buf(static_cast<size_t>(bufSize));
    Image out(w, h, img.channels, img.depth);
    if (!out.valid()) {
        error = "cannot allocate the resized image";
        return false;
    }
    const KzvImagePoint origin{0, 0};
    const int n = img.channels;
    // Pixels beyond the edges are replicated.
#define KZV_RS_N(fn, T)                                                                                  \
    (n == 1   ? fn##_C1R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, spec, buf.data())  \
     : n == 3 ? fn##_C3R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, spec, buf.data())  \
              : fn##_C4R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, spec, buf.data()))
#define KZV_RS_B(fn, T)                                                                                         \
    (n == 1   ? fn##_C1R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, kzvBorderReplicate, nullptr, \
                         spec, buf.data())                                                                      \
     : n == 3 ? fn##_C3R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, kzvBorderReplicate, nullptr, \
                         spec, buf.data())                                                                      \
              : fn##_C4R(img.as<T>(), img.step, out.as<T>(), out.step, origin, dst, kzvBorderReplicate, nullptr, \
                         spec, buf.data()))
#define KZV_RS(kind, M)                                                                           \
    (u8 ? M(kzviResize##kind##_8u, Kzv8u) : u16 ? M(kzviResize##kind##_16u, Kzv16u) \
                                                : M(kzviResize##kind##_32f, Kzv32f))
    if (interp == kzvInterpNearest)
        s = KZV_RS(Nearest, KZV_RS_N);
    else if (interp == kzvInterpLinear)
        s = KZV_RS(Linear, KZV_RS_B);
    else if (interp == kzvInterpCubic)
        s = KZV_RS(Cubic, KZV_RS_B);
    else
        s = KZV_RS(Lanczos, KZV_RS_B);
#undef KZV_RS
#undef KZV_RS_B
#undef KZV_RS_N
    if (!check(s, "kzviResize", error)) return false;
    img = std::move(out);
    return true;
}

// ---- fft magnitude -------------------------------------------------------------

// Log-magnitude spectrum, centred, scaled to 8u: the usual way to look at one.
bool opFft(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "fft magnitude";
    if (!needArgs(a, 1, 1, usage, error)) return false;
    if (a[0] != "magnitude") {
        error = std::string("usage: ") + usage;
        return false;
    }
    if (img.channels != 1) {
        error = "the spectrum is computed for one-channel images";
        return false;
    }
    const int W = img.width, H = img.height;
    Image c(W, H, 1, Depth::F32);
    Image z(2 * W, H, 1, Depth::F32);  // 32fc rows
    if (!c.valid() || !z.valid()) {
        error = "cannot allocate the spectrum";
        return false;
    }
    std::string e;
    if (img.depth != Depth::F32) {
        Image tmp;
        if (!copyImage(img, tmp, e)) return false;
        if (!opConvert(tmp, {"32f"}, error)) return false;
        c = std::move(tmp);
    } else if (!copyImage(img, c, error)) {
        return false;
    }
    for (int y = 0; y < H; ++y) {
        const float* s = reinterpret_cast<const float*>(c.row(y));
        float* d = reinterpret_cast<float*>(z.row(y));
        for (int x = 0; x < W; ++x) {
            d[2 * x] = s[x];
            d[2 * x + 1] = 0;
        }
    }
    int specSize = 0, initSize = 0, bufSize = 0;
    if (!check(kzviDFTGetSize_C_32fc(img.size(), 8, kzvAlgHintNone, &specSize, &initSize, &bufSize),
               "kzviDFTGetSize_C_32fc", error))
        return false;
    std::vector<Kzv8u> spec(size_t(specSize) + 1), init(size_t(initSize) + 1), buf(size_t(bufSize) + 1);
    auto* sp = reinterpret_cast<KzviDFTSpec_C_32fc*>(spec.data());
    if (!check(kzviDFTInit_C_32fc(img.size(), 8, kzvAlgHintNone, sp, init.data()), "kzviDFTInit_C_32fc", error))
        return false;
    if (!check(kzviDFTFwd_CToC_32fc_C1IR(z.as<Kzv32fc>(), z.step, sp, buf.data()), "kzviDFTFwd_CToC_32fc_C1IR", error))
        return false;
    std::vector<float> mag(size_t(W) * H);
    float hi = 0;
    for (int y = 0; y < H; ++y) {
        const float* r = reinterpret_cast<const float*>(z.row(y));
        for (int x = 0; x < W; ++x) {
            const float m = std::log1p(std::hypot(r[2 * x], r[2 * x + 1]));
            // Centre the zero frequency.
            mag[size_t((y + H / 2) % H) * W + (x + W / 2) % W] = m;
            hi = std::max(hi, m);
        }
    }
    Image out(W, H, 1, Depth::U8);
    if (!out.valid()) {
        error = "cannot allocate the spectrum image";
        return false;
    }
    const float scale = hi > 0 ? 255.0f / hi : 0.0f;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) out.row(y)[x] = Kzv8u(std::lround(mag[size_t(y) * W + x] * scale));
    img = std::move(out);
    return true;
}

// ---- threshold -----------------------------------------------------------------

// Binarises an 8u one-channel image: 255 above the threshold, 0 elsewhere.
bool opThreshold(Image& img, const std::vector<std::string>& a, std::string& error) {
    const char* usage = "threshold otsu|N";
    if (!needArgs(a, 1, 1, usage, error)) return false;
    if (img.depth != Depth::U8 || img.channels != 1) {
        error = "threshold works on 8u one-channel images (convert first)";
        return false;
    }
    long t = 0;
    if (a[0] == "otsu") {
        Kzv8u v = 0;
        if (!check(kzviComputeThreshold_Otsu_8u_C1R(img.as<Kzv8u>(), img.step, img.size(), &v),
                   "kzviComputeThreshold_Otsu_8u_C1R", error))
            return false;
        t = v;
        printf("Otsu threshold: %ld\n", t);
    } else if (!parseInt(a[0], 0, 255, t)) {
        error = std::string("usage: ") + usage + " (N in 0..255)";
        return false;
    }
    return check(
        kzviCompareC_8u_C1R(img.as<Kzv8u>(), img.step, Kzv8u(t), img.as<Kzv8u>(), img.step, img.size(), kzvCmpGreater),
        "kzviCompareC_8u_C1R", error);
}

const std::vector<Op> kOps = {
    {"threshold", "threshold otsu|N", "255 above the threshold (Otsu's or N), 0 elsewhere", opThreshold},
    {"convert", "convert 8u|16u|32f", "change the sample depth (saturating, nearest even from 32f)", opConvert},
    {"filter", "filter box WxH | filter sharpen",
     "box mean over a WxH window, or a 3x3 sharpening kernel; replicated border", opFilter},
    {"fft", "fft magnitude", "centred log-magnitude spectrum (DFT, any size), as 8u", opFft},
    {"resize", "resize --size WxH [--interp nearest|linear|cubic|lanczos]",
     "resample to WxH (default linear; cubic is Catmull-Rom, lanczos 3 lobes)", opResize},
    {"mirror", "mirror h|v|both", "flip left-right, top-bottom or both", opMirror},
    {"noise", "noise uniform LOW HIGH | gauss MEAN SIGMA [SEED]", "add reproducible noise", opNoise},
};

}  // namespace

const std::vector<Op>& allOps() {
    return kOps;
}

const Op* findOp(const std::string& name) {
    for (const Op& op : kOps)
        if (name == op.name) return &op;
    return nullptr;
}

std::string statusText(KzvStatus s) {
    for (const StatusName& n : kStatusNames)
        if (n.code == s) return std::string(n.name) + " (" + std::to_string(s) + ")";
    return "status " + std::to_string(s);
}

bool makePattern(int width, int height, Image& out, std::string& error) {
    Image img(width, height, 1, Depth::U8);
    if (!img.valid()) {
        error = "cannot allocate the pattern";
        return false;
    }
    if (!check(kzviImageJaehne_8u_C1R(img.as<Kzv8u>(), img.step, img.size()), "kzviImageJaehne", error)) return false;
    out = std::move(img);
    return true;
}

bool copyImage(const Image& src, Image& out, std::string& error) {
    Image img(src.width, src.height, src.channels, src.depth);
    if (!img.valid()) {
        error = "cannot allocate a copy";
        return false;
    }
    const size_t rowBytes = size_t(src.width) * src.channels * src.sampleBytes();
    for (int y = 0; y < src.height; ++y) memcpy(img.row(y), src.row(y), rowBytes);
    out = std::move(img);
    return true;
}
