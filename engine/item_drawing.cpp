#include "engine/item_drawing.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "engine/figure_drawing.h"
#include "engine/page_drawing.h"
#include "engine/template_name_index.h"
#include "engine/template_reader.h"
#include "engine/variable_text.h"

namespace engine {
namespace {

using platform::TCanvas;

// Puts back the brush and the pen's colour and style when an item is done.
// The pen width and the font are left as the item set them: every item that
// uses them sets them first.
class CanvasStateGuard {
 public:
  explicit CanvasStateGuard(TCanvas& canvas)
      : canvas_(canvas), brush_(canvas.Brush), penColor_(canvas.Pen.Color), penStyle_(canvas.Pen.Style) {}
  ~CanvasStateGuard() {
    canvas_.Brush = brush_;
    canvas_.Pen.Color = penColor_;
    canvas_.Pen.Style = penStyle_;
  }
  CanvasStateGuard(const CanvasStateGuard&) = delete;
  CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

 private:
  TCanvas& canvas_;
  platform::TBrush brush_;
  platform::TColor penColor_;
  platform::TPenStyle penStyle_;
};

// The report frame and the fixed, repeat and title regions: their records
// share the border fields' names.
template <class Record>
void DrawRegionBorder(const ItemDrawingContext& context, const TPlacedItem& placed, const Record& region) {
  const platform::TRect rect = DeviceRect(context.transform, placed.rect);
  CanvasStateGuard guard(context.canvas);
  DrawBorder(context.canvas, rect, region.BorderSides, region.BorderThickness,
             static_cast<platform::TColor>(region.BorderColor), region.BorderPenStyle);
}

void DrawLabel(const ItemDrawingContext& context, const TPlacedItem& placed, const rcDefItem& item,
               const rcLabel& label) {
  TCanvas& canvas = context.canvas;
  const platform::TRect rect = DeviceRect(context.transform, placed.rect);
  CanvasStateGuard guard(canvas);
  DrawItemBackground(canvas, item, context.templateItems, context.templateNames);
  if (label.Style) canvas.Font = label.Style->Font;
  canvas.TextOut(rect.Left, rect.Top, label.Text);
}

void DrawVariable(const ItemDrawingContext& context, const TPlacedItem& placed, const rcDefItem& item,
                  const rcVariable& variable) {
  TCanvas& canvas = context.canvas;
  CanvasStateGuard guard(canvas);
  DrawItemBackground(canvas, item, context.templateItems, context.templateNames);
  const rcVariableData* data = placed.entry->value.get();
  const rcStyle* style = data && data->highlighted ? variable.HighlightStyle : variable.Style;
  if (style) canvas.Font = style->Font;
  const std::optional<std::string> text =
      VariableText(variable, data, context.pageNumber, context.pageCount);
  if (!text) return;
  const platform::TPoint at = DevicePoint(context.transform, placed.origin);
  canvas.TextOut(at.X, at.Y, *text);
}

void DrawShapeRegion(const ItemDrawingContext& context, const TPlacedItem& placed, const rcShapeRegion& shape) {
  const platform::TRect rect = DeviceRect(context.transform, placed.rect);
  CanvasStateGuard guard(context.canvas);
  DrawShape(context.canvas, shape, rect);
}

void DrawRichTextItem(const ItemDrawingContext& context, const TPlacedItem& placed) {
  const platform::TRect rect = DeviceRect(context.transform, placed.rect);
  CanvasStateGuard guard(context.canvas);
  DrawRichTextRegion(context, placed, rect);
}

}  // namespace

platform::TRect DeviceRect(const DeviceTransform& transform, const platform::TRect& rect) {
  platform::TRect device = ScaleRectToDevice(rect, transform.offsetX, transform.offsetY,
                                             transform.scaleX, transform.scaleY);
  if (device.Right < device.Left) std::swap(device.Left, device.Right);
  if (device.Bottom < device.Top) std::swap(device.Top, device.Bottom);
  return device;
}

platform::TPoint DevicePoint(const DeviceTransform& transform, const platform::TPoint& point) {
  const platform::TRect device = ScaleRectToDevice({point.X, point.Y, point.X, point.Y}, transform.offsetX,
                                                   transform.offsetY, transform.scaleX, transform.scaleY);
  return {device.Left, device.Top};
}

void DrawItemBackground(TCanvas& canvas, const rcDefItem& item, const TemplateList& templateItems,
                        const TemplateNameIndex* templateNames) {
  if (item.ItemType != kLabel && item.ItemType != kVariable) return;
  const rcItemBox* box = BoxOf(item);
  if (!box) return;
  const rcDefItem* parent = templateNames ? templateNames->Find(box->Parent)
                                          : FindTemplateItem(templateItems, box->Parent);
  if (!parent || parent->ItemType != kShapeRegion) return;
  const auto* shape = std::get_if<rcShapeRegion>(&parent->Data);
  if (!shape) return;
  canvas.Brush.Style = BrushStyleOf(shape->FillPattern);
  canvas.Brush.Color = static_cast<platform::TColor>(shape->FillColor);
}

ItemResult DrawPlacedItem(const ItemDrawingContext& context, const TPlacedItem& placed) {
  if (!placed.entry || !placed.entry->item) return ItemResult::Continue;
  const rcDefItem& item = *placed.entry->item;
  // The record is picked by kind; an item whose record does not fit its kind
  // is passed over rather than misread.
  switch (item.ItemType) {
    case kReportStyle:
      if (const auto* report = std::get_if<rcReport>(&item.Data)) DrawRegionBorder(context, placed, *report);
      break;
    case kLabel:
      if (const auto* label = std::get_if<rcLabel>(&item.Data)) DrawLabel(context, placed, item, *label);
      break;
    case kFixedRegion:
    case kRepeatRegion:
      if (const auto* region = std::get_if<rcFixedRegion>(&item.Data)) DrawRegionBorder(context, placed, *region);
      break;
    case kTitleRegion:
      if (const auto* title = std::get_if<rcTitleRegion>(&item.Data)) DrawRegionBorder(context, placed, *title);
      break;
    case kImageRegion:
      return DrawImageRegion(context, placed);
    case kVariable:
      if (const auto* variable = std::get_if<rcVariable>(&item.Data)) DrawVariable(context, placed, item, *variable);
      break;
    case kShapeRegion:
      if (const auto* shape = std::get_if<rcShapeRegion>(&item.Data)) DrawShapeRegion(context, placed, *shape);
      break;
    case kRichTextRegion:
      DrawRichTextItem(context, placed);
      break;
    default:
      break;
  }
  return ItemResult::Continue;
}

}  // namespace engine
