#include <gtest/gtest.h>

#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using StoreFlow = MainWindowTest;

std::string Field(const std::string& bytes, const char* name) {
  for (const StoreField& field : kStoreFields) {
    if (field.name == name) return bytes.substr(field.offset, field.width);
  }
  return "?";
}

TEST_F(StoreFlow, SaveWritesTheFieldsAsTheFirstRecord) {
  StartFresh();
  window().SetText("WTop", "886.15");
  window().SetText("CClor", "65280");
  window().SetText("ClFntN", "ＭＳ Ｐゴシック");
  const SettingsRecord expected = window().Settings();
  form().Press("cmdSave");
  EXPECT_EQ(fake.calls, std::vector<std::string>{"Store.Write " + StorePath()});
  EXPECT_EQ(fake.files.at(StorePath()), EncodeRecord(expected));
  EXPECT_EQ(text("AllClor"), "") << "a colour is set, so no substitution";
  EXPECT_EQ(window().RecNo(), 1);
}

TEST_F(StoreFlow, SaveWithEveryColourEmptyShowsGreyForAllInTheWindowOnly) {
  StartFresh();
  for (const char* colour :
       {"AllClor", "DATEClor", "TimeClor", "CClor", "RClor", "DClor", "DSClor", "PClor"}) {
    window().SetText(colour, "");
  }
  window().SetText("BClor", "12632246");  // not one of the eight
  form().Press("cmdSave");
  EXPECT_EQ(text("AllClor"), "12632256");
  EXPECT_EQ(Field(fake.files.at(StorePath()), "AllClor"), std::string(30, ' '));
  // The next load makes it empty again.
  window().LoadUsrData(1);
  EXPECT_EQ(text("AllClor"), "");
}

TEST_F(StoreFlow, EachOfTheEightColoursPreventsTheSubstitution) {
  for (const char* colour :
       {"AllClor", "DATEClor", "TimeClor", "CClor", "RClor", "DClor", "DSClor", "PClor"}) {
    FakePlatform local;
    MainWindow w(local.platform());
    w.Form_Load();
    for (const char* other :
         {"AllClor", "DATEClor", "TimeClor", "CClor", "RClor", "DClor", "DSClor", "PClor"}) {
      w.SetText(other, "");
    }
    w.SetText(colour, "255");
    w.form().Press("cmdSave");
    EXPECT_EQ(w.Text("AllClor"), std::string(colour) == "AllClor" ? "255" : "") << colour;
  }
}

TEST_F(StoreFlow, FailedSaveTellsTheUserAndChangesNothing) {
  StartFresh();
  const std::string before = fake.files.at(StorePath());
  const SettingsRecord fields = window().Settings();
  fake.fail_write = "読み取り専用のファイルです";
  form().Press("cmdSave");
  EXPECT_EQ(fake.messages,
            std::vector<std::string>{"TavoroII|設定ファイルを保存できませんでした。\r" +
                                     StorePath() + "\r読み取り専用のファイルです"});
  EXPECT_EQ(fake.files.at(StorePath()), before);
  EXPECT_EQ(window().Settings(), fields) << "not even the all-items colour";
}

TEST_F(StoreFlow, LoadTrimsTrailingSpacesOnly) {
  StartFresh();
  window().SetText("ClFntSt", "太字 斜体");
  window().SetText("FSize", " 24 ");
  window().SetText("ClImage", "C:\\a b\\c.bmp  ");
  form().Press("cmdSave");
  window().LoadUsrData(1);
  EXPECT_EQ(text("ClFntSt"), "太字 斜体");
  EXPECT_EQ(text("FSize"), " 24");
  EXPECT_EQ(text("ClImage"), "C:\\a b\\c.bmp");
}

TEST_F(StoreFlow, FailedLoadKeepsTheFieldsAndSaysSo) {
  StartFresh();
  window().SetText("CClor", "255");
  window().ApplySettings();  // its write-backs done, the fields are what a load keeps
  const SettingsRecord fields = window().Settings();
  fake.fail_read = "ファイルを読めません";
  window().LoadUsrData(1);
  EXPECT_EQ(window().Settings(), fields);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0], "TavoroII|設定ファイルを読み込めませんでした。\r" + StorePath() +
                                  "\rファイルを読めません");
}

TEST_F(StoreFlow, LoadOfAnEmptyFileEmptiesTheFields) {
  StartFresh();  // defaults in the fields, nothing in the file
  window().SetText("CClor", "255");
  window().LoadUsrData(1);
  EXPECT_EQ(text("CClor"), "");
  EXPECT_EQ(text("ClFntN"), "");
}

TEST_F(StoreFlow, LoadRefreshesTheMeasuredTotalsFirst) {
  StartFresh();
  fake.memory = platform::MemoryStatus{2048000000, 0, 1024000000, 0};
  window().LoadUsrData(1);
  EXPECT_EQ(fake.calls.front(), "Memory");
  EXPECT_EQ(caption("lblRTotal"), "2000 MB");
  EXPECT_EQ(caption("lblPTotal"), "1000 MB");
}

TEST_F(StoreFlow, ResetComputesTheMoonFirstOnlyWhenTheMoonIsOn) {
  const SettingsRecord on{.MVw = "on"};
  StartWith(&on);
  window().SetText("txtYY", "2014");
  window().SetText("txtMM", "5");
  window().SetText("txtDD", "19");
  window().SetText("txtAll", "");
  form().Press("cmdReset");
  EXPECT_EQ(text("txtAll"), "19");
  EXPECT_EQ(fake.CallsStartingWith("Store.Read"),
            std::vector<std::string>{"Store.Read " + StorePath()});

  FakePlatform local;
  local.files["C:\\Tools\\kelvara\\UsrData\\taro.qmx"] = EncodeRecord({.MVw = "off"});
  MainWindow w(local.platform());
  w.Form_Load();
  w.SetText("txtAll", "");
  w.form().Press("cmdReset");
  EXPECT_EQ(w.Text("txtAll"), "");
}

TEST_F(StoreFlow, SaveAndResetRoundTripTheSettings) {
  StartFresh();
  window().SetText("WTop", "-150");
  window().SetText("WLeft", "11385");
  window().SetText("ClSW", "アナログ時計");
  window().SetText("RTUl", "4096");
  form().Press("cmdSave");
  window().SetText("WTop", "0");
  form().Press("cmdReset");
  EXPECT_EQ(text("WTop"), "-150");
  EXPECT_EQ(text("WLeft"), "11385");
  EXPECT_EQ(text("ClSW"), "アナログ時計");
  EXPECT_EQ(text("RTUl"), "4096");
}

}  // namespace
}  // namespace kelvara::testing
