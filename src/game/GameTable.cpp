#include "GameTable.h"

#include <algorithm>

#include "Amount.h"
#include "HandEvaluator.h"
#include "RoundRules.h"

namespace orvane {

GameTable::GameTable(TableDisplay& display, Pause& pause, TableSettings& settings)
    : view_(display),
      display_(view_),
      pause_(pause),
      settings_(settings),
      pay_(display_, pause, s_),
      holds_(display_, pause, settings, s_),
      meter_(display_, pause, s_),
      dup_(display_, pause, s_, [this](std::int32_t amount) { ChargeCredit(-amount); }),
      stats_(settings, s_),
      recovery_({view_, s_, dup_, meter_, random_, settings, audit_, history_, pay_}),
      // The records first, in the order they have always been written.
      listeners_{&history_, &audit_, &stats_} {}

void GameTable::RemoveListener(TableListener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener),
                     listeners_.end());
}

void GameTable::Start(std::uint32_t seedSeconds) {
    s_.Ready = false;
    s_.Credit = 0;
    s_.BetIndex = 0;
    EndRound();
    display_.ShowStars(0);
    SelectBet(false);
    display_.ShowCredit(s_.Credit);
    meter_.Draw(true);
    display_.SetMessage(Message::InsertCoin, true);
    display_.StartIdleAnimation();
    random_.Seed(seedSeconds);
    s_.Ready = true;
}

// ---- events ----------------------------------------------------------------------

void GameTable::Deal() {
    if (!s_.Ready || !Accepts(s_.RoundState, TableEvent::Deal) || recovery_.OutOfService()) {
        return;
    }
    // Only a first-draw win that was neither gambled nor partly taken can be given up.
    const bool firstDrawWon = s_.RoundState == RoundPhase::FirstDrawWon;
    if ((firstDrawWon && dup_.Gambled()) || (!firstDrawWon && dup_.IsOpen())) {
        return;
    }
    GateGuard gate(s_.Ready);
    ReleaseIdleAnimation();
    display_.SetMessage(Message::None, false);
    const bool betChanged = s_.BetIndex != s_.BetIndexAtDeal;
    switch (s_.RoundState) {
        case RoundPhase::Idle:
            PlayStage(DrawStage::Deal);
            break;
        case RoundPhase::Dealt:
            if (!holds_.AnyHeld()) {
                if (s_.LastPrize == NoPrize || betChanged) {
                    PlayStage(DrawStage::Deal);
                } else {
                    holds_.HoldAll();  // the dealt win is taken without a draw
                    PlayStage(DrawStage::FirstDraw);
                }
            } else {
                PlayStage(betChanged ? DrawStage::Deal : DrawStage::FirstDraw);
            }
            break;
        case RoundPhase::FirstDrawWon:
            if (!s_.Continued) {
                ContinueAfterWin();
            } else {
                if (!holds_.AnyHeld()) {
                    holds_.HoldAll();
                }
                PlayStage(DrawStage::SecondDraw);
            }
            break;
        case RoundPhase::SecondDrawWon:
            break;
    }
    recovery_.Settle();
}

void GameTable::Hold(int slot) {
    if (!s_.Ready || slot < 1 || slot > 5 || !Accepts(s_.RoundState, TableEvent::Hold)) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (dup_.IsOpen()) {
        // A guess stakes the win, so it is refused where it could not be kept.
        const bool guess = slot == 2 || slot == 4;
        if (slot == 5 || (!recovery_.OutOfService() && (!guess || recovery_.TakesMoney()))) {
            DoubleUpChoice(slot);
        }
    } else if (s_.RoundState == RoundPhase::Dealt || s_.RoundState == RoundPhase::FirstDrawWon) {
        holds_.Toggle(slot);
    }
    recovery_.Settle();
}

void GameTable::Bet() {
    if (!s_.Ready || !Accepts(s_.RoundState, TableEvent::Bet)) {
        return;
    }
    GateGuard gate(s_.Ready);
    ReleaseIdleAnimation();
    SelectBet(true);
    recovery_.Settle();
}

