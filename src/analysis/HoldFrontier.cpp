#include "HoldFrontier.h"

#include <algorithm>
#include <bit>

namespace orvane::analysis {

namespace {

// Values here are at most a few thousand bets; a sum of three such terms rounds by far
// less than this.
constexpr double ClearlyBetter = 1e-9;

std::array<HoldBits, HoldCount> MakeTieOrder() {
    std::array<HoldBits, HoldCount> order{};
    std::size_t next = 0;
    for (int kept = 0; kept <= 5; ++kept) {
        for (HoldBits m = 0; m < HoldCount; ++m) {
            if (std::popcount(m) == kept) {
                order[next++] = m;
            }
        }
    }
    return order;
}

bool AtLeastAsGood(const HoldSummary& a, const HoldSummary& b) {
    return a.Base >= b.Base && a.Step >= b.Step && a.Jackpot >= b.Jackpot;
}

}  // namespace

const std::array<HoldBits, HoldCount>& HoldsInTieOrder() {
    static const std::array<HoldBits, HoldCount> order = MakeTieOrder();
    return order;
}

HoldBits BestHold(const std::array<HoldSummary, HoldCount>& summary, MeterTerms t) {
    HoldBits best = 0;
    double bestValue = -1e300;
    for (HoldBits m : HoldsInTieOrder()) {
        const double v = summary[m].ValueAt(t);
        if (v > bestValue) {
            bestValue = v;
            best = m;
        }
    }
    return best;
}

int UndominatedHolds(const std::array<HoldSummary, HoldCount>& summary,
                     std::array<HoldBits, HoldCount>& kept) {
    const auto& order = HoldsInTieOrder();
    int count = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HoldSummary& candidate = summary[order[i]];
        bool dominated = false;
        for (std::size_t j = 0; j < order.size() && !dominated; ++j) {
            if (j == i) {
                continue;
            }
            const HoldSummary& other = summary[order[j]];
            dominated = AtLeastAsGood(other, candidate) &&
                        (j < i || other.Base > candidate.Base + ClearlyBetter);
        }
        if (!dominated) {
            kept[static_cast<std::size_t>(count++)] = order[i];
        }
    }
    return count;
}

}  // namespace orvane::analysis
