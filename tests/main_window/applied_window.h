#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"

namespace kelvara::testing {

// A main window of its own, started from a store that holds `record`, for
// tables whose rows must not see each other's state.
struct AppliedWindow {
  explicit AppliedWindow(const SettingsRecord& record,
                         std::map<std::string, ui::PictureId> pictures = {}) {
    fake.picture_files = std::move(pictures);
    fake.files[fake.current_directory + "\\UsrData\\" + fake.user_name + ".qmx"] =
        EncodeRecord(record);
    window.Form_Load();
  }
  const ui::Control& operator[](const char* name) const { return window.form()[name]; }
  const std::string& Text(const char* field) const { return window.Text(field); }
  // Stores new settings in the window's fields and applies them again.
  void Reapply(const SettingsRecord& record) {
    window.SetSettings(record);
    window.ApplySettings();
  }

  FakePlatform fake;
  MainWindow window{fake.platform()};
};

// Every change the form reports, in order: a control's name, or "window" ("window
// shown" once it is visible).
struct ChangeLog : ui::FormObserver {
  std::vector<std::string> changes;
  void ControlChanged(const ui::Form&, const ui::Control& c, const ui::Rect&) override {
    changes.push_back(c.name);
  }
  void FormChanged(const ui::Form& form) override {
    changes.push_back(form.window().visible ? "window shown" : "window");
  }
};

}  // namespace kelvara::testing
