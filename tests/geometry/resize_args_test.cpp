// Resize queries, initialisers and apply functions: argument checks in their
// documented order (status, nothing written), spec and buffer sizes against
// the size formulas, identifier and header-word checks, SetMode.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

int64_t A32(int64_t n) { return (n + 31) / 32 * 32; }
int64_t A64(int64_t n) { return (n + 63) / 64 * 64; }

// Caller memory at a given offset from 64-byte alignment.
struct Mem {
    std::vector<uint8_t> v;
    uint8_t* p;
    explicit Mem(int64_t bytes, int offset = 13) : v(size_t(std::max<int64_t>(bytes, 0)) + 64, 0x5A) {
        p = v.data() + ((64 - (reinterpret_cast<uintptr_t>(v.data()) & 63)) & 63) + (offset & 63);
        v.resize(size_t(p - v.data()) + size_t(std::max<int64_t>(bytes, 1)), 0x5A);
    }
    KzvResizeSpec* spec() { return reinterpret_cast<KzvResizeSpec*>(p); }
};

// A spec plus its init buffer, through the plain or _L initialisers.
struct Made {
    Mem spec{0}, init{0};
    KzvResizeSpec* p() { return spec.spec(); }
};

void makePlain(Made& m, int interp, KzvImageSize s, KzvImageSize d, bool is64 = false, int lobes = 2) {
    int32_t a = 0, b = 0;
    if (is64)
        ASSERT_EQ(kzviResizeGetSize_64f(s, d, KzvInterp(interp), 0, &a, &b), kzvStatusOk);
    else
        ASSERT_EQ(kzviResizeGetSize_8u(s, d, KzvInterp(interp), 0, &a, &b), kzvStatusOk);
    m.spec = Mem(a, 7), m.init = Mem(b, 0);
    KzvStatus st = -1;
    switch (interp) {
        case kzvInterpNearest: st = kzviResizeNearestInit_8u(s, d, m.p()); break;
        case kzvInterpLinear: st = is64 ? kzviResizeLinearInit_64f(s, d, m.p()) : kzviResizeLinearInit_8u(s, d, m.p()); break;
        case kzvInterpCubic: st = kzviResizeCubicInit_8u(s, d, 0.f, 0.5f, m.p(), m.init.p); break;
        default: st = kzviResizeLanczosInit_8u(s, d, uint32_t(lobes), m.p(), m.init.p); break;
    }
    ASSERT_EQ(st, kzvStatusOk);
}

void makeL(Made& m, int interp, KzvImageSizeL s, KzvImageSizeL d, KzvDataKind k) {
    intptr_t a = 0, b = 0;
    ASSERT_EQ(kzviResizeGetSize_L(s, d, k, KzvInterp(interp), 0, &a, &b), kzvStatusOk);
    m.spec = Mem(a, 21), m.init = Mem(b, 32);
    KzvStatus st = -1;
    switch (interp) {
        case kzvInterpNearest: st = kzviResizeNearestInit_L(s, d, k, m.p()); break;
        case kzvInterpLinear: st = kzviResizeLinearInit_L(s, d, k, m.p()); break;
        case kzvInterpCubic: st = kzviResizeCubicInit_L(s, d, k, 0.f, 0.5f, m.p(), m.init.p); break;
        default: st = kzviResizeLanczosInit_L(s, d, k, 2, m.p(), m.init.p); break;
    }
    ASSERT_EQ(st, kzvStatusOk);
}

// The spec size formulas, with the 64 bytes of alignment slack.
int64_t specFormula(int interp, int Wd, int Hd) {
    switch (interp) {
        case kzvInterpNearest: return 4 * (A32(Wd) + A32(Hd)) + 264 + 64;
        case kzvInterpLinear: return 8 * (A32(Wd) + A32(Hd)) + 264 + 64;
        case kzvInterpCubic:
            return 4 * (A32(Wd) + A32(Hd)) + 4 * (A32(4 * int64_t(Wd) + 96) + A32(4 * int64_t(Hd) + 96)) + 264 + 64;
        default:
            return 4 * (A32(Wd) + A32(Hd)) + 4 * (A32(6 * int64_t(Wd) + 160) + A32(6 * int64_t(Hd) + 160)) + 264 + 64;
    }
}
int64_t spec64fLinearFormula(int Wd, int Hd) {
    return A64(4 * A32(Wd)) + A64(8 * A32(Wd)) + A64(4 * A32(Hd)) + A64(8 * A32(Hd)) + 256 + 64;
}
int64_t initFormula(int interp, int Wd, int Hd) {
    return (interp == kzvInterpCubic || interp == kzvInterpLanczos) ? 4 * (A32(Wd) + A32(Hd)) + 64 : 0;
}

}  // namespace

// ---- GetSize ------------------------------------------------------------------------

TEST(ResizeGetSize, SizesFollowTheFormulas) {
    Rng rng(kzvt::baseSeed());
    for (int iter = 0; iter < 300; ++iter) {
        const int interp = rng.pick({1, 2, 6, 16});
        const int minS = interp == 1 ? 1 : interp == 2 ? 2 : 6;
        const int sw = rng.uniform(minS, 3000), sh = rng.uniform(minS, 3000);
        const int dw = rng.chance(0.1) ? 1 : rng.uniform(1, 5000), dh = rng.uniform(1, 5000);
        SCOPED_TRACE(testing::Message() << "interp " << interp << " " << sw << "x" << sh << " -> " << dw << "x" << dh);
        int32_t s = -1, b = -1;
        const KzvImageSize S{sw, sh}, D{dw, dh};
        const KzvInterp in = KzvInterp(interp);
        ASSERT_EQ(kzviResizeGetSize_8u(S, D, in, 0, &s, &b), kzvStatusOk);
        EXPECT_EQ(s, specFormula(interp, dw, dh));
        EXPECT_EQ(b, initFormula(interp, dw, dh));
        // The element type does not change the sizes among 8u, 16u, 16s, 32f.
        int32_t s2 = -1, b2 = -1;
        ASSERT_EQ(kzviResizeGetSize_16u(S, D, in, 0, &s2, &b2), kzvStatusOk);
        EXPECT_TRUE(s2 == s && b2 == b);
        ASSERT_EQ(kzviResizeGetSize_16s(S, D, in, 0, &s2, &b2), kzvStatusOk);
        EXPECT_TRUE(s2 == s && b2 == b);
        ASSERT_EQ(kzviResizeGetSize_32f(S, D, in, 0, &s2, &b2), kzvStatusOk);
        EXPECT_TRUE(s2 == s && b2 == b);
        intptr_t sl = -1, bl = -1;
        const KzvDataKind k = rng.pick({kzvDataKind8u, kzvDataKind16u, kzvDataKind16s, kzvDataKind32f});
        ASSERT_EQ(kzviResizeGetSize_L({sw, sh}, {dw, dh}, k, in, 0, &sl, &bl), kzvStatusOk);
        EXPECT_TRUE(sl == s && bl == b) << sl << " " << bl;
        if (interp == kzvInterpLinear) {
            ASSERT_EQ(kzviResizeGetSize_64f(S, D, in, 0, &s2, &b2), kzvStatusOk);
            EXPECT_EQ(s2, spec64fLinearFormula(dw, dh));
            EXPECT_EQ(b2, 0);
            ASSERT_EQ(kzviResizeGetSize_L({sw, sh}, {dw, dh}, kzvDataKind64f, in, 0, &sl, &bl), kzvStatusOk);
            EXPECT_TRUE(sl == s2 && bl == 0) << sl << " " << bl;
        }
    }
    // Antialiasing requested for nearest: reported without it, status 46.
    int32_t s = -1, b = -1;
    EXPECT_EQ(kzviResizeGetSize_8u({10, 10}, {7, 3}, kzvInterpNearest, 1, &s, &b), kzvStatusAntialiasNotApplied);
    EXPECT_EQ(s, specFormula(kzvInterpNearest, 7, 3));
    EXPECT_EQ(b, 0);
}

