#include "WindowPicture.h"

#include "view/PictureDensity.h"

namespace orvane {

QImage LoadWindowPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        QString doubled = path;
        doubled.insert(dot < 0 ? doubled.size() : dot, QStringLiteral("@2x"));
        QImage image(doubled);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return QImage(path);
}

QImage LoadWindowPicture(const QString& path) {
    return LoadWindowPicture(path, PictureDensity(nullptr));
}

}  // namespace orvane
