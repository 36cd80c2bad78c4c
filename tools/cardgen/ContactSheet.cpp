#include "ContactSheet.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace cardgen {

QImage PaintContactSheet(const QList<QList<QImage>>& rows) {
    const int gap = 10;
    int width = gap;
    int height = gap;
    for (const QList<QImage>& row : rows) {
        int rowWidth = gap;
        int rowHeight = 0;
        for (const QImage& picture : row) {
            rowWidth += picture.width() + gap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    QPainter painter(&sheet);
    QRadialGradient baize(QPointF(width / 2.0, height / 2.0), width * 0.7);
    baize.setColorAt(0.0, QColor(18, 100, 52));
    baize.setColorAt(1.0, QColor(6, 52, 26));
    painter.fillRect(sheet.rect(), baize);
    int y = gap;
    for (const QList<QImage>& row : rows) {
        int x = gap;
        int rowHeight = 0;
        for (const QImage& picture : row) {
            painter.drawImage(x, y, picture);
            x += picture.width() + gap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        y += rowHeight + gap;
    }
    return sheet;
}

}  // namespace cardgen
