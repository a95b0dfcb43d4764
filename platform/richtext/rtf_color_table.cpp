#include "platform/richtext/rtf_color_table.h"

#include <algorithm>

namespace platform {
namespace {

int Component(int32_t value) { return std::clamp<int32_t>(value, 0, 255); }

}  // namespace

void RtfColorTable::SetRed(int32_t value) {
  red_ = Component(value);
  given_ = true;
}

void RtfColorTable::SetGreen(int32_t value) {
  green_ = Component(value);
  given_ = true;
}

void RtfColorTable::SetBlue(int32_t value) {
  blue_ = Component(value);
  given_ = true;
}

void RtfColorTable::EndEntry() {
  if (given_) {
    entries_.emplace_back(QColor(red_, green_, blue_));
  } else {
    entries_.emplace_back(std::nullopt);
  }
  red_ = green_ = blue_ = 0;
  given_ = false;
}

bool RtfColorTable::Contains(int32_t index) const {
  return index >= 0 && static_cast<size_t>(index) < entries_.size();
}

std::optional<QColor> RtfColorTable::At(int32_t index) const {
  return entries_[static_cast<size_t>(index)];
}

}  // namespace platform
