#pragma once

#include <QImage>

#include "ThemeStyle.h"

// The material under everything else on a theme background: felt, a glowing modern
// surface, polished wood or a painted landscape. Each returns a picture of the full
// background size.
QImage paintFelt(const ThemeStyle& style);
QImage paintModern(const ThemeStyle& style);
QImage paintWood(const ThemeStyle& style);
QImage paintNature(const ThemeStyle& style);

QImage paintSurface(const ThemeStyle& style);
