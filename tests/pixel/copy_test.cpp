// Copy, set, Dup, SwapChannels and CopyManaged exports against a plain scalar
// reference on guarded images: random sizes, steps (negative too), misaligned
// pointers, every type and layout of the export list.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "kzvt.h"

using kzvt::GuardedImage;
using kzvt::Layout;
using kzvt::Rng;

namespace {

// ---- Export tables from the family's list ------------------------------------

enum class TOp {
    C1, C3, C4, AC4, C3C1, C4C1, C1C3, C1C4, C3C, C4C, AC4C3, C3AC4, C4C3, DupC1C3, DupC1C4,
};

using CopyFn = KzvStatus (*)(const void*, int32_t, void*, int32_t, KzvImageSize);
using CopyMFn = KzvStatus (*)(const void*, int32_t, void*, int32_t, KzvImageSize, const Kzv8u*, int32_t);
using ToPlanesFn = KzvStatus (*)(const void*, int32_t, void* const*, int32_t, KzvImageSize);
using FromPlanesFn = KzvStatus (*)(const void* const*, int32_t, void*, int32_t, KzvImageSize);
using CopyLFn = KzvStatus (*)(const void*, intptr_t, void*, intptr_t, KzvImageSizeL);
using SetFn = KzvStatus (*)(const void* value, void*, int32_t, KzvImageSize);
using SetMFn = KzvStatus (*)(const void* value, void*, int32_t, KzvImageSize, const Kzv8u*, int32_t);
using SwapFn = KzvStatus (*)(const void*, int32_t, void*, int32_t, KzvImageSize, const int32_t*);
using SwapIFn = KzvStatus (*)(void*, int32_t, KzvImageSize, const int32_t*);
using Swap34Fn = KzvStatus (*)(const void*, int32_t, void*, int32_t, KzvImageSize, const int32_t*, const void*);

template <class Fn>
struct Entry {
    const char* name;
    int S;      // sample bytes
    TOp op;
    bool byValue;  // Set: the value is passed by value
    Fn fn;
};

template <class T>
T valueAt(const void* p) {
    T v;
    memcpy(&v, p, sizeof v);
    return v;
}

#define KZV_NONE(...)
#define KZV_COPY KZV_NONE
#define KZV_COPY_M KZV_NONE
#define KZV_COPY_TO_PLANES KZV_NONE
#define KZV_COPY_FROM_PLANES KZV_NONE
#define KZV_COPY_L KZV_NONE
#define KZV_SET KZV_NONE
#define KZV_SET_A KZV_NONE
#define KZV_SET_M KZV_NONE
#define KZV_SET_MA KZV_NONE
#define KZV_DUP KZV_NONE
#define KZV_SWAP KZV_NONE
#define KZV_SWAP_I KZV_NONE
#define KZV_SWAP_C3C4 KZV_NONE
#define KZV_COPY_MANAGED KZV_NONE

#undef KZV_COPY
#undef KZV_DUP
#define KZV_COPY(name, T, op)                                                                                  \
    {#name, int(sizeof(T)), TOp::op, false, [](const void* s, int32_t ss, void* d, int32_t ds, KzvImageSize r) { \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r);                                 \
     }},
#define KZV_DUP(name, T, op)                                                                                   \
    {#name, 1, TOp::Dup##op, false, [](const void* s, int32_t ss, void* d, int32_t ds, KzvImageSize r) {       \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r);                                 \
     }},
const Entry<CopyFn> kCopies[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_COPY
#undef KZV_DUP
#define KZV_COPY KZV_NONE
#define KZV_DUP KZV_NONE

#undef KZV_COPY_M
#define KZV_COPY_M(name, T, op)                                                                                \
    {#name, int(sizeof(T)), TOp::op, false,                                                                    \
     [](const void* s, int32_t ss, void* d, int32_t ds, KzvImageSize r, const Kzv8u* m, int32_t ms) {          \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r, m, ms);                          \
     }},
const Entry<CopyMFn> kCopiesMasked[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_COPY_M
#define KZV_COPY_M KZV_NONE

#undef KZV_COPY_TO_PLANES
#define KZV_COPY_TO_PLANES(name, T, n)                                                                        \
    {#name, int(sizeof(T)), TOp::C##n, false, [](const void* s, int32_t ss, void* const* d, int32_t ds, KzvImageSize r) { \
         return name(static_cast<const T*>(s), ss, reinterpret_cast<T* const*>(d), ds, r);                     \
     }},
const Entry<ToPlanesFn> kToPlanes[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_COPY_TO_PLANES
#define KZV_COPY_TO_PLANES KZV_NONE

#undef KZV_COPY_FROM_PLANES
#define KZV_COPY_FROM_PLANES(name, T, n)                                                                      \
    {#name, int(sizeof(T)), TOp::C##n, false, [](const void* const* s, int32_t ss, void* d, int32_t ds, KzvImageSize r) { \
         return name(reinterpret_cast<const T* const*>(s), ss, static_cast<T*>(d), ds, r);                     \
     }},
