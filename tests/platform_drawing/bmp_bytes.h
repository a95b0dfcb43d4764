#pragma once
// BMP and DIB files written byte by byte, so that tests can make the forms
// Qt's writer never writes: top-down rows, bit-field masks, run-length data,
// every bit count and header size.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace tessel_test {

struct BmpLayout {
  int32_t width = 1;
  int32_t height = 1;  // negative: rows stored top to bottom
  uint16_t bitCount = 24;
  uint32_t compression = 0;  // 0 RGB, 1 RLE8, 2 RLE4, 3 BITFIELDS, 6 ALPHABITFIELDS
  uint32_t infoSize = 40;    // 12, 40, 52, 56, 108 or 124
  // Red, green, blue (and alpha) masks: after a 40-byte header when the
  // compression is a bit-field one, inside the larger headers.
  std::vector<uint32_t> masks;
  std::vector<uint32_t> colours;  // colour table, 0x00RRGGBB
  bool fileHeader = true;         // false: a bare DIB as .dib files may hold
};

// pixels: width x |height| values, top row first: colour-table indices up to
// 8 bits, 0xRRGGBB at 24 bits, the raw pixel value at 16 and 32 bits. The
// rows are padded to four bytes and stored in the order the height says.
QByteArray BmpOf(const BmpLayout& layout, const std::vector<uint32_t>& pixels);

// The same headers followed by the given pixel data as it stands (run-length
// data, or rows cut short).
QByteArray BmpWithData(const BmpLayout& layout, const QByteArray& data);

}  // namespace tessel_test
