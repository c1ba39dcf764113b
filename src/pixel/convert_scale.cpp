// Scale (range mappings), ScaleC (src * mVal + aVal) and the conversions
// between one-bit-per-pixel images and grey levels.
#include <immintrin.h>
#include <string.h>

#include <cmath>

#include "kzvi.h"
#include "pixel/convert_internal.h"
#include "pixel/convert_ops.h"

namespace kzv::cvt {
namespace {

// ---- Scale: integer mappings ------------------------------------------------------

// 8u to 16u / 16s: v * 257 (byte replicated), minus 32768 for 16s (top bit
// inverted).
template <class D>
struct Scale8uTo16 {
    using Src = Kzv8u;
    using Dst = D;
    static constexpr ptrdiff_t kBlock = 32;
    static constexpr int16_t kFlip = std::is_signed_v<D> ? int16_t(-32768) : int16_t(0);
    template <bool NT>
    void block(const Kzv8u* s, D* d) const {
        for (int k = 0; k < 2; ++k) {
            const __m256i x = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16 * k)));
            const __m256i r = _mm256_or_si256(x, _mm256_slli_epi16(x, 8));
            store256<NT>(d + 16 * k, _mm256_xor_si256(r, _mm256_set1_epi16(kFlip)));
        }
    }
    D operator()(Kzv8u v) const { return D(uint16_t(uint16_t(v) * 257u) ^ uint16_t(kFlip)); }
};

// 8u to 32s: the byte replicated four times, top bit inverted.
struct Scale8uTo32s {
    using Src = Kzv8u;
    using Dst = Kzv32s;
    static constexpr ptrdiff_t kBlock = 32;
    template <bool NT>
    void block(const Kzv8u* s, Kzv32s* d) const {
        for (int k = 0; k < 4; ++k) {
            const __m256i x = _mm256_cvtepu8_epi32(load64(s + 8 * k));
            const __m256i r = _mm256_mullo_epi32(x, _mm256_set1_epi32(0x01010101));
            store256<NT>(d + 8 * k, _mm256_xor_si256(r, _mm256_set1_epi32(INT32_MIN)));
        }
    }
    Kzv32s operator()(Kzv8u v) const { return Kzv32s((uint32_t(v) * 0x01010101u) ^ 0x80000000u); }
};

// 16s / 16u to 8u, fast: ((s - (s >> 8)) >> 8) + 128 with s signed (16u
// samples first moved to s - 32768).
template <class S>
struct Scale16To8Fast {
    using Src = S;
    using Dst = Kzv8u;
    static constexpr ptrdiff_t kBlock = 32;
    static constexpr int16_t kFlip = std::is_signed_v<S> ? int16_t(0) : int16_t(-32768);
    static __m256i map(__m256i s) {
        s = _mm256_xor_si256(s, _mm256_set1_epi16(kFlip));
        const __m256i t = _mm256_srai_epi16(_mm256_sub_epi16(s, _mm256_srai_epi16(s, 8)), 8);
        return _mm256_add_epi16(t, _mm256_set1_epi16(128));
    }
    template <bool NT>
    void block(const S* s, Kzv8u* d) const {
        const __m256i a = map(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s)));
        const __m256i b = map(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 16)));
        store256<NT>(d, _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8));
    }
    Kzv8u operator()(S v) const {
        const int32_t s = int32_t(int16_t(uint16_t(v) ^ uint16_t(kFlip)));
        return Kzv8u(((s - (s >> 8)) >> 8) + 128);
    }
};

