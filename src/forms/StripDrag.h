#pragma once

#include <QEvent>
#include <QPoint>

class QMouseEvent;
class QWidget;

namespace orvane {

// Moves a window by a strip of its own, as a caption would. The window system moves it
// where it can; where it cannot (no window manager), the window follows the pointer
// itself and stays within reach of it.
class StripDrag {
  public:
    explicit StripDrag(QWidget& window) : window_(window) {}

    // A mouse event that reached the strip; true when the drag took it.
    bool Handle(const QMouseEvent& mouse, QEvent::Type type);
    bool Dragging() const { return dragging_; }

  private:
    QWidget& window_;
    bool dragging_ = false;
    QPoint grip_;  // the pointer's place in the window when the strip was taken
};

}  // namespace orvane
