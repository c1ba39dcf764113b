// Two-dimensional FFT (power-of-two sizes) and DFT (any size) of complex and
// real single-precision images. A 2-D transform is a row pass and a column
// pass of the 1-D transforms in fft_kernels; columns are gathered eight at a
// time into the work buffer, transformed there in place and scattered back.
//
// Spec body (64-byte aligned), 32-bit words:
//   0 identifier, 1 orderX or width, 2 orderY or height, 3 hint,
//   4 work-buffer bytes the transform calls need (0: none),
//   6 complex row plan, 7 complex column plan (0: the row plan serves),
//   8 real row plan, 9 real column plan (0: the row plan serves);
// plans are byte offsets from the body, each at a 64-byte boundary behind
// the 64-byte header.
#include <immintrin.h>
#include <string.h>

#include <algorithm>

#include "common/frame.h"
#include "common/spec.h"
#include "transform/fft_kernels.h"

namespace {

using kzv::alignUp;
using kzv::getWord;
using kzv::putWord;
using kzv::rowAt;
namespace f1 = kzv::fft;

constexpr uint64_t kHeaderBytes = 64;
constexpr size_t kStackBuffer = 2048;  // buffer needs up to this run on the stack

enum Word { wId = 0, wX = 1, wY = 2, wHint = 3, wBuf = 4, wCRow = 6, wCCol = 7, wRRow = 8, wRCol = 9 };

inline uint64_t A(uint64_t v) { return (v + 63) & ~uint64_t(63); }

// ---- Geometry of a spec family ------------------------------------------------

struct Dims {
    bool isFft, isReal;
    int32_t id;
    int64_t w, h;       // lengths
    int32_t wx, wy;     // header words 1 and 2 (orders or lengths)
};

// 1-D size reports for each plan of the family, in the order rows, columns.
struct Sizes {
    f1::PlanSizes cRow, cCol, rRow, rCol;
    bool sepCCol = false, sepRCol = false;
};

KzvStatus orderCheck(const Dims& d, bool real, int order) {
    if (!d.isFft) return kzvStatusOk;
    const int maxOrder = real ? 29 : 28;
    return (order < 0 || order > maxOrder) ? kzvStatusFftOrderErr : kzvStatusOk;
}

// Length check of a DFT pass: lengths below 1, or non-powers of two of
// 2^27 and above, are rejected; powers of two follow the FFT order limits.
KzvStatus lengthCheck(const Dims& d, bool real, int64_t n) {
    if (d.isFft) return kzvStatusOk;
    if (n < 1) return kzvStatusSizeErr;
    if ((n & (n - 1)) != 0) return n >= 134217728 ? kzvStatusSizeErr : kzvStatusOk;
    int p = 0;
    while ((int64_t(1) << p) < n) ++p;
    return p > (real ? 29 : 28) ? kzvStatusFftOrderErr : kzvStatusOk;
}

KzvStatus passSizes(const Dims& d, bool real, int order, int64_t n, int flag, f1::PlanSizes* s) {
    KzvStatus st = orderCheck(d, real, order);
    if (st == kzvStatusOk) st = lengthCheck(d, real, n);
    if (st != kzvStatusOk) return st;
    return real ? f1::realPlanSizes(n, flag, s) : f1::complexPlanSizes(n, flag, s);
}

KzvStatus familySizes(const Dims& d, int flag, Sizes* s) {
    KzvStatus st;
    if (!d.isReal) {
        if ((st = passSizes(d, false, d.wx, d.w, flag, &s->cRow)) != kzvStatusOk) return st;
        if ((st = passSizes(d, false, d.wy, d.h, flag, &s->cCol)) != kzvStatusOk) return st;
        s->sepCCol = d.h != d.w;
        return kzvStatusOk;
    }
    if ((st = passSizes(d, true, d.wx, d.w, flag, &s->rRow)) != kzvStatusOk) return st;
    if ((st = passSizes(d, true, d.wy, d.h, flag, &s->rCol)) != kzvStatusOk) return st;
    if ((st = passSizes(d, false, d.wy, d.h, flag, &s->cCol)) != kzvStatusOk) return st;
    s->sepRCol = d.h != d.w;
    s->sepCCol = true;
    return kzvStatusOk;
}

// Work-buffer bytes the transform calls use (any channel layout), from the
// scratch each 1-D plan uses.
uint64_t bufferUsed(const Dims& d, const Sizes& s) {
    const uint64_t H = uint64_t(d.h), W = uint64_t(d.w);
    const uint64_t cCol = (s.sepCCol ? s.cCol : s.cRow).scratchUsed;
    // The batch form needs 64 bytes a row; lengths that need the chirp method
    // are gathered one column at a time.
    const bool chirpCol = cCol > 0 && cCol >= 16 * H;
    const uint64_t colPass = chirpCol ? A(8 * H) + cCol : 64 * H;
    if (!d.isReal) {
        const uint64_t rows = s.cRow.scratchUsed;
        const uint64_t single = A(8 * H) + cCol;
        return std::max({rows, colPass, single});
    }
    const f1::PlanSizes& rc = s.sepRCol ? s.rCol : s.rRow;
    const uint64_t rows = A(4 * W) + s.rRow.scratchUsed;
    const uint64_t realCols = A(4 * H) + rc.scratchUsed;
    return std::max({rows, colPass, realCols});
}

struct Reports {
    uint64_t spec, init, buf, used;
};

Reports familyReports(const Dims& d, const Sizes& s) {
    Reports r{};
    uint64_t specF = 0, specUsed = kHeaderBytes, init = 0;
    const uint64_t H = uint64_t(d.h), W = uint64_t(d.w);
    uint64_t bufF;
    if (!d.isReal) {
        specF = A(s.cRow.plan) + (s.sepCCol ? A(s.cCol.plan) : 0);
        specUsed += A(s.cRow.planUsed) + (s.sepCCol ? A(s.cCol.planUsed) : 0);
        init = A(s.cRow.init) + (s.sepCCol ? A(s.cCol.init) : 0);
        const uint64_t colBuf = (s.sepCCol ? s.cCol : s.cRow).scratch;
        bufF = A(std::max(64 * H + colBuf, s.cRow.scratch));
    } else {
        specF = A(s.rRow.plan) + (s.sepRCol ? A(s.rCol.plan) : 0) + A(s.cCol.plan);
        specUsed += A(s.rRow.planUsed) + (s.sepRCol ? A(s.rCol.planUsed) : 0) + A(s.cCol.planUsed);
        init = A(s.rRow.init) + (s.sepRCol ? A(s.rCol.init) : 0) + A(s.cCol.init);
        const uint64_t rcBuf = (s.sepRCol ? s.rCol : s.rRow).scratch;
        bufF = A(std::max({16 * W + s.rRow.scratch, 16 * H + rcBuf, 64 * H + s.cCol.scratch}));
    }
    r.spec = std::max(specF, A(specUsed)) + 64;
    r.init = init ? init + 64 : 0;
    r.used = bufferUsed(d, s);
    if (r.used <= kStackBuffer) r.used = 0;
    const uint64_t b = std::max(bufF, A(r.used));
    r.buf = b ? b + 64 : 0;
    return r;
}

Dims fftDims(bool real, int orderX, int orderY) {
    Dims d{};
    d.isFft = true;
    d.isReal = real;
    d.id = real ? kzv::kSpecFftR : kzv::kSpecFftC;
    d.wx = orderX;
    d.wy = orderY;
    d.w = (orderX >= 0 && orderX < 62) ? int64_t(1) << orderX : 0;
    d.h = (orderY >= 0 && orderY < 62) ? int64_t(1) << orderY : 0;
    return d;
}

Dims dftDims(bool real, KzvImageSize roi) {
    Dims d{};
    d.isFft = false;
    d.isReal = real;
    d.id = real ? kzv::kSpecDftR : kzv::kSpecDftC;
    d.wx = roi.width;
    d.wy = roi.height;
    d.w = roi.width;
    d.h = roi.height;
    return d;
}

KzvStatus getSize(const Dims& d, int flag, int* pSpec, int* pInit, int* pBuf) {
    if (!pSpec || !pInit || !pBuf) return kzvStatusNullPtrErr;
    if (!d.isFft && (d.w < 1 || d.h < 1)) return kzvStatusSizeErr;
    Sizes s;
    KzvStatus st = familySizes(d, flag, &s);
    if (st != kzvStatusOk) return st;
    const Reports r = familyReports(d, s);
    int32_t a, b, c;
    if ((st = kzv::reportSize(r.spec, &a)) != kzvStatusOk) return st;
    if ((st = kzv::reportSize(r.init, &b)) != kzvStatusOk) return st;
    if ((st = kzv::reportSize(r.buf, &c)) != kzvStatusOk) return st;
    *pSpec = a;
    *pInit = b;
    *pBuf = c;
    return kzvStatusOk;
}

// Init: every argument is checked before the spec is touched.
KzvStatus init(const Dims& d, int flag, int hint, void* pSpec, uint8_t* pMemInit) {
    if (d.isFft && (uint32_t(d.wx) >= 31u || uint32_t(d.wy) >= 31u)) return kzvStatusFftOrderErr;
    if (!pSpec) return kzvStatusNullPtrErr;
    if (d.isFft && (d.wx >= 29 || d.wy >= 29)) return kzvStatusFftOrderErr;
    if (!d.isFft && (d.w < 1 || d.h < 1)) return kzvStatusSizeErr;
    Sizes s;
    KzvStatus st = familySizes(d, flag, &s);
    if (st == kzvStatusFftFlagErr) {
        // The first 1-D initialiser (rows) checks its init memory before the
        // flag.
        f1::PlanSizes t;
        if (d.isReal) f1::realPlanSizes(d.w, 8, &t);
        else f1::complexPlanSizes(d.w, 8, &t);
        if (t.init && !pMemInit) return kzvStatusNullPtrErr;
        return st;
    }
    if (st != kzvStatusOk) return st;
    const Reports r = familyReports(d, s);
    if (r.spec > 2147483647u || r.buf > 2147483647u || r.init > 2147483647u) return kzvStatusSizeOverflowErr;
    if (r.init && !pMemInit) return kzvStatusNullPtrErr;

    uint8_t* body = alignUp<64>(pSpec);
    kzv::initSpecHeader(body, d.id, kHeaderBytes);
    putWord(body, wX, d.wx);
    putWord(body, wY, d.wy);
    putWord(body, wHint, hint);
    putWord(body, wBuf, int32_t(r.used));
    uint64_t off = kHeaderBytes;
    auto place = [&](int word, const f1::PlanSizes& ps, bool real, int64_t n) {
        putWord(body, word, int32_t(off));
        if (real) st = f1::realPlanInit(n, flag, hint, body + off, pMemInit);
        else st = f1::complexPlanInit(n, flag, hint, body + off, pMemInit);
        off += A(ps.planUsed);
    };
    if (!d.isReal) {
        place(wCRow, s.cRow, false, d.w);
        if (st == kzvStatusOk && s.sepCCol) place(wCCol, s.cCol, false, d.h);
    } else {
        place(wRRow, s.rRow, true, d.w);
        if (st == kzvStatusOk && s.sepRCol) place(wRCol, s.rCol, true, d.h);
        if (st == kzvStatusOk) place(wCCol, s.cCol, false, d.h);
    }
    return st;
}

// ---- Transform calls -------------------------------------------------------------

struct Ctx {
    const uint8_t* body;
    int64_t w, h;
    const uint8_t* cRow;
    const uint8_t* cCol;
    const uint8_t* rRow;
    const uint8_t* rCol;
    uint8_t* buf;  // 64-byte aligned work memory
};

KzvStatus begin(const void* pSpec, int32_t id, const void* src, int srcStep, const void* dst, int dstStep,
                uint8_t* pBuffer, Ctx* c) {
    const uint8_t* body = alignUp<64>(pSpec);
    KzvStatus st = kzv::checkSpecId(body, id);
    if (st != kzvStatusOk) return st;
    if (!src || !dst) return kzvStatusNullPtrErr;
    if (srcStep < 1 || dstStep < 1) return kzvStatusStepErr;
    const int32_t need = getWord(body, wBuf);
    if (need != 0 && !pBuffer) return kzvStatusNullPtrErr;
    const bool fft = id == kzv::kSpecFftC || id == kzv::kSpecFftR;
    const int32_t x = getWord(body, wX), y = getWord(body, wY);
    c->body = body;
    c->w = fft ? int64_t(1) << x : x;
    c->h = fft ? int64_t(1) << y : y;
    auto plan = [&](int word) -> const uint8_t* {
        const int32_t o = getWord(body, word);
        return o ? body + o : nullptr;
    };
    c->cRow = plan(wCRow);
    c->rRow = plan(wRRow);
    c->cCol = plan(wCCol);
    c->rCol = plan(wRCol);
    if (!c->cCol) c->cCol = c->cRow;
    if (!c->rCol) c->rCol = c->rRow;
    c->buf = need ? alignUp<64>(pBuffer) : nullptr;
    return kzvStatusOk;
}

// A group of up to eight complex columns: element (row k, column l) has its
// real part at base + k*step + l*pitch floats and its imaginary part `im`
// floats further. Contiguous when pitch == 2 and im == 1.
struct ColGroup {
    const float* src;
    ptrdiff_t srcStep;
    float* dst;
    ptrdiff_t dstStep;
    int pitch, im;
};

// Partial groups (the last one of a pass) are copied sample by sample: the
// masked loads and stores of full vectors would reach past the last column.
void gather8(const ColGroup& g, int64_t h, int cnt, float* e) {
    if (g.pitch == 2 && g.im == 1 && cnt == 8) {
        for (int64_t k = 0; k < h; ++k) {
            const float* s = rowAt(g.src, g.srcStep, k);
            _mm256_store_ps(e + 16 * k, _mm256_loadu_ps(s));
            _mm256_store_ps(e + 16 * k + 8, _mm256_loadu_ps(s + 8));
        }
        return;
    }
    for (int64_t k = 0; k < h; ++k) {
        const float* s = rowAt(g.src, g.srcStep, k);
        float* o = e + 16 * k;
        int l = 0;
        for (; l < cnt; ++l) o[2 * l] = s[l * g.pitch], o[2 * l + 1] = s[l * g.pitch + g.im];
        for (; l < 8; ++l) o[2 * l] = 0.f, o[2 * l + 1] = 0.f;
    }
}

void scatter8(const ColGroup& g, int64_t h, int cnt, const float* e, const int32_t* order, float scale) {
    if (g.pitch == 2 && g.im == 1 && cnt == 8) {
        const __m256 k8 = _mm256_set1_ps(scale);
        for (int64_t k = 0; k < h; ++k) {
            float* d = rowAt(g.dst, g.dstStep, k);
            const float* s = e + 16 * int64_t(order[k]);
            _mm256_storeu_ps(d, _mm256_mul_ps(_mm256_load_ps(s), k8));
            _mm256_storeu_ps(d + 8, _mm256_mul_ps(_mm256_load_ps(s + 8), k8));
        }
        return;
    }
    for (int64_t k = 0; k < h; ++k) {
        float* d = rowAt(g.dst, g.dstStep, k);
        const float* s = e + 16 * int64_t(order[k]);
        for (int l = 0; l < cnt; ++l) d[l * g.pitch] = s[2 * l] * scale, d[l * g.pitch + g.im] = s[2 * l + 1] * scale;
    }
}

// One complex column gathered, transformed by the 1-D transform and scattered
// (the form for lengths the batch cannot run, and for width 1).
void singleColumn(const uint8_t* plan, bool inverse, const ColGroup& g, int64_t h, uint8_t* buf) {
    float* e = reinterpret_cast<float*>(buf);
    void* scratch = buf + A(8 * uint64_t(h));
    for (int64_t k = 0; k < h; ++k) {
        const float* s = rowAt(g.src, g.srcStep, k);
        e[2 * k] = s[0], e[2 * k + 1] = s[g.im];
    }
    f1::complexTransform(plan, inverse, reinterpret_cast<Kzv32fc*>(e), reinterpret_cast<Kzv32fc*>(e), scratch);
    for (int64_t k = 0; k < h; ++k) {
        float* d = rowAt(g.dst, g.dstStep, k);
        d[0] = e[2 * k], d[g.im] = e[2 * k + 1];
    }
}

// `count` complex columns starting at group g (column l at g + l*pitch).
void columnPass(const uint8_t* plan, bool inverse, ColGroup g, int64_t count, int64_t h, uint8_t* buf) {
    if (count <= 0) return;
    if (!f1::batchSupported(plan)) {
        for (int64_t l = 0; l < count; ++l) {
            ColGroup one = g;
            one.src += l * g.pitch;
            one.dst += l * g.pitch;
            singleColumn(plan, inverse, one, h, buf);
        }
        return;
    }
    float* e = reinterpret_cast<float*>(buf);
    const int32_t* order = f1::batchOrder(plan);
    const float scale = f1::planScale(plan, inverse);
    for (int64_t l0 = 0; l0 < count; l0 += 8) {
        const int cnt = int(std::min<int64_t>(8, count - l0));
        ColGroup part = g;
        part.src += l0 * g.pitch;
        part.dst += l0 * g.pitch;
        gather8(part, h, cnt, e);
        f1::batch8(plan, inverse, e);
        scatter8(part, h, cnt, e, order, scale);
    }
}

template <bool Inv>
KzvStatus complex2d(const Ctx& c, const Kzv32fc* src, ptrdiff_t srcStep, Kzv32fc* dst, ptrdiff_t dstStep) {
    alignas(64) uint8_t stackBuf[kStackBuffer];
    uint8_t* buf = c.buf ? c.buf : stackBuf;
    const int64_t W = c.w, H = c.h;
    if (W == 1 && H > 1) {
        ColGroup g{reinterpret_cast<const float*>(src), srcStep, reinterpret_cast<float*>(dst), dstStep, 2, 1};
        singleColumn(c.cCol, Inv, g, H, buf);
        return kzvStatusOk;
    }
    for (int64_t y = 0; y < H; ++y)
        f1::complexTransform(c.cRow, Inv, rowAt(src, srcStep, y), rowAt(dst, dstStep, y), buf);
    if (H == 1) return kzvStatusOk;
    ColGroup g{reinterpret_cast<const float*>(dst), dstStep, reinterpret_cast<float*>(dst), dstStep, 2, 1};
    columnPass(c.cCol, Inv, g, W, H, buf);
    return kzvStatusOk;
}

// One real column (stride `step`, samples `base` + k*step) through the 1-D
// real transform.
void realColumn(const uint8_t* plan, bool inverse, const float* src, ptrdiff_t srcStep, float* dst,
                ptrdiff_t dstStep, int64_t h, uint8_t* buf) {
    float* g = reinterpret_cast<float*>(buf);
    void* scratch = buf + A(4 * uint64_t(h));
    for (int64_t k = 0; k < h; ++k) g[k] = *rowAt(src, srcStep, k);
    if (inverse) f1::realInverse(plan, g, g, scratch);
    else f1::realForward(plan, g, g, scratch);
    for (int64_t k = 0; k < h; ++k) *rowAt(dst, dstStep, k) = g[k];
}

// One row of one channel (sample pitch `ch`) through the 1-D real transform.
void realRow(const uint8_t* plan, bool inverse, const float* src, float* dst, int ch, int64_t w, uint8_t* buf) {
    if (ch == 1) {
        if (inverse) f1::realInverse(plan, src, dst, buf);
        else f1::realForward(plan, src, dst, buf);
        return;
    }
    float* g = reinterpret_cast<float*>(buf);
    void* scratch = buf + A(4 * uint64_t(w));
    for (int64_t x = 0; x < w; ++x) g[x] = src[x * ch];
    if (inverse) f1::realInverse(plan, g, g, scratch);
    else f1::realForward(plan, g, g, scratch);
    for (int64_t x = 0; x < w; ++x) dst[x * ch] = g[x];
}

// One channel of a real transform: samples at src + x*ch of each row.
template <bool Inv>
void realChannel(const Ctx& c, const float* src, ptrdiff_t srcStep, float* dst, ptrdiff_t dstStep, int ch,
                 uint8_t* buf) {
    const int64_t W = c.w, H = c.h;
    if (H == 1) return realRow(c.rRow, Inv, src, dst, ch, W, buf);
    if (W == 1) return realColumn(c.rCol, Inv, src, srcStep, dst, dstStep, H, buf);
    const int64_t pairs = (W - 1) / 2;
    if (!Inv) {
        for (int64_t y = 0; y < H; ++y) realRow(c.rRow, false, rowAt(src, srcStep, y), rowAt(dst, dstStep, y), ch, W, buf);
        ColGroup g{dst + ch, dstStep, dst + ch, dstStep, 2 * ch, ch};
        columnPass(c.cCol, false, g, pairs, H, buf);
        realColumn(c.rCol, false, dst, dstStep, dst, dstStep, H, buf);
        if (W % 2 == 0) realColumn(c.rCol, false, dst + (W - 1) * ch, dstStep, dst + (W - 1) * ch, dstStep, H, buf);
    } else {
        realColumn(c.rCol, true, src, srcStep, dst, dstStep, H, buf);
        if (W % 2 == 0) realColumn(c.rCol, true, src + (W - 1) * ch, srcStep, dst + (W - 1) * ch, dstStep, H, buf);
        ColGroup g{src + ch, srcStep, dst + ch, dstStep, 2 * ch, ch};
        columnPass(c.cCol, true, g, pairs, H, buf);
        for (int64_t y = 0; y < H; ++y) {
            float* r = rowAt(dst, dstStep, y);
            realRow(c.rRow, true, r, r, ch, W, buf);
        }
    }
}

template <bool Inv, int Ch, int Done>
KzvStatus real2d(const Ctx& c, const float* src, ptrdiff_t srcStep, float* dst, ptrdiff_t dstStep) {
    alignas(64) uint8_t stackBuf[kStackBuffer];
    uint8_t* buf = c.buf ? c.buf : stackBuf;
    for (int k = 0; k < Done; ++k) realChannel<Inv>(c, src + k, srcStep, dst + k, dstStep, Ch, buf);
    return kzvStatusOk;
}

template <class T, bool Inv>
KzvStatus complexCall(int32_t id, const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep, const void* pSpec,
                      uint8_t* pBuffer) {
    Ctx c;
    const KzvStatus st = begin(pSpec, id, pSrc, srcStep, pDst, dstStep, pBuffer, &c);
    if (st != kzvStatusOk) return st;
    return complex2d<Inv>(c, pSrc, srcStep, pDst, dstStep);
}

template <bool Inv, int Ch, int Done>
KzvStatus realCall(int32_t id, const float* pSrc, int srcStep, float* pDst, int dstStep, const void* pSpec,
                   uint8_t* pBuffer) {
    Ctx c;
    const KzvStatus st = begin(pSpec, id, pSrc, srcStep, pDst, dstStep, pBuffer, &c);
    if (st != kzvStatusOk) return st;
    return real2d<Inv, Ch, Done>(c, pSrc, srcStep, pDst, dstStep);
}

}  // namespace

