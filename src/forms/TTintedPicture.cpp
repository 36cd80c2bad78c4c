#include "TTintedPicture.h"

#include <QPainter>

#include "TintImage.h"

namespace orvane {

TTintedPicture::TTintedPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TTintedPicture::SetPicture(const QImage& picture) {
    picture_ = picture;
    tinted_ = TintImage(picture_, tint_);
    update();
}

void TTintedPicture::SetTint(const QColor& tint) {
    if (tint == tint_ && !tinted_.isNull()) {
        return;
    }
    tint_ = tint;
    tinted_ = TintImage(picture_, tint_);
    update();
}

void TTintedPicture::paintEvent(QPaintEvent*) {
    if (tinted_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), tinted_);
}

}  // namespace orvane
