#include <gtest/gtest.h>

#include "platform/system/locale_settings.h"
#include "tests/page_drawing_geometry/drawing_fixture.h"

namespace {

using namespace drawing_test;
using engine::kFixedRegion;
using engine::kLabel;
using engine::kShapeRegion;
using engine::kVariable;
using Kind = platform::CanvasCall::Kind;
using platform::TBrush;
using platform::TBrushStyle;

class TextDrawingTest : public DrawingFixture {
 protected:
  void TearDown() override { platform::ResetLocaleSettings(); }

  const engine::rcStyle body = Style("Body", "Arial", 10, 0x000000);
  const engine::rcStyle loud = Style("Loud", "Courier New", 14, 0x0000FF, platform::fsBold);
};

TEST_F(TextDrawingTest, LabelAtItsScaledTopLeftInItsStyleFont) {
  rcDefItem& label = Add(templateItems, "TEXT1", kLabel, Label("REPORT", "Total", &loud));
  EXPECT_EQ(Draw(*Placed(label, {150, 200, 400, 230}), {6.0, 6.0, 100, 120}), engine::ItemResult::Continue);
  ASSERT_EQ(canvas.Calls.size(), 1u);
  const CanvasCall& call = canvas.Calls[0];
  EXPECT_EQ(call.kind, Kind::TextOut);
  EXPECT_EQ(call.rect.Left, 800);
  EXPECT_EQ(call.rect.Top, 1080);
  EXPECT_EQ(call.text, "Total");
  EXPECT_EQ(call.font, loud.Font);
  // Nothing of the item's state but the font is left behind.
  EXPECT_EQ(canvas.Brush, TBrush{});
}

TEST_F(TextDrawingTest, LabelInASolidShapeShowsTheShapesFill) {
  Add(templateItems, "Shape1", kShapeRegion, Shape(0, 0x00FFFF, 0));
  rcDefItem& label = Add(templateItems, "TEXT1", kLabel, Label("Shape1", "On yellow", &body));
  Draw(*Placed(label, {10, 10, 90, 30}));
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].brush, (TBrush{0x00FFFF, TBrushStyle::bsSolid}));
  EXPECT_EQ(canvas.Brush, TBrush{});
}

TEST_F(TextDrawingTest, ParentShapeIsFoundInsideContainers) {
  engine::rcFixedRegion outer = Region(15);
  outer.Children.push_back(Item("Inner", kShapeRegion, Shape(0, 0x0000FF, 4)));
  Add(templateItems, "Outer", kFixedRegion, std::move(outer));
  rcDefItem& label = Add(templateItems, "TEXT1", kLabel, Label("Inner", "x", &body));
  Draw(*Placed(label, {0, 0, 10, 10}));
  EXPECT_EQ(canvas.Calls.at(0).brush, (TBrush{0x0000FF, TBrushStyle::bsFDiagonal}));
}

TEST_F(TextDrawingTest, LabelInAFixedRegionOrTheReportKeepsTheBrush) {
  Add(templateItems, "Fixed1", kFixedRegion, Region(15));
  rcDefItem& inFixed = Add(templateItems, "TEXT1", kLabel, Label("Fixed1", "a", &body));
  rcDefItem& inReport = Add(templateItems, "TEXT2", kLabel, Label("REPORT", "b", &body));
  Draw(*Placed(inFixed, {0, 0, 10, 10}));
  Draw(*Placed(inReport, {0, 20, 10, 30}));
  ASSERT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(canvas.Calls[0].brush, TBrush{});
  EXPECT_EQ(canvas.Calls[1].brush, TBrush{});
}

TEST_F(TextDrawingTest, VariableFontFollowsItsHighlight) {
  rcDefItem& variable = Add(templateItems, "VAR1", kVariable, Variable("REPORT", engine::kVarString, &body, &loud));
  auto plain = ValuePair(variable, std::string("ok"), false);
  auto marked = ValuePair(variable, std::string("late"), true);
  Draw(*PlacedValue(*plain, {0, 0, 50, 20}));
  Draw(*PlacedValue(*marked, {0, 20, 50, 40}));
  ASSERT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(canvas.Calls[0].text, "ok");
  EXPECT_EQ(canvas.Calls[0].font, body.Font);
  EXPECT_EQ(canvas.Calls[1].text, "late");
  EXPECT_EQ(canvas.Calls[1].font, loud.Font);
}

