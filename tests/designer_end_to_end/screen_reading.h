#pragma once
// Finding the designer's report area on a screenshot, and telling colours
// apart, so that the test clicks where the design is at any zoom and looks
// at what the author would see.
#include <QImage>

#include <optional>

namespace end_to_end {

// The report area's outer rectangle in screen pixels.
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// REPORT on the grey paper: the first long run of the paper's grey down
// the column, the silver after it, then the same across the row. The
// column must cross the report area.
std::optional<ScreenRect> FindReportArea(const QImage& screen, int column);

bool IsReddish(QRgb pixel);
bool IsBluish(QRgb pixel);
bool IsWhite(QRgb pixel);
// How many pixels of the rectangle are dark enough to be text.
int DarkPixels(const QImage& image, int left, int top, int width, int height);

}  // namespace end_to_end
