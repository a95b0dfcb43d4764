#include "tests/designer_end_to_end/screen_reading.h"

#include <algorithm>

namespace end_to_end {
namespace {

// The paper box is gray ($808080); REPORT is silver with a lowered bevel:
// a gray line on its top and left edges, a white one on the others.
constexpr QRgb kPaper = 0xFF808080u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr int kPaperRun = 5;

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

// The first position after a run of paper grey along the line that is not
// paper grey; -1 when there is none.
template <typename Pixel>
int AfterPaper(int from, int to, Pixel pixel) {
  int run = 0;
  for (int i = from; i < to; ++i) {
    if (pixel(i) == kPaper) {
      ++run;
    } else if (run >= kPaperRun) {
      return i;
    } else {
      run = 0;
    }
  }
  return -1;
}

template <typename Pixel>
int FirstWhite(int from, int to, Pixel pixel) {
  for (int i = from; i < to; ++i)
    if (pixel(i) == kWhite) return i;
  return -1;
}

}  // namespace

std::optional<ScreenRect> FindReportArea(const QImage& screen, int column) {
  if (screen.isNull() || column < 0 || column >= screen.width()) return std::nullopt;
  const int inside = AfterPaper(0, screen.height(), [&](int y) { return At(screen, column, y); });
  if (inside < 0) return std::nullopt;
  ScreenRect area;
  area.top = inside - 1;
  // Just under the top edge nothing of the design stands yet.
  const int row = area.top + 3;
  const int left = AfterPaper(0, screen.width(), [&](int x) { return At(screen, x, row); });
  if (left < 0) return std::nullopt;
  area.left = left - 1;
  const int right = FirstWhite(left, screen.width(), [&](int x) { return At(screen, x, row); });
  const int edge = area.left + 3;
  const int bottom = FirstWhite(inside, screen.height(), [&](int y) { return At(screen, edge, y); });
  if (right < 0 || bottom < 0) return std::nullopt;
  area.width = right - area.left + 1;
  area.height = bottom - area.top + 1;
  return area;
}

bool IsReddish(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

bool IsBluish(QRgb pixel) { return qBlue(pixel) > 150 && qRed(pixel) < 90 && qGreen(pixel) < 120; }

bool IsWhite(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }

int DarkPixels(const QImage& image, int left, int top, int width, int height) {
  int dark = 0;
  for (int y = std::max(0, top); y < std::min(image.height(), top + height); ++y) {
    for (int x = std::max(0, left); x < std::min(image.width(), left + width); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80) ++dark;
    }
  }
  return dark;
}

}  // namespace end_to_end
