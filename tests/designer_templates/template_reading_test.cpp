// What Open makes of templates the designer would not write: entries it
// cannot place, long style lists, deep nesting, damaged files, and names
// that would share a section of the file.
#include "designer/template_io/section_names.h"
#include "platform/controls/exceptions.h"
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;

constexpr const char* kHead =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\n"
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nSTYLE=0\nSIZE=8\nCOLOR=0\nNAME=Arial\n";

std::string Region(int number, const std::string& name, const std::string& parent, const std::string& more = "") {
  return "[RC" + std::to_string(number) + "]\nNAME=" + name + "\nLEFT=1\nTOP=2\nWIDTH=300\nHEIGHT=200\nPARENT=" +
         parent + "\n" + more;
}

std::string Label(int number, const std::string& parent, const std::string& text, const std::string& style = "") {
  return "[RC" + std::to_string(number) + "]\nNAME=L" + std::to_string(number) + "\nLEFT=3\nTOP=4\nWIDTH=9\n"
         "HEIGHT=9\nPARENT=" + parent + "\nTEXT=" + text + "\nSTYLE=" + style + "\n";
}

class TemplateReading : public TemplateTest {
 protected:
  void OpenText(const std::string& text, int messages = 0) {
    Write("t.qnf", Crlf(text));
    Open("t.qnf", messages);
  }
};

TEST_F(TemplateReading, AnEntryWithoutAContainerIsLeftOutWithOneMessage) {
  const int messages = 2;
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=LABEL\nRC3=LABEL\nRC4=VARIABLE\nRC5=LABEL\n" + Label(2, "Nowhere", "lost") +
           Label(3, "Body", "kept") +
           "[RC4]\nNAME=Total\nLEFT=0\nTOP=0\nWIDTH=1\nHEIGHT=1\nPARENT=Body\nVARTYPE=integer\n" +
           Label(5, "Total", "on a variable"), messages);
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"\"L2\" was left out: its container \"Nowhere\" is not in the template.",
                                      "\"L5\" was left out: \"Total\" cannot hold a LABEL."}));
  auto* body = Object<designer::TRegion>("Body");
  ASSERT_NE(body, nullptr);
  // Only the kept label and the variable went in.
  ASSERT_EQ(body->ControlCount(), 3);
  EXPECT_EQ(static_cast<platform::TLabel*>(body->Controls(1))->Caption(), "kept");
  EXPECT_EQ(body->Controls(2), Object("Total"));
  EXPECT_EQ(Object("TEXT1"), body->Controls(1));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TemplateReading, KindsPlacementWouldRefuseAreLeftOut) {
  const int messages = 4;
  OpenText(std::string(kHead) + "[REPORT]\nRC1=LABEL\nRC2=FIXEDREGION\nRC3=REPEATREGION\n" +
           Label(1, "REPORT", "on the report") + Region(2, "Body", "REPORT") + Region(3, "Rows", "REPORT") +
           "[Body]\nRC4=REPEATREGION\nRC5=REPEATREGION\nRC6=TITLEREGION\n" + Region(4, "First", "Body") +
           Region(5, "Second", "Body") + Region(6, "Titles", "Body") +
           "[Titles]\nRC7=TITLEREGION\nRC8=IMAGEREGION\n" + Region(7, "Inner", "Titles") +
           Region(8, "Picture", "Titles", "IMAGEFILE=DYNAMIC\n") + "[Picture]\nRC9=LABEL\n" +
           Label(9, "Picture", "in a picture"), messages);
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"\"L1\" was left out: \"REPORT\" cannot hold a LABEL.",
                                      "\"Second\" was left out: \"Body\" holds a REPEATREGION already.",
                                      "\"Inner\" was left out: \"Titles\" cannot hold a TITLEREGION.",
                                      "\"Rows\" was left out: \"REPORT\" cannot hold a REPEATREGION."}));
  EXPECT_NE(Object("First"), nullptr);
  EXPECT_EQ(Object("Second"), nullptr);
  EXPECT_EQ(Object("Inner"), nullptr);
  EXPECT_NE(Object("Picture"), nullptr);
  // An image region's section is never read: it holds nothing.
  EXPECT_EQ(Object("TEXT1"), nullptr);
}

TEST_F(TemplateReading, ReportAsParentMeansTheContainerBeingRead) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=LABEL\n" + Label(2, "REPORT", "inside"));
  auto* label = Object<designer::TStyledLabel>("TEXT1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), Object("Body"));
}

TEST_F(TemplateReading, ALabelNeverTakesANameALaterObjectIsStoredUnder) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=LABEL\nRC3=VARIABLE\nRC4=FIXEDREGION\n" + Label(2, "Body", "first") +
           "[RC3]\nNAME=TEXT1\nPARENT=Body\nVARTYPE=string\n" + Region(4, "text2", "Body") +
           "[text2]\nRC5=LABEL\n" + Label(5, "text2", "second"));
  EXPECT_TRUE(Errors().empty());
  EXPECT_NE(Object<designer::TVariableLabel>("TEXT1"), nullptr);
  EXPECT_NE(Object<designer::TRegion>("TEXT2"), nullptr);
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT3")->Caption(), "first");
  EXPECT_EQ(Object<designer::TStyledLabel>("TEXT4")->Caption(), "second");
}

