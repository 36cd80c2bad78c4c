#include "BackgroundPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <array>

#include "Surfaces.h"
#include "TableLayout.h"
#include "Trim.h"

namespace {

// The bezel's opening just clears both panels that take turns over it (pay table and
// double-up), so neither ever shows a sliver of bezel under its edge.
constexpr QRectF kPayBezel(160, 3, 434, 239);
// The side frames share the bezel's height and hold the value and bonus windows; their
// contents move with each theme's label tops, the frames themselves do not.
constexpr QRectF kBonusFrame(12, 6, 143, 230);
constexpr QRectF kValueFrame(601, 6, 140, 230);
// The card lane starts just above the cards' tops and ends at the message strip, which
// holds the message window and the two star rows.
constexpr qreal kLaneTop = 244;
constexpr qreal kStripTop = 467;

// The translucent backing of a side frame: dark smoked glass over the surface.
void drawFrameBacking(QPainter& p, const QRectF& r, const ThemeStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor top = s.feltEdge.darker(180);
    QColor bottom = s.feltEdge.darker(300);
    // Wood and landscape should still show through their frames.
    const bool seeThrough = s.surface == SurfaceKind::Nature || s.surface == SurfaceKind::Wood;
    top.setAlpha(seeThrough ? 135 : 175);
    bottom.setAlpha(seeThrough ? 170 : 205);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 9, 9);
    p.restore();
}

void drawCaption(QPainter& p, const QRectF& r, const QString& text, const ThemeStyle& s,
                 qreal px = 11) {
    const QFont f = sansFont(px, QFont::Bold, 1.6);
    if (s.surface == SurfaceKind::Modern) {
        drawGlow(p, r, text, f, QColor(80, 200, 255, 150), 3);
    }
    drawEngraved(p, r, text, f, s.trim);
}

