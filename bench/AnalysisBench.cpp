// Speed of the analysis engine: one hand's holds, the choice after a first-draw win, a
// whole standard game, the whole of this game, and the simulator on the game's table.
// Memory is measured outside: /usr/bin/time -v on orvane-analysis (see docs/analysis.md).

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "analysis/ClassicGames.h"
#include "analysis/HoldValues.h"
#include "analysis/OrvaneReturn.h"
#include "analysis/SecondDrawTables.h"
#include "analysis/Simulator.h"
#include "analysis/SingleDrawReturn.h"

namespace orvane::analysis {
namespace {

OrvaneTables& Tables() {
    static OrvaneTables tables;
    return tables;
}

// A fixed set of random deals, so each iteration values a different hand.
std::vector<FiveCards> RandomDeals(std::size_t count) {
    std::mt19937 random(53);
    std::vector<FiveCards> deals;
    std::vector<int> deck(53);
    for (int i = 0; i < 53; ++i) {
        deck[static_cast<std::size_t>(i)] = i;
    }
    for (std::size_t d = 0; d < count; ++d) {
        std::shuffle(deck.begin(), deck.end(), random);
        deals.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    return deals;
}

void BM_HoldsOfOneHand(benchmark::State& state) {
    const DrawTables& tables = Tables().ForRank(7);
    const auto worth = ClassWorth(DefaultMultipliers, {20.0, 300.0});
    const auto deals = RandomDeals(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ValueHolds(tables, deals[i++ % deals.size()], worth));
    }
}
BENCHMARK(BM_HoldsOfOneHand)->Unit(benchmark::kMicrosecond);

void BM_TakeOrDrawAgain(benchmark::State& state) {
    const DrawTables& tables = Tables().ForRank(7);
    const auto worth = ClassWorth(DefaultMultipliers, {20.0, 300.0});
    const auto deals = RandomDeals(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        // The hand after the draw, and the cards thrown away by it.
        const FiveCards& d = deals[i++ % deals.size()];
        int gone = (d[0] + 7) % 53;
        while (gone == d[0] || gone == d[1] || gone == d[2] || gone == d[3] || gone == d[4]) {
            gone = (gone + 1) % 53;
        }
        benchmark::DoNotOptimize(ChooseAfterWin(tables, d, worth, CardBit(gone)));
    }
}
BENCHMARK(BM_TakeOrDrawAgain)->Unit(benchmark::kMicrosecond);

void BM_FullJacksOrBetter96(benchmark::State& state) {
    const ClassicGame game = JacksOrBetter96();
    for (auto _ : state) {
        const DrawTables tables(game.Classes);
        benchmark::DoNotOptimize(SingleDrawReturn(tables, game.Pays));
    }
}
BENCHMARK(BM_FullJacksOrBetter96)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// One bonus rank, tables included: the best play for every deal at all ten countdowns.
void BM_OneRankOfThisGame(benchmark::State& state) {
    OrvaneOptions options;
    std::array<MeterTerms, Countdowns> terms{};
    for (int c = 0; c < Countdowns; ++c) {
        terms[static_cast<std::size_t>(c)] = {30.0 + c, 300.0 + c};
    }
    for (auto _ : state) {
        const DrawTables tables(OrvaneHandClasses(7));
        benchmark::DoNotOptimize(PlayOneRank(tables, 7, options, terms));
    }
}
BENCHMARK(BM_OneRankOfThisGame)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// One bonus rank surveyed once (tables built beforehand), then one pass of meter-aware
// play over the kept holds, as each later pass of policy iteration does it.
void BM_SurveyOneRankThenScan(benchmark::State& state) {
    const DrawTables& tables = Tables().ForRank(7);
    const OrvaneOptions options;
    std::array<MeterTerms, Countdowns> terms{};
    for (int c = 0; c < Countdowns; ++c) {
        terms[static_cast<std::size_t>(c)] = {30.0 + c, 300.0 + c};
    }
    for (auto _ : state) {
        const RankHoldSurvey survey(tables, 7, options);
        benchmark::DoNotOptimize(survey.Play(terms));
    }
}
BENCHMARK(BM_SurveyOneRankThenScan)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_ScanOneSurveyedRank(benchmark::State& state) {
    const OrvaneOptions options;
    const RankHoldSurvey survey(Tables().ForRank(7), 7, options);
    std::array<MeterTerms, Countdowns> terms{};
    for (int c = 0; c < Countdowns; ++c) {
        terms[static_cast<std::size_t>(c)] = {30.0 + c, 300.0 + c};
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(survey.Play(terms));
    }
}
BENCHMARK(BM_ScanOneSurveyedRank)->Unit(benchmark::kMillisecond)->UseRealTime();

// The second-draw tables of one bonus rank: every hand valued, then summed over sets.
void BM_SecondDrawTablesOneRank(benchmark::State& state) {
    const DrawTables& tables = Tables().ForRank(7);
    const auto worth = ClassWorth(DefaultMultipliers, {});
    for (auto _ : state) {
        const SecondDrawTables after(tables, DefaultMultipliers, worth);
        benchmark::DoNotOptimize(after.MemoryBytes());
    }
}
BENCHMARK(BM_SecondDrawTablesOneRank)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_SimulatorAutoHold(benchmark::State& state) {
    SimulationOptions options;
    options.Play = Strategy::Auto;
    constexpr std::int64_t Rounds = 2'000'000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SimulateOnTwoCores(Rounds, options));
    }
    state.SetItemsProcessed(state.iterations() * Rounds);
}
BENCHMARK(BM_SimulatorAutoHold)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

}  // namespace
}  // namespace orvane::analysis
