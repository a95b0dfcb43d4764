#pragma once
// Designs built in code for the script tests: every object owned by REPORT
// and put into its container, as placement leaves it.
#include <string>

#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"

namespace tessel_test {

class DesignBuilder {
 public:
  explicit DesignBuilder(designer::TForm1& form) : form_(form) {}

  designer::TReportRegion* Report() const { return form_.REPORT; }

  designer::TRegion* Fixed(platform::TWinControl* container, const std::string& name) {
    return Region<designer::TRegion>(container, name, designer::TRegionType::fixedRegion);
  }
  designer::TRegion* Repeat(platform::TWinControl* container, const std::string& name) {
    return Region<designer::TRegion>(container, name, designer::TRegionType::repeatRegion);
  }
  designer::TTitleRegion* Title(platform::TWinControl* container, const std::string& name) {
    return Region<designer::TTitleRegion>(container, name, designer::TRegionType::titleRegion);
  }
  designer::TShapeRegion* Shape(platform::TWinControl* container, const std::string& name) {
    return Region<designer::TShapeRegion>(container, name, designer::TRegionType::fixedRegion);
  }
  designer::TImageRegion* Image(platform::TWinControl* container, const std::string& name,
                                const std::string& file) {
    auto* region = Region<designer::TImageRegion>(container, name, designer::TRegionType::fixedRegion);
    region->FImageFile = file;
    return region;
  }
  designer::TRichTextRegion* RichText(platform::TWinControl* container, const std::string& name,
                                      const std::string& file) {
    auto* region = Region<designer::TRichTextRegion>(container, name, designer::TRegionType::fixedRegion);
    region->FRtfFile = file;
    return region;
  }
  designer::TVariableLabel* Variable(platform::TWinControl* container, const std::string& name,
                                     designer::TVariableType type) {
    auto* variable = new designer::TVariableLabel(form_.REPORT);
    variable->SetParent(container);
    variable->SetName(name);
    variable->SetCaption(name);
    variable->VariableType = type;
    return variable;
  }
  designer::TStyledLabel* Label(platform::TWinControl* container, const std::string& name, const std::string& text) {
    auto* label = new designer::TStyledLabel(form_.REPORT);
    label->SetParent(container);
    label->SetName(name);
    label->SetCaption(text);
    return label;
  }

 private:
  template <class T>
  T* Region(platform::TWinControl* container, const std::string& name, designer::TRegionType type) {
    auto* region = new T(form_.REPORT);
    region->SetParent(container);
    region->SetName(name);
    region->RegionType = type;
    return region;
  }

  designer::TForm1& form_;
};

}  // namespace tessel_test
