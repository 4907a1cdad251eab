#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace kelvara::platform {

// A block of memory the program holds; destroying it gives the memory back.
class MemoryBlock {
 public:
  virtual ~MemoryBlock() = default;
};

// Large zero-filled blocks for the memory release.
class MemoryBlocks {
 public:
  virtual ~MemoryBlocks() = default;
  // Runs between the pieces of a fill; false abandons the claim.
  using BetweenPieces = std::function<bool()>;
  // The bytes a fill writes between two calls of `between`.
  static constexpr std::uint64_t kPieceBytes = std::uint64_t{8} << 20;

  // `bytes` zero bytes with every page really written, so the memory is
  // claimed and not only reserved; none when it cannot be had or `between`
  // said stop. A large block is written piece by piece, so that the caller
  // can let its window answer meanwhile.
  [[nodiscard]] virtual std::unique_ptr<MemoryBlock> Claim(std::uint64_t bytes,
                                                           const BetweenPieces& between) = 0;
};

// The heap of the C++ runtime; the real one on every system.
class PortableMemoryBlocks final : public MemoryBlocks {
 public:
  std::unique_ptr<MemoryBlock> Claim(std::uint64_t bytes, const BetweenPieces& between) override;
};

}  // namespace kelvara::platform
