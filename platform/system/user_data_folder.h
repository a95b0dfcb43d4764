#pragma once
// The designer keeps its settings and recent files per user, where the
// desktop expects application data: $XDG_DATA_HOME/tessel, by default
// ~/.local/share/tessel.
#include <string>
#include <string_view>

namespace platform {

// The path of fileName in the user's Tessel folder, as a system path
// ("\home\a\.local\share\tessel\tessel.ini", platform/system/file_paths.h),
// so that a home folder in any language is the folder used. The folder is made when
// missing, as far as the file system allows; the file is not created.
std::string UserDataFilePath(std::string_view fileName);

}  // namespace platform
