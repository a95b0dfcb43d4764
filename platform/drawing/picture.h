#pragma once
// A decoded picture (TBitmap after loading). BMP/DIB are read through Qt's
// image reader with its allocation limit; JPEG through libjpeg with an error
// manager of our own (libjpeg's default one calls exit()). Pictures whose
// decoded size passes kMaxPicturePixels are refused.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>

namespace platform {

inline constexpr int64_t kMaxPicturePixels = 100'000'000;

class Picture {
 public:
  Picture();
  ~Picture();
  Picture(Picture&&) noexcept;
  Picture& operator=(Picture&&) noexcept;
  Picture(const Picture&);
  Picture& operator=(const Picture&);

  int32_t Width() const;
  int32_t Height() const;
  bool Empty() const;
  // Decoded at less than its own size, because it is drawn smaller.
  bool Reduced() const;

  struct Impl;  // holds a QImage; defined in the platform only
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

struct PictureError {
  std::string reason;  // plain English, ready to follow "Tessel: "
};

using PictureResult = std::variant<Picture, PictureError>;

// What a decode may leave out, and who is told what it will take. A JPEG
// drawn smaller than itself is decoded at 1/2, 1/4 or 1/8 scale where that
// still gives at least the drawn size: a photo from a phone drawn two inches
// wide needs a fraction of its pixels. A bitmap is always decoded whole, so
// that it reaches paper pixel for pixel.
struct DecodeRequest {
  int32_t drawnWidth = 0;  // device pixels; 0 or less: the picture's own size
  int32_t drawnHeight = 0;
  // Told the pixel count of the picture before its pixel memory is taken,
  // so that the caller can make room for it first.
  std::function<void(int64_t pixels)> beforePixels;
};

// The divisor (1, 2, 4 or 8) of a JPEG of width x height decoded for the
// drawn size: the largest whose result still covers it.
int32_t JpegScaleDivisor(int64_t width, int64_t height, const DecodeRequest& request);

// nativePath is a UTF-8 file-system path.
PictureResult LoadBitmapFile(const std::string& nativePath, const DecodeRequest& request = {});  // .bmp, .dib
PictureResult LoadJpegFile(const std::string& nativePath, const DecodeRequest& request = {});    // .jpg
PictureResult DecodeJpeg(const uint8_t* data, size_t size);   // fuzzing entry
PictureResult DecodeBitmap(const uint8_t* data, size_t size); // fuzzing entry

}  // namespace platform
