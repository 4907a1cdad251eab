#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "platform/win32/raii.h"

namespace kelvara::win32 {

// A thread of the system's running one body, with as much stack reserved as
// the caller asks (0: the program's default); joined when the object ends.
// An exception that leaves the body ends only the body.
class Thread {
 public:
  Thread(std::size_t stack_reserve, std::function<void()> body);
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  ~Thread();

 private:
  std::unique_ptr<std::function<void()>> body_;  // the thread's, until it is joined
  UniqueHandle handle_;
};

}  // namespace kelvara::win32
