#include "launcher/launcher.h"

#include <string>

#include "launcher/launcher_design.h"
#include "main_window/main_window.h"
#include "platform/desktop.h"
#include "ui/window_names.h"

namespace kelvara {

Launcher::Launcher(const MainWindow& main, platform::Platform& platform)
    : main_(main), platform_(platform), form_(kLauncherName, LauncherFrame(), LauncherDesign()) {
  for (const LauncherStart& start : LauncherStarts()) {
    form_[start.button].on_click = [this, &start] {
      platform_.shell.Execute(kLauncherName, std::nullopt, start.file, std::nullopt,
                              start.directory, start.show);
    };
  }
}

void Launcher::Form_Load() {
  form_.SetAlpha(195);
  platform::CentreOnMonitor(form_, platform_.system.ScreenUnderPointer());
  form_.SetCaption(form_["Label15"], "( " + main_.Text("UName") + " )");
}

}  // namespace kelvara
