#pragma once
// The loaded template as a tree of items: rcDefItem with the record of its
// kind. Children of fixed, repeat, title and shape regions hang in their
// records; everything else in the list of the section that named it.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "engine/value_variant.h"
#include "platform/drawing/canvas.h"
#include "platform/drawing/geometry.h"

namespace engine {

enum ItemType : uint8_t {
  kReportStyle = 0,
  kTextStyle = 1,
  kLabel = 2,
  kFixedRegion = 3,
  kRepeatRegion = 4,
  kTitleRegion = 5,
  kImageRegion = 6,
  kVariable = 7,
  kShapeRegion = 8,
  kRichTextRegion = 9,
};

enum VarType : uint8_t {
  kVarString = 0,
  kVarInteger = 1,
  kVarFloatingPoint = 2,
  kVarPageNumber = 3,
  kVarPageCount = 4,
  kVarDate = 5,
  kVarTime = 6,
  kVarDateTime = 7,
  // A VARTYPE word outside the table: stores nothing and draws no text.
  kVarUnknown = 255,
};

enum HighlightWhen : uint8_t {
  kHlNone = 0,
  kHlLessThan = 1,
  kHlGreaterThan = 2,
  kHlEquals = 3,
  kHlNotEqual = 4,
  kHlLessThanEquals = 5,
  kHlGreaterThanEquals = 6,
  kHlMasterHighlighted = 7,
};

// Engine side bits (the file's bits reversed on reading).
enum BorderSide : uint8_t { kSideLeft = 1, kSideRight = 2, kSideTop = 4, kSideBottom = 8 };

struct rcDefItem;
using TemplateList = std::vector<std::unique_ptr<rcDefItem>>;

// The five fields every control kind begins with.
struct rcItemBox {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Parent;
};

struct rcReport {
  double PaperWidth = 8.5, PaperHeight = 11.0;
  double ReportWidth = 8.0, ReportHeight = 10.5;
  double PlaceLeft = 0.5, PlaceTop = 0.5;
  std::string ImageFileLocation, RtfFileLocation;
  bool Landscape = false;
  uint8_t BorderSides = 15;
  int32_t BorderThickness = 1;
  int32_t BorderColor = 0;
  uint8_t BorderPenStyle = 0;
};

struct rcStyle {
  std::string StyleName;
  platform::TFont Font;
};

struct rcLabel : rcItemBox {
  std::string Text;
  const rcStyle* Style = nullptr;
};

// The record of fixed (Flag = ABSOLUTE) and repeat (Flag = MULTIPAGE) regions.
struct rcFixedRegion : rcItemBox {
  bool Flag = false;
  uint8_t BorderSides = 15;
  int32_t BorderThickness = 1;
  int32_t BorderColor = 0;
  uint8_t BorderPenStyle = 0;
  TemplateList Children;
};
using rcRepeatRegion = rcFixedRegion;

struct rcTitleRegion : rcItemBox {
  uint8_t BorderSides = 15;
  int32_t BorderThickness = 1;
  int32_t BorderColor = 0;
  uint8_t BorderPenStyle = 0;
  TemplateList Children;
};

struct rcShapeRegion : rcItemBox {
  uint8_t Shape = 0;
  int32_t FillColor = 0;
  int32_t BorderThickness = 1;
  uint8_t FillPattern = 0;
  int32_t BorderColor = 0;
  uint8_t BorderPattern = 0;
  TemplateList Children;
};

struct rcGraphicRegion : rcItemBox {
  bool Dynamic = false;
  std::string FileName;
  std::string FileLocation;
};

struct rcRichText : rcGraphicRegion {
  const rcStyle* Style = nullptr;
  std::vector<std::string> Lines;
};

struct rcVariable : rcItemBox {
  uint8_t VarType = kVarUnknown;
  bool IsMaster = false;
  uint8_t HighlightWhen = kHlNone;
  Variant HighlightValue;
  const rcStyle* Style = nullptr;
  const rcStyle* HighlightStyle = nullptr;
};

struct rcDefItem {
  std::string Name;
  uint8_t ItemType = 0;
  std::variant<rcReport, rcStyle, rcLabel, rcFixedRegion, rcTitleRegion, rcShapeRegion,
               rcGraphicRegion, rcRichText, rcVariable>
      Data;

  template <class Record>
  Record& As() { return std::get<Record>(Data); }
  template <class Record>
  const Record& As() const { return std::get<Record>(Data); }
};

// The common five fields of kinds 2..9; nullptr for the two style kinds.
const rcItemBox* BoxOf(const rcDefItem& item);
// The Children of fixed, repeat, title and shape regions; nullptr otherwise.
TemplateList* ChildrenOf(rcDefItem& item);
const TemplateList* ChildrenOf(const rcDefItem& item);
inline bool IsContainer(uint8_t itemType) {
  return itemType == kFixedRegion || itemType == kRepeatRegion || itemType == kTitleRegion ||
         itemType == kShapeRegion;
}

// GetItemRect: (Left, Top, Left+Width, Top+Height) for kinds 2..9, all zero for
// the styles. Sums are clamped to the 32-bit range.
platform::TRect GetItemRect(const rcDefItem& item);

}  // namespace engine
