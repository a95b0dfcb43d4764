#include "engine/page_pictures.h"

#include <utility>
#include <variant>

#include "engine/engine_state.h"
#include "platform/system/file_paths.h"

namespace engine {

const platform::Picture* PagePictures::Get(const std::string& windowsPath, Format format) {
  if (auto known = pictures_.find(windowsPath); known != pictures_.end()) {
    return known->second ? &*known->second : nullptr;
  }
  const std::string nativePath = platform::NativePath(windowsPath);
  platform::PictureResult result = format == Format::Bitmap ? platform::LoadBitmapFile(nativePath)
                                                            : platform::LoadJpegFile(nativePath);
  std::optional<platform::Picture>& slot = pictures_[windowsPath];
  if (auto* error = std::get_if<platform::PictureError>(&result)) {
    ShowMessage("Tessel: Picture could not be read: \"" + windowsPath + "\" " + error->reason);
    return nullptr;
  }
  slot = std::move(std::get<platform::Picture>(result));
  return &*slot;
}

}  // namespace engine
