// Facts about the machine and the single-instance mark.
#include "platform/win32/system_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// A mark of this test run only, so that a real kelvara or a parallel test
// run does not meet it.
std::wstring TestInstanceName(const wchar_t* what) {
  return std::wstring(L"Local\\kelvara.test.") + what + L"." +
         std::to_wstring(GetCurrentProcessId());
}

TEST(Win32SystemInfo, FirstClaimWinsAndEveryLaterObjectSeesIt) {
  const std::wstring name = TestInstanceName(L"claim");
  Win32SystemInfo first(name);
  EXPECT_FALSE(first.AnotherInstanceRunning());
  EXPECT_FALSE(first.AnotherInstanceRunning());  // asking again changes nothing
  {
    Win32SystemInfo second(name);
    EXPECT_TRUE(second.AnotherInstanceRunning());
  }
  Win32SystemInfo third(name);
  EXPECT_TRUE(third.AnotherInstanceRunning());
}

TEST(Win32SystemInfo, TheMarkLastsAsLongAsItsOwner) {
  const std::wstring name = TestInstanceName(L"lifetime");
  {
    Win32SystemInfo first(name);
    ASSERT_FALSE(first.AnotherInstanceRunning());
    HANDLE seen = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    EXPECT_NE(seen, nullptr);
    if (seen != nullptr) CloseHandle(seen);
  }
  EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, name.c_str()), nullptr);
  Win32SystemInfo later(name);
  EXPECT_FALSE(later.AnotherInstanceRunning());
}

TEST(Win32SystemInfo, TheProgramsMarkIsPerSessionAndNamed) {
  EXPECT_EQ(std::wstring(kInstanceMutexName).rfind(L"Local\\kelvara", 0), 0u);
}

TEST(Win32SystemInfo, VersionIsTheRealOne) {
  const auto version = Win32SystemInfo().Version();
  ASSERT_TRUE(version.has_value());
  EXPECT_GE(version->major, 5u);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtl = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  ASSERT_NE(rtl, nullptr);
  ASSERT_EQ(rtl(&info), 0);
  EXPECT_EQ(version->major, info.dwMajorVersion);
  EXPECT_EQ(version->minor, info.dwMinorVersion);
}

TEST(Win32SystemInfo, UserNameIsTheSessionsUser) {
  const std::string name = Win32SystemInfo().UserName();
  EXPECT_FALSE(name.empty());
  wchar_t wide[257] = {};
  DWORD size = 257;
  ASSERT_TRUE(GetUserNameW(wide, &size));
  EXPECT_EQ(name, Narrow(wide));
  EXPECT_EQ(name.find('\0'), std::string::npos);
}

TEST(Win32SystemInfo, CurrentDirectoryFollowsTheProcess) {
  wchar_t original[MAX_PATH] = {};
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, original), 0u);
  wchar_t temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring folder =
      std::wstring(temp) + L"kelvara 試験 " + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
  const std::string seen = Win32SystemInfo().CurrentDirectory();
  SetCurrentDirectoryW(original);
  RemoveDirectoryW(folder.c_str());
  EXPECT_EQ(seen, Narrow(folder));
}

TEST(Win32SystemInfo, MemoryTotalsArePresentAndConsistent) {
  const auto memory = Win32SystemInfo().Memory();
  ASSERT_TRUE(memory.has_value());
  EXPECT_GT(memory->total_physical, 0u);
  EXPECT_GT(memory->available_physical, 0u);
  EXPECT_LE(memory->available_physical, memory->total_physical);
  EXPECT_GT(memory->total_page_file, 0u);
  EXPECT_LE(memory->available_page_file, memory->total_page_file);
}

TEST(Win32SystemInfo, ScreenIsThePrimaryMonitorInTwips) {
  const platform::ScreenSize size = Win32SystemInfo().Screen();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  EXPECT_FLOAT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN) * 1440.0f / dpi);
  EXPECT_FLOAT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN) * 1440.0f / dpi);
  EXPECT_GT(size.width, 0.0f);
}

TEST(Win32SystemInfo, FirstScreenAreaIsThePrimaryWorkArea) {
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const std::vector<platform::ScreenArea> areas = Win32SystemInfo().ScreenAreas();
  ASSERT_EQ(areas.size(), static_cast<std::size_t>(GetSystemMetrics(SM_CMONITORS)));
  EXPECT_FLOAT_EQ(areas[0].left, work.left * 1440.0f / dpi);
  EXPECT_FLOAT_EQ(areas[0].top, work.top * 1440.0f / dpi);
  EXPECT_FLOAT_EQ(areas[0].width, (work.right - work.left) * 1440.0f / dpi);
  EXPECT_FLOAT_EQ(areas[0].height, (work.bottom - work.top) * 1440.0f / dpi);
}

}  // namespace
}  // namespace kelvara::win32
