// Test support: guarded images, random sweeps with printed seeds, adversarial
// fills and comparison with hex dumps. Shared by every family's tests.
#ifndef KZVT_H
#define KZVT_H

#include <gtest/gtest.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "kzvi.h"

namespace kzvt {

// ---- Seeds ------------------------------------------------------------------
// The base seed comes from --seed=N on the command line (default: a fixed
// value, so runs are reproducible) and --repeat=N runs N successive seeds.
uint64_t baseSeed();
int repeatCount();
// False when guard pages are readable (emulated runs): over-reads then do not
// fault.
bool guardsCatchReads();
// Reads --seed= and --repeat= (called by the test main).
void setSeedArgs(int argc, char** argv);
// Calls f(seed) for each of the repeat seeds, with the seed in the trace.
void forEachSeed(const std::function<void(uint64_t)>& f);

class Rng {
public:
    explicit Rng(uint64_t seed) : g_(seed) {}
    // Uniform integer in [lo, hi].
    int64_t range(int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(g_); }
    int uniform(int lo, int hi) { return int(range(lo, hi)); }
    double real(double lo = 0.0, double hi = 1.0) { return std::uniform_real_distribution<double>(lo, hi)(g_); }
    bool chance(double p) { return real() < p; }
    uint64_t bits() { return g_(); }
    template <class T>
    T pick(std::initializer_list<T> v) {
        return *(v.begin() + range(0, int64_t(v.size()) - 1));
    }
    std::mt19937_64& engine() { return g_; }

private:
    std::mt19937_64 g_;
};

// ---- Guarded images ---------------------------------------------------------
// Where the protected (PROT_NONE) page sits: right after the last byte of the
// region (catches over-reads past the end) or right before its first byte
// (catches reads before the start).
enum class Guard { After, Before };

struct Layout {
    int width = 1;  // pixels
    int height = 1;
    int pixelBytes = 1;  // bytes of one pixel (channels * sample size)
    int extraStep = 0;   // padding bytes after each row
    // Byte offset of the first pixel from 32-byte alignment. -1 places the
    // region flush against the guard page (its end for Guard::After, its
    // start for Guard::Before); an offset leaves a gap of up to 31 bytes.
    int misalign = -1;
    bool negativeStep = false;  // rows stored bottom-up; step() is negative
    Guard guard = Guard::After;
};

class GuardedImage {
public:
    GuardedImage() = default;
    explicit GuardedImage(const Layout& l);
    GuardedImage(int width, int height, int pixelBytes, int extraStep = 0, int misalign = -1,
                 Guard guard = Guard::After, bool negativeStep = false);
    ~GuardedImage();
    GuardedImage(GuardedImage&& o) noexcept;
    GuardedImage& operator=(GuardedImage&& o) noexcept;
    GuardedImage(const GuardedImage&) = delete;
    GuardedImage& operator=(const GuardedImage&) = delete;

    const Layout& layout() const { return l_; }
    int width() const { return l_.width; }
    int height() const { return l_.height; }
    int rowBytes() const { return l_.width * l_.pixelBytes; }
    // Pointer to the first pixel of the region and the step to pass.
    uint8_t* data() const { return row(0); }
    template <class T>
    T* ptr() const {
        return reinterpret_cast<T*>(data());
    }
    int step() const { return int(l_.negativeStep ? -absStep_ : absStep_); }
    uint8_t* row(int y) const;
    template <class T>
    T* rowAs(int y) const {
        return reinterpret_cast<T*>(row(y));
    }

    // Fills the region's bytes from f(xByte, y) (or random bytes); the canary
    // around the region stays. Then records the contents for the checks.
    void fillBytes(const std::function<uint8_t(int xByte, int y)>& f);
    void fillRandomBytes(Rng& rng);
    template <class T>
    void fillSamples(const std::function<T(int index, int y)>& f);
    // Copies region contents row by row from a packed buffer.
    void load(const void* packed);
    // Region contents as a packed buffer (rows without padding).
    std::vector<uint8_t> packed() const;
    template <class T>
    std::vector<T> packedAs() const {
        std::vector<uint8_t> b = packed();
        std::vector<T> out(b.size() / sizeof(T));
        memcpy(out.data(), b.data(), out.size() * sizeof(T));
        return out;
    }

