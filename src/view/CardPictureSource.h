#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace orvane {

// Where a card's picture comes from: (card library file, resource name such as "CARD_14" or
// "CARD_BACK_1", device pixel ratio) -> picture. A null image means "no such picture" and
// leaves the card blank. Kept as a plain function so the card view does not depend on how
// libraries are stored, and tests can hand in pictures of their own.
using CardPictureSource =
    std::function<QImage(const QString& libraryFile, const QString& resourceName, qreal dpr)>;

// The source every card uses unless it was given one of its own. Empty until the
// application sets it; an empty source gives blank cards.
void SetDefaultCardPictureSource(CardPictureSource source);
const CardPictureSource& DefaultCardPictureSource();

}  // namespace orvane
