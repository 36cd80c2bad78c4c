#include "PrizeStatistics.h"

#include "Amount.h"

namespace orvane {

namespace {

// True when the counter moved; one at its ceiling stays there.
bool CountOne(std::int64_t& counter) {
    const std::int64_t before = counter;
    counter = SaturatingAdd64(counter, 1);
    return counter != before;
}

}  // namespace

void PrizeStatistics::CreditMoved(CreditMove move, std::int64_t amount, bool counted) {
    if (!counted) {
        return;
    }
    Statistics& stats = settings_.Stats();
    if (move == CreditMove::Added) {
        stats.CreditIn = SaturatingAdd64(stats.CreditIn, amount);
        stats.RunCreditIn = SaturatingAdd64(stats.RunCreditIn, amount);
    } else if (move == CreditMove::TakenOut) {
        stats.CreditOut = SaturatingAdd64(stats.CreditOut, amount);
        stats.RunCreditOut = SaturatingAdd64(stats.RunCreditOut, amount);
    }
}

// A win counts on its pay line for all time and for this run; giving it up takes back
// exactly what was added.
void PrizeStatistics::WinOffered(PrizeIndex prize, std::int32_t /*win*/) {
    Statistics& stats = settings_.Stats();
    const auto line = static_cast<std::size_t>(prize);
    table_.PrizeStatCounted = CountOne(stats.PrizeStat[line]);
    table_.RunPrizeStatCounted = CountOne(stats.RunPrizeStat[line]);
}

// A count can have lost the win since it was added: the session's counts start afresh
// under a resumed round, and the player may reset either set while the win is on offer.
// No other win can reach the line while this one is on offer, so a count at 0 has nothing
// of it left to give back.
void PrizeStatistics::WinGivenUp(PrizeIndex prize) {
    Statistics& stats = settings_.Stats();
    const auto line = static_cast<std::size_t>(prize);
    if (table_.PrizeStatCounted && stats.PrizeStat[line] > 0) {
        --stats.PrizeStat[line];
    }
    if (table_.RunPrizeStatCounted && stats.RunPrizeStat[line] > 0) {
        --stats.RunPrizeStat[line];
    }
    table_.PrizeStatCounted = false;
    table_.RunPrizeStatCounted = false;
}

}  // namespace orvane
