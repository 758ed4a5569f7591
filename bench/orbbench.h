#pragma once

// Shared main of the benchmarks. Each benchmark "BM_X" may have a plain-Qt baseline "BM_X_Baseline".
// Times are the benchmark thread's CPU time, unless a benchmark uses manual or real time.
// The suite runs twice, each time in a child process: at its size and at ten times that size
// (orbbench::scale() is 1, then 10). The table after the runs prints the time of each benchmark,
// its baseline and the ratio at 1x, the time at 10x, the growth factor
// time(10x)/time(1x), the baseline's own growth (what the platform costs at ten times the size)
// and the peak resident memory during the 10x run. Counters set on a benchmark
// (for example MB/s) are printed beside it. A benchmark repeated (see run()) counts with its
// shortest repetition: on a shared machine other processes only ever add time, so the shortest
// is the one they disturbed least, and a figure and its baseline are compared alike.
// Options: --orb-quick shortens every benchmark for CI (benchmarks read it through
// orbbench::quick() to use smaller inputs) and then skips the 10x run unless --orb-scale is given;
// --orb-no-scale skips the 10x run.

#include <benchmark/benchmark.h>

namespace orbbench {
bool quick();
// 1, or 10 in the growth run.
int scale();
// The input size: full, or quick when --orb-quick is given, times scale().
int sized(int full, int quick);
// At 1x the suite's benchmarks run repetitions times each in random interleaved order, so that a
// figure and its baseline see the same machine load; at 10x each runs growthRepetitions times in a
// row. A benchmark that sets its own repetitions keeps them.
int run(int argc, char** argv, int repetitions = 3, int growthRepetitions = 2);
} // namespace orbbench

#define ORB_BENCH_MAIN()                          \
    int main(int argc, char** argv)               \
    {                                             \
        return orbbench::run(argc, argv);         \
    }

// The same, for suites quick enough to be repeated more times, at 10x as well.
#define ORB_BENCH_MAIN_REPEATED(repetitions)              \
    int main(int argc, char** argv)                       \
    {                                                     \
        return orbbench::run(argc, argv, repetitions, 3); \
    }
