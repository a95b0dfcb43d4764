// BMP and DIB forms that paint programs and other libraries write and Qt's
// writer never does: rows stored top to bottom, and pixels read through
// colour masks of any width. Every file is written byte by byte.
#include <gtest/gtest.h>

#include <QString>
#include <variant>

#include "bmp_bytes.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"
#include "test_pictures.h"

namespace platform {
namespace {

using tessel_test::BmpLayout;
using tessel_test::BmpOf;
using tessel_test::BmpWithData;
using tessel_test::ReasonOf;

const std::string kNotABitmap = "The picture is not a BMP picture or is damaged.";

PictureResult Decode(const QByteArray& bytes) { return tessel_test::DecodeBitmapBytes(bytes); }

// The decoded colours as 0xRRGGBB, top row first.
std::vector<uint32_t> ColoursOf(const PictureResult& result) {
  const auto* picture = std::get_if<Picture>(&result);
  if (!picture) return {};
  std::vector<uint32_t> colours;
  const QImage& image = picture->impl().image;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.push_back(image.pixel(x, y) & 0xFFFFFF);
  }
  return colours;
}

// 5 x 3 pixels: an odd width, so that every bit count pads its rows.
constexpr int32_t kWidth = 5;
constexpr int32_t kRows = 3;
const std::vector<uint32_t> kPalette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                        0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF,
                                        0x808080, 0x800000, 0x008000, 0x000080,
                                        0x808000, 0x008080, 0x800080, 0xC0C0C0};

struct Form {
  uint16_t bitCount;
  std::vector<uint32_t> stored;   // what the file holds per pixel
  std::vector<uint32_t> colours;  // what must be decoded
};

std::vector<Form> EveryBitCount() {
  return {
      {1, {0, 1, 1, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1},
       {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
        0xFFFFFF, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF}},
      {4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15},
       {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x808080,
        0x800000, 0x008000, 0x000080, 0x808000, 0x008080, 0xC0C0C0}},
      {8, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
       {0xC0C0C0, 0x800080, 0x008080, 0x808000, 0x000080, 0x008000, 0x800000, 0x808080, 0xFF00FF,
        0x00FFFF, 0xFFFF00, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}},
      // 5-5-5: full intensity is white, and the top bit is not a colour.
      {16, {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0xFFFF, 0x4210, 0x0000, 0x8000, 0x0421, 0x7C1F,
            0x03FF, 0x7FE0, 0x2108, 0x6318, 0x5294},
       {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0x848484, 0x000000, 0x000000,
        0x080808, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0x424242, 0xC6C6C6, 0xA5A5A5}},
      {24, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFEDCBA, 0x010203, 0x808080, 0x000000,
            0xFFFFFF, 0x7F7F7F, 0xA0B0C0, 0x0A0B0C, 0x111111, 0x222222, 0x333333},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFEDCBA, 0x010203, 0x808080, 0x000000,
        0xFFFFFF, 0x7F7F7F, 0xA0B0C0, 0x0A0B0C, 0x111111, 0x222222, 0x333333}},
      // The fourth byte of an uncompressed 32-bit pixel is not a colour.
      {32, {0x00FF0000, 0xFF00FF00, 0x000000FF, 0x00123456, 0x80FEDCBA, 0x00010203, 0x00808080,
            0x00000000, 0x00FFFFFF, 0x007F7F7F, 0x00A0B0C0, 0x000A0B0C, 0x00111111, 0x00222222,
            0x00333333},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFEDCBA, 0x010203, 0x808080, 0x000000,
        0xFFFFFF, 0x7F7F7F, 0xA0B0C0, 0x0A0B0C, 0x111111, 0x222222, 0x333333}},
  };
}

BmpLayout LayoutOf(const Form& form, int32_t height, bool fileHeader) {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = height;
  layout.bitCount = form.bitCount;
  layout.fileHeader = fileHeader;
  if (form.bitCount <= 8) {
    layout.colours.assign(kPalette.begin(), kPalette.begin() + (form.bitCount == 1 ? 2 : 16));
  }
  return layout;
}

