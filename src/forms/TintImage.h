#pragma once

#include <QColor>
#include <QImage>

namespace orvane {

// Multiplies every pixel of a picture by a colour and keeps its alpha, so a white or grey
// picture takes the colour and its shading stays. The window's lamps, stars and button
// faces are drawn this way, which is what lets one picture serve every theme.
QImage TintImage(const QImage& source, const QColor& tint);

}  // namespace orvane
