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

QImage TintButtonFace(const QImage& face, const QColor& tint) {
    constexpr int DarkLightness = 100;
    if (face.isNull() || tint.lightness() >= DarkLightness) {
        return TintImage(face, tint);
    }
    // Lettering colour: near white with a trace of the tint.
    const QColor ink(215 + tint.red() / 7, 215 + tint.green() / 7, 215 + tint.blue() / 7);
    QImage image = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int light = qGray(p);  // 255 on the plate, low on the letters
            auto mix = [light](int plate, int letters) {
                return (plate * light + letters * (255 - light)) / 255;
            };
            line[x] = qRgba(mix(tint.red(), ink.red()), mix(tint.green(), ink.green()),
                            mix(tint.blue(), ink.blue()), qAlpha(p));
        }
    }
    return image;
}

}  // namespace orvane
