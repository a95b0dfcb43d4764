#include <gtest/gtest.h>

#include "platform/printing/recording_printer.h"

namespace platform {
namespace {

using Log = std::vector<std::string>;

TEST(RecordingPrinter, LogsJobCallsAndKeepsEachPagesDrawing) {
  RecordingPrinter printer;
  TCanvas& canvas = printer.Canvas();
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  printer.BeginDoc();
  canvas.Pen.Width = 5;
  canvas.Rectangle(1, 2, 3, 4);
  printer.NewPage();
  canvas.TextOut(7, 8, "two");  // the same canvas object draws on the new page
  printer.EndDoc();
  printer.SetOrientation(TPrinterOrientation::poPortrait);
  printer.BeginDoc();
  printer.Abort();

  EXPECT_EQ(printer.Log, (Log{"SetOrientation 1", "BeginDoc", "NewPage", "EndDoc", "SetOrientation 0",
                              "BeginDoc", "Abort"}));
  ASSERT_EQ(printer.Jobs.size(), 2u);
  const auto& first = printer.Jobs[0];
  EXPECT_EQ(first.orientation, TPrinterOrientation::poLandscape);
  EXPECT_TRUE(first.ended);
  EXPECT_FALSE(first.aborted);
  ASSERT_EQ(first.pages.size(), 2u);
  ASSERT_EQ(first.pages[0].Calls.size(), 1u);
  EXPECT_EQ(first.pages[0].Calls[0].rect, (TRect{1, 2, 3, 4}));
  ASSERT_EQ(first.pages[1].Calls.size(), 1u);
  EXPECT_EQ(first.pages[1].Calls[0].text, "two");
  EXPECT_EQ(first.pages[1].Calls[0].pen.Width, 5);  // the state carries over pages
  EXPECT_TRUE(printer.Jobs[1].aborted);
  EXPECT_EQ(printer.Jobs[1].pages.size(), 1u);
}

TEST(RecordingPrinter, FailingBeginDocRaisesAndStartsNothing) {
  RecordingPrinter printer(RecordingPrinterSetup{.failBeginDoc = true});
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(printer.Jobs.empty());
  EXPECT_EQ(printer.Log, (Log{"BeginDoc"}));
  EXPECT_THROW(printer.NewPage(), EPrinter);
}

TEST(RecordingPrinter, LandscapeSwapsEveryPairOfValues) {
  RecordingPrinter printer(RecordingPrinterSetup{.pixelsPerInchX = 600, .pixelsPerInchY = 300,
                                                 .physicalWidth = 5100, .physicalHeight = 3300,
                                                 .offsetX = 100, .offsetY = 60,
                                                 .pageWidth = 4900, .pageHeight = 3180});
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.LogPixelsX(), 300);
  EXPECT_EQ(printer.LogPixelsY(), 600);
  EXPECT_EQ(printer.PhysicalWidth(), 3300);
  EXPECT_EQ(printer.PhysicalHeight(), 5100);
  EXPECT_EQ(printer.PhysicalOffsetX(), 60);
  EXPECT_EQ(printer.PhysicalOffsetY(), 100);
  EXPECT_EQ(printer.PageWidth(), 3180);
  EXPECT_EQ(printer.PageHeight(), 4900);
  printer.SetOrientation(TPrinterOrientation::poPortrait);
  EXPECT_EQ(printer.PageWidth(), 4900);
}

TEST(RecordingPrinter, DrawingOutsideAJobReachesNoPage) {
  RecordingPrinter printer;
  printer.Canvas().Rectangle(0, 0, 1, 1);
  printer.BeginDoc();
  printer.EndDoc();
  printer.Canvas().Ellipse(0, 0, 1, 1);
  ASSERT_EQ(printer.Jobs.size(), 1u);
  EXPECT_TRUE(printer.Jobs[0].pages[0].Calls.empty());
}

}  // namespace
}  // namespace platform
