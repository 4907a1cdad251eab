// The digital clock's font: the picker, its preset and result, and the sample.
#include <optional>

#include "settings/settings_dialog.h"
#include "settings/setup_values.h"
#include "text/number_text.h"
#include "ui/controls.h"
#include "ui/window_names.h"

namespace kelvara {
namespace {

constexpr const char* kDefaultSize = "24";
constexpr double kSampleSize = 24;
// A larger size would not fit a 16-bit height in twips.
constexpr double kLargestSize = 1638;

bool UsableSize(double size) { return size > 0 && size <= kLargestSize; }

}  // namespace

void SettingsDialog::Command17_Click() {
  if (c_.ClFntN.caption.empty()) Set(c_.ClFntN, ui::kGothicFont);
  if (c_.FSize.caption.empty()) Set(c_.FSize, kDefaultSize);
  if (!IsVistaOrLater()) PickFnt();
}

void SettingsDialog::PickFnt() {
  const std::optional<platform::FontChoice> chosen = platform_.pickers.PickFont(
      kSetupName, FontPresetOf(c_.ClFntN.caption, c_.FSize.caption, c_.ClFntSt.caption));
  if (!chosen || !loaded()) return;
  Set(c_.ClFntN, chosen->name);
  Set(c_.FSize, SizeText(chosen->size));
  if (UsableSize(chosen->size)) {
    ui::Font font = c_.lblTime.font;
    font.size = chosen->size;
    form_.SetFont(c_.lblTime, font);
  }
  Set(c_.ClFntSt, StyleText({chosen->bold, chosen->italic}));
}

void SettingsDialog::ShowFntSample() {
  ui::Font font = c_.lblTime.font;
  // As the monitor shows it: the Japanese UI font when none is named.
  font.name = c_.ClFntN.caption.empty() ? ui::kGothicFont : c_.ClFntN.caption;
  const double size = c_.FSize.caption.empty() ? kSampleSize : LeadingNumber(c_.FSize.caption);
  if (UsableSize(size)) font.size = static_cast<float>(size);
  if (const std::optional<FontStyle> style = StyleOfText(c_.ClFntSt.caption)) {
    font.bold = style->bold;
    font.italic = style->italic;
  }
  form_.SetFont(c_.lblTime, font);
}

}  // namespace kelvara
