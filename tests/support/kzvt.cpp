#include "kzvt.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace kzvt {

namespace {
uint64_t gSeed = 20261210;
int gRepeat = 1;
constexpr int kMargin = 48;  // canary bytes before the region's first row

// Under user-mode emulation masked vector loads are not fault-suppressed as on
// a real processor: a lane that is masked off may still touch the guard page.
// The test driver then sets KZVT_READABLE_GUARDS and the guard pages only
// refuse writes; reads past the region are caught by the native x86-64 runs.
int guardProtection() {
    static const int prot = getenv("KZVT_READABLE_GUARDS") ? PROT_READ : PROT_NONE;
    return prot;
}

uint8_t canary(size_t offset) {
    return uint8_t(0xA5 ^ (offset * 0x3B) ^ (offset >> 8));
}
}  // namespace

bool guardsCatchReads() {
    return guardProtection() == PROT_NONE;
}

uint64_t baseSeed() {
    return gSeed;
}
int repeatCount() {
    return gRepeat;
}

void setSeedArgs(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--seed=", 7) == 0) gSeed = strtoull(argv[i] + 7, nullptr, 0);
        if (strncmp(argv[i], "--repeat=", 9) == 0) gRepeat = std::max(1, atoi(argv[i] + 9));
    }
}

