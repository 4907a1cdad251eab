#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvara::cp932 {

// Code page 932 (Shift_JIS as Windows has it), the same on every system, so a
// store file means the same bytes wherever it is read.

// UTF-8 to code page bytes as Windows writes them: ¢ £ ¬ ‖ − 〜 by best fit (as
// the codes of ￠ ￡ ￢ ∥ － ～, so they do not read back unchanged), U+F8F0 to
// U+F8F3 as the single bytes A0, FD, FE, FF; any other character the code page
// lacks, or a broken UTF-8 sequence, becomes "?".
std::string FromUtf8(std::string_view utf8);

// Code page bytes to UTF-8 as Windows reads them (A0, FD, FE, FF as U+F8F0 to
// U+F8F3); a byte or pair that decodes to nothing becomes U+FFFD.
std::string ToUtf8(std::string_view bytes);

// The longest prefix of bytes, at most width long, that ends on a character
// boundary: a double-byte character is never split.
std::size_t CutAtCharacter(std::string_view bytes, std::size_t width);

}  // namespace kelvara::cp932
