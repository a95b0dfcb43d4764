#include "designer/dialogs/border_pen.h"

#include <algorithm>
#include <optional>

#include "platform/controls/exceptions.h"
#include "platform/text/number_text.h"

namespace designer {

const std::vector<std::string>& PenStyleNames() {
  static const std::vector<std::string> names = {"Solid",      "Dash",  "Dot",        "DashDot",
                                                 "DashDotDot", "Clear", "InsideFrame"};
  return names;
}

bool IsPenStyleIndex(int index) { return index >= 0 && index < static_cast<int>(PenStyleNames().size()); }

platform::TPenStyle PenStyleOf(int listIndex, int storedIndex) {
  const int index = IsPenStyleIndex(listIndex) ? listIndex : std::clamp(storedIndex, 0, 6);
  return static_cast<platform::TPenStyle>(index);
}

void SetPenWidth(platform::TPen& pen, int width) {
  if (width >= 0) pen.Width = width;
}

int ReadPenWidth(const std::string& text) {
  const std::optional<int32_t> width = platform::TryStrToInt(text);
  if (!width) throw platform::EConvertError("'" + text + "' is not a valid integer value");
  return *width;
}

}  // namespace designer