    // Records the whole buffer as the reference for the checks below.
    void snapshot();
    // Nothing outside the region changed, and within it only bytes for which
    // writable(xByte, y) is true (all, when no predicate is given).
    ::testing::AssertionResult checkWrites(const std::function<bool(int xByte, int y)>& writable = {}) const;
    // Nothing changed at all (for calls that must fail without writing).
    ::testing::AssertionResult unchanged() const;

private:
    void release();
    Layout l_;
    ptrdiff_t absStep_ = 0;
    uint8_t* map_ = nullptr;
    size_t mapBytes_ = 0;
    uint8_t* lo_ = nullptr;     // first usable byte (canary area starts here)
    uint8_t* hi_ = nullptr;     // one past the last usable byte
    uint8_t* first_ = nullptr;  // lowest-address row start
    std::vector<uint8_t> snap_;
};

template <class T>
void GuardedImage::fillSamples(const std::function<T(int index, int y)>& f) {
    const int n = rowBytes() / int(sizeof(T));
    for (int y = 0; y < height(); ++y) {
        uint8_t* r = row(y);
        for (int i = 0; i < n; ++i) {
            T v = f(i, y);
            memcpy(r + i * sizeof(T), &v, sizeof(T));
        }
    }
    snapshot();
}

// Writable-byte predicates for common layouts.
// AC4: the fourth sample of each pixel is never written.
std::function<bool(int, int)> skipAlpha(int sampleBytes);
// Channel of interest in a C3/C4 image addressed at the selected channel:
// only one sample of each pixel is writable.
std::function<bool(int, int)> onlyChannel(int channels, int sampleBytes);

// ---- Random geometry -------------------------------------------------------
// Offsets from 32-byte alignment: 0, 1, N/4 and 3N/5 elements, N the
// elements of a vector.
int pickMisalign(Rng& rng, int sampleBytes);
// Step padding, not a multiple of 32 (and sometimes 0 for contiguous rows).
int pickExtraStep(Rng& rng, int sampleBytes);

// One case of a sweep: a region size; layouts are drawn per image.
struct SweepCase {
    int width, height;
    bool adversarial;  // about one case in four: extreme values
};
// Widths 1 .. 2*pixelsPerIteration+1, then a few large ones, each with a
// random height 1..4 (and a few taller).
std::vector<SweepCase> sweepCases(Rng& rng, int pixelsPerIteration);
// A random layout for an image of the case's size.
Layout randomLayout(Rng& rng, int width, int height, int pixelBytes, int sampleBytes, bool allowNegative);

// ---- Sample fills ----------------------------------------------------------
// Random samples of T; with `adversarial`, one of the extreme patterns
// (all-min, all-max, max-1/min+1, alternating extremes; for floats also
// +-0, subnormals, +-inf, NaN and huge magnitudes when `specials`).
template <class T>
std::vector<T> randomSamples(Rng& rng, size_t n, bool adversarial, bool specials = false);
// A random finite value of T in its whole range (floats in [-1000, 1000]).
template <class T>
T randomValue(Rng& rng);

// ---- Comparison -------------------------------------------------------------
// Compares the region of img (samples of T, `samplesPerRow` of them per row)
// with a packed reference, within `tol` (absolute; NaN equals NaN). On a
// mismatch, reports the first differing sample and a hex dump around it.
template <class T>
::testing::AssertionResult regionNear(const GuardedImage& img, const std::vector<T>& ref, double tol = 0,
                                      const std::function<bool(int, int)>& compareSample = {});

std::string hexDump(const uint8_t* p, size_t n);

// ---- Inline template definitions -------------------------------------------

template <class T>
T randomValue(Rng& rng) {
    if constexpr (std::is_floating_point_v<T>) {
        return T(rng.real(-1000.0, 1000.0));
    } else {
        using L = std::numeric_limits<T>;
        return T(rng.range(int64_t(L::min()), int64_t(std::min<uint64_t>(uint64_t(L::max()), uint64_t(INT64_MAX)))));
    }
}

template <class T>
std::vector<T> randomSamples(Rng& rng, size_t n, bool adversarial, bool specials) {
    std::vector<T> v(n);
    using L = std::numeric_limits<T>;
    if (!adversarial) {
        for (auto& x : v) x = randomValue<T>(rng);
        return v;
    }
    const int kinds = (std::is_floating_point_v<T> && specials) ? 6 : 5;
    const int kind = rng.uniform(0, kinds - 1);
    for (size_t i = 0; i < n; ++i) {
        T x{};
        switch (kind) {
            case 0:
                x = std::is_floating_point_v<T> ? T(-L::max()) : L::min();
                break;
            case 1:
                x = L::max();
                break;
            case 2:
                if constexpr (std::is_floating_point_v<T>)
                    x = (i & 1) ? T(1) : T(-1);
                else
                    x = (i & 1) ? T(L::max() - 1) : T(L::min() + 1);
                break;
            case 3:
                x = (i & 1) ? L::max() : (std::is_floating_point_v<T> ? T(-L::max()) : L::min());
                break;
            case 4:
                x = rng.chance(0.5) ? randomValue<T>(rng) : (rng.chance(0.5) ? L::max() : L::lowest());
                break;
            default:
                if constexpr (std::is_floating_point_v<T>) {
                    const T sp[] = {T(0),           T(-0.0),        L::denorm_min(), T(-L::denorm_min()), L::infinity(),
                                    -L::infinity(), L::quiet_NaN(), T(L::max() / 2), T(-L::max() / 3),    T(1.5)};
                    x = sp[rng.uniform(0, 9)];
                }
                break;
        }
        v[i] = x;
    }
    return v;
}

template <class T>
::testing::AssertionResult regionNear(const GuardedImage& img, const std::vector<T>& ref, double tol,
                                      const std::function<bool(int, int)>& compareSample) {
    const int n = img.rowBytes() / int(sizeof(T));
    if (ref.size() != size_t(n) * size_t(img.height()))
        return ::testing::AssertionFailure()
               << "reference has " << ref.size() << " samples, region " << size_t(n) * img.height();
    for (int y = 0; y < img.height(); ++y) {
        const uint8_t* r = img.row(y);
        for (int i = 0; i < n; ++i) {
            if (compareSample && !compareSample(i, y)) continue;
            T got;
            memcpy(&got, r + i * sizeof(T), sizeof(T));
            const T want = ref[size_t(y) * n + i];
            bool ok;
            if constexpr (std::is_floating_point_v<T>) {
                if (std::isnan(want) || std::isnan(got))
                    ok = std::isnan(want) && std::isnan(got);
                else if (std::isinf(want) || std::isinf(got))
                    ok = want == got;
                else
                    ok = std::fabs(double(got) - double(want)) <= tol;
            } else {
                ok = std::fabs(double(got) - double(want)) <= tol;
            }
            if (!ok) {
                const int lo = std::max(0, i - 4);
                const int hi = std::min(n, i + 5);
                std::vector<uint8_t> w((hi - lo) * sizeof(T));
                for (int k = lo; k < hi; ++k) memcpy(&w[(k - lo) * sizeof(T)], &ref[size_t(y) * n + k], sizeof(T));
                return ::testing::AssertionFailure()
                       << "sample " << i << " of row " << y << " (region " << img.width() << "x" << img.height()
                       << ", step " << img.step() << "): got " << +got << ", want " << +want << "\n  got  [" << lo
                       << ".." << hi - 1 << "]: " << hexDump(r + lo * sizeof(T), (hi - lo) * sizeof(T)) << "\n  want ["
                       << lo << ".." << hi - 1 << "]: " << hexDump(w.data(), w.size());
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kzvt

#endif  // KZVT_H
