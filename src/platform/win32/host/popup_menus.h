#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/popup_menus.h"
#include "ui/menu.h"

namespace kelvara::win32::host {

// Popup menus from the menu model, at the mouse position. The owner comes
// to the foreground first and gets a WM_NULL after, so the menu closes when
// the user clicks anywhere else, as a notification-area menu must.
class Win32PopupMenus final : public platform::PopupMenus {
 public:
  // Finds the window of a form by its name.
  explicit Win32PopupMenus(std::function<HWND(std::string_view)> find_window)
      : find_window_(std::move(find_window)) {}

  std::optional<std::string> Popup(std::string_view owner, const ui::MenuItem& root) override;

  // The class name of popup menu windows, for tests.
  static constexpr const wchar_t* kMenuWindowClass = L"#32768";

 private:
  std::function<HWND(std::string_view)> find_window_;
  bool open_ = false;
};

// The native menu of an item's visible children, with command ids that index
// `commands` (from 1); submenus for items with children. Null on failure.
HMENU BuildPopupMenu(const ui::MenuItem& root, std::vector<std::string>& commands);

}  // namespace kelvara::win32::host
