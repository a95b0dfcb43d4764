#include "engine/drawn_extent.h"

#include <string>
#include <variant>

#include "engine/layout_geometry.h"
#include "engine/left_out_content.h"
#include "engine/variable_text.h"
#include "platform/drawing/drawn_text_size.h"

namespace engine {
namespace {

using platform::TRect;

// A label's or variable's text: where it starts, in which style.
struct DrawnText {
  platform::TPoint corner;
  const rcStyle* style = nullptr;
  std::string text;
};

std::optional<DrawnText> TextOf(const TPlacedItem& placed, int32_t pageNumber,
                                int32_t pageCount) {
  const rcDefItem& item = *placed.entry->item;
  if (const auto* label = std::get_if<rcLabel>(&item.Data); label && item.ItemType == kLabel) {
    return DrawnText{{placed.rect.Left, placed.rect.Top}, label->Style, label->Text};
  }
  const auto* variable = std::get_if<rcVariable>(&item.Data);
  if (variable == nullptr || item.ItemType != kVariable) return std::nullopt;
  const rcVariableData* data = placed.entry->value.get();
  std::optional<std::string> text = VariableText(*variable, data, pageNumber, pageCount);
  if (!text) return DrawnText{placed.origin, nullptr, {}};
  const rcStyle* style = data && data->highlighted ? variable->HighlightStyle : variable->Style;
  return DrawnText{placed.origin, style, std::move(*text)};
}

TRect TextRect(const DeviceTransform& transform, const DrawnText& drawn, platform::TPoint size) {
  const platform::TPoint at = DevicePoint(transform, drawn.corner);
  return {at.X, at.Y, SaturatedUnits(int64_t{at.X} + size.X), SaturatedUnits(int64_t{at.Y} + size.Y)};
}

const platform::TFont& FontOf(const DrawnText& drawn) {
  static const platform::TFont kCanvasFont;
  return drawn.style ? drawn.style->Font : kCanvasFont;
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
  if (const std::optional<DrawnText> drawn = TextOf(placed, pageNumber, pageCount)) {
    if (drawn->text.empty()) return std::nullopt;
    return TextRect(transform, *drawn,
                    platform::DrawnTextSize(FontOf(*drawn), drawn->text, pixelsPerInch));
  }
  const rcDefItem& item = *placed.entry->item;
  switch (item.ItemType) {
    case kReportStyle:
      if (const auto* report = std::get_if<rcReport>(&item.Data)) {
        return BorderExtent(transform, placed.rect, report->BorderSides);
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
    case kImageRegion:
    case kShapeRegion:
    case kRichTextRegion:
      return DeviceRect(transform, placed.rect);
    default:
      break;
  }
  return std::nullopt;
}

bool DrawnWithin(const TPlacedItem& placed, const DeviceTransform& transform,
                 int32_t pixelsPerInch, int32_t pageNumber, int32_t pageCount,
                 const platform::TRect& area) {
  if (!placed.entry || !placed.entry->item) return true;
  if (const std::optional<DrawnText> drawn = TextOf(placed, pageNumber, pageCount)) {
    if (drawn->text.empty()) return true;
    // Most texts lie well inside: no need to lay them out to know.
    const platform::TPoint bound =
        platform::DrawnTextBound(FontOf(*drawn), drawn->text.size(), pixelsPerInch);
    if (LiesWithin(TextRect(transform, *drawn, bound), area)) return true;
    return LiesWithin(TextRect(transform, *drawn,
                               platform::DrawnTextSize(FontOf(*drawn), drawn->text, pixelsPerInch)),
                      area);
  }
  const std::optional<TRect> extent =
      DrawnExtent(placed, transform, pixelsPerInch, pageNumber, pageCount);
  return !extent || LiesWithin(*extent, area);
}

}  // namespace engine
