// BMP and DIB pictures through Qt's reader, which is well fuzzed and keeps
// its own allocation limit. Before it runs we read the header fields that
// tell the picture's size, to refuse oversized pictures with a plain reason
// and to notice pixel data that ends early. Pixels read through colour masks
// are decoded by the platform itself (masked_pixels.h).
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <cstdlib>
#include <optional>

#include "platform/drawing/bitmap_header.h"
#include "platform/drawing/masked_pixels.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

constexpr int64_t kOs2InfoSize = 64;

// Qt's reader stops quietly at the end of the data and returns a picture
// with rows missing; the class library read such a file as an error. Only
// uncompressed pictures say how many bytes must follow.
bool EndsEarly(const DibHeader& header, int64_t deviceSize) {
  if (header.compression != kBiRgb && header.compression != kBiBitFields &&
      header.compression != kBiAlphaBitFields) {
    return false;
  }
  if (header.bitCount <= 0 || header.bitCount > 32 || header.colorsUsed > 65536) return false;
  return deviceSize < header.pixelStart + RowBytes(header) * header.height;
}

PictureError NotABitmap() { return PictureError{"The picture is not a BMP picture or is damaged."}; }

// Qt's reader refuses pictures above its allocation limit (in megabytes)
// without saying so; that is not damage.
std::optional<PictureError> CheckAllocationLimit(int64_t width, int64_t height) {
  if (width * height * 4 <= int64_t{QImageReader::allocationLimit()} * 1024 * 1024) return std::nullopt;
  return PictureError{"The picture is too large to decode."};
}

std::optional<PictureError> CheckHeader(const DibHeader& header, int64_t deviceSize) {
  if (auto refusal = CheckPictureSize(header.width, header.height)) return refusal;
  // Run-length data is stored from the bottom row up, so a top-down bitmap
  // cannot hold it. OS/2's own compressions (Huffman, 24-bit runs) share
  // their numbers with Windows' bit fields, which Qt's reader would apply.
  if (header.topDown && (header.compression == kBiRle8 || header.compression == kBiRle4)) {
    return NotABitmap();
  }
  if (header.infoSize == kOs2InfoSize && header.compression > kBiRle4) return NotABitmap();
  if (header.planes != 1) return NotABitmap();
  if (EndsEarly(header, deviceSize)) {
    return PictureError{"The BMP picture is damaged (its pixel data ends early)."};
  }
  return std::nullopt;
}

PictureResult ReadMaskedBitmap(QIODevice& device, const DibHeader& header) {
  if (auto refusal = CheckAllocationLimit(header.width, header.height)) return *refusal;
  QImage image = DecodeMaskedPixels(device, header);
  if (image.isNull()) return NotABitmap();
  return PictureFromImage(std::move(image));
}

void TellPixels(const DecodeRequest& request, int64_t width, int64_t height) {
  if (request.beforePixels && width > 0 && height != 0) request.beforePixels(width * std::abs(height));
}

PictureResult ReadBitmap(QIODevice& device, const DecodeRequest& request) {
  const QByteArray head = device.peek(kBitmapHeadBytes);
  // A .dib file may hold a bare DIB without the "BM" file header; Qt reads
  // that form under the format name "dib".
  const bool hasFileHeader = head.startsWith("BM");
  if (const std::optional<DibHeader> header = ReadDibHeader(head, hasFileHeader)) {
    if (auto refusal = CheckHeader(*header, device.size())) return *refusal;
    if (HasMaskedPixels(*header)) {
      TellPixels(request, header->width, header->height);
      return ReadMaskedBitmap(device, *header);
    }
  }

  QImageReader reader(&device, hasFileHeader ? "bmp" : "dib");
  reader.setDecideFormatFromContent(false);
  if (!reader.canRead()) return NotABitmap();
  // The reader gives a top-down picture's height as negative.
  const QSize claimed = reader.size();
  TellPixels(request, claimed.width(), claimed.height());
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    if (auto refusal = CheckAllocationLimit(claimed.width(), std::abs(claimed.height()))) return *refusal;
    return NotABitmap();
  }
  // Qt keeps a colour table shorter than the pixels' indices need, and
  // drawing then reads past its end; the missing colours draw black.
  if (image.colorCount() > 0 && image.colorCount() < (1 << image.depth())) {
    QList<QRgb> colours = image.colorTable();
    colours.resize(qsizetype{1} << image.depth(), qRgb(0, 0, 0));
    image.setColorTable(colours);
  }
  // StretchDIBits with SRCCOPY copies colours and ignores any alpha channel.
  if (image.hasAlphaChannel()) image = image.convertToFormat(QImage::Format_RGB32);
  return PictureFromImage(std::move(image));
}

}  // namespace

PictureResult LoadBitmapFile(const std::string& nativePath, const DecodeRequest& request) {
  QFile file(QString::fromStdString(nativePath));
  if (!file.open(QIODevice::ReadOnly)) return PictureError{"The picture file cannot be read."};
  return ReadBitmap(file, request);
}

PictureResult DecodeBitmap(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) return PictureError{"The picture file is empty."};
  if (size > static_cast<size_t>(INT32_MAX)) return PictureError{"The picture file is too large."};
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                             static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return PictureError{"The picture file cannot be read."};
  return ReadBitmap(buffer, DecodeRequest{});
}

}  // namespace platform
