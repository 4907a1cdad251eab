// The refresh tick: the four variants, the rows, the clamps and the
// guarded steps, and the restart timer after a memory release.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using Refresh = MainWindowTest;

enum class Timer { kNN, kRN, kNP, kRP };

const char* Name(Timer timer) {
  switch (timer) {
    case Timer::kNN:
      return "TmrNN";
    case Timer::kRN:
      return "TmrRN";
    case Timer::kNP:
      return "TmrNP";
    case Timer::kRP:
      return "TmrRP";
  }
  return "?";
}

void Tick(MainWindow& w, Timer timer) {
  switch (timer) {
    case Timer::kNN:
      w.TmrNN_Timer();
      break;
    case Timer::kRN:
      w.TmrRN_Timer();
      break;
    case Timer::kNP:
      w.TmrNP_Timer();
      break;
    case Timer::kRP:
      w.TmrRP_Timer();
      break;
  }
}

bool UserRam(Timer t) { return t == Timer::kRN || t == Timer::kRP; }
bool UserPageFile(Timer t) { return t == Timer::kNP || t == Timer::kRP; }

float Width(MainWindow& w, const char* name) { return w.form()[name].rect.width; }
const std::string& Caption(MainWindow& w, const char* name) { return w.form()[name].caption; }

// The two memory rows' captions and bar widths against a case of a table.
template <typename Case>
void ExpectMemoryRows(MainWindow& w, const Case& c) {
  EXPECT_EQ(Caption(w, "lblRamT"), c.ram_used);
  EXPECT_EQ(Caption(w, "lblRPer"), c.ram_percent);
  EXPECT_EQ(Width(w, "RamT"), c.ram_width);
  EXPECT_EQ(Width(w, "MemI"), c.ram_width);
  EXPECT_EQ(Caption(w, "lblPTime"), c.page_used);
  EXPECT_EQ(Caption(w, "lblPFPer"), c.page_percent);
  EXPECT_EQ(Width(w, "PFT"), c.page_width);
  EXPECT_EQ(Width(w, "PFI"), c.page_width);
}

void SetWidths(MainWindow& w, std::initializer_list<const char*> names, float width) {
  for (const char* name : names) w.form().SetWidth(w.form()[name], width);
}

void SetCaption(MainWindow& w, const char* name, const char* text) {
  w.form().SetCaption(w.form()[name], text);
}

// A window with the totals of the edge cases: 4096 MB of RAM and 2048 MB of
// page file typed in, the same totals in the captions.
void UserTotals(MainWindow& w) {
  w.SetText("RTUl", "4096");
  w.SetText("PFUl", "2048");
  SetCaption(w, "lblRTotal", "4096 MB");
  SetCaption(w, "lblPTotal", "2048 MB");
}

// The fake's memory status: 1 GiB of RAM with 41.3 % available (used 615 MB,
// 59 %), 2 GiB of page file with half available (used 1049 MB, 50 %).
TEST_F(Refresh, EachVariantTakesItsRowsFromItsSources) {
  const struct {
    Timer timer;
    const char *ram_used, *ram_percent;
    float ram_width;
    const char *page_used, *page_percent;
    float page_width;
    std::vector<std::string> calls;
  } cases[] = {
      {Timer::kNN, "615", "59%", 1531.05f, "1049", "50%", 1297.5f, {"Memory", "Tray.Modify"}},
      {Timer::kRN, "2596", "63.4%", 1645.23f, "1049", "50%", 1297.5f, {"Memory", "Tray.Modify"}},
      {Timer::kNP, "615", "59%", 1531.05f, "512", "25.%", 648.75f, {"Memory", "Tray.Modify"}},
      {Timer::kRP, "2596", "63.4%", 1645.23f, "512", "25.%", 648.75f, {"Tray.Modify"}},
  };
  for (const auto& c : cases) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    UserTotals(w);
    Tick(w, c.timer);
    SCOPED_TRACE(Name(c.timer));
    ExpectMemoryRows(w, c);
    // The rows every variant shares.
    EXPECT_EQ(Caption(w, "lblCPer"), "12%");
    EXPECT_EQ(Width(w, "PrscrTime"), 311.4f);
    EXPECT_EQ(Caption(w, "lblDPer"), "30%");
    EXPECT_EQ(Width(w, "DiskTime"), 778.5f);
    EXPECT_EQ(Caption(w, "lblDSPer"), "45.%");
    EXPECT_EQ(Width(w, "DSpce"), 1167.75f);
    EXPECT_EQ(local.calls, c.calls);
    // The totals are read, never written.
    EXPECT_EQ(Caption(w, "lblRTotal"), "4096 MB");
    EXPECT_EQ(Caption(w, "lblPTotal"), "2048 MB");
  }
}

