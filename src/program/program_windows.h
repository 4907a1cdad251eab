#pragma once

#include "main_window/main_window.h"
#include "menu/tray_dispatch.h"
#include "platform/platform.h"
#include "ui/window_set.h"

namespace kelvara {

// The main window's companions, wired to it and to each other: the secondary
// windows by name and the tray icon's dispatch. Lives as long as the main
// window does.
class ProgramWindows {
 public:
  ProgramWindows(MainWindow& main, platform::Platform& platform);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  ui::WindowSet& windows() { return windows_; }
  TrayDispatch& tray() { return tray_; }

 private:
  MainWindow& main_;
  ui::WindowSet windows_;
  TrayDispatch tray_;
};

}  // namespace kelvara
