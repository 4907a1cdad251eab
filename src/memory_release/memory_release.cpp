#include "memory_release/memory_release.h"

#include <cmath>
#include <limits>
#include <string>

#include "program/window_names.h"
#include "text/number_text.h"
#include "ui/controls.h"

namespace kelvara {
namespace {

constexpr int kSteps = 10;
constexpr int kRestoreInterval = 1000;

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

std::optional<std::int32_t> ReleaseBlockLastIndex(double size, int step) {
  const double value = size * step;
  if (!std::isfinite(value)) return std::nullopt;
  const double below = std::floor(value);
  const double fraction = value - below;
  double whole = fraction < 0.5 ? below : below + 1;
  if (fraction == 0.5 && std::fmod(below, 2.0) == 0) whole = below;
  if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(whole);
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
  // A block never takes more than the machine has free as the release starts:
  // a size typed for a larger machine must not push it into endless paging.
  const auto status = platform_.system.Memory();
  if (!status) return;
  std::unique_ptr<platform::MemoryBlock> block;
  for (int step = 1; step <= kSteps; ++step) {
    if (!ReleaseStep(step, status->available_physical, block)) return;
  }
  main.SetCaption(main["lblDate"], "開放完了");
}

bool MemoryRelease::ReleaseStep(int step, std::uint64_t limit,
                                std::unique_ptr<platform::MemoryBlock>& block) {
  const auto last = ReleaseBlockLastIndex(LeadingNumber(form_["Mc"].caption), step);
  if (!last) return false;
  const std::uint64_t bytes = (static_cast<std::uint64_t>(*last) + 1) * 4;
  block.reset();  // the previous block goes first, so two are never held
  if (bytes > limit) return false;
  block = platform_.memory.Claim(bytes);
  if (!block) return false;
  ShowProgress(step);
  platform_.pump.RunPending();  // the main window repaints between steps
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
