#pragma once

#include <QImage>
#include <QList>
#include <QSize>

namespace cardgen {

// The options dialog's preview of one card library: `cards` (any size, drawn left to right)
// fanned on pure white, which the dialog draws transparent. Card pixels are kept off pure
// white and the outline is cut hard, so no white fringe or hole shows on the dialog.
QImage PaintCardSetPreview(const QList<QImage>& cards, QSize size);

}  // namespace cardgen
