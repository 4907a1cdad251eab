#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvara {

// The user's settings as the main window holds them: UTF-8 text, one member per
// field of the store record, in file order.
struct SettingsRecord {
  std::string WTop;
  std::string WLeft;
  std::string AllClor;
  std::string DATEClor;
  std::string TimeClor;
  std::string CClor;
  std::string RClor;
  std::string DClor;
  std::string DSClor;
  std::string CVw;
  std::string MVw;
  std::string ClFntN;
  std::string ClFntSt;
  std::string ClSW;
  std::string BClor;
  std::string MClor;
  std::string HClor;
  std::string SClor;
  std::string ClImage;
  std::string CpuImg;
  std::string MemImg;
  std::string DscImg;
  std::string DspImg;
  std::string FSize;
  std::string MAgeVw;
  std::string PFVw;
  std::string PFImg;
  std::string PClor;
  std::string MAClor;
  std::string RTUl;
  std::string PFUl;

  bool operator==(const SettingsRecord&) const = default;
};

constexpr std::size_t kRecordLength = 2194;

// One fixed-width field of the record: the single table that encoding, decoding
// and trimming all walk.
struct StoreField {
  std::string_view name;
  std::size_t offset;
  std::size_t width;
  std::string SettingsRecord::*member;
};

extern const std::array<StoreField, 31> kStoreFields;

// Exactly kRecordLength bytes of code page 932: each value left-aligned,
// space-padded, cut at a character boundary when longer than its field.
std::string EncodeRecord(const SettingsRecord& record);

// Each field decoded with its padding kept; bytes past the end of `bytes` read
// as spaces, undecodable bytes as U+FFFD.
SettingsRecord DecodeRecord(std::string_view bytes);

// Whole records in a file of this length: the quotient rounded, halves to even.
int CountRecords(std::uint64_t file_length);

// The result of a file operation on the store; `reason` says what went wrong,
// in words a user can act on, when `ok` is false.
// A failure must reach the user or the caller: never ignore one.
struct [[nodiscard]] StoreStatus {
  bool ok = true;
  std::string reason;
};

// Paths are UTF-8. None of these keep the file open, and a failure leaves the
// caller's values and the file as they were.

// Creates the folder and an empty file when they are missing.
StoreStatus CreateStoreFile(const std::string& path);

// Sets `records` to the file's record count.
StoreStatus CountStoreRecords(const std::string& path, int& records);

// Reads record 1 into `record`, padding kept; a short or empty file reads as if
// padded with spaces.
StoreStatus ReadFirstRecord(const std::string& path, SettingsRecord& record);

// How a save waits out a store that another program (a sync client, a virus
// scanner) holds open for a moment: a replace refused as in use or access
// denied is tried again `pause` later, `tries` times in all (about half a
// second); any other refusal fails the save at once. `replace` and `sleep`
// are the file system's rename and the thread's sleep unless a test sets them.
struct ReplaceRetry {
  int tries = 6;
  std::chrono::milliseconds pause{100};
  std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>
      replace;
  std::function<void(std::chrono::milliseconds)> sleep;
};

// Whether a replace refused so may pass when it is tried again shortly.
bool MayPassLater(std::error_code refusal);

// Writes record 1 through a temporary file in the same folder and an atomic
// replace, keeping whatever follows record 1.
StoreStatus WriteFirstRecord(const std::string& path, const SettingsRecord& record,
                             const ReplaceRetry& retry = {});

}  // namespace kelvara
