// The designer with a design of 2,000 objects (regions holding text labels
// and variables) under the offscreen platform: Open, Save and Close of its
// template, one zoom step, and one text label placed at zoom level -1, each
// timed with the repaint it asks for.
#include <QApplication>

#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/peak_memory.h"
#include "bench/result_table.h"
#include "bench/timed_actions.h"
#include "bench/scratch_folder.h"
#include "bench/stopwatch.h"
#include "bench/timing_samples.h"
#include "designer/main_window/designer_program.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace {

// 40 regions on the report, 4 regions in each, and 9 labels and variables
// in each of the 200 regions: 2,000 objects.
constexpr int kTopRegions = 40;
constexpr int kInnerRegions = 4;
constexpr int kLabelsPerRegion = 5;
constexpr int kVariablesPerRegion = 4;
constexpr int kRuns = 5;
constexpr double kOpenLimitMs = 1000;
constexpr double kSaveLimitMs = 300;
constexpr double kStepLimitMs = 100;

// The template of the design; the readers do not mind that the container
// sections stand at the end.
class TemplateText {
 public:
  std::string Build() {
    lists_.clear();
    counter_ = 0;
    objects_ = 0;
    text_ =
        "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n[RR0]\r\nREPORTWIDTH=8\r\nREPORTHEIGHT=10\r\nPAPERWIDTH=8.5\r\n"
        "PAPERHEIGHT=11\r\nPLACELEFT=0.25\r\nPLACETOP=0.5\r\n[STYLES]\r\nRS0=LABELSTYLE\r\n[RS0]\r\n"
        "STYLENAME=DEFAULTSTYLE\r\nSTYLE=0\r\nSIZE=8\r\nCOLOR=0\r\nNAME=Arial\r\nALIGNMENT=NONE\r\n";
    for (int top = 1; top <= kTopRegions; ++top) {
      const std::string name = "Band" + std::to_string(top);
      Region("REPORT", name, 0, (top - 1) * 25, 800, 25);
      Objects(name);
      for (int inner = 1; inner <= kInnerRegions; ++inner) {
        const std::string innerName = name + "Cell" + std::to_string(inner);
        Region(name, innerName, (inner - 1) * 200, 0, 200, 25);
        Objects(innerName);
      }
    }
    // Each container's keys stand in one section of their own.
    std::string out = text_;
    for (const auto& [section, keys] : lists_) out += "[" + section + "]\r\n" + keys;
    return out;
  }
  int Objects() const { return objects_; }

 private:
  std::string Entry(const std::string& container, const std::string& word) {
    const std::string key = "RC" + std::to_string(++counter_);
    for (auto& list : lists_) {
      if (list.first != container) continue;
      list.second += key + "=" + word + "\r\n";
      return key;
    }
    lists_.emplace_back(container, key + "=" + word + "\r\n");
    return key;
  }
  void Region(const std::string& container, const std::string& name, int left, int top, int width, int height) {
    const std::string key = Entry(container, "FIXEDREGION");
    text_ += "[" + key + "]\r\nNAME=" + name + "\r\nLEFT=" + std::to_string(left) + "\r\nTOP=" + std::to_string(top) +
             "\r\nWIDTH=" + std::to_string(width) + "\r\nHEIGHT=" + std::to_string(height) + "\r\nPARENT=" + container +
             "\r\nBORDERSTYLE=15\r\nBORDERTHICKNESS=1\r\nBORDERCOLOR=0\r\nBORDERLINESTYLE=0\r\nABSOLUTE=0\r\n";
    ++objects_;
  }
  void Objects(const std::string& region) {
    for (int i = 0; i < kLabelsPerRegion; ++i) {
      const std::string key = Entry(region, "LABEL");
      text_ += "[" + key + "]\r\nNAME=TEXT\r\nLEFT=" + std::to_string(2 + i * 30) + "\r\nTOP=2\r\nWIDTH=28\r\n"
               "HEIGHT=12\r\nPARENT=" + region + "\r\nTEXT=Label " + std::to_string(i) + "\r\nSTYLE=DEFAULTSTYLE\r\n";
      ++objects_;
    }
    for (int i = 0; i < kVariablesPerRegion; ++i) {
      const std::string key = Entry(region, "VARIABLE");
      text_ += "[" + key + "]\r\nNAME=" + region + "Value" + std::to_string(i) + "\r\nLEFT=" + std::to_string(2 + i * 40) +
               "\r\nTOP=14\r\nWIDTH=38\r\nHEIGHT=12\r\nPARENT=" + region + "\r\nVARTYPE=string\r\nHLWHEN=none\r\n"
               "HLVALUE=\r\nMASTERVARIABLE=0\r\nSTYLE=DEFAULTSTYLE\r\nHLSTYLE=DEFAULTSTYLE\r\n";
      ++objects_;
    }
  }

