#include "CardBackPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "DeckRenderer.h"

namespace cardgen {

namespace {

constexpr qreal TwoPi = 2 * std::numbers::pi;

const QColor Paper(247, 243, 233);
const QColor Gold(228, 194, 112);
const QColor DarkGold(120, 86, 24);

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// Rope-like bands of phase-shifted sine waves, the pattern of banknotes and share
// certificates; dense enough to read as texture, faint enough to stay behind the medallion.
void PaintGuilloche(QPainter& painter, const QRectF& field, qreal s) {
    const int wavesPerBand = 7;
    const qreal bandHeight = 22 * s;
    const qreal amplitude = 7 * s;
    const qreal wavelength = 32 * s;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(Gold, 85), 0.7 * s));
    for (qreal centre = field.top(); centre < field.bottom() + bandHeight; centre += bandHeight) {
        for (int k = 0; k < wavesPerBand; ++k) {
            const qreal phase = TwoPi * k / wavesPerBand;
            QPainterPath wave;
            for (qreal x = field.left() - s; x <= field.right() + s; x += s) {
                const qreal y =
                    centre + amplitude * std::sin(TwoPi * (x - field.left()) / wavelength + phase);
                if (x <= field.left() - s) {
                    wave.moveTo(x, y);
                } else {
                    wave.lineTo(x, y);
                }
            }
            painter.drawPath(wave);
        }
    }
}

void PaintLattice(QPainter& painter, const QRectF& field, qreal s) {
    painter.setPen(QPen(QColor(255, 255, 255, 26), 0.8 * s));
    const qreal step = 9 * s;
    const qreal reach = field.height();
    for (qreal x = field.left() - reach; x < field.right() + reach; x += step) {
        painter.drawLine(QPointF(x, field.top()), QPointF(x + reach, field.bottom()));
        painter.drawLine(QPointF(x, field.bottom()), QPointF(x + reach, field.top()));
    }
}

