// Test images and noise: linear ramps, the radial chirp pattern, and uniform
// and Gaussian noise from a subtract-with-borrow generator combined with a
// linear congruential word.
//
// Every call runs with round-to-nearest and no flush-to-zero (restored on
// return), so the results do not depend on the caller's MXCSR. The noise
// uses only IEEE basic operations and a logarithm of our own, so a seed
// gives the same bits on x86-64 and i386.
#include <immintrin.h>
#include <math.h>
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "common/frame.h"
#include "common/mxcsr.h"
#include "kzvi.h"

namespace kzv {
namespace {

// Samples are accessed through memcpy: steps are used as given, so a 16-bit
// row may start at an odd address.
template <class T>
inline T load(const uint8_t* p) {
    T v;
    memcpy(&v, p, sizeof v);
    return v;
}
template <class T>
inline void store(uint8_t* p, T v) {
    memcpy(p, &v, sizeof v);
}

// Writes the first P samples of the pixel at p (AC4: alpha is not touched).
template <class T, int P>
inline void storePixel(uint8_t* p, T v) {
    for (int c = 0; c < P; ++c) store<T>(p + c * sizeof(T), v);
}

// ---- Ramp -----------------------------------------------------------------

template <class T>
inline T rampValue(float v) {
    if constexpr (std::is_same_v<T, float>) {
        return v;
    } else {
        if (!(v == v)) return T(0);
        const double d = v;
        if constexpr (std::is_same_v<T, uint8_t>) {
            if (v >= 254.5f) return 255;
            if (v < 0.0f) return 0;
            return T(d + 0.5);
        } else if constexpr (std::is_same_v<T, uint16_t>) {
            if (v >= 65534.5f) return 65535;
            if (v < 0.0f) return 0;
            return T(d + 0.5);
        } else {
            if (v >= 32766.5f) return 32767;
            if (v < -32768.0f) return -32768;
            return v <= 0.0f ? T(d - 0.5) : T(d + 0.5);
        }
    }
}

inline float rampAt(float offset, float slope, float c) {
    return _mm_cvtss_f32(_mm_fmadd_ss(_mm_set_ss(slope), _mm_set_ss(c), _mm_set_ss(offset)));
}

template <class T, int M, int P>
KzvStatus imageRamp(T* pDst, int32_t dstStep, KzvImageSize roi, float offset, float slope, int32_t axis) {
    if (!pDst) return kzvStatusNullPtrErr;
    if (dstStep < 1) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (axis < 0 || axis > 2) return kzvStatusOk;
    MxcsrGuard guard(FpRound::Nearest, false);
    ptrdiff_t step = dstStep;
    if constexpr (std::is_same_v<T, float> && M > 1) step = roundStepDown<float>(step);
    uint8_t* base = reinterpret_cast<uint8_t*>(pDst);
    constexpr ptrdiff_t pixel = M * sizeof(T);
    const ptrdiff_t w = roi.width, h = roi.height;
    if (axis == 0) {
        uint8_t* r0 = base;
        for (ptrdiff_t x = 0; x < w; ++x) storePixel<T, P>(r0 + x * pixel, rampValue<T>(rampAt(offset, slope, float(x))));
        for (ptrdiff_t y = 1; y < h; ++y) {
            uint8_t* r = rowAt(base, step, y);
            if constexpr (M == P) {
                memcpy(r, r0, size_t(w * pixel));
            } else {
                for (ptrdiff_t x = 0; x < w; ++x)
                    for (int c = 0; c < P; ++c) memcpy(r + x * pixel + c * sizeof(T), r0 + x * pixel + c * sizeof(T), sizeof(T));
            }
        }
    } else if (axis == 1) {
        for (ptrdiff_t y = 0; y < h; ++y) {
            uint8_t* r = rowAt(base, step, y);
            const T v = rampValue<T>(rampAt(offset, slope, float(y)));
            for (ptrdiff_t x = 0; x < w; ++x) storePixel<T, P>(r + x * pixel, v);
        }
    } else {
        for (ptrdiff_t y = 0; y < h; ++y) {
            uint8_t* r = rowAt(base, step, y);
            for (ptrdiff_t x = 0; x < w; ++x)
                storePixel<T, P>(r + x * pixel, rampValue<T>(rampAt(offset, slope, float(int64_t(x) * int64_t(y)))));
        }
    }
    return kzvStatusOk;
}

// ---- Chirp pattern ----------------------------------------------------------

template <class T>
inline T chirpValue(float s) {
    if constexpr (std::is_same_v<T, float>) {
        return s;
    } else if constexpr (std::is_same_v<T, uint8_t>) {
        return saturate<T>(round(128.0 + 128.0 * double(s)));
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        return saturate<T>(round(32768.0 + 32768.0 * double(s)));
    } else {
        return saturate<T>(round(16384.0 * double(s)));
    }
}

constexpr ptrdiff_t kChirpBlock = 256;

template <class T, int M, int P>
KzvStatus imageJaehne(T* pDst, int32_t dstStep, KzvImageSize roi) {
    if (!pDst) return kzvStatusNullPtrErr;
    if (dstStep < 1) return kzvStatusStepErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    MxcsrGuard guard(FpRound::Nearest, false);
    uint8_t* base = reinterpret_cast<uint8_t*>(pDst);
    const ptrdiff_t step = dstStep;
    constexpr ptrdiff_t pixel = M * sizeof(T);
    const ptrdiff_t w = roi.width, h = roi.height;
    const float cx = float(w - 1) / 2.0f, cy = float(h - 1) / 2.0f;
    const float pi = 3.1415927f, div = 2.0f * float(h);
    // The pattern is symmetric about both centre lines: x - cx for column x
    // is exactly the negation of that of column w - 1 - x, so only the top
    // left quarter is evaluated and written to all four places.
    const ptrdiff_t halfW = (w + 1) / 2, halfH = (h + 1) / 2;
    float sines[kChirpBlock];
    for (ptrdiff_t y = 0; y < halfH; ++y) {
        const float dy = float(y) - cy;
        const float dy2 = dy * dy;
        uint8_t* top = rowAt(base, step, y);
        uint8_t* bottom = rowAt(base, step, h - 1 - y);
        for (ptrdiff_t x0 = 0; x0 < halfW; x0 += kChirpBlock) {
            const ptrdiff_t n = halfW - x0 < kChirpBlock ? halfW - x0 : kChirpBlock;
            for (ptrdiff_t i = 0; i < n; ++i) {
                const float dx = float(x0 + i) - cx;
                const float phi = pi * (dx * dx + dy2) / div;
                sines[i] = float(sin(double(phi)));
            }
            for (ptrdiff_t i = 0; i < n; ++i) {
                const T v = chirpValue<T>(sines[i]);
                const ptrdiff_t x = x0 + i;
                storePixel<T, P>(top + x * pixel, v);
                storePixel<T, P>(top + (w - 1 - x) * pixel, v);
                storePixel<T, P>(bottom + x * pixel, v);
                storePixel<T, P>(bottom + (w - 1 - x) * pixel, v);
            }
        }
    }
    return kzvStatusOk;
}

// ---- Noise ----------------------------------------------------------------

// The shared generator: a subtract-with-borrow sequence x(k) plus a linear
// congruential word L; each draw is x(k) + L read as signed.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint32_t seed)
        : x1_(seed), x2_(69069u * seed + 1013904243u), x3_(69069u * x2_ + 1013904243u) {}
    int32_t next() {
        const uint32_t t = x2_ - x3_ - borrow_;
        uint32_t x;
        if (t & 0x80000000u) {
            borrow_ = 1;
            x = t - 18u;
        } else {
            borrow_ = 0;
            x = t;
        }
        x3_ = x2_;
        x2_ = x1_;
        x1_ = x;
        lcg_ = 69069u * lcg_ + 1013904243u;
        return int32_t(x + lcg_);
    }
    // x(k) of the last draw: the seed that continues the sequence.
    uint32_t seed() const { return x1_; }

private:
    uint32_t x1_, x2_, x3_;  // x(k-1), x(k-2), x(k-3)
    uint32_t borrow_ = 1;
    uint32_t lcg_ = 1131199209u;
};

// Natural logarithm for 0 < q < 1 from IEEE basic operations only (the
// platform's log may differ in the last bit between the two targets):
// q = m * 2^e with m in [sqrt(1/2), sqrt(2)), log m = 2 atanh(f / (2 + f)),
// f = m - 1, by a minimax polynomial in s^2; error below one ulp.
double noiseLog(double q) {
    int e;
    double m = frexp(q, &e);
    if (m < 0.70710678118654752440) {
        m *= 2.0;
        e -= 1;
    }
    const double f = m - 1.0;
    const double s = f / (2.0 + f);
    const double z = s * s, w = z * z;
    const double t1 = w * (3.999999999940941908e-01 + w * (2.222219843214978396e-01 + w * 1.531383769920937332e-01));
    const double t2 = z * (6.666666666666735130e-01 +
                           w * (2.857142874366239149e-01 + w * (1.818357216161805012e-01 + w * 1.479819860511658591e-01)));
    const double r = t2 + t1;
    const double hfsq = 0.5 * f * f;
    const double k = e;
    return k * 6.93147180369123816490e-01 - ((hfsq - (s * (hfsq + r) + k * 1.90821492927058770002e-10)) - f);
}

// Walks the samples that receive noise in memory order and hands each to
// f(pointer); AC4 skips the alpha sample.
template <class T, int M, int P, class F>
void forEachNoisySample(uint8_t* base, ptrdiff_t step, KzvImageSize roi, F&& f) {
    constexpr ptrdiff_t pixel = M * sizeof(T);
    for (ptrdiff_t y = 0; y < roi.height; ++y) {
        uint8_t* r = rowAt(base, step, y);
        if constexpr (M == P) {
            const ptrdiff_t n = ptrdiff_t(roi.width) * M;
            for (ptrdiff_t i = 0; i < n; ++i) f(r + i * ptrdiff_t(sizeof(T)));
        } else {
            for (ptrdiff_t x = 0; x < roi.width; ++x)
                for (int c = 0; c < P; ++c) f(r + x * pixel + c * ptrdiff_t(sizeof(T)));
        }
    }
}

template <class T>
inline void addNoise(uint8_t* p, double noise) {
    if constexpr (std::is_same_v<T, float>) {
        store<float>(p, load<float>(p) + float(noise));
    } else {
        store<T>(p, saturate<T>(double(load<T>(p)) + noise));
    }
}

template <class T, int M, int P>
KzvStatus addRandUniform(T* pSrcDst, int32_t step, KzvImageSize roi, T low, T high, uint32_t* pSeed) {
    if (!pSrcDst || !pSeed) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (step < 1) return kzvStatusStepErr;
    MxcsrGuard guard(FpRound::Nearest, false);
    NoiseGenerator gen(*pSeed);
    const __m128d scale = _mm_set_sd((double(high) - double(low)) * 0x1p-32);
    const __m128d centre = _mm_set_sd((double(low) + double(high)) / 2.0);
    // A row of one sample truncates its noise; wider rows round to nearest even.
    const bool truncate = int64_t(roi.width) * P == 1;
    forEachNoisySample<T, M, P>(reinterpret_cast<uint8_t*>(pSrcDst), step, roi, [&](uint8_t* p) {
        const __m128d u = _mm_fmadd_sd(scale, _mm_set_sd(double(gen.next())), centre);
        if constexpr (std::is_same_v<T, float>) {
            addNoise<T>(p, _mm_cvtsd_f64(u));
        } else {
            const __m128d n = truncate ? _mm_round_sd(u, u, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC)
                                       : _mm_round_sd(u, u, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
            addNoise<T>(p, _mm_cvtsd_f64(n));
        }
    });
    *pSeed = gen.seed();
    return kzvStatusOk;
}

template <class T, int M, int P>
KzvStatus addRandGauss(T* pSrcDst, int32_t step, KzvImageSize roi, T mean, T stdDev, uint32_t* pSeed) {
    if (!pSrcDst || !pSeed) return kzvStatusNullPtrErr;
    if (badSize(roi)) return kzvStatusSizeErr;
    if (step < 1) return kzvStatusStepErr;
    MxcsrGuard guard(FpRound::Nearest, false);
    NoiseGenerator gen(*pSeed);
    const double mu = double(mean), sigma = double(stdDev);
    bool pending = false;
    double second = 0.0;
    // Pairs by the polar method; the second value of a pair goes to the next
    // noisy sample, in the next pixel or row if need be.
    auto nextValue = [&]() -> double {
        if (pending) {
            pending = false;
            return second;
        }
        for (;;) {
            const double s1 = double(gen.next()) * 0x1p-31;
            const double s2 = double(gen.next()) * 0x1p-31;
            const double q = s1 * s1 + s2 * s2;
            if (q >= 1.0 || q == 0.0) continue;
            const double f = sqrt(-2.0 * noiseLog(q) / q);
            second = f * s2 * sigma + mu;
            pending = true;
            return f * s1 * sigma + mu;
        }
    };
    forEachNoisySample<T, M, P>(reinterpret_cast<uint8_t*>(pSrcDst), step, roi, [&](uint8_t* p) {
        const double g = nextValue();
        if constexpr (std::is_same_v<T, float>) addNoise<T>(p, g);
        else addNoise<T>(p, trunc(g));
    });
    *pSeed = gen.seed();
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv

#define RAMP(name, T, M, P)                                                                                    \
    extern "C" KzvStatus name(T* pDst, int32_t dstStep, KzvImageSize roiSize, float offset, float slope,      \
                              int32_t axis) {                                                                 \
        return kzv::imageRamp<T, M, P>(pDst, dstStep, roiSize, offset, slope, axis);                           \
    }
#define JAEHNE(name, T, M, P)                                                        \
    extern "C" KzvStatus name(T* pDst, int32_t dstStep, KzvImageSize roiSize) {      \
        return kzv::imageJaehne<T, M, P>(pDst, dstStep, roiSize);                    \
    }
#define UNIFORM(name, T, M, P)                                                                                \
    extern "C" KzvStatus name(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, T low, T high,          \
                              uint32_t* pSeed) {                                                             \
        return kzv::addRandUniform<T, M, P>(pSrcDst, srcDstStep, roiSize, low, high, pSeed);                  \
    }
#define GAUSS(name, T, M, P)                                                                                  \
    extern "C" KzvStatus name(T* pSrcDst, int32_t srcDstStep, KzvImageSize roiSize, T mean, T stdDev,       \
                              uint32_t* pSeed) {                                                             \
        return kzv::addRandGauss<T, M, P>(pSrcDst, srcDstStep, roiSize, mean, stdDev, pSeed);                 \
    }
#include "pixel/synth_exports.inc"
#undef RAMP
#undef JAEHNE
#undef UNIFORM
#undef GAUSS
