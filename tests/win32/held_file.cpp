#include "win32/held_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

namespace kelvara {

std::shared_ptr<void> HoldWithoutDeleteSharing(const std::filesystem::path& file,
                                               std::chrono::milliseconds time) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot hold " << file.string() << ": error " << GetLastError();
    return nullptr;
  }
  return std::make_shared<std::jthread>([handle, time] {
    std::this_thread::sleep_for(time);
    CloseHandle(handle);
  });
}

}  // namespace kelvara
