#include "TintImage.h"

namespace orvane {

QImage TintImage(const QImage& source, const QColor& tint) {
    if (source.isNull()) {
        return {};
    }
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int tr = tint.red();
    const int tg = tint.green();
    const int tb = tint.blue();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] =
                qRgba(qRed(p) * tr / 255, qGreen(p) * tg / 255, qBlue(p) * tb / 255, qAlpha(p));
        }
    }
    return image;
}

}  // namespace orvane
