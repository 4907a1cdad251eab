// Start-up of the main window and its end.
#include <algorithm>
#include <string>

#include "main_window/figures.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "text/cp932.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr float kStartWidth = 3630;
constexpr float kStartHeight = 3675;

}  // namespace

void MainWindow::WriteDateFields(const platform::LocalTime& now) {
  SetText(c_.txtYY, std::to_string(now.year));
  SetText(c_.txtMM, std::to_string(now.month));
  SetText(c_.txtDD, std::to_string(now.day));
}

void MainWindow::RefreshMemoryTotals() {
  const std::optional<platform::MemoryStatus> status = platform_.system.Memory();
  if (!status) return;
  const auto total_physical = static_cast<double>(status->total_physical);
  const auto total_page_file = static_cast<double>(status->total_page_file);
  form_.SetCaption(c_.lblRTotal, FormatDigits(total_physical / kBytesPerMegabyte, "#") + " MB");
  form_.SetCaption(c_.lblPTotal, FormatDigits(total_page_file / kBytesPerMegabyte, "#") + " MB");
  form_.SetCaption(c_.lblMClr, FormatDigits(total_physical * kReleaseFactor, "#"));
}

void MainWindow::Form_Load() {
  if (RefuseSecondInstance()) return;
  PrepareHiddenWindow();
  ShowStartDateAndTime();
  if (!ReadWindowsVersion()) return;  // the window stays hidden and no icon is added
  AddTrayIcon();
  GatherUserFacts();
  ApplyStoreOrDefaults();
}

bool MainWindow::RefuseSecondInstance() {
  if (!platform_.system.AnotherInstanceRunning()) return false;
  // No window of ours exists yet.
  platform_.messages.Show("", "既に起動されています。", kMessageTitle);
  ended_ = true;
  platform_.process.Quit();
  return true;
}

// Hidden, at its start size, transparent in the start key; the analog clock
// hidden until the settings choose it.
void MainWindow::PrepareHiddenWindow() {
  form_.SetWindowVisible(false);
  form_.SetWindowHeight(kStartHeight);
  form_.SetWindowWidth(kStartWidth);
  form_.SetWindowBack(kStartColourKey);
  form_.SetColourKey(kStartColourKey);
  form_.SetVisible({&c_.LineM, &c_.LineH, &c_.LineS, &c_.ClockBk, &c_.ClockImage}, false);
}

void MainWindow::ShowStartDateAndTime() {
  const platform::LocalTime now = platform_.clock.Now();
  WriteDateFields(now);
  SetText(c_.txtFDay, std::to_string(now.day));
  form_.SetCaption(c_.lblDate, platform_.clock.ShortDate(now));
  form_.SetCaption(c_.lblTime, platform_.clock.LongTime(now));
}

bool MainWindow::ReadWindowsVersion() {
  const std::optional<platform::WindowsVersion> version = platform_.system.Version();
  if (!version) return false;
  SetText(c_.OsVer, std::to_string(version->major) + "." + std::to_string(version->minor));
  return true;
}

void MainWindow::AddTrayIcon() {
  const std::string tip = cp932::FromUtf8("TavoroⅡ");
  tray_.tip.fill('\0');
  std::copy_n(tip.begin(), std::min(tip.size(), tray_.tip.size() - 1), tray_.tip.begin());
  platform_.tray.Notify(platform::TrayCommand::kAdd, tray_);
  tray_added_ = true;
}

// The start-up directory and its data folder, the user, the memory totals
// and the store's path.
void MainWindow::GatherUserFacts() {
  SetText(c_.CDir, platform_.system.CurrentDirectory());
  const std::string folder = c_.CDir.caption + "\\UsrData";
  // A folder that cannot be made shows as the store's own failure just after,
  // which the start-up already survives.
  if (!platform_.store.Exists(folder)) static_cast<void>(platform_.store.CreateFolder(folder));

  std::string user = platform_.system.UserName();
  user.erase(std::min(user.find('\0'), user.size()));
  SetText(c_.UName, user);

  RefreshMemoryTotals();

  if (c_.Fil.caption.empty()) SetText(c_.Fil, folder + "\\" + c_.UName.caption + ".qmx");
}

void MainWindow::ApplyStoreOrDefaults() {
  // A store that cannot be opened or measured counts as holding no record, so
  // start-up always ends with the window shown.
  record_count_ = 0;
  if (platform_.store.CreateFile(c_.Fil.caption).ok) {
    int records = 0;
    if (platform_.store.Count(c_.Fil.caption, records).ok) record_count_ = records;
  }

  if (record_count_ < 1) {
    record_number_ = 0;
    ApplyDefaults();
  } else {
    platform_.store.MakeNormal(c_.Fil.caption);
    record_number_ = 1;
    LoadUsrData(record_number_);
  }
}

void MainWindow::cmdClose_Click() {
  platform_.tray.Notify(platform::TrayCommand::kDelete, tray_);
  ended_ = true;
  platform_.process.Quit();
}

void MainWindow::Form_Unload() { platform_.tray.Notify(platform::TrayCommand::kDelete, tray_); }

}  // namespace kelvara
