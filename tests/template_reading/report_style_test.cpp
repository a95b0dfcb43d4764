#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/template_reading/reading_fixture.h"

namespace engine {
namespace {

using Texts = std::vector<std::string>;

void ExpectEngineDefaults(const rcDefItem& item) {
  EXPECT_EQ(item.Name, "Report Style");
  ASSERT_EQ(item.ItemType, kReportStyle);
  const rcReport& report = item.As<rcReport>();
  EXPECT_EQ(report.PaperWidth, 8.5);
  EXPECT_EQ(report.PaperHeight, 11.0);
  EXPECT_EQ(report.ReportWidth, 8.0);
  EXPECT_EQ(report.ReportHeight, 10.5);
  EXPECT_EQ(report.PlaceLeft, 0.5);
  EXPECT_EQ(report.PlaceTop, 0.5);
  EXPECT_FALSE(report.Landscape);
  EXPECT_EQ(report.BorderSides, 15);
  EXPECT_EQ(report.BorderThickness, 1);
  EXPECT_EQ(report.BorderColor, 0);
  EXPECT_EQ(report.BorderPenStyle, 0);
  EXPECT_EQ(report.ImageFileLocation, "");
  EXPECT_EQ(report.RtfFileLocation, "");
}

TEST_F(TemplateReading, EmptyReportStyleSectionGivesTheEngineDefaults) {
  const TemplateList& root = Load(tessel_test::kStylesAndReport);
  ExpectEngineDefaults(Only(root, kReportStyle));
  EXPECT_EQ(FindReportItem(root), &Only(root, kReportStyle));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(TemplateReading, TemplateWithoutReportStyleReadsAsIfItWereEmpty) {
  const TemplateList& root = Load("[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n");
  ExpectEngineDefaults(Only(root, kReportStyle));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(TemplateReading, ReportStyleKeysAreReadAndMapped) {
  const TemplateList& root = Load(
      "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=10\nREPORTHEIGHT=7.5\nPAPERWIDTH=11\n"
      "PAPERHEIGHT=8.5\nPLACELEFT=0.25\nPLACETOP=0.75\nORIENTATION=2\nBORDERSTYLE=5\n"
      "BORDERTHICKNESS=3\nBORDERCOLOR=0xFF\nBORDERLINETYPE=7\nIMAGEFILELOCATION=IMAGES\n"
      "RTFFILELOCATION=RTFS\n");
  const rcReport& report = Only(root, kReportStyle).As<rcReport>();
  EXPECT_EQ(report.ReportWidth, 10.0);
  EXPECT_EQ(report.ReportHeight, 7.5);
  EXPECT_EQ(report.PaperWidth, 11.0);
  EXPECT_EQ(report.PaperHeight, 8.5);
  EXPECT_EQ(report.PlaceLeft, 0.25);
  EXPECT_EQ(report.PlaceTop, 0.75);
  EXPECT_TRUE(report.Landscape);
  EXPECT_EQ(report.BorderSides, kSideRight | kSideBottom);
  EXPECT_EQ(report.BorderThickness, 3);
  EXPECT_EQ(report.BorderColor, 255);
  EXPECT_EQ(report.BorderPenStyle, 0);
  EXPECT_EQ(report.ImageFileLocation, "IMAGES");
  EXPECT_EQ(report.RtfFileLocation, "RTFS");
}

TEST_F(TemplateReading, RealsAreReadWithEitherDecimalSeparator) {
  const std::string style =
      "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=8,25\nPAPERHEIGHT=11.75\n";
  for (const char separator : {'.', ','}) {
    platform::SetDecimalSeparator(separator);
    const rcReport& report = Only(Load(style), kReportStyle).As<rcReport>();
    EXPECT_EQ(report.PaperWidth, 8.25) << separator;
    EXPECT_EQ(report.PaperHeight, 11.75) << separator;
    FreeTemplate();
  }
  EXPECT_TRUE(Messages().empty());
}

TEST(StrToFloatLocale, SwapsOnlyTheFirstForeignSeparator) {
  platform::SetDecimalSeparator(',');
  EXPECT_EQ(StrToFloatLocale("8.5"), 8.5);
  EXPECT_EQ(StrToFloatLocale("8,5"), 8.5);
  EXPECT_THROW(StrToFloatLocale("1.234.5"), std::invalid_argument);
  // The text holds the locale's separator, so the "." is left alone.
  EXPECT_THROW(StrToFloatLocale("1.234,5"), std::invalid_argument);
  platform::SetDecimalSeparator('.');
  EXPECT_EQ(StrToFloatLocale("-0,5"), -0.5);
  EXPECT_EQ(StrToFloatLocale(" 2.5E1 "), 25.0);
  platform::ResetLocaleSettings();
}

TEST(StrToFloatLocale, RefusesTextThatIsNoFiniteNumber) {
  platform::SetDecimalSeparator('.');
  for (const char* text : {"", "abc", "8.5in", "nan", "NAN", "inf", "-INF", "1e999"}) {
    try {
      StrToFloatLocale(text);
      ADD_FAILURE() << "accepted \"" << text << "\"";
    } catch (const std::invalid_argument& refused) {
      EXPECT_EQ(std::string(refused.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
  platform::ResetLocaleSettings();
}

TEST_F(TemplateReading, RealThatIsNoNumberEndsTheReadWithAConversionError) {
  const std::string path =
      folder_.Write("t.qnf", "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=8.5in\n");
  TemplateList& root = OpenTemplate(platform::AbsoluteWindowsPath(path));
  EXPECT_THROW(ReadTemplateSection(root, "RSTYLES"), std::invalid_argument);
  EXPECT_TRUE(root.empty());
}

TEST_F(TemplateReading, UnusableSizesAreRefusedAndReplacedBySaneOnes) {
  const TemplateList& root = Load(
      "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=0\nREPORTWIDTH=-1\nREPORTHEIGHT=250\n"
      "PLACELEFT=1E10\n");
  EXPECT_EQ(Messages(), (Texts{"Tessel: Paper size 0 x 11 inches is not usable.",
                               "Tessel: Report size -1 x 250 inches is not usable.",
                               "Tessel: Report placement 10000000000, 0.5 inches is not usable."}));
  EXPECT_TRUE(ErrorFlag());
  ExpectEngineDefaults(Only(root, kReportStyle));
}

TEST_F(TemplateReading, LargestUsableSizeIsAccepted) {
  const TemplateList& root =
      Load("[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=200\nPAPERHEIGHT=0.01\nPLACELEFT=-200\n");
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
  EXPECT_EQ(Only(root, kReportStyle).As<rcReport>().PaperWidth, 200.0);
}

TEST(MappingFunctions, FileBitsAndStylesBecomeEngineValues) {
  EXPECT_EQ(MapBorderSides(5), 10);
  EXPECT_EQ(MapBorderSides(0), 0);
  EXPECT_EQ(MapBorderSides(16), 0);
  EXPECT_EQ(MapBorderSides(-1), 0);
  EXPECT_EQ(MapBorderSides(15), 15);
  EXPECT_EQ(MapBorderSides(1), kSideBottom);
  EXPECT_EQ(MapBorderSides(2), kSideTop);
  EXPECT_EQ(MapBorderSides(4), kSideRight);
  EXPECT_EQ(MapBorderSides(8), kSideLeft);
  EXPECT_EQ(MapBorderSides(0x10F), 0);

  EXPECT_EQ(MapFillPattern(9), 0);
  EXPECT_EQ(MapFillPattern(7), 7);
  EXPECT_EQ(MapFillPattern(-1), 0);
  EXPECT_EQ(MapShape(7), 0);
  EXPECT_EQ(MapShape(4), 4);
  EXPECT_EQ(MapShape(1), 1);
  EXPECT_EQ(MapPenStyle(7), 0);
  EXPECT_EQ(MapPenStyle(6), 6);
  EXPECT_EQ(MapPenStyle(-2147483647 - 1), 0);
}

}  // namespace
}  // namespace engine
