#include "GameTable.h"

#include <string>

#include "Amount.h"
#include "AutoHold.h"
#include "HandEvaluator.h"
#include "SnapshotSchema.h"

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

namespace {

// The fifth button of the win offer collects (all or half); the others guess.
constexpr int CollectButton = 5;

RoundPhase PhaseOfWin(DrawStage stage) {
    return stage == DrawStage::FirstDraw ? RoundPhase::FirstDrawWon : RoundPhase::SecondDrawWon;
}

HandRanks RanksOf(const TableState& s) {
    HandRanks hand;
    for (int slot = 1; slot <= 5; ++slot) {
        hand.Rank[static_cast<std::size_t>(slot - 1)] = s.HandCard(slot).Rank;
        hand.Suit[static_cast<std::size_t>(slot - 1)] = SuitNumber(s.HandCard(slot).Suit);
    }
    return hand;
}

}  // namespace

GameTable::GameTable(TableDisplay& display, Pause& pause, TableSettings& settings)
    : view_(display),
      display_(view_),
      pause_(pause),
      settings_(settings),
      meter_(display_, pause, s_),
      dup_(display_, pause, s_) {}

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
    if (!s_.Ready || outOfService_) {
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
            if (!AnyHeld()) {
                if (s_.LastPrize == NoPrize || betChanged) {
                    PlayStage(DrawStage::Deal);
                } else {
                    HoldAll();  // the dealt win is taken without a draw
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
                if (!AnyHeld()) {
                    HoldAll();
                }
                PlayStage(DrawStage::SecondDraw);
            }
            break;
        case RoundPhase::SecondDrawWon:
            break;
    }
    Settle();
}

void GameTable::Hold(int slot) {
    if (!s_.Ready || slot < 1 || slot > 5 || s_.RoundState == RoundPhase::Idle) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (dup_.IsOpen()) {
        // A guess stakes the win, so it is refused where it could not be kept.
        const bool guess = slot == 2 || slot == 4;
        if (slot == CollectButton || (!outOfService_ && (!guess || TakesMoney()))) {
            DoubleUpChoice(slot);
        }
    } else if (s_.RoundState == RoundPhase::Dealt || s_.RoundState == RoundPhase::FirstDrawWon) {
        ToggleHold(slot);
    }
    Settle();
}

void GameTable::Bet() {
    // A bet changed under a win on offer would step another bet's countdown back.
    if (!s_.Ready || (s_.RoundState != RoundPhase::Idle && s_.RoundState != RoundPhase::Dealt)) {
        return;
    }
    GateGuard gate(s_.Ready);
    ReleaseIdleAnimation();
    SelectBet(true);
    Settle();
}

void GameTable::Cash() {
    if (!s_.Ready || s_.RoundState == RoundPhase::Idle) {
        return;
    }
    GateGuard gate(s_.Ready);
    if (dup_.IsOpen()) {
        if (CollectWin(true)) {
            EndRound();
        }
    } else {
        ClearHolds();
    }
    Settle();
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
    ReleaseIdleAnimation();
    // Credit given back without counting it was kept by the run that left it; a coin is new.
    if (count && !TakesMoney()) {
        return CreditChange::RecordsNotKept;
    }
    const TableSnapshot before = Snapshot();
    const Statistics statsBefore = settings_.Stats();
    display_.PlaySoundEffect(Sound::AddCredit);
    ChargeCredit(-amount);
    audit_.Add(amount);
    if (count) {
        Statistics& stats = settings_.Stats();
        stats.CreditIn = SaturatingAdd64(stats.CreditIn, amount);
        stats.RunCreditIn = SaturatingAdd64(stats.RunCreditIn, amount);
    }
    if (s_.RoundState == RoundPhase::Idle) {
        SelectBet(false);  // a running round keeps the bet it was dealt with
    }
    Settle();
    if (count && keeping_ == RecordKeeping::CannotBeKept) {
        PutBack(before, statsBefore);
        return CreditChange::RecordsNotKept;
    }
    return CreditChange::Done;
}

