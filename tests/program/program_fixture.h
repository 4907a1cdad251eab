#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"
#include "program/program_windows.h"

namespace kelvara::testing {

// What the host is told about the secondary windows, in order.
class WindowLog final : public ui::WindowSetObserver {
 public:
  std::vector<std::string> events;
  void Loaded(ui::Form& form) override { events.push_back("load " + form.name()); }
  void BroughtForward(ui::Form& form) override { events.push_back("forward " + form.name()); }
  void Unloaded(ui::Form& form) override { events.push_back("unload " + form.name()); }
};

// The main window (not started) with its companions over a fake platform, for
// one case of a table.
struct Program {
  Program() { programs.windows().Subscribe(&log); }
  void Tray(int message) { programs.tray().Form_MouseMove(message); }
  // The user picks `item` from the tray icon's popup.
  void Choose(const std::string& item) {
    fake.popup_choices = {item};
    Tray(516);
  }

  FakePlatform fake;
  MainWindow main{fake.platform()};
  ProgramWindows programs{main, fake.platform()};
  WindowLog log;
};

// The same as a fixture.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() { programs.windows().Subscribe(&log); }

  ui::WindowSet& windows() { return programs.windows(); }
  void Tray(int message) { programs.tray().Form_MouseMove(message); }
  // The user picks `item` from the tray icon's popup.
  void Choose(const std::string& item) {
    fake.popup_choices = {item};
    Tray(516);
  }
  // The calls and window events since the last look, then forgets them.
  std::vector<std::string> TakeCalls();
  std::vector<std::string> TakeEvents();

  FakePlatform fake;
  MainWindow main{fake.platform()};
  ProgramWindows programs{main, fake.platform()};
  WindowLog log;
};

}  // namespace kelvara::testing
