#include "MenuStrip.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace orvane {

MenuStrip::MenuStrip(std::vector<QMenu*> menus, std::function<void(int)> popUp)
    : menus_(std::move(menus)), popUp_(std::move(popUp)) {
    for (QMenu* menu : menus_) {
        menu->installEventFilter(this);
    }
}

void MenuStrip::Open(int n) {
    if (n < 1 || n > static_cast<int>(menus_.size())) {
        return;
    }
    popUp_(n);
    QMenu* menu = menus_[static_cast<std::size_t>(n - 1)];
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
            menu->setActiveAction(action);
            break;
        }
    }
}

bool MenuStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        return false;
    }
    const auto count = static_cast<int>(menus_.size());
    for (int i = 0; i < count; ++i) {
        if (menus_[static_cast<std::size_t>(i)] == watched) {
            menus_[static_cast<std::size_t>(i)]->hide();
            Open((i + (key == Qt::Key_Right ? 1 : count - 1)) % count + 1);
            return true;
        }
    }
    return false;
}

}  // namespace orvane
