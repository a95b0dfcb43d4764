// zBxPrintGraphicFile: checks, messages and the page it prints.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>

#include "engine/print_bitmap_scaled.h"
#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "test_files.h"

namespace engine {
namespace {

using platform::CanvasCall;
using platform::TPrinterOrientation;

class GraphicFilePrinting : public ::testing::Test {
 protected:
  GraphicFilePrinting() : printer_(PageOf4800By6600()) { previous_ = platform::SetPrinter(&printer_); }
  ~GraphicFilePrinting() override { platform::SetPrinter(previous_); }

  static platform::RecordingPrinterSetup PageOf4800By6600() {
    platform::RecordingPrinterSetup setup;
    setup.pageWidth = 4800;
    setup.pageHeight = 6600;
    return setup;
  }

  testing::TempFolder folder_{"tessel-graphic"};
  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(GraphicFilePrinting, MissingFileShowsItsMessageAndPrintsNothing) {
  const std::string name = folder_ / "none.bmp";
  EXPECT_EQ(zBxPrintGraphicFile(name.c_str(), 1, 100, 0), 0);
  ASSERT_EQ(messages_.Texts().size(), 1u);
  EXPECT_EQ(messages_.Texts()[0], "Tessel: File: \"" + name + "\" does not exist. ");
  EXPECT_TRUE(printer_.Jobs.empty());
}

TEST_F(GraphicFilePrinting, ExtensionsAreTestedByContainment) {
  for (const char* file : {"picture.JPEG", "picture.gif", "picture"}) {
    const std::string name = folder_ / file;
    testing::WriteBmp(name, 4, 3);
    messages_.Clear();
    zBxPrintGraphicFile(name.c_str(), 1, 100, 0);
    ASSERT_EQ(messages_.Texts().size(), 1u) << file;
    EXPECT_EQ(messages_.Texts()[0],
              "Tessel: File: \"" + name + "\" is not a supported image file ");
  }
  EXPECT_TRUE(printer_.Jobs.empty());
  // A refused file leaves the printer's orientation alone.
  EXPECT_EQ(printer_.Orientation(), TPrinterOrientation::poPortrait);
}

TEST_F(GraphicFilePrinting, CapitalBmpPrintsScaledAndCentred) {
  const std::string name = folder_ / "PICTURE.BMP";
  testing::WriteBmp(name, 400, 300);
  EXPECT_EQ(zBxPrintGraphicFile(name.c_str(), 0, 50, 0), 0);
  EXPECT_TRUE(messages_.Texts().empty());
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  const auto& job = printer_.Jobs[0];
  EXPECT_TRUE(job.ended);
  ASSERT_EQ(job.pages.size(), 1u);
  ASSERT_EQ(job.pages[0].Calls.size(), 1u);
  const CanvasCall& blit = job.pages[0].Calls[0];
  EXPECT_EQ(blit.kind, CanvasCall::Kind::StretchDIBits);
  EXPECT_EQ(blit.rect, (platform::TRect{200, 1650, 4600, 4950}));
  EXPECT_EQ(blit.extra1, 400);
  EXPECT_EQ(blit.extra2, 300);
}

// Fault mended: PrintScale 100000 drew the picture millions of pixels wide,
// a page no PDF reader could open. Only what reaches the sheet is drawn, and
// it covers the sheet wherever the picture did: whole picture pixels at
// their own size while they are small, else samples of the part on the sheet.
TEST_F(GraphicFilePrinting, APictureFarLargerThanTheSheetIsCutToIt) {
  const std::string name = folder_ / "p.bmp";
  testing::WriteBmp(name, 400, 300);
  const platform::TRect sheet{-100, -120, 5000, 6480};
  for (const int32_t scale : {100, 200, 1000, 1600, 100000, 2000000000}) {
    for (const int32_t position : {0, 1}) {
      printer_.Jobs.clear();
      zBxPrintGraphicFile(name.c_str(), 0, scale, position);
      ASSERT_EQ(printer_.Jobs.size(), 1u);
      ASSERT_EQ(printer_.Jobs[0].pages.at(0).Calls.size(), 1u) << scale;
      const CanvasCall& blit = printer_.Jobs[0].pages[0].Calls[0];
      const ScaledPlacement placed = ComputeScaledPlacement(400, 300, 4800, 6600, scale, position);
      SCOPED_TRACE(std::to_string(scale) + "% at " + std::to_string(position));
      const double perColumn = placed.width / 400.0;
      const double perRow = placed.height / 300.0;
      if (perColumn <= 16 && perRow <= 16) {
        EXPECT_NEAR(blit.rect.Right - blit.rect.Left, blit.extra1 * perColumn, 1.0);
        EXPECT_NEAR(blit.rect.Bottom - blit.rect.Top, blit.extra2 * perRow, 1.0);
      }
      EXPECT_LE(int64_t{blit.extra1} * blit.extra2, 1275 * 1650);
      EXPECT_LE(blit.rect.Left, std::max(placed.x, sheet.Left));
      EXPECT_LE(blit.rect.Top, std::max(placed.y, sheet.Top));
      EXPECT_GE(blit.rect.Right, std::min<int64_t>(int64_t{placed.x} + placed.width, sheet.Right));
      EXPECT_GE(blit.rect.Bottom, std::min<int64_t>(int64_t{placed.y} + placed.height, sheet.Bottom));
      EXPECT_GE(blit.rect.Left, sheet.Left - 16);
      EXPECT_GE(blit.rect.Top, sheet.Top - 16);
      EXPECT_LE(blit.rect.Right, sheet.Right + 16);
      EXPECT_LE(blit.rect.Bottom, sheet.Bottom + 16);
    }
  }
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(GraphicFilePrinting, AnyNonZeroOrientationIsLandscape) {
  const std::string name = folder_ / "p.dib";
  testing::WriteBmp(name, 40, 30);
  zBxPrintGraphicFile(name.c_str(), 2, 100, 1);
  EXPECT_EQ(printer_.Orientation(), TPrinterOrientation::poLandscape);
  zBxPrintGraphicFile(name.c_str(), 0, 100, 1);
  EXPECT_EQ(printer_.Orientation(), TPrinterOrientation::poPortrait);
  EXPECT_EQ(printer_.Jobs.size(), 2u);
}

TEST_F(GraphicFilePrinting, ZeroScalePrintsAnEmptyPage) {
  const std::string name = folder_ / "p.bmp";
  testing::WriteBmp(name, 40, 30);
  zBxPrintGraphicFile(name.c_str(), 0, 0, 0);
  zBxPrintGraphicFile(name.c_str(), 0, -30, 0);
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  for (const auto& job : printer_.Jobs) {
    ASSERT_EQ(job.pages.size(), 1u);
    for (const CanvasCall& call : job.pages[0].Calls) {
      EXPECT_EQ(call.rect.Right - call.rect.Left, 0);
      EXPECT_EQ(call.rect.Bottom - call.rect.Top, 0);
    }
  }
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(GraphicFilePrinting, DamagedPictureIsReportedNotPrinted) {
  const std::string name = folder_ / "broken.jpg";
  testing::WriteText(name, "\xFF\xD8\xFF\xE0 not really a jpeg");
  zBxPrintGraphicFile(name.c_str(), 1, 100, 0);
  ASSERT_EQ(messages_.Texts().size(), 1u);
  EXPECT_EQ(messages_.Texts()[0].rfind("Tessel: File: \"" + name + "\" could not be read: ", 0), 0u);
  EXPECT_TRUE(printer_.Jobs.empty());
  EXPECT_EQ(printer_.Orientation(), TPrinterOrientation::poPortrait);
}

TEST_F(GraphicFilePrinting, CapturesWithoutADisplayPrintNothing) {
  ::unsetenv("DISPLAY");
  zBxPrintScreen(0, 100, 0);
  zBxPrintWindow(12345, 0, 100, 0);
  EXPECT_TRUE(printer_.Jobs.empty());
  ASSERT_EQ(messages_.Texts().size(), 2u);
  EXPECT_EQ(messages_.Texts()[0].rfind("Tessel: Capture failed: ", 0), 0u);
}

}  // namespace
}  // namespace engine
