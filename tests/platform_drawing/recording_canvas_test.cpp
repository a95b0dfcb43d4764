#include <gtest/gtest.h>

#include <limits>

#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"
#include "platform/drawing/recording_canvas.h"
#include "platform/richtext/rich_text_document.h"

namespace platform {
namespace {

using Kind = CanvasCall::Kind;

TEST(RecordingCanvas, RecordsEachCallWithTheStateInForce) {
  RecordingCanvas canvas;
  canvas.Pen.Width = 3;
  canvas.MoveTo(10, 20);
  canvas.LineTo(30, 20);
  canvas.Pen.Style = TPenStyle::psDot;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Rectangle(1, 2, 3, 4);
  canvas.RoundRect(5, 6, 7, 8, 9, 10);
  canvas.Font.Name = "Times New Roman";
  canvas.Font.Style = fsBold;
  canvas.TextOut(11, 12, "Total\xA0\xE9");
  canvas.Ellipse(-1, -2, 3, 4);

  ASSERT_EQ(canvas.Calls.size(), 6u);
  EXPECT_EQ(canvas.Calls[0].kind, Kind::MoveTo);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{10, 20, 10, 20}));
  EXPECT_EQ(canvas.Calls[1].kind, Kind::LineTo);
  EXPECT_EQ(canvas.Calls[1].pen, (TPen{0, 3, TPenStyle::psSolid, TPenMode::pmCopy}));
  EXPECT_EQ(canvas.Calls[2].kind, Kind::Rectangle);
  EXPECT_EQ(canvas.Calls[2].rect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(canvas.Calls[2].pen.Style, TPenStyle::psDot);
  EXPECT_EQ(canvas.Calls[2].brush.Style, TBrushStyle::bsClear);
  EXPECT_EQ(canvas.Calls[3].kind, Kind::RoundRect);
  EXPECT_EQ(canvas.Calls[3].extra1, 9);
  EXPECT_EQ(canvas.Calls[3].extra2, 10);
  EXPECT_EQ(canvas.Calls[4].kind, Kind::TextOut);
  EXPECT_EQ(canvas.Calls[4].rect, (TRect{11, 12, 11, 12}));
  EXPECT_EQ(canvas.Calls[4].text, "Total\xA0\xE9");
  EXPECT_EQ(canvas.Calls[4].font.Name, "Times New Roman");
  EXPECT_EQ(canvas.Calls[1].font.Name, "ARIAL");
  EXPECT_EQ(canvas.Calls[5].kind, Kind::Ellipse);
  EXPECT_EQ(canvas.Calls[5].rect, (TRect{-1, -2, 3, 4}));
}

TEST(RecordingCanvas, PicturesRecordTheirRectangleAndSourceSize) {
  RecordingCanvas canvas;
  const Picture picture = PictureFromImage(QImage(40, 30, QImage::Format_RGB32));
  canvas.StretchDIBits(100, 200, 4800, 3600, picture);
  canvas.StretchDIBits(-2400, -300, 0, 0, picture);
  canvas.StretchDIBits(std::numeric_limits<int32_t>::max() - 1, 0, 10, 10, picture);
  ASSERT_EQ(canvas.Calls.size(), 3u);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{100, 200, 4900, 3800}));
  EXPECT_EQ(canvas.Calls[0].extra1, 40);
  EXPECT_EQ(canvas.Calls[0].extra2, 30);
  EXPECT_EQ(canvas.Calls[1].rect, (TRect{-2400, -300, -2400, -300}));
  EXPECT_EQ(canvas.Calls[2].rect.Right, std::numeric_limits<int32_t>::max());
}

TEST(RecordingCanvas, RichTextRecordsItsTextAndResolution) {
  RecordingCanvas canvas;
  RichTextDocument document;
  document.AddLine("First");
  document.AddLine("Second");
  const int32_t next = canvas.FormatRichText(document, TRect{10, 20, 210, 120}, 600, 300, 0);
  EXPECT_EQ(next, document.CharacterCount());
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].kind, Kind::FormatRichText);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{10, 20, 210, 120}));
  EXPECT_EQ(canvas.Calls[0].extra1, 600);
  EXPECT_EQ(canvas.Calls[0].extra2, 300);
  EXPECT_EQ(canvas.Calls[0].text, "First\nSecond");
}

}  // namespace
}  // namespace platform
