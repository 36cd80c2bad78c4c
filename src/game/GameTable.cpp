#include "GameTable.h"

#include "Amount.h"
#include "AutoHold.h"
#include "HandEvaluator.h"

namespace orvane {

// Closes the input gate for the life of an action and reopens it however the action
// ends, so an error that escapes a handler never leaves the table deaf.
class GameTable::GateGuard {
  public:
    explicit GateGuard(bool& ready) : ready_(ready) { ready_ = false; }
    ~GateGuard() { ready_ = true; }
    GateGuard(const GateGuard&) = delete;
    GateGuard& operator=(const GateGuard&) = delete;

  private:
    bool& ready_;
};

GameTable::GameTable(TableDisplay& display, Pause& pause, TableSettings& settings)
    : display_(display), pause_(pause), settings_(settings) {}

void GameTable::Start(std::uint32_t seedSeconds) {
    s_.Ready = false;
    s_.Credit = 0;
    s_.BetIndex = 0;
    SetRoundState(0);
    display_.ShowStars(0);
    SelectBet(false);
    display_.ShowCredit(s_.Credit);
    DrawMeter(true);
    display_.SetMessage(Message::InsertCoin, true);
    display_.StartIdleAnimation();
    random_.Seed(seedSeconds);
    s_.Ready = true;
}

// ---- events ----------------------------------------------------------------------

void GameTable::Deal() {
    if (!s_.Ready) {
        return;
    }
    const bool offerOpen = s_.DupActive;
    if ((s_.RoundState == 2 && s_.Gambled) || (s_.RoundState != 2 && offerOpen)) {
        return;
    }
    GateGuard gate(s_.Ready);
    display_.SetMessage(Message::None, false);
    switch (s_.RoundState) {
        case 0:
            PlayStage(1);
            break;
        case 1:
            if (!AnyHeld()) {
                if (s_.LastPrize == NoPrize || s_.BetIndex != s_.BetIndexAtDeal) {
                    PlayStage(1);
                } else {
                    HoldAll();  // the dealt win is taken without a draw
                    PlayStage(2);
                }
            } else {
                PlayStage(s_.BetIndex != s_.BetIndexAtDeal ? 1 : 2);
            }
            break;
        case 2:
            if (!s_.Continued) {
                ContinueAfterWin();
            } else {
                if (!AnyHeld()) {
                    HoldAll();
                }
                PlayStage(3);
            }
            break;
        default:
            break;
    }
}

void GameTable::Hold(int slot) {
    if (!s_.Ready || slot < 1 || slot > 5 || s_.RoundState == 0) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (s_.DupActive) {
        DoubleUpChoice(slot);
    } else if (s_.RoundState == 1 || s_.RoundState == 2) {
        ToggleHold(slot);
    }
}

void GameTable::Bet() {
    if (!s_.Ready || (s_.RoundState != 0 && s_.RoundState != 1)) {
        return;
    }
    GateGuard gate(s_.Ready);
    SelectBet(true);
}

void GameTable::Cash() {
    if (!s_.Ready || s_.RoundState == 0) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (s_.DupActive) {
        CollectWin(true);
        SetRoundState(0);
    } else {
        ClearHolds();
    }
}

// ---- credit and bet --------------------------------------------------------------

CreditChange GameTable::AddCredit(std::int32_t amount, bool count) {
    if (!s_.Ready) {
        return CreditChange::NotReady;
    }
    if (amount <= 0) {
        return CreditChange::InvalidAmount;
    }
    if (std::int64_t{s_.Credit} + amount > MaxAmount) {
        return CreditChange::WouldOverflow;
    }
    GateGuard gate(s_.Ready);
    display_.PlaySoundEffect(Sound::AddCredit);
    ChargeCredit(-amount);
    if (count) {
        Statistics& stats = settings_.Stats();
        stats.CreditIn = SaturatingAdd(stats.CreditIn, amount);
        stats.RunCreditIn = SaturatingAdd(stats.RunCreditIn, amount);
    }
    if (s_.RoundState == 0) {
        SelectBet(false);
    }
    return CreditChange::Done;
}

CreditChange GameTable::CashOut(bool count) {
    if (!s_.Ready) {
        return CreditChange::NotReady;
    }
    if (s_.RoundState != 0) {
        return CreditChange::NotIdle;
    }
    GateGuard gate(s_.Ready);
    display_.SetIndicatorBlink(false);
    if (count) {
        Statistics& stats = settings_.Stats();
        stats.CreditOut = SaturatingAdd(stats.CreditOut, s_.Credit);
        stats.RunCreditOut = SaturatingAdd(stats.RunCreditOut, s_.Credit);
    }
    ChargeCredit(s_.Credit);
    SelectBet(false);
    return CreditChange::Done;
}

void GameTable::ChargeCredit(std::int32_t amount) {
    s_.Credit = Clamp32(std::int64_t{s_.Credit} - amount);
    display_.ShowCredit(s_.Credit);
}

void GameTable::SelectBet(bool advance) {
    const std::int32_t entry = s_.BetIndex;
    auto amount = [](std::int32_t index) { return BetLadder[static_cast<std::size_t>(index)]; };

    if (s_.Credit == 0) {
        s_.BetIndex = 0;
    } else {
        if (advance) {
            ++s_.BetIndex;
            if (s_.BetIndex >= BetLadderSize || amount(s_.BetIndex) > s_.Credit) {
                s_.BetIndex = 1;
            }
        }
        if (amount(1) > s_.Credit) {
            s_.BetIndex = 0;
        } else if (s_.BetIndex == 0) {
            s_.BetIndex = 1;
        }
    }
    if (amount(s_.BetIndex) > s_.Credit) {
        for (std::int32_t k = BetLadderSize - 1; k >= 1; --k) {
            if (amount(k) <= s_.Credit) {
                s_.BetIndex = k;
                break;
            }
        }
    }

    display_.ShowBet(s_.Bet());
    ShowPayValues();
    RefillCheck();
    if (s_.BetIndex != entry) {
        ShowJackpot();
        DrawMeter(true);
    }
}

// ---- the round -------------------------------------------------------------------

void GameTable::PlayStage(int stage) {
    if (stage == 1) {
        s_.Gambled = false;
        if (s_.Credit < BetLadder[1]) {
            display_.SetMessage(Message::InsertCoin, true);
        }
        SelectBet(false);
        if (s_.BetIndex < 1) {
            return;
        }
        display_.SetMessage(Message::None, false);
        display_.StopIdleAnimation();
        DrawDeck(random_, s_.DealBuffer, 15, true);
        ClearHolds();
        display_.ShowDoubleUpPanel(false);
        HighlightPrize(NoPrize);
        s_.BetIndexAtDeal = s_.BetIndex;
        ChargeCredit(s_.Bet());
    } else {
        const bool allHeld = AllHeld();
        const bool freeDraw = s_.LastPrize >= 1 && allHeld;
        if (!freeDraw && s_.Bet() > s_.Credit) {
            display_.SetMessage(Message::InsertCoin, true);
            return;
        }
        if (!allHeld) {
            ChargeCredit(s_.Bet());
        }
    }
    TurnUpCards(stage);
    s_.LastPrize = EvaluateHand();
    HighlightPrize(s_.LastPrize);
    display_.ShowStars(stage);
    if (stage == 1) {
        MarkHolds(true);
        display_.SetButtonLayout(1);
        s_.RoundState = 1;
    } else {
        SettleDraw(stage);
    }
}

void GameTable::TurnUpCards(int stage) {
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
    const int offset = (stage - 1) * 5;
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

void GameTable::SettleDraw(int stage) {
    if (s_.LastPrize == NoPrize) {
        SetRoundState(0);
        return;
    }
    StepMeterForPrize();
    OfferWin(stage);
    CountPrize(1);
    s_.RoundState = stage;
    s_.Continued = false;
}

PrizeIndex GameTable::EvaluateHand() {
    HandRanks hand;
    for (int slot = 1; slot <= 5; ++slot) {
        hand.Rank[static_cast<std::size_t>(slot - 1)] = s_.HandCard(slot).Rank;
        hand.Suit[static_cast<std::size_t>(slot - 1)] = s_.HandCard(slot).Suit;
    }
    const Evaluation e = Evaluate(hand, s_.OrvaneNumber);
    if (e.JokerSlot >= 0) {
        s_.HandCard(e.JokerSlot + 1).Suit = e.JokerSuit;
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
    s_.DupActive = false;
    ShowChoiceButtons();
    // The offer is gone, so its indicator need not keep blinking behind the pay table.
    display_.SetIndicatorBlink(false);
    ClearHolds();
    display_.ShowDoubleUpPanel(false);
    CountPrize(-1);
    UndoMeterForPrize();
    MarkHolds(true);
    display_.SetButtonLayout(3);
    s_.Continued = true;
}

// A win counts on its pay line for all time and for this run; giving it up takes it back.
void GameTable::CountPrize(std::int32_t delta) {
    Statistics& stats = settings_.Stats();
    const auto line = static_cast<std::size_t>(s_.LastPrize);
    stats.PrizeStat[line] = SaturatingAdd(stats.PrizeStat[line], delta);
    stats.RunPrizeStat[line] = SaturatingAdd(stats.RunPrizeStat[line], delta);
}

void GameTable::SetRoundState(int state) {
    s_.RoundState = state;
    if (state == 0) {
        if (s_.DupActive) {
            s_.DupActive = false;
            ShowChoiceButtons();
        }
        display_.SetButtonLayout(0);
        display_.StartIdleAnimation();
        display_.SetMessage(Message::None, false);
    }
}

// ---- holds -----------------------------------------------------------------------

void GameTable::MarkHolds(bool afterDeal) {
    if (afterDeal) {
        display_.SetMessage(Message::HoldAndDraw, false);
        if (!settings_.AutoHoldEnabled()) {
            return;
        }
    }
    HandRanks hand;
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        card.Held = false;
        display_.SetHandCardHeld(slot, card);
        hand.Rank[static_cast<std::size_t>(slot - 1)] = card.Rank;
        hand.Suit[static_cast<std::size_t>(slot - 1)] = card.Suit;
    }
    const HoldMask holds = ChooseHolds(hand, s_.LastPrize, s_.WinRank, s_.SecondRank);
    for (int slot = 1; slot <= 5; ++slot) {
        if (holds[static_cast<std::size_t>(slot - 1)]) {
            Card& card = s_.HandCard(slot);
            card.Held = true;
            display_.SetHandCardHeld(slot, card);
        }
    }
    for (int slot = 1; slot <= 5; ++slot) {
        if (!s_.HandCard(slot).Held) {
            continue;
        }
        display_.SetHoldMark(slot, true);
        display_.Repaint();
        if (afterDeal) {
            pause_.Wait(settings_.HoldDelayMs());
        }
    }
    if (afterDeal) {
        display_.SetMessage(Message::HoldAndDraw, false);
    }
}

void GameTable::ToggleHold(int slot) {
    Card& card = s_.HandCard(slot);
    card.Held = !card.Held;
    display_.SetHoldMark(slot, card.Held);
    display_.SetHandCardHeld(slot, card);
    display_.Repaint();
    display_.PlaySoundEffect(Sound::HoldCard);
}

void GameTable::ClearHolds() {
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        display_.SetHoldMark(slot, false);
        card.Held = false;
        display_.SetHandCardHeld(slot, card);
    }
}

void GameTable::HoldAll() {
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        card.Held = true;
        display_.SetHandCardHeld(slot, card);
    }
}

