#include "platform/win32/host/tray_icon.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

// Between the tries while the shell is still starting.
constexpr UINT kRetryMilliseconds = 2000;

}  // namespace

UniqueIcon LoadTrayIcon(HINSTANCE instance, const wchar_t* resource) {
  if (resource == nullptr) return {};
  // comctl32 is not imported; Windows always has it, but look once and keep it.
  static const auto load_icon_metric =
      SystemFunction<decltype(&::LoadIconMetric)>(L"comctl32.dll", "LoadIconMetric");
  if (load_icon_metric != nullptr) {
    HICON icon = nullptr;
    if (SUCCEEDED(load_icon_metric(instance, resource, LIM_SMALL, &icon)) && icon != nullptr) {
      return UniqueIcon(icon);
    }
  }
  return UniqueIcon(
      static_cast<HICON>(LoadImageW(instance, resource, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
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
  const int size = GetSystemMetrics(SM_CXSMICON);
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
  if ((message == WM_DPICHANGED || message == WM_SETTINGCHANGE) && Reload(false) &&
      keeper_.shown()) {
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
