#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "DeckStyle.h"

namespace cardgen {

// The parts of a card that the face layout treats apart.
enum class CardLayer {
    Ground,  // frame and background, spanning the whole card
    Art,     // pips and figures
    Index,   // the corner indices
};

// Sorts the parts of every card of an SVG deck into the three layers, so that each can be
// drawn on its own: the parts of card "4_club" move into the groups "4_club.ground",
// "4_club.art" and "4_club.index" inside the card.
//
// Each layer comes as a deck of its own in which the other two layers are fully transparent
// but still there: a card keeps its bounds in every layer, so drawing the card element of
// each layer over the same rectangle puts the parts back where they were.
class DeckLayers {
  public:
    // The deck `svg` (uncompressed) once for each layer, indexed by CardLayer, with the parts
    // of `cards` sorted by `layout`; empty when the SVG cannot be read.
    static QList<QByteArray> Split(const QByteArray& svg, const QStringList& cards,
                                   const FaceLayout& layout);

    static QString LayerId(const QString& card, CardLayer layer);

    // The layer of a part that covers `part` of a card, in the units of a 140 x 208 card.
    static CardLayer Classify(const QRectF& part, const FaceLayout& layout);
};

}  // namespace cardgen
