#pragma once
// A canvas that draws nothing and records every call in device pixels with
// the pen, brush and font in force, for exact comparisons in tests.
#include <string>
#include <vector>

#include "platform/drawing/canvas.h"

namespace platform {

struct CanvasCall {
  enum class Kind { TextOut, MoveTo, LineTo, Rectangle, RoundRect, Ellipse, StretchDIBits, FormatRichText };
  Kind kind;
  TRect rect;          // TextOut/MoveTo/LineTo: (x, y, x, y); StretchDIBits: (x, y, x+w, y+h)
  int32_t extra1 = 0;  // RoundRect corner width; StretchDIBits picture width; FormatRichText resolution X / first char
  int32_t extra2 = 0;  // RoundRect corner height; StretchDIBits picture height; FormatRichText resolution Y
  std::string text;    // TextOut text; FormatRichText plain text of the document
  TPen pen;
  TBrush brush;
  TFont font;
};

class RecordingCanvas : public TCanvas {
 public:
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

  std::vector<CanvasCall> Calls;
};

}  // namespace platform
