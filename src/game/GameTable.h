#pragma once

#include <cstdint>
#include <vector>

#include "BonusMeter.h"
#include "CreditAudit.h"
#include "DoubleUp.h"
#include "DrawStage.h"
#include "GameHistory.h"
#include "HandHolds.h"
#include "Journal.h"
#include "PayLines.h"
#include "PrizeStatistics.h"
#include "RandomSource.h"
#include "RecordKeeping.h"
#include "TOrvane.h"
#include "TableDisplay.h"
#include "TableListener.h"
#include "TableRecovery.h"
#include "TableSettings.h"
#include "TableSnapshot.h"
#include "TableState.h"
#include "TableView.h"
#include "WinCount.h"

namespace orvane {

enum class CreditChange {
    Done,
    NotReady,        // an action of the table is running
    WouldOverflow,   // the credit cannot hold that much
    NotIdle,         // a round is running
    InvalidAmount,   // credit is added in positive amounts only
    RecordsNotKept,  // the records cannot be saved, so no coin is taken
};

// The game table: the rules of a round from the idle table through deal, holds, draws
// and the win offer; the double-up and the bonus meter are parts of its own. It reaches
// the screen only through TableDisplay, waits only through Pause, and tells its
// listeners (the last games, the audit, the statistics, then any added) of each step.
// It alone writes the credit.
class GameTable {
  public:
    GameTable(TableDisplay& display, Pause& pause, TableSettings& settings);
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    // The settings are loaded into and saved from these; tests set a table up through
    // them before driving it with the events.
    TableState& State() { return s_; }
    const TableState& State() const { return s_; }
    TOrvane& Orvane() { return meter_.Countdowns(); }
    const TOrvane& Orvane() const { return meter_.Countdowns(); }
    const DoubleUp& DoubleUpOffer() const { return dup_; }
    const RandomSource& Random() const { return random_; }
    const GameHistory& History() const { return history_; }
    const CreditAudit& Audit() const { return audit_; }

    // Told of each step after the table's own records; it must outlive the table or be
    // removed first.
    void AddListener(TableListener& listener) { listeners_.push_back(&listener); }
    void RemoveListener(TableListener& listener);

    // Told of every change that must survive a crash; none (nullptr) by default.
    void SetJournal(Journal* journal) { recovery_.SetJournal(journal); }
    TableSnapshot Snapshot() const { return recovery_.Snapshot(); }
    // After Start and with the journal attached: puts the table back as the snapshot holds
    // it (the pay table stays the settings'), draws it all again, finishes a stage that was
    // paid for but not settled, with the same cards and without charging it again, and
    // settles: the audit reports a credit its counters do not explain, and the journal
    // keeps the finished stage. A round the resume finished stays on the table, without
    // the idle animation, until ReleaseIdleAnimation or the player's next action.
    void Resume(const TableSnapshot& snapshot);
    void ReleaseIdleAnimation() { recovery_.ReleaseIdleAnimation(); }

    // Whether the journal could keep the last change. While it cannot, the table takes no
    // coins and no stakes (deals, draws that charge, double-up guesses) and says so on the
    // banner; a win on offer can still be collected and the credit cashed out. Every action
    // tries the records again, and so does RetryRecords; the first success takes money again.
    RecordKeeping Keeping() const { return recovery_.Keeping(); }
    void RetryRecords();

    // The table's part of the main window's creation: an empty machine, the bet and
    // meter shown, the banner asking for coins, the random source seeded, the gate open.
    void Start(std::uint32_t seedSeconds);

    // The four game events. Each is dropped while the gate is closed or where the round's
    // rules do not take it, and closes the gate while it runs; the gate reopens on every
    // way out, errors included.
    void Deal();
    void Hold(int slot);
    void Bet();
    void Cash();

    CreditChange AddCredit(std::int32_t amount, bool count);
    // Allowed while idle, and while a win waits on offer because the credit is full, so
    // that the player can make room for it.
    CreditChange CashOut(bool count);
    bool CashOutAllowed() const;

    // Who may cut the count of a win short; nullptr: every count runs its course.
    void SetWinCount(WinCount* count) { dup_.SetWinCount(count); }

    // For the window: the meter's squares take their colours from the theme, and the
    // hold buttons' faces from the double-up mode and the pictures, so a change of
    // either shows them again.
    void RedrawMeter() { meter_.Draw(true); }
    void ShowChoiceButtons() { dup_.ShowChoiceButtons(settings_.DoubleUpMode()); }

    // A machine whose cards cannot be shown is out of service: DEAL does nothing and the
    // double-up takes no guess, so no stake is ever placed on cards nobody can see. A win
    // already on offer can still be collected and the credit cashed out.
    void SetOutOfService(bool outOfService);
    bool OutOfService() const { return recovery_.OutOfService(); }

  private:
    // Closes the input gate for the life of an action and reopens it however the action
    // ends, so an error that escapes a handler never leaves the table deaf.
    class GateGuard {
      public:
        explicit GateGuard(bool& ready) : ready_(ready) { ready_ = false; }
        ~GateGuard() { ready_ = true; }
        GateGuard(const GateGuard&) = delete;
        GateGuard& operator=(const GateGuard&) = delete;

      private:
        bool& ready_;
    };

    template <typename... Params, typename... Args>
    void Tell(void (TableListener::*step)(Params...), const Args&... args) {
        for (TableListener* listener : listeners_) {
            (listener->*step)(args...);
        }
    }

    // The round.
    void PlayStage(DrawStage stage);
    void FinishStage(DrawStage stage);
    bool ChargeForStage(DrawStage stage);
    void RecordDraw(DrawStage stage);
    void TurnUpCards(DrawStage stage);
    void SettleDraw(DrawStage stage);
    PrizeIndex EvaluateHand();
    void ContinueAfterWin();
    void EndRound();

    // Credit and bet.
    void ChargeCredit(std::int32_t amount);
    void SelectBet(bool advance);

    // The win offer.
    void OfferWin(DrawStage stage);
    void DoubleUpChoice(int button);
    void Gamble(bool choiceA);
    bool CollectWin(bool all);
    bool WinWaitsForRoom() const;
    void RefillCheck();

    ViewTracker view_;
    TableDisplay& display_;
    Pause& pause_;
    TableSettings& settings_;
    TableState s_;
    PayLines pay_;
    HandHolds holds_;
    BonusMeter meter_;
    DoubleUp dup_;
    RandomSource random_;
    CreditAudit audit_;
    GameHistory history_;
    PrizeStatistics stats_;
    TableRecovery recovery_;
    std::vector<TableListener*> listeners_;
};

}  // namespace orvane
