// Logical operations, shifts, complement and per-pixel extremes.
//
// Bitwise operations do not care about the sample type, so every C1, C3 and
// C4 form of And, Or, Xor (and Not) runs one byte routine over the row's
// bytes: kzviAnd_32s_C1R and kzviAnd_8u_C4R are the same call. AC4 forms
// work on samples and blend the destination's alpha back in.
#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "common/frame.h"
#include "common/simd.h"
#include "kzvi.h"
#include "pixel/logic_rows.h"

namespace kzv::pix {
namespace {

// ---- Functors -----------------------------------------------------------------

struct OpAnd {
    __m256i operator()(__m256i a, __m256i b) const { return _mm256_and_si256(a, b); }
    __m256i operator()(__m256i a, const __m256i* c) const { return _mm256_and_si256(a, c[0]); }
    template <class T>
    T operator()(T a, T b) const { return T(a & b); }
    template <class T>
    T operator()(T a, const T* c) const { return T(a & c[0]); }
};
struct OpOr {
    __m256i operator()(__m256i a, __m256i b) const { return _mm256_or_si256(a, b); }
    __m256i operator()(__m256i a, const __m256i* c) const { return _mm256_or_si256(a, c[0]); }
    template <class T>
    T operator()(T a, T b) const { return T(a | b); }
    template <class T>
    T operator()(T a, const T* c) const { return T(a | c[0]); }
};
struct OpXor {
    __m256i operator()(__m256i a, __m256i b) const { return _mm256_xor_si256(a, b); }
    __m256i operator()(__m256i a, const __m256i* c) const { return _mm256_xor_si256(a, c[0]); }
    template <class T>
    T operator()(T a, T b) const { return T(a ^ b); }
    template <class T>
    T operator()(T a, const T* c) const { return T(a ^ c[0]); }
};
// Not is Xor with all ones.
struct OpNot {};

// Two's complement <-> sign-magnitude: |v| with the sign bit of v.
template <class T>
struct OpComplementT {
    __m256i operator()(__m256i v, const __m256i*) const {
        if constexpr (sizeof(T) == 1) {
            return _mm256_or_si256(_mm256_abs_epi8(v), _mm256_and_si256(v, _mm256_set1_epi8(-128)));
        } else if constexpr (sizeof(T) == 2) {
            return _mm256_or_si256(_mm256_abs_epi16(v), _mm256_and_si256(v, _mm256_set1_epi16(-32768)));
        } else {
            return _mm256_or_si256(_mm256_abs_epi32(v), _mm256_and_si256(v, _mm256_set1_epi32(INT32_MIN)));
        }
    }
    T operator()(T v, const T*) const {
        using U = std::make_unsigned_t<T>;
        constexpr U sign = U(U(1) << (8 * sizeof(T) - 1));
        const U u = U(v);
        if (!(u & sign)) return v;
        // (v ^ (v >> (w-1))) + 1 is -v (wrapping); then set the sign bit.
        return T(U(U(~u) + 1u) | sign);
    }
};
struct OpComplement {};

template <class T>
struct OpMinT {
    __m256i operator()(__m256i a, __m256i b) const { return vMin<T>(a, b); }
    T operator()(T a, T b) const { return a < b ? a : b; }
};
template <class T>
struct OpMaxT {
    __m256i operator()(__m256i a, __m256i b) const { return vMax<T>(a, b); }
    T operator()(T a, T b) const { return a > b ? a : b; }
};
struct OpMin {};
struct OpMax {};
// Shift direction tags.
struct OpLShift {};
struct OpRShift {};

// Shifts by one count for all samples (already below the sample width).
template <class T, bool Left>
struct ShiftUniform {
    __m128i cnt;
    int count;
    explicit ShiftUniform(int c) : cnt(_mm_cvtsi32_si128(c)), count(c) {}
    __m256i operator()(__m256i v, const __m256i*) const {
        if constexpr (sizeof(T) == 1) {
            // 16-bit shift, then clear the bits that crossed a byte boundary.
            if constexpr (Left) {
                const __m256i m = _mm256_set1_epi8(int8_t(uint8_t(0xFFu << count)));
                return _mm256_and_si256(_mm256_sll_epi16(v, cnt), m);
            } else {
                const __m256i m = _mm256_set1_epi8(int8_t(uint8_t(0xFFu >> count)));
                return _mm256_and_si256(_mm256_srl_epi16(v, cnt), m);
            }
        } else if constexpr (sizeof(T) == 2) {
            if constexpr (Left) return _mm256_sll_epi16(v, cnt);
            else if constexpr (std::is_signed_v<T>) return _mm256_sra_epi16(v, cnt);
            else return _mm256_srl_epi16(v, cnt);
        } else {
            if constexpr (Left) return _mm256_sll_epi32(v, cnt);
            else return _mm256_sra_epi32(v, cnt);
        }
    }
    T operator()(T v, const T*) const {
        using U = std::make_unsigned_t<T>;
        if constexpr (Left) return T(U(U(v) << count));
        else if constexpr (std::is_signed_v<T>) return T(v >> count);  // arithmetic
        else return T(U(v) >> count);
    }
};

// Shifts by per-channel counts (the constants; each already clamped to the
// sample width, or width - 1 for arithmetic shifts).
template <class T, bool Left>
struct ShiftVarying {
    static T one(T v, int c) {
        using U = std::make_unsigned_t<T>;
        constexpr int w = int(8 * sizeof(T));
        if constexpr (Left) return c >= w ? T(0) : T(U(U(v) << c));
        else if constexpr (std::is_signed_v<T>) return T(v >> c);
        else return c >= w ? T(0) : T(U(v) >> c);
    }
    __m256i operator()(__m256i v, const __m256i* c) const {
        if constexpr (sizeof(T) == 4) {
            // Counts of 32 give 0 for logical shifts; arithmetic counts are <= 31.
            if constexpr (Left) return _mm256_sllv_epi32(v, c[0]);
            else return _mm256_srav_epi32(v, c[0]);
        } else {
            constexpr int E = int(32 / sizeof(T));
            T x[E], n[E];
            memcpy(x, &v, 32);
            memcpy(n, c, 32);
            for (int j = 0; j < E; ++j) x[j] = one(x[j], int(n[j]));
            __m256i r;
            memcpy(&r, x, 32);
            return r;
        }
    }
    T operator()(T v, const T* c) const { return one(v, int(c[0])); }
};

// ---- Row helpers --------------------------------------------------------------

// Copy of the region (count 0) and fill with a sample value (counts at least
// the width); AC4 keeps the destination's alpha.
template <class T, int CH>
void copyRegion(const T* s, ptrdiff_t ss, T* d, ptrdiff_t ds, KzvImageSize sz) {
    const ptrdiff_t n = rowSamples<CH>(sz.width);
    if constexpr (CH == kAC4) {
        walk1(s, ss, d, ds, n, sz.height, [](const T* a, T* b, ptrdiff_t m) {
            for (ptrdiff_t i = 0; i < m; ++i)
                if ((i & 3) != 3) b[i] = a[i];
        });
    } else {
        if (s == d && ss == ds) return;  // in place: nothing moves
        walk1(s, ss, d, ds, n, sz.height,
              [](const T* a, T* b, ptrdiff_t m) { memmove(b, a, size_t(m) * sizeof(T)); });
    }
}

template <class T, int CH>
void fillRegion(T* d, ptrdiff_t ds, KzvImageSize sz, T value) {
    const ptrdiff_t n = rowSamples<CH>(sz.width);
    const T vals[4] = {value, value, value, value};
    const T* pv[1] = {vals};
    const ConstPattern<T, CH, 1> p(pv);
    struct SetTo {
        __m256i operator()(__m256i, const __m256i* c) const { return c[0]; }
        T operator()(T, const T* c) const { return c[0]; }
    };
    walk1(d, ds, d, ds, n, sz.height, [&](const T* a, T* b, ptrdiff_t m) { rowConst(a, b, m, p, SetTo{}); });
}

// ---- Frames -------------------------------------------------------------------

template <class T, int CH, class Op>
KzvStatus binFrame(const T* a, int32_t as, const T* b, int32_t bs, T* d, int32_t ds, KzvImageSize sz) {
    if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
    if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if constexpr (CH == kAC4) {
        walk2(a, as, b, bs, d, ds, rowSamples<CH>(sz.width), sz.height,
              [](const T* x, const T* y, T* z, ptrdiff_t n) { rowBinary<T, kAC4>(x, y, z, n, Op{}); });
    } else {
        // Bitwise: one byte routine for every type and channel count.
        const ptrdiff_t n = rowSamples<CH>(sz.width) * ptrdiff_t(sizeof(T));
        walk2(reinterpret_cast<const uint8_t*>(a), as, reinterpret_cast<const uint8_t*>(b), bs,
              reinterpret_cast<uint8_t*>(d), ds, n, sz.height,
              [](const uint8_t* x, const uint8_t* y, uint8_t* z, ptrdiff_t m) {
                  rowBinary<uint8_t, 1>(x, y, z, m, Op{});
              });
    }
    return kzvStatusOk;
}

// One source with per-channel constants (the constant shortcut included).
template <class T, int CH, class F>
void runConst(const T* s, ptrdiff_t ss, T* d, ptrdiff_t ds, KzvImageSize sz, const T* vals, const F& f) {
    if constexpr (CH == 3) {
        // Three equal constants: the one-channel routine over three times the width.
        if (vals[0] == vals[1] && vals[1] == vals[2]) {
            const ConstPattern<T, 1, 1> p(&vals);
            walk1(s, ss, d, ds, rowSamples<3>(sz.width), sz.height,
                  [&](const T* a, T* b, ptrdiff_t n) { rowConst(a, b, n, p, f); });
            return;
        }
    }
    const ConstPattern<T, CH, 1> p(&vals);
    walk1(s, ss, d, ds, rowSamples<CH>(sz.width), sz.height,
          [&](const T* a, T* b, ptrdiff_t n) { rowConst(a, b, n, p, f); });
}

template <class T, int CH, class Op>
KzvStatus constFrame(const T* s, int32_t ss, ConstArg<T, CH> value, T* d, int32_t ds, KzvImageSize sz) {
    if constexpr (CH == 1) {
        if (anyNull(s, d)) return kzvStatusNullPtrErr;
    } else {
        if (anyNull(s, d, value)) return kzvStatusNullPtrErr;
    }
    if (anyBadStep(ss, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    runConst<T, CH>(s, ss, d, ds, sz, constPtr<T, CH>(value), Op{});
    return kzvStatusOk;
}

template <class T, int CH, class Op>
KzvStatus unFrame(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz) {
    if (anyNull(s, d)) return kzvStatusNullPtrErr;
    if (anyBadStep(ss, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if constexpr (std::is_same_v<Op, OpNot>) {
        const T ones[4] = {T(~T(0)), T(~T(0)), T(~T(0)), T(~T(0))};
        runConst<T, CH>(s, ss, d, ds, sz, ones, OpXor{});
    } else {
        const T zeros[4] = {};
        runConst<T, CH>(s, ss, d, ds, sz, zeros, OpComplementT<T>{});
    }
    return kzvStatusOk;
}

template <class T, int CH, class Op>
KzvStatus shiftFrame(const T* s, int32_t ss, ConstArg<Kzv32u, CH> value, T* d, int32_t ds, KzvImageSize sz) {
    if constexpr (CH == 1) {
        if (anyNull(s, d)) return kzvStatusNullPtrErr;
    } else {
        if (anyNull(s, d, value)) return kzvStatusNullPtrErr;
    }
    if (anyBadStep(ss, ds)) return kzvStatusStepErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    constexpr bool left = std::is_same_v<Op, OpLShift>;
    constexpr uint32_t w = 8 * sizeof(T);
    constexpr bool arith = !left && std::is_signed_v<T>;
    const Kzv32u* counts = constPtr<Kzv32u, CH>(value);
    // Counts are unsigned; at least the width behaves as the width (a zero
    // result) or, for arithmetic shifts, as width - 1 (the sign fill).
    T c[4];
    for (int i = 0; i < kConsts<CH>; ++i) {
        const uint32_t k = counts[i];
        c[i] = T(arith ? (k > w - 1 ? w - 1 : k) : (k > w ? w : k));
    }
    bool same = true;
    for (int i = 1; i < kConsts<CH>; ++i) same = same && c[i] == c[0];
    if (same) {
        if (c[0] == 0) {
            copyRegion<T, CH>(s, ss, d, ds, sz);
            return kzvStatusOk;
        }
        if (uint32_t(c[0]) >= w) {
            fillRegion<T, CH>(d, ds, sz, T(0));
            return kzvStatusOk;
        }
        const ShiftUniform<T, left> f{int(c[0])};
        constexpr int L = CH == 3 ? 1 : CH;  // equal C3 counts: the C1 routine
        const ConstPattern<T, L, 1> p0 = [&] {
            const T* pc = c;
            return ConstPattern<T, L, 1>(&pc);
        }();
        const ptrdiff_t n = rowSamples<CH>(sz.width);
        walk1(s, ss, d, ds, n, sz.height, [&](const T* a, T* b, ptrdiff_t m) { rowConst(a, b, m, p0, f); });
        return kzvStatusOk;
    }
    const T* pc = c;
    const ConstPattern<T, CH, 1> p(&pc);
    walk1(s, ss, d, ds, rowSamples<CH>(sz.width), sz.height,
          [&](const T* a, T* b, ptrdiff_t m) { rowConst(a, b, m, p, ShiftVarying<T, left>{}); });
    return kzvStatusOk;
}

template <class T, int CH, class Op>
KzvStatus minMaxFrame(const T* a, int32_t as, const T* b, int32_t bs, T* d, int32_t ds, KzvImageSize sz) {
    if (anyNull(a, b, d)) return kzvStatusNullPtrErr;
    if (badSize(sz)) return kzvStatusSizeErr;
    if (anyBadStep(as, bs, ds)) return kzvStatusStepErr;
    using F = std::conditional_t<std::is_same_v<Op, OpMin>, OpMinT<T>, OpMaxT<T>>;
    walk2(a, as, b, bs, d, ds, rowSamples<CH>(sz.width), sz.height,
          [](const T* x, const T* y, T* z, ptrdiff_t n) { rowBinary<T, CH>(x, y, z, n, F{}); });
    return kzvStatusOk;
}

}  // namespace
}  // namespace kzv::pix

// ---- Exports ------------------------------------------------------------------

using namespace kzv::pix;

#define X_BIN(name, T, CH, Op)                                                                           \
    extern "C" KzvStatus name(const T* a, int32_t as, const T* b, int32_t bs, T* d, int32_t ds,          \
                              KzvImageSize sz) {                                                         \
        return binFrame<T, CH, Op>(a, as, b, bs, d, ds, sz);                                             \
    }
#define X_BINI(name, T, CH, Op)                                                                          \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* sd, int32_t sds, KzvImageSize sz) {             \
        return binFrame<T, CH, Op>(sd, sds, s, ss, sd, sds, sz);                                         \
    }
#define X_CONST(name, T, CH, Op)                                                                         \
    extern "C" KzvStatus name(const T* s, int32_t ss, ConstArg<T, CH> v, T* d, int32_t ds,               \
                              KzvImageSize sz) {                                                         \
        return constFrame<T, CH, Op>(s, ss, v, d, ds, sz);                                               \
    }
#define X_CONSTI(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(ConstArg<T, CH> v, T* sd, int32_t sds, KzvImageSize sz) {                  \
        return constFrame<T, CH, Op>(sd, sds, v, sd, sds, sz);                                           \
    }
#define X_UN(name, T, CH, Op)                                                                            \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* d, int32_t ds, KzvImageSize sz) {               \
        return unFrame<T, CH, Op>(s, ss, d, ds, sz);                                                     \
    }
#define X_UNI(name, T, CH, Op)                                                                           \
    extern "C" KzvStatus name(T* sd, int32_t sds, KzvImageSize sz) {                                     \
        return unFrame<T, CH, Op>(sd, sds, sd, sds, sz);                                                 \
    }
#define X_SHIFT(name, T, CH, Op)                                                                         \
    extern "C" KzvStatus name(const T* s, int32_t ss, ConstArg<Kzv32u, CH> v, T* d, int32_t ds,          \
                              KzvImageSize sz) {                                                         \
        return shiftFrame<T, CH, Op>(s, ss, v, d, ds, sz);                                               \
    }
#define X_SHIFTI(name, T, CH, Op)                                                                        \
    extern "C" KzvStatus name(ConstArg<Kzv32u, CH> v, T* sd, int32_t sds, KzvImageSize sz) {             \
        return shiftFrame<T, CH, Op>(sd, sds, v, sd, sds, sz);                                           \
    }
#define X_MMI(name, T, CH, Op)                                                                           \
    extern "C" KzvStatus name(const T* s, int32_t ss, T* sd, int32_t sds, KzvImageSize sz) {             \
        return minMaxFrame<T, CH, Op>(s, ss, sd, sds, sd, sds, sz);                                      \
    }
#define X_MM(name, T, CH, Op)                                                                            \
    extern "C" KzvStatus name(const T* a, int32_t as, const T* b, int32_t bs, T* d, int32_t ds,          \
                              KzvImageSize sz) {                                                         \
        return minMaxFrame<T, CH, Op>(a, as, b, bs, d, ds, sz);                                          \
    }

#include "pixel/logic_exports.inc"
