#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "OrvaneReturn.h"

namespace orvane::analysis {

// Rounds played on the game's own table with its own random source, no pauses and
// nothing shown, at the smallest bet.
struct SimulationTotals {
    std::int64_t Rounds = 0;
    std::int64_t Charged = 0;  // in bets
    std::int64_t Paid = 0;     // in bets, jackpots included
    std::int64_t JackpotPaid = 0;
    std::int64_t Draws = 0;
    std::int64_t SecondDraws = 0;
    std::array<std::int64_t, PrizeLines + 1> Lines{};  // final pay line of each round
    // Sums for the spread of paid - R x charged per round, R the return.
    double SumPaidSq = 0;
    double SumChargedSq = 0;
    double SumPaidCharged = 0;

    void Add(const SimulationTotals& other);
    double Return() const;
    // One standard error of Return(), by the delta method over rounds.
    double ReturnError() const;
};

struct SimulationOptions {
    Strategy Play = Strategy::Auto;
    std::uint32_t Seed = 1;
    // Optimal play: the worth of meter terms per (rank - 7) x 10 + countdown - 1; empty
    // plays as if there were no meter (the meter still pays).
    std::vector<MeterTerms> Terms;
    // Optimal play: give a first-draw win up when the best second draw is worth more.
    // Otherwise every first-draw win is taken.
    bool SecondDraw = false;
    // False: the game without the meter's jackpots. The table still runs its meter, but
    // what a jackpot adds to a win is left out of what is paid.
    bool MeterPays = true;
};

// Plays `rounds` rounds on one table. Optimal play needs the game's draw tables.
SimulationTotals Simulate(std::int64_t rounds, const SimulationOptions& options,
                          OrvaneTables* tables = nullptr,
                          const std::function<void(std::int64_t)>& progress = {});

// The seed of the second table when the rounds are shared by two: scrambled from the
// first, so that runs with neighbouring seeds do not share a table's deals.
std::uint32_t SecondTableSeed(std::uint32_t seed);

// The same on two tables at once, seeds S and SecondTableSeed(S), each playing half of the
// rounds (the first table the odd one out); the totals are merged. Same seed, same result.
SimulationTotals SimulateOnTwoCores(std::int64_t rounds, const SimulationOptions& options,
                                    OrvaneTables* tables = nullptr,
                                    const std::function<void(std::int64_t)>& progress = {});

}  // namespace orvane::analysis
