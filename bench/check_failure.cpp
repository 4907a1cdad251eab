#include "check_failure.h"

namespace kelvara::bench {
namespace {
int failures = 0;
}  // namespace

void FailCheck(benchmark::State& state, const char* why) {
  ++failures;
  state.SkipWithError(why);
}

int CheckFailures() { return failures; }

}  // namespace kelvara::bench
