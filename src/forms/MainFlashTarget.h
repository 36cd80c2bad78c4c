#pragma once

#include <functional>

#include "MainControls.h"
#include "view/FlashSettings.h"
#include "view/FlashTarget.h"

namespace orvane {

class SpongeGraphicsEffect;

// The main window's controls as the effects object drives them: the banner line, the
// idle picture with its sponge effect, the joker walk over the hand cards and the
// double-up indicator.
class MainFlashTarget : public FlashTarget {
  public:
    // clearTable takes the pay-table highlight off and turns the stars off.
    MainFlashTarget(MainControls& controls, std::function<void()> clearTable);

    void SetBannerText(const QString& text) override;
    QString BannerText() const override;
    void AnnounceBanner(const QString& text) override;
    void StyleBanner(const QColor& color, bool bold) override;
    void HideHoldMarks() override;
    void ShowPayTable() override;
    void ClearPayHighlightAndStars() override;
    void SetHandCardsVisible(bool visible) override;
    void ShowHandCardBack(int slot) override;
    void ShowHandCardJoker(int slot) override;
    void SetFlashPictureVisible(bool visible) override;
    void SetFlashEffectStrength(int strength) override;
    bool IndicatorUpVisible() const override;
    void SetIndicatorsVisible(bool up, bool down) override;

  private:
    MainControls& c_;
    std::function<void()> clearTable_;
    SpongeGraphicsEffect* sponge_ = nullptr;  // owned by imgFlash
};

class TSettings;

// What the effects object reads from the settings as it runs.
FlashSettings FlashSettingsOf(const TSettings& settings);

}  // namespace orvane
