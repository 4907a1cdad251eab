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
    const std::string now = Main("lblTime").caption + " " +
                            std::to_string(Main("RamT").rect.width) + " " +
                            std::to_string(Main("MemI").rect.width) + " " + Main("lblDate").caption;
    // Messages also run between a block's pieces, before its step shows.
    if (seen.empty() || seen.back() != now) seen.push_back(now);
  };
  Choose("MemClr");
  EXPECT_EQ(seen, (Strings{
                      "9:30:45 1200.000000 1200.000000 メモリ開放中",
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
    std::uint64_t commit;  // what the system can still commit
    std::size_t claims;
    const char* time;
    float width;
  } cases[] = {
      {"8015962", 4, 443835596, 4, "30%", 778.5f},
      {"8015962", 1, 443835596, 1, "9:30:45", 1200},
      {"8015962", 10, 443835596, 10, "90%", 2335.5f},
      // Never more than the system can commit: step 4 would take 128 MB of 100.
      {"8015962", std::nullopt, 100000000, 3, "30%", 778.5f},
      {"8015962", std::nullopt, 320638484, 10, "100%", 2595},
      {"8015962", std::nullopt, 320638483, 9, "90%", 2335.5f},
      // A size typed for a machine of twice this memory: its own last block
      // (320638484 bytes of this 1 GiB) is the most a step takes.
      {"16031924", std::nullopt, 1ULL << 40, 5, "50%", 1297.5f},
      // Sizes that are no block at all.
      {"-3", std::nullopt, 443835596, 0, "9:30:45", 1200},
      {"300000000", std::nullopt, 1ULL << 40, 0, "9:30:45", 1200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " " + std::to_string(c.commit));
    Program p;
    p.fake.fail_claim_at = c.failing_claim;
    p.fake.memory->available_page_file = c.commit;
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

// The size the main window writes for each machine, all ten steps of it as
// far as the commit allows, whatever is free; past 2^31 elements too.
TEST_F(MemoryReleaseTest, MachinesOfEverySizeReachTheEndWhereTheCommitAllows) {
  constexpr std::uint64_t kGiB = 1ULL << 30;
  const struct {
    const char* machine;
    std::uint64_t total, free, commit;
    const char* size;
    std::size_t claims;
    long long first, last;  // bytes
  } cases[] = {
      {"1 GiB", 1 * kGiB, 400'000'000, 2 * kGiB, "8015962", 10, 32063852, 320638484},
      {"8 GiB", 8 * kGiB, 3 * kGiB, 12 * kGiB, "64127693", 10, 256510776, 2565107724},
      {"32 GiB", 32 * kGiB, 20 * kGiB, 40 * kGiB, "256510771", 10, 1026043088, 10260430844},
      {"64 GiB", 64 * kGiB, 50 * kGiB, 80 * kGiB, "513021543", 10, 2052086176, 20520861724},
      {"8 GiB, busy", 8 * kGiB, 500'000'000, 4 * kGiB, "64127693", 10, 256510776, 2565107724},
      {"8 GiB, little commit", 8 * kGiB, 500'000'000, 1610612736, "64127693", 6, 256510776,
       1539064636},
  };
  for (const auto& c : cases) {
    Program p;
    p.fake.memory = platform::MemoryStatus{c.total, c.free, c.total * 2, c.commit};
    ui::Form& m = p.main.form();
    m.SetCaption(m["lblMClr"], c.size);
    p.Choose("MemClr");
    const Strings claims = p.fake.CallsStartingWith("Memory.Claim");
    ASSERT_EQ(claims.size(), c.claims) << c.machine;
    EXPECT_EQ(claims.front(), Bytes({c.first}).front()) << c.machine;
    EXPECT_EQ(claims.back(), Bytes({c.last}).front()) << c.machine;
    EXPECT_EQ(m["lblDate"].caption, c.claims == 10 ? "開放完了" : "メモリ開放中") << c.machine;
    EXPECT_EQ(m["lblTime"].caption, std::to_string(c.claims * 10) + "%") << c.machine;
  }
}

TEST(ReleaseLimit, TheLastBlockForThePhysicalMemoryOrTheCommitLeft) {
  EXPECT_EQ(ReleaseLimit({1ULL << 30, 0, 0, 1ULL << 40}), 320638484u);
  EXPECT_EQ(ReleaseLimit({64ULL << 30, 0, 0, 1ULL << 40}), 20520861724u);
  EXPECT_EQ(ReleaseLimit({64ULL << 30, 1ULL << 40, 0, 1000}), 1000u);
  EXPECT_EQ(ReleaseLimit({0, 0, 0, 1ULL << 40}), 4u);
}

TEST(ReleaseBlockLastIndex, NearestWholeNumberWithHalvesToEven) {
  const struct {
    double size;
    int step;
    std::optional<std::int64_t> last;
  } cases[] = {
      {8015961.6, 1, 8015962},
      {0.5, 1, 0},
      {1.5, 1, 2},
      {0.25, 2, 0},
      {0.25, 6, 2},
      {-0.5, 1, 0},
      {-0.6, 1, std::nullopt},
      {214748364.7, 10, 2147483647},
      {214748364.75, 10, 2147483648},  // past 32 bits, as a 64 GiB machine's steps are
      {513021543, 10, 5130215430},
      {2305843009213693951.0, 1, std::nullopt},
      {1e300, 10, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReleaseBlockLastIndex(c.size, c.step), c.last) << c.size << " x " << c.step;
  }
}

}  // namespace
}  // namespace kelvara::testing
