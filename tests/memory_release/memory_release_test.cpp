#include <gtest/gtest.h>

#include "memory_release/memory_release.h"
#include "program/program_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

class MemoryReleaseTest : public ProgramTest {
 protected:
  MemoryReleaseTest() {
    // Running live figures, as the refresh leaves them.
    ui::Form& m = main.form();
    m.SetEnabled(m["TmrRN"], true);
    m.SetInterval(m["TmrRN"], 500);
    m.SetCaption(m["lblDate"], "2014/05/19");
    m.SetCaption(m["lblTime"], "9:30:45");
    m.SetWidth(m["RamT"], 1200);
    m.SetWidth(m["MemI"], 1200);
  }
  void Release(const char* size) {
    main.form().SetCaption(main.form()["lblMClr"], size);
    Choose("MemClr");
  }
  const ui::Control& Main(const char* name) { return main.form()[name]; }
  Strings Claims() const { return fake.CallsStartingWith("Memory.Claim"); }
};

Strings Bytes(std::initializer_list<long long> sizes) {
  Strings out;
  for (long long s : sizes) out.push_back("Memory.Claim bytes=" + std::to_string(s));
  return out;
}

TEST_F(MemoryReleaseTest, TenGrowingBlocksWithProgressBetweenThem) {
  main.form().SetCaption(main.form()["lblMClr"], "8015962");
  std::vector<std::string> seen;
  fake.on_pump = [&] {
    seen.push_back(Main("lblTime").caption + " " + std::to_string(Main("RamT").rect.width) + " " +
                   std::to_string(Main("MemI").rect.width) + " " + Main("lblDate").caption);
  };
  Choose("MemClr");
  EXPECT_EQ(seen, (Strings{
                      "10% 259.500000 259.500000 メモリ開放中",
                      "20% 519.000000 519.000000 メモリ開放中",
                      "30% 778.500000 778.500000 メモリ開放中",
                      "40% 1038.000000 1038.000000 メモリ開放中",
                      "50% 1297.500000 1297.500000 メモリ開放中",
                      "60% 1557.000000 1557.000000 メモリ開放中",
                      "70% 1816.500000 1816.500000 メモリ開放中",
                      "80% 2076.000000 2076.000000 メモリ開放中",
                      "90% 2335.500000 2335.500000 メモリ開放中",
                      "100% 2595.000000 2595.000000 メモリ開放中",
                  }));
  // One block at a time: each is freed before the next is claimed.
  Strings expected = {"Menu.Popup owner=frmDTMnMenu root=DMn", "Memory"};
  for (int k = 1; k <= 10; ++k) {
    const std::string bytes = std::to_string((8015962LL * k + 1) * 4);
    expected.push_back("Memory.Claim bytes=" + bytes);
    expected.push_back("Pump");
    expected.push_back("Memory.Free bytes=" + bytes);
  }
  EXPECT_EQ(TakeCalls(), expected);
  EXPECT_EQ(Main("lblDate").caption, "開放完了");
  EXPECT_EQ(Main("lblTime").caption, "100%");
  EXPECT_EQ(Main("RamT").rect.width, 2595.0f);
  EXPECT_EQ(Main("MemI").rect.width, 2595.0f);
  EXPECT_EQ(windows().Find("frmMClr")->form()["Mc"].caption, "8015962");
}

TEST_F(MemoryReleaseTest, RefreshStopsAtTheStartAndTheRestoreTimerIsArmed) {
  ui::Form& m = main.form();
  for (const char* t : {"TmrNN", "TmrNP", "TmrRP"}) m.SetEnabled(m[t], true);
  bool stopped_during_steps = false;
  fake.on_pump = [&] {
    stopped_during_steps = !Main("TmrNN").enabled && !Main("TmrRN").enabled &&
                           !Main("TmrNP").enabled && !Main("TmrRP").enabled &&
                           !Main("TmrRS").enabled;
  };
  Release("100");
  EXPECT_TRUE(stopped_during_steps);
  for (const char* t : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) EXPECT_FALSE(Main(t).enabled) << t;
  EXPECT_TRUE(Main("TmrRS").enabled);
  EXPECT_EQ(Main("TmrRS").interval, 1000);
}

