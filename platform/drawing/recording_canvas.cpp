#include "platform/drawing/recording_canvas.h"

#include <algorithm>
#include <limits>

#include "platform/drawing/picture.h"
#include "platform/richtext/rich_text_document.h"

namespace platform {
namespace {

int32_t SaturatingSum(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

void RecordingCanvas::TextOut(int32_t x, int32_t y, const std::string& ansiText) {
  Calls.push_back({CanvasCall::Kind::TextOut, TRect{x, y, x, y}, 0, 0, ansiText, Pen, Brush, Font});
}

void RecordingCanvas::MoveTo(int32_t x, int32_t y) {
  Calls.push_back({CanvasCall::Kind::MoveTo, TRect{x, y, x, y}, 0, 0, {}, Pen, Brush, Font});
}

void RecordingCanvas::LineTo(int32_t x, int32_t y) {
  Calls.push_back({CanvasCall::Kind::LineTo, TRect{x, y, x, y}, 0, 0, {}, Pen, Brush, Font});
}

void RecordingCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Calls.push_back({CanvasCall::Kind::Rectangle, TRect{left, top, right, bottom}, 0, 0, {}, Pen,
                   Brush, Font});
}

void RecordingCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                int32_t cornerWidth, int32_t cornerHeight) {
  Calls.push_back({CanvasCall::Kind::RoundRect, TRect{left, top, right, bottom}, cornerWidth,
                   cornerHeight, {}, Pen, Brush, Font});
}

void RecordingCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Calls.push_back({CanvasCall::Kind::Ellipse, TRect{left, top, right, bottom}, 0, 0, {}, Pen,
                   Brush, Font});
}

void RecordingCanvas::StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                                    const Picture& picture) {
  Calls.push_back({CanvasCall::Kind::StretchDIBits,
                   TRect{x, y, SaturatingSum(x, width), SaturatingSum(y, height)}, picture.Width(),
                   picture.Height(), {}, Pen, Brush, Font});
}

int32_t RecordingCanvas::FormatRichText(const RichTextDocument& document, const TRect& rect,
                                        int32_t resolutionX, int32_t resolutionY,
                                        int32_t /*firstChar*/) {
  Calls.push_back({CanvasCall::Kind::FormatRichText, rect, resolutionX, resolutionY,
                   document.PlainText(), Pen, Brush, Font});
  return document.CharacterCount();
}

}  // namespace platform
