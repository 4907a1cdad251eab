// Opening the settings dialog on the fake platform: the load sequence alone,
// and a whole opening (the dialog made, loaded, shown and unloaded again), over
// the fields of a running monitor with pictures and per-item colours.
//
//   build/native/bench/kelvara_bench --benchmark_filter=Settings
#include <benchmark/benchmark.h>

#include <memory>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"
#include "program/program_windows.h"
#include "settings/settings_dialog.h"
#include "ui/window_names.h"

namespace kelvara::bench {
namespace {

using testing::FakePlatform;

struct Running {
  Running() {
    fake.picture_files = {{"C:\\p\\face.bmp", 9}, {"C:\\p\\bar.bmp", 7}};
    main.SetSettings({.DATEClor = "65280",
                      .TimeClor = "255",
                      .CClor = "16711680",
                      .CVw = "on",
                      .MVw = "on",
                      .ClFntN = "ＭＳ Ｐゴシック",
                      .ClFntSt = "太字",
                      .ClSW = "アナログ時計",
                      .BClor = "245",
                      .MClor = "9408399",
                      .HClor = "6908265",
                      .SClor = "6637806",
                      .ClImage = "C:\\p\\face.bmp",
                      .CpuImg = "C:\\p\\bar.bmp",
                      .MemImg = "C:\\p\\bar.bmp",
                      .FSize = "24",
                      .MAgeVw = "on",
                      .PFVw = "on",
                      .PClor = "128",
                      .RTUl = "4096"});
    main.SetText("Fil", "C:\\Tools\\kelvara\\UsrData\\taro.qmx");
  }
  FakePlatform fake;
  MainWindow main{fake.platform()};
  ProgramWindows programs{main, fake.platform()};
};

void BM_SettingsFormLoad(benchmark::State& state) {
  Running r;
  for (auto _ : state) {
    state.PauseTiming();
    r.fake.calls.clear();
    auto dialog = std::make_unique<SettingsDialog>(r.main, r.fake.platform(), r.programs.windows());
    state.ResumeTiming();
    dialog->Form_Load();
    state.PauseTiming();
    dialog.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SettingsFormLoad);

void BM_SettingsOpening(benchmark::State& state) {
  Running r;
  for (auto _ : state) {
    r.fake.calls.clear();
    r.programs.windows().Show(kSetupName);
    r.programs.windows().Unload(kSetupName);
  }
}
BENCHMARK(BM_SettingsOpening);

}  // namespace
}  // namespace kelvara::bench
