// Templates written here, filled through the exports and printed to a PDF
// file: every value the host set is counted on the PDF's pages, and what is
// not there was named in a message with its cause.
#include "tests/pagination/printed_data.h"

namespace {

using namespace printed_data;

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
  // The second group, which no page holds, starts below the first; 14 of
  // its rows fill each later page down to the report's bottom, and the third
  // group, too tall for what its last page leaves, starts a page. Each name
  // is printed once, where its group starts.
  EXPECT_EQ(rowsPerPage, (std::vector<int>{3 + 10, 14, 14, 14, 13, 2}));
  std::vector<int> namesPerPage;
  Count(pages, "Group", &namesPerPage);
  EXPECT_EQ(namesPerPage, (std::vector<int>{2, 0, 0, 0, 0, 1}));
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
