#pragma once

#include "platform/tray.h"

namespace kelvara::platform {

// What a modify hands the shell: the whole record, or only the tip, which
// leaves the icon alone so the shell has nothing to redraw.
enum class TrayChange { kAll, kTip };

// The shell's side of one notification icon; each call is true when the
// shell took it.
class TrayShell {
 public:
  virtual ~TrayShell() = default;
  virtual bool Add(const TrayIconData& data) = 0;
  virtual bool Modify(const TrayIconData& data, TrayChange change) = 0;
  virtual bool Delete(const TrayIconData& data) = 0;
  // Arms (or stops) the timer that calls TrayKeeper::RetryTimer.
  virtual void ScheduleRetry(bool armed) = 0;
};

// Keeps the behaviour's icon in the shell: puts it back when the shell has
// lost it, and adds it exactly once per loss. A loss shows itself twice — a
// modify fails, and a restarted shell announces its new taskbar — in either
// order; the announcement re-adds only when a modify proves the icon missing.
class TrayKeeper final : public Tray {
 public:
  explicit TrayKeeper(TrayShell& shell) : shell_(shell) {}
  ~TrayKeeper() override;
  TrayKeeper(const TrayKeeper&) = delete;
  TrayKeeper& operator=(const TrayKeeper&) = delete;

  void Notify(TrayCommand command, const TrayIconData& data) override;
  void TaskbarCreated();
  void RetryTimer();

  bool shown() const { return shown_; }
  const TrayIconData& last() const { return last_; }

  // The shell may still be starting when we do; it gets this many tries.
  static constexpr int kMostRetries = 30;

 private:
  void Add();

  TrayShell& shell_;
  TrayIconData last_{};
  bool wanted_ = false;  // the behaviour added it and has not removed it
  bool shown_ = false;   // the shell has it, as far as we know
  int retries_ = 0;
};

}  // namespace kelvara::platform
