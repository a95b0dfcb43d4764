#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "tests/template_reading/reading_fixture.h"

namespace engine {
namespace {

using Texts = std::vector<std::string>;

constexpr std::string_view kBox =
    "NAME=Item\nLEFT=10\nTOP=20\nWIDTH=300\nHEIGHT=40\nPARENT=REPORT\n";

TEST_F(TemplateReading, TextStyleKeysAndDefaults) {
  const TemplateList& root = Load(
      "[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\nRS2=LABELSTYLE\n"
      "[RS0]\n"
      "[RS1]\nSTYLENAME=Heading\nSTYLE=3\nSIZE=14\nCOLOR=255\nNAME=Times New Roman\n"
      "ALIGNMENT=NONE\n"
      "[RS2]\nSTYLENAME=Odd\nSTYLE=16\n");
  ASSERT_EQ(root.size(), 4u);  // three styles and the report style
  const rcDefItem& plain = *root[0];
  EXPECT_EQ(plain.Name, "DEFAULTSTYLE");
  EXPECT_EQ(plain.ItemType, kTextStyle);
  EXPECT_EQ(plain.As<rcStyle>().StyleName, "DEFAULTSTYLE");
  EXPECT_EQ(plain.As<rcStyle>().Font, (platform::TFont{"ARIAL", 10, 0, 0}));

  const rcStyle& heading = root[1]->As<rcStyle>();
  EXPECT_EQ(root[1]->Name, "Heading");
  EXPECT_EQ(heading.Font,
            (platform::TFont{"Times New Roman", 14, 255, platform::fsBold | platform::fsItalic}));
  EXPECT_EQ(root[2]->As<rcStyle>().Font.Style, 0);
}

TEST_F(TemplateReading, LabelKeysAndStyleLookup) {
  const TemplateList& root = Load(
      "[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
      "[RS1]\nSTYLENAME=Heading\n[REPORT]\nRC1=LABEL\nRC2=LABEL\n"
      "[RC1]\nNAME=Caption\nLEFT=-5\nTOP=0x10\nWIDTH=12x\nHEIGHT=99999999999\nPARENT=REPORT\n"
      "TEXT=Total:\nSTYLE=Heading\n"
      "[RC2]\nNAME=Plain\n");
  const rcDefItem* caption = FindTemplateItem(root, "Caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->ItemType, kLabel);
  const rcLabel& label = caption->As<rcLabel>();
  EXPECT_EQ(label.Left, -5);
  EXPECT_EQ(label.Top, 16);
  EXPECT_EQ(label.Width, 0);   // no integer
  EXPECT_EQ(label.Height, 0);  // beyond 32 bits
  EXPECT_EQ(label.Parent, "REPORT");
  EXPECT_EQ(label.Text, "Total:");
  EXPECT_EQ(label.Style, &root[1]->As<rcStyle>());
  // No STYLE key: the style "DEFAULTSTYLE".
  EXPECT_EQ(FindTemplateItem(root, "Plain")->As<rcLabel>().Style, &root[0]->As<rcStyle>());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TemplateReading, ValueIsCutAt1023Characters) {
  const std::string text(2000, 'x');
  const TemplateList& root = LoadControl("LABEL", "NAME=Long\nTEXT=" + text + "\n");
  EXPECT_EQ(FindTemplateItem(root, "Long")->As<rcLabel>().Text, std::string(1023, 'x'));
}

TEST_F(TemplateReading, TypeWordsAreComparedWithCase) {
  const TemplateList& root = Load(std::string(tessel_test::kStylesAndReport) +
                                  "[REPORT]\nRC1=Label\nRC2=error\nRC3=LABEL\n"
                                  "[RC1]\nNAME=Skipped\n[RC2]\nNAME=Unknown\n[RC3]\nNAME=Kept\n");
  EXPECT_EQ(FindTemplateItem(root, "Skipped"), nullptr);
  EXPECT_EQ(FindTemplateItem(root, "Unknown"), nullptr);
  EXPECT_NE(FindTemplateItem(root, "Kept"), nullptr);
  EXPECT_EQ(root.size(), 3u);
}

TEST_F(TemplateReading, RegionBorderDefaultsAndFlags) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) +
           "[REPORT]\nRC1=FIXEDREGION\nRC2=REPEATREGION\nRC3=REPEATREGION\nRC4=REPEATREGION\n"
           "RC5=TITLEREGION\nRC6=FIXEDREGION\n"
           "[RC1]\nNAME=Plain\n"
           "[RC2]\nNAME=Rows\n"
           "[RC3]\nNAME=Lower\nMULTIPAGE=true\n"
           "[RC4]\nNAME=Upper\nMULTIPAGE=TRUE\nBORDERSTYLE=5\nBORDERTHICKNESS=2\nBORDERCOLOR=7\n"
           "BORDERLINESTYLE=3\n"
           "[RC5]\nNAME=Title\nBORDERSTYLE=16\nBORDERLINESTYLE=7\n"
           "[RC6]\nNAME=Pinned\nABSOLUTE=1\nBORDERSTYLE=0\n");
  const rcFixedRegion& plain = FindTemplateItem(root, "Plain")->As<rcFixedRegion>();
  EXPECT_FALSE(plain.Flag);
  EXPECT_EQ(plain.BorderSides, 15);
  EXPECT_EQ(plain.BorderThickness, 1);
  EXPECT_EQ(plain.BorderColor, 0);
  EXPECT_EQ(plain.BorderPenStyle, 0);
  EXPECT_TRUE(plain.Children.empty());

