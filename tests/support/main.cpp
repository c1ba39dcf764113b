// Test entry: GoogleTest plus --seed=N and --repeat=N for the random sweeps.
#include <cstdio>

#include "kzvt.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    kzvt::setSeedArgs(argc, argv);
    printf("random seed %llu, %d repeat(s); rerun with --seed=N --repeat=N\n", (unsigned long long)kzvt::baseSeed(),
           kzvt::repeatCount());
    return RUN_ALL_TESTS();
}
