#pragma once
// What must hold of the designer after any input, whatever the input was.
#include <string>

namespace designer {
class TForm1;
}

namespace tessel_fuzz {

class QuietDesigner;

// Every design object's name is given once among REPORT's components and
// the scratch pad's (names compared without regard to case), the container
// stack holds only the paper box and REPORT, and the style list, its count
// and the seven style submenus agree. Stops the process with the broken
// promise otherwise.
void CheckSoundDesign(designer::TForm1& form, const std::string& after);

// The number of design objects: every region, label and variable.
int DesignObjectCount(designer::TForm1& form);

// Saves the design as a scratch template, opens that again, which must
// come without a word into as many objects, and saves it once more: the two
// files must read alike, section by section and key by key (AsRead in the
// source says what "alike" leaves aside: what the reading rules of INI
// files take off a value on its first way through, and what follows from
// that).
void CheckSavedTemplateReadsBack(QuietDesigner& quiet, const std::string& after);

}  // namespace tessel_fuzz