void PaintFrame(QPainter& painter, const QRectF& field, qreal s) {
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = field.adjusted(5 * s, 5 * s, -5 * s, -5 * s);
    painter.setPen(QPen(WithAlpha(Gold, 220), 1.3 * s));
    painter.drawRoundedRect(outer, 2 * s, 2 * s);
    painter.setPen(QPen(WithAlpha(Gold, 150), 0.6 * s));
    painter.drawRoundedRect(outer.adjusted(3 * s, 3 * s, -3 * s, -3 * s), 1.5 * s, 1.5 * s);

    // A small diamond over each corner of the frame.
    painter.setPen(QPen(DarkGold, 0.5 * s));
    painter.setBrush(Gold);
    const qreal d = 4 * s;
    for (const QPointF& corner :
         {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
        QPolygonF diamond;
        diamond << corner + QPointF(0, -d) << corner + QPointF(d, 0) << corner + QPointF(0, d)
                << corner + QPointF(-d, 0);
        painter.drawPolygon(diamond);
    }
}

// A spirograph rosette (hypotrochoid) squeezed into the medallion's oval.
QPainterPath Rosette(QPointF centre, qreal rx, qreal ry) {
    const qreal bigR = 1.0;
    const qreal smallR = 3.0 / 19.0;
    const qreal pen = 0.62;
    QPainterPath path;
    const int steps = 1400;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = TwoPi * 3 * i / steps;
        const qreal x =
            (bigR - smallR) * std::cos(t) + pen * std::cos((bigR - smallR) / smallR * t);
        const qreal y =
            (bigR - smallR) * std::sin(t) - pen * std::sin((bigR - smallR) / smallR * t);
        const qreal norm = bigR - smallR + pen;
        const QPointF point(centre.x() + rx * x / norm, centre.y() + ry * y / norm);
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

void PaintPetalRing(QPainter& painter, QPointF centre, qreal rx, qreal ry, qreal s) {
    const int petals = 36;
    painter.setPen(QPen(WithAlpha(DarkGold, 200), 0.4 * s));
    painter.setBrush(WithAlpha(Gold, 190));
    for (int i = 0; i < petals; ++i) {
        const qreal angle = TwoPi * i / petals;
        const QPointF at(centre.x() + rx * std::cos(angle), centre.y() + ry * std::sin(angle));
        painter.save();
        painter.translate(at);
        painter.rotate(angle * 180 / std::numbers::pi);  // each petal points away from the centre
        painter.drawEllipse(QPointF(0, 0), 4.2 * s, 1.3 * s);
        painter.drawEllipse(QPointF(6.5 * s, 0), 1.0 * s, 1.0 * s);
        painter.restore();
    }
}

// A high-contrast "O" in the manner of a Didone capital: heavy sides, hairline top and
// bottom, the stress tilted as a broad pen leaves it.
void PaintMonogram(QPainter& painter, QPointF centre, qreal s, const QColor& tint) {
    QPainterPath letter;
    letter.addEllipse(QPointF(0, 0), 15 * s, 20 * s);
    letter.addEllipse(QPointF(0, 0), 8.5 * s, 17.8 * s);
    letter.setFillRule(Qt::OddEvenFill);

    painter.save();
    painter.translate(centre);
    painter.rotate(-12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(tint.darker(300), 160));
    painter.drawPath(letter.translated(1.2 * s, 1.4 * s));  // shadow
    QLinearGradient shine(QPointF(0, -20 * s), QPointF(0, 20 * s));
    shine.setColorAt(0.0, QColor(255, 240, 190));
    shine.setColorAt(0.45, Gold);
    shine.setColorAt(1.0, QColor(170, 122, 40));
    painter.setBrush(shine);
    painter.setPen(QPen(DarkGold, 0.7 * s));
    painter.drawPath(letter);
    painter.restore();
}

void PaintMedallion(QPainter& painter, const QRectF& field, qreal s, const QColor& tint) {
    const QPointF centre = field.center();
    const qreal rx = 33 * s;
    const qreal ry = 45 * s;

    PaintPetalRing(painter, centre, rx + 9 * s, ry + 9 * s, s);

    QRadialGradient well(centre, ry);
    well.setColorAt(0.0, tint.lighter(125));
    well.setColorAt(1.0, tint.darker(170));
    painter.setPen(QPen(Gold, 1.6 * s));
    painter.setBrush(well);
    painter.drawEllipse(centre, rx, ry);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(Gold, 160), 0.6 * s));
    painter.drawEllipse(centre, rx + 3.5 * s, ry + 3.5 * s);

    painter.setPen(QPen(WithAlpha(Gold, 120), 0.55 * s));
    painter.drawPath(Rosette(centre, rx - 3 * s, ry - 3 * s));

    PaintMonogram(painter, centre, s, tint);
}

}  // namespace

QImage PaintCardBack(QSize size, const QColor& tint) {
    QImage back(size, QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size.width() / 140.0;
    const QRectF card(QPointF(0, 0), QSizeF(size));

    const qreal radius = CornerRadius(size);
    painter.setPen(QPen(QColor(150, 144, 130), 1.0 * s));
    painter.setBrush(Paper);
    painter.drawRoundedRect(card.adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s), radius, radius);

    const QRectF field = card.adjusted(7 * s, 7 * s, -7 * s, -7 * s);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 3 * s, 3 * s);
    QRadialGradient depth(field.center(), field.height() * 0.62);
    depth.setColorAt(0.0, tint.lighter(135));
    depth.setColorAt(1.0, tint.darker(145));
    painter.fillPath(fieldPath, depth);

    painter.save();
    painter.setClipPath(fieldPath);
    PaintLattice(painter, field, s);
    PaintGuilloche(painter, field, s);
    painter.restore();

    PaintFrame(painter, field, s);
    PaintMedallion(painter, field, s, tint);
    painter.end();
    // The rim and the paper inside it end where the faces' outline does, with its smooth edge.
    return OnCardOutline(back);
}

}  // namespace cardgen
