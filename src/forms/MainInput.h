#pragma once

#include <memory>

#include "KeyboardMap.h"
#include "StripDrag.h"
#include "WindowKeys.h"

class QEvent;
class QObject;

namespace orvane {

class MainMenuCommands;
class PlayerWinCount;
class TfrmMain;

// How the player's buttons, clicks and keys reach the table. The table's keyboard and the mouse on
// the table's own pictures: keys reach the table before whichever control has the focus, a key or a
// click while a win is counted collects the rest at once, a right click on the background deals and
// the caption strip moves the window.
class MainInput {
  public:
    MainInput(TfrmMain& window, PlayerWinCount& count, MainMenuCommands& commands);

    // The table's buttons, cards and pictures to the window's game events, and the window
    // as the filter of every key; the menus must exist.
    void Connect();

    // True when the key meant something.
    bool KeyDown(const KeyPress& key);
    // The window's event filter over the whole application; true when the event was taken.
    bool Filter(QObject* watched, QEvent* event);

  private:
    // Only input meant for this window (or its table, which is a window of its own while
    // full screen enlarges it), and none while a dialog is up over it.
    bool ForTheTable(QObject* watched) const;
    bool CutCountShort(QObject* watched);

    TfrmMain& window_;
    PlayerWinCount& count_;
    MainMenuCommands& commands_;
    StripDrag drag_;
    // The keys the table leaves free: the dialogs and the menu strip.
    std::unique_ptr<WindowKeyboard> windowKeys_;
};

}  // namespace orvane
