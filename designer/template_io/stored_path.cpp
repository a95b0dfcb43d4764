#include "designer/template_io/stored_path.h"

#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"

namespace designer {

std::optional<std::string> PathToStore(const std::string& systemPath) {
  std::optional<std::string> stored = platform::WindowsTextOf(systemPath);
  if (!stored) {
    platform::ShowUnicodeMessage("\"" + systemPath +
                                 "\" cannot be stored in the template: a template holds paths in Western European "
                                 "letters only. Rename the file or folder, or choose another.");
  }
  return stored;
}

}  // namespace designer