TEST_F(TextDrawingTest, VariableIsDrawnAtItsOriginNotItsRect) {
  rcDefItem& variable = Add(templateItems, "VAR1", kVariable, Variable("REPORT", engine::kVarInteger, &body));
  auto value = ValuePair(variable, int32_t{-42});
  auto placed = PlacedValue(*value, {150, 200, 300, 250});
  placed->origin = {160, 210};
  Draw(*placed, {6.0, 6.0, 100, 120});
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].rect.Left, 860);
  EXPECT_EQ(canvas.Calls[0].rect.Top, 1140);
  EXPECT_EQ(canvas.Calls[0].text, "-42");
}

TEST_F(TextDrawingTest, VariableValuesThroughThePlatformConversion) {
  platform::SetDecimalSeparator(',');
  rcDefItem& number = Add(templateItems, "N", kVariable, Variable("REPORT", engine::kVarFloatingPoint, &body));
  rcDefItem& text = Add(templateItems, "T", kVariable, Variable("REPORT", engine::kVarString, &body));
  auto real = ValuePair(number, 2.5);
  auto unset = ValuePair(text, engine::Variant{});
  Draw(*PlacedValue(*real, {0, 0, 10, 10}));
  Draw(*PlacedValue(*unset, {0, 0, 10, 10}));
  EXPECT_EQ(TextsOf(canvas.Calls), (std::vector<std::string>{"2,5", ""}));
}

TEST_F(TextDrawingTest, VariableInAShapeTakesItsBackgroundToo) {
  Add(templateItems, "Shape1", kShapeRegion, Shape(0, 0xABCDEF, 1));
  rcDefItem& variable = Add(templateItems, "V", kVariable, Variable("Shape1", engine::kVarString, &body));
  auto value = ValuePair(variable, std::string("v"));
  Draw(*PlacedValue(*value, {0, 0, 10, 10}));
  EXPECT_EQ(canvas.Calls.at(0).brush, (TBrush{0xABCDEF, TBrushStyle::bsClear}));
}

TEST_F(TextDrawingTest, SystemVariablesFromPageAndClock) {
  platform::SetClock([] { return platform::LocalDateTime{2024, 3, 5, 14, 7, 9, 0}; });
  platform::SetDateTimeFormats("dd/MM/yyyy", "HH:mm:ss");
  pageNumber = 2;
  pageCount = 7;
  const uint8_t types[] = {engine::kVarPageNumber, engine::kVarPageCount, engine::kVarDate, engine::kVarTime,
                           engine::kVarDateTime};
  for (uint8_t type : types) {
    rcDefItem& variable = Add(templateItems, "SYS" + std::to_string(type), kVariable,
                              Variable("REPORT", type, &body, &loud));
    Draw(*Placed(variable, {0, 0, 10, 10}));
  }
  EXPECT_EQ(TextsOf(canvas.Calls),
            (std::vector<std::string>{"2", "7", "05/03/2024", "14:07:09", "05/03/2024 14:07:09"}));
  // Without an instance value the main style's font is used.
  for (const CanvasCall& call : canvas.Calls) EXPECT_EQ(call.font, body.Font);
}

TEST_F(TextDrawingTest, UnknownVarTypeDrawsNoText) {
  rcDefItem& variable = Add(templateItems, "V", kVariable, Variable("REPORT", engine::kVarUnknown, &body));
  auto value = ValuePair(variable, std::string("never"));
  Draw(*PlacedValue(*value, {0, 0, 10, 10}));
  EXPECT_TRUE(canvas.Calls.empty());
}

TEST_F(TextDrawingTest, EntryWithoutItemIsPassedOver) {
  engine::TPlacedItem empty;
  EXPECT_EQ(Draw(empty), engine::ItemResult::Continue);
  EXPECT_TRUE(canvas.Calls.empty());
}

}  // namespace
