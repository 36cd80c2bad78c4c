#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "Card.h"
#include "Deck.h"
#include "DrawStage.h"
#include "PayTable.h"
#include "RoundPhase.h"

namespace orvane {

// Everything the table knows between events. It lives as long as the main window; a
// snapshot of it (with the rest of the table) lets a running round outlive the program.
struct TableState {
    std::int32_t Credit = 0;
    std::int32_t BetIndex = 0;
    std::int32_t BetIndexAtDeal = 0;
    // Slots 1..5 the dealt hand, 6..10 and 11..15 the replacements of the two draws;
    // the double-up draws its cards into slots 1..10.
    DealSlots DealBuffer{};
    RoundPhase RoundState = RoundPhase::Idle;
    // The stage that has been paid for and whose cards are drawn but not yet turned up
    // and settled.
    std::optional<DrawStage> StageInFlight;
    PrizeIndex LastPrize = NoPrize;
    std::int32_t WinRank = 0;
    std::int32_t SecondRank = 0;
    bool MeterStepFlag = false;
    bool JackpotFlag = false;
    std::int32_t OrvaneNumber = FirstOrvaneNumber;
    Multipliers Multiplier = DefaultMultipliers;
    // Stored and given back, but the ladder alone decides the bets.
    std::int32_t BetStep = 10;
    std::int32_t MinBet = 10;
    std::int32_t MaxBet = 100;
    // The win on offer, doubled or halved by the double-up until it is collected.
    std::int32_t Win = 0;
    // The first-draw win was given up for a second draw.
    bool Continued = false;
    // Whether the win on offer really raised its all-time and run counters (one at its
    // ceiling does not move), so giving the win up takes back exactly what was added.
    bool PrizeStatCounted = false;
    bool RunPrizeStatCounted = false;
    bool Ready = false;

    std::array<Card, 6> Hand{};  // slots 1..5

    std::int32_t Bet() const { return BetLadder[static_cast<std::size_t>(BetIndex)]; }
    Card& HandCard(int slot) { return Hand[static_cast<std::size_t>(slot)]; }
    const Card& HandCard(int slot) const { return Hand[static_cast<std::size_t>(slot)]; }
};

}  // namespace orvane
