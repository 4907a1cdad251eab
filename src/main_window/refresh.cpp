// The refresh tick: RefreshDisplay behind the four refresh timers,
// and the restart timer after a memory release.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "main_window/figures.h"
#include "main_window/guarded_figures.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

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
// difference is taken signed, so more available than in all reads negative,
// and on 64-bit counts: no overflow, so no failure.
double UsedMegabytes(std::uint64_t total, std::uint64_t available) {
  return (static_cast<double>(total) - static_cast<double>(available)) / kBytesPerMegabyte;
}

// The ways a tick writes the window's controls.
class TickRows {
 public:
  TickRows(ui::Form& form, MainWindowControls& controls) : form_(form), c(controls) {}

  double Leading(const ui::Control& which) { return LeadingNumber(which.caption); }
  void SetCaption(ui::Control& which, std::string_view text) { form_.SetCaption(which, text); }
  // Writes a figure as its caption rounds it, when there is one, and returns
  // what the caption then reads: the bars follow the rounded captions.
  double SetFigure(ui::Control& caption, std::optional<double> value, const char* format) {
    if (value) SetCaption(caption, FormatDigits(*value, format));
    return Leading(caption);
  }
  void SetWhole(ui::Control& which, int value) { kelvara::SetWhole(form_, which, value); }
  // Sets a bar shape and its picture twin to the same width in twips, as a
  // single-precision value. A width that is not accepted (negative, not a
  // number, beyond single precision) leaves both as they were.
  void SetBar(ui::Control& bar, ui::Control& picture, double width) {
    if (!(width >= 0) || width > std::numeric_limits<float>::max()) return;
    const auto twips = static_cast<float>(width);
    form_.SetWidth(bar, twips);
    form_.SetWidth(picture, twips);
  }
  // A bar from a percentage of its full width.
  void SetBarPercent(ui::Control& bar, ui::Control& picture, double percent) {
    SetBar(bar, picture, percent / kHundredPercent * kBarFullWidth);
  }
  // The memory rows' shares pass 100 % when a user total is below what is in
  // use or damaged; their captions say so, their bars still end at the frame.
  void SetMemoryBarPercent(ui::Control& bar, ui::Control& picture, double percent) {
    SetBar(bar, picture,
           std::min(percent / kHundredPercent * kBarFullWidth, double{kBarFullWidth}));
  }
  void ZeroPageFileRow() {
    SetBar(c.PFT, c.PFI, 0);
    SetCaption(c.lblPTime, "0");
    SetCaption(c.lblPFPer, "0%");
  }
  // The page-file row reads zero when it has no figure or more in use than in all.
  void ZeroPageFileRowWhenImpossible(bool no_figure) {
    if (no_figure) ZeroPageFileRow();
    if (Leading(c.lblPTotal) < Leading(c.lblPTime)) ZeroPageFileRow();
  }

 private:
  ui::Form& form_;

 public:
  MainWindowControls& c;
};

// A counter's latest value, when it is a finite number.
std::optional<double> CounterValue(const platform::CounterSnapshot& counters, int position) {
  const std::optional<double> value = counters.At(position);
  return value ? display::Finite(*value) : std::nullopt;
}

// Both memory rows take their use percentages from one memory status; there
// is none when both rows show the user's totals.
struct MemoryFigures {
  std::optional<platform::MemoryStatus> status;
  double ram_percent = 0;
  double page_file_percent = 0;
};

MemoryFigures ReadMemory(platform::SystemInfo& system, FigureSource ram, FigureSource page_file) {
  MemoryFigures figures;
  if (ram == FigureSource::kUser && page_file == FigureSource::kUser) return figures;
  figures.status = system.Memory();
  if (!figures.status) return figures;
  const platform::MemoryStatus& m = *figures.status;
  if (const auto p = UsePercent(m.available_physical, m.total_physical)) figures.ram_percent = *p;
  if (const auto p = UsePercent(m.available_page_file, m.total_page_file)) {
    figures.page_file_percent = *p;
  }
  return figures;
}

// The other row's source sets the width of the used figure's format.
const char* UsedFormat(FigureSource other_row) {
  return other_row == FigureSource::kUser ? "#####" : "#";
}

