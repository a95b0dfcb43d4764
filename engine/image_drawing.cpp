#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/engine_state.h"
#include "engine/item_drawing.h"
#include "engine/item_files.h"
#include "engine/job_pictures.h"

namespace engine {
namespace {

int32_t Span(int32_t from, int32_t to) {
  return static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(to) - from, INT32_MAX));
}

}  // namespace

ItemResult DrawImageRegion(const ItemDrawingContext& context, const TPlacedItem& placed) {
  // An empty name (no file, a missing one, or the error flag set) has the
  // empty extension and ends the page like any other unknown type.
  const std::string path = ResolveItemFile(*placed.entry);
  const std::string extension = LowerExtension(path);
  const bool bitmap = extension == ".bmp" || extension == ".dib";
  if (!bitmap && extension != ".jpg") {
    ShowMessage("Tessel: Expected BMP or JPG extention, found - " + extension + "\"  ");
    return ItemResult::EndPage;
  }
  const platform::TRect rect = DeviceRect(context.transform, placed.rect);
  const int32_t width = Span(rect.Left, rect.Right);
  const int32_t height = Span(rect.Top, rect.Bottom);
  // A picture drawn with no area still reads its file, so that a damaged
  // one is reported; it is decoded at the least size.
  const JobPictures::Use use{std::max(width, 1), std::max(height, 1), context.staticLayer};
  const platform::Picture* picture =
      context.pictures.Get(path, bitmap ? JobPictures::Format::Bitmap : JobPictures::Format::Jpeg, use);
  if (!picture) return ItemResult::Continue;
  context.canvas.StretchDIBits(rect.Left, rect.Top, width, height, *picture);
  return ItemResult::Continue;
}

}  // namespace engine