TEST_F(Refresh, DateFieldsAreWrittenWithoutLeadingZeros) {
  fake.now = {2009, 3, 7, 0, 5, 9};
  window().TmrNN_Timer();
  EXPECT_EQ(text("txtYY"), "2009");
  EXPECT_EQ(text("txtMM"), "3");
  EXPECT_EQ(text("txtDD"), "7");
}

TEST_F(Refresh, SystemTotalsOfZeroGiveEmptyRows) {
  // The percentage cannot be computed (division by zero): it stays 0 for the
  // tick, and the rows show 0 rather than an infinity.
  for (Timer timer : {Timer::kNN, Timer::kRN, Timer::kNP}) {
    FakePlatform local;
    local.memory = platform::MemoryStatus{0, 0, 0, 0};
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    UserTotals(w);
    SetWidths(w, {"RamT", "MemI", "PFT", "PFI"}, 500);
    Tick(w, timer);
    SCOPED_TRACE(Name(timer));
    if (!UserRam(timer)) {
      EXPECT_EQ(Caption(w, "lblRamT"), "");
      EXPECT_EQ(Caption(w, "lblRPer"), "0%");
      EXPECT_EQ(Width(w, "RamT"), 0.0f);
      EXPECT_EQ(Width(w, "MemI"), 0.0f);
    }
    if (!UserPageFile(timer)) {
      EXPECT_EQ(Caption(w, "lblPTime"), "0");
      EXPECT_EQ(Caption(w, "lblPFPer"), "0%");
      EXPECT_EQ(Width(w, "PFT"), 0.0f);
      EXPECT_EQ(Width(w, "PFI"), 0.0f);
    }
  }
}

TEST_F(Refresh, UserTotalsOfZero) {
  // RAM: the percentage text cannot be computed, so "%" and the bars keep
  // their widths. Page file: the empty text zeroes the row.
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().SetText("RTUl", "0");
  window().SetText("PFUl", "0");
  SetCaption(window(), "lblRTotal", "0 MB");
  SetCaption(window(), "lblPTotal", "0 MB");
  SetWidths(window(), {"RamT", "MemI", "PFT", "PFI"}, 500);
  window().TmrRP_Timer();
  EXPECT_EQ(caption("lblRamT"), "-1500");
  EXPECT_EQ(caption("lblRPer"), "%");
  EXPECT_EQ(control("RamT").rect.width, 500.0f);
  EXPECT_EQ(control("MemI").rect.width, 500.0f);
  EXPECT_EQ(caption("lblPTime"), "0");
  EXPECT_EQ(caption("lblPFPer"), "0%");
  EXPECT_EQ(control("PFT").rect.width, 0.0f);
  EXPECT_EQ(control("PFI").rect.width, 0.0f);
}

TEST_F(Refresh, WithoutAMemoryStatusTheRowsFromItKeepTheirValues) {
  for (Timer timer : {Timer::kNN, Timer::kRN, Timer::kNP}) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    UserTotals(w);
    Tick(w, timer);
    local.memory.reset();
    local.calls.clear();
    SetCaption(w, "lblRamT", "700");
    SetCaption(w, "lblRPer", "70%");
    SetCaption(w, "lblPTime", "800");
    SetCaption(w, "lblPFPer", "40%");
    SetWidths(w, {"RamT", "MemI", "PFT", "PFI"}, 321);
    Tick(w, timer);
    SCOPED_TRACE(Name(timer));
    EXPECT_EQ(local.calls, (std::vector<std::string>{"Memory", "Tray.Modify"}));
    if (!UserRam(timer)) {
      EXPECT_EQ(Caption(w, "lblRamT"), "700");
      EXPECT_EQ(Caption(w, "lblRPer"), "70%");
      EXPECT_EQ(Width(w, "RamT"), 321.0f);
      EXPECT_EQ(Width(w, "MemI"), 321.0f);
    } else {
      EXPECT_EQ(Caption(w, "lblRPer"), "63.4%");
    }
    if (!UserPageFile(timer)) {
      EXPECT_EQ(Caption(w, "lblPTime"), "800");
      EXPECT_EQ(Caption(w, "lblPFPer"), "40%");
      EXPECT_EQ(Width(w, "PFT"), 321.0f);
    } else {
      EXPECT_EQ(Caption(w, "lblPFPer"), "25.%");
    }
    EXPECT_EQ(Caption(w, "lblCPer"), "12%");
  }
}

