#include "PreviewPainter.h"

#include <QPainter>
#include <array>

#include "TableLayout.h"
#include "Trim.h"

namespace {

// Paints what a player would see at full size, so that the miniature is honest.
QImage dressedTable(const ThemeStyle& style, const QImage& background) {
    QImage table = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const TableLayout l = TableLayout::forTops(style.tops);
    QPainter p(&table);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect panel = TableLayout::fromWindow(190, 33, 414, 223);
    p.fillRect(panel, style.panelColor);
    // Pay lines as text bars in the line colours of the theme.
    const std::array<QColor, 3> lineInk{
        QColor(255, 255, 0), QColor(255, 0, 0),
        style.id == 1 || style.id == 4 ? QColor(222, 198, 162) : QColor(0, 255, 255)};
    for (int k = 0; k < 11; ++k) {
        const QColor ink = lineInk[static_cast<std::size_t>(std::min(k, 2))];
        const int y = panel.top() + 3 + 20 * k + 5;
        p.fillRect(QRect(panel.left() + 6, y, 120 + (k * 37) % 60, 9), ink);
        p.fillRect(QRect(panel.right() - 60, y, 54, 9), ink);
    }
    struct Face {
        const char16_t* suit;
        bool red;
    };
    const Face faces[5] = {{u"\u2660", false},
                           {u"\u2665", true},
                           {u"\u2663", false},
                           {u"\u2666", true},
                           {u"\u2665", true}};
    for (std::size_t i = 0; i < 5; ++i) {
        const QRectF card = QRectF(l.cards[i]).adjusted(2, 2, -2, -2);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(250, 250, 246));
        p.drawRoundedRect(card, 10, 10);
        p.setFont(serifFont(90, QFont::Normal));
        p.setPen(faces[i].red ? QColor(210, 20, 30) : QColor(20, 20, 20));
        p.drawText(card, Qt::AlignCenter, QString::fromUtf16(faces[i].suit));
    }
    const QColor info = style.id == 5   ? QColor(0, 0, 255)
                        : style.id == 3 ? QColor(255, 255, 255)
                                        : QColor(255, 255, 0);
    p.setFont(sansFont(22, QFont::Bold));
    p.setPen(info);
    p.drawText(l.credit, Qt::AlignCenter, QStringLiteral("1000"));
    p.drawText(l.bet, Qt::AlignCenter, QStringLiteral("10"));
    p.drawText(l.win, Qt::AlignCenter, QStringLiteral("0"));
    return table;
}

}  // namespace

QImage paintPreview(const ThemeStyle& style, const QImage& background) {
    const int plate = 18;
    QImage out(kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage mini = dressedTable(style, background)
                            .scaled(kPreviewWidth, kPreviewHeight - plate, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    p.drawImage(0, 0, mini);
    const QRectF plateRect(0, kPreviewHeight - plate, kPreviewWidth, plate);
    QLinearGradient g(plateRect.topLeft(), plateRect.bottomLeft());
    g.setColorAt(0.0, style.panelColor.lighter(130));
    g.setColorAt(1.0, style.panelColor.darker(200));
    p.fillRect(plateRect, g);
    drawRule(p, plateRect.topLeft(), plateRect.topRight(), style.trim);
    drawEngraved(p, plateRect.adjusted(0, 1, 0, 0), style.name.toUpper(),
                 sansFont(11, QFont::Bold, 2.5), style.trim);
    p.end();
    return out.convertToFormat(QImage::Format_RGB32);
}
