#pragma once
// A canvas that stays the same object while the surface behind it changes:
// the printer hands out one canvas for its whole life, as the class library
// did, while each job and page draws on a surface of its own. The pen, brush
// and font live here and carry over from page to page and job to job. With
// no surface behind it, it draws nothing.
#include "platform/drawing/canvas.h"

namespace platform {

class ForwardingCanvas : public TCanvas {
 public:
  // target may be nullptr; it must outlive its use here.
  void SetTarget(TCanvas* target) { target_ = target; }
  TCanvas* Target() const { return target_; }

  void TextOut(int32_t x, int32_t y, const std::string& ansiText) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t cornerWidth, int32_t cornerHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                     const Picture& picture) override;
  // Without a surface the whole text counts as done, so that a caller
  // looping until everything fits comes to an end.
  int32_t FormatRichText(const RichTextDocument& document, const TRect& rect,
                         int32_t resolutionX, int32_t resolutionY, int32_t firstChar) override;

 private:
  // The target with this canvas's state copied in, or nullptr.
  TCanvas* Prepared();

  TCanvas* target_ = nullptr;
};

}  // namespace platform
