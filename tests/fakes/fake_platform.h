#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kelvara::testing {

// A scripted platform: tests set what the system says and read back every
// call made, in order, with its arguments.
class FakePlatform final : public platform::Clock,
                           public platform::SystemInfo,
                           public platform::CounterSource,
                           public platform::Tray,
                           public platform::Messages,
                           public platform::Process,
                           public platform::Pictures,
                           public platform::StoreFiles,
                           public platform::Shell,
                           public platform::Clipboard,
                           public platform::MemoryBlocks,
                           public platform::MessagePump,
                           public platform::PopupMenus,
                           public platform::Pickers {
 public:
  FakePlatform();

  platform::Platform& platform() { return platform_; }

  // --- What the system says -------------------------------------------
  platform::LocalTime now{2014, 5, 19, 9, 30, 45};
  bool another_instance = false;
  std::optional<platform::WindowsVersion> version = platform::WindowsVersion{6, 1};
  std::string user_name = "taro";
  std::string current_directory = "C:\\Tools\\kelvara";
  platform::ScreenSize screen{15360, 11520};  // 1024 x 768 pixels
  std::vector<platform::ScreenArea> screen_areas{{0, 0, 15360, 11520}};
  // Unset: the pointer is on a monitor of `screen`'s size at the origin.
  std::optional<platform::MonitorArea> pointer_monitor;
  std::optional<platform::MemoryStatus> memory =
      platform::MemoryStatus{1073741824, 443835596, 2147483648, 1073741824};
  platform::CounterSnapshot counters;
  // Paths whose pictures load; others fail.
  std::map<std::string, ui::PictureId> picture_files;
  // Store files by path, as bytes; folders by path.
  std::map<std::string, std::string> files;
  std::vector<std::string> folders;
  // Make the next store operations of that kind fail with this reason.
  std::optional<std::string> fail_create, fail_count, fail_read, fail_write;
  // What ShellExecuteEx answers.
  bool execute_ex_succeeds = true;
  // The memory claim of this number (1 for the first) cannot be had.
  std::optional<int> fail_claim_at;
  // Runs inside each message-pump call, as a user's actions would.
  std::function<void()> on_pump;
  // Runs once, inside the next call that waits for the user in a loop of its
  // own (a message box, a picker, a shell dialog, a message-pump call; not a
  // popup menu, which only picks), with that call's record: what the user
  // does while it waits.
  std::function<void(const std::string& call)> while_waiting;
  // The user's choices in the next popups, first first; none left: dismissed.
  std::vector<std::string> popup_choices;
  // The user's answers in the next pickers, first first; none left: cancelled.
  std::vector<std::uint32_t> colour_choices;
  std::vector<std::string> file_choices;
  std::vector<platform::FontChoice> font_choices;

  // --- What the program did --------------------------------------------
  std::vector<std::string> calls;
  std::vector<platform::TrayIconData> tray_records;
  std::vector<std::string> messages;  // "title|text"
  std::vector<std::string> message_owners;
  std::vector<ui::PictureId> released;
  // For each popup, the commands the user could reach, top to bottom.
  std::vector<std::vector<std::string>> popups;
  int claims = 0;
  bool quit = false;
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

  // Clock
  platform::LocalTime Now() override;
  std::string ShortDate(const platform::LocalTime& t) override;
  std::string LongTime(const platform::LocalTime& t) override;
  std::string LongDate(const platform::LocalTime& t) override;
  // SystemInfo
  bool AnotherInstanceRunning() override;
  std::optional<platform::WindowsVersion> Version() override;
  std::string UserName() override;
  std::string CurrentDirectory() override;
  platform::ScreenSize Screen() override;
  std::vector<platform::ScreenArea> ScreenAreas() override;
  platform::MonitorArea ScreenUnderPointer() override;
  std::optional<platform::MemoryStatus> Memory() override;
  // CounterSource
  platform::CounterSnapshot Latest() override;
  // Tray
  void Notify(platform::TrayCommand command, const platform::TrayIconData& data) override;
  // Messages and process
  void Show(std::string_view owner, std::string_view text, std::string_view title) override;
  void Quit() override;
  // Pictures
  platform::LoadedPicture Load(std::string_view path) override;
  void Release(ui::PictureId id) override;
  // StoreFiles
  bool Exists(const std::string& path) override;
  StoreStatus CreateFolder(const std::string& path) override;
  StoreStatus CreateFile(const std::string& path) override;
  StoreStatus Count(const std::string& path, int& records) override;
  StoreStatus Read(const std::string& path, SettingsRecord& record) override;
  StoreStatus Write(const std::string& path, const SettingsRecord& record) override;
  void MakeNormal(const std::string& path) override;
  // Shell
  void Execute(platform::OwnerWindow owner, platform::OptionalText verb, std::string_view file,
               platform::OptionalText parameters, platform::OptionalText directory,
               int show) override;
  bool ExecuteEx(const platform::ShellExecuteInfo& info) override;
  void EmptyRecycleBin(platform::OwnerWindow owner, std::string_view root, unsigned flags) override;
  void AddToRecentDocs(unsigned flags, platform::OptionalText path) override;
  void ShowShutDownDialog() override;
  // Clipboard
  void Clear() override;
  // MemoryBlocks
  std::unique_ptr<platform::MemoryBlock> Claim(std::uint64_t bytes,
                                               const BetweenPieces& between) override;
  // MessagePump
  void RunPending() override;
  // PopupMenus
  std::optional<std::string> Popup(std::string_view owner, const ui::MenuItem& root) override;
  // Pickers
  std::uint32_t PickColour(std::string_view owner, std::uint32_t initial) override;
  std::string PickFile(std::string_view owner, std::string_view filter, int filter_index,
                       std::string_view folder) override;
  std::optional<platform::FontChoice> PickFont(std::string_view owner,
                                               const platform::FontPreset& preset) override;

 private:
  void Wait(const std::string& call);

  platform::Platform platform_;
};

// Counter values by position (1 to 5); absent where not given.
platform::CounterSnapshot Counters(std::optional<double> free_space,
                                   std::optional<double> available_mb,
                                   std::optional<double> page_peak, std::optional<double> disk_time,
                                   std::optional<double> processor);

}  // namespace kelvara::testing
