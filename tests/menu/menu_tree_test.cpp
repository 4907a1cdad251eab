#include <gtest/gtest.h>

#include <algorithm>

#include "menu/menu_design.h"
#include "menu/menu_form.h"
#include "program/program_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;
using MenuTreeTest = ProgramTest;

// Every item as "indent name caption", depth first.
void Flatten(const ui::MenuItem& item, const std::string& indent, Strings& out) {
  out.push_back(indent + item.name + " " + item.caption);
  for (const ui::MenuItem& child : item.children) Flatten(child, indent + "  ", out);
}

TEST_F(MenuTreeTest, TreeAndCaptionsAsTheUserReadsThem) {
  Strings items;
  Flatten(MenuTree(), "", items);
  EXPECT_EQ(items, (Strings{
                       "DMn DMn",
                       "  MemClr メモリ開放",
                       "  MntrCstmz 設定",
                       "  Wpos 位置",
                       "    Pstn 位置の設定",
                       "    Mposi 設定した位置に戻す",
                       "  ClnUp クリーンアップ",
                       "    Emp ごみ箱を空にする",
                       "    cleanmgr ディスク クリーンアップ",
                       "    FleDel 最近使ったファイルの削除",
                       "    ClipBoadClr クリップボードのクリア",
                       "  Acc アクセサリ",
                       "    Wab アドレス帳",
                       "    expl エクスプローラ",
                       "    Commp コマンド プロンプト",
                       "    MsPaint ペイント",
                       "    Notepad メモ帳",
                       "    Wordpad ワードパッド",
                       "    Calc 電卓",
                       "  SysTool システム",
                       "    SysIfo システムのプロパティ",
                       "    tmgr タスクマネージャ",
                       "    CtPanel コントロールパネル",
                       "    rstrui システムの復元",
                       "    msinfo システム情報",
                       "    dfrg ディスク デフラグ",
                       "  MyCom マイ コンピュータ",
                       "  Find 検索",
                       "  verInfo バージョン情報",
                       "  WinStDwn Windowsの終了",
                       "    WinStDwnOp 終了オプション",
                       "  DTMnEnd アプリケーションの終了",
                   }));
}

TEST_F(MenuTreeTest, FormHoldsTheHiddenFieldAndButtonAndIsNeverShown) {
  main.SetText("OsVer", "5.1");
  Tray(516);
  ui::Form& form = windows().Find("frmDTMnMenu")->form();
  EXPECT_EQ(form.window().caption, "Menu Window");
  EXPECT_FALSE(form.window().visible);
  ASSERT_EQ(form.controls().size(), 2u);
  EXPECT_EQ(form.controls()[0].name, "OsVer");
  EXPECT_EQ(form.controls()[0].kind, ui::ControlKind::kTextField);
  EXPECT_FALSE(form.controls()[0].visible);
  EXPECT_EQ(form.controls()[1].name, "cmdRBinEmp");
  EXPECT_EQ(form.controls()[1].kind, ui::ControlKind::kButton);
  EXPECT_EQ(form.controls()[1].caption, "cmdRBinEmp");
  EXPECT_FALSE(form.controls()[1].visible);
}

const Strings kAllCommands = {
    "MemClr",      "MntrCstmz", "Pstn",    "Mposi",      "Emp",     "cleanmgr", "FleDel",
    "ClipBoadClr", "Wab",       "expl",    "Commp",      "MsPaint", "Notepad",  "Wordpad",
    "Calc",        "SysIfo",    "tmgr",    "CtPanel",    "rstrui",  "msinfo",   "dfrg",
    "MyCom",       "Find",      "verInfo", "WinStDwnOp", "DTMnEnd",
};

Strings Without(Strings all, const Strings& hidden) {
  all.erase(std::remove_if(all.begin(), all.end(),
                           [&](const std::string& name) {
                             return std::find(hidden.begin(), hidden.end(), name) != hidden.end();
                           }),
            all.end());
  return all;
}

TEST_F(MenuTreeTest, LoadPrunesByTheWindowsVersion) {
  const struct {
    const char* version;
    Strings hidden;
  } cases[] = {
      {"5.1", {}},
      {"", {}},
      {"Windows", {}},
      {"5.99", {}},
      {"6", {"rstrui", "dfrg"}},
      {"6.1", {"rstrui", "dfrg"}},
      {"6.19", {"rstrui", "dfrg"}},
      {"6.2", {"rstrui", "dfrg", "FleDel"}},
      {"10.0", {"rstrui", "dfrg", "FleDel"}},
  };
  ASSERT_EQ(kAllCommands.size(), 26u);
  for (const auto& c : cases) {
    Program p;
    p.main.SetText("OsVer", c.version);
    p.Tray(516);
    ASSERT_EQ(p.fake.popups.size(), 1u);
    EXPECT_EQ(p.fake.popups[0], Without(kAllCommands, c.hidden)) << c.version;
  }
}

TEST_F(MenuTreeTest, EveryLoadStartsFromTheStoredTreeAndPrunesAgain) {
  main.SetText("OsVer", "10.0");
  Choose("Emp");  // the recycle-bin command unloads the menu form
  EXPECT_FALSE(windows().IsLoaded("frmDTMnMenu"));
  main.SetText("OsVer", "6.1");
  Tray(517);
  ASSERT_EQ(fake.popups.size(), 2u);
  EXPECT_EQ(fake.popups[0], Without(kAllCommands, {"rstrui", "dfrg", "FleDel"}));
  EXPECT_EQ(fake.popups[1], Without(kAllCommands, {"rstrui", "dfrg"}));
}

TEST_F(MenuTreeTest, ALoadedMenuKeepsItsPruningUntilUnloaded) {
  main.SetText("OsVer", "6.2");
  Tray(516);
  main.SetText("OsVer", "5.1");
  Tray(517);
  ASSERT_EQ(fake.popups.size(), 2u);
  EXPECT_EQ(fake.popups[1], fake.popups[0]);
}

// The host offers only what is shown; a name that reaches the menu otherwise
// (a hidden command, a submenu, an unknown name) does nothing.
TEST_F(MenuTreeTest, OnlyReachableCommandsRun) {
  main.SetText("OsVer", "10.0");
  for (const char* name : {"FleDel", "rstrui", "dfrg", "ClnUp", "DMn", "Nothing"}) {
    Choose(name);
  }
  EXPECT_TRUE(fake.CallsStartingWith("Shell.").empty());
  EXPECT_TRUE(fake.messages.empty());
}

}  // namespace
}  // namespace kelvara::testing
