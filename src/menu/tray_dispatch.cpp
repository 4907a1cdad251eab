#include "menu/tray_dispatch.h"

#include "menu/menu_form.h"
#include "text/number_text.h"
#include "ui/window_names.h"

namespace kelvara {
namespace {

enum MouseMessage {
  kLeftDown = 513,
  kLeftUp = 514,
  kLeftDoubleClick = 515,
  kRightDown = 516,
  kRightUp = 517,
};

// Windows 8 and later.
constexpr double kLauncherVersion = 6.2;

}  // namespace

TrayDispatch::TrayDispatch(const MainWindow& main, platform::PopupMenus& popups,
                           ui::WindowSet& windows)
    : main_(main), popups_(popups), windows_(windows) {}

void TrayDispatch::Form_MouseMove(int message) {
  switch (message) {
    case kLeftDown:
    case kLeftUp:
      CloseMenu();
      break;
    case kLeftDoubleClick:
      if (LeadingNumber(main_.Text("OsVer")) >= kLauncherVersion) windows_.Show(kLauncherName);
      break;
    case kRightDown:
    case kRightUp:
      PopUpMenu();
      break;
    default:
      break;
  }
}

void TrayDispatch::CloseMenu() {
  // Asking the menu whether it is visible loads the form first.
  auto& menu = dynamic_cast<MenuForm&>(windows_.Load(kMenuFormName));
  if (menu.menu().root().visible) windows_.Unload(kMenuFormName);
}

void TrayDispatch::PopUpMenu() {
  auto& menu = dynamic_cast<MenuForm&>(windows_.Load(kMenuFormName));
  const auto chosen = popups_.Popup(kMenuFormName, menu.menu().root());
  if (!chosen) return;
  // Whatever ran while the menu was open may have unloaded the form; the
  // command runs on the form as it is loaded now.
  dynamic_cast<MenuForm&>(windows_.Load(kMenuFormName)).Choose(*chosen);
}

}  // namespace kelvara
