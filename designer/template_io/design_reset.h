#pragma once
// The design emptied as Close leaves it: no objects, nothing on the
// scratch pad, the counters at 0, the default style as the only style, no
// file name. The report style stays.
namespace designer {

class TForm1;

void EmptyDesign(TForm1& form);

}  // namespace designer
