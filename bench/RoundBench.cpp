#include <benchmark/benchmark.h>

#include "NullTable.h"

namespace orvane::bench {
namespace {

// Whole rounds through the four events, as a player pressing keys as fast as the table
// allows: deal, draw (with the auto-hold's choice), collect a win when one is offered.
void HeadlessRounds(benchmark::State& state) {
    NullDisplay display;
    NullPause pause;
    ZeroDelaySettings settings;
    GameTable table(display, pause, settings);
    table.Start(1700000000U);
    constexpr std::int32_t Refill = 1000000000;
    table.AddCredit(Refill, false);

    std::int64_t wins = 0;
    for (auto _ : state) {
        if (table.State().Credit < 1000) {
            table.AddCredit(Refill, false);
        }
        table.Deal();
        // Without a hold and a prize a second DEAL would deal afresh instead of drawing.
        bool anyHeld = false;
        for (int slot = 1; slot <= 5; ++slot) {
            anyHeld = anyHeld || table.State().HandCard(slot).Held;
        }
        if (!anyHeld) {
            table.Hold(1);
        }
        table.Deal();
        if (table.DoubleUpOffer().IsOpen()) {
            table.Cash();
            ++wins;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["win_share"] =
        benchmark::Counter(static_cast<double>(wins), benchmark::Counter::kAvgIterations);
}
BENCHMARK(HeadlessRounds);

}  // namespace
}  // namespace orvane::bench
