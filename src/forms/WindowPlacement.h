#pragma once

#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

namespace orvane {

// Full screen: a borderless window over the whole of its screen that stays on top of
// the others.
void PlaceOverWholeScreen(QWidget& window);

// Windowed: an ordinary window of a fixed outer size in the middle of the desktop's free
// area. The window system's frame goes with its caption, so the window draws its own. On
// a free area too small for it, the window is made smaller, its proportions kept, so that
// all of it is within reach. Gives the outer size it was given.
QSize PlaceFramedInCentre(QWidget& window, QSize outer);

// Where a window dragged by hand to `topLeft` may stand: all of it stays on the free area
// of the screen under the pointer, so that its strip can be taken again.
QPoint KeepWithinReach(const QWidget& window, QPoint topLeft, QPoint pointer);

// The thin frame such a window draws along its edge: a light rim and two darker lines.
void PaintThinFrame(QPainter& painter, const QRect& window);

}  // namespace orvane
