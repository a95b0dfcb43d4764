// The shape popup: kinds, colours, border thickness and the patterns.
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

class ShapeCommandsTest : public PropertiesTest {
 protected:
  designer::TShapeRegion* Shape() {
    auto* shape = Place<designer::TShapeRegion>(FixedRegion(), designer::kModeShape);
    Pick(shape);
    return shape;
  }
  void ReplyColor(platform::TColor color) {
    platform::DialogReply reply;
    reply.result = platform::mrOk;
    reply.color = color;
    dialogs->Reply(reply);
  }
};

TEST_F(ShapeCommandsTest, SelectShapeItemsSetTheirKind) {
  designer::TShapeRegion* shape = Shape();
  ASSERT_NE(shape, nullptr);
  const std::vector<std::pair<std::string, int>> kinds = {
      {"Ellipse1", 2}, {"VerticalLine1", 3}, {"HorizontalLine1", 4}, {"RoundRectangle1", 1}, {"Rectangle1", 0}};
  for (const auto& [item, kind] : kinds) {
    Choose(item);
    EXPECT_EQ(shape->Shape, kind) << item;
  }
  Choose("VerticalLine1");
  EXPECT_EQ(shape->Width(), 15) << "a vertical line is 15 pixels wide";
  EXPECT_EQ(shape->FShapeControl->Align(), platform::TAlign::alLeft);
}

TEST_F(ShapeCommandsTest, ColoursComeFromTheColourDialog) {
  designer::TShapeRegion* shape = Shape();
  ReplyColor(0x0000FF);
  Choose("EditText2");
  EXPECT_EQ(shape->FillColor, 0x0000FF);
  EXPECT_EQ(LastRequest().kind, platform::DialogRequest::Kind::Color);
  ReplyColor(0x00FF00);
  Choose("SelectBorderColor1");
  EXPECT_EQ(shape->BorderColor, 0x00FF00);
  EXPECT_EQ(LastRequest().color, 0x0000FFu) << "the dialog keeps its last colour";

  dialogs->ReplyCancel();
  Choose("EditText2");
  dialogs->ReplyCancel();
  Choose("SelectBorderColor1");
  EXPECT_EQ(shape->FillColor, 0x0000FF);
  EXPECT_EQ(shape->BorderColor, 0x00FF00);

  // A line's colour is its pen.
  Choose("HorizontalLine1");
  ReplyColor(0x123456);
  Choose("EditText2");
  EXPECT_EQ(shape->BorderColor, 0x123456);
  EXPECT_EQ(shape->FillColor, 0x0000FF);
}

TEST_F(ShapeCommandsTest, BorderThicknessIsTheNumberAnswered) {
  designer::TShapeRegion* shape = Shape();
  dialogs->ReplyText("3");
  Choose("BorderThickness1");
  EXPECT_EQ(shape->BorderThickness, 3);
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.caption, "Select the Border Thickenss");
  EXPECT_EQ(asked.text, "Prompt");
  EXPECT_EQ(asked.value, "1");

  // The default answer, and a cancelled question, give 1.
  dialogs->ReplyText("1");
  Choose("BorderThickness1");
  EXPECT_EQ(shape->BorderThickness, 1);
  dialogs->ReplyText("$A");
  Choose("BorderThickness1");
  EXPECT_EQ(shape->BorderThickness, 10) << "the platform's integer syntax";
  dialogs->ReplyCancel();
  Choose("BorderThickness1");
  EXPECT_EQ(shape->BorderThickness, 1);

  for (const char* ignored : {"x", "2.5", "", "-2", "3 px"}) {
    dialogs->ReplyText("4");
    Choose("BorderThickness1");
    dialogs->ReplyText(ignored);
    Choose("BorderThickness1");
    EXPECT_EQ(shape->BorderThickness, 4) << '"' << ignored << '"';
  }
  Choose("VerticalLine1");
  dialogs->ReplyText("6");
  Choose("BorderThickness1");
  EXPECT_EQ(shape->FShapeControl->Width(), 6) << "a vertical line is as wide as its pen";
}

TEST_F(ShapeCommandsTest, PatternsAreThePlacesOfTheirItems) {
  designer::TShapeRegion* shape = Shape();
  const std::vector<std::string> fills = {"Solid1", "Clear1", "Horizontal1", "Vertical1",
                                          "ForwardDiag1", "BackDiag1", "Cross1", "DiagonalCross1"};
  for (int i = static_cast<int>(fills.size()) - 1; i >= 0; --i) {
    Choose(fills[static_cast<std::size_t>(i)]);
    EXPECT_EQ(shape->FillPattern, i) << fills[static_cast<std::size_t>(i)];
    EXPECT_EQ(static_cast<int>(shape->FShapeControl->Brush().Style), i);
  }
  const std::vector<std::string> pens = {"Solid2", "Dash1", "Dot1", "DashDot1", "DashDotDot1"};
  for (int i = static_cast<int>(pens.size()) - 1; i >= 0; --i) {
    Choose(pens[static_cast<std::size_t>(i)]);
    EXPECT_EQ(shape->BorderPattern, i) << pens[static_cast<std::size_t>(i)];
    EXPECT_EQ(static_cast<int>(shape->FShapeControl->Pen().Style), i);
  }
}

}  // namespace
}  // namespace tessel_test
