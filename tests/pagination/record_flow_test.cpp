// Repeat records flowing down a page and onto the next: titles, lifts,
// nested records, MULTIPAGE or not.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using Lines = std::vector<std::string>;

std::string Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return Describe(TRect{left, top, right, bottom});
}

// A fixed region "List" holding a title, a caption that starts at the
// title's bottom edge, a page number and the records "Rows" of one cell.
class ListingLayout : public LayoutTest {
 protected:
  void SetUp() override {
    LayoutTest::SetUp();
    AddReportStyle(templates);
    list_ = &AddFixed(templates, "List", "REPORT", {0, 0, 800, 1000});
    head_ = &AddTitle(Inside(*list_), "Head", "List", {0, 0, 800, 50});
    AddLabel(Inside(*head_), "HeadText", "Head", {10, 10, 200, 20});
    headVar_ = &AddVariable(Inside(*head_), "HeadVar", "Head", {300, 10, 100, 20});
    AddLabel(Inside(*list_), "Caption", "List", {0, 50, 200, 20});
    AddVariable(Inside(*list_), "PageNo", "List", {700, 980, 80, 20}, engine::kVarPageNumber);
    rows_ = &AddRepeat(Inside(*list_), "Rows", "List", {0, 50, 800, 100}, true);
    cell_ = &AddVariable(Inside(*rows_), "Cell", "Rows", {10, 10, 100, 20});
    // Never set by the host: never placed.
    AddVariable(Inside(*rows_), "Extra", "Rows", {200, 10, 100, 20});
    listInstance_ = &Enter(instances, *list_);
  }

  void AddRows(int count) {
    for (int i = 0; i < count; ++i) {
      SetValue(Enter(Inside(*listInstance_), *rows_), *cell_, "row");
    }
  }

  // Record k (from 0) of a page whose first record starts at top.
  static Lines Record(int32_t top) {
    return {"Rows " + Rect(50, top, 850, top + 100), "Cell " + Rect(60, top + 10, 160, top + 30)};
  }
  // The start of page 1 when the host entered the title with a value.
  static Lines PageUnderEnteredTitle() {
    return {"Caption " + Rect(50, 100, 250, 120), "PageNo " + Rect(750, 1030, 830, 1050),
            "Head " + Rect(50, 50, 850, 100), "HeadText " + Rect(60, 60, 260, 80),
            "HeadVar " + Rect(350, 60, 450, 80)};
  }
  static void Append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
  }

  // Twenty records: nine below the title on page 1, ten on page 2 from the
  // region's template position lifted by the title's height, one on page 3.
  static std::vector<Lines> TwentyRows() {
    Lines page1{"Caption " + Rect(50, 100, 250, 120), "PageNo " + Rect(750, 1030, 830, 1050),
                "Head " + Rect(50, 50, 850, 100), "HeadText " + Rect(60, 60, 260, 80)};
    for (int k = 0; k < 9; ++k) Append(page1, Record(100 + 100 * k));
    // The caption starts at the title's bottom edge and is lifted with the
    // records on the second page; from the third on the title rectangle it
    // is compared with is the template's, and it stays.
    Lines page2{"Caption " + Rect(50, 50, 250, 70), "PageNo " + Rect(750, 1030, 830, 1050)};
    for (int k = 0; k < 10; ++k) Append(page2, Record(50 + 100 * k));
    Lines page3{"Caption " + Rect(50, 100, 250, 120), "PageNo " + Rect(750, 1030, 830, 1050)};
    Append(page3, Record(50));
    return {{"Report Style (50, 50, 840, 1090)", "List (50, 50, 850, 1050)"}, page1, page2, page3};
  }

  rcDefItem* list_ = nullptr;
  rcDefItem* head_ = nullptr;
  rcDefItem* headVar_ = nullptr;
  rcDefItem* rows_ = nullptr;
  rcDefItem* cell_ = nullptr;
  TInstancePair* listInstance_ = nullptr;
};

TEST_F(ListingLayout, TwentyMultipageRecordsUnderATitle) {
  AddRows(20);
  Layout();
  EXPECT_EQ(AllPages(), TwentyRows());
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ListingLayout, LayingOutTwiceGivesTheSamePages) {
  AddRows(20);
  Layout();
  const auto first = AllPages();
  Layout();
  EXPECT_EQ(AllPages(), first);
  EXPECT_EQ(first, TwentyRows());
}

TEST_F(ListingLayout, LayoutAfterMoreRecordsMatchesAFreshOne) {
  AddRows(12);
  Layout();
  AddRows(8);
  Layout();
  EXPECT_EQ(AllPages(), TwentyRows());
}

TEST_F(ListingLayout, TitleEnteredByTheHostIsPlacedOnceAtItsContainer) {
  SetValue(Enter(Inside(*listInstance_), *head_), *headVar_, "Orders");
  AddRows(20);
  Layout();
  ASSERT_EQ(PageCount(), 3u);
  Lines page1 = PageUnderEnteredTitle();
  for (int k = 0; k < 9; ++k) Append(page1, Record(100 + 100 * k));
  EXPECT_EQ(Page(1), page1);
  // The title rectangle is the template's from the start, so the caption
  // is not lifted; the records are.
  Lines page2{"Caption " + Rect(50, 100, 250, 120), "PageNo " + Rect(750, 1030, 830, 1050)};
  for (int k = 0; k < 10; ++k) Append(page2, Record(50 + 100 * k));
  EXPECT_EQ(Page(2), page2);
}