// (v + add) * mul in single precision, unfused.
struct AddMulF {
    float add, mul;
    __m256 operator()(__m256 v) const {
        return _mm256_mul_ps(_mm256_add_ps(v, _mm256_set1_ps(add)), _mm256_set1_ps(mul));
    }
    float operator()(float v) const {
        return _mm_cvtss_f32(_mm_mul_ss(_mm_add_ss(_mm_set_ss(v), _mm_set_ss(add)), _mm_set_ss(mul)));
    }
};
// (v - sub) * mul in single precision.
struct SubMulF {
    float sub, mul;
    __m256 operator()(__m256 v) const {
        return _mm256_mul_ps(_mm256_sub_ps(v, _mm256_set1_ps(sub)), _mm256_set1_ps(mul));
    }
    float operator()(float v) const {
        return _mm_cvtss_f32(_mm_mul_ss(_mm_sub_ss(_mm_set_ss(v), _mm_set_ss(sub)), _mm_set_ss(mul)));
    }
};
// v * mul + add, fused, single precision.
struct FmaF {
    float mul, add;
    __m256 operator()(__m256 v) const { return _mm256_fmadd_ps(v, _mm256_set1_ps(mul), _mm256_set1_ps(add)); }
    float operator()(float v) const {
        return _mm_cvtss_f32(_mm_fmadd_ss(_mm_set_ss(v), _mm_set_ss(mul), _mm_set_ss(add)));
    }
};
// v * mul + add, fused, double precision.
struct FmaD {
    double mul, add;
    __m256d operator()(__m256d v) const { return _mm256_fmadd_pd(v, _mm256_set1_pd(mul), _mm256_set1_pd(add)); }
    double operator()(double v) const {
        return _mm_cvtsd_f64(_mm_fmadd_sd(_mm_set_sd(v), _mm_set_sd(mul), _mm_set_sd(add)));
    }
};
// v * mul + add, product and sum rounded separately, double precision.
struct MulAddD {
    double mul, add;
    __m256d operator()(__m256d v) const {
        return _mm256_add_pd(_mm256_mul_pd(v, _mm256_set1_pd(mul)), _mm256_set1_pd(add));
    }
    double operator()(double v) const {
        return _mm_cvtsd_f64(_mm_add_sd(_mm_mul_sd(_mm_set_sd(v), _mm_set_sd(mul)), _mm_set_sd(add)));
    }
};

// 255 / 65535 in single precision.
constexpr float kScale16To8 = 0.0038910506f;

inline KzvStatus checkOneSource(const void* s, int32_t ss, const void* d, int32_t ds, KzvImageSize r) {
    if (!s || !d) return kzvStatusNullPtrErr;
    if (badSize(r)) return kzvStatusSizeErr;
    if (anyBadStep(ss, ds)) return kzvStatusStepErr;
    return kzvStatusOk;
}

// Scale streams from the pixel count of the region (integer sources).
template <class S, class D>
bool streamScale(Lay l, KzvImageSize r, const Tuning& t) {
    if (l == Lay::AC4) return false;
    return int64_t(r.width) * r.height >= t.scaleMinPixels && reachesCache(bytesMoved<S, D>(l, r), t.cacheBytes);
}

template <class S, class D, Lay L>
KzvStatus scalePlain(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, const Tuning& t) {
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    const bool nt = streamScale<S, D>(L, r, t);
    if constexpr (std::is_same_v<D, Kzv32s>)
        walk<L>(s, ss, d, ds, r, Scale8uTo32s{}, nt);
    else
        walk<L>(s, ss, d, ds, r, Scale8uTo16<D>{}, nt);
    return kzvStatusOk;
}

template <class S, Lay L>
KzvStatus scaleTo8u(const S* s, int32_t ss, Kzv8u* d, int32_t ds, KzvImageSize r, KzvAlgHint hint, const Tuning& t) {
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    const bool nt = streamScale<S, Kzv8u>(L, r, t);
    const bool accurate = int(hint) == kzvAlgHintAccurate;
    if constexpr (std::is_same_v<S, Kzv32s>) {
        MxcsrGuard g(FpRound::Nearest);
        if (accurate)
            walk<L>(s, ss, d, ds, r,
                    DPipe<S, Kzv8u, Round::Nearest, MulAddD>{MulAddD{5.937181414556033e-8, 127.5000000296859}}, nt);
        else
            walk<L>(s, ss, d, ds, r, FPipe<S, Kzv8u, Round::Nearest, FmaF>{FmaF{5.937181414556033e-8f, 127.5f}}, nt);
    } else if (accurate) {
        MxcsrGuard g(FpRound::Nearest);
        const float add = std::is_signed_v<S> ? 32768.0f : 0.0f;
        walk<L>(s, ss, d, ds, r, FPipe<S, Kzv8u, Round::Nearest, AddMulF>{AddMulF{add, kScale16To8}}, nt);
    } else {
        walk<L>(s, ss, d, ds, r, Scale16To8Fast<S>{}, nt);
    }
    return kzvStatusOk;
}

// An empty or NaN range fails before anything else is looked at.
inline bool badRange(Kzv32f vMin, Kzv32f vMax) {
    return !(vMax > vMin);
}

