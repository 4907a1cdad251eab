#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/menu.h"

namespace kelvara::platform {

// Popup menus at the mouse position.
class PopupMenus {
 public:
  virtual ~PopupMenus() = default;
  // Shows the visible children of `root` (and theirs, as submenus) for the
  // window `owner` and waits until the user chooses or dismisses it. The
  // chosen item's name, or none when the menu was closed without a choice.
  // The tree is read before the wait: it may be gone when the call returns.
  [[nodiscard]] virtual std::optional<std::string> Popup(std::string_view owner,
                                                         const ui::MenuItem& root) = 0;
};

}  // namespace kelvara::platform
