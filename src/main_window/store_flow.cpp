// Moving the settings between the window's fields and the store file.
#include <string>

#include "main_window/main_window.h"
#include "ui/window_names.h"

namespace kelvara {

void MainWindow::ShowStoreFailure(const StoreStatus& status) {
  platform_.messages.Show(
      kMainWindowName,
      "設定ファイルを保存できませんでした。\r" + c_.Fil.caption + "\r" + status.reason,
      kMessageTitle);
}

void MainWindow::LoadUsrData(int record_number) {
  record_number_ = record_number;
  RefreshMemoryTotals();
  SettingsRecord record;
  const StoreStatus status = platform_.store.Read(c_.Fil.caption, record);
  if (status.ok) {
    SetSettings(record);
  } else {
    // The fields keep their values; the user must know before a save writes
    // them over settings that are still in the file.
    platform_.messages.Show(
        kMainWindowName,
        "設定ファイルを読み込めませんでした。\r" + c_.Fil.caption + "\r" + status.reason,
        kMessageTitle);
  }
  TrimSettings();
}

void MainWindow::TrimSettings() {
  for (const StoreField& field : kStoreFields) {
    std::string value = Text(field.name);
    value.erase(value.find_last_not_of(' ') + 1);
    SetText(field.name, value);
  }
  ApplySettings();
}

void MainWindow::cmdSave_Click() {
  record_number_ = 1;
  const StoreStatus status = platform_.store.Write(c_.Fil.caption, Settings());
  if (!status.ok) {
    ShowStoreFailure(status);
    return;
  }
  for (const ui::Control* colour : {&c_.AllClor, &c_.DATEClor, &c_.TimeClor, &c_.CClor, &c_.RClor,
                                    &c_.DClor, &c_.DSClor, &c_.PClor}) {
    if (!colour->caption.empty()) return;
  }
  SetText(c_.AllClor, "12632256");  // in the window only; the file keeps it empty
}

void MainWindow::cmdReset_Click() {
  if (c_.MVw.caption == "on") CalcMoonAge();
  record_number_ = 1;
  LoadUsrData(record_number_);
}

}  // namespace kelvara
