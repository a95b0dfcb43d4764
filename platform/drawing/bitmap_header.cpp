#include "platform/drawing/bitmap_header.h"

namespace platform {
namespace {

constexpr int64_t kCoreHeaderSize = 12;
constexpr int64_t kInfoHeaderSize = 40;
constexpr int64_t kOs2HeaderSize = 64;

uint32_t ReadLe(const QByteArray& bytes, qsizetype at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  }
  return value;
}

bool IsBitFields(int64_t compression) {
  return compression == kBiBitFields || compression == kBiAlphaBitFields;
}

// The masks of a bit-field picture follow a 40-byte header; the larger
// Windows headers hold them in their own first fields. Uncompressed 16-bit
// pixels are 5-5-5 whatever a larger header holds.
void ReadMasks(const QByteArray& head, qsizetype at, DibHeader& header) {
  if (header.bitCount == 16 && header.compression == kBiRgb) {
    header.masks = {0x7C00, 0x03E0, 0x001F};
    return;
  }
  if (!IsBitFields(header.compression) || header.infoSize == kOs2HeaderSize) return;
  if (head.size() < at + kInfoHeaderSize + 12) return;
  for (qsizetype channel = 0; channel < 3; ++channel) {
    header.masks[channel] = ReadLe(head, at + kInfoHeaderSize + 4 * channel, 4);
  }
}

int64_t MaskBytesAfterHeader(const DibHeader& header) {
  if (header.infoSize != kInfoHeaderSize) return 0;
  if (header.compression == kBiBitFields) return 12;
  if (header.compression == kBiAlphaBitFields) return 16;
  return 0;
}

// A bare DIB's pixels follow its colour table.
int64_t BareDibPixelStart(const DibHeader& header) {
  const int64_t entries = header.colorsUsed != 0 ? header.colorsUsed
                          : header.bitCount <= 8 ? (int64_t{1} << header.bitCount)
                                                 : 0;
  return header.headersEnd + entries * (header.infoSize == kCoreHeaderSize ? 3 : 4);
}

}  // namespace

std::optional<DibHeader> ReadDibHeader(const QByteArray& head, bool hasFileHeader) {
  const qsizetype at = hasFileHeader ? kBitmapFileHeaderSize : 0;
  if (head.size() < at + 16) return std::nullopt;
  DibHeader header;
  header.infoSize = ReadLe(head, at, 4);
  if (header.infoSize == kCoreHeaderSize) {
    header.width = ReadLe(head, at + 4, 2);
    header.height = ReadLe(head, at + 6, 2);
    header.planes = ReadLe(head, at + 8, 2);
    header.bitCount = ReadLe(head, at + 10, 2);
  } else {
    const bool knownSize = header.infoSize == kInfoHeaderSize || header.infoSize == 52 ||
                           header.infoSize == 56 || header.infoSize == kOs2HeaderSize ||
                           header.infoSize == 108 || header.infoSize == 124;
    if (!knownSize || head.size() < at + 36) return std::nullopt;
    header.width = static_cast<int32_t>(ReadLe(head, at + 4, 4));
    const int64_t height = static_cast<int32_t>(ReadLe(head, at + 8, 4));
    header.topDown = height < 0;
    header.height = height < 0 ? -height : height;
    header.planes = ReadLe(head, at + 12, 2);
    header.bitCount = ReadLe(head, at + 14, 2);
    header.compression = ReadLe(head, at + 16, 4);
    header.colorsUsed = ReadLe(head, at + 32, 4);
    ReadMasks(head, at, header);
  }
  header.headersEnd = at + header.infoSize + MaskBytesAfterHeader(header);
  header.pixelStart = hasFileHeader ? ReadLe(head, 10, 4) : BareDibPixelStart(header);
  return header;
}

int64_t RowBytes(const DibHeader& header) { return (header.width * header.bitCount + 31) / 32 * 4; }

bool HasMaskedPixels(const DibHeader& header) {
  if (header.infoSize == kCoreHeaderSize || header.infoSize == kOs2HeaderSize) return false;
  if (header.bitCount == 16 && header.compression == kBiRgb) return true;
  return IsBitFields(header.compression) && (header.bitCount == 16 || header.bitCount == 32);
}

}  // namespace platform
