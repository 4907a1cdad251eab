#include "program/program_windows.h"

#include <memory>
#include <string>

#include "launcher/launcher.h"
#include "memory_release/memory_release.h"
#include "menu/menu_form.h"
#include "program/window_names.h"
#include "version_dialog/version_dialog.h"

namespace kelvara {
namespace {

// A window whose behaviour is not written yet: it loads and shows as an empty
// form, so the commands that open it already work.
class UnbuiltWindow final : public ui::Window {
 public:
  explicit UnbuiltWindow(const char* name) : form_(name, ui::FormWindow{}, {}) {}
  ui::Form& form() override { return form_; }

 private:
  ui::Form form_;
};

}  // namespace

ProgramWindows::ProgramWindows(MainWindow& main, platform::Platform& platform)
    : main_(main), tray_(main, platform.popups, windows_) {
  windows_.Register(kMenuFormName, [&main, &platform, this] {
    return std::make_unique<MenuForm>(main, platform, windows_);
  });
  windows_.Register(kMemoryReleaseName,
                    [&main, &platform] { return std::make_unique<MemoryRelease>(main, platform); });
  windows_.Register(kLauncherName,
                    [&main, &platform] { return std::make_unique<Launcher>(main, platform); });
  windows_.Register(kVersionDialogName, [&platform, this] {
    return std::make_unique<VersionDialog>(platform, windows_);
  });
  windows_.Register(kSetupName, [] { return std::make_unique<UnbuiltWindow>(kSetupName); });
  main.unload_after_release = [this] {
    windows_.Unload(kMemoryReleaseName);
    windows_.Unload(kMenuFormName);
  };
}

ProgramWindows::~ProgramWindows() { main_.unload_after_release = nullptr; }

}  // namespace kelvara
