#include "THoverButton.h"

namespace orvane {

void THoverButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void THoverButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void THoverButton::hideEvent(QHideEvent* event) {
    hover_ = false;
    QAbstractButton::hideEvent(event);
}

}  // namespace orvane
