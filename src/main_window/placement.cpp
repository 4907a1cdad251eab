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
  const char* control;
  float page_file_shown;
  float page_file_hidden;
};
constexpr std::array<RowTop, 13> kRowTops = {{
    {"Label3", 3165, 2565},
    {"DiskTime", 3120, 2520},
    {"DiskTotal", 3120, 2520},
    {"DscI", 3120, 2520},
    {"lblDPer", 3405, 2805},
    {"Label4", 3660, 3060},
    {"DSpce", 3720, 3120},
    {"DspI", 3720, 3120},
    {"DSTotal", 3720, 3120},
    {"lblDSPer", 4005, 3405},
    {"PstnMove", 4305, 3825},
    {"cmdPstnSave", 4350, 3870},
    {"cmdFstPstn", 4350, 3870},
}};

constexpr std::array<const char*, 8> kPageFileRow = {
    "Label7", "PFT", "PFTotal", "PFI", "lblPFPer", "lblPTime", "Label8", "lblPTotal"};

// The grab point is a 16-bit whole number of twips, halves to even.
std::int16_t GrabCoordinate(float value) {
  const float clamped = std::clamp(value, -32768.0f, 32767.0f);
  return static_cast<std::int16_t>(std::nearbyint(clamped));
}

void SetPageFileRowVisible(ui::Form& form, bool visible) {
  for (const char* name : kPageFileRow) form.SetVisible(form[name], visible);
}

void MoveRows(ui::Form& form, bool page_file_shown) {
  for (const RowTop& row : kRowTops) {
    form.SetTop(form[row.control], page_file_shown ? row.page_file_shown : row.page_file_hidden);
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
  SetText("WLeft", ShortestText(form_.window().rect.left));
  SetText("WTop", ShortestText(form_.window().rect.top));
  form_.Press("cmdSave");
  SetHeightForSwitch(form_, Text("PFVw"), kRowsShownHeight, kRowsHiddenHeightAfterEditing);
}

void MainWindow::cmdFstPstn_Click() {
  PlaceWindow(form_, platform_.system.Screen(), Text("WTop"), Text("WLeft"));
  SetHeightForSwitch(form_, Text("PFVw"), kRowsShownHeight, kRowsHiddenHeightAfterEditing);
  KeepReachable(form_, platform_.system.ScreenAreas());
}

void MainWindow::Command1_Click() { ShowPageFileLayout(); }
void MainWindow::Command2_Click() { HidePageFileLayout(); }

void MainWindow::ShowPageFileLayout() {
  MoveRows(form_, true);
  SetPageFileRowVisible(form_, true);
  form_.SetWindowHeight(kRowsShownHeight);
}

void MainWindow::HidePageFileLayout() {
  SetPageFileRowVisible(form_, false);
  MoveRows(form_, false);
  form_.SetWindowHeight(kRowsHiddenHeight);
}

void MainWindow::EnterPositionEditing() {
  SetHeightForSwitch(form_, Text("PFVw"), kEditingShownHeight, kEditingHiddenHeight);
}

}  // namespace kelvara
