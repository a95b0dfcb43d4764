// How a layout ends: records that never fit, a top-level repeat region that
// runs out of room, the page cap. It always ends, and what it leaves out it
// says.
#include <gtest/gtest.h>

#include <string>

#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using Lines = std::vector<std::string>;

const std::string kLeftOut =
    "Tessel: Some of the report's data did not fit on its pages and was left out.";

std::string Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return Describe(TRect{left, top, right, bottom});
}

class PageEndTest : public LayoutTest {
 protected:
  // "Book" (800 x 1000) with records "Order" without MULTIPAGE, each
  // holding lines of 80: an order measures 100 + 80 per line - 80.
  void BuildOrders() {
    AddReportStyle(templates);
    rcDefItem& book = AddFixed(templates, "Book", "REPORT", {0, 0, 800, 1000});
    order_ = &AddRepeat(Inside(book), "Order", "Book", {0, 0, 800, 100}, false);
    line_ = &AddRepeat(Inside(*order_), "Line", "Order", {0, 20, 800, 80}, false);
    book_ = &Enter(instances, book);
  }
  void AddOrder(int lines) {
    TInstancePair& order = Enter(Inside(*book_), *order_);
    for (int i = 0; i < lines; ++i) Enter(Inside(order), *line_);
  }

  rcDefItem* order_ = nullptr;
  rcDefItem* line_ = nullptr;
  TInstancePair* book_ = nullptr;
};

TEST_F(PageEndTest, RecordTallerThanAPageGoesWholeOntoAFreshPage) {
  BuildOrders();
  AddOrder(1);
  AddOrder(20);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  EXPECT_EQ(Page(1), (Lines{"Order " + Rect(50, 50, 850, 150), "Line " + Rect(50, 70, 850, 150)}));
  const Lines page2 = Page(2);
  ASSERT_EQ(page2.size(), 21u);
  EXPECT_EQ(page2.front(), "Order " + Rect(50, 50, 850, 1670));
  EXPECT_EQ(page2.back(), "Line " + Rect(50, 1590, 850, 1670));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PageEndTest, OnlyRecordTallerThanAPageStaysOnTheFirstPage) {
  BuildOrders();
  AddOrder(20);
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  EXPECT_EQ(Page(1).front(), "Order " + Rect(50, 50, 850, 1670));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PageEndTest, RecordThatNeverPassesItsFirstPlaceStillFlows) {
  // "Side" lies left of the first record's place, starts lower and overlaps
  // it: the first record of every page collides with it.
  AddReportStyle(templates);
  rcDefItem& sheet = AddFixed(templates, "Sheet", "REPORT", {0, 0, 800, 1000});
  AddLabel(Inside(sheet), "Side", "Sheet", {0, 50, 90, 20});
  rcDefItem& entry = AddRepeat(Inside(sheet), "Entry", "Sheet", {100, 0, 700, 100}, true);
  TInstancePair& sheetInstance = Enter(instances, sheet);
  for (int i = 0; i < 12; ++i) Enter(Inside(sheetInstance), entry);
  Layout();
  const std::string side = "Side " + Rect(50, 100, 140, 120);
  ASSERT_EQ(PageCount(), 3u);
  EXPECT_EQ(Page(1), Lines{side});
  Lines page2{side};
  for (int k = 0; k < 10; ++k) {
    page2.push_back("Entry " + Rect(150, 50 + 100 * k, 850, 150 + 100 * k));
  }
  EXPECT_EQ(Page(2), page2);
  EXPECT_EQ(Page(3), (Lines{side, "Entry " + Rect(150, 50, 850, 150),
                            "Entry " + Rect(150, 150, 850, 250)}));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LayoutTest, TopLevelRepeatRegionEndsTheLayoutWhenFullAndSaysSo) {
  AddReportStyle(templates);
  rcDefItem& row = AddRepeat(templates, "Row", "REPORT", {0, 0, 800, 100}, true);
  for (int i = 0; i < 12; ++i) Enter(instances, row);
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  Lines page1;
  for (int k = 0; k < 10; ++k) page1.push_back("Row " + Rect(50, 50 + 100 * k, 850, 150 + 100 * k));
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(messages.Texts(), Lines{kLeftOut});
}

TEST_F(LayoutTest, NestedRecordsLeftOutAreReportedThoughTheirRecordIsPlaced) {
  AddReportStyle(templates);
  rcDefItem& group = AddRepeat(templates, "Group", "REPORT", {0, 0, 800, 100}, true);
  rcDefItem& line = AddRepeat(Inside(group), "Line", "Group", {0, 20, 800, 80}, false);
  TInstancePair& groupInstance = Enter(instances, group);
  for (int i = 0; i < 20; ++i) Enter(Inside(groupInstance), line);
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  const Lines page1 = Page(1);
  ASSERT_EQ(page1.size(), 13u);
  EXPECT_EQ(page1.front(), "Group " + Rect(50, 50, 850, 1030));
  EXPECT_EQ(page1.back(), "Line " + Rect(50, 950, 850, 1030));
  EXPECT_EQ(messages.Texts(), Lines{kLeftOut});
}

TEST_F(LayoutTest, PageCapEndsARunawayLayoutWithAMessage) {
  AddReportStyle(templates);
  rcDefItem& sheet = AddFixed(templates, "Sheet", "REPORT", {0, 0, 800, 1000});
  rcDefItem& full = AddRepeat(Inside(sheet), "Full", "Sheet", {0, 0, 800, 1000}, false);
  TInstancePair& sheetInstance = Enter(instances, sheet);
  for (int i = 0; i <= engine::kMaxPages; ++i) Enter(Inside(sheetInstance), full);
  Layout();
  EXPECT_EQ(PageCount(), static_cast<size_t>(engine::kMaxPages));
  EXPECT_EQ(Page(engine::kMaxPages), Lines{"Full " + Rect(50, 50, 850, 1050)});
  EXPECT_EQ(messages.Texts(),
            Lines{"Tessel: The report has more than 100000 pages; the pages after that were "
                  "left out."});
}

}  // namespace
}  // namespace layout_test
