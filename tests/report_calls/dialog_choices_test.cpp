// What the user chooses in the print dialog reaches the job: another printer,
// the copies and their order, and a file to print to. The choice holds for
// the print it was made for; a later print goes as before.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/printing/printer.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

using tessel_test::PdfInfo;

class DialogChoices : public ReportCalls {
 protected:
  void Load() { LoadPages(kPagesTemplate); }

  static void Choose(platform::PrintSettings choice) {
    platform::SetPrintDialogAnswer([choice](platform::PrintSettings& settings) {
      settings = choice;
      return true;
    });
  }

  // The texts drawn on each page of a recorded job.
  static std::vector<std::string> PageTexts(const platform::RecordingPrinter::Job& job) {
    std::vector<std::string> pages;
    for (const platform::RecordingCanvas& page : job.pages) {
      std::string text;
      for (const platform::CanvasCall& call : page.Calls) {
        if (call.kind == platform::CanvasCall::Kind::TextOut) text += call.text + " ";
      }
      pages.push_back(text);
    }
    return pages;
  }
};

TEST_F(DialogChoices, AnotherPrinterAndUncollatedCopiesReachTheJob) {
  Load();
  zBxPrintReport();
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  const std::vector<std::string> single = PageTexts(printer_.Jobs[0]);
  ASSERT_GE(single.size(), 2u);
  EXPECT_EQ(printer_.Jobs[0].settings, platform::PrintSettings{});

  Choose({"Second floor", 3, false, {}});
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  EXPECT_EQ(printer_.Jobs[1].settings, (platform::PrintSettings{"Second floor", 3, false, {}}));
  std::vector<std::string> expected;
  for (const std::string& page : single) expected.insert(expected.end(), 3, page);
  EXPECT_EQ(PageTexts(printer_.Jobs[1]), expected);

  // The next print without the dialog goes as before.
  zBxPrintReport();
  ASSERT_EQ(printer_.Jobs.size(), 3u);
  EXPECT_EQ(printer_.Jobs[2].settings, platform::PrintSettings{});
  EXPECT_EQ(PageTexts(printer_.Jobs[2]), single);
  EXPECT_TRUE(Messages().empty());
}

// Every order the dialog can ask for: the sheets of the job are the pages
// of one print, copied whole or page by page, and all of it last sheet
// first in reverse order.
TEST_F(DialogChoices, CopiesCollationAndReverseOrderMakeTheSheetsOfTheJob) {
  Load();
  zBxPrintReport();
  const std::vector<std::string> single = PageTexts(printer_.Jobs.at(0));
  ASSERT_EQ(single.size(), 3u);
  for (const int copies : {1, 2, 3}) {
    for (const bool collate : {false, true}) {
      for (const bool reverse : {false, true}) {
        platform::PrintSettings choice;
        choice.copies = copies;
        choice.collate = collate;
        choice.reverse = reverse;
        Choose(choice);
        zBxPrintWithDialog();
        std::vector<std::string> expected;
        for (int outer = 0; outer < (collate ? copies : 3); ++outer) {
          for (int inner = 0; inner < (collate ? 3 : copies); ++inner) {
            expected.push_back(single[collate ? inner : outer]);
          }
        }
        if (reverse) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(PageTexts(printer_.Jobs.back()), expected)
            << copies << " copies, collate " << collate << ", reverse " << reverse;
      }
    }
  }
}

TEST_F(DialogChoices, CopiesAreHeldWithinWhatTheDialogOffers) {
  Load();
  Choose({{}, 0, true, {}});
  zBxPrintWithDialog();
  Choose({{}, 1000000, true, {}});
  zBxPrintWithDialog();
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  EXPECT_EQ(printer_.Jobs[0].settings.copies, 1);
  EXPECT_EQ(printer_.Jobs[1].settings.copies, platform::kMaxCopies);
  EXPECT_EQ(printer_.Jobs[1].pages.size(), printer_.Jobs[0].pages.size() * platform::kMaxCopies);
}

TEST_F(DialogChoices, PrintToFileWritesTheChosenFileWithCollatedCopies) {
  Load();
  const std::string printTo = (folder_.Path() / "print-to.pdf").string();
  const std::string chosen = (folder_.Path() / "chosen file.pdf").string();
  const tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", printTo.c_str());
  platform::SetPrinter(nullptr);  // the process's own printer: the PDF backend here

  Choose({{}, 2, true, chosen});
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_FALSE(std::filesystem::exists(printTo));
  ASSERT_TRUE(std::filesystem::exists(chosen));

  // The next print without the dialog goes to ZBX_PRINT_TO, one copy.
  zBxPrintReport();
  platform::SetPrinter(&printer_);
  ASSERT_TRUE(std::filesystem::exists(printTo));
  const size_t pages = std::stoul(PdfInfo(printTo)["Pages"]);
  ASSERT_GE(pages, 2u);
  ASSERT_EQ(PdfInfo(chosen)["Pages"], std::to_string(2 * pages));
  for (size_t page = 1; page <= pages; ++page) {
    const std::string text = PdfPageText(printTo, page);
    EXPECT_NE(text.find("Amounts"), std::string::npos);
    EXPECT_EQ(PdfPageText(chosen, page), text) << "page " << page;
    EXPECT_EQ(PdfPageText(chosen, pages + page), text) << "page " << pages + page;
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(DialogChoices, TheOfferedFileIsTheOneThePrintWouldGoTo) {
  Load();
  const std::string printTo = (folder_.Path() / "print-to.pdf").string();
  const tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", printTo.c_str());
  platform::SetPrinter(nullptr);
  std::vector<platform::PrintSettings> offered;
  platform::SetPrintDialogAnswer([&offered](platform::PrintSettings& settings) {
    offered.push_back(settings);
    return true;
  });
  zBxPrintWithDialog();
  zBxPrintWithDialog();
  platform::SetPrinter(&printer_);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], (platform::PrintSettings{{}, 1, false, printTo}));
  EXPECT_EQ(offered[1].outputFile, (folder_.Path() / "print-to-2.pdf").string());
  EXPECT_TRUE(std::filesystem::exists(printTo));
  EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "print-to-2.pdf"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DialogChoices, AnUnknownPrinterIsAPrinterError) {
  Load();
  const std::string printTo = (folder_.Path() / "print-to.pdf").string();
  const tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", printTo.c_str());
  platform::SetPrinter(nullptr);
  Choose({"No printer of this name", 1, false, {}});
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  platform::SetPrinter(&printer_);
  EXPECT_EQ(Messages(), Texts{"Tessel: Printer error found in ZbxPrintwithDialog.  "});
  EXPECT_TRUE(ErrorFlag());
  EXPECT_FALSE(std::filesystem::exists(printTo));
}

}  // namespace
}  // namespace engine
