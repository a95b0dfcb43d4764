#include "engine/drawn_extent.h"

#include <string>
#include <variant>

#include "engine/variable_text.h"
#include "platform/drawing/drawn_text_size.h"

namespace engine {
namespace {

using platform::TRect;

TRect TextExtent(const DeviceTransform& transform, const platform::TPoint& corner,
                 const rcStyle* style, const std::string& text, int32_t pixelsPerInch) {
  const platform::TPoint at = DevicePoint(transform, corner);
  const platform::TPoint size =
      platform::DrawnTextSize(style ? style->Font : platform::TFont{}, text, pixelsPerInch);
  return {at.X, at.Y, at.X + size.X, at.Y + size.Y};
}

std::optional<TRect> BorderExtent(const DeviceTransform& transform, const TRect& rect,
                                  uint8_t sides) {
  if (sides == 0) return std::nullopt;
  return DeviceRect(transform, rect);
}

}  // namespace

std::optional<TRect> DrawnExtent(const TPlacedItem& placed, const DeviceTransform& transform,
                                 int32_t pixelsPerInch, int32_t pageNumber, int32_t pageCount) {
  if (!placed.entry || !placed.entry->item) return std::nullopt;
  const rcDefItem& item = *placed.entry->item;
  switch (item.ItemType) {
    case kReportStyle:
      if (const auto* report = std::get_if<rcReport>(&item.Data)) {
        return BorderExtent(transform, placed.rect, report->BorderSides);
      }
      break;
    case kLabel:
      if (const auto* label = std::get_if<rcLabel>(&item.Data)) {
        if (label->Text.empty()) return std::nullopt;
        return TextExtent(transform, {placed.rect.Left, placed.rect.Top}, label->Style,
                          label->Text, pixelsPerInch);
      }
      break;
    case kFixedRegion:
    case kRepeatRegion:
      if (const auto* region = std::get_if<rcFixedRegion>(&item.Data)) {
        return BorderExtent(transform, placed.rect, region->BorderSides);
      }
      break;
    case kTitleRegion:
      if (const auto* title = std::get_if<rcTitleRegion>(&item.Data)) {
        return BorderExtent(transform, placed.rect, title->BorderSides);
      }
      break;
    case kVariable:
      if (const auto* variable = std::get_if<rcVariable>(&item.Data)) {
        const rcVariableData* data = placed.entry->value.get();
        const std::optional<std::string> text =
            VariableText(*variable, data, pageNumber, pageCount);
        if (!text || text->empty()) return std::nullopt;
        const rcStyle* style =
            data && data->highlighted ? variable->HighlightStyle : variable->Style;
        return TextExtent(transform, placed.origin, style, *text, pixelsPerInch);
      }
      break;
    case kImageRegion:
    case kShapeRegion:
    case kRichTextRegion:
      return DeviceRect(transform, placed.rect);
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace engine
