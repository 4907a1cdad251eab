#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "main_window/main_window_controls.h"
#include "platform/platform.h"
#include "store/user_data_store.h"
#include "ui/form.h"

namespace kelvara {

// The bars of the usage rows, which the memory release borrows for its
// progress.
inline constexpr float kBarLeft = 720;
inline constexpr float kBarFullWidth = 2595;  // 100 %

// Where a refresh takes a row's figures from: the memory status, or the total
// the user typed in (`RTUl`, `PFUl`) with a counter.
enum class FigureSource { kSystem, kUser };

// The main window `frmDTMn`: its form, its hidden fields and every handler of
// the monitor window, as portable behaviour over the platform interfaces.
// Handlers keep their design names; their bodies live in files by concern
// (start-up, store flow, placement, appearance, refresh, clock, moon).
class MainWindow {
 public:
  explicit MainWindow(platform::Platform& platform);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ui::Form& form() { return form_; }
  const ui::Form& form() const { return form_; }
  MainWindowControls& controls() { return c_; }

  // A hidden text field's text, by name (the settings and working values),
  // for the other windows.
  const std::string& Text(std::string_view field) const { return form_[field].caption; }
  void SetText(std::string_view field, std::string_view text);
  // A field's new text; a changed age redraws the moon.
  void SetText(ui::Control& field, std::string_view text);

  // The 31 setting fields as a record, and back.
  SettingsRecord Settings() const;
  void SetSettings(const SettingsRecord& record);

  // Start-up and end.
  void Form_Load();
  void cmdClose_Click();
  void Form_Unload();
  bool ended() const { return ended_; }

  // The user data store.
  void LoadUsrData(int record_number);
  void TrimSettings();
  void cmdSave_Click();
  void cmdReset_Click();

  // Placement and position editing.
  void PstnMove_MouseDown(int button, int shift, float x, float y);
  void PstnMove_MouseMove(int button, int shift, float x, float y);
  void cmdPstnSave_Click();
  void cmdFstPstn_Click();
  void Command1_Click();  // shows the page-file row
  void Command2_Click();  // hides it
  void ShowPageFileLayout();
  void HidePageFileLayout();
  // The editing height, entered from the tray menu.
  void EnterPositionEditing();

  // Appearance.
  void ApplySettings();
  void ApplyDefaults();
  void SelectRefreshTimer();

  // Refresh cycle.
  void TmrNN_Timer() { RefreshDisplay(FigureSource::kSystem, FigureSource::kSystem); }
  void TmrRN_Timer() { RefreshDisplay(FigureSource::kUser, FigureSource::kSystem); }
  void TmrNP_Timer() { RefreshDisplay(FigureSource::kSystem, FigureSource::kUser); }
  void TmrRP_Timer() { RefreshDisplay(FigureSource::kUser, FigureSource::kUser); }
  void TmrRS_Timer();
  void RefreshDisplay(FigureSource ram, FigureSource page_file);

  // Clock and moon.
  void DrawAnalogClock();
  void CalcMoonAge();
  void txtAge_Change();

  // Run by the restart after a memory release, before the refresh timer is
  // chosen again: closes the memory-release and menu windows.
  std::function<void()> unload_after_release;

  // The tray icon's record, as last sent to the shell.
  const platform::TrayIconData& tray_data() const { return tray_; }

  // Window-level integers of the store flow.
  int RecNo() const { return record_number_; }
  int RecCount() const { return record_count_; }

 private:
  void WireHandlers();
  // The stages of Form_Load.
  bool RefuseSecondInstance();
  void PrepareHiddenWindow();
  void ShowStartDateAndTime();
  bool ReadWindowsVersion();
  void AddTrayIcon();
  void GatherUserFacts();
  void ApplyStoreOrDefaults();
  void WriteDateFields(const platform::LocalTime& now);
  void RefreshDateAndClock(const platform::LocalTime& now);
  void RefreshMemoryTotals();
  void ShowStoreFailure(const StoreStatus& status);
  void UpdateTrayTip(const platform::LocalTime& now);

  platform::Platform& platform_;
  ui::Form form_;
  MainWindowControls c_;  // found in form_, so made after it
  platform::TrayIconData tray_;
  int record_number_ = 0;
  int record_count_ = 0;
  std::int16_t drag_x_ = 0;
  std::int16_t drag_y_ = 0;
  bool tray_added_ = false;
  bool ended_ = false;
};

// Title of every message box of the program.
inline constexpr const char* kMessageTitle = "TavoroII";

}  // namespace kelvara
