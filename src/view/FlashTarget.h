#pragma once

#include <QColor>
#include <QString>

namespace orvane {

// What the effects object drives on the main window. The window implements it; tests record it.
class FlashTarget {
  public:
    virtual ~FlashTarget() = default;

    // Message banner (lblMessage).
    virtual void SetBannerText(const QString& text) = 0;
    virtual QString BannerText() const = 0;
    // A new message for the banner, said once however it blinks afterwards.
    virtual void AnnounceBanner(const QString& /*text*/) {}
    virtual void StyleBanner(const QColor& color, bool bold) = 0;

    // Table clean-up when the idle animation begins.
    virtual void HideHoldMarks() = 0;
    // Shows the pay table panel (pnlMain) and hides the double-up panel (pnlDoubleUp).
    virtual void ShowPayTable() = 0;
    // Clears the pay-table highlight and turns every star off.
    virtual void ClearPayHighlightAndStars() = 0;

    // The five hand cards, slots 1..5.
    virtual void SetHandCardsVisible(bool visible) = 0;
    // Make the card visible, SetBack(true), Show (slides in when animated).
    virtual void ShowHandCardBack(int slot) = 0;
    // SetCardValue(53), SetBack(false), Show.
    virtual void ShowHandCardJoker(int slot) = 0;

    // The idle banner picture (imgFlash) and its sponge effect, strength 5..0.
    virtual void SetFlashPictureVisible(bool visible) = 0;
    virtual void SetFlashEffectStrength(int strength) = 0;

    // The double-up indicator pictures.
    virtual bool IndicatorUpVisible() const = 0;
    virtual void SetIndicatorsVisible(bool up, bool down) = 0;
};

}  // namespace orvane
