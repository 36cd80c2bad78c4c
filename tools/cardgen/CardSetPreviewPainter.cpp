#include "CardSetPreviewPainter.h"

#include <QPainter>

namespace cardgen {

namespace {

// Hard cut between card and background: no half-transparent edge can turn into a grey
// fringe once white is keyed out.
QImage OnKeyedWhite(const QImage& fan) {
    QImage out(fan.size(), QImage::Format_RGB32);
    const QImage source = fan.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            if (qAlpha(pixel) < 128) {
                line[x] = qRgb(255, 255, 255);
            } else if ((pixel & 0xFFFFFF) == 0xFFFFFF) {
                line[x] = qRgb(254, 254, 254);
            } else {
                line[x] = pixel | 0xFF000000;
            }
        }
    }
    return out;
}

}  // namespace

QImage PaintCardSetPreview(const QList<QImage>& cards, QSize size) {
    QImage fan(size, QImage::Format_ARGB32_Premultiplied);
    fan.fill(Qt::transparent);
    QPainter painter(&fan);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const qreal s = size.width() / 160.0;
    const QSizeF cardSize(56 * s, 83 * s);
    const QPointF pivot(80 * s, 142 * s);
    const qreal spread = 16;
    const qreal first = -spread * (static_cast<qreal>(cards.size()) - 1) / 2;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        // Scale down in one good step first; the rotation then works near 1:1.
        const QImage small =
            cards.at(i).scaled(cardSize.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.save();
        painter.translate(pivot);
        painter.rotate(first + spread * static_cast<qreal>(i));
        painter.drawImage(QPointF(-cardSize.width() / 2, -128 * s), small);
        painter.restore();
    }
    painter.end();
    return OnKeyedWhite(fan);
}

}  // namespace cardgen
