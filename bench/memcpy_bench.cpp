// memcpy bandwidth: the reference for memory-bound families. Working sets in
// cache (256 KiB) and out of cache (64 MiB).
#include "bench.h"

namespace {

void memcpyBandwidth(benchmark::State& st) {
    const size_t bytes = size_t(st.range(0));
    std::vector<uint8_t> src(bytes, 1), d1(bytes), d2(bytes);
    int turn = 0;
    for (auto _ : st) {
        uint8_t* d = (turn++ & 1) ? d1.data() : d2.data();
        memcpy(d, src.data(), bytes);
        benchmark::DoNotOptimize(d);
        benchmark::ClobberMemory();
    }
    kzvb::setBytes(st, bytes);
}

}  // namespace

BENCHMARK(memcpyBandwidth)->Name("memcpy/bytes/256KiB/memcpy")->Arg(256 << 10);
BENCHMARK(memcpyBandwidth)->Name("memcpy/bytes/64MiB/memcpy")->Arg(64 << 20);
