#pragma once

#include <functional>
#include <string>

namespace kelvara::win32 {

using FileExists = std::function<bool(const std::wstring& path)>;

// The file a start names, as a 32-bit program on 64-bit Windows must name it
// to reach the system's own tool: the file-system redirector sends System32
// to SysWOW64, where several tools do not exist, and Sysnative is the way
// back. A path into System32 goes through Sysnative; a bare tool name does
// when the tool is there. Anything else, and every start of a program that
// is not redirected (`redirected` false), stays as it is.
std::wstring NativeToolPath(const std::wstring& file, const std::wstring& windows_folder,
                            bool redirected, const FileExists& exists);

// The same for this process: redirected when it runs under WOW64.
std::wstring NativeToolPath(const std::wstring& file);

}  // namespace kelvara::win32
