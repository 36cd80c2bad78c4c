#include "DoubleUp.h"

#include "Amount.h"
#include "Deck.h"

namespace orvane {

namespace {

constexpr int TransferStepMs = 30;
constexpr std::int32_t WholeStep = 100;

bool IsRed(Suit suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

}  // namespace

DoubleUp::DoubleUp(TableDisplay& display, Pause& pause, TableState& table)
    : display_(display), pause_(pause), table_(table) {}

DoubleUpState DoubleUp::Capture() const {
    return DoubleUpState{open_, gambled_, step_, cards_};
}

void DoubleUp::Restore(const DoubleUpState& state) {
    open_ = state.Open;
    gambled_ = state.Gambled;
    step_ = state.Step;
    cards_ = state.Cards;
}

void DoubleUp::Open() {
    display_.HideDupCards();
    for (int i = 1; i <= CardCount; ++i) {
        cards_[static_cast<std::size_t>(i)].ShowBack = true;
    }
    open_ = true;
    step_ = 1;
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
    if (!right) {
        return Outcome::Lost;
    }
    display_.PlaySoundEffect(Sound::DoubleUpWin);
    if (step_ == CardCount) {
        return Outcome::DoubledOnTheLastCard;
    }
    ++step_;
    ShowNextCard();
    return Outcome::Doubled;
}

void DoubleUp::TransferStep(std::int32_t amount) {
    display_.PlaySoundEffect(Sound::Cash);
    table_.Credit = SaturatingAdd(table_.Credit, amount);
    table_.Win = SaturatingAdd(table_.Win, -amount);
    display_.ShowCredit(table_.Credit);
    display_.ShowWin(table_.Win);
    display_.Repaint();
    pause_.Wait(TransferStepMs);
}

void DoubleUp::Collect(bool all) {
    gambled_ = true;
    display_.SetIndicatorBlink(false);
    if (all) {
        CollectAll();
        return;
    }
    CollectHalf();
    display_.SetIndicatorBlink(true);
}

void DoubleUp::CollectAll() {
    const bool inHundreds = table_.Win > WholeStep;
    if (inHundreds) {
        for (std::int32_t odd = table_.Win % WholeStep; odd > 0; --odd) {
            TransferStep(1);
        }
    }
    const std::int32_t step = inHundreds ? WholeStep : 1;
    while (table_.Win > 0) {
        TransferStep(step);
    }
}

void DoubleUp::CollectHalf() {
    const std::int32_t keep = table_.Win / 2;
    if (table_.Win <= WholeStep) {
        while (table_.Win > keep) {
            TransferStep(1);
        }
        return;
    }
    TransferStep(table_.Win % WholeStep);
    while (table_.Win - keep >= WholeStep) {
        TransferStep(WholeStep);
    }
    if (table_.Win <= WholeStep) {
        while (table_.Win > keep) {
            TransferStep(1);
        }
    } else {
        TransferStep(table_.Win - keep);
    }
}

}  // namespace orvane