// A first tick with every counter, then a second with new values where one
// counter (or all) cannot be read.
TEST_F(Refresh, AnAbsentCounterSkipsOnlyItsOwnSteps) {
  // Per row: the caption a counter's step writes (lblDs, lblRamT, lblPTime,
  // lblD, lblC), the percentage caption and the bar width.
  struct Figure {
    const char *text, *percent;
    float width;
  };
  struct Row {
    Figure free, ram, page, disk, cpu;
  };
  const Figure free1{"45.", "45.%", 1167.75f}, free2{"60.", "60.%", 1557.0f};
  const Figure ram1{"2596", "63.4%", 1645.23f}, ram2{"2096", "51.2%", 1328.64f};
  const Figure page1{"512", "25.%", 648.75f}, page2{"1024", "50.%", 1297.5f};
  const Figure disk1{"30", "30%", 778.5f}, disk2{"70", "70%", 1816.5f};
  const Figure cpu1{"12", "12%", 311.4f}, cpu2{"80", "80%", 2076.0f};
  const Row first{free1, ram1, page1, disk1, cpu1};
  const Row second{free2, ram2, page2, disk2, cpu2};
  const struct {
    const char* name;
    int absent;  // position, 0 for all, -1 for none
    Row expected;
  } cases[] = {
      {"none", -1, second},
      // Free space: lblDs keeps its text and the bar follows it.
      {"1", 1, {free1, ram2, page2, disk2, cpu2}},
      // Available MB: lblRamT keeps its text; the percentage is computed from it.
      {"2", 2, {free2, ram1, page2, disk2, cpu2}},
      // Page-file peak: lblPTime keeps its text.
      {"3", 3, {free2, ram2, page1, disk2, cpu2}},
      // Disk time: the failing test counts as true, "0%"; lblD and the bar keep.
      {"4", 4, {free2, ram2, page2, {"30", "0%", 778.5f}, cpu2}},
      // Processor time: likewise "0%"; lblC and the bar keep.
      {"5", 5, {free2, ram2, page2, disk2, {"12", "0%", 311.4f}}},
      {"all", 0, {free1, ram1, page1, {"30", "0%", 778.5f}, {"12", "0%", 311.4f}}},
  };
  const auto check = [](MainWindow& w, const Row& r) {
    EXPECT_EQ(Caption(w, "lblDs"), r.free.text);
    EXPECT_EQ(Caption(w, "lblDSPer"), r.free.percent);
    EXPECT_EQ(Width(w, "DSpce"), r.free.width);
    EXPECT_EQ(Width(w, "DspI"), r.free.width);
    EXPECT_EQ(Caption(w, "lblRamT"), r.ram.text);
    EXPECT_EQ(Caption(w, "lblRPer"), r.ram.percent);
    EXPECT_EQ(Width(w, "RamT"), r.ram.width);
    EXPECT_EQ(Width(w, "MemI"), r.ram.width);
    EXPECT_EQ(Caption(w, "lblPTime"), r.page.text);
    EXPECT_EQ(Caption(w, "lblPFPer"), r.page.percent);
    EXPECT_EQ(Width(w, "PFT"), r.page.width);
    EXPECT_EQ(Width(w, "PFI"), r.page.width);
    EXPECT_EQ(Caption(w, "lblD"), r.disk.text);
    EXPECT_EQ(Caption(w, "lblDPer"), r.disk.percent);
    EXPECT_EQ(Width(w, "DiskTime"), r.disk.width);
    EXPECT_EQ(Width(w, "DscI"), r.disk.width);
    EXPECT_EQ(Caption(w, "lblC"), r.cpu.text);
    EXPECT_EQ(Caption(w, "lblCPer"), r.cpu.percent);
    EXPECT_EQ(Width(w, "PrscrTime"), r.cpu.width);
    EXPECT_EQ(Width(w, "CpuI"), r.cpu.width);
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("absent: ") + c.name);
    FakePlatform local;
    MainWindow w(local.platform());
    UserTotals(w);
    local.counters = Counters(45, 1500, 25, 30, 12);
    w.TmrRP_Timer();
    check(w, first);
    local.counters = Counters(60, 2000, 50, 70, 80);
    if (c.absent == 0) {
      local.counters = {};
    } else if (c.absent > 0) {
      local.counters.values[static_cast<std::size_t>(c.absent - 1)].reset();
    }
    w.TmrRP_Timer();
    check(w, c.expected);
  }
}