TEST(BitmapForms, TopDownRowsLoadAtEveryBitCountWithAndWithoutTheFileHeader) {
  for (const Form& form : EveryBitCount()) {
    for (bool fileHeader : {true, false}) {
      SCOPED_TRACE(testing::Message() << form.bitCount << " bits, file header " << fileHeader);
      const PictureResult bottomUp = Decode(BmpOf(LayoutOf(form, kRows, fileHeader), form.stored));
      const PictureResult topDown = Decode(BmpOf(LayoutOf(form, -kRows, fileHeader), form.stored));
      EXPECT_EQ(ColoursOf(bottomUp), form.colours) << ReasonOf(bottomUp);
      EXPECT_EQ(ColoursOf(topDown), form.colours) << ReasonOf(topDown);
      const auto* picture = std::get_if<Picture>(&topDown);
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->Width(), kWidth);
      EXPECT_EQ(picture->Height(), kRows);
    }
  }
}

TEST(BitmapForms, TopDownRunLengthIsRefusedAndBottomUpRunLengthLoads) {
  // Two rows of four: a run of red, then a run of green; end of bitmap.
  BmpLayout rle8;
  rle8.width = 4;
  rle8.height = 2;
  rle8.bitCount = 8;
  rle8.compression = 1;
  rle8.colours = {0xFF0000, 0x00FF00};
  const QByteArray runs8("\x04\x00\x00\x00\x04\x01\x00\x01", 8);
  EXPECT_EQ(ColoursOf(Decode(BmpWithData(rle8, runs8))),
            (std::vector<uint32_t>{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, 0xFF0000, 0xFF0000,
                                   0xFF0000, 0xFF0000}));
  rle8.height = -2;
  EXPECT_EQ(ReasonOf(Decode(BmpWithData(rle8, runs8))), kNotABitmap);
  rle8.fileHeader = false;
  EXPECT_EQ(ReasonOf(Decode(BmpWithData(rle8, runs8))), kNotABitmap);

  BmpLayout rle4 = rle8;
  rle4.fileHeader = true;
  rle4.bitCount = 4;
  rle4.compression = 2;
  const QByteArray runs4("\x04\x11\x00\x00\x04\x00\x00\x01", 8);
  EXPECT_EQ(ReasonOf(Decode(BmpWithData(rle4, runs4))), kNotABitmap);
}

struct Masked {
  const char* name;
  uint16_t bitCount;
  std::vector<uint32_t> masks;  // red, green, blue (, alpha)
  std::vector<uint32_t> stored;
  std::vector<uint32_t> colours;
};

// Each channel is its masked bits shifted down and scaled to eight bits:
// narrower channels repeat their bits (so full intensity is 255), wider ones
// keep their top eight.
std::vector<Masked> MaskedForms() {
  return {
      {"5-5-5", 16, {0x7C00, 0x03E0, 0x001F}, {0x7C00, 0x03E0, 0x001F, 0x4210, 0x801F},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x848484, 0x0000FF}},
      {"5-6-5", 16, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x07E0, 0x001F, 0x8410, 0xFFFF},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x848284, 0xFFFFFF}},
      {"2-3-1", 16, {0x0030, 0x000E, 0x0001}, {0x0030, 0x000E, 0x0001, 0x0014, 0xFFD4},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x554900, 0x554900}},
      {"3-10-3", 16, {0xE000, 0x1FF8, 0x0007}, {0xE000, 0x1FF8, 0x0007, 0x9001, 0xFFFF},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x928024, 0xFFFFFF}},
      {"8-8-8", 32, {0x00FF0000, 0x0000FF00, 0x000000FF},
       {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF123456, 0x00808080},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0x808080}},
      {"8-8-8 reversed", 32, {0x000000FF, 0x0000FF00, 0x00FF0000},
       {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00123456, 0x00808080},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x563412, 0x808080}},
      {"11-11-10", 32, {0xFFE00000, 0x001FFC00, 0x000003FF},
       {0xFFE00000, 0x001FFC00, 0x000003FF, 0x80100200, 0x00200401},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x000000}},
      {"10-10-10-2", 32, {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000},
       {0x3FF00000, 0xC00FFC00, 0x000003FF, 0x20080200, 0xFFFFFFFF},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0xFFFFFF}},
      {"7-18-7", 32, {0xFE000000, 0x01FFFF80, 0x0000007F},
       {0xFE000000, 0x01FFFF80, 0x0000007F, 0x80800040, 0x02000101},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x814081, 0x020002}},
  };
}

