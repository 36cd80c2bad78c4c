#include <benchmark/benchmark.h>

#include <vector>

#include "game/AutoHold.h"
#include "game/Deck.h"
#include "game/HandEvaluator.h"

namespace orvane::bench {
namespace {

// Dealt hands as the table deals them (the joker in about one hand of ten), made before
// timing starts. A power of two keeps the index a mask.
std::vector<HandRanks> DealtHands() {
    constexpr std::size_t Count = 1U << 14;
    std::vector<HandRanks> hands(Count);
    RandomSource random;
    random.Seed(1700000000U);
    DealSlots buffer{};
    for (HandRanks& hand : hands) {
        DrawDeck(random, buffer, 5, true);
        for (std::size_t i = 0; i < 5; ++i) {
            hand.Rank[i] = RankOfValue(buffer[i + 1]);
            hand.Suit[i] = SuitOfValue(buffer[i + 1]);
        }
    }
    return hands;
}

void EvaluateHands(benchmark::State& state) {
    const std::vector<HandRanks> hands = DealtHands();
    const std::size_t mask = hands.size() - 1;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Evaluate(hands[i++ & mask], 7));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateHands);

// The auto-hold after a deal: evaluation plus the choice of cards.
void EvaluateAndChooseHolds(benchmark::State& state) {
    const std::vector<HandRanks> hands = DealtHands();
    const std::size_t mask = hands.size() - 1;
    std::size_t i = 0;
    for (auto _ : state) {
        const HandRanks& hand = hands[i++ & mask];
        const Evaluation e = Evaluate(hand, 7);
        benchmark::DoNotOptimize(ChooseHolds(hand, e.Prize, e.WinRank, e.SecondRank));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateAndChooseHolds);

}  // namespace
}  // namespace orvane::bench