  std::string text_;
  // Container section to its keys, in the order the containers came.
  std::vector<std::pair<std::string, std::string>> lists_;
  int counter_ = 0;
  int objects_ = 0;
};

int Run() {
  bench::ScratchFolder scratch("tessel_designer_bench");
  const std::string native = (scratch.Path() / "design.qnf").string();
  const std::string windowsPath = platform::AbsoluteWindowsPath(platform::Utf8ToWin1252(native));
  TemplateText design;
  {
    std::ofstream out(native, std::ios::binary);
    out << design.Build();
  }
  // Every file dialog chooses the design; nothing else is asked.
  platform::ScopedDialogHandler dialogs([&](const platform::DialogRequest& request) {
    platform::DialogReply reply;
    reply.result = platform::mrOk;
    if (request.kind == platform::DialogRequest::Kind::OpenFile) reply.value = windowsPath;
    return reply;
  });
  platform::ScopedMessageRecorder errors;

  designer::DesignerProgram program;
  program.CreateForms(false);
  designer::TForm1& form = *program.Form1;
  form.Show();
  QApplication::processEvents();

  bench::TimedAction open{"Open (Close of the last design included)", {}, kOpenLimitMs};
  bench::TimedAction save{"Save", {}, kSaveLimitMs};
  bench::TimedAction close{"Close", {}, 0};
  bench::TimedAction zoom{"one zoom step", {}, kStepLimitMs};
  bench::TimedAction place{"a text label placed at zoom level -1", {}, kStepLimitMs};
  int objects = 0;
  for (int run = 0; run < kRuns; ++run) {
    open.samples.Add(bench::TimeAction([&] { form.Open1Click(nullptr); }));
    objects = designer::CountDesignObjects(form, form.REPORT);
    save.samples.Add(bench::TimeAction([&] { form.Save1Click(nullptr); }));
    for (int step = 0; step < 2; ++step) {
      zoom.samples.Add(bench::TimeAction([&] { form.ZoomOut1Click(nullptr); }));
      zoom.samples.Add(bench::TimeAction([&] { form.ZoomIn1Click(nullptr); }));
    }
    form.SetZoom(-1);
    auto* target = dynamic_cast<platform::TControl*>(form.REPORT->FindComponent("Band7Cell2"));
    if (!target) throw std::runtime_error("the design was not read whole");
    for (int label = 0; label < 4; ++label) {
      form.Text1Click(nullptr);
      form.FRegionGrabX = 20 + label * 10;
      form.FRegionGrabY = 5;
      place.samples.Add(bench::TimeAction([&] { form.PlaceObject(target); }));
    }
    form.SetZoom(0);
    // The placed labels are saved with the design before it goes.
    form.Save1Click(nullptr);
    close.samples.Add(bench::TimeAction([&] { form.Close1Click(nullptr); }));
    // Back to the design as written, for the next run.
    std::ofstream out(native, std::ios::binary);
    out << design.Build();
  }

  std::cout << "Designer with a design of " << objects << " objects (template "
            << bench::Fixed(static_cast<double>(design.Build().size()) / 1024, 0) << " KB)\n\n";
  std::cout << bench::TimedActionTable({&open, &save, &close, &zoom, &place}, 1) << "\npeak memory "
            << bench::Fixed(static_cast<double>(bench::PeakResidentKilobytes()) * 1024 / 1e6, 1)
            << " MB; error messages " << errors.Texts().size() << "\n";
  for (const std::string& text : errors.Texts()) std::cerr << text << "\n";
  return errors.Texts().empty() && objects == design.Objects() ? 0 : 1;
}

}  // namespace

int main(int argc, char**) {
  try {
    if (argc != 1) throw std::invalid_argument("no arguments are taken");
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!platform::EnsureApplication()) throw std::runtime_error("no Qt application");
    return Run();
  } catch (const std::exception& error) {
    std::cerr << "tessel_designer_bench: " << error.what() << "\n";
    return 2;
  }
}
