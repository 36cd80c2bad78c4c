#pragma once

#include <QImage>

#include "ThemeStyle.h"

// The options dialog's preview of a theme, 160 x 124: the table in miniature (its
// background with a pay table and a dealt hand) over a name plate.
QImage paintPreview(const ThemeStyle& style, const QImage& background);

constexpr int kPreviewWidth = 160;
constexpr int kPreviewHeight = 124;