CreditChange GameTable::CashOut(bool count) {
    if (!s_.Ready) {
        return CreditChange::NotReady;
    }
    if (!CashOutAllowed()) {
        return CreditChange::NotIdle;
    }
    GateGuard gate(s_.Ready);
    const bool idle = s_.RoundState == RoundPhase::Idle;
    if (idle) {
        display_.SetIndicatorBlink(false);
    }
    if (count) {
        Statistics& stats = settings_.Stats();
        stats.CreditOut = SaturatingAdd64(stats.CreditOut, s_.Credit);
        stats.RunCreditOut = SaturatingAdd64(stats.RunCreditOut, s_.Credit);
    }
    audit_.TakeOut(s_.Credit);
    ChargeCredit(s_.Credit);
    if (idle) {
        SelectBet(false);
    } else {
        // The win stays on offer with the bet it was won at; CASH now collects it.
        display_.SetMessage(Message::Winner, false);
    }
    Settle();
    return CreditChange::Done;
}

bool GameTable::CashOutAllowed() const {
    return s_.Ready && (s_.RoundState == RoundPhase::Idle || WinWaitsForRoom());
}

bool GameTable::WinWaitsForRoom() const {
    return dup_.IsOpen() && s_.Win > 0 && s_.Credit == MaxAmount;
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
        meter_.ShowJackpot();
        meter_.Draw(true);
    }
}

// ---- the round -------------------------------------------------------------------

void GameTable::PlayStage(DrawStage stage) {
    const bool charges = stage == DrawStage::Deal || !AllHeld();
    if (charges && !TakesMoney()) {
        return;
    }
    const TableSnapshot before = Snapshot();
    const Statistics statsBefore = settings_.Stats();
    if (!ChargeForStage(stage)) {
        return;
    }
    RecordDraw(stage);
    // Paid for, with its cards in the deal buffer: from here a restart finishes this stage
    // with the same cards instead of charging or dealing again.
    s_.StageInFlight = StageNumber(stage);
    Settle();
    if (charges && keeping_ == RecordKeeping::CannotBeKept) {
        // The stake did not reach the records: a kill now would lose it, so it is not taken.
        PutBack(before, statsBefore);
        return;
    }
    FinishStage(stage);
}

void GameTable::FinishStage(DrawStage stage) {
    TurnUpCards(stage);
    s_.LastPrize = EvaluateHand();
    HighlightPrize(s_.LastPrize);
    display_.ShowStars(StageNumber(stage));
    if (stage == DrawStage::Deal) {
        MarkHolds(true);
        display_.SetButtonLayout(ButtonLayout::Dealt);
        s_.RoundState = RoundPhase::Dealt;
    } else {
        SettleDraw(stage);
    }
    s_.StageInFlight = 0;
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
    history_.AddDraw(draw);
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
        ClearHolds();
        display_.ShowDoubleUpPanel(false);
        HighlightPrize(NoPrize);
        s_.BetIndexAtDeal = s_.BetIndex;
        history_.Begin(s_.Bet(), s_.Credit,
                       {s_.DealBuffer[1], s_.DealBuffer[2], s_.DealBuffer[3], s_.DealBuffer[4],
                        s_.DealBuffer[5]});
        ChargeCredit(s_.Bet());
        audit_.Charge(s_.Bet());
        return true;
    }
    const bool allHeld = AllHeld();
    const bool freeDraw = s_.LastPrize >= 1 && allHeld;
    if (!freeDraw && s_.Bet() > s_.Credit) {
        display_.SetMessage(Message::InsertCoin, true);
        return false;
    }
    if (!allHeld) {
        ChargeCredit(s_.Bet());
        audit_.Charge(s_.Bet());
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
    history_.Offer(s_.LastPrize, s_.Win);
    CountPrize();
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
    ClearHolds();
    display_.ShowDoubleUpPanel(false);
    history_.GiveUpWin(s_.LastPrize);
    UncountPrize();
    meter_.UndoForPrize();
    MarkHolds(true);
    display_.SetButtonLayout(ButtonLayout::Continued);
    s_.Continued = true;
}

namespace {

// True when the counter moved; one at its ceiling stays there.
bool CountOne(std::int64_t& counter) {
    const std::int64_t before = counter;
    counter = SaturatingAdd64(counter, 1);
    return counter != before;
}

}  // namespace

