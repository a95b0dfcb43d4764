// Rendering into a rectangle: which lines are drawn, where, how large, and
// what position the next page starts from.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>
#include <vector>

#include "platform/richtext/rich_text_document.h"
#include "platform/richtext/rich_text_render.h"
#include "tests/rich_text/document_probe.h"
#include "tests/rich_text/text_recording_device.h"

namespace {

using platform::RenderRichText;
using platform::RichTextDocument;
using platform::TFont;
using platform::TRect;
using tessel_test::TextRecordingDevice;

QImage WhitePage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The smallest rectangle holding every non-white pixel; empty when none.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(row[x]) < 200) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

void AddLines(RichTextDocument& document, const TFont& font, const std::vector<std::string>& lines) {
  document.SetDefaultFont(font);
  for (const std::string& line : lines) document.AddLine(line);
}

struct Rendered {
  int32_t next;
  std::vector<tessel_test::DrawnText> lines;
};

Rendered RecordRender(const RichTextDocument& document, const TRect& rect, int dpi,
                      int32_t firstChar) {
  TextRecordingDevice device(rect.Right + 10, rect.Bottom + 10, dpi);
  QPainter painter(&device);
  const int32_t next = RenderRichText(painter, document, rect, dpi, dpi, firstChar);
  painter.end();
  return {next, device.Lines()};
}

std::string Squeezed(const QString& text) {
  QString result;
  for (const QChar c : text) {
    if (!c.isSpace()) result += c;
  }
  return result.toStdString();
}

TEST(RenderRichText, PointsAreSeventySecondsOfAnInchAtAnyResolution) {
  for (const int dpi : {100, 600}) {
    SCOPED_TRACE(dpi);
    RichTextDocument document;
    AddLines(document, TFont{"ARIAL", 72, 0, 0}, {"H"});
    QImage page = WhitePage(3 * dpi, 3 * dpi);
    QPainter painter(&page);
    const TRect rect{dpi / 2, dpi / 2, 3 * dpi, 3 * dpi};
    EXPECT_EQ(RenderRichText(painter, document, rect, dpi, dpi, 0), 1);
    painter.end();
    // A 72-point capital H of Liberation Sans is 0.688 inch tall, its stem
    // starts 0.08 inch in and its top lies 0.22 inch below the line's top.
    const QRect ink = InkBounds(page);
    EXPECT_NEAR(ink.height(), 0.688 * dpi, 0.02 * dpi);
    EXPECT_NEAR(ink.left(), rect.Left + 0.08 * dpi, 0.03 * dpi);
    EXPECT_NEAR(ink.top(), rect.Top + 0.22 * dpi, 0.03 * dpi);
  }
}

TEST(RenderRichText, OnlyWholeLinesAreDrawnAndTheNextPositionIsReturned) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 36, 0, 0}, {"AAAA", "BBBB", "CCCC"});
  // A 36-point line is a little over half an inch: 1.2 inches hold two.
  const Rendered two = RecordRender(document, TRect{20, 30, 520, 150}, 100, 0);
  EXPECT_EQ(two.next, 10);
  ASSERT_EQ(two.lines.size(), 2u);
  EXPECT_EQ(Squeezed(two.lines[0].text), "AAAA");
  EXPECT_EQ(Squeezed(two.lines[1].text), "BBBB");
  EXPECT_GT(two.lines[0].origin.y(), 30);
  EXPECT_LT(two.lines[1].origin.y(), 150);

  const Rendered rest = RecordRender(document, TRect{20, 30, 520, 150}, 100, two.next);
  EXPECT_EQ(rest.next, document.CharacterCount());
  ASSERT_EQ(rest.lines.size(), 1u);
  EXPECT_EQ(Squeezed(rest.lines[0].text), "CCCC");
  // The first line of a later page sits at the top of the rectangle.
  EXPECT_DOUBLE_EQ(rest.lines[0].origin.y(), two.lines[0].origin.y());
}

TEST(RenderRichText, EmptyParagraphsTakeTheHeightOfTheirFont) {
  // Lines of 72 points are 1.117 inches: two fit in 2.3 inches, the third
  // (after an empty paragraph) does not.
  const auto document = tessel_test::LoadDocument("{\\rtf1\\fs144 A\\par\\par B}");
  const Rendered first = RecordRender(*document, TRect{0, 0, 400, 230}, 100, 0);
  EXPECT_EQ(first.next, 3);
  ASSERT_EQ(first.lines.size(), 1u);
  EXPECT_EQ(Squeezed(first.lines[0].text), "A");
  const Rendered all = RecordRender(*document, TRect{0, 0, 400, 340}, 100, 0);
  EXPECT_EQ(all.next, 4);
  ASSERT_EQ(all.lines.size(), 2u);
  EXPECT_NEAR(all.lines[1].origin.y() - all.lines[0].origin.y(), 2 * 111.7, 1.0);
}

