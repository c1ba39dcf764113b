// Alpha composition, premultiplication and colour keying against a
// reference from the operator table (integer rounding rule for 8u/16u,
// double precision otherwise), on guarded images.
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>

#include "kzvt.h"

namespace {

using kzvt::GuardedImage;
using kzvt::Rng;

template <class T>
double maxOf() {
    return std::is_same_v<T, float> ? 1.0 : double(std::numeric_limits<T>::max());
}
template <class T>
constexpr bool exact() {
    return std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t>;
}

// Rounded division by the maximum, written as (2x + M) / 2M.
template <class T>
double rdiv(double x) {
    const double m = maxOf<T>();
    return std::floor((2 * x + m) / (2 * m));
}

template <class T>
T toT(double v) {
    if constexpr (std::is_same_v<T, float>) {
        return float(v);
    } else {
        v = std::round(v);
        const double mn = double(std::numeric_limits<T>::lowest()), mx = double(std::numeric_limits<T>::max());
        return T(v < mn ? mn : v > mx ? mx : v);
    }
}

template <class T>
T refColour(T a, T aa, T b, T ab, int op) {
    const bool pre = op >= 6;
    op %= 6;
    const double m = maxOf<T>();
    if (exact<T>()) {
        const double A = pre ? a : rdiv<T>(double(aa) * a), B = pre ? b : rdiv<T>(double(ab) * b);
        const double r[6] = {A + rdiv<T>(B * (m - aa)), rdiv<T>(A * ab), rdiv<T>(A * (m - ab)),
                             rdiv<T>(A * ab) + rdiv<T>(B * (m - aa)), rdiv<T>(A * (m - ab)) + rdiv<T>(B * (m - aa)), A + B};
        return toT<T>(r[op]);
    }
    const double na = aa / m, nb = ab / m;
    const double A = pre ? double(a) : na * a, B = pre ? double(b) : nb * b;
    const double r[6] = {std::fma(B, 1 - na, A), A * nb, A * (1 - nb), std::fma(A, nb, B * (1 - na)),
                         std::fma(A, 1 - nb, B * (1 - na)), A + B};
    return toT<T>(r[op]);
}

template <class T>
T refAlpha(T aa, T ab, int op) {
    op %= 6;
    const double m = maxOf<T>();
    if (op == 3) return ab;
    if (exact<T>()) {
        const double r[6] = {aa + rdiv<T>(double(ab) * (m - aa)), rdiv<T>(double(aa) * ab), rdiv<T>(double(aa) * (m - ab)), 0,
                             rdiv<T>(double(aa) * (m - ab)) + rdiv<T>(double(ab) * (m - aa)), double(aa) + ab};
        return toT<T>(r[op]);
    }
    const double na = aa / m, nb = ab / m;
    const double r[6] = {std::fma(nb, 1 - na, na), na * nb, na * (1 - nb), 0, std::fma(na, 1 - nb, nb * (1 - na)), na + nb};
    return toT<T>(r[op] * m);
}

template <class T>
T refPremul(T c, T alpha) {
    if (exact<T>()) return toT<T>(rdiv<T>(double(c) * alpha));
    return toT<T>(c * (alpha / maxOf<T>()));
}

template <class T>
T sampleValue(Rng& rng, bool adversarial) {
    if constexpr (std::is_same_v<T, float>) {
        return adversarial ? float(rng.pick<double>({0.0, 1.0})) : float(rng.real(0, 1));
    } else {
        if (adversarial) return rng.chance(0.5) ? std::numeric_limits<T>::max() : T(0);
        return kzvt::randomValue<T>(rng);
    }
}

// Images of one case: interleaved (planes = 1) or four planes of one sample.
template <class T>
struct Images {
    std::vector<GuardedImage> img;
    Images(Rng& rng, int planes, int w, int h, int samples, bool adv) {
        // All planes share one step (the planar forms take one step).
        const kzvt::Layout l = kzvt::randomLayout(rng, w, h, samples * sizeof(T), sizeof(T), true);
        for (int p = 0; p < planes; ++p) {
            img.emplace_back(l);
            std::vector<T> v(size_t(w) * h * samples);
            for (auto& x : v) x = sampleValue<T>(rng, adv);
            img.back().load(v.data());
        }
    }
    T get(int x, int y, int c) const {
        const bool planar = img.size() > 1;
        const GuardedImage& g = planar ? img[c] : img[0];
        const int samples = g.layout().pixelBytes / int(sizeof(T));
        T v;
        memcpy(&v, g.row(y) + (size_t(x) * samples + (planar ? 0 : c)) * sizeof(T), sizeof(T));
        return v;
    }
    // Expected contents: each image's packed samples.
    std::vector<std::vector<T>> packed() const {
        std::vector<std::vector<T>> out;
        for (const auto& g : img) out.push_back(g.packedAs<T>());
        return out;
    }
    const T* const* ptrs(std::vector<const T*>& keep) const {
        keep.clear();
        for (const auto& g : img) keep.push_back(g.ptr<T>());
        return keep.data();
    }
    T* const* mptrs(std::vector<T*>& keep) const {
        keep.clear();
        for (const auto& g : img) keep.push_back(g.ptr<T>());
        return keep.data();
    }
    int step() const { return img[0].step(); }
    const T* p() const { return img[0].ptr<T>(); }
    T* mp() const { return img[0].ptr<T>(); }
};

template <class T>
void setExpected(std::vector<std::vector<T>>& want, bool planar, int samples, int w, int x, int y, int c, T v) {
    if (planar) want[c][size_t(y) * w + x] = v;
    else want[0][(size_t(y) * w + x) * samples + c] = v;
}

template <class T>
::testing::AssertionResult matches(const Images<T>& d, const std::vector<std::vector<T>>& want) {
    for (size_t p = 0; p < d.img.size(); ++p) {
        auto r = d.img[p].checkWrites();
        if (!r) return r;
        // 32f results are fused in double once: equal up to one float ulp.
        r = kzvt::regionNear<T>(d.img[p], want[p], std::is_same_v<T, float> ? 2e-7 : 0);
        if (!r) return r << " (plane " << p << ")";
    }
    return ::testing::AssertionSuccess();
}

enum class Kind { Comp, CompC, Premul, PremulC };

// One sweep for any of the four operations on layout code L (1 C1, 3 C3,
// 4 C4, 5 AC4, 6 AP4, 7 AC1); `call` runs the export on (s1, s2, d).
template <class T, class Call>
void sweep(const char* name, Kind kind, int L, bool inPlace, Call call) {
    SCOPED_TRACE(name);
    const bool planar = L == 6;
    const int planes = planar ? 4 : 1;
    const int samples = planar ? 1 : (L == 5 ? 4 : L == 7 ? 1 : L);
    const int colours = (L == 5 || L == 6) ? 3 : samples;
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 8)) {
            const int w = sc.width, h = sc.height;
            const int op = rng.uniform(0, 11);
            const T a1 = sampleValue<T>(rng, sc.adversarial), a2 = sampleValue<T>(rng, sc.adversarial);
            Images<T> s1(rng, planes, w, h, samples, sc.adversarial), s2(rng, planes, w, h, samples, sc.adversarial);
            Images<T> d(rng, planes, w, h, samples, sc.adversarial);
            Images<T>& out = inPlace ? s2 : d;
            auto want = out.packed();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    auto set = [&](int c, T v) { setExpected<T>(want, planar, samples, w, x, y, c, v); };
                    if (kind == Kind::Comp && L == 7) {
                        set(0, refAlpha<T>(s1.get(x, y, 0), s2.get(x, y, 0), op));
                    } else if (kind == Kind::Comp) {
                        const T aa = s1.get(x, y, 3), ab = s2.get(x, y, 3);
                        for (int c = 0; c < 3; ++c) set(c, refColour<T>(s1.get(x, y, c), aa, s2.get(x, y, c), ab, op));
                        set(3, refAlpha<T>(aa, ab, op));
                    } else if (kind == Kind::CompC) {
                        for (int c = 0; c < colours; ++c) set(c, refColour<T>(s1.get(x, y, c), a1, s2.get(x, y, c), a2, op));
                    } else if (kind == Kind::Premul) {
                        const Images<T>& src = inPlace ? s2 : s1;
                        const T al = src.get(x, y, 3);
                        for (int c = 0; c < 3; ++c) set(c, refPremul<T>(src.get(x, y, c), al));
                        set(3, al);
                    } else {
                        const Images<T>& src = inPlace ? s2 : s1;
                        for (int c = 0; c < colours; ++c) set(c, refPremul<T>(src.get(x, y, c), a1));
                    }
                }
            ASSERT_EQ(call(s1, s2, d, KzvImageSize{w, h}, a1, a2, op), kzvStatusOk) << "op " << op;
            ASSERT_TRUE(matches<T>(out, want)) << "op " << op << " alpha constants " << +a1 << ", " << +a2;
        }
    });
}