TEST_F(MemoryReleaseTest, BlockSizesFromTheSizeText) {
  const struct {
    const char* size;
    Strings claims;
  } cases[] = {
      // Halves go to the even neighbour: 2.5, 7.5, 12.5, 17.5, 22.5 steps.
      {"2.5", Bytes({12, 24, 36, 44, 52, 64, 76, 84, 92, 104})},
      {"  7 MB", Bytes({32, 60, 88, 116, 144, 172, 200, 228, 256, 284})},
      {"", Bytes({4, 4, 4, 4, 4, 4, 4, 4, 4, 4})},
      {"メモリ", Bytes({4, 4, 4, 4, 4, 4, 4, 4, 4, 4})},
      {"-0.04", Bytes({4, 4, 4, 4, 4, 4, 4, 4, 4, 4})},
  };
  for (const auto& c : cases) {
    Program p;
    ui::Form& m = p.main.form();
    m.SetCaption(m["lblMClr"], c.size);
    p.Choose("MemClr");
    EXPECT_EQ(p.fake.CallsStartingWith("Memory.Claim"), c.claims) << c.size;
    EXPECT_EQ(m["lblTime"].caption, "100%") << c.size;
    EXPECT_EQ(m["lblDate"].caption, "開放完了") << c.size;
  }
}

// A step that cannot claim its block ends the release where it stands; the
// restore timer still brings the live display back.
TEST_F(MemoryReleaseTest, AFailedStepKeepsTheLastProgressAndArmsTheRestore) {
  const struct {
    const char* size;
    std::optional<int> failing_claim;
    std::uint64_t available;
    std::size_t claims;
    const char* time;
    float width;
  } cases[] = {
      {"8015962", 4, 443835596, 4, "30%", 778.5f},
      {"8015962", 1, 443835596, 1, "9:30:45", 1200},
      {"8015962", 10, 443835596, 10, "90%", 2335.5f},
      // Never more than the machine has free: step 4 would take 128 MB of 100.
      {"8015962", std::nullopt, 100000000, 3, "30%", 778.5f},
      {"8015962", std::nullopt, 320638484, 10, "100%", 2595},
      {"8015962", std::nullopt, 320638483, 9, "90%", 2335.5f},
      // Sizes that are no block at all.
      {"-3", std::nullopt, 443835596, 0, "9:30:45", 1200},
      {"300000000", std::nullopt, 443835596, 0, "9:30:45", 1200},
      // Past the largest 32-bit index.
      {"1073741823", std::nullopt, 1ULL << 40, 2, "20%", 519},
      {"1073741823.5", std::nullopt, 1ULL << 40, 2, "20%", 519},
      {"1073741824", std::nullopt, 1ULL << 40, 1, "10%", 259.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " " + std::to_string(c.available));
    Program p;
    p.fake.fail_claim_at = c.failing_claim;
    p.fake.memory->available_physical = c.available;
    ui::Form& m = p.main.form();
    m.SetCaption(m["lblMClr"], c.size);
    m.SetCaption(m["lblTime"], "9:30:45");
    m.SetWidth(m["RamT"], 1200);
    m.SetWidth(m["MemI"], 1200);
    p.Choose("MemClr");
    EXPECT_EQ(p.fake.CallsStartingWith("Memory.Claim").size(), c.claims);
    EXPECT_EQ(m["lblTime"].caption, c.time);
    EXPECT_EQ(m["RamT"].rect.width, c.width);
    EXPECT_EQ(m["MemI"].rect.width, c.width);
    EXPECT_EQ(m["lblDate"].caption,
              c.claims == 10 && c.width == 2595 ? "開放完了" : "メモリ開放中");
    EXPECT_TRUE(m["TmrRS"].enabled);
    EXPECT_EQ(m["TmrRS"].interval, 1000);
    EXPECT_EQ(p.fake.CallsStartingWith("Memory.Free").size(), c.claims - (c.failing_claim ? 1 : 0));
  }
}

