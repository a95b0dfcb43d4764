// What Save writes: the sections and keys of every kind, in the designer's
// order, numbered depth first, with labels ahead of regions.
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;

// WIDTH and HEIGHT of a label that sizes itself to its text.
std::string LabelSizeKeys(const std::string& text) {
  const platform::TPoint size = LabelSize(text);
  return "WIDTH=" + std::to_string(size.X) + "\nHEIGHT=" + std::to_string(size.Y) + "\n";
}

constexpr const char* kHead =
    "[RSTYLES]\nRR0=REPORTSTYLE\n"
    "[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\nPLACELEFT=0\nPLACETOP=0\n"
    "ORIENTATION=0\nBORDERSTYLE=0\nBORDERTHICKNESS=2\nBORDERCOLOR=0\nBORDERLINETYPE=0\n"
    "IMAGEFILELOCATION=IMAGES\nRTFFILELOCATION=RTFS\n";
constexpr const char* kDefaultStyle =
    "[STYLES]\nRS0=LABELSTYLE\n"
    "[RS0]\nSTYLENAME=DEFAULTSTYLE\nSTYLE=0\nSIZE=8\nCOLOR=0\nNAME=Arial\nALIGNMENT=NONE\n";
constexpr const char* kNoBorder = "BORDERSTYLE=0\nBORDERTHICKNESS=0\nBORDERCOLOR=0\nBORDERLINESTYLE=0\n";

class TemplateWriting : public TemplateTest {};

TEST_F(TemplateWriting, EveryKindInItsOrderNumberedDepthFirst) {
  TForm1& f = form();
  designer::TRegion* outer = Fixed(f.REPORT, 10, 20);
  auto* repeat = Place<designer::TRegion>(&TForm1::Repeat1Click, outer, 5, 100);
  ASSERT_NE(Text(repeat, 4, 4), nullptr);
  // Placed after a region, still written before it.
  ASSERT_NE(Text(outer, 300, 10), nullptr);
  ASSERT_NE(Place(&TForm1::String1Click, outer, 300, 40), nullptr);
  auto* shape = Place<designer::TShapeRegion>(&TForm1::Shape1Click, outer, 460, 100);
  ASSERT_NE(shape, nullptr);
  ASSERT_NE(Text(shape, 5, 5), nullptr);
  ASSERT_NE(Place(&TForm1::FixedImage1Click, outer, 460, 200), nullptr);
  auto* richText = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, outer, 20, 400);
  ASSERT_NE(richText, nullptr);
  richText->FRichEdit->SetLines({"one", "two", "three"});
  auto* title = Place<designer::TRegion>(&TForm1::SpeedButton12Click, outer, 0, 0);
  ASSERT_NE(title, nullptr);
  auto* inner = Place<designer::TRegion>(&TForm1::Repeat1Click, title, 10, 10);
  ASSERT_NE(inner, nullptr);
  inner->MultiPage = false;

  SaveAs("every.qnf");
  EXPECT_EQ(f.FFileName, WindowsPath("every.qnf"));
  EXPECT_EQ(f.Caption(), f.FFileName);
  EXPECT_FALSE(f.FModified);
  EXPECT_TRUE(f.FProceed);
  EXPECT_TRUE(Errors().empty());
  const std::string expected = std::string(kHead) + kDefaultStyle +
      "[REPORT]\nRC1=FIXEDREGION\n"
      "[RC1]\nNAME=Region1\nLEFT=10\nTOP=20\nWIDTH=600\nHEIGHT=750\nPARENT=REPORT\n" + kNoBorder + "ABSOLUTE=0\n"
      "[Region1]\nRC2=LABEL\nRC3=VARIABLE\nRC4=REPEATREGION\nRC6=SHAPEREGION\nRC8=IMAGEREGION\n"
      "RC9=RICHTEXTREGION\nRC10=TITLEREGION\n"
      "[RC2]\nNAME=TEXT2\nLEFT=300\nTOP=10\n" + LabelSizeKeys("TEXT2") + "PARENT=Region1\nTEXT=TEXT2\n"
      "STYLE=DEFAULTSTYLE\n"
      "[RC3]\nNAME=VAR1\nLEFT=300\nTOP=40\n" + LabelSizeKeys("VAR1") + "PARENT=Region1\nVARTYPE=string\n"
      "HLWHEN=none\nHLVALUE=\nMASTERVARIABLE=0\nSTYLE=DEFAULTSTYLE\nHLSTYLE=DEFAULTSTYLE\n"
      "[RC4]\nNAME=Region2\nLEFT=5\nTOP=100\nWIDTH=450\nHEIGHT=562\nPARENT=Region1\n" + kNoBorder +
      "MULTIPAGE=TRUE\n"
      "[Region2]\nRC5=LABEL\n"
      "[RC5]\nNAME=TEXT1\nLEFT=4\nTOP=4\n" + LabelSizeKeys("TEXT1") + "PARENT=Region2\nTEXT=TEXT1\n"
      "STYLE=DEFAULTSTYLE\n"
      "[RC6]\nNAME=SHAPE1\nLEFT=460\nTOP=100\nWIDTH=185\nHEIGHT=41\nPARENT=Region1\nSHAPE=0\n"
      "FILLCOLOR=16777215\nFILLPATTERN=0\nBORDERCOLOR=0\nBORDERTHICKNESS=1\nBORDERPATTERN=0\n"
      "[SHAPE1]\nRC7=LABEL\n"
      "[RC7]\nNAME=TEXT3\nLEFT=5\nTOP=5\n" + LabelSizeKeys("TEXT3") + "PARENT=SHAPE1\nTEXT=TEXT3\n"
      "STYLE=DEFAULTSTYLE\n"
      "[RC8]\nNAME=ImageRegion1\nLEFT=460\nTOP=200\nWIDTH=120\nHEIGHT=300\nPARENT=Region1\nIMAGEFILE=\n"
      "FILELOCATION=IMAGES\n"
      "[RC9]\nNAME=RichTextRegion1\nLEFT=20\nTOP=400\nWIDTH=120\nHEIGHT=300\nPARENT=Region1\nSTYLE=\n"
      "RTFFILE=\nLINE1=one\nLINE2=two\nLINE3=three\n"
      "[RC10]\nNAME=Region3\nLEFT=0\nTOP=0\nWIDTH=450\nHEIGHT=562\nPARENT=Region1\n" + kNoBorder +
      "[Region3]\nRC11=REPEATREGION\n"
      "[RC11]\nNAME=Region4\nLEFT=10\nTOP=10\nWIDTH=338\nHEIGHT=422\nPARENT=Region3\n" + kNoBorder +
      "MULTIPAGE=FALSE\n";
  EXPECT_EQ(Bytes("every.qnf"), Crlf(expected));
}