TEST_F(ListingLayout, SecondTitleEnteredIsLeftOutWithItsCause) {
  SetValue(Enter(Inside(*listInstance_), *head_), *headVar_, "Orders");
  SetValue(Enter(Inside(*listInstance_), *head_), *headVar_, "Again");
  AddRows(2);
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  Lines page1 = PageUnderEnteredTitle();
  Append(page1, Record(100));
  Append(page1, Record(200));
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(messages.Texts(),
            Lines{"Tessel: Title region \"Head\" was entered where a title is printed already; "
                  "only the first title is printed, and the data of this one was left out."});
}

TEST_F(ListingLayout, RecordsInATitleThatDoNotFitItsPageDidNotFit) {
  // A title is printed on one page only; what it holds must fit there.
  rcDefItem& entry = AddRepeat(Inside(*head_), "Entry", "Head", {0, 20, 800, 100}, true);
  TInstancePair& title = Enter(Inside(*listInstance_), *head_);
  for (int i = 0; i < 12; ++i) Enter(Inside(title), entry);
  AddRows(1);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  const Lines page1 = Page(1);
  EXPECT_EQ(std::count_if(page1.begin(), page1.end(),
                          [](const std::string& line) { return line.starts_with("Entry "); }),
            9);
  EXPECT_EQ(messages.Texts(),
            Lines{"Tessel: Some of the report's data did not fit on its pages and was left out."});
}

// "Book" holds records "Order", each holding records "Line" of one "Item".
class NestedLayout : public LayoutTest {
 protected:
  void Build(bool orderMultiPage) {
    AddReportStyle(templates);
    rcDefItem& book = AddFixed(templates, "Book", "REPORT", {0, 0, 800, 1000});
    order_ = &AddRepeat(Inside(book), "Order", "Book", {0, 0, 800, 100}, orderMultiPage);
    line_ = &AddRepeat(Inside(*order_), "Line", "Order", {0, 20, 800, 80}, false);
    item_ = &AddVariable(Inside(*line_), "Item", "Line", {10, 10, 100, 20});
    book_ = &Enter(instances, book);
  }
  // An order measures 100 + 80 per line - 80.
  void AddOrder(int lines) {
    TInstancePair& order = Enter(Inside(*book_), *order_);
    for (int i = 0; i < lines; ++i) SetValue(Enter(Inside(order), *line_), *item_, "x");
  }
  static Lines Lines80(int32_t firstTop, int count) {
    Lines lines;
    for (int k = 0; k < count; ++k) {
      const int32_t top = firstTop + 80 * k;
      lines.push_back("Line " + Rect(50, top, 850, top + 80));
      lines.push_back("Item " + Rect(60, top + 10, 160, top + 30));
    }
    return lines;
  }
  static Lines Order(const std::string& rect, const Lines& lines) {
    Lines all{"Order " + rect};
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
  }

  rcDefItem* order_ = nullptr;
  rcDefItem* line_ = nullptr;
  rcDefItem* item_ = nullptr;
  TInstancePair* book_ = nullptr;
};

TEST_F(NestedLayout, RecordWithoutMultipageMovesToTheNextPageWhole) {
  Build(false);
  AddOrder(6);
  AddOrder(7);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  EXPECT_EQ(Page(1), Order(Rect(50, 50, 850, 550), Lines80(70, 6)));
  EXPECT_EQ(Page(2), Order(Rect(50, 50, 850, 630), Lines80(70, 7)));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(NestedLayout, MultipageRecordStartsBelowThePreviousAndContinues) {
  Build(true);
  AddOrder(6);
  AddOrder(7);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  Lines page1 = Order(Rect(50, 50, 850, 550), Lines80(70, 6));
  // Started at one template height, grown by the six lines that fitted.
  const Lines second = Order(Rect(50, 550, 850, 1050), Lines80(570, 6));
  page1.insert(page1.end(), second.begin(), second.end());
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(Page(2), Order(Rect(50, 50, 850, 150), Lines80(70, 1)));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LayoutTest, ShapeInstancePlacesItsValuesAtTheShape) {
  AddReportStyle(templates);
  rcDefItem& card = AddShape(templates, "Card", "REPORT", {0, 0, 400, 300});
  rcDefItem& name = AddVariable(Inside(card), "Name", "Card", {10, 10, 100, 20});
  SetValue(Enter(instances, card), name, "Ada");
  Layout();
  EXPECT_EQ(Page(0), (Lines{"Report Style (50, 50, 840, 1090)", "Card (50, 50, 450, 350)"}));
  EXPECT_EQ(Page(1), Lines{"Name (60, 60, 160, 80)"});
}

}  // namespace
}  // namespace layout_test
