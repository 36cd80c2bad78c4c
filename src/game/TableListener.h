#pragma once

#include <array>
#include <cstdint>

#include "Card.h"
#include "DrawStage.h"
#include "GameRecord.h"
#include "PayTable.h"

namespace orvane {

struct TableState;
struct TOrvane;

// How money moved between the player and the credit.
enum class CreditMove {
    Added,     // coins, or credit given back by an earlier run
    TakenOut,  // a cash-out
    Charged,   // the stake of a deal or a draw
};

// Told of each step of a round as the table takes it, in the order it takes them. The
// records of play (the last games, the audit, the statistics) and the advisor follow the
// table through it; nothing a listener does changes the round. Every call has an empty
// default, so a listener names only the steps it cares about.
class TableListener {
  public:
    virtual ~TableListener() = default;

    // A new deal is about to be charged: the bet, the credit before it and the five cards.
    virtual void Dealing(std::int32_t /*bet*/, std::int32_t /*credit*/,
                         const std::array<CardValue, 5>& /*cards*/) {}
    // A draw is paid for: what was held and the hand it gives, before it is turned up.
    virtual void Drawing(DrawStage /*stage*/, const GameDraw& /*draw*/) {}
    // The stage's cards are face up and the round stands where the stage left it.
    virtual void StageShown(DrawStage /*stage*/, const TableState& /*table*/,
                            const TOrvane& /*meter*/) {}
    virtual void WinOffered(PrizeIndex /*prize*/, std::int32_t /*win*/) {}
    // Given up for a second draw; the hand waits for the second draw's holds.
    virtual void WinGivenUp(PrizeIndex /*prize*/) {}
    virtual void Guessed(const GameGuess& /*guess*/) {}
    // What left the offer for the credit.
    virtual void Collected(std::int32_t /*amount*/) {}
    // counted: the player's statistics see it (credit given back by a run that kept it
    // does not count again).
    virtual void CreditMoved(CreditMove /*move*/, std::int64_t /*amount*/, bool /*counted*/) {}
    virtual void RoundEnded(std::int32_t /*credit*/) {}
    virtual void OutOfServiceChanged(bool /*outOfService*/) {}
};

}  // namespace orvane
