// Border copies: every export against a scalar reference over random frames
// on guarded images, the in-place and equal-pointer forms, the AC4 alpha rule
// of each family, and the argument-check table.
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "kzvt.h"

using kzvt::GuardedImage;

namespace {

enum class Fam { Const, Replicate, Mirror, Wrap };
enum class Lay { C1, C3, C4, AC4 };

// All arguments of a call; the callers below pass the ones each form takes.
struct Args {
    const void* src = nullptr;
    ptrdiff_t srcStep = 0, sw = 0, sh = 0;
    void* dst = nullptr;
    ptrdiff_t dstStep = 0, dw = 0, dh = 0, top = 0, left = 0;
    const void* value = nullptr;  // the constant family's values
};

struct Member {
    std::string name;
    Fam fam;
    Lay lay;
    int sampleBytes;
    std::function<KzvStatus(const Args&)> r, ir, rl, irl;
    int channels() const { return lay == Lay::C1 ? 1 : (lay == Lay::C3 ? 3 : 4); }
    int pixelBytes() const { return channels() * sampleBytes; }
};

template <class CT, Fam F, Lay L, class FR, class FIR, class FRL, class FIRL>
Member makeMember(const char* name, FR fr, FIR fir, FRL frl, FIRL firl) {
    Member m;
    m.name = name;
    m.fam = F;
    m.lay = L;
    m.sampleBytes = int(sizeof(CT));
    // Constant C1 members take the value by value, the others a pointer.
    auto val = [](const Args& a) {
        if constexpr (F == Fam::Const && L == Lay::C1) {
            CT v;
            memcpy(&v, a.value, sizeof v);
            return v;
        } else {
            return static_cast<const CT*>(a.value);
        }
    };
    m.r = [=](const Args& a) {
        const KzvImageSize s{int32_t(a.sw), int32_t(a.sh)}, d{int32_t(a.dw), int32_t(a.dh)};
        auto src = static_cast<const CT*>(a.src);
        auto dst = static_cast<CT*>(a.dst);
        if constexpr (F == Fam::Const)
            return fr(src, int32_t(a.srcStep), s, dst, int32_t(a.dstStep), d, int32_t(a.top), int32_t(a.left), val(a));
        else
            return fr(src, int32_t(a.srcStep), s, dst, int32_t(a.dstStep), d, int32_t(a.top), int32_t(a.left));
    };
    m.ir = [=](const Args& a) {
        const KzvImageSize s{int32_t(a.sw), int32_t(a.sh)}, d{int32_t(a.dw), int32_t(a.dh)};
        auto p = static_cast<CT*>(a.dst);
        if constexpr (F == Fam::Const)
            return fir(p, int32_t(a.dstStep), s, d, int32_t(a.top), int32_t(a.left), val(a));
        else
            return fir(p, int32_t(a.dstStep), s, d, int32_t(a.top), int32_t(a.left));
    };
    m.rl = [=](const Args& a) {
        const KzvImageSizeL s{a.sw, a.sh}, d{a.dw, a.dh};
        auto src = static_cast<const CT*>(a.src);
        auto dst = static_cast<CT*>(a.dst);
        if constexpr (F == Fam::Const)
            return frl(src, a.srcStep, s, dst, a.dstStep, d, a.top, a.left, val(a));
        else
            return frl(src, a.srcStep, s, dst, a.dstStep, d, a.top, a.left);
    };
    m.irl = [=](const Args& a) {
        const KzvImageSizeL s{a.sw, a.sh}, d{a.dw, a.dh};
        auto p = static_cast<CT*>(a.dst);
        if constexpr (F == Fam::Const)
            return firl(p, a.dstStep, s, d, a.top, a.left, val(a));
        else
            return firl(p, a.dstStep, s, d, a.top, a.left);
    };
    return m;
}

const std::vector<Member>& members() {
    static const std::vector<Member> all = [] {
        std::vector<Member> v;
#define X(nR, nIR, nRL, nIRL, FAM, CT, LAY) \
    v.push_back(makeMember<CT, Fam::FAM, Lay::LAY>(#nR, nR, nIR, nRL, nIRL));
#include "filter/border_exports.inc"
#undef X
        return v;
    }();
    return all;
}

// ---- Reference ------------------------------------------------------------------

ptrdiff_t refMap(Fam f, ptrdiff_t i, ptrdiff_t n) {
    switch (f) {
    case Fam::Replicate: return i < 0 ? 0 : (i >= n ? n - 1 : i);
    case Fam::Mirror:
        if (n == 1) return 0;
        while (i < 0 || i >= n) i = i < 0 ? -i : 2 * (n - 1) - i;
        return i;
    case Fam::Wrap:
        while (i < 0) i += n;
        while (i >= n) i -= n;
        return i;
    case Fam::Const: break;
    }
    return i;
}

enum class AlphaRule { NotAc4, Untouched, SidesKeep };

AlphaRule alphaRule(const Member& m) {
    if (m.lay != Lay::AC4) return AlphaRule::NotAc4;
    if (m.fam == Fam::Replicate && m.sampleBytes < 4) return AlphaRule::SidesKeep;
    return AlphaRule::Untouched;
}

struct Geometry {
    int sw, sh, dw, dh, top, left;
};

// The expected frame (dw x dh pixels, packed) from the packed source region
// and the frame's contents before the call.
std::vector<uint8_t> reference(const Member& m, const Geometry& g, const std::vector<uint8_t>& src,
                               const std::vector<uint8_t>& before, const std::vector<uint8_t>& value) {
    const int pb = m.pixelBytes(), sb = m.sampleBytes;
    const int colour = (m.lay == Lay::AC4 ? 3 : m.channels()) * sb;
    const AlphaRule rule = alphaRule(m);
    std::vector<uint8_t> out = before;
    auto srcPx = [&](ptrdiff_t x, ptrdiff_t y) { return &src[size_t((y * g.sw + x) * pb)]; };
    auto px = [&](ptrdiff_t X, ptrdiff_t Y) { return size_t((Y * g.dw + X) * pb); };
    for (ptrdiff_t Y = 0; Y < g.dh; ++Y) {
        for (ptrdiff_t X = 0; X < g.dw; ++X) {
            const ptrdiff_t x = X - g.left, y = Y - g.top;
            const bool inX = x >= 0 && x < g.sw, inY = y >= 0 && y < g.sh;
            uint8_t* o = &out[px(X, Y)];
            if (inX && inY) {
                memcpy(o, srcPx(x, y), size_t(colour));
            } else if (m.fam == Fam::Const) {
                memcpy(o, value.data(), size_t(colour));
            } else {
                memcpy(o, srcPx(refMap(m.fam, x, g.sw), refMap(m.fam, y, g.sh)), size_t(colour));
            }
            if (rule == AlphaRule::NotAc4 || rule == AlphaRule::Untouched) continue;
            // Replicate, 8u and 16-bit AC4: the region is copied whole, the
            // side borders keep their alpha, and the rows above and below copy
            // the alpha their completed source row holds.
            const ptrdiff_t rowY = inY ? y : refMap(m.fam, y, g.sh);
            if (inX) memcpy(o + colour, srcPx(x, rowY) + colour, size_t(sb));
            else memcpy(o + colour, &before[px(X, g.top + rowY)] + colour, size_t(sb));
        }
    }
    return out;
}

std::vector<uint8_t> randomValue(kzvt::Rng& rng, int bytes) {
    std::vector<uint8_t> v(static_cast<size_t>(bytes));
    for (auto& b : v) b = uint8_t(rng.bits());
    return v;
}

Geometry randomGeometry(kzvt::Rng& rng) {
    Geometry g;
    g.sw = rng.chance(0.15) ? rng.uniform(40, 90) : rng.uniform(1, 12);
    g.sh = rng.uniform(1, 5);
    auto border = [&](int n) { return rng.chance(0.2) ? 0 : (rng.chance(0.2) ? rng.uniform(n, 3 * n + 3) : rng.uniform(1, 5)); };
    g.left = border(g.sw);
    g.top = border(g.sh);
    g.dw = g.sw + g.left + border(g.sw);
    g.dh = g.sh + g.top + border(g.sh);
    return g;
}

std::string describe(const Member& m, const char* form, const Geometry& g) {
    return m.name + " " + form + " src " + std::to_string(g.sw) + "x" + std::to_string(g.sh) + " dst " +
           std::to_string(g.dw) + "x" + std::to_string(g.dh) + " top " + std::to_string(g.top) + " left " +
           std::to_string(g.left);
}

}  // namespace

// Not-in-place forms (plain and _L) on separate guarded images.
TEST(BorderCopy, MatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Member& m : members()) {
            for (int iter = 0; iter < 8; ++iter) {
                const Geometry g = randomGeometry(rng);
                const int pb = m.pixelBytes();
                GuardedImage src(kzvt::randomLayout(rng, g.sw, g.sh, pb, m.sampleBytes, false));
                GuardedImage dst(kzvt::randomLayout(rng, g.dw, g.dh, pb, m.sampleBytes, false));
                src.fillRandomBytes(rng);
                dst.fillRandomBytes(rng);
                const std::vector<uint8_t> value = randomValue(rng, pb);
                const bool useL = iter & 1;
                Args a;
                a.src = src.data();
                a.srcStep = src.step();
                a.sw = g.sw;
                a.sh = g.sh;
                a.dst = dst.data();
                a.dstStep = dst.step();
                a.dw = g.dw;
                a.dh = g.dh;
                a.top = g.top;
                a.left = g.left;
                a.value = value.data();
                const std::string what = describe(m, useL ? "R_L" : "R", g);
                const std::vector<uint8_t> want = reference(m, g, src.packed(), dst.packed(), value);
                ASSERT_EQ((useL ? m.rl : m.r)(a), kzvStatusOk) << what;
                ASSERT_TRUE(kzvt::regionNear(dst, want)) << what;
                ASSERT_TRUE(dst.checkWrites()) << what;
                ASSERT_TRUE(src.unchanged()) << what;
            }
        }
    });
}

