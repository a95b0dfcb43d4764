// How a layout ends: records that never fit, a top-level repeat region that
// runs out of room, values beyond the paper, the page cap. It always ends,
// and what it leaves out it says, with the cause.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using Lines = std::vector<std::string>;

const std::string kLeftOut =
    "Tessel: Some of the report's data did not fit on its pages and was left out.";

std::string kBrokenOff(const std::string& region) {
  return "Tessel: Region \"" + region +
         "\" was entered with no region open, so it cannot flow onto a new page; the data that "
         "did not fit on its page was left out.";
}

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

// Lines of 80 from top, each "Line (50, top, 850, top + 80)".
Lines Lines80(int32_t top, int count) {
  Lines lines;
  for (int k = 0; k < count; ++k) lines.push_back("Line " + Rect(50, top + 80 * k, 850, top + 80 + 80 * k));
  return lines;
}

Lines Order(const std::string& rect, const Lines& lines) {
  Lines all{"Order " + rect};
  all.insert(all.end(), lines.begin(), lines.end());
  return all;
}

TEST_F(PageEndTest, RecordKeptWholeThatNoPageHoldsFlowsOnFromWhereItIs) {
  BuildOrders();
  AddOrder(1);
  AddOrder(20);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  // Twenty lines (1,620 high) fit no page: the order starts below the first
  // and breaks as a MULTIPAGE record does, eleven lines here and nine on the
  // next page.
  Lines page1 = Order(Rect(50, 50, 850, 150), Lines80(70, 1));
  const Lines second = Order(Rect(50, 150, 850, 1050), Lines80(170, 11));
  page1.insert(page1.end(), second.begin(), second.end());
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(Page(2), Order(Rect(50, 50, 850, 790), Lines80(70, 9)));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PageEndTest, OnlyRecordTallerThanAPageFlowsFromTheFirstPage) {
  BuildOrders();
  AddOrder(20);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  EXPECT_EQ(Page(1), Order(Rect(50, 50, 850, 1030), Lines80(70, 12)));
  EXPECT_EQ(Page(2), Order(Rect(50, 50, 850, 710), Lines80(70, 8)));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LayoutTest, GroupsInAShapeRegionFlowLikeThoseInAFixedRegion) {
  // A shape holding records kept whole, each with MULTIPAGE lines: the
  // records are measured with their lines, so the long one breaks.
  AddReportStyle(templates, 0.5, 0.5, 8.0, 4.0);
  rcDefItem& box = AddFixed(templates, "Box", "REPORT", {0, 0, 800, 390});
  rcDefItem& card = AddShape(Inside(box), "Card", "Box", {0, 0, 800, 390});
  rcDefItem& order = AddRepeat(Inside(card), "Order", "Card", {0, 0, 800, 50}, false);
  rcDefItem& line = AddRepeat(Inside(order), "Line", "Order", {0, 25, 800, 25}, true);
  TInstancePair& cardInstance = Enter(Inside(Enter(instances, box)), card);
  for (int lines : {3, 20, 2}) {
    TInstancePair& orderInstance = Enter(Inside(cardInstance), order);
    for (int i = 0; i < lines; ++i) Enter(Inside(orderInstance), line);
  }
  Layout();
  const auto lineCount = [this](size_t page) {
    const Lines lines = Page(page);
    return std::count_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.starts_with("Line "); });
  };
  ASSERT_EQ(PageCount(), 2u);
  // 3 lines, then the second order, which no page holds, starts below the
  // first: 10 of its lines fill the page down to the box's bottom (440), and
  // the rest follow with the third. The card is drawn from the static layer.
  EXPECT_EQ(lineCount(1), 3 + 10);
  const Lines page1 = Page(1);
  ASSERT_EQ(page1.size(), 2u + 13u);
  EXPECT_EQ(page1[4], "Order " + Rect(50, 150, 850, 425));
  EXPECT_EQ(page1.back(), "Line " + Rect(50, 400, 850, 425));
  EXPECT_EQ(lineCount(2), 10 + 2);
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
  // The first record is placed regardless on the first page, which holds
  // nothing else: "Side" is drawn from the static layer alone.
  ASSERT_EQ(PageCount(), 2u);
  EXPECT_EQ(engine::GetPages()[0]->back()->entry->item->Name, "Side");
  Lines page1;
  for (int k = 0; k < 10; ++k) {
    page1.push_back("Entry " + Rect(150, 50 + 100 * k, 850, 150 + 100 * k));
  }
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(Page(2), (Lines{"Entry " + Rect(150, 50, 850, 150), "Entry " + Rect(150, 150, 850, 250)}));
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PageEndTest, RecordPlacedRegardlessLetsItsRowsFlowOn) {
  // "Band" starts inside the first record's place on every page, so no
  // record ever passes there; the second one is placed regardless on a
  // fresh page, and its forty rows still flow onto the pages after it.
  BuildOrders();
  AddFixed(templates, "Band", "REPORT", {0, 10, 800, 30}, true);
  AddOrder(3);
  AddOrder(40);
  Layout();
  size_t lines = 0;
  for (size_t page = 1; page <= PageCount(); ++page) {
    for (const std::string& placed : Page(page)) {
      if (!placed.starts_with("Line ")) continue;
      ++lines;
      EXPECT_LE(std::stoi(placed.substr(placed.rfind(' ') + 1)), 1050) << placed;
    }
  }
  EXPECT_EQ(lines, 43u);
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LayoutTest, TopLevelRepeatRegionEndsTheLayoutWhenFullAndSaysWhy) {
  AddReportStyle(templates);
  rcDefItem& row = AddRepeat(templates, "Row", "REPORT", {0, 0, 800, 100}, true);
  for (int i = 0; i < 12; ++i) Enter(instances, row);
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  Lines page1;
  for (int k = 0; k < 10; ++k) page1.push_back("Row " + Rect(50, 50 + 100 * k, 850, 150 + 100 * k));
  EXPECT_EQ(Page(1), page1);
  EXPECT_EQ(messages.Texts(), Lines{kBrokenOff("Row")});
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
  EXPECT_EQ(messages.Texts(), Lines{kBrokenOff("Group")});
}

