#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Reads files from the program folder the test build points at.
QString programFile(const QString& relative);
QByteArray readProgramFile(const QString& relative);

// Decodes `bytes` with exactly the named decoder (no guessing from a file name).
QImage decodeAs(const QByteArray& bytes, const char* format);

struct MeanColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    double luminance() const { return 0.299 * red + 0.587 * green + 0.114 * blue; }
};
// Mean colour of the opaque pixels of `area` (the whole picture when `area` is null).
MeanColour meanColour(const QImage& image, QRect area = QRect());
// Luminance of the brightest pixel of `area`.
double maxLuminance(const QImage& image, QRect area);
// Largest difference between two colour channels over the opaque pixels: 0 for greys.
int maxChroma(const QImage& image);