// ---- Exports -----------------------------------------------------------------------

extern "C" {

KzvStatus kzviFFTGetSize_C_32fc(int orderX, int orderY, int flag, KzvAlgHint, int* pSizeSpec, int* pSizeInit,
                                int* pSizeBuf) {
    return getSize(fftDims(false, orderX, orderY), flag, pSizeSpec, pSizeInit, pSizeBuf);
}
KzvStatus kzviFFTGetSize_R_32f(int orderX, int orderY, int flag, KzvAlgHint, int* pSizeSpec, int* pSizeInit,
                               int* pSizeBuf) {
    return getSize(fftDims(true, orderX, orderY), flag, pSizeSpec, pSizeInit, pSizeBuf);
}
KzvStatus kzviFFTInit_C_32fc(int orderX, int orderY, int flag, KzvAlgHint hint, KzviFFTSpec_C_32fc* pSpec,
                             Kzv8u* pMemInit) {
    return init(fftDims(false, orderX, orderY), flag, int(hint), pSpec, pMemInit);
}
KzvStatus kzviFFTInit_R_32f(int orderX, int orderY, int flag, KzvAlgHint hint, KzviFFTSpec_R_32f* pSpec,
                            Kzv8u* pMemInit) {
    return init(fftDims(true, orderX, orderY), flag, int(hint), pSpec, pMemInit);
}
KzvStatus kzviDFTGetSize_C_32fc(KzvImageSize roiSize, int flag, KzvAlgHint, int* pSizeSpec, int* pSizeInit,
                                int* pSizeBuf) {
    return getSize(dftDims(false, roiSize), flag, pSizeSpec, pSizeInit, pSizeBuf);
}
KzvStatus kzviDFTGetSize_R_32f(KzvImageSize roiSize, int flag, KzvAlgHint, int* pSizeSpec, int* pSizeInit,
                               int* pSizeBuf) {
    return getSize(dftDims(true, roiSize), flag, pSizeSpec, pSizeInit, pSizeBuf);
}
KzvStatus kzviDFTInit_C_32fc(KzvImageSize roiSize, int flag, KzvAlgHint hint, KzviDFTSpec_C_32fc* pSpec,
                             Kzv8u* pMemInit) {
    return init(dftDims(false, roiSize), flag, int(hint), pSpec, pMemInit);
}
KzvStatus kzviDFTInit_R_32f(KzvImageSize roiSize, int flag, KzvAlgHint hint, KzviDFTSpec_R_32f* pSpec,
                            Kzv8u* pMemInit) {
    return init(dftDims(true, roiSize), flag, int(hint), pSpec, pMemInit);
}

#define KZV_FFT_COMPLEX(name, Spec, id, inv)                                                                     \
    KzvStatus name##R(const Kzv32fc* pSrc, int srcStep, Kzv32fc* pDst, int dstStep, const Spec* pSpec,          \
                      Kzv8u* pBuffer) {                                                                           \
        return complexCall<Spec, inv>(id, pSrc, srcStep, pDst, dstStep, pSpec, pBuffer);                          \
    }                                                                                                             \
    KzvStatus name##IR(Kzv32fc* pSrcDst, int srcDstStep, const Spec* pSpec, Kzv8u* pBuffer) {                   \
        return complexCall<Spec, inv>(id, pSrcDst, srcDstStep, pSrcDst, srcDstStep, pSpec, pBuffer);              \
    }