void GameTable::Cash() {
    if (!s_.Ready || !Accepts(s_.RoundState, TableEvent::Cash)) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (dup_.IsOpen()) {
        if (CollectWin(true)) {
            EndRound();
        }
    } else {
        holds_.Clear();
    }
    recovery_.Settle();
}

void GameTable::RetryRecords() {
    if (s_.Ready) {
        recovery_.RetryRecords();
    }
}

void GameTable::Resume(const TableSnapshot& snapshot) {
    GateGuard gate(s_.Ready);
    recovery_.Restore(snapshot);
    if (const std::optional<DrawStage> stage = s_.StageInFlight) {
        FinishStage(*stage);
        if (s_.RoundState == RoundPhase::Idle) {
            // The player has not seen this round end yet.
            display_.StopIdleAnimation();
            recovery_.HoldIdleAnimation();
        }
    }
    // A stored credit that its own counters do not explain is reported at once, and the
    // finished stage is kept before anything else is played.
    recovery_.Settle();
}

void GameTable::SetOutOfService(bool outOfService) {
    recovery_.SetOutOfService(outOfService);
    if (s_.RoundState == RoundPhase::Idle) {
        display_.SetButtonLayout(recovery_.IdleLayout());
        if (!outOfService) {
            display_.StartIdleAnimation();
        }
    }
    Tell(&TableListener::OutOfServiceChanged, outOfService);
}

// ---- the round -------------------------------------------------------------------

void GameTable::PlayStage(DrawStage stage) {
    const bool charges = stage == DrawStage::Deal || !holds_.AllHeld();
    if (charges && !recovery_.TakesMoney()) {
        return;
    }
    const TableSnapshot before = recovery_.Snapshot();
    const Statistics statsBefore = settings_.Stats();
    if (!ChargeForStage(stage)) {
        return;
    }
    RecordDraw(stage);
    // Paid for, with its cards in the deal buffer: from here a restart finishes this stage
    // with the same cards instead of charging or dealing again.
    s_.StageInFlight = stage;
    recovery_.Settle();
    if (charges && recovery_.Keeping() == RecordKeeping::CannotBeKept) {
        // The stake did not reach the records: a kill now would lose it, so it is not taken.
        recovery_.PutBack(before, statsBefore);
        return;
    }
    FinishStage(stage);
}

void GameTable::FinishStage(DrawStage stage) {
    TurnUpCards(stage);
    s_.LastPrize = EvaluateHand();
    pay_.Highlight(s_.LastPrize);
    display_.ShowStars(StageNumber(stage));
    if (stage == DrawStage::Deal) {
        holds_.Mark(true);
        display_.SetButtonLayout(ButtonLayout::Dealt);
        s_.RoundState = RoundPhase::Dealt;
    } else {
        SettleDraw(stage);
    }
    s_.StageInFlight.reset();
    Tell(&TableListener::StageShown, stage, s_, meter_.Countdowns());
}

void GameTable::RecordDraw(DrawStage stage) {
    if (stage == DrawStage::Deal) {
        return;
    }
    GameDraw draw;
    const int offset = (StageNumber(stage) - 1) * 5;
    for (int slot = 1; slot <= 5; ++slot) {
        const Card& card = s_.HandCard(slot);
        const auto i = static_cast<std::size_t>(slot - 1);
        draw.Held[i] = card.Held;
        draw.Cards[i] =
            card.Held ? card.Value : s_.DealBuffer[static_cast<std::size_t>(offset + slot)];
    }
    Tell(&TableListener::Drawing, stage, draw);
}

