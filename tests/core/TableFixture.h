#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "FakeDisplay.h"

namespace orvane::test {

// Card values by rank and suit, to write hands readably.
constexpr CardValue C(int rank, int suit) {
    return (suit - 1) * 13 + rank;
}
inline constexpr CardValue Joker = JokerValue;

// A started table with recording display, pause and settings.
class TableFixture : public ::testing::Test {
  protected:
    TableFixture() : table(display, pause, settings) {}

    void StartWithCredit(std::int32_t credit, std::uint32_t seed = 1) {
        table.Start(seed);
        if (credit > 0) {
            ASSERT_EQ(table.AddCredit(credit, true), CreditChange::Done);
        }
        display.ClearLog();
        pause.waits.clear();
        pause.total = 0;
    }

    // Puts a dealt hand on the table as if PlayStage(1) had run, with the given cards
    // held and the replacement cards of both draws, so a draw can be scripted exactly.
    void StackDealtHand(const std::array<CardValue, 5>& hand, const std::array<bool, 5>& held,
                        const std::array<CardValue, 5>& firstDraw,
                        const std::array<CardValue, 5>& secondDraw = {1, 2, 3, 4, 5}) {
        TableState& s = table.State();
        for (int slot = 1; slot <= 5; ++slot) {
            const auto i = static_cast<std::size_t>(slot - 1);
            s.DealBuffer[i + 1] = hand[i];
            s.DealBuffer[i + 6] = firstDraw[i];
            s.DealBuffer[i + 11] = secondDraw[i];
            Card& card = s.HandCard(slot);
            card.SetCardValue(hand[i]);
            card.ShowBack = false;
            card.Held = held[i];
        }
        s.RoundState = RoundPhase::Dealt;
        s.LastPrize = NoPrize;
        s.BetIndexAtDeal = s.BetIndex;
    }

    // J♣ J♠ 2♥ 5♦ 9♣ dealt with the jacks held; the first draw brings three blanks: a
    // first-draw win of bet x the high pair's multiplier.
    void DrawHighPair() {
        table.Deal();
        StackDealtHand({C(11, 1), C(11, 4), C(2, 2), C(5, 3), C(9, 1)},
                       {true, true, false, false, false}, {0, 0, C(3, 1), C(6, 2), C(13, 3)});
        table.Deal();
    }

    // That win on offer on a table started with `credit`, the logs cleared.
    void OfferHighPair(std::int32_t credit = 100) {
        StartWithCredit(credit, 11);
        DrawHighPair();
        ASSERT_TRUE(table.DoubleUpOffer().IsOpen());
        display.ClearLog();
        pause.waits.clear();
    }

    std::array<CardValue, 6> ShownHand() const {
        std::array<CardValue, 6> values{};
        for (std::size_t i = 1; i <= 5; ++i) {
            values[i] = display.hand[i].Value;
        }
        return values;
    }

    int CountWaits(int ms) const {
        return static_cast<int>(std::count(pause.waits.begin(), pause.waits.end(), ms));
    }

    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table;
};

}  // namespace orvane::test