// In-place forms, and the not-in-place forms called with equal pointers
// (replicate, mirror, wrap), on a frame whose interior is the source.
TEST(BorderCopy, InPlaceAndEqualPointers) {
    kzvt::forEachSeed([](uint64_t seed) {
        kzvt::Rng rng(seed);
        for (const Member& m : members()) {
            for (int iter = 0; iter < 8; ++iter) {
                const Geometry g = randomGeometry(rng);
                const int pb = m.pixelBytes();
                GuardedImage img(kzvt::randomLayout(rng, g.dw, g.dh, pb, m.sampleBytes, false));
                img.fillRandomBytes(rng);
                const std::vector<uint8_t> before = img.packed();
                std::vector<uint8_t> src(size_t(g.sw * g.sh * pb));
                for (int y = 0; y < g.sh; ++y)
                    memcpy(&src[size_t(y * g.sw * pb)], img.row(g.top + y) + g.left * pb, size_t(g.sw * pb));
                const std::vector<uint8_t> value = randomValue(rng, pb);
                Args a;
                a.sw = g.sw;
                a.sh = g.sh;
                a.dst = img.row(g.top) + g.left * pb;
                a.dstStep = img.step();
                a.dw = g.dw;
                a.dh = g.dh;
                a.top = g.top;
                a.left = g.left;
                a.value = value.data();
                const int form = iter % 4;  // IR, IR_L, R with equal pointers, R_L with equal pointers
                if (form >= 2 && m.fam == Fam::Const) continue;
                a.src = a.dst;
                // Replicate and mirror ignore the source step then; wrap checks it.
                a.srcStep = m.fam == Fam::Wrap ? 1 : 0;
                const char* names[] = {"IR", "IR_L", "R (pSrc == pDst)", "R_L (pSrc == pDst)"};
                const std::string what = describe(m, names[form], g);
                const auto& call = form == 0 ? m.ir : (form == 1 ? m.irl : (form == 2 ? m.r : m.rl));
                ASSERT_EQ(call(a), kzvStatusOk) << what;
                ASSERT_TRUE(kzvt::regionNear(img, reference(m, g, src, before, value))) << what;
                ASSERT_TRUE(img.checkWrites()) << what;
            }
        }
    });
}

