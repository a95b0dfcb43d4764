// The designer's long session: 2,000 cycles in one process of File > New
// (the report style dialog answered with OK), twenty objects placed through
// the handlers a click calls, Save (Save As for the new design, then Save
// under its name), Close and Open, with the resident memory (VmRSS) shown at
// the start, every 200 cycles and at the end. Memory that keeps growing
// after the first cycle is a leak in the designer or in the platform under
// it.
//
//   tessel_designer_soak [cycles]
//
// Runs under Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
// Every box and dialog is answered by the run; a message of any kind counts
// as a failure, as does a reopened design without its twenty objects.
#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include "bench/peak_memory.h"
#include "bench/scratch_folder.h"
#include "bench/stopwatch.h"
#include "designer/main_window/designer_program.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/controls/buttons.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace {

constexpr int kDefaultCycles = 2'000;
constexpr int kReportEvery = 200;
constexpr int kObjectsPerDesign = 20;

// What a person answers: OK in the report style dialog, the design's file
// in the open and save dialogs, Yes to overwriting it. Anything else is
// counted as unexpected and cancelled.
struct Answers {
  std::string designPath;
  int64_t unexpected = 0;
  std::string lastUnexpected;
};

designer::TRegion* Place(designer::TForm1& form, void (designer::TForm1::*tool)(platform::TObject*),
                         platform::TControl* target, int x, int y) {
  (form.*tool)(nullptr);
  form.FRegionGrabX = x;
  form.FRegionGrabY = y;
  platform::TControl* placed = form.PlaceObject(target);
  if (!placed) throw std::runtime_error("nothing was placed");
  return dynamic_cast<designer::TRegion*>(placed);
}

// Twenty objects, as an author places them: a header region with a title
// region of three labels, and a body region holding a repeat region of
// five variables and a label, with labels and variables around it.
void PlaceDesign(designer::TForm1& form, int half) {
  using F = designer::TForm1;
  if (half == 0) {
    designer::TRegion* header = Place(form, &F::Fixed1Click, form.REPORT, 0, 0);
    designer::TRegion* title = Place(form, &F::SpeedButton12Click, header, 5, 5);
    for (int i = 0; i < 3; ++i) Place(form, &F::Text1Click, title, 10 + i * 120, 10);
    for (int i = 0; i < 3; ++i) Place(form, &F::String1Click, header, 10 + i * 150, 440);
    Place(form, &F::Text1Click, header, 500, 440);
    Place(form, &F::Integer1Click, header, 500, 470);
    return;
  }
  designer::TRegion* body = Place(form, &F::Fixed1Click, form.REPORT, 10, 760);
  designer::TRegion* records = Place(form, &F::Repeat1Click, body, 5, 5);
  for (int i = 0; i < 5; ++i) Place(form, &F::FloatingPoint1Click, records, 10 + i * 80, 10);
  Place(form, &F::Text1Click, records, 10, 40);
  Place(form, &F::Text1Click, body, 10, 200);
  Place(form, &F::Date1Click, body, 200, 200);
}

// One cycle of the session; returns the objects of the reopened design.
int RunCycle(designer::TForm1& form) {
  form.Blank1Click(form.Blank1);
  PlaceDesign(form, 0);
  // The new design has no name: Save asks for one.
  form.Save1Click(form.Save1);
  PlaceDesign(form, 1);
  form.Save1Click(form.Save1);
  form.Close1Click(form.Close1);
  form.Open1Click(form.Open1);
  QApplication::processEvents();
  return designer::CountDesignObjects(form, form.REPORT);
}