TEST_F(Refresh, WithNoCounterYetTheBarsFollowTheDesignCaptions) {
  window().TmrNN_Timer();
  EXPECT_EQ(caption("lblC"), "C");
  EXPECT_EQ(caption("lblD"), "D");
  EXPECT_EQ(caption("lblDs"), "DS");
  EXPECT_EQ(caption("lblCPer"), "0%");
  EXPECT_EQ(caption("lblDPer"), "0%");
  EXPECT_EQ(caption("lblDSPer"), "0%");
  for (const char* bar : {"PrscrTime", "CpuI", "DiskTime", "DscI", "DSpce", "DspI"}) {
    EXPECT_EQ(control(bar).rect.width, 0.0f) << bar;
  }
}

// One percentage row: the counter at `position` gives the hidden caption,
// the shown percentage and the width of the bar and its picture twin.
struct RowCase {
  double value;
  const char *text, *percent;
  float width;
};
struct RowNames {
  int position;
  const char *hidden, *percent, *bar, *twin;
};

void CheckRow(const RowNames& row, std::initializer_list<RowCase> cases) {
  for (const RowCase& c : cases) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    local.counters.values[static_cast<std::size_t>(row.position - 1)] = c.value;
    MainWindow w(local.platform());
    SetWidths(w, {row.bar, row.twin}, 99);
    w.TmrNN_Timer();
    SCOPED_TRACE(std::string(row.hidden) + " at " + std::to_string(c.value));
    EXPECT_EQ(Caption(w, row.hidden), c.text);
    EXPECT_EQ(Caption(w, row.percent), c.percent);
    EXPECT_EQ(Width(w, row.bar), c.width);
    EXPECT_EQ(Width(w, row.twin), c.width);
  }
}

TEST_F(Refresh, ProcessorRow) {
  CheckRow({platform::kProcessorTimePercent, "lblC", "lblCPer", "PrscrTime", "CpuI"},
           {
               {0.3, "", "0%", 0.0f},
               {0.5, "1", "1%", 25.95f},
               {12, "12", "12%", 311.4f},
               {99.5, "100", "100%", 2595.0f},
               {150, "150", "150%", 3892.5f},  // no upper clamp
               {-2, "-2", "0%", 0.0f},
           });
}

TEST_F(Refresh, DiskBusyRowIsClampedToAHundred) {
  CheckRow({platform::kDiskTimePercent, "lblD", "lblDPer", "DiskTime", "DscI"},
           {
               {153, "153", "100%", 2595.0f},
               {100, "100", "100%", 2595.0f},
               {50, "50", "50%", 1297.5f},
               {0.4, "", "0%", 0.0f},
               {-5, "-5", "0%", 0.0f},
           });
}

TEST_F(Refresh, FreeSpaceRowShowsEmptyBelowFifteen) {
  CheckRow({platform::kFreeSpacePercent, "lblDs", "lblDSPer", "DSpce", "DspI"},
           {
               {14.96, "15.", "15.%", 389.25f},
               {14.94, "14.9", "0%", 0.0f},
               {45, "45.", "45.%", 1167.75f},
               {0.04, ".", "0%", 0.0f},
               {100, "100.", "100.%", 2595.0f},
               {-3, "-3.", "0%", 0.0f},
           });
}

