// The commands that choose tool modes, the mode buttons and Cancel/Refresh.
#include "designer/objects/regions.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using ModeCommandsTest = DesignerTest;

TEST_F(ModeCommandsTest, CaptionsOfTheModes) {
  designer::TForm1& f = form();
  const std::vector<std::pair<platform::TMenuItem*, std::string>> commands = {
      {f.Fixed1, "Fixed Reg"},   {f.Repeat1, "Repeat Reg"}, {f.FixedImage1, "Image Reg"},
      {f.Text1, "Text"},         {f.Shape1, "Shape Reg"},   {f.String1, "Variable"},
      {f.Move1, "Move"},         {f.Size1, "Size"}};
  for (const auto& [item, caption] : commands) {
    item->Click();
    EXPECT_EQ(f.ModeLabel->Caption(), caption) << item->Name();
  }
  f.SpeedButton7->Click();
  EXPECT_EQ(f.ModeLabel->Caption(), "Rich Text Reg");
  EXPECT_EQ(f.FMode, designer::kModeRichText);
}

TEST_F(ModeCommandsTest, MoveAndSizeHoldTheirButtonDownAndCancelRaisesIt) {
  designer::TForm1& f = form();
  f.Move1->Click();
  EXPECT_TRUE(f.SpeedButton5->Down());
  EXPECT_EQ(f.FMode, designer::kModeMove);
  f.Size1->Click();
  EXPECT_TRUE(f.SpeedButton6->Down());
  EXPECT_FALSE(f.SpeedButton5->Down()) << "one group: one button down";
  f.tempLabel->SetCaption("message");
  f.SpeedButton9Click(nullptr);
  EXPECT_EQ(f.FMode, designer::kModeNone);
  EXPECT_FALSE(f.SpeedButton6->Down());
  EXPECT_EQ(f.tempLabel->Caption(), "");
  EXPECT_EQ(f.ModeLabel->Caption(), "");
}

TEST_F(ModeCommandsTest, ToolCommandsClearTheCopySourceAndMarkTheDesign) {
  designer::TForm1& f = form();
  for (platform::TMenuItem* item : {f.Fixed1, f.Repeat1, f.FixedImage1, f.Text1, f.Shape1, f.Integer1, f.Move1,
                                    f.Size1}) {
    f.FCopySource = f.REPORT;
    f.FModified = false;
    item->Click();
    EXPECT_EQ(f.FCopySource.Get(), nullptr) << item->Name();
    EXPECT_TRUE(f.FModified) << item->Name();
  }
  f.FCopySource = f.REPORT;
  f.FModified = false;
  f.SpeedButton9Click(nullptr);
  EXPECT_EQ(f.FCopySource.Get(), nullptr);
  EXPECT_FALSE(f.FModified) << "Cancel/Refresh changes nothing of the design";
}

TEST_F(ModeCommandsTest, VariableWords) {
  designer::TForm1& f = form();
  const std::vector<std::pair<platform::TMenuItem*, std::string>> words = {
      {f.String1, "string"}, {f.Integer1, "integer"}, {f.FloatingPoint1, "floatingPoint"}, {f.Page1, "Page #"},
      {f.ofPages1, "# Pages"}, {f.Date1, "Date"},     {f.Time1, "Time"},                   {f.DateTime1, "DateTime"}};
  for (const auto& [item, word] : words) {
    item->Click();
    EXPECT_EQ(f.FVariableTypeWord, word);
  }
}

TEST_F(ModeCommandsTest, AddVariableButtonOpensItsMenuUnderTheButton) {
  designer::TForm1& f = form();
  std::vector<std::string> opened;
  platform::ScopedPopupRecorder recorder([&](platform::TPopupMenu& menu, int, int) { opened.push_back(menu.Name()); });
  f.FCopySource = f.REPORT;
  f.FModified = false;
  f.SpeedButton10->Click();
  EXPECT_EQ(opened, std::vector<std::string>{"PopupMenu1"});
  EXPECT_EQ(f.FCopySource.Get(), nullptr);
  EXPECT_FALSE(f.FModified);
}

}  // namespace
}  // namespace tessel_test
