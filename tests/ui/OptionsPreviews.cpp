#include "OptionsPreviews.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace orvane::test {

QColor ThemePreviewColor(int id) {
    return QColor(40 * id, 30, 200 - 30 * id);
}

QColor CardSetPreviewColor(int id) {
    return QColor(10, 60 * id, 90);
}

void WritePreviews(const QString& folder) {
    const QDir dir(folder);
    for (int id = 1; id <= 4; ++id) {
        QImage picture(160, 124, QImage::Format_RGB32);
        picture.fill(ThemePreviewColor(id));
        picture.save(dir.filePath(QStringLiteral("optt%1.zqi").arg(id)), "BMP");
    }
    for (int id = 1; id <= 3; ++id) {
        QImage picture(160, 124, QImage::Format_RGB32);
        picture.fill(CardSetPreviewColor(id));
        QPainter(&picture).fillRect(0, 0, CardSetWhiteBand, 124, Qt::white);
        picture.save(dir.filePath(QStringLiteral("optcs%1.zqi").arg(id)), "BMP");
    }
}

}  // namespace orvane::test
