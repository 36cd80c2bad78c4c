// The win offer, the double-up gamble and the counted collection of a win.
#include "Amount.h"
#include "GameTable.h"

namespace orvane {

namespace {

constexpr int DupCardCount = 10;
constexpr int TransferStepMs = 30;
constexpr std::int32_t WholeStep = 100;

bool GuessIsRight(int dupMode, bool choiceA, const Card& card) {
    if (dupMode == 2) {
        const bool groupA = card.Suit == 2 || card.Suit == 3;
        return choiceA ? groupA : (card.Suit == 1 || card.Suit == 4);
    }
    return choiceA ? (card.Rank >= 1 && card.Rank <= 6) : (card.Rank >= 8 && card.Rank <= 13);
}

}  // namespace

void GameTable::OfferWin(int stage) {
    ClearHolds();
    display_.HideDupCards();
    for (int i = 1; i <= DupCardCount; ++i) {
        s_.DupCard(i).ShowBack = true;
    }
    s_.DupActive = true;
    s_.DupStep = 1;
    if (MeterOfBet() == 0) {
        pause_.Wait(1000);  // let the jackpot register before the hand is named
    }
    display_.ShowWinCaption(PrizeCaption(s_.LastPrize, s_.OrvaneNumber));
    s_.Win = SaturatingMul(s_.Bet(), s_.Multiplier[static_cast<std::size_t>(s_.LastPrize)]);
    display_.ShowWin(s_.Win);
    if (s_.LastPrize == OrvaneThree || s_.MeterStepFlag || s_.JackpotFlag) {
        DrawMeter(false);
    }
    if (MeterOfBet() == 0) {
        s_.Win = SaturatingAdd(s_.Win, Jackpot());
        display_.ShowWin(s_.Win);
    }
    display_.PlaySoundEffect(Sound::ShowDoubleUp);
    display_.ShowDoubleUpPanel(true);
    display_.Repaint();
    display_.SetButtonLayout(stage == 2 ? 2 : 4);
    ShowChoiceButtons();
    MarkHolds(false);
    display_.SetMessage(Message::Winner, false);
    display_.SetIndicatorBlink(true);
    display_.ShowDupCard(1, s_.DupCard(1));
}

void GameTable::DoubleUpChoice(int button) {
    if (button == 5) {
        if (s_.Win <= 1) {
            CollectWin(true);
            SetRoundState(0);
        } else {
            CollectWin(false);
        }
        return;
    }
    if (s_.DupStep == 1) {
        // Until the first guess every press draws the double-up cards anew.
        DrawDeck(random_, s_.DealBuffer, DupCardCount, false);
        for (int i = 1; i <= DupCardCount; ++i) {
            s_.DupCard(i).SetCardValue(s_.DealBuffer[static_cast<std::size_t>(i)]);
        }
        display_.SetButtonLayout(4);
    }
    if (button == 2 || button == 4) {
        Gamble(button == 2);
    }
}

void GameTable::Gamble(bool choiceA) {
    const Card& card = s_.DupCard(s_.DupStep);
    if (GuessIsRight(settings_.DoubleUpMode(), choiceA, card)) {
        display_.SetIndicatorBlink(false);
        Reveal(true);
        // After the tenth right guess the offer is over; its indicator stays still.
        if (s_.DupActive) {
            display_.SetIndicatorBlink(true);
        }
    } else {
        Reveal(false);
    }
}

void GameTable::Reveal(bool won) {
    s_.Gambled = true;
    Card& card = s_.DupCard(s_.DupStep);
    card.ShowBack = false;
    display_.ShowDupCard(s_.DupStep, card);
    s_.Win = won ? SaturatingMul(s_.Win, 2) : 0;
    display_.ShowWin(s_.Win);
    if (won) {
        display_.PlaySoundEffect(Sound::DoubleUpWin);
        if (s_.DupStep < DupCardCount) {
            ++s_.DupStep;
            display_.ShowDupCard(s_.DupStep, s_.DupCard(s_.DupStep));
        } else {
            CollectWin(true);
            SetRoundState(0);
        }
    } else {
        RefillCheck();
        display_.SetIndicatorBlink(false);
        SetRoundState(0);
    }
}

void GameTable::ShowChoiceButtons() {
    if (!s_.DupActive) {
        display_.ShowChoiceButtons(ChoiceButtons::Off);
    } else {
        display_.ShowChoiceButtons(settings_.DoubleUpMode() == 2 ? ChoiceButtons::RedBlack
                                                                 : ChoiceButtons::SmallBig);
    }
}

void GameTable::TransferStep(std::int32_t amount) {
    display_.PlaySoundEffect(Sound::Cash);
    s_.Credit = SaturatingAdd(s_.Credit, amount);
    s_.Win = SaturatingAdd(s_.Win, -amount);
    display_.ShowCredit(s_.Credit);
    display_.ShowWin(s_.Win);
    display_.Repaint();
    pause_.Wait(TransferStepMs);
}

// Counts the win into the credit the way a coin hopper would: single credits for the
// odd part, then hundreds. Taking half pays the larger half and leaves the rest on offer.
void GameTable::CollectWin(bool all) {
    s_.Gambled = true;
    display_.SetIndicatorBlink(false);
    if (all) {
        if (s_.Win > WholeStep) {
            for (std::int32_t odd = s_.Win % WholeStep; odd > 0; --odd) {
                TransferStep(1);
            }
            while (s_.Win > 0) {
                TransferStep(WholeStep);
            }
        } else {
            while (s_.Win > 0) {
                TransferStep(1);
            }
        }
        RefillCheck();
        return;
    }
    const std::int32_t keep = s_.Win / 2;
    if (s_.Win > WholeStep) {
        TransferStep(s_.Win % WholeStep);
        while (s_.Win - keep >= WholeStep) {
            TransferStep(WholeStep);
        }
        if (s_.Win <= WholeStep) {
            while (s_.Win > keep) {
                TransferStep(1);
            }
        } else {
            TransferStep(s_.Win - keep);
        }
    } else {
        while (s_.Win > keep) {
            TransferStep(1);
        }
    }
    display_.SetIndicatorBlink(true);
}

}  // namespace orvane
