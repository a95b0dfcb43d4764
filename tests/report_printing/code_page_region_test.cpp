// A rich-text region whose RTF file is in the Windows code pages, printed
// through the exports: every script's text reaches the PDF.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/zbx_qn.h"
#include "platform/system/message_box.h"
#include "tests/rich_text/code_page_samples.h"
#include "tests/rich_text/printed_pdf_text.h"

namespace {

constexpr const char* kTemplate = R"([STYLES]
RS0=LABELSTYLE
[RS0]
STYLENAME=DEFAULTSTYLE
STYLE=0
SIZE=10
COLOR=0
NAME=Arial
[RSTYLES]
RR0=REPORTSTYLE
[RR0]
REPORTWIDTH=7.5
REPORTHEIGHT=10
PLACELEFT=0.5
PLACETOP=0.5
ORIENTATION=0
BORDERSTYLE=0
[REPORT]
RC1=FIXEDREGION
[RC1]
NAME=Body
LEFT=0
TOP=0
WIDTH=700
HEIGHT=500
PARENT=REPORT
BORDERSTYLE=0
[Body]
RC2=RICHTEXTREGION
[RC2]
NAME=Notes
LEFT=10
TOP=10
WIDTH=600
HEIGHT=400
PARENT=Body
STYLE=DEFAULTSTYLE
RTFFILE=scripts.rtf
FILELOCATION=RTFS
)";

TEST(CodePageRegion, EveryScriptOfARichTextRegionPrints) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::filesystem::path root = folder.path().toStdString();
  std::filesystem::create_directory(root / "RTFS");
  std::ofstream(root / "RTFS" / "scripts.rtf", std::ios::binary) << tessel_test::MixedCodePageRtf();
  std::ofstream(root / "scripts.qnf") << kTemplate;
  const std::string pdf = (root / "scripts.pdf").string();

  platform::ScopedMessageRecorder messages;
  ::setenv("ZBX_PRINT_TO", pdf.c_str(), 1);
  EXPECT_EQ(zBxCreateReport((root / "scripts.qnf").string().c_str()), 0);
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_EQ(zBxFreeReport(), 0);
  ::unsetenv("ZBX_PRINT_TO");
  EXPECT_TRUE(messages.Texts().empty());

  const QString printed = tessel_test::PrintedPdfText(pdf);
  for (const auto& sample : tessel_test::kCodePageSamples) {
    EXPECT_TRUE(printed.contains(tessel_test::Comparable(sample.utf8)))
        << sample.language << tessel_test::kFontHint << printed.toStdString();
  }
}

}  // namespace
