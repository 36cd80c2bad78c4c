#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "OrvaneClasses.h"

namespace orvane::analysis {

enum class Strategy { Optimal, Auto };

// The bonus rank and the countdown of the bet being played: the meter's Markov state.
inline constexpr int Countdowns = 10;
inline constexpr int BonusRanks = LastOrvaneNumber - FirstOrvaneNumber + 1;

// What one meter state's play gives, per round, per unit of bet.
struct StateFigures {
    std::vector<double> ClassProbability;       // of the final hand, OrvaneClassCount entries
    std::vector<double> DrawnClassProbability;  // the same, for rounds that paid a draw
    double Charged = 0;                         // the deal, and the draw when there is one
    double StepProbability = 0;
    double JackpotProbability = 0;
};

struct OrvaneFigures {
    double Return = 0;                    // paid / charged in the long run
    double NetPerRound = 0;               // paid - charged, per unit of bet
    double Variance = 0;                  // of one round's paid - charged, per unit of bet squared
    double ChargedPerRound = 0;           // 1 for the deal plus the chance of a draw
    double MeterShare = 0;                // share of all paid that comes from jackpots
    std::vector<double> LineProbability;  // final pay line 0..11 per round
    // Meter off only: exact counts of each pay line 0..11 over Total, the four bonus ranks
    // weighed alike.
    std::vector<std::int64_t> Counts;
    std::int64_t Total = 0;
    // Meter on: the long-run share of rounds in each (rank, countdown) state.
    std::vector<double> StateShare;
    // Meter on, optimal: the worth of a meter step and of a jackpot hand in each state,
    // beyond the pay line, as the meter-aware strategy values them.
    std::vector<MeterTerms> StateTerms;
    // Meter-aware play: the rounds of policy iteration run, and the change in net per round
    // made by the last one (0 when the strategy stopped changing).
    int Passes = 1;
    double LastGainChange = 0;
    // The work was stopped before its end (OrvaneOptions::Stop): the figures mean nothing.
    bool Stopped = false;
    // What each (rank, countdown) state's play gives under the final strategy.
    std::array<std::array<StateFigures, Countdowns>, BonusRanks> States;
};

struct OrvaneOptions {
    Multipliers Pays = DefaultMultipliers;
    Strategy Play = Strategy::Optimal;
    bool Meter = true;
    // With the meter: value its terms when choosing holds (false plays as if it did not
    // exist, and only counts what it pays).
    bool MeterAware = true;
    // Meter-aware play: value every deal once and scan the holds that can be best in the
    // later passes (false values every deal again in every pass; the same figures, slower).
    bool SurveyHolds = true;
    // Raised from another thread: the work ends at the next bonus rank and gives figures
    // marked Stopped (one rank's play is not broken off, so that its threads end whole).
    const std::atomic<bool>* Stop = nullptr;
};

// What one meter state's play gives per round, per unit of bet, as far as the meter chain
// and the strategy's choice need it.
struct StatePlay {
    double LinePaid = 0;  // pay lines only, jackpots left out
    double Charged = 0;
    double StepProbability = 0;
    double JackpotProbability = 0;
};

}  // namespace orvane::analysis
