// Printing with and without the dialog, and printer errors at the boundary.
#include "platform/printing/printer.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

class PrintCalls : public ReportCalls {
 protected:
  void Load() {
    ASSERT_EQ(zBxCreateReport(WriteAmounts().c_str()), 0);
    zBxBeginRegion("Rows");
    zBxSetVariable("Amount", "12");
    zBxEndRegion();
    ASSERT_TRUE(Messages().empty());
  }
};

TEST_F(PrintCalls, PrintReportPrintsOneJob) {
  Load();
  EXPECT_EQ(zBxPrintReport(), 0);
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_TRUE(printer_.Jobs[0].ended);
  EXPECT_FALSE(printer_.Jobs[0].pages.empty());
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(PrintCalls, DialogDecidesWhetherToPrint) {
  Load();
  platform::SetPrintDialogAnswer([] { return false; });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_TRUE(printer_.Jobs.empty());
  platform::SetPrintDialogAnswer([] { return true; });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(PrintCalls, PrinterErrorInTheDialogIsReported) {
  Load();
  platform::SetPrintDialogAnswer([]() -> bool { throw platform::EPrinter("no printer"); });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Printer error found in ZbxPrintwithDialog.  "});
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(PrintCalls, PrinterErrorWhilePrintingWithTheDialogIsReported) {
  platform::RecordingPrinter failing(platform::RecordingPrinterSetup{.failBeginDoc = true});
  platform::SetPrinter(&failing);
  Load();
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Printer error found in ZbxPrintwithDialog.  "});
  EXPECT_TRUE(ErrorFlag());
  platform::SetPrinter(&printer_);
}

TEST_F(PrintCalls, PrinterErrorInPrintReportStopsAtTheBoundary) {
  platform::RecordingPrinter failing(platform::RecordingPrinterSetup{.failBeginDoc = true});
  platform::SetPrinter(&failing);
  Load();
  EXPECT_EQ(zBxPrintReport(), 0);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].rfind("Tessel: ", 0), 0u) << Messages()[0];
  EXPECT_GT(Messages()[0].size(), 8u);
  EXPECT_TRUE(ErrorFlag());
  platform::SetPrinter(&printer_);
}

TEST_F(PrintCalls, ErrorFlagAfterAPrinterErrorFreezesPrinting) {
  Load();
  platform::SetPrintDialogAnswer([]() -> bool { throw platform::EPrinter("no printer"); });
  zBxPrintWithDialog();
  messages_.Clear();
  platform::SetPrintDialogAnswer([] { return true; });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_TRUE(printer_.Jobs.empty());
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace engine
