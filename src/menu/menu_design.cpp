#include "menu/menu_design.h"

#include "ui/controls.h"

#include <initializer_list>
#include <utility>

namespace kelvara {
namespace {

using ui::MenuItem;

MenuItem Item(const char* name, const char* caption,
              std::initializer_list<MenuItem> children = {}) {
  MenuItem item;
  item.name = name;
  item.caption = caption;
  item.children = children;
  return item;
}

}  // namespace

ui::FormWindow MenuFormFrame() {
  ui::FormWindow w;
  w.caption = "Menu Window";
  return w;
}

std::vector<ui::Control> MenuFormDesign() {
  ui::Control empty_bin = ui::MakeButton("cmdRBinEmp", "cmdRBinEmp", {}, {});
  empty_bin.visible = false;
  return {ui::MakeHiddenField("OsVer"), std::move(empty_bin)};
}

MenuItem MenuTree() {
  return Item(
      "DMn", "DMn",
      {
          Item("MemClr", "メモリ開放"),
          Item("MntrCstmz", "設定"),
          Item("Wpos", "位置", {Item("Pstn", "位置の設定"), Item("Mposi", "設定した位置に戻す")}),
          Item("ClnUp", "クリーンアップ",
               {Item("Emp", "ごみ箱を空にする"), Item("cleanmgr", "ディスク クリーンアップ"),
                Item("FleDel", "最近使ったファイルの削除"),
                Item("ClipBoadClr", "クリップボードのクリア")}),
          Item("Acc", "アクセサリ",
               {Item("Wab", "アドレス帳"), Item("expl", "エクスプローラ"),
                Item("Commp", "コマンド プロンプト"), Item("MsPaint", "ペイント"),
                Item("Notepad", "メモ帳"), Item("Wordpad", "ワードパッド"), Item("Calc", "電卓")}),
          Item("SysTool", "システム",
               {Item("SysIfo", "システムのプロパティ"), Item("tmgr", "タスクマネージャ"),
                Item("CtPanel", "コントロールパネル"), Item("rstrui", "システムの復元"),
                Item("msinfo", "システム情報"), Item("dfrg", "ディスク デフラグ")}),
          Item("MyCom", "マイ コンピュータ"),
          Item("Find", "検索"),
          Item("verInfo", "バージョン情報"),
          Item("WinStDwn", "Windowsの終了", {Item("WinStDwnOp", "終了オプション")}),
          Item("DTMnEnd", "アプリケーションの終了"),
      });
}

}  // namespace kelvara
