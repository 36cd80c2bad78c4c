#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orvane::test {

// A headerless bitmap made by Qt's own BMP writer: its file minus the first 14 bytes.
QByteArray DibFromQtWriter(const QImage& image);

// The same as a whole file, header included, as Qt wrote it.
QByteArray BmpFromQtWriter(const QImage& image);

// A small picture whose every pixel is known: quadrants red, green, blue, white.
QImage QuadrantPicture(int width, int height);

// Writes `bytes` to `path`; false when it could not.
bool WriteFile(const QString& path, const QByteArray& bytes);

// Runs rcc --binary over the collection file `qrc`, writing `output`, with every entry that
// shrinks compressed by zlib as the build does. The error text, or an empty string on success.
QString RunRcc(const QString& qrc, const QString& output);

}  // namespace orvane::test
