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

// Creates a folder and the folders it lies in; true when it is a folder
// afterwards, also when it was one already.
inline bool MakeFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::create_directories(folder, ec) && !ec) return true;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace kelvara
