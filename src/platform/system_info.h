#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvara::platform {

struct WindowsVersion {
  unsigned major = 0, minor = 0;
};

// Memory figures in bytes, 64-bit so that large machines read correctly.
struct MemoryStatus {
  std::uint64_t total_physical = 0;
  std::uint64_t available_physical = 0;
  std::uint64_t total_page_file = 0;
  std::uint64_t available_page_file = 0;
};

// Every place on the desktop is in twips at the desktop's DPI, the primary
// monitor's (see platform/desktop.h), so it means the same pixels whatever
// DPI the window that stands there has.
struct ScreenSize {
  float width = 0, height = 0;  // twips
};

// One screen's usable area on the desktop, in twips from the primary
// screen's top-left corner.
struct ScreenArea {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ScreenArea&) const = default;
};

// One monitor: the whole of it and the part not under the taskbar.
struct MonitorArea {
  ScreenArea whole, work;
  bool operator==(const MonitorArea&) const = default;
};

// Facts about the machine and the session; all UTF-8.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // True when another copy of the program already runs. The first call also
  // claims the program's single-instance mark for this process.
  virtual bool AnotherInstanceRunning() = 0;
  virtual std::optional<WindowsVersion> Version() = 0;
  virtual std::string UserName() = 0;
  virtual std::string CurrentDirectory() = 0;
  virtual ScreenSize Screen() = 0;
  // Every screen attached now, the primary one first; empty when unknown.
  virtual std::vector<ScreenArea> ScreenAreas() = 0;
  // The monitor under the mouse pointer, where a window the user just asked
  // for opens; the primary one when the pointer is nowhere.
  virtual MonitorArea ScreenUnderPointer() = 0;
  virtual std::optional<MemoryStatus> Memory() = 0;
};

}  // namespace kelvara::platform