TEST_F(MemoryReleaseTest, WithoutAMemoryStatusNothingIsClaimed) {
  fake.memory.reset();
  Release("8015962");
  EXPECT_TRUE(Claims().empty());
  EXPECT_EQ(Main("lblDate").caption, "メモリ開放中");
  EXPECT_EQ(Main("lblTime").caption, "9:30:45");
  EXPECT_TRUE(Main("TmrRS").enabled);
  EXPECT_EQ(Main("TmrRS").interval, 1000);
}

TEST_F(MemoryReleaseTest, ASecondRequestWhileLoadedStartsNothing) {
  // Chosen again from the menu while the steps let messages run, and after.
  int inner = 0;
  fake.on_pump = [&] {
    if (inner++ == 2) Choose("MemClr");
  };
  Release("10");
  Choose("MemClr");
  EXPECT_EQ(Claims().size(), 10u);
  EXPECT_EQ(TakeEvents(),
            (Strings{"load frmDTMnMenu", "load frmMClr", "forward frmMClr", "forward frmMClr"}));
}

TEST_F(MemoryReleaseTest, RestoreUnloadsTheReleaseThenTheMenuAndAllowsANewRelease) {
  Release("10");
  TakeEvents();
  TakeCalls();
  main.unload_after_release();
  EXPECT_EQ(TakeEvents(), (Strings{"unload frmMClr", "unload frmDTMnMenu"}));
  Choose("MemClr");
  EXPECT_EQ(TakeEvents(), (Strings{"load frmDTMnMenu", "load frmMClr"}));
  EXPECT_EQ(Claims().size(), 10u);
}

TEST_F(MemoryReleaseTest, TheWindowNeverShowsAnything) {
  MemoryRelease release(main, fake.platform());
  ui::Form& form = release.form();
  EXPECT_EQ(form.window().caption, "Form1");
  EXPECT_EQ(form.window().rect, (ui::Rect{0, 0, 960, 90}));
  ASSERT_EQ(form.controls().size(), 1u);
  EXPECT_EQ(form["Mc"].caption, "Label1");
  EXPECT_EQ(form["Mc"].rect, (ui::Rect{960, 1560, 2055, 255}));
  // Every state of the window once it is visible.
  struct Shown final : ui::WindowSetObserver, ui::FormObserver {
    std::vector<ui::Rect> rects;
    void Loaded(ui::Form& f) override { f.Subscribe(this); }
    void BroughtForward(ui::Form&) override {}
    void Unloaded(ui::Form&) override {}
    void ControlChanged(const ui::Form&, const ui::Control&, const ui::Rect&) override {}
    void FormChanged(const ui::Form& f) override {
      if (f.window().visible) rects.push_back(f.window().rect);
    }
  } shown;
  windows().Subscribe(&shown);
  Release("10");
  EXPECT_EQ(shown.rects, std::vector<ui::Rect>{(ui::Rect{0, 0, 0, 0})});
  windows().Find("frmMClr")->form().Subscribe(nullptr);
}

TEST(ReleaseBlockLastIndex, NearestWholeNumberWithHalvesToEven) {
  const struct {
    double size;
    int step;
    std::optional<std::int32_t> last;
  } cases[] = {
      {8015961.6, 1, 8015962},
      {0.5, 1, 0},
      {1.5, 1, 2},
      {0.25, 2, 0},
      {0.25, 6, 2},
      {-0.5, 1, 0},
      {-0.6, 1, std::nullopt},
      {214748364.7, 10, 2147483647},
      {214748364.75, 10, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReleaseBlockLastIndex(c.size, c.step), c.last) << c.size << " x " << c.step;
  }
}

}  // namespace
}  // namespace kelvara::testing
