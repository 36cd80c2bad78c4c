#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "KeyboardMap.h"

class QMenu;

namespace orvane {

// What the window does for the keys the table leaves free: the dialogs and menus that
// otherwise take the mouse.
enum class WindowKey {
    None,
    AddCredit,    // F2, I, Insert
    Statistics,   // F3, S
    CreditMenu,   // F10, or Alt pressed and let go alone: the menu strip from its start
    OptionsMenu,  // O
    HelpMenu,     // H
};

// The window's meaning of a press; None for every key the table's own map uses, so that
// the two never meet. Keys held with Ctrl or Alt mean nothing here.
WindowKey WindowKeyFor(const KeyPress& press);

// Alt pressed and let go with no other key between opens the menu strip, as on most
// desktops.
class AltTap {
  public:
    // Every key press.
    void Pressed(int key) { armed_ = key == Qt::Key_Alt; }
    // Every key release; true when it ends a tap.
    bool Released(int key) {
        const bool tap = armed_ && key == Qt::Key_Alt;
        armed_ = false;
        return tap;
    }
    // The window lost the keyboard: the Alt of an Alt+Tab is no tap, even when its release
    // comes back to this window after the desktop took the Tab.
    void Forget() { armed_ = false; }

  private:
    bool armed_ = false;
};

class MenuStrip;

// The window's own keys at work: opens the dialogs and the menu strip.
class WindowKeyboard {
  public:
    struct Actions {
        std::function<void()> AddCredit;
        std::function<void()> Statistics;
        std::function<void(int)> PopUpMenu;  // menu n (1-based) under its button
    };
    WindowKeyboard(std::vector<QMenu*> menus, Actions actions);
    ~WindowKeyboard();

    // Every press and release meant for the window; true when the key was used.
    bool KeyDown(const KeyPress& press);
    bool KeyUp(int key);
    // The window lost the keyboard.
    void FocusLost() { altTap_.Forget(); }

  private:
    Actions actions_;
    std::unique_ptr<MenuStrip> strip_;
    AltTap altTap_;
};

}  // namespace orvane
