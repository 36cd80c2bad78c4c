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
// area. The window system's frame goes with its caption, so the window draws its own.
void PlaceFramedInCentre(QWidget& window, QSize outer);

// The thin frame such a window draws along its edge: a light rim and two darker lines.
void PaintThinFrame(QPainter& painter, const QRect& window);

}  // namespace orvane
