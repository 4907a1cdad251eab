#include "platform/tray_keeper.h"

namespace kelvara::platform {
namespace {

bool OnlyTheTipDiffers(const TrayIconData& before, const TrayIconData& after) {
  TrayIconData with_old_tip = after;
  with_old_tip.tip = before.tip;
  return with_old_tip == before && after.tip != before.tip;
}

}  // namespace

TrayKeeper::~TrayKeeper() {
  if (shown_) shell_.Delete(last_);
}

void TrayKeeper::Add() {
  // A leftover icon of ours would make the add fail.
  shell_.Delete(last_);
  shown_ = shell_.Add(last_);
  if (shown_) {
    shell_.ScheduleRetry(false);
  } else if (retries_ < kMostRetries) {
    shell_.ScheduleRetry(true);
  }
}

void TrayKeeper::Notify(TrayCommand command, const TrayIconData& data) {
  // Every tick modifies the icon, though its tip changes once a second at
  // most; a repeat would only keep the shell busy.
  if (command == TrayCommand::kModify && shown_ && data == last_) return;
  const TrayChange change = OnlyTheTipDiffers(last_, data) ? TrayChange::kTip : TrayChange::kAll;
  last_ = data;
  switch (command) {
    case TrayCommand::kAdd:
      wanted_ = true;
      retries_ = 0;
      Add();
      break;
    case TrayCommand::kModify:
      // A failing modify means the shell lost the icon without telling us.
      if (shown_ && !shell_.Modify(last_, change)) Add();
      break;
    case TrayCommand::kDelete:
      wanted_ = false;
      shell_.ScheduleRetry(false);
      shell_.Delete(last_);
      shown_ = false;
      break;
  }
}

void TrayKeeper::TaskbarCreated() {
  if (!wanted_) return;
  // A failing modify may have put it back already. The whole record goes, so
  // a taskbar at a new scale gets the icon reloaded for it.
  if (shown_ && shell_.Modify(last_, TrayChange::kAll)) return;
  retries_ = 0;
  Add();
}

void TrayKeeper::RetryTimer() {
  ++retries_;
  if (!wanted_ || shown_ || retries_ >= kMostRetries) {
    shell_.ScheduleRetry(false);
  } else {
    Add();
  }
}

}  // namespace kelvara::platform
