#pragma once

#include <QByteArray>
#include <QImage>

namespace cardgen {

// How a picture is stored in a library: the device-independent bitmap a resource compiler
// keeps, i.e. a BMP file without its 14-byte file header.
enum class DibDepth {
    Rgb24,   // plain BITMAPINFOHEADER, no alpha: for pictures that fill their whole rectangle
    Argb32,  // BITMAPV4HEADER with an alpha mask: keeps transparent card corners
};

QByteArray EncodeDib(const QImage& image, DibDepth depth);

}  // namespace cardgen
