#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "pdf_tools.h"
#include "platform/drawing/picture_impl.h"
#include "platform/printing/pdf_printer.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

using tessel_test::CommandOutput;
using tessel_test::PdfInfo;
using tessel_test::ScopedEnvironment;

struct Values {
  int32_t ppiX, ppiY, width, height, offsetX, offsetY, pageWidth, pageHeight;
  friend bool operator==(const Values&, const Values&) = default;
};

Values ValuesOf(const TPrinter& printer) {
  return {printer.LogPixelsX(),     printer.LogPixelsY(),      printer.PhysicalWidth(),
          printer.PhysicalHeight(), printer.PhysicalOffsetX(), printer.PhysicalOffsetY(),
          printer.PageWidth(),      printer.PageHeight()};
}

TEST(PdfPrinterValues, LetterAt600PixelsPerInchWithQuarterInchMargins) {
  PdfPrinter printer;
  EXPECT_EQ(ValuesOf(printer), (Values{600, 600, 5100, 6600, 150, 150, 4800, 6300}));
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.Orientation(), TPrinterOrientation::poLandscape);
  EXPECT_EQ(ValuesOf(printer), (Values{600, 600, 6600, 5100, 150, 150, 6300, 4800}));
}

class PdfPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    ASSERT_TRUE(folder_.isValid());
  }
  std::string Path(const std::string& name) const { return folder_.path().toStdString() + "/" + name; }
  QStringList Files() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }

  // One job of the given pages, each with a line of text; returns stderr.
  std::string PrintJob(PdfPrinter& printer, int pages) {
    testing::internal::CaptureStderr();
    printer.BeginDoc();
    for (int page = 1; page <= pages; ++page) {
      if (page > 1) printer.NewPage();
      printer.Canvas().TextOut(0, 0, "Page " + std::to_string(page));
    }
    printer.EndDoc();
    return testing::internal::GetCapturedStderr();
  }

  QTemporaryDir folder_;
};

TEST_F(PdfPrinting, JobsGoToTheNamedFileThenNumberedAndTellTheirPath) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("out.pdf").c_str());
  PdfPrinter printer;
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("out.pdf") + "\n");
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("out-2.pdf") + "\n");
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("out-3.pdf") + "\n");
  EXPECT_EQ(Files(), (QStringList{"out-2.pdf", "out-3.pdf", "out.pdf"}));
}

TEST_F(PdfPrinting, AChosenFileIsWrittenAsNamedAndTakesNoNumber) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("out.pdf").c_str());
  PdfPrinter printer;
  EXPECT_FALSE(printer.ApplySettings(PrintSettings{"Office", 1, false, {}}));
  EXPECT_EQ(printer.Settings(), PrintSettings{});
  EXPECT_EQ(printer.NextOutputFile(), Path("out.pdf"));

  ASSERT_TRUE(printer.ApplySettings(PrintSettings{{}, 2, true, Path("chosen.pdf")}));
  EXPECT_EQ(printer.NextOutputFile(), Path("chosen.pdf"));
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("chosen.pdf") + "\n");
  ASSERT_TRUE(printer.ApplySettings(PrintSettings{}));
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("out.pdf") + "\n");
  EXPECT_EQ(Files(), (QStringList{"chosen.pdf", "out.pdf"}));
}

TEST_F(PdfPrinting, WithoutTheVariableJobsAreNumberedInTheCurrentFolder) {
  ScopedEnvironment target("ZBX_PRINT_TO", nullptr);
  tessel_test::ScopedCurrentFolder current(folder_.path().toStdString());
  PdfPrinter printer;
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("zbx_qn-1.pdf") + "\n");
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("zbx_qn-2.pdf") + "\n");

  // Fault mended: a second run numbered from 1 again and replaced the first
  // run's files. It takes the free numbers, past anything another program
  // left there, and never goes back below its own last one.
  QFile other(QString::fromStdString(Path("zbx_qn-4.pdf")));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write("another program's file");
  other.close();
  PdfPrinter secondRun;
  EXPECT_EQ(PrintJob(secondRun, 1), "zbx_qn: printed to " + Path("zbx_qn-3.pdf") + "\n");
  ASSERT_TRUE(QFile::remove(QString::fromStdString(Path("zbx_qn-1.pdf"))));
  EXPECT_EQ(PrintJob(secondRun, 1), "zbx_qn: printed to " + Path("zbx_qn-5.pdf") + "\n");
  EXPECT_EQ(PdfInfo(Path("zbx_qn-2.pdf"))["Pages"], "1");
  ASSERT_TRUE(other.open(QIODevice::ReadOnly));
  EXPECT_EQ(other.readAll(), "another program's file");
}

TEST_F(PdfPrinting, PagesAndPaperAsPdfinfoReadsThem) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("r.pdf").c_str());
  PdfPrinter printer;
  PrintJob(printer, 3);
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  PrintJob(printer, 1);

  auto portrait = PdfInfo(Path("r.pdf"));
  EXPECT_EQ(portrait["Pages"], "3");
  EXPECT_EQ(portrait["Page size"], "612 x 792 pts (letter)");
  auto landscape = PdfInfo(Path("r-2.pdf"));
  EXPECT_EQ(landscape["Pages"], "1");
  EXPECT_EQ(landscape["Page size"], "792 x 612 pts (letter)");
}

