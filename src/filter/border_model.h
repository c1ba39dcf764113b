// Border model: how every neighbourhood operation (filters, resize, warps)
// obtains pixel values outside its region of interest. Header-only, so any
// family can include it without linking anything else.
//
// Interface
// ---------
// Selector (KzvBorderKind): kind in bits 0-3, in-memory flags in bits 4-7.
//
//   checkBorder(b, kBorderSetFilter)   -> kzvStatusOk or kzvStatusBorderErr.
//       value > 255 fails; exactly 240 (all sides in memory) passes; otherwise
//       the kind nibble must be in the family's set. Sets (bit k = kind k):
//         kBorderSetFilter   {1,3,6}  general, box, window sums, min/max,
//                                     bilateral, derivative border filters,
//                                     gradient vectors, HOG
//         kBorderSetMedian   {1,6}    median, hipass, Laplace, sharpen,
//                                     combined Sobel, adaptive thresholds
//         kBorderSetResize   {1,3,4}  linear, cubic, antialiasing resize
//         kBorderSetLanczos  {1}      Lanczos resize
//         kBorderSetWarp     {1,6,7}  affine and perspective warps
//       Families with a stricter rule (exact values only) compare the value
//       themselves; borderKindOf / borderFlagsOf give the fields.
//
//   BorderSides sides = borderSides(b);  one BorderMap per side: the kind's
//       map, or BorderMap::Memory where the side's flag is set. 240 gives
//       Memory on all four sides. withReach(sides, reach) additionally marks
//       the sides with zero reach as Memory (nothing is read there), and
//       allInMemory(sides) tells whether the operation can read the source
//       directly with no synthesised pixel at all.
//
//   mapIndex(map, i, n): the position in [0, n) that outside position i of a
//       line of n pixels reads; i itself for Memory; -1 for Constant and None.
//       Correct for any i (several periods out): replicate clamps, reflect has
//       period 2n-2 (n = 1 gives 0), reflect-edge period 2n, wrap period n.
//
// Single positions: mapColumn(src, x), mapRow(src, y) and borderPixel(src,
// x, y) (a pointer to the bytes of one bordered pixel) serve the resize and
// warp edge paths that fetch taps one at a time.
//
// Building bordered pixels. A BorderSource describes the source: first ROI
// pixel and step, ROI size, bytes per pixel (any element type and channel
// count: the builders move whole pixels as bytes), the per-side maps and one
// constant pixel (makeConstPixel builds it from per-channel values).
// Positions are ROI coordinates; x < 0, x >= width, y < 0, y >= height are
// outside. A pixel outside on one axis only is mapped on that axis; a corner
// pixel is mapped on each axis separately, so it is real memory only when both
// adjoining sides are Memory, and it is the constant when either mapped side
// is Constant.
//
//   buildBorderedRow(src, y, x0, count, dst)    pixels (x0 .. x0+count-1, y)
//   buildBorderedRect(src, x0, y0, w, h, dst, dstStep)
//   buildRowStripe(src, reach, y0, rows, dst, dstStep)
//       rows y0 .. y0+rows-1, each of the full bordered width
//       width + left + right (dst points at column -left)
//   buildColumnStripe(src, reach, x0, cols, dst, dstStep)
//       columns x0 .. x0+cols-1 of every bordered row -top .. height+bottom-1
//   buildWholeBordered(src, reach, dst, dstStep)
//       the whole bordered image, (width+left+right) x (height+top+bottom)
//   Destination pixels of a None side (keep-destination kind) are not written.
//
// Row ring for filters that walk output rows top to bottom:
//   BorderRowRing ring;
//   size_t bytes = BorderRowRing::bufferBytes(width, pixelBytes, reach);
//   ring.init(src, reach, buffer);            // buffer: >= bytes, any alignment
//   const uint8_t* rows[top + bottom + 1];    // (or a buffer of that many)
//   for y in y0 ..: ring.rows(y, rows);       // rows[k] = bordered source row
//                                             // y - top + k, pointing at
//                                             // column -left; width+left+right
//                                             // pixels are readable from it.
//   Rows whose horizontal borders need no synthesis (reach 0 or Memory on the
//   left and right) are read in place from the source; others are built once
//   into the ring (32-byte aligned slots) and reused while in the window.
//   The row pointers stay valid until rows() is called again for a row y
//   more than top + bottom beyond it. Rows may also be fetched one at a time
//   with ring.row(yy), in any order (out-of-order use rebuilds slots).
//
// Nothing here checks arguments: the family's frame does.
#ifndef KZV_FILTER_BORDER_MODEL_H
#define KZV_FILTER_BORDER_MODEL_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "kzvi.h"