  const rcDefItem* rows = FindTemplateItem(root, "Rows");
  EXPECT_EQ(rows->ItemType, kRepeatRegion);
  EXPECT_TRUE(rows->As<rcRepeatRegion>().Flag);  // no MULTIPAGE: may continue
  EXPECT_FALSE(FindTemplateItem(root, "Lower")->As<rcRepeatRegion>().Flag);

  const rcRepeatRegion& upper = FindTemplateItem(root, "Upper")->As<rcRepeatRegion>();
  EXPECT_TRUE(upper.Flag);
  EXPECT_EQ(upper.BorderSides, 10);
  EXPECT_EQ(upper.BorderThickness, 2);
  EXPECT_EQ(upper.BorderColor, 7);
  EXPECT_EQ(upper.BorderPenStyle, 3);

  const rcDefItem* title = FindTemplateItem(root, "Title");
  EXPECT_EQ(title->ItemType, kTitleRegion);
  EXPECT_EQ(title->As<rcTitleRegion>().BorderSides, 0);
  EXPECT_EQ(title->As<rcTitleRegion>().BorderPenStyle, 0);

  const rcFixedRegion& pinned = FindTemplateItem(root, "Pinned")->As<rcFixedRegion>();
  EXPECT_TRUE(pinned.Flag);
  EXPECT_EQ(pinned.BorderSides, 0);
}

TEST_F(TemplateReading, ShapeKeysDefaultsAndMappings) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) +
           "[REPORT]\nRC1=SHAPEREGION\nRC2=SHAPEREGION\n[RC1]\nNAME=Plain\n"
           "[RC2]\nNAME=Odd\nSHAPE=7\nFILLCOLOR=65280\nFILLPATTERN=9\nBORDERCOLOR=3\n"
           "BORDERTHICKNESS=4\nBORDERPATTERN=7\n");
  const rcShapeRegion& plain = FindTemplateItem(root, "Plain")->As<rcShapeRegion>();
  EXPECT_EQ(plain.Shape, 0);
  EXPECT_EQ(plain.FillColor, 0);
  EXPECT_EQ(plain.BorderThickness, 1);
  EXPECT_EQ(plain.FillPattern, 0);
  EXPECT_EQ(plain.BorderColor, 0);
  EXPECT_EQ(plain.BorderPattern, 0);
  const rcShapeRegion& odd = FindTemplateItem(root, "Odd")->As<rcShapeRegion>();
  EXPECT_EQ(odd.Shape, 0);
  EXPECT_EQ(odd.FillColor, 65280);
  EXPECT_EQ(odd.FillPattern, 0);
  EXPECT_EQ(odd.BorderColor, 3);
  EXPECT_EQ(odd.BorderThickness, 4);
  EXPECT_EQ(odd.BorderPattern, 0);
}