// The examples of the contract, as fixtures that do not depend on the
// reference's reading of the maps.
TEST(BorderCopy, WideMirrorAndWrapBorders) {
    const Kzv8u src8[3] = {10, 11, 12};
    Kzv8u dst8[10];
    ASSERT_EQ(kzviCopyMirrorBorder_8u_C1R(src8, 3, {3, 1}, dst8, 10, {10, 1}, 0, 6), kzvStatusOk);
    const Kzv8u wantMirror[10] = {12, 11, 10, 11, 12, 11, 10, 11, 12, 11};
    EXPECT_EQ(memcmp(dst8, wantMirror, sizeof dst8), 0);

    const Kzv32s src32[2] = {-1, 7};
    Kzv32s dst32[9];
    ASSERT_EQ(kzviCopyWrapBorder_32s_C1R(src32, 8, {2, 1}, dst32, 36, {9, 1}, 0, 5), kzvStatusOk);
    const Kzv32s wantWrap[9] = {7, -1, 7, -1, 7, -1, 7, -1, 7};
    EXPECT_EQ(memcmp(dst32, wantWrap, sizeof dst32), 0);

    // One source pixel: every frame pixel of the mirror equals it.
    const Kzv16u one = 0xBEEF;
    Kzv16u dst16[5 * 4];
    ASSERT_EQ(kzviCopyMirrorBorder_16u_C1R(&one, 2, {1, 1}, dst16, 10, {5, 4}, 2, 3), kzvStatusOk);
    for (Kzv16u v : dst16) EXPECT_EQ(v, one);

    // Replicate corners are the source corners.
    const Kzv32f srcF[4] = {1.f, 2.f, 3.f, 4.f};  // 2 x 2
    Kzv32f dstF[4 * 4];
    ASSERT_EQ(kzviCopyReplicateBorder_32f_C1R(srcF, 8, {2, 2}, dstF, 16, {4, 4}, 1, 1), kzvStatusOk);
    const Kzv32f wantF[16] = {1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4};
    EXPECT_EQ(memcmp(dstF, wantF, sizeof dstF), 0);
}

