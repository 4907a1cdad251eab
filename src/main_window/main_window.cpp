#include "main_window/main_window.h"

#include "main_window/main_window_design.h"
#include "ui/window_names.h"

namespace kelvara {

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(platform), form_(kMainWindowName, MainWindowFrame(), MainWindowDesign()) {
  WireHandlers();
}

void MainWindow::WireHandlers() {
  C("cmdSave").on_click = [this] { cmdSave_Click(); };
  C("cmdReset").on_click = [this] { cmdReset_Click(); };
  C("cmdClose").on_click = [this] { cmdClose_Click(); };
  C("cmdPstnSave").on_click = [this] { cmdPstnSave_Click(); };
  C("cmdFstPstn").on_click = [this] { cmdFstPstn_Click(); };
  C("Command1").on_click = [this] { Command1_Click(); };
  C("Command2").on_click = [this] { Command2_Click(); };
  C("PstnMove").on_mouse_down = [this](int b, int s, float x, float y) {
    PstnMove_MouseDown(b, s, x, y);
  };
  C("PstnMove").on_mouse_move = [this](int b, int s, float x, float y) {
    PstnMove_MouseMove(b, s, x, y);
  };
  C("TmrNN").on_timer = [this] { TmrNN_Timer(); };
  C("TmrRN").on_timer = [this] { TmrRN_Timer(); };
  C("TmrNP").on_timer = [this] { TmrNP_Timer(); };
  C("TmrRP").on_timer = [this] { TmrRP_Timer(); };
  C("TmrRS").on_timer = [this] { TmrRS_Timer(); };
}

void MainWindow::SetText(std::string_view field, std::string_view text) {
  ui::Control& c = C(field);
  if (c.caption == text) return;
  form_.SetCaption(c, text);
  // The age's picture and number follow its text, and only a change redraws.
  if (field == "txtAge") txtAge_Change();
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
