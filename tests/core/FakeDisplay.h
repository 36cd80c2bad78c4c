#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/GameTable.h"

namespace orvane::test {

// Records everything the table shows, plays and waits for, so a test can assert on the
// visible state and on the order of effects without a window.
class FakeDisplay : public TableDisplay {
  public:
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
    void StartIdleAnimation() override;
    void StopIdleAnimation() override;
    void SetIndicatorBlink(bool on) override;
    void PlaySoundEffect(std::string_view name) override;
    void SetMeterSquare(int square, bool lit) override;
    void ShowBonusPicture(std::int32_t orvaneNumber) override;
    void Repaint() override {}

    int CountSounds(std::string_view name) const;
    void ClearLog() {
        log.clear();
        sounds.clear();
        creditTrace.clear();
    }

    // Visible state, as the last call left it.
    std::array<Card, 6> hand{};
    std::array<bool, 6> holdMark{};
    std::array<Card, 11> dupCards{};
    std::array<bool, 11> dupVisible{};
    std::array<bool, 11> meterLit{};
    std::int32_t credit = -1, bet = -1, win = -1, jackpot = -1, bonusPicture = -1;
    std::string winCaption, orvaneLine;
    Multipliers payValues{};
    PrizeIndex highlighted = NoPrize;
    int stars = -1;
    std::optional<ButtonLayout> buttonLayout;
    bool doubleUpPanel = false, idleRunning = false, indicatorBlinking = false;
    int idleStarts = 0;
    Message message = Message::None;
    ChoiceButtons choiceButtons = ChoiceButtons::Off;
    int choiceButtonCalls = 0;
    bool messageBlinks = false;

    std::vector<std::string> sounds;
    std::vector<std::int32_t> creditTrace;  // every credit shown, in order
    std::vector<std::string> log;           // one line per call, for order checks
};

class FakePause : public Pause {
  public:
    void Wait(int milliseconds) override {
        waits.push_back(milliseconds);
        total += milliseconds;
        if (duringWait) {
            duringWait();
        }
    }
    std::vector<int> waits;
    long long total = 0;
    // What the player does while the table waits (the real pause lets events through).
    std::function<void()> duringWait;
};

class FakeSettings : public TableSettings {
  public:
    bool AutoHoldEnabled() const override { return autoHold; }
    DupMode DoubleUpMode() const override { return dupMode; }
    int HoldDelayMs() const override { return holdDelay; }
    int DealDelayMs() const override { return dealDelay; }
    Statistics& Stats() override { return stats; }

    bool autoHold = true;
    DupMode dupMode = DupMode::SmallBig;
    int holdDelay = 50;
    int dealDelay = 100;
    Statistics stats;
};

}  // namespace orvane::test
