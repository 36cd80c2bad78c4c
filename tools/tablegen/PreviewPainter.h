#pragma once

#include <QImage>

#include "ThemeStyle.h"

namespace orvane {

// The options dialog's preview of a theme, 160 x 124: the table in miniature (its
// background with a pay table and a dealt hand) over a name plate.
QImage PaintPreview(const ThemeStyle& style, const QImage& background);

constexpr int PreviewWidth = 160;
constexpr int PreviewHeight = 124;

}  // namespace orvane
