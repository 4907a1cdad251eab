// The tray icon's callback and the popup menu built from the menu model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/host/popup_menus.h"
#include "platform/win32/host/tray_icon.h"
#include "platform/win32/raii.h"

namespace kelvara::win32::host {
namespace {

TEST(TrayIconTest, TheCallbackHandsOnTheMouseMessage) {
  TrayIcon tray(nullptr);
  std::vector<int> seen;
  tray.on_mouse = [&seen](int message) { seen.push_back(message); };
  EXPECT_EQ(tray.HandleMessage(kTrayCallbackMessage, 1, WM_RBUTTONUP), std::optional<LRESULT>(0));
  EXPECT_EQ(tray.HandleMessage(kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK),
            std::optional<LRESULT>(0));
  EXPECT_EQ(seen, (std::vector<int>{517, 515}));
  // Everything else is the window's.
  EXPECT_EQ(tray.HandleMessage(WM_MOUSEMOVE, 0, 0), std::nullopt);
  EXPECT_EQ(tray.HandleMessage(WM_TIMER, 1, 0), std::nullopt);
}

ui::MenuItem Item(const char* name, const char* caption, std::vector<ui::MenuItem> children = {}) {
  ui::MenuItem item;
  item.name = name;
  item.caption = caption;
  item.children = std::move(children);
  return item;
}

std::wstring Caption(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return text;
}

TEST(PopupMenuTest, TheNativeMenuShowsTheVisibleTreeAndNamesItsCommands) {
  ui::MenuItem root =
      Item("DMn", "DMn",
           {Item("MemClr", "メモリ開放"),
            Item("Wpos", "位置", {Item("Pstn", "位置の設定"), Item("Mposi", "設定した位置に戻す")}),
            Item("rstrui", "システムの復元"), Item("DTMnEnd", "アプリケーションの終了")});
  root.children[2].visible = false;
  root.children[3].enabled = false;
  std::vector<std::string> commands;
  UniqueMenu menu(BuildPopupMenu(root, commands));
  ASSERT_TRUE(menu);

  ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
  EXPECT_EQ(Caption(menu.get(), 0), L"メモリ開放");
  EXPECT_EQ(Caption(menu.get(), 1), L"位置");
  EXPECT_EQ(Caption(menu.get(), 2), L"アプリケーションの終了");
  EXPECT_NE(GetMenuState(menu.get(), 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  const HMENU position = GetSubMenu(menu.get(), 1);
  ASSERT_NE(position, nullptr);
  EXPECT_EQ(GetMenuItemCount(position), 2);
  EXPECT_EQ(Caption(position, 1), L"設定した位置に戻す");

  // Command ids are places in the list of names, from 1.
  EXPECT_EQ(commands, (std::vector<std::string>{"MemClr", "Pstn", "Mposi", "DTMnEnd"}));
  EXPECT_EQ(GetMenuItemID(menu.get(), 0), 1u);
  EXPECT_EQ(GetMenuItemID(position, 1), 3u);
  EXPECT_EQ(GetMenuItemID(menu.get(), 2), 4u);
}

TEST(PopupMenuTest, NoOwnerWindowNoMenu) {
  Win32PopupMenus popups([](std::string_view) { return HWND{}; });
  EXPECT_EQ(popups.Popup("frmDTMnMenu", Item("DMn", "DMn", {Item("a", "a")})), std::nullopt);
}

}  // namespace
}  // namespace kelvara::win32::host