TEST_F(TemplateWriting, PropertiesOfEachKindAsTheObjectsHoldThem) {
  TForm1& f = form();
  designer::TRegion* region = Fixed(f.REPORT, 0, 0);
  region->FBorder = designer::TBorderRecord{5, 3, 255, 2};
  region->FAbsolute = 1;
  auto* variable = Place<designer::TVariableLabel>(&TForm1::Integer1Click, region, 1, 2);
  ASSERT_NE(variable, nullptr);
  variable->SetName("Total");
  variable->SetCaption("Total");
  variable->HighlightWhen = designer::hlType::greaterThanEquals;
  variable->HighlightValue = "100";
  variable->MasterVariable = 1;
  variable->HighlightStyle = "DEFAULTSTYLE";
  auto* line = Place<designer::TShapeRegion>(&TForm1::Shape1Click, region, 3, 4);
  ASSERT_NE(line, nullptr);
  line->SetShape(designer::kHorizontalLine);
  line->SetBorderColor(0x800000);
  line->SetBorderThickness(2);
  line->SetFillPattern(7);
  line->SetBorderPattern(4);
  auto* image = Place<designer::TImageRegion>(&TForm1::FixedImage1Click, region, 5, 6);
  ASSERT_NE(image, nullptr);
  image->FImageFile = "DYNAMIC";
  image->FFileLocation = "..\\PICS";
  auto* richText = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, region, 7, 8);
  ASSERT_NE(richText, nullptr);
  richText->FRtfFile = "C:\\Docs\\notes.rtf";
  richText->FStyleName = "Heading";
  f.FSectionCounter = 0;

  SaveAs("kinds.qnf");
  const std::string file = Bytes("kinds.qnf");
  const platform::TPoint total = LabelSize("Total");
  EXPECT_NE(file.find(Crlf("[RC1]\nNAME=Region1\nLEFT=0\nTOP=0\nWIDTH=600\nHEIGHT=750\nPARENT=REPORT\n"
                           "BORDERSTYLE=5\nBORDERTHICKNESS=3\nBORDERCOLOR=255\nBORDERLINESTYLE=2\nABSOLUTE=1\n")),
            std::string::npos)
      << file;
  // NAME stands once, first, with the caption.
  EXPECT_NE(file.find(Crlf("[RC2]\nNAME=Total\nLEFT=1\nTOP=2\nWIDTH=" + std::to_string(total.X) + "\nHEIGHT=" +
                           std::to_string(total.Y) + "\nPARENT=Region1\nVARTYPE=integer\n"
                           "HLWHEN=greaterThanEquals\nHLVALUE=100\nMASTERVARIABLE=1\nSTYLE=DEFAULTSTYLE\n"
                           "HLSTYLE=DEFAULTSTYLE\n")),
            std::string::npos)
      << file;
  EXPECT_NE(file.find(Crlf("PARENT=Region1\nSHAPE=4\nFILLCOLOR=16777215\nFILLPATTERN=7\nBORDERCOLOR=8388608\n"
                           "BORDERTHICKNESS=2\nBORDERPATTERN=4\n")),
            std::string::npos)
      << file;
  EXPECT_NE(file.find(Crlf("PARENT=Region1\nIMAGEFILE=DYNAMIC\nFILELOCATION=..\\PICS\n")), std::string::npos);
  // From a file: eight keys, no style.
  EXPECT_TRUE(file.ends_with(Crlf("[RC5]\nNAME=RichTextRegion1\nLEFT=7\nTOP=8\nWIDTH=120\nHEIGHT=300\n"
                                  "PARENT=Region1\nRTFFILE=C:\\Docs\\notes.rtf\nFILELOCATION=RTFS\n")))
      << file;
}

