// The preview of a 2,000-page report under the offscreen platform: the time
// to open it on page 1 (TPrev's constructor lays the report out anew and
// draws the page), and the time of each page change and zoom step, the
// window's repaint included.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_records.h"
#include "bench/bench_session.h"
#include "bench/bench_template.h"
#include "bench/peak_memory.h"
#include "bench/result_table.h"
#include "bench/timed_actions.h"
#include "bench/stopwatch.h"
#include "bench/timing_samples.h"
#include "engine/page_layout.h"
#include "engine/preview_window.h"
#include "engine/zbx_qn.h"

namespace {

constexpr int kDefaultPages = 2000;
constexpr int kOpenings = 5;
constexpr double kOpenLimitMs = 150;
constexpr double kStepLimitMs = 16;

int Run(int pages) {
  bench::BenchSession session;
  const int records = pages * bench::kRowsPerPage;
  bench::Stopwatch clock;
  bench::LoadBenchReport(session.TemplatePath(), records);
  const double fillMs = clock.Milliseconds();

  bench::TimedAction layout{"layout alone (RunLayout)", {}, 0};
  bench::TimedAction construct{"open: TPrev constructor", {}, kOpenLimitMs};
  bench::TimedAction shown{"open: constructor + show + paint", {}, kOpenLimitMs};
  for (int i = 0; i < kOpenings; ++i) layout.samples.Add(bench::TimeAction([] { engine::RunLayout(); }));
  std::unique_ptr<engine::TPrev> prev;
  for (int i = 0; i < kOpenings; ++i) {
    prev.reset();
    bench::Stopwatch opening;
    prev = std::make_unique<engine::TPrev>();
    construct.samples.Add(opening.Milliseconds());
    prev->show();
    QApplication::processEvents();
    shown.samples.Add(opening.Milliseconds());
  }
  const int lastPage = prev->State().LastPage();

  bench::TimedAction next{"Next page", {}, kStepLimitMs};
  bench::TimedAction previous{"Previous page", {}, kStepLimitMs};
  bench::TimedAction firstLast{"First / Last page", {}, kStepLimitMs};
  bench::TimedAction typed{"page number typed", {}, kStepLimitMs};
  bench::TimedAction zoomIn{"Zoom In", {}, kStepLimitMs};
  bench::TimedAction zoomOut{"Zoom Out", {}, kStepLimitMs};
  bench::TimedAction zoomList{"zoom list choice", {}, kStepLimitMs};
  for (int i = 0; i < 100; ++i) next.samples.Add(bench::TimeAction([&] { prev->NextPageClick(); }));
  for (int i = 0; i < 50; ++i) previous.samples.Add(bench::TimeAction([&] { prev->PrevPageClick(); }));
  for (int i = 0; i < 20; ++i) {
    firstLast.samples.Add(bench::TimeAction([&] { prev->LastPageClick(); }));
    firstLast.samples.Add(bench::TimeAction([&] { prev->FirstPageClick(); }));
  }
  // The page box holds three digits; pages spread over the report.
  for (int i = 1; i <= 40; ++i) {
    const int page = 1 + (i * 397) % std::min(lastPage, 999);
    typed.samples.Add(bench::TimeAction([&] { prev->Edit1->setText(QString::number(page)); }));
  }
  for (int round = 0; round < 5; ++round) {
    for (int i = 0; i < 6; ++i) zoomIn.samples.Add(bench::TimeAction([&] { prev->ZoomInClick(); }));
    for (int i = 0; i < 6; ++i) zoomOut.samples.Add(bench::TimeAction([&] { prev->ZoomOutClick(); }));
  }
  for (const char* choice : {"200%", "Full Page", "50%", "Page Width", "100%"}) {
    for (int i = 0; i < 4; ++i) {
      zoomList.samples.Add(bench::TimeAction([&] { prev->ComboBox1->setCurrentText(choice); }));
      zoomList.samples.Add(bench::TimeAction([&] { prev->ComboBox1->setCurrentText("75%"); }));
    }
  }
  prev.reset();
  zBxFreeReport();

  std::cout << "Preview of " << lastPage << " pages (" << records << " records; host calls "
            << bench::Fixed(fillMs, 1) << " ms, not counted below)\n\n";
  std::cout << bench::TimedActionTable({&layout, &construct, &shown, &next, &previous, &firstLast, &typed,
                                        &zoomIn, &zoomOut, &zoomList},
                                       2)
            << "\npeak memory "
            << bench::Fixed(static_cast<double>(bench::PeakResidentKilobytes()) * 1024 / 1e6, 1)
            << " MB; engine messages " << session.Messages().size() << "\n";
  for (const std::string& message : session.Messages()) std::cerr << message << "\n";
  return session.Messages().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    int pages = kDefaultPages;
    if (argc == 3 && std::string(argv[1]) == "--pages") {
      pages = std::stoi(argv[2]);
      if (pages <= 0 || pages > 100000) throw std::invalid_argument("--pages out of range");
    } else if (argc != 1) {
      throw std::invalid_argument("unknown arguments");
    }
    return Run(pages);
  } catch (const std::exception& error) {
    std::cerr << "tessel_preview_bench: " << error.what() << "\n"
              << "usage: tessel_preview_bench [--pages N]\n";
    return 2;
  }
}
