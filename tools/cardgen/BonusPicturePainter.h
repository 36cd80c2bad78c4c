#pragma once

#include <QImage>
#include <QSize>

namespace cardgen {

// The bonus picture of one bonus rank (7, 8, 9 or 10): four cards of that rank, one of each
// suit, fanned on a dark inset panel with a thin gold rim. Opaque everywhere, so it sits on
// any table background. Drawn for 82 x 68 and at double size.
QImage PaintBonusPicture(int rank, QSize size);

}  // namespace cardgen
