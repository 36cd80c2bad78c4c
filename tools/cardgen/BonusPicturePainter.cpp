#include "BonusPicturePainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace cardgen {

namespace {

const QColor Red(204, 16, 32);
const QColor Black(17, 17, 17);
const QColor Gold(228, 194, 112);

struct MiniSuit {
    QChar symbol;
    QColor colour;
};

// Left to right, alternating colours so every card stands apart from its neighbour.
const std::array<MiniSuit, 4> FanSuits = {
    {{QChar(0x2660), Black}, {QChar(0x2665), Red}, {QChar(0x2663), Black}, {QChar(0x2666), Red}}};

QFont IndexFont(int rank, qreal pixels) {
    // "10" needs the narrow cut to fit the same corner as a single figure.
    QFont font(rank == 10 ? QStringLiteral("DejaVu Sans Condensed")
                          : QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixels));
    font.setStretch(rank == 10 ? QFont::Condensed : QFont::Unstretched);
    font.setLetterSpacing(QFont::AbsoluteSpacing, rank == 10 ? -pixels / 10 : 0);
    return font;
}

void PaintMiniCard(QPainter& painter, const QRectF& card, int rank, const MiniSuit& suit, qreal s) {
    painter.setPen(QPen(QColor(70, 70, 70), 0.6 * s));
    painter.setBrush(QColor(252, 252, 250));
    painter.drawRoundedRect(card, 2.6 * s, 2.6 * s);

    painter.setPen(suit.colour);
    painter.setFont(IndexFont(rank, (rank == 10 ? 10.5 : 12) * s));
    const QRectF index(card.left() + 0.5 * s, card.top() + 1 * s, 12 * s, 12 * s);
    painter.drawText(index, Qt::AlignHCenter | Qt::AlignTop, QString::number(rank));

    QFont symbol(QStringLiteral("DejaVu Sans"));
    symbol.setPixelSize(static_cast<int>(9 * s));
    painter.setFont(symbol);
    painter.drawText(index.translated(0, 11 * s), Qt::AlignHCenter | Qt::AlignTop,
                     QString(suit.symbol));

    symbol.setPixelSize(static_cast<int>(22 * s));
    painter.setFont(symbol);
    painter.drawText(card.adjusted(9 * s, 10 * s, -1 * s, -2 * s), Qt::AlignCenter,
                     QString(suit.symbol));
}

}  // namespace

QImage PaintBonusPicture(int rank, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = size.width() / 82.0;
    const QRectF whole(QPointF(0, 0), QSizeF(size));

    QLinearGradient panel(whole.topLeft(), whole.bottomLeft());
    panel.setColorAt(0.0, QColor(44, 42, 40));
    panel.setColorAt(1.0, QColor(10, 10, 10));
    painter.fillRect(whole, panel);
    painter.setPen(QPen(Gold, 1.0 * s));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(whole.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s), 4 * s, 4 * s);

    const QPointF pivot(41 * s, 64 * s);
    const std::array<qreal, 4> angles = {-24, -8, 8, 24};
    for (std::size_t i = 0; i < FanSuits.size(); ++i) {
        painter.save();
        painter.translate(pivot);
        painter.rotate(angles.at(i));
        PaintMiniCard(painter, QRectF(-15 * s, -54 * s, 30 * s, 42 * s), rank, FanSuits.at(i), s);
        painter.restore();
    }
    return picture;
}

}  // namespace cardgen
