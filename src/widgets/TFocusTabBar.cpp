#include "TFocusTabBar.h"

#include <QPainter>

#include "FlatLook.h"

namespace orvane {

TFocusTabBar::TFocusTabBar(QWidget* parent) : QTabBar(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void TFocusTabBar::paintEvent(QPaintEvent* event) {
    QTabBar::paintEvent(event);
    if (!hasFocus() || currentIndex() < 0) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(FlatLook::Yellow, 1.0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(tabRect(currentIndex()).adjusted(3, 3, -4, -3));
}

void TFocusTabBar::focusInEvent(QFocusEvent* event) {
    QTabBar::focusInEvent(event);
    update();
}

void TFocusTabBar::focusOutEvent(QFocusEvent* event) {
    QTabBar::focusOutEvent(event);
    update();
}

}  // namespace orvane
