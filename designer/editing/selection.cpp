// Selection by Shift+click, carried by the objects' colours, and the
// conversion of horizontal positions between a container and the page
// that alignment across regions needs.
#include <algorithm>

#include "designer/editing/selection_look.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "platform/controls/label.h"

namespace designer {

bool IsLabelObject(const platform::TControl* control) {
  return dynamic_cast<const TStyledLabel*>(control) || dynamic_cast<const TVariableLabel*>(control);
}

// The report area is the page itself, not an object on it.
bool IsRegionObject(const platform::TControl* control) {
  return dynamic_cast<const TRegion*>(control) && !dynamic_cast<const TReportRegion*>(control);
}

void ShowSelected(platform::TControl* control) {
  control->SetColor(kSelectedColor);
  if (auto* label = dynamic_cast<platform::TLabel*>(control)) label->SetTransparent(false);
}

void ShowUnselected(platform::TControl* control) {
  control->SetColor(kUnselectedColor);
  if (auto* label = dynamic_cast<platform::TLabel*>(control)) label->SetTransparent(true);
}

void PruneSelection(DesignerProgram& program) {
  TControlList& list = program.SelectionList;
  list.erase(std::remove_if(list.begin(), list.end(), [](const platform::TRef<platform::TControl>& entry) {
               return !entry;
             }),
             list.end());
}

bool InMultiSelection(DesignerProgram& program, const platform::TControl* control) {
  PruneSelection(program);
  return program.SelectionList.size() >= 2 && ListIndexOf(program.SelectionList, control) >= 0;
}

void DeselectSubtree(DesignerProgram& program, platform::TControl* control) {
  PruneSelection(program);
  TControlList& list = program.SelectionList;
  for (std::size_t i = list.size(); i-- > 0;) {
    platform::TControl* entry = list[i];
    bool inside = false;
    for (const platform::TControl* c = entry; c; c = c->Parent())
      if (c == control) inside = true;
    if (!inside) continue;
    ShowUnselected(entry);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void TForm1::ClearSelection() {
  TControlList& list = program_.SelectionList;
  while (!list.empty()) {
    TControl* control = ListPopLast(list);
    if (control && (IsLabelObject(control) || IsRegionObject(control))) ShowUnselected(control);
  }
}

void TForm1::ToggleSelection(TControl* control) {
  if (!control || !(IsLabelObject(control) || IsRegionObject(control))) return;
  PruneSelection(program_);
  // The colour says whether the object is selected; an object of any
  // other colour (a picture region, a rich-text region) is left alone.
  const platform::TColor color = control->Color();
  if (color == kSelectedColor) {
    ShowUnselected(control);
    TControlList& list = program_.SelectionList;
    const int index = ListIndexOf(list, control);
    if (index >= 0) list.erase(list.begin() + index);
  } else if (color == kUnselectedColor) {
    ShowSelected(control);
    program_.SelectionList.emplace_back(control);
  }
}

void TForm1::AddParentOffsets(TControl* control, int& value) {
  for (TWinControl* container = control ? control->Parent() : nullptr; container && container->Name() != "REPORT";
       container = container->Parent())
    value += container->Left();
}

void TForm1::SubParentOffsets(TControl* control, int& value) {
  for (TWinControl* container = control ? control->Parent() : nullptr; container && container->Name() != "REPORT";
       container = container->Parent())
    value -= container->Left();
}

}  // namespace designer
