#include "Simulator.h"

#include <cmath>
#include <thread>

#include "HoldValues.h"
#include "game/GameTable.h"
#include "game/NullDisplay.h"
#include "game/RoundRules.h"

namespace orvane::analysis {

namespace {

class PlainSettings final : public TableSettings {
  public:
    explicit PlainSettings(bool autoHold) : autoHold_(autoHold) {}
    bool AutoHoldEnabled() const override { return autoHold_; }
    DupMode DoubleUpMode() const override { return DupMode::SmallBig; }
    int HoldDelayMs() const override { return 0; }
    int DealDelayMs() const override { return 0; }
    Statistics& Stats() override { return stats_; }

  private:
    bool autoHold_;
    Statistics stats_;
};

constexpr std::int32_t TopUpBelow = 100'000;
constexpr std::int32_t TopUp = 1'000'000'000;

class TablePlayer {
  public:
    TablePlayer(const SimulationOptions& options, OrvaneTables* tables)
        : options_(options),
          tables_(tables),
          settings_(options.Play == Strategy::Auto),
          table_(display_, pause_, settings_) {
        table_.Start(options.Seed);
        table_.AddCredit(TopUp, false);
    }

    void PlayRound(SimulationTotals& totals) {
        TableState& s = table_.State();
        if (BetweenGames(s.RoundState, s.StageInFlight) && s.Credit < TopUpBelow) {
            table_.CashOut(false);
            table_.AddCredit(TopUp, false);
        }
        const std::int64_t before = s.Credit;
        const std::int32_t bet = BetLadder[static_cast<std::size_t>(s.BetIndex)];
        const int countdown = table_.Orvane().State[static_cast<std::size_t>(s.BetIndex)];
        const std::int32_t rank = s.OrvaneNumber;
        table_.Deal();
        std::int64_t charged = 1;
        std::int64_t unpaid = 0;  // a jackpot the game without the meter does not pay
        if (options_.Play == Strategy::Optimal) {
            HoldOptimally(rank, countdown);
        }
        bool anyHeld = false;
        bool allHeld = true;
        for (int slot = 1; slot <= 5; ++slot) {
            anyHeld |= s.HandCard(slot).Held;
            allHeld &= s.HandCard(slot).Held;
        }
        if (anyHeld || s.LastPrize != NoPrize) {
            // With no card held a dealt win is taken whole; a drawn card costs the bet.
            charged += anyHeld && !allHeld ? 1 : 0;
            CardMask thrownAway = 0;
            for (int slot = 1; slot <= 5; ++slot) {
                if (anyHeld && !s.HandCard(slot).Held) {
                    thrownAway |= CardBit(s.HandCard(slot).Value - 1);
                }
            }
            table_.Deal();
            if (StagePlaysFrom(s.RoundState, DrawStage::SecondDraw) &&
                options_.Play == Strategy::Optimal && options_.SecondDraw &&
                DrawAgain(rank, countdown, thrownAway)) {
                ++charged;
                ++totals.SecondDraws;
                table_.Deal();
            }
            if (WinPhase(s.RoundState)) {
                const bool jackpot =
                    table_.Orvane().State[static_cast<std::size_t>(s.BetIndex)] == 0;
                const std::int64_t line =
                    std::int64_t{bet} * s.Multiplier[static_cast<std::size_t>(s.LastPrize)];
                const std::int64_t jackpotBets = jackpot ? (s.Win - line) / bet : 0;
                if (options_.MeterPays) {
                    totals.JackpotPaid += jackpotBets;
                } else {
                    unpaid = jackpotBets;
                }
                ++totals.Lines[static_cast<std::size_t>(s.LastPrize)];
                table_.Cash();
            } else {
                ++totals.Lines[NoPrize];
            }
        } else {
            // Nothing held and nothing won: the table deals afresh at the next DEAL, so
            // this round ends here with its deal charged.
            ++totals.Lines[NoPrize];
        }
        totals.Draws += charged - 1;
        const std::int64_t net = (s.Credit - before) / bet;
        const std::int64_t paid = net + charged - unpaid;
        ++totals.Rounds;
        totals.Charged += charged;
        totals.Paid += paid;
        totals.SumPaidSq += static_cast<double>(paid * paid);
        totals.SumChargedSq += static_cast<double>(charged * charged);
        totals.SumPaidCharged += static_cast<double>(paid * charged);
        if ((totals.Rounds & 0xFFFFF) == 0) {
            settings_.Stats() = Statistics{};  // keep the counters far from their limit
        }
    }

  private:
    MeterTerms TermsFor(std::int32_t rank, int countdown) const {
        if (options_.Terms.empty()) {
            return {};
        }
        return options_.Terms[static_cast<std::size_t>((rank - FirstOrvaneNumber) * Countdowns +
                                                       countdown - 1)];
    }

