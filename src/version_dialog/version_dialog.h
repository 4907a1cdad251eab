#pragma once

#include "platform/platform.h"
#include "ui/window_set.h"

namespace kelvara {

// The version dialog `frmVInfo`: the product's title and version, and the
// project's address, which opens in the browser.
class VersionDialog final : public ui::Window {
 public:
  VersionDialog(platform::Platform& platform, ui::WindowSet& windows);

  ui::Form& form() override { return form_; }
  void Form_Load() override;

  void Command1_Click();
  void Image2_Click();
  // A click on the dialog's painted surface, in client twips.
  void ClickAt(float x, float y);

 private:
  platform::Platform& platform_;
  ui::WindowSet& windows_;
  ui::Form form_;
};

}  // namespace kelvara
