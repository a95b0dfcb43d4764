#pragma once
// The designer keeps its settings and recent files per user, where the
// desktop expects application data: $XDG_DATA_HOME/tessel, by default
// ~/.local/share/tessel.
#include <string>
#include <string_view>

namespace platform {

// The path of fileName (Windows-1252) in the user's Tessel folder, as Windows
// text ("\home\a\.local\share\tessel\tessel.ini"). The folder is made when
// missing, as far as the file system allows; the file is not created.
std::string UserDataFilePath(std::string_view fileName);

}  // namespace platform
