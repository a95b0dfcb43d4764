// The script's body: a walk over the design that opens every region holding
// something the host must fill and names every value the host supplies.
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"

namespace designer {
namespace {

// The host names the file of an image or rich-text region at run time.
constexpr const char* kDynamicFile = "DYNAMIC";

// A container's design objects come after its own inner controls.
int FirstObjectIndex(TWinControl* container, const TReportRegion* report) {
  if (container == report) return 0;
  if (dynamic_cast<TShapeRegion*>(container)) return 2;
  return 1;
}

// Page numbers, dates and times the engine fills itself.
bool HostSuppliesValue(TControl* control) {
  auto* variable = dynamic_cast<TVariableLabel*>(control);
  if (!variable) return false;
  switch (variable->VariableType) {
    case TVariableType::StringVar:
    case TVariableType::IntegerVar:
    case TVariableType::FloatingPointVar: return true;
    default: return false;
  }
}

bool HasDynamicImage(TControl* control) {
  auto* region = dynamic_cast<TImageRegion*>(control);
  return region && region->FImageFile == kDynamicFile;
}

bool HasDynamicRichText(TControl* control) {
  auto* region = dynamic_cast<TRichTextRegion*>(control);
  return region && region->FRtfFile == kDynamicFile;
}

}  // namespace

void TForm1::GenerateControlCode(TWinControl* container) {
  if (!container) return;
  TScriptState& script = program_.Script;
  for (int i = FirstObjectIndex(container, REPORT); i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    const std::string kind = ControlTypeName(child);
    if (kind == "VARIABLE") {
      // A variable goes by its caption, which the author may have changed.
      if (HostSuppliesValue(child)) {
        script.WriteLine(script.SetVariableLine(static_cast<TVariableLabel*>(child)->Caption()));
      }
    } else if (kind == "FIXEDREGION" || kind == "TITLEREGION" || kind == "SHAPEREGION") {
      auto* region = dynamic_cast<TWinControl*>(child);
      if (!HasDynamicContent(region)) continue;
      script.WriteLine(script.BeginRegionLine(region->Name()));
      GenerateControlCode(region);
      script.WriteLine(script.EndRegionLine());
    } else if (kind == "REPEATREGION") {
      auto* region = dynamic_cast<TWinControl*>(child);
      if (!HasDynamicContent(region)) continue;
      script.WriteLine(script.BeginRepeatRegionLine(region->Name()));
      GenerateControlCode(region);
      script.WriteLine(script.EndRepeatRegionLine());
    } else if (kind == "IMAGEREGION") {
      if (HasDynamicImage(child)) script.WriteLine(script.SetVariableLine(child->Name()));
    } else if (kind == "RICHTEXTREGION") {
      if (HasDynamicRichText(child)) script.WriteLine(script.SetVariableLine(child->Name()));
    }
  }
}

bool TForm1::HasDynamicContent(TWinControl* region) {
  if (!region) return false;
  for (int i = FirstObjectIndex(region, REPORT); i < region->ControlCount(); ++i) {
    TControl* child = region->Controls(i);
    if (HostSuppliesValue(child) || HasDynamicImage(child) || HasDynamicRichText(child)) return true;
    // Objects the author dropped into an image or rich-text region count
    // as well, though the script names nothing inside such a region.
    if (dynamic_cast<TRegion*>(child) && HasDynamicContent(static_cast<TRegion*>(child))) return true;
  }
  return false;
}

}  // namespace designer
