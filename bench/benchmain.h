#pragma once

// A mode of a benchmark program that runs in place of its benchmarks when `flag` is among its
// arguments, as bench_startup's child process does; declared as a static object beside the benchmarks.
struct BenchMode
{
    using Run = int (*)(int argc, char *argv[]);
    BenchMode(const char *flag, Run run);
};