TEST_F(TemplateReading, OnlyElevenStylesAreKept) {
  std::string styles = "[STYLES]\n";
  std::string sections;
  for (int i = 0; i < 13; ++i) {
    styles += "RS" + std::to_string(i) + "=LABELSTYLE\n";
    sections += "[RS" + std::to_string(i) + "]\nSTYLENAME=S" + std::to_string(i % 12) + "\nSTYLE=1\nSIZE=" +
                std::to_string(10 + i) + "\nCOLOR=" + std::to_string(i) + "\nNAME=Arial\n";
  }
  const int messages = 1;
  OpenText("[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\n" + styles + sections +
           "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") + "[Body]\nRC2=LABEL\nRC3=LABEL\n" +
           Label(2, "Body", "left out", "S11") + Label(3, "Body", "first of two", "S0"), messages);
  EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{
                                     "The template holds 13 styles; only the first 11 were read, the others were "
                                     "left out."});
  TForm1& f = form();
  EXPECT_EQ(f.FStyleCount, 11);
  EXPECT_EQ(f.Program().StyleList.size(), 11u);
  EXPECT_EQ(f.SelectStyle1->Count(), 11);
  EXPECT_EQ(f.DeleteStyle1->Count(), 11);
  auto* leftOut = Object<designer::TStyledLabel>("TEXT1");
  EXPECT_EQ(leftOut->StyleName, "S11");
  // No style was applied: the font is the one placement gave.
  EXPECT_EQ(leftOut->DesignFont(), (platform::TFont{"Arial", 8, platform::clWindowText, 0}));
  // S0 stands twice; the engine prints with the first, and so does the
  // designer.
  auto* first = Object<designer::TStyledLabel>("TEXT2");
  EXPECT_EQ(first->DesignFont(), (platform::TFont{"Arial", 10, 0, 1}));
  EXPECT_EQ(f.Caption(), WindowsPath("t.qnf"));
}

TEST_F(TemplateReading, ALineKeepsItsBorderColour) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=SHAPEREGION\nRC3=SHAPEREGION\n" +
           Region(2, "Rule", "Body",
                  "SHAPE=4\nFILLCOLOR=16777215\nFILLPATTERN=0\nBORDERCOLOR=0\nBORDERTHICKNESS=2\nBORDERPATTERN=0\n") +
           Region(3, "Box", "Body",
                  "SHAPE=0\nFILLCOLOR=65535\nFILLPATTERN=0\nBORDERCOLOR=255\nBORDERTHICKNESS=1\nBORDERPATTERN=0\n"));
  auto* rule = Object<designer::TShapeRegion>("Rule");
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(rule->BorderColor, 0);
  EXPECT_EQ(rule->FShapeControl->Pen().Color, 0u);
  EXPECT_EQ(rule->FillColor, 0xFFFFFF);
  auto* box = Object<designer::TShapeRegion>("Box");
  EXPECT_EQ(box->FillColor, 0x00FFFF);
  EXPECT_EQ(box->BorderColor, 0x0000FF);
  SaveAs("again.qnf");
  EXPECT_NE(Bytes("again.qnf").find(Crlf("SHAPE=4\nFILLCOLOR=16777215\nFILLPATTERN=0\nBORDERCOLOR=0\n")),
            std::string::npos);
}

TEST_F(TemplateReading, ADamagedPictureLeavesItsRegionEmptyAndReadingGoesOn) {
  Write("bad.bmp", "BM this is no bitmap at all");
  const std::string picture = WindowsPath("bad.bmp");
  const int messages = 1;
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=IMAGEREGION\nRC3=LABEL\n" +
           Region(2, "Photo", "Body", "IMAGEFILE=" + picture + "\nFILELOCATION=IMAGES\n") + Label(3, "Body", "after"), messages);
  ASSERT_EQ(dialogs->Messages().size(), 1u);
  EXPECT_EQ(dialogs->Messages()[0].rfind("\"" + picture + "\" could not be read: ", 0), 0u) << dialogs->Messages()[0];
  EXPECT_TRUE(dialogs->Messages()[0].ends_with(". Its region stays empty."));
  auto* photo = Object<designer::TImageRegion>("Photo");
  ASSERT_NE(photo, nullptr);
  EXPECT_EQ(photo->FImageFile, picture);
  EXPECT_EQ(photo->FFileLocation, "IMAGES");
  EXPECT_NE(Object("TEXT1"), nullptr);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(form().FFileName, WindowsPath("t.qnf"));
}