TEST(ResizeGetSize, ChecksInOrder) {
    int32_t s = 111, b = 222;
    struct Case {
        KzvImageSize src, dst;
        int interp;
        bool nullOut;
        KzvStatus want;
    } cases[] = {
        {{0, 4}, {4, 4}, 2, true, kzvStatusNullPtrErr},          // pointers first
        {{0, -1}, {4, 4}, 99, false, kzvStatusNoOperation},       // a zero extent before the others
        {{4, 4}, {4, 0}, 2, false, kzvStatusNoOperation},
        {{-1, 4}, {4, 4}, 99, false, kzvStatusSizeErr},           // sizes before the selector
        {{4, 4}, {4, -3}, 2, false, kzvStatusSizeErr},
        {{1, 1}, {4, 4}, 3, false, kzvStatusInterpolationErr},    // selector before its size needs
        {{4, 4}, {4, 4}, 32, false, kzvStatusInterpolationErr},
        {{4, 4}, {4, 4}, -1, false, kzvStatusInterpolationErr},
        {{4, 4}, {4, 4}, 0, false, kzvStatusNotSupportedModeErr},
        {{1, 4}, {4, 4}, 2, false, kzvStatusSizeErr},             // linear needs 2
        {{2, 2}, {1, 1}, 2, false, kzvStatusOk},
        {{3, 4}, {4, 4}, 6, false, kzvStatusSizeErr},             // cubic and Lanczos need 4
        {{4, 3}, {4, 4}, 16, false, kzvStatusSizeErr},
        {{4, 4}, {9, 9}, 16, false, kzvStatusOk},
        {{1, 1}, {9, 9}, 1, false, kzvStatusOk},
        {{4, 4}, {5, 4}, 8, false, kzvStatusSizeErr},             // super reduces only
        {{2, 2}, {0x7FFFFFFF, 4}, 2, false, kzvStatusSizeOverflowErr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.src.width << "x" << c.src.height << " -> " << c.dst.width << "x"
                                        << c.dst.height << " interp " << c.interp);
        s = 111, b = 222;
        const KzvStatus st = kzviResizeGetSize_8u(c.src, c.dst, KzvInterp(c.interp), 0, c.nullOut ? nullptr : &s, &b);
        EXPECT_EQ(st, c.want);
        if (st < 0 || st == kzvStatusNoOperation) { EXPECT_TRUE(s == 111 && b == 222); }
        s = 111, b = 222;
        EXPECT_EQ(kzviResizeGetSize_L({c.src.width, c.src.height}, {c.dst.width, c.dst.height}, kzvDataKind16s,
                                      KzvInterp(c.interp), 0, nullptr, nullptr),
                  kzvStatusNullPtrErr);
    }
    EXPECT_EQ(kzviResizeGetSize_8u({4, 4}, {4, 4}, kzvInterpLinear, 0, &s, nullptr), kzvStatusNullPtrErr);
    // 64f: linear only without antialiasing.
    EXPECT_EQ(kzviResizeGetSize_64f({8, 8}, {4, 4}, kzvInterpLinear, 0, &s, &b), kzvStatusOk);
    EXPECT_EQ(kzviResizeGetSize_64f({8, 8}, {4, 4}, kzvInterpCubic, 0, &s, &b), kzvStatusNotSupportedModeErr);
    EXPECT_EQ(kzviResizeGetSize_64f({8, 8}, {4, 4}, kzvInterpNearest, 0, &s, &b), kzvStatusNotSupportedModeErr);
    EXPECT_EQ(kzviResizeGetSize_64f({8, 8}, {4, 4}, kzvInterpNearest, 1, &s, &b), kzvStatusNotSupportedModeErr);
    EXPECT_EQ(kzviResizeGetSize_64f({8, 8}, {4, 4}, KzvInterp(3), 0, &s, &b), kzvStatusInterpolationErr);

    // _L: data kind after the selector, the extent limit after the kind.
    intptr_t sl = 111, bl = 222;
    struct CaseL {
        intptr_t sw, dw;
        int kind, interp;
        uint32_t aa;
        KzvStatus want;
    } lcases[] = {
        {0, 4, 2, 2, 0, kzvStatusNoOperation},
        {-1, 4, 2, 2, 0, kzvStatusSizeErr},
        {4, 4, 2, 3, 0, kzvStatusInterpolationErr},
        {4, 4, 0, 2, 0, kzvStatusDataTypeErr},
        {4, 4, 2, 2, 0, kzvStatusDataTypeErr},
        {4, 4, 19, 6, 0, kzvStatusDataTypeErr},  // 64f with anything but linear
        {4, 4, 19, 2, 1, kzvStatusNotSupportedModeErr},
        {4, 0x2000000, 1, 2, 0, kzvStatusSizeOverflowErr},
        {0x2000000, 4, 99, 2, 0, kzvStatusDataTypeErr},
        {0x1FFFFFF, 4, 1, 2, 0, kzvStatusOk},
        {1, 4, 5, 2, 0, kzvStatusSizeErr},
        {4, 4, 0, 0, 0, kzvStatusDataTypeErr},
        {4, 4, 13, 0, 0, kzvStatusNotSupportedModeErr},
        {4, 4, 19, 2, 0, kzvStatusOk},
    };
    for (const CaseL& c : lcases) {
        SCOPED_TRACE(testing::Message() << "_L " << c.sw << " -> " << c.dw << " kind " << c.kind << " interp "
                                        << c.interp << " aa " << c.aa);
        sl = 111, bl = 222;
        const KzvStatus st =
            kzviResizeGetSize_L({c.sw, 4}, {c.dw, 4}, KzvDataKind(c.kind), KzvInterp(c.interp), c.aa, &sl, &bl);
        EXPECT_EQ(st, c.want);
        if (st < 0 || st == kzvStatusNoOperation) { EXPECT_TRUE(sl == 111 && bl == 222); }
    }
}

