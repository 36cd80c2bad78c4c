#pragma once

#include <QString>

#include "MainControls.h"

class QWidget;

namespace orvane {

// The hand-placed table: builds every control of the main window at its place, size,
// font, colour and initial state, named as the rest of the program looks them up. The
// window's own pictures come from pictureFolder; a missing one leaves its control blank.
// The card views are not built here: they wait for the card library (CreateCardViews).
MainControls BuildMainLayout(QWidget& window, const QString& pictureFolder);

// Loads the window's own pictures again into the controls, at the picture density of
// the moment (double size while the table is enlarged). A picture that cannot be read
// keeps the one shown.
void ReloadWindowPictures(MainControls& controls, const QString& pictureFolder);

// The five hand cards on the window and the ten double-up cards on their panel, in that
// order, all with the given card library; then the hold marks are brought in front.
void CreateCardViews(MainControls& controls, QWidget& window, const QString& libraryFile);

// Pictures of the window's own, by file name, from the picture folder.
inline constexpr const char* HoldMarkPicture = "hold.png";
inline constexpr const char* LampPicture = "lamp.png";
inline constexpr const char* StarPicture = "star.png";
inline constexpr const char* FlashPicture = "flash.png";
inline constexpr const char* DupUpPicture = "dup_up.png";
inline constexpr const char* DupDownPicture = "dup_down.png";

}  // namespace orvane
