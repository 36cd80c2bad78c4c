#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "DrawTables.h"
#include "HoldCounts.h"
#include "OrvaneClasses.h"
#include "SingleDrawReturn.h"

namespace orvane::analysis {

enum class Strategy { Optimal, Auto };

// The bonus rank and the countdown of the bet being played: the meter's Markov state.
inline constexpr int Countdowns = 10;
inline constexpr int BonusRanks = LastOrvaneNumber - FirstOrvaneNumber + 1;

// The draw tables of the game for each bonus rank, built once (about 20 MB each).
class OrvaneTables {
  public:
    const DrawTables& ForRank(std::int32_t orvaneNumber);

  private:
    std::array<std::unique_ptr<DrawTables>, BonusRanks> tables_;
    // Every hand's class when none of its cards is of the bonus rank: the same for all
    // four ranks, so each rank classifies only the hands that hold its rank.
    std::vector<std::uint8_t> withoutBonusRank_;
};

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

// The whole game, every deal of the 53 cards weighed, draws counted exactly. A first-draw
// win is always taken here (see ChooseAfterWin for the second draw of one hand).
OrvaneFigures OrvaneReturn(OrvaneTables& tables, const OrvaneOptions& options,
                           const Progress& progress = {});

// The per-state figures of one strategy (fixed worth of meter terms per countdown) for one
// bonus rank; exposed for the meter chain tests.
std::array<StateFigures, Countdowns> PlayOneRank(
    const DrawTables& tables, std::int32_t orvaneNumber, const OrvaneOptions& options,
    const std::array<MeterTerms, Countdowns>& terms, const Progress& progress = {},
    std::vector<std::int64_t>* exactCounts = nullptr, std::int64_t* exactTotal = nullptr);

// What one meter state's play gives per round, per unit of bet, as far as the meter chain
// and the strategy's choice need it.
struct StatePlay {
    double LinePaid = 0;  // pay lines only, jackpots left out
    double Charged = 0;
    double StepProbability = 0;
    double JackpotProbability = 0;
};

// The deals of one bonus rank valued once and reduced to the holds that can be the best
// one at some worth of a step and of a jackpot that is not negative (a handful per deal);
// each later pass of meter-aware play only scans them. Chooses exactly as PlayOneRank.
class RankHoldSurvey {
  public:
    RankHoldSurvey(const DrawTables& tables, std::int32_t orvaneNumber,
                   const OrvaneOptions& options, const Progress& progress = {});
    ~RankHoldSurvey();
    RankHoldSurvey(RankHoldSurvey&&) noexcept;
    RankHoldSurvey& operator=(RankHoldSurvey&&) noexcept;

    // The best play at the given worth of meter terms per countdown (none negative).
    std::array<StatePlay, Countdowns> Play(const std::array<MeterTerms, Countdowns>& terms) const;

    // Every state's figures at those terms, as PlayOneRank gives them, only the chosen holds
    // counted. `tables` are the ones surveyed.
    std::array<StateFigures, Countdowns> Figures(
        const DrawTables& tables, const OrvaneOptions& options,
        const std::array<MeterTerms, Countdowns>& terms) const;

    std::size_t HoldsKept() const;
    std::size_t Deals() const;

  private:
    struct Shares;
    std::unique_ptr<Shares> shares_;
};

// The automatic hold depends on the order of the cards in the slots (which of two equal
// ranks it keeps, and the suit the joker takes), and a deal's slot order is uniform, so a
// deal is weighed over its 120 orders: how many orders keep each hold (bit s for the card
// at position s of `cards`). `everyOrder` plays all 120; otherwise, without the joker, one
// order per arrangement of the cards of each rank among themselves, which is all the hold
// can see of the order there.
std::array<int, HoldCount> AutoHoldOrders(const FiveCards& cards, std::int32_t orvaneNumber,
                                          bool everyOrder = false);

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

}  // namespace orvane::analysis
