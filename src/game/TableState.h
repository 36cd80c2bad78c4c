#pragma once

#include <array>
#include <cstdint>

#include "Card.h"
#include "Deck.h"
#include "PayTable.h"

namespace orvane {

// Everything the table knows between events. It lives as long as the main window;
// nothing of a running round is stored.
struct TableState {
    std::int32_t Credit = 0;
    std::int32_t BetIndex = 0;
    std::int32_t BetIndexAtDeal = 0;
    // Slots 1..5 the dealt hand, 6..10 and 11..15 the replacements of the two draws;
    // slots 1..10 are reused for the double-up cards.
    DealSlots DealBuffer{};
    std::int32_t RoundState = 0;  // 0 idle, 1 dealt, 2 won on the first draw, 3 on the second
    PrizeIndex LastPrize = NoPrize;
    std::int32_t WinRank = 0;
    std::int32_t SecondRank = 0;
    bool MeterStepFlag = false;
    bool JackpotFlag = false;
    std::int32_t SavedMeter = 0;
    std::int32_t OrvaneNumber = FirstOrvaneNumber;
    Multipliers Multiplier = DefaultMultipliers;
    // Stored and given back, but the ladder alone decides the bets.
    std::int32_t BetStep = 10;
    std::int32_t MinBet = 10;
    std::int32_t MaxBet = 100;
    std::int32_t Win = 0;
    bool DupActive = false;
    std::int32_t DupStep = 1;
    bool Gambled = false;
    bool Continued = false;
    bool Ready = false;

    std::array<Card, 6> Hand{};       // slots 1..5
    std::array<Card, 11> DupCards{};  // 1..10

    std::int32_t Bet() const { return BetLadder[static_cast<std::size_t>(BetIndex)]; }
    Card& HandCard(int slot) { return Hand[static_cast<std::size_t>(slot)]; }
    const Card& HandCard(int slot) const { return Hand[static_cast<std::size_t>(slot)]; }
    Card& DupCard(int index) { return DupCards[static_cast<std::size_t>(index)]; }
};

}  // namespace orvane
