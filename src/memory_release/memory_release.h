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
  // Lets the main window answer; false once this window is gone.
  bool LetMessagesRun();
  void ShowProgress(int step);

  MainWindow& main_;
  platform::Platform& platform_;
  ui::Form form_;
};

// The last index of the block of step `step`: the size `size` times the step,
// to the nearest whole number with halves to the even one; none when it is
// negative or no block of that many 4-byte elements could be addressed.
std::optional<std::int64_t> ReleaseBlockLastIndex(double size, int step);

// The largest block a release takes on a machine with this memory status:
// the last block for its physical memory (just under 30 % of it), and never
// more than the system can still commit.
std::uint64_t ReleaseLimit(const platform::MemoryStatus& status);

}  // namespace kelvara
