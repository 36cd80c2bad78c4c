#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvane {

// A picture in a resource library is a device-independent bitmap without its file header,
// as resource compilers store bitmaps. BMP readers want the whole file, so the 14-byte
// header ("BM", file size, offset of the pixel data) has to be put back in front.

inline constexpr qsizetype BitmapFileHeaderSize = 14;

// The file header for `dib`, or an empty array when the bytes cannot be a bitmap this
// program can show: too short, an unknown header, a palette or pixel rows that run past
// the end, or a compression no reader here understands.
QByteArray BitmapFileHeader(QByteArrayView dib);

// The whole in-memory bitmap file (header + `dib`), or an empty array as above.
QByteArray BitmapFileFromDib(QByteArrayView dib);

}  // namespace orvane
