#include "bench/bench_session.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/system/qt_application.h"

namespace bench {

BenchSession::BenchSession(BenchPictures pictures)
    : folder_("tessel-bench"),
      templatePath_(WriteBenchTemplate(folder_.Path(), pictures)),
      pdfPath_(folder_.Path() / "report.pdf") {
  // Both are read once, when Qt and the process's printer are first made.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("ZBX_PRINT_TO", pdfPath_.c_str(), 1);
  if (!platform::EnsureApplication()) throw std::runtime_error("no Qt widget application");
}

}  // namespace bench
