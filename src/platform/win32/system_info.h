#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/system_info.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {

// The session-wide name of kelvara's single-instance mark.
inline constexpr wchar_t kInstanceMutexName[] = L"Local\\kelvara.SingleInstance";

class Win32SystemInfo final : public platform::SystemInfo {
 public:
  // `instance_name` is the mutex that marks a running copy; tests pass their own.
  explicit Win32SystemInfo(std::wstring instance_name = kInstanceMutexName);

  bool AnotherInstanceRunning() override;
  std::optional<platform::WindowsVersion> Version() override;
  std::string UserName() override;
  std::string CurrentDirectory() override;
  platform::ScreenSize Screen() override;
  std::vector<platform::ScreenArea> ScreenAreas() override;
  platform::MonitorArea ScreenUnderPointer() override;
  std::optional<platform::MemoryStatus> Memory() override;

 private:
  std::wstring instance_name_;
  std::optional<bool> another_running_;
  UniqueMutex instance_mark_;  // held for the life of the program
};

}  // namespace kelvara::win32
