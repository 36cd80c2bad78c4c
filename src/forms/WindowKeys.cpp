#include "WindowKeys.h"

#include "MenuStrip.h"

namespace orvane {

WindowKey WindowKeyFor(const KeyPress& press) {
    if (CommandForKey(press) != KeyCommand::None ||
        (press.Modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return WindowKey::None;
    }
    switch (press.Key) {
        case Qt::Key_F2:
        case Qt::Key_I:
        case Qt::Key_Insert:
            return WindowKey::AddCredit;
        case Qt::Key_F3:
        case Qt::Key_S:
            return WindowKey::Statistics;
        case Qt::Key_F10:
            return WindowKey::CreditMenu;
        case Qt::Key_O:
            return WindowKey::OptionsMenu;
        case Qt::Key_H:
            return WindowKey::HelpMenu;
        default:
            return WindowKey::None;
    }
}

WindowKeyboard::WindowKeyboard(std::vector<QMenu*> menus, Actions actions)
    : actions_(std::move(actions)),
      strip_(std::make_unique<MenuStrip>(std::move(menus), actions_.PopUpMenu)) {}

WindowKeyboard::~WindowKeyboard() = default;

bool WindowKeyboard::KeyDown(const KeyPress& press) {
    altTap_.Pressed(press.Key);
    switch (WindowKeyFor(press)) {
        case WindowKey::None:
            return false;
        case WindowKey::AddCredit:
            actions_.AddCredit();
            return true;
        case WindowKey::Statistics:
            actions_.Statistics();
            return true;
        case WindowKey::CreditMenu:
            strip_->Open(1);
            return true;
        case WindowKey::OptionsMenu:
            strip_->Open(2);
            return true;
        case WindowKey::HelpMenu:
            strip_->Open(3);
            return true;
    }
    return false;
}

bool WindowKeyboard::KeyUp(int key) {
    if (!altTap_.Released(key)) {
        return false;
    }
    strip_->Open(1);
    return true;
}

}  // namespace orvane
