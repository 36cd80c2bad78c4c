#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace cardgen {

// The program's own card back: a white margin around a field of `tint` with a woven
// guilloche, a double gold frame and an oval medallion carrying the "O" monogram.
// Drawn from geometry alone, so it is as sharp at 280 x 416 as at 140 x 208.
QImage PaintCardBack(QSize size, const QColor& tint);

}  // namespace cardgen
