// The tray tip of every refresh tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "main_window/main_window_fixture.h"
#include "text/cp932.h"

namespace kelvara::testing {
namespace {

using TrayTip = MainWindowTest;

std::string TipBytes(const platform::TrayIconData& data) {
  return std::string(data.tip.begin(), data.tip.end());
}

// The first 65 bytes of `bytes`, padded with NULs.
std::string Buffer(const std::string& bytes) {
  std::string out = bytes.substr(0, 65);
  out.resize(65, '\0');
  return out;
}

TEST_F(TrayTip, TextIsBuiltInOrderAndSentAsCodePage932) {
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().SetText("txtAge", "19");
  window().TmrNN_Timer();

  // 2014年5月19日 09:30 月齢19日 CR CPU: 12% / RAM: 59% / Disk: 30% NUL
  const std::string expected =
      "2014\x94N5\x8C\x8E"
      "19\x93\xFA 09:30 \x8C\x8E\x97\xEE"
      "19\x93\xFA\r CPU: 12% / RAM: 59% / "
      "Disk: 30%" +
      std::string(1, '\0');
  ASSERT_EQ(expected.size(), 62u);
  EXPECT_EQ(TipBytes(window().tray_data()), Buffer(expected));
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"Memory", "Tray.Modify"}));
  ASSERT_EQ(fake.tray_records.size(), 1u);
  EXPECT_EQ(TipBytes(fake.tray_records.back()), Buffer(expected));
  // The rest of the record is as registered.
  EXPECT_EQ(fake.tray_records.back().size, 89u);
  EXPECT_EQ(fake.tray_records.back().id, 1u);
  EXPECT_EQ(fake.tray_records.back().flags, 7u);
  EXPECT_EQ(fake.tray_records.back().callback_message, 512u);
}

TEST_F(TrayTip, TimeIsTwentyFourHourWithTwoDigits) {
  const struct {
    int hour, minute;
    const char* text;
  } cases[] = {{0, 0, " 00:00 "}, {7, 5, " 07:05 "}, {12, 30, " 12:30 "}, {23, 59, " 23:59 "}};
  for (const auto& c : cases) {
    FakePlatform local;
    local.now.hour = c.hour;
    local.now.minute = c.minute;
    MainWindow w(local.platform());
    w.TmrNN_Timer();
    const std::string tip = TipBytes(w.tray_data());
    EXPECT_EQ(tip.substr(13, 7), c.text) << c.hour << ":" << c.minute;
  }
}

TEST_F(TrayTip, ShowsTheCaptionsAsTheTickLeftThem) {
  // No counters and no moon age yet: "0%" for CPU and disk, the age empty.
  window().TmrRP_Timer();
  const std::string expected =
      "2014\x94N5\x8C\x8E"
      "19\x93\xFA 09:30 \x8C\x8E\x97\xEE\x93\xFA\r"
      " CPU: 0% / RAM: % / Disk: 0%" +
      std::string(1, '\0');
  EXPECT_EQ(TipBytes(window().tray_data()), Buffer(expected));
}

// Before txtAge the text has 24 bytes: 13 of the long date, " 09:30" and " 月齢".
TEST_F(TrayTip, IsCutAfterItsSixtyFifthByte) {
  window().SetText("txtAge", std::string(41, 'x'));  // "日" would start at index 65
  window().TmrNN_Timer();
  const std::string tip = TipBytes(window().tray_data());
  const std::string full =
      "2014\x94N5\x8C\x8E"
      "19\x93\xFA 09:30 \x8C\x8E\x97\xEE" +
      std::string(41, 'x') + "\x93\xFA";
  EXPECT_EQ(tip, full.substr(0, 65));
  EXPECT_EQ(std::count(tip.begin(), tip.end(), '\0'), 0);
}

TEST_F(TrayTip, ACutNeverSplitsADoubleByteCharacter) {
  window().SetText("txtAge", std::string(40, 'x'));  // "日" at indices 64 and 65
  window().TmrNN_Timer();
  const std::string tip = TipBytes(window().tray_data());
  const std::string head =
      "2014\x94N5\x8C\x8E"
      "19\x93\xFA 09:30 \x8C\x8E\x97\xEE" +
      std::string(40, 'x');
  ASSERT_EQ(head.size(), 64u);
  EXPECT_EQ(tip.substr(0, 64), head);
  EXPECT_EQ(tip[64], '\0');  // the half character is not copied; the tip stays ended
  EXPECT_EQ(cp932::ToUtf8(tip.substr(0, 64)).find("\xEF\xBF\xBD"), std::string::npos);
}

TEST_F(TrayTip, BytesPastTheCopiedLengthKeepTheirOldContents) {
  window().SetText("txtAge", std::string(41, 'x'));
  window().TmrNN_Timer();
  const std::string long_tip = TipBytes(window().tray_data());

  window().SetText("txtAge", "5");
  fake.counters = Counters(45, 1500, 25, 30, 12);
  window().TmrNN_Timer();
  const std::string tip = TipBytes(window().tray_data());
  const std::string text =
      "2014\x94N5\x8C\x8E"
      "19\x93\xFA 09:30 \x8C\x8E\x97\xEE"
      "5\x93\xFA\r"
      " CPU: 12% / RAM: 59% / Disk: 30%" +
      std::string(1, '\0');
  ASSERT_EQ(text.size(), 61u);
  EXPECT_EQ(tip.substr(0, 61), text);
  EXPECT_EQ(tip.substr(61), long_tip.substr(61));
  EXPECT_EQ(fake.tray_records.size(), 2u);
}

TEST_F(TrayTip, ACutCharacterAtTheEndIsFollowedByANulWhereOldBytesWere) {
  window().SetText("txtAge", std::string(41, 'x'));
  window().TmrNN_Timer();
  window().SetText("txtAge", std::string(40, 'x'));
  window().TmrNN_Timer();
  const std::string tip = TipBytes(window().tray_data());
  EXPECT_EQ(tip[63], 'x');
  EXPECT_EQ(tip[64], '\0');
}

}  // namespace
}  // namespace kelvara::testing