KZV_FFT_COMPLEX(kzviFFTFwd_CToC_32fc_C1, KzviFFTSpec_C_32fc, kzv::kSpecFftC, false)
KZV_FFT_COMPLEX(kzviFFTInv_CToC_32fc_C1, KzviFFTSpec_C_32fc, kzv::kSpecFftC, true)
KZV_FFT_COMPLEX(kzviDFTFwd_CToC_32fc_C1, KzviDFTSpec_C_32fc, kzv::kSpecDftC, false)
KZV_FFT_COMPLEX(kzviDFTInv_CToC_32fc_C1, KzviDFTSpec_C_32fc, kzv::kSpecDftC, true)

#define KZV_FFT_REAL(name, Spec, id, inv, ch, done)                                                              \
    KzvStatus name##R(const Kzv32f* pSrc, int srcStep, Kzv32f* pDst, int dstStep, const Spec* pSpec,            \
                      Kzv8u* pBuffer) {                                                                           \
        return realCall<inv, ch, done>(id, pSrc, srcStep, pDst, dstStep, pSpec, pBuffer);                         \
    }                                                                                                             \
    KzvStatus name##IR(Kzv32f* pSrcDst, int srcDstStep, const Spec* pSpec, Kzv8u* pBuffer) {                    \
        return realCall<inv, ch, done>(id, pSrcDst, srcDstStep, pSrcDst, srcDstStep, pSpec, pBuffer);             \
    }
#define KZV_FFT_REAL_ALL(op, Spec, id, inv)                     \
    KZV_FFT_REAL(op##_32f_C1, Spec, id, inv, 1, 1)              \
    KZV_FFT_REAL(op##_32f_C3, Spec, id, inv, 3, 3)              \
    KZV_FFT_REAL(op##_32f_C4, Spec, id, inv, 4, 4)              \
    KZV_FFT_REAL(op##_32f_AC4, Spec, id, inv, 4, 3)

KZV_FFT_REAL_ALL(kzviFFTFwd_RToPack, KzviFFTSpec_R_32f, kzv::kSpecFftR, false)
KZV_FFT_REAL_ALL(kzviFFTInv_PackToR, KzviFFTSpec_R_32f, kzv::kSpecFftR, true)
KZV_FFT_REAL_ALL(kzviDFTFwd_RToPack, KzviDFTSpec_R_32f, kzv::kSpecDftR, false)
KZV_FFT_REAL_ALL(kzviDFTInv_PackToR, KzviDFTSpec_R_32f, kzv::kSpecDftR, true)

}  // extern "C"