int Run(int cycles) {
  bench::ScratchFolder scratch("tessel_designer_soak");
  // The user's data folder holds the global style file: keep it in the
  // scratch folder, away from the person running the soak.
  setenv("XDG_DATA_HOME", scratch.Path().c_str(), 1);
  Answers answers;
  answers.designPath =
      platform::AbsoluteWindowsPath(platform::Utf8ToWin1252((scratch.Path() / "session.qnf").string()));
  platform::ScopedDialogHandler dialogs([&answers](const platform::DialogRequest& request) {
    using Kind = platform::DialogRequest::Kind;
    platform::DialogReply reply;
    if (request.kind == Kind::OpenFile || request.kind == Kind::SaveFile) {
      reply.result = platform::mrOk;
      reply.value = answers.designPath;
    } else if (request.kind == Kind::Message && request.text == "File exists.  Do you want to overwrite it?") {
      reply.result = platform::mrYes;
    } else {
      ++answers.unexpected;
      answers.lastUnexpected = request.caption + ": " + request.text;
    }
    return reply;
  });
  platform::ScopedModalHandler modals([&answers](platform::TForm& form) {
    if (auto* ok = dynamic_cast<platform::TButton*>(form.FindComponent("BitBtn1"));
        ok && form.Name() == "ReportStyleForm") {
      ok->Click();
      return;
    }
    ++answers.unexpected;
    answers.lastUnexpected = "modal form " + form.Name();
    form.SetModalResult(platform::mrCancel);
  });
  platform::ScopedMessageRecorder errors;

  designer::DesignerProgram program;
  program.CreateForms(false);
  designer::TForm1& form = *program.Form1;
  form.Show();
  QApplication::processEvents();

  const int64_t start = bench::ResidentKilobytes();
  int64_t warm = start;
  int64_t wrongDesigns = 0;
  std::printf("tessel_designer_soak: %d cycles of New, %d objects placed, Save As, Save, Close and Open\n", cycles,
              kObjectsPerDesign);
  std::printf("cycle %6d  VmRSS %8lld kB\n", 0, static_cast<long long>(start));
  std::fflush(stdout);
  bench::Stopwatch clock;
  double firstCycleMs = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (RunCycle(form) != kObjectsPerDesign) ++wrongDesigns;
    // The first cycle loads fonts and makes the dialogs' widgets once for
    // the process; growth is measured from after it.
    if (cycle == 1) {
      warm = bench::ResidentKilobytes();
      firstCycleMs = clock.Milliseconds();
    }
    if (cycle == 1 || cycle % kReportEvery == 0 || cycle == cycles) {
      std::printf("cycle %6d  VmRSS %8lld kB\n", cycle, static_cast<long long>(bench::ResidentKilobytes()));
      std::fflush(stdout);
    }
  }
  const double totalMs = clock.Milliseconds();
  const int64_t end = bench::ResidentKilobytes();
  const double perCycle = cycles > 1 ? (totalMs - firstCycleMs) / (cycles - 1) : totalMs;
  std::printf("tessel_designer_soak: VmRSS %lld kB at the start, %lld kB after the first cycle, "
              "%lld kB at the end (%+lld kB since the first cycle); %.1f ms a cycle; "
              "%lld designs reopened wrong, %lld unexpected boxes, %zu error messages\n",
              static_cast<long long>(start), static_cast<long long>(warm), static_cast<long long>(end),
              static_cast<long long>(end - warm), perCycle, static_cast<long long>(wrongDesigns),
              static_cast<long long>(answers.unexpected), errors.Texts().size());
  if (!answers.lastUnexpected.empty()) std::fprintf(stderr, "last unexpected box: %s\n", answers.lastUnexpected.c_str());
  for (const std::string& text : errors.Texts()) std::fprintf(stderr, "error: %s\n", text.c_str());
  return wrongDesigns == 0 && answers.unexpected == 0 && errors.Texts().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  int cycles = kDefaultCycles;
  if (argc > 2 || (argc == 2 && (cycles = std::atoi(argv[1])) <= 0)) {
    std::fprintf(stderr, "usage: tessel_designer_soak [cycles]\n");
    return 2;
  }
  try {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!platform::EnsureApplication()) throw std::runtime_error("no Qt application");
    return Run(cycles);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessel_designer_soak: %s\n", error.what());
    return 2;
  }
}
