#include "program/program_windows.h"

#include <memory>
#include <string>

#include "launcher/launcher.h"
#include "memory_release/memory_release.h"
#include "menu/menu_form.h"
#include "settings/settings_dialog.h"
#include "ui/window_names.h"
#include "version_dialog/version_dialog.h"

namespace kelvara {

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
  windows_.Register(kSetupName, [&main, &platform, this] {
    return std::make_unique<SettingsDialog>(main, platform, windows_);
  });
  main.unload_after_release = [this] {
    windows_.Unload(kMemoryReleaseName);
    windows_.Unload(kMenuFormName);
  };
}

ProgramWindows::~ProgramWindows() { main_.unload_after_release = nullptr; }

}  // namespace kelvara
