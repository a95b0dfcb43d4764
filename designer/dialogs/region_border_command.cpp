// Draw Border... of the region popups: the region border dialog for the
// region whose popup was opened.
#include "designer/dialogs/region_style_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"

namespace designer {

void TForm1::DrawBorder1Click(TObject*) {
  // The popup's object may have been deleted since (a TRef reads null then).
  const platform::TRef<TRegion> region = dynamic_cast<TRegion*>(program_.CurrentObject.Get());
  if (!region) return;
  const TBorderRecord before = region->FBorder;
  program_.RegionStyleForm->ShowModal();
  if (!region) return;
  if (!(region->FBorder == before)) FModified = true;
  if (program_.BordersShown) region->DrawBorder();
}

}  // namespace designer
