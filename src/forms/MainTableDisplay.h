#pragma once

#include <QWidget>

#include "MainControls.h"
#include "game/TableDisplay.h"
#include "view/CardPictureSource.h"

namespace orvane {

class TFlash;
class TSettings;

// What the rules show, on the main window's controls: cards, hold marks, the numbers, the
// pay table with its highlight, stars, button tints, the double-up panel, the meter and
// the bonus picture. Banner, idle animation, indicator and sounds go to the effects object.
// It decides nothing: every call is drawn as it comes.
class MainTableDisplay : public TableDisplay {
  public:
    // Highlight of the won pay line: red text on the label's own white background, deep
    // enough to read on it.
    static constexpr QRgb HighlightText = 0xC80000;
    static constexpr const char* BonusLibrary = "zqmrl.dll";

    MainTableDisplay(QWidget& window, MainControls& controls, const TSettings& settings,
                     TFlash& flash, CardPictureSource bonusPictures);

    void ShowHandCard(int slot, const Card& card) override;
    void SetHandCardHeld(int slot, const Card& card) override;
    void HideDupCards() override;
    void ShowDupCard(int index, const Card& card) override;
    void SetHoldMark(int slot, bool visible) override;
    void ShowCredit(std::int32_t credit) override;
    void ShowBet(std::int32_t bet) override;
    void ShowWin(std::int32_t win) override;
    void ShowWinCaption(const std::string& caption) override;
    void ShowJackpot(std::int32_t jackpot) override;
    void ShowPayValues(const Multipliers& amounts, const std::string& orvaneLine) override;
    void ClearPayHighlight() override;
    void SetPayLineOpaque(PrizeIndex prize, bool opaque) override;
    void ShowStars(int count) override;
    void SetButtonLayout(ButtonLayout layout) override;
    void ShowChoiceButtons(ChoiceButtons choices) override;
    void ShowDoubleUpPanel(bool visible) override;
    void SetMessage(Message message, bool blink) override;
    // The banner back to what the table last showed on it, after the window borrowed it.
    void ShowTableMessage();
    void StartIdleAnimation() override;
    void StopIdleAnimation() override;
    void SetIndicatorBlink(bool on) override;
    void PlaySoundEffect(std::string_view name) override;
    // Said through the banner, which a screen reader follows.
    void Announce(const std::string& words) override;
    void SetMeterSquare(int square, bool lit) override;
    void ShowBonusPicture(std::int32_t orvaneNumber) override;
    // Loads the bonus picture again, as after a change of picture density.
    void ReloadBonusPicture(std::int32_t orvaneNumber);
    void Repaint() override;

    // Every pay line back to its theme colour (ApplyPayLineColors).
    void ApplyPayLineColors();
    // After a change of theme: the lines, the won line's highlight and the banner as they
    // stand, in the new theme's colours.
    void ApplyTheme();

    // Out of service the banner blinks "OUT OF SERVICE" whatever the rules ask it to show,
    // and the idle animation (a joker on cards that cannot be drawn) stays off.
    void SetOutOfService(bool outOfService);

  private:
    QWidget& window_;
    MainControls& c_;
    const TSettings& settings_;
    TFlash& flash_;
    CardPictureSource bonusPictures_;
    bool outOfService_ = false;
    std::int32_t bonusShown_ = 0;
    Message message_ = Message::None;
    bool messageBlinks_ = false;
    PrizeIndex highlighted_ = NoPrize;
};

// Sets the text colour of a label through its palette.
void SetLabelTextColor(QWidget* label, const QColor& color);

}  // namespace orvane