// ---- Init ---------------------------------------------------------------------------

TEST(ResizeInit, ChecksInOrderAndWriteNothingOnFailure) {
    Mem spec(1 << 16), init(1 << 14);
    KzvResizeSpec* p = spec.spec();
    Kzv8u* ib = init.p;
    const std::vector<uint8_t> before = spec.v;
    struct Case {
        const char* what;
        std::function<KzvStatus()> call;
        KzvStatus want;
    };
    const KzvImageSize s8{8, 8}, d5{5, 5};
    const KzvImageSizeL s8L{8, 8}, d5L{5, 5};
    const Case cases[] = {
        {"nearest null", [&] { return kzviResizeNearestInit_8u({0, 8}, d5, nullptr); }, kzvStatusNullPtrErr},
        {"nearest zero", [&] { return kzviResizeNearestInit_16u({0, -1}, d5, p); }, kzvStatusNoOperation},
        {"nearest negative", [&] { return kzviResizeNearestInit_16s({-1, 8}, d5, p); }, kzvStatusSizeErr},
        {"nearest 32f negative dst", [&] { return kzviResizeNearestInit_32f(s8, {5, -5}, p); }, kzvStatusSizeErr},
        {"nearest _L kind", [&] { return kzviResizeNearestInit_L(s8L, d5L, KzvDataKind(19), p); }, kzvStatusDataTypeErr},
        {"nearest _L limit", [&] { return kzviResizeNearestInit_L({0x2000000, 8}, d5L, kzvDataKind8u, p); },
         kzvStatusSizeOverflowErr},
        {"linear 1 wide", [&] { return kzviResizeLinearInit_8u({1, 8}, d5, p); }, kzvStatusSizeErr},
        {"linear 16u 1 high", [&] { return kzviResizeLinearInit_16u({8, 1}, d5, p); }, kzvStatusSizeErr},
        {"linear 16s null", [&] { return kzviResizeLinearInit_16s(s8, d5, nullptr); }, kzvStatusNullPtrErr},
        {"linear 32f zero", [&] { return kzviResizeLinearInit_32f(s8, {0, 5}, p); }, kzvStatusNoOperation},
        {"linear 64f small", [&] { return kzviResizeLinearInit_64f({1, 1}, d5, p); }, kzvStatusSizeErr},
        {"linear _L kind", [&] { return kzviResizeLinearInit_L(s8L, d5L, KzvDataKind(2), p); }, kzvStatusDataTypeErr},
        {"linear _L limit", [&] { return kzviResizeLinearInit_L(s8L, {5, 0x2000000}, kzvDataKind64f, p); },
         kzvStatusSizeOverflowErr},
        {"linear 8u_L limit", [&] { return kzviResizeLinearInit_8u_L(s8L, {0x2000000, 5}, kzvAlgHintFast, p); },
         kzvStatusSizeOverflowErr},
        {"linear 8u_L small", [&] { return kzviResizeLinearInit_8u_L({8, 1}, d5L, kzvAlgHintFast, p); },
         kzvStatusSizeErr},
        {"cubic 3 wide", [&] { return kzviResizeCubicInit_8u({3, 8}, d5, 0, 0.5f, p, ib); }, kzvStatusSizeErr},
        {"cubic 16u null init", [&] { return kzviResizeCubicInit_16u(s8, d5, 0, 0.5f, p, nullptr); },
         kzvStatusNullPtrErr},
        {"cubic 16s zero", [&] { return kzviResizeCubicInit_16s({8, 0}, d5, 0, 0.5f, p, ib); }, kzvStatusNoOperation},
        {"cubic 32f 3 high", [&] { return kzviResizeCubicInit_32f({8, 3}, d5, 1, 0, p, ib); }, kzvStatusSizeErr},
        {"cubic 8u_L limit", [&] { return kzviResizeCubicInit_8u_L(s8L, {5, 0x2000000}, 0, 0.5f, kzvAlgHintFast, p, ib); },
         kzvStatusSizeOverflowErr},
        {"cubic _L kind", [&] { return kzviResizeCubicInit_L(s8L, d5L, kzvDataKind64f, 0, 0.5f, p, ib); },
         kzvStatusDataTypeErr},
        {"cubic _L small", [&] { return kzviResizeCubicInit_L({3, 8}, d5L, kzvDataKind8u, 0, 0.5f, p, ib); },
         kzvStatusSizeErr},
        {"lanczos lobes", [&] { return kzviResizeLanczosInit_8u(s8, d5, 4, p, ib); }, kzvStatusNotSupportedModeErr},
        {"lanczos 16u lobes 1", [&] { return kzviResizeLanczosInit_16u(s8, d5, 1, p, ib); },
         kzvStatusNotSupportedModeErr},
        {"lanczos 16s 3 lobes on 5", [&] { return kzviResizeLanczosInit_16s({5, 8}, d5, 3, p, ib); },
         kzvStatusSizeErr},
        {"lanczos 32f 2 lobes on 3", [&] { return kzviResizeLanczosInit_32f({8, 3}, d5, 2, p, ib); },
         kzvStatusSizeErr},
        {"lanczos 8u_L lobes first", [&] { return kzviResizeLanczosInit_8u_L({1, 1}, d5L, 0, kzvAlgHintFast, p, ib); },
         kzvStatusNotSupportedModeErr},
        {"lanczos 8u_L small", [&] { return kzviResizeLanczosInit_8u_L({5, 8}, d5L, 3, kzvAlgHintFast, p, ib); },
         kzvStatusSizeErr},
        {"lanczos _L lobes before kind", [&] { return kzviResizeLanczosInit_L(s8L, d5L, KzvDataKind(2), 5, p, ib); },
         kzvStatusNotSupportedModeErr},
        {"lanczos _L kind before size", [&] { return kzviResizeLanczosInit_L({1, 8}, d5L, KzvDataKind(2), 2, p, ib); },
         kzvStatusDataTypeErr},
        {"lanczos _L size before limit",
         [&] { return kzviResizeLanczosInit_L({3, 8}, {0x2000000, 5}, kzvDataKind8u, 2, p, ib); }, kzvStatusSizeErr},
        {"lanczos _L limit", [&] { return kzviResizeLanczosInit_L(s8L, {0x2000000, 5}, kzvDataKind8u, 2, p, ib); },
         kzvStatusSizeOverflowErr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.call(), c.want) << c.what;
        // A failed init leaves the caller's memory as it was (a partly
        // written spec would carry a valid identifier over stale tables).
        EXPECT_TRUE(spec.v == before) << c.what << ": spec memory written on failure";
    }
}

