#pragma once
// What each kind of control stores after NAME, LEFT, TOP, WIDTH, HEIGHT
// and PARENT, written and read in one place so that the two never drift
// apart. Per type word, in writing order:
//   LABEL           TEXT, STYLE
//   VARIABLE        NAME (again, with the caption), VARTYPE, HLWHEN, HLVALUE,
//                   MASTERVARIABLE, STYLE, HLSTYLE
//   IMAGEREGION     IMAGEFILE, FILELOCATION
//   SHAPEREGION     SHAPE, FILLCOLOR, FILLPATTERN, BORDERCOLOR,
//                   BORDERTHICKNESS, BORDERPATTERN
//   RICHTEXTREGION  from a file: RTFFILE, FILELOCATION; direct text: STYLE,
//                   RTFFILE (empty), LINE1, LINE2, ...
//   FIXEDREGION     BORDERSTYLE, BORDERTHICKNESS, BORDERCOLOR,
//                   BORDERLINESTYLE, ABSOLUTE
//   TITLEREGION     the four border keys
//   REPEATREGION    the four border keys, MULTIPAGE
#include <string>

#include "designer/main_window/form1.h"

namespace platform {
class TIniFile;
}

namespace designer {

void WriteKindKeys(platform::TIniFile& file, const std::string& section, TControl* control,
                   const std::string& typeWord);

// Fills a control that placement has just made for the entry, after its
// bounds and name. A picture or rich-text file that cannot be read leaves
// its region empty, with one message naming the file.
void ReadKindKeys(TForm1& form, const platform::TIniFile& file, const std::string& section, TControl* control,
                  const std::string& typeWord);

}  // namespace designer