TEST_F(TemplateReading, ImageRegionKeysAndDynamicMarker) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) +
           "[REPORT]\nRC1=IMAGEREGION\nRC2=IMAGEREGION\nRC3=IMAGEREGION\n"
           "[RC1]\nNAME=Logo\nIMAGEFILE=D:\\pics\\logo.bmp\nFILELOCATION=..\\IMAGES\n"
           "[RC2]\nNAME=Photo\nIMAGEFILE=DYNAMIC\n[RC3]\nNAME=Lower\nIMAGEFILE=dynamic\n");
  const rcDefItem* logo = FindTemplateItem(root, "Logo");
  EXPECT_EQ(logo->ItemType, kImageRegion);
  EXPECT_EQ(logo->As<rcGraphicRegion>().FileName, "D:\\pics\\logo.bmp");
  EXPECT_EQ(logo->As<rcGraphicRegion>().FileLocation, "..\\IMAGES");
  EXPECT_FALSE(logo->As<rcGraphicRegion>().Dynamic);
  EXPECT_TRUE(FindTemplateItem(root, "Photo")->As<rcGraphicRegion>().Dynamic);
  EXPECT_FALSE(FindTemplateItem(root, "Lower")->As<rcGraphicRegion>().Dynamic);
}

TEST_F(TemplateReading, RichTextLinesAreTheKeysAfterTheFirstEight) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) +
           "[REPORT]\nRC1=RICHTEXTREGION\nRC2=RICHTEXTREGION\nRC3=RICHTEXTREGION\n"
           "RC4=RICHTEXTREGION\n"
           // The file form: eight keys, no lines.
           "[RC1]\nNAME=File\nLEFT=0\nTOP=0\nWIDTH=1\nHEIGHT=1\nPARENT=REPORT\nRTFFILE=DYNAMIC\n"
           "FILELOCATION=RTFS\n"
           // The direct form: a ninth key of any name is the first line.
           "[RC2]\nNAME=Direct\nLEFT=0\nTOP=0\nWIDTH=1\nHEIGHT=1\nPARENT=REPORT\nSTYLE=\nRTFFILE=\n"
           "ANYTHING=first line\nLINE2=\nLINE3=third line\n"
           // Fewer than eight keys: no lines, nothing read past the key list.
           "[RC3]\nNAME=Short\nRTFFILE=notes.rtf\n"
           "[RC4]\nNAME=Eight\nA=1\nB=2\nC=3\nD=4\nE=5\nF=6\nG=7\n");
  const rcRichText& file = FindTemplateItem(root, "File")->As<rcRichText>();
  EXPECT_TRUE(file.Dynamic);
  EXPECT_EQ(file.FileName, "DYNAMIC");
  EXPECT_EQ(file.FileLocation, "RTFS");
  EXPECT_TRUE(file.Lines.empty());
  EXPECT_EQ(file.Style, &root[0]->As<rcStyle>());

  const rcDefItem* direct = FindTemplateItem(root, "Direct");
  EXPECT_EQ(direct->ItemType, kRichTextRegion);
  EXPECT_EQ(direct->As<rcRichText>().Lines, (Texts{"first line", "", "third line"}));
  EXPECT_FALSE(direct->As<rcRichText>().Dynamic);

  const rcRichText& shortOne = FindTemplateItem(root, "Short")->As<rcRichText>();
  EXPECT_TRUE(shortOne.Lines.empty());
  EXPECT_EQ(shortOne.FileName, "notes.rtf");
  EXPECT_TRUE(FindTemplateItem(root, "Eight")->As<rcRichText>().Lines.empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TemplateReading, VariableTypesAndRuleValues) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) +
           "[REPORT]\nRC1=VARIABLE\nRC2=VARIABLE\nRC3=VARIABLE\nRC4=VARIABLE\nRC5=VARIABLE\n"
           "RC6=VARIABLE\nRC7=VARIABLE\n"
           "[RC1]\nNAME=Name\nVARTYPE=string\nHLWHEN=lessThan\nHLVALUE=b\nMASTERVARIABLE=1\n"
           "[RC2]\nNAME=Count\nVARTYPE=integer\nHLWHEN=equals\nHLVALUE=\n"
           "[RC3]\nNAME=Price\nVARTYPE=floatingPoint\nHLWHEN=greaterThanEquals\nHLVALUE=2,5\n"
           "[RC4]\nNAME=Quiet\nVARTYPE=integer\nHLWHEN=none\nHLVALUE=12\n"
           "[RC5]\nNAME=Missing\nVARTYPE=integer\nHLWHEN=notEqual\n"
           "[RC6]\nNAME=Wrong\nVARTYPE=integer\nHLWHEN=LessThan\nHLVALUE=3\n"
           "[RC7]\nNAME=Dates\nVARTYPE=Date\nHLWHEN=lessThan\nHLVALUE=1\nMASTERVARIABLE=1\n");
  const rcVariable& name = FindTemplateItem(root, "Name")->As<rcVariable>();
  EXPECT_EQ(name.VarType, kVarString);
  EXPECT_EQ(name.HighlightWhen, kHlLessThan);
  EXPECT_EQ(name.HighlightValue, Variant(std::string("b")));
  EXPECT_TRUE(name.IsMaster);

  const rcVariable& count = FindTemplateItem(root, "Count")->As<rcVariable>();
  EXPECT_EQ(count.VarType, kVarInteger);
  EXPECT_EQ(count.HighlightWhen, kHlEquals);
  EXPECT_EQ(count.HighlightValue, Variant(int32_t{0}));  // empty counts as 0

  const rcVariable& price = FindTemplateItem(root, "Price")->As<rcVariable>();
  EXPECT_EQ(price.VarType, kVarFloatingPoint);
  EXPECT_EQ(price.HighlightWhen, kHlGreaterThanEquals);
  EXPECT_EQ(price.HighlightValue, Variant(2.5));

  const rcVariable& quiet = FindTemplateItem(root, "Quiet")->As<rcVariable>();
  EXPECT_EQ(quiet.HighlightWhen, kHlNone);
  EXPECT_TRUE(IsUnassigned(quiet.HighlightValue));

  // A missing HLVALUE is "0".
  EXPECT_EQ(FindTemplateItem(root, "Missing")->As<rcVariable>().HighlightValue,
            Variant(int32_t{0}));
  // Condition words are compared with case in the file.
  EXPECT_EQ(FindTemplateItem(root, "Wrong")->As<rcVariable>().HighlightWhen, kHlNone);

  const rcVariable& dates = FindTemplateItem(root, "Dates")->As<rcVariable>();
  EXPECT_EQ(dates.VarType, kVarDate);
  EXPECT_EQ(dates.HighlightWhen, kHlNone);
  EXPECT_TRUE(IsUnassigned(dates.HighlightValue));
  EXPECT_EQ(dates.HighlightStyle, dates.Style);
  EXPECT_FALSE(dates.IsMaster);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TemplateReading, EveryVariableTypeWordHasItsCode) {
  const std::pair<const char*, uint8_t> words[] = {
      {"string", kVarString},     {"integer", kVarInteger},   {"floatingPoint", kVarFloatingPoint},
      {"Page #", kVarPageNumber}, {"# Pages", kVarPageCount}, {"Date", kVarDate},
      {"Time", kVarTime},         {"DateTime", kVarDateTime}, {"String", kVarUnknown},
      {"", kVarUnknown}};
  for (const auto& [word, code] : words) {
    const TemplateList& root =
        LoadControl("VARIABLE", std::string("NAME=V\nVARTYPE=") + word + "\n");
    EXPECT_EQ(FindTemplateItem(root, "V")->As<rcVariable>().VarType, code) << word;
    FreeTemplate();
  }
}

