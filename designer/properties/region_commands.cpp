// The fixed and repeat region popups: size to the container, the absolute
// flag and multiple pages.
#include <algorithm>

#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/properties/current_object.h"
#include "platform/dialogs/dialog_service.h"

namespace designer {

void TForm1::SizeRegionToPage1Click(TObject*) {
  const platform::TRef<TRegion> region = CurrentObjectAs<TRegion>(program_);
  if (!region || !region->Parent()) return;
  if (platform::MessageDlg("Maximize Region?", platform::TMsgDlgType::mtConfirmation, platform::mbYesNo) ==
      platform::mrNo)
    return;
  if (!region || !region->Parent()) return;
  // A container smaller than the margins would give a negative size; the
  // region keeps at least what the author may size it to at this zoom.
  const int minimum = 25 - 5 * program_.ZoomLevel;
  const TWinControl* container = region->Parent();
  region->SetBounds(25, 25, std::max(container->Width() - 50, minimum), std::max(container->Height() - 50, minimum));
}

void TForm1::ToggleAbsolute1Click(TObject*) {
  TRegion* region = CurrentObjectAs<TRegion>(program_);
  if (!region) return;
  if (region->FAbsolute == 1) {
    platform::ShowMessage(region->Name() + " will be fixed.");
    region->FAbsolute = 0;
  } else {
    platform::ShowMessage(region->Name() + " will not be fixed.");
    region->FAbsolute = 1;
  }
}

void TForm1::PrepareRepeatPopup(TRegion* region) {
  if (region) AllowMultiplePages1->SetChecked(region->MultiPage);
}

void TForm1::AllowMultiplePages1Click(TObject*) {
  TRegion* region = CurrentObjectAs<TRegion>(program_);
  if (!region) return;
  // The region's own setting is flipped, whatever another repeat region
  // left on the shared menu item.
  region->MultiPage = !region->MultiPage;
  AllowMultiplePages1->SetChecked(region->MultiPage);
}

}  // namespace designer
