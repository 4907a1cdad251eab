#include "text/cp932.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

namespace kelvara::cp932 {
namespace {

#include "text/cp932_table.inc"

constexpr char32_t kReplacement = 0xFFFD;

bool IsLeadByte(unsigned byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

std::size_t LeadIndex(unsigned lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31; }

void AppendUtf8(std::string& out, char32_t unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

// Next code point of UTF-8 text at i, advancing i; a broken sequence yields
// kReplacement and skips one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned first = byte(i);
  if (first < 0x80) {
    ++i;
    return first;
  }
  std::size_t length = 0;
  char32_t point = 0;
  char32_t minimum = 0;
  if ((first & 0xE0) == 0xC0) {
    length = 2, point = first & 0x1F, minimum = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, point = first & 0x0F, minimum = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, point = first & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + length > text.size()) {
    ++i;
    return kReplacement;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    point = (point << 6) | (byte(i + k) & 0x3F);
  }
  if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += length;
  return point;
}

// Code page bytes of one code point; none when the code page lacks it.
std::optional<unsigned> Encode(char32_t point) {
  if (point < 0x80) return point;
  if (point > 0xFFFF) return std::nullopt;
  const auto* end = std::end(kEncode);
  const auto* found =
      std::lower_bound(std::begin(kEncode), end, point,
                       [](const EncodeEntry& entry, char32_t unit) { return entry.unit < unit; });
  if (found == end || found->unit != point) return std::nullopt;
  return found->code;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<unsigned> code = Encode(NextCodePoint(utf8, i));
    if (!code) {
      out.push_back('?');
    } else if (*code > 0xFF) {
      out.push_back(static_cast<char>(*code >> 8));
      out.push_back(static_cast<char>(*code & 0xFF));
    } else {
      out.push_back(static_cast<char>(*code));
    }
  }
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    if (first < 0x80) {
      out.push_back(static_cast<char>(first));
      ++i;
      continue;
    }
    if (!IsLeadByte(first)) {
      const char32_t unit = kSingleByte[first - 0x80];
      AppendUtf8(out, unit != 0 ? unit : kReplacement);
      ++i;
      continue;
    }
    const unsigned trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
    if (!IsTrailByte(trail)) {
      // A lead byte without its trail stands alone; the next byte is read afresh.
      AppendUtf8(out, kReplacement);
      ++i;
      continue;
    }
    const char32_t unit = kDoubleByte[LeadIndex(first)][trail - 0x40];
    AppendUtf8(out, unit != 0 ? unit : kReplacement);
    i += 2;
  }
  return out;
}

std::size_t CutAtCharacter(std::string_view bytes, std::size_t width) {
  std::size_t boundary = 0;
  while (boundary < bytes.size()) {
    const unsigned first = static_cast<unsigned char>(bytes[boundary]);
    const std::size_t step = IsLeadByte(first) && boundary + 1 < bytes.size() ? 2 : 1;
    if (boundary + step > width) break;
    boundary += step;
  }
  return boundary;
}

}  // namespace kelvara::cp932
