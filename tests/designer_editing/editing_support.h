#pragma once
// A design to edit: objects placed as the author places them, and the
// mouse as the platform's dispatch delivers it (a handler's drag completes
// the click at once).
#include <map>
#include <string>
#include <vector>

#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

inline constexpr platform::TColor kAqua = 0xFFFF00;
inline constexpr platform::TColor kSilver = 0xC0C0C0;

class EditingTest : public DesignerTest {
 protected:
  void TearDown() override;

  // Placed in the mode with a click at (x, y) of the container; regions
  // then take the given size.
  template <class T>
  T* Place(platform::TControl* container, int mode, int x, int y) {
    form().SetMode(mode);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    auto* placed = dynamic_cast<T*>(form().PlaceObject(container));
    EXPECT_NE(placed, nullptr) << "mode " << mode;
    form().SetMode(designer::kModeNone);
    return placed;
  }
  designer::TRegion* Region(platform::TControl* container, int left, int top, int width, int height,
                            int mode = designer::kModeFixed);
  designer::TStyledLabel* Text(platform::TControl* container, int left, int top);
  designer::TVariableLabel* Variable(platform::TControl* container, int left, int top);

  // A button pressed on the object as the platform delivers it: the
  // mouse-down handler, and the click at once when it begins a drag; the
  // drag stays in progress until EndDrag.
  void Press(platform::TControl* object, platform::TMouseButton button, platform::TShiftState shift = 0, int x = 1,
             int y = 1);
  // A left click without Shift: the press, then the click at the release
  // when no drag was begun, and the end of any drag.
  void PlainClick(platform::TControl* object, int x = 1, int y = 1);
  void ShiftClick(platform::TControl* object) { Press(object, platform::TMouseButton::mbLeft, platform::ssShift); }
  void EndDrag();

  std::vector<std::string> SelectedNames() const;

  // Edit > Copy, then a click on the object.
  void CopyObject(platform::TControl* object);
  // Edit > Cut, with the click on the object that its wait takes.
  void CutObject(platform::TControl* object);
  // Edit > Paste, then a click at (x, y) of the container; the copy placed
  // there, or null.
  platform::TControl* PasteInto(platform::TWinControl* container, int x, int y);
  // Save under a name of the scratch folder, and Open of it in a design
  // closed without saving.
  void SaveAs(const std::string& name);
  void Reopen(const std::string& name);
  // The objects of a saved template: each NAME with its section.
  std::map<std::string, std::string> SavedSections(const std::string& name) const;

 private:
  platform::TRef<platform::TControl> dragged_;
};

// Where copies are made: a source region and a target region side by
// side in an outer region, at zoom level 0.
class PasteSetting : public EditingTest {
 protected:
  void SetUp() override;

  designer::TRegion* outer_ = nullptr;
  designer::TRegion* source_ = nullptr;
  designer::TRegion* target_ = nullptr;
};

}  // namespace tessel_test
