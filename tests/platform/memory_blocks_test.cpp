#include "platform/memory_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelvara::testing {
namespace {

using platform::MemoryBlocks;

TEST(PortableMemoryBlocks, ClaimsWhatTheHeapHasAndRefusesWhatNoMachineHas) {
  platform::PortableMemoryBlocks blocks;
  EXPECT_NE(blocks.Claim(4, nullptr), nullptr);
  EXPECT_NE(blocks.Claim(64 << 20, nullptr), nullptr);
  // Larger than any address space: refused, not thrown and not a crash.
  EXPECT_EQ(blocks.Claim(std::uint64_t{1} << 62, nullptr), nullptr);
  EXPECT_EQ(blocks.Claim(UINT64_MAX, nullptr), nullptr);
}

// A fill pauses between its pieces, never after the last, and a pause that
// says stop gives the block back.
TEST(PortableMemoryBlocks, ALargeFillPausesBetweenPiecesAndCanBeAbandoned) {
  constexpr std::uint64_t kPiece = MemoryBlocks::kPieceBytes;
  const struct {
    std::uint64_t bytes;
    int stop_at;  // the pause that says stop; 0: none
    int pauses;
    bool claimed;
  } cases[] = {
      {4, 0, 0, true},
      {kPiece, 0, 0, true},
      {kPiece + 1, 0, 1, true},
      {3 * kPiece + kPiece / 2, 0, 3, true},
      {3 * kPiece + kPiece / 2, 2, 2, false},
  };
  platform::PortableMemoryBlocks blocks;
  for (const auto& c : cases) {
    int pauses = 0;
    const auto block = blocks.Claim(c.bytes, [&] { return ++pauses != c.stop_at; });
    EXPECT_EQ(pauses, c.pauses) << c.bytes;
    EXPECT_EQ(block != nullptr, c.claimed) << c.bytes;
  }
}

}  // namespace
}  // namespace kelvara::testing
