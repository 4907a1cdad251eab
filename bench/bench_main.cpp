// The benchmarks' main: Google Benchmark's own, except that the exit status
// is non-zero when a benchmark failed one of its checks (Google Benchmark
// itself only reports such a benchmark as skipped).
#include <benchmark/benchmark.h>

#include "check_failure.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return kelvara::bench::CheckFailures() == 0 ? 0 : 1;
}
