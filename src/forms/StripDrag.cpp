#include "StripDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "WindowPlacement.h"

namespace orvane {

bool StripDrag::Handle(const QMouseEvent& mouse, QEvent::Type type) {
    const QPoint pointer = mouse.globalPosition().toPoint();
    switch (type) {
        case QEvent::MouseButtonPress:
            if (mouse.button() != Qt::LeftButton) {
                return false;
            }
            dragging_ =
                window_.windowHandle() == nullptr || !window_.windowHandle()->startSystemMove();
            grip_ = pointer - window_.pos();
            return true;
        case QEvent::MouseMove:
            if (dragging_ && (mouse.buttons() & Qt::LeftButton)) {
                window_.move(KeepWithinReach(window_, pointer - grip_, pointer));
            }
            return dragging_;
        case QEvent::MouseButtonRelease:
            if (mouse.button() != Qt::LeftButton || !dragging_) {
                return false;
            }
            dragging_ = false;
            return true;
        default:
            return false;
    }
}

}  // namespace orvane