// Spec and init buffer at any address: an odd init-buffer address is as good as
// an aligned one, and the spec works through the pointer it was made with.
TEST(ResizeInit, AnyAddressForSpecAndInitBuffer) {
    for (int off : {1, 3, 13, 62}) {
        int32_t a = 0, b = 0;
        ASSERT_EQ(kzviResizeGetSize_8u({12, 9}, {5, 17}, kzvInterpLanczos, 0, &a, &b), kzvStatusOk);
        Mem spec(a, off), init(b, off + 1);
        ASSERT_EQ(kzviResizeLanczosInit_8u({12, 9}, {5, 17}, 3, spec.spec(), init.p), kzvStatusOk) << off;
        ASSERT_EQ(kzviResizeSetMode(kzvAlgHintFast, spec.spec()), kzvStatusOk) << off;
        ASSERT_EQ(kzviResizeGetSize_8u({12, 9}, {5, 17}, kzvInterpCubic, 0, &a, &b), kzvStatusOk);
        Mem spec2(a, off), init2(b, 65 - off);
        ASSERT_EQ(kzviResizeCubicInit_16u({12, 9}, {5, 17}, 1.f, 0.f, spec2.spec(), init2.p), kzvStatusOk) << off;
        KzvBorderSize bs{};
        EXPECT_EQ(kzviResizeGetBorderSize_16u(spec2.spec(), &bs), kzvStatusOk);
        EXPECT_EQ(bs.top, 2);
    }
}

// ---- Queries --------------------------------------------------------------------

TEST(ResizeQueries, BorderSizesAndChecks) {
    struct Case {
        int interp, lobes;
        int want;
    } cases[] = {{1, 2, 0}, {2, 2, 1}, {6, 2, 2}, {16, 2, 2}, {16, 3, 3}};
    for (const Case& c : cases) {
        Made m;
        makePlain(m, c.interp, {12, 9}, {5, 17}, false, c.lobes);
        KzvBorderSize b{-1, -1, -1, -1};
        ASSERT_EQ(kzviResizeGetBorderSize_8u(m.p(), &b), kzvStatusOk);
        EXPECT_TRUE(b.left == c.want && b.top == c.want && b.right == c.want && b.bottom == c.want)
            << "interp " << c.interp << ": " << b.left << " " << b.top << " " << b.right << " " << b.bottom;
        EXPECT_EQ(kzviResizeGetBorderSize_16u(m.p(), &b), kzvStatusOk);
        EXPECT_EQ(kzviResizeGetBorderSize_16s(m.p(), &b), kzvStatusOk);
        EXPECT_EQ(kzviResizeGetBorderSize_32f(m.p(), &b), kzvStatusOk);
        EXPECT_EQ(kzviResizeGetBorderSize_64f(m.p(), &b), kzvStatusContextMatchErr);  // needs 64f tables
        EXPECT_EQ(kzviResizeGetBorderSize_L(m.p(), &b), kzvStatusContextMatchErr);
    }
    Made m64, mL;
    makePlain(m64, kzvInterpLinear, {12, 9}, {5, 17}, true);
    makeL(mL, kzvInterpCubic, {12, 9}, {5, 17}, kzvDataKind16u);
    KzvBorderSize b{-1, -1, -1, -1};
    EXPECT_EQ(kzviResizeGetBorderSize_64f(m64.p(), &b), kzvStatusOk);
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(kzviResizeGetBorderSize_L(mL.p(), &b), kzvStatusOk);
    EXPECT_EQ(b.bottom, 2);
    EXPECT_EQ(kzviResizeGetBorderSize_8u(mL.p(), &b), kzvStatusContextMatchErr);
    EXPECT_EQ(kzviResizeGetBorderSize_8u(nullptr, &b), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetBorderSize_L(mL.p(), nullptr), kzvStatusNullPtrErr);
    Mem zero(4096);
    std::fill(zero.v.begin(), zero.v.end(), 0);
    EXPECT_EQ(kzviResizeGetBorderSize_8u(zero.spec(), &b), kzvStatusContextMatchErr);
}

TEST(ResizeQueries, SrcOffsetAndRoiChecks) {
    Made m, mL;
    makePlain(m, kzvInterpLinear, {30, 20}, {12, 45});
    makeL(mL, kzvInterpLinear, {30, 20}, {12, 45}, kzvDataKind32f);
    KzvImagePoint o{-7, -7};
    KzvImageSize z{-7, -7};
    struct Case {
        KzvImagePoint at;
        KzvStatus want;
    } offs[] = {{{0, 0}, 0}, {{11, 44}, 0}, {{-1, 0}, -11}, {{0, -1}, -11}, {{12, 0}, -11}, {{0, 45}, -11}};
    for (const Case& c : offs) {
        o = {-7, -7};
        EXPECT_EQ(kzviResizeGetSrcOffset_8u(m.p(), c.at, &o), c.want) << c.at.x << "," << c.at.y;
        if (c.want) { EXPECT_TRUE(o.x == -7 && o.y == -7); }
        KzvImagePointL ol{-7, -7};
        EXPECT_EQ(kzviResizeGetSrcOffset_L(mL.p(), {c.at.x, c.at.y}, &ol), c.want) << c.at.x << "," << c.at.y;
        EXPECT_EQ(kzviResizeGetSrcRoi_16u(m.p(), {c.at.x, c.at.y, 1, 1}, &o, &z), c.want);
    }
    // floor(x * 30/12) and floor(y * 4/9).
    ASSERT_EQ(kzviResizeGetSrcOffset_16s(m.p(), {5, 10}, &o), kzvStatusOk);
    EXPECT_TRUE(o.x == 12 && o.y == 4) << o.x << "," << o.y;
    EXPECT_EQ(kzviResizeGetSrcOffset_32f(m.p(), {3, 44}, &o), kzvStatusOk);
    EXPECT_TRUE(o.x == 7 && o.y == 19) << o.x << "," << o.y;
    EXPECT_EQ(kzviResizeGetSrcOffset_64f(m.p(), {3, 44}, &o), kzvStatusOk);  // no coefficient-kind test
    EXPECT_EQ(kzviResizeGetSrcOffset_8u(nullptr, {0, 0}, &o), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetSrcOffset_8u(m.p(), {0, 0}, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetSrcOffset_8u(mL.p(), {0, 0}, &o), kzvStatusContextMatchErr);
    KzvImagePointL ol{};
    EXPECT_EQ(kzviResizeGetSrcOffset_L(m.p(), {0, 0}, &ol), kzvStatusContextMatchErr);
    // GetSrcRoi: pointers, then the tile size, then the identifier, then the offset.
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(m.p(), {0, 0, 1, 1}, nullptr, &z), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(m.p(), {0, 0, 1, 1}, &o, nullptr), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(nullptr, {0, 0, 0, 1}, &o, &z), kzvStatusNullPtrErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(mL.p(), {-1, 0, 0, 1}, &o, &z), kzvStatusSizeErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(mL.p(), {-1, 0, 3, -1}, &o, &z), kzvStatusSizeErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_8u(mL.p(), {-1, 0, 3, 1}, &o, &z), kzvStatusContextMatchErr);
    EXPECT_EQ(kzviResizeGetSrcRoi_32f(m.p(), {0, 45, 3, 1}, &o, &z), kzvStatusOutOfRangeErr);
    // A tile overhanging the destination is trimmed: it reaches the source end.
    ASSERT_EQ(kzviResizeGetSrcRoi_16s(m.p(), {10, 40, 50, 50}, &o, &z), kzvStatusOk);
    EXPECT_TRUE(o.x == 25 && o.y == 17 && z.width == 5 && z.height == 3)
        << o.x << "," << o.y << " " << z.width << "x" << z.height;
    KzvImageSizeL zl{};
    ASSERT_EQ(kzviResizeGetSrcRoi_L(mL.p(), {10, 40, 50, 50}, &ol, &zl), kzvStatusOk);
    EXPECT_TRUE(ol.x == 25 && ol.y == 17 && zl.width == 5 && zl.height == 3);
    // Inner tile: column 5 maps to 13.75 - 0.5 -> 13 and row 20 to 9.11 - 0.5 -> 8.
    ASSERT_EQ(kzviResizeGetSrcRoi_64f(m.p(), {2, 10, 4, 11}, &o, &z), kzvStatusOk);
    EXPECT_TRUE(o.x == 5 && o.y == 4 && z.width == 9 && z.height == 5)
        << o.x << "," << o.y << " " << z.width << "x" << z.height;
}