void WriteSystemPageFileRow(TickRows& rows, const MemoryFigures& memory, FigureSource ram) {
  if (memory.status) {
    const double used =
        UsedMegabytes(memory.status->total_page_file, memory.status->available_page_file);
    rows.SetCaption(rows.c.lblPTime, FormatDigits(used, UsedFormat(ram)));
    rows.SetMemoryBarPercent(rows.c.PFT, rows.c.PFI, memory.page_file_percent);
    rows.SetCaption(rows.c.lblPFPer, NumberText(memory.page_file_percent) + "%");
  }
  rows.ZeroPageFileRowWhenImpossible(rows.c.lblPTime.caption.empty());
}

void WriteSystemRamRow(TickRows& rows, const MemoryFigures& memory, FigureSource page_file) {
  if (!memory.status) return;
  const double used =
      UsedMegabytes(memory.status->total_physical, memory.status->available_physical);
  rows.SetCaption(rows.c.lblRamT, FormatDigits(used, UsedFormat(page_file)));
  rows.SetMemoryBarPercent(rows.c.RamT, rows.c.MemI, memory.ram_percent);
  rows.SetCaption(rows.c.lblRPer, NumberText(memory.ram_percent) + "%");
}

// A memory row computed from a total the user typed in: its controls.
struct UserTotalRow {
  ui::Control& used;   // megabytes in use
  ui::Control& total;  // the total the share is taken of
  ui::Control& bar;
  ui::Control& picture;
  ui::Control& percent;
};

// Writes the used figure (when there is one), then the share of the total as
// "##.#" text, the bar from that text and the percentage caption. Returns the
// share's text, empty when it could not be computed.
std::string WriteUserTotalRow(TickRows& rows, const UserTotalRow& row, std::optional<double> used) {
  const double used_figure = rows.SetFigure(row.used, used, "#####");
  std::string percent_text;
  if (const auto share = display::Quotient(used_figure, rows.Leading(row.total))) {
    if (const auto percent = display::Finite(*share * 100)) {
      percent_text = FormatDigits(*percent, "##.#");
    }
  }
  if (const auto percent = ToNumber(percent_text))
    rows.SetMemoryBarPercent(row.bar, row.picture, *percent);
  rows.SetCaption(row.percent, percent_text + "%");
  return percent_text;
}

// RAM in use: the user's total less the available megabytes.
void WriteUserRamRow(TickRows& rows, const platform::CounterSnapshot& counters) {
  std::optional<double> used;
  if (const auto available = CounterValue(counters, platform::kAvailableMegabytes)) {
    used = display::Finite(rows.Leading(rows.c.RTUl) - *available);
  }
  WriteUserTotalRow(
      rows, {rows.c.lblRamT, rows.c.lblRTotal, rows.c.RamT, rows.c.MemI, rows.c.lblRPer}, used);
}

// Page file in use: the peak usage percentage of the user's total.
void WriteUserPageFileRow(TickRows& rows, const platform::CounterSnapshot& counters) {
  std::optional<double> used;
  if (const auto peak = CounterValue(counters, platform::kPageFileUsagePeak)) {
    used = display::Finite(*peak / kHundredPercent * rows.Leading(rows.c.PFUl));
  }
  const std::string percent_text = WriteUserTotalRow(
      rows, {rows.c.lblPTime, rows.c.PFUl, rows.c.PFT, rows.c.PFI, rows.c.lblPFPer}, used);
  rows.ZeroPageFileRowWhenImpossible(percent_text.empty());
}

// A percentage caption from a counter; a counter that cannot be read, or a
// figure that rounds to nothing, shows "0%".
void WritePercentCaption(TickRows& rows, ui::Control& caption, std::optional<double> value,
                         const char* format) {
  const std::string digits = value ? FormatDigits(*value, format) : std::string();
  if (digits.empty()) {
    rows.SetCaption(caption, "0%");
  } else {
    rows.SetCaption(caption, digits + "%");
  }
}

