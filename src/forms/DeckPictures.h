#pragma once

#include "view/CardPictureSource.h"

namespace orvane {

// `source`, except that a card a four-colour library cannot give (the library missing or
// damaged) comes from the plain library it was drawn from: the player then sees the usual
// cards and the start-up notice names the missing file, as for any other.
CardPictureSource WithPlainDeckFallback(CardPictureSource source);

}  // namespace orvane
