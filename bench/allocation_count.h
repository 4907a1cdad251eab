#pragma once

#include <cstdint>

namespace kelvara::bench {

// Counts of the program's global operator new and delete calls so far (the
// benchmark binary replaces them; single-threaded use).
std::uint64_t NewCount();
std::uint64_t DeleteCount();

}  // namespace kelvara::bench
