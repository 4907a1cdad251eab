// Checks the built Start.exe itself: its version resource, manifest, icon and
// imports as Windows reads them, and what it does when it runs.
// Usage: start_exe_check <path of Start.exe> [GoogleTest flags]
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kelvara::start {
namespace {

// The program under test, copied under a name of its own: Wine answers any
// load of a module called start.exe with its built-in start command, so the
// original name would have these checks read Wine's file instead of ours.
std::wstring start_exe;

class StartExeCopy : public testing::Environment {
 public:
  explicit StartExeCopy(std::wstring original) : original_(std::move(original)) {}

  void SetUp() override {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    start_exe = std::wstring(folder) + L"kelvara-start-under-test-" +
                std::to_wstring(GetCurrentProcessId()) + L".exe";
    ASSERT_TRUE(CopyFileW(original_.c_str(), start_exe.c_str(), FALSE)) << GetLastError();
  }
  void TearDown() override { DeleteFileW(start_exe.c_str()); }

 private:
  std::wstring original_;
};

// Names in these tests are ASCII.
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::vector<unsigned char> ReadWholeFile(const std::wstring& path) {
  std::vector<unsigned char> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
      bytes.clear();
    }
  }
  CloseHandle(file);
  return bytes;
}

// --- Version resource -------------------------------------------------------

class VersionInfo {
 public:
  explicit VersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return;
    block_.resize(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block_.data())) block_.clear();
  }
  bool Loaded() const { return !block_.empty(); }

  // The raw value and its length as VerQueryValueW reports it.
  bool Query(const std::wstring& sub_block, const void*& value, UINT& length) const {
    void* data = nullptr;
    length = 0;
    if (!VerQueryValueW(block_.data(), sub_block.c_str(), &data, &length)) return false;
    value = data;
    return data != nullptr;
  }

 private:
  std::vector<unsigned char> block_;
};

TEST(StartExeVersion, FixedInfoIsVersionOneOfAnApplication) {
  const VersionInfo info(start_exe);
  ASSERT_TRUE(info.Loaded()) << GetLastError();
  const void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(info.Query(L"\\", value, length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, value, sizeof fixed);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);  // 1.0
  EXPECT_EQ(fixed.dwFileVersionLS, 0x00000000u);  // .0.0
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed.dwProductVersionLS, 0x00000000u);
  EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(StartExeVersion, OnlyTranslationIsJapaneseUnicode) {
  const VersionInfo info(start_exe);
  ASSERT_TRUE(info.Loaded());
  const void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(info.Query(L"\\VarFileInfo\\Translation", value, length));
  ASSERT_EQ(length, 4u);
  WORD pair[2];
  std::memcpy(pair, value, sizeof pair);
  EXPECT_EQ(pair[0], 0x0411);  // Japanese
  EXPECT_EQ(pair[1], 1200);    // UTF-16
}

struct StringValue {
  const wchar_t* name;
  std::wstring expected;
};

TEST(StartExeVersion, StringsAreExactlyTheProgramsOwn) {
  const StringValue values[] = {
      // スタート, spelled out so that a wrong reading of the UTF-8 source
      // cannot be hidden by the same wrong reading of this file.
      {L"FileDescription", L"\u30B9\u30BF\u30FC\u30C8"},
      {L"InternalName", L"Start"},
      {L"OriginalFilename", L"Start.exe"},
      {L"ProductName", L"Qolm"},
      {L"FileVersion", L"1.00"},
      {L"ProductVersion", L"1.00"},
  };
  const VersionInfo info(start_exe);
  ASSERT_TRUE(info.Loaded());
  for (const StringValue& v : values) {
    const void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(info.Query(std::wstring(L"\\StringFileInfo\\041104B0\\") + v.name, value, length))
        << "missing " << Narrow(v.name);
    const auto* text = static_cast<const wchar_t*>(value);
    // The reported length may or may not count the terminating NUL.
    ASSERT_GE(length, v.expected.size());
    EXPECT_EQ(std::wstring(text, v.expected.size()), v.expected) << Narrow(v.name);
    EXPECT_EQ(text[v.expected.size()], L'\0') << Narrow(v.name);
  }
}

// --- Manifest and icon ------------------------------------------------------

class ResourceModule {
 public:
  explicit ResourceModule(const std::wstring& path)
      : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ResourceModule() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  bool Loaded() const { return module_ != nullptr; }

  std::string Bytes(LPCWSTR type, LPCWSTR name) const {
    HRSRC found = FindResourceW(module_, name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module_, found));
  }

 private:
  HMODULE module_;
};

