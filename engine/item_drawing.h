#pragma once
// One placed item on a canvas, by the kind of its template item. Everything
// the drawing of a page shares comes in the context, so the same logic draws
// on a printer page, a preview bitmap or a recording canvas.
#include <cstdint>

#include "engine/page_layout.h"
#include "engine/template_items.h"
#include "platform/drawing/canvas.h"
#include "platform/drawing/geometry.h"

namespace platform {
class RichTextDocument;
}

namespace engine {

class JobPictures;

// Layout units (1/100 inch) to device pixels: Trunc(value x scale) - offset.
struct DeviceTransform {
  double scaleX = 1.0;
  double scaleY = 1.0;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
};

struct ItemDrawingContext {
  platform::TCanvas& canvas;
  DeviceTransform transform;
  // Where PARENT names are looked up for item backgrounds.
  const TemplateList& templateItems;
  JobPictures& pictures;
  // The hidden rich-text document of the print or preview call; nullptr makes
  // each rich-text region use one of its own.
  platform::RichTextDocument* richText = nullptr;
  // The resolution rich text is formatted at: the printer's, or 100.
  int32_t richTextResolutionX = 100;
  int32_t richTextResolutionY = 100;
  int32_t pageNumber = 0;
  int32_t pageCount = 0;
  // Drawing entry 0 of the page list, which is drawn under every page.
  bool staticLayer = false;
};

enum class ItemResult { Continue, EndPage };

// EndPage when the rest of the page must not be drawn (a picture of a type
// that cannot be shown).
ItemResult DrawPlacedItem(const ItemDrawingContext& context, const TPlacedItem& placed);

// The device rectangle of a placed rectangle, normalised so that Right >= Left
// and Bottom >= Top.
platform::TRect DeviceRect(const DeviceTransform& transform, const platform::TRect& rect);
platform::TPoint DevicePoint(const DeviceTransform& transform, const platform::TPoint& point);

// Labels and variables: when PARENT names a shape region, the brush takes its
// fill, so that the text cell shows the shape beneath.
void DrawItemBackground(platform::TCanvas& canvas, const rcDefItem& item,
                        const TemplateList& templateItems);

ItemResult DrawImageRegion(const ItemDrawingContext& context, const TPlacedItem& placed);
void DrawRichTextRegion(const ItemDrawingContext& context, const TPlacedItem& placed,
                        const platform::TRect& deviceRect);

}  // namespace engine
