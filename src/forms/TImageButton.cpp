#include "TImageButton.h"

#include <QPainter>

#include "TintImage.h"

namespace orvane {

TImageButton::TImageButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    // The window reads every key itself; a focused button must not take Space or Enter.
    setFocusPolicy(Qt::NoFocus);
}

void TImageButton::SetPicture(const QImage& face) {
    face_ = face;
    tinted_ = TintButtonFace(face_, color_);
    update();
}

void TImageButton::SetColor(const QColor& color) {
    if (color == color_ && (face_.isNull() || !tinted_.isNull())) {
        return;
    }
    color_ = color;
    tinted_ = TintButtonFace(face_, color_);
    update();
}

void TImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = isDown() ? rect().translated(1, 1) : rect();
    if (!tinted_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(box, tinted_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0.0, color_.lighter(130));
    shade.setColorAt(1.0, color_.darker(160));
    painter.setPen(QPen(color_.darker(250), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setPen(color_.lightness() > 110 ? Qt::black : Qt::white);
    painter.setFont(font());
    painter.drawText(box, Qt::AlignCenter, text());
}

}  // namespace orvane