// The CPU, disk-busy and free-space rows. Their hidden working captions hold
// the figures the bars follow.
void WriteCounterRows(TickRows& rows, const platform::CounterSnapshot& counters) {
  const std::optional<double> processor = CounterValue(counters, platform::kProcessorTimePercent);
  const std::optional<double> disk_time = CounterValue(counters, platform::kDiskTimePercent);
  const std::optional<double> free_space = CounterValue(counters, platform::kFreeSpacePercent);
  WritePercentCaption(rows, rows.c.lblCPer, processor, "#");
  WritePercentCaption(rows, rows.c.lblDPer, disk_time, "###");

  const double d = rows.SetFigure(rows.c.lblD, disk_time, "###");
  const double c = rows.SetFigure(rows.c.lblC, processor, "#");
  const double s = rows.SetFigure(rows.c.lblDs, free_space, "#.#");

  // The CPU bar has no upper clamp.
  if (c < 0) {
    rows.SetBar(rows.c.PrscrTime, rows.c.CpuI, 0);
    rows.SetCaption(rows.c.lblCPer, "0%");
  } else {
    rows.SetBarPercent(rows.c.PrscrTime, rows.c.CpuI, c);
  }

  // The disk-busy bar stops at 100 %; lblD keeps the raw text.
  if (d < 0) {
    rows.SetBar(rows.c.DiskTime, rows.c.DscI, 0);
    rows.SetCaption(rows.c.lblDPer, "0%");
  } else if (d > 100) {
    rows.SetBar(rows.c.DiskTime, rows.c.DscI, kBarFullWidth);
    rows.SetCaption(rows.c.lblDPer, "100%");
  } else {
    rows.SetBarPercent(rows.c.DiskTime, rows.c.DscI, d);
  }

  // Free space below 15 % shows empty and "0%".
  rows.SetBarPercent(rows.c.DSpce, rows.c.DspI, s);
  rows.SetCaption(rows.c.lblDSPer, rows.c.lblDs.caption + "%");
  if (s < 15) {
    rows.SetBar(rows.c.DSpce, rows.c.DspI, 0);
    rows.SetCaption(rows.c.lblDSPer, "0%");
  }
}

}  // namespace

void MainWindow::RefreshDisplay(FigureSource ram, FigureSource page_file) {
  const platform::LocalTime now = platform_.clock.Now();
  RefreshDateAndClock(now);

  // From here on every step is guarded: a step that cannot complete is
  // skipped and what it would have written keeps its value.
  TickRows rows(form_, c_);
  const platform::CounterSnapshot counters = platform_.counters.Latest();
  const MemoryFigures memory = ReadMemory(platform_.system, ram, page_file);
  if (page_file == FigureSource::kSystem) WriteSystemPageFileRow(rows, memory, ram);
  if (ram == FigureSource::kSystem) WriteSystemRamRow(rows, memory, page_file);
  if (ram == FigureSource::kUser) WriteUserRamRow(rows, counters);
  if (page_file == FigureSource::kUser) WriteUserPageFileRow(rows, counters);
  WriteCounterRows(rows, counters);

  UpdateTrayTip(now);
}

// The date fields, the moon age on a change of day, and the date and clock.
void MainWindow::RefreshDateAndClock(const platform::LocalTime& now) {
  TickRows rows(form_, c_);
  rows.SetWhole(c_.txtYY, now.year);
  rows.SetWhole(c_.txtMM, now.month);
  rows.SetWhole(c_.txtDD, now.day);

  // The moon age follows the date only while it is shown.
  if (c_.txtFDay.caption != c_.txtDD.caption && c_.MVw.caption == "on") {
    CalcMoonAge();
    rows.SetCaption(c_.txtFDay, c_.txtDD.caption);
  }

  if (c_.CVw.caption != "on") return;
  rows.SetCaption(c_.lblDate, platform_.clock.ShortDate(now));
  const std::string& kind = c_.ClSW.caption;
  if (kind == "デジタル時計") {
    rows.SetCaption(c_.lblTime, platform_.clock.LongTime(now));
  } else if (kind == "アナログ時計") {
    DrawAnalogClock();
  }
}

void MainWindow::TmrRS_Timer() {
  if (unload_after_release) unload_after_release();
  SelectRefreshTimer();
  form_.SetEnabled(c_.TmrRS, false);
}

}  // namespace kelvara
