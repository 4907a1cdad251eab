#pragma once

#include <cstdint>
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
  // `bytes` zero bytes with every page really written, so the memory is
  // claimed and not only reserved; none when it cannot be had.
  [[nodiscard]] virtual std::unique_ptr<MemoryBlock> Claim(std::uint64_t bytes) = 0;
};

// The heap of the C++ runtime; the real one on every system.
class PortableMemoryBlocks final : public MemoryBlocks {
 public:
  std::unique_ptr<MemoryBlock> Claim(std::uint64_t bytes) override;
};

}  // namespace kelvara::platform
