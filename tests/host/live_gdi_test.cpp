// The program's own count of live GDI objects moves by exactly what its
// owners take and give back, and another process can read it by message.
#include "platform/win32/live_gdi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/host/back_buffer.h"
#include "platform/win32/host/gdi_cache.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {
namespace {

long Since(long base) { return LiveGdiObjects() - base; }

// The count, from before, after each step of owners' lives: adopt, move,
// a second owner, a move onto that one (its own object goes), a reset to a
// new object, a third owner, its release (handed over), the handed object
// adopted and let go again, and the end of all of them.
template <typename Owner, typename Make>
std::vector<long> LifeSteps(Make make) {
  const long base = LiveGdiObjects();
  std::vector<long> seen;
  {
    Owner first(make());
    seen.push_back(Since(base));
    Owner moved(std::move(first));
    seen.push_back(Since(base));
    Owner second(make());
    seen.push_back(Since(base));
    second = std::move(moved);
    seen.push_back(Since(base));
    second.reset(make());
    seen.push_back(Since(base));
    Owner third(make());
    seen.push_back(Since(base));
    const auto handed = third.release();
    seen.push_back(Since(base));
    { Owner again(handed); }
    seen.push_back(Since(base));
  }
  seen.push_back(Since(base));
  return seen;
}

TEST(LiveGdiObjects, EveryGdiOwnerCountsWhatItHoldsAndNotMoves) {
  const struct {
    const char* kind;
    std::function<std::vector<long>()> steps;
  } cases[] = {
      {"brush",
       [] { return LifeSteps<UniqueBrush>([] { return CreateSolidBrush(RGB(1, 2, 3)); }); }},
      {"pen",
       [] { return LifeSteps<UniquePen>([] { return CreatePen(PS_SOLID, 2, RGB(4, 5, 6)); }); }},
      {"font",
       [] {
         return LifeSteps<UniqueFont>([] {
           return CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                              L"Tahoma");
         });
       }},
      {"bitmap",
       [] { return LifeSteps<UniqueBitmap>([] { return CreateBitmap(4, 4, 1, 32, nullptr); }); }},
      {"region", [] { return LifeSteps<UniqueRegion>([] { return CreateRectRgn(0, 0, 5, 5); }); }},
      {"object",
       [] { return LifeSteps<UniqueGdiObject>([] { return CreateSolidBrush(RGB(7, 8, 9)); }); }},
      {"memory DC",
       [] { return LifeSteps<UniqueCreatedDc>([] { return CreateCompatibleDC(nullptr); }); }},
  };
  const std::vector<long> want = {1, 1, 2, 1, 1, 2, 1, 1, 0};
  for (const auto& c : cases) EXPECT_EQ(c.steps(), want) << c.kind;
}

TEST(LiveGdiObjects, FailedMakesAndOtherHandlesAreNotCounted) {
  const long base = LiveGdiObjects();
  UniqueBrush none(nullptr);
  UniqueFont refused(CreateFontIndirectW(nullptr));
  UniquePen pen;
  pen.reset(nullptr);
  UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(event);
  EXPECT_FALSE(refused);
  EXPECT_EQ(Since(base), 0);
}

TEST(LiveGdiObjects, TheBackBufferHoldsTwoAndGivesBothBack) {
  const long base = LiveGdiObjects();
  UniqueCreatedDc like(CreateCompatibleDC(nullptr));
  {
    host::BackBuffer back;
    ASSERT_NE(back.Prepare(like.get(), 20, 10), nullptr);
    EXPECT_EQ(Since(base), 3);
    ASSERT_NE(back.Prepare(like.get(), 40, 30), nullptr);  // grown: the old pair goes
    EXPECT_EQ(Since(base), 3);
    back.Release();
    EXPECT_EQ(Since(base), 1);
    ASSERT_NE(back.Prepare(like.get(), 8, 8), nullptr);
  }
  like.reset();
  EXPECT_EQ(Since(base), 0);
}

TEST(LiveGdiObjects, TheCacheMakesEachValueOnceAndGivesAllBack) {
  const long base = LiveGdiObjects();
  host::FontNames names;
  {
    host::GdiCache cache(names);
    const ui::Font font{"Tahoma", 9.0f, false, false};
    const std::pair<const char*, long> steps[] = {{"first", 3}, {"same values", 3}};
    for (const auto& [step, want] : steps) {
      cache.Brush(RGB(10, 20, 30));
      cache.Pen(RGB(10, 20, 30), 1);
      cache.Font(font, 96);
      EXPECT_EQ(Since(base), want) << step;
    }
    cache.Pen(RGB(10, 20, 30), 2);
    cache.Font(font, 144);
    EXPECT_EQ(Since(base), 5);
  }
  EXPECT_EQ(Since(base), 0);
}

LRESULT CALLBACK Answering(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (const std::optional<LRESULT> answer = AnswerLiveGdiObjects(message, w, l)) return *answer;
  return DefWindowProcW(window, message, w, l);
}

TEST(LiveGdiObjects, TheRegisteredMessageAnswersAndPostsTheCountBack) {
  WNDCLASSW c{};
  c.lpfnWndProc = Answering;
  c.hInstance = GetModuleHandleW(nullptr);
  c.lpszClassName = L"kelvara.LiveGdiTest";
  RegisterClassW(&c);
  UniqueWindow asked(CreateWindowExW(0, c.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     c.hInstance, nullptr));
  UniqueWindow answers(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       c.hInstance, nullptr));
  if (!asked || !answers) GTEST_SKIP() << "no windows here";
  const UINT question = RegisterWindowMessageW(L"kelvara.LiveGdiObjects");
  ASSERT_NE(question, 0u);

  UniqueBrush held(CreateSolidBrush(RGB(1, 1, 1)));
  EXPECT_EQ(SendMessageW(asked.get(), question, 0, 0), LiveGdiObjects());
  EXPECT_EQ(AnswerLiveGdiObjects(WM_USER, 0, 0), std::nullopt);

  // Asked by post, the answer follows what was posted before the question.
  const long posted_with = LiveGdiObjects();
  PostMessageW(answers.get(), WM_USER + 7, 0, 0);
  PostMessageW(asked.get(), question, 0, reinterpret_cast<LPARAM>(answers.get()));
  held.reset();
  std::vector<std::pair<UINT, WPARAM>> arrived;
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.hwnd == answers.get()) arrived.emplace_back(m.message, m.wParam);
    DispatchMessageW(&m);
  }
  const std::vector<std::pair<UINT, WPARAM>> want = {
      {WM_USER + 7, 0}, {question, static_cast<WPARAM>(posted_with - 1)}};
  EXPECT_EQ(arrived, want);
}

}  // namespace
}  // namespace kelvara::win32
