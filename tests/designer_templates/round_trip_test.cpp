// A design saved, opened and saved again gives the same file, and the
// objects read back are those that were saved.
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;

class RoundTrip : public TemplateTest {
 protected:
  // Style index in use, with its seven menu items.
  void AddStyle(const designer::TStyleRecord& style) {
    TForm1& f = form();
    *f.Program().StyleList[static_cast<std::size_t>(f.FStyleCount)] = style;
    f.CreateStyleMenuItems(f.FStyleCount);
    ++f.FStyleCount;
  }
  const designer::TStyleRecord& Style(int index) { return *form().Program().StyleList[static_cast<std::size_t>(index)]; }

  // Every kind with properties off their defaults, labels placed in the
  // order the file lists them.
  void BuildDesign() {
    TForm1& f = form();
    AddStyle({0, "Heading", 1, 12, 0x800000, "Arial", "NONE"});
    AddStyle({0, "Alert", 3, 9, 0x0000FF, "Courier New", ""});
    designer::TRegion* body = Fixed(f.REPORT, 20, 30);
    body->FBorder = {15, 2, 0x808080, 1};
    body->FAbsolute = 1;
    designer::TStyledLabel* heading = Text(body, 10, 10);
    f.ApplyStyle(heading, Style(1));
    heading->SetCaption("Stock & prices");
    auto* date = Place<designer::TVariableLabel>(&TForm1::Date1Click, body, 400, 10);
    date->SetName("Today");
    date->SetCaption("Today");
    auto* rows = Place<designer::TRegion>(&TForm1::Repeat1Click, body, 0, 60);
    rows->SetBounds(0, 60, 580, 24);
    rows->FBorder = {1, 1, 0xC0C0C0, 3};
    Text(rows, 2, 2)->SetCaption("Row");
    auto* quantity = Place<designer::TVariableLabel>(&TForm1::Integer1Click, rows, 100, 2);
    quantity->SetName("Quantity");
    quantity->SetCaption("Quantity");
    quantity->HighlightWhen = designer::hlType::lessThan;
    quantity->HighlightValue = "12";
    quantity->HighlightStyle = "Alert";
    quantity->MasterVariable = 1;
    auto* line = Place<designer::TShapeRegion>(&TForm1::Shape1Click, body, 10, 100);
    line->SetShape(designer::kVerticalLine);
    line->SetBorderColor(0x0000FF);
    line->SetBorderThickness(3);
    auto* box = Place<designer::TShapeRegion>(&TForm1::Shape1Click, body, 40, 100);
    box->SetShape(designer::kEllipse);
    box->SetFillColor(0xFFFF00);
    box->SetFillPattern(6);
    box->SetBorderPattern(2);
    Text(box, 5, 5)->SetCaption("In the ellipse");
    auto* logo = Place<designer::TImageRegion>(&TForm1::FixedImage1Click, body, 250, 100);
    logo->FImageFile = "DYNAMIC";
    auto* notes = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, body, 400, 100);
    notes->FRichEdit->SetLines({"First line", "", "Third line"});
    f.ApplyStyle(notes->FRichEdit, Style(1));
    auto* letter = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, body, 400, 420);
    letter->FRtfFile = "DYNAMIC";
    auto* titles = Place<designer::TRegion>(&TForm1::SpeedButton12Click, body, 0, 40);
    titles->SetBounds(0, 40, 580, 20);
    Text(titles, 1, 1)->SetCaption("Titles");
  }
};

TEST_F(RoundTrip, SavedOpenedAndSavedAgainGivesTheSameFile) {
  BuildDesign();
  SaveAs("first.qnf");
  ASSERT_TRUE(Errors().empty());
  Open("first.qnf");
  EXPECT_TRUE(Errors().empty());
  EXPECT_TRUE(dialogs->Messages().empty());
  TForm1& f = form();
  EXPECT_FALSE(f.FModified);
  EXPECT_EQ(f.FFileName, WindowsPath("first.qnf"));
  EXPECT_EQ(f.Caption(), f.FFileName);
  SaveAs("second.qnf");
  EXPECT_EQ(Bytes("second.qnf"), Bytes("first.qnf"));
}

