// An RTF file whose fonts are in the Windows code pages, printed through
// zBxPrintFile: every script's text reaches the PDF.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/zbx_qn.h"
#include "test_files.h"
#include "tests/rich_text/code_page_samples.h"
#include "tests/rich_text/printed_pdf_text.h"

namespace engine {
namespace {

TEST(CodePagePrinting, EveryScriptOfAnRtfFilePrints) {
  testing::TempFolder folder("tessel-codepages");
  const std::string name = folder / "scripts.rtf";
  testing::WriteText(name, tessel_test::MixedCodePageRtf());
  const std::string pdf = folder / "scripts.pdf";
  ::setenv("ZBX_PRINT_TO", pdf.c_str(), 1);
  EXPECT_EQ(zBxPrintFile(name.c_str()), 0);
  ::unsetenv("ZBX_PRINT_TO");

  const QString printed = tessel_test::PrintedPdfText(pdf);
  for (const auto& sample : tessel_test::kCodePageSamples) {
    EXPECT_TRUE(printed.contains(tessel_test::Comparable(sample.utf8)))
        << sample.language << tessel_test::kFontHint << printed.toStdString();
  }
}

}  // namespace
}  // namespace engine
