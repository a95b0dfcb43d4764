#pragma once
// Where the PDF backend writes each job. With a target name, the first job
// written there takes the name itself and later ones get "-2", "-3" before
// the extension; without one, jobs go to zbx_qn-1.pdf, zbx_qn-2.pdf, ... in
// the current folder. Only jobs that were written count.
#include <map>
#include <string>

namespace platform {

class PdfJobNames {
 public:
  // Absolute native path for the next job; printTo empty means no target.
  std::string NextPath(const std::string& printTo) const;
  // The job for printTo was written; the next one takes the next number.
  void CountJob(const std::string& printTo);

 private:
  std::string Key(const std::string& printTo) const;

  std::map<std::string, int> written_;  // by absolute target, "" for none
};

}  // namespace platform
