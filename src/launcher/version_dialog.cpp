#include "launcher/version_dialog.h"

#include "launcher/centre.h"
#include "launcher/hit_test.h"
#include "launcher/version_dialog_design.h"

namespace kelvara {

VersionDialog::VersionDialog(platform::Platform& platform, ui::WindowSet& windows)
    : platform_(platform),
      windows_(windows),
      form_(kVersionDialogName, VersionDialogFrame(), VersionDialogDesign()) {
  form_["Command1"].on_click = [this] { Command1_Click(); };
  form_["Image2"].on_click = [this] { Image2_Click(); };
}

void VersionDialog::Form_Load() { CentreOnScreen(form_, platform_.system.Screen()); }

void VersionDialog::Command1_Click() { windows_.Unload(kVersionDialogName); }

void VersionDialog::Image2_Click() {
  platform_.shell.Execute(kVersionDialogName, std::nullopt, kProjectAddress, std::nullopt,
                          kProjectAddress, platform::kShowNormal);
  windows_.Unload(kVersionDialogName);
}

void VersionDialog::ClickAt(float x, float y) { kelvara::ClickAt(form_, x, y); }

}  // namespace kelvara
