// Templates written here, filled through the exports and printed to a PDF
// file: every value the host set is counted on the PDF's pages, and what is
// not there was named in a message with its cause.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/zbx_qn.h"
#include "platform/printing/pdf_printer.h"
#include "platform/system/message_box.h"
#include "tests/printing/pdf_tools.h"
#include "tests/template_reading/template_folder.h"

namespace {

using Texts = std::vector<std::string>;
using tessel_test::CommandOutput;

const std::string kLeftOut =
    "Tessel: Some of the report's data did not fit on its pages and was left out.";

std::string Styles(std::string_view reportHeight) {
  return "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8.0\nREPORTHEIGHT=" +
         std::string(reportHeight) +
         "\nPAPERWIDTH=8.5\nPAPERHEIGHT=11.0\nPLACELEFT=0.5\nPLACETOP=0.5\nBORDERSTYLE=0\n"
         "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nNAME=Arial\nSIZE=10\n";
}

// One control section: its key's section with the common keys.
std::string Control(std::string_view key, std::string_view name, std::string_view parent,
                    int left, int top, int width, int height, std::string_view more = {}) {
  return "[" + std::string(key) + "]\nNAME=" + std::string(name) + "\nPARENT=" +
         std::string(parent) + "\nLEFT=" + std::to_string(left) + "\nTOP=" + std::to_string(top) +
         "\nWIDTH=" + std::to_string(width) + "\nHEIGHT=" + std::to_string(height) + "\n" +
         std::string(more);
}

std::string Variable(std::string_view key, std::string_view name, std::string_view parent,
                     int left, int top) {
  return Control(key, name, parent, left, top, 200, 20, "VARTYPE=string\n");
}

class PrintedData : public ::testing::Test {
 protected:
  void SetUp() override {
    Unload();
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    Unload();
    platform::SetPrinter(previous_);
  }
  static void Unload() {
    engine::ClearErrorFlag();
    zBxFreeReport();
    engine::ClearErrorFlag();
  }

  void Load(const std::string& text) {
    const std::string path = folder_.Write("report.qnf", text);
    zBxCreateReport(path.c_str());
    ASSERT_EQ(messages_.Texts(), Texts{});
  }
  static void Record(const char* region, const char* variable, const std::string& value) {
    zBxBeginRegion(region);
    zBxSetVariable(variable, value.c_str());
  }

  // Prints the report and gives the words of each page.
  std::vector<Texts> PrintedPages() {
    zBxPrintReport();
    std::vector<Texts> pages;
    const int count = std::stoi(tessel_test::PdfInfo(pdf_)["Pages"]);
    for (int page = 1; page <= count; ++page) {
      const std::string number = std::to_string(page);
      std::istringstream words(
          CommandOutput("pdftotext -f " + number + " -l " + number + " '" + pdf_ + "' -"));
      pages.emplace_back();
      for (std::string word; words >> word;) pages.back().push_back(word);
    }
    return pages;
  }

  // How often each word that begins with prefix stands on the pages, and
  // how many such words each page holds.
  static std::map<std::string, int> Count(const std::vector<Texts>& pages,
                                          std::string_view prefix, std::vector<int>* perPage) {
    std::map<std::string, int> counts;
    for (const Texts& page : pages) {
      int onPage = 0;
      for (const std::string& word : page) {
        if (!word.starts_with(prefix)) continue;
        ++counts[word];
        ++onPage;
      }
      if (perPage != nullptr) perPage->push_back(onPage);
    }
    return counts;
  }

  const Texts& Messages() const { return messages_.Texts(); }

