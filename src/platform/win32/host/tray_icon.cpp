#include "platform/win32/host/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

// The shell may still be starting when we do; it gets this long.
constexpr int kMostRetries = 30;
constexpr UINT kRetryMilliseconds = 2000;

}  // namespace

TrayIcon::TrayIcon(HICON icon)
    : icon_(icon), taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
  if (shown_) {
    NOTIFYICONDATAW record = Record(last_);
    Shell_NotifyIconW(NIM_DELETE, &record);
  }
}

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
  if (!shown_) return;
  NOTIFYICONDATAW record = Record(last_);
  record.uFlags = NIF_ICON;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

bool TrayIcon::Add() {
  NOTIFYICONDATAW record = Record(last_);
  // A leftover icon of ours (a crash, a restart) would make the add fail.
  if (!shown_) Shell_NotifyIconW(NIM_DELETE, &record);
  shown_ = Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
  if (shown_) {
    KillTimer(window_, kRetryTimer);
  } else if (retries_ < kMostRetries) {
    SetTimer(window_, kRetryTimer, kRetryMilliseconds, nullptr);
  }
  return shown_;
}

void TrayIcon::Notify(platform::TrayCommand command, const platform::TrayIconData& data) {
  // Every tick modifies the icon, though its tip changes once a second at
  // most; a repeat would only keep the shell busy.
  if (command == platform::TrayCommand::kModify && shown_ && data == last_) return;
  last_ = data;
  switch (command) {
    case platform::TrayCommand::kAdd:
      wanted_ = true;
      retries_ = 0;
      Add();
      break;
    case platform::TrayCommand::kModify:
      if (shown_) {
        NOTIFYICONDATAW record = Record(last_);
        if (Shell_NotifyIconW(NIM_MODIFY, &record) == FALSE) {
          // The shell lost it without telling us: put it back.
          shown_ = false;
          Add();
        }
      }
      break;
    case platform::TrayCommand::kDelete: {
      wanted_ = false;
      KillTimer(window_, kRetryTimer);
      NOTIFYICONDATAW record = Record(last_);
      Shell_NotifyIconW(NIM_DELETE, &record);
      shown_ = false;
      break;
    }
  }
}

std::optional<LRESULT> TrayIcon::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  if (message == kTrayCallbackMessage) {
    if (on_mouse) on_mouse(static_cast<int>(LOWORD(l)));
    return 0;
  }
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    shown_ = false;
    if (wanted_) Add();
    return 0;
  }
  if (message == WM_TIMER && w == kRetryTimer) {
    ++retries_;
    if (!wanted_ || shown_ || retries_ >= kMostRetries) {
      KillTimer(window_, kRetryTimer);
    } else {
      Add();
    }
    return 0;
  }
  return std::nullopt;
}

}  // namespace kelvara::win32::host
