#pragma once

#include <vector>

namespace kelvara {

// One shell start of a tool item of the tray menu. An item with two rows
// starts both, in order, whatever the first did.
struct ToolStart {
  const char* item;
  bool owned;        // by the menu form's window; otherwise no window
  const char* verb;  // none: the default action
  const char* file;
  const char* directory;  // none: no directory
  int show;
};

const std::vector<ToolStart>& ToolStarts();

}  // namespace kelvara