  tessel_test::TemplateFolder folder_;
  const std::string pdf_ = (folder_.Path() / "printed.pdf").string();
  tessel_test::ScopedEnvironment printTo_{"ZBX_PRINT_TO", pdf_.c_str()};
  platform::ScopedMessageRecorder messages_;
  platform::PdfPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

// A report 4 inches high: "Body" holds groups kept whole ("Group", no
// MULTIPAGE), each a name and MULTIPAGE rows of 25.
std::string GroupsTemplate() {
  return Styles("4.0") + "[REPORT]\nRC1=FIXEDREGION\n" +
         Control("RC1", "Body", "REPORT", 0, 0, 800, 390) + "[Body]\nRC2=REPEATREGION\n" +
         Control("RC2", "Group", "Body", 0, 0, 800, 50, "MULTIPAGE=FALSE\n") +
         "[Group]\nRC3=VARIABLE\nRC4=REPEATREGION\n" + Variable("RC3", "GroupName", "Group", 10, 3) +
         Control("RC4", "Row", "Group", 0, 25, 800, 25, "MULTIPAGE=TRUE\n") +
         "[Row]\nRC5=VARIABLE\n" + Variable("RC5", "Cell", "Row", 20, 3);
}

TEST_F(PrintedData, GroupKeptWholeThatNoPageHoldsLetsItsRowsFlowOn) {
  Load(GroupsTemplate());
  zBxBeginRegion("Body");
  const int rowsOf[] = {3, 65, 2};
  for (int group = 1; group <= 3; ++group) {
    Record("Group", "GroupName", "Group" + std::to_string(group));
    for (int row = 1; row <= rowsOf[group - 1]; ++row) {
      Record("Row", "Cell", "R" + std::to_string(group) + "-" + std::to_string(row));
      zBxEndRegion();
    }
    zBxEndRegion();
  }
  zBxEndRegion();
  const std::vector<Texts> pages = PrintedPages();
  EXPECT_EQ(Messages(), Texts{});

  std::vector<int> rowsPerPage;
  const std::map<std::string, int> rows = Count(pages, "R", &rowsPerPage);
  std::map<std::string, int> everyRowOnce;
  for (int group = 1; group <= 3; ++group) {
    for (int row = 1; row <= rowsOf[group - 1]; ++row) {
      everyRowOnce["R" + std::to_string(group) + "-" + std::to_string(row)] = 1;
    }
  }
  EXPECT_EQ(rows, everyRowOnce);
  // The second group does not fit below the first and starts a page; 14 of
  // its rows fill each page down to the report's bottom, and the third
  // group follows its last nine.
  EXPECT_EQ(rowsPerPage, (std::vector<int>{3, 14, 14, 14, 14, 9 + 2}));
  std::vector<int> namesPerPage;
  Count(pages, "Group", &namesPerPage);
  EXPECT_EQ(namesPerPage, (std::vector<int>{1, 1, 1, 1, 1, 2}));
}

// A report 3 inches high on 11-inch paper whose record is 11 inches high,
// with values at 10, 500 and 1,050 inside it.
TEST_F(PrintedData, ValueBeyondThePaperIsReportedAsLeftOut) {
  Load(Styles("3.0") + "[REPORT]\nRC1=FIXEDREGION\n" +
       Control("RC1", "Sheet", "REPORT", 0, 0, 800, 290) + "[Sheet]\nRC2=REPEATREGION\n" +
       Control("RC2", "Tall", "Sheet", 0, 0, 800, 1100, "MULTIPAGE=TRUE\n") +
       "[Tall]\nRC3=VARIABLE\nRC4=VARIABLE\nRC5=VARIABLE\n" + Variable("RC3", "First", "Tall", 10, 10) +
       Variable("RC4", "Below", "Tall", 10, 500) + Variable("RC5", "Last", "Tall", 10, 1050));
  zBxBeginRegion("Sheet");
  zBxBeginRegion("Tall");
  zBxSetVariable("First", "alpha");
  zBxSetVariable("Below", "beta");
  zBxSetVariable("Last", "gamma");
  zBxEndRegion();
  zBxEndRegion();
  const std::vector<Texts> pages = PrintedPages();
  // Below the report's frame but on the paper is printed; at 1,100 it is not.
  EXPECT_EQ(pages, (std::vector<Texts>{{"alpha", "beta"}}));
  EXPECT_EQ(Messages(), Texts{kLeftOut});
}

// "List" holds the title "Head" and MULTIPAGE rows.
std::string TitledListTemplate() {
  return Styles("3.0") + "[REPORT]\nRC1=FIXEDREGION\n" +
         Control("RC1", "List", "REPORT", 0, 0, 800, 290) + "[List]\nRC2=TITLEREGION\nRC4=REPEATREGION\n" +
         Control("RC2", "Head", "List", 0, 0, 800, 40) + "[Head]\nRC3=VARIABLE\n" +
         Variable("RC3", "Heading", "Head", 10, 10) +
         Control("RC4", "Rows", "List", 0, 40, 800, 25, "MULTIPAGE=TRUE\n") + "[Rows]\nRC5=VARIABLE\n" +
         Variable("RC5", "Cell", "Rows", 20, 3);
}

TEST_F(PrintedData, SecondTitleIsLeftOutForTheTitleRule) {
  Load(TitledListTemplate());
  zBxBeginRegion("List");
  Record("Head", "Heading", "FirstHeading");
  zBxEndRegion();
  Record("Head", "Heading", "SecondHeading");
  zBxEndRegion();
  for (int row = 1; row <= 3; ++row) {
    Record("Rows", "Cell", "R" + std::to_string(row));
    zBxEndRegion();
  }
  zBxEndRegion();
  const std::vector<Texts> pages = PrintedPages();
  EXPECT_EQ(pages, (std::vector<Texts>{{"FirstHeading", "R1", "R2", "R3"}}));
  EXPECT_EQ(Messages(),
            Texts{"Tessel: Title region \"Head\" was entered where a title is printed already; "
                  "only the first title is printed, and the data of this one was left out."});
}

TEST_F(PrintedData, RowsEnteredWithNoRegionOpenAreLeftOutForTheTopLevelRule) {
  Load(TitledListTemplate());
  // Without "List" open, "Rows" goes to the top level, which starts new
  // pages for fixed regions only.
  for (int row = 1; row <= 20; ++row) {
    Record("Rows", "Cell", "R" + std::to_string(row));
    zBxEndRegion();
  }
  const std::vector<Texts> pages = PrintedPages();
  std::vector<int> rowsPerPage;
  Count(pages, "R", &rowsPerPage);
  // Rows of 25 from 40 down to the report's bottom at 290.
  EXPECT_EQ(rowsPerPage, std::vector<int>{10});
  EXPECT_EQ(Messages(),
            Texts{"Tessel: Region \"Rows\" was entered with no region open, so it cannot flow "
                  "onto a new page; the data that did not fit on its page was left out."});
}

}  // namespace
