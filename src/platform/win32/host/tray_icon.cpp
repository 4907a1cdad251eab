#include "platform/win32/host/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

// Between the tries while the shell is still starting.
constexpr UINT kRetryMilliseconds = 2000;

}  // namespace

TrayIcon::TrayIcon(HICON icon)
    : icon_(icon), taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {}

NOTIFYICONDATAW TrayIcon::Record(const platform::TrayIconData& data) const {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window_;
  record.uID = data.id;
  // The record's flags name the same three fields the shell's do.
  record.uFlags = data.flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon_;
  const std::wstring tip =
      TrayTipText(data.tip.data(), data.tip.size(), std::size(record.szTip) - 1);
  std::copy(tip.begin(), tip.end(), record.szTip);
  return record;
}

void TrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  if (!keeper_.shown()) return;
  NOTIFYICONDATAW record = Record(keeper_.last());
  record.uFlags = NIF_ICON;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

bool TrayIcon::Add(const platform::TrayIconData& data) {
  NOTIFYICONDATAW record = Record(data);
  return Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

bool TrayIcon::Modify(const platform::TrayIconData& data) {
  NOTIFYICONDATAW record = Record(data);
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool TrayIcon::Delete(const platform::TrayIconData& data) {
  NOTIFYICONDATAW record = Record(data);
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
    keeper_.TaskbarCreated();
    return 0;
  }
  if (message == WM_TIMER && w == kRetryTimer) {
    keeper_.RetryTimer();
    return 0;
  }
  return std::nullopt;
}

}  // namespace kelvara::win32::host