TEST_F(Refresh, SystemRamRowOfTmrNN) {
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().TmrNN_Timer();
  EXPECT_EQ(caption("lblRPer"), "59%");  // 100 - floor(41.3...)
  EXPECT_EQ(control("RamT").rect.width, 1531.05f);
  EXPECT_EQ(control("MemI").rect.width, 1531.05f);
  EXPECT_EQ(caption("lblRamT"), "615");
}

TEST_F(Refresh, LargeMemoryReadsCorrectly) {
  // 8 GiB of RAM with 2 GiB available and 16 GiB of page file with 4 GiB
  // available: 64-bit counts, no overflow.
  fake.memory = platform::MemoryStatus{8589934592, 2147483648, 17179869184, 4294967296};
  SetCaption(window(), "lblPTotal", "16777 MB");
  window().TmrNN_Timer();
  EXPECT_EQ(caption("lblRamT"), "6291");
  EXPECT_EQ(caption("lblRPer"), "75%");
  EXPECT_EQ(control("RamT").rect.width, 1946.25f);
  EXPECT_EQ(caption("lblPTime"), "12583");
  EXPECT_EQ(caption("lblPFPer"), "75%");
  EXPECT_EQ(control("PFT").rect.width, 1946.25f);
}

TEST_F(Refresh, UserRamRowOfTmrRN) {
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().SetText("RTUl", "4096");
  SetCaption(window(), "lblRTotal", "4096 MB");
  SetCaption(window(), "lblPTotal", "2097 MB");
  window().TmrRN_Timer();
  EXPECT_EQ(caption("lblRamT"), "2596");
  EXPECT_EQ(caption("lblRPer"), "63.4%");
  EXPECT_EQ(control("RamT").rect.width, 1645.23f);
  EXPECT_EQ(control("MemI").rect.width, 1645.23f);
}

TEST_F(Refresh, AvailableAboveTheUserTotalGivesNegativeTextsAndKeepsTheBars) {
  fake.counters = Counters(45, 5000, 25, 30, 12);
  UserTotals(window());
  SetWidths(window(), {"RamT", "MemI"}, 700);
  window().TmrRN_Timer();
  EXPECT_EQ(caption("lblRamT"), "-904");
  EXPECT_EQ(caption("lblRPer"), "-22.1%");
  EXPECT_EQ(control("RamT").rect.width, 700.0f);
  EXPECT_EQ(control("MemI").rect.width, 700.0f);
}

TEST_F(Refresh, MemoryBarsEndAtTheFrameWhateverTheShare) {
  // Damaged or too small user totals: the captions show the share as it is,
  // the bars stop at the full width.
  const struct {
    const char* why;
    Timer timer;
    const char *ram_total, *page_file_total;  // RTUl / PFUl and their captions
    double page_peak;
    const char *ram_used, *ram_percent, *page_used, *page_percent;
    float ram_width, page_width;
  } cases[] = {
      {"RAM total -1", Timer::kRN, "-1", "", 25, "-1501", "150100.%", "1049", "50%", 2595, 1297.5f},
      {"RAM total -4096", Timer::kRP, "-4096", "2048", 25, "-5596", "136.6%", "512", "25.%", 2595,
       648.75f},
      {"page file past its total", Timer::kNP, "", "1000", 150, "615", "59%", "1500", "150.%",
       1531.05f, 2595},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    FakePlatform local;
    local.counters = Counters(45, 1500, c.page_peak, 30, 12);
    MainWindow w(local.platform());
    w.Form_Load();
    w.SetText("RTUl", c.ram_total);
    w.SetText("PFUl", c.page_file_total);
    if (*c.ram_total) SetCaption(w, "lblRTotal", c.ram_total);
    SetCaption(w, "lblPTotal", *c.page_file_total ? "99999 MB" : "2048 MB");
    SetWidths(w, {"RamT", "MemI", "PFT", "PFI"}, 100);
    Tick(w, c.timer);
    ExpectMemoryRows(w, c);
  }
}

TEST_F(Refresh, RamTotalCaptionOfZeroInTheUserSource) {
  for (Timer timer : {Timer::kRN, Timer::kRP}) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    UserTotals(w);
    Tick(w, timer);
    ASSERT_EQ(Caption(w, "lblRPer"), "63.4%");
    // The percentage text of a tick starts empty: nothing of the last one stays.
    SetCaption(w, "lblRTotal", "0 MB");
    Tick(w, timer);
    SCOPED_TRACE(Name(timer));
    EXPECT_EQ(Caption(w, "lblRamT"), "2596");
    EXPECT_EQ(Caption(w, "lblRPer"), "%");
    EXPECT_EQ(Width(w, "RamT"), 1645.23f);
    EXPECT_EQ(Width(w, "MemI"), 1645.23f);
  }
}

