#pragma once

#include "main_window/main_window.h"
#include "platform/popup_menus.h"
#include "ui/window_set.h"

namespace kelvara {

// The main window's handler of the tray icon's callback: the menu on the
// right button, the launcher on a left double-click.
class TrayDispatch {
 public:
  TrayDispatch(const MainWindow& main, platform::PopupMenus& popups, ui::WindowSet& windows);

  // `message` is the notification's mouse message (WM_LBUTTONDOWN ...).
  void Form_MouseMove(int message);

 private:
  void CloseMenu();
  void PopUpMenu();

  const MainWindow& main_;
  platform::PopupMenus& popups_;
  ui::WindowSet& windows_;
};

}  // namespace kelvara