#define COMP1(name, T)                                                                                        \
    sweep<T>(#name, Kind::Comp, 7, false, [](auto& a, auto& b, auto& d, KzvImageSize r, T, T, int op) {       \
        return name(a.p(), a.step(), b.p(), b.step(), d.mp(), d.step(), r, op);                               \
    });
#define COMP(nameR, nameIR, T, L)                                                                             \
    sweep<T>(#nameR, Kind::Comp, L, false, [](auto& a, auto& b, auto& d, KzvImageSize r, T, T, int op) {      \
        return nameR(a.p(), a.step(), b.p(), b.step(), d.mp(), d.step(), r, op);                              \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::Comp, L, true, [](auto& a, auto& b, auto&, KzvImageSize r, T, T, int op) {        \
        return nameIR(a.p(), a.step(), b.mp(), b.step(), r, op);                                              \
    });
#define COMP_P(nameR, nameIR, T)                                                                              \
    sweep<T>(#nameR, Kind::Comp, 6, false, [](auto& a, auto& b, auto& d, KzvImageSize r, T, T, int op) {      \
        std::vector<const T*> k1, k2;                                                                         \
        std::vector<T*> k3;                                                                                   \
        return nameR(a.ptrs(k1), a.step(), b.ptrs(k2), b.step(), d.mptrs(k3), d.step(), r, op);               \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::Comp, 6, true, [](auto& a, auto& b, auto&, KzvImageSize r, T, T, int op) {        \
        std::vector<const T*> k1;                                                                             \
        std::vector<T*> k2;                                                                                   \
        return nameIR(a.ptrs(k1), a.step(), b.mptrs(k2), b.step(), r, op);                                    \
    });
