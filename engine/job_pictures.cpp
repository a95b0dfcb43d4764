#include "engine/job_pictures.h"

#include <iterator>
#include <utility>
#include <variant>

#include "engine/engine_state.h"
#include "platform/system/file_paths.h"

namespace engine {

const platform::Picture* JobPictures::Get(const std::string& windowsPath, Format format) {
  if (auto known = pictures_.find(windowsPath); known != pictures_.end()) {
    return known->second ? &*known->second : nullptr;
  }
  oversized_.reset();  // before decoding the next, so two never meet
  const std::string nativePath = platform::NativePath(windowsPath);
  platform::PictureResult result = format == Format::Bitmap ? platform::LoadBitmapFile(nativePath)
                                                            : platform::LoadJpegFile(nativePath);
  if (auto* error = std::get_if<platform::PictureError>(&result)) {
    pictures_[windowsPath].reset();
    ShowMessage("Tessel: Picture could not be read: \"" + windowsPath + "\" " + error->reason);
    return nullptr;
  }
  platform::Picture& picture = std::get<platform::Picture>(result);
  const int64_t pixels = static_cast<int64_t>(picture.Width()) * picture.Height();
  if (pixels > kKeptPixelsBudget) {
    pictures_.erase(windowsPath);
    oversized_ = std::move(picture);
    return &*oversized_;
  }
  MakeRoomFor(pixels);
  std::optional<platform::Picture>& kept = pictures_[windowsPath];
  kept = std::move(picture);
  keptPixels_ += pixels;
  return &*kept;
}

// Drops every decoded picture once the budget would be passed; files that
// failed stay known, so their message is not shown twice in one job.
void JobPictures::MakeRoomFor(int64_t pixels) {
  if (keptPixels_ + pixels <= kKeptPixelsBudget) return;
  for (auto entry = pictures_.begin(); entry != pictures_.end();) {
    entry = entry->second ? pictures_.erase(entry) : std::next(entry);
  }
  keptPixels_ = 0;
}

}  // namespace engine
