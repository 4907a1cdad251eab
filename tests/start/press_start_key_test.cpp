// The key events of Start.exe: exactly a press and a release of the left
// Windows key, in that order, with nothing else in them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "press_start_key.h"
#include "system_key_event.h"

namespace kelvara::start {
namespace {

struct KeyEvent {
  std::uint8_t key;
  std::uint8_t scan;
  std::uint32_t flags;
  std::uintptr_t extra_info;
  bool operator==(const KeyEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyEvent& e) {
  return out << "{key " << unsigned{e.key} << ", scan " << unsigned{e.scan} << ", flags " << e.flags
             << ", extra " << e.extra_info << "}";
}

TEST(PressStartKey, SendsLeftWindowsKeyDownThenUpAndNothingElse) {
  std::vector<KeyEvent> sent;
  PressStartKey(
      [&](std::uint8_t key, std::uint8_t scan, std::uint32_t flags, std::uintptr_t extra_info) {
        sent.push_back({key, scan, flags, extra_info});
      });

  const std::vector<KeyEvent> expected = {
      {91, 0, 0, 0},  // VK_LWIN down
      {91, 0, 2, 0},  // VK_LWIN up (KEYEVENTF_KEYUP)
  };
  EXPECT_EQ(sent, expected);
}

TEST(PressStartKey, ReleasesTheKeyEvenWhenThePressReportsFailure) {
  // A sender that reports failure every time, as SendInput would with 0.
  std::vector<KeyEvent> sent;
  PressStartKey(
      [&](std::uint8_t key, std::uint8_t scan, std::uint32_t flags, std::uintptr_t extra_info) {
        sent.push_back({key, scan, flags, extra_info});
        return 0u;
      });

  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[1], (KeyEvent{91, 0, 2, 0}));
}

// What a low-level keyboard hook saw of the left Windows key.
struct SeenKey {
  WPARAM message;
  DWORD key;
  bool injected;
  bool up;
  ULONG_PTR extra_info;
  bool operator==(const SeenKey&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SeenKey& s) {
  return out << "{message 0x" << std::hex << s.message << std::dec << ", key " << s.key
             << ", injected " << s.injected << ", up " << s.up << ", extra " << s.extra_info << "}";
}

std::vector<SeenKey>* seen_keys = nullptr;

LRESULT CALLBACK RecordLeftWindowsKey(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (info->vkCode == VK_LWIN && seen_keys != nullptr) {
      seen_keys->push_back({message, info->vkCode, (info->flags & LLKHF_INJECTED) != 0,
                            (info->flags & LLKHF_UP) != 0, info->dwExtraInfo});
      // Swallowed, so that running the tests never opens a Start menu.
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, message, data);
}

TEST(SystemKeyEvent, SystemSeesAnInjectedPressThenReleaseOfTheLeftWindowsKey) {
  std::vector<SeenKey> seen;
  seen_keys = &seen;
  HHOOK hook =
      SetWindowsHookExW(WH_KEYBOARD_LL, RecordLeftWindowsKey, GetModuleHandleW(nullptr), 0);
  ASSERT_NE(hook, nullptr) << GetLastError();

  PressStartKey(SendSystemKeyEvent);

  // The hook runs on this thread, from its message loop.
  const ULONGLONG deadline = GetTickCount64() + 3000;
  while (seen.size() < 2 && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UnhookWindowsHookEx(hook);
  seen_keys = nullptr;

  const std::vector<SeenKey> expected = {
      {WM_KEYDOWN, VK_LWIN, true, false, 0},
      {WM_KEYUP, VK_LWIN, true, true, 0},
  };
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace kelvara::start
