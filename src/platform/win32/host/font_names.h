#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace kelvara::win32::host {

// A face to ask GDI for.
struct Face {
  std::wstring name;
  // A Japanese face of this system standing in for a designed one it lacks.
  bool stands_in = false;
  bool operator==(const Face&) const = default;
};

// Turns a font name of the model into one this system has. A Japanese name
// the system lacks (a Wine prefix has no ＭＳ Ｐゴシック) becomes a Japanese
// face that exists, so captions never fall back to boxes; other names go to
// GDI as they are and get its usual substitute.
class FontNames {
 public:
  Face Resolve(std::string_view utf8_name);

  // Whether this system has a family of that name, asked once per name.
  bool Has(const std::wstring& family);

 private:
  std::wstring JapaneseFallback();

  std::map<std::wstring, bool> known_;
  std::wstring fallback_;
  bool fallback_found_ = false;
};

}  // namespace kelvara::win32::host
