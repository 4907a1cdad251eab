#include "platform/win32/thread.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

#include "platform/win32/callback_boundary.h"

namespace kelvara::win32 {
namespace {

DWORD WINAPI RunBody(void* body) {
  return CallbackBoundary<DWORD>(1, [body] {
    (*static_cast<std::function<void()>*>(body))();
    return DWORD{0};
  });
}

}  // namespace

Thread::Thread(std::size_t stack_reserve, std::function<void()> body)
    : body_(std::make_unique<std::function<void()>>(std::move(body))) {
  handle_.reset(CreateThread(nullptr, stack_reserve, RunBody, body_.get(),
                             stack_reserve != 0 ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0, nullptr));
  if (!handle_) throw std::runtime_error("a thread could not be started");
}

Thread::~Thread() { WaitForSingleObject(handle_.get(), INFINITE); }

}  // namespace kelvara::win32