TEST(StartExeManifest, RunsAsInvokerAndDeclaresWindows10) {
  const ResourceModule module(start_exe);
  ASSERT_TRUE(module.Loaded()) << GetLastError();
  const std::string manifest = module.Bytes(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << manifest;
  // Nothing to draw, so no common controls to ask for.
  EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
}

#pragma pack(push, 2)
struct IconGroupHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct IconGroupEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(StartExeIcon, HasA32By32IconThatWindowsCanMake) {
  const ResourceModule module(start_exe);
  ASSERT_TRUE(module.Loaded());
  const std::string group = module.Bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
  ASSERT_GE(group.size(), sizeof(IconGroupHeader));
  IconGroupHeader header;
  std::memcpy(&header, group.data(), sizeof header);
  EXPECT_EQ(header.type, 1);
  ASSERT_EQ(group.size(), sizeof header + header.count * sizeof(IconGroupEntry));

  bool made_32 = false;
  for (WORD i = 0; i < header.count; ++i) {
    IconGroupEntry entry;
    std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
    if (entry.width != 32 || entry.height != 32) continue;
    std::string image = module.Bytes(RT_ICON, MAKEINTRESOURCEW(entry.id));
    ASSERT_EQ(image.size(), entry.bytes);
    HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image.data()),
                                          static_cast<DWORD>(image.size()), TRUE, 0x00030000, 32,
                                          32, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr) << GetLastError();
    DestroyIcon(icon);
    made_32 = true;
  }
  EXPECT_TRUE(made_32);
}

// --- Program file -----------------------------------------------------------

// The parts of a PE image the checks need, read from the file's bytes.
class PeFile {
 public:
  explicit PeFile(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
    IMAGE_DOS_HEADER dos;
    if (!Read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) return;
    const std::size_t nt_at = static_cast<std::size_t>(dos.e_lfanew);
    if (!Read(nt_at, nt_) || nt_.Signature != IMAGE_NT_SIGNATURE ||
        nt_.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) {
      return;
    }
    const std::size_t sections_at =
        nt_at + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt_.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt_.FileHeader.NumberOfSections; ++i) {
      IMAGE_SECTION_HEADER section;
      if (!Read(sections_at + i * sizeof section, section)) return;
      sections_.push_back(section);
    }
    valid_ = true;
  }

  bool Valid() const { return valid_; }
  WORD Subsystem() const { return nt_.OptionalHeader.Subsystem; }

  // Imported function names by lower-case DLL name; ordinals as "#n".
  bool Imports(std::map<std::string, std::set<std::string>>& imports) const {
    const IMAGE_DATA_DIRECTORY directory =
        nt_.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::size_t at = 0;
    if (directory.VirtualAddress == 0 || !Offset(directory.VirtualAddress, at)) return false;
    for (;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      IMAGE_IMPORT_DESCRIPTOR descriptor;
      if (!Read(at, descriptor)) return false;
      if (descriptor.Name == 0) return true;
      std::string dll;
      if (!Text(descriptor.Name, dll)) return false;
      std::transform(dll.begin(), dll.end(), dll.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      std::set<std::string>& names = imports[dll];
      const DWORD thunks = descriptor.OriginalFirstThunk != 0 ? descriptor.OriginalFirstThunk
                                                              : descriptor.FirstThunk;
      std::size_t thunk_at = 0;
      if (!Offset(thunks, thunk_at)) return false;
      for (;; thunk_at += sizeof(IMAGE_THUNK_DATA)) {
        IMAGE_THUNK_DATA thunk;
        if (!Read(thunk_at, thunk)) return false;
        if (thunk.u1.AddressOfData == 0) break;
        if (IMAGE_SNAP_BY_ORDINAL(thunk.u1.Ordinal)) {
          names.insert("#" + std::to_string(IMAGE_ORDINAL(thunk.u1.Ordinal)));
          continue;
        }
        std::string name;
        if (!Text(static_cast<DWORD>(thunk.u1.AddressOfData) + sizeof(WORD), name)) return false;
        names.insert(name);
      }
    }
  }

 private:
  template <typename T>
  bool Read(std::size_t at, T& out) const {
    if (at > bytes_.size() || bytes_.size() - at < sizeof(T)) return false;
    std::memcpy(&out, bytes_.data() + at, sizeof(T));
    return true;
  }

  bool Offset(DWORD rva, std::size_t& at) const {
    for (const IMAGE_SECTION_HEADER& s : sections_) {
      const DWORD size = std::max(s.Misc.VirtualSize, s.SizeOfRawData);
      if (rva >= s.VirtualAddress && rva - s.VirtualAddress < size) {
        at = s.PointerToRawData + (rva - s.VirtualAddress);
        return at < bytes_.size();
      }
    }
    return false;
  }

  bool Text(DWORD rva, std::string& text) const {
    std::size_t at = 0;
    if (!Offset(rva, at)) return false;
    const auto* begin = reinterpret_cast<const char*>(bytes_.data() + at);
    const auto* end = static_cast<const char*>(std::memchr(begin, 0, bytes_.size() - at));
    if (end == nullptr) return false;
    text.assign(begin, end);
    return true;
  }

  std::vector<unsigned char> bytes_;
  IMAGE_NT_HEADERS nt_{};
  std::vector<IMAGE_SECTION_HEADER> sections_;
  bool valid_ = false;
};

