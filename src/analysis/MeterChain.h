#pragma once

#include <array>
#include <vector>

#include "OrvaneFigures.h"

namespace orvane::analysis {

// The long-run figures of the meter chain given each state's figures, indexed
// [rank - 7][countdown - 1]; countdown c goes to c - 1 on a step; a jackpot, or a step
// from 1, pays bet x rank x 100 and moves to countdown 10 of the next rank.
struct ChainSolution {
    double Paid = 0;
    double Charged = 0;
    double SecondMoment = 0;  // of paid - charged per round
    std::vector<double> Share;
    std::vector<double> Bias;  // relative value of each state, for the next strategy
    double JackpotPaid = 0;
};
ChainSolution SolveMeterChain(
    const std::array<std::array<StateFigures, Countdowns>, BonusRanks>& states,
    const Multipliers& pays);
// The worth of a step and of a jackpot hand in each state, (rank - 7) x 10 + countdown - 1,
// as the chain's relative state values give them: the prices of the next strategy.
std::vector<MeterTerms> MeterTermsOfChain(const ChainSolution& chain);
// The same from what each state's play gives; SecondMoment is left 0.
ChainSolution SolveMeterChain(
    const std::array<std::array<StatePlay, Countdowns>, BonusRanks>& play);

// The next strategy values a step and a jackpot by where they move the chain.
std::array<std::array<MeterTerms, Countdowns>, BonusRanks> TermsFromChain(
    const ChainSolution& chain);
// No worth of a step or of a jackpot is below 0.
bool AllNotNegative(const std::array<std::array<MeterTerms, Countdowns>, BonusRanks>& terms);

}  // namespace orvane::analysis
