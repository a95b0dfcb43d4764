#pragma once
// Paths in templates and from hosts are Windows text (C:\Reports\..\IMAGES).
// The engine keeps its path algorithms on that text; these map to the native
// file system only at the boundary. In the Windows text "\" separates; a path
// given natively ("/home/a/r.qnf") becomes "\home\a\r.qnf". On the way back
// both "\" and "/" separate.
#include <string>
#include <string_view>

namespace platform {

// Native path (UTF-8) of a Windows-1252 path text: every "\" becomes "/".
std::string NativePath(std::string_view windowsText);

// The absolute form of a path as the host passed it: relative paths are taken
// from the current folder; the result is Windows text ("/" turned to "\").
std::string AbsoluteWindowsPath(std::string_view hostPath);

bool FileExists(std::string_view windowsText);

}  // namespace platform
