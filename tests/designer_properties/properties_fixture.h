#pragma once
// The popup commands under test: objects made by placement, as a click in
// a tool mode makes them, then picked as a right click picks them.
#include <string>

#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

class PropertiesTest : public DesignerTest {
 protected:
  template <class T>
  T* Place(platform::TControl* target, int mode, int x = 10, int y = 10) {
    form().SetMode(mode);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    return dynamic_cast<T*>(form().PlaceObject(target));
  }
  designer::TRegion* FixedRegion(platform::TControl* target = nullptr) {
    return Place<designer::TRegion>(target ? target : form().REPORT, designer::kModeFixed);
  }
  designer::TVariableLabel* Variable(platform::TControl* target, const std::string& typeWord = "string",
                                     int x = 10) {
    form().SetMode(designer::kModeVariable);
    form().FVariableTypeWord = typeWord;
    form().FRegionGrabX = x;
    form().FRegionGrabY = 10;
    return dynamic_cast<designer::TVariableLabel*>(form().PlaceObject(target));
  }
  // What a right click on the object does for the commands: it becomes the
  // object they act on.
  void Pick(platform::TControl* object) { program().CurrentObject = object; }
  void Choose(const std::string& itemName) {
    platform::TMenuItem* item = MenuItem(itemName);
    ASSERT_NE(item, nullptr) << itemName;
    item->Click();
  }
  // The last request the dialogs got.
  const platform::DialogRequest& LastRequest() const { return dialogs->Requests().back(); }
};

}  // namespace tessel_test
