#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/system_info.h"
#include "ui/form.h"

namespace kelvara {

// The window's place from the saved `WTop` / `WLeft` texts; an empty text
// takes the default: a thirteenth of the screen down, 350 twips in from the
// right edge. Top first, then left.
void PlaceWindow(ui::Form& form, const platform::ScreenSize& screen, std::string_view top,
                 std::string_view left);

// A window wholly off every screen (a monitor unplugged since the save, or a
// damaged store) moves onto the nearest screen, fully visible; one that shows
// any part of itself stays where it is. Unknown screens leave it alone.
void KeepReachable(ui::Form& form, const std::vector<platform::ScreenArea>& screens);

// The height the page-file switch asks for: `shown` for "on" or empty,
// `hidden` for "off", none for any other text.
std::optional<float> HeightForPageFileSwitch(std::string_view page_file_switch, float shown,
                                             float hidden);

}  // namespace kelvara
