// Writing the control tree: depth first, one numbered entry per object,
// a container's own list section right after its entry.
#include "designer/objects/regions.h"
#include "designer/objects/shape_region.h"
#include "designer/template_io/control_properties.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/ini/ini_file.h"

namespace designer {
namespace {

void WriteChildren(TForm1& form, platform::TIniFile& file, TWinControl* container, int& sectionCounter) {
  const std::string section = container->Name();
  for (int i = FirstDesignChild(container); i < container->ControlCount(); ++i)
    WriteControlEntry(form, file, section, container->Controls(i), sectionCounter);
}

}  // namespace

int FirstDesignChild(const TWinControl* container) {
  if (dynamic_cast<const TShapeRegion*>(container)) return 2;
  if (dynamic_cast<const TReportRegion*>(container)) return 0;
  if (dynamic_cast<const TRegion*>(container)) return 1;
  return 0;
}

bool HoldsDesignObjects(TForm1& form, const TControl* control) {
  if (!control) return false;
  if (control == form.REPORT) return true;
  const std::string word = form.ControlTypeName(const_cast<TControl*>(control));
  return word == "FIXEDREGION" || word == "TITLEREGION" || word == "REPEATREGION" || word == "SHAPEREGION";
}

int CountDesignObjects(TForm1& form, const TWinControl* container) {
  int count = 0;
  for (int i = FirstDesignChild(container); i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    count += 1;
    if (HoldsDesignObjects(form, child)) count += CountDesignObjects(form, static_cast<TWinControl*>(child));
  }
  return count;
}

void WriteControlEntry(TForm1& form, platform::TIniFile& file, const std::string& containerSection,
                       TControl* control, int& sectionCounter) {
  const std::string section = "RC" + std::to_string(++sectionCounter);
  const std::string word = form.ControlTypeName(control);
  file.WriteString(containerSection, section, word);
  // The design's own geometry, whatever the zoom shows.
  const platform::TBounds bounds = control->DesignBounds();
  file.WriteString(section, "NAME", control->Name());
  file.WriteInteger(section, "LEFT", bounds.Left);
  file.WriteInteger(section, "TOP", bounds.Top);
  file.WriteInteger(section, "WIDTH", bounds.Width);
  file.WriteInteger(section, "HEIGHT", bounds.Height);
  file.WriteString(section, "PARENT", control->Parent() ? control->Parent()->Name() : std::string());
  WriteKindKeys(file, section, control, word);
  // Image and rich-text regions hold nothing that is written.
  if (word == "FIXEDREGION" || word == "TITLEREGION" || word == "REPEATREGION" || word == "SHAPEREGION") {
    if (auto* container = dynamic_cast<TWinControl*>(control)) WriteChildren(form, file, container, sectionCounter);
  }
}

void TForm1::WriteControls(TWinControl* container) { WriteChildren(*this, *FIniFile, container, FSectionCounter); }

}  // namespace designer