#define COMPC(nameR, nameIR, T, L)                                                                            \
    sweep<T>(#nameR, Kind::CompC, L, false, [](auto& a, auto& b, auto& d, KzvImageSize r, T x, T y, int op) { \
        return nameR(a.p(), a.step(), x, b.p(), b.step(), y, d.mp(), d.step(), r, op);                        \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::CompC, L, true, [](auto& a, auto& b, auto&, KzvImageSize r, T x, T y, int op) {   \
        return nameIR(a.p(), a.step(), x, b.mp(), b.step(), y, r, op);                                        \
    });
#define COMPC_P(nameR, nameIR, T)                                                                             \
    sweep<T>(#nameR, Kind::CompC, 6, false, [](auto& a, auto& b, auto& d, KzvImageSize r, T x, T y, int op) { \
        std::vector<const T*> k1, k2;                                                                         \
        std::vector<T*> k3;                                                                                   \
        return nameR(a.ptrs(k1), a.step(), x, b.ptrs(k2), b.step(), y, d.mptrs(k3), d.step(), r, op);         \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::CompC, 6, true, [](auto& a, auto& b, auto&, KzvImageSize r, T x, T y, int op) {   \
        std::vector<const T*> k1;                                                                             \
        std::vector<T*> k2;                                                                                   \
        return nameIR(a.ptrs(k1), a.step(), x, b.mptrs(k2), b.step(), y, r, op);                              \
    });
#define PREMUL(nameR, nameIR, namePR, namePIR, T)                                                             \
    sweep<T>(#nameR, Kind::Premul, 5, false, [](auto& a, auto&, auto& d, KzvImageSize r, T, T, int) {         \
        return nameR(a.p(), a.step(), d.mp(), d.step(), r);                                                   \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::Premul, 5, true, [](auto&, auto& b, auto&, KzvImageSize r, T, T, int) {           \
        return nameIR(b.mp(), b.step(), r);                                                                   \
    });                                                                                                       \
    sweep<T>(#namePR, Kind::Premul, 6, false, [](auto& a, auto&, auto& d, KzvImageSize r, T, T, int) {        \
        std::vector<const T*> k1;                                                                             \
        std::vector<T*> k2;                                                                                   \
        return namePR(a.ptrs(k1), a.step(), d.mptrs(k2), d.step(), r);                                        \
    });                                                                                                       \
    sweep<T>(#namePIR, Kind::Premul, 6, true, [](auto&, auto& b, auto&, KzvImageSize r, T, T, int) {          \
        std::vector<T*> k;                                                                                    \
        return namePIR(b.mptrs(k), b.step(), r);                                                              \
    });
