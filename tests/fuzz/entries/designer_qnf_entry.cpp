// A template file opened through File > Open into the designer's main
// window. Whatever the file holds, the open ends either in a message and an
// empty, unnamed design, or in a design whose objects are named once each;
// either way the design saves, and what the designer writes it reads back
// whole (CheckSavedTemplateReadsBack).
#include <string>
#include <string_view>

#include "designer/objects/regions.h"
#include "tests/fuzz/entries/designer_checks.h"
#include "tests/fuzz/entries/designer_fuzz_entries.h"
#include "tests/fuzz/entries/designer_session.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz::designer_qnf {

int FuzzOne(const uint8_t* data, size_t size) {
  QuietDesigner quiet;
  designer::TForm1& form = quiet.Form();
  DesignerSession& session = quiet.Session();
  const std::string input = session.WindowsPathOf("input.qnf");
  session.WriteFile("input.qnf", std::string_view(reinterpret_cast<const char*>(data), size));

  quiet.Open(input);
  CheckSoundDesign(form, "after opening the input");
  CheckInvariant(!form.FModified, "an open leaves the design unmodified");
  if (!quiet.Errors().empty()) {
    CheckInvariant(form.REPORT->ControlCount() == 0 && form.FFileName.empty() && form.Caption().empty(),
                   "an open that stopped on an error leaves an empty, unnamed design");
  } else {
    CheckInvariant(form.FFileName == input && form.Caption() == input, "an open names the design after its file");
  }
  CheckSavedTemplateReadsBack(quiet, "after opening the input");

  quiet.Close();
  CheckInvariant(form.REPORT->ControlCount() == 0, "Close empties the design");
  return 0;
}

}  // namespace tessel_fuzz::designer_qnf
