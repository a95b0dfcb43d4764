#include "platform/drawing/forwarding_canvas.h"

#include "platform/richtext/rich_text_document.h"

namespace platform {

TCanvas* ForwardingCanvas::Prepared() {
  if (target_ != nullptr) {
    target_->Pen = Pen;
    target_->Brush = Brush;
    target_->Font = Font;
  }
  return target_;
}

void ForwardingCanvas::TextOut(int32_t x, int32_t y, const std::string& ansiText) {
  if (TCanvas* target = Prepared()) target->TextOut(x, y, ansiText);
}

// The pen position belongs to the surface, as it did to the device context.
void ForwardingCanvas::MoveTo(int32_t x, int32_t y) {
  if (TCanvas* target = Prepared()) target->MoveTo(x, y);
}

void ForwardingCanvas::LineTo(int32_t x, int32_t y) {
  if (TCanvas* target = Prepared()) target->LineTo(x, y);
}

void ForwardingCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (TCanvas* target = Prepared()) target->Rectangle(left, top, right, bottom);
}

void ForwardingCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t cornerWidth, int32_t cornerHeight) {
  if (TCanvas* target = Prepared()) {
    target->RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
  }
}

void ForwardingCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (TCanvas* target = Prepared()) target->Ellipse(left, top, right, bottom);
}

void ForwardingCanvas::StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                                     const Picture& picture) {
  if (TCanvas* target = Prepared()) target->StretchDIBits(x, y, width, height, picture);
}

int32_t ForwardingCanvas::FormatRichText(const RichTextDocument& document, const TRect& rect,
                                         int32_t resolutionX, int32_t resolutionY,
                                         int32_t firstChar) {
  if (TCanvas* target = Prepared()) {
    return target->FormatRichText(document, rect, resolutionX, resolutionY, firstChar);
  }
  return document.CharacterCount();
}

}  // namespace platform