namespace kzv::border {

// ---- Selector decoding and acceptance -------------------------------------

constexpr uint32_t borderKindOf(KzvBorderKind b) { return b & 0x0Fu; }
constexpr uint32_t borderFlagsOf(KzvBorderKind b) { return b & 0xF0u; }

constexpr uint32_t kindBit(uint32_t kind) { return 1u << kind; }

enum : uint32_t {
    kBorderSetFilter = kindBit(kzvBorderReplicate) | kindBit(kzvBorderReflect) | kindBit(kzvBorderConstant),
    kBorderSetMedian = kindBit(kzvBorderReplicate) | kindBit(kzvBorderConstant),
    kBorderSetResize = kindBit(kzvBorderReplicate) | kindBit(kzvBorderReflect) | kindBit(kzvBorderReflectEdge),
    kBorderSetLanczos = kindBit(kzvBorderReplicate),
    kBorderSetWarp = kindBit(kzvBorderReplicate) | kindBit(kzvBorderConstant) | kindBit(kzvBorderKeepDst),
};

// The acceptance check shared by every family taking a KzvBorderKind.
constexpr KzvStatus checkBorder(KzvBorderKind b, uint32_t acceptedKinds) {
    if (b > 255u) return kzvStatusBorderErr;
    if (b == kzvBorderMemAll) return kzvStatusOk;
    return (acceptedKinds & kindBit(borderKindOf(b))) ? kzvStatusOk : kzvStatusBorderErr;
}

// ---- Maps ------------------------------------------------------------------

// How the positions beyond one side are produced.
enum class BorderMap : uint8_t {
    Memory,       // real pixels beyond the ROI, read as they are
    Replicate,    // nearest edge pixel
    Reflect,      // mirror, edge not repeated (period 2n-2)
    ReflectEdge,  // mirror, edge repeated (period 2n)
    Wrap,         // periodic (period n); used by the wrap border copy only
    Constant,     // the source's constant pixel
    None,         // nothing synthesised: the destination is not written
};

// i mod n taken into [0, n), for n >= 1 and any i.
inline ptrdiff_t floorMod(ptrdiff_t i, ptrdiff_t n) {
    const ptrdiff_t r = i % n;
    return r < 0 ? r + n : r;
}

// Index read for position i of a line of n pixels (inside positions map to
// themselves for every map except that Constant/None give -1 only outside).
inline ptrdiff_t mapIndex(BorderMap m, ptrdiff_t i, ptrdiff_t n) {
    if (i >= 0 && i < n) return i;
    switch (m) {
    case BorderMap::Memory: return i;
    case BorderMap::Replicate: return i < 0 ? 0 : n - 1;
    case BorderMap::Reflect: {
        if (n == 1) return 0;
        const ptrdiff_t p = 2 * n - 2;
        const ptrdiff_t j = floorMod(i, p);
        return j >= n ? p - j : j;
    }
    case BorderMap::ReflectEdge: {
        // -1-i left and 2n-1-i right, continued with period 2n so that no
        // position far outside maps out of the line.
        const ptrdiff_t p = 2 * n;
        const ptrdiff_t j = floorMod(i, p);
        return j >= n ? p - 1 - j : j;
    }
    case BorderMap::Wrap: return floorMod(i, n);
    case BorderMap::Constant:
    case BorderMap::None: break;
    }
    return -1;
}

// The map that a kind nibble stands for (kinds no family accepts give None).
constexpr BorderMap mapOfKind(uint32_t kind) {
    switch (kind) {
    case kzvBorderReplicate: return BorderMap::Replicate;
    case kzvBorderReflect: return BorderMap::Reflect;
    case kzvBorderReflectEdge: return BorderMap::ReflectEdge;
    case kzvBorderConstant: return BorderMap::Constant;
    default: return BorderMap::None;
    }
}

// ---- Sides and reach ----------------------------------------------------------

struct BorderSides {
    BorderMap left, right, top, bottom;
};

// How far an operation reads beyond each side, in pixels (>= 0).
struct BorderReach {
    ptrdiff_t left, right, top, bottom;
};

// Reach of a mw x mh window anchored at (ax, ay) (the window of output pixel
// (x, y) covers columns x-ax .. x-ax+mw-1 and rows y-ay .. y-ay+mh-1).
constexpr BorderReach windowReach(ptrdiff_t mw, ptrdiff_t mh, ptrdiff_t ax, ptrdiff_t ay) {
    return BorderReach{ax, mw - 1 - ax, ay, mh - 1 - ay};
}
// The centred window of the bordered filters: anchor ((mw-1)>>1, (mh-1)>>1).
constexpr BorderReach centredReach(ptrdiff_t mw, ptrdiff_t mh) {
    return windowReach(mw, mh, (mw - 1) >> 1, (mh - 1) >> 1);
}

constexpr BorderSides uniformSides(BorderMap m) { return BorderSides{m, m, m, m}; }

// Per-side maps of an accepted selector.
constexpr BorderSides borderSides(KzvBorderKind b) {
    const BorderMap m = mapOfKind(borderKindOf(b));
    return BorderSides{(b & kzvBorderMemLeft) ? BorderMap::Memory : m, (b & kzvBorderMemRight) ? BorderMap::Memory : m,
                       (b & kzvBorderMemTop) ? BorderMap::Memory : m,
                       (b & kzvBorderMemBottom) ? BorderMap::Memory : m};
}

// Sides where the reach is 0 count as in memory: nothing is read there.
constexpr BorderSides withReach(BorderSides s, const BorderReach& r) {
    return BorderSides{r.left > 0 ? s.left : BorderMap::Memory, r.right > 0 ? s.right : BorderMap::Memory,
                       r.top > 0 ? s.top : BorderMap::Memory, r.bottom > 0 ? s.bottom : BorderMap::Memory};
}

constexpr bool allInMemory(const BorderSides& s) {
    return s.left == BorderMap::Memory && s.right == BorderMap::Memory && s.top == BorderMap::Memory &&
           s.bottom == BorderMap::Memory;
}

// ---- Source description --------------------------------------------------------

enum { kMaxPixelBytes = 32 };  // 4 channels of 64-bit samples

struct BorderSource {
    const uint8_t* ptr = nullptr;  // first pixel of the ROI
    ptrdiff_t step = 0;            // bytes between rows (any sign)
    ptrdiff_t width = 0, height = 0;
    int pixelBytes = 1;            // 1 .. kMaxPixelBytes
    BorderSides sides = uniformSides(BorderMap::Memory);
    uint8_t constPixel[kMaxPixelBytes] = {};  // used by Constant sides

