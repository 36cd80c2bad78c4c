#pragma once

#include <QImage>
#include <QList>

namespace cardgen {

// Rows of pictures on a green baize, for looking at the art as a player will.
QImage PaintContactSheet(const QList<QList<QImage>>& rows);

}  // namespace cardgen
