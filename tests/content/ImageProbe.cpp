#include "ImageProbe.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

QString programFile(const QString& relative) {
    return QStringLiteral(ORVANE_PROGRAM_DIR "/") + relative;
}

QByteArray readProgramFile(const QString& relative) {
    QFile file(programFile(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QImage decodeAs(const QByteArray& bytes, const char* format) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

MeanColour meanColour(const QImage& image, QRect area) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    if (area.isNull()) {
        area = img.rect();
    }
    area &= img.rect();
    MeanColour m;
    double count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 200) {
                continue;
            }
            m.red += qRed(c);
            m.green += qGreen(c);
            m.blue += qBlue(c);
            count += 1;
        }
    }
    if (count > 0) {
        m.red /= count;
        m.green /= count;
        m.blue /= count;
    }
    return m;
}

int maxChroma(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 255) {
                continue;
            }
            const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int lo = std::min({qRed(c), qGreen(c), qBlue(c)});
            worst = std::max(worst, hi - lo);
        }
    }
    return worst;
}

double maxLuminance(const QImage& image, QRect area) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    area &= img.rect();
    double best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            best = std::max(best, 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c));
        }
    }
    return best;
}
