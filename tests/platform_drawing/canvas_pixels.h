#pragma once
// Draws on a white RGB32 image through a QPainterCanvas and reads the result
// back as rows of characters, one per pixel, for exact comparisons.
#include <QImage>
#include <functional>
#include <string>

#include "platform/drawing/qpainter_canvas.h"

namespace tessel_test {

QImage Paint(int width, int height, const std::function<void(platform::TCanvas&)>& draw,
             int32_t pixelsPerInch = 96);

// '.' white, '#' black, 'r' red, 'g' green, 'b' blue, 'y' yellow, '?' other.
std::string Rows(const QImage& image);

// The smallest rectangle (left, top, right, bottom exclusive) holding every
// pixel that is not white; all -1 when there is none.
struct InkBox {
  int left = -1, top = -1, right = -1, bottom = -1;
  friend bool operator==(const InkBox&, const InkBox&) = default;
};
InkBox InkBounds(const QImage& image);

}  // namespace tessel_test
