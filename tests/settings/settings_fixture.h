#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "program/program_fixture.h"
#include "settings/settings_dialog.h"

namespace kelvara::testing {

// The main window's fields as a case gives them, and the settings dialog
// opened from the tray menu over them.
class SettingsTest : public ProgramTest {
 protected:
  SettingsDialog& Open(const SettingsRecord& fields = {}) {
    main.SetSettings(fields);
    return Reopen();
  }
  SettingsDialog& Reopen() {
    windows().Unload("frmSetup");
    TakeCalls();
    Choose("MntrCstmz");
    dialog_ = static_cast<SettingsDialog*>(windows().Find("frmSetup"));
    opening_calls = TakeCalls();
    return *dialog_;
  }
  // Start-up over a store holding `record`, as a running monitor has it.
  void Start(const SettingsRecord& record) {
    fake.files[StorePath()] = EncodeRecord(record);
    main.Form_Load();
    TakeCalls();
  }
  std::string StorePath() const { return "C:\\Tools\\kelvara\\UsrData\\taro.qmx"; }

  ui::Form& form() { return dialog_->form(); }
  ui::Control& C(std::string_view name) { return form()[name]; }
  const std::string& Text(std::string_view name) { return C(name).caption; }
  void Press(std::string_view button) { form().Press(button); }
  void Click(std::string_view name) { form().Click(C(name)); }

  // The names among `names` for which `test` holds, space-separated.
  template <typename Test>
  std::string Which(std::initializer_list<const char*> names, Test test) {
    std::string out;
    for (const char* name : names) {
      if (!test(C(name))) continue;
      out += out.empty() ? "" : " ";
      out += name;
    }
    return out;
  }
  std::string Checked() {
    return Which({"Check1", "Check2"}, [](const ui::Control& c) { return c.checked; });
  }
  std::string Hidden(std::initializer_list<const char*> names) {
    return Which(names, [this](const ui::Control& c) { return !form().Shown(c); });
  }
  std::string Unusable(std::initializer_list<const char*> names) {
    return Which(names, [this](const ui::Control& c) { return !form().Usable(c); });
  }

  SettingsDialog* dialog_ = nullptr;
  std::vector<std::string> opening_calls;  // what the last opening asked of the platform
};

}  // namespace kelvara::testing
