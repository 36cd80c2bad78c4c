#include "WindowPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "OrvaneVersion.h"
#include "Trim.h"

namespace orvane {

namespace {

const Metal Gold{QColor(255, 240, 170), QColor(220, 170, 60), QColor(100, 62, 12)};

QPainterPath StarPath(QPointF c, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

void PaintHoldTag(QPainter& p) {
    const QRectF r(0.5, 0.5, 35, 9);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(255, 90, 80));
    g.setColorAt(0.45, QColor(214, 18, 28));
    g.setColorAt(1.0, QColor(120, 4, 10));
    p.setPen(QPen(QColor(255, 214, 110), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    p.setFont(SansFont(8, QFont::Black, 1.2));
    p.setPen(QColor(60, 0, 0, 180));
    p.drawText(QRectF(0, 0.8, 36, 10), Qt::AlignCenter, QStringLiteral("HELD"));
    p.setPen(QColor(255, 246, 200));
    p.drawText(QRectF(0, 0, 36, 10), Qt::AlignCenter, QStringLiteral("HELD"));
}

void PaintLamp(QPainter& p) {
    const QRectF r(0.5, 0.5, 20, 19);
    QRadialGradient body(QPointF(8, 6), 17);
    body.setColorAt(0.0, QColor(255, 255, 255));
    body.setColorAt(0.45, QColor(236, 236, 236));
    body.setColorAt(1.0, QColor(168, 168, 168));
    p.setPen(QPen(QColor(96, 96, 96), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(r, 3.5, 3.5);
    // A lens reflection in the upper left corner.
    QLinearGradient shine(0, 2, 0, 9);
    shine.setColorAt(0.0, QColor(255, 255, 255, 230));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(3, 2, 15, 7), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 18, 17), 2.5, 2.5);
}

void PaintStar(QPainter& p) {
    const QPainterPath path = StarPath(QPointF(6.5, 7.0), 6.3, 2.6);
    QRadialGradient g(QPointF(5.5, 5.0), 7);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, QColor(206, 206, 206));
    p.setPen(QPen(QColor(120, 120, 120, 200), 0.6));
    p.setBrush(g);
    p.drawPath(path);
}

void PaintDupArrow(QPainter& p, bool up) {
    const QColor bright = up ? QColor(255, 236, 90) : QColor(255, 120, 60);
    const QColor deep = up ? QColor(196, 120, 0) : QColor(170, 20, 10);
    const int count = 4;
    for (int i = 0; i < count; ++i) {
        // The chevron nearest the tip is the brightest: the arrow seems to move.
        const int order = up ? i : count - 1 - i;
        const qreal top = 4 + i * 24;
        QPainterPath chevron;
        if (up) {
            chevron.moveTo(12.5, top);
            chevron.lineTo(24, top + 14);
            chevron.lineTo(24, top + 22);
            chevron.lineTo(12.5, top + 10);
            chevron.lineTo(1, top + 22);
            chevron.lineTo(1, top + 14);
        } else {
            chevron.moveTo(12.5, top + 22);
            chevron.lineTo(24, top + 8);
            chevron.lineTo(24, top);
            chevron.lineTo(12.5, top + 12);
            chevron.lineTo(1, top);
            chevron.lineTo(1, top + 8);
        }
        chevron.closeSubpath();
        QLinearGradient g(0, top, 0, top + 22);
        g.setColorAt(0.0, bright.lighter(120));
        g.setColorAt(0.6, bright);
        g.setColorAt(1.0, deep);
        p.setOpacity(1.0 - 0.2 * order);
        p.setPen(QPen(QColor(40, 10, 0, 220), 1.0));
        p.setBrush(g);
        p.drawPath(chevron);
    }
    p.setOpacity(1.0);
}

// What sets one button face apart from another: the plate's colours and the lettering.
struct FaceLook {
    QGradientStops plate;
    QColor rim;
    QColor shine;
    qreal letterSpacing;
    QColor engraving;  // the lettering's offset copy, one pixel down
    QColor lettering;
};

// A rounded plate with a thin shine inside its rim and engraved lettering.
void PaintFace(QPainter& p, const QString& text, const FaceLook& look) {
    const QRectF r(0.5, 0.5, 144, 16);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setStops(look.plate);
    p.setPen(QPen(look.rim, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(look.shine, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 142, 14), 4, 4);
    p.setFont(SansFont(10, QFont::Bold, look.letterSpacing));
    p.setPen(look.engraving);
    p.drawText(QRectF(0, 1, 145, 17), Qt::AlignCenter, text);
    p.setPen(look.lettering);
    p.drawText(QRectF(0, 0, 145, 17), Qt::AlignCenter, text);
}

// The neutral face the window tints with the theme's button colour.
void PaintButtonFace(QPainter& p, const QString& text) {
    PaintFace(p, text,
              {{{0.0, QColor(255, 255, 255)},
                {0.45, QColor(232, 232, 232)},
                {0.55, QColor(212, 212, 212)},
                {1.0, QColor(226, 226, 226)}},
               QColor(110, 110, 110),
               QColor(255, 255, 255, 200),
               1.2,
               QColor(255, 255, 255, 210),
               QColor(40, 40, 40)});
}

// The red and the black double-up choice: a plate in the colour of its card group with
// light lettering. The window shows these untinted, so they keep their colours in every
// theme and match the cards.
void PaintColouredFace(QPainter& p, const QString& text, QColor top, QColor bottom, QColor rim) {
    PaintFace(p, text,
              {{{0.0, top}, {0.5, top.darker(115)}, {0.55, bottom.lighter(110)}, {1.0, bottom}},
               rim,
               QColor(255, 255, 255, 70),
               1.6,
               QColor(0, 0, 0, 170),
               QColor(255, 248, 232)});
}

// A small playing card for the splash and the icon.
void DrawCard(QPainter& p, const QRectF& r, const QString& rank, const QString& suit, bool red) {
    DrawSoftShadow(p, r.translated(3, 4), r.width() * 0.08, 6, 140);
    QLinearGradient face(r.topLeft(), r.bottomRight());
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(228, 228, 222));
    p.setPen(QPen(QColor(90, 90, 90), r.width() * 0.012));
    p.setBrush(face);
    p.drawRoundedRect(r, r.width() * 0.08, r.width() * 0.08);
    const QColor ink = red ? QColor(200, 16, 30) : QColor(20, 20, 28);
    p.setPen(ink);
    p.setFont(SerifFont(r.width() * 0.2, QFont::Bold));
    const QRectF corner(r.left() + r.width() * 0.07, r.top() + r.width() * 0.05, r.width() * 0.3,
                        r.width() * 0.26);
    p.drawText(corner, Qt::AlignCenter, rank);
    p.setFont(SerifFont(r.width() * 0.17, QFont::Normal));
    p.drawText(corner.translated(0, r.width() * 0.22), Qt::AlignCenter, suit);
    p.setFont(SerifFont(r.width() * 0.55, QFont::Normal));
    p.drawText(r.adjusted(0, r.height() * 0.08, 0, 0), Qt::AlignCenter, suit);
}

void DrawFan(QPainter& p, QPointF pivot, qreal cardWidth, qreal spread) {
    struct Face {
        const char* Rank;
        const char16_t* Suit;
        bool Red;
    };
    const Face faces[5] = {{"A", u"\u2660", false},
                           {"K", u"\u2665", true},
                           {"Q", u"\u2666", true},
                           {"J", u"\u2663", false},
                           {"\u2605", u"\u2605", true}};
    const QRectF card(-cardWidth / 2, -cardWidth * 1.45, cardWidth, cardWidth * 1.45);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate((i - 2) * spread);
        DrawCard(p, card.translated(0, -cardWidth * 0.1), QString::fromUtf8(faces[i].Rank),
                 QString::fromUtf16(faces[i].Suit), faces[i].Red);
        p.restore();
    }
}

void FillPlate(QPainter& p, const QRectF& r, qreal radius, QColor centre, QColor edge) {
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.6);
    g.setColorAt(0.0, centre);
    g.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

void PaintFlash(QPainter& p) {
    const QRectF r(0, 0, 500, 72);
    FillPlate(p, r.adjusted(2, 2, -2, -2), 12, QColor(110, 10, 24), QColor(18, 0, 4));
    // Rays behind the title, like a marquee.
    p.save();
    p.setClipRect(r.adjusted(4, 4, -4, -4));
    p.translate(250, 34);
    for (int i = 0; i < 36; ++i) {
        p.rotate(10);
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(400, -14);
        ray.lineTo(400, 14);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 200, 80, i % 2 == 0 ? 16 : 6));
    }
    p.restore();
    DrawBezel(p, r, 4, 12, Gold);
    const QRectF title(0, 4, 500, 48);
    const QFont big = SerifFont(38, QFont::Bold, 4);
    DrawGlow(p, title, QStringLiteral("ORVANE CARDS"), big, QColor(255, 170, 40, 220), 6);
    DrawEngraved(p, title, QStringLiteral("ORVANE CARDS"), big, Gold);
    const Metal chrome{QColor(255, 255, 255), QColor(200, 200, 210), QColor(90, 90, 110)};
    DrawEngraved(p, QRectF(0, 48, 500, 16),
                 QStringLiteral("\u2660  JOKER WILD VIDEO POKER  \u2665  INSERT COIN  \u2666"),
                 SansFont(10.5, QFont::Bold, 2.2), chrome);
    for (int side = 0; side < 2; ++side) {
        const QPointF c(side == 0 ? 34 : 466, 36);
        const QPainterPath s = StarPath(c, 15, 6.2);
        p.fillPath(s, MetalGradient(s.boundingRect(), Gold));
        p.setPen(QPen(Gold.Dark, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
    }
}

void PaintSplash(QPainter& p) {
    const QRectF r(0, 0, 420, 270);
    FillPlate(p, r, 0, QColor(130, 16, 32), QColor(20, 0, 6));
    p.save();
    p.setPen(Qt::NoPen);
    for (int y = 6; y < 270; y += 14) {
        for (int x = 6 + (y / 14 % 2) * 7; x < 420; x += 14) {
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
        }
    }
    p.restore();
    DrawFan(p, QPointF(210, 168), 54, 13);
    const QRectF title(0, 160, 420, 56);
    const QFont big = SerifFont(44, QFont::Bold, 1.5);
    DrawGlow(p, title, QStringLiteral("Orvane Cards"), big, QColor(0, 0, 0, 255), 4);
    DrawGlow(p, title, QStringLiteral("Orvane Cards"), big, QColor(255, 170, 40, 170), 8);
    DrawEngraved(p, title, QStringLiteral("Orvane Cards"), big, Gold);
    DrawRule(p, QPointF(70, 220), QPointF(350, 220), Gold);
    const Metal chrome{QColor(255, 255, 255), QColor(214, 214, 222), QColor(110, 110, 130)};
    DrawEngraved(p, QRectF(0, 224, 420, 18), QStringLiteral("JOKER WILD VIDEO POKER"),
                 SansFont(11, QFont::Bold, 3), chrome);
    p.setFont(SansFont(10, QFont::Normal, 0.5));
    p.setPen(QColor(255, 226, 160, 220));
    p.drawText(QRectF(14, 246, 392, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tessaly Software"));
    p.drawText(QRectF(14, 246, 392, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version %1").arg(QLatin1String(orvane::ProgramVersion)));
    DrawBezel(p, r, 5, 0.1, Gold);
}

void PaintIcon(QPainter& p) {
    const QRectF r(8, 8, 240, 240);
    DrawSoftShadow(p, r.translated(0, 4), 48, 8, 160);
    FillPlate(p, r, 48, QColor(170, 22, 40), QColor(50, 2, 10));
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, 48, 48);
    p.setClipPath(clip);
    DrawCard(p, QRectF(0, 0, 96, 136).translated(52, 54), QStringLiteral("A"),
             QStringLiteral("\u2660"), false);
    p.save();
    p.translate(128, 200);
    p.rotate(14);
    DrawCard(p, QRectF(-48, -150, 96, 136), QStringLiteral("\u2605"), QStringLiteral("\u2665"),
             true);
    p.restore();
    p.restore();
    const QPainterPath s = StarPath(QPointF(196, 70), 30, 12.5);
    DrawSoftShadow(p, s.boundingRect().adjusted(8, 8, -8, -8), 10, 6, 120);
    p.fillPath(s, MetalGradient(s.boundingRect(), Gold));
    p.setPen(QPen(Gold.Dark, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s);
    DrawBezel(p, r, 9, 48, Gold);
}

}  // namespace

std::vector<WindowPicture> WindowPictures() {
    std::vector<WindowPicture> list{
        {QStringLiteral("hold"), QSize(36, 10), PaintHoldTag},
        {QStringLiteral("lamp"), QSize(21, 20), PaintLamp},
        {QStringLiteral("star"), QSize(13, 13), PaintStar},
        {QStringLiteral("dup_up"), QSize(25, 100), [](QPainter& p) { PaintDupArrow(p, true); }},
        {QStringLiteral("dup_down"), QSize(25, 100), [](QPainter& p) { PaintDupArrow(p, false); }},
    };
    for (int i = 1; i <= 5; ++i) {
        list.push_back({QStringLiteral("hold%1").arg(i), QSize(145, 17), [i](QPainter& p) {
                            PaintButtonFace(p, QStringLiteral("HOLD %1").arg(i));
                        }});
    }
    list.push_back({QStringLiteral("bet"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("BET")); }});
    list.push_back({QStringLiteral("cash"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("CASH / COLLECT")); }});
    list.push_back({QStringLiteral("deal"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("DEAL / DRAW")); }});
    // The faces of HOLD 2, HOLD 4 and HOLD 5 while a win is on offer.
    list.push_back({QStringLiteral("small"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("SMALL")); }});
    list.push_back({QStringLiteral("big"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("BIG")); }});
    list.push_back({QStringLiteral("half"), QSize(145, 17),
                    [](QPainter& p) { PaintButtonFace(p, QStringLiteral("TAKE HALF")); }});
    list.push_back({QStringLiteral("red"), QSize(145, 17), [](QPainter& p) {
                        PaintColouredFace(p, QStringLiteral("RED"), QColor(238, 58, 58),
                                          QColor(150, 6, 16), QColor(90, 0, 6));
                    }});
    list.push_back({QStringLiteral("black"), QSize(145, 17), [](QPainter& p) {
                        PaintColouredFace(p, QStringLiteral("BLACK"), QColor(54, 54, 60),
                                          QColor(8, 8, 10), QColor(130, 130, 136));
                    }});
    list.push_back({QStringLiteral("flash"), QSize(500, 72), PaintFlash});
    list.push_back({QStringLiteral("splash"), QSize(420, 270), PaintSplash});
    list.push_back({QStringLiteral("icon"), QSize(256, 256), PaintIcon});
    return list;
}

QImage RenderPicture(const WindowPicture& picture, int scale) {
    QImage img(picture.Size * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    picture.Paint(p);
    p.end();
    return img;
}

QImage RenderIcon(int pixels) {
    for (const WindowPicture& picture : WindowPictures()) {
        if (picture.Name == QLatin1String("icon")) {
            QImage icon =
                RenderPicture(picture, 2)
                    .scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            icon.setDevicePixelRatio(1.0);
            return icon;
        }
    }
    return {};
}

}  // namespace orvane
