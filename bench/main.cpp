// kzvi_bench: kzvi beside its peers on identical buffers, single-threaded.
#include "bench.h"

int main(int argc, char** argv) {
    kzvb::singleThreadPeers();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