TEST_F(Refresh, UserPageFileRowOfTmrNP) {
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().SetText("PFUl", "2048");
  SetCaption(window(), "lblPTotal", "2048 MB");
  window().TmrNP_Timer();
  EXPECT_EQ(caption("lblPTime"), "512");
  EXPECT_EQ(caption("lblPFPer"), "25.%");
  EXPECT_EQ(control("PFT").rect.width, 648.75f);
  EXPECT_EQ(control("PFI").rect.width, 648.75f);
}

TEST_F(Refresh, PageFileTotalBelowTheUsedAmountZeroesTheRow) {
  for (Timer timer : {Timer::kNN, Timer::kRN, Timer::kNP, Timer::kRP}) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    UserTotals(w);
    SetCaption(w, "lblPTotal", "500 MB");  // below 1049 and 512
    SetWidths(w, {"PFT", "PFI"}, 999);
    Tick(w, timer);
    SCOPED_TRACE(Name(timer));
    EXPECT_EQ(Caption(w, "lblPTime"), "0");
    EXPECT_EQ(Caption(w, "lblPFPer"), "0%");
    EXPECT_EQ(Width(w, "PFT"), 0.0f);
    EXPECT_EQ(Width(w, "PFI"), 0.0f);
  }
}

TEST_F(Refresh, LessThanHalfAMegabyteOfSystemPageFileZeroesTheRow) {
  for (Timer timer : {Timer::kNN, Timer::kRN}) {
    FakePlatform local;
    local.memory = platform::MemoryStatus{1073741824, 443835596, 2147483648, 2147483648 - 400000};
    MainWindow w(local.platform());
    UserTotals(w);
    SetWidths(w, {"PFT", "PFI"}, 999);
    Tick(w, timer);
    SCOPED_TRACE(Name(timer));
    EXPECT_EQ(Caption(w, "lblPTime"), "0");
    EXPECT_EQ(Caption(w, "lblPFPer"), "0%");
    EXPECT_EQ(Width(w, "PFT"), 0.0f);
    EXPECT_EQ(Width(w, "PFI"), 0.0f);
  }
}

TEST_F(Refresh, UserPageFileTotalOfZeroZeroesTheRow) {
  for (Timer timer : {Timer::kNP, Timer::kRP}) {
    for (const char* total : {"0", "", "abc"}) {
      FakePlatform local;
      local.counters = Counters(45, 1500, 25, 30, 12);
      MainWindow w(local.platform());
      UserTotals(w);
      w.SetText("PFUl", total);
      SetWidths(w, {"PFT", "PFI"}, 999);
      Tick(w, timer);
      SCOPED_TRACE(std::string(Name(timer)) + " PFUl=" + total);
      EXPECT_EQ(Caption(w, "lblPTime"), "0");
      EXPECT_EQ(Caption(w, "lblPFPer"), "0%");
      EXPECT_EQ(Width(w, "PFT"), 0.0f);
      EXPECT_EQ(Width(w, "PFI"), 0.0f);
    }
  }
}

TEST_F(Refresh, ChangeOfDayRecomputesTheMoonAgeOnce) {
  window().SetText("MVw", "on");
  window().SetText("txtFDay", "18");
  window().TmrNN_Timer();
  EXPECT_EQ(text("txtFDay"), "19");
  EXPECT_EQ(text("txtYY2"), "2006");
  EXPECT_EQ(text("txtAge"), "19");  // 19 May 2014
  EXPECT_TRUE(control("Mp19").visible);

  // The same day again: no second computation.
  window().SetText("txtYY2", "sentinel");
  window().TmrNN_Timer();
  EXPECT_EQ(text("txtYY2"), "sentinel");

  // The next day: once more.
  fake.now.day = 20;
  window().TmrNN_Timer();
  EXPECT_EQ(text("txtFDay"), "20");
  EXPECT_EQ(text("txtYY2"), "2006");
  EXPECT_EQ(text("txtAge"), "20");
}

