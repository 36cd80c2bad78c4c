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
    // Keeping none stands on the deal here just as keeping all five does; of the two the
    // engine names keeping none (DEAL with nothing held takes a dealt win, or deals afresh).
    order[next++] = 0;
    for (int kept = 5; kept >= 1; --kept) {
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

bool Beats(const HoldSummary& a, const HoldSummary& b, MeterTerms t) {
    const double va = a.ValueAt(t);
    const double vb = b.ValueAt(t);
    if (va != vb) {
        return va > vb;
    }
    if (a.Jackpot != b.Jackpot) {
        return a.Jackpot > b.Jackpot;
    }
    return a.Step > b.Step;
}

HoldBits BestHold(const std::array<HoldSummary, HoldCount>& summary, MeterTerms t) {
    const auto& order = HoldsInTieOrder();
    HoldBits best = order.front();
    for (HoldBits m : order) {
        if (Beats(summary[m], summary[best], t)) {
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
