#include "tests/designer_report_style/canvas_text.h"

#include <cstdio>

namespace tessel_test {
namespace {

std::string Hex(platform::TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
  return text;
}

std::string Point(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }

}  // namespace

std::vector<std::string> CanvasText(const std::vector<platform::CanvasCall>& calls) {
  std::vector<std::string> lines;
  platform::TRect from{};
  for (const platform::CanvasCall& call : calls) {
    switch (call.kind) {
      case platform::CanvasCall::Kind::MoveTo: from = call.rect; break;
      case platform::CanvasCall::Kind::LineTo:
        lines.push_back("line " + Point(from.Left, from.Top) + "-" + Point(call.rect.Left, call.rect.Top) + " w" +
                        std::to_string(call.pen.Width) + " s" + std::to_string(static_cast<int>(call.pen.Style)) +
                        " c" + Hex(call.pen.Color));
        from = call.rect;
        break;
      case platform::CanvasCall::Kind::Rectangle:
        if (call.brush.Style == platform::TBrushStyle::bsSolid && call.pen.Color == call.brush.Color &&
            call.pen.Width == 1 && call.pen.Style == platform::TPenStyle::psSolid) {
          lines.push_back("fill " + Point(call.rect.Left, call.rect.Top) + "," +
                          Point(call.rect.Right, call.rect.Bottom) + " " + Hex(call.brush.Color));
        } else {
          lines.push_back("rectangle (not a fill)");
        }
        break;
      default: lines.push_back("other call"); break;
    }
  }
  return lines;
}

}  // namespace tessel_test