#define PREMULC(nameR, nameIR, T, L)                                                                          \
    sweep<T>(#nameR, Kind::PremulC, L, false, [](auto& a, auto&, auto& d, KzvImageSize r, T x, T, int) {      \
        return nameR(a.p(), a.step(), x, d.mp(), d.step(), r);                                                \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::PremulC, L, true, [](auto&, auto& b, auto&, KzvImageSize r, T x, T, int) {        \
        return nameIR(x, b.mp(), b.step(), r);                                                                \
    });
#define PREMULC_P(nameR, nameIR, T)                                                                           \
    sweep<T>(#nameR, Kind::PremulC, 6, false, [](auto& a, auto&, auto& d, KzvImageSize r, T x, T, int) {      \
        std::vector<const T*> k1;                                                                             \
        std::vector<T*> k2;                                                                                   \
        return nameR(a.ptrs(k1), a.step(), x, d.mptrs(k2), d.step(), r);                                      \
    });                                                                                                       \
    sweep<T>(#nameIR, Kind::PremulC, 6, true, [](auto&, auto& b, auto&, KzvImageSize r, T x, T, int) {        \
        std::vector<T*> k;                                                                                    \
        return nameIR(x, b.mptrs(k), b.step(), r);                                                            \
    });
#define KEY1(name, T)
#define KEYN(name, T, N)
TEST(Alpha, MatchesReference) {
#include "pixel/alpha_exports.inc"
}
#undef COMP1
#undef COMP
#undef COMP_P
#undef COMPC
#undef COMPC_P
#undef PREMUL
#undef PREMULC
#undef PREMULC_P
#undef KEY1
#undef KEYN

template <class T, int N, class F>
void checkKey(const char* name, F fn) {
    SCOPED_TRACE(name);
    kzvt::forEachSeed([&](uint64_t seed) {
        Rng rng(seed);
        for (const auto& sc : kzvt::sweepCases(rng, 16)) {
            const int w = sc.width, h = sc.height;
            T key[4];
            for (auto& k : key) k = T(rng.uniform(0, 1));
            GuardedImage a(kzvt::randomLayout(rng, w, h, N * sizeof(T), sizeof(T), false));
            GuardedImage b(kzvt::randomLayout(rng, w, h, N * sizeof(T), sizeof(T), false));
            GuardedImage d(kzvt::randomLayout(rng, w, h, N * sizeof(T), sizeof(T), false));
            std::vector<T> av(size_t(w) * h * N);
            for (auto& v : av) v = T(rng.uniform(0, 1));  // many pixels equal the key
            a.load(av.data());
            b.fillRandomBytes(rng);
            d.fillRandomBytes(rng);
            const auto bv = b.packedAs<T>();
            std::vector<T> want(av.size());
            for (size_t p = 0; p < size_t(w) * h; ++p) {
                bool match = true;
                for (int c = 0; c < N; ++c) match = match && av[p * N + c] == key[c];
                for (int c = 0; c < N; ++c) want[p * N + c] = match ? bv[p * N + c] : av[p * N + c];
            }
            ASSERT_EQ(fn(a.ptr<T>(), a.step(), b.ptr<T>(), b.step(), d.ptr<T>(), d.step(), KzvImageSize{w, h}, key), kzvStatusOk);
            ASSERT_TRUE(d.checkWrites());
            ASSERT_TRUE(kzvt::regionNear<T>(d, want));
        }
    });
}

#define COMP1(name, T)
#define COMP(nameR, nameIR, T, L)
#define COMP_P(nameR, nameIR, T)
#define COMPC(nameR, nameIR, T, L)
#define COMPC_P(nameR, nameIR, T)
#define PREMUL(nameR, nameIR, namePR, namePIR, T)
#define PREMULC(nameR, nameIR, T, L)
#define PREMULC_P(nameR, nameIR, T)
#define KEY1(name, T)                                                                                                   \
    checkKey<T, 1>(#name, [](const T* a, int sa, const T* b, int sb, T* d, int sd, KzvImageSize r, const T* k) {       \
        return name(a, sa, b, sb, d, sd, r, k[0]);                                                                     \
    });
#define KEYN(name, T, N) checkKey<T, N>(#name, name);
TEST(Alpha, ColorKeyMatchesReference) {
#include "pixel/alpha_exports.inc"
}

