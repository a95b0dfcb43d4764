// The report frame and the template's own content on the static layer.
#include <gtest/gtest.h>

#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(LayoutTest, PortraitFrameWithNoRegionEntered) {
  AddReportStyle(templates, 0.5, 0.5, 8.0, 10.5, false);
  Layout();
  EXPECT_EQ(PageCount(), 0u);
  EXPECT_EQ(Page(0), Lines{"Report Style (50, 50, 840, 1090)"});
  EXPECT_EQ(engine::GetReportOrientation(), 0);
  EXPECT_TRUE(engine::LaidOut());
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LayoutTest, LandscapeFrameTurnsTheReportAreaOnly) {
  AddReportStyle(templates, 0.5, 0.5, 8.0, 10.5, true);
  Layout();
  EXPECT_EQ(Page(0), Lines{"Report Style (50, 50, 1090, 840)"});
  EXPECT_EQ(engine::GetReportOrientation(), 1);
}

TEST_F(LayoutTest, InchesAHairBelowAWholeUnitCountAsThatUnit) {
  // 0.29 x 100 and 8.2 x 100 land just below 29 and 820; 8.19999 inches are
  // a genuine fraction below 820 units.
  AddReportStyle(templates, 0.29, 0.5, 8.2, 8.19999, false);
  Layout();
  EXPECT_EQ(Page(0), Lines{"Report Style (29, 50, 839, 859)"});
}

TEST_F(LayoutTest, StaticLayerHoldsFixedTemplateContentInTemplateOrder) {
  AddReportStyle(templates);
  AddLabel(templates, "Heading", "REPORT", {10, 10, 300, 20});
  AddVariable(templates, "Who", "REPORT", {10, 40, 100, 20}, engine::kVarString);
  AddVariable(templates, "PageNo", "REPORT", {700, 1000, 80, 20}, engine::kVarPageNumber);
  AddImage(templates, "Logo", "REPORT", {600, 10, 100, 50}, false);
  AddImage(templates, "Photo", "REPORT", {600, 60, 100, 50}, true);
  rcDefItem& body = AddFixed(templates, "Body", "REPORT", {0, 100, 800, 500});
  AddLabel(Inside(body), "Note", "Body", {5, 5, 100, 20});
  rcDefItem& box = AddShape(Inside(body), "Box", "Body", {100, 50, 200, 100});
  AddLabel(Inside(box), "Inner", "Box", {1, 2, 10, 10});
  AddRepeat(Inside(body), "Rows", "Body", {0, 200, 800, 50});
  // A container holding a title keeps its content for the pages, except a
  // fixed region that is not ABSOLUTE.
  rcDefItem& listing = AddFixed(templates, "Listing", "REPORT", {0, 700, 800, 300});
  AddTitle(Inside(listing), "Top", "Listing", {0, 0, 800, 30});
  AddLabel(Inside(listing), "Caption", "Listing", {0, 30, 100, 20});
  AddFixed(Inside(listing), "Pinned", "Listing", {0, 50, 100, 40}, true);
  AddFixed(Inside(listing), "Loose", "Listing", {0, 100, 100, 100}, false);
  Layout();
  EXPECT_EQ(Page(0), (Lines{"Report Style (50, 50, 840, 1090)", "Heading (60, 60, 360, 80)",
                            "PageNo (750, 1050, 830, 1070)", "Logo (650, 60, 750, 110)",
                            "Body (50, 150, 850, 650)", "Note (55, 155, 155, 175)",
                            "Box (150, 200, 350, 300)", "Inner (151, 202, 161, 212)",
                            "Listing (50, 750, 850, 1050)", "Loose (50, 850, 150, 950)"}));
  EXPECT_EQ(PageCount(), 0u);
}

TEST_F(LayoutTest, EnteredRegionDoesNotPlaceItsStaticContentOverTheStaticLayer) {
  // The picture and label of an entered fixed region are drawn from the
  // static layer; placed on the page as well, each would be drawn twice.
  AddReportStyle(templates);
  rcDefItem& body = AddFixed(templates, "Body", "REPORT", {0, 0, 800, 500});
  AddImage(Inside(body), "Logo", "Body", {600, 10, 100, 50}, false);
  AddLabel(Inside(body), "Note", "Body", {5, 5, 100, 20});
  rcDefItem& rows = AddRepeat(Inside(body), "Rows", "Body", {0, 100, 800, 50});
  Enter(Inside(Enter(instances, body)), rows);
  Layout();
  EXPECT_EQ(Page(0), (Lines{"Report Style (50, 50, 840, 1090)", "Body (50, 50, 850, 550)",
                            "Logo (650, 60, 750, 110)", "Note (55, 55, 155, 75)"}));
  EXPECT_EQ(Page(1), Lines{"Rows (50, 150, 850, 200)"});
}

TEST_F(LayoutTest, StaticItemsOwnTheirEntriesAndPointAtTheTemplate) {
  rcDefItem& report = AddReportStyle(templates);
  Layout();
  const engine::TPlacedItem& frame = *engine::GetPages().at(0)->at(0);
  EXPECT_EQ(frame.entry, frame.ownedEntry.get());
  EXPECT_EQ(frame.entry->item, &report);
  EXPECT_EQ(frame.entry->region, nullptr);
  EXPECT_EQ(frame.entry->value, nullptr);
  EXPECT_EQ(frame.origin, (platform::TPoint{50, 50}));
}

TEST_F(LayoutTest, TemplateWithoutReportStyleLaysOutNothingAndSaysSo) {
  rcDefItem& body = AddFixed(templates, "Body", "REPORT", {0, 0, 800, 500});
  rcDefItem& rows = AddRepeat(Inside(body), "Rows", "Body", {0, 0, 800, 50});
  Enter(Inside(Enter(instances, body)), rows);
  Layout();
  EXPECT_EQ(engine::GetPages().size(), 1u);
  EXPECT_TRUE(Page(0).empty());
  EXPECT_EQ(messages.Texts(),
            Lines{"Tessel: The template has no report style; the report cannot be laid out."});
}

TEST_F(LayoutTest, NoLayoutWhileTheErrorFlagIsSet) {
  AddReportStyle(templates);
  Layout();
  engine::SetErrorFlag();
  engine::GetPages().clear();
  Layout();
  EXPECT_TRUE(engine::GetPages().empty());
}

}  // namespace
}  // namespace layout_test