TEST_F(TemplateReading, UnknownVariableTypeHasNoRule) {
  const TemplateList& root = LoadControl(
      "VARIABLE", "NAME=V\nVARTYPE=currency\nHLWHEN=equals\nHLVALUE=x\nSTYLE=DEFAULTSTYLE\n");
  const rcVariable& variable = FindTemplateItem(root, "V")->As<rcVariable>();
  EXPECT_EQ(variable.VarType, kVarUnknown);
  EXPECT_EQ(variable.HighlightWhen, kHlNone);
  EXPECT_EQ(variable.HighlightStyle, variable.Style);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TemplateReading, IntegerRuleValueThatIsNoNumberEndsTheRead) {
  const std::string path = folder_.Write(
      "t.qnf",
      std::string(tessel_test::kStylesAndReport) +
          "[REPORT]\nRC1=LABEL\nRC2=VARIABLE\nRC3=LABEL\n[RC1]\nNAME=Before\n"
          "[RC2]\nNAME=V\nVARTYPE=integer\nHLWHEN=equals\nHLVALUE=12x\n[RC3]\nNAME=After\n");
  TemplateList& root = OpenTemplate(platform::AbsoluteWindowsPath(path));
  ReadTemplateSection(root, "STYLES");
  try {
    ReadTemplateSection(root, "REPORT");
    ADD_FAILURE() << "no conversion error";
  } catch (const std::invalid_argument& refused) {
    EXPECT_EQ(std::string(refused.what()), "'12x' is not a valid integer value");
  }
  EXPECT_NE(FindTemplateItem(root, "Before"), nullptr);
  EXPECT_EQ(FindTemplateItem(root, "V"), nullptr);
  EXPECT_EQ(FindTemplateItem(root, "After"), nullptr);
}