// Check order: null pointers, steps, sizes, then the constant family's value
// pointer; the destination is untouched on every error.
TEST(BorderCopy, ArgumentChecks) {
    struct Case {
        const char* what;
        std::function<void(Args&)> edit;
        KzvStatus want;      // R forms
        KzvStatus wantIR;    // IR forms (which ignore the source arguments)
        bool constValueOnly; // applies to constant members with a value pointer
    };
    const Case cases[] = {
        {"valid", [](Args&) {}, kzvStatusOk, kzvStatusOk, false},
        {"src null", [](Args& a) { a.src = nullptr; }, kzvStatusNullPtrErr, kzvStatusOk, false},
        {"dst null", [](Args& a) { a.dst = nullptr; }, kzvStatusNullPtrErr, kzvStatusNullPtrErr, false},
        {"src null, bad step and size", [](Args& a) { a.src = nullptr; a.srcStep = 0; a.sw = 0; },
         kzvStatusNullPtrErr, kzvStatusSizeErr, false},
        {"src step 0", [](Args& a) { a.srcStep = 0; }, kzvStatusStepErr, kzvStatusOk, false},
        {"dst step -4", [](Args& a) { a.dstStep = -4; }, kzvStatusStepErr, kzvStatusStepErr, false},
        {"dst step 0, width 0", [](Args& a) { a.dstStep = 0; a.sw = 0; }, kzvStatusStepErr, kzvStatusStepErr, false},
        {"src width 0", [](Args& a) { a.sw = 0; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"src height -1", [](Args& a) { a.sh = -1; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"dst width 0", [](Args& a) { a.dw = 0; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"dst height 0", [](Args& a) { a.dh = 0; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"top -1", [](Args& a) { a.top = -1; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"left -1", [](Args& a) { a.left = -1; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"frame one column short", [](Args& a) { a.dw = a.sw + a.left - 1; }, kzvStatusSizeErr, kzvStatusSizeErr,
         false},
        {"frame one row short", [](Args& a) { a.dh = a.sh + a.top - 1; }, kzvStatusSizeErr, kzvStatusSizeErr, false},
        {"no right or bottom border", [](Args& a) { a.dw = a.sw + a.left; a.dh = a.sh + a.top; }, kzvStatusOk,
         kzvStatusOk, false},
        {"value null", [](Args& a) { a.value = nullptr; }, kzvStatusNullPtrErr, kzvStatusNullPtrErr, true},
        {"value null, bad size", [](Args& a) { a.value = nullptr; a.sw = 0; }, kzvStatusSizeErr,
         kzvStatusNullPtrErr, true},
        {"value null, step 0", [](Args& a) { a.value = nullptr; a.dstStep = 0; }, kzvStatusStepErr,
         kzvStatusNullPtrErr, true},
    };
    kzvt::Rng rng(7);
    for (const Member& m : members()) {
        const int pb = m.pixelBytes();
        const Geometry g{3, 2, 8, 6, 2, 3};
        GuardedImage src(g.sw, g.sh, pb, 3), frame(g.dw, g.dh, pb, 5);
        for (const Case& c : cases) {
            if (c.constValueOnly && !(m.fam == Fam::Const && m.lay != Lay::C1)) continue;
            for (int form = 0; form < 4; ++form) {
                src.fillRandomBytes(rng);
                frame.fillRandomBytes(rng);
                const std::vector<uint8_t> value = randomValue(rng, pb);
                Args a;
                a.src = src.data();
                a.srcStep = src.step();
                a.sw = g.sw;
                a.sh = g.sh;
                const bool inPlace = form >= 2;
                a.dst = inPlace ? frame.row(g.top) + g.left * pb : frame.data();
                a.dstStep = frame.step();
                a.dw = g.dw;
                a.dh = g.dh;
                a.top = g.top;
                a.left = g.left;
                a.value = value.data();
                c.edit(a);
                const KzvStatus want = inPlace ? c.wantIR : c.want;
                const auto& call = form == 0 ? m.r : (form == 1 ? m.rl : (form == 2 ? m.ir : m.irl));
                EXPECT_EQ(call(a), want) << m.name << " form " << form << ": " << c.what;
                if (want != kzvStatusOk) {
                    EXPECT_TRUE(frame.unchanged()) << m.name << " form " << form << ": " << c.what;
                }
            }
        }
    }
}

// Equal pointers: replicate and mirror take them as the in-place form before
// any check (so the source step is never looked at), wrap only after its
// checks; the constant family has no such rule.
TEST(BorderCopy, EqualPointerRule) {
    for (const Member& m : members()) {
        if (m.fam == Fam::Const) continue;
        const int pb = m.pixelBytes();
        for (ptrdiff_t srcStep : {ptrdiff_t(0), ptrdiff_t(-3)}) {
            GuardedImage frame(6, 5, pb, 2);
            kzvt::Rng rng(11);
            frame.fillRandomBytes(rng);
            Args a;
            a.dst = frame.row(1) + 2 * pb;
            a.src = a.dst;
            a.srcStep = srcStep;
            a.dstStep = frame.step();
            a.sw = 3;
            a.sh = 2;
            a.dw = 6;
            a.dh = 5;
            a.top = 1;
            a.left = 2;
            const KzvStatus want = m.fam == Fam::Wrap ? kzvStatusStepErr : kzvStatusOk;
            EXPECT_EQ(m.r(a), want) << m.name << " srcStep " << srcStep;
            EXPECT_EQ(m.rl(a), want) << m.name << "_L srcStep " << srcStep;
            if (want != kzvStatusOk) {
                EXPECT_TRUE(frame.unchanged()) << m.name;
            }
        }
    }
}
