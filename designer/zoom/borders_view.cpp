// View > Show Borders: the borders of fixed, repeat and title regions at
// every depth are drawn, or cleared, together.
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"

namespace designer {
namespace {

// A container's design objects come after its own inner controls.
int FirstObjectIndex(TWinControl* container, const TReportRegion* report) {
  if (container == report) return 0;
  if (dynamic_cast<TShapeRegion*>(container)) return 2;
  return 1;
}

}  // namespace

void TForm1::ShowBorders1Click(TObject*) {
  ShowBorders1->SetChecked(!ShowBorders1->Checked());
  program_.BordersShown = ShowBorders1->Checked();
  RefreshBorders(REPORT);
}

void TForm1::RefreshBorders(TWinControl* container) {
  if (!container) return;
  for (int i = FirstObjectIndex(container, REPORT); i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    const std::string kind = ControlTypeName(child);
    if (kind == "FIXEDREGION" || kind == "REPEATREGION" || kind == "TITLEREGION") {
      auto* region = static_cast<TRegion*>(child);
      if (program_.BordersShown) {
        region->DrawBorder();
      } else {
        region->ClearCanvas();
      }
      RefreshBorders(region);
    } else if (kind == "SHAPEREGION") {
      RefreshBorders(static_cast<TWinControl*>(child));
    }
  }
}

void TForm1::RescaleRichText(TWinControl* container) {
  if (!container) return;
  for (int i = FirstObjectIndex(container, REPORT); i < container->ControlCount(); ++i) {
    auto* region = dynamic_cast<TRegion*>(container->Controls(i));
    if (!region) continue;
    if (auto* richText = dynamic_cast<TRichTextRegion*>(region)) richText->Rescale();
    RescaleRichText(region);
  }
}

}  // namespace designer
