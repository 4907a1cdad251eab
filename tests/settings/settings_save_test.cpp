#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings_fixture.h"
#include "store/record_text.h"
#include "ui/hit_test.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

const SettingsRecord kStored = {.WTop = "886.15",
                                .WLeft = "100",
                                .DATEClor = "65280",
                                .CVw = "on",
                                .MVw = "on",
                                .ClSW = "デジタル時計",
                                .MAgeVw = "on",
                                .PFVw = "on"};

// Records the fields the dialog asks the host to focus.
struct FocusLog final : ui::FormObserver {
  Strings focused;
  void ControlChanged(const ui::Form&, const ui::Control&, const ui::Rect&) override {}
  void FormChanged(const ui::Form&) override {}
  void FocusRequested(const ui::Form&, const ui::Control& c) override { focused.push_back(c.name); }
};

TEST_F(SettingsTest, SaveWritesTheStoreAndTheMonitorAppliesIt) {
  Start(kStored);
  Reopen();
  fake.colour_choices = {255, 65535};
  Press("Command14");
  Press("Command36");
  form().SetSelected(C("Combo1"), 1);
  form().SetCaption(C("cboMVw"), "非表示");  // typed, not chosen
  form().SetCaption(C("RTUl"), "4096");
  form().SetCaption(C("ClSw"), "アナログ時計");
  Press("Command6");
  const std::string first = fake.files.at(StorePath());
  SettingsRecord expected = kStored;
  expected.TimeClor = "255";
  expected.CClor = expected.RClor = expected.DClor = expected.DSClor = expected.PClor = "12632256";
  expected.ClFntSt = "太字";
  expected.ClSW = "アナログ時計";
  expected.BClor = "245";
  expected.MClor = "9408399", expected.HClor = "6908265", expected.SClor = "6637806";
  expected.PFVw = "off";
  expected.MAClor = "65535";
  expected.RTUl = "4096";
  EXPECT_EQ(first, EncodeRecord(expected));
  Strings store = fake.CallsStartingWith("Store.");
  EXPECT_EQ(store, (Strings{"Store.Write " + StorePath(), "Store.Read " + StorePath()}));
  // Read back and applied, and shown again.
  EXPECT_TRUE(main.form().window().visible);
  EXPECT_EQ(main.form()["lblTime"].fore, 255u);
  EXPECT_EQ(main.form()["Label1"].fore, 12632256u);
  EXPECT_EQ(main.form()["lblRTotal"].caption, "4096 MB");
  EXPECT_EQ(main.form()["lblMAge"].fore, 65535u);
  EXPECT_EQ(main.form().window().colour_key, 245u);
  // The dialog stays open with its own fields unset, and fills them again.
  EXPECT_TRUE(windows().IsLoaded("frmSetup"));
  EXPECT_EQ(Text("CClor"), "");
  Press("Command6");
  EXPECT_EQ(fake.files.at(StorePath()), first);
}

TEST_F(SettingsTest, AllItemsWithNothingPickedSavesGrey) {
  Start({.CVw = "on"});
  Reopen();
  Click("Check1");
  Press("Command6");
  SettingsRecord stored = DecodeRecord(fake.files.at(StorePath()));
  TrimTrailingSpaces(stored);
  EXPECT_EQ(stored.AllClor + "|" + stored.TimeClor + "|" + stored.DATEClor, "12632256||");
}

TEST_F(SettingsTest, TotalsThatAreNotWholeMegabytesAreRefused) {
  const Strings refused = {"abc",      "2560MB", "0",  "000000", "1234567",
                           "４０９６", " 12",    "-5", "12.5"};
  const Strings accepted = {"999999", "1", "0012", ""};
  for (const auto& [field, name] :
       {std::pair{"RTUl", "物理メモリサイズ"}, {"PFUl", "ページファイルサイズ"}}) {
    for (const Strings* typed_texts : {&refused, &accepted}) {
      const bool refuse = typed_texts == &refused;
      for (const std::string& typed : *typed_texts) {
        Start(kStored);
        Reopen();
        FocusLog focus;
        form().Subscribe(&focus);
        form().SetCaption(C(field), typed);
        Press("Command6");
        const std::string refusal = std::string("TavoroII|") + name +
                                    "には 1 から 999999 までの整数 (MB) を入力してください。";
        EXPECT_EQ(fake.messages, refuse ? Strings{refusal} : Strings{}) << field << typed;
        EXPECT_EQ(focus.focused, refuse ? Strings{field} : Strings{}) << field << typed;
        EXPECT_EQ(main.Text(field), refuse ? "" : typed) << field << typed;
        EXPECT_EQ(fake.files.at(StorePath()) == EncodeRecord(kStored), refuse) << field << typed;
        form().Subscribe(nullptr);
        fake.messages.clear();
      }
    }
  }
}

