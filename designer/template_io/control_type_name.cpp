// The type word of a design control: the word that names its kind in the
// template, and by which the walks over the design decide what a child is.
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"

namespace designer {

std::string TForm1::ControlTypeName(TControl* control) {
  // The more special classes are tested before TRegion, which they all are.
  if (dynamic_cast<TStyledLabel*>(control)) return "LABEL";
  if (dynamic_cast<TImageRegion*>(control)) return "IMAGEREGION";
  if (dynamic_cast<TTitleRegion*>(control)) return "TITLEREGION";
  if (dynamic_cast<TRichTextRegion*>(control)) return "RICHTEXTREGION";
  if (dynamic_cast<TShapeRegion*>(control)) return "SHAPEREGION";
  if (auto* region = dynamic_cast<TRegion*>(control)) {
    switch (region->RegionType) {
      case TRegionType::fixedRegion: return "FIXEDREGION";
      case TRegionType::repeatRegion: return "REPEATREGION";
      case TRegionType::titleRegion: return "TITLEREGION";
    }
  }
  if (dynamic_cast<platform::TPanel*>(control)) return "FIXEDREGION";
  if (dynamic_cast<TVariableLabel*>(control)) return "VARIABLE";
  return "error";
}

}  // namespace designer
