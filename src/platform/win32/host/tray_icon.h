#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/tray.h"
#include "platform/tray_keeper.h"

namespace kelvara::win32::host {

// The private message the shell sends for mouse activity on our icon; its
// lParam carries the mouse message (WM_LBUTTONDOWN and so on).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The notification-area icon of one window, behind the behaviour's Tray: the
// shell calls of a TrayKeeper, which brings the icon back when the shell
// restarts (TaskbarCreated), loses it or was not ready when the program started.
class TrayIcon final : public platform::Tray, private platform::TrayShell {
 public:
  explicit TrayIcon(HICON icon);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Attach(HWND window) { window_ = window; }
  // A new picture for the icon (a new DPI); the shell gets it at once.
  void SetIcon(HICON icon);
  void Notify(platform::TrayCommand command, const platform::TrayIconData& data) override;

  // Offered every message of the window; handles the callback, the shell's
  // restart and the retry timer.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM w, LPARAM l);

  // Mouse activity on the icon, as the mouse message number.
  std::function<void(int mouse_message)> on_mouse;

  bool shown() const { return keeper_.shown(); }

  static constexpr UINT_PTR kRetryTimer = 0x7E1;

 private:
  NOTIFYICONDATAW Record(const platform::TrayIconData& data) const;
  [[nodiscard]] bool Add(const platform::TrayIconData& data) override;
  bool Modify(const platform::TrayIconData& data) override;
  bool Delete(const platform::TrayIconData& data) override;
  void ScheduleRetry(bool armed) override;

  HWND window_ = nullptr;
  HICON icon_;
  UINT taskbar_created_;
  // Last: its destructor removes the icon through the members above.
  platform::TrayKeeper keeper_{*this};
};

}  // namespace kelvara::win32::host
