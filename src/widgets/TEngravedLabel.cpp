#include "TEngravedLabel.h"

#include <QPainter>

namespace orvane {

const QColor TEngravedLabel::ShadowColor(40, 20, 0);

TEngravedLabel::TEngravedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TEngravedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(ShadowColor);
    painter.drawText(rect().translated(1, 1), static_cast<int>(alignment()), text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), static_cast<int>(alignment()), text());
}

}  // namespace orvane
