// The bonus meter: one ten-step countdown per bet index, stepped and emptied by bonus
// hands, paid out as a jackpot at zero and refilled when the win is over.
#include "Amount.h"
#include "GameTable.h"

namespace orvane {

namespace {

constexpr int Squares = 10;
constexpr int SlowLightUpMs = 250;
constexpr int SlowSquareMs = 300;

}  // namespace

std::int32_t& GameTable::MeterOfBet() {
    return orvane_.State[static_cast<std::size_t>(s_.BetIndex)];
}

std::int32_t GameTable::Jackpot() const {
    return SaturatingMul(SaturatingMul(s_.Bet(), s_.OrvaneNumber), 100);
}

void GameTable::ShowJackpot() {
    display_.ShowJackpot(Jackpot());
}

void GameTable::DrawMeter(bool quick) {
    const std::int32_t countdown = MeterOfBet();
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

void GameTable::RefillCheck() {
    if (s_.BetIndex != 0 && MeterOfBet() == 0) {
        MeterOfBet() = TOrvane::Full;
        DrawMeter(true);
        s_.OrvaneNumber = SaturatingAdd(s_.OrvaneNumber, 1);
        if (s_.OrvaneNumber == LastOrvaneNumber + 1) {
            s_.OrvaneNumber = FirstOrvaneNumber;
        }
        SelectBet(false);  // rewrites the bonus line; the meter is full, so no second refill
        ShowJackpot();
    }
    display_.ShowBonusPicture(s_.OrvaneNumber);
}

void GameTable::StepMeterForPrize() {
    if (s_.LastPrize == OrvaneThree || s_.MeterStepFlag) {
        MeterOfBet() = SaturatingAdd(MeterOfBet(), -1);
    }
    if (s_.JackpotFlag) {
        s_.SavedMeter = MeterOfBet();
        MeterOfBet() = 0;
    }
}

void GameTable::UndoMeterForPrize() {
    if (s_.LastPrize == OrvaneThree || s_.MeterStepFlag) {
        MeterOfBet() = SaturatingAdd(MeterOfBet(), 1);
        DrawMeter(true);
    }
    if (s_.JackpotFlag) {
        MeterOfBet() = s_.SavedMeter;
        DrawMeter(true);
    }
}

}  // namespace orvane