void forEachSeed(const std::function<void(uint64_t)>& f) {
    for (int r = 0; r < gRepeat; ++r) {
        const uint64_t seed = gSeed + uint64_t(r);
        SCOPED_TRACE("seed " + std::to_string(seed) + " (rerun with --seed=" + std::to_string(seed) + ")");
        f(seed);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// ---- GuardedImage -----------------------------------------------------------

GuardedImage::GuardedImage(int width, int height, int pixelBytes, int extraStep, int misalign, Guard guard,
                           bool negativeStep) {
    Layout l;
    l.width = width;
    l.height = height;
    l.pixelBytes = pixelBytes;
    l.extraStep = extraStep;
    l.misalign = misalign;
    l.guard = guard;
    l.negativeStep = negativeStep;
    *this = GuardedImage(l);
}

GuardedImage::GuardedImage(const Layout& l) : l_(l) {
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t rowBytes = size_t(l.width) * l.pixelBytes;
    absStep_ = ptrdiff_t(rowBytes + l.extraStep);
    // Region bytes from the lowest row start to the end of the highest row.
    const size_t span = size_t(absStep_) * size_t(l.height - 1) + rowBytes;
    // Canary space on the unguarded side, plus up to 31 bytes of gap on the
    // guarded side when an exact misalignment is asked for.
    const size_t usable = span + kMargin + 32;
    const size_t dataPages = (usable + page - 1) / page;
    mapBytes_ = (dataPages + 1) * page;
    void* m = mmap(nullptr, mapBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m == MAP_FAILED) {
        ADD_FAILURE() << "mmap of " << mapBytes_ << " bytes failed";
        return;
    }
    map_ = static_cast<uint8_t*>(m);
    if (l.guard == Guard::After) {
        uint8_t* guardPage = map_ + dataPages * page;
        mprotect(guardPage, page, guardProtection());
        lo_ = map_;
        hi_ = guardPage;
        first_ = guardPage - span;  // the last row ends flush against the guard
        if (l.misalign >= 0) first_ -= (reinterpret_cast<uintptr_t>(first_) - uintptr_t(l.misalign)) & 31;
    } else {
        mprotect(map_, page, guardProtection());
        lo_ = map_ + page;
        hi_ = map_ + mapBytes_;
        first_ = lo_;  // the first row starts flush after the guard
        if (l.misalign > 0) first_ += l.misalign & 31;
    }
    for (uint8_t* p = lo_; p < hi_; ++p) *p = canary(size_t(p - lo_));
    snapshot();
}

void GuardedImage::release() {
    if (map_) munmap(map_, mapBytes_);
    map_ = nullptr;
}

GuardedImage::~GuardedImage() {
    release();
}

GuardedImage::GuardedImage(GuardedImage&& o) noexcept {
    *this = std::move(o);
}

GuardedImage& GuardedImage::operator=(GuardedImage&& o) noexcept {
    if (this != &o) {
        release();
        l_ = o.l_;
        absStep_ = o.absStep_;
        map_ = o.map_;
        mapBytes_ = o.mapBytes_;
        lo_ = o.lo_;
        hi_ = o.hi_;
        first_ = o.first_;
        snap_ = std::move(o.snap_);
        o.map_ = nullptr;
    }
    return *this;
}

uint8_t* GuardedImage::row(int y) const {
    const int memRow = l_.negativeStep ? l_.height - 1 - y : y;
    return first_ + ptrdiff_t(memRow) * absStep_;
}

void GuardedImage::fillBytes(const std::function<uint8_t(int, int)>& f) {
    for (int y = 0; y < l_.height; ++y) {
        uint8_t* r = row(y);
        for (int x = 0; x < rowBytes(); ++x) r[x] = f(x, y);
    }
    snapshot();
}

void GuardedImage::fillRandomBytes(Rng& rng) {
    fillBytes([&](int, int) { return uint8_t(rng.bits()); });
}

void GuardedImage::load(const void* packedData) {
    const uint8_t* s = static_cast<const uint8_t*>(packedData);
    for (int y = 0; y < l_.height; ++y) memcpy(row(y), s + size_t(y) * rowBytes(), rowBytes());
    snapshot();
}

std::vector<uint8_t> GuardedImage::packed() const {
    std::vector<uint8_t> out(size_t(rowBytes()) * l_.height);
    for (int y = 0; y < l_.height; ++y) memcpy(out.data() + size_t(y) * rowBytes(), row(y), rowBytes());
    return out;
}

void GuardedImage::snapshot() {
    snap_.assign(lo_, hi_);
}

::testing::AssertionResult GuardedImage::checkWrites(const std::function<bool(int, int)>& writable) const {
    // Map each byte to (row, xByte) when it lies inside the region.
    const size_t n = size_t(hi_ - lo_);
    const ptrdiff_t firstOff = first_ - lo_;
    for (size_t i = 0; i < n; ++i) {
        if (lo_[i] == snap_[i]) continue;
        const ptrdiff_t rel = ptrdiff_t(i) - firstOff;
        bool inRegion = false;
        int y = -1, x = -1;
        if (rel >= 0) {
            const ptrdiff_t memRow = rel / absStep_;
            const ptrdiff_t col = rel % absStep_;
            if (memRow < l_.height && col < rowBytes()) {
                inRegion = true;
                y = int(l_.negativeStep ? l_.height - 1 - memRow : memRow);
                x = int(col);
            }
        }
        if (inRegion && (!writable || writable(x, y))) continue;
        std::ostringstream os;
        os << "stray write ";
        if (inRegion)
            os << "inside the region at byte " << x << " of row " << y << " (not writable)";
        else if (rel < 0)
            os << (-rel) << " bytes before the first row";
        else {
            const ptrdiff_t memRow = rel / absStep_;
            const ptrdiff_t col = rel % absStep_;
            os << "in the padding of memory row " << memRow << " at byte " << col << " (row is " << rowBytes()
               << " bytes)";
        }
        os << ": was 0x" << std::hex << int(snap_[i]) << ", now 0x" << int(lo_[i]) << std::dec << " (image " << l_.width
           << "x" << l_.height << ", step " << step() << ")";
        return ::testing::AssertionFailure() << os.str();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GuardedImage::unchanged() const {
    return checkWrites([](int, int) { return false; });
}

std::function<bool(int, int)> skipAlpha(int sampleBytes) {
    return [sampleBytes](int x, int) { return (x / sampleBytes) % 4 != 3; };
}

std::function<bool(int, int)> onlyChannel(int channels, int sampleBytes) {
    return [channels, sampleBytes](int x, int) { return (x / sampleBytes) % channels == 0; };
}

// ---- Random geometry --------------------------------------------------------

int pickMisalign(Rng& rng, int sampleBytes) {
    const int n = 32 / sampleBytes;
    const int choices[4] = {0, 1, n / 4, (3 * n) / 5};
    return choices[rng.uniform(0, 3)] * sampleBytes;
}

int pickExtraStep(Rng& rng, int sampleBytes) {
    if (rng.chance(0.25)) return 0;
    int e = rng.uniform(1, 40) * sampleBytes;
    if (e % 32 == 0) e += sampleBytes;
    return e;
}

std::vector<SweepCase> sweepCases(Rng& rng, int pixelsPerIteration) {
    std::vector<SweepCase> out;
    const int maxW = 2 * pixelsPerIteration + 1;
    for (int w = 1; w <= maxW; ++w) out.push_back({w, rng.uniform(1, 4), rng.chance(0.25)});
    const int large[] = {maxW + 7, 257, 1000 + rng.uniform(0, 63)};
    for (int w : large) out.push_back({w, rng.uniform(1, 5), rng.chance(0.25)});
    out.push_back({rng.uniform(1, 9), rng.uniform(17, 40), rng.chance(0.25)});
    return out;
}

Layout randomLayout(Rng& rng, int width, int height, int pixelBytes, int sampleBytes, bool allowNegative) {
    Layout l;
    l.width = width;
    l.height = height;
    l.pixelBytes = pixelBytes;
    l.extraStep = pickExtraStep(rng, sampleBytes);
    // Half the images sit flush against their guard page; the others start
    // at a chosen offset from 32-byte alignment.
    l.misalign = rng.chance(0.5) ? -1 : pickMisalign(rng, sampleBytes);
    l.guard = rng.chance(0.3) ? Guard::Before : Guard::After;
    l.negativeStep = allowNegative && rng.chance(0.2);
    return l;
}

std::string hexDump(const uint8_t* p, size_t n) {
    std::string s;
    char b[4];
    for (size_t i = 0; i < n; ++i) {
        snprintf(b, sizeof b, "%02x", p[i]);
        if (i) s += ' ';
        s += b;
    }
    return s;
}

}  // namespace kzvt
