#pragma once

#include <span>
#include <string_view>

#include "CatalogLookup.h"

namespace orvane {

// One of the built-in card libraries. The library file is named without a folder: it is
// looked for in the program folder.
struct CardLibraryRecord {
    int ID = 0;
    std::string_view ListText;
    std::string_view LibraryFile;
    std::string_view PreviewFile;
    // The same cards with a colour for each suit: spades black, hearts red, diamonds blue,
    // clubs green, for players who tell the suits apart by colour more easily than by shape.
    std::string_view FourColourFile;

    // The file the cards are read from.
    std::string_view DeckFile(bool fourColour) const {
        return fourColour ? FourColourFile : LibraryFile;
    }
};

inline constexpr int CardLibraryCount = 3;

// Every card library, by ID 1..3 in order.
std::span<const CardLibraryRecord> CardLibraries();

// The card library with this ID, or nullptr when there is none.
inline const CardLibraryRecord* FindCardLibrary(int id) {
    return FindById(CardLibraries(), id);
}

}  // namespace orvane
