#pragma once

#include <QImage>

namespace cardgen {

// The four-colour face of a card: diamonds turn from red to blue and clubs from black to
// green; hearts stay red and spades black. Only the suit's own ink changes (the red of a
// diamond, the dark of a club), so the white of the card, the gold and skin of the figures
// and the anti-aliased edges keep their look. `suit` counts as the rules do: 1 clubs,
// 2 diamonds, 3 hearts, 4 spades; other suits (the joker's) come back unchanged.
QImage FourColourFace(const QImage& face, int suit);

}  // namespace cardgen
