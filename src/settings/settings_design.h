#pragma once

#include <vector>

#include "ui/form.h"

namespace kelvara {

// Colours of the dialog's design.
inline constexpr ui::Colour kUnsetSwatch = 12632256;  // light grey: a colour not set
inline constexpr ui::Colour kPaleButton = 0xDCF9FA;   // buttons of the colour and picture rows
inline constexpr ui::Colour kCreamButton = 0xCDFAF8;  // font, hands, window and bottom row
inline constexpr ui::Colour kHourHand = 0x404040;
inline constexpr ui::Colour kMinuteHand = 0x808080;
inline constexpr ui::Colour kSecondHand = 0x6548EE;

// The settings dialog `frmSetup` as designed: its outer size and its
// controls, frames before what they hold. The working copy's hidden fields
// lie right of the visible area.
ui::FormWindow SettingsFrame();
std::vector<ui::Control> SettingsDesign();

}  // namespace kelvara
