#include "designer/main_window/splash.h"

#include "designer/main_window/product_picture.h"
#include "platform/controls/label.h"

namespace designer {

Tsplash::Tsplash(platform::TComponent* owner) : platform::TForm(owner) {
  SetName("splash");
  SetBounds(0, 0, 249, 350);
  SetPosition(platform::TPosition::poScreenCenter);
  SetBorderless(true);
  SetColor(platform::clWhite);
  MakeProductPicture(*this, 24, 40, 200, 200);
  auto* title = new platform::TLabel(this);
  title->SetParent(this);
  title->SetFont(platform::TFont{"Arial", 20, 0x800000, platform::fsBold});
  title->SetCaption("Tessel Designer");
  title->SetLeft((249 - title->Width()) / 2);
  title->SetTop(270);
}

}  // namespace designer