bool GameTable::AllHeld() const {
    for (int slot = 1; slot <= 5; ++slot) {
        if (!s_.HandCard(slot).Held) {
            return false;
        }
    }
    return true;
}

bool GameTable::AnyHeld() const {
    for (int slot = 1; slot <= 5; ++slot) {
        if (s_.HandCard(slot).Held) {
            return true;
        }
    }
    return false;
}

// ---- pay table -------------------------------------------------------------------

void GameTable::ShowPayValues() {
    Multipliers amounts{};
    for (int line = 1; line <= PrizeLines; ++line) {
        amounts[static_cast<std::size_t>(line)] =
            SaturatingMul(s_.Bet(), s_.Multiplier[static_cast<std::size_t>(line)]);
    }
    display_.ShowPayValues(amounts, OrvaneLineLabel(s_.OrvaneNumber));
    display_.Repaint();
}

void GameTable::HighlightPrize(PrizeIndex prize) {
    if (prize != NoPrize && s_.RoundState == 0 && prize >= FullHouse && prize <= HighPair) {
        display_.PlaySoundEffect(Sound::Win);
    }
    display_.ClearPayHighlight();
    if (prize == NoPrize) {
        return;
    }
    display_.SetPayLineOpaque(prize, true);
    if (prize <= Poker || prize == OrvaneThree) {
        display_.PlaySoundEffect(Sound::BigWin);
        for (int blink = 0; blink < 5; ++blink) {
            display_.SetPayLineOpaque(prize, false);
            pause_.Wait(250);
            display_.SetPayLineOpaque(prize, true);
            pause_.Wait(250);
        }
    }
}

}  // namespace orvane
