#include "BackgroundPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <array>

#include "Surfaces.h"
#include "TableLayout.h"
#include "Trim.h"

namespace orvane {

namespace {

constexpr QRectF BonusFrame = TableLayout::BonusFrame;
constexpr QRectF ValueFrame = TableLayout::ValueFrame;

// The bezel's opening just clears both panels that take turns over it (pay table and
// double-up), so neither ever shows a sliver of bezel under its edge.
QRectF PayBezel(const TableLayout& l) {
    return QRectF(l.Panels).adjusted(-9, -6, 9, 9);
}
// The card lane starts just above the cards' tops and ends at the message strip, which
// holds the message window and the two star rows.
qreal LaneTop(const TableLayout& l) {
    return l.Cards[0].top() - 3;
}
qreal StripTop(const TableLayout& l) {
    return l.Message.top() - 7;
}

// The translucent backing of a side frame: dark smoked glass over the surface.
void DrawFrameBacking(QPainter& p, const QRectF& r, const ThemeStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor top = s.FeltEdge.darker(180);
    QColor bottom = s.FeltEdge.darker(300);
    // Wood and landscape should still show through their frames.
    const bool seeThrough = s.Surface == SurfaceKind::Nature || s.Surface == SurfaceKind::Wood;
    top.setAlpha(seeThrough ? 135 : 175);
    bottom.setAlpha(seeThrough ? 170 : 205);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 9, 9);
    p.restore();
}

void DrawCaption(QPainter& p, const QRectF& r, const QString& text, const ThemeStyle& s,
                 qreal px = 11) {
    const QFont f = SansFont(px, QFont::Bold, 1.6);
    if (s.Surface == SurfaceKind::Modern) {
        DrawGlow(p, r, text, f, QColor(80, 200, 255, 150), 3);
    }
    DrawEngraved(p, r, text, f, s.Trim);
}

// A small jewel between two rules, used to crown the side frames.
void DrawOrnament(QPainter& p, qreal cx, qreal y, qreal half, const ThemeStyle& s) {
    DrawRule(p, QPointF(cx - half, y), QPointF(cx - 7, y), s.Trim);
    DrawRule(p, QPointF(cx + 7, y), QPointF(cx + half, y), s.Trim);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath gem;
    gem.moveTo(cx, y - 4.5);
    gem.lineTo(cx + 4.5, y + 0.5);
    gem.lineTo(cx, y + 5.5);
    gem.lineTo(cx - 4.5, y + 0.5);
    gem.closeSubpath();
    p.fillPath(gem, MetalGradient(gem.boundingRect(), s.Trim));
    p.setPen(QPen(s.Trim.Dark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gem);
    p.restore();
}

void DrawValueWindow(QPainter& p, const QRect& label, const QString& caption, const ThemeStyle& s) {
    const QRectF well = QRectF(label).adjusted(-3, -2, 3, 2);
    DrawCaption(p, QRectF(well.left(), well.top() - 16, well.width(), 15), caption, s);
    DrawGlass(p, well, 5, s.ValueGlass, s.ValueGlassEdge);
}

void DrawValueFrame(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    DrawSoftShadow(p, ValueFrame.translated(2, 3), 10, 6, 150);
    DrawFrameBacking(p, ValueFrame.adjusted(3, 3, -3, -3), s);
    DrawBezel(p, ValueFrame, 5, 11, s.Trim);
    DrawOrnament(p, ValueFrame.center().x(), l.Credit.top() - 26, 52, s);
    DrawValueWindow(p, l.Credit, QStringLiteral("CREDIT"), s);
    DrawValueWindow(p, l.Bet, QStringLiteral("BET"), s);
    DrawValueWindow(p, l.Win, QStringLiteral("WIN"), s);
}

void DrawMeterWell(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    const QRectF well = QRectF(l.Meter).adjusted(-4, -4, 4, 4);
    DrawWell(p, well, 5, QColor(8, 6, 6), s.Trim.Dark);
    // A seat for every lamp, so that an unlit lamp still looks fitted.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const QRect& lamp : l.MeterLamps) {
        const QRectF seat(lamp);
        p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
        p.setBrush(QColor(30, 26, 24));
        p.drawRoundedRect(seat.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    p.restore();
}

void DrawBonusFrame(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    DrawSoftShadow(p, BonusFrame.translated(2, 3), 10, 6, 150);
    DrawFrameBacking(p, BonusFrame.adjusted(3, 3, -3, -3), s);
    DrawBezel(p, BonusFrame, 5, 11, s.Trim);
    const QRectF jackpot = QRectF(l.Jackpot).adjusted(-3, -2, 3, 2);
    const qreal captionTop = jackpot.top() - 17;
    DrawOrnament(p, BonusFrame.center().x(), captionTop - 9, 52, s);
    DrawCaption(p, QRectF(BonusFrame.left(), captionTop, BonusFrame.width(), 15),
                QStringLiteral("ORVANE BONUS"), s, 10.5);
    DrawGlass(p, jackpot, 5, s.ValueGlass, s.ValueGlassEdge);
    // The bonus picture sits in a plain dark window with a thin metal edge.
    const QRectF picture = QRectF(l.BonusCards).adjusted(-3, -3, 3, 3);
    DrawWell(p, picture, 4, QColor(12, 10, 10), s.Trim.Dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.Trim.Mid, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(picture.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
    p.restore();
    DrawMeterWell(p, l, s);
    DrawEngraved(p, QRectF(BonusFrame.left(), l.Meter.bottom() + 4.5, BonusFrame.width(), 11),
                 QStringLiteral("COUNTDOWN"), SansFont(8, QFont::Bold, 1.4), s.Trim);
}

void DrawPayBezel(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    const QRectF bezel = PayBezel(l);
    DrawSoftShadow(p, bezel.translated(2, 3), 10, 7, 170);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(s.PanelColor().darker(250));
    p.drawRoundedRect(bezel.adjusted(4, 4, -4, -4), 6, 6);
    p.restore();
    DrawBezel(p, bezel, 6, 9, s.Trim);
}

void DrawCardSlot(QPainter& p, const QRect& card, const QString& suit, QColor ink,
                  const ThemeStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(card).adjusted(1, 1, -1, -1);
    // A landscape reads as one picture behind the cards: no dark panes over it.
    if (s.Surface == SurfaceKind::Nature) {
        p.setBrush(Qt::NoBrush);
    } else {
        DrawSoftShadow(p, r.translated(2, 3), 9, 5, 90);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, QColor(0, 0, 0, 36));
        g.setColorAt(1.0, QColor(0, 0, 0, 72));
        p.setBrush(g);
    }
    QColor edge = s.Trim.Mid;
    edge.setAlpha(110);
    p.setPen(QPen(edge, 1.2, Qt::DashLine));
    p.drawRoundedRect(r, 9, 9);
    // A faint embossed suit marks each place when the cards are cleared away.
    p.setFont(SerifFont(58, QFont::Normal));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(r.translated(1.5, 2), Qt::AlignCenter, suit);
    ink.setAlpha(60);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, suit);
    p.restore();
}

void DrawCardLane(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    p.save();
    const qreal laneTop = LaneTop(l);
    const qreal stripTop = StripTop(l);
    QLinearGradient g(0, laneTop, 0, stripTop);
    g.setColorAt(0.0, QColor(0, 0, 0, 70));
    g.setColorAt(0.12, QColor(0, 0, 0, 20));
    g.setColorAt(1.0, QColor(0, 0, 0, 45));
    p.fillRect(QRectF(0, laneTop, TableLayout::Width, stripTop - laneTop), g);
    p.restore();
    DrawRule(p, QPointF(0, laneTop), QPointF(TableLayout::Width, laneTop), s.Trim);
    const std::array<QString, 5> suits{QStringLiteral("\u2660"), QStringLiteral("\u2665"),
                                       QStringLiteral("\u2605"), QStringLiteral("\u2666"),
                                       QStringLiteral("\u2663")};
    const QColor ink = s.Trim.Mid;
    for (std::size_t i = 0; i < 5; ++i) {
        DrawCardSlot(p, l.Cards[i], suits[i], ink, s);
        // The hold tag appears right under its card: give it a dark slot to sit in.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(l.HoldMarks[i]).adjusted(-2, 0, 2, 2), 3, 3);
        p.restore();
    }
}

// Neon tubes along the rules of the modern cabinet.
void DrawNeon(QPainter& p, qreal y, const QColor& colour, const QRectF& keepClear) {
    QImage layer(TableLayout::Width, 24, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        QLinearGradient g(0, 0, TableLayout::Width, 0);
        QColor clear = colour;
        clear.setAlpha(0);
        g.setColorAt(0.0, clear);
        g.setColorAt(0.2, colour);
        g.setColorAt(0.8, colour);
        g.setColorAt(1.0, clear);
        lp.fillRect(QRectF(0, 11, TableLayout::Width, 2), g);
    }
    const QImage glow = Blurred(layer, 3);
    p.save();
    QRegion clip(0, 0, TableLayout::Width, TableLayout::Height);
    clip -= keepClear.toAlignedRect();
    p.setClipRegion(clip);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(QPointF(0, y - 12), glow);
    p.drawImage(QPointF(0, y - 12), glow);
    p.restore();
}

void DrawStarSocket(QPainter& p, const QRect& star, const ThemeStyle& s) {
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
    p.setPen(QPen(s.Trim.Mid, 1.0));
    p.drawEllipse(c, 7.0, 7.0);
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    p.drawArc(QRectF(c.x() - 6, c.y() - 6, 12, 12), 30 * 16, 120 * 16);
    p.restore();
}

void DrawMessageStrip(QPainter& p, const TableLayout& l, const ThemeStyle& s) {
    p.save();
    const qreal stripTop = StripTop(l);
    QLinearGradient g(0, stripTop, 0, TableLayout::Height);
    g.setColorAt(0.0, QColor(0, 0, 0, 120));
    g.setColorAt(1.0, QColor(0, 0, 0, 190));
    p.fillRect(QRectF(0, stripTop, TableLayout::Width, TableLayout::Height - stripTop), g);
    p.restore();
    DrawRule(p, QPointF(0, stripTop), QPointF(TableLayout::Width, stripTop), s.Trim);
    const QRectF glass = QRectF(l.Message).adjusted(-5, -3, 5, 3);
    DrawGlass(p, glass, 6, s.MessageGlass, s.Trim.Dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.Trim.Mid, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(glass.adjusted(-1.5, -1.5, 1.5, 1.5), 7, 7);
    p.restore();
    for (std::size_t i = 0; i < 3; ++i) {
        DrawStarSocket(p, l.StarsLeft[i], s);
        DrawStarSocket(p, l.StarsRight[i], s);
    }
    // Short rules lead the eye from the stars to the message.
    const qreal y = QRectF(l.Message).center().y();
    DrawRule(p, QPointF(l.StarsLeft[0].right() + 8, y), QPointF(glass.left() - 6, y), s.Trim);
    DrawRule(p, QPointF(glass.right() + 6, y), QPointF(l.StarsRight[0].left() - 8, y), s.Trim);
}

}  // namespace

QImage PaintBackground(const ThemeStyle& style) {
    QImage img = PaintSurface(style);
    const TableLayout layout = TableLayout::ForTheme(*style.Theme);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawVignette(p, QRectF(img.rect()), style.Surface == SurfaceKind::Nature ? 0.35 : 0.6);
        DrawCardLane(p, layout, style);
        DrawMessageStrip(p, layout, style);
        if (style.Surface == SurfaceKind::Modern) {
            DrawNeon(p, LaneTop(layout) + 1, QColor(60, 220, 255), QRectF());
            DrawNeon(p, StripTop(layout) + 1, QColor(230, 60, 255),
                     QRectF(layout.Message).adjusted(-7, -5, 7, 5));
        }
        DrawPayBezel(p, layout, style);
        DrawBonusFrame(p, layout, style);
        DrawValueFrame(p, layout, style);
    }
    AddGrain(img, Noise(style.Seed + 100), 3);
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace orvane
