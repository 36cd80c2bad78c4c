#include "PayLines.h"

#include "Amount.h"

namespace orvane {

void PayLines::ShowValues() {
    Multipliers amounts{};
    for (int line = 1; line <= PrizeLines; ++line) {
        amounts[static_cast<std::size_t>(line)] =
            SaturatingMul(s_.Bet(), s_.Multiplier[static_cast<std::size_t>(line)]);
    }
    display_.ShowPayValues(amounts, OrvaneLineLabel(s_.OrvaneNumber));
    display_.Repaint();
}

void PayLines::Highlight(PrizeIndex prize) {
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

}  // namespace orvane
