// File operations of the user data store. Portable on purpose: the same code
// runs natively and on Windows, where the paths arrive as UTF-8 and go to the
// wide-character file API through std::filesystem.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

#include "store/store_path.h"
#include "store/user_data_store.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

StoreStatus Failure(std::string reason) { return StoreStatus{false, std::move(reason)}; }

bool IsReadOnly(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return !ec && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Reads at most `limit` bytes (all when limit is 0); false when the file cannot
// be opened or read.
bool ReadBytes(const fs::path& path, std::string& bytes, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  if (limit == 0) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    bytes.assign(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  return !in.bad();
}

// Renames `from` over `to`; the last refusal, or none.
std::error_code Replace(const fs::path& from, const fs::path& to, const ReplaceRetry& retry) {
  std::error_code ec;
  for (int tried = 1;; ++tried) {
    if (retry.replace) {
      ec = retry.replace(from, to);
    } else {
      fs::rename(from, to, ec);
    }
    if (!ec || tried >= retry.tries || !MayPassLater(ec)) return ec;
    // A temporary that is gone (io_error from MinGW too) never comes back.
    std::error_code ignored;
    if (!fs::exists(from, ignored)) return ec;
    if (retry.sleep) {
      retry.sleep(retry.pause);
    } else {
      std::this_thread::sleep_for(retry.pause);
    }
  }
}

}  // namespace

bool MayPassLater(std::error_code refusal) {
  // Windows refuses to replace a target open in another program with
  // ERROR_ACCESS_DENIED, and a temporary a scanner has open with
  // ERROR_SHARING_VIOLATION; MinGW's library reports the first as
  // permission_denied and the second, like every other Win32 error, as
  // io_error. busy is the POSIX word for the same.
  return refusal == std::errc::permission_denied || refusal == std::errc::io_error ||
         refusal == std::errc::device_or_resource_busy;
}

StoreStatus CreateStoreFile(const std::string& path) {
  const fs::path file = PathOf(path);
  std::error_code ec;
  const fs::path folder = file.parent_path();
  if (!folder.empty() && !fs::is_directory(folder, ec)) {
    if (fs::exists(folder, ec)) return Failure("フォルダと同じ名前のファイルがあります");
    if (!MakeFolder(folder, true)) return Failure("フォルダを作成できません");
  }
  if (fs::exists(file, ec)) {
    return fs::is_regular_file(file, ec) ? StoreStatus{} : Failure("ファイルではありません");
  }
  std::ofstream out(file, std::ios::binary | std::ios::app);
  return out ? StoreStatus{} : Failure("ファイルを作成できません");
}

StoreStatus CountStoreRecords(const std::string& path, int& records) {
  std::error_code ec;
  const std::uintmax_t length = fs::file_size(PathOf(path), ec);
  if (ec) return Failure("ファイルの大きさを読めません");
  records = CountRecords(length);
  return {};
}

StoreStatus ReadFirstRecord(const std::string& path, SettingsRecord& record) {
  std::string bytes;
  if (!ReadBytes(PathOf(path), bytes, kRecordLength)) return Failure("ファイルを読めません");
  record = DecodeRecord(bytes);
  return {};
}

StoreStatus WriteFirstRecord(const std::string& path, const SettingsRecord& record,
                             const ReplaceRetry& retry) {
  const fs::path file = PathOf(path);
  std::error_code ec;
  const bool exists = fs::exists(file, ec);
  std::string tail;
  if (exists) {
    if (!fs::is_regular_file(file, ec)) return Failure("ファイルではありません");
    if (IsReadOnly(file)) return Failure("読み取り専用のファイルです");
    // Opening for update, without truncating, finds a file another program holds.
    if (!std::fstream(file, std::ios::binary | std::ios::in | std::ios::out)) {
      return Failure("ファイルに書き込めません");
    }
    std::string whole;
    if (!ReadBytes(file, whole, 0)) return Failure("ファイルを読めません");
    if (whole.size() > kRecordLength) tail = whole.substr(kRecordLength);
  }

  fs::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Failure("一時ファイルを作成できません");
    const std::string bytes = EncodeRecord(record);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return Failure("書き込みに失敗しました (ディスクの空きが足りない可能性があります)");
    }
  }
  if (Replace(temporary, file, retry)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failure("ファイルを置き換えられません");
  }
  return {};
}

}  // namespace kelvara
