#include "platform/win32/host/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/win32/monitors.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

// Between the tries while the shell is still starting.
constexpr UINT kRetryMilliseconds = 2000;

}  // namespace

int TraySmallIconSize() {
  // The notification area draws at the primary monitor's DPI, which is not
  // the system's once the user changes the scale after signing in.
  return GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(DesktopDpi()));
}

UniqueIcon LoadTrayIcon(HINSTANCE instance, const wchar_t* resource) {
  if (resource == nullptr) return {};
  // The icon group holds each small size from 100 to 200 %, so the system
  // picks an exact image; LoadIconMetric would do the same at the cost of
  // comctl32 in every idle monitor.
  const int size = TraySmallIconSize();
  return UniqueIcon(
      static_cast<HICON>(LoadImageW(instance, resource, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

NOTIFYICONDATAW TrayRecord(HWND window, HICON icon, const platform::TrayIconData& data,
                           platform::TrayChange change) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  record.uID = data.id;
  // The record's flags name the same three fields the shell's do.
  const UINT valid = data.flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
  record.uFlags = change == platform::TrayChange::kTip ? (valid & NIF_TIP) : valid;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  const std::wstring tip =
      TrayTipText(data.tip.data(), data.tip.size(), std::size(record.szTip) - 1);
  std::copy(tip.begin(), tip.end(), record.szTip);
  return record;
}

TrayIcon::TrayIcon(HINSTANCE instance, const wchar_t* resource)
    : instance_(instance),
      resource_(resource),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
  Reload(true);
}

bool TrayIcon::Reload(bool always) {
  const int size = TraySmallIconSize();
  if (!always && size == icon_size_) return false;
  UniqueIcon icon = LoadTrayIcon(instance_, resource_);
  if (!icon) return false;  // the old picture is better than none
  // The shell copies the icon at each call, so the old one may go now.
  icon_ = std::move(icon);
  icon_size_ = size;
  return true;
}

bool TrayIcon::Add(const platform::TrayIconData& data) {
  NOTIFYICONDATAW record = TrayRecord(window_, icon_.get(), data, platform::TrayChange::kAll);
  return Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

bool TrayIcon::Modify(const platform::TrayIconData& data, platform::TrayChange change) {
  NOTIFYICONDATAW record = TrayRecord(window_, icon_.get(), data, change);
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool TrayIcon::Delete(const platform::TrayIconData& data) {
  NOTIFYICONDATAW record = TrayRecord(window_, icon_.get(), data, platform::TrayChange::kAll);
  return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

void TrayIcon::ScheduleRetry(bool armed) {
  if (armed) {
    SetTimer(window_, kRetryTimer, kRetryMilliseconds, nullptr);
  } else {
    KillTimer(window_, kRetryTimer);
  }
}

void TrayIcon::Notify(platform::TrayCommand command, const platform::TrayIconData& data) {
  keeper_.Notify(command, data);
}

std::optional<LRESULT> TrayIcon::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  if (message == kTrayCallbackMessage) {
    if (on_mouse) on_mouse(static_cast<int>(LOWORD(l)));
    return 0;
  }
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    // A new taskbar may be at a new scale; the keeper sends it the picture.
    Reload(true);
    keeper_.TaskbarCreated();
    return 0;
  }
  const bool scale_may_change =
      message == WM_DPICHANGED || message == WM_SETTINGCHANGE || message == WM_DISPLAYCHANGE;
  // Offered these before the window's host, which also asks the scale again.
  if (scale_may_change) ForgetDesktopDpi();
  if (scale_may_change && Reload(false) && keeper_.shown()) {
    NOTIFYICONDATAW record =
        TrayRecord(window_, icon_.get(), keeper_.last(), platform::TrayChange::kAll);
    record.uFlags = NIF_ICON;
    Shell_NotifyIconW(NIM_MODIFY, &record);
    // The window has its own work to do with these.
  }
  if (message == WM_TIMER && w == kRetryTimer) {
    keeper_.RetryTimer();
    return 0;
  }
  return std::nullopt;
}

}  // namespace kelvara::win32::host
