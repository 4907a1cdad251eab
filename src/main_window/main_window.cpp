#include "main_window/main_window.h"

#include "main_window/main_window_design.h"
#include "ui/window_names.h"

namespace kelvara {

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(platform),
      form_(kMainWindowName, MainWindowFrame(), MainWindowDesign()),
      c_(form_) {
  WireHandlers();
}

void MainWindow::WireHandlers() {
  c_.cmdSave.on_click = [this] { cmdSave_Click(); };
  c_.cmdReset.on_click = [this] { cmdReset_Click(); };
  c_.cmdClose.on_click = [this] { cmdClose_Click(); };
  c_.cmdPstnSave.on_click = [this] { cmdPstnSave_Click(); };
  c_.cmdFstPstn.on_click = [this] { cmdFstPstn_Click(); };
  c_.Command1.on_click = [this] { Command1_Click(); };
  c_.Command2.on_click = [this] { Command2_Click(); };
  c_.PstnMove.on_mouse_down = [this](int b, int s, float x, float y) {
    PstnMove_MouseDown(b, s, x, y);
  };
  c_.PstnMove.on_mouse_move = [this](int b, int s, float x, float y) {
    PstnMove_MouseMove(b, s, x, y);
  };
  c_.TmrNN.on_timer = [this] { TmrNN_Timer(); };
  c_.TmrRN.on_timer = [this] { TmrRN_Timer(); };
  c_.TmrNP.on_timer = [this] { TmrNP_Timer(); };
  c_.TmrRP.on_timer = [this] { TmrRP_Timer(); };
  c_.TmrRS.on_timer = [this] { TmrRS_Timer(); };
}

void MainWindow::SetText(std::string_view field, std::string_view text) {
  SetText(form_[field], text);
}

void MainWindow::SetText(ui::Control& field, std::string_view text) {
  if (field.caption == text) return;
  form_.SetCaption(field, text);
  // The age's picture and number follow its text, and only a change redraws.
  if (&field == &c_.txtAge) txtAge_Change();
}

SettingsRecord MainWindow::Settings() const {
  SettingsRecord record;
  for (const StoreField& field : kStoreFields) record.*field.member = Text(field.name);
  return record;
}

void MainWindow::SetSettings(const SettingsRecord& record) {
  for (const StoreField& field : kStoreFields) SetText(field.name, record.*field.member);
}

}  // namespace kelvara
