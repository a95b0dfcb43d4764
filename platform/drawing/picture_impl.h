#pragma once
// The inside of a Picture, for the platform code that decodes, captures or
// draws pictures. Callers outside the platform see only picture.h.
#include <QImage>
#include <optional>

#include "platform/drawing/picture.h"

namespace platform {

struct Picture::Impl {
  QImage image;
  // Decoded from a JPEG file: a PDF may carry it compressed as JPEG again.
  // Every other picture reaches paper pixel for pixel, as StretchDIBits
  // copies it.
  bool fromJpeg = false;
  bool reduced = false;
};

// Wraps an image that has already been decoded or captured.
Picture PictureFromImage(QImage image);

// The refusal for a picture whose size is unusable (zero, negative or past
// kMaxPicturePixels), checked before any pixel memory is taken.
std::optional<PictureError> CheckPictureSize(int64_t width, int64_t height);

}  // namespace platform