template <Lay L>
KzvStatus scaleRange(const Kzv8u* s, int32_t ss, Kzv32f* d, int32_t ds, KzvImageSize r, Kzv32f vMin, Kzv32f vMax,
                     const Tuning& t) {
    if (badRange(vMin, vMax)) return kzvStatusScaleRangeErr;
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    // vMin + v * (vMax - vMin) / 255 in double precision, rounded once to float.
    const double step = (double(vMax) - double(vMin)) / 255.0;
    const int64_t rowSamples =
        contiguous<Kzv8u, Kzv32f>(L, r, ss, ds) ? samplesPerRow(L, r) * r.height : samplesPerRow(L, r);
    const bool nt =
        L != Lay::AC4 && rowSamples >= t.scaleMinSamples && reachesCache(bytesMoved<Kzv8u, Kzv32f>(L, r), t.cacheBytes);
    MxcsrGuard g(FpRound::Nearest);
    walk<L>(s, ss, d, ds, r, DPipe<Kzv8u, Kzv32f, Round::Nearest, FmaD>{FmaD{step, double(vMin)}}, nt);
    return kzvStatusOk;
}

template <Lay L>
KzvStatus scaleRange(const Kzv32f* s, int32_t ss, Kzv8u* d, int32_t ds, KzvImageSize r, Kzv32f vMin, Kzv32f vMax,
                     const Tuning& t) {
    if (badRange(vMin, vMax)) return kzvStatusScaleRangeErr;
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    // (v - vMin) * (255 / (vMax - vMin)), the factor computed in double and
    // rounded once.
    const float mul = float(255.0 / (double(vMax) - double(vMin)));
    const bool nt = streamScale<Kzv32f, Kzv8u>(L, r, t);
    MxcsrGuard g(FpRound::Nearest);
    walk<L>(s, ss, d, ds, r, FPipe<Kzv32f, Kzv8u, Round::Nearest, SubMulF>{SubMulF{vMin, mul}}, nt);
    return kzvStatusOk;
}

// ---- ScaleC -------------------------------------------------------------------------

constexpr double kIdentityEps = 2.220446049250313e-16;

inline bool isIdentity(double mVal, double aVal) {
    return std::fabs(mVal - 1.0) < kIdentityEps && std::fabs(aVal) < kIdentityEps;
}

template <class S, class D>
void scaleCRun(const S* s, ptrdiff_t ss, D* d, ptrdiff_t ds, KzvImageSize r, double mVal, double aVal, bool accurate) {
    MxcsrGuard g(FpRound::Nearest);
    if (accurate)
        walk<Lay::C1>(s, ss, d, ds, r, DPipe<S, D, Round::Nearest, FmaD>{FmaD{mVal, aVal}}, false);
    else
        walk<Lay::C1>(s, ss, d, ds, r, FPipe<S, D, Round::Nearest, FmaF>{FmaF{float(mVal), float(aVal)}}, false);
}

// Row copy of the identity one-type ScaleC (steps used as given, as a copy).
template <class T>
KzvStatus copyRows(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize r) {
    if (anyNull(s, d)) return kzvStatusNullPtrErr;
    if (badSize(r)) return kzvStatusSizeErr;
    const size_t bytes = size_t(r.width) * sizeof(T);
    for (ptrdiff_t y = 0; y < r.height; ++y) memmove(rowAt(d, ds, y), rowAt(s, ss, y), bytes);
    return kzvStatusOk;
}

template <class S, class D>
KzvStatus scaleC(const S* s, int32_t ss, double mVal, double aVal, D* d, int32_t ds, KzvImageSize r, KzvAlgHint hint,
                 const Tuning& t) {
    if (isIdentity(mVal, aVal)) {
        // The plain conversion, with that function's checks.
        if constexpr (std::is_same_v<S, D>) {
            return copyRows(s, ss, d, ds, r);
        } else {
            constexpr ConvertKind kind = convertKindOf<S, D>();
            if constexpr (kind == ConvertKind::Plain) return convertPlain<S, D, Lay::C1, true>(s, ss, d, ds, r, t);
            if constexpr (kind == ConvertKind::PlainUnchecked)
                return convertPlain<S, D, Lay::C1, false>(s, ss, d, ds, r, t);
            if constexpr (kind == ConvertKind::Round)
                return convertRound<D, Lay::C1>(s, ss, d, ds, r, kzvRoundNearestEven, t);
            if constexpr (kind == ConvertKind::Sfs) return convertSfs<S, D>(s, ss, d, ds, r, kzvRoundNearestEven, 0, t);
            if constexpr (kind == ConvertKind::Rs) return convertRs<S, D>(s, ss, d, ds, r, t);
            // No Convert function for the pair: the exact double-precision
            // path with the ScaleC checks.
            if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
            scaleCRun(s, ss, d, ds, r, 1.0, 0.0, true);
            return kzvStatusOk;
        }
    }
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    scaleCRun(s, ss, d, ds, r, mVal, aVal, int(hint) == kzvAlgHintAccurate);
    return kzvStatusOk;
}

