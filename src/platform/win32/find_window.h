#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace kelvara::win32 {

// The window of a form by its name; null when it has none.
using FindWindowFunction = std::function<HWND(std::string_view form)>;

}  // namespace kelvara::win32
