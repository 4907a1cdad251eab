#include "platform/store_files.h"

#include <filesystem>
#include <system_error>

#include "store/store_path.h"

namespace kelvara::platform {

namespace fs = std::filesystem;

bool PortableStoreFiles::Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(PathOf(path), ec);
}

StoreStatus PortableStoreFiles::CreateFolder(const std::string& path) {
  if (MakeFolder(PathOf(path), false)) return {};
  return {false, "フォルダを作成できません"};
}

StoreStatus PortableStoreFiles::CreateFile(const std::string& path) {
  return CreateStoreFile(path);
}

StoreStatus PortableStoreFiles::Count(const std::string& path, int& records) {
  return CountStoreRecords(path, records);
}

StoreStatus PortableStoreFiles::Read(const std::string& path, SettingsRecord& record) {
  return ReadFirstRecord(path, record);
}

StoreStatus PortableStoreFiles::Write(const std::string& path, const SettingsRecord& record) {
  return WriteFirstRecord(path, record);
}

void PortableStoreFiles::MakeNormal(const std::string& path) {
  std::error_code ec;
  fs::permissions(PathOf(path), fs::perms::owner_read | fs::perms::owner_write,
                  fs::perm_options::add, ec);
}

}  // namespace kelvara::platform
