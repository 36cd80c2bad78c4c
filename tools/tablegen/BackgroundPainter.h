#pragma once

#include <QImage>

#include "ThemeStyle.h"

namespace orvane {

// Paints a theme's complete 752 x 500 table background: the surface, the pay-table
// bezel, the value and bonus frames behind the window's labels, the card lane and the
// message line with its star sockets.
QImage PaintBackground(const ThemeStyle& style);

}  // namespace orvane
