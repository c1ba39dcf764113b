// Row routines of the copy family, reusable by other families (border
// copies, conversions): byte copies with their cached and streaming
// variants, pattern fills, per-unit byte maps (channel moves, AC4 and
// channel-of-interest forms), planar conversions and masked runs.
//
// Interface rules, shared by every routine here:
// - Pointers are byte pointers; lengths are in bytes unless named otherwise.
// - No routine reads or writes outside [p, p + n) of each argument.
// - Routines that may use non-temporal stores say so; they never fence
//   themselves except copyBlock, copyRowsLong and copyManaged, which fence
//   before returning when they streamed. Callers of the other streaming
//   routines end with streamFence().
// - cacheBytes is the largest cache size (kzv::largestCacheBytes(), 0 when
//   unknown). Frames query it once and pass it down, so tests can drive every
//   path with chosen values.
#ifndef KZV_PIXEL_COPY_KERNELS_H
#define KZV_PIXEL_COPY_KERNELS_H

#include <stddef.h>
#include <stdint.h>

namespace kzv::cpy {

// ---- Thresholds ---------------------------------------------------------
constexpr size_t kSmallRowBytes = 512;          // shorter rows skip the large-copy logic
constexpr uint64_t kCachedCopyBytes = 3145728;  // copies up to 3 MiB stay cached
constexpr size_t kBlockPlainBytes = 32768;      // block copies below this are plain
constexpr uint64_t kBlockStreamBytes = 4194304; // block copies stream above 4 MiB
constexpr uint64_t kHugeCopyBytes = uint64_t(1) << 31;  // always streamed
constexpr size_t kLongChunkBytes = size_t(1) << 30;     // _L rows are copied in such chunks
constexpr uint64_t kSet8uStreamBytes = 6291456;         // 8u one-channel set: 6 MiB
constexpr uint64_t kSet16StreamSamples = 3145728;       // 16-bit one-channel set
constexpr uint64_t kSet16BytePixelBytes = 524288;       // 16-byte-pixel sets
constexpr uint64_t kPlanar32StreamBytes = 524288;       // 32-bit planar conversions

// ---- Byte copies ----------------------------------------------------------
// Any length; 32-byte vectors with an overlapped final vector, 16/8/4/2/1
// byte moves below 32 bytes. The plain copy of short rows and small blocks.
void copyRowSmall(const uint8_t* s, uint8_t* d, size_t n);
// Cached row copies for n >= 32 (unaligned rows of 2 KiB and more use the
// string move). Unaligned: aligns the destination first. Aligned: d 32-byte aligned
// and n a multiple of 32. Alias: the same preconditions as Aligned; loads
// run a 192-byte block ahead of the stores so that no load closely follows a
// store to an address 0..159 bytes below it modulo 4 KiB.
void copyRowUnaligned(const uint8_t* s, uint8_t* d, size_t n);
void copyRowAligned(const uint8_t* s, uint8_t* d, size_t n);
void copyRowAlias(const uint8_t* s, uint8_t* d, size_t n);
// The C library's memcpy (rows that are not the same memory).
void copyRowLibc(const uint8_t* s, uint8_t* d, size_t n);
constexpr size_t kLibcRowBytes = 256;  // cached rows this long and longer use it
// Non-temporal stores, no fence. Any n (short rows fall back to plain
// stores). Aligned: d 64-byte aligned and n a multiple of 32.
void copyRowStream(const uint8_t* s, uint8_t* d, size_t n);
void copyRowStreamAligned(const uint8_t* s, uint8_t* d, size_t n);
// Store fence after non-temporal stores.
void streamFence();

// True when (d mod 4096) - (s mod 4096), taken as unsigned, is below 160:
// loads would falsely alias recent stores if copied forwards.
bool aliases4k(const void* s, const void* d);

// One contiguous run: plain below 32 KiB; above 4 MiB with a known cache
// and at least half of it, streamed (fenced); otherwise cached, with the
// aliasing-aware order where aliases4k holds.
void copyBlock(const uint8_t* s, uint8_t* d, size_t n, int64_t cacheBytes);

// The paths of the two-dimensional byte copy, as chosen by copyPath.
enum class CopyPath { Block, Small, CachedAlias, CachedAligned, CachedUnaligned, Stream, StreamAligned };
CopyPath copyPath(const uint8_t* s, ptrdiff_t srcStep, const uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                  size_t height, int64_t cacheBytes);
// Copies height rows of rowBytes bytes (steps may be negative), by the path
// copyPath chooses; streams are fenced.
void copyRows(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes, size_t height,
              int64_t cacheBytes);
// The same path, forced (for tests and callers that know better).
void copyRowsBy(CopyPath path, const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                size_t height, int64_t cacheBytes);
// Pointer-width form: contiguous rows merged, each row copied in chunks of
// at most chunkBytes (plain below 32 KiB, else by copyBlock).
void copyRowsLong(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                  size_t height, int64_t cacheBytes, size_t chunkBytes = kLongChunkBytes);

// Caller-chosen memory access (flags: 1 non-temporal stores, 2 streaming
// loads); fenced when either is used.
void copyManaged(const uint8_t* s, ptrdiff_t srcStep, uint8_t* d, ptrdiff_t dstStep, size_t rowBytes,
                 size_t height, int flags);

// ---- Pattern fills --------------------------------------------------------
// A pixel value repeated over 128 bytes; the period is 96 for pixels of 3,
// 6 or 12 bytes and 32 otherwise, so the pattern at byte phase k of a row is
// bytes [k mod period, +32).
struct Pattern {
    alignas(32) uint8_t bytes[128];
    size_t period;
    bool uniform = false;  // one byte value throughout
};
// pixelBytes is 1, 2, 3, 4, 6, 8, 12 or 16.
void makePattern(Pattern& p, const void* pixel, int pixelBytes);
// Fills n bytes that start at a pixel boundary; stream: non-temporal stores
// for the aligned middle (no fence).
void setRow(uint8_t* d, size_t n, const Pattern& p, bool stream);
// Fills rows (contiguous rows merged); fences when stream.
void setRows(uint8_t* d, ptrdiff_t dstStep, size_t rowBytes, size_t height, const Pattern& p, bool stream);
// Whether a fill of w x h pixels of `channels` S-byte samples streams.
bool setStreams(int S, int channels, size_t w, size_t h, int64_t cacheBytes);

// ---- Byte maps over units -------------------------------------------------
// A unit is one pixel (or one chosen sample and its stride) of srcUnit bytes
// in the source and dstUnit bytes in the destination. Each destination byte
// j of a unit takes source byte from[j] of its unit, the fill byte
// (kFromFill), or keeps its value (kFromKeep: read and written back by the
// vector body, never touched by the scalar tail). Units are S, 3S or 4S
// bytes for sample size S (1, 2 or 4); a unit without source (srcUnit 0)
// only fills and keeps.
constexpr int8_t kFromFill = -1;
constexpr int8_t kFromKeep = -2;
struct UnitMap {
    int sampleBytes = 1;
    int srcUnit = 0, dstUnit = 0;
    int8_t from[16] = {};
    uint8_t fill[16] = {};
};
// The vector form of a map: one group of 8 / S units per step.
struct MapPlan {
    alignas(32) uint8_t shuffle[32];
    alignas(32) uint8_t fill[32];
    alignas(32) uint8_t fillMask[32];
    alignas(32) uint8_t keepMask[32];
    bool useFill, useKeep;
    int groupUnits, groupSrc, groupDst;  // units and bytes of one group
    int srcNeed;                         // source bytes a unit reads
    UnitMap unit;
};
void makePlan(MapPlan& plan, const UnitMap& m);
// Maps `units` units. srcSpan / dstSpan: bytes readable (writable) from s
// and d, which may end before the last full unit (channel-of-interest
// forms). s may equal d (each group is read whole before it is written).
void mapRow(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t units, size_t srcSpan, size_t dstSpan);
// The same on the scalar path only (tests compare both).
void mapRowScalar(const MapPlan& plan, const uint8_t* s, uint8_t* d, size_t units, size_t srcSpan);

// ---- Planar conversions ---------------------------------------------------
// pixels pixels of S-byte samples (S 1, 2 or 4) between an interleaved row
// and 3 or 4 plane rows; stream: non-temporal stores where the destination
// is 32-byte aligned (no fence).
void toPlanes3(int S, const uint8_t* s, uint8_t* const d[3], size_t pixels, bool stream);
void toPlanes4(int S, const uint8_t* s, uint8_t* const d[4], size_t pixels, bool stream);
void fromPlanes3(int S, const uint8_t* const s[3], uint8_t* d, size_t pixels, bool stream);
void fromPlanes4(int S, const uint8_t* const s[4], uint8_t* d, size_t pixels, bool stream);
// Whether a conversion of w x h pixels streams: 32-bit samples only, when
// source plus destination bytes exceed 512 KiB and reach the cache; the
// three-plane merge (toPlanes false, N 3) stays cached.
bool planarStreams(int S, int N, bool toPlanes, size_t w, size_t h, int64_t cacheBytes);

// ---- Masks ----------------------------------------------------------------
// Calls f(first, count) for every maximal run of non-zero bytes in
// mask[0, n), in order.
template <class F>
void forEachMaskRun(const uint8_t* mask, size_t n, F&& f);
// Bit i set when mask[i] is non-zero, for i < n <= 32.
uint32_t maskBits(const uint8_t* mask, size_t n);

}  // namespace kzv::cpy

// ---- Inline definitions -----------------------------------------------------
namespace kzv::cpy {

template <class F>
void forEachMaskRun(const uint8_t* mask, size_t n, F&& f) {
    size_t runStart = 0;
    bool inRun = false;
    for (size_t base = 0; base < n; base += 32) {
        const size_t len = n - base < 32 ? n - base : 32;
        uint32_t bits = maskBits(mask + base, len);
        const uint32_t valid = len == 32 ? 0xFFFFFFFFu : ((uint32_t(1) << len) - 1);
        if (!inRun && bits == 0) continue;
        if (inRun && bits == valid) continue;
        size_t pos = 0;
        while (pos < len) {
            if (!inRun) {
                const uint32_t rest = bits >> pos;
                if (rest == 0) break;
                pos += size_t(__builtin_ctz(rest));
                runStart = base + pos;
                inRun = true;
            } else {
                const uint32_t rest = (~bits & valid) >> pos;
                if (rest == 0) break;
                pos += size_t(__builtin_ctz(rest));
                f(runStart, base + pos - runStart);
                inRun = false;
            }
        }
    }
    if (inRun) f(runStart, n - runStart);
}

}  // namespace kzv::cpy

#endif  // KZV_PIXEL_COPY_KERNELS_H
