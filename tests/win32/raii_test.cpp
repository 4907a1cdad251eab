// The owners release exactly once, move ownership, and never copy.
#include "platform/win32/raii.h"
#include "platform/win32/system_library.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>
#include <vector>

namespace kelvara::win32 {
namespace {

static_assert(!std::is_copy_constructible_v<UniqueHandle>);
static_assert(!std::is_copy_assignable_v<UniqueBitmap>);
static_assert(!std::is_copy_constructible_v<WindowDc>);
static_assert(!std::is_copy_constructible_v<SelectedObject>);
static_assert(!std::is_copy_constructible_v<ComPtr<IUnknown>>);
static_assert(std::is_nothrow_move_constructible_v<UniqueFont>);
static_assert(std::is_nothrow_move_assignable_v<UniquePdhQuery>);

bool GdiAlive(HGDIOBJ object) { return GetObjectType(object) != 0; }

bool HandleOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

// Windows counts a process's GDI objects; Wine says 0, so there the deleted
// objects themselves are checked instead.
DWORD GdiCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST(Raii, GdiOwnersDeleteOnceOverAThousandCycles) {
  const DWORD before = GdiCount();
  std::vector<HGDIOBJ> made;
  for (int i = 0; i < 1000; ++i) {
    UniqueBrush brush(CreateSolidBrush(RGB(i % 256, 0, 0)));
    UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, i % 256, 0)));
    UniqueBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    ASSERT_TRUE(brush && pen && bitmap);
    made.insert(made.end(), {brush.get(), pen.get(), bitmap.get()});
    UniqueBrush moved(std::move(brush));
    EXPECT_FALSE(brush);
    UniquePen assigned;
    assigned = std::move(pen);
    EXPECT_FALSE(pen);
    EXPECT_TRUE(GdiAlive(moved.get()));
    EXPECT_TRUE(GdiAlive(assigned.get()));
    const HGDIOBJ last_bitmap = bitmap.get();
    { UniqueBitmap inner(std::move(bitmap)); }
    ASSERT_FALSE(GdiAlive(last_bitmap)) << "cycle " << i;
  }
  EXPECT_EQ(GdiCount(), before);
  for (HGDIOBJ object : made) ASSERT_FALSE(GdiAlive(object));
}

TEST(Raii, MoveAssignmentReleasesTheOldValueAndResetTakesANewOne) {
  UniqueBrush first(CreateSolidBrush(RGB(1, 2, 3)));
  UniqueBrush second(CreateSolidBrush(RGB(4, 5, 6)));
  const HGDIOBJ first_value = first.get();
  const HGDIOBJ second_value = second.get();
  first = std::move(second);
  EXPECT_FALSE(GdiAlive(first_value));
  EXPECT_EQ(first.get(), second_value);
  first = std::move(first);  // self-move keeps the value
  EXPECT_TRUE(GdiAlive(second_value));
  const HBRUSH released = first.release();
  EXPECT_FALSE(first);
  EXPECT_TRUE(GdiAlive(released));
  first.reset(released);
  first.reset();
  EXPECT_FALSE(GdiAlive(released));
}

TEST(Raii, HandlesCloseAndFilesUseTheirOwnInvalidValue) {
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(event, nullptr);
  {
    UniqueHandle owner(event);
    UniqueHandle moved(std::move(owner));
    EXPECT_TRUE(HandleOpen(event));
  }
  EXPECT_FALSE(HandleOpen(event));

  UniqueFile none;
  EXPECT_EQ(none.get(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(none);
  UniqueFile missing(CreateFileW(L"C:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(missing);
}

TEST(Raii, CreatedDcIsDeletedAndSelectionIsRestored) {
  WindowDc screen(nullptr);
  ASSERT_TRUE(screen);
  UniqueCreatedDc memory(CreateCompatibleDC(screen.get()));
  ASSERT_TRUE(memory);
  const HGDIOBJ stock_brush = GetCurrentObject(memory.get(), OBJ_BRUSH);
  UniqueBrush brush(CreateSolidBrush(RGB(9, 9, 9)));
  {
    SelectedObject selected(memory.get(), brush.get());
    EXPECT_TRUE(selected);
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BRUSH), brush.get());
    SelectedObject moved(std::move(selected));
    EXPECT_FALSE(selected);
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BRUSH), brush.get());
  }
  EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BRUSH), stock_brush);
  const HDC dc = memory.get();
  memory.reset();
  EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(Raii, IconsAndMenusAreDestroyed) {
  const BYTE and_mask[2 * 16] = {};
  const BYTE xor_mask[2 * 16] = {};
  HICON icon = CreateIcon(GetModuleHandleW(nullptr), 16, 16, 1, 1, and_mask, xor_mask);
  ASSERT_NE(icon, nullptr);
  { UniqueIcon owner(icon); }
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(icon, &info));

  HMENU menu = CreatePopupMenu();
  ASSERT_NE(menu, nullptr);
  { UniqueMenu owner(menu); }
  EXPECT_FALSE(IsMenu(menu));
}

TEST(Raii, GlobalMemoryIsFreedAndLockedWhileGuarded) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 64);
  ASSERT_NE(memory, nullptr);
  {
    UniqueGlobal owner(memory);
    GlobalLocked locked(owner.get());
    ASSERT_NE(locked.data(), nullptr);
    EXPECT_EQ(GlobalFlags(memory) & GMEM_LOCKCOUNT, 1u);
  }
  EXPECT_EQ(GlobalFlags(memory), GMEM_INVALID_HANDLE);
}

TEST(Raii, ComPointerReleasesOnceAfterMoves) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  stream->AddRef();  // ours, to look at the count afterwards
  {
    ComPtr<IStream> first;
    *first.put() = stream;
    ComPtr<IStream> second(std::move(first));
    EXPECT_FALSE(first);
    ComPtr<IStream> third;
    third = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_EQ(third.get(), stream);
  }
  EXPECT_EQ(stream->Release(), 0u);
}

// Loaded once for the process: asking again takes no further reference, so
// one release unloads it.
TEST(SystemLibrary, AsksAgainWithoutAnotherReference) {
  constexpr const wchar_t* kUnused = L"wtsapi32.dll";
  ASSERT_EQ(GetModuleHandleW(kUnused), nullptr);
  const HMODULE library = SystemLibrary(kUnused);
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(SystemLibrary(kUnused), library);
  EXPECT_EQ(SystemLibrary(kUnused), library);
  FreeLibrary(library);
  EXPECT_EQ(GetModuleHandleW(kUnused), nullptr);
}

}  // namespace
}  // namespace kelvara::win32
