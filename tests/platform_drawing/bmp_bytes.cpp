#include "bmp_bytes.h"

#include <cstdlib>

namespace tessel_test {
namespace {

void Put(QByteArray& bytes, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool MasksFollowTheHeader(const BmpLayout& layout) {
  return layout.infoSize == 40 && (layout.compression == 3 || layout.compression == 6);
}

QByteArray Headers(const BmpLayout& layout, uint32_t dataSize) {
  QByteArray info;
  Put(info, layout.infoSize, 4);
  if (layout.infoSize == 12) {
    Put(info, static_cast<uint32_t>(layout.width), 2);
    Put(info, static_cast<uint32_t>(layout.height), 2);
    Put(info, 1, 2);
    Put(info, layout.bitCount, 2);
  } else {
    Put(info, static_cast<uint32_t>(layout.width), 4);
    Put(info, static_cast<uint32_t>(layout.height), 4);
    Put(info, 1, 2);
    Put(info, layout.bitCount, 2);
    Put(info, layout.compression, 4);
    Put(info, dataSize, 4);
    Put(info, 3780, 4);  // 96 pixels per inch
    Put(info, 3780, 4);
    Put(info, static_cast<uint32_t>(layout.colours.size()), 4);
    Put(info, 0, 4);
    for (size_t slot = 0; info.size() < static_cast<qsizetype>(layout.infoSize); ++slot) {
      // The larger headers hold the masks in their first four slots; the
      // colour space, end points, gamma and profile fields stay zero.
      const bool mask = slot < 4 && slot < layout.masks.size() && !MasksFollowTheHeader(layout);
      Put(info, mask ? layout.masks[slot] : 0, 4);
    }
  }
  if (MasksFollowTheHeader(layout)) {
    for (uint32_t mask : layout.masks) Put(info, mask, 4);
  }
  for (uint32_t colour : layout.colours) Put(info, colour, layout.infoSize == 12 ? 3 : 4);
  if (!layout.fileHeader) return info;

  QByteArray file("BM");
  Put(file, static_cast<uint32_t>(14 + info.size()) + dataSize, 4);
  Put(file, 0, 4);
  Put(file, static_cast<uint32_t>(14 + info.size()), 4);
  return file + info;
}

QByteArray Row(const BmpLayout& layout, const uint32_t* values) {
  QByteArray row;
  if (layout.bitCount < 8) {
    const int perByte = 8 / layout.bitCount;
    for (int32_t x = 0; x < layout.width; x += perByte) {
      uint32_t packed = 0;
      for (int i = 0; i < perByte; ++i) {
        const uint32_t value = x + i < layout.width ? values[x + i] : 0;
        packed |= value << (8 - layout.bitCount * (i + 1));
      }
      row.append(static_cast<char>(packed));
    }
  } else {
    for (int32_t x = 0; x < layout.width; ++x) Put(row, values[x], layout.bitCount / 8);
  }
  while (row.size() % 4 != 0) row.append('\0');
  return row;
}

}  // namespace

QByteArray BmpOf(const BmpLayout& layout, const std::vector<uint32_t>& pixels) {
  const int32_t rows = std::abs(layout.height);
  QByteArray data;
  for (int32_t n = 0; n < rows; ++n) {
    const int32_t y = layout.height < 0 ? n : rows - 1 - n;
    data += Row(layout, pixels.data() + static_cast<size_t>(y) * layout.width);
  }
  return BmpWithData(layout, data);
}

QByteArray BmpWithData(const BmpLayout& layout, const QByteArray& data) {
  return Headers(layout, static_cast<uint32_t>(data.size())) + data;
}

}  // namespace tessel_test
