#include "TImageButton.h"

#include <QPainter>

#include "FlatLook.h"
#include "TintImage.h"

namespace orvane {

TImageButton::TImageButton(QWidget* parent)
    : QAbstractButton(parent), face_(Qt::yellow, TintButtonFace, [this] { update(); }) {
    setCursor(Qt::PointingHandCursor);
    // Tab reaches the button so that a screen reader can name it; the window reads every
    // other key itself, so a focused button never takes Space or Enter.
    setFocusPolicy(Qt::TabFocus);
}

void TImageButton::SetFace(const ButtonFace& face) {
    ownColour_ = face.OwnColour;
    setText(face.Caption);
    face_.SetPicture(face.Picture, ownColour_ ? TintCache::Untinted : TintButtonFace);
}

void TImageButton::SetPicture(const QImage& face) {
    face_.SetPicture(face);
}

void TImageButton::SetColor(const QColor& color) {
    face_.SetTint(color);
}

void TImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = isDown() ? rect().translated(1, 1) : rect();
    if (face_.Draw(painter, box)) {
        PaintFocus(painter);
        return;
    }
    const QColor plate = ownColour_.value_or(face_.Tint());
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
    PaintFocus(painter);
}

void TImageButton::PaintFocus(QPainter& painter) const {
    if (hasFocus()) {
        FlatLook::PaintFocusRing(painter, QRectF(rect()), 4.0);
    }
}

}  // namespace orvane
