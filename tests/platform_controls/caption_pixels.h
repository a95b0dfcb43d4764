#pragma once
// How a caption shows on a grabbed window: the pixels of the classic
// scheme's grey text ($808080), the white highlight showing one pixel down
// and right of that grey (the embossed look of disabled text), and pixels
// darker than the grey (text in an enabled colour).
#include <QImage>
#include <QRect>
#include <QWidget>

namespace controls_test {

struct CaptionPixels {
  int grey = 0, highlight = 0, darker = 0;
};

inline CaptionPixels CountCaptionPixels(const QImage& image, const QRect& area) {
  constexpr QRgb kGrey = 0x808080, kWhite = 0xFFFFFF;
  CaptionPixels counts;
  const QRect inside = area.intersected(image.rect().adjusted(1, 1, 0, 0));
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
      if (pixel == kGrey) ++counts.grey;
      if (pixel == kWhite && (image.pixel(x - 1, y - 1) & 0xFFFFFF) == kGrey) ++counts.highlight;
      if (qGray(pixel) < qGray(kGrey)) ++counts.darker;
    }
  }
  return counts;
}

// The caption of a control as it shows on the grab of its window.
inline CaptionPixels CountCaptionPixels(const QImage& windowImage, QWidget* window, QWidget* control) {
  return CountCaptionPixels(windowImage, QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
}

}  // namespace controls_test