// Takes the stake of a deal or a draw, clearing the table for a new deal. False when the
// credit cannot pay it; a draw that keeps all five cards of a win is free.
bool GameTable::ChargeForStage(DrawStage stage) {
    if (stage == DrawStage::Deal) {
        dup_.StartRound();
        if (s_.Credit < BetLadder[1]) {
            display_.SetMessage(Message::InsertCoin, true);
        }
        SelectBet(false);
        if (s_.BetIndex < 1) {
            return false;
        }
        display_.SetMessage(Message::None, false);
        display_.StopIdleAnimation();
        DrawDeck(random_, s_.DealBuffer, 15, true);
        holds_.Clear();
        display_.ShowDoubleUpPanel(false);
        pay_.Highlight(NoPrize);
        s_.BetIndexAtDeal = s_.BetIndex;
        const std::array<CardValue, 5> dealt = {s_.DealBuffer[1], s_.DealBuffer[2],
                                                s_.DealBuffer[3], s_.DealBuffer[4],
                                                s_.DealBuffer[5]};
        Tell(&TableListener::Dealing, s_.Bet(), s_.Credit, dealt);
        ChargeCredit(s_.Bet());
        Tell(&TableListener::CreditMoved, CreditMove::Charged, std::int64_t{s_.Bet()}, true);
        return true;
    }
    const bool allHeld = holds_.AllHeld();
    const bool freeDraw = s_.LastPrize >= 1 && allHeld;
    if (!freeDraw && s_.Bet() > s_.Credit) {
        display_.SetMessage(Message::InsertCoin, true);
        return false;
    }
    if (!allHeld) {
        ChargeCredit(s_.Bet());
        Tell(&TableListener::CreditMoved, CreditMove::Charged, std::int64_t{s_.Bet()}, true);
    }
    return true;
}

void GameTable::TurnUpCards(DrawStage stage) {
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        if (!card.Held) {
            card.ShowBack = true;
            display_.ShowHandCard(slot, card);
        }
    }
    for (int slot = 1; slot <= 5; ++slot) {
        display_.SetHoldMark(slot, false);
    }
    const int offset = (StageNumber(stage) - 1) * 5;
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        if (card.Held) {
            continue;
        }
        card.ShowBack = false;
        card.SetCardValue(s_.DealBuffer[static_cast<std::size_t>(offset + slot)]);
        display_.ShowHandCard(slot, card);
        display_.Repaint();
        display_.PlaySoundEffect(Sound::DealCard);
        pause_.Wait(settings_.DealDelayMs());
    }
}

void GameTable::SettleDraw(DrawStage stage) {
    if (s_.LastPrize == NoPrize) {
        EndRound();
        return;
    }
    meter_.StepForPrize();
    OfferWin(stage);
    Tell(&TableListener::WinOffered, s_.LastPrize, s_.Win);
    s_.RoundState = PhaseOfWin(stage);
    s_.Continued = false;
}

PrizeIndex GameTable::EvaluateHand() {
    const Evaluation e = Evaluate(RanksOf(s_), s_.OrvaneNumber);
    if (e.JokerSlot >= 0) {
        s_.HandCard(e.JokerSlot + 1).Suit = static_cast<Suit>(e.JokerSuit);
    }
    if (e.SetsWinRank) {
        s_.WinRank = e.WinRank;
    }
    if (e.SetsSecondRank) {
        s_.SecondRank = e.SecondRank;
    }
    s_.MeterStepFlag = e.MeterStepFlag;
    s_.JackpotFlag = e.JackpotFlag;
    return e.Prize;
}

void GameTable::ContinueAfterWin() {
    s_.Win = 0;
    display_.ShowWin(0);
    dup_.Close();
    ShowChoiceButtons();
    // The offer is gone, so its indicator need not keep blinking behind the pay table.
    display_.SetIndicatorBlink(false);
    holds_.Clear();
    display_.ShowDoubleUpPanel(false);
    meter_.UndoForPrize();
    holds_.Mark(true);
    display_.SetButtonLayout(ButtonLayout::Continued);
    s_.Continued = true;
    Tell(&TableListener::WinGivenUp, s_.LastPrize);
}

void GameTable::EndRound() {
    Tell(&TableListener::RoundEnded, s_.Credit);
    s_.RoundState = RoundPhase::Idle;
    if (dup_.IsOpen()) {
        dup_.Close();
        ShowChoiceButtons();
    }
    display_.SetButtonLayout(recovery_.IdleLayout());
    display_.StartIdleAnimation();
    display_.SetMessage(Message::None, false);
}

}  // namespace orvane
