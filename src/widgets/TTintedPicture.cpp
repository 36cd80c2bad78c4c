#include "TTintedPicture.h"

#include <QPainter>

#include "TintImage.h"

namespace orvane {

TTintedPicture::TTintedPicture(QWidget* parent)
    : QWidget(parent), picture_(Qt::white, TintImage, [this] { update(); }) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TTintedPicture::SetPicture(const QImage& picture) {
    picture_.SetPicture(picture);
}

void TTintedPicture::SetTint(const QColor& tint) {
    picture_.SetTint(tint);
}

void TTintedPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.Draw(painter, rect());
}

}  // namespace orvane