TEST(RenderRichText, TabsStopEveryHalfInch) {
  const auto document = tessel_test::LoadDocument("{\\rtf1\\fs48 \\tab I\\tab\\tab I}");
  QImage page = WhitePage(400, 100);
  QPainter painter(&page);
  RenderRichText(painter, *document, TRect{20, 10, 400, 100}, 100, 100, 0);
  painter.end();
  const QRect ink = InkBounds(page);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.left(), 20 + 50, 4);    // the first I at half an inch
  EXPECT_NEAR(ink.right(), 20 + 150, 6);  // the second at an inch and a half
}

TEST(RenderRichText, TheLargestFontRendersAtLowResolution) {
  // 1638 points make a line of 25.4 inches.
  const auto document = tessel_test::LoadDocument("{\\rtf1\\fs99999 W}");
  QImage page = WhitePage(320, 320);
  QPainter painter(&page);
  EXPECT_EQ(RenderRichText(painter, *document, TRect{0, 0, 300, 250}, 10, 10, 0), 0);
  EXPECT_EQ(RenderRichText(painter, *document, TRect{0, 0, 300, 260}, 10, 10, 0), 1);
  painter.end();
  EXPECT_GT(InkBounds(page).height(), 150);
}

TEST(RenderRichText, NothingDrawnWhenNotOneLineFits) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 36, 0, 0}, {"AAAA", "BBBB"});
  QImage page = WhitePage(400, 400);
  QPainter painter(&page);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 400, 40}, 100, 100, 0), 0);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 400, 40}, 100, 100, 5), 5);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 0, 400}, 100, 100, 0), 0);
  EXPECT_EQ(RenderRichText(painter, document, TRect{50, 50, 10, 400}, 100, 100, 0), 0);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 400, 400}, 0, 100, 0), 0);
  painter.end();
  EXPECT_TRUE(InkBounds(page).isEmpty());
}

TEST(RenderRichText, PositionsAtOrPastTheEndDrawNothing) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 10, 0, 0}, {"text"});
  QImage page = WhitePage(200, 200);
  QPainter painter(&page);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 200, 200}, 100, 100, 4), 4);
  EXPECT_EQ(RenderRichText(painter, document, TRect{0, 0, 200, 200}, 100, 100, 99), 4);
  RichTextDocument empty;
  EXPECT_EQ(RenderRichText(painter, empty, TRect{0, 0, 200, 200}, 100, 100, 0), 0);
  painter.end();
  EXPECT_TRUE(InkBounds(page).isEmpty());
}

TEST(RenderRichText, InkStaysInsideTheRectangle) {
  // A first line outdented by an inch would start left of the rectangle.
  const auto document =
      tessel_test::LoadDocument("{\\rtf1\\fs72\\fi-1440 WWWWWWWWWWWWWWWWWWWW WWWWWWWWWWWWWWW}");
  QImage page = WhitePage(600, 600);
  QPainter painter(&page);
  painter.fillRect(QRect(0, 0, 600, 600), Qt::white);
  const TRect rect{100, 100, 400, 300};
  RenderRichText(painter, *document, rect, 100, 100, 0);
  painter.end();
  const QRect ink = InkBounds(page);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_EQ(ink.left(), 100);  // cut at the rectangle's edge
  EXPECT_GE(ink.top(), 100);
  EXPECT_LT(ink.right(), 400);
  EXPECT_LT(ink.bottom(), 300);
}

TEST(RenderRichText, ColoursAndAutomaticBlack) {
  const auto document = tessel_test::LoadDocument(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs144 \\cf1 MMMM\\par\\cf0 MMMM}");
  QImage page = WhitePage(500, 300);
  QPainter painter(&page);
  painter.setPen(Qt::green);  // whatever the caller left must not colour the text
  RenderRichText(painter, *document, TRect{0, 0, 500, 300}, 100, 100, 0);
  painter.end();
  const auto countColour = [&](int top, int bottom, auto predicate) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < page.width(); ++x) count += predicate(page.pixel(x, y)) ? 1 : 0;
    }
    return count;
  };
  const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
  const auto black = [](QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; };
  const auto green = [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; };
  EXPECT_GT(countColour(0, 100, red), 500);
  EXPECT_EQ(countColour(0, 100, black), 0);
  EXPECT_GT(countColour(120, 230, black), 500);
  EXPECT_EQ(countColour(120, 230, red), 0);
  EXPECT_EQ(countColour(0, 300, green), 0);
}

