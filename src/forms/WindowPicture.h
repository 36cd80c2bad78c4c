#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace orvane {

// One of the window's own pictures. On a screen that doubles its pixels the generated
// double-size twin ("name@2x.png") is taken instead, so lamps, stars, buttons and the
// banner stay sharp; a missing twin falls back to the plain picture, a missing picture
// gives a null image and a blank control. A picture far beyond the size the window
// expects of it is refused (logged) and treated as missing.
QImage LoadWindowPicture(const QString& path, qreal devicePixelRatio);

// The same with the ratio of the screen the application starts on.
QImage LoadWindowPicture(const QString& path);

// The size, in table pixels, that the window expects of a picture file of the program folder
// (backgrounds, previews, the pictures under Data/gfx), by its name; "@2x" twins are twice
// that. A name the window does not know is expected no larger than the table.
QSize ExpectedWindowPictureSize(const QString& path);

}  // namespace orvane
