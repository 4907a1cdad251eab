// Replaces the global allocation functions of the benchmark binary with
// counting ones, so a benchmark can say how many allocations one operation
// makes and whether any of them outlives it.
#include "allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

std::uint64_t news = 0;
std::uint64_t deletes = 0;

void* Allocate(std::size_t size) {
  ++news;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void Free(void* p) noexcept {
  if (p == nullptr) return;
  ++deletes;
  std::free(p);
}

}  // namespace

namespace kelvara::bench {
std::uint64_t NewCount() { return news; }
std::uint64_t DeleteCount() { return deletes; }
}  // namespace kelvara::bench

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
