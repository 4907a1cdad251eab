// Saving into the main window, the memory totals it refuses, the help on
// them, and the two ways to close.
#include <array>
#include <string>
#include <utility>

#include "main_window/main_window.h"
#include "settings/settings_dialog.h"
#include "settings/setup_values.h"
#include "ui/window_names.h"

namespace kelvara {
namespace {

constexpr std::array<const char*, 10> kTotalsHelp = {
    "システムのプロパティ (ﾏｲ ｺﾝﾋﾟｭｰﾀを右クリック → プロパティ) ",
    "を開きます。",
    "　",
    "『全般』タブ下に物理メモリが表示されています。",
    "2.50GB なら2560MB、3.00GB なら3072MBと入力してください。",
    "　",
    "『詳細設定』タブの『パフォーマンス』横の『設定』ボタンをクリック、",
    "『パフォーマンスオプション』の『詳細設定』タブの『変更』ボタンを",
    "クリック、『最大サイズ(MB)(X)』の右ボックス内の値が最大ページ",
    "ファイルのサイズになります。",
};

// Shows the main window again when a save leaves it hidden, however the
// save ends.
class ShownAtEnd {
 public:
  explicit ShownAtEnd(ui::Form& form) : form_(form) {}
  ~ShownAtEnd() {
    if (!form_.window().visible) form_.SetWindowVisible(true);
  }
  ShownAtEnd(const ShownAtEnd&) = delete;
  ShownAtEnd& operator=(const ShownAtEnd&) = delete;

 private:
  ui::Form& form_;
};

}  // namespace

void SettingsDialog::Label30_Click() {
  std::string text;
  for (const char* line : kTotalsHelp) {
    if (!text.empty()) text += '\r';
    text += line;
  }
  platform_.messages.Show(kSetupName, text, kMessageTitle);
}

bool SettingsDialog::TotalsAccepted() {
  for (auto [field, name] :
       {std::pair{&c_.RTUl, "物理メモリサイズ"}, {&c_.PFUl, "ページファイルサイズ"}}) {
    if (IsAcceptedTotal(field->caption)) continue;
    platform_.messages.Show(
        kSetupName, std::string(name) + "には 1 から 999999 までの整数 (MB) を入力してください。",
        kMessageTitle);
    if (loaded()) form_.Focus(*field);
    return false;
  }
  return true;
}

void SettingsDialog::SaveToMain() {
  // Without a working copy a save would wipe the stored settings.
  if (!loaded_ || !TotalsAccepted()) return;
  ui::Form& main_form = main_.form();
  const ShownAtEnd shown(main_form);
  CopyToMain();
  FillUnsetColours();
  main_form.SetWindowVisible(false);
  main_form.Press("cmdSave");
  main_.SetText("Fil", c_.Fil.caption);
  main_form.Press("cmdReset");
}

void SettingsDialog::CopyToMain() {
  auto copy = [this](const ui::Control& field) { main_.SetText(field.name, field.caption); };
  for (const ui::Control* field :
       {&c_.AllClor, &c_.DATEClor, &c_.TimeClor, &c_.CClor, &c_.RClor, &c_.DClor, &c_.DSClor,
        &c_.CVw, &c_.MVw, &c_.MAgeVw, &c_.ClFntN, &c_.ClFntSt}) {
    copy(*field);
  }
  main_.SetText("ClSW", c_.ClSw.caption);
  for (const ui::Control* field :
       {&c_.BClor, &c_.MClor, &c_.HClor, &c_.SClor, &c_.ClImage, &c_.CpuImg, &c_.MemImg, &c_.DscImg,
        &c_.DspImg, &c_.FSize, &c_.MAgeVw, &c_.PClor, &c_.PFImg, &c_.PFVw}) {
    copy(*field);
  }
  main_.SetText("MAClor", ColourText(c_.MAClor.back));
  copy(c_.RTUl);
  copy(c_.PFUl);
}

void SettingsDialog::FillUnsetColours() {
  // The chosen mode's unset items go out as their swatches show them; the
  // dialog's own fields stay empty.
  if (c_.Check1.checked && c_.AllClor.caption.empty()) {
    main_.SetText("AllClor", ColourText(c_.Text2.back));
  }
  if (!c_.Check2.checked) return;
  for (const ColourItem& item : colours_) {
    if (item.per_item && item.field->caption.empty()) {
      main_.SetText(item.field->name, ColourText(item.swatch.back));
    }
  }
}

void SettingsDialog::Command5_Click() { windows_.Unload(*this); }

void SettingsDialog::cmdUnld_Click() {
  main_.form().Press("cmdReset");
  windows_.Unload(*this);
}

}  // namespace kelvara