TEST_F(LayoutTest, TopLevelShapeFlowsOntoNewPagesAsAFixedRegionDoes) {
  AddReportStyle(templates);
  rcDefItem& card = AddShape(templates, "Card", "REPORT", {0, 0, 800, 1000});
  rcDefItem& row = AddRepeat(Inside(card), "Row", "Card", {0, 0, 800, 100}, true);
  TInstancePair& cardInstance = Enter(instances, card);
  for (int i = 0; i < 12; ++i) Enter(Inside(cardInstance), row);
  Layout();
  ASSERT_EQ(PageCount(), 2u);
  EXPECT_EQ(Page(1).size(), 10u);
  EXPECT_EQ(Page(2), (Lines{"Row " + Rect(50, 50, 850, 150), "Row " + Rect(50, 150, 850, 250)}));
  EXPECT_TRUE(messages.Texts().empty());
}

// A report 3 inches high on 11-inch paper: whatever lies below 1,100 or
// right of 850 is off the paper.
class OffThePaper : public LayoutTest {
 protected:
  void SetUp() override {
    LayoutTest::SetUp();
    AddReportStyle(templates, 0.5, 0.5, 8.0, 3.0);
    sheet_ = &AddFixed(templates, "Sheet", "REPORT", {0, 0, 800, 290});
    sheetInstance_ = &Enter(instances, *sheet_);
  }
  rcDefItem* sheet_ = nullptr;
  TInstancePair* sheetInstance_ = nullptr;
};

TEST_F(OffThePaper, ValueOfARecordTallerThanThePageBelowThePaperIsReported) {
  rcDefItem& tall = AddRepeat(Inside(*sheet_), "Tall", "Sheet", {0, 0, 800, 1100}, true);
  rcDefItem& first = AddVariable(Inside(tall), "First", "Tall", {10, 10, 100, 20});
  rcDefItem& below = AddVariable(Inside(tall), "Below", "Tall", {10, 500, 100, 20});
  rcDefItem& last = AddVariable(Inside(tall), "Last", "Tall", {10, 1050, 100, 20});
  TInstancePair& record = Enter(Inside(*sheetInstance_), tall);
  SetValue(record, first, "a");
  SetValue(record, below, "b");
  SetValue(record, last, "c");
  Layout();
  ASSERT_EQ(PageCount(), 1u);
  // Placed whole: below the report's frame but on the paper is still
  // printed; at 1,100 it is not.
  EXPECT_EQ(Page(1), (Lines{"Tall " + Rect(50, 50, 850, 1150), "First " + Rect(60, 60, 160, 80),
                            "Below " + Rect(60, 550, 160, 570),
                            "Last " + Rect(60, 1100, 160, 1120)}));
  EXPECT_EQ(messages.Texts(), Lines{kLeftOut});
}

TEST_F(OffThePaper, ValuesOfAFixedRegionTallerThanThePageAreReportedOnlyOffThePaper) {
  rcDefItem& block = AddFixed(Inside(*sheet_), "Block", "Sheet", {0, 0, 800, 1100});
  rcDefItem& onPaper = AddVariable(Inside(block), "OnPaper", "Block", {10, 1020, 100, 30});
  rcDefItem& beyond = AddVariable(Inside(block), "Beyond", "Block", {10, 1050, 100, 20});
  TInstancePair& blockInstance = Enter(Inside(*sheetInstance_), block);
  SetValue(blockInstance, onPaper, "a");
  Layout();
  // The block's frame is drawn from the static layer alone.
  EXPECT_EQ(Page(1), Lines{"OnPaper " + Rect(60, 1070, 160, 1100)});
  EXPECT_TRUE(messages.Texts().empty());

  SetValue(blockInstance, beyond, "b");
  Layout();
  EXPECT_EQ(messages.Texts(), Lines{kLeftOut});
}

TEST_F(OffThePaper, LandscapeTurnsThePaper) {
  templates.clear();
  instances.clear();
  AddReportStyle(templates, 0.5, 0.5, 8.0, 3.0, true);
  rcDefItem& wide = AddFixed(templates, "Wide", "REPORT", {0, 0, 1000, 290});
  rcDefItem& right = AddVariable(Inside(wide), "Right", "Wide", {900, 10, 100, 20});
  SetValue(Enter(instances, wide), right, "a");
  Layout();
  // 1,050 is inside paper 1,100 wide, where portrait would end at 850.
  EXPECT_EQ(Page(1), Lines{"Right " + Rect(950, 60, 1050, 80)});
  EXPECT_TRUE(messages.Texts().empty());
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
