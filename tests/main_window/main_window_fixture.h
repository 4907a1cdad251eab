#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"

namespace kelvara::testing {

// A main window over a fake platform. The window is made on first use, so a
// test can script the platform before start-up.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindow& window();
  ui::Form& form() { return window().form(); }
  const ui::Control& control(const char* name) { return form()[name]; }
  const std::string& caption(const char* name) { return form()[name].caption; }
  const std::string& text(const char* field) { return window().Text(field); }

  // Start-up with a store file holding `record` (none: an empty file).
  void StartWith(const SettingsRecord* record);
  void StartFresh() { StartWith(nullptr); }
  // The default store path for the fake's directory and user.
  std::string StorePath() const;

  FakePlatform fake;

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace kelvara::testing
