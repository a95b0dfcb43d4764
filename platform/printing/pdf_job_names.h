#pragma once
// Where the PDF backend writes each job. With a target name, the first job
// written there takes the name itself and later ones get "-2", "-3" before
// the extension; without one, jobs go to zbx_qn-1.pdf, zbx_qn-2.pdf, ... in
// the current folder, each taking the next number whose file does not exist,
// so that a run never replaces what an earlier run printed. Only jobs that
// were written count.
#include <map>
#include <string>

namespace platform {

class PdfJobNames {
 public:
  // Absolute native path for the next job; printTo empty means no target.
  std::string NextPath(const std::string& printTo) const;
  // The job for printTo was written to writtenPath (the path NextPath gave);
  // the next one takes a later number.
  void CountJob(const std::string& printTo, const std::string& writtenPath);

 private:
  std::string Key(const std::string& printTo) const;

  // Jobs written, by absolute target; for "", no target, the last number.
  std::map<std::string, int> written_;
};

}  // namespace platform
