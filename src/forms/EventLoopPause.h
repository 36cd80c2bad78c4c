#pragma once

#include <QPointer>
#include <QWidget>

#include "game/TableDisplay.h"

namespace orvane {

// The table's waits on screen: repaint the window, let pending events through, then hold
// the thread for the time while still letting events through, so the screen stays alive.
// Input that arrives meanwhile reaches the table while its gate is closed and is dropped.
class EventLoopPause : public Pause {
  public:
    explicit EventLoopPause(QWidget* window) : window_(window) {}
    void Wait(int milliseconds) override;

  private:
    QPointer<QWidget> window_;
};

}  // namespace orvane
