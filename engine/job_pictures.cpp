#include "engine/job_pictures.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "engine/engine_state.h"
#include "platform/system/file_paths.h"

namespace engine {
namespace {

bool Covers(const platform::Picture& picture, const JobPictures::Use& use) {
  return !picture.Reduced() || (picture.Width() >= use.drawnWidth && picture.Height() >= use.drawnHeight);
}

}  // namespace

const platform::Picture* JobPictures::Get(const std::string& windowsPath, Format format, const Use& use) {
  const auto known = pictures_.find(windowsPath);
  if (known == pictures_.end()) return Decode(windowsPath, format, use);
  Kept& kept = known->second;
  kept.largestUse.everyPage = kept.largestUse.everyPage || use.everyPage;
  if (!kept.picture) return nullptr;
  if (Covers(*kept.picture, use)) {
    MarkUsed(kept);
    return &*kept.picture;
  }
  // Drawn larger than it was decoded for: read it again for the larger of
  // the two sizes, so that drawing both in turn does not decode it on every
  // page.
  Use larger = kept.largestUse;
  larger.drawnWidth = std::max(larger.drawnWidth, use.drawnWidth);
  larger.drawnHeight = std::max(larger.drawnHeight, use.drawnHeight);
  Forget(windowsPath);
  return Decode(windowsPath, format, larger);
}

const platform::Picture* JobPictures::Decode(const std::string& windowsPath, Format format, const Use& use) {
  const std::string nativePath = platform::NativePath(windowsPath);
  platform::DecodeRequest request;
  request.drawnWidth = use.drawnWidth;
  request.drawnHeight = use.drawnHeight;
  request.beforePixels = [this](int64_t pixels) { MakeRoomFor(pixels); };
  platform::PictureResult result = format == Format::Bitmap ? platform::LoadBitmapFile(nativePath, request)
                                                            : platform::LoadJpegFile(nativePath, request);
  Kept& kept = pictures_[windowsPath];
  kept.largestUse = use;
  if (auto* error = std::get_if<platform::PictureError>(&result)) {
    ShowMessage("Tessel: Picture could not be read: \"" + windowsPath + "\" " + error->reason);
    return nullptr;
  }
  kept.picture = std::move(std::get<platform::Picture>(result));
  kept.pixels = int64_t{kept.picture->Width()} * kept.picture->Height();
  if (kept.pixels > kKeptPixelsBudget) {
    oversizedPath_ = windowsPath;
  } else {
    keptPixels_ += kept.pixels;
    Recency& recency = use.everyPage ? everyPage_ : otherPages_;
    kept.place = recency.insert(recency.end(), windowsPath);
    kept.placedInEveryPage = use.everyPage;
  }
  return &*kept.picture;
}

void JobPictures::MarkUsed(Kept& kept) {
  if (!kept.place) return;
  Recency& from = kept.placedInEveryPage ? everyPage_ : otherPages_;
  Recency& to = kept.largestUse.everyPage ? everyPage_ : otherPages_;
  to.splice(to.end(), from, *kept.place);
  kept.placedInEveryPage = kept.largestUse.everyPage;
}

// The decode under way is of a picture no longer kept, so it is never the
// one dropped.
void JobPictures::MakeRoomFor(int64_t pixels) {
  if (pixels > kKeptPixelsBudget) {
    if (!oversizedPath_.empty()) Forget(oversizedPath_);
    return;
  }
  while (keptPixels_ + pixels > kKeptPixelsBudget) {
    // A picture of some pages goes before one drawn on every page.
    Recency& recency = otherPages_.empty() ? everyPage_ : otherPages_;
    if (recency.empty()) return;
    Forget(recency.front());
  }
}

// Files that failed stay known, so that their message is not shown twice
// in one job; they hold no pixels.
void JobPictures::Forget(std::string windowsPath) {
  const auto found = pictures_.find(windowsPath);
  if (found == pictures_.end() || !found->second.picture) return;
  Kept& kept = found->second;
  if (windowsPath == oversizedPath_) oversizedPath_.clear();
  if (kept.place) {
    keptPixels_ -= kept.pixels;
    (kept.placedInEveryPage ? everyPage_ : otherPages_).erase(*kept.place);
  }
  pictures_.erase(found);
}

}  // namespace engine