// A win counts on its pay line for all time and for this run; giving it up takes back
// exactly what was added.
void GameTable::CountPrize() {
    Statistics& stats = settings_.Stats();
    const auto line = static_cast<std::size_t>(s_.LastPrize);
    s_.PrizeStatCounted = CountOne(stats.PrizeStat[line]);
    s_.RunPrizeStatCounted = CountOne(stats.RunPrizeStat[line]);
}

// A count can have lost the win since it was added: the session's counts start afresh
// under a resumed round, and the player may reset either set while the win is on offer.
// No other win can reach the line while this one is on offer, so a count at 0 has nothing
// of it left to give back.
void GameTable::UncountPrize() {
    Statistics& stats = settings_.Stats();
    const auto line = static_cast<std::size_t>(s_.LastPrize);
    if (s_.PrizeStatCounted && stats.PrizeStat[line] > 0) {
        --stats.PrizeStat[line];
    }
    if (s_.RunPrizeStatCounted && stats.RunPrizeStat[line] > 0) {
        --stats.RunPrizeStat[line];
    }
    s_.PrizeStatCounted = false;
    s_.RunPrizeStatCounted = false;
}

void GameTable::SetOutOfService(bool outOfService) {
    outOfService_ = outOfService;
    if (s_.RoundState == RoundPhase::Idle) {
        display_.SetButtonLayout(IdleLayout());
        if (!outOfService_) {
            display_.StartIdleAnimation();
        }
    }
}

ButtonLayout GameTable::IdleLayout() const {
    return outOfService_ || keeping_ == RecordKeeping::CannotBeKept ? ButtonLayout::OutOfService
                                                                    : ButtonLayout::Idle;
}

void GameTable::EndRound() {
    history_.Finish(s_.Credit);
    s_.RoundState = RoundPhase::Idle;
    if (dup_.IsOpen()) {
        dup_.Close();
        ShowChoiceButtons();
    }
    display_.SetButtonLayout(IdleLayout());
    display_.StartIdleAnimation();
    display_.SetMessage(Message::None, false);
}

// ---- holds -----------------------------------------------------------------------