// A small jewel between two rules, used to crown the side frames.
void drawOrnament(QPainter& p, qreal cx, qreal y, qreal half, const ThemeStyle& s) {
    drawRule(p, QPointF(cx - half, y), QPointF(cx - 7, y), s.trim);
    drawRule(p, QPointF(cx + 7, y), QPointF(cx + half, y), s.trim);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath gem;
    gem.moveTo(cx, y - 4.5);
    gem.lineTo(cx + 4.5, y + 0.5);
    gem.lineTo(cx, y + 5.5);
    gem.lineTo(cx - 4.5, y + 0.5);
    gem.closeSubpath();
    p.fillPath(gem, metalGradient(gem.boundingRect(), s.trim));
    p.setPen(QPen(s.trim.dark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gem);
    p.restore();
}

void drawValueWindow(QPainter& p, const QRect& label, const QString& caption, const ThemeStyle& s) {
    const QRectF well = QRectF(label).adjusted(-3, -2, 3, 2);
    drawCaption(p, QRectF(well.left(), well.top() - 16, well.width(), 15), caption, s);
    drawGlass(p, well, 5, s.valueGlass, s.valueGlassEdge);
}

void drawValueFrame(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    drawSoftShadow(p, kValueFrame.translated(2, 3), 10, 6, 150);
    drawFrameBacking(p, kValueFrame.adjusted(3, 3, -3, -3), s);
    drawBezel(p, kValueFrame, 5, 11, s.trim);
    drawOrnament(p, kValueFrame.center().x(), l.credit.top() - 26, 52, s);
    drawValueWindow(p, l.credit, QStringLiteral("CREDIT"), s);
    drawValueWindow(p, l.bet, QStringLiteral("BET"), s);
    drawValueWindow(p, l.win, QStringLiteral("WIN"), s);
}

void drawMeterWell(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    const QRectF well = QRectF(l.meter).adjusted(-4, -4, 4, 4);
    drawWell(p, well, 5, QColor(8, 6, 6), s.trim.dark);
    // A seat for every lamp, so that an unlit lamp still looks fitted.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QRectF seat(l.meter.left() + 22 * col, l.meter.top() + 21 * row, 21, 20);
            p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
            p.setBrush(QColor(30, 26, 24));
            p.drawRoundedRect(seat.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
    }
    p.restore();
}

void drawBonusFrame(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    drawSoftShadow(p, kBonusFrame.translated(2, 3), 10, 6, 150);
    drawFrameBacking(p, kBonusFrame.adjusted(3, 3, -3, -3), s);
    drawBezel(p, kBonusFrame, 5, 11, s.trim);
    const QRectF jackpot = QRectF(l.jackpot).adjusted(-3, -2, 3, 2);
    const qreal captionTop = jackpot.top() - 17;
    drawOrnament(p, kBonusFrame.center().x(), captionTop - 9, 52, s);
    drawCaption(p, QRectF(kBonusFrame.left(), captionTop, kBonusFrame.width(), 15),
                QStringLiteral("ORVANE BONUS"), s, 10.5);
    drawGlass(p, jackpot, 5, s.valueGlass, s.valueGlassEdge);
    // The bonus picture sits in a plain dark window with a thin metal edge.
    const QRectF picture = QRectF(l.bonusCards).adjusted(-3, -3, 3, 3);
    drawWell(p, picture, 4, QColor(12, 10, 10), s.trim.dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.trim.mid, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(picture.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
    p.restore();
    drawMeterWell(p, l, s);
    drawEngraved(p, QRectF(kBonusFrame.left(), l.meter.bottom() + 4.5, kBonusFrame.width(), 11),
                 QStringLiteral("COUNTDOWN"), sansFont(8, QFont::Bold, 1.4), s.trim);
}

void drawPayBezel(QPainter& p, const ThemeStyle& s) {
    drawSoftShadow(p, kPayBezel.translated(2, 3), 10, 7, 170);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(s.panelColor.darker(250));
    p.drawRoundedRect(kPayBezel.adjusted(4, 4, -4, -4), 6, 6);
    p.restore();
    drawBezel(p, kPayBezel, 6, 9, s.trim);
}

void drawCardSlot(QPainter& p, const QRect& card, const QString& suit, QColor ink,
                  const ThemeStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(card).adjusted(1, 1, -1, -1);
    // A landscape reads as one picture behind the cards: no dark panes over it.
    if (s.surface == SurfaceKind::Nature) {
        p.setBrush(Qt::NoBrush);
    } else {
        drawSoftShadow(p, r.translated(2, 3), 9, 5, 90);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, QColor(0, 0, 0, 36));
        g.setColorAt(1.0, QColor(0, 0, 0, 72));
        p.setBrush(g);
    }
    QColor edge = s.trim.mid;
    edge.setAlpha(110);
    p.setPen(QPen(edge, 1.2, Qt::DashLine));
    p.drawRoundedRect(r, 9, 9);
    // A faint embossed suit marks each place when the cards are cleared away.
    p.setFont(serifFont(58, QFont::Normal));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(r.translated(1.5, 2), Qt::AlignCenter, suit);
    ink.setAlpha(60);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, suit);
    p.restore();
}

void drawCardLane(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    p.save();
    QLinearGradient g(0, kLaneTop, 0, kStripTop);
    g.setColorAt(0.0, QColor(0, 0, 0, 70));
    g.setColorAt(0.12, QColor(0, 0, 0, 20));
    g.setColorAt(1.0, QColor(0, 0, 0, 45));
    p.fillRect(QRectF(0, kLaneTop, TableLayout::kWidth, kStripTop - kLaneTop), g);
    p.restore();
    drawRule(p, QPointF(0, kLaneTop), QPointF(TableLayout::kWidth, kLaneTop), s.trim);
    const std::array<QString, 5> suits{QStringLiteral("\u2660"), QStringLiteral("\u2665"),
                                       QStringLiteral("\u2605"), QStringLiteral("\u2666"),
                                       QStringLiteral("\u2663")};
    const QColor ink = s.trim.mid;
    for (std::size_t i = 0; i < 5; ++i) {
        drawCardSlot(p, l.cards[i], suits[i], ink, s);
        // The hold tag appears right under its card: give it a dark slot to sit in.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(l.holdMarks[i]).adjusted(-2, 0, 2, 2), 3, 3);
        p.restore();
    }
}

// Neon tubes along the rules of the modern cabinet.
void drawNeon(QPainter& p, qreal y, const QColor& colour, const QRectF& keepClear) {
    QImage layer(TableLayout::kWidth, 24, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        QLinearGradient g(0, 0, TableLayout::kWidth, 0);
        QColor clear = colour;
        clear.setAlpha(0);
        g.setColorAt(0.0, clear);
        g.setColorAt(0.2, colour);
        g.setColorAt(0.8, colour);
        g.setColorAt(1.0, clear);
        lp.fillRect(QRectF(0, 11, TableLayout::kWidth, 2), g);
    }
    const QImage glow = blurred(layer, 3);
    p.save();
    QRegion clip(0, 0, TableLayout::kWidth, TableLayout::kHeight);
    clip -= keepClear.toAlignedRect();
    p.setClipRegion(clip);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(QPointF(0, y - 12), glow);
    p.drawImage(QPointF(0, y - 12), glow);
    p.restore();
}

void drawStarSocket(QPainter& p, const QRect& star, const ThemeStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(star).center();
    QRadialGradient g(c, 7.4);
    g.setColorAt(0.0, QColor(0, 0, 0, 220));
    g.setColorAt(0.8, QColor(20, 16, 16, 220));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 7.4, 7.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.trim.mid, 1.0));
    p.drawEllipse(c, 7.0, 7.0);
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    p.drawArc(QRectF(c.x() - 6, c.y() - 6, 12, 12), 30 * 16, 120 * 16);
    p.restore();
}

