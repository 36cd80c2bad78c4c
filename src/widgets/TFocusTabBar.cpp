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
    FlatLook::PaintFocusRing(painter, QRectF(tabRect(currentIndex())).adjusted(1, 1, -1, 0), 2.0);
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
