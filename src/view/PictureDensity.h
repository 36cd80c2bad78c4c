#pragma once

#include <QtGlobal>

class QWidget;

namespace orvane {

// How many picture pixels a table pixel should have: the screen's own ratio, raised while
// the table is shown enlarged (full screen), so that pictures are taken from their
// double-size versions and stay crisp instead of being blown up.
qreal PictureDensity(const QWidget* widget);

// The least density, whatever the screen; 1 is the normal state.
void SetPictureDensityFloor(qreal floor);
qreal PictureDensityFloor();

}  // namespace orvane
