#include "platform/drawing/picture.h"

#include "platform/drawing/picture_impl.h"

namespace platform {

Picture::Picture() : impl_(std::make_unique<Impl>()) {}
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;
Picture::Picture(const Picture& other)
    : impl_(other.impl_ ? std::make_unique<Impl>(*other.impl_) : std::make_unique<Impl>()) {}

Picture& Picture::operator=(const Picture& other) {
  if (this != &other) *this = Picture(other);
  return *this;
}

// A moved-from picture has no Impl; it answers as an empty one.
int32_t Picture::Width() const { return impl_ ? impl_->image.width() : 0; }
int32_t Picture::Height() const { return impl_ ? impl_->image.height() : 0; }
bool Picture::Empty() const { return !impl_ || impl_->image.isNull(); }
bool Picture::Reduced() const { return impl_ && impl_->reduced; }

Picture PictureFromImage(QImage image) {
  Picture picture;
  picture.impl().image = std::move(image);
  return picture;
}

std::optional<PictureError> CheckPictureSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return PictureError{"The picture has no pixels."};
  if (width > kMaxPicturePixels / height) {
    return PictureError{"The picture is too large (" + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels)."};
  }
  return std::nullopt;
}

}  // namespace platform
