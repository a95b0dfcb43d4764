#pragma once
// The pen of a border as the two border dialogs edit it: the list of pen
// styles, the thickness field and the preview pen.
#include <string>
#include <vector>

#include "platform/drawing/canvas.h"

namespace designer {

// "Solid" ... "InsideFrame": entry i is pen style index i.
const std::vector<std::string>& PenStyleNames();
bool IsPenStyleIndex(int index);

// The style of the list's entry; while the list selects none (typed
// text), the stored style, as far as it is one.
platform::TPenStyle PenStyleOf(int listIndex, int storedIndex);

// A negative width is refused and the pen keeps its width, as the class
// library's pen does.
void SetPenWidth(platform::TPen& pen, int width);

// The thickness field's number; text that is no integer raises the class
// library's conversion error.
int ReadPenWidth(const std::string& text);

}  // namespace designer
