#pragma once
// TCanvas: the drawing surface the report logic draws on, with the pen,
// brush and font state and the operations of the original class library.
// Coordinates are device pixels. Implementations: QPainterCanvas (printer
// pages, preview bitmaps) and RecordingCanvas (tests).
#include <cstdint>
#include <string>

#include "platform/drawing/geometry.h"

namespace platform {

class Picture;
class RichTextDocument;

using TColor = uint32_t;  // $00BBGGRR: red in the low byte

enum class TPenStyle : uint8_t {
  psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame
};
enum class TBrushStyle : uint8_t {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};
enum class TPenMode : uint8_t { pmCopy, pmNotXor };

// Font style bits as templates store them: 1 bold, 2 italic, 4 underline,
// 8 strike-out.
enum TFontStyleBits : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFont {
  std::string Name = "ARIAL";  // Windows-1252 face name
  int32_t Size = 10;            // points
  TColor Color = 0;
  uint8_t Style = 0;            // TFontStyleBits
  friend bool operator==(const TFont&, const TFont&) = default;
};

struct TPen {
  TColor Color = 0;
  int32_t Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
  TPenMode Mode = TPenMode::pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  // The state is plain data; every operation reads it when it draws.
  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Text as one line with its top-left corner at (x, y). The cell behind the
  // text is painted in the brush colour only when the brush is solid.
  virtual void TextOut(int32_t x, int32_t y, const std::string& ansiText) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  // A line from the pen position to (x, y), which becomes the pen position.
  virtual void LineTo(int32_t x, int32_t y) = 0;
  // Outlined with the pen, filled with the brush; right and bottom exclusive.
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t cornerWidth, int32_t cornerHeight) = 0;
  virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  // The whole picture stretched into (x, y, width, height), like StretchDIBits
  // with the full source and SRCCOPY. Non-positive sizes draw nothing.
  virtual void StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                             const Picture& picture) = 0;
  // Rich text formatted at the given resolution into rect (device pixels),
  // clipped to it, starting at character firstChar. Returns the first
  // character that did not fit (the text length when all did), as
  // EM_FORMATRANGE does.
  virtual int32_t FormatRichText(const RichTextDocument& document, const TRect& rect,
                                 int32_t resolutionX, int32_t resolutionY,
                                 int32_t firstChar) = 0;
};

}  // namespace platform
