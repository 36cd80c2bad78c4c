#include "BonusMeter.h"

#include "Amount.h"

namespace orvane {

namespace {

constexpr int Squares = 10;
constexpr int SlowLightUpMs = 250;
constexpr int SlowSquareMs = 300;

}  // namespace

BonusMeter::BonusMeter(TableDisplay& display, Pause& pause, TableState& table)
    : display_(display), pause_(pause), table_(table) {}

std::int32_t& BonusMeter::OfBet() {
    return countdowns_.State[static_cast<std::size_t>(table_.BetIndex)];
}

std::int32_t BonusMeter::OfBet() const {
    return countdowns_.State[static_cast<std::size_t>(table_.BetIndex)];
}

bool BonusMeter::Empty() const {
    return OfBet() == 0;
}

std::int32_t BonusMeter::Jackpot() const {
    return SaturatingMul(SaturatingMul(table_.Bet(), table_.OrvaneNumber), 100);
}

void BonusMeter::ShowJackpot() {
    display_.ShowJackpot(Jackpot());
}

void BonusMeter::Draw(bool quick) {
    const std::int32_t countdown = OfBet();
    for (int square = Squares; square >= 1; --square) {
        display_.SetMeterSquare(square, true);
    }
    display_.Repaint();
    if (!quick) {
        pause_.Wait(SlowLightUpMs);
    }
    for (int square = Squares; square >= 1; --square) {
        const bool lit = square <= countdown;
        if (!lit && !quick) {
            pause_.Wait(SlowSquareMs);
        }
        display_.SetMeterSquare(square, lit);
        display_.Repaint();
    }
}

bool BonusMeter::RefillIfEmpty() {
    // Index 0 is the empty machine's, which never pays a jackpot.
    if (table_.BetIndex == 0 || !Empty()) {
        return false;
    }
    OfBet() = TOrvane::Full;
    Draw(true);
    table_.OrvaneNumber = SaturatingAdd(table_.OrvaneNumber, 1);
    if (table_.OrvaneNumber == LastOrvaneNumber + 1) {
        table_.OrvaneNumber = FirstOrvaneNumber;
    }
    return true;
}

bool BonusMeter::PrizeSteps() const {
    return table_.LastPrize == OrvaneThree || table_.MeterStepFlag;
}

void BonusMeter::StepForPrize() {
    if (PrizeSteps()) {
        OfBet() = SaturatingAdd(OfBet(), -1);
    }
    if (table_.JackpotFlag) {
        savedCountdown_ = OfBet();
        OfBet() = 0;
    }
}

void BonusMeter::UndoForPrize() {
    if (PrizeSteps()) {
        OfBet() = SaturatingAdd(OfBet(), 1);
        Draw(true);
    }
    if (table_.JackpotFlag) {
        OfBet() = savedCountdown_;
        Draw(true);
    }
}

}  // namespace orvane