TEST_F(SettingsTest, CancelWritesNothingAndCloseReappliesTheStore) {
  Start(kStored);
  for (const char* button : {"Command5", "cmdUnld"}) {
    Reopen();
    fake.colour_choices = {255};
    Press("Command14");
    TakeEvents();
    Press(button);
    EXPECT_EQ(TakeEvents(), Strings{"unload frmSetup"}) << button;
    EXPECT_EQ(fake.CallsStartingWith("Store."),
              std::string(button) == "cmdUnld" ? Strings{"Store.Read " + StorePath()} : Strings{})
        << button;
    EXPECT_EQ(main.Text("TimeClor"), "12632256") << button;
    EXPECT_EQ(fake.files.at(StorePath()), EncodeRecord(kStored)) << button;
  }
}

TEST_F(SettingsTest, AFailedWriteStillShowsTheMonitorAndKeepsTheDialog) {
  Start(kStored);
  Reopen();
  fake.colour_choices = {255};
  Press("Command14");
  fake.fail_write = "書き込めません";
  Press("Command6");
  EXPECT_TRUE(main.form().window().visible);
  EXPECT_TRUE(windows().IsLoaded("frmSetup"));
  EXPECT_EQ(Text("TimeClor"), "255");
  EXPECT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.files.at(StorePath()), EncodeRecord(kStored));
}

TEST_F(SettingsTest, HelpOnTheTotals) {
  Open();
  const ui::Rect link = form().WindowRect(C("Label30"));  // over the note's second line
  ui::ClickAt(form(), link.left + link.width / 2, link.top + 10);
  EXPECT_EQ(fake.messages,
            Strings{"TavoroII|システムのプロパティ (ﾏｲ ｺﾝﾋﾟｭｰﾀを右クリック → プロパティ) \r"
                    "を開きます。\r　\r『全般』タブ下に物理メモリが表示されています。\r"
                    "2.50GB なら2560MB、3.00GB なら3072MBと入力してください。\r　\r"
                    "『詳細設定』タブの『パフォーマンス』横の『設定』ボタンをクリック、\r"
                    "『パフォーマンスオプション』の『詳細設定』タブの『変更』ボタンを\r"
                    "クリック、『最大サイズ(MB)(X)』の右ボックス内の値が最大ページ\r"
                    "ファイルのサイズになります。"});
}

TEST_F(SettingsTest, EveryPictureIsGivenBackOverAThousandOpenings) {
  fake.picture_files = {{"c.bmp", 7}, {"d.bmp", 8}, {"face.bmp", 9}};
  main.SetSettings({.ClSW = "アナログ時計",
                    .ClImage = "face.bmp",
                    .CpuImg = "c.bmp",
                    .MemImg = "c.bmp",
                    .PFImg = "c.bmp"});
  std::size_t loads = 0;
  for (int i = 0; i < 1000; ++i) {
    Reopen();
    fake.file_choices = {"d.bmp"};
    Press("Command23");
    Press("Command5");
    Strings calls = TakeCalls();
    calls.insert(calls.end(), opening_calls.begin(), opening_calls.end());
    loads += static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(),
                      [](const std::string& s) { return s.starts_with("Picture.Load"); }));
  }
  EXPECT_EQ(loads, 5000u);  // the face, three meters and the new CPU picture, each time
  EXPECT_EQ(fake.released.size(), loads);
}

}  // namespace
}  // namespace kelvara::testing
