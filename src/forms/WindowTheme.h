#pragma once

#include <QImage>
#include <QString>

#include "MainControls.h"

namespace orvane {

struct ThemeRecord;

// Reads a theme picture: ".zqi" files are bitmaps whatever their name says, anything else
// is decoded by its extension (the Nature background is a JPEG). Null when unreadable or
// far beyond the size the window expects of it; error then says why.
QImage ReadThemePicture(const QString& file, QString* error = nullptr);

// The window's share of applying a theme, in order: the background picture (a null
// picture leaves the table blank), the panel colours, the four amounts' positions,
// colour, face and weight, the bonus picture's position, the amounts' outline taken off,
// the pay table's face and weight, and the button colour. A theme without positions
// (Nature) puts the controls at their layout places.
void ApplyWindowTheme(MainControls& controls, const ThemeRecord& theme, const QImage& background);

// The theme numbered themeID with its background read from the program folder; a
// background that cannot be read is a fatal error. False for an unknown theme, which
// changes nothing.
bool ApplyWindowTheme(MainControls& controls, const QString& programFolder, int themeID);

}  // namespace orvane
