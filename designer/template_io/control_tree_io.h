#pragma once
// The control tree in template form, for Save and Open and for anything
// else that moves objects through template text (the copy of an object is
// written into an in-memory TIniFile and read back into another container).
//
// Writing: WriteControlEntry writes one control as the next numbered entry
// of a container section: the key RC<n> with the control's type word in
// that section, the control's own section RC<n> (NAME, LEFT, TOP, WIDTH,
// HEIGHT, PARENT, then the keys of its kind), and for a container its own
// section, named by its NAME, right after, with everything inside it.
// TForm1::WriteControls writes a container's objects this way into
// FIniFile, numbered by FSectionCounter.
//
// Reading: TForm1::ReadControls (section) builds the entries of a section
// of whatever TIniFile FIniFile holds into the design, each made by
// placement. An entry whose PARENT is "REPORT" goes into the container on
// top of Stack1; any other PARENT names its container: first among the
// controls this read has made (by their stored NAME), then among all of
// REPORT's. So, to read a copy into another container, write its entry,
// then write its PARENT as "REPORT" (the key keeps its place), push the
// container and read the section. Regions and variables take the name
// FReadName gives for their stored NAME (empty: the stored NAME itself);
// labels keep the name placement gave them.
#include <string>

#include "designer/main_window/form1.h"

namespace platform {
class TIniFile;
}

namespace designer {

// Where a container's design objects begin among its children: a region's
// own border paint box comes first, and a shape region's figure after it;
// REPORT has neither.
int FirstDesignChild(const TWinControl* container);

// REPORT and the fixed, title, repeat and shape regions hold design
// objects; labels, variables, image and rich-text regions do not.
bool HoldsDesignObjects(TForm1& form, const TControl* control);

// The design objects inside the container at any depth: what a template of
// it would list.
int CountDesignObjects(TForm1& form, const TWinControl* container);

void WriteControlEntry(TForm1& form, platform::TIniFile& file, const std::string& containerSection,
                       TControl* control, int& sectionCounter);

}  // namespace designer
