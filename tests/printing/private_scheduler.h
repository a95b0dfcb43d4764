#pragma once
// A CUPS scheduler of the test's own: its configuration, socket, spool, cache
// and logs in a temporary folder, CUPS_SERVER pointing at its socket for the
// test's lifetime, run in the foreground as a child that goes with this
// object. The machine's own scheduler and printers are never touched. One
// queue, the default, writes every job it prints to a file. Every wait is
// bounded.
#include <string>
#include <sys/types.h>

#include "tests/printing/pdf_tools.h"
#include "tests/template_reading/template_folder.h"

namespace tessel_test {

class PrivateScheduler {
 public:
  // Starts the scheduler with the queue; Why() says why not when it is not
  // Running() (no cupsd installed, or it did not come up).
  explicit PrivateScheduler(const std::string& queue);
  ~PrivateScheduler();
  PrivateScheduler(const PrivateScheduler&) = delete;
  PrivateScheduler& operator=(const PrivateScheduler&) = delete;

  bool Running() const { return child_ > 0 && why_.empty(); }
  const std::string& Why() const { return why_; }
  // Whether cupsd is installed at all: the only reason a test may skip.
  static bool Installed();

  // An administration command (lpadmin, cupsreject, cupsdisable, lpstat ...)
  // against this scheduler; its standard output and error.
  std::string Admin(const std::string& command) const;
  // The file the queue's last finished job was written to, once the queue
  // has no job left and the file is whole; empty after the time allowed.
  std::string WaitForPrintedFile(int seconds = 30) const;
  std::string PrintedFile() const { return output_; }
  // The scheduler's log of errors and job events.
  std::string Log() const;

 private:
  TemplateFolder folder_;
  std::string socket_;
  std::string output_;
  std::string queue_;
  pid_t child_ = -1;
  std::string why_;
  ScopedEnvironment server_;
};

}  // namespace tessel_test
