// Message boxes: OK only, no icon, the owner, and the texts in UTF-16.
#include "platform/win32/messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvara::win32 {
namespace {

struct MessageBoxCall {
  HWND owner;
  std::wstring text, title;
  UINT type;
};
std::vector<MessageBoxCall> g_calls;

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT type) {
  g_calls.push_back({owner, text, title, type});
  return IDOK;
}

TEST(Win32Messages, ShowsOkOnlyWithoutIconOverTheWindowOfTheNamedForm) {
  g_calls.clear();
  const HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
  std::vector<std::string> asked;
  Win32Messages messages(
      [&](std::string_view form) {
        asked.emplace_back(form);
        return form == "frmSetup" ? owner : nullptr;
      },
      RecordMessageBox);
  messages.Show("", "既に起動されています。", "TavoroII");
  messages.Show("frmSetup", "削除しました。", "TavoroII");
  messages.Show("frmGone", "削除しました。", "TavoroII");
  EXPECT_EQ(asked, (std::vector<std::string>{"frmSetup", "frmGone"}));
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].owner, nullptr);
  EXPECT_EQ(g_calls[0].owner, nullptr);
  EXPECT_EQ(g_calls[0].text, L"\u65E2\u306B\u8D77\u52D5\u3055\u308C\u3066\u3044\u307E\u3059\u3002");
  EXPECT_EQ(g_calls[0].title, L"TavoroII");
  EXPECT_EQ(g_calls[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(g_calls[1].owner, owner);
  EXPECT_EQ(g_calls[1].text, L"\u524A\u9664\u3057\u307E\u3057\u305F\u3002");
  EXPECT_EQ(g_calls[1].type, static_cast<UINT>(MB_OK));
}

}  // namespace
}  // namespace kelvara::win32
