// A template written by the test, filled through the report calls and printed
// on a recording printer: the layout runs on print, the report's orientation
// reaches the printer, and highlighted values come out in their style.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "engine/engine_state.h"
#include "engine/report_calls.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "tests/page_drawing_geometry/placed_items.h"

namespace {

using drawing_test::CallsOf;
using drawing_test::TextsOf;
using Kind = platform::CanvasCall::Kind;
using Strings = std::vector<std::string>;

constexpr const char* kTemplate = R"([STYLES]
RS0=LABELSTYLE
RS1=LABELSTYLE
[RS0]
STYLENAME=DEFAULTSTYLE
STYLE=0
SIZE=10
COLOR=0
NAME=Arial
[RS1]
STYLENAME=Loud
STYLE=1
SIZE=14
COLOR=255
NAME=Courier New
[RSTYLES]
RR0=REPORTSTYLE
[RR0]
REPORTWIDTH=8.0
REPORTHEIGHT=10.5
PLACELEFT=0.5
PLACETOP=0.5
ORIENTATION=1
BORDERSTYLE=0
[REPORT]
RC1=LABEL
RC2=VARIABLE
RC3=REPEATREGION
[RC1]
NAME=TEXT1
LEFT=10
TOP=10
WIDTH=200
HEIGHT=20
PARENT=REPORT
TEXT=Sales
STYLE=DEFAULTSTYLE
[RC2]
NAME=VAR1
LEFT=10
TOP=700
WIDTH=50
HEIGHT=20
PARENT=REPORT
VARTYPE=Page #
STYLE=DEFAULTSTYLE
HLSTYLE=DEFAULTSTYLE
[RC3]
NAME=Row
LEFT=10
TOP=50
WIDTH=300
HEIGHT=20
PARENT=REPORT
BORDERSTYLE=0
MULTIPAGE=FALSE
[Row]
RC4=VARIABLE
[RC4]
NAME=Amount
LEFT=5
TOP=2
WIDTH=100
HEIGHT=16
PARENT=Row
VARTYPE=integer
HLWHEN=greaterThan
HLVALUE=100
STYLE=DEFAULTSTYLE
HLSTYLE=Loud
)";

class PrintedTemplateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = platform::SetPrinter(&printer);
    const std::string path = (folder_.path() + "/sales.qnf").toStdString();
    std::ofstream(path) << kTemplate;
    engine::CreateReport(path);
    ASSERT_FALSE(engine::ErrorFlag());
  }
  void TearDown() override {
    engine::FreeReport();
    engine::ClearErrorFlag();
    platform::SetPrinter(previous_);
  }

  void Row(const std::string& amount) {
    engine::BeginRegion("Row");
    engine::SetVariable("Amount", amount);
    engine::EndRegion();
  }

  platform::RecordingPrinter printer;
  platform::ScopedMessageRecorder messages;

 private:
  QTemporaryDir folder_;
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(PrintedTemplateTest, LandscapeReportLaidOutOnPrint) {
  Row("50");
  Row("150");
  Row("75");
  engine::PrintReport();
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_EQ(printer.Log, (Strings{"SetOrientation 1", "BeginDoc", "EndDoc"}));
  ASSERT_EQ(printer.Jobs.size(), 1u);
  ASSERT_EQ(printer.Jobs[0].pages.size(), 1u);
  const auto texts = CallsOf(printer.Jobs[0].pages[0].Calls, Kind::TextOut);
  ASSERT_EQ(TextsOf(printer.Jobs[0].pages[0].Calls), (Strings{"Sales", "1", "50", "150", "75"}));
  // Landscape at 600 ppi: the offsets (100, 120) change places.
  EXPECT_EQ(texts[0].rect.Left, 60 * 6 - 120);
  EXPECT_EQ(texts[0].rect.Top, 60 * 6 - 100);
  // The records one below the other, each value 5, 2 inside its record.
  EXPECT_EQ(texts[2].rect.Left, 65 * 6 - 120);
  EXPECT_EQ(texts[2].rect.Top, 102 * 6 - 100);
  EXPECT_EQ(texts[3].rect.Top, 122 * 6 - 100);
  EXPECT_EQ(texts[4].rect.Top, 142 * 6 - 100);
  EXPECT_EQ(texts[2].font.Name, "Arial");
  EXPECT_EQ(texts[3].font.Name, "Courier New");
  EXPECT_EQ(texts[3].font.Size, 14);
  EXPECT_EQ(texts[3].font.Color, 255u);
  EXPECT_EQ(texts[4].font.Name, "Arial");
}

TEST_F(PrintedTemplateTest, PrintingTwiceUsesTheSameLayout) {
  Row("1");
  engine::PrintReport();
  engine::PrintReport();
  ASSERT_EQ(printer.Jobs.size(), 2u);
  EXPECT_EQ(TextsOf(printer.Jobs[0].pages.at(0).Calls), TextsOf(printer.Jobs[1].pages.at(0).Calls));
  EXPECT_EQ(TextsOf(printer.Jobs[1].pages.at(0).Calls), (Strings{"Sales", "1", "1"}));
}

}  // namespace