    const uint8_t* rowPtr(ptrdiff_t y) const { return ptr + step * y; }
};

// One constant pixel from per-channel values: channel c gets values[c] for
// c < nValues and 0 beyond (e.g. the alpha of an AC4 pixel given 3 values).
template <class T>
inline void makeConstPixel(BorderSource& s, const T* values, int nValues, int channels) {
    // Plain copies, no conditional loads: a conditional load can become a
    // masked vector load, which user-mode emulators fault on for a null
    // pointer even with every lane masked off.
    const int n = values != nullptr ? (nValues < channels ? nValues : channels) : 0;
    memset(s.constPixel, 0, size_t(channels) * sizeof(T));
    if (n > 0) memcpy(s.constPixel, values, size_t(n) * sizeof(T));
}

// Convenience: a source description for an accepted selector.
template <class T>
inline BorderSource makeBorderSource(const T* ptr, ptrdiff_t step, ptrdiff_t width, ptrdiff_t height, int channels,
                                     BorderSides sides, const T* constValues = nullptr, int nValues = 0) {
    BorderSource s;
    s.ptr = reinterpret_cast<const uint8_t*>(ptr);
    s.step = step;
    s.width = width;
    s.height = height;
    s.pixelBytes = int(sizeof(T)) * channels;
    s.sides = sides;
    makeConstPixel(s, constValues, nValues, channels);
    return s;
}

// ---- Single positions (resize and warp edge taps) ---------------------------

// Source column / row that position x / y reads by the side's map: x itself
// inside or on a Memory side, -1 for Constant (and None) sides.
inline ptrdiff_t mapColumn(const BorderSource& s, ptrdiff_t x) {
    return mapIndex(x < 0 ? s.sides.left : s.sides.right, x, s.width);
}
inline ptrdiff_t mapRow(const BorderSource& s, ptrdiff_t y) {
    return mapIndex(y < 0 ? s.sides.top : s.sides.bottom, y, s.height);
}

// The bytes of pixel (x, y) in ROI coordinates, each axis mapped separately:
// a source pixel, the constant pixel, or nullptr where a None side means
// "do not write".
inline const uint8_t* borderPixel(const BorderSource& s, ptrdiff_t x, ptrdiff_t y) {
    const ptrdiff_t mx = mapColumn(s, x), my = mapRow(s, y);
    const bool noneX = (x < 0 || x >= s.width) && (x < 0 ? s.sides.left : s.sides.right) == BorderMap::None;
    const bool noneY = (y < 0 || y >= s.height) && (y < 0 ? s.sides.top : s.sides.bottom) == BorderMap::None;
    if (noneX || noneY) return nullptr;
    const bool constX = (x < 0 || x >= s.width) && (x < 0 ? s.sides.left : s.sides.right) == BorderMap::Constant;
    const bool constY = (y < 0 || y >= s.height) && (y < 0 ? s.sides.top : s.sides.bottom) == BorderMap::Constant;
    if (constX || constY) return s.constPixel;
    return s.rowPtr(my) + mx * ptrdiff_t(s.pixelBytes);
}

// ---- Run builders --------------------------------------------------------------

namespace detail {

template <int PB>
inline void copyPixel(uint8_t* d, const uint8_t* s, int) {
    memcpy(d, s, PB);
}
template <>
inline void copyPixel<0>(uint8_t* d, const uint8_t* s, int pb) {
    memcpy(d, s, size_t(pb));
}

// Writes `count` pixels for positions x0 .. x0+count-1 of one line of n
// pixels starting at `line`, all of them outside [0, n) on the same side, by
// map m. PB is the pixel size (0: given at run time as pb).
template <int PB>
inline void outsideRun(uint8_t* dst, const uint8_t* line, ptrdiff_t x0, ptrdiff_t count, ptrdiff_t n, BorderMap m,
                       const uint8_t* cpx, int pb) {
    const size_t P = PB ? size_t(PB) : size_t(pb);
    switch (m) {
    case BorderMap::None: return;
    case BorderMap::Memory: memcpy(dst, line + x0 * ptrdiff_t(P), size_t(count) * P); return;
    case BorderMap::Constant:
        for (ptrdiff_t k = 0; k < count; ++k) copyPixel<PB>(dst + size_t(k) * P, cpx, pb);
        return;
    case BorderMap::Replicate: {
        const uint8_t* e = line + (x0 < 0 ? 0 : (n - 1) * ptrdiff_t(P));
        for (ptrdiff_t k = 0; k < count; ++k) copyPixel<PB>(dst + size_t(k) * P, e, pb);
        return;
    }
    case BorderMap::Reflect:
    case BorderMap::ReflectEdge:
    case BorderMap::Wrap: {
        if (n == 1) {
            for (ptrdiff_t k = 0; k < count; ++k) copyPixel<PB>(dst + size_t(k) * P, line, pb);
            return;
        }
        // Walk the periodic index incrementally: j is the phase in [0, p).
        const ptrdiff_t p = m == BorderMap::Reflect ? 2 * n - 2 : (m == BorderMap::ReflectEdge ? 2 * n : n);
        const ptrdiff_t top = m == BorderMap::Reflect ? p : p - 1;  // j >= n reads top - j
        ptrdiff_t j = floorMod(x0, p);
        for (ptrdiff_t k = 0; k < count; ++k) {
            const ptrdiff_t idx = j < n ? j : top - j;
            copyPixel<PB>(dst + size_t(k) * P, line + idx * ptrdiff_t(P), pb);
            if (++j == p) j = 0;
        }
        return;
    }
    }
}

template <int PB>
inline void borderedRow(const BorderSource& s, const uint8_t* line, ptrdiff_t x0, ptrdiff_t count, uint8_t* dst) {
    const size_t P = PB ? size_t(PB) : size_t(s.pixelBytes);
    const ptrdiff_t x1 = x0 + count;
    ptrdiff_t x = x0;
    if (x < 0) {
        const ptrdiff_t e = x1 < 0 ? x1 : 0;
        outsideRun<PB>(dst, line, x, e - x, s.width, s.sides.left, s.constPixel, s.pixelBytes);
        dst += size_t(e - x) * P;
        x = e;
    }
    if (x < x1 && x < s.width) {
        const ptrdiff_t e = x1 < s.width ? x1 : s.width;
        memcpy(dst, line + x * ptrdiff_t(P), size_t(e - x) * P);
        dst += size_t(e - x) * P;
        x = e;
    }
    if (x < x1) outsideRun<PB>(dst, line, x, x1 - x, s.width, s.sides.right, s.constPixel, s.pixelBytes);
}

}  // namespace detail

// The source line that bordered row y reads (nullptr: the row is the
// constant, or not written for None), by the vertical maps.
inline const uint8_t* borderLine(const BorderSource& s, ptrdiff_t y, bool* constant) {
    *constant = false;
    if (y >= 0 && y < s.height) return s.rowPtr(y);
    const BorderMap m = y < 0 ? s.sides.top : s.sides.bottom;
    if (m == BorderMap::Constant) *constant = true;
    if (m == BorderMap::Constant || m == BorderMap::None) return nullptr;
    return s.rowPtr(mapIndex(m, y, s.height));
}

// Pixels (x0 .. x0+count-1, y) in ROI coordinates into dst.
inline void buildBorderedRow(const BorderSource& s, ptrdiff_t y, ptrdiff_t x0, ptrdiff_t count, uint8_t* dst) {
    bool constant;
    const uint8_t* line = borderLine(s, y, &constant);
    if (line == nullptr) {
        // A constant row: every pixel is the constant, corners included.
        if (constant) detail::outsideRun<0>(dst, nullptr, 0, count, 1, BorderMap::Constant, s.constPixel, s.pixelBytes);
        return;
    }
    switch (s.pixelBytes) {
    case 1: detail::borderedRow<1>(s, line, x0, count, dst); break;
    case 2: detail::borderedRow<2>(s, line, x0, count, dst); break;
    case 3: detail::borderedRow<3>(s, line, x0, count, dst); break;
    case 4: detail::borderedRow<4>(s, line, x0, count, dst); break;
    case 6: detail::borderedRow<6>(s, line, x0, count, dst); break;
    case 8: detail::borderedRow<8>(s, line, x0, count, dst); break;
    case 12: detail::borderedRow<12>(s, line, x0, count, dst); break;
    case 16: detail::borderedRow<16>(s, line, x0, count, dst); break;
    default: detail::borderedRow<0>(s, line, x0, count, dst); break;
    }
}

inline void buildBorderedRect(const BorderSource& s, ptrdiff_t x0, ptrdiff_t y0, ptrdiff_t w, ptrdiff_t h,
                              uint8_t* dst, ptrdiff_t dstStep) {
    for (ptrdiff_t r = 0; r < h; ++r) buildBorderedRow(s, y0 + r, x0, w, dst + dstStep * r);
}

// Rows y0 .. y0+rows-1 of the bordered image, each width+left+right pixels
// (dst is column -left).
inline void buildRowStripe(const BorderSource& s, const BorderReach& r, ptrdiff_t y0, ptrdiff_t rows, uint8_t* dst,
                           ptrdiff_t dstStep) {
    buildBorderedRect(s, -r.left, y0, s.width + r.left + r.right, rows, dst, dstStep);
}

// Columns x0 .. x0+cols-1 of the bordered rows -top .. height+bottom-1.
inline void buildColumnStripe(const BorderSource& s, const BorderReach& r, ptrdiff_t x0, ptrdiff_t cols,
                              uint8_t* dst, ptrdiff_t dstStep) {
    buildBorderedRect(s, x0, -r.top, cols, s.height + r.top + r.bottom, dst, dstStep);
}

inline void buildWholeBordered(const BorderSource& s, const BorderReach& r, uint8_t* dst, ptrdiff_t dstStep) {
    buildBorderedRect(s, -r.left, -r.top, s.width + r.left + r.right, s.height + r.top + r.bottom, dst, dstStep);
}

// Bytes of a whole bordered image of (width+left+right) x (height+top+bottom)
// pixels with rows packed at `rowBytes` stride (callers pick the stride).
inline size_t borderedRowBytes(ptrdiff_t width, int pixelBytes, const BorderReach& r) {
    return size_t(width + r.left + r.right) * size_t(pixelBytes);
}

// ---- Row ring -----------------------------------------------------------------

class BorderRowRing {
public:
    // Work-buffer bytes needed for an ROI `width` pixels wide (any alignment
    // of the buffer pointer is fine: the slack is included).
    static size_t bufferBytes(ptrdiff_t width, int pixelBytes, const BorderReach& r) {
        const size_t slots = size_t(r.top + r.bottom + 1) + 1;  // + one constant row
        return slots * slotBytes(width, pixelBytes, r) + slots * sizeof(ptrdiff_t) + 64;
    }

