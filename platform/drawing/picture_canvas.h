#pragma once
// The canvas of a picture (an image control's Picture.Bitmap.Canvas): draws
// onto the picture's pixels for as long as it lives. The picture must
// outlive the canvas and keep its place; an empty picture draws nothing.
#include <memory>

#include "platform/drawing/canvas.h"

namespace platform {

class Picture;

class PictureCanvas : public TCanvas {
 public:
  explicit PictureCanvas(Picture& picture);
  ~PictureCanvas() override;
  PictureCanvas(const PictureCanvas&) = delete;
  PictureCanvas& operator=(const PictureCanvas&) = delete;

  void TextOut(int32_t x, int32_t y, const std::string& ansiText) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t cornerWidth, int32_t cornerHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                     const Picture& picture) override;
  int32_t FormatRichText(const RichTextDocument& document, const TRect& rect,
                         int32_t resolutionX, int32_t resolutionY, int32_t firstChar) override;

 private:
  struct Painting;
  void Sync();
  std::unique_ptr<Painting> painting_;
};

}  // namespace platform
