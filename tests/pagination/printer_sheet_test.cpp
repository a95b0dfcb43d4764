// The template's paper is not the printer's: a report on A4 or Legal paper
// printed on a Letter sheet loses what lies below the sheet, and says so once
// the job is done.
#include <string>
#include <utility>
#include <vector>

#include "platform/printing/recording_printer.h"
#include "platform/system/print_dialog.h"
#include "tests/pagination/printed_data.h"

namespace {

using namespace printed_data;

struct Paper {
  const char* width;
  const char* height;
  const char* reportHeight;
};
constexpr Paper kA4{"8.27", "11.69", "10.69"};
constexpr Paper kLegal{"8.5", "14", "13"};

// A4 at 600 pixels per inch, with the recording printer's margins.
const platform::RecordingPrinterSetup kA4Sheet{600, 600, 4962, 7014, 100, 120, 4762, 6774};

// "Sheet" holds "Near" at 1 inch and "Far" with its top at farTop, both in
// 1/100 inch on the paper (the report is placed half an inch down).
std::string SheetTemplate(const Paper& paper, int farTop) {
  return Styles(paper.reportHeight, paper.width, paper.height) + "[REPORT]\nRC1=FIXEDREGION\n" +
         Control("RC1", "Sheet", "REPORT", 0, 0, 800, 1300, "BORDERSTYLE=0\n") +
         "[Sheet]\nRC2=VARIABLE\nRC3=VARIABLE\n" + Variable("RC2", "Near", "Sheet", 10, 50) +
         Variable("RC3", "Far", "Sheet", 10, farTop - 50);
}

// Each text of a recorded page with its device top.
std::vector<std::pair<std::string, int32_t>> TextTops(const platform::RecordingCanvas& page) {
  std::vector<std::pair<std::string, int32_t>> texts;
  for (const platform::CanvasCall& call : page.Calls) {
    if (call.kind == platform::CanvasCall::Kind::TextOut) texts.emplace_back(call.text, call.rect.Top);
  }
  return texts;
}

class PrinterSheet : public PrintedData {
 protected:
  void SetUp() override {
    PrintedData::SetUp();
    // Whether a message came while the printer's job was still open.
    platform::SetMessageRecorder([this](const std::string& text) {
      told_.push_back(platform::Printer().Printing() ? text + " (during the job)" : text);
    });
  }
  void TearDown() override {
    platform::SetPrintDialogAnswer(nullptr);
    PrintedData::TearDown();
  }

  void LoadSheet(const Paper& paper, int farTop) {
    Load(SheetTemplate(paper, farTop));
    zBxBeginRegion("Sheet");
    zBxSetVariable("Near", "near");
    zBxSetVariable("Far", "far");
    zBxEndRegion();
  }

  Texts told_;
};

TEST_F(PrinterSheet, A4ValueBelowTheLetterSheetIsReportedOnceAfterTheJob) {
  LoadSheet(kA4, 1130);
  // Each of two copies draws the value beyond the sheet; the job tells it once.
  ASSERT_TRUE(printer_.ApplySettings({{}, 2, true, {}}));
  zBxPrintReport();
  EXPECT_EQ(PdfPages(), (std::vector<Texts>{{"near"}, {"near"}}));
  EXPECT_EQ(told_, Texts{kLeftOut});
}

TEST_F(PrinterSheet, LegalValueBelowTheLetterSheetIsReportedThroughThePrintDialog) {
  LoadSheet(kLegal, 1130);
  platform::SetPrintDialogAnswer([] { return true; });
  zBxPrintWithDialog();
  EXPECT_EQ(PdfPages(), std::vector<Texts>{{"near"}});
  EXPECT_EQ(told_, Texts{kLeftOut});
  EXPECT_FALSE(engine::ErrorFlag());
}

TEST_F(PrinterSheet, A4ValueOnTheLetterSheetIsNotReported) {
  LoadSheet(kA4, 1050);
  EXPECT_EQ(PrintedPages(), (std::vector<Texts>{{"near", "far"}}));
  EXPECT_EQ(told_, Texts{});
}

TEST_F(PrinterSheet, LegalValueOnTheLetterSheetIsNotReported) {
  LoadSheet(kLegal, 1050);
  EXPECT_EQ(PrintedPages(), (std::vector<Texts>{{"near", "far"}}));
  EXPECT_EQ(told_, Texts{});
}

TEST_F(PrinterSheet, PrinterHoldingA4PrintsTheA4ValueWithoutAWord) {
  platform::RecordingPrinter a4Printer(kA4Sheet);
  platform::SetPrinter(&a4Printer);
  LoadSheet(kA4, 1130);
  zBxPrintReport();
  ASSERT_EQ(a4Printer.Jobs.size(), 1u);
  ASSERT_EQ(a4Printer.Jobs[0].pages.size(), 1u);
  EXPECT_EQ(TextTops(a4Printer.Jobs[0].pages[0]),
            (std::vector<std::pair<std::string, int32_t>>{{"near", 480}, {"far", 6660}}));
  EXPECT_EQ(told_, Texts{});

  // The same template on a Letter sheet, for contrast.
  platform::RecordingPrinter letterPrinter;
  platform::SetPrinter(&letterPrinter);
  zBxPrintReport();
  ASSERT_EQ(letterPrinter.Jobs.size(), 1u);
  EXPECT_EQ(told_, Texts{kLeftOut});
}

TEST_F(PrinterSheet, BeyondBothPapersIsToldOncePerPrint) {
  LoadSheet(kA4, 1200);
  // The layout of this print has said it; the sheet adds nothing.
  zBxPrintReport();
  EXPECT_EQ(told_, Texts{kLeftOut});
  // A second print of the same layout loses the value again.
  zBxPrintReport();
  EXPECT_EQ(told_, (Texts{kLeftOut, kLeftOut}));
}

}  // namespace
