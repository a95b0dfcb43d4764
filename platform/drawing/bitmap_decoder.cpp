// BMP and DIB pictures through Qt's reader, which is well fuzzed and keeps
// its own allocation limit. Before it runs we read the few header fields
// that tell the picture's size, to refuse oversized pictures with a plain
// reason and to notice pixel data that ends early.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <optional>

#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

constexpr qsizetype kFileHeaderSize = 14;

struct DibHeader {
  int64_t infoSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // rows, whichever way they run
  int64_t bitCount = 0;
  int64_t compression = 0;
  int64_t colorsUsed = 0;
};

uint32_t ReadLe(const QByteArray& bytes, qsizetype at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  }
  return value;
}

// The core header of OS/2 pictures or any of the Windows info headers.
std::optional<DibHeader> ReadDibHeader(const QByteArray& head, qsizetype at) {
  if (head.size() < at + 16) return std::nullopt;
  DibHeader header;
  header.infoSize = ReadLe(head, at, 4);
  if (header.infoSize == 12) {
    header.width = ReadLe(head, at + 4, 2);
    header.height = ReadLe(head, at + 6, 2);
    header.bitCount = ReadLe(head, at + 10, 2);
    return header;
  }
  const bool knownSize = header.infoSize == 40 || header.infoSize == 52 || header.infoSize == 56 ||
                        header.infoSize == 64 || header.infoSize == 108 || header.infoSize == 124;
  if (!knownSize || head.size() < at + 36) return std::nullopt;
  header.width = static_cast<int32_t>(ReadLe(head, at + 4, 4));
  const int64_t height = static_cast<int32_t>(ReadLe(head, at + 8, 4));
  header.height = height < 0 ? -height : height;
  header.bitCount = ReadLe(head, at + 14, 2);
  header.compression = ReadLe(head, at + 16, 4);
  header.colorsUsed = ReadLe(head, at + 32, 4);
  return header;
}

// Qt's reader stops quietly at the end of the data and returns a picture
// with rows missing; the class library read such a file as an error. Only
// uncompressed pictures say how many bytes must follow.
bool EndsEarly(const DibHeader& header, const QByteArray& head, int64_t deviceSize,
               bool hasFileHeader) {
  constexpr int64_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (header.compression != kRgb && header.compression != kBitFields &&
      header.compression != kAlphaBitFields) {
    return false;
  }
  if (header.bitCount <= 0 || header.bitCount > 32 || header.colorsUsed > 65536) return false;

  int64_t pixelStart = 0;
  if (hasFileHeader) {
    pixelStart = ReadLe(head, 10, 4);
  } else {
    const int64_t masks = (header.infoSize == 40 && header.compression != kRgb) ? 12 : 0;
    const int64_t entries = header.colorsUsed != 0 ? header.colorsUsed
                            : header.bitCount <= 8 ? (int64_t{1} << header.bitCount)
                                                   : 0;
    pixelStart = header.infoSize + masks + entries * (header.infoSize == 12 ? 3 : 4);
  }
  const int64_t stride = (header.width * header.bitCount + 31) / 32 * 4;
  return deviceSize < pixelStart + stride * header.height;
}

PictureError NotABitmap() { return PictureError{"The picture is not a BMP picture or is damaged."}; }

PictureResult ReadBitmap(QIODevice& device) {
  const QByteArray head = device.peek(64);
  // A .dib file may hold a bare DIB without the "BM" file header; Qt reads
  // that form under the format name "dib".
  const bool hasFileHeader = head.startsWith("BM");
  if (const std::optional<DibHeader> header =
          ReadDibHeader(head, hasFileHeader ? kFileHeaderSize : 0)) {
    if (auto refusal = CheckPictureSize(header->width, header->height)) return *refusal;
    if (EndsEarly(*header, head, device.size(), hasFileHeader)) {
      return PictureError{"The BMP picture is damaged (its pixel data ends early)."};
    }
  }

  QImageReader reader(&device, hasFileHeader ? "bmp" : "dib");
  reader.setDecideFormatFromContent(false);
  if (!reader.canRead() || !reader.size().isValid()) return NotABitmap();
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    // Qt's reader refuses pictures above its allocation limit (in megabytes)
    // without saying so; that is not damage.
    const int64_t bytes = int64_t{reader.size().width()} * reader.size().height() * 4;
    if (bytes > int64_t{QImageReader::allocationLimit()} * 1024 * 1024) {
      return PictureError{"The picture is too large to decode."};
    }
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

PictureResult LoadBitmapFile(const std::string& nativePath) {
  QFile file(QString::fromStdString(nativePath));
  if (!file.open(QIODevice::ReadOnly)) return PictureError{"The picture file cannot be read."};
  return ReadBitmap(file);
}

PictureResult DecodeBitmap(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) return PictureError{"The picture file is empty."};
  if (size > static_cast<size_t>(INT32_MAX)) return PictureError{"The picture file is too large."};
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                             static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return PictureError{"The picture file cannot be read."};
  return ReadBitmap(buffer);
}

}  // namespace platform
