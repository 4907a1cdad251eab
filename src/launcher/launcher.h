#pragma once

#include "platform/platform.h"
#include "ui/window_set.h"

namespace kelvara {

class MainWindow;

// The launcher palette `frmLnchr`: fourteen picture buttons that open shell
// folders and tools, over a see-through window.
class Launcher final : public ui::Window {
 public:
  Launcher(const MainWindow& main, platform::Platform& platform);

  ui::Form& form() override { return form_; }
  void Form_Load() override;

  // The whole window's opacity, 0 to 255; it is layered from the load step on.
  bool layered() const { return form_.window().alpha < 255; }
  int alpha() const { return form_.window().alpha; }

 private:
  const MainWindow& main_;
  platform::Platform& platform_;
  ui::Form form_;
};

}  // namespace kelvara