TEST_F(PdfPrinting, DrawingStartsAtTheCornerOfThePrintableArea) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("corner.pdf").c_str());
  PdfPrinter printer;
  printer.BeginDoc();
  printer.Canvas().Brush.Style = TBrushStyle::bsClear;
  printer.Canvas().TextOut(0, 0, "Corner");
  printer.Canvas().TextOut(600, 1200, "Inch");
  printer.EndDoc();
  // Device pixel (x, y) is (150 + x, 150 + y) on the sheet: 18 + x * 0.12 pt.
  const std::string words = CommandOutput("pdftotext -bbox '" + Path("corner.pdf") + "' - 2>/dev/null");
  double xMin = 0, yMin = 0;
  ASSERT_EQ(std::sscanf(words.substr(words.find("<word xMin=")).c_str(),
                        "<word xMin=\"%lf\" yMin=\"%lf\"", &xMin, &yMin), 2) << words;
  EXPECT_NEAR(xMin, 18.0, 1.0);
  EXPECT_NEAR(yMin, 18.0, 1.0);
  const std::string second = words.substr(words.rfind("<word xMin="));
  ASSERT_EQ(std::sscanf(second.c_str(), "<word xMin=\"%lf\" yMin=\"%lf\"", &xMin, &yMin), 2);
  EXPECT_NEAR(xMin, 90.0, 1.0);
  EXPECT_NEAR(yMin, 162.0, 1.0);
  EXPECT_NE(words.find(">Corner<"), std::string::npos);
}

TEST_F(PdfPrinting, ATextPageStaysSmallAndPicturesKeepTheirOwnSize) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("text.pdf").c_str());
  PdfPrinter printer;
  printer.BeginDoc();
  for (int line = 0; line < 60; ++line) {
    printer.Canvas().TextOut(0, line * 100, "Line " + std::to_string(line) + " of a report page, 0123456789");
  }
  QImage chart(40, 30, QImage::Format_RGB32);
  chart.fill(Qt::blue);
  printer.Canvas().StretchDIBits(100, 100, 4000, 3000, PictureFromImage(chart));
  printer.EndDoc();
  EXPECT_LT(QFileInfo(QString::fromStdString(Path("text.pdf"))).size(), 20 * 1024);
  const std::string images = CommandOutput("pdfimages -list '" + Path("text.pdf") + "' 2>/dev/null");
  EXPECT_NE(images.find("   40    30 "), std::string::npos) << images;
}

TEST_F(PdfPrinting, AnAbortedJobLeavesNothingBehind) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("a.pdf").c_str());
  PdfPrinter printer;
  testing::internal::CaptureStderr();
  printer.BeginDoc();
  printer.Canvas().TextOut(0, 0, "half");
  printer.NewPage();
  printer.Abort();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(Files().isEmpty()) << Files().join(",").toStdString();
  // The aborted job used no number.
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("a.pdf") + "\n");
}

TEST_F(PdfPrinting, AJobThatCannotStartRaisesEPrinter) {
  PdfPrinter printer;
  const std::string unwritable = Path("no-such-folder/x.pdf");
  {
    ScopedEnvironment target("ZBX_PRINT_TO", unwritable.c_str());
    try {
      printer.BeginDoc();
      FAIL() << "BeginDoc succeeded";
    } catch (const EPrinter& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Cannot write the PDF file " + unwritable + ": ", 0), 0u)
          << error.what();
    }
    EXPECT_FALSE(printer.Printing());
  }
  ScopedEnvironment target("ZBX_PRINT_TO", Path("ok.pdf").c_str());
  EXPECT_EQ(PrintJob(printer, 1), "zbx_qn: printed to " + Path("ok.pdf") + "\n");
}

// Fault mended: root replaced a read-only PDF file that a print job was
// sent to; the job is refused as a read-only template is.
TEST_F(PdfPrinting, AReadOnlyTargetIsKeptAndTheJobRefused) {
  const std::string kept = Path("kept.pdf");
  {
    QFile file(QString::fromStdString(kept));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not yet printed");
  }
  ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(kept),
                                    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  ScopedEnvironment target("ZBX_PRINT_TO", kept.c_str());
  PdfPrinter printer;
  try {
    printer.BeginDoc();
    FAIL() << "BeginDoc succeeded";
  } catch (const EPrinter& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot write the PDF file " + kept + ": ", 0), 0u) << error.what();
  }
  EXPECT_FALSE(printer.Printing());
  QFile file(QString::fromStdString(kept));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "not yet printed");
  EXPECT_EQ(Files(), QStringList{"kept.pdf"});
}

TEST_F(PdfPrinting, OneJobAtATimeAndOrientationChangesWaitForTheNextJob) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("j.pdf").c_str());
  PdfPrinter printer;
  EXPECT_THROW(printer.NewPage(), EPrinter);
  printer.EndDoc();  // nothing to end: no effect
  printer.Abort();

  printer.BeginDoc();
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.PageWidth(), 4800);
  testing::internal::CaptureStderr();
  printer.EndDoc();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(printer.PageWidth(), 6300);
  EXPECT_EQ(PdfInfo(Path("j.pdf"))["Page size"], "612 x 792 pts (letter)");
}

TEST_F(PdfPrinting, TheCanvasIsOneObjectWhoseStateOutlivesJobs) {
  ScopedEnvironment target("ZBX_PRINT_TO", Path("c.pdf").c_str());
  PdfPrinter printer;
  TCanvas* canvas = &printer.Canvas();
  canvas->Font.Size = 20;
  canvas->Rectangle(0, 0, 10, 10);  // outside a job: draws nothing
  printer.BeginDoc();
  EXPECT_EQ(&printer.Canvas(), canvas);
  EXPECT_EQ(printer.Canvas().Font.Size, 20);
  testing::internal::CaptureStderr();
  printer.EndDoc();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(&printer.Canvas(), canvas);
}

}  // namespace
}  // namespace platform
