#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string_view>

#include "platform/shell.h"
#include "platform/win32/find_window.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {

// The shell's entry points, replaceable so that tests see the exact arguments
// without starting anything.
struct ShellCalls {
  std::function<BOOL(SHELLEXECUTEINFOW*)> execute_ex;
  std::function<HRESULT(HWND, LPCWSTR, DWORD)> empty_recycle_bin;
  std::function<void(UINT, LPCVOID)> add_to_recent_docs;
  // The shell's "shut down Windows" dialog.
  std::function<void()> shut_down_dialog;
  // The file a start names, as this process must name it (NativeToolPath).
  std::function<std::wstring(const std::wstring&)> native_path;
};

// The real ones.
ShellCalls SystemShellCalls();

// Shell starts and clean-up calls with UTF-8 texts made wide. An absent text
// goes to the shell as a null pointer, an empty one as "". A start never
// shows the shell's own error box: a tool that does not start fails silently.
class Win32Shell final : public platform::Shell {
 public:
  explicit Win32Shell(FindWindowFunction find_window, ShellCalls calls = SystemShellCalls());

  void Execute(platform::OwnerWindow owner, platform::OptionalText verb, std::string_view file,
               platform::OptionalText parameters, platform::OptionalText directory,
               int show) override;
  bool ExecuteEx(const platform::ShellExecuteInfo& info) override;
  void EmptyRecycleBin(platform::OwnerWindow owner, std::string_view root, unsigned flags) override;
  // A path given as ANSI text (SHARD_PATHA) goes to the shell as wide text
  // (SHARD_PATHW), so that any file name survives; a null path clears the
  // list whatever the flags.
  void AddToRecentDocs(unsigned flags, platform::OptionalText path) override;
  void ShowShutDownDialog() override;

 private:
  HWND WindowOf(platform::OwnerWindow owner) const;
  void EnterCom();

  // The shell's verbs and folders may use COM on the calling thread. Entered
  // on the first shell call: an idle monitor then never loads COM.
  std::optional<ComApartment> com_;
  FindWindowFunction find_window_;
  ShellCalls calls_;
};

}  // namespace kelvara::win32
