#pragma once

#include <benchmark/benchmark.h>

namespace kelvara::bench {

// Marks the running benchmark failed with `why` and counts it, so that the
// binary exits non-zero (bench_main.cpp). Call it after the timed loop.
void FailCheck(benchmark::State& state, const char* why);
int CheckFailures();

}  // namespace kelvara::bench
