#include "platform/memory_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelvara::testing {
namespace {

TEST(PortableMemoryBlocks, ClaimsWhatTheHeapHasAndRefusesWhatNoMachineHas) {
  platform::PortableMemoryBlocks blocks;
  EXPECT_NE(blocks.Claim(4), nullptr);
  EXPECT_NE(blocks.Claim(64 << 20), nullptr);
  // Larger than any address space: refused, not thrown and not a crash.
  EXPECT_EQ(blocks.Claim(std::uint64_t{1} << 62), nullptr);
  EXPECT_EQ(blocks.Claim(UINT64_MAX), nullptr);
}

}  // namespace
}  // namespace kelvara::testing
