#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "view/FlashTarget.h"

namespace orvane::test {

// The main window as the effects object sees it: keeps the visible state and a log of the
// table-changing calls in order.
class FakeFlashTarget : public FlashTarget {
  public:
    void SetBannerText(const QString& text) override { bannerText = text; }
    QString BannerText() const override { return bannerText; }
    void StyleBanner(const QColor& color, bool bold) override;
    void HideHoldMarks() override { log << QStringLiteral("hide hold marks"); }
    void ShowPayTable() override { log << QStringLiteral("show pay table"); }
    void ClearPayHighlightAndStars() override { log << QStringLiteral("clear highlight"); }
    void SetHandCardsVisible(bool visible) override;
    void ShowHandCardBack(int slot) override;
    void ShowHandCardJoker(int slot) override;
    void SetFlashPictureVisible(bool visible) override;
    void SetFlashEffectStrength(int strength) override;
    bool IndicatorUpVisible() const override { return indicatorUp; }
    void SetIndicatorsVisible(bool up, bool down) override;

    enum class Face { Hidden, Back, Joker };

    QString bannerText;
    QColor bannerColor;
    bool bannerBold = false;
    std::array<Face, 6> cards{Face::Hidden, Face::Back, Face::Back,
                              Face::Back,   Face::Back, Face::Back};
    bool flashVisible = false;
    int flashStrength = -100;
    bool indicatorUp = true;
    bool indicatorDown = false;
    QStringList log;
    // Runs inside ShowHandCardBack, as events processed during a slide-in would.
    std::function<void(int slot)> onShowBack;
};

}  // namespace orvane::test
