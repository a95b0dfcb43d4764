#pragma once
// Picture files made inside the tests: BMPs through Qt's writer, JPEGs
// through libjpeg (Qt's JPEG plugin may be missing).
#include <QByteArray>
#include <QImage>
#include <string>

#include "platform/drawing/picture.h"

namespace tessel_test {

QByteArray BmpBytes(const QImage& image);
// Grayscale8 images are written with one component, all others as RGB.
QByteArray JpegBytes(const QImage& image, int quality = 95, bool progressive = false);
// Writes bytes to a file and returns its path.
std::string WriteFile(const std::string& folder, const std::string& name, const QByteArray& bytes);

// The platform's decoders on bytes in memory.
platform::PictureResult DecodeBitmapBytes(const QByteArray& bytes);
platform::PictureResult DecodeJpegBytes(const QByteArray& bytes);
// The reason a picture was refused, or "(decoded)".
std::string ReasonOf(const platform::PictureResult& result);

// A 4 x 3 picture of distinct, well separated colours.
QImage ColourChart();

}  // namespace tessel_test
