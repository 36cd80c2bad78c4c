#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "view/CardPictureSource.h"

namespace orvane {

// What start-up found out about the content beside the program and what the game does
// about it: the card library and theme to use in place of the stored ones, whether the
// machine is out of service, and one message for the player naming every damaged file.
struct StartupContent {
    std::optional<std::int32_t> CardLibraryID;  // set: use this one instead
    std::optional<std::int32_t> ThemeID;        // set: use this one instead
    bool OutOfService = false;
    QString Message;  // empty: nothing to tell the player

    // Checks the program folder against the build's manifest and chooses a card library
    // that can be shown. A card library is whole when its file matches the manifest and
    // every card picture (the 53 faces and the back) comes out of `pictures`. Without a
    // manifest, or with a damaged one, no file can be checked by its digest: the card
    // libraries are still checked picture by picture, and a missing list is told when the
    // folder holds installed content. Out-of-range stored numbers are mended either way.
    static StartupContent Check(const QString& programFolder, std::int32_t themeID,
                                std::int32_t cardLibraryID, const CardPictureSource& pictures);

    // The same test for one card library chosen while the game runs: empty when it is
    // whole, else what is wrong with it, in the words of the start-up message.
    static QString CheckCardLibrary(const QString& programFolder, std::int32_t cardLibraryID,
                                    const CardPictureSource& pictures);
};

}  // namespace orvane