template <class T>
KzvStatus scaleCInPlace(T* p, int32_t ps, double mVal, double aVal, KzvImageSize r, KzvAlgHint hint) {
    if (isIdentity(mVal, aVal)) return kzvStatusOk;  // before any check
    if (!p) return kzvStatusNullPtrErr;
    if (badSize(r)) return kzvStatusSizeErr;
    if (ps < 1) return kzvStatusStepErr;
    scaleCRun<T, T>(p, ps, p, ps, r, mVal, aVal, int(hint) == kzvAlgHintAccurate);
    return kzvStatusOk;
}

// ---- BinToGray / GrayToBin ----------------------------------------------------------

inline KzvStatus checkBin(const void* s, int32_t ss, const void* d, int32_t ds, KzvImageSize r, int32_t offset) {
    if (KzvStatus st = checkOneSource(s, ss, d, ds, r)) return st;
    if (offset < 0) return kzvStatusSizeErr;
    return kzvStatusOk;
}

// Eight grey samples from eight bits (bit k gives sample k).
template <class D>
inline void expand8(uint32_t bits, D lo, D hi, D* d) {
    if constexpr (sizeof(D) == 1) {
        // Each bit to a 0x00 / 0xFF byte (32-bit deposits work on both targets).
        const uint64_t m =
            (uint64_t(_pdep_u32(bits >> 4, 0x01010101u)) << 32 | _pdep_u32(bits & 15, 0x01010101u)) * 0xFF;
        const uint64_t l = 0x0101010101010101ull * uint8_t(lo), h = 0x0101010101010101ull * uint8_t(hi);
        st(reinterpret_cast<uint64_t*>(d), (l & ~m) | (h & m));
    } else {
        const __m256i sel = _mm256_cmpeq_epi32(
            _mm256_and_si256(_mm256_set1_epi32(int32_t(bits)), _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128)),
            _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128));
        if constexpr (sizeof(D) == 2) {
            uint16_t lw, hw;
            memcpy(&lw, &lo, 2);
            memcpy(&hw, &hi, 2);
            const __m128i m = _mm_packs_epi32(_mm256_castsi256_si128(sel), _mm256_extracti128_si256(sel, 1));
            const __m128i v = _mm_blendv_epi8(_mm_set1_epi16(int16_t(lw)), _mm_set1_epi16(int16_t(hw)), m);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d), v);
        } else {
            const __m256 v = _mm256_blendv_ps(_mm256_set1_ps(lo), _mm256_set1_ps(hi), _mm256_castsi256_ps(sel));
            _mm256_storeu_ps(d, v);
        }
    }
}

// One row: pixel x is bit (off + x) of the row. Only the bytes that hold
// pixels of the row are read.
template <class D>
void binToGrayRow(const Kzv8u* s, int off, D* d, ptrdiff_t w, D lo, D hi) {
    const ptrdiff_t last = (off + w - 1) >> 3;
    uint32_t buf = uint32_t(s[0]) >> off;
    int nb = 8 - off;
    ptrdiff_t next = 1;
    ptrdiff_t x = 0;
    for (; x + 8 <= w; x += 8) {
        if (nb < 8 && next <= last) {
            buf |= uint32_t(s[next++]) << nb;
            nb += 8;
        }
        expand8(buf & 0xFF, lo, hi, d + x);
        buf >>= 8;
        nb -= 8;
    }
    for (; x < w; ++x) {
        if (nb == 0) {
            buf = s[next++];
            nb = 8;
        }
        st(d + x, (buf & 1) ? hi : lo);
        buf >>= 1;
        --nb;
    }
}