TEST(ResizeQueries, BufferSizesFollowTheFormulas) {
    Rng rng(kzvt::baseSeed() + 1);
    for (int iter = 0; iter < 60; ++iter) {
        const int interp = rng.pick({1, 2, 6, 16});
        const int lobes = rng.pick({2, 3});
        const int sw = rng.uniform(6, 300), sh = rng.uniform(6, 300), dw = rng.uniform(1, 400), dh = rng.uniform(1, 400);
        const bool is64 = interp == kzvInterpLinear && rng.chance(0.3);
        Made m;
        makePlain(m, interp, {sw, sh}, {dw, dh}, is64, lobes);
        const int ry = interp == 1 ? 0 : interp == 2 ? 1 : interp == 6 ? 2 : lobes;
        for (int k = 0; k < 4; ++k) {
            const int c = rng.pick({1, 3, 4});
            const int tw = rng.uniform(1, dw + 20), th = rng.uniform(1, dh + 20);
            const int w = std::min(tw, dw), h = std::min(th, dh);
            const int64_t base = A32(4 * int64_t(w)) + A32(4 * int64_t(h));
            int64_t want = interp == 1 ? base
                                       : is64 ? base + A32(16 * ry + 8) + (2 * ry + 1) * A32(8 * int64_t(c) * w)
                                              : base + 2 * ry * A32(4 * int64_t(c) * w);
            want += 64;
            const KzvStatus ws = (tw > dw || th > dh) ? kzvStatusSizeAdjusted : kzvStatusOk;
            int32_t got = -1;
            SCOPED_TRACE(testing::Message() << "interp " << interp << " lobes " << lobes << (is64 ? " 64f " : " ")
                                            << dw << "x" << dh << " tile " << tw << "x" << th << " C" << c);
            if (is64) {
                ASSERT_EQ(kzviResizeGetBufferSize_64f(m.p(), {tw, th}, c, &got), ws);
            } else {
                ASSERT_EQ(kzviResizeGetBufferSize_8u(m.p(), {tw, th}, c, &got), ws);
                int32_t g2 = -1;
                EXPECT_EQ(kzviResizeGetBufferSize_16u(m.p(), {tw, th}, c, &g2), ws);
                EXPECT_EQ(g2, got);
                EXPECT_EQ(kzviResizeGetBufferSize_16s(m.p(), {tw, th}, c, &g2), ws);
                EXPECT_EQ(kzviResizeGetBufferSize_32f(m.p(), {tw, th}, c, &g2), ws);
                EXPECT_EQ(g2, got);
            }
            EXPECT_EQ(got, want);
        }
    }
    // Checks: pointers, empty tile, identifier, channels, size.
    Made m, mL;
    makePlain(m, kzvInterpCubic, {20, 20}, {10, 10});
    makeL(mL, kzvInterpCubic, {20, 20}, {10, 10}, kzvDataKind8u);
    Mem zero(4096);
    std::fill(zero.v.begin(), zero.v.end(), 0);
    int32_t v = 777;
    struct Case {
        KzvResizeSpec* p;
        KzvImageSize d;
        int c;
        bool nullOut;
        KzvStatus want;
    } cases[] = {
        {nullptr, {0, 4}, 1, false, kzvStatusNullPtrErr},
        {m.p(), {0, 4}, 2, true, kzvStatusNullPtrErr},
        {zero.spec(), {0, 4}, 2, false, kzvStatusNoOperation},
        {zero.spec(), {4, 0}, 1, false, kzvStatusNoOperation},
        {zero.spec(), {-1, 4}, 2, false, kzvStatusContextMatchErr},
        {mL.p(), {4, 4}, 1, false, kzvStatusContextMatchErr},
        {m.p(), {-1, 4}, 2, false, kzvStatusNumChannelsErr},
        {m.p(), {4, 4}, 0, false, kzvStatusNumChannelsErr},
        {m.p(), {4, -4}, 3, false, kzvStatusSizeErr},
        {m.p(), {-4, 4}, 4, false, kzvStatusSizeErr},
        {m.p(), {4, 4}, 4, false, kzvStatusOk},
    };
    for (const Case& c : cases) {
        v = 777;
        EXPECT_EQ(kzviResizeGetBufferSize_8u(c.p, c.d, c.c, c.nullOut ? nullptr : &v), c.want)
            << c.d.width << "x" << c.d.height << " C" << c.c;
        if (c.want != kzvStatusOk) { EXPECT_EQ(v, 777); }
    }
    intptr_t vl = 0;
    EXPECT_EQ(kzviResizeGetBufferSize_L(m.p(), {4, 4}, 1, &vl), kzvStatusContextMatchErr);
    EXPECT_EQ(kzviResizeGetBufferSize_L(mL.p(), {4, 4}, 1, &vl), kzvStatusOk);
    EXPECT_EQ(vl, A32(16) + A32(16) + 4 * A32(16) + 64);
}

// ---- SetMode -------------------------------------------------------------------

