#pragma once

#include <string_view>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "ui/menu.h"
#include "ui/window_set.h"

namespace kelvara {

// The tray menu's form `frmDTMnMenu`: never shown, it owns the menu tree and
// the commands. Each load prunes the tree for the Windows version.
class MenuForm final : public ui::Window {
 public:
  MenuForm(MainWindow& main, platform::Platform& platform, ui::WindowSet& windows);

  ui::Form& form() override { return form_; }
  ui::Menu& menu() { return menu_; }
  void Form_Load() override;

  // The item the user chose in the popup.
  bool Choose(std::string_view item) { return menu_.Choose(item); }

  void MemClr_Click();
  void MntrCstmz_Click();
  void Pstn_Click();
  void Mposi_Click();
  void Emp_Click();
  void cmdRBinEmp_Click();
  void FleDel_Click();
  void ClipBoadClr_Click();
  void SysIfo_Click();
  void verInfo_Click();
  void WinStDwnOp_Click();
  void DTMnEnd_Click();

 private:
  void WireCommands();
  void StartTool(std::string_view item);

  MainWindow& main_;
  platform::Platform& platform_;
  ui::WindowSet& windows_;
  ui::Form form_;
  ui::Menu menu_;
};

}  // namespace kelvara
