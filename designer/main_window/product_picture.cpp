#include "designer/main_window/product_picture.h"

#include "platform/controls/panel.h"
#include "platform/controls/shape.h"

namespace designer {

void MakeProductPicture(platform::TForm& form, int left, int top, int width, int height) {
  auto* page = new platform::TPanel(&form);
  page->SetParent(&form);
  page->SetBounds(left, top, width, height);
  page->SetColor(platform::clWhite);
  page->SetBevelOuter(platform::TBevelCut::bvLowered);
  // Three rows of tiles, as a report page of regions looks.
  const platform::TColor colours[] = {0x8B4513, 0x2E8B57, 0x1E90FF, 0xC0C0C0};
  const int margin = width / 10;
  const int tile = (width - 4 * margin) / 3;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      auto* shape = new platform::TShape(&form);
      shape->SetParent(page);
      shape->SetBounds(margin + column * (tile + margin), margin + row * (tile + margin), tile, tile);
      shape->SetBrush(platform::TBrush{colours[(row + column) % 4], platform::TBrushStyle::bsSolid});
      shape->SetPen(platform::TPen{platform::clWhite, 1});
      shape->SetEnabled(false);
    }
}

}  // namespace designer
