#include "TShapeButton.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

namespace {
// Corner rounding as a share of the shorter side, a quarter like the rest of the chrome.
constexpr qreal RoundingFactor = 0.25;
}  // namespace

TShapeButton::TShapeButton(const QString& text, QWidget* parent) : THoverButton(parent) {
    setText(text);
    // Tab reaches it for a screen reader; the window reads the keys.
    setFocusPolicy(Qt::TabFocus);
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
    if (hasFocus()) {
        FlatLook::PaintFocusRing(painter, QRectF(rect()), radius);
    }
}

}  // namespace orvane