template <class D>
KzvStatus binToGray(const Kzv8u* s, int32_t ss, int32_t off, D* d, int32_t ds, KzvImageSize r, D lo, D hi) {
    if (KzvStatus st = checkBin(s, ss, d, ds, r, off)) return st;
    for (ptrdiff_t y = 0; y < r.height; ++y) binToGrayRow(rowAt(s, ss, y), off & 7, rowAt(d, ds, y), r.width, lo, hi);
    return kzvStatusOk;
}

// Bits of `src > threshold` for a group of samples: 32 for 8u, 16 for
// 16-bit, 8 for 32f.
template <class S>
struct Threshold;

template <>
struct Threshold<Kzv8u> {
    static constexpr ptrdiff_t kGroup = 32;
    __m256i t;
    explicit Threshold(Kzv8u thr) : t(_mm256_set1_epi8(char(thr ^ 0x80))) {}
    uint32_t bits(const Kzv8u* p) const {
        const __m256i v =
            _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), _mm256_set1_epi8(char(0x80)));
        return uint32_t(_mm256_movemask_epi8(_mm256_cmpgt_epi8(v, t)));
    }
};
template <class S>
struct Threshold16 {
    static constexpr ptrdiff_t kGroup = 16;
    static constexpr int16_t kFlip = std::is_signed_v<S> ? int16_t(0) : int16_t(-32768);
    __m256i t;
    explicit Threshold16(S thr) : t(_mm256_set1_epi16(int16_t(uint16_t(thr) ^ uint16_t(kFlip)))) {}
    uint32_t bits(const S* p) const {
        const __m256i v =
            _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), _mm256_set1_epi16(kFlip));
        const __m256i m = _mm256_cmpgt_epi16(v, t);
        const __m256i b = _mm256_permute4x64_epi64(_mm256_packs_epi16(m, m), 0xD8);
        return uint32_t(_mm256_movemask_epi8(b)) & 0xFFFF;
    }
};
template <>
struct Threshold<Kzv16u> : Threshold16<Kzv16u> {
    using Threshold16::Threshold16;
};
template <>
struct Threshold<Kzv16s> : Threshold16<Kzv16s> {
    using Threshold16::Threshold16;
};
template <>
struct Threshold<Kzv32f> {
    static constexpr ptrdiff_t kGroup = 8;
    __m256 t;
    explicit Threshold(Kzv32f thr) : t(_mm256_set1_ps(thr)) {}
    uint32_t bits(const Kzv32f* p) const {
        return uint32_t(_mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(p), t, _CMP_GT_OQ)));
    }
};

// One row: bits written from bit `off` of the first byte; the bits of the
// first and last bytes outside the row are kept.
template <class S>
void grayToBinRow(const S* s, ptrdiff_t w, Kzv8u* d, int off, S thr) {
    const Threshold<S> th(thr);
    constexpr ptrdiff_t G = Threshold<S>::kGroup;
    uint64_t acc = d[0] & ((1u << off) - 1);
    int nb = off;
    ptrdiff_t out = 0;
    ptrdiff_t x = 0;
    for (; x + G <= w; x += G) {
        acc |= uint64_t(th.bits(s + x)) << nb;
        nb += int(G);
        while (nb >= 8) {
            d[out++] = uint8_t(acc);
            acc >>= 8;
            nb -= 8;
        }
    }
    for (; x < w; ++x) {
        acc |= uint64_t(ld(s + x) > thr ? 1 : 0) << nb;
        if (++nb == 8) {
            d[out++] = uint8_t(acc);
            acc = 0;
            nb = 0;
        }
    }
    if (nb > 0) {
        const uint32_t mine = (1u << nb) - 1;
        d[out] = uint8_t((d[out] & ~mine) | (uint32_t(acc) & mine));
    }
}

template <class S>
KzvStatus grayToBin(const S* s, int32_t ss, Kzv8u* d, int32_t ds, int32_t off, KzvImageSize r, S thr) {
    if (KzvStatus st = checkBin(s, ss, d, ds, r, off)) return st;
    for (ptrdiff_t y = 0; y < r.height; ++y) grayToBinRow(rowAt(s, ss, y), r.width, rowAt(d, ds, y), off & 7, thr);
    return kzvStatusOk;
}

}  // namespace

