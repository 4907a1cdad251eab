#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvara::win32 {

// UTF-8 to UTF-16 for the wide calls; a broken sequence becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-16 from the wide calls to UTF-8; a lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

// Code page 932 bytes to UTF-16 by our own table, so the result is the same
// whatever the system code page is.
std::wstring WidenCp932(std::string_view bytes);

// The tray tip's code page 932 buffer as the shell's tip text: up to the first
// NUL (or the whole buffer), without a double-byte character cut in half, and
// at most `limit` UTF-16 units, again without splitting a surrogate pair.
std::wstring TrayTipText(const char* bytes, std::size_t size, std::size_t limit);

}  // namespace kelvara::win32
