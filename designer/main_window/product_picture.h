#pragma once
// The product's picture on the start-up form and in the about box: a page
// of tiles drawn with the platform's shapes.
#include "platform/controls/form.h"

namespace designer {

void MakeProductPicture(platform::TForm& form, int left, int top, int width, int height);

}  // namespace designer