void drawMessageStrip(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    p.save();
    QLinearGradient g(0, kStripTop, 0, TableLayout::kHeight);
    g.setColorAt(0.0, QColor(0, 0, 0, 120));
    g.setColorAt(1.0, QColor(0, 0, 0, 190));
    p.fillRect(QRectF(0, kStripTop, TableLayout::kWidth, TableLayout::kHeight - kStripTop), g);
    p.restore();
    drawRule(p, QPointF(0, kStripTop), QPointF(TableLayout::kWidth, kStripTop), s.trim);
    const QRectF glass = QRectF(l.message).adjusted(-5, -3, 5, 3);
    drawGlass(p, glass, 6, s.messageGlass, s.trim.dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.trim.mid, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(glass.adjusted(-1.5, -1.5, 1.5, 1.5), 7, 7);
    p.restore();
    for (std::size_t i = 0; i < 3; ++i) {
        drawStarSocket(p, l.starsLeft[i], s);
        drawStarSocket(p, l.starsRight[i], s);
    }
    // Short rules lead the eye from the stars to the message.
    const qreal y = QRectF(l.message).center().y();
    drawRule(p, QPointF(l.starsLeft[0].right() + 8, y), QPointF(glass.left() - 6, y), s.trim);
    drawRule(p, QPointF(glass.right() + 6, y), QPointF(l.starsRight[0].left() - 8, y), s.trim);
}

}  // namespace

QImage paintBackground(const ThemeStyle& style) {
    QImage img = paintSurface(style);
    const TableLayout layout = TableLayout::forTops(style.tops);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawVignette(p, QRectF(img.rect()), style.surface == SurfaceKind::Nature ? 0.35 : 0.6);
        drawCardLane(p, layout, style);
        drawMessageStrip(p, layout, style);
        if (style.surface == SurfaceKind::Modern) {
            drawNeon(p, kLaneTop + 1, QColor(60, 220, 255), QRectF());
            drawNeon(p, kStripTop + 1, QColor(230, 60, 255),
                     QRectF(layout.message).adjusted(-7, -5, 7, 5));
        }
        drawPayBezel(p, style);
        drawBonusFrame(p, layout, style);
        drawValueFrame(p, layout, style);
    }
    addGrain(img, Noise(style.seed + 100), 3);
    return img.convertToFormat(QImage::Format_RGB32);
}