std::vector<std::string> SampleParagraphs() {
  std::vector<std::string> paragraphs;
  for (int i = 0; i < 60; ++i) {
    paragraphs.push_back("Paragraph " + std::to_string(i) +
                         " holds words enough to wrap over two or three lines of the page,"
                         " with a number " + std::to_string(i * 7919 % 1000) + " at its end.");
  }
  return paragraphs;
}

TEST(RenderRichText, PagesCoverTheWholeTextWithoutOverlapOrLoss) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 11, 0, 0}, SampleParagraphs());
  const TRect rect{50, 100, 50 + 300, 100 + 250};  // 3 by 2.5 inches at 100 ppi
  std::string drawn;
  int32_t position = 0;
  int pages = 0;
  while (position < document.CharacterCount()) {
    const Rendered page = RecordRender(document, rect, 100, position);
    ASSERT_GT(page.next, position) << "a page that draws nothing would loop";
    ASSERT_FALSE(page.lines.empty());
    for (const auto& line : page.lines) {
      EXPECT_GE(line.origin.y(), rect.Top);
      EXPECT_LE(line.origin.y(), rect.Bottom);
      drawn += Squeezed(line.text);
    }
    position = page.next;
    ++pages;
  }
  EXPECT_EQ(position, document.CharacterCount());
  EXPECT_GT(pages, 5);
  EXPECT_EQ(drawn, Squeezed(QString::fromStdString(document.PlainText())));
}

TEST(RenderRichText, LineBreaksDoNotDependOnTheResolution) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 10, 0, 0}, SampleParagraphs());
  const Rendered low = RecordRender(document, TRect{10, 10, 10 + 250, 10 + 1000}, 100, 0);
  const Rendered high = RecordRender(document, TRect{60, 60, 60 + 1500, 60 + 6000}, 600, 0);
  ASSERT_GT(low.lines.size(), 20u);
  EXPECT_EQ(low.next, high.next);
  ASSERT_EQ(low.lines.size(), high.lines.size());
  for (size_t i = 0; i < low.lines.size(); ++i) {
    EXPECT_EQ(low.lines[i].text, high.lines[i].text) << "line " << i;
    EXPECT_NEAR(high.lines[i].origin.y(), 6 * low.lines[i].origin.y(), 0.01);
  }
  // Pages cut at the same places too.
  for (int inches = 1; inches <= 6; ++inches) {
    QImage lowPage = WhitePage(300, 100 * inches + 20);
    QImage highPage = WhitePage(1600, 600 * inches + 100);
    QPainter lowPainter(&lowPage);
    QPainter highPainter(&highPage);
    int32_t lowNext = 0;
    int32_t highNext = 0;
    for (int page = 0; page < 3; ++page) {
      lowNext = RenderRichText(lowPainter, document, TRect{10, 10, 260, 10 + 100 * inches}, 100,
                               100, lowNext);
      highNext = RenderRichText(highPainter, document, TRect{60, 60, 1560, 60 + 600 * inches},
                                600, 600, highNext);
      EXPECT_EQ(lowNext, highNext) << inches << " inches, page " << page;
    }
  }
}

TEST(RenderRichText, TextWidthIsTheRectangleWidth) {
  RichTextDocument document;
  AddLines(document, TFont{"ARIAL", 10, 0, 0}, SampleParagraphs());
  const Rendered narrow = RecordRender(document, TRect{0, 0, 200, 5000}, 100, 0);
  const Rendered wide = RecordRender(document, TRect{0, 0, 600, 5000}, 100, 0);
  EXPECT_GT(narrow.lines.size(), wide.lines.size() * 3 / 2);
  // The same document can be rendered again at another width.
  const Rendered narrowAgain = RecordRender(document, TRect{0, 0, 200, 5000}, 100, 0);
  EXPECT_EQ(narrowAgain.lines.size(), narrow.lines.size());
}

TEST(RenderRichText, AlignmentPlacesLinesInTheWidth) {
  const auto document = tessel_test::LoadDocument(
      "{\\rtf1\\fs24 \\ql left\\par\\qr right\\par\\qc centre\\par\\pard\\li1440 indented}");
  const Rendered page = RecordRender(*document, TRect{100, 0, 500, 400}, 100, 0);
  ASSERT_EQ(page.lines.size(), 4u);
  EXPECT_NEAR(page.lines[0].origin.x(), 100, 1);
  EXPECT_GT(page.lines[1].origin.x(), 400);
  EXPECT_GT(page.lines[2].origin.x(), 250);
  EXPECT_LT(page.lines[2].origin.x(), 300);
  EXPECT_NEAR(page.lines[3].origin.x(), 200, 1);  // one inch in
}

}  // namespace
