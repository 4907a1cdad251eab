// The tray icon's callback and the popup menu built from the menu model.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/host/popup_menus.h"
#include "platform/win32/host/tray_icon.h"
#include "platform/win32/raii.h"
#include "resource_ids.h"

namespace kelvara::win32::host {
namespace {

TEST(TrayIconTest, TheCallbackHandsOnTheMouseMessage) {
  TrayIcon tray(nullptr, nullptr);
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

TEST(TrayIconTest, ATipChangeNamesOnlyTheTipAndEveryOtherCallTheWholeRecord) {
  platform::TrayIconData data;
  std::memcpy(data.tip.data(), "Tavoro", 6);
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  struct Case {
    std::uint32_t record_flags;
    platform::TrayChange change;
    UINT sent;
  };
  const Case cases[] = {
      {7, platform::TrayChange::kTip, NIF_TIP},
      {7, platform::TrayChange::kAll, NIF_MESSAGE | NIF_ICON | NIF_TIP},
      {3, platform::TrayChange::kTip, 0},  // the record says its tip is not valid
      {3, platform::TrayChange::kAll, NIF_MESSAGE | NIF_ICON},
      {0xFF, platform::TrayChange::kAll, NIF_MESSAGE | NIF_ICON | NIF_TIP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record_flags);
    data.flags = c.record_flags;
    const NOTIFYICONDATAW record = TrayRecord(nullptr, icon, data, c.change);
    EXPECT_EQ(record.uFlags, c.sent);
    EXPECT_EQ(record.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uCallbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(record.hIcon, icon);
    EXPECT_EQ(std::wstring(record.szTip), L"Tavoro");
  }
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
  return bitmap.bmWidth;
}

TEST(TrayIconTest, TheTrayPictureIsTheProgramIconAtTheTaskbarsSmallIconSize) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const UniqueIcon icon = LoadTrayIcon(instance, MAKEINTRESOURCEW(IDI_KELVARA));
  ASSERT_TRUE(icon);
  EXPECT_EQ(IconWidth(icon.get()), GetSystemMetrics(SM_CXSMICON));
  EXPECT_FALSE(LoadTrayIcon(instance, L"NO_SUCH_ICON"));
  EXPECT_FALSE(LoadTrayIcon(instance, nullptr));

  const TrayIcon tray(instance, MAKEINTRESOURCEW(IDI_KELVARA));
  ASSERT_NE(tray.icon(), nullptr);
  EXPECT_EQ(IconWidth(tray.icon()), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(TrayIcon(nullptr, nullptr).icon(), nullptr);
}

// The widths an embedded icon or cursor group offers, in its order. A cursor
// entry counts its height twice (image and mask), so the width is read.
std::vector<int> GroupSizes(const wchar_t* name, const wchar_t* type) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
  const DWORD length = SizeofResource(module, found);
  if (bytes == nullptr || length < 6) return {};
  const int count = bytes[4] | bytes[5] << 8;
  const bool cursor = type == RT_GROUP_CURSOR;
  std::vector<int> sizes;
  for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(length); ++i) {
    const unsigned char* entry = bytes + 6 + 14 * i;
    sizes.push_back(cursor ? entry[0] | entry[1] << 8 : (entry[0] == 0 ? 256 : entry[0]));
  }
  return sizes;
}

TEST(TrayIconTest, TheProgramCarriesItsIconsAndHandCursorForEveryScaleFrom100To200Percent) {
  EXPECT_EQ(GroupSizes(MAKEINTRESOURCEW(IDI_KELVARA), RT_GROUP_ICON),
            (std::vector<int>{64, 48, 40, 32, 24, 20, 16}));
  EXPECT_EQ(GroupSizes(L"LAUNCHER", RT_GROUP_ICON), (std::vector<int>{64, 40, 32, 24, 20, 16}));
  EXPECT_EQ(GroupSizes(L"HAND", RT_GROUP_CURSOR), (std::vector<int>{64, 48, 32}));
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
