#include "menu/menu_form.h"

#include "menu/menu_design.h"
#include "menu/tool_starts.h"
#include "text/number_text.h"
#include "ui/window_names.h"

namespace kelvara {

MenuForm::MenuForm(MainWindow& main, platform::Platform& platform, ui::WindowSet& windows)
    : main_(main),
      platform_(platform),
      windows_(windows),
      form_(kMenuFormName, MenuFormFrame(), MenuFormDesign()),
      menu_(MenuTree()) {
  WireCommands();
}

void MenuForm::WireCommands() {
  for (const ToolStart& start : ToolStarts()) {
    menu_[start.item].on_click = [this, item = start.item] { StartTool(item); };
  }
  menu_["MemClr"].on_click = [this] { MemClr_Click(); };
  menu_["MntrCstmz"].on_click = [this] { MntrCstmz_Click(); };
  menu_["Pstn"].on_click = [this] { Pstn_Click(); };
  menu_["Mposi"].on_click = [this] { Mposi_Click(); };
  menu_["Emp"].on_click = [this] { Emp_Click(); };
  menu_["FleDel"].on_click = [this] { FleDel_Click(); };
  menu_["ClipBoadClr"].on_click = [this] { ClipBoadClr_Click(); };
  menu_["SysIfo"].on_click = [this] { SysIfo_Click(); };
  menu_["verInfo"].on_click = [this] { verInfo_Click(); };
  menu_["WinStDwnOp"].on_click = [this] { WinStDwnOp_Click(); };
  menu_["DTMnEnd"].on_click = [this] { DTMnEnd_Click(); };
  form_["cmdRBinEmp"].on_click = [this] { cmdRBinEmp_Click(); };
}

void MenuForm::Form_Load() {
  // Tools that moved or went away in later versions of Windows.
  if (LeadingNumber(main_.Text("OsVer")) >= 6) {
    menu_["rstrui"].visible = false;
    menu_["dfrg"].visible = false;
  }
  if (LeadingNumber(main_.Text("OsVer")) >= 6.2) menu_["FleDel"].visible = false;
}

void MenuForm::StartTool(std::string_view item) {
  for (const ToolStart& start : ToolStarts()) {
    if (start.item != item) continue;
    const auto text = [](const char* value) -> platform::OptionalText {
      if (value == nullptr) return std::nullopt;
      return value;
    };
    platform_.shell.Execute(start.owned ? kMenuFormName : "", text(start.verb), start.file,
                            std::nullopt, text(start.directory), start.show);
  }
}

void MenuForm::MemClr_Click() { windows_.Show(kMemoryReleaseName); }
void MenuForm::MntrCstmz_Click() { windows_.Show(kSetupName); }
void MenuForm::Pstn_Click() { main_.EnterPositionEditing(); }
void MenuForm::Mposi_Click() { main_.form().Press("cmdFstPstn"); }
void MenuForm::Emp_Click() { form_.Press("cmdRBinEmp"); }

void MenuForm::cmdRBinEmp_Click() {
  // Flags 0: the shell asks first and shows its progress.
  platform_.shell.EmptyRecycleBin(kMenuFormName, "", 0);
  windows_.Unload(*this);
}

void MenuForm::FleDel_Click() {
  constexpr unsigned kPathA = 2;  // SHARD_PATHA; with no path the list is cleared
  platform_.shell.AddToRecentDocs(kPathA, std::nullopt);
  platform_.messages.Show(kMenuFormName, "削除しました。", kMessageTitle);
}

void MenuForm::ClipBoadClr_Click() { platform_.clipboard.Clear(); }

void MenuForm::SysIfo_Click() {
  platform::ShellExecuteInfo info;
  info.mask = 0x44C;  // invoke the item list, no error dialogs of the shell's own
  info.owner = kMenuFormName;
  info.verb = "properties";
  info.file = platform::kComputerFolder;
  if (!platform_.shell.ExecuteEx(info))
    platform_.messages.Show(kMenuFormName, "表示に失敗しました", kMessageTitle);
}

void MenuForm::verInfo_Click() { windows_.Show(kVersionDialogName); }

// Only the shell's own dialog: closing every top-level window would end other
// programs and lose their unsaved work.
void MenuForm::WinStDwnOp_Click() { platform_.shell.ShowShutDownDialog(); }

void MenuForm::DTMnEnd_Click() { main_.form().Press("cmdClose"); }

}  // namespace kelvara
