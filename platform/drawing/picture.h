#pragma once
// A decoded picture (TBitmap after loading). BMP/DIB are read through Qt's
// image reader with its allocation limit; JPEG through libjpeg with an error
// manager of our own (libjpeg's default one calls exit()). Pictures whose
// decoded size passes kMaxPicturePixels are refused.
#include <cstdint>
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

  struct Impl;  // holds a QImage; defined in the platform only
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

struct PictureError {
  std::string reason;  // plain English, ready to follow "Tessel: "
};

using PictureResult = std::variant<Picture, PictureError>;

// nativePath is a UTF-8 file-system path.
PictureResult LoadBitmapFile(const std::string& nativePath);  // .bmp, .dib
PictureResult LoadJpegFile(const std::string& nativePath);    // .jpg
PictureResult DecodeJpeg(const uint8_t* data, size_t size);   // fuzzing entry
PictureResult DecodeBitmap(const uint8_t* data, size_t size); // fuzzing entry

}  // namespace platform
