#include "fakes/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace kelvara::testing {
namespace {

// A null text reads "<null>", so that it differs from the empty text.
std::string Text(platform::OptionalText text) { return text ? std::string(*text) : "<null>"; }
std::string Owner(platform::OwnerWindow owner) {
  return owner.empty() ? "<null>" : std::string(owner);
}

// A claimed block tells the fake when it is freed.
class FakeBlock final : public platform::MemoryBlock {
 public:
  FakeBlock(std::vector<std::string>& calls, std::uint64_t bytes) : calls_(calls), bytes_(bytes) {}
  ~FakeBlock() override { calls_.push_back("Memory.Free bytes=" + std::to_string(bytes_)); }

 private:
  std::vector<std::string>& calls_;
  std::uint64_t bytes_;
};

void ReachableCommands(const ui::MenuItem& item, std::vector<std::string>& out) {
  for (const ui::MenuItem& child : item.children) {
    if (!child.visible || !child.enabled) continue;
    if (child.children.empty()) out.push_back(child.name);
    ReachableCommands(child, out);
  }
}

std::string Two(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

}  // namespace

FakePlatform::FakePlatform()
    : platform_{*this, *this, *this, *this, *this, *this, *this,
                *this, *this, *this, *this, *this, *this, *this} {}

std::vector<std::string> FakePlatform::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& call : calls) {
    if (call.rfind(prefix, 0) == 0) out.push_back(call);
  }
  return out;
}

platform::LocalTime FakePlatform::Now() { return now; }

// The forms of a Japanese Windows.
std::string FakePlatform::ShortDate(const platform::LocalTime& t) {
  return std::to_string(t.year) + "/" + Two(t.month) + "/" + Two(t.day);
}
std::string FakePlatform::LongTime(const platform::LocalTime& t) {
  return std::to_string(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second);
}
std::string FakePlatform::LongDate(const platform::LocalTime& t) {
  return std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) +
         "日";
}

bool FakePlatform::AnotherInstanceRunning() {
  calls.push_back("AnotherInstanceRunning");
  return another_instance;
}
std::optional<platform::WindowsVersion> FakePlatform::Version() {
  calls.push_back("Version");
  return version;
}
std::string FakePlatform::UserName() { return user_name; }
std::string FakePlatform::CurrentDirectory() { return current_directory; }
platform::ScreenSize FakePlatform::Screen() { return screen; }
std::vector<platform::ScreenArea> FakePlatform::ScreenAreas() { return screen_areas; }
platform::MonitorArea FakePlatform::ScreenUnderPointer() {
  if (pointer_monitor) return *pointer_monitor;
  const platform::ScreenArea whole{0, 0, screen.width, screen.height};
  return {whole, whole};
}
std::optional<platform::MemoryStatus> FakePlatform::Memory() {
  calls.push_back("Memory");
  return memory;
}

platform::CounterSnapshot FakePlatform::Latest() { return counters; }

void FakePlatform::Notify(platform::TrayCommand command, const platform::TrayIconData& data) {
  static const char* const kNames[] = {"Add", "Modify", "Delete"};
  calls.push_back(std::string("Tray.") + kNames[static_cast<int>(command)]);
  tray_records.push_back(data);
}

void FakePlatform::Show(std::string_view owner, std::string_view text, std::string_view title) {
  calls.push_back("Message");
  messages.push_back(std::string(title) + "|" + std::string(text));
  message_owners.push_back(Owner(owner));
  Wait("Message owner=" + Owner(owner));
}

void FakePlatform::Wait(const std::string& call) {
  if (!while_waiting) return;
  // Taken first: what the user does may raise another box, which must not
  // run it again.
  const auto user = std::exchange(while_waiting, nullptr);
  user(call);
}

void FakePlatform::Quit() {
  calls.push_back("Quit");
  quit = true;
}

platform::LoadedPicture FakePlatform::Load(std::string_view path) {
  calls.push_back("Picture.Load " + std::string(path));
  const auto found = picture_files.find(std::string(path));
  if (found == picture_files.end()) return {0, "読み込めません"};
  return {found->second, ""};
}

void FakePlatform::Release(ui::PictureId id) {
  calls.push_back("Picture.Release " + std::to_string(id));
  released.push_back(id);
}

bool FakePlatform::Exists(const std::string& path) {
  return files.count(path) != 0 || std::find(folders.begin(), folders.end(), path) != folders.end();
}

StoreStatus FakePlatform::CreateFolder(const std::string& path) {
  calls.push_back("Store.CreateFolder " + path);
  folders.push_back(path);
  return {};
}

StoreStatus FakePlatform::CreateFile(const std::string& path) {
  calls.push_back("Store.CreateFile " + path);
  if (fail_create) return {false, *fail_create};
  files.try_emplace(path);
  return {};
}

StoreStatus FakePlatform::Count(const std::string& path, int& records) {
  calls.push_back("Store.Count " + path);
  if (fail_count) return {false, *fail_count};
  const auto found = files.find(path);
  if (found == files.end()) return {false, "ありません"};
  records = CountRecords(found->second.size());
  return {};
}

StoreStatus FakePlatform::Read(const std::string& path, SettingsRecord& record) {
  calls.push_back("Store.Read " + path);
  if (fail_read) return {false, *fail_read};
  const auto found = files.find(path);
  if (found == files.end()) return {false, "ありません"};
  record = DecodeRecord(std::string_view(found->second).substr(0, kRecordLength));
  return {};
}

