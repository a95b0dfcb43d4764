#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <variant>

#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"
#include "test_pictures.h"

namespace platform {
namespace {

using tessel_test::JpegBytes;
using tessel_test::ReasonOf;

PictureResult Decode(const QByteArray& bytes) { return tessel_test::DecodeJpegBytes(bytes); }

// Four 8 x 8 blocks of flat colour: JPEG keeps flat blocks nearly exact.
QImage Quadrants() {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const QRgb colour = y < 8 ? (x < 8 ? 0xffff0000 : 0xff00ff00) : (x < 8 ? 0xff0000ff : 0xffffffff);
      image.setPixel(x, y, colour);
    }
  }
  return image;
}

void ExpectNear(QRgb actual, QRgb expected) {
  EXPECT_LE(std::abs(qRed(actual) - qRed(expected)), 12) << std::hex << actual;
  EXPECT_LE(std::abs(qGreen(actual) - qGreen(expected)), 12) << std::hex << actual;
  EXPECT_LE(std::abs(qBlue(actual) - qBlue(expected)), 12) << std::hex << actual;
}

void ExpectQuadrants(const PictureResult& result) {
  const auto* picture = std::get_if<Picture>(&result);
  ASSERT_NE(picture, nullptr) << ReasonOf(result);
  ASSERT_EQ(picture->Width(), 16);
  ASSERT_EQ(picture->Height(), 16);
  const QImage& image = picture->impl().image;
  ExpectNear(image.pixel(3, 3), 0xffff0000);
  ExpectNear(image.pixel(12, 3), 0xff00ff00);
  ExpectNear(image.pixel(3, 12), 0xff0000ff);
  ExpectNear(image.pixel(12, 12), 0xffffffff);
}

// Offset of the height field of the first frame header (SOF0 or SOF2).
int FrameSizeOffset(const QByteArray& jpeg) {
  for (int i = 2; i + 1 < jpeg.size(); ++i) {
    const auto marker = static_cast<uint8_t>(jpeg[i + 1]);
    if (static_cast<uint8_t>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) return i + 5;
  }
  return -1;
}

TEST(JpegPictures, DecodeColourGreyAndProgressive) {
  ExpectQuadrants(Decode(JpegBytes(Quadrants())));
  ExpectQuadrants(Decode(JpegBytes(Quadrants(), 95, true)));

  QImage grey(8, 4, QImage::Format_Grayscale8);
  grey.fill(200);
  const PictureResult decoded = Decode(JpegBytes(grey));
  const auto* picture = std::get_if<Picture>(&decoded);
  ASSERT_NE(picture, nullptr) << ReasonOf(decoded);
  EXPECT_EQ(picture->Width(), 8);
  EXPECT_EQ(picture->Height(), 4);
  ExpectNear(picture->impl().image.pixel(4, 2), qRgb(200, 200, 200));
}

TEST(JpegPictures, LoadFromFile) {
  QTemporaryDir folder;
  const std::string path =
      tessel_test::WriteFile(folder.path().toStdString(), "q.jpg", JpegBytes(Quadrants()));
  ExpectQuadrants(LoadJpegFile(path));
  EXPECT_EQ(ReasonOf(LoadJpegFile(folder.path().toStdString() + "/none.jpg")),
            "The picture file cannot be read.");
}

