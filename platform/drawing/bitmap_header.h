#pragma once
// The fields of a BMP or DIB header that the picture reader checks before
// it decodes: size, row order, compression, where the pixels start and the
// colour masks of 16- and 32-bit pictures.
#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace platform {

inline constexpr qsizetype kBitmapFileHeaderSize = 14;
// Enough of a file's start for the file header, the largest info header
// and the four masks that may follow the smallest Windows one.
inline constexpr qsizetype kBitmapHeadBytes = kBitmapFileHeaderSize + 124 + 16;

enum BitmapCompression : int64_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitFields = 3,
  kBiAlphaBitFields = 6,
};

struct DibHeader {
  int64_t infoSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // rows, whichever way they run
  bool topDown = false;
  int64_t planes = 1;
  int64_t bitCount = 0;
  int64_t compression = kBiRgb;
  int64_t colorsUsed = 0;
  // Red, green and blue as the pixels of a 16- or 32-bit picture hold them;
  // zero where the header gives none.
  std::array<uint32_t, 3> masks{};
  int64_t headersEnd = 0;  // where the info header and its masks end in the file
  int64_t pixelStart = 0;  // where the first stored row begins in the file
};

// head: the file's first bytes (up to kBitmapHeadBytes); hasFileHeader: it
// starts with "BM" (a .dib file may hold a bare DIB). nullopt for a header
// of no known size or one cut short.
std::optional<DibHeader> ReadDibHeader(const QByteArray& head, bool hasFileHeader);

// The bytes of one stored row, padded to four.
int64_t RowBytes(const DibHeader& header);

// Uncompressed 16-bit pixels and the two bit-field compressions of the
// Windows headers: pixels read through the masks.
bool HasMaskedPixels(const DibHeader& header);

}  // namespace platform
