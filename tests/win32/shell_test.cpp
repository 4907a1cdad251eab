// The shell calls with their exact arguments, and the clipboard's clearing.
#include "platform/win32/shell.h"

#include "platform/win32/clipboard.h"
#include "platform/win32/native_paths.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace kelvara::win32 {
namespace {

std::optional<std::wstring> Text(LPCWSTR text) {
  if (text == nullptr) return std::nullopt;
  return std::wstring(text);
}

struct ExecuteExCall {
  DWORD size, mask;
  HWND window;
  std::optional<std::wstring> verb, file, parameters, directory;
  int show;
  bool operator==(const ExecuteExCall&) const = default;
};

const HWND kMenuWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x5150));
const HWND kLauncherWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x6160));

// Records every shell call; windows are found by form name.
class ShellTest : public ::testing::Test {
 protected:
  ShellTest()
      : shell_(
            [this](std::string_view form) {
              looked_up_.emplace_back(form);
              if (form == "frmDTMnMenu") return kMenuWindow;
              if (form == "frmLnchr") return kLauncherWindow;
              return HWND{};
            },
            ShellCalls{
                [this](SHELLEXECUTEINFOW* info) {
                  execute_exes_.push_back({info->cbSize, info->fMask, info->hwnd,
                                           Text(info->lpVerb), Text(info->lpFile),
                                           Text(info->lpParameters), Text(info->lpDirectory),
                                           info->nShow});
                  EXPECT_EQ(info->lpIDList, nullptr);
                  EXPECT_EQ(info->lpClass, nullptr);
                  EXPECT_EQ(info->hkeyClass, nullptr);
                  EXPECT_EQ(info->hInstApp, nullptr);
                  if (give_process_) {
                    info->hProcess = CreateEventW(nullptr, TRUE, FALSE, nullptr);
                    process_ = info->hProcess;
                  }
                  return execute_ex_result_;
                },
                [this](HWND window, LPCWSTR root, DWORD flags) {
                  recycle_bins_.push_back({window, Text(root), flags});
                  return S_OK;
                },
                [this](UINT flags, LPCVOID path) {
                  recent_docs_.push_back({flags, Text(static_cast<LPCWSTR>(path))});
                },
                [this] { ++shut_down_dialogs_; },
                [](const std::wstring& file) {
                  return file == L"msinfo32.exe" ? L"C:\\Windows\\Sysnative\\msinfo32.exe" : file;
                },
            }) {}

  Win32Shell shell_;
  std::vector<std::string> looked_up_;
  std::vector<ExecuteExCall> execute_exes_;
  struct RecycleBinCall {
    HWND window;
    std::optional<std::wstring> root;
    DWORD flags;
  };
  std::vector<RecycleBinCall> recycle_bins_;
  std::vector<std::pair<UINT, std::optional<std::wstring>>> recent_docs_;
  int shut_down_dialogs_ = 0;
  BOOL execute_ex_result_ = TRUE;
  bool give_process_ = false;
  HANDLE process_ = nullptr;
};

struct ExecuteRow {
  const char* owner;
  platform::OptionalText verb;
  const char* file;
  platform::OptionalText parameters;
  platform::OptionalText directory;
  int show;
  ExecuteExCall expected;
};

constexpr DWORD kSize = sizeof(SHELLEXECUTEINFOW);
constexpr DWORD kNoUi = SEE_MASK_FLAG_NO_UI;

