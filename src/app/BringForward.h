#pragma once

class QWidget;

namespace orvane {

// Brings a window that is on screen to the front: restored when minimised, raised and
// given the focus. A window that is not shown yet is left to come up by itself.
void BringForward(QWidget& window);

}  // namespace orvane
