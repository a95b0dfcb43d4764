// JPEG pictures through our libjpeg wrapper, from memory and from a file:
// the two feed libjpeg through different sources, which end differently.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/drawing/picture.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/invariant.h"
#include "tests/fuzz/entries/picture_check.h"
#include "tests/fuzz/entries/scratch_folder.h"

namespace tessel_fuzz::jpeg {
namespace {

// A picture near the size limit takes seconds to decode under the
// sanitizers; reading it a second time from a file shows nothing new.
constexpr int64_t kComparedPixels = 4'000'000;

bool Large(const platform::PictureResult& result) {
  const auto* picture = std::get_if<platform::Picture>(&result);
  return picture && int64_t{picture->Width()} * picture->Height() > kComparedPixels;
}

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  const platform::PictureResult fromMemory = platform::DecodeJpeg(data, size);
  CheckDecoded(fromMemory);
  if (const auto* picture = std::get_if<platform::Picture>(&fromMemory)) DrawPicture(*picture);
  if (Large(fromMemory)) return 0;

  ScratchFolder scratch;
  const std::string path =
      scratch.Write("input.jpg", std::string_view(reinterpret_cast<const char*>(data), size));
  const platform::PictureResult fromFile = platform::LoadJpegFile(path);
  CheckDecoded(fromFile);
  if (size > 0) {
    CheckInvariant(fromFile.index() == fromMemory.index(),
                   "a JPEG decodes from a file exactly when it decodes from memory");
  }
  // Decoded for a drawn size, as on a page: libjpeg's scaled decoding reads
  // the same data, and a reduced picture still covers the size.
  const int32_t drawn = 1 + (size > 0 ? data[size - 1] : 0);
  const platform::PictureResult scaled = platform::LoadJpegFile(path, {drawn, drawn, nullptr});
  CheckDecoded(scaled);
  CheckInvariant(scaled.index() == fromFile.index(), "a JPEG decodes at a reduced scale exactly when whole");
  if (const auto* picture = std::get_if<platform::Picture>(&scaled); picture && picture->Reduced()) {
    CheckInvariant(picture->Width() >= drawn && picture->Height() >= drawn,
                   "a reduced JPEG covers the size it is drawn at");
  }
  return 0;
}

}  // namespace tessel_fuzz::jpeg
