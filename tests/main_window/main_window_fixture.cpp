#include "main_window/main_window_fixture.h"

namespace kelvara::testing {

MainWindow& MainWindowTest::window() {
  if (!window_) window_ = std::make_unique<MainWindow>(fake.platform());
  return *window_;
}

std::string MainWindowTest::StorePath() const {
  return fake.current_directory + "\\UsrData\\" + fake.user_name + ".qmx";
}

void MainWindowTest::StartWith(const SettingsRecord* record) {
  if (record != nullptr) fake.files[StorePath()] = EncodeRecord(*record);
  window().Form_Load();
  fake.calls.clear();
}

}  // namespace kelvara::testing