TEST_F(ShellTest, ExecutePassesSixArgumentsWithAbsentTextsAsNull) {
  const ExecuteRow rows[] = {
      {"frmDTMnMenu",
       std::nullopt,
       "calc.exe",
       std::nullopt,
       "c:\\",
       platform::kShowNormal,
       {kSize, kNoUi, kMenuWindow, std::nullopt, L"calc.exe", std::nullopt, L"c:\\", 1}},
      {"frmDTMnMenu",
       std::nullopt,
       "taskmgr.exe",
       std::nullopt,
       "taskmgr.exe",
       platform::kShow,
       {kSize, kNoUi, kMenuWindow, std::nullopt, L"taskmgr.exe", std::nullopt, L"taskmgr.exe", 5}},
      {"",
       "open",
       "explorer.exe",
       std::nullopt,
       "c:\\",
       1,
       {kSize, kNoUi, nullptr, L"open", L"explorer.exe", std::nullopt, L"c:\\", 1}},
      {"",
       "find",
       "c:\\",
       std::nullopt,
       std::nullopt,
       1,
       {kSize, kNoUi, nullptr, L"find", L"c:\\", std::nullopt, std::nullopt, 1}},
      {"frmLnchr",
       "open",
       "shell:ドキュメント",
       "",
       "",
       1,
       {kSize, kNoUi, kLauncherWindow, L"open", L"shell:\u30C9\u30AD\u30E5\u30E1\u30F3\u30C8", L"",
        L"", 1}},
      {"frmDTMnMenu",
       std::nullopt,
       platform::kComputerFolder,
       std::nullopt,
       platform::kComputerFolder,
       1,
       {kSize, kNoUi, kMenuWindow, std::nullopt, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
        std::nullopt, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 1}},
      // The file as this process must name it.
      {"frmDTMnMenu",
       std::nullopt,
       "msinfo32.exe",
       std::nullopt,
       "c:\\",
       1,
       {kSize, kNoUi, kMenuWindow, std::nullopt, L"C:\\Windows\\Sysnative\\msinfo32.exe",
        std::nullopt, L"c:\\", 1}},
  };
  for (const ExecuteRow& row : rows) {
    execute_exes_.clear();
    shell_.Execute(row.owner, row.verb, row.file, row.parameters, row.directory, row.show);
    ASSERT_EQ(execute_exes_.size(), 1u) << row.file;
    EXPECT_EQ(execute_exes_[0], row.expected) << row.file;
  }
  // The empty owner is no window: nobody is asked for it.
  EXPECT_EQ(looked_up_, (std::vector<std::string>{"frmDTMnMenu", "frmDTMnMenu", "frmLnchr",
                                                  "frmDTMnMenu", "frmDTMnMenu"}));
}

TEST_F(ShellTest, SystemPropertiesThroughExecuteExAndItsResult) {
  const platform::ShellExecuteInfo info{0x44C, "frmDTMnMenu", "properties",
                                        platform::kComputerFolder};
  give_process_ = true;
  EXPECT_TRUE(shell_.ExecuteEx(info));
  ASSERT_EQ(execute_exes_.size(), 1u);
  EXPECT_EQ(
      execute_exes_[0],
      (ExecuteExCall{sizeof(SHELLEXECUTEINFOW), 0x44C, kMenuWindow, L"properties",
                     L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", std::nullopt, std::nullopt, 0}));
  // The process handle the shell gave is closed, not leaked.
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(process_, &flags));

  give_process_ = false;
  execute_ex_result_ = FALSE;
  EXPECT_FALSE(shell_.ExecuteEx(info));
}

TEST_F(ShellTest, RecycleBinOfEveryDriveWithTheOwnersWindow) {
  shell_.EmptyRecycleBin("frmDTMnMenu", "", 0);
  shell_.EmptyRecycleBin("", "d:\\", SHERB_NOCONFIRMATION);
  ASSERT_EQ(recycle_bins_.size(), 2u);
  EXPECT_EQ(recycle_bins_[0].window, kMenuWindow);
  EXPECT_EQ(recycle_bins_[0].root, std::optional<std::wstring>(L""));  // "" and not null
  EXPECT_EQ(recycle_bins_[0].flags, 0u);
  EXPECT_EQ(recycle_bins_[1].window, nullptr);
  EXPECT_EQ(recycle_bins_[1].root, std::optional<std::wstring>(L"d:\\"));
  EXPECT_EQ(recycle_bins_[1].flags, static_cast<DWORD>(SHERB_NOCONFIRMATION));
}

TEST_F(ShellTest, RecentDocumentsClearWithANullPathAndTakePathsWide) {
  shell_.AddToRecentDocs(SHARD_PATHA, std::nullopt);
  shell_.AddToRecentDocs(SHARD_PIDL, std::nullopt);
  shell_.AddToRecentDocs(SHARD_PATHA, "C:\\文書\\メモ.txt");
  shell_.AddToRecentDocs(SHARD_PIDL, "C:\\not an item list");
  using Call = std::pair<UINT, std::optional<std::wstring>>;
  EXPECT_EQ(recent_docs_,
            (std::vector<Call>{{SHARD_PATHA, std::nullopt},
                               {SHARD_PIDL, std::nullopt},
                               {SHARD_PATHW, L"C:\\\u6587\u66F8\\\u30E1\u30E2.txt"}}));
}

TEST_F(ShellTest, ShutDownDialogIsTheShellsOwn) {
  shell_.ShowShutDownDialog();
  EXPECT_EQ(shut_down_dialogs_, 1);
  EXPECT_TRUE(execute_exes_.empty());
}

TEST(Win32Clipboard, ClearEmptiesWhatAnotherProgramLeft) {
  const wchar_t text[] = L"\u6E05\u66F8";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  ASSERT_NE(memory, nullptr);
  CopyMemory(GlobalLock(memory), text, sizeof text);
  GlobalUnlock(memory);
  ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);  // the clipboard owns it now
  CloseClipboard();
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

  Win32Clipboard().Clear();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(Win32Clipboard, AClipboardHeldElsewhereIsLeftAlone) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(wchar_t) * 2);
  ASSERT_NE(memory, nullptr);
  static_cast<wchar_t*>(GlobalLock(memory))[0] = L'x';
  static_cast<wchar_t*>(GlobalLock(memory))[1] = L'\0';
  GlobalUnlock(memory);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  // Held open by another thread, as another program would.
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CloseClipboard();
  bool held = false;
  std::thread holder([&] {
    HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    held = window != nullptr && OpenClipboard(window);
    SetEvent(opened);
    WaitForSingleObject(done, INFINITE);
    if (held) CloseClipboard();
    if (window != nullptr) DestroyWindow(window);
  });
  WaitForSingleObject(opened, INFINITE);
  if (held) Win32Clipboard().Clear();
  SetEvent(done);
  holder.join();
  ASSERT_TRUE(held) << "the other window could not open the clipboard";
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  CloseHandle(opened);
  CloseHandle(done);
  Win32Clipboard().Clear();
}

}  // namespace
}  // namespace kelvara::win32

