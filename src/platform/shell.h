#pragma once

#include <optional>
#include <string_view>

namespace kelvara::platform {

// The window that owns a shell call, named by its form ("frmLnchr"); the empty
// name is no window at all (a null handle).
using OwnerWindow = std::string_view;

// A text argument that may be absent, which the shell receives as a null
// pointer rather than as an empty text.
using OptionalText = std::optional<std::string_view>;

// The My Computer folder by its class identifier.
inline constexpr const char* kComputerFolder = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

// Show commands.
inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
inline constexpr int kShow = 5;        // SW_SHOW

// What ShellExecuteEx is asked; fields not named here are zero.
struct ShellExecuteInfo {
  unsigned mask = 0;
  OwnerWindow owner;
  OptionalText verb;
  std::string_view file;
  OptionalText parameters;
  OptionalText directory;
  int show = 0;
};

// Starts and clean-up calls of the shell. Callers never examine a start's
// result: a tool that does not start fails silently.
class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecute: a program, document, folder or shell object by name.
  virtual void Execute(OwnerWindow owner, OptionalText verb, std::string_view file,
                       OptionalText parameters, OptionalText directory, int show) = 0;
  // ShellExecuteEx; true when the shell did what was asked. A process handle
  // the call returns is closed by the platform, never handed out.
  [[nodiscard]] virtual bool ExecuteEx(const ShellExecuteInfo& info) = 0;
  // SHEmptyRecycleBin; an empty root is every drive.
  virtual void EmptyRecycleBin(OwnerWindow owner, std::string_view root, unsigned flags) = 0;
  // SHAddToRecentDocs; a null path with SHARD_PATHA clears the list.
  virtual void AddToRecentDocs(unsigned flags, OptionalText path) = 0;
  // The shell's own dialog of shut-down choices. Nothing is sent to other
  // windows: the user decides there, and programs with unsaved work ask.
  virtual void ShowShutDownDialog() = 0;
};

}  // namespace kelvara::platform