const Entry<FromPlanesFn> kFromPlanes[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_COPY_FROM_PLANES
#define KZV_COPY_FROM_PLANES KZV_NONE

#undef KZV_COPY_L
#define KZV_COPY_L(name, T, op)                                                                                \
    {#name, int(sizeof(T)), TOp::op, false, [](const void* s, intptr_t ss, void* d, intptr_t ds, KzvImageSizeL r) { \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r);                                 \
     }},
const Entry<CopyLFn> kCopiesL[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_COPY_L
#define KZV_COPY_L KZV_NONE

#undef KZV_SET
#undef KZV_SET_A
#define KZV_SET(name, T, op)                                                                                   \
    {#name, int(sizeof(T)), TOp::op, true, [](const void* v, void* d, int32_t ds, KzvImageSize r) {            \
         return name(valueAt<T>(v), static_cast<T*>(d), ds, r);                                                \
     }},
#define KZV_SET_A(name, T, op)                                                                                 \
    {#name, int(sizeof(T)), TOp::op, false, [](const void* v, void* d, int32_t ds, KzvImageSize r) {           \
         return name(static_cast<const T*>(v), static_cast<T*>(d), ds, r);                                     \
     }},
const Entry<SetFn> kSets[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_SET
#undef KZV_SET_A
#define KZV_SET KZV_NONE
#define KZV_SET_A KZV_NONE

#undef KZV_SET_M
#undef KZV_SET_MA
#define KZV_SET_M(name, T, op)                                                                                 \
    {#name, int(sizeof(T)), TOp::op, true,                                                                     \
     [](const void* v, void* d, int32_t ds, KzvImageSize r, const Kzv8u* m, int32_t ms) {                      \
         return name(valueAt<T>(v), static_cast<T*>(d), ds, r, m, ms);                                         \
     }},
#define KZV_SET_MA(name, T, op)                                                                                \
    {#name, int(sizeof(T)), TOp::op, false,                                                                    \
     [](const void* v, void* d, int32_t ds, KzvImageSize r, const Kzv8u* m, int32_t ms) {                      \
         return name(static_cast<const T*>(v), static_cast<T*>(d), ds, r, m, ms);                              \
     }},
const Entry<SetMFn> kSetsMasked[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_SET_M
#undef KZV_SET_MA
#define KZV_SET_M KZV_NONE
#define KZV_SET_MA KZV_NONE

#undef KZV_SWAP
#define KZV_SWAP(name, T, op)                                                                                  \
    {#name, int(sizeof(T)), TOp::op, false,                                                                    \
     [](const void* s, int32_t ss, void* d, int32_t ds, KzvImageSize r, const int32_t* o) {                    \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r, o);                              \
     }},
const Entry<SwapFn> kSwaps[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_SWAP
#define KZV_SWAP KZV_NONE

#undef KZV_SWAP_I
#define KZV_SWAP_I(name, T, op)                                                                                \
    {#name, int(sizeof(T)), TOp::op, false, [](void* p, int32_t ps, KzvImageSize r, const int32_t* o) {        \
         return name(static_cast<T*>(p), ps, r, o);                                                            \
     }},
const Entry<SwapIFn> kSwapsInPlace[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_SWAP_I
#define KZV_SWAP_I KZV_NONE

#undef KZV_SWAP_C3C4
#define KZV_SWAP_C3C4(name, T)                                                                                 \
    {#name, int(sizeof(T)), TOp::C3AC4, false,                                                                 \
     [](const void* s, int32_t ss, void* d, int32_t ds, KzvImageSize r, const int32_t* o, const void* f) {     \
         return name(static_cast<const T*>(s), ss, static_cast<T*>(d), ds, r, o, valueAt<T>(f));               \
     }},
const Entry<Swap34Fn> kSwaps34[] = {
#include "pixel/copy_exports.inc"
};
#undef KZV_SWAP_C3C4
#define KZV_SWAP_C3C4 KZV_NONE

// ---- Scalar reference ------------------------------------------------------------

// Samples per pixel in the source and destination addressing, and whether the
// pointer is at a chosen channel (the image then ends at the chosen sample of
// the last pixel).
struct Shape {
    int srcStride, dstStride;
    bool srcCoi, dstCoi;
};
Shape shapeOf(TOp op) {
    switch (op) {
    case TOp::C1: return {1, 1, false, false};
    case TOp::C3: return {3, 3, false, false};
    case TOp::C4: case TOp::AC4: return {4, 4, false, false};
    case TOp::C3C1: return {3, 1, true, false};
    case TOp::C4C1: return {4, 1, true, false};
    case TOp::C1C3: return {1, 3, false, true};
    case TOp::C1C4: return {1, 4, false, true};
    case TOp::C3C: return {3, 3, true, true};
    case TOp::C4C: return {4, 4, true, true};
    case TOp::AC4C3: case TOp::C4C3: return {4, 3, false, false};
    case TOp::C3AC4: return {3, 4, false, false};
    case TOp::DupC1C3: return {1, 3, false, false};
    case TOp::DupC1C4: return {1, 4, false, false};
    }
    return {1, 1, false, false};
}

int rowBytesOf(int stride, bool coi, int w, int S) {
    return coi ? (stride * (w - 1) + 1) * S : stride * w * S;
}

// Destination sample c of a pixel: the source sample it receives, or -1 to
// keep it.
int copySource(TOp op, int c) {
    switch (op) {
    case TOp::C1: case TOp::C3: case TOp::C4: return c;
    case TOp::AC4: case TOp::AC4C3: case TOp::C3AC4: return c < 3 ? c : -1;
    case TOp::DupC1C3: case TOp::DupC1C4: return 0;
    default: return c == 0 ? 0 : -1;  // single channel moves
    }
}

void putSample(std::vector<uint8_t>& img, int rowBytes, int y, int sample, int S, const uint8_t* v) {
    memcpy(&img[size_t(y) * rowBytes + size_t(sample) * S], v, S);
}
const uint8_t* sampleAt(const std::vector<uint8_t>& img, int rowBytes, int y, int sample, int S) {
    return &img[size_t(y) * rowBytes + size_t(sample) * S];
}

// ---- Helpers ---------------------------------------------------------------------

GuardedImage randomImage(Rng& rng, int rowBytes, int height, int S, bool allowNegative) {
    Layout l = kzvt::randomLayout(rng, rowBytes / S, height, S, S, allowNegative);
    GuardedImage img(l);
    img.fillRandomBytes(rng);
    return img;
}

// A mask of w x h bytes: random, all zero, all set, or long runs.
GuardedImage randomMask(Rng& rng, int w, int h) {
    GuardedImage m = randomImage(rng, w, h, 1, true);
    const int kind = rng.uniform(0, 4);
    int run = 0;
    bool on = false;
    m.fillBytes([&](int, int) -> uint8_t {
        switch (kind) {
        case 0: return 0;
        case 1: return uint8_t(rng.uniform(1, 255));
        case 2: return rng.chance(0.5) ? 0 : uint8_t(rng.uniform(1, 255));
        default:
            if (run-- <= 0) {
                run = rng.uniform(1, 70);
                on = !on;
            }
            return on ? uint8_t(rng.pick({1, 0x80, 0xFF})) : 0;
        }
    });
    return m;
}

std::string describe(const char* name, int w, int h, const GuardedImage& src, const GuardedImage& dst) {
    return std::string(name) + " " + std::to_string(w) + "x" + std::to_string(h) + " srcStep " +
           std::to_string(src.step()) + " dstStep " + std::to_string(dst.step());
}

std::vector<kzvt::SweepCase> casesFor(Rng& rng, int S, int stride) {
    // Two vector iterations and a bit of the widest kernel loop, in pixels.
    const int perIteration = std::max(8, 128 / (S * stride));
    return kzvt::sweepCases(rng, perIteration);
}

}  // namespace

// ---- Copy and Dup ------------------------------------------------------------------

TEST(Copy, EveryLayoutMatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : kCopies) {
            const Shape sh = shapeOf(e.op);
            for (const auto& c : casesFor(rng, e.S, sh.dstStride)) {
                const int sb = rowBytesOf(sh.srcStride, sh.srcCoi, c.width, e.S);
                const int db = rowBytesOf(sh.dstStride, sh.dstCoi, c.width, e.S);
                GuardedImage src = randomImage(rng, sb, c.height, e.S, true);
                GuardedImage dst = randomImage(rng, db, c.height, e.S, true);
                SCOPED_TRACE(describe(e.name, c.width, c.height, src, dst));
                std::vector<uint8_t> s = src.packed(), want = dst.packed();
                for (int y = 0; y < c.height; ++y)
                    for (int i = 0; i < c.width; ++i)
                        for (int k = 0; k < sh.dstStride; ++k) {
                            const int from = copySource(e.op, k);
                            if (from < 0 || (sh.dstCoi && k > 0)) continue;
                            putSample(want, db, y, i * sh.dstStride + k, e.S,
                                      sampleAt(s, sb, y, i * sh.srcStride + from, e.S));
                        }
                ASSERT_EQ(e.fn(src.data(), src.step(), dst.data(), dst.step(), {c.width, c.height}), kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
                ASSERT_TRUE(src.unchanged());
            }
        }
    });
}

TEST(Copy, PointerWidthFormsMatchReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : kCopiesL) {
            const Shape sh = shapeOf(e.op);
            for (const auto& c : casesFor(rng, e.S, sh.dstStride)) {
                const int rb = rowBytesOf(sh.srcStride, false, c.width, e.S);
                GuardedImage src = randomImage(rng, rb, c.height, e.S, true);
                GuardedImage dst = randomImage(rng, rb, c.height, e.S, true);
                SCOPED_TRACE(describe(e.name, c.width, c.height, src, dst));
                std::vector<uint8_t> s = src.packed(), want = dst.packed();
                for (int y = 0; y < c.height; ++y)
                    for (int i = 0; i < c.width * sh.dstStride; ++i)
                        if (e.op != TOp::AC4 || i % 4 != 3) putSample(want, rb, y, i, e.S, sampleAt(s, rb, y, i, e.S));
                ASSERT_EQ(e.fn(src.data(), src.step(), dst.data(), dst.step(), {c.width, c.height}), kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

TEST(Copy, MaskedFormsWriteOnlySelectedPixels) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : kCopiesMasked) {
            const int C = shapeOf(e.op).dstStride;
            for (const auto& c : casesFor(rng, e.S, C)) {
                const int rb = C * c.width * e.S;
                GuardedImage src = randomImage(rng, rb, c.height, e.S, true);
                GuardedImage dst = randomImage(rng, rb, c.height, e.S, true);
                GuardedImage mask = randomMask(rng, c.width, c.height);
                SCOPED_TRACE(describe(e.name, c.width, c.height, src, dst) + " maskStep " +
                             std::to_string(mask.step()));
                std::vector<uint8_t> s = src.packed(), want = dst.packed(), m = mask.packed();
                for (int y = 0; y < c.height; ++y)
                    for (int i = 0; i < c.width; ++i) {
                        if (!m[size_t(y) * c.width + i]) continue;
                        for (int k = 0; k < (e.op == TOp::AC4 ? 3 : C); ++k)
                            putSample(want, rb, y, i * C + k, e.S, sampleAt(s, rb, y, i * C + k, e.S));
                    }
                ASSERT_EQ(e.fn(src.data(), src.step(), dst.data(), dst.step(), {c.width, c.height}, mask.data(),
                               mask.step()),
                          kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
                ASSERT_TRUE(mask.unchanged());
            }
        }
    });
}

TEST(Copy, PlanarConversionsMatchReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int dir = 0; dir < 2; ++dir) {
            const size_t count = dir ? std::size(kFromPlanes) : std::size(kToPlanes);
            for (size_t n = 0; n < count; ++n) {
                const char* name = dir ? kFromPlanes[n].name : kToPlanes[n].name;
                const int S = dir ? kFromPlanes[n].S : kToPlanes[n].S;
                const int N = (dir ? kFromPlanes[n].op : kToPlanes[n].op) == TOp::C3 ? 3 : 4;
                for (const auto& c : casesFor(rng, S, N)) {
                    const int ib = N * c.width * S, pb = c.width * S;
                    GuardedImage inter = randomImage(rng, ib, c.height, S, true);
                    // The planes share one step.
                    Layout pl = kzvt::randomLayout(rng, c.width, c.height, S, S, true);
                    std::vector<GuardedImage> planes;
                    for (int k = 0; k < N; ++k) {
                        pl.misalign = rng.chance(0.5) ? -1 : kzvt::pickMisalign(rng, S);
                        pl.guard = rng.chance(0.5) ? kzvt::Guard::After : kzvt::Guard::Before;
                        planes.emplace_back(pl);
                        planes.back().fillRandomBytes(rng);
                    }
                    SCOPED_TRACE(describe(name, c.width, c.height, inter, planes[0]));
                    void* ptrs[4] = {};
                    for (int k = 0; k < N; ++k) ptrs[k] = planes[k].data();
                    if (dir == 0) {
                        std::vector<uint8_t> s = inter.packed();
                        ASSERT_EQ(kToPlanes[n].fn(inter.data(), inter.step(), ptrs, planes[0].step(),
                                                  {c.width, c.height}),
                                  kzvStatusOk);
                        for (int k = 0; k < N; ++k) {
                            std::vector<uint8_t> want(size_t(pb) * c.height);
                            for (int y = 0; y < c.height; ++y)
                                for (int i = 0; i < c.width; ++i)
                                    putSample(want, pb, y, i, S, sampleAt(s, ib, y, i * N + k, S));
                            ASSERT_TRUE(kzvt::regionNear<uint8_t>(planes[k], want)) << "plane " << k;
                            ASSERT_TRUE(planes[k].checkWrites());
                        }
                    } else {
                        std::vector<uint8_t> want = inter.packed();
                        for (int k = 0; k < N; ++k) {
                            std::vector<uint8_t> p = planes[k].packed();
                            for (int y = 0; y < c.height; ++y)
                                for (int i = 0; i < c.width; ++i)
                                    putSample(want, ib, y, i * N + k, S, sampleAt(p, pb, y, i, S));
                        }
                        ASSERT_EQ(kFromPlanes[n].fn(ptrs, planes[0].step(), inter.data(), inter.step(),
                                                    {c.width, c.height}),
                                  kzvStatusOk);
                        ASSERT_TRUE(kzvt::regionNear<uint8_t>(inter, want));
                        ASSERT_TRUE(inter.checkWrites());
                    }
                }
            }
        }
    });
}

// ---- Set -------------------------------------------------------------------------

