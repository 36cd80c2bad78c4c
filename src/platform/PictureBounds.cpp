#include "platform/PictureBounds.h"

#include <QImageReader>

#include "platform/ResourceLog.h"

namespace orvane {

void LimitPictureAllocations() {
    QImageReader::setAllocationLimit(PictureAllocationLimitMB);
}

bool IsFarBeyond(QSize actual, QSize expected) {
    return qint64{actual.width()} > qint64{expected.width()} * FarBeyondFactor ||
           qint64{actual.height()} > qint64{expected.height()} * FarBeyondFactor;
}

QImage ReadPictureWithin(QImageReader& reader, QSize expected, const QString& what,
                         QString* error) {
    // The size comes from the header alone; nothing is decoded yet.
    const QSize size = reader.size();
    if (size.isValid() && IsFarBeyond(size, expected)) {
        const QString why =
            QStringLiteral("the picture is %1 x %2 pixels, far beyond the %3 x %4 expected")
                .arg(size.width())
                .arg(size.height())
                .arg(expected.width())
                .arg(expected.height());
        qCWarning(lcResources) << "refused" << what << ":" << why;
        if (error != nullptr) {
            *error = why;
        }
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (error != nullptr) {
            *error = reader.errorString();
        }
        return {};
    }
    return picture;
}

QImage ReadPictureFileWithin(const QString& path, QSize expected, const char* format,
                             QString* error) {
    QImageReader reader(path);
    if (format != nullptr) {
        reader.setFormat(format);
    }
    return ReadPictureWithin(reader, expected, path, error);
}

}  // namespace orvane
