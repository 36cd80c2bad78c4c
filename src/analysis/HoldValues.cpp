#include "HoldValues.h"

#include <algorithm>
#include <bit>

namespace orvane::analysis {

std::vector<HoldValue> HandValues::Ranked() const {
    std::vector<HoldValue> ranked(Holds.begin(), Holds.end());
    std::stable_sort(ranked.begin(), ranked.end(), [](const HoldValue& a, const HoldValue& b) {
        if (a.Value != b.Value) {
            return a.Value > b.Value;
        }
        return std::popcount(a.Hold) < std::popcount(b.Hold);
    });
    return ranked;
}

HandValues ValueHolds(const DrawTables& tables, const FiveCards& hand,
                      const std::vector<double>& worth, CardMask dead) {
    const HoldOutcomes o = CountHoldOutcomes(tables, hand, dead);
    const auto k = static_cast<std::size_t>(o.ClassCount);
    HandValues v;
    CardMask handMask = 0;
    for (int card : hand) {
        handMask |= CardBit(card);
    }
    v.StandValue = worth[static_cast<std::size_t>(tables.ClassOf(handMask))];
    for (HoldBits m = 0; m < HoldCount; ++m) {
        HoldValue& h = v.Holds[m];
        h.Hold = m;
        h.Probability.assign(k, 0.0);
        if (m == 0 || m == HoldAll) {
            h.Probability[static_cast<std::size_t>(tables.ClassOf(handMask))] = 1.0;
            h.Value = v.StandValue;
            continue;
        }
        const std::int64_t* c = o.Of(m);
        const double draws = static_cast<double>(o.Draws[m]);
        double sum = 0;
        for (std::size_t j = 0; j < k; ++j) {
            h.Probability[j] = static_cast<double>(c[j]) / draws;
            sum += h.Probability[j] * worth[j];
        }
        h.DrawCost = 1.0;
        h.Value = sum - h.DrawCost;
    }
    v.Best = v.Ranked().front().Hold;
    return v;
}

SecondDrawChoice ChooseAfterWin(const DrawTables& tables, const FiveCards& hand,
                                const std::vector<double>& worth, CardMask thrownAway) {
    const HandValues v = ValueHolds(tables, hand, worth, thrownAway);
    SecondDrawChoice choice;
    choice.TakeValue = v.StandValue;
    choice.DrawValue = -1e300;
    for (const HoldValue& h : v.Holds) {
        if (h.Hold != 0 && h.Hold != HoldAll && h.Value > choice.DrawValue) {
            choice.DrawValue = h.Value;
            choice.DrawHold = h.Hold;
        }
    }
    return choice;
}

}  // namespace orvane::analysis
