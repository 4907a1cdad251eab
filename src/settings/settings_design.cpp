#include "settings/settings_design.h"

#include <string>
#include <utility>

#include "ui/controls.h"

namespace kelvara {
namespace {

using ui::Alignment;
using ui::Colour;
using ui::Control;
using ui::Rect;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
// Hidden fields sit right of the visible area.
constexpr float kOffscreen = 9000;

const ui::Font kFont{ui::kGothicFont, 9, false, false};

Control Frame(const char* name, const char* caption, Rect rect) {
  Control c = ui::MakeFrame(name, caption, rect, kFont);
  c.opaque = true;
  c.back = kWhite;
  return c;
}

Control Label(const char* name, const char* caption, Rect rect,
              Alignment alignment = Alignment::kLeft, Colour fore = 0) {
  Control c = ui::MakeLabel(name, caption, rect, alignment, kFont, fore);
  c.opaque = true;
  c.back = kWhite;
  return c;
}

Control Right(const char* name, const char* caption, Rect rect) {
  return Label(name, caption, rect, Alignment::kRight);
}

Control Box(const char* name, const char* caption, Rect rect) {
  Control c = ui::MakeCheckBox(name, caption, rect, kFont);
  c.opaque = true;
  c.back = kWhite;
  return c;
}

Control Button(const char* name, const char* caption, Rect rect, Colour back) {
  return ui::MakeButton(name, caption, rect, kFont, back);
}

// Changes only through the buttons beside it: every key goes nowhere, and
// Tab passes it by.
Control Untypable(Control c) {
  c.key_filter = [](char32_t) { return false; };
  c.tab_stop = false;
  return c;
}

Control Field(const char* name, Rect rect, Alignment alignment) {
  Control c = ui::MakeTextField(name, "", rect, kFont);
  c.alignment = alignment;
  return c;
}

// A colour shown as the background of a small field.
Control Swatch(const char* name, Rect rect, Colour colour = kUnsetSwatch) {
  Control c = Untypable(ui::MakeTextField(name, "", rect, kFont));
  c.opaque = true;
  c.back = colour;
  c.fore = colour;
  return c;
}

Control Switch(const char* name, Rect rect) {
  return ui::MakeComboBox(name, "", rect, kFont, {"表示", "非表示"});
}

Control Preview(const char* name, Rect rect, const char* resource = "") {
  return ui::MakePicture(name, rect, resource, true);
}

void Append(std::vector<Control>& out, std::vector<Control> rows) {
  for (Control& row : rows) out.push_back(std::move(row));
}

void AddColourRows(std::vector<Control>& out) {
  Append(out,
         ui::Within("Frame1", {
                                  Box("Check1", "すべて同じ色に設定する", {240, 240, 2415, 255}),
                                  Frame("Frame3", "", {120, 240, 3855, 855}),
                              }));
  Append(out,
         ui::Within("Frame3", {
                                  Swatch("Text2", {1080, 360, 855, 270}),
                                  Button("Command1", "設定", {2040, 360, 735, 255}, kPaleButton),
                                  Button("Command7", "削除", {2880, 360, 735, 255}, kPaleButton),
                              }));
  Append(out,
         ui::Within("Frame1", {
                                  Box("Check2", "項目別に色を設定する", {240, 1140, 2295, 255}),
                                  Frame("Frame4", "", {120, 1140, 3855, 2895}),
                              }));
  struct Row {
    const char* label;
    const char* caption;
    const char* swatch;
    const char* set;
    const char* clear;
  };
  const Row rows[] = {
      {"Label1", "DATE", "Text1", "Command13", "Command15"},
      {"Label2", "TIME", "Text7", "Command14", "Command16"},
      {"Label3", "CPU", "Text3", "Command2", "Command8"},
      {"Label4", "RAM", "Text4", "Command3", "Command9"},
      {"Label5", "PageFile", "Text8", "Command34", "Command35"},
      {"Label6", "DISK", "Text5", "Command11", "Command12"},
      {"Label16", "空き領域", "Text6", "Command4", "Command10"},
  };
  float top = 360;
  for (const Row& row : rows) {
    // The first four captions sit 40 below their row, the last three 45.
    const float label_top = top + (top < 1800 ? 40 : 45);
    Append(out,
           ui::Within("Frame4", {
                                    Label(row.label, row.caption, {240, label_top, 735, 255}),
                                    Swatch(row.swatch, {1080, top, 855, 270}),
                                    Button(row.set, "設定", {2040, top, 735, 255}, kPaleButton),
                                    Button(row.clear, "削除", {2880, top, 735, 255}, kPaleButton),
                                }));
    top += 360;
  }
}

void AddPictureRows(std::vector<Control>& out) {
  Append(out, ui::Within("Frame1", {Frame("Frame6", "メーターの画像", {120, 4080, 3855, 2415})}));
  Append(out,
         ui::Within("Frame6", {Box("Check3", "すべて同じ画像に設定する", {1080, 220, 2535, 255})}));
  struct Row {
    float top;
    const char* label;
    const char* caption;
    const char* browse;
    const char* preview;
    float width;
    const char* clear;
  };
  const Row rows[] = {
      {540, "Label17", "CPU", "Command23", "CpuI", 1290, "Command30"},
      {900, "Label18", "RAM", "Command24", "MemI", 1290, "Command31"},
      {1245, "Label19", "PageFile", "Command32", "PFI", 1275, "Command33"},
      {1620, "Label22", "DISK", "Command25", "DscI", 1275, "Command28"},
      {1980, "Label24", "空き領域", "Command26", "DspI", 1275, "Command29"},
  };
  for (const Row& r : rows) {
    Append(out,
           ui::Within("Frame6", {
                                    Label(r.label, r.caption, {120, r.top, 735, 255}),
                                    Button(r.browse, "参照", {1020, r.top, 615, 255}, kPaleButton),
                                    Preview(r.preview, {1680, r.top, r.width, 255}),
                                    Button(r.clear, "削除", {3000, r.top, 615, 255}, kPaleButton),
                                }));
  }
}

void AddClockAndMoon(std::vector<Control>& out) {
  Append(out, ui::Within(
                  "Frame2",
                  {
                      Right("Label7", "時計：", {480, 285, 615, 255}),
                      Switch("cboCVw", {1080, 240, 975, 300}),
                      Right("Label9", "種類：", {120, 645, 975, 255}),
                      ui::MakeComboBox("ClSw", "", {1080, 600, 1540, 300}, kFont,
                                       {"デジタル時計", "アナログ時計"}),
                      Right("Label10", "フォント：", {120, 1005, 975, 255}),
                      Button("Command17", "設定", {1080, 960, 735, 255}, kCreamButton),
                      Untypable(Field("ClFntN", {1840, 960, 2015, 270}, Alignment::kCentre)),
                      Right("Label11", "スタイル：", {480, 1275, 975, 255}),
                      Untypable(Field("ClFntSt", {1440, 1245, 975, 270}, Alignment::kCentre)),
                      Label("Label14", "サイズ：", {2640, 1275, 735, 255}),
                      Untypable(Field("FSize", {3360, 1245, 495, 270}, Alignment::kCentre)),
                      Label("Label20",
                            "フォント、スタイルは日付時間共に適用、サイズは時間のみ適用されます。",
                            {480, 1560, 3495, 360}, Alignment::kLeft, kRed),
                      // The clock preview: the built-in face, the user's face over it,
                      // then the hands.
                      Preview("ClockBk", {1080, 1920, 1125, 1125}, "clock_face"),
                      Preview("ClockImage", {1080, 1920, 1125, 1125}),
                      ui::MakeLine("LineH", 1915, 2490, 1635, 2490, kHourHand, 3),
                      ui::MakeLine("LineM", 1635, 2130, 1635, 2490, kMinuteHand, 2),
                      ui::MakeLine("LineS", 1800, 2145, 1635, 2485, kSecondHand, 1),
                      ui::MakeLabel("lblTime", "Time", {1080, 2235, 2175, 495}, Alignment::kCentre,
                                    {ui::kGothicFont, 24, true, false}, kUnsetSwatch),
                      Button("Command27", "初期画像に戻す", {2280, 2520, 1575, 375}, kPaleButton),
                      Right("Label15", "画像：", {360, 3165, 735, 255}),
                      Field("ClImage", {1080, 3120, 2150, 270}, Alignment::kLeft),
                      Button("Command22", "参照", {3220, 3105, 615, 255}, kPaleButton),
                      Right("Label13", "針の色：", {360, 3645, 735, 255}),
                      Button("Command19", "短針(時)", {1080, 3480, 855, 255}, kCreamButton),
                      Button("Command18", "長針(分)", {2040, 3480, 855, 255}, kCreamButton),
                      Button("Command20", "秒針", {3000, 3480, 855, 255}, kCreamButton),
                      Swatch("Hc", {1095, 3765, 840, 270}, kHourHand),
                      Swatch("Mc", {2055, 3765, 840, 270}, kMinuteHand),
                      Swatch("Sc", {3000, 3765, 840, 270}, kSecondHand),
                      ui::MakeLine("Line1", 120, 4100, 3960, 4100, kUnsetSwatch),
                      Right("Label8", "月齢：", {360, 4255, 615, 255}),
                      Switch("cboMVw", {960, 4210, 975, 300}),
                      Right("Label21", "日数：", {2040, 4255, 615, 255}),
                      Switch("cboMAgeVw", {2640, 4210, 975, 300}),
                      Button("Command36", "文字色", {1920, 4600, 735, 255}, kPaleButton),
                      Swatch("MAClor", {2760, 4600, 855, 270}),
                  }));
}

void AddMemoryTotals(std::vector<Control>& out) {
  Control help = Label("Label30", "[確認方法]", {1920, 435, 975, 255}, Alignment::kLeft, kBlue);
  help.cursor = "hand";
  Append(out, ui::Within("Frame7",
                         {
                             Label("Label27",
                                   "物理メモリ、ページファイルが2Gを超える場合に設定して"
                                   "ください。",
                                   {120, 240, 3855, 375}, Alignment::kLeft, kRed),
                             std::move(help),
                             Right("Label25", "物理メモリサイズ：", {360, 705, 2055, 255}),
                             Field("RTUl", {2400, 655, 975, 270}, Alignment::kRight),
                             Label("Label28", "MB", {3405, 705, 375, 255}),
                             Right("Label26", "ページファイルサイズ：", {240, 1035, 2175, 255}),
                             Field("PFUl", {2400, 985, 975, 270}, Alignment::kRight),
                             Label("Label29", "MB", {3405, 1035, 375, 255}),
                             Right("Label23", "PageFile表示：", {600, 1350, 1815, 255}),
                             Switch("Combo1", {2400, 1300, 975, 300}),
                         }));
}

void AddWindowColour(std::vector<Control>& out) {
  Append(out,
         ui::Within("Frame5", {
                                  Right("Label12", "ウインドウ透過色：", {120, 300, 1815, 255}),
                                  Button("Command21", "設定", {1920, 255, 735, 255}, kCreamButton),
                                  Swatch("Bc", {2680, 255, 855, 270}),
                              }));
}

// The working copy, and the keys of the item being picked.
void AddHiddenFields(std::vector<Control>& out) {
  for (const char* name : {"Fil",   "WTop",   "WLeft",  "AllClor", "DATEClor", "TimeClor", "CClor",
                           "RClor", "PClor",  "DClor",  "DSClor",  "BClor",    "HClor",    "MClor",
                           "SClor", "CVw",    "MVw",    "MAgeVw",  "PFVw",     "CpuImg",   "MemImg",
                           "PFImg", "DscImg", "DspImg", "CSet",    "GrpSW",    "OsVer"}) {
    Control c = ui::MakeHiddenField(name);
    c.rect = {kOffscreen, 0, 615, 255};
    out.push_back(std::move(c));
  }
}

}  // namespace

ui::FormWindow SettingsFrame() {
  ui::FormWindow w;
  w.caption = "設定";
  w.rect = {0, 0, 8625, 8055};
  w.back = kWhite;
  return w;
}

std::vector<Control> SettingsDesign() {
  std::vector<Control> out;
  out.reserve(160);
  out.push_back(Frame("Frame1", "文字とメーター", {120, 120, 4095, 6615}));
  AddColourRows(out);
  AddPictureRows(out);
  out.push_back(Frame("Frame2", "時計と月齢", {4320, 120, 4095, 5055}));
  AddClockAndMoon(out);
  out.push_back(Frame("Frame7", "物理メモリとページファイル", {4320, 5280, 4095, 1695}));
  AddMemoryTotals(out);
  out.push_back(Frame("Frame5", "ウインドウ", {120, 6800, 4095, 655}));
  AddWindowColour(out);
  out.push_back(Button("Command6", "保存", {4320, 7080, 1095, 375}, kCreamButton));
  out.push_back(Button("Command5", "キャンセル", {5640, 7080, 1335, 375}, kCreamButton));
  out.push_back(Button("cmdUnld", "閉じる", {7320, 7080, 975, 375}, kCreamButton));
  AddHiddenFields(out);
  return out;
}

}  // namespace kelvara
