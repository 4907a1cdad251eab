#include "platform/win32/text.h"

#include <windows.h>

#include <climits>

#include "text/cp932.h"

namespace kelvara::win32 {
namespace {

bool IsCp932Lead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf16.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string narrow(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), bytes, nullptr, nullptr);
  return narrow;
}

std::wstring WidenCp932(std::string_view bytes) { return Widen(cp932::ToUtf8(bytes)); }

std::wstring TrayTipText(const char* bytes, std::size_t size, std::size_t limit) {
  std::size_t end = 0;
  while (end < size && bytes[end] != '\0') ++end;
  // The behaviour cuts the tip by bytes, so its last byte may be the first
  // half of a character; show nothing for that half.
  std::size_t whole = 0;
  while (whole < end) {
    const bool pair = IsCp932Lead(static_cast<unsigned char>(bytes[whole]));
    if (pair && whole + 1 >= end) break;
    whole += pair ? 2 : 1;
  }
  std::wstring text = WidenCp932(std::string_view(bytes, whole));
  if (text.size() > limit) {
    std::size_t keep = limit;
    if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
    text.resize(keep);
  }
  return text;
}

}  // namespace kelvara::win32
