#include "program/program_fixture.h"

#include <utility>

namespace kelvara::testing {

std::vector<std::string> ProgramTest::TakeCalls() { return std::exchange(fake.calls, {}); }
std::vector<std::string> ProgramTest::TakeEvents() { return std::exchange(log.events, {}); }

}  // namespace kelvara::testing
