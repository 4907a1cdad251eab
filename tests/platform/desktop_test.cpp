#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"

namespace kelvara::testing {
namespace {

using platform::Desktop;
using platform::MonitorPixels;

// 1920 x 1080 primary, taskbar 40 pixels high; a 2560 x 1440 monitor right of it.
MonitorPixels Primary(int dpi) { return {0, 0, 1920, 1080, 0, 0, 1920, 1040, dpi, true}; }
MonitorPixels Right(int dpi) { return {1920, 0, 4480, 1440, 1920, 0, 4480, 1400, dpi, false}; }

// The fake told about the desktop as the Win32 side reports it.
void Tell(FakePlatform& fake, const Desktop& desktop, int pointer_x, int pointer_y) {
  fake.screen = desktop.Screen();
  fake.screen_areas = desktop.WorkAreas();
  fake.pointer_monitor = desktop.MonitorAt(pointer_x, pointer_y);
}

struct PixelPlace {
  int left, top;
  bool operator==(const PixelPlace&) const = default;
};

TEST(Desktop, TheScreenIsThePrimaryMonitorInTwipsAtItsDpi) {
  const struct {
    int width, height, dpi;
    float twips_width, twips_height;
  } rows[] = {
      {1024, 768, 96, 15360, 11520},   {1920, 1080, 120, 23040, 12960},
      {3840, 2160, 192, 28800, 16200}, {1366, 768, 144, 13660, 7680},
      {800, 600, 0, 12000, 9000},  // no DPI reported: the classic 96
  };
  for (const auto& row : rows) {
    const MonitorPixels m{0, 0, row.width, row.height, 0, 0, row.width, row.height, row.dpi, true};
    const platform::ScreenSize size = Desktop({m}).Screen();
    EXPECT_FLOAT_EQ(size.width, row.twips_width) << row.dpi;
    EXPECT_FLOAT_EQ(size.height, row.twips_height) << row.dpi;
  }
}

TEST(Desktop, TheMainWindowsPlaceInPixelsWhateverEachMonitorsDpi) {
  const struct {
    const char* why;
    std::vector<MonitorPixels> monitors;
    const char *top, *left;
    PixelPlace want;  // the window's top-left on the desktop
  } rows[] = {
      // The right edge 350 twips in: 35 pixels at 144 dpi (the window 363
      // wide), 23 at 96 (242), 47 at 192 (484).
      {"primary at 150 %, signed in at 100 %: default", {Primary(144)}, "", "", {1522, 83}},
      {"primary at 100 %: default", {Primary(96)}, "", "", {1655, 83}},
      {"primary at 200 %: default", {Primary(192)}, "", "", {1389, 83}},
      {"saved on the 150 % second monitor",
       {Primary(96), Right(144)},
       "1500",
       "30300",
       {2020, 100}},
      {"saved there, the monitor listed first",
       {Right(144), Primary(96)},
       "1500",
       "30300",
       {2020, 100}},
      {"saved there, the monitor gone", {Primary(96)}, "1500", "30300", {1678, 100}},
      {"saved there, the primary at 150 %",
       {Primary(144), Right(144)},
       "1000",
       "20200",
       {2020, 100}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const Desktop desktop(row.monitors);
    FakePlatform fake;
    Tell(fake, desktop, 0, 0);
    fake.files[fake.current_directory + "\\UsrData\\" + fake.user_name + ".qmx"] =
        EncodeRecord({.WTop = row.top, .WLeft = row.left});
    MainWindow w(fake.platform());
    w.Form_Load();
    const ui::Rect& r = w.form().window().rect;
    EXPECT_EQ((PixelPlace{desktop.Px(r.left), desktop.Px(r.top)}), row.want);
  }
}

TEST(Desktop, ASecondaryWindowOpensCentredInTheWorkAreaOfThePointersMonitor) {
  const MonitorPixels small{0, 0, 1366, 768, 0, 0, 1366, 728, 144, true};
  const struct {
    const char* why;
    std::vector<MonitorPixels> monitors;
    int pointer_x, pointer_y;
    float top, left;
  } rows[] = {
      {"the primary at 100 %: as centred on the screen",
       {Primary(96), Right(144)},
       1800,
       1060,
       4072.5f,
       10087.5f},
      {"the pointer on the second monitor",
       {Primary(96), Right(144)},
       3000,
       1420,
       6772.5f,
       43687.5f},
      {"the pointer between and below: the nearest",
       {Primary(96), Right(144)},
       1900,
       5000,
       6772.5f,
       43687.5f},
      {"taller than the work area: its top on it", {small}, 10, 760, 0, 2517.5f},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const Desktop desktop(row.monitors);
    FakePlatform fake;
    Tell(fake, desktop, row.pointer_x, row.pointer_y);
    ui::FormWindow design;
    design.rect = {0, 0, 8625, 8055};
    ui::Form form("frmSetup", design, {});
    platform::CentreOnMonitor(form, fake.ScreenUnderPointer());
    EXPECT_EQ(form.window().rect.top, row.top);
    EXPECT_EQ(form.window().rect.left, row.left);
  }
}

TEST(Desktop, ADragKeepsTheGrabPointUnderThePointerOnAMonitorOfAnotherDpi) {
  const Desktop desktop({Primary(96), Right(144)});
  FakePlatform fake;
  Tell(fake, desktop, 0, 0);
  MainWindow w(fake.platform());
  w.Form_Load();
  ui::Form& form = w.form();
  const struct {
    const char* why;
    int window_dpi;
    int pointer_dx, pointer_dy;  // pixels the pointer moves
  } rows[] = {
      {"on the primary", 96, 30, -12},
      {"on the 150 % monitor", 144, 30, -12},
      {"back on the primary after the move", 96, -45, 21},
      {"at 200 %", 192, 7, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    form.SetWindowLeft(desktop.Twips(2100));
    form.SetWindowTop(desktop.Twips(300));
    form.SetPlacePerTwip(static_cast<float>(row.window_dpi) / static_cast<float>(desktop.dpi()));
    // The grab point 24 pixels into the handle; the pointer then moves, and the
    // handle reports it relative to itself at the window's DPI, as a host does.
    const float per_pixel = 1440.0f / static_cast<float>(row.window_dpi);
    w.PstnMove_MouseDown(1, 0, 24 * per_pixel, 24 * per_pixel);
    w.PstnMove_MouseMove(1, 0, (24 + row.pointer_dx) * per_pixel,
                         (24 + row.pointer_dy) * per_pixel);
    const ui::Rect& r = form.window().rect;
    EXPECT_EQ((PixelPlace{desktop.Px(r.left), desktop.Px(r.top)}),
              (PixelPlace{2100 + row.pointer_dx, 300 + row.pointer_dy}));
  }
}

}  // namespace
}  // namespace kelvara::testing