TEST_F(TemplateWriting, DirectTextKeepsLongLinesWholeAcrossLineKeys) {
  designer::TRegion* region = Fixed(form().REPORT, 0, 0);
  auto* richText = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, region, 0, 0);
  ASSERT_NE(richText, nullptr);
  const std::string typed300(300, 'a');
  const std::string long1500 = std::string(1023, 'b') + std::string(477, 'c');
  richText->FRichEdit->SetLines({typed300, "", long1500, "end"});
  SaveAs("lines.qnf");
  EXPECT_NE(Bytes("lines.qnf").find(Crlf("RTFFILE=\nLINE1=" + typed300 + "\nLINE2=\nLINE3=" + std::string(1023, 'b') +
                                         "\nLINE4=" + std::string(477, 'c') + "\nLINE5=end\n")),
            std::string::npos);

  Open("lines.qnf");
  auto* read = Object<designer::TRichTextRegion>("RichTextRegion1");
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->FRichEdit->Lines(),
            (std::vector<std::string>{typed300, "", std::string(1023, 'b'), std::string(477, 'c'), "end"}));

  // A line break at every 1,023rd character, none at the 1,023rd itself.
  read->FRichEdit->SetLines({std::string(1023, 'd'), std::string(2047, 'e')});
  form().Save1Click(nullptr);
  Open("lines.qnf");
  read = Object<designer::TRichTextRegion>("RichTextRegion1");
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->FRichEdit->Lines(), (std::vector<std::string>{std::string(1023, 'd'), std::string(1023, 'e'),
                                                                 std::string(1023, 'e'), "e"}));
}

TEST_F(TemplateWriting, EveryStyleTheObjectsNameIsInTheTemplate) {
  TForm1& f = form();
  designer::TRegion* region = Fixed(f.REPORT, 0, 0);
  designer::TStyledLabel* label = Text(region, 0, 0);
  ASSERT_NE(label, nullptr);
  label->StyleName = "Gone";
  auto* richText = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, region, 0, 50);
  ASSERT_NE(richText, nullptr);
  richText->FStyleName = "Quote";
  // The author deleted every style, the default one included.
  f.RemoveStyleMenuItems(0);
  f.FStyleCount = 0;
  SaveAs("styles.qnf");
  const std::string file = Bytes("styles.qnf");
  EXPECT_NE(file.find(Crlf("[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\n"
                           "[RS0]\nSTYLENAME=Gone\nSTYLE=0\nSIZE=8\nCOLOR=0\nNAME=Arial\nALIGNMENT=NONE\n"
                           "[RS1]\nSTYLENAME=Quote\nSTYLE=0\nSIZE=8\nCOLOR=0\nNAME=Arial\nALIGNMENT=NONE\n"
                           "[REPORT]\n")),
            std::string::npos)
      << file;
  EXPECT_EQ(file.find("DEFAULTSTYLE"), std::string::npos) << "no object prints in it";
}

TEST_F(TemplateWriting, RealsInTheLocaleSeparator) {
  TForm1& f = form();
  f.Program().ReportStyle.PlaceLeft = 0.25;
  {
    const DecimalSeparatorScope comma(',');
    SaveAs("comma.qnf");
  }
  const std::string file = Bytes("comma.qnf");
  EXPECT_NE(file.find(Crlf("PAPERWIDTH=8,5\nPAPERHEIGHT=11\nPLACELEFT=0,25\n")), std::string::npos) << file;
}

TEST_F(TemplateWriting, WritesInDesignUnitsAtAnyZoomAndGivesTheZoomBack) {
  Activate();
  TForm1& f = form();
  ASSERT_EQ(f.Program().ZoomLevel, -1);
  designer::TRegion* region = Fixed(f.REPORT, 17, 34);
  ASSERT_NE(region, nullptr);
  const platform::TBounds design = region->DesignBounds();
  SaveAs("zoomed.qnf");
  EXPECT_EQ(f.Program().ZoomLevel, -1);
  EXPECT_NE(Bytes("zoomed.qnf").find(Crlf("LEFT=" + std::to_string(design.Left) + "\nTOP=" +
                                          std::to_string(design.Top) + "\nWIDTH=" + std::to_string(design.Width) +
                                          "\nHEIGHT=" + std::to_string(design.Height) + "\n")),
            std::string::npos);
  EXPECT_EQ(design.Left, 20);
  EXPECT_EQ(design.Top, 40);
}

}  // namespace
}  // namespace tessel_test
