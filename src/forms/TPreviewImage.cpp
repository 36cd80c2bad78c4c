#include "TPreviewImage.h"

#include <QPainter>

#include "WindowTheme.h"

namespace orvane {

namespace {

QImage WithWhiteTransparent(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & RGB_MASK) == (qRgb(255, 255, 255) & RGB_MASK)) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return result;
}

}  // namespace

TPreviewImage::TPreviewImage(QWidget* parent) : QWidget(parent) {}

bool TPreviewImage::LoadPicture(const QString& file, QString* error) {
    QImage picture = ReadThemePicture(file, error);
    if (picture.isNull()) {
        picture_ = QImage();
        file_.clear();
    } else {
        picture_ = whiteTransparent_ ? WithWhiteTransparent(picture) : std::move(picture);
        file_ = file;
    }
    update();
    return !picture_.isNull();
}

void TPreviewImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace orvane