TEST(StartExeFile, IsAWindowsProgramWithoutAConsole) {
  const PeFile pe(ReadWholeFile(start_exe));
  ASSERT_TRUE(pe.Valid());
  EXPECT_EQ(pe.Subsystem(), IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(StartExeFile, TakesNothingFromUser32ButKeybdEvent) {
  // No window functions at all: nothing can put a window or a taskbar
  // button on the screen.
  const PeFile pe(ReadWholeFile(start_exe));
  ASSERT_TRUE(pe.Valid());
  std::map<std::string, std::set<std::string>> imports;
  ASSERT_TRUE(pe.Imports(imports));
  EXPECT_EQ(imports["user32.dll"], std::set<std::string>{"keybd_event"});
}

TEST(StartExeFile, NeedsNoDllBeyondWindowsOwn) {
  // The runtime is linked in: the program is one file.
  const PeFile pe(ReadWholeFile(start_exe));
  ASSERT_TRUE(pe.Valid());
  std::map<std::string, std::set<std::string>> imports;
  ASSERT_TRUE(pe.Imports(imports));
  const std::set<std::string> system = {"kernel32.dll", "msvcrt.dll", "user32.dll"};
  for (const auto& [dll, names] : imports) {
    const bool universal_crt = dll == "ucrtbase.dll" || dll.starts_with("api-ms-win-crt-");
    EXPECT_TRUE(system.contains(dll) || universal_crt) << dll;
  }
}

// --- Running it -------------------------------------------------------------

// Every injected key event the system saw while the program ran.
struct SeenKey {
  WPARAM message;
  DWORD key;
  bool up;
  ULONG_PTR extra_info;
  bool operator==(const SeenKey&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SeenKey& s) {
  return out << "{message 0x" << std::hex << s.message << std::dec << ", key " << s.key << ", up "
             << s.up << ", extra " << s.extra_info << "}";
}

std::vector<SeenKey>* seen_keys = nullptr;

LRESULT CALLBACK RecordInjectedKeys(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && seen_keys != nullptr) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if ((info->flags & LLKHF_INJECTED) != 0) {
      seen_keys->push_back(
          {message, info->vkCode, (info->flags & LLKHF_UP) != 0, info->dwExtraInfo});
      // Swallowed, so that running the checks never opens a Start menu.
      if (info->vkCode == VK_LWIN) return 1;
    }
  }
  return CallNextHookEx(nullptr, code, message, data);
}

// Lets the hook run (it is called from this thread's message loop) until
// `done` holds or the time is up.
template <typename Done>
void PumpMessagesUntil(ULONGLONG deadline, HANDLE handle, Done done) {
  while (!done() && GetTickCount64() < deadline) {
    const DWORD handles = handle != nullptr ? 1 : 0;
    MsgWaitForMultipleObjects(handles, &handle, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

TEST(StartExeRun, PressesAndReleasesTheLeftWindowsKeyAndEndsWithCodeZero) {
  std::vector<SeenKey> seen;
  seen_keys = &seen;
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, RecordInjectedKeys, GetModuleHandleW(nullptr), 0);
  ASSERT_NE(hook, nullptr) << GetLastError();

  std::wstring command_line = L"\"" + start_exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(start_exe.c_str(), command_line.data(), nullptr, nullptr,
                                      FALSE, 0, nullptr, nullptr, &startup, &process);
  DWORD exit_code = STILL_ACTIVE;
  bool ended = false;
  if (started) {
    PumpMessagesUntil(GetTickCount64() + 5000, process.hProcess,
                      [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
    ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Events sent just before the end may still be on their way; then give
    // a stray third one the chance to show.
    PumpMessagesUntil(GetTickCount64() + 3000, nullptr, [&] { return seen.size() >= 2; });
    PumpMessagesUntil(GetTickCount64() + 300, nullptr, [] { return false; });
  }
  UnhookWindowsHookEx(hook);
  seen_keys = nullptr;

  ASSERT_TRUE(started) << GetLastError();
  EXPECT_TRUE(ended) << "still running after 5 seconds";
  EXPECT_EQ(exit_code, 0u);
  const std::vector<SeenKey> expected = {
      {WM_KEYDOWN, VK_LWIN, false, 0},
      {WM_KEYUP, VK_LWIN, true, 0},
  };
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace kelvara::start

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fputs("usage: start_exe_check <path of Start.exe> [GoogleTest flags]\n", stderr);
    return 2;
  }
  testing::AddGlobalTestEnvironment(new kelvara::start::StartExeCopy(argv[1]));
  return RUN_ALL_TESTS();
}
