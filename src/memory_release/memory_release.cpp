#include "memory_release/memory_release.h"

#include <cmath>
#include <limits>
#include <string>

#include "main_window/figures.h"
#include "text/number_text.h"
#include "ui/controls.h"
#include "ui/window_names.h"

namespace kelvara {
namespace {

constexpr int kSteps = 10;
constexpr int kRestoreInterval = 1000;
constexpr std::uint64_t kElementBytes = 4;

ui::FormWindow Frame() {
  ui::FormWindow w;
  w.caption = "Form1";
  w.rect = {0, 0, 960, 90};
  return w;
}

std::vector<ui::Control> Design() {
  // Holds the release size as text.
  return {ui::MakeLabel("Mc", "Label1", {960, 1560, 2055, 255}, ui::Alignment::kLeft, {}, 0)};
}

}  // namespace

std::optional<std::int64_t> ReleaseBlockLastIndex(double size, int step) {
  const double value = size * step;
  if (!std::isfinite(value)) return std::nullopt;
  const double below = std::floor(value);
  const double fraction = value - below;
  double whole = fraction < 0.5 ? below : below + 1;
  if (fraction == 0.5 && std::fmod(below, 2.0) == 0) whole = below;
  // 2^61 elements of 4 bytes would already overflow the byte count.
  constexpr double kTooMany = 2305843009213693952.0;
  if (whole < 0 || whole >= kTooMany) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

std::uint64_t ReleaseLimit(const platform::MemoryStatus& status) {
  const double size = std::nearbyint(static_cast<double>(status.total_physical) * kReleaseFactor);
  const auto last = ReleaseBlockLastIndex(size, kSteps);
  const std::uint64_t physical_share =
      last ? (static_cast<std::uint64_t>(*last) + 1) * kElementBytes : 0;
  return std::min(physical_share, status.available_page_file);
}

MemoryRelease::MemoryRelease(MainWindow& main, platform::Platform& platform)
    : main_(main), platform_(platform), form_(kMemoryReleaseName, Frame(), Design()) {}

void MemoryRelease::Form_Load() {
  form_.SetWindowHeight(0);
  form_.SetWindowWidth(0);
  Release();
  // Whether it completed or not, the live display comes back a second later.
  ui::Form& main = main_.form();
  main.SetInterval(main["TmrRS"], kRestoreInterval);
  main.SetEnabled(main["TmrRS"], true);
}

void MemoryRelease::Release() {
  ui::Form& main = main_.form();
  for (const char* timer : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) {
    main.SetEnabled(main[timer], false);
  }
  form_.SetCaption(form_["Mc"], main["lblMClr"].caption);
  main.SetCaption(main["lblDate"], "メモリ開放中");
  // A size typed for a larger machine must not push this one into endless
  // paging, nor take the commit other programs need.
  const auto status = platform_.system.Memory();
  if (!status) return;
  const std::uint64_t limit = ReleaseLimit(*status);
  std::unique_ptr<platform::MemoryBlock> block;
  for (int step = 1; step <= kSteps; ++step) {
    if (!ReleaseStep(step, limit, block)) return;
  }
  main.SetCaption(main["lblDate"], "開放完了");
}

bool MemoryRelease::ReleaseStep(int step, std::uint64_t limit,
                                std::unique_ptr<platform::MemoryBlock>& block) {
  const auto last = ReleaseBlockLastIndex(LeadingNumber(form_["Mc"].caption), step);
  if (!last) return false;
  const std::uint64_t bytes = (static_cast<std::uint64_t>(*last) + 1) * kElementBytes;
  block.reset();  // the previous block goes first, so two are never held
  if (bytes > limit) return false;
  block = platform_.memory.Claim(bytes, [this] { return LetMessagesRun(); });
  if (!block) return false;
  ShowProgress(step);
  return LetMessagesRun();  // the main window repaints between steps
}

bool MemoryRelease::LetMessagesRun() {
  platform_.pump.RunPending();
  // Unloaded meanwhile (the program ending): no further step.
  return loaded();
}

void MemoryRelease::ShowProgress(int step) {
  ui::Form& main = main_.form();
  const auto width = static_cast<float>(double{kBarFullWidth} * step / kSteps);
  main.SetWidth(main["RamT"], width);
  main.SetWidth(main["MemI"], width);
  main.SetCaption(main["lblTime"], std::to_string(step * 10) + "%");
}

}  // namespace kelvara