TEST(ResizeSetMode, ModesAndChecks) {
    Made lin, nea, cub, l16, l64, c16L;
    makePlain(lin, kzvInterpLinear, {9, 7}, {13, 5});
    makePlain(nea, kzvInterpNearest, {9, 7}, {13, 5});
    makePlain(cub, kzvInterpCubic, {9, 7}, {13, 5});
    makePlain(l64, kzvInterpLinear, {9, 7}, {13, 5}, true);
    l16.spec = Mem(4096, 9);
    ASSERT_EQ(kzviResizeLinearInit_16u({9, 7}, {13, 5}, l16.p()), kzvStatusOk);
    makeL(c16L, kzvInterpCubic, {9, 7}, {13, 5}, kzvDataKind16u);
    auto unchangedBy = [](Made& m, KzvAlgHint h, KzvStatus want) {
        const std::vector<uint8_t> before = m.spec.v;
        EXPECT_EQ(kzviResizeSetMode(h, m.p()), want) << "hint " << h;
        EXPECT_TRUE(m.spec.v == before) << "hint " << h << ": spec changed";
    };
    EXPECT_EQ(kzviResizeSetMode(kzvAlgHintFast, nullptr), kzvStatusNullPtrErr);
    unchangedBy(lin, kzvAlgHintNone, kzvStatusNotSupportedModeErr);
    unchangedBy(lin, KzvAlgHint(3), kzvStatusNotSupportedModeErr);
    unchangedBy(lin, kzvAlgHintFast, kzvStatusOk);   // linear 8u starts fast
    unchangedBy(cub, kzvAlgHintAccurate, kzvStatusOk);  // cubic starts accurate
    unchangedBy(nea, kzvAlgHintAccurate, kzvStatusOk);
    unchangedBy(nea, kzvAlgHintFast, kzvStatusNotSupportedModeErr);
    unchangedBy(l16, kzvAlgHintAccurate, kzvStatusOk);
    unchangedBy(l16, kzvAlgHintFast, kzvStatusNotSupportedModeErr);
    unchangedBy(l64, kzvAlgHintAccurate, kzvStatusOk);
    unchangedBy(l64, kzvAlgHintFast, kzvStatusNotSupportedModeErr);
    unchangedBy(c16L, kzvAlgHintFast, kzvStatusNotSupportedModeErr);
    // Round trips: fast -> accurate -> fast gives the first tables back.
    const std::vector<uint8_t> fast = lin.spec.v;
    EXPECT_EQ(kzviResizeSetMode(kzvAlgHintAccurate, lin.p()), kzvStatusOk);
    EXPECT_FALSE(lin.spec.v == fast);
    EXPECT_EQ(kzviResizeSetMode(kzvAlgHintFast, lin.p()), kzvStatusOk);
    Made lin2;
    makePlain(lin2, kzvInterpLinear, {9, 7}, {13, 5});
    // Same tables, compared through results: both give the same pixels.
    Kzv8u src[63], d1[65], d2[65];
    for (int i = 0; i < 63; ++i) src[i] = Kzv8u(i * 37 + 11);
    int32_t bs = 0;
    ASSERT_EQ(kzviResizeGetBufferSize_8u(lin.p(), {13, 5}, 1, &bs), kzvStatusOk);
    std::vector<Kzv8u> buf(size_t(bs) + 0);
    ASSERT_EQ(kzviResizeLinear_8u_C1R(src, 9, d1, 13, {0, 0}, {13, 5}, 1, nullptr, lin.p(), buf.data()), kzvStatusOk);
    ASSERT_EQ(kzviResizeLinear_8u_C1R(src, 9, d2, 13, {0, 0}, {13, 5}, 1, nullptr, lin2.p(), buf.data()), kzvStatusOk);
    EXPECT_EQ(0, memcmp(d1, d2, 65));
    // A block that carries no resize identifier is refused and nothing is
    // written: here a copy of a valid spec with its identifier cleared, whose
    // header still points at the original's tables.
    Made orig;
    makePlain(orig, kzvInterpLinear, {9, 7}, {13, 5});
    const int32_t size = int32_t(orig.spec.v.size() - size_t(orig.spec.p - orig.spec.v.data()));
    Mem copy(size, 13);
    memcpy(copy.p, orig.spec.p, size_t(size));
    memset(copy.p + ((64 - (reinterpret_cast<uintptr_t>(copy.p) & 63)) & 63), 0, 4);
    const std::vector<uint8_t> o0 = orig.spec.v, c0 = copy.v;
    EXPECT_EQ(kzviResizeSetMode(kzvAlgHintAccurate, copy.spec()), kzvStatusContextMatchErr);
    EXPECT_TRUE(copy.v == c0 && orig.spec.v == o0) << "SetMode wrote through a block that is no spec";
    Mem zero(4096);
    std::fill(zero.v.begin(), zero.v.end(), 0);
    const std::vector<uint8_t> z = zero.v;
    const KzvStatus zs = kzviResizeSetMode(kzvAlgHintFast, zero.spec());
    EXPECT_LT(zs, 0);
    EXPECT_TRUE(zero.v == z);
}

// ---- Apply ------------------------------------------------------------------------

