#include "test_pictures.h"

#include <QBuffer>
#include <QFile>
#include <cstdio>
#include <jpeglib.h>
#include <variant>

namespace tessel_test {

QByteArray BmpBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

QByteArray JpegBytes(const QImage& source, int quality, bool progressive) {
  const bool gray = source.format() == QImage::Format_Grayscale8;
  const QImage image = gray ? source : source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = gray ? 1 : 3;
  cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
  std::free(out);
  return bytes;
}

std::string WriteFile(const std::string& folder, const std::string& name, const QByteArray& bytes) {
  const std::string path = folder + "/" + name;
  QFile file(QString::fromStdString(path));
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

platform::PictureResult DecodeBitmapBytes(const QByteArray& bytes) {
  return platform::DecodeBitmap(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                static_cast<size_t>(bytes.size()));
}

platform::PictureResult DecodeJpegBytes(const QByteArray& bytes) {
  return platform::DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.constData()),
                              static_cast<size_t>(bytes.size()));
}

std::string ReasonOf(const platform::PictureResult& result) {
  const auto* error = std::get_if<platform::PictureError>(&result);
  return error ? error->reason : "(decoded)";
}

QImage ColourChart() {
  QImage image(4, 3, QImage::Format_RGB32);
  const QRgb colours[3][4] = {{0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffffff},
                              {0xff000000, 0xffffff00, 0xff00ffff, 0xffff00ff},
                              {0xff808080, 0xff800000, 0xff008000, 0xff000080}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) image.setPixel(x, y, colours[y][x]);
  }
  return image;
}

}  // namespace tessel_test
