#pragma once
// The canvas state as Qt drawing objects, with the rules of the original
// graphics system: colours $00BBGGRR, pens of width 0 one pixel wide, wide
// pens always solid, font sizes in points turned into character heights.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

#include "platform/drawing/canvas.h"

namespace platform {

// a * b / c rounded half away from zero, in 64 bits; 0 when c is 0.
int64_t MulDiv(int64_t a, int64_t b, int64_t c);

QColor ToQColor(TColor color);
// A colour chosen in Qt as the class library holds it.
TColor FromQColor(const QColor& color);

// True when the pen is drawn one pixel wide (widths 0 and 1).
bool IsThinPen(const TPen& pen);
// The width a wide pen is drawn with, within what Qt accepts.
int PenWidth(const TPen& pen);

// Dash lengths follow the screen's (a dash of 18 pixels at 96 pixels per
// inch) scaled to the resolution, so that dashes keep their size on paper.
QPen ToQPen(const TPen& pen, int32_t pixelsPerInch);
QBrush ToQBrush(const TBrush& brush);
// The pixel height of the character cell without internal leading, as the
// font's Size in points gives it at pixelsPerInch.
QFont ToQFont(const TFont& font, int32_t pixelsPerInch);

}  // namespace platform