    void init(const BorderSource& s, const BorderReach& r, void* buffer) {
        s_ = s;
        s_.sides = withReach(s.sides, r);
        r_ = r;
        window_ = r.top + r.bottom + 1;
        stride_ = ptrdiff_t(slotBytes(s.width, s.pixelBytes, r));
        uintptr_t a = (reinterpret_cast<uintptr_t>(buffer) + 31u) & ~uintptr_t(31);
        slots_ = reinterpret_cast<uint8_t*>(a);
        // Tags after the slots (the slots are whole multiples of 32 bytes).
        tags_ = reinterpret_cast<ptrdiff_t*>(slots_ + (window_ + 1) * stride_);
        for (ptrdiff_t k = 0; k < window_; ++k) tags_[k] = kNoRow;
        constBuilt_ = false;
        inPlace_ = s_.sides.left == BorderMap::Memory && s_.sides.right == BorderMap::Memory;
    }

    // Bordered source row yy (ROI coordinates), pointing at column -left.
    const uint8_t* row(ptrdiff_t yy) {
        bool constant;
        const uint8_t* line = borderLine(s_, yy, &constant);
        const ptrdiff_t pb = s_.pixelBytes;
        if (constant) {
            uint8_t* c = slots_ + window_ * stride_;
            if (!constBuilt_) {
                buildBorderedRow(s_, yy, -r_.left, s_.width + r_.left + r_.right, c);
                constBuilt_ = true;
            }
            return c;
        }
        if (inPlace_ && line != nullptr) return line - r_.left * pb;
        const ptrdiff_t k = floorMod(yy, window_);
        uint8_t* slot = slots_ + k * stride_;
        if (tags_[k] != yy) {
            buildBorderedRow(s_, yy, -r_.left, s_.width + r_.left + r_.right, slot);
            tags_[k] = yy;
        }
        return slot;
    }

    // rows[k] = row(y - top + k) for k in 0 .. top+bottom.
    void rows(ptrdiff_t y, const uint8_t** out) {
        for (ptrdiff_t k = 0; k < window_; ++k) out[k] = row(y - r_.top + k);
    }

    ptrdiff_t windowRows() const { return window_; }
    const BorderSource& source() const { return s_; }

private:
    static constexpr ptrdiff_t kNoRow = PTRDIFF_MIN;
    static size_t slotBytes(ptrdiff_t width, int pixelBytes, const BorderReach& r) {
        return (borderedRowBytes(width, pixelBytes, r) + 31u) & ~size_t(31);
    }

    BorderSource s_;
    BorderReach r_{};
    ptrdiff_t window_ = 1, stride_ = 0;
    uint8_t* slots_ = nullptr;
    ptrdiff_t* tags_ = nullptr;
    bool constBuilt_ = false, inPlace_ = false;
};

}  // namespace kzv::border

#endif  // KZV_FILTER_BORDER_MODEL_H
