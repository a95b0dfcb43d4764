#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <variant>

#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"
#include "test_pictures.h"

namespace platform {
namespace {

using tessel_test::BmpBytes;
using tessel_test::ColourChart;
using tessel_test::ReasonOf;

PictureResult Decode(const QByteArray& bytes) { return tessel_test::DecodeBitmapBytes(bytes); }

void ExpectChart(const PictureResult& result) {
  const auto* picture = std::get_if<Picture>(&result);
  ASSERT_NE(picture, nullptr) << ReasonOf(result);
  ASSERT_EQ(picture->Width(), 4);
  ASSERT_EQ(picture->Height(), 3);
  const QImage expected = ColourChart();
  const QImage& decoded = picture->impl().image;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(decoded.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    }
  }
}

void PutLe32(QByteArray& bytes, int at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST(BitmapPictures, DecodeToTheirSizeAndPixels) {
  ExpectChart(Decode(BmpBytes(ColourChart())));
  // A .dib may hold the bare DIB, without the 14-byte file header.
  ExpectChart(Decode(BmpBytes(ColourChart()).mid(14)));
}

TEST(BitmapPictures, LoadFromFile) {
  QTemporaryDir folder;
  const std::string path =
      tessel_test::WriteFile(folder.path().toStdString(), "chart.bmp", BmpBytes(ColourChart()));
  ExpectChart(LoadBitmapFile(path));
  EXPECT_EQ(ReasonOf(LoadBitmapFile(folder.path().toStdString() + "/missing.bmp")),
            "The picture file cannot be read.");
}

TEST(BitmapPictures, DamagedDataIsRefusedWithAReason) {
  const QByteArray bmp = BmpBytes(ColourChart());
  EXPECT_EQ(ReasonOf(Decode(bmp.left(bmp.size() - 6))),
            "The BMP picture is damaged (its pixel data ends early).");
  EXPECT_EQ(ReasonOf(Decode(bmp.left(20))), "The picture is not a BMP picture or is damaged.");
  EXPECT_EQ(ReasonOf(Decode(QByteArray("GIF89a this is not a bitmap at all........"))),
            "The picture is not a BMP picture or is damaged.");
  EXPECT_EQ(ReasonOf(DecodeBitmap(nullptr, 0)), "The picture file is empty.");
}

TEST(BitmapPictures, SizeCapIsCheckedBeforeDecoding) {
  QByteArray bmp = BmpBytes(ColourChart());
  PutLe32(bmp, 18, 60000);
  PutLe32(bmp, 22, 60000);
  EXPECT_EQ(ReasonOf(Decode(bmp)), "The picture is too large (60000 x 60000 pixels).");
}

TEST(PictureValue, CopiesAreIndependentAndMovedFromIsEmpty) {
  Picture original = PictureFromImage(ColourChart());
  Picture copy = original;
  copy.impl().image.setPixel(0, 0, 0xff123456);
  EXPECT_EQ(original.impl().image.pixel(0, 0), 0xffff0000u);

  Picture moved = std::move(original);
  EXPECT_EQ(moved.Width(), 4);
  EXPECT_TRUE(original.Empty());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(original.Width(), 0);  // NOLINT(bugprone-use-after-move)
  EXPECT_TRUE(Picture().Empty());
}

TEST(PictureValue, SizeCheck) {
  EXPECT_FALSE(CheckPictureSize(10000, 10000));
  EXPECT_EQ(CheckPictureSize(10000, 10001)->reason, "The picture is too large (10000 x 10001 pixels).");
  EXPECT_EQ(CheckPictureSize(0, 5)->reason, "The picture has no pixels.");
  EXPECT_TRUE(CheckPictureSize(int64_t{1} << 40, int64_t{1} << 40));
}

}  // namespace
}  // namespace platform
