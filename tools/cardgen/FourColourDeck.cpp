#include "FourColourDeck.h"

#include <QColor>
#include <algorithm>

namespace cardgen {
namespace {

constexpr int Clubs = 1;
constexpr int Diamonds = 2;
constexpr int BlueHue = 220;
// The green of a club: dark enough for its index to read on white.
const QColor ClubGreen(0, 128, 40);

// A red of the art (hue near 0, clearly coloured) turns blue of the same strength.
QColor DiamondInk(const QColor& c) {
    const int hue = c.hsvHue();
    const bool red = hue >= 0 && (hue <= 20 || hue >= 340) && c.hsvSaturationF() > 0.35f;
    if (!red) {
        return c;
    }
    // Blue looks darker than red at the same value: keep it a little deeper for the same
    // weight on the card.
    return QColor::fromHsvF(BlueHue / 360.0f, c.hsvSaturationF(), c.valueF() * 0.85f, c.alphaF());
}

// Grey to black ink (little colour, dark) moves toward green by how dark it is, so that the
// soft edge between ink and paper stays soft.
QColor ClubInk(const QColor& c) {
    constexpr float Darkest = 0.55f;
    if (c.hsvSaturationF() > 0.3f || c.valueF() >= Darkest) {
        return c;
    }
    const float t = 1.0f - c.valueF() / Darkest;
    QColor out;
    out.setRgbF(c.redF() * (1 - t) + ClubGreen.redF() * t,
                c.greenF() * (1 - t) + ClubGreen.greenF() * t,
                c.blueF() * (1 - t) + ClubGreen.blueF() * t, c.alphaF());
    return out;
}

}  // namespace

QImage FourColourFace(const QImage& face, int suit) {
    if (suit != Clubs && suit != Diamonds) {
        return face;
    }
    QImage out = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                continue;
            }
            const QColor c = QColor::fromRgba(line[x]);
            line[x] = (suit == Diamonds ? DiamondInk(c) : ClubInk(c)).rgba();
        }
    }
    return out.convertToFormat(face.format());
}

}  // namespace cardgen