TEST(ResizeApply, ChecksInOrder) {
    Made lin, cub, nea, lan, lin64, linL, lin16, cubL;
    const KzvImageSize S{16, 12}, D{10, 20};
    makePlain(lin, kzvInterpLinear, S, D);
    makePlain(cub, kzvInterpCubic, S, D);
    makePlain(nea, kzvInterpNearest, S, D);
    makePlain(lan, kzvInterpLanczos, S, D);
    makePlain(lin64, kzvInterpLinear, S, D, true);
    makeL(linL, kzvInterpLinear, {16, 12}, {10, 20}, kzvDataKind8u);
    makeL(cubL, kzvInterpCubic, {16, 12}, {10, 20}, kzvDataKind16u);
    lin16.spec = Mem(8192, 1);
    ASSERT_EQ(kzviResizeLinearInit_16u(S, D, lin16.p()), kzvStatusOk);
    Mem zero(8192), other(8192);
    std::fill(zero.v.begin(), zero.v.end(), 0);
    const int32_t yuvId = 0x4B61738A;  // another resize family's spec
    memcpy(other.p + ((64 - (reinterpret_cast<uintptr_t>(other.p) & 63)) & 63), &yuvId, 4);

    GuardedImage src(16, 12, 8), dst(10, 20, 8);
    Rng rng(5);
    src.fillRandomBytes(rng);
    dst.fillRandomBytes(rng);
    std::vector<Kzv8u> buf(1 << 16);
    Kzv8u* b = buf.data();
    const Kzv8u* s8 = src.data();
    Kzv8u* d8 = dst.data();
    auto* s16 = src.ptr<const Kzv16u>();
    auto* d16 = dst.ptr<Kzv16u>();
    auto* s32 = src.ptr<const Kzv32f>();
    auto* d32 = dst.ptr<Kzv32f>();
    auto* s64 = src.ptr<const Kzv64f>();
    auto* d64 = dst.ptr<Kzv64f>();
    const int ss = src.step(), ds = dst.step();
    struct Case {
        const char* what;
        std::function<KzvStatus()> call;
        KzvStatus want;
    };
    const Case cases[] = {
        // The border selector first, before any pointer.
        {"border 256", [&] { return kzviResizeLinear_8u_C1R(nullptr, ss, d8, ds, {0, 0}, D, 256, nullptr, lin.p(), b); },
         kzvStatusBorderErr},
        {"border 0x10", [&] { return kzviResizeCubic_8u_C1R(nullptr, ss, d8, ds, {0, 0}, D, 0x10, nullptr, cub.p(), b); },
         kzvStatusBorderErr},
        {"null src", [&] { return kzviResizeLinear_8u_C1R(nullptr, ss, d8, ds, {0, 0}, {0, 0}, 1, nullptr, lin.p(), b); },
         kzvStatusNullPtrErr},
        {"null dst", [&] { return kzviResizeNearest_8u_C1R(s8, ss, nullptr, ds, {0, 0}, D, nea.p(), b); },
         kzvStatusNullPtrErr},
        {"null spec", [&] { return kzviResizeLanczos_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, nullptr, b); },
         kzvStatusNullPtrErr},
        {"null buffer", [&] { return kzviResizeCubic_8u_C1R(s8, ss, d8, ds, {0, 0}, {0, 3}, 1, nullptr, cub.p(), nullptr); },
         kzvStatusNullPtrErr},
        // An empty tile before the identifier.
        {"empty tile", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {-5, 0}, {0, 5}, 1, nullptr, zero.spec(), b); },
         kzvStatusNoOperation},
        {"empty tile nearest", [&] { return kzviResizeNearest_16u_C1R(s16, 1, d16, ds, {0, 0}, {5, 0}, zero.spec(), b); },
         kzvStatusNoOperation},
        {"zero spec", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, {-1, 5}, 1, nullptr, zero.spec(), b); },
         kzvStatusContextMatchErr},
        {"other family", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, other.spec(), b); },
         kzvStatusContextMatchErr},
        {"_L spec to plain", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, linL.p(), b); },
         kzvStatusContextMatchErr},
        {"plain spec to _L", [&] { return kzviResizeLinear_8u_C1R_L(s8, ss, d8, ds, {0, 0}, {10, 20}, 1, nullptr, lin.p(), b); },
         kzvStatusContextMatchErr},
        {"_L cubic spec to plain", [&] { return kzviResizeCubic_16u_C1R(s16, ss, d16, ds, {0, 0}, D, 1, nullptr, cubL.p(), b); },
         kzvStatusContextMatchErr},
        // Coefficient kinds: Q14 tables only for 8u; 64f tables only for 64f.
        {"fast spec to 16u", [&] { return kzviResizeLinear_16u_C1R(s16, ss, d16, ds, {0, 0}, D, 1, nullptr, lin.p(), b); },
         kzvStatusContextMatchErr},
        {"64f spec to 8u", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, lin64.p(), b); },
         kzvStatusContextMatchErr},
        {"64f spec to 32f", [&] { return kzviResizeLinear_32f_C1R(s32, ss, d32, ds, {0, 0}, D, 1, nullptr, lin64.p(), b); },
         kzvStatusContextMatchErr},
        {"32f spec to 64f", [&] { return kzviResizeLinear_64f_C1R(s64, ss, d64, ds, {0, 0}, D, 1, nullptr, lin16.p(), b); },
         kzvStatusContextMatchErr},
        // The identifier before the tile size; the size before steps.
        {"negative tile", [&] { return kzviResizeLinear_16u_C1R(s16, 1, d16, ds, {0, 0}, {-1, 5}, 1, nullptr, lin16.p(), b); },
         kzvStatusSizeErr},
        {"odd 16u src step", [&] { return kzviResizeLinear_16u_C1R(s16, 33, d16, ds, {-1, 0}, D, 1, nullptr, lin16.p(), b); },
         kzvStatusStepErr},
        {"odd 16u dst step", [&] { return kzviResizeCubic_16u_C1R(s16, ss, d16, 31, {0, 0}, D, 1, nullptr, cub.p(), b); },
         kzvStatusStepErr},
        {"32f step 66", [&] { return kzviResizeLinear_32f_C1R(s32, 66, d32, ds, {0, 0}, D, 1, nullptr, lin16.p(), b); },
         kzvStatusStepErr},
        {"64f step 4", [&] { return kzviResizeLinear_64f_C1R(s64, ss, d64, ds - 4, {0, 0}, D, 1, nullptr, lin64.p(), b); },
         kzvStatusStepErr},
        // Steps before the offset.
        {"offset x = width", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {10, 0}, D, 1, nullptr, lin.p(), b); },
         kzvStatusOutOfRangeErr},
        {"offset y < 0", [&] { return kzviResizeNearest_8u_C1R(s8, ss, d8, ds, {0, -1}, D, nea.p(), b); },
         kzvStatusOutOfRangeErr},
        {"offset y = height", [&] { return kzviResizeLinear_16u_C1R(s16, ss, d16, ds, {0, 20}, D, 1, nullptr, lin16.p(), b); },
         kzvStatusOutOfRangeErr},
        {"8u has no step check", [&] { return kzviResizeLinear_8u_C1R(s8, 1, d8, ds, {12, 0}, D, 1, nullptr, lin.p(), b); },
         kzvStatusOutOfRangeErr},
        // Interpolation of the spec last.
        {"linear spec to cubic", [&] { return kzviResizeCubic_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, lin.p(), b); },
         kzvStatusContextMatchErr},
        {"cubic spec to linear", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, cub.p(), b); },
         kzvStatusContextMatchErr},
        {"cubic spec to Lanczos", [&] { return kzviResizeLanczos_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, cub.p(), b); },
         kzvStatusContextMatchErr},
        {"Lanczos spec to nearest", [&] { return kzviResizeNearest_8u_C1R(s8, ss, d8, ds, {0, 0}, D, lan.p(), b); },
         kzvStatusContextMatchErr},
        {"nearest spec to linear", [&] { return kzviResizeLinear_8u_C1R(s8, ss, d8, ds, {0, 0}, D, 1, nullptr, nea.p(), b); },
         kzvStatusContextMatchErr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.call(), c.want) << c.what;
        EXPECT_TRUE(dst.unchanged()) << c.what;
    }
    // An accurate (single-precision) spec serves the 8u functions too.
    GuardedImage out(10, 20, 1);
    EXPECT_EQ(kzviResizeLinear_8u_C1R(s8, ss, out.data(), out.step(), {0, 0}, D, 1, nullptr, lin16.p(), b), kzvStatusOk);
}

