// BMP and DIB pictures from memory through DecodeBitmap.
#include <variant>

#include "platform/drawing/picture.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/picture_check.h"

namespace tessel_fuzz::bmp {

int FuzzOne(const uint8_t* data, size_t size) {
  const platform::PictureResult result = platform::DecodeBitmap(data, size);
  CheckDecoded(result);
  if (const auto* picture = std::get_if<platform::Picture>(&result)) DrawPicture(*picture);
  return 0;
}

}  // namespace tessel_fuzz::bmp
