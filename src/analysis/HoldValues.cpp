#include "HoldValues.h"

#include <algorithm>
#include <bit>
#include <thread>

#include "OrvaneClasses.h"

namespace orvane::analysis {

std::vector<HoldValue> HandValues::Ranked() const {
    std::vector<HoldValue> ranked(Holds.begin(), Holds.end());
    const bool noneStands = KeepingNoneStands;
    auto kept = [noneStands](HoldBits hold) {
        return hold == 0 && noneStands ? 6 : std::popcount(hold);
    };
    std::stable_sort(ranked.begin(), ranked.end(), [&kept](const HoldValue& a, const HoldValue& b) {
        if (a.Value != b.Value) {
            return a.Value > b.Value;
        }
        if (a.JackpotChance != b.JackpotChance) {
            return a.JackpotChance > b.JackpotChance;
        }
        if (a.StepChance != b.StepChance) {
            return a.StepChance > b.StepChance;
        }
        return kept(a.Hold) > kept(b.Hold);
    });
    return ranked;
}

namespace {

// In this game each hold's chances of moving the meter, for the order of equal holds.
void AddMeterChances(const DrawTables& tables, HandValues& v) {
    if (tables.DeckSize() != 53 || tables.ClassCount() != OrvaneClassCount) {
        return;
    }
    for (HoldValue& h : v.Holds) {
        for (std::size_t c = 0; c < h.Probability.size(); ++c) {
            const MeterEffect e = MeterEffectOfClass(static_cast<int>(c));
            h.StepChance += e == MeterEffect::Step ? h.Probability[c] : 0.0;
            h.JackpotChance += e == MeterEffect::Jackpot ? h.Probability[c] : 0.0;
        }
    }
}

}  // namespace

HandValues ValueSingleDrawHolds(const DrawTables& tables, const FiveCards& hand,
                                const std::vector<double>& worth) {
    const HoldOutcomes o = CountHoldOutcomes(tables, hand);
    const auto k = static_cast<std::size_t>(o.ClassCount);
    HandValues v;
    v.KeepingNoneStands = false;
    for (HoldBits m = 0; m < HoldCount; ++m) {
        HoldValue& h = v.Holds[m];
        h.Hold = m;
        h.Probability.assign(k, 0.0);
        const std::int64_t* c = o.Of(m);
        const double draws = static_cast<double>(o.Draws[m]);
        for (std::size_t j = 0; j < k; ++j) {
            h.Probability[j] = static_cast<double>(c[j]) / draws;
            h.Value += h.Probability[j] * worth[j];
        }
    }
    v.StandValue = v.Holds[HoldAll].Value;
    v.Best = v.Ranked().front().Hold;
    return v;
}

HandValues ValueHolds(const DrawTables& tables, const FiveCards& hand,
                      const std::vector<double>& worth, CardMask dead) {
    const HoldOutcomes o = CountHoldOutcomes(tables, hand, dead);
    const auto k = static_cast<std::size_t>(o.ClassCount);
    HandValues v;
    const CardMask handMask = MaskOf(hand);
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
    AddMeterChances(tables, v);
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

namespace orvane::analysis {

namespace {

// A final hand after the first draw: its worth if taken, or the best second draw.
double AfterFirstDraw(const DrawTables& tables, const FiveCards& hand, CardMask thrownAway,
                      const std::vector<double>& worth, int cls) {
    const double take = worth[static_cast<std::size_t>(cls)];
    if (cls == 0) {
        return take;  // no win: the round is over
    }
    const SecondDrawChoice c = ChooseAfterWin(tables, hand, worth, thrownAway);
    return std::max(take, c.DrawValue);
}

// The sum over every draw of one hold of what the final hand is worth with the option.
double SumOverDraws(const DrawTables& tables, const FiveCards& hand, HoldBits hold,
                    const std::vector<double>& worth) {
    CardMask seen = 0;
    CardMask thrownAway = 0;
    std::vector<std::size_t> open;
    for (std::size_t s = 0; s < 5; ++s) {
        seen |= CardBit(hand[s]);
        if ((hold >> s & 1U) == 0) {
            thrownAway |= CardBit(hand[s]);
            open.push_back(s);
        }
    }
    std::vector<int> unseen;
    for (int c = 0; c < tables.DeckSize(); ++c) {
        if ((seen & CardBit(c)) == 0) {
            unseen.push_back(c);
        }
    }
    const std::size_t k = open.size();
    std::vector<std::size_t> pick(k);
    for (std::size_t i = 0; i < k; ++i) {
        pick[i] = i;
    }
    double sum = 0;
    while (true) {
        FiveCards final = hand;
        CardMask finalMask = 0;
        for (std::size_t i = 0; i < k; ++i) {
            final[open[i]] = unseen[pick[i]];
        }
        for (int c : final) {
            finalMask |= CardBit(c);
        }
        sum += AfterFirstDraw(tables, final, thrownAway, worth, tables.ClassOf(finalMask));
        std::size_t i = k;
        while (i > 0 && pick[i - 1] == unseen.size() - k + i - 1) {
            --i;
        }
        if (i == 0) {
            break;
        }
        ++pick[i - 1];
        for (std::size_t j = i; j < k; ++j) {
            pick[j] = pick[j - 1] + 1;
        }
    }
    return sum;
}

}  // namespace

HandValues ValueHoldsWithSecondDraw(const DrawTables& tables, const FiveCards& hand,
                                    const std::vector<double>& worth, std::uint32_t which) {
    HandValues v = ValueHolds(tables, hand, worth);
    const CardMask handMask = MaskOf(hand);
    v.StandValue = AfterFirstDraw(tables, hand, 0, worth, tables.ClassOf(handMask));
    v.Holds[0].Value = v.StandValue;
    v.Holds[HoldAll].Value = v.StandValue;
    // The holds that draw, shared out between two threads by turns.
    std::array<double, HoldCount> sums{};
    auto work = [&](unsigned parity) {
        for (HoldBits m = 1 + parity; m < HoldAll; m += 2) {
            if ((which >> m & 1U) != 0) {
                sums[m] = SumOverDraws(tables, hand, m, worth);
            }
        }
    };
    std::thread other(work, 1U);
    work(0U);
    other.join();
    for (HoldBits m = 1; m < HoldAll; ++m) {
        if ((which >> m & 1U) == 0) {
            continue;
        }
        HoldValue& h = v.Holds[m];
        h.Value = sums[m] / static_cast<double>(
                                Binomial::Of(tables.DeckSize() - 5, 5 - std::popcount(m))) -
                  h.DrawCost;
    }
    v.Best = v.Ranked().front().Hold;
    return v;
}

}  // namespace orvane::analysis
