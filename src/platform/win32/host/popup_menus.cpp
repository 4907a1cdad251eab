#include "platform/win32/host/popup_menus.h"

#include "platform/win32/raii.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

bool AppendChildren(HMENU menu, const ui::MenuItem& parent, std::vector<std::string>& commands) {
  for (const ui::MenuItem& item : parent.children) {
    if (!item.visible) continue;
    const std::wstring caption = Widen(item.caption);
    UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED);
    UINT_PTR id = 0;
    if (!item.children.empty()) {
      UniqueMenu sub(CreatePopupMenu());
      if (!sub || !AppendChildren(sub.get(), item, commands)) return false;
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(sub.release());  // the parent owns it now
    } else {
      commands.push_back(item.name);
      id = commands.size();
    }
    if (AppendMenuW(menu, flags, id, caption.c_str()) == FALSE) {
      if ((flags & MF_POPUP) != 0) DestroyMenu(reinterpret_cast<HMENU>(id));
      return false;
    }
  }
  return true;
}

}  // namespace

HMENU BuildPopupMenu(const ui::MenuItem& root, std::vector<std::string>& commands) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu || !AppendChildren(menu.get(), root, commands)) return nullptr;
  return menu.release();
}

std::optional<std::string> Win32PopupMenus::Popup(std::string_view owner,
                                                  const ui::MenuItem& root) {
  // A second request while a menu is open (the button-up after the
  // button-down) would stack a menu on the open one.
  if (open_) return std::nullopt;
  const HWND window = find_window_ ? find_window_(owner) : nullptr;
  if (window == nullptr) return std::nullopt;
  std::vector<std::string> commands;
  UniqueMenu menu(BuildPopupMenu(root, commands));
  if (!menu) return std::nullopt;

  POINT at{};
  GetCursorPos(&at);
  open_ = true;
  SetForegroundWindow(window);
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, window, nullptr));
  PostMessageW(window, WM_NULL, 0, 0);
  open_ = false;
  if (chosen == 0 || chosen > commands.size()) return std::nullopt;
  return commands[chosen - 1];
}

}  // namespace kelvara::win32::host