namespace twin {

#define CVT(name, S, D, L, C)
#define CVTR(name, S, D, L)
#define CVTSFS(name, S, D)
#define CVTISFS(name, S, D)
#define CVTRS(name, S, D)
#define SCALE(name, S, D, L)                                                                    \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, const Tuning& t) { \
        return scalePlain<S, D, Lay::L>(s, ss, d, ds, r, t);                                    \
    }
#define SCALEH(name, S, D, L)                                                                                 \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvAlgHint h, const Tuning& t) { \
        return scaleTo8u<S, Lay::L>(s, ss, d, ds, r, h, t);                                                   \
    }
#define SCALEV(name, S, D, L)                                                                                         \
    KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, Kzv32f lo, Kzv32f hi, const Tuning& t) { \
        return scaleRange<Lay::L>(s, ss, d, ds, r, lo, hi, t);                                                        \
    }
#define SCALEC(name, S, D)                                                                                     \
    KzvStatus name(const S* s, int32_t ss, Kzv64f m, Kzv64f a, D* d, int32_t ds, KzvImageSize r, KzvAlgHint h, \
                   const Tuning& t) {                                                                          \
        return scaleC<S, D>(s, ss, m, a, d, ds, r, h, t);                                                      \
    }
#define SCALECI(name, T)                                                                                \
    KzvStatus name(T* p, int32_t ps, Kzv64f m, Kzv64f a, KzvImageSize r, KzvAlgHint h, const Tuning&) { \
        return scaleCInPlace<T>(p, ps, m, a, r, h);                                                     \
    }
#define B2G(name, D)                                                                                    \
    KzvStatus name(const Kzv8u* s, int32_t ss, int32_t o, D* d, int32_t ds, KzvImageSize r, D lo, D hi, \
                   const Tuning&) {                                                                     \
        return binToGray<D>(s, ss, o, d, ds, r, lo, hi);                                                \
    }
#define G2B(name, S)                                                                                               \
    KzvStatus name(const S* s, int32_t ss, Kzv8u* d, int32_t ds, int32_t o, KzvImageSize r, S th, const Tuning&) { \
        return grayToBin<S>(s, ss, d, ds, o, r, th);                                                               \
    }
#include "pixel/convert_exports.inc"
#undef SCALE
#undef SCALEH
#undef SCALEV
#undef SCALEC
#undef SCALECI
#undef B2G
#undef G2B

}  // namespace twin
}  // namespace kzv::cvt

#define SCALE(name, S, D, L)                                                              \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, kzv::cvt::defaultTuning());          \
    }
#define SCALEH(name, S, D, L)                                                                           \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, KzvAlgHint h) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, h, kzv::cvt::defaultTuning());                     \
    }
#define SCALEV(name, S, D, L)                                                                                   \
    extern "C" KzvStatus name(const S* s, int32_t ss, D* d, int32_t ds, KzvImageSize r, Kzv32f lo, Kzv32f hi) { \
        return kzv::cvt::twin::name(s, ss, d, ds, r, lo, hi, kzv::cvt::defaultTuning());                        \
    }
#define SCALEC(name, S, D)                                                                                  \
    extern "C" KzvStatus name(const S* s, int32_t ss, Kzv64f m, Kzv64f a, D* d, int32_t ds, KzvImageSize r, \
                              KzvAlgHint h) {                                                               \
        return kzv::cvt::twin::name(s, ss, m, a, d, ds, r, h, kzv::cvt::defaultTuning());                   \
    }
#define SCALECI(name, T)                                                                            \
    extern "C" KzvStatus name(T* p, int32_t ps, Kzv64f m, Kzv64f a, KzvImageSize r, KzvAlgHint h) { \
        return kzv::cvt::twin::name(p, ps, m, a, r, h, kzv::cvt::Tuning{});                         \
    }
#define B2G(name, D)                                                                                                 \
    extern "C" KzvStatus name(const Kzv8u* s, int32_t ss, int32_t o, D* d, int32_t ds, KzvImageSize r, D lo, D hi) { \
        return kzv::cvt::twin::name(s, ss, o, d, ds, r, lo, hi, kzv::cvt::Tuning{});                                 \
    }
#define G2B(name, S)                                                                                           \
    extern "C" KzvStatus name(const S* s, int32_t ss, Kzv8u* d, int32_t ds, int32_t o, KzvImageSize r, S th) { \
        return kzv::cvt::twin::name(s, ss, d, ds, o, r, th, kzv::cvt::Tuning{});                               \
    }
#include "pixel/convert_exports.inc"
