#pragma once
// The folder part of a file path in Windows text.
#include <string>

namespace designer {

// "C:\Reports\a.bmp" gives "C:\Reports", "C:\a.bmp" the drive's root "C:\",
// "\a.bmp" the root "\" and a bare name the empty text.
std::string FolderOfPath(const std::string& windowsPath);

}  // namespace designer
