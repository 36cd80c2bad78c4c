#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace cardgen {

// A part of one card's art that is painted over with another element of the same deck,
// e.g. a maker's mark inside an ace.
struct ElementPatch {
    QString Card;         // the card element, e.g. "1_spade"
    QString Covered;      // the element whose place is painted over
    QString Replacement;  // the element drawn into that place
};

// A part of a card that the deck puts out of line, and the top left corner it belongs at in
// the units of a 140 x 208 card.
struct PartPlacement {
    QString Part;  // element id
    QPointF TopLeft;
};

// Where a deck puts its art on a face, in the units of a 140 x 208 card. Decks drawn for
// another card shape crowd their pips and figures against the edge and the corner indices
// once fitted to ours; the layout pulls them in.
struct FaceLayout {
    // The corner indices: a part of a card that lies wholly inside one of these keeps its
    // size and place.
    QList<QRectF> IndexAreas;
    // Parts that lie among the indices but belong to the art, by element id.
    QStringList ArtParts;
    QList<PartPlacement> Placements;
    // The pips and figures are drawn as if the card were smaller by these margins, while the
    // card's ground (its frame and background) and the indices stay where they are. Zero
    // margins draw the deck as it comes.
    QMarginsF ArtMargins;
};

// One card library: which deck it is drawn from and how the deck's quirks are met.
struct DeckStyle {
    QString LibraryFile;     // "zqcsrl_pi.dll"
    QString FourColourFile;  // the same cards in four suit colours, "zqcsrl_pi_4c.dll"
    QString SvgFile;         // the deck's SVG, uncompressed
    QString JokerElement;    // the deck's own joker card; empty when it has none
    QString JokerArt;        // otherwise: art set on a plain face to make the joker
    QColor BackTint;         // the colour of the program's own card back
    QList<ElementPatch> Patches;
    FaceLayout Layout;
};

}  // namespace cardgen
