// Placement and position editing: the drag handle, its two buttons, the two
// row layouts that move the strip with the page-file row, and the heights.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "main_window/main_window.h"
#include "main_window/window_place.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr int kLeftButton = 1;

// Normal heights; "決定" and "元の位置に戻す" leave a little less room below
// the disk rows than the row layout does when the page-file row is hidden.
constexpr float kRowsShownHeight = 4245;
constexpr float kRowsHiddenHeight = 3675;
constexpr float kRowsHiddenHeightAfterEditing = 3630;
constexpr float kEditingShownHeight = 4890;
constexpr float kEditingHiddenHeight = 4350;

// What the two layouts move, in the order they move it.
struct RowTop {
  ui::Control& control;
  float page_file_shown;
  float page_file_hidden;
};
std::array<RowTop, 13> RowTops(MainWindowControls& c) {
  return {{
      {c.Label3, 3165, 2565},
      {c.DiskTime, 3120, 2520},
      {c.DiskTotal, 3120, 2520},
      {c.DscI, 3120, 2520},
      {c.lblDPer, 3405, 2805},
      {c.Label4, 3660, 3060},
      {c.DSpce, 3720, 3120},
      {c.DspI, 3720, 3120},
      {c.DSTotal, 3720, 3120},
      {c.lblDSPer, 4005, 3405},
      {c.PstnMove, 4305, 3825},
      {c.cmdPstnSave, 4350, 3870},
      {c.cmdFstPstn, 4350, 3870},
  }};
}

// The grab point is a 16-bit whole number of twips, halves to even.
std::int16_t GrabCoordinate(float value) {
  const float clamped = std::clamp(value, -32768.0f, 32767.0f);
  return static_cast<std::int16_t>(std::nearbyint(clamped));
}

void SetPageFileRowVisible(ui::Form& form, MainWindowControls& c, bool visible) {
  for (ui::Control* control :
       {&c.Label7, &c.PFT, &c.PFTotal, &c.PFI, &c.lblPFPer, &c.lblPTime, &c.Label8, &c.lblPTotal}) {
    form.SetVisible(*control, visible);
  }
}

void MoveRows(ui::Form& form, MainWindowControls& c, bool page_file_shown) {
  for (const RowTop& row : RowTops(c)) {
    form.SetTop(row.control, page_file_shown ? row.page_file_shown : row.page_file_hidden);
  }
}

void SetHeightForSwitch(ui::Form& form, std::string_view page_file_switch, float shown,
                        float hidden) {
  if (const auto height = HeightForPageFileSwitch(page_file_switch, shown, hidden)) {
    form.SetWindowHeight(*height);
  }
}

}  // namespace

void MainWindow::PstnMove_MouseDown(int button, int, float x, float y) {
  if (button != kLeftButton) return;
  drag_x_ = GrabCoordinate(x);
  drag_y_ = GrabCoordinate(y);
}

void MainWindow::PstnMove_MouseMove(int button, int, float x, float y) {
  // Exactly the left button: with both held the window stays put.
  if (button != kLeftButton) return;
  // The pointer's offsets are in the window's own twips, its place in the
  // desktop's: at one to one this is Left + x - DragX, in that order.
  const ui::FormWindow& w = form_.window();
  const float r = w.place_per_twip;
  form_.SetWindowLeft(w.rect.left + x * r - static_cast<float>(drag_x_) * r);
  form_.SetWindowTop(w.rect.top + y * r - static_cast<float>(drag_y_) * r);
}

void MainWindow::cmdPstnSave_Click() {
  SetText(c_.WLeft, ShortestText(form_.window().rect.left));
  SetText(c_.WTop, ShortestText(form_.window().rect.top));
  form_.Press(c_.cmdSave);
  SetHeightForSwitch(form_, c_.PFVw.caption, kRowsShownHeight, kRowsHiddenHeightAfterEditing);
}

void MainWindow::cmdFstPstn_Click() {
  PlaceWindow(form_, platform_.system.Screen(), c_.WTop.caption, c_.WLeft.caption);
  SetHeightForSwitch(form_, c_.PFVw.caption, kRowsShownHeight, kRowsHiddenHeightAfterEditing);
  KeepReachable(form_, platform_.system.ScreenAreas());
}

void MainWindow::Command1_Click() { ShowPageFileLayout(); }
void MainWindow::Command2_Click() { HidePageFileLayout(); }

void MainWindow::ShowPageFileLayout() {
  MoveRows(form_, c_, true);
  SetPageFileRowVisible(form_, c_, true);
  form_.SetWindowHeight(kRowsShownHeight);
}

void MainWindow::HidePageFileLayout() {
  SetPageFileRowVisible(form_, c_, false);
  MoveRows(form_, c_, false);
  form_.SetWindowHeight(kRowsHiddenHeight);
}

void MainWindow::EnterPositionEditing() {
  SetHeightForSwitch(form_, c_.PFVw.caption, kEditingShownHeight, kEditingHiddenHeight);
}

}  // namespace kelvara