namespace kelvara::win32 {
namespace {

TEST(NativeToolPath, OnlyARedirectedProgramNamesSystemToolsThroughSysnative) {
  const FileExists in_sysnative = [](const std::wstring& path) {
    return path == L"C:\\Windows\\Sysnative\\cleanmgr.exe" ||
           path == L"C:\\Windows\\Sysnative\\dfrg.msc";
  };
  const struct {
    bool redirected;
    const wchar_t* file;
    const wchar_t* started;
  } rows[] = {
      // A 32-bit program on 64-bit Windows.
      {true, L"C:\\Windows\\System32\\dfrgui.exe", L"C:\\Windows\\Sysnative\\dfrgui.exe"},
      {true, L"c:\\windows\\system32\\restore\\rstrui.exe",
       L"C:\\Windows\\Sysnative\\restore\\rstrui.exe"},
      {true, L"cleanmgr.exe", L"C:\\Windows\\Sysnative\\cleanmgr.exe"},
      {true, L"dfrg.msc", L"C:\\Windows\\Sysnative\\dfrg.msc"},
      {true, L"wordpad.exe", L"wordpad.exe"},  // not a System32 tool
      {true, L"c:\\", L"c:\\"},
      {true, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
       L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
      {true, L"C:\\Windows\\System32x\\a.exe", L"C:\\Windows\\System32x\\a.exe"},
      // 32 on 32 and 64 on 64: nothing is redirected.
      {false, L"C:\\Windows\\System32\\dfrgui.exe", L"C:\\Windows\\System32\\dfrgui.exe"},
      {false, L"cleanmgr.exe", L"cleanmgr.exe"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(NativeToolPath(row.file, L"C:\\Windows", row.redirected, in_sysnative), row.started);
  }
  // This test program is not redirected: a 64-bit one never is, and under
  // 32-bit Wine on a 32-bit prefix neither.
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  if (!wow64) {
    EXPECT_EQ(NativeToolPath(L"C:\\Windows\\System32\\a.exe"), L"C:\\Windows\\System32\\a.exe");
  }
}

}  // namespace
}  // namespace kelvara::win32
