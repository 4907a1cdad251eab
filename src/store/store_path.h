#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace kelvara {

// Store paths arrive as UTF-8; as a u8string they reach the wide-character
// file API on Windows unchanged.
inline std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Creates a folder, with the folders it lies in when `parents`; true when it
// is a folder afterwards, also when it was one already.
inline bool MakeFolder(const std::filesystem::path& folder, bool parents) {
  std::error_code ec;
  const bool made = parents ? std::filesystem::create_directories(folder, ec)
                            : std::filesystem::create_directory(folder, ec);
  if (made && !ec) return true;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace kelvara
