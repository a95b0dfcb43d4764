#pragma once
// What every decoded picture must hold to, and a drawing of it, so that a
// picture that decodes but cannot be drawn is found too.
#include "platform/drawing/picture.h"

namespace tessel_fuzz {

// A picture has pixels within the size limit; a refusal says why.
void CheckDecoded(const platform::PictureResult& result);

// Draws the picture shrunk and enlarged on a small page, as image regions
// and picture printing do.
void DrawPicture(const platform::Picture& picture);

}  // namespace tessel_fuzz
