#include "TImageButton.h"

#include <QPainter>

#include "TintImage.h"

namespace orvane {

TImageButton::TImageButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    // The window reads every key itself; a focused button must not take Space or Enter.
    setFocusPolicy(Qt::NoFocus);
}

void TImageButton::SetFace(const ButtonFace& face) {
    face_ = face.Picture;
    ownColour_ = face.OwnColour;
    setText(face.Caption);
    Retint();
}

void TImageButton::SetPicture(const QImage& face) {
    face_ = face;
    Retint();
}

void TImageButton::SetColor(const QColor& color) {
    if (color == color_ && (face_.isNull() || !tinted_.isNull())) {
        return;
    }
    color_ = color;
    Retint();
}

void TImageButton::Retint() {
    tinted_ = ownColour_ ? face_ : TintButtonFace(face_, color_);
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
    const QColor plate = ownColour_.value_or(color_);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0.0, plate.lighter(130));
    shade.setColorAt(1.0, plate.darker(160));
    painter.setPen(QPen(plate.darker(250), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setPen(plate.lightness() > 110 ? Qt::black : Qt::white);
    painter.setFont(font());
    painter.drawText(box, Qt::AlignCenter, text());
}

}  // namespace orvane
