#pragma once
// Paths in templates and from hosts are Windows text (C:\Reports\..\IMAGES).
// The engine keeps its path algorithms on that text; these map to the native
// file system only at the boundary. In the Windows text "\" separates; a path
// given natively ("/home/a/r.qnf") becomes "\home\a\r.qnf". On the way back
// both "\" and "/" separate.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Native path (UTF-8) of a Windows-1252 path text: every "\" becomes "/".
std::string NativePath(std::string_view windowsText);

// The absolute form of a path as the host passed it: relative paths are taken
// from the current folder; the result is Windows text ("/" turned to "\").
std::string AbsoluteWindowsPath(std::string_view hostPath);

bool FileExists(std::string_view windowsText);

// Paths as the system gives them (a file dialog's answer, the user's
// folders) in the same Windows form but in UTF-8, so that a letter the code
// page lacks survives: "/home/me/Отчёты/a.qnf" is "\home\me\Отчёты\a.qnf".
// What the designer only opens, writes or shows stays in this form; a path
// a template stores must become Windows text first, and only can when the
// code page holds every letter.
std::string NativeOfSystemPath(std::string_view systemPath);
// AbsoluteWindowsPath for a system path.
std::string AbsoluteSystemPath(std::string_view path);
bool SystemFileExists(std::string_view systemPath);
// A Windows text path (as a template stores it) as a system path.
std::string SystemPathOf(std::string_view windowsText);
// The Windows text of a system path; nothing when a letter has no byte in
// the code page.
std::optional<std::string> WindowsTextOf(std::string_view systemPath);

}  // namespace platform
