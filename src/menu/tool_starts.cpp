#include "menu/tool_starts.h"

#include "platform/shell.h"

namespace kelvara {

const std::vector<ToolStart>& ToolStarts() {
  using platform::kComputerFolder;
  using platform::kShow;
  using platform::kShowNormal;
  constexpr const char* kDriveC = "c:\\";
  static const std::vector<ToolStart> starts = {
      {"Calc", true, nullptr, "calc.exe", kDriveC, kShowNormal},
      {"cleanmgr", true, nullptr, "cleanmgr.exe", kDriveC, kShowNormal},
      {"Commp", true, nullptr, "cmd.exe", kDriveC, kShowNormal},
      {"CtPanel", true, nullptr, "control.exe", kDriveC, kShowNormal},
      {"msinfo", true, nullptr, "msinfo32.exe", kDriveC, kShowNormal},
      {"MsPaint", true, nullptr, "mspaint.exe", kDriveC, kShowNormal},
      {"Notepad", true, nullptr, "notepad.exe", kDriveC, kShowNormal},
      {"Wab", true, nullptr, "wab.exe", kDriveC, kShowNormal},
      {"Wordpad", true, nullptr, "wordpad.exe", kDriveC, kShowNormal},
      {"tmgr", true, nullptr, "taskmgr.exe", "taskmgr.exe", kShow},
      {"expl", false, "open", "explorer.exe", kDriveC, kShowNormal},
      {"Find", false, "find", kDriveC, nullptr, kShowNormal},
      {"MyCom", true, nullptr, kComputerFolder, kComputerFolder, kShowNormal},
      // Older and newer systems keep these tools in different places; the
      // one that is missing fails silently.
      {"dfrg", true, nullptr, "dfrg.msc", kDriveC, kShowNormal},
      {"dfrg", true, nullptr, "C:\\Windows\\System32\\dfrgui.exe", kDriveC, kShowNormal},
      {"rstrui", true, nullptr, "C:\\Windows\\System32\\restore\\rstrui.exe", kDriveC, kShowNormal},
      {"rstrui", true, nullptr, "C:\\Windows\\System32\\rstrui.exe", kDriveC, kShowNormal},
  };
  return starts;
}

}  // namespace kelvara
