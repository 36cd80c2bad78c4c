#include "PreviewPainter.h"

#include <QPainter>
#include <array>

#include "TableLayout.h"
#include "Trim.h"
#include "forms/RgbColor.h"

namespace orvane {

namespace {

// A theme without line colours of its own leaves every line in the window's yellow.
QColor LineInk(const ThemeRecord& theme, int line) {
    return theme.PayLineColor ? ToQColor((*theme.PayLineColor)[static_cast<std::size_t>(line)])
                              : QColor(255, 255, 0);
}

// Paints what a player would see at full size, so that the miniature is honest.
QImage DressedTable(const ThemeStyle& style, const QImage& background) {
    QImage table = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const ThemeRecord& theme = *style.Theme;
    const TableLayout l = TableLayout::ForTheme(theme);
    QPainter p(&table);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect panel = l.PayTable;
    p.fillRect(panel, style.PanelColor());
    // Pay lines as text bars in the line colours of the theme; the two top lines have
    // colours of their own, the rest share the third's.
    const std::array<QColor, 3> lineInk{LineInk(theme, 1), LineInk(theme, 2), LineInk(theme, 3)};
    for (int k = 0; k < 11; ++k) {
        const QColor ink = lineInk[static_cast<std::size_t>(std::min(k, 2))];
        const int y = panel.top() + TableGeometry::PayLineName(k + 1).Y + 5;
        p.fillRect(QRect(panel.left() + 6, y, 120 + (k * 37) % 60, 9), ink);
        p.fillRect(QRect(panel.right() - 60, y, 54, 9), ink);
    }
    struct Face {
        const char16_t* Suit;
        bool Red;
    };
    const Face faces[5] = {{u"\u2660", false},
                           {u"\u2665", true},
                           {u"\u2663", false},
                           {u"\u2666", true},
                           {u"\u2665", true}};
    for (std::size_t i = 0; i < 5; ++i) {
        const QRectF card = QRectF(l.Cards[i]).adjusted(2, 2, -2, -2);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(250, 250, 246));
        p.drawRoundedRect(card, 10, 10);
        p.setFont(SerifFont(90, QFont::Normal));
        p.setPen(faces[i].Red ? QColor(210, 20, 30) : QColor(20, 20, 20));
        p.drawText(card, Qt::AlignCenter, QString::fromUtf16(faces[i].Suit));
    }
    const QColor info = ToQColor(theme.InfoTextColor);
    p.setFont(SansFont(22, QFont::Bold));
    p.setPen(info);
    p.drawText(l.Credit, Qt::AlignCenter, QStringLiteral("1000"));
    p.drawText(l.Bet, Qt::AlignCenter, QStringLiteral("10"));
    p.drawText(l.Win, Qt::AlignCenter, QStringLiteral("0"));
    return table;
}

}  // namespace

QImage PaintPreview(const ThemeStyle& style, const QImage& background) {
    const int plate = 18;
    QImage out(PreviewWidth, PreviewHeight, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage mini = DressedTable(style, background)
                            .scaled(PreviewWidth, PreviewHeight - plate, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    p.drawImage(0, 0, mini);
    const QRectF plateRect(0, PreviewHeight - plate, PreviewWidth, plate);
    QLinearGradient g(plateRect.topLeft(), plateRect.bottomLeft());
    g.setColorAt(0.0, style.PanelColor().lighter(130));
    g.setColorAt(1.0, style.PanelColor().darker(200));
    p.fillRect(plateRect, g);
    DrawRule(p, plateRect.topLeft(), plateRect.topRight(), style.Trim);
    DrawEngraved(p, plateRect.adjusted(0, 1, 0, 0), style.Name().toUpper(),
                 SansFont(11, QFont::Bold, 2.5), style.Trim);
    p.end();
    return out.convertToFormat(QImage::Format_RGB32);
}

}  // namespace orvane
