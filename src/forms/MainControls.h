#pragma once

#include <array>

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
// owns them all through Qt's parent chain; these are plain views of them.
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
    QLabel* imgDupIndicatorUp = nullptr;
    QLabel* imgDupIndicatorDown = nullptr;

    // Card views, created once the card library is known.
    std::array<TCard*, 6> HandCards{};
    std::array<TCard*, 11> DupCards{};

    // btnHold1..5, btnCash, btnDeal, btnBet in GameButton order.
    std::array<TImageButton*, GameButtonCount> Buttons{};
    TImageButton* btnHold(int slot) const { return Buttons[static_cast<std::size_t>(slot - 1)]; }
    TImageButton* Button(GameButton b) const { return Buttons[static_cast<std::size_t>(b)]; }
};

}  // namespace orvane
