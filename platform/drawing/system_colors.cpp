#include "platform/drawing/system_colors.h"

#include <array>

namespace platform {
namespace {

constexpr TColor kSchemeBit = 0x80000000;

constexpr TColor Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | (green << 8) | (blue << 16); }

// Index order of GetSysColor, COLOR_SCROLLBAR to COLOR_INFOBK.
constexpr std::array<TColor, 25> kClassicScheme = {
    Rgb(0xC0, 0xC0, 0xC0),  // scroll bar
    Rgb(0x00, 0x80, 0x80),  // desktop background
    Rgb(0x00, 0x00, 0x80),  // active caption
    Rgb(0x80, 0x80, 0x80),  // inactive caption
    Rgb(0xC0, 0xC0, 0xC0),  // menu
    Rgb(0xFF, 0xFF, 0xFF),  // window
    Rgb(0x00, 0x00, 0x00),  // window frame
    Rgb(0x00, 0x00, 0x00),  // menu text
    Rgb(0x00, 0x00, 0x00),  // window text
    Rgb(0xFF, 0xFF, 0xFF),  // caption text
    Rgb(0xC0, 0xC0, 0xC0),  // active border
    Rgb(0xC0, 0xC0, 0xC0),  // inactive border
    Rgb(0x80, 0x80, 0x80),  // application workspace
    Rgb(0x00, 0x00, 0x80),  // highlight
    Rgb(0xFF, 0xFF, 0xFF),  // highlight text
    Rgb(0xC0, 0xC0, 0xC0),  // button face
    Rgb(0x80, 0x80, 0x80),  // button shadow
    Rgb(0x80, 0x80, 0x80),  // grey text
    Rgb(0x00, 0x00, 0x00),  // button text
    Rgb(0xC0, 0xC0, 0xC0),  // inactive caption text
    Rgb(0xFF, 0xFF, 0xFF),  // button highlight
    Rgb(0x00, 0x00, 0x00),  // 3D dark shadow
    Rgb(0xDF, 0xDF, 0xDF),  // 3D light
    Rgb(0x00, 0x00, 0x00),  // tooltip text
    Rgb(0xFF, 0xFF, 0xE1),  // tooltip background
};

}  // namespace

TColor ResolveColor(TColor color) {
  if ((color & kSchemeBit) == 0) return color & 0x00FFFFFF;
  const TColor index = color & 0xFF;
  return index < kClassicScheme.size() ? kClassicScheme[index] : Rgb(0, 0, 0);
}

}  // namespace platform
