#pragma once

#include <array>

#include "ChoiceButtonFaces.h"
#include "game/ButtonLayout.h"

class QLabel;
class QWidget;

namespace orvane {

class TCard;
class TEffectLabel;
class TImageButton;
class TShapeButton;
class TTintedPicture;

// The controls of the main window that the rules, the effects and the theme drive.
// Numbered controls keep their numbers: index 0 of every array is unused. The window
// owns them all through Qt's parent chain; these are plain views of them, beside the
// button faces the layout read with the other pictures.
struct MainControls {
    // Top strip.
    QWidget* CaptionShape = nullptr;
    std::array<TShapeButton*, 4> fcShapeBtn{};
    QLabel* lblCaption = nullptr;
    TShapeButton* btnMinimize = nullptr;
    TShapeButton* btnExit = nullptr;

    // Table area.
    QLabel* imgBackground = nullptr;
    std::array<QLabel*, 6> lblHold{};
    std::array<TTintedPicture*, 11> imgOrvaneState{};
    QLabel* imgFlash = nullptr;
    std::array<TTintedPicture*, 4> imgStarL{};
    std::array<TTintedPicture*, 4> imgStarR{};
    TEffectLabel* lblMessage = nullptr;
    QLabel* imgOrvaneCards = nullptr;
    TEffectLabel* lblWinScore = nullptr;
    TEffectLabel* lblBet = nullptr;
    TEffectLabel* lblOrvaneWin = nullptr;
    TEffectLabel* lblCredit = nullptr;

    // Pay table: Label1..11 the line names, Label12..22 the amounts; Label23..32 are the
    // digits over the meter squares, on the window itself.
    QWidget* pnlMain = nullptr;
    std::array<QLabel*, 33> Label{};

    // Double-up panel.
    QWidget* pnlDoubleUp = nullptr;
    QLabel* lblWinScoreLabel = nullptr;
    // Beside the won line's caption while a win is on offer: the keys of the two guesses
    // (left) and of taking half or all (right).
    QLabel* lblDupGuessHint = nullptr;
    QLabel* lblDupCollectHint = nullptr;
    QLabel* imgDupIndicatorUp = nullptr;
    QLabel* imgDupIndicatorDown = nullptr;

    // Card views, created once the card library is known.
    std::array<TCard*, 6> HandCards{};
    std::array<TCard*, 11> DupCards{};

    // btnHold1..5, btnCash, btnDeal, btnBet in GameButton order.
    std::array<TImageButton*, GameButtonCount> Buttons{};
    TImageButton* btnHold(int slot) const { return Buttons[static_cast<std::size_t>(slot - 1)]; }
    TImageButton* Button(GameButton b) const { return Buttons[static_cast<std::size_t>(b)]; }

    // Runs `act` on every card view that exists: the five hand cards, then the ten
    // double-up cards, the order in which they were made.
    template <typename Act>
    void ForEachCard(Act act) const {
        for (TCard* card : HandCards) {
            if (card != nullptr) {
                act(*card, true);
            }
        }
        for (TCard* card : DupCards) {
            if (card != nullptr) {
                act(*card, false);
            }
        }
    }
    // The faces HOLD 2, HOLD 4 and HOLD 5 take for the double-up choices.
    ChoiceButtonFaces ChoiceFaces;
};

}  // namespace orvane
