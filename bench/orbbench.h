#pragma once

// Shared main of the benchmarks. Each benchmark "BM_X" may have a plain-Qt baseline "BM_X_Baseline";
// after the run a table prints the median time of each, its baseline and the ratio. Counters set
// on a benchmark (for example MB/s) are printed beside it. --orb-quick shortens every benchmark
// for CI; benchmarks can read it through orbbench::quick() to use smaller inputs.

#include <benchmark/benchmark.h>

namespace orbbench {
bool quick();
int run(int argc, char** argv);
} // namespace orbbench

#define ORB_BENCH_MAIN()                          \
    int main(int argc, char** argv)               \
    {                                             \
        return orbbench::run(argc, argv);         \
    }
