#include "platform/drawing/picture_canvas.h"

#include <QImage>
#include <QPainter>
#include <optional>

#include "platform/drawing/picture_impl.h"
#include "platform/drawing/qpainter_canvas.h"
#include "platform/richtext/rich_text_document.h"

namespace platform {
namespace {

// A picture canvas stands for the screen's bitmap canvas.
constexpr int32_t kScreenPixelsPerInch = 96;

// QPainter cannot draw on palette or one-bit images, and a grey image would
// lose the colours drawn on it; those become 32-bit first.
void MakePaintable(QImage& image) {
  switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888: return;
    default: image = image.convertToFormat(QImage::Format_RGB32);
  }
}

}  // namespace

struct PictureCanvas::Painting {
  QPainter painter;
  std::optional<QPainterCanvas> canvas;
  ~Painting() {
    canvas.reset();
    if (painter.isActive()) painter.end();
  }
};

PictureCanvas::PictureCanvas(Picture& picture) {
  QImage& image = picture.impl().image;
  if (image.isNull()) return;
  MakePaintable(image);
  auto painting = std::make_unique<Painting>();
  if (!painting->painter.begin(&image)) return;
  painting->canvas.emplace(painting->painter, kScreenPixelsPerInch);
  painting_ = std::move(painting);
}

PictureCanvas::~PictureCanvas() = default;

void PictureCanvas::Sync() {
  painting_->canvas->Pen = Pen;
  painting_->canvas->Brush = Brush;
  painting_->canvas->Font = Font;
}

void PictureCanvas::TextOut(int32_t x, int32_t y, const std::string& ansiText) {
  if (!painting_) return;
  Sync();
  painting_->canvas->TextOut(x, y, ansiText);
}

void PictureCanvas::MoveTo(int32_t x, int32_t y) {
  if (!painting_) return;
  painting_->canvas->MoveTo(x, y);
}

void PictureCanvas::LineTo(int32_t x, int32_t y) {
  if (!painting_) return;
  Sync();
  painting_->canvas->LineTo(x, y);
}

void PictureCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!painting_) return;
  Sync();
  painting_->canvas->Rectangle(left, top, right, bottom);
}

void PictureCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                              int32_t cornerWidth, int32_t cornerHeight) {
  if (!painting_) return;
  Sync();
  painting_->canvas->RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void PictureCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!painting_) return;
  Sync();
  painting_->canvas->Ellipse(left, top, right, bottom);
}

void PictureCanvas::StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                                  const Picture& picture) {
  if (!painting_) return;
  Sync();
  painting_->canvas->StretchDIBits(x, y, width, height, picture);
}

int32_t PictureCanvas::FormatRichText(const RichTextDocument& document, const TRect& rect,
                                      int32_t resolutionX, int32_t resolutionY,
                                      int32_t firstChar) {
  if (!painting_) return document.CharacterCount();
  Sync();
  return painting_->canvas->FormatRichText(document, rect, resolutionX, resolutionY, firstChar);
}

}  // namespace platform
