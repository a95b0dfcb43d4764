#include "designer/dialogs/folder_of_path.h"

namespace designer {

std::string FolderOfPath(const std::string& windowsPath) {
  const size_t last = windowsPath.find_last_of("\\:");
  if (last == std::string::npos) return {};
  size_t length = last + 1;
  // The separator goes with the folder's name, except where it is the root
  // itself ("\", "C:\") or follows another separator.
  const bool rootSeparator = last == 0 || windowsPath[last - 1] == '\\' || windowsPath[last - 1] == ':';
  if (windowsPath[last] == '\\' && !rootSeparator) --length;
  return windowsPath.substr(0, length);
}

}  // namespace designer
