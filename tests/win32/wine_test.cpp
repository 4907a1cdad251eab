// Wine is told apart from Windows by its ntdll, not by guessing from figures.
#include "platform/win32/wine.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace kelvara::win32 {
namespace {

TEST(RunningUnderWine, AgreesWithWinesOwnRegistryKey) {
  // Every Wine prefix has this key; a Windows installation does not.
  HKEY key = nullptr;
  const bool wine_key =
      RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (key != nullptr) RegCloseKey(key);
  EXPECT_EQ(RunningUnderWine(), wine_key);
}

}  // namespace
}  // namespace kelvara::win32