StoreStatus FakePlatform::Write(const std::string& path, const SettingsRecord& record) {
  calls.push_back("Store.Write " + path);
  if (fail_write) return {false, *fail_write};
  std::string& bytes = files[path];
  const std::string tail = bytes.size() > kRecordLength ? bytes.substr(kRecordLength) : "";
  bytes = EncodeRecord(record) + tail;
  return {};
}

void FakePlatform::MakeNormal(const std::string& path) {
  calls.push_back("Store.MakeNormal " + path);
}

void FakePlatform::Execute(platform::OwnerWindow owner, platform::OptionalText verb,
                           std::string_view file, platform::OptionalText parameters,
                           platform::OptionalText directory, int show) {
  calls.push_back("Shell.Execute hwnd=" + Owner(owner) + " verb=" + Text(verb) +
                  " file=" + std::string(file) + " params=" + Text(parameters) +
                  " dir=" + Text(directory) + " show=" + std::to_string(show));
}

bool FakePlatform::ExecuteEx(const platform::ShellExecuteInfo& info) {
  calls.push_back("Shell.ExecuteEx mask=" + std::to_string(info.mask) +
                  " hwnd=" + Owner(info.owner) + " verb=" + Text(info.verb) +
                  " file=" + std::string(info.file) + " params=" + Text(info.parameters) +
                  " dir=" + Text(info.directory) + " show=" + std::to_string(info.show));
  Wait(calls.back());
  return execute_ex_succeeds;
}

void FakePlatform::EmptyRecycleBin(platform::OwnerWindow owner, std::string_view root,
                                   unsigned flags) {
  calls.push_back("Shell.EmptyRecycleBin hwnd=" + Owner(owner) + " root=" + std::string(root) +
                  " flags=" + std::to_string(flags));
  Wait(calls.back());
}

void FakePlatform::AddToRecentDocs(unsigned flags, platform::OptionalText path) {
  calls.push_back("Shell.AddToRecentDocs flags=" + std::to_string(flags) + " path=" + Text(path));
}

void FakePlatform::ShowShutDownDialog() {
  calls.push_back("Shell.ShowShutDownDialog");
  Wait(calls.back());
}

void FakePlatform::Clear() { calls.push_back("Clipboard.Clear"); }

std::unique_ptr<platform::MemoryBlock> FakePlatform::Claim(std::uint64_t bytes,
                                                           const BetweenPieces& between) {
  calls.push_back("Memory.Claim bytes=" + std::to_string(bytes));
  ++claims;
  if (fail_claim_at && claims == *fail_claim_at) return nullptr;
  // One pause between pieces stands for all of a large block's.
  if (bytes > kPieceBytes && between && !between()) return nullptr;
  return std::make_unique<FakeBlock>(calls, bytes);
}

void FakePlatform::RunPending() {
  calls.push_back("Pump");
  if (on_pump) on_pump();
  Wait(calls.back());
}

std::optional<std::string> FakePlatform::Popup(std::string_view owner, const ui::MenuItem& root) {
  calls.push_back("Menu.Popup owner=" + Owner(owner) + " root=" + root.name);
  popups.emplace_back();
  ReachableCommands(root, popups.back());
  if (popup_choices.empty()) return std::nullopt;
  std::string choice = popup_choices.front();
  popup_choices.erase(popup_choices.begin());
  return choice;
}

namespace {

// The first scripted answer, taken from the list; none when it is empty.
template <typename T>
std::optional<T> TakeFirst(std::vector<T>& answers) {
  if (answers.empty()) return std::nullopt;
  T answer = std::move(answers.front());
  answers.erase(answers.begin());
  return answer;
}

std::string Flag(const std::optional<bool>& value) { return value ? (*value ? "1" : "0") : "-"; }

}  // namespace

std::uint32_t FakePlatform::PickColour(std::string_view owner, std::uint32_t initial) {
  calls.push_back("Pickers.Colour owner=" + Owner(owner) + " initial=" + std::to_string(initial));
  Wait(calls.back());
  return TakeFirst(colour_choices).value_or(initial);
}

std::string FakePlatform::PickFile(std::string_view owner, std::string_view filter,
                                   int filter_index, std::string_view folder) {
  calls.push_back("Pickers.File owner=" + Owner(owner) + " filter=" + std::string(filter) +
                  " index=" + std::to_string(filter_index) + " folder=" + std::string(folder));
  Wait(calls.back());
  return TakeFirst(file_choices).value_or("");
}

std::optional<platform::FontChoice> FakePlatform::PickFont(std::string_view owner,
                                                           const platform::FontPreset& preset) {
  std::string size = std::to_string(preset.size);
  size.erase(size.find_last_not_of('0') + 1);
  if (!size.empty() && size.back() == '.') size.pop_back();
  calls.push_back("Pickers.Font owner=" + Owner(owner) + " name=" + preset.name + " size=" + size +
                  " bold=" + Flag(preset.bold) + " italic=" + Flag(preset.italic));
  Wait(calls.back());
  return TakeFirst(font_choices);
}

platform::CounterSnapshot Counters(std::optional<double> free_space,
                                   std::optional<double> available_mb,
                                   std::optional<double> page_peak, std::optional<double> disk_time,
                                   std::optional<double> processor) {
  platform::CounterSnapshot snapshot;
  snapshot.values = {free_space, available_mb, page_peak, disk_time, processor};
  return snapshot;
}

}  // namespace kelvara::testing
