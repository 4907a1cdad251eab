// The refresh tick: RefreshDisplay behind the four refresh timers,
// and the restart timer after a memory release.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "main_window/refresh_steps.h"
#include "main_window/tick_controls.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

using display::TickControl;

constexpr double kBytesPerMegabyte = 1024000;  // the program's own megabyte
constexpr double kHundredPercent = 100;

// A whole number as plain decimal text, written without a heap allocation.
void SetWhole(ui::Form& form, ui::Control& c, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  form.SetCaption(c, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

// Use percentage of the memory status: 100 − floor(available ÷ total × 100).
// None when the total is 0 (the division fails and the step is skipped).
std::optional<double> UsePercent(std::uint64_t available, std::uint64_t total) {
  const std::optional<double> share =
      display::Quotient(static_cast<double>(available), static_cast<double>(total));
  if (!share) return std::nullopt;
  return display::Finite(kHundredPercent - std::floor(*share * 100));
}

// Used megabytes of the memory status: (total − available) ÷ 1024000. The
// difference is taken signed, as the original did, but on 64-bit counts: no
// overflow, so no failure.
double UsedMegabytes(std::uint64_t total, std::uint64_t available) {
  return (static_cast<double>(total) - static_cast<double>(available)) / kBytesPerMegabyte;
}

}  // namespace

void MainWindow::RefreshDisplay(FigureSource ram, FigureSource page_file) {
  ui::Form& f = form_;
  const auto k = [&f](TickControl which) -> ui::Control& {
    return display::TickControlOf(f, which);
  };
  const auto caption = [&k](TickControl which) -> const std::string& { return k(which).caption; };
  const auto leading = [&caption](TickControl which) { return LeadingNumber(caption(which)); };
  const auto set_caption = [&f, &k](TickControl which, std::string_view text) {
    f.SetCaption(k(which), text);
  };
  const auto set_bar = [&f, &k](TickControl bar, TickControl picture, double width) {
    display::SetBarWidth(f, k(bar), k(picture), width);
  };
  const auto zero_page_file_row = [&] {
    set_bar(TickControl::PFT, TickControl::PFI, 0);
    set_caption(TickControl::lblPTime, "0");
    set_caption(TickControl::lblPFPer, "0%");
  };

  // Steps 1 to 3 are not guarded.
  const platform::LocalTime now = platform_.clock.Now();

  // 1. Date fields.
  SetWhole(f, k(TickControl::txtYY), now.year);
  SetWhole(f, k(TickControl::txtMM), now.month);
  SetWhole(f, k(TickControl::txtDD), now.day);

  // 2. Change of day: the moon age follows the date only while it is shown.
  if (caption(TickControl::txtFDay) != caption(TickControl::txtDD) &&
      caption(TickControl::MVw) == "on") {
    CalcMoonAge();
    f.SetCaption(k(TickControl::txtFDay), caption(TickControl::txtDD));
  }

  // 3. Date and clock.
  if (caption(TickControl::CVw) == "on") {
    set_caption(TickControl::lblDate, platform_.clock.ShortDate(now));
    const std::string& kind = caption(TickControl::ClSW);
    if (kind == "デジタル時計") {
      set_caption(TickControl::lblTime, platform_.clock.LongTime(now));
    } else if (kind == "アナログ時計") {
      DrawAnalogClock();
    }
  }

  // From here on every step is guarded: a step that cannot complete is
  // skipped and what it would have written keeps its value. The working values
  // of the tick start afresh.
  double ram_percent = 0;
  double page_file_percent = 0;
  std::string ram_percent_text;
  std::string page_file_percent_text;
  const platform::CounterSnapshot counters = platform_.counters.Latest();
  const auto counter = [&counters](int position) {
    const std::optional<double> value = counters.At(position);
    return value ? display::Finite(*value) : std::nullopt;
  };

  // 4. Memory status (not when both rows take the user's totals). Without a
  // status every step computed from it is skipped.
  std::optional<platform::MemoryStatus> memory;
  if (ram == FigureSource::kSystem || page_file == FigureSource::kSystem) {
    memory = platform_.system.Memory();
    if (memory) {
      if (const auto p = UsePercent(memory->available_physical, memory->total_physical)) {
        ram_percent = *p;
      }
      if (const auto p = UsePercent(memory->available_page_file, memory->total_page_file)) {
        page_file_percent = *p;
      }
    }
  }

  // 5. Page-file row, system source.
  if (page_file == FigureSource::kSystem) {
    if (memory) {
      const double used = UsedMegabytes(memory->total_page_file, memory->available_page_file);
      set_caption(TickControl::lblPTime,
                  FormatDigits(used, ram == FigureSource::kUser ? "#####" : "#"));
      set_bar(TickControl::PFT, TickControl::PFI,
              page_file_percent / kHundredPercent * kBarFullWidth);
      set_caption(TickControl::lblPFPer, NumberText(page_file_percent) + "%");
    }
    if (caption(TickControl::lblPTime).empty()) zero_page_file_row();
    if (leading(TickControl::lblPTotal) < leading(TickControl::lblPTime)) zero_page_file_row();
  }

  // 6. RAM row, system source.
  if (ram == FigureSource::kSystem && memory) {
    const double used = UsedMegabytes(memory->total_physical, memory->available_physical);
    set_caption(TickControl::lblRamT,
                FormatDigits(used, page_file == FigureSource::kUser ? "#####" : "#"));
    set_bar(TickControl::RamT, TickControl::MemI, ram_percent / kHundredPercent * kBarFullWidth);
    set_caption(TickControl::lblRPer, NumberText(ram_percent) + "%");
  }

  // 7. RAM row, user source: used = user total − available MB.
  if (ram == FigureSource::kUser) {
    if (const auto available = counter(platform::kAvailableMegabytes)) {
      if (const auto used = display::Finite(leading(TickControl::RTUl) - *available)) {
        set_caption(TickControl::lblRamT, FormatDigits(*used, "#####"));
      }
    }
    if (const auto share =
            display::Quotient(leading(TickControl::lblRamT), leading(TickControl::lblRTotal))) {
      if (const auto percent = display::Finite(*share * 100)) {
        ram_percent_text = FormatDigits(*percent, "##.#");
      }
    }
    if (const auto percent = ToNumber(ram_percent_text)) {
      set_bar(TickControl::RamT, TickControl::MemI, *percent / kHundredPercent * kBarFullWidth);
    }
    set_caption(TickControl::lblRPer, ram_percent_text + "%");
  }

  // 8. Page-file row, user source: used = peak usage percentage of the user total.
  if (page_file == FigureSource::kUser) {
    if (const auto peak = counter(platform::kPageFileUsagePeak)) {
      if (const auto used = display::Finite(*peak / kHundredPercent * leading(TickControl::PFUl))) {
        set_caption(TickControl::lblPTime, FormatDigits(*used, "#####"));
      }
    }
    if (const auto share =
            display::Quotient(leading(TickControl::lblPTime), leading(TickControl::PFUl))) {
      if (const auto percent = display::Finite(*share * 100)) {
        page_file_percent_text = FormatDigits(*percent, "##.#");
      }
    }
    if (const auto percent = ToNumber(page_file_percent_text)) {
      set_bar(TickControl::PFT, TickControl::PFI, *percent / kHundredPercent * kBarFullWidth);
    }
    set_caption(TickControl::lblPFPer, page_file_percent_text + "%");
    if (page_file_percent_text.empty()) zero_page_file_row();
    if (leading(TickControl::lblPTotal) < leading(TickControl::lblPTime)) zero_page_file_row();
  }

  // 9. CPU and disk-busy captions. A counter that cannot be read fails the
  // test, and a failing test counts as true: "0%".
  const std::optional<double> processor = counter(platform::kProcessorTimePercent);
  const std::optional<double> disk_time = counter(platform::kDiskTimePercent);
  const std::optional<double> free_space = counter(platform::kFreeSpacePercent);
  if (const std::string cpu = processor ? FormatDigits(*processor, "#") : std::string();
      !processor || cpu.empty()) {
    set_caption(TickControl::lblCPer, "0%");
  } else {
    set_caption(TickControl::lblCPer, cpu + "%");
  }
  if (const std::string disk = disk_time ? FormatDigits(*disk_time, "###") : std::string();
      !disk_time || disk.empty()) {
    set_caption(TickControl::lblDPer, "0%");
  } else {
    set_caption(TickControl::lblDPer, disk + "%");
  }

  // 10. Hidden working captions: the bars below follow their text.
  if (disk_time) set_caption(TickControl::lblD, FormatDigits(*disk_time, "###"));
  if (processor) set_caption(TickControl::lblC, FormatDigits(*processor, "#"));
  if (free_space) set_caption(TickControl::lblDs, FormatDigits(*free_space, "#.#"));

  // 11. CPU bar (no upper clamp).
  if (const double c = leading(TickControl::lblC); c < 0) {
    set_bar(TickControl::PrscrTime, TickControl::CpuI, 0);
    set_caption(TickControl::lblCPer, "0%");
  } else {
    set_bar(TickControl::PrscrTime, TickControl::CpuI, c * 0.01 * kBarFullWidth);
  }

  // 12. Disk-busy bar, clamped to 100 % (lblD keeps the raw text).
  if (const double d = leading(TickControl::lblD); d < 0) {
    set_bar(TickControl::DiskTime, TickControl::DscI, 0);
    set_caption(TickControl::lblDPer, "0%");
  } else if (d > 100) {
    set_bar(TickControl::DiskTime, TickControl::DscI, kBarFullWidth);
    set_caption(TickControl::lblDPer, "100%");
  } else {
    set_bar(TickControl::DiskTime, TickControl::DscI, d * 0.01 * kBarFullWidth);
  }

  // 13. Free-space bar; below 15 % it shows empty and "0%".
  {
    const double s = leading(TickControl::lblDs);
    set_bar(TickControl::DSpce, TickControl::DspI, s * 0.01 * kBarFullWidth);
    set_caption(TickControl::lblDSPer, caption(TickControl::lblDs) + "%");
    if (s < 15) {
      set_bar(TickControl::DSpce, TickControl::DspI, 0);
      set_caption(TickControl::lblDSPer, "0%");
    }
  }

  // 14. Tray tip.
  UpdateTrayTip(now);
}

void MainWindow::TmrRS_Timer() {
  if (unload_after_release) unload_after_release();
  SelectRefreshTimer();
  form_.SetEnabled(C("TmrRS"), false);
}

}  // namespace kelvara
