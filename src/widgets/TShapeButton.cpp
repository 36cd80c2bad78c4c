#include "TShapeButton.h"

#include <QPainter>

namespace orvane {

namespace {
// Corner rounding as a share of the shorter side, a quarter like the rest of the chrome.
constexpr qreal RoundingFactor = 0.25;
}  // namespace

TShapeButton::TShapeButton(const QString& text, QWidget* parent) : THoverButton(parent) {
    setText(text);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void TShapeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(box.width(), box.height()) * RoundingFactor;
    painter.setBrush(isDown() ? QColor(60, 60, 0) : QColor(Qt::black));
    painter.setPen(Hovered() || isDown() ? QPen(Qt::yellow, 1) : QPen(QColor(110, 110, 0), 1));
    painter.drawRoundedRect(box, radius, radius);
    painter.setPen(Qt::yellow);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace orvane