void GameTable::MarkHolds(bool afterDeal) {
    if (afterDeal) {
        display_.SetMessage(Message::HoldAndDraw, false);
        if (!settings_.AutoHoldEnabled()) {
            return;
        }
    }
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        card.Held = false;
        display_.SetHandCardHeld(slot, card);
    }
    const HoldMask holds = ChooseHolds(RanksOf(s_), s_.LastPrize, s_.WinRank, s_.SecondRank);
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
    if (prize != NoPrize && s_.RoundState == RoundPhase::Idle && prize >= FullHouse &&
        prize <= HighPair) {
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

// ---- the win offer ---------------------------------------------------------------

void GameTable::OfferWin(DrawStage stage) {
    ClearHolds();
    dup_.Open();
    if (meter_.Empty()) {
        pause_.Wait(1000);  // let the jackpot register before the hand is named
    }
    display_.ShowWinCaption(PrizeCaption(s_.LastPrize, s_.OrvaneNumber));
    view_.NoteCaptionRank(s_.OrvaneNumber);
    s_.Win = SaturatingMul(s_.Bet(), s_.Multiplier[static_cast<std::size_t>(s_.LastPrize)]);
    display_.ShowWin(s_.Win);
    if (s_.LastPrize == OrvaneThree || s_.MeterStepFlag || s_.JackpotFlag) {
        meter_.Draw(false);
    }
    if (meter_.Empty()) {
        s_.Win = SaturatingAdd(s_.Win, meter_.Jackpot());
        display_.ShowWin(s_.Win);
    }
    display_.PlaySoundEffect(Sound::ShowDoubleUp);
    display_.ShowDoubleUpPanel(true);
    display_.Repaint();
    display_.SetButtonLayout(stage == DrawStage::FirstDraw ? ButtonLayout::FirstDrawOffer
                                                           : ButtonLayout::SecondDrawOffer);
    ShowChoiceButtons();
    MarkHolds(false);
    display_.SetMessage(Message::Winner, false);
    display_.SetIndicatorBlink(true);
    dup_.ShowNextCard();
}

// HOLD 2 and HOLD 4 guess, HOLD 5 takes half; HOLD 1 and HOLD 3 only draw the cards.
void GameTable::DoubleUpChoice(int button) {
    if (button == CollectButton) {
        if (s_.Win > 1) {
            CollectWin(false);
        } else if (CollectWin(true)) {
            EndRound();
        }
        return;
    }
    if (!dup_.GuessesLeft()) {
        return;  // all ten cards are turned; what is left can only be collected
    }
    if ((button == 2 || button == 4) && s_.Win > MaxAmount / 2) {
        // Doubled, the win would pass the most the machine can hold: halve it or take it.
        display_.SetMessage(Message::WinTooLarge, true);
        return;
    }
    if (dup_.BeforeFirstGuess()) {
        // Until the first guess every press draws the double-up cards anew.
        dup_.DrawCards(random_);
        display_.SetButtonLayout(ButtonLayout::SecondDrawOffer);
    }
    if (button == 2 || button == 4) {
        Gamble(button == 2);
    }
}

void GameTable::Gamble(bool choiceA) {
    const bool right = dup_.GuessIsRight(settings_.DoubleUpMode(), choiceA);
    history_.AddGuess({choiceA, dup_.CardAt(dup_.Step()).Value, right});
    if (right) {
        display_.SetIndicatorBlink(false);
    }
    switch (dup_.Reveal(right)) {
        case DoubleUp::Outcome::Doubled:
            display_.SetIndicatorBlink(true);
            break;
        case DoubleUp::Outcome::DoubledOnTheLastCard:
            // The offer is over; its indicator stays still.
            if (CollectWin(true)) {
                EndRound();
            }
            break;
        case DoubleUp::Outcome::Lost:
            RefillCheck();
            display_.SetIndicatorBlink(false);
            EndRound();
            break;
    }
}

// True when all that was asked for reached the credit. What the credit cannot hold stays
// on offer, and the player is asked to cash out first.
bool GameTable::CollectWin(bool all) {
    const std::int32_t offered = s_.Win;
    const bool paid = dup_.Collect(all);
    // What left the offer must have reached the credit; the audit checks that it did.
    audit_.Win(std::int64_t{offered} - s_.Win);
    history_.AddCollected(offered - s_.Win);
    if (!paid) {
        display_.SetMessage(Message::CreditFull, true);
        display_.SetIndicatorBlink(true);
        return false;
    }
    if (all) {
        RefillCheck();
    }
    return true;
}

void GameTable::ShowChoiceButtons() {
    if (!dup_.IsOpen()) {
        display_.ShowChoiceButtons(ChoiceButtons::Off);
    } else {
        display_.ShowChoiceButtons(settings_.DoubleUpMode() == DupMode::RedBlack
                                       ? ChoiceButtons::RedBlack
                                       : ChoiceButtons::SmallBig);
    }
}

// ---- bonus meter -----------------------------------------------------------------

void GameTable::RefillCheck() {
    if (meter_.RefillIfEmpty()) {
        SelectBet(false);  // rewrites the bonus line; the meter is full, so no second refill
        meter_.ShowJackpot();
    }
    display_.ShowBonusPicture(s_.OrvaneNumber);
}

void GameTable::RedrawMeter() {
    meter_.Draw(true);
}

// ---- crash safety ----------------------------------------------------------------

void GameTable::Settle() {
    if (audit_.Holds(s_.Credit)) {
        reportedMismatch_ = 0;
    } else if (const std::int64_t mismatch = audit_.Expected() - s_.Credit;
               mismatch != reportedMismatch_) {
        reportedMismatch_ = mismatch;
        if (journal_ != nullptr) {
            std::string details = audit_.Describe(s_.Credit);
            if (history_.Current()) {
                details += "\nthis game: " + Describe(*history_.Current());
            }
            for (auto game = history_.Finished().rbegin(); game != history_.Finished().rend();
                 ++game) {
                details += "\nearlier game: " + Describe(*game);
            }
            journal_->AuditFailed(details);
        }
    }
    if (journal_ != nullptr) {
        journal_->Commit();
        NoteKeeping(journal_->Keeping());
    }
}

TableSnapshot GameTable::Snapshot() const {
    TableSnapshot snapshot;
    snapshot.Table = s_;
    snapshot.View = view_.View();
    snapshot.DoubleUp = dup_.Capture();
    snapshot.Meter = meter_.Capture();
    snapshot.RandomState = random_.State();
    const Statistics& stats = settings_.Stats();
    snapshot.Stats.PrizeStat = stats.PrizeStat;
    snapshot.Stats.CreditIn = stats.CreditIn;
    snapshot.Stats.CreditOut = stats.CreditOut;
    snapshot.Audit = audit_.Counters();
    snapshot.Games = history_.Finished();
    snapshot.CurrentGame = history_.Current();
    return snapshot;
}

void GameTable::Resume(const TableSnapshot& snapshot) {
    GateGuard gate(s_.Ready);
    Restore(snapshot);
    if (s_.StageInFlight != 0) {
        FinishStage(static_cast<DrawStage>(s_.StageInFlight));
        if (s_.RoundState == RoundPhase::Idle) {
            // The player has not seen this round end yet.
            display_.StopIdleAnimation();
            idleHeld_ = true;
        }
    }
    // A stored credit that its own counters do not explain is reported at once, and the
    // finished stage is kept before anything else is played.
    Settle();
}

void GameTable::Restore(const TableSnapshot& snapshot) {
    // The pay table and the stored bet limits belong to the settings, not to the snapshot.
    s_ = WithStoredPart(s_, snapshot.Table);
    view_.Restore(snapshot.View);
    dup_.Restore(snapshot.DoubleUp);
    meter_.Restore(snapshot.Meter);
    random_.SetState(snapshot.RandomState);
    Statistics& stats = settings_.Stats();
    stats.PrizeStat = snapshot.Stats.PrizeStat;
    stats.CreditIn = snapshot.Stats.CreditIn;
    stats.CreditOut = snapshot.Stats.CreditOut;
    audit_.Restore(snapshot.Audit);
    if (!history_.Restore(snapshot.Games, snapshot.CurrentGame)) {
        history_.Restore({}, std::nullopt);
    }
    Redraw();
}

// Everything the window shows of the table, as the snapshot left it.
void GameTable::Redraw() {
    const TableView view = view_.View();
    display_.ShowCredit(s_.Credit);
    display_.ShowBet(s_.Bet());
    ShowPayValues();
    if (s_.BetIndex != 0) {
        meter_.ShowJackpot();  // an empty machine keeps the label it had
    }
    meter_.Draw(true);
    display_.ShowBonusPicture(s_.OrvaneNumber);
    display_.ClearPayHighlight();
    // A deal in flight has already taken the old hand's highlight away.
    if (s_.LastPrize != NoPrize && s_.StageInFlight != StageNumber(DrawStage::Deal)) {
        display_.SetPayLineOpaque(s_.LastPrize, true);
    }
    display_.ShowStars(view.Stars);
    for (int slot = 1; slot <= 5; ++slot) {
        const Card& card = s_.HandCard(slot);
        display_.ShowHandCard(slot, card);
        display_.SetHandCardHeld(slot, card);
        display_.SetHoldMark(slot, view.HoldMarks[static_cast<std::size_t>(slot)]);
    }
    if (s_.LastPrize != NoPrize) {
        display_.ShowWinCaption(PrizeCaption(s_.LastPrize, view.CaptionRank));
    }
    display_.ShowWin(s_.Win);
    RedrawDoubleUp(view);
    ShowChoiceButtons();
    const bool idle = s_.RoundState == RoundPhase::Idle && s_.StageInFlight == 0;
    display_.SetButtonLayout(idle && IdleLayout() == ButtonLayout::OutOfService ? IdleLayout()
                                                                                : view.Layout);
    display_.SetMessage(view.Banner, view.BannerBlinks);
    display_.SetIndicatorBlink(view.IndicatorBlinks);
    if (idle) {
        display_.StartIdleAnimation();
    } else {
        display_.StopIdleAnimation();
    }
    display_.Repaint();
}

// The cards guessed so far face up and the next one face down, or the last one turned.
void GameTable::RedrawDoubleUp(const TableView& view) {
    display_.HideDupCards();
    if (view.DoubleUpPanel) {
        for (int i = 1; i <= dup_.Step(); ++i) {
            display_.ShowDupCard(i, dup_.CardAt(i));
        }
    }
    display_.ShowDoubleUpPanel(view.DoubleUpPanel);
}

}  // namespace orvane