TEST_F(Refresh, ChangeOfDayIsIgnoredWhileTheMoonIsNotShown) {
  for (const char* moon : {"off", "", "ON", "on "}) {
    FakePlatform local;
    MainWindow w(local.platform());
    w.SetText("MVw", moon);
    w.SetText("txtFDay", "18");
    w.TmrNN_Timer();
    SCOPED_TRACE(std::string("MVw=") + moon);
    EXPECT_EQ(w.Text("txtDD"), "19");
    EXPECT_EQ(w.Text("txtFDay"), "18");
    EXPECT_EQ(w.Text("txtYY2"), "");
    EXPECT_EQ(w.Text("txtAge"), "");
  }
}

// Records the names of the controls that change, with markers in between.
class ChangeLog : public ui::FormObserver {
 public:
  void ControlChanged(const ui::Form&, const ui::Control& control, const ui::Rect&) override {
    entries.push_back(control.name);
  }
  void FormChanged(const ui::Form&) override { entries.push_back("(window)"); }
  std::vector<std::string> entries;
};

TEST_F(Refresh, RestartTimerUnloadsThenSelectsThenStopsItself) {
  window().SetText("RTUl", "4096");
  // As a memory release leaves it: the refresh timers off, TmrRS armed.
  form().SetEnabled(form()["TmrRS"], true);
  form().SetInterval(form()["TmrRS"], 1000);

  ChangeLog log;
  form().Subscribe(&log);
  bool rs_enabled_in_hook = false;
  window().unload_after_release = [&] {
    log.entries.push_back("unload");
    rs_enabled_in_hook = control("TmrRS").enabled;
  };
  window().TmrRS_Timer();
  form().Subscribe(nullptr);

  EXPECT_TRUE(rs_enabled_in_hook);
  EXPECT_FALSE(control("TmrRS").enabled);
  ASSERT_GE(log.entries.size(), 2u);
  EXPECT_EQ(log.entries.front(), "unload");
  EXPECT_EQ(log.entries.back(), "TmrRS");
  for (std::size_t i = 1; i + 1 < log.entries.size(); ++i) {
    EXPECT_TRUE(log.entries[i] == "TmrNN" || log.entries[i] == "TmrRN" ||
                log.entries[i] == "TmrNP" || log.entries[i] == "TmrRP")
        << log.entries[i];
  }

  // The refresh timers end as SelectRefreshTimer leaves them.
  FakePlatform twin_platform;
  MainWindow twin(twin_platform.platform());
  twin.SetText("RTUl", "4096");
  twin.SelectRefreshTimer();
  for (const char* timer : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) {
    EXPECT_EQ(control(timer).enabled, twin.form()[timer].enabled) << timer;
    EXPECT_EQ(control(timer).interval, twin.form()[timer].interval) << timer;
  }
}

TEST_F(Refresh, RestartTimerWithoutAnUnloadHook) {
  form().SetEnabled(form()["TmrRS"], true);
  window().TmrRS_Timer();
  EXPECT_FALSE(control("TmrRS").enabled);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(Refresh, TheTimersRunTheTick) {
  fake.counters = Counters(45, 1500, 25, 30, 12);
  UserTotals(window());
  for (const char* timer : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) {
    fake.calls.clear();
    SetCaption(window(), "lblCPer", "");
    control(timer).on_timer();
    EXPECT_EQ(caption("lblCPer"), "12%") << timer;
    EXPECT_EQ(fake.CallsStartingWith("Tray.").size(), 1u) << timer;
  }
}

TEST_F(Refresh, SeveralWindowsEachRefreshTheirOwnControls) {
  FakePlatform other_platform;
  other_platform.counters = Counters(45, 1500, 25, 30, 80);
  MainWindow other(other_platform.platform());
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().TmrNN_Timer();
  other.TmrNN_Timer();
  EXPECT_EQ(caption("lblCPer"), "12%");
  EXPECT_EQ(other.form()["lblCPer"].caption, "80%");
  EXPECT_EQ(control("PrscrTime").rect.width, 311.4f);
  EXPECT_EQ(other.form()["PrscrTime"].rect.width, 2076.0f);
}

}  // namespace
}  // namespace kelvara::testing
