#pragma once
// How a design object shows that it is selected: by its colour alone, aqua
// when selected and silver when not; a label or variable also turns opaque
// so that the colour shows behind its text.
#include "designer/main_window/designer_program.h"
#include "platform/controls/control.h"

namespace designer {

inline constexpr platform::TColor kSelectedColor = 0xFFFF00;
inline constexpr platform::TColor kUnselectedColor = 0xC0C0C0;

bool IsLabelObject(const platform::TControl* control);
bool IsRegionObject(const platform::TControl* control);
void ShowSelected(platform::TControl* control);
void ShowUnselected(platform::TControl* control);
// Drops the entries of the selection whose objects were freed.
void PruneSelection(DesignerProgram& program);
// Whether the selection holds two or more objects, this one among them.
bool InMultiSelection(DesignerProgram& program, const platform::TControl* control);
// Takes the object and every selected object inside it out of the
// selection, showing them unselected.
void DeselectSubtree(DesignerProgram& program, platform::TControl* control);

}  // namespace designer
