#include "DoubleUp.h"

#include <algorithm>
#include <utility>

#include "Amount.h"
#include "Deck.h"
#include "SpokenWords.h"

namespace orvane {

namespace {

constexpr int TransferStepMs = 30;
constexpr std::int32_t WholeStep = 100;

bool IsRed(Suit suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

}  // namespace

DoubleUp::DoubleUp(TableDisplay& display, Pause& pause, TableState& table, PayIn payIn)
    : display_(display), pause_(pause), table_(table), payIn_(std::move(payIn)) {}

void DoubleUp::ShowChoiceButtons(DupMode mode) {
    if (!open_) {
        display_.ShowChoiceButtons(ChoiceButtons::Off);
    } else {
        display_.ShowChoiceButtons(mode == DupMode::RedBlack ? ChoiceButtons::RedBlack
                                                             : ChoiceButtons::SmallBig);
    }
}

DoubleUpState DoubleUp::Capture() const {
    return DoubleUpState{open_, gambled_, step_, lastCardTurned_, cards_};
}

void DoubleUp::Restore(const DoubleUpState& state) {
    open_ = state.Open;
    gambled_ = state.Gambled;
    step_ = state.Step;
    lastCardTurned_ = state.LastCardTurned;
    cards_ = state.Cards;
}

void DoubleUp::Open() {
    display_.HideDupCards();
    for (int i = 1; i <= CardCount; ++i) {
        cards_[static_cast<std::size_t>(i)].ShowBack = true;
    }
    open_ = true;
    step_ = 1;
    lastCardTurned_ = false;
}

void DoubleUp::ShowNextCard() {
    display_.ShowDupCard(step_, CurrentCard());
}

void DoubleUp::DrawCards(RandomSource& random) {
    DrawDeck(random, table_.DealBuffer, CardCount, false);
    for (int i = 1; i <= CardCount; ++i) {
        cards_[static_cast<std::size_t>(i)].SetCardValue(
            table_.DealBuffer[static_cast<std::size_t>(i)]);
    }
}

bool DoubleUp::GuessIsRight(DupMode mode, bool choiceA) const {
    const Card& card = cards_[static_cast<std::size_t>(step_)];
    if (mode == DupMode::RedBlack) {
        return choiceA == IsRed(card.Suit);
    }
    return choiceA ? (card.Rank >= 1 && card.Rank <= 6) : (card.Rank >= 8 && card.Rank <= 13);
}

DoubleUp::Outcome DoubleUp::Reveal(bool right) {
    gambled_ = true;
    Card& card = CurrentCard();
    card.ShowBack = false;
    display_.ShowDupCard(step_, card);
    table_.Win = right ? SaturatingMul(table_.Win, 2) : 0;
    display_.ShowWin(table_.Win);
    display_.Announce(SpokenGuessResult(card, right, table_.Win));
    if (!right) {
        return Outcome::Lost;
    }
    display_.PlaySoundEffect(Sound::DoubleUpWin);
    if (step_ == CardCount) {
        lastCardTurned_ = true;
        return Outcome::DoubledOnTheLastCard;
    }
    ++step_;
    ShowNextCard();
    return Outcome::Doubled;
}

// One step of the count, unless the count has stopped: the player asked for the rest
// (paid by PayRest) or the credit cannot take more.
void DoubleUp::TransferStep(std::int32_t amount) {
    if (!Counting()) {
        return;
    }
    if (count_ != nullptr && count_->CollectRestNow()) {
        cutShort_ = true;
        return;
    }
    if (PayStep(amount)) {
        pause_.Wait(TransferStepMs);
    }
}

// Moves what the credit can hold of amount from the win; the rest stays on offer. False
// when nothing could be moved.
bool DoubleUp::PayStep(std::int32_t amount) {
    const std::int32_t paid = std::min(amount, MaxAmount - table_.Credit);
    creditFull_ = paid < amount;
    if (paid <= 0 && amount > 0) {
        return false;
    }
    display_.PlaySoundEffect(Sound::Cash);
    payIn_(paid);
    table_.Win -= paid;
    display_.ShowWin(table_.Win);
    display_.Repaint();
    return true;
}

// The count cut short: everything down to keep in one step, so the credit ends where the
// full count would have left it.
void DoubleUp::PayRest(std::int32_t keep) {
    if (cutShort_ && !creditFull_ && table_.Win > keep) {
        PayStep(table_.Win - keep);
    }
}

bool DoubleUp::Collect(bool all) {
    gambled_ = true;
    display_.SetIndicatorBlink(false);
    const std::int32_t keep = all ? 0 : table_.Win / 2;
    cutShort_ = false;
    creditFull_ = false;
    if (count_ != nullptr) {
        count_->CountBegins();
    }
    if (all) {
        CollectAll();
    } else {
        CollectHalf();
    }
    PayRest(keep);
    if (count_ != nullptr) {
        count_->CountEnds();
    }
    if (!all) {
        display_.SetIndicatorBlink(true);
    }
    return table_.Win <= keep;
}

void DoubleUp::CollectAll() {
    const bool inHundreds = table_.Win > WholeStep;
    if (inHundreds) {
        for (std::int32_t odd = table_.Win % WholeStep; odd > 0 && Counting(); --odd) {
            TransferStep(1);
        }
    }
    const std::int32_t step = inHundreds ? WholeStep : 1;
    while (table_.Win > 0 && Counting()) {
        TransferStep(step);
    }
}

void DoubleUp::CollectHalf() {
    const std::int32_t keep = table_.Win / 2;
    if (table_.Win <= WholeStep) {
        while (table_.Win > keep && Counting()) {
            TransferStep(1);
        }
        return;
    }
    TransferStep(table_.Win % WholeStep);
    while (table_.Win - keep >= WholeStep && Counting()) {
        TransferStep(WholeStep);
    }
    if (table_.Win <= WholeStep) {
        while (table_.Win > keep && Counting()) {
            TransferStep(1);
        }
    } else {
        TransferStep(table_.Win - keep);
    }
}

}  // namespace orvane