BmpLayout MaskedLayout(const Masked& form, uint32_t compression, uint32_t infoSize, int32_t height) {
  BmpLayout layout;
  layout.width = static_cast<int32_t>(form.stored.size());
  layout.height = height;
  layout.bitCount = form.bitCount;
  layout.compression = compression;
  layout.infoSize = infoSize;
  layout.masks.assign(form.masks.begin(), form.masks.begin() + 3);
  // BI_ALPHABITFIELDS and the larger headers carry a fourth mask.
  if (compression == 6 || infoSize >= 56) layout.masks.push_back(form.masks.size() > 3 ? form.masks[3] : 0);
  return layout;
}

TEST(BitmapForms, BitFieldMasksOfAnyWidthScaleEachChannelToEightBits) {
  struct Header {
    uint32_t compression, infoSize;
  };
  for (const Masked& form : MaskedForms()) {
    for (const Header header : {Header{3, 40}, Header{6, 40}, Header{3, 56}, Header{3, 108}, Header{3, 124}}) {
      for (int32_t height : {1, -1}) {
        SCOPED_TRACE(testing::Message() << form.name << ", compression " << header.compression
                                        << ", header " << header.infoSize << ", height " << height);
        const PictureResult result =
            Decode(BmpOf(MaskedLayout(form, header.compression, header.infoSize, height), form.stored));
        EXPECT_EQ(ColoursOf(result), form.colours) << ReasonOf(result);
      }
    }
  }
}

TEST(BitmapForms, BitFieldRowsRunBothWaysInABareDib) {
  const Masked form = MaskedForms()[6];  // 11-11-10
  std::vector<uint32_t> twoRows = form.stored;
  twoRows.insert(twoRows.end(), form.stored.rbegin(), form.stored.rend());
  std::vector<uint32_t> expected = form.colours;
  expected.insert(expected.end(), form.colours.rbegin(), form.colours.rend());
  for (int32_t height : {2, -2}) {
    BmpLayout layout = MaskedLayout(form, 3, 40, height);
    layout.fileHeader = false;
    layout.colours = {0x123456, 0x654321};  // an optional table the pixels skip
    const PictureResult result = Decode(BmpOf(layout, twoRows));
    EXPECT_EQ(ColoursOf(result), expected) << height << ": " << ReasonOf(result);
  }
}

TEST(BitmapForms, MasksThatCannotBeReadAreRefused) {
  const Masked base = MaskedForms()[1];  // 5-6-5
  const std::vector<std::vector<uint32_t>> unreadable = {
      {0xF0F0, 0x0700, 0x000F},      // red in two pieces
      {0xFF00, 0x0FF0, 0x000F},      // red and green share bits
      {0x0000, 0x07E0, 0x001F},      // no red at all
      {0x1F0000, 0x07E0, 0x001F},    // red outside a 16-bit pixel
  };
  for (const std::vector<uint32_t>& masks : unreadable) {
    Masked form = base;
    form.masks = masks;
    for (uint32_t infoSize : {40u, 124u}) {
      EXPECT_EQ(ReasonOf(Decode(BmpOf(MaskedLayout(form, 3, infoSize, 1), form.stored))), kNotABitmap)
          << std::hex << masks[0] << " " << masks[1] << " " << masks[2] << ", header " << std::dec << infoSize;
    }
  }
  // In an OS/2 header the bit-field number means Huffman-coded one-bit
  // pixels.
  BmpLayout huffman;
  huffman.width = 8;
  huffman.bitCount = 1;
  huffman.compression = 3;
  huffman.infoSize = 64;
  huffman.colours = {0x000000, 0xFFFFFF};
  EXPECT_EQ(ReasonOf(Decode(BmpOf(huffman, std::vector<uint32_t>(8, 1)))), kNotABitmap);
  huffman.bitCount = 32;
  EXPECT_EQ(ReasonOf(Decode(BmpOf(huffman, std::vector<uint32_t>(8, 0xFFFFFF)))), kNotABitmap);
  // Bit fields belong to 16- and 32-bit pixels only.
  Masked wide = MaskedForms()[4];
  BmpLayout layout = MaskedLayout(wide, 3, 40, 1);
  layout.bitCount = 24;
  EXPECT_EQ(ReasonOf(Decode(BmpOf(layout, wide.stored))), kNotABitmap);
}

TEST(BitmapForms, BitFieldPixelsThatEndEarlyAreRefused) {
  const Masked form = MaskedForms()[6];
  const QByteArray whole = BmpOf(MaskedLayout(form, 3, 40, -1), form.stored);
  EXPECT_EQ(ReasonOf(Decode(whole.left(whole.size() - 4))),
            "The BMP picture is damaged (its pixel data ends early).");
}

}  // namespace
}  // namespace platform
