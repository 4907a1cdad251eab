#include "settings/settings_dialog.h"

#include "settings/settings_design.h"
#include "text/number_text.h"
#include "ui/window_names.h"

namespace kelvara {

SettingsDialog::SettingsDialog(MainWindow& main, platform::Platform& platform,
                               ui::WindowSet& windows)
    : main_(main),
      platform_(platform),
      windows_(windows),
      form_(kSetupName, SettingsFrame(), SettingsDesign()),
      c_(form_),
      colours_{{
          {"all", c_.Command1, &c_.Command7, c_.Text2, &c_.AllClor, nullptr, true},
          {"date", c_.Command13, &c_.Command15, c_.Text1, &c_.DATEClor, nullptr, false, true},
          {"time", c_.Command14, &c_.Command16, c_.Text7, &c_.TimeClor, nullptr, true, true},
          {"c", c_.Command2, &c_.Command8, c_.Text3, &c_.CClor, nullptr, false, true},
          {"r", c_.Command3, &c_.Command9, c_.Text4, &c_.RClor, nullptr, false, true},
          {"d", c_.Command11, &c_.Command12, c_.Text5, &c_.DClor, nullptr, false, true},
          {"ds", c_.Command4, &c_.Command10, c_.Text6, &c_.DSClor, nullptr, false, true},
          {"pf", c_.Command34, &c_.Command35, c_.Text8, &c_.PClor, nullptr, false, true},
          {"back", c_.Command21, nullptr, c_.Bc, &c_.BClor, nullptr, false},
          {"Hur", c_.Command19, nullptr, c_.Hc, &c_.HClor, &c_.LineH, false},
          {"Min", c_.Command18, nullptr, c_.Mc, &c_.MClor, &c_.LineM, false},
          {"Sec", c_.Command20, nullptr, c_.Sc, &c_.SClor, &c_.LineS, false},
          {"mac", c_.Command36, nullptr, c_.MAClor, nullptr, nullptr, false},
      }},
      pictures_{{
          {"Clk", c_.Command22, nullptr, c_.ClockImage, c_.ClImage},
          {"Cpu", c_.Command23, &c_.Command30, c_.CpuI, c_.CpuImg},
          {"Mem", c_.Command24, &c_.Command31, c_.MemI, c_.MemImg},
          {"Dsc", c_.Command25, &c_.Command28, c_.DscI, c_.DscImg},
          {"Dsp", c_.Command26, &c_.Command29, c_.DspI, c_.DspImg},
          {"PF", c_.Command32, &c_.Command33, c_.PFI, c_.PFImg},
      }} {
  WireHandlers();
}

SettingsDialog::~SettingsDialog() {
  // The form goes with the dialog, so only the pictures need giving back.
  for (const PictureGroup& group : pictures_) {
    if (group.preview.picture != 0) platform_.pictures.Release(group.preview.picture);
  }
}

void SettingsDialog::WireHandlers() {
  for (const ColourItem& item : colours_) {
    item.set.on_click = [this, &item] {
      Set(c_.CSet, item.key);
      PickClor();
    };
    if (item.clear != nullptr) item.clear->on_click = [this, &item] { ClearClor(item); };
  }
  for (const PictureGroup& group : pictures_) {
    group.browse.on_click = [this, &group] {
      Set(c_.GrpSW, group.key);
      PickImg();
    };
    if (group.clear != nullptr)
      group.clear->on_click = [this, &group] { ClearPictureGroup(group); };
  }
  c_.Check1.on_click = [this] { Check1_Click(); };
  c_.Check2.on_click = [this] { Check2_Click(); };
  c_.Check3.on_click = [this] { Check3_Click(); };
  c_.Command27.on_click = [this] { Command27_Click(); };
  c_.Command17.on_click = [this] { Command17_Click(); };
  c_.ClFntSt.on_change = [this] { ShowFntSample(); };
  // Typed or chosen, the kind takes effect at once.
  c_.ClSw.on_change = [this] { ApplyClkKind(); };
  c_.ClSw.on_select = [this] { ApplyClkKind(); };
  // Only a choice from the list switches; typing into the box does not.
  for (auto [box, field] : {std::pair{&c_.cboCVw, &c_.CVw},
                            {&c_.cboMVw, &c_.MVw},
                            {&c_.cboMAgeVw, &c_.MAgeVw},
                            {&c_.Combo1, &c_.PFVw}}) {
    // Copied into the closure: clang before 16 cannot capture a structured binding.
    box->on_select = [this, b = box, f = field] { Set(*f, b->caption == "表示" ? "on" : "off"); };
  }
  c_.Label30.on_click = [this] { Label30_Click(); };
  c_.Command6.on_click = [this] { SaveToMain(); };
  c_.Command5.on_click = [this] { Command5_Click(); };
  c_.cmdUnld.on_click = [this] { cmdUnld_Click(); };
}

void SettingsDialog::Form_Unload() {
  for (const PictureGroup& group : pictures_) ClearPicture(group.preview);
}

bool SettingsDialog::IsVistaOrLater() const { return LeadingNumber(c_.OsVer.caption) >= 6; }

}  // namespace kelvara
