#pragma once
// A part of a picture as a picture of its own: what is drawn when only part
// of a picture can fall on the page.
#include <cstdint>

#include "platform/drawing/geometry.h"
#include "platform/drawing/picture.h"

namespace platform {

// The pixels of picture inside section (clipped to the picture), as they
// are; empty when nothing of it is inside.
Picture PictureSection(const Picture& picture, const TRect& section);

// The area from (left, top) to (right, bottom) of the picture, in its pixels
// and fractions of them, sampled at width by height points: each point takes
// the pixel it falls in. For pictures drawn so large that a pixel is wider
// than the page.
struct PictureArea {
  double left = 0, top = 0, right = 0, bottom = 0;
};
Picture SampledPictureArea(const Picture& picture, const PictureArea& area, int32_t width,
                           int32_t height);

}  // namespace platform
