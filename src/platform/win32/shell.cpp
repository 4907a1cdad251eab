#include "platform/win32/shell.h"

#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/win32/native_paths.h"
#include "platform/win32/raii.h"
#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// A text for the shell that may be a null pointer.
class WideArgument {
 public:
  explicit WideArgument(platform::OptionalText text) {
    if (text) text_ = Widen(*text);
  }
  LPCWSTR get() const { return text_ ? text_->c_str() : nullptr; }

 private:
  std::optional<std::wstring> text_;
};

void ShowShellShutDownDialog() {
  // Shell.Application lives in an apartment; join one for the call.
  ComApartment com;
  ComPtr<IShellDispatch> shell;
  if (FAILED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IShellDispatch, shell.put_void()))) {
    return;
  }
  shell->ShutdownWindows();
}

}  // namespace

ShellCalls SystemShellCalls() {
  return ShellCalls{
      ShellExecuteExW,
      SHEmptyRecycleBinW,
      SHAddToRecentDocs,
      ShowShellShutDownDialog,
      [](const std::wstring& file) { return NativeToolPath(file); },
  };
}

Win32Shell::Win32Shell(FindWindowFunction find_window, ShellCalls calls)
    : find_window_(std::move(find_window)), calls_(std::move(calls)) {}

void Win32Shell::EnterCom() {
  if (!com_) com_.emplace();
}

HWND Win32Shell::WindowOf(platform::OwnerWindow owner) const {
  if (owner.empty() || !find_window_) return nullptr;
  return find_window_(owner);
}

void Win32Shell::Execute(platform::OwnerWindow owner, platform::OptionalText verb,
                         std::string_view file, platform::OptionalText parameters,
                         platform::OptionalText directory, int show) {
  EnterCom();
  const WideArgument wide_verb(verb), wide_parameters(parameters), wide_directory(directory);
  std::wstring wide_file = Widen(file);
  if (calls_.native_path) wide_file = calls_.native_path(wide_file);
  // ShellExecuteW's six arguments, without the shell's error box.
  SHELLEXECUTEINFOW call{};
  call.cbSize = sizeof call;
  call.fMask = SEE_MASK_FLAG_NO_UI;
  call.hwnd = WindowOf(owner);
  call.lpVerb = wide_verb.get();
  call.lpFile = wide_file.c_str();
  call.lpParameters = wide_parameters.get();
  call.lpDirectory = wide_directory.get();
  call.nShow = show;
  static_cast<void>(calls_.execute_ex(&call));  // a failed start is silent
}

bool Win32Shell::ExecuteEx(const platform::ShellExecuteInfo& info) {
  EnterCom();
  const WideArgument verb(info.verb), parameters(info.parameters), directory(info.directory);
  const std::wstring file = Widen(info.file);
  SHELLEXECUTEINFOW call{};
  call.cbSize = sizeof call;
  call.fMask = info.mask;
  call.hwnd = WindowOf(info.owner);
  call.lpVerb = verb.get();
  call.lpFile = file.c_str();
  call.lpParameters = parameters.get();
  call.lpDirectory = directory.get();
  call.nShow = info.show;
  const bool done = calls_.execute_ex(&call) != FALSE;
  // Asked for with SEE_MASK_NOCLOSEPROCESS, but nobody here waits on it.
  UniqueHandle process(call.hProcess);
  return done;
}

void Win32Shell::EmptyRecycleBin(platform::OwnerWindow owner, std::string_view root,
                                 unsigned flags) {
  EnterCom();
  const std::wstring wide_root = Widen(root);
  calls_.empty_recycle_bin(WindowOf(owner), wide_root.c_str(), flags);
}

void Win32Shell::AddToRecentDocs(unsigned flags, platform::OptionalText path) {
  EnterCom();
  if (!path) {
    calls_.add_to_recent_docs(flags, nullptr);
    return;
  }
  // Only a path as text can be passed on; item lists and links cannot come
  // from a text.
  if (flags != SHARD_PATHA && flags != SHARD_PATHW) return;
  const std::wstring wide_path = Widen(*path);
  calls_.add_to_recent_docs(SHARD_PATHW, wide_path.c_str());
}

void Win32Shell::ShowShutDownDialog() {
  EnterCom();
  calls_.shut_down_dialog();
}

}  // namespace kelvara::win32
