#pragma once

#include "game/GameTable.h"

namespace orvane::bench {

// A table that shows nothing and never waits, so a benchmark measures the rules alone.
class NullDisplay : public TableDisplay {
  public:
    void ShowHandCard(int, const Card&) override {}
    void SetHandCardHeld(int, const Card&) override {}
    void HideDupCards() override {}
    void ShowDupCard(int, const Card&) override {}
    void SetHoldMark(int, bool) override {}
    void ShowCredit(std::int32_t) override {}
    void ShowBet(std::int32_t) override {}
    void ShowWin(std::int32_t) override {}
    void ShowWinCaption(const std::string&) override {}
    void ShowJackpot(std::int32_t) override {}
    void ShowPayValues(const Multipliers&, const std::string&) override {}
    void ClearPayHighlight() override {}
    void SetPayLineOpaque(PrizeIndex, bool) override {}
    void ShowStars(int) override {}
    void SetButtonLayout(ButtonLayout) override {}
    void ShowChoiceButtons(ChoiceButtons) override {}
    void ShowDoubleUpPanel(bool) override {}
    void SetMessage(Message, bool) override {}
    void StartIdleAnimation() override {}
    void StopIdleAnimation() override {}
    void SetIndicatorBlink(bool) override {}
    void PlaySoundEffect(std::string_view) override {}
    void SetMeterSquare(int, bool) override {}
    void ShowBonusPicture(std::int32_t) override {}
    void Repaint() override {}
};

class NullPause : public Pause {
  public:
    void Wait(int) override {}
};

class ZeroDelaySettings : public TableSettings {
  public:
    bool AutoHoldEnabled() const override { return true; }
    DupMode DoubleUpMode() const override { return DupMode::SmallBig; }
    int HoldDelayMs() const override { return 0; }
    int DealDelayMs() const override { return 0; }
    Statistics& Stats() override { return stats_; }

  private:
    Statistics stats_;
};

}  // namespace orvane::bench
