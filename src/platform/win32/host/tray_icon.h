#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/tray.h"
#include "platform/tray_keeper.h"
#include "platform/win32/raii.h"

namespace kelvara::win32::host {

// The private message the shell sends for mouse activity on our icon; its
// lParam carries the mouse message (WM_LBUTTONDOWN and so on).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The taskbar's small-icon size: at the primary monitor's DPI now, not the
// system's or any window's.
int TraySmallIconSize();

// An icon resource at that size. Nothing when the resource is missing.
[[nodiscard]] UniqueIcon LoadTrayIcon(HINSTANCE instance, const wchar_t* resource);

// The shell's record for one call: a tip change names only the tip, so the
// shell keeps the icon it has.
NOTIFYICONDATAW TrayRecord(HWND window, HICON icon, const platform::TrayIconData& data,
                           platform::TrayChange change);

// The notification-area icon of one window, behind the behaviour's Tray: the
// shell calls of a TrayKeeper, which brings the icon back when the shell
// restarts (TaskbarCreated), loses it or was not ready when the program started.
// It loads its own picture for the taskbar, and again when the taskbar is made
// anew or the DPI or the system's settings change.
class TrayIcon final : public platform::Tray, private platform::TrayShell {
 public:
  // No resource: an icon without a picture (tests).
  TrayIcon(HINSTANCE instance, const wchar_t* resource);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Attach(HWND window) { window_ = window; }
  void Notify(platform::TrayCommand command, const platform::TrayIconData& data) override;

  // Offered every message of the window; handles the callback, the shell's
  // restart and the retry timer, and looks at DPI and setting changes, which
  // it leaves to the window as well.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM w, LPARAM l);

  // Mouse activity on the icon, as the mouse message number.
  std::function<void(int mouse_message)> on_mouse;

  bool shown() const { return keeper_.shown(); }
  HICON icon() const { return icon_.get(); }

  static constexpr UINT_PTR kRetryTimer = 0x7E1;

 private:
  // Loads the picture again when the small-icon size has changed, or always;
  // true when it did.
  bool Reload(bool always);
  [[nodiscard]] bool Add(const platform::TrayIconData& data) override;
  bool Modify(const platform::TrayIconData& data, platform::TrayChange change) override;
  bool Delete(const platform::TrayIconData& data) override;
  void ScheduleRetry(bool armed) override;

  HINSTANCE instance_;
  const wchar_t* resource_;
  HWND window_ = nullptr;
  UniqueIcon icon_;
  int icon_size_ = 0;  // the small-icon size it was loaded for
  UINT taskbar_created_;
  // Last: its destructor removes the icon through the members above.
  platform::TrayKeeper keeper_{*this};
};

}  // namespace kelvara::win32::host
