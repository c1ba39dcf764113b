// Shared benchmark helpers: aligned buffers, peer set-up and naming.
// Names: "<operation>/<type_layout>/<size>/<impl>", impl being kzvi, opencv,
// fftw or memcpy; bench/compare pairs them up.
#ifndef KZVB_BENCH_H
#define KZVB_BENCH_H

#include <benchmark/benchmark.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "kzvi.h"

#if KZVB_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

namespace kzvb {

// A 64-byte-aligned image buffer with a step rounded up to 64 bytes,
// filled with reproducible random bytes.
struct Image {
    int width = 0, height = 0, step = 0;
    uint8_t* data = nullptr;
    Image(int w, int h, int pixelBytes, uint32_t seed = 1) : width(w), height(h) {
        step = (w * pixelBytes + 63) / 64 * 64;
        data = static_cast<uint8_t*>(aligned_alloc(64, size_t(step) * h + 64));
        std::mt19937 g(seed);
        for (size_t i = 0; i < size_t(step) * h; ++i) data[i] = uint8_t(g());
    }
    ~Image() { free(data); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    template <class T>
    T* as() const { return reinterpret_cast<T*>(data); }
    size_t bytes() const { return size_t(step) * height; }
};

// Two destinations used in turn, so repetitions do not time a hot store.
struct DstPair {
    Image a, b;
    int turn = 0;
    DstPair(int w, int h, int pixelBytes) : a(w, h, pixelBytes, 2), b(w, h, pixelBytes, 3) {}
    Image& next() { return (turn++ & 1) ? b : a; }
};

inline void setBytes(benchmark::State& st, size_t bytesPerIter) {
    st.SetBytesProcessed(int64_t(st.iterations()) * int64_t(bytesPerIter));
}

inline void singleThreadPeers() {
#if KZVB_HAVE_OPENCV
    cv::setNumThreads(1);
#endif
}

}  // namespace kzvb

#endif  // KZVB_BENCH_H
