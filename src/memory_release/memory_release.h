#pragma once

#include <cstdint>
#include <optional>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "ui/window_set.h"

namespace kelvara {

// The memory release `frmMClr`: its load step claims a growing block of memory
// in ten steps and gives it back, showing the progress on the main window's
// RAM bar and clock labels. The window itself has no size.
class MemoryRelease final : public ui::Window {
 public:
  MemoryRelease(MainWindow& main, platform::Platform& platform);

  ui::Form& form() override { return form_; }
  void Form_Load() override;

 private:
  // Stops at the first step that fails.
  void Release();
  bool ReleaseStep(int step, std::uint64_t limit, std::unique_ptr<platform::MemoryBlock>& block);
  void ShowProgress(int step);

  MainWindow& main_;
  platform::Platform& platform_;
  ui::Form form_;
};

// The last index of the block of step `step`: the size `size` times the step,
// to the nearest whole number with halves to the even one; none when it is
// not a 32-bit integer of 0 or more.
std::optional<std::int32_t> ReleaseBlockLastIndex(double size, int step);

}  // namespace kelvara