TEST_F(TemplateReading, OpenEndsInModeZero) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=LABEL\n" + Label(2, "Body", "last"));
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_EQ(form().ModeLabel->Caption(), "");
  // The first click after opening places nothing.
  form().FRegionGrabX = 5;
  form().FRegionGrabY = 5;
  EXPECT_EQ(form().PlaceObject(Object("Body")), nullptr);
}

TEST_F(TemplateReading, NestingStopsWhereTheEngineStops) {
  std::string text = std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "R1", "REPORT");
  for (int level = 2; level <= 70; ++level) {
    const std::string parent = "R" + std::to_string(level - 1);
    text += "[" + parent + "]\nRC" + std::to_string(level) + "=FIXEDREGION\n" +
            Region(level, "R" + std::to_string(level), parent);
  }
  const int messages = 1;
  OpenText(text, messages);
  EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"The objects inside \"R64\" were left out: regions are "
                                                          "nested deeper than 64 levels."});
  EXPECT_NE(Object("R64"), nullptr);
  EXPECT_EQ(Object("R65"), nullptr);
}

TEST_F(TemplateReading, DirectTextLinesComeAfterTheEighthKey) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           "[Body]\nRC2=RICHTEXTREGION\nRC3=RICHTEXTREGION\nRC4=RICHTEXTREGION\n" +
           Region(2, "Renamed", "Body", "STYLE=DEFAULTSTYLE\nRTFFILE=\nLINE1=one\nANY=two\nLINE3=three\n") +
           Region(3, "Empty", "Body", "STYLE=\nRTFFILE=\n") +
           Region(4, "Dynamic", "Body", "RTFFILE=DYNAMIC\nFILELOCATION=..\\TEXTS\n"));
  auto* renamed = Object<designer::TRichTextRegion>("Renamed");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(renamed->FRichEdit->Lines(), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(renamed->FStyleName, "DEFAULTSTYLE");
  EXPECT_TRUE(Object<designer::TRichTextRegion>("Empty")->FRichEdit->Lines().empty());
  auto* dynamic = Object<designer::TRichTextRegion>("Dynamic");
  EXPECT_TRUE(dynamic->FRichEdit->Lines().empty());
  EXPECT_EQ(dynamic->FFileLocation, "..\\TEXTS");
}

TEST_F(TemplateReading, MissingKeysReadAsZeroAndEmpty) {
  OpenText("[REPORT]\nRC1=FIXEDREGION\nRC2=label\n[RC1]\nNAME=Body\nPARENT=REPORT\n[Body]\nRC3=REPEATREGION\n"
           "[RC3]\nNAME=Rows\nPARENT=Body\nMULTIPAGE=true\n");
  TForm1& f = form();
  // Without [RR0] the page is a fresh one, not one of no size.
  EXPECT_EQ(f.Program().ReportStyle.PaperWidth, 8.5);
  EXPECT_EQ(f.REPORT->Bounds(), (platform::TBounds{25, 50, 800, 1000}));
  EXPECT_EQ(f.FStyleCount, 0);
  EXPECT_EQ(f.SelectStyle1->Count(), 0);
  auto* rows = Object<designer::TRegion>("Rows");
  ASSERT_NE(rows, nullptr);
  EXPECT_FALSE(rows->MultiPage);
  EXPECT_FALSE(f.AllowMultiplePages1->Checked());
  EXPECT_EQ(Object<designer::TRegion>("Body")->DesignBounds(), (platform::TBounds{0, 0, 0, 0}));
}

TEST_F(TemplateReading, SectionNamesAreNoObjectNames) {
  for (const char* refused : {"REPORT", "report", "RSTYLES", "Styles", "RR0", "rs12", "RC7", "rc0001"})
    EXPECT_TRUE(designer::IsTemplateSectionName(refused)) << refused;
  for (const char* allowed : {"RC", "RS", "RCX1", "RC1A", "Records", "Region1", "REPORT1", "STYLES2"})
    EXPECT_FALSE(designer::IsTemplateSectionName(allowed)) << allowed;
  designer::TRegion* region = Fixed(form().REPORT, 0, 0);
  EXPECT_THROW(region->SetName("rc12"), platform::EComponentError);
  EXPECT_THROW(region->SetName("Styles"), platform::EComponentError);
  EXPECT_EQ(region->Name(), "Region1");
  region->SetName("Records");
  EXPECT_EQ(region->Name(), "Records");
}

TEST_F(TemplateReading, ASectionNameAsNameStopsTheOpen) {
  OpenText(std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\nRC2=FIXEDREGION\n" + Region(1, "Body", "REPORT") +
           Region(2, "rc1", "REPORT"));
  EXPECT_EQ(Errors(), std::vector<std::string>{"A component named rc1 already exists"});
  EXPECT_EQ(form().REPORT->ControlCount(), 0);
  EXPECT_EQ(form().FFileName, "");
}

}  // namespace
}  // namespace tessel_test
