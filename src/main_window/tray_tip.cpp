// The tray icon's tip, rewritten by every refresh tick.
#include <algorithm>
#include <cstdio>
#include <string>

#include "main_window/main_window.h"
#include "text/cp932.h"

namespace kelvara {

void MainWindow::UpdateTrayTip(const platform::LocalTime& now) {
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02d:%02d", now.hour, now.minute);

  std::string text = platform_.clock.LongDate(now);
  text.reserve(text.size() + 96);
  text += ' ';
  text += clock;
  text += " 月齢";
  text += c_.txtAge.caption;
  text += "日";
  text += '\r';
  text += " CPU: ";
  text += c_.lblCPer.caption;
  text += " / RAM: ";
  text += c_.lblRPer.caption;
  text += " / Disk: ";
  text += c_.lblDPer.caption;
  text += '\0';

  // Bytes from index 0 up, at most the 65 of the buffer, never half of a
  // double-byte character. Bytes past the copied length keep their contents,
  // except that a cut which drops the lead byte of a character at the end ends
  // the text with a NUL right after the cut.
  const std::string bytes = cp932::FromUtf8(text);
  const std::size_t limit = std::min(bytes.size(), tray_.tip.size());
  const std::size_t length = cp932::CutAtCharacter(bytes, limit);
  std::copy_n(bytes.begin(), length, tray_.tip.begin());
  if (length < limit) tray_.tip[length] = '\0';

  platform_.tray.Notify(platform::TrayCommand::kModify, tray_);
}

}  // namespace kelvara
