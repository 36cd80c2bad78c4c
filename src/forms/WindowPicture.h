#pragma once

#include <QImage>
#include <QString>

namespace orvane {

// One of the window's own pictures. On a screen that doubles its pixels the generated
// double-size twin ("name@2x.png") is taken instead, so lamps, stars, buttons and the
// banner stay sharp; a missing twin falls back to the plain picture, a missing picture
// gives a null image and a blank control.
QImage LoadWindowPicture(const QString& path, qreal devicePixelRatio);

// The same with the ratio of the screen the application starts on.
QImage LoadWindowPicture(const QString& path);

}  // namespace orvane
