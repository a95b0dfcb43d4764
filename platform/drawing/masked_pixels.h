#pragma once
// 16- and 32-bit BMP pixels read through their colour masks. Qt's reader
// scales a channel by a whole factor, so that wider channels than eight
// bits come out black and full intensity short of white; the platform's
// own reading takes each channel as its masked bits, shifted down and
// scaled to eight bits.
#include <QIODevice>
#include <QImage>

#include "platform/drawing/bitmap_header.h"

namespace platform {

// A null image when the masks cannot be read (a channel with no bits, in
// pieces, beyond the pixel or sharing bits with another) or the pixel data
// cannot be read whole. The header's size must have been checked.
QImage DecodeMaskedPixels(QIODevice& device, const DibHeader& header);

}  // namespace platform
