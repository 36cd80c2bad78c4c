#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace cardgen {

// A part of one card's art that is painted over with another element of the same deck,
// e.g. a maker's mark inside an ace.
struct ElementPatch {
    QString card;         // the card element, e.g. "1_spade"
    QString covered;      // the element whose place is painted over
    QString replacement;  // the element drawn into that place
};

// One card library: which deck it is drawn from and how the deck's quirks are met.
struct DeckStyle {
    QString libraryFile;   // "zqcsrl_pi.dll"
    QString svgFile;       // the deck's SVG (may be compressed)
    QString jokerElement;  // the deck's own joker card; empty when it has none
    QString jokerArt;      // otherwise: art set on a plain face to make the joker
    QColor backTint;       // the colour of the program's own card back
    QList<ElementPatch> patches;
};

}  // namespace cardgen
