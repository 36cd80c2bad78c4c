#pragma once

#include <cstdint>

#include "RandomSource.h"
#include "TOrvane.h"
#include "TableDisplay.h"
#include "TableSettings.h"
#include "TableState.h"

namespace orvane {

enum class CreditChange {
    Done,
    NotReady,       // an action of the table is running
    WouldOverflow,  // the credit cannot hold that much
    NotIdle,        // a round is running
    InvalidAmount,  // credit is added in positive amounts only
};

// The game table: the rules of a round from the idle table through deal, holds, draws,
// the win offer, the double-up and the bonus meter. It owns its state and reaches the
// screen only through TableDisplay and waits only through Pause.
class GameTable {
  public:
    GameTable(TableDisplay& display, Pause& pause, TableSettings& settings);

    TableState& State() { return s_; }
    const TableState& State() const { return s_; }
    TOrvane& Orvane() { return orvane_; }
    const TOrvane& Orvane() const { return orvane_; }
    RandomSource& Random() { return random_; }

    // The table's part of the main window's creation: an empty machine, the bet and
    // meter shown, the banner asking for coins, the random source seeded, the gate open.
    void Start(std::uint32_t seedSeconds);

    // The four game events. Each is dropped while the gate is closed, and closes it
    // while it runs; the gate reopens on every way out, errors included.
    void Deal();
    void Hold(int slot);
    void Bet();
    void Cash();

    CreditChange AddCredit(std::int32_t amount, bool count);
    CreditChange CashOut(bool count);

    // The operations of a round; public so that the window and tests can drive a step.
    void PlayStage(int stage);
    void SelectBet(bool advance);
    void ChargeCredit(std::int32_t amount);
    void SetRoundState(int state);
    void ContinueAfterWin();
    void MarkHolds(bool afterDeal);
    void ShowPayValues();
    void HighlightPrize(PrizeIndex prize);

    // Double-up.
    void OfferWin(int stage);
    void DoubleUpChoice(int button);
    void Gamble(bool choiceA);
    void CollectWin(bool all);
    // Tells the display what the hold buttons do now: the choices of the double-up mode
    // while an offer is open, holding cards otherwise. Called again when the mode changes.
    void ShowChoiceButtons();

    // Bonus meter.
    void DrawMeter(bool quick);
    void RefillCheck();
    void ShowJackpot();
    std::int32_t Jackpot() const;

  private:
    class GateGuard;

    PrizeIndex EvaluateHand();
    void ToggleHold(int slot);
    void CountPrize(std::int32_t delta);
    void HoldAll();
    void ClearHolds();
    bool AllHeld() const;
    bool AnyHeld() const;
    void TurnUpCards(int stage);
    void SettleDraw(int stage);
    void Reveal(bool won);
    void TransferStep(std::int32_t amount);
    void StepMeterForPrize();
    void UndoMeterForPrize();
    std::int32_t& MeterOfBet();

    TableDisplay& display_;
    Pause& pause_;
    TableSettings& settings_;
    TableState s_;
    TOrvane orvane_;
    RandomSource random_;
};

}  // namespace orvane
