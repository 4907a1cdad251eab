// One refresh tick of each refresh timer, and ApplySettings, on the fake
// platform. Besides the time, each benchmark reports the heap allocations of
// one operation ("allocs") and how many of them are still alive when it
// returns ("outliving"; it must be 0 in the steady state). A tick that leaves
// an allocation alive fails its benchmark, and the binary exits non-zero.
//
//   build/native/bench/kelvara_bench [--benchmark_repetitions=N ...]
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "allocation_count.h"
#include "check_failure.h"
#include "fakes/fake_platform.h"
#include "main_window/main_window.h"
#include "main_window/main_window_controls.h"

namespace kelvara::bench {
namespace {

using testing::Counters;
using testing::FakePlatform;

enum class Variant { kNN, kRN, kNP, kRP };

// A started window (no stored record: the defaults) with the fields a running
// monitor has, on the tick's side of midnight so no moon age is computed.
struct Monitor {
  explicit Monitor(std::string_view clock_kind) : window(fake.platform()) {
    fake.counters = Counters(45, 1500, 25, 30, 12);
    window.Form_Load();
    window.SetText("CVw", "on");
    window.SetText("MVw", "on");
    window.SetText("ClSW", clock_kind);
    window.SetText("txtFDay", std::to_string(fake.now.day));
    window.SetText("RTUl", "4096");
    window.SetText("PFUl", "2048");
    ui::Form& form = window.form();
    form.SetCaption(form["lblRTotal"], "4096 MB");
    form.SetCaption(form["lblPTotal"], "2048 MB");
    fake.calls.clear();
    fake.tray_records.clear();
  }
  FakePlatform fake;
  MainWindow window;
};

void Tick(MainWindow& w, Variant variant) {
  switch (variant) {
    case Variant::kNN:
      w.TmrNN_Timer();
      break;
    case Variant::kRN:
      w.TmrRN_Timer();
      break;
    case Variant::kNP:
      w.TmrNP_Timer();
      break;
    case Variant::kRP:
      w.TmrRP_Timer();
      break;
  }
}

void ReportAllocations(benchmark::State& state, std::uint64_t allocations, std::int64_t outliving) {
  const auto runs = static_cast<double>(state.iterations());
  state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations) / runs);
  state.counters["outliving"] = benchmark::Counter(static_cast<double>(outliving) / runs);
}

// Two samples and two times in turn, so every tick really rewrites its
// captions, bars and hands as a running monitor does.
void RefreshTick(benchmark::State& state, Variant variant, std::string_view clock_kind) {
  Monitor m(clock_kind);
  const std::array<platform::CounterSnapshot, 2> samples = {Counters(45, 1500, 25, 30, 12),
                                                            Counters(44.7, 1620, 26, 153, 7.4)};
  Tick(m.window, variant);  // the first tick sizes every caption once
  Tick(m.window, variant);
  std::uint64_t allocations = 0;
  std::int64_t outliving = 0;
  std::int64_t ticks_leaving_some = 0;
  int turn = 0;
  for (auto _ : state) {
    m.fake.counters = samples[static_cast<std::size_t>(turn)];
    m.fake.now.second = 40 + turn;
    turn ^= 1;
    // The fake records every call; forget them without giving back capacity.
    m.fake.calls.clear();
    m.fake.tray_records.clear();
    const std::uint64_t news = NewCount();
    const std::uint64_t deletes = DeleteCount();
    Tick(m.window, variant);
    const std::int64_t live = static_cast<std::int64_t>(NewCount() - news) -
                              static_cast<std::int64_t>(DeleteCount() - deletes);
    allocations += NewCount() - news;
    outliving += live;
    if (live > 0) ++ticks_leaving_some;
  }
  benchmark::DoNotOptimize(m.window.tray_data());
  ReportAllocations(state, allocations, outliving);
  if (ticks_leaving_some > 0) FailCheck(state, "an allocation outlived a tick");
}

void BM_TmrNN(benchmark::State& s) { RefreshTick(s, Variant::kNN, "デジタル時計"); }
void BM_TmrRN(benchmark::State& s) { RefreshTick(s, Variant::kRN, "デジタル時計"); }
void BM_TmrNP(benchmark::State& s) { RefreshTick(s, Variant::kNP, "デジタル時計"); }
void BM_TmrRP(benchmark::State& s) { RefreshTick(s, Variant::kRP, "デジタル時計"); }
void BM_TmrNN_Analog(benchmark::State& s) { RefreshTick(s, Variant::kNN, "アナログ時計"); }
BENCHMARK(BM_TmrNN);
BENCHMARK(BM_TmrRN);
BENCHMARK(BM_TmrNP);
BENCHMARK(BM_TmrRP);
BENCHMARK(BM_TmrNN_Analog);

// Whatever ApplySettings does today, on the defaults written back by start-up.
void BM_ApplySettings(benchmark::State& state) {
  Monitor m("デジタル時計");
  m.window.ApplySettings();
  std::uint64_t allocations = 0;
  std::int64_t outliving = 0;
  for (auto _ : state) {
    m.fake.calls.clear();
    m.fake.tray_records.clear();
    const std::uint64_t news = NewCount();
    const std::uint64_t deletes = DeleteCount();
    m.window.ApplySettings();
    allocations += NewCount() - news;
    outliving += static_cast<std::int64_t>(NewCount() - news) -
                 static_cast<std::int64_t>(DeleteCount() - deletes);
  }
  ReportAllocations(state, allocations, outliving);
}
BENCHMARK(BM_ApplySettings);

// What the tick avoids: the controls it touches found by name each time,
// against finding all the window's controls once, as the window does when it
// is made.
constexpr std::array<std::string_view, 38> kTouched = {
    "txtYY",    "txtMM",     "txtDD",    "txtFDay",   "txtAge",    "MVw",     "CVw",      "ClSW",
    "RTUl",     "PFUl",      "lblDate",  "lblTime",   "ClockBk",   "LineH",   "LineM",    "LineS",
    "lblRamT",  "lblRTotal", "lblPTime", "lblPTotal", "lblCPer",   "lblRPer", "lblPFPer", "lblDPer",
    "lblDSPer", "lblC",      "lblD",     "lblDs",     "PrscrTime", "CpuI",    "RamT",     "MemI",
    "PFT",      "PFI",       "DiskTime", "DscI",      "DSpce",     "DspI"};

void BM_ControlsByName(benchmark::State& state) {
  Monitor m("デジタル時計");
  ui::Form& form = m.window.form();
  for (auto _ : state) {
    for (std::string_view name : kTouched) benchmark::DoNotOptimize(&form[name]);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTouched.size()));
}
BENCHMARK(BM_ControlsByName);

void BM_ControlsFoundOnce(benchmark::State& state) {
  Monitor m("デジタル時計");
  ui::Form& form = m.window.form();
  for (auto _ : state) {
    const MainWindowControls controls(form);
    benchmark::DoNotOptimize(&controls);
  }
}
BENCHMARK(BM_ControlsFoundOnce);

}  // namespace
}  // namespace kelvara::bench
