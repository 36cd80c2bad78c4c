#pragma once

#include <QString>
#include <array>

#include "game/TableDisplay.h"
#include "widgets/TImageButton.h"

namespace orvane {

// The faces of the three hold buttons that change their meaning while a win is on offer:
// HOLD 2 and HOLD 4 become the two guesses of the double-up mode, HOLD 5 takes half. The
// red and black faces keep their colours under every theme, so they match the cards.
class ChoiceButtonFaces {
  public:
    // The three buttons, by hand slot.
    static constexpr std::array<int, 3> Slots = {2, 4, 5};

    // Plates for the red and black faces when their pictures are missing.
    static constexpr QRgb RedPlate = 0xC8141E;
    static constexpr QRgb BlackPlate = 0x1E1E1E;

    ChoiceButtonFaces() = default;
    // Reads the pictures from the window's picture folder; a missing picture leaves the
    // face as a plate with its caption.
    explicit ChoiceButtonFaces(const QString& pictureFolder);

    // The face of hold button slot (2, 4 or 5) for choices.
    const ButtonFace& Face(ChoiceButtons choices, int slot) const;

    // The line on the double-up panel that says which key guesses what, and what HOLD 5
    // and CASH do; empty while the buttons hold cards.
    static QString GuessHint(ChoiceButtons choices);
    static QString CollectHint(ChoiceButtons choices);

  private:
    // Rows follow ChoiceButtons (Off, SmallBig, RedBlack), columns Slots.
    std::array<std::array<ButtonFace, 3>, 3> faces_;
};

}  // namespace orvane
