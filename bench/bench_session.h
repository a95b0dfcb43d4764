#pragma once
// What every benchmark process sets up before it drives the engine: Qt on
// its offscreen platform, a scratch folder holding the generated template,
// printing into a PDF file there, and a recorder for the engine's messages
// (a benchmark that raised one measured a failure, not a report).
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_template.h"
#include "bench/scratch_folder.h"
#include "platform/system/message_box.h"

namespace bench {

class BenchSession {
 public:
  explicit BenchSession(BenchPictures pictures = BenchPictures::None);

  const std::filesystem::path& TemplatePath() const { return templatePath_; }
  // Where zBxPrintReport writes its first PDF.
  const std::filesystem::path& PdfPath() const { return pdfPath_; }
  const std::vector<std::string>& Messages() const { return messages_.Texts(); }

 private:
  ScratchFolder folder_;
  std::filesystem::path templatePath_;
  std::filesystem::path pdfPath_;
  platform::ScopedMessageRecorder messages_;
};

}  // namespace bench
