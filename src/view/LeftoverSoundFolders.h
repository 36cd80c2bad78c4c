#pragma once

#include <QString>

namespace orvane {

// Earlier versions played sounds from WAV copies in folders named "Orvane Cards-XXXXXX" in
// the temporary folder, and every game that did not end normally left one behind. Sounds
// now play from memory; this clears what those versions left.
//
// Removes each such folder in `parent` (the system's temporary folder when empty) that
// belongs to this user, holds nothing but the numbered WAV copies, and has not been
// touched for `quietSeconds` (a copy of an earlier version still running touches its folder
// when it copies a sound). Anything else is left as it is. Gives the number removed.
int RemoveLeftoverSoundFolders(const QString& parent = QString(),
                               qint64 quietSeconds = 24 * 60 * 60);

}  // namespace orvane