    // After a first-draw win: give it up (DEAL) and hold for the second draw when that is
    // worth more. The meter is back at its countdown before the win once the win is given
    // up, so the same terms apply.
    bool DrawAgain(std::int32_t rank, int countdown, CardMask thrownAway) {
        TableState& s = table_.State();
        FiveCards hand{};
        for (int slot = 1; slot <= 5; ++slot) {
            hand[static_cast<std::size_t>(slot - 1)] = s.HandCard(slot).Value - 1;
        }
        const SecondDrawChoice choice =
            ChooseAfterWin(tables_->ForRank(rank), hand,
                           ClassWorth(s.Multiplier, TermsFor(rank, countdown)), thrownAway);
        if (!choice.DrawAgain()) {
            return false;
        }
        table_.Deal();  // gives the win up
        for (int slot = 1; slot <= 5; ++slot) {
            if ((choice.DrawHold >> (slot - 1) & 1U) != 0) {
                table_.Hold(slot);
            }
        }
        return true;
    }

    void HoldOptimally(std::int32_t rank, int countdown) {
        TableState& s = table_.State();
        FiveCards hand{};
        for (int slot = 1; slot <= 5; ++slot) {
            hand[static_cast<std::size_t>(slot - 1)] = s.HandCard(slot).Value - 1;
        }
        MeterTerms terms;
        if (!options_.Terms.empty()) {
            terms = options_.Terms[static_cast<std::size_t>(
                (rank - FirstOrvaneNumber) * Countdowns + countdown - 1)];
        }
        const HandValues v =
            ValueHolds(tables_->ForRank(rank), hand, ClassWorth(s.Multiplier, terms));
        if (v.Best == 0) {
            return;
        }
        for (int slot = 1; slot <= 5; ++slot) {
            if ((v.Best >> (slot - 1) & 1U) != 0) {
                table_.Hold(slot);
            }
        }
    }

    const SimulationOptions& options_;
    OrvaneTables* tables_;
    NullDisplay display_;
    NoPause pause_;
    PlainSettings settings_;
    GameTable table_;
};

}  // namespace

void SimulationTotals::Add(const SimulationTotals& o) {
    Rounds += o.Rounds;
    Charged += o.Charged;
    Paid += o.Paid;
    JackpotPaid += o.JackpotPaid;
    Draws += o.Draws;
    SecondDraws += o.SecondDraws;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        Lines[i] += o.Lines[i];
    }
    SumPaidSq += o.SumPaidSq;
    SumChargedSq += o.SumChargedSq;
    SumPaidCharged += o.SumPaidCharged;
}

double SimulationTotals::Return() const {
    return Charged == 0 ? 0.0 : static_cast<double>(Paid) / static_cast<double>(Charged);
}

double SimulationTotals::ReturnError() const {
    if (Rounds < 2) {
        return 0.0;
    }
    const double n = static_cast<double>(Rounds);
    const double r = Return();
    const double meanCharged = static_cast<double>(Charged) / n;
    // Spread of paid - r x charged per round.
    const double meanD = (static_cast<double>(Paid) - r * static_cast<double>(Charged)) / n;
    const double meanD2 = (SumPaidSq - 2 * r * SumPaidCharged + r * r * SumChargedSq) / n;
    const double variance = std::max(0.0, meanD2 - meanD * meanD);
    return std::sqrt(variance / n) / meanCharged;
}

SimulationTotals Simulate(std::int64_t rounds, const SimulationOptions& options,
                          OrvaneTables* tables, const std::function<void(std::int64_t)>& progress) {
    if (options.Play == Strategy::Optimal && tables == nullptr) {
        throw std::invalid_argument("optimal play needs the draw tables");
    }
    SimulationTotals totals;
    TablePlayer player(options, tables);
    for (std::int64_t i = 0; i < rounds; ++i) {
        player.PlayRound(totals);
        if (progress && (i & 0xFFFF) == 0) {
            progress(i);
        }
    }
    return totals;
}

std::uint32_t SecondTableSeed(std::uint32_t seed) {
    // A 32-bit hash finaliser: every bit of the seed moves about half of the bits of the
    // result, so neighbouring seeds give second tables far apart.
    std::uint32_t x = seed + 0x9E3779B9U;
    x = (x ^ (x >> 16)) * 0x85EBCA6BU;
    x = (x ^ (x >> 13)) * 0xC2B2AE35U;
    return x ^ (x >> 16);
}

SimulationTotals SimulateOnTwoCores(std::int64_t rounds, const SimulationOptions& options,
                                    OrvaneTables* tables,
                                    const std::function<void(std::int64_t)>& progress) {
    if (tables != nullptr) {
        // Built before the threads start, so the two never build the same table.
        for (std::int32_t r = FirstOrvaneNumber; r <= LastOrvaneNumber; ++r) {
            tables->ForRank(r);
        }
    }
    SimulationOptions second = options;
    second.Seed = SecondTableSeed(options.Seed);
    SimulationTotals other;
    std::thread worker([&] { other = Simulate(rounds / 2, second, tables); });
    SimulationTotals totals = Simulate(rounds - rounds / 2, options, tables, progress);
    worker.join();
    totals.Add(other);
    return totals;
}

}  // namespace orvane::analysis
