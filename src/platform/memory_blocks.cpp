#include "platform/memory_blocks.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <new>

namespace kelvara::platform {
namespace {

// Called through a volatile pointer so that the compiler cannot drop the
// writes of a block that is freed without being read: the writes are the
// point.
void* (*volatile const zero_fill)(void*, int, std::size_t) = std::memset;

class HeapBlock final : public MemoryBlock {
 public:
  explicit HeapBlock(void* bytes) : bytes_(bytes) {}
  HeapBlock(const HeapBlock&) = delete;
  HeapBlock& operator=(const HeapBlock&) = delete;
  ~HeapBlock() override { ::operator delete(bytes_); }

 private:
  void* bytes_;
};

}  // namespace

std::unique_ptr<MemoryBlock> PortableMemoryBlocks::Claim(std::uint64_t bytes,
                                                         const BetweenPieces& between) {
  if (bytes > std::numeric_limits<std::size_t>::max()) return nullptr;
  const auto size = static_cast<std::size_t>(bytes);
  void* block = ::operator new(size, std::nothrow);
  if (block == nullptr) return nullptr;
  auto* holder = new (std::nothrow) HeapBlock(block);
  if (holder == nullptr) {
    ::operator delete(block);
    return nullptr;
  }
  std::unique_ptr<MemoryBlock> owned(holder);
  auto* const bytes_at = static_cast<unsigned char*>(block);
  for (std::size_t done = 0; done < size;) {
    const std::size_t piece = std::min<std::size_t>(size - done, kPieceBytes);
    zero_fill(bytes_at + done, 0, piece);
    done += piece;
    if (done < size && between && !between()) return nullptr;
  }
  return owned;
}

}  // namespace kelvara::platform