TEST_F(TemplateReading, StyleNamesAreComparedWithCase) {
  const TemplateList& root = Load(
      "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=Heading\n[REPORT]\nRC1=LABEL\nRC2=VARIABLE\n"
      "[RC1]\nNAME=Caption\nSTYLE=heading\n[RC2]\nNAME=V\nVARTYPE=string\nSTYLE=Heading\n");
  EXPECT_EQ(Messages(), (Texts{"Tessel: Style \"heading\" not found",
                               "Tessel: Style \"DEFAULTSTYLE\" not found"}));
  EXPECT_TRUE(ErrorFlag());
  // Reading goes on; the items keep no style.
  EXPECT_EQ(FindTemplateItem(root, "Caption")->As<rcLabel>().Style, nullptr);
  const rcVariable& variable = FindTemplateItem(root, "V")->As<rcVariable>();
  EXPECT_EQ(variable.Style, &root[0]->As<rcStyle>());
  EXPECT_EQ(variable.HighlightStyle, nullptr);
}

TEST_F(TemplateReading, ItemRectangles) {
  const TemplateList& root =
      Load(std::string(tessel_test::kStylesAndReport) + "[REPORT]\nRC1=LABEL\nRC2=LABEL\n[RC1]\n" +
           std::string(kBox) +
           "[RC2]\nNAME=Far\nLEFT=2147483000\nTOP=-2147483000\nWIDTH=2000\nHEIGHT=-2000\n");
  EXPECT_EQ(GetItemRect(*FindTemplateItem(root, "Item")), (platform::TRect{10, 20, 310, 60}));
  EXPECT_EQ(GetItemRect(*FindTemplateItem(root, "Far")),
            (platform::TRect{2147483000, -2147483000, std::numeric_limits<int32_t>::max(),
                             std::numeric_limits<int32_t>::min()}));
  EXPECT_EQ(GetItemRect(*root[0]), platform::TRect{});  // a text style
  EXPECT_EQ(GetItemRect(*FindReportItem(root)), platform::TRect{});
  EXPECT_EQ(BoxOf(*root[0]), nullptr);
  EXPECT_EQ(BoxOf(*FindTemplateItem(root, "Item"))->Parent, "REPORT");
}

}  // namespace
}  // namespace engine
