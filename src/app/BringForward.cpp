#include "app/BringForward.h"

#include <QWidget>

namespace orvane {

void BringForward(QWidget& window) {
    if (!window.isVisible() && !window.isMinimized()) {
        return;
    }
    if (window.isMinimized()) {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace orvane