namespace {

// Sample k of a pixel of layout op receives value sample v (or -1: kept).
int setSource(TOp op, int k) {
    if (op == TOp::AC4) return k < 3 ? k : -1;
    if (op == TOp::C3C || op == TOp::C4C) return k == 0 ? 0 : -1;
    if (op == TOp::C1) return 0;
    return k;
}

template <class E, class Call>
void sweepSets(const E& table, bool masked, Call call) {
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : table) {
            const Shape sh = shapeOf(e.op);
            const int C = sh.dstStride;
            for (const auto& c : casesFor(rng, e.S, C)) {
                const int db = rowBytesOf(C, sh.dstCoi, c.width, e.S);
                GuardedImage dst = randomImage(rng, db, c.height, e.S, true);
                GuardedImage mask;
                if (masked) mask = randomMask(rng, c.width, c.height);
                uint8_t value[16];
                for (auto& b : value) b = uint8_t(rng.bits());
                SCOPED_TRACE(describe(e.name, c.width, c.height, dst, dst));
                std::vector<uint8_t> want = dst.packed(), m;
                if (masked) m = mask.packed();
                for (int y = 0; y < c.height; ++y)
                    for (int i = 0; i < c.width; ++i) {
                        if (masked && !m[size_t(y) * c.width + i]) continue;
                        for (int k = 0; k < C; ++k) {
                            const int v = setSource(e.op, k);
                            if (v < 0 || (sh.dstCoi && k > 0)) continue;
                            putSample(want, db, y, i * C + k, e.S, value + v * e.S);
                        }
                    }
                ASSERT_EQ(call(e, value, dst, mask, c), kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

}  // namespace

TEST(Set, EveryLayoutMatchesReference) {
    sweepSets(kSets, false, [](const Entry<SetFn>& e, const uint8_t* v, GuardedImage& d, GuardedImage&,
                               const kzvt::SweepCase& c) {
        return e.fn(v, d.data(), d.step(), {c.width, c.height});
    });
}

TEST(Set, MaskedFormsWriteOnlySelectedPixels) {
    sweepSets(kSetsMasked, true, [](const Entry<SetMFn>& e, const uint8_t* v, GuardedImage& d, GuardedImage& m,
                                    const kzvt::SweepCase& c) {
        return e.fn(v, d.data(), d.step(), {c.width, c.height}, m.data(), m.step());
    });
}

// ---- SwapChannels ------------------------------------------------------------------

namespace {

// dst sample c = src sample order[c]; for C3C4, 3 = fill and above 3 = kept.
void refSwap(const std::vector<uint8_t>& s, int sb, int srcC, std::vector<uint8_t>& want, int db, int dstC, int n,
             int S, int w, int h, const int32_t* order, const uint8_t* fill) {
    for (int y = 0; y < h; ++y)
        for (int i = 0; i < w; ++i)
            for (int c = 0; c < n; ++c) {
                const int o = order[c];
                if (o <= srcC - 1 && o >= 0 && !(fill && o == 3))
                    putSample(want, db, y, i * dstC + c, S, sampleAt(s, sb, y, i * srcC + o, S));
                else if (fill && o == 3)
                    putSample(want, db, y, i * dstC + c, S, fill);
            }
}

}  // namespace

TEST(SwapChannels, EveryLayoutMatchesReference) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : kSwaps) {
            const Shape sh = shapeOf(e.op);
            const int n = e.op == TOp::C4 ? 4 : 3;
            const int range = e.op == TOp::C4 || e.op == TOp::C4C3 ? 4 : 3;
            for (const auto& c : casesFor(rng, e.S, sh.dstStride)) {
                const int sb = sh.srcStride * c.width * e.S, db = sh.dstStride * c.width * e.S;
                GuardedImage src = randomImage(rng, sb, c.height, e.S, true);
                GuardedImage dst = randomImage(rng, db, c.height, e.S, true);
                int32_t order[4];
                for (int k = 0; k < n; ++k) order[k] = rng.uniform(0, range - 1);
                SCOPED_TRACE(describe(e.name, c.width, c.height, src, dst) + " order " + std::to_string(order[0]) +
                             std::to_string(order[1]) + std::to_string(order[2]) +
                             (n == 4 ? std::to_string(order[3]) : ""));
                std::vector<uint8_t> want = dst.packed();
                refSwap(src.packed(), sb, sh.srcStride, want, db, sh.dstStride, n, e.S, c.width, c.height, order,
                        nullptr);
                ASSERT_EQ(e.fn(src.data(), src.step(), dst.data(), dst.step(), {c.width, c.height}, order),
                          kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
                ASSERT_TRUE(src.unchanged());
            }
        }
        for (const auto& e : kSwaps34) {
            for (const auto& c : casesFor(rng, e.S, 4)) {
                const int sb = 3 * c.width * e.S, db = 4 * c.width * e.S;
                GuardedImage src = randomImage(rng, sb, c.height, e.S, true);
                GuardedImage dst = randomImage(rng, db, c.height, e.S, true);
                int32_t order[4];
                for (int& o : order) o = rng.pick({0, 1, 2, 3, 4, 7, 1000});
                uint8_t fill[4];
                for (auto& b : fill) b = uint8_t(rng.bits());
                SCOPED_TRACE(describe(e.name, c.width, c.height, src, dst));
                std::vector<uint8_t> want = dst.packed();
                refSwap(src.packed(), sb, 3, want, db, 4, 4, e.S, c.width, c.height, order, fill);
                ASSERT_EQ(e.fn(src.data(), src.step(), dst.data(), dst.step(), {c.width, c.height}, order, fill),
                          kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, want));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

TEST(SwapChannels, InPlaceReadsEachPixelWhole) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (const auto& e : kSwapsInPlace) {
            const int C = e.op == TOp::C3 ? 3 : 4;
            for (const auto& c : casesFor(rng, 1, C)) {
                GuardedImage img = randomImage(rng, C * c.width, c.height, 1, true);
                int32_t order[4];
                for (int k = 0; k < C; ++k) order[k] = rng.uniform(0, C - 1);
                SCOPED_TRACE(describe(e.name, c.width, c.height, img, img));
                const std::vector<uint8_t> s = img.packed();
                std::vector<uint8_t> want = s;
                refSwap(s, C * c.width, C, want, C * c.width, C, C, 1, c.width, c.height, order, nullptr);
                ASSERT_EQ(e.fn(img.data(), img.step(), {c.width, c.height}, order), kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(img, want));
                ASSERT_TRUE(img.checkWrites());
                // The out-of-place 8u C3 form called with one image behaves the same.
                if (C == 3) {
                    img.load(s.data());
                    ASSERT_EQ(kzviSwapChannels_8u_C3R(img.data(), img.step(), img.data(), img.step(),
                                                      {c.width, c.height}, order),
                              kzvStatusOk);
                    ASSERT_TRUE(kzvt::regionNear<uint8_t>(img, want));
                }
            }
        }
    });
}

// ---- CopyManaged -----------------------------------------------------------------

TEST(CopyManaged, EveryModeCopiesTheBytes) {
    kzvt::forEachSeed([](uint64_t seed) {
        Rng rng(seed);
        for (int flags : {0, 1, 2, 3, 0x7C, 0x103}) {
            for (const auto& c : kzvt::sweepCases(rng, 96)) {
                GuardedImage src = randomImage(rng, c.width, c.height, 1, true);
                GuardedImage dst = randomImage(rng, c.width, c.height, 1, true);
                SCOPED_TRACE(describe("kzviCopyManaged_8u_C1R", c.width, c.height, src, dst) + " flags " +
                             std::to_string(flags));
                ASSERT_EQ(kzviCopyManaged_8u_C1R(src.data(), src.step(), dst.data(), dst.step(),
                                                 {c.width, c.height}, flags),
                          kzvStatusOk);
                ASSERT_TRUE(kzvt::regionNear<uint8_t>(dst, src.packed()));
                ASSERT_TRUE(dst.checkWrites());
            }
        }
    });
}

// ---- Documented cases ---------------------------------------------------------------

TEST(Copy, EqualWidthCopiesGiveIdenticalBytes) {
    Rng rng(7);
    GuardedImage src = randomImage(rng, 4 * 37, 5, 4, false);
    GuardedImage a(37, 5, 4), b(37, 5, 4), c(37, 5, 4);
    ASSERT_EQ(kzviCopy_32f_C1R(src.ptr<Kzv32f>(), src.step(), a.ptr<Kzv32f>(), a.step(), {37, 5}), 0);
    ASSERT_EQ(kzviCopy_32s_C1R(src.ptr<Kzv32s>(), src.step(), b.ptr<Kzv32s>(), b.step(), {37, 5}), 0);
    ASSERT_EQ(kzviCopy_8u_C4R(src.data(), src.step(), c.data(), c.step(), {37, 5}), 0);
    EXPECT_EQ(a.packed(), src.packed());
    EXPECT_EQ(b.packed(), src.packed());
    EXPECT_EQ(c.packed(), src.packed());
}

TEST(SwapChannels, DocumentedOrders) {
    const uint8_t rgb[6] = {1, 2, 3, 4, 5, 6};
    uint8_t out[6] = {};
    const int32_t bgr[3] = {2, 1, 0};
    ASSERT_EQ(kzviSwapChannels_8u_C3R(rgb, 6, out, 6, {2, 1}, bgr), 0);
    const uint8_t want[6] = {3, 2, 1, 6, 5, 4};
    EXPECT_EQ(memcmp(out, want, 6), 0);
    // C3C4 with {0,1,2,3} and 255 adds an opaque alpha; 7 keeps the alpha.
    uint8_t four[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    const int32_t opaque[4] = {0, 1, 2, 3};
    ASSERT_EQ(kzviSwapChannels_8u_C3C4R(rgb, 6, four, 8, {2, 1}, opaque, 255), 0);
    const uint8_t want4[8] = {1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_EQ(memcmp(four, want4, 8), 0);
    const int32_t keep[4] = {2, 1, 0, 7};
    ASSERT_EQ(kzviSwapChannels_8u_C3C4R(rgb, 6, four, 8, {2, 1}, keep, 0), 0);
    const uint8_t want4b[8] = {3, 2, 1, 255, 6, 5, 4, 255};
    EXPECT_EQ(memcmp(four, want4b, 8), 0);
}

// ---- Argument checks ----------------------------------------------------------------

namespace {

// A destination that must stay untouched, and a source large enough for
// every layout of a 4 x 3 region.
struct CheckImages {
    GuardedImage src{4 * 16, 3, 1}, dst{4 * 16, 3, 1}, mask{4, 3, 1};
    uint8_t value[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
};

}  // namespace

TEST(CopyChecks, NullPointersThenSizeForEveryExport) {
    CheckImages im;
    void* d = im.dst.data();
    const void* s = im.src.data();
    const int st = 64;
    const KzvImageSize ok{4, 3}, zero{0, 0}, badW{0, 3}, badH{4, -1};
    auto expectAll = [&](const char* name, auto call) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(true, true, zero), kzvStatusNullPtrErr) << "null source before the size";
        EXPECT_EQ(call(false, false, zero), kzvStatusNullPtrErr) << "null destination before the size";
        EXPECT_EQ(call(false, true, badW), kzvStatusSizeErr);
        EXPECT_EQ(call(false, true, badH), kzvStatusSizeErr);
        EXPECT_TRUE(im.dst.unchanged());
        EXPECT_EQ(call(false, true, ok), kzvStatusOk);
        im.dst.snapshot();
    };
    // callers: (nullSrc, validDst, size); validDst false means null destination.
    for (const auto& e : kCopies)
        expectAll(e.name, [&](bool ns, bool vd, KzvImageSize r) {
            return e.fn(ns ? nullptr : s, st, vd ? d : nullptr, st, r);
        });
    for (const auto& e : kCopiesL)
        expectAll(e.name, [&](bool ns, bool vd, KzvImageSize r) {
            return e.fn(ns ? nullptr : s, st, vd ? d : nullptr, st, {r.width, r.height});
        });
    for (const auto& e : kCopiesMasked) {
        expectAll(e.name, [&](bool ns, bool vd, KzvImageSize r) {
            return e.fn(ns ? nullptr : s, st, vd ? d : nullptr, st, r, im.mask.data(), 4);
        });
        EXPECT_EQ(e.fn(s, st, d, st, zero, nullptr, 4), kzvStatusNullPtrErr) << e.name;
    }
    for (const auto& e : kSets) {
        expectAll(e.name, [&](bool ns, bool vd, KzvImageSize r) {
            return e.fn(ns && !e.byValue ? nullptr : im.value, vd && !(ns && e.byValue) ? d : nullptr, st, r);
        });
    }
    for (const auto& e : kSetsMasked) {
        expectAll(e.name, [&](bool ns, bool vd, KzvImageSize r) {
            return e.fn(ns && !e.byValue ? nullptr : im.value, vd && !(ns && e.byValue) ? d : nullptr, st, r,
                        im.mask.data(), 4);
        });
        EXPECT_EQ(e.fn(im.value, d, st, zero, nullptr, 4), kzvStatusNullPtrErr) << e.name;
    }
    GuardedImage planes[4] = {GuardedImage(64, 3, 1), GuardedImage(64, 3, 1), GuardedImage(64, 3, 1),
                              GuardedImage(64, 3, 1)};
    for (const auto& e : kToPlanes) {
        const int N = e.op == TOp::C3 ? 3 : 4;
        void* p[4] = {planes[0].data(), planes[1].data(), planes[2].data(), planes[3].data()};
        EXPECT_EQ(e.fn(nullptr, st, p, st, zero), kzvStatusNullPtrErr) << e.name;
        EXPECT_EQ(e.fn(s, st, nullptr, st, zero), kzvStatusNullPtrErr) << e.name;
        p[N - 1] = nullptr;
        EXPECT_EQ(e.fn(s, st, p, st, zero), kzvStatusNullPtrErr) << e.name << ": a null plane";
        p[N - 1] = planes[N - 1].data();
        EXPECT_EQ(e.fn(s, st, p, st, badW), kzvStatusSizeErr) << e.name;
        for (int k = 0; k < N; ++k) EXPECT_TRUE(planes[k].unchanged()) << e.name;
    }
    for (const auto& e : kFromPlanes) {
        const int N = e.op == TOp::C3 ? 3 : 4;
        const void* p[4] = {planes[0].data(), planes[1].data(), planes[2].data(), planes[3].data()};
        EXPECT_EQ(e.fn(p, st, nullptr, st, zero), kzvStatusNullPtrErr) << e.name;
        EXPECT_EQ(e.fn(nullptr, st, d, st, zero), kzvStatusNullPtrErr) << e.name;
        p[1] = nullptr;
        EXPECT_EQ(e.fn(p, st, d, st, zero), kzvStatusNullPtrErr) << e.name << ": a null plane";
        p[1] = planes[1].data();
        EXPECT_EQ(e.fn(p, st, d, st, badH), kzvStatusSizeErr) << e.name;
        (void)N;
        EXPECT_TRUE(im.dst.unchanged()) << e.name;
    }
    expectAll("kzviCopyManaged_8u_C1R", [&](bool ns, bool vd, KzvImageSize r) {
        return kzviCopyManaged_8u_C1R(ns ? nullptr : im.src.data(), st, vd ? im.dst.data() : nullptr, st, r, 3);
    });
    // Steps are not checked: zero and negative steps are used as given.
    EXPECT_EQ(kzviCopy_8u_C1R(im.src.data(), 0, im.dst.data(), 0, {4, 3}), kzvStatusOk);
    EXPECT_EQ(kzviSet_8u_C1R(7, im.dst.data(), 0, {4, 3}), kzvStatusOk);
}

TEST(SwapChannelsChecks, CheckOrders) {
    CheckImages im;
    const Kzv8u* s8 = im.src.data();
    Kzv8u* d8 = im.dst.data();
    const Kzv16u* s16 = im.src.ptr<Kzv16u>();
    Kzv16u* d16 = im.dst.ptr<Kzv16u>();
    const Kzv32f* s32 = im.src.ptr<Kzv32f>();
    Kzv32f* d32 = im.dst.ptr<Kzv32f>();
    const int32_t o3[3] = {2, 1, 0}, o4[4] = {3, 2, 1, 0};
    const int32_t bad3[3] = {3, 0, 1}, neg3[3] = {0, -1, 2}, bad4[4] = {0, 1, 2, 4};
    const int32_t neg4[4] = {0, 1, -2, 3}, big4[4] = {0, 1, 2, 7}, bad43[3] = {0, 4, 1};
    const KzvImageSize ok{4, 3}, w0{0, 3};
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        // 8u C3R, C3C4R and C4C3R: pointers, size, step, order.
        {"8u C3R zero step and zero width: size first", kzviSwapChannels_8u_C3R(s8, 64, d8, 0, w0, o3), -6},
        {"8u C3R zero step", kzviSwapChannels_8u_C3R(s8, 64, d8, 0, ok, o3), -16},
        {"8u C3R zero source step", kzviSwapChannels_8u_C3R(s8, 0, d8, 64, ok, o3), -16},
        {"8u C3R null order before size", kzviSwapChannels_8u_C3R(s8, 64, d8, 0, w0, nullptr), -8},
        {"8u C3R order {3,0,1}", kzviSwapChannels_8u_C3R(s8, 64, d8, 64, ok, bad3), -60},
        {"8u C3R negative entry", kzviSwapChannels_8u_C3R(s8, 64, d8, 64, ok, neg3), -60},
        {"8u C3R zero step before order", kzviSwapChannels_8u_C3R(s8, 64, d8, 0, ok, bad3), -16},
        {"16u C3C4R zero step and zero width", kzviSwapChannels_16u_C3C4R(s16, 64, d16, 0, w0, o4, 1), -6},
        {"16u C3C4R null order", kzviSwapChannels_16u_C3C4R(s16, 0, d16, 0, w0, nullptr, 1), -8},
        {"8u C3C4R negative entry", kzviSwapChannels_8u_C3C4R(s8, 64, d8, 64, ok, neg4, 1), -60},
        {"8u C3C4R entry above 3 accepted", kzviSwapChannels_8u_C3C4R(s8, 64, d8, 64, ok, big4, 1), 0},
        {"32f C4C3R zero width and step", kzviSwapChannels_32f_C4C3R(s32, 0, d32, 64, w0, o3), -6},
        {"32f C4C3R entry 3 accepted", kzviSwapChannels_32f_C4C3R(s32, 64, d32, 64, ok, bad3), 0},
        {"8u C4C3R entry 4", kzviSwapChannels_8u_C4C3R(s8, 64, d8, 64, ok, bad43), -60},
        // The others: pointers, step, size, order pointer, order.
        {"16u C3R zero step and zero width: step first", kzviSwapChannels_16u_C3R(s16, 64, d16, 0, w0, o3), -16},
        {"16u C3R zero width", kzviSwapChannels_16u_C3R(s16, 64, d16, 64, w0, o3), -6},
        {"16u C3R null order after size", kzviSwapChannels_16u_C3R(s16, 64, d16, 64, w0, nullptr), -6},
        {"16u C3R null order after step", kzviSwapChannels_16u_C3R(s16, 0, d16, 64, ok, nullptr), -16},
        {"16u C3R null order", kzviSwapChannels_16u_C3R(s16, 64, d16, 64, ok, nullptr), -8},
        {"16u C3R null source before step", kzviSwapChannels_16u_C3R(nullptr, 0, d16, 64, ok, o3), -8},
        {"32f C3R order {3,0,1}", kzviSwapChannels_32f_C3R(s32, 64, d32, 64, ok, bad3), -60},
        {"8u C4R zero step and zero width", kzviSwapChannels_8u_C4R(s8, 0, d8, 64, w0, o4), -16},
        {"8u C4R entry 4", kzviSwapChannels_8u_C4R(s8, 64, d8, 64, ok, bad4), -60},
        {"8u C4R negative entry", kzviSwapChannels_8u_C4R(s8, 64, d8, 64, ok, neg4), -60},
        {"8u AC4R entry 3", kzviSwapChannels_8u_AC4R(s8, 64, d8, 64, ok, bad3), -60},
        {"16s AC4R zero step", kzviSwapChannels_16s_AC4R(im.src.ptr<Kzv16s>(), 64, im.dst.ptr<Kzv16s>(), 0, w0, o3), -16},
        {"8u C3IR zero step before null order", kzviSwapChannels_8u_C3IR(d8, 0, ok, nullptr), -16},
        {"8u C3IR zero step and zero width", kzviSwapChannels_8u_C3IR(d8, 0, w0, o3), -16},
        {"8u C3IR order", kzviSwapChannels_8u_C3IR(d8, 64, ok, bad3), -60},
        {"8u C4IR null order first", kzviSwapChannels_8u_C4IR(d8, 0, w0, nullptr), -8},
        {"8u C4IR zero step", kzviSwapChannels_8u_C4IR(d8, 0, w0, o4), -16},
        {"8u C4IR order", kzviSwapChannels_8u_C4IR(d8, 64, ok, bad4), -60},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_TRUE(im.dst.checkWrites());  // only the two successful calls wrote, inside the region
    // Negative steps are legal and walk the rows upwards.
    EXPECT_EQ(kzviSwapChannels_8u_C3R(s8 + 128, -64, d8 + 128, -64, {4, 3}, o3), 0);
}
