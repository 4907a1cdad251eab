#include "version_dialog/version_dialog.h"

#include "platform/desktop.h"
#include "ui/hit_test.h"
#include "ui/window_names.h"
#include "version_dialog/version_dialog_design.h"

namespace kelvara {

VersionDialog::VersionDialog(platform::Platform& platform, ui::WindowSet& windows)
    : platform_(platform),
      windows_(windows),
      form_(kVersionDialogName, VersionDialogFrame(), VersionDialogDesign()) {
  form_["Command1"].on_click = [this] { Command1_Click(); };
  form_["Image2"].on_click = [this] { Image2_Click(); };
}

void VersionDialog::Form_Load() {
  platform::CentreOnMonitor(form_, platform_.system.ScreenUnderPointer());
}

void VersionDialog::Command1_Click() { windows_.Unload(*this); }

void VersionDialog::Image2_Click() {
  platform_.shell.Execute(kVersionDialogName, std::nullopt, kProjectAddress, std::nullopt,
                          kProjectAddress, platform::kShowNormal);
  windows_.Unload(*this);
}

void VersionDialog::ClickAt(float x, float y) { ui::ClickAt(form_, x, y); }

}  // namespace kelvara
