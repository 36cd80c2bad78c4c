#include "HandHolds.h"

#include "AutoHold.h"

namespace orvane {

HandRanks RanksOf(const TableState& s) {
    HandRanks hand;
    for (int slot = 1; slot <= 5; ++slot) {
        hand.Rank[static_cast<std::size_t>(slot - 1)] = s.HandCard(slot).Rank;
        hand.Suit[static_cast<std::size_t>(slot - 1)] = SuitNumber(s.HandCard(slot).Suit);
    }
    return hand;
}

void HandHolds::Mark(bool afterDeal) {
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

void HandHolds::Toggle(int slot) {
    Card& card = s_.HandCard(slot);
    card.Held = !card.Held;
    display_.SetHoldMark(slot, card.Held);
    display_.SetHandCardHeld(slot, card);
    display_.Repaint();
    display_.PlaySoundEffect(Sound::HoldCard);
}

void HandHolds::Clear() {
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        display_.SetHoldMark(slot, false);
        card.Held = false;
        display_.SetHandCardHeld(slot, card);
    }
}

void HandHolds::HoldAll() {
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = s_.HandCard(slot);
        card.Held = true;
        display_.SetHandCardHeld(slot, card);
    }
}

bool HandHolds::AllHeld() const {
    for (int slot = 1; slot <= 5; ++slot) {
        if (!s_.HandCard(slot).Held) {
            return false;
        }
    }
    return true;
}

bool HandHolds::AnyHeld() const {
    for (int slot = 1; slot <= 5; ++slot) {
        if (s_.HandCard(slot).Held) {
            return true;
        }
    }
    return false;
}

}  // namespace orvane