// Border selectors per family: accepted kinds with any flags, 0xF0 alone;
// everything else -225 with nothing written.
TEST(ResizeApply, BorderSelectorTable) {
    Made lin, cub, lan, linL, cubL, lanL;
    const KzvImageSize S{16, 12}, D{10, 20};
    makePlain(lin, kzvInterpLinear, S, D);
    makePlain(cub, kzvInterpCubic, S, D);
    makePlain(lan, kzvInterpLanczos, S, D);
    makeL(linL, kzvInterpLinear, {16, 12}, {10, 20}, kzvDataKind8u);
    makeL(cubL, kzvInterpCubic, {16, 12}, {10, 20}, kzvDataKind8u);
    makeL(lanL, kzvInterpLanczos, {16, 12}, {10, 20}, kzvDataKind8u);
    // Real pixels around the region on every side for the flag cases.
    GuardedImage src(16 + 6, 12 + 6, 1);
    Rng rng(9);
    src.fillRandomBytes(rng);
    const Kzv8u* s = src.row(3) + 3;
    std::vector<Kzv8u> buf(1 << 16);
    using Fn = std::function<KzvStatus(Kzv8u*, int32_t, KzvBorderKind)>;
    struct Family {
        const char* name;
        Fn fn;
        std::vector<int> kinds;
    };
    const int ss = src.step();
    const Family fams[] = {
        {"linear", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeLinear_8u_C1R(s, ss, d, ds, {0, 0}, D, k, nullptr, lin.p(), buf.data()); }, {1, 3, 4}},
        {"cubic", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeCubic_8u_C1R(s, ss, d, ds, {0, 0}, D, k, nullptr, cub.p(), buf.data()); }, {1, 3, 4}},
        {"Lanczos", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeLanczos_8u_C1R(s, ss, d, ds, {0, 0}, D, k, nullptr, lan.p(), buf.data()); }, {1}},
        {"linear _L", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeLinear_8u_C1R_L(s, ss, d, ds, {0, 0}, {10, 20}, k, nullptr, linL.p(), buf.data()); }, {1}},
        {"cubic _L", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeCubic_8u_C1R_L(s, ss, d, ds, {0, 0}, {10, 20}, k, nullptr, cubL.p(), buf.data()); }, {1}},
        {"Lanczos _L", [&](Kzv8u* d, int32_t ds, KzvBorderKind k) {
             return kzviResizeLanczos_8u_C1R_L(s, ss, d, ds, {0, 0}, {10, 20}, k, nullptr, lanL.p(), buf.data()); }, {1}},
    };
    for (const Family& f : fams) {
        for (uint32_t v : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 15u, 0x10u, 0x70u, 0xB0u, 0xF0u, 0xF1u, 0x13u, 0x24u,
                           0x43u, 0x84u, 0xF3u, 0xF6u, 0x101u, 0x1F0u, 0xFFFFFFFFu}) {
            const int kind = int(v & 15);
            const bool ok = v <= 255 && (v == 0xF0 || std::find(f.kinds.begin(), f.kinds.end(), kind) != f.kinds.end());
            GuardedImage dst(10, 20, 1);
            dst.fillRandomBytes(rng);
            const KzvStatus st = f.fn(dst.data(), dst.step(), KzvBorderKind(v));
            EXPECT_EQ(st, ok ? kzvStatusOk : kzvStatusBorderErr) << f.name << " border 0x" << std::hex << v;
            if (!ok) { EXPECT_TRUE(dst.unchanged()) << f.name << " border 0x" << std::hex << v; }
        }
    }
}

// Documented values: nearest repeats pixels by the 1e-10 rule, the fast
// linear path reproduces exact positions, cubic (0, 0.5) interpolates,
// 32f keeps overshoot and 16u saturates it.
TEST(ResizeApply, DocumentedValues) {
    std::vector<Kzv8u> buf(1 << 16);
    {
        Made m;
        makePlain(m, kzvInterpNearest, {3, 1}, {6, 1});
        const Kzv8u s[3] = {10, 20, 30};
        Kzv8u d[6] = {};
        ASSERT_EQ(kzviResizeNearest_8u_C1R(s, 3, d, 6, {0, 0}, {6, 1}, m.p(), buf.data()), kzvStatusOk);
        const Kzv8u want[6] = {10, 10, 20, 20, 30, 30};
        EXPECT_EQ(0, memcmp(d, want, 6));
    }
    {
        // 4 -> 2: positions 0.5 and 2.5; then 2 -> 4 by 2 in each direction.
        Made m;
        makePlain(m, kzvInterpLinear, {5, 3}, {5, 3});
        Kzv8u s[15], d[15];
        for (int i = 0; i < 15; ++i) s[i] = Kzv8u(i * 17);
        ASSERT_EQ(kzviResizeLinear_8u_C1R(s, 5, d, 5, {0, 0}, {5, 3}, 1, nullptr, m.p(), buf.data()), kzvStatusOk);
        EXPECT_EQ(0, memcmp(s, d, 15)) << "equal sizes reproduce the source";
    }
    {
        Made m;
        makePlain(m, kzvInterpCubic, {4, 4}, {12, 12});  // centres 1, 4, 7, 10 land on source centres
        Kzv8u s[16], d[144];
        for (int i = 0; i < 16; ++i) s[i] = Kzv8u(i * 13 + 5);
        ASSERT_EQ(kzviResizeCubic_8u_C1R(s, 4, d, 12, {0, 0}, {12, 12}, 1, nullptr, m.p(), buf.data()), kzvStatusOk);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) EXPECT_EQ(d[(3 * y + 1) * 12 + 3 * x + 1], s[y * 4 + x]) << x << "," << y;
        ASSERT_EQ(kzviResizeSetMode(kzvAlgHintFast, m.p()), kzvStatusOk);
        ASSERT_EQ(kzviResizeCubic_8u_C1R(s, 4, d, 12, {0, 0}, {12, 12}, 1, nullptr, m.p(), buf.data()), kzvStatusOk);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) EXPECT_EQ(d[(3 * y + 1) * 12 + 3 * x + 1], s[y * 4 + x]) << x << "," << y;
    }
    {
        // A step edge: Lanczos and cubic overshoot pass through in 32f and
        // saturate in 16u.
        Made c;
        makePlain(c, kzvInterpLanczos, {8, 4}, {24, 4});
        Kzv32f sf[32];
        Kzv16u su[32];
        for (int i = 0; i < 32; ++i) sf[i] = (i % 8) < 4 ? 0.f : 65535.f, su[i] = Kzv16u(sf[i]);
        Kzv32f df[96];
        Kzv16u du[96];
        ASSERT_EQ(kzviResizeLanczos_32f_C1R(sf, 32, df, 96, {0, 0}, {24, 4}, 1, nullptr, c.p(), buf.data()), kzvStatusOk);
        ASSERT_EQ(kzviResizeLanczos_16u_C1R(su, 16, du, 48, {0, 0}, {24, 4}, 1, nullptr, c.p(), buf.data()), kzvStatusOk);
        const float mx = *std::max_element(df, df + 96), mn = *std::min_element(df, df + 96);
        EXPECT_GT(mx, 65535.f);
        EXPECT_LT(mn, 0.f);
        EXPECT_EQ(*std::max_element(du, du + 96), 65535);
        EXPECT_EQ(*std::min_element(du, du + 96), 0);
    }
}
