#pragma once
// Hand-built template items and page lists, so the drawing can be checked on
// exact geometry without a template file or a layout run.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_items.h"
#include "platform/drawing/recording_canvas.h"

namespace drawing_test {

using engine::rcDefItem;
using engine::TemplateList;
using platform::CanvasCall;
using platform::TRect;

template <class Record>
std::unique_ptr<rcDefItem> Item(std::string name, uint8_t type, Record record) {
  auto item = std::make_unique<rcDefItem>();
  item->Name = std::move(name);
  item->ItemType = type;
  item->Data = std::move(record);
  return item;
}

// Adds an item to a list and hands back the item for further use.
template <class Record>
rcDefItem& Add(TemplateList& list, std::string name, uint8_t type, Record record) {
  list.push_back(Item(std::move(name), type, std::move(record)));
  return *list.back();
}

inline engine::rcStyle Style(const std::string& name, const std::string& face, int32_t size,
                             platform::TColor color = 0, uint8_t bits = 0) {
  engine::rcStyle style;
  style.StyleName = name;
  style.Font.Name = face;
  style.Font.Size = size;
  style.Font.Color = color;
  style.Font.Style = bits;
  return style;
}

inline engine::rcLabel Label(const std::string& parent, const std::string& text,
                             const engine::rcStyle* style) {
  engine::rcLabel label;
  label.Parent = parent;
  label.Text = text;
  label.Style = style;
  return label;
}

inline engine::rcVariable Variable(const std::string& parent, uint8_t varType,
                                   const engine::rcStyle* style,
                                   const engine::rcStyle* highlightStyle = nullptr) {
  engine::rcVariable variable;
  variable.Parent = parent;
  variable.VarType = varType;
  variable.Style = style;
  variable.HighlightStyle = highlightStyle ? highlightStyle : style;
  return variable;
}

inline engine::rcShapeRegion Shape(uint8_t shape, platform::TColor fill, uint8_t fillPattern,
                                   int32_t thickness = 1, platform::TColor border = 0,
                                   uint8_t borderPattern = 0) {
  engine::rcShapeRegion record;
  record.Parent = "REPORT";
  record.Shape = shape;
  record.FillColor = static_cast<int32_t>(fill);
  record.FillPattern = fillPattern;
  record.BorderThickness = thickness;
  record.BorderColor = static_cast<int32_t>(border);
  record.BorderPattern = borderPattern;
  return record;
}

inline engine::rcFixedRegion Region(uint8_t sides, int32_t thickness = 1, platform::TColor color = 0,
                                    uint8_t penStyle = 0) {
  engine::rcFixedRegion record;
  record.Parent = "REPORT";
  record.BorderSides = sides;
  record.BorderThickness = thickness;
  record.BorderColor = static_cast<int32_t>(color);
  record.BorderPenStyle = penStyle;
  return record;
}

// A static placement: an entry {item, no data} owned by the placed item.
inline std::unique_ptr<engine::TPlacedItem> Placed(rcDefItem& item, const TRect& rect) {
  auto placed = std::make_unique<engine::TPlacedItem>();
  placed->ownedEntry = std::make_unique<engine::TInstancePair>();
  placed->ownedEntry->item = &item;
  placed->entry = placed->ownedEntry.get();
  placed->origin = {rect.Left, rect.Top};
  placed->rect = rect;
  return placed;
}

// A placement of a value the host set; the pair lives in the test.
inline std::unique_ptr<engine::TPlacedItem> PlacedValue(engine::TInstancePair& pair, const TRect& rect) {
  auto placed = std::make_unique<engine::TPlacedItem>();
  placed->entry = &pair;
  placed->origin = {rect.Left, rect.Top};
  placed->rect = rect;
  return placed;
}

inline std::unique_ptr<engine::TInstancePair> ValuePair(rcDefItem& item, engine::Variant value,
                                                        bool highlighted = false) {
  auto pair = std::make_unique<engine::TInstancePair>();
  pair->item = &item;
  pair->value = std::make_unique<engine::rcVariableData>();
  pair->value->value = std::move(value);
  pair->value->highlighted = highlighted;
  return pair;
}

inline std::vector<CanvasCall> CallsOf(const std::vector<CanvasCall>& calls, CanvasCall::Kind kind) {
  std::vector<CanvasCall> found;
  for (const CanvasCall& call : calls) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

inline std::vector<std::string> TextsOf(const std::vector<CanvasCall>& calls) {
  std::vector<std::string> texts;
  for (const CanvasCall& call : CallsOf(calls, CanvasCall::Kind::TextOut)) texts.push_back(call.text);
  return texts;
}

// "MoveTo 1,2" / "LineTo 3,4": the line calls in order, for exact comparison.
inline std::vector<std::string> LinesOf(const std::vector<CanvasCall>& calls) {
  std::vector<std::string> lines;
  for (const CanvasCall& call : calls) {
    if (call.kind == CanvasCall::Kind::MoveTo || call.kind == CanvasCall::Kind::LineTo) {
      lines.push_back(std::string(call.kind == CanvasCall::Kind::MoveTo ? "MoveTo " : "LineTo ") +
                      std::to_string(call.rect.Left) + "," + std::to_string(call.rect.Top));
    }
  }
  return lines;
}

}  // namespace drawing_test
