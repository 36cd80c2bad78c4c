#pragma once

#include <QImage>

#include "ThemeStyle.h"

namespace orvane {

// The material under everything else on a theme background: felt, a glowing modern
// surface, polished wood or a painted landscape. Each returns a picture of the full
// background size.
QImage PaintFelt(const ThemeStyle& style);
QImage PaintModern(const ThemeStyle& style);
QImage PaintWood(const ThemeStyle& style);
QImage PaintNature(const ThemeStyle& style);

QImage PaintSurface(const ThemeStyle& style);

}  // namespace orvane
