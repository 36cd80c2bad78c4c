#pragma once

#include "TableDisplay.h"

namespace orvane {

// A table that shows nothing and never waits: for the simulator and the benchmarks, which
// play the rules alone as fast as they run.
class NullDisplay final : public TableDisplay {
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

class NoPause final : public Pause {
  public:
    void Wait(int) override {}
};

}  // namespace orvane
