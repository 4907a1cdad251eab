#include "platform/win32/host/font_names.h"

#include <array>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/raii.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

// Japanese Gothic faces, the designed one first; then the faces made to the
// same measures (IPA, VL, Takao), then the others Windows and the usual
// Linux packages provide.
constexpr std::array<const wchar_t*, 12> kJapaneseFaces = {
    L"ＭＳ Ｐゴシック", L"MS PGothic",       L"IPAPGothic",   L"VL PGothic",
    L"TakaoPGothic",    L"MS UI Gothic",     L"Meiryo UI",    L"Yu Gothic UI",
    L"IPAexGothic",     L"Noto Sans CJK JP", L"Noto Sans JP", L"Droid Sans Japanese",
};

int CALLBACK Found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  // One face is enough: 0 ends the enumeration.
  return CallbackBoundary(0, [found] {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
  });
}

bool NeedsJapaneseFace(std::wstring_view name) {
  for (wchar_t c : name) {
    if (c > 0x7f) return true;
  }
  for (const wchar_t* face : kJapaneseFaces) {
    if (name == face) return true;
  }
  return name == L"MS Gothic" || name == L"MS Mincho" || name == L"MS PMincho";
}

}  // namespace

// One family at a time: enumerating them all makes Wine open every face of
// every font file, which costs megabytes that stay.
bool FontNames::Has(const std::wstring& family) {
  if (family.empty() || family.size() >= LF_FACESIZE) return false;
  if (const auto known = known_.find(family); known != known_.end()) return known->second;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  family.copy(query.lfFaceName, family.size());
  bool found = false;
  const WindowDc screen(nullptr);
  EnumFontFamiliesExW(screen.get(), &query, Found, reinterpret_cast<LPARAM>(&found), 0);
  known_.emplace(family, found);
  return found;
}

std::wstring FontNames::JapaneseFallback() {
  if (!fallback_found_) {
    fallback_found_ = true;
    for (const wchar_t* face : kJapaneseFaces) {
      if (Has(face)) {
        fallback_ = face;
        break;
      }
    }
  }
  return fallback_;
}

Face FontNames::Resolve(std::string_view utf8_name) {
  std::wstring name = Widen(utf8_name);
  if (name.size() >= LF_FACESIZE) name.resize(LF_FACESIZE - 1);
  if (name.empty() || Has(name) || !NeedsJapaneseFace(name)) return {name, false};
  std::wstring fallback = JapaneseFallback();
  if (fallback.empty()) return {name, false};
  return {fallback, true};
}

}  // namespace kelvara::win32::host
