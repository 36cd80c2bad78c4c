#pragma once

#include <QColor>
#include <QImage>

namespace orvane {

// Multiplies every pixel of a picture by a colour and keeps its alpha, so a white or grey
// picture takes the colour and its shading stays. The window's lamps, stars and button
// faces are drawn this way, which is what lets one picture serve every theme.
QImage TintImage(const QImage& source, const QColor& tint);

// A button face in a theme colour that stays readable: a light colour is multiplied in
// like TintImage, but a dark one (Nature's dark red, its black for unusable buttons)
// would swallow the dark lettering, so there the light plate takes the colour and the
// dark lettering turns light.
QImage TintButtonFace(const QImage& face, const QColor& tint);

}  // namespace orvane
