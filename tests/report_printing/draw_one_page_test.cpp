#include <gtest/gtest.h>

#include "tests/report_printing/printing_fixture.h"

namespace {

using namespace printing_test;
using Strings = std::vector<std::string>;

using DrawOnePageTest = PrintingFixture;

TEST_F(DrawOnePageTest, OnThePrinterItIsAOnePageJob) {
  BuildReport(3);
  engine::DrawOnePage(2);
  EXPECT_EQ(printer.Log, (Strings{"SetOrientation 0", "BeginDoc", "EndDoc"}));
  ASSERT_EQ(printer.Jobs.size(), 1u);
  ASSERT_EQ(printer.Jobs[0].pages.size(), 1u);
  EXPECT_EQ(PageTexts(printer.Jobs[0].pages[0]), (Strings{"Header", "2", "3", "Body 2"}));
}

TEST_F(DrawOnePageTest, OnThePreviewCanvasInLayoutUnits) {
  BuildReport(2);
  platform::RecordingCanvas canvas;
  engine::SelectTarget(engine::TargetKind::Preview, &canvas);
  engine::DrawOnePage(1);
  EXPECT_TRUE(printer.Log.empty());
  const auto texts = CallsOf(canvas.Calls, platform::CanvasCall::Kind::TextOut);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[3].text, "Body 1");
  EXPECT_EQ(texts[3].rect.Left, 60);
  EXPECT_EQ(texts[3].rect.Top, 100);
  EXPECT_EQ(texts[2].text, "2");
}

TEST_F(DrawOnePageTest, StaticLayerAloneCountsOnePage) {
  BuildReport(0);
  platform::RecordingCanvas canvas;
  engine::SelectTarget(engine::TargetKind::Preview, &canvas);
  engine::DrawOnePage(1);
  EXPECT_EQ(TextsOf(canvas.Calls), (Strings{"Header", "1", "1"}));
}

TEST_F(DrawOnePageTest, APageNumberOutsideTheReportDrawsTheStaticLayerOnly) {
  BuildReport(2);
  platform::RecordingCanvas canvas;
  engine::SelectTarget(engine::TargetKind::Preview, &canvas);
  engine::DrawOnePage(5);
  EXPECT_EQ(TextsOf(canvas.Calls), (Strings{"Header", "5", "2"}));
}

TEST_F(DrawOnePageTest, NoCanvasSelectedDrawsNothing) {
  BuildReport(1);
  engine::SelectTarget(engine::TargetKind::Preview, nullptr);
  engine::DrawOnePage(1);
  EXPECT_TRUE(printer.Log.empty());
}

TEST_F(DrawOnePageTest, NothingWhileTheErrorFlagIsSet) {
  BuildReport(1);
  engine::SetErrorFlag();
  engine::DrawOnePage(1);
  EXPECT_TRUE(printer.Jobs.empty());
}

}  // namespace