TEST(Alpha, DocumentedCases) {
    // Over premultiplied with an opaque A gives A.
    const uint8_t a[4] = {10, 200, 30, 255}, b[4] = {90, 80, 70, 60};
    uint8_t d[4];
    ASSERT_EQ(kzviAlphaComp_8u_AC4R(a, 4, b, 4, d, 4, {1, 1}, kzvAlphaOverPremul), kzvStatusOk);
    EXPECT_EQ(memcmp(d, a, 4), 0);
    // Over with alphaA 0 and alphaB 255: colour b, alpha 255.
    const uint8_t a0[4] = {10, 200, 30, 0}, b1[4] = {90, 80, 70, 255};
    ASSERT_EQ(kzviAlphaComp_8u_AC4R(a0, 4, b1, 4, d, 4, {1, 1}, kzvAlphaOver), kzvStatusOk);
    EXPECT_EQ(d[0], 90);
    EXPECT_EQ(d[2], 70);
    EXPECT_EQ(d[3], 255);
    // Plus saturates on 8u and exceeds 1 on 32f.
    const uint8_t p1[4] = {200, 200, 200, 200};
    ASSERT_EQ(kzviAlphaComp_8u_AC4R(p1, 4, p1, 4, d, 4, {1, 1}, kzvAlphaPlusPremul), kzvStatusOk);
    EXPECT_EQ(d[0], 255);
    const float f[4] = {0.8f, 0.8f, 0.8f, 0.9f};
    float fd[4];
    ASSERT_EQ(kzviAlphaComp_32f_AC4R(f, 16, f, 16, fd, 16, {1, 1}, kzvAlphaPlus), kzvStatusOk);
    EXPECT_GT(fd[3], 1.0f);
    // The 8u rounded division: 255 * 128 / 255 = 128, 1 * 128 / 255 rounds to 1.
    const uint8_t c[2] = {255, 1};
    uint8_t cd[2];
    ASSERT_EQ(kzviAlphaPremulC_8u_C1R(c, 2, 128, cd, 2, {2, 1}), kzvStatusOk);
    EXPECT_EQ(cd[0], 128);
    EXPECT_EQ(cd[1], 1);
}

TEST(Alpha, ArgumentChecks) {
    uint8_t b[64];
    memset(b, 5, sizeof b);
    const uint8_t* planes[4] = {b, b, nullptr, b};
    uint8_t* mplanes[4] = {b, b, b, b};
    const uint8_t key3[3] = {1, 2, 3};
    struct Case {
        const char* what;
        KzvStatus got, want;
    };
    const Case cases[] = {
        {"null", kzviAlphaComp_8u_AC4R(nullptr, 4, b, 4, b, 4, {0, 0}, 12), kzvStatusNullPtrErr},
        {"size before type", kzviAlphaComp_16u_AC1R((uint16_t*)b, 4, (uint16_t*)b, 4, (uint16_t*)b, 4, {0, 1}, 12), kzvStatusSizeErr},
        {"type 12", kzviAlphaComp_8u_AC4R(b, 4, b, 4, b, 4, {1, 1}, 12), kzvStatusAlphaTypeErr},
        {"type negative", kzviAlphaComp_32f_AC4IR((float*)b, 16, (float*)b, 16, {1, 1}, -1), kzvStatusAlphaTypeErr},
        {"plane null", kzviAlphaComp_8u_AP4R(planes, 4, planes, 4, mplanes, 4, {1, 1}, 0), kzvStatusNullPtrErr},
        {"plane array null", kzviAlphaPremul_16u_AP4IR(nullptr, 4, {1, 1}), kzvStatusNullPtrErr},
        {"const type", kzviAlphaCompC_32s_C1R((int32_t*)b, 4, 1, (int32_t*)b, 4, 1, (int32_t*)b, 4, {1, 1}, 99), kzvStatusAlphaTypeErr},
        {"const null", kzviAlphaCompC_8u_AP4IR(planes, 4, 1, mplanes, 4, 1, {1, 1}, 0), kzvStatusNullPtrErr},
        {"premul size", kzviAlphaPremulC_16u_AC4IR(7, (uint16_t*)b, 8, {1, -1}), kzvStatusSizeErr},
        {"key null", kzviCompColorKey_8u_C3R(b, 3, b, 3, b, 3, {1, 1}, nullptr), kzvStatusNullPtrErr},
        {"key size", kzviCompColorKey_16s_C1R((int16_t*)b, 2, (int16_t*)b, 2, (int16_t*)b, 2, {0, 1}, 0), kzvStatusSizeErr},
        {"key step", kzviCompColorKey_8u_C3R(b, 3, b, 0, b, 3, {1, 1}, key3), kzvStatusStepErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    for (uint8_t v : b) EXPECT_EQ(v, 5);
}

}  // namespace
