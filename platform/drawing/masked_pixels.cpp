#include "platform/drawing/masked_pixels.h"

#include <QByteArray>
#include <array>
#include <bit>
#include <optional>

namespace platform {
namespace {

struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

std::optional<Channel> ChannelOf(uint32_t mask, int64_t bitCount) {
  if (mask == 0 || (bitCount < 32 && (mask >> bitCount) != 0)) return std::nullopt;
  const Channel channel{mask, std::countr_zero(mask), std::popcount(mask)};
  const uint32_t low = mask >> channel.shift;
  if ((low & (low + 1)) != 0) return std::nullopt;  // not one run of bits
  return channel;
}

// Narrow channels repeat their bits, so that full intensity is 255 and
// none is 0; wide ones keep their top eight.
uint32_t EightBits(uint32_t pixel, const Channel& channel) {
  const uint32_t value = (pixel & channel.mask) >> channel.shift;
  if (channel.bits >= 8) return value >> (channel.bits - 8);
  uint32_t repeated = 0;
  int filled = 0;
  for (; filled < 8; filled += channel.bits) repeated = (repeated << channel.bits) | value;
  return repeated >> (filled - 8);
}

}  // namespace

QImage DecodeMaskedPixels(QIODevice& device, const DibHeader& header) {
  std::array<Channel, 3> channels;
  for (size_t i = 0; i < channels.size(); ++i) {
    const std::optional<Channel> channel = ChannelOf(header.masks[i], header.bitCount);
    if (!channel) return {};
    channels[i] = *channel;
  }
  const auto [red, green, blue] = header.masks;
  if ((red & green) != 0 || (red & blue) != 0 || (green & blue) != 0) return {};
  // An offset into the headers would read them as pixels.
  if (header.pixelStart < header.headersEnd || !device.seek(header.pixelStart)) return {};

  QImage image(static_cast<int>(header.width), static_cast<int>(header.height), QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int64_t rowBytes = RowBytes(header);
  const int bytesPerPixel = static_cast<int>(header.bitCount / 8);
  QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
  for (int64_t stored = 0; stored < header.height; ++stored) {
    if (device.read(row.data(), rowBytes) != rowBytes) return {};
    const int64_t y = header.topDown ? stored : header.height - 1 - stored;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    const auto* in = reinterpret_cast<const uint8_t*>(row.constData());
    for (int64_t x = 0; x < header.width; ++x, in += bytesPerPixel) {
      uint32_t pixel = 0;
      for (int byte = bytesPerPixel - 1; byte >= 0; --byte) pixel = (pixel << 8) | in[byte];
      out[x] = qRgb(static_cast<int>(EightBits(pixel, channels[0])),
                    static_cast<int>(EightBits(pixel, channels[1])),
                    static_cast<int>(EightBits(pixel, channels[2])));
    }
  }
  return image;
}

}  // namespace platform
