// The win on offer: shown, doubled or lost by the guesses, and collected.
#include "Amount.h"
#include "GameTable.h"
#include "SpokenWords.h"

namespace orvane {

namespace {

// The fifth button of the win offer collects (all or half); the others guess.
constexpr int CollectButton = 5;

}  // namespace

void GameTable::OfferWin(DrawStage stage) {
    holds_.Clear();
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
    holds_.Mark(false);
    display_.SetMessage(Message::Winner, false);
    display_.SetIndicatorBlink(true);
    dup_.ShowNextCard();
    display_.Announce(SpokenWinOffer(PrizeCaption(s_.LastPrize, s_.OrvaneNumber), s_.Win));
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
    Tell(&TableListener::Guessed, GameGuess{choiceA, dup_.CardAt(dup_.Step()).Value, right});
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
    Tell(&TableListener::Collected, offered - s_.Win);
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

bool GameTable::WinWaitsForRoom() const {
    return dup_.IsOpen() && s_.Win > 0 && s_.Credit == MaxAmount;
}

void GameTable::RefillCheck() {
    if (meter_.RefillIfEmpty()) {
        SelectBet(false);  // rewrites the bonus line; the meter is full, so no second refill
        meter_.ShowJackpot();
    }
    display_.ShowBonusPicture(s_.OrvaneNumber);
}

}  // namespace orvane
