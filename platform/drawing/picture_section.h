#pragma once
// A rectangle of a picture as a picture of its own: what is drawn when only
// part of a picture can fall on the page.
#include "platform/drawing/geometry.h"
#include "platform/drawing/picture.h"

namespace platform {

// The part of picture inside section (pixels, clipped to the picture);
// empty when nothing of it is inside.
Picture PictureSection(const Picture& picture, const TRect& section);

}  // namespace platform
