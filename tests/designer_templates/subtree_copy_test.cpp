// One object with everything inside it written as template text into a file
// in memory and read back into another container under fresh names: the
// way a copy of an object is made.
#include "designer/template_io/control_tree_io.h"
#include "platform/ini/ini_file.h"
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;

class SubtreeCopy : public TemplateTest {};

TEST_F(SubtreeCopy, AnObjectAndWhatItHoldsReadBackIntoAnotherContainer) {
  TForm1& f = form();
  designer::TRegion* source = Fixed(f.REPORT, 0, 0);
  designer::TRegion* box = Fixed(source, 10, 20);
  box->SetName("Box");
  box->FBorder = {15, 2, 255, 1};
  Text(box, 3, 4)->SetCaption("inside");
  auto* total = Place<designer::TVariableLabel>(&TForm1::Integer1Click, box, 50, 4);
  total->SetName("Total");
  total->SetCaption("Total");
  auto* inner = Place<designer::TRegion>(&TForm1::Repeat1Click, box, 0, 40);
  inner->SetName("Rows");
  designer::TRegion* target = Fixed(f.REPORT, 0, 800);

  f.FIniFile = std::make_unique<platform::TIniFile>("", platform::TIniFile::NewInMemory{});
  platform::TIniFile& copy = *f.FIniFile;
  int counter = 0;
  designer::WriteControlEntry(f, copy, "COPY", box, counter);
  EXPECT_EQ(copy.ReadSection("COPY"), std::vector<std::string>{"RC1"});
  EXPECT_EQ(copy.ReadString("RC1", "PARENT", ""), "Region1");
  EXPECT_EQ(copy.ReadSection("Box"), (std::vector<std::string>{"RC2", "RC3", "RC4"}));
  EXPECT_EQ(counter, 4);

  // Into the target, under names of the caller's choosing.
  copy.WriteString("RC1", "PARENT", "REPORT");
  f.Stack1->Push(target);
  const int stackDepth = f.Stack1->Count();
  f.FReadName = [](const std::string& stored) { return stored + "_1"; };
  f.SetZoom(-2);
  f.ReadControls("COPY");
  f.FReadName = nullptr;
  f.FIniFile.reset();
  EXPECT_EQ(f.Stack1->Count(), stackDepth - 1);
  EXPECT_EQ(f.Program().ZoomLevel, -2);
  f.SetZoom(0);

  auto* copied = Object<designer::TRegion>("Box_1");
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->Parent(), target);
  EXPECT_EQ(copied->DesignBounds(), box->DesignBounds());
  EXPECT_EQ(copied->FBorder, box->FBorder);
  EXPECT_EQ(copied->Hint(), "Box_1");
  auto* copiedTotal = Object<designer::TVariableLabel>("Total_1");
  ASSERT_NE(copiedTotal, nullptr);
  EXPECT_EQ(copiedTotal->Parent(), copied);
  EXPECT_EQ(copiedTotal->Caption(), "Total_1");
  EXPECT_EQ(copiedTotal->VariableType, designer::TVariableType::IntegerVar);
  EXPECT_EQ(Object("Rows_1")->Parent(), copied);
  // A label takes the next number of its counter.
  auto* copiedLabel = Object<designer::TStyledLabel>("TEXT2");
  ASSERT_NE(copiedLabel, nullptr);
  EXPECT_EQ(copiedLabel->Parent(), copied);
  EXPECT_EQ(copiedLabel->Caption(), "inside");
  // The source is untouched, and nothing was asked or told.
  EXPECT_EQ(box->Parent(), source);
  EXPECT_EQ(box->ControlCount(), 4);
  EXPECT_EQ(total->Parent(), box);
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(SubtreeCopy, ReadingKeepsTheToolModeAndCopySourceItFound) {
  TForm1& f = form();
  designer::TRegion* region = Fixed(f.REPORT, 0, 0);
  designer::TStyledLabel* label = Text(region, 1, 1);
  f.FIniFile = std::make_unique<platform::TIniFile>("", platform::TIniFile::NewInMemory{});
  int counter = 0;
  designer::WriteControlEntry(f, *f.FIniFile, "COPY", label, counter);
  f.FIniFile->WriteString("RC1", "PARENT", "REPORT");
  f.FCopySource = label;
  f.SetMode(designer::kModePaste);
  f.Stack1->Push(region);
  f.ReadControls("COPY");
  f.FIniFile.reset();
  EXPECT_EQ(f.FMode, designer::kModePaste);
  EXPECT_EQ(f.ModeLabel->Caption(), "Paste");
  EXPECT_EQ(f.FCopySource.Get(), label);
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT2")->Caption(), "TEXT1");
}

}  // namespace
}  // namespace tessel_test