TEST_F(RoundTrip, TheObjectsReadBackAreThoseSaved) {
  BuildDesign();
  SaveAs("design.qnf");
  Open("design.qnf");
  TForm1& f = form();

  ASSERT_EQ(f.FStyleCount, 3);
  EXPECT_EQ(Style(1), (designer::TStyleRecord{0, "Heading", 1, 12, 0x800000, "Arial", "NONE"}));
  EXPECT_EQ(Style(2), (designer::TStyleRecord{0, "Alert", 3, 9, 0x0000FF, "Courier New", ""}));
  ASSERT_EQ(f.SelectStyle1->Count(), 3);
  EXPECT_EQ(f.SelectStyle1->Items(2)->Caption(), "Alert");

  auto* body = Object<designer::TRegion>("Region1");
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->Parent(), f.REPORT);
  EXPECT_EQ(body->DesignBounds(), (platform::TBounds{20, 30, 600, 750}));
  EXPECT_EQ(body->FBorder, (designer::TBorderRecord{15, 2, 0x808080, 1}));
  EXPECT_EQ(body->FAbsolute, 1);
  EXPECT_EQ(body->Hint(), "Region1");

  auto* heading = Object<designer::TStyledLabel>("TEXT1");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->Caption(), "Stock & prices");
  EXPECT_EQ(heading->StyleName, "Heading");
  EXPECT_EQ(heading->DesignFont(), (platform::TFont{"Arial", 12, 0x800000, 1}));

  auto* quantity = Object<designer::TVariableLabel>("Quantity");
  ASSERT_NE(quantity, nullptr);
  EXPECT_EQ(quantity->Caption(), "Quantity");
  EXPECT_EQ(quantity->VariableType, designer::TVariableType::IntegerVar);
  EXPECT_EQ(quantity->HighlightWhen, designer::hlType::lessThan);
  EXPECT_EQ(quantity->HighlightValueText(), "12");
  EXPECT_EQ(quantity->HighlightStyle, "Alert");
  EXPECT_EQ(quantity->StyleName, "DEFAULTSTYLE");
  EXPECT_EQ(quantity->MasterVariable, 1);
  EXPECT_EQ(Object<designer::TVariableLabel>("Today")->VariableType, designer::TVariableType::DateVar);

  auto* rows = dynamic_cast<designer::TRegion*>(quantity->Parent());
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->RegionType, designer::TRegionType::repeatRegion);
  EXPECT_TRUE(rows->MultiPage);
  EXPECT_EQ(rows->DesignBounds(), (platform::TBounds{0, 60, 580, 24}));

  auto* line = Object<designer::TShapeRegion>("SHAPE1");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Shape, designer::kVerticalLine);
  EXPECT_EQ(line->BorderColor, 0x0000FF);
  EXPECT_EQ(line->BorderThickness, 3);
  EXPECT_EQ(line->FShapeControl->Pen().Color, 0x0000FFu);
  auto* box = Object<designer::TShapeRegion>("SHAPE2");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->FillColor, 0xFFFF00);
  EXPECT_EQ(box->FillPattern, 6);
  EXPECT_EQ(box->BorderPattern, 2);
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT3")->Parent(), box);

  auto* notes = Object<designer::TRichTextRegion>("RichTextRegion1");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->FRichEdit->Lines(), (std::vector<std::string>{"First line", "", "Third line"}));
  EXPECT_EQ(notes->FStyleName, "Heading");
  EXPECT_EQ(notes->FRichEdit->Font(), (platform::TFont{"Arial", 12, 0x800000, 1}));
  // Direct text stores no folder: it gets the report style's.
  EXPECT_EQ(notes->FFileLocation, "RTFS");
  EXPECT_EQ(Object<designer::TRichTextRegion>("RichTextRegion2")->FRtfFile, "DYNAMIC");
  EXPECT_EQ(Object<designer::TImageRegion>("ImageRegion1")->FImageFile, "DYNAMIC");
  auto* titles = Object<designer::TRegion>("Region3");
  ASSERT_NE(titles, nullptr);
  EXPECT_NE(dynamic_cast<designer::TTitleRegion*>(titles), nullptr);
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT4")->Caption(), "Titles");
}

TEST_F(RoundTrip, ReadingNumbersLabelsInReadingOrder) {
  TForm1& f = form();
  designer::TRegion* outer = Fixed(f.REPORT, 0, 0);
  designer::TRegion* inner = Fixed(outer, 0, 100);
  Text(inner, 1, 1)->SetCaption("deep");      // TEXT1
  Text(outer, 1, 1)->SetCaption("shallow");   // TEXT2
  Text(outer, 1, 30)->SetName("Caption");     // renamed by the author
  SaveAs("labels.qnf");
  Open("labels.qnf");
  // The file lists a container's labels before its regions.
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT1")->Caption(), "shallow");
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT2")->Caption(), "TEXT3");
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT3")->Caption(), "deep");
  EXPECT_EQ(Object("Caption"), nullptr);
  EXPECT_EQ(f.FTextCount, 3);
  // Saved again, the file names them as they are now, and stays so.
  SaveAs("again.qnf");
  Open("again.qnf");
  SaveAs("third.qnf");
  EXPECT_EQ(Bytes("third.qnf"), Bytes("again.qnf"));
}

TEST_F(RoundTrip, TheShippedSampleOpensAndSavesBackByteForByte) {
  const std::string sample = ReadFileBytes(std::string(TESSEL_SAMPLES) + "/sample.qnf");
  ASSERT_FALSE(sample.empty());
  Write("sample.qnf", sample);
  Open("sample.qnf");
  EXPECT_TRUE(Errors().empty());
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_NE(Object("Records"), nullptr);
  SaveAs("saved.qnf");
  EXPECT_EQ(Bytes("saved.qnf"), sample);
}

}  // namespace
}  // namespace tessel_test