// Over generated picture and drawn sizes: the decode is the smallest of
// 1/1, 1/2, 1/4 and 1/8 that still covers the drawn size, is told before it
// takes its pixels, and keeps the colours.
TEST(JpegPictures, DecodedAtTheLeastScaleThatCoversTheDrawnSize) {
  QTemporaryDir folder;
  const std::string path =
      tessel_test::WriteFile(folder.path().toStdString(), "q.jpg", JpegBytes(Quadrants().scaled(160, 120)));
  for (int drawnWidth = 1; drawnWidth <= 200; drawnWidth += 7) {
    for (const int drawnHeight : {1, 14, 15, 16, 29, 31, 60, 61, 119, 120, 121}) {
      int64_t told = 0;
      DecodeRequest request{drawnWidth, drawnHeight, [&](int64_t pixels) { told = pixels; }};
      const PictureResult result = LoadJpegFile(path, request);
      const auto* picture = std::get_if<Picture>(&result);
      ASSERT_NE(picture, nullptr) << ReasonOf(result);
      const int divisor = 160 / picture->Width();
      const std::string where = std::to_string(drawnWidth) + " x " + std::to_string(drawnHeight);
      ASSERT_EQ(picture->Width() * divisor, 160) << where;
      EXPECT_EQ(picture->Height() * divisor, 120) << where;
      EXPECT_EQ(told, int64_t{picture->Width()} * picture->Height()) << where;
      EXPECT_EQ(picture->Reduced(), divisor > 1) << where;
      // Covers the drawn size when reduced, and the next scale would not.
      EXPECT_TRUE(divisor == 1 || (picture->Width() >= drawnWidth && picture->Height() >= drawnHeight)) << where;
      EXPECT_TRUE(divisor == 8 || 160 / divisor / 2 < drawnWidth || 120 / divisor / 2 < drawnHeight) << where;
      const QImage& image = picture->impl().image;
      ExpectNear(image.pixel(0, 0), 0xffff0000);
      ExpectNear(image.pixel(image.width() - 1, image.height() - 1), 0xffffffff);
    }
  }
  // A bitmap is never reduced.
  const std::string bitmap = tessel_test::WriteFile(folder.path().toStdString(), "c.bmp",
                                                    tessel_test::BmpBytes(Quadrants().scaled(40, 30)));
  int64_t told = 0;
  const PictureResult whole = LoadBitmapFile(bitmap, DecodeRequest{5, 5, [&](int64_t pixels) { told = pixels; }});
  EXPECT_EQ(std::get<Picture>(whole).Width() * 100 + told, 4000 + 1200);
}

TEST(JpegPictures, DamagedDataIsRefusedWithoutEndingTheProcess) {
  const QByteArray jpeg = JpegBytes(Quadrants());
  EXPECT_EQ(ReasonOf(Decode(jpeg.left(jpeg.size() / 2))),
            "The JPEG picture is damaged (Premature end of JPEG file).");
  EXPECT_EQ(ReasonOf(Decode(QByteArray("GIF89a not a jpeg"))),
            "The JPEG picture is damaged (Not a JPEG file: starts with 0x47 0x49).");
  EXPECT_EQ(ReasonOf(Decode(jpeg.left(2))),
            "The JPEG picture is damaged (Premature end of JPEG file).");
  EXPECT_EQ(ReasonOf(DecodeJpeg(nullptr, 0)), "The picture file is empty.");

  QTemporaryDir folder;
  const std::string cut =
      tessel_test::WriteFile(folder.path().toStdString(), "cut.jpg", jpeg.left(jpeg.size() / 2));
  EXPECT_EQ(ReasonOf(LoadJpegFile(cut)), "The JPEG picture is damaged (Premature end of JPEG file).");
}

TEST(JpegPictures, MissingOnlyTheEndMarkerIsStillComplete) {
  const QByteArray jpeg = JpegBytes(Quadrants());
  ASSERT_TRUE(jpeg.endsWith("\xFF\xD9"));
  ExpectQuadrants(Decode(jpeg.left(jpeg.size() - 2)));
}

TEST(JpegPictures, SizeCapIsCheckedOnTheHeader) {
  QByteArray jpeg = JpegBytes(Quadrants());
  const int at = FrameSizeOffset(jpeg);
  ASSERT_GT(at, 0);
  for (int i = 0; i < 4; ++i) jpeg[at + i] = static_cast<char>(i % 2 == 0 ? 0xEA : 0x60);  // 60000
  EXPECT_EQ(ReasonOf(Decode(jpeg)), "The picture is too large (60000 x 60000 pixels).");
}

TEST(JpegPictures, EndlessScansAreCut) {
  // A progressive file whose first scan repeats 600 times: libjpeg only
  // warns about each repeat and would go on decoding them all.
  const QByteArray jpeg = JpegBytes(Quadrants(), 95, true);
  const int start = jpeg.indexOf("\xFF\xDA");
  ASSERT_GT(start, 0);
  int end = start + 2;
  while (end + 1 < jpeg.size() && !(static_cast<uint8_t>(jpeg[end]) == 0xFF &&
                                    static_cast<uint8_t>(jpeg[end + 1]) != 0x00)) {
    ++end;
  }
  const QByteArray scan = jpeg.mid(start, end - start);
  QByteArray endless = jpeg.left(end);
  for (int i = 0; i < 600; ++i) endless += scan;
  endless += "\xFF\xD9";
  EXPECT_EQ(ReasonOf(Decode(endless)), "The JPEG picture is damaged (more than 500 scans).");
}

}  // namespace
}  // namespace platform
