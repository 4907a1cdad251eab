// The colour items, the transparent colour that follows two of them, and the
// two colour modes.

#include "settings/settings_design.h"
#include "settings/settings_dialog.h"
#include "settings/setup_values.h"
#include "ui/window_names.h"

namespace kelvara {

void SettingsDialog::Paint(ui::Control& swatch, ui::Colour colour) {
  form_.SetBack(swatch, colour);
}

void SettingsDialog::PaintIfSet(ui::Control& swatch, const ui::Control& field) {
  // A field that names no colour leaves the swatch grey.
  if (const std::optional<ui::Colour> colour = ColourOfText(field.caption)) Paint(swatch, *colour);
}

void SettingsDialog::MoveTransparency(ui::Colour colour) {
  const ui::Colour key = TransparencyFor(colour);
  Set(c_.BClor, ColourText(key));
  Paint(c_.Bc, key);
}

void SettingsDialog::PickClor() {
  for (const ColourItem& item : colours_) {
    if (c_.CSet.caption != item.key) continue;
    // A cancel answers the initial colour, which is then taken as chosen.
    const ui::Colour colour = platform_.pickers.PickColour(kSetupName, item.swatch.back);
    if (!loaded()) return;  // closed while the picker was open
    if (item.field != nullptr) Set(*item.field, ColourText(colour));
    Paint(item.swatch, colour);
    if (item.hand != nullptr) form_.SetFore(*item.hand, colour);
    if (item.moves_transparency) MoveTransparency(colour);
    break;
  }
  Set(c_.CSet, "");
}

void SettingsDialog::ClearClor(const ColourItem& item) {
  Paint(item.swatch, kUnsetSwatch);
  if (item.field != nullptr) Set(*item.field, "");
  if (item.moves_transparency) MoveTransparency(kUnsetSwatch);
}

void SettingsDialog::Check1_Click() { ChooseColourMode(c_.Check1, c_.Check2); }
void SettingsDialog::Check2_Click() { ChooseColourMode(c_.Check2, c_.Check1); }

void SettingsDialog::ChooseColourMode(ui::Control& chosen, ui::Control& other) {
  // Setting the marks below calls back into here; those calls do nothing.
  if (choosing_mode_) return;
  struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
  } busy(choosing_mode_);

  const bool switched = other.checked;
  form_.SetChecked(chosen, true);  // a click on the checked box leaves it checked
  form_.SetChecked(other, false);
  const bool all_items = &chosen == &c_.Check1;
  form_.SetEnabled(c_.Frame3, all_items);
  form_.SetEnabled(c_.Frame4, !all_items);
  ClearColourMode(!all_items);
  if (switched) ClearColourMode(all_items);
}

void SettingsDialog::ClearColourMode(bool all_items) {
  auto clear = [this](ui::Control& field, ui::Control& swatch) {
    Set(field, "");
    form_.SetBack(swatch, kUnsetSwatch);
    form_.SetFore(swatch, kUnsetSwatch);
  };
  if (all_items) {
    clear(c_.AllClor, c_.Text2);
    return;
  }
  for (const ColourItem& item : colours_) {
    // The page-file colour is left as it is in either mode.
    if (item.per_item && item.field != &c_.PClor) clear(*item.field, item.swatch);
  }
}

}  // namespace kelvara
