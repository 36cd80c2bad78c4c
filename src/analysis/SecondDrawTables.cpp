#include "SecondDrawTables.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "DealClasses.h"

namespace orvane::analysis {

namespace {

constexpr int Workers = 2;

// Calls f(mask) for every set of `size` cards out of the first n.
template <typename F>
void ForEachSet(int n, int size, F&& f, CardMask above = 0, int limit = -1) {
    if (limit < 0) {
        limit = n;
    }
    if (size == 0) {
        f(above);
        return;
    }
    for (int c = size - 1; c < limit; ++c) {
        ForEachSet(n, size - 1, f, above | CardBit(c), c);
    }
}

// Every renaming of the suits of each kind points to it; the joker keeps no suit.
std::shared_ptr<const std::vector<std::uint32_t>> MakeKindOfEveryHand(
    const std::vector<DealClass>& hands, int deckSize) {
    auto kinds = std::make_shared<std::vector<std::uint32_t>>(
        static_cast<std::size_t>(Binomial::Of(deckSize, 5)), 0);
    std::array<int, 4> rename = {0, 1, 2, 3};
    do {
        for (std::size_t i = 0; i < hands.size(); ++i) {
            CardMask m = 0;
            for (int c : hands[i].Cards) {
                m |= CardBit(c == 52 ? 52 : rename[static_cast<std::size_t>(c / 13)] * 13 + c % 13);
            }
            (*kinds)[SubsetIndex(m)] = static_cast<std::uint32_t>(i);
        }
    } while (std::next_permutation(rename.begin(), rename.end()));
    return kinds;
}

// The same for every bonus rank: made once.
std::shared_ptr<const std::vector<std::uint32_t>> KindOfEveryHand(
    const std::vector<DealClass>& hands, int deckSize) {
    static const auto kinds = MakeKindOfEveryHand(hands, deckSize);
    return kinds;
}

}  // namespace

AfterDraw& AfterDraw::operator+=(const AfterDraw& o) {
    Paid += o.Paid;
    SecondDraw += o.SecondDraw;
    Step += o.Step;
    Jackpot += o.Jackpot;
    return *this;
}

AfterDraw& AfterDraw::operator-=(const AfterDraw& o) {
    Paid -= o.Paid;
    SecondDraw -= o.SecondDraw;
    Step -= o.Step;
    Jackpot -= o.Jackpot;
    return *this;
}

AfterDraw& AfterDraw::operator*=(double f) {
    Paid *= f;
    SecondDraw *= f;
    Step *= f;
    Jackpot *= f;
    return *this;
}

SecondDrawTables::SecondDrawTables(const DrawTables& tables, const Multipliers& pays,
                                   const std::vector<double>& worth)
    : tables_(tables) {
    if (tables.DeckSize() != 53 || tables.ClassCount() != OrvaneClassCount ||
        worth.size() != static_cast<std::size_t>(OrvaneClassCount)) {
        throw std::invalid_argument("the second draw is this game's: 53 cards, its classes");
    }
    ValueEveryHand(pays, worth);
    SumOverSets();
}

SecondDrawChoices::SecondDrawChoices(const DrawTables& tables, const Multipliers& pays)
    : tables_(tables) {
    if (tables.DeckSize() != 53 || tables.ClassCount() != OrvaneClassCount) {
        throw std::invalid_argument("the second draw is this game's: 53 cards, its classes");
    }
    const std::vector<DealClass> hands = GroupDealsBySuitRenaming(tables.DeckSize());
    auto pay = [&pays](std::size_t c) {
        const PrizeIndex prize = PrizeOfClass(static_cast<int>(c));
        return prize == NoPrize ? 0.0 : pays[static_cast<std::size_t>(prize)];
    };
    taken_.assign(hands.size(), AfterDraw{});
    std::vector<std::vector<Candidate>> perKind(hands.size());
    auto work = [&](std::size_t w) {
        for (std::size_t i = w; i < hands.size(); i += Workers) {
            const auto cls = static_cast<std::size_t>(tables_.ClassOf(MaskOf(hands[i].Cards)));
            const MeterEffect e = MeterEffectOfClass(static_cast<int>(cls));
            taken_[i] = {pay(cls), 0.0, e == MeterEffect::Step ? 1.0 : 0.0,
                         e == MeterEffect::Jackpot ? 1.0 : 0.0};
            if (PrizeOfClass(static_cast<int>(cls)) == NoPrize) {
                continue;
            }
            const HoldOutcomes o = CountHoldOutcomes(tables_, hands[i].Cards);
            std::array<HoldSummary, HoldCount> value{};
            std::array<AfterDraw, HoldCount> figures{};
            value[0] = value[HoldAll] = {-1e300, 0.0, 0.0};  // a second draw draws
            for (HoldBits m = 1; m < HoldAll; ++m) {
                const std::int64_t* c = o.Of(m);
                const double draws = static_cast<double>(o.Draws[m]);
                AfterDraw& f = figures[m];
                f.SecondDraw = 1.0;
                for (std::size_t j = 0; j < static_cast<std::size_t>(OrvaneClassCount); ++j) {
                    const double p = static_cast<double>(c[j]) / draws;
                    const MeterEffect effect = MeterEffectOfClass(static_cast<int>(j));
                    f.Paid += p * pay(j);
                    f.Step += effect == MeterEffect::Step ? p : 0.0;
                    f.Jackpot += effect == MeterEffect::Jackpot ? p : 0.0;
                }
                value[m] = {f.Paid - 1.0, f.Step, f.Jackpot};
            }
            std::array<HoldBits, HoldCount> kept{};
            const int count = UndominatedHolds(value, kept);
            perKind[i].reserve(static_cast<std::size_t>(count));
            for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
                perKind[i].push_back({value[kept[k]], figures[kept[k]]});
            }
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    firstCandidate_.reserve(hands.size() + 1);
    for (const auto& kind : perKind) {
        firstCandidate_.push_back(static_cast<std::uint32_t>(candidates_.size()));
        candidates_.insert(candidates_.end(), kind.begin(), kind.end());
    }
    firstCandidate_.push_back(static_cast<std::uint32_t>(candidates_.size()));
    kindOfHand_ = KindOfEveryHand(hands, tables.DeckSize());
}

SecondDrawTables::SecondDrawTables(const SecondDrawChoices& choices, MeterTerms terms)
    : tables_(choices.tables_), kindOfHand_(choices.kindOfHand_) {
    if (terms.Step < 0 || terms.Jackpot < 0) {
        throw std::invalid_argument("the kept second draws serve meter terms of no less than 0");
    }
    kinds_ = choices.taken_;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        const std::uint32_t first = choices.firstCandidate_[i];
        const std::uint32_t end = choices.firstCandidate_[i + 1];
        if (first == end) {
            continue;
        }
        const SecondDrawChoices::Candidate* best = &choices.candidates_[first];
        double bestValue = best->Value.ValueAt(terms);
        for (std::uint32_t k = first + 1; k < end; ++k) {
            const double v = choices.candidates_[k].Value.ValueAt(terms);
            if (v > bestValue) {
                bestValue = v;
                best = &choices.candidates_[k];
            }
        }
        const AfterDraw& t = choices.taken_[i];
        if (bestValue > t.Paid + t.Step * terms.Step + t.Jackpot * terms.Jackpot) {
            kinds_[i] = best->Figures;
        }
    }
    SumOverSets();
}

// As ChooseAfterWin decides it, with no card out but the hand's own.
AfterDraw SecondDrawTables::ValueHand(const FiveCards& hand, const Multipliers& pays,
                                      const std::vector<double>& worth) const {
    const int cls = tables_.ClassOf(MaskOf(hand));
    auto pay = [&pays](int c) {
        const PrizeIndex prize = PrizeOfClass(c);
        return prize == NoPrize ? 0.0 : pays[static_cast<std::size_t>(prize)];
    };
    AfterDraw taken;
    taken.Paid = pay(cls);
    taken.Step = MeterEffectOfClass(cls) == MeterEffect::Step ? 1.0 : 0.0;
    taken.Jackpot = MeterEffectOfClass(cls) == MeterEffect::Jackpot ? 1.0 : 0.0;
    if (PrizeOfClass(cls) == NoPrize) {
        return taken;
    }
    const HoldOutcomes o = CountHoldOutcomes(tables_, hand);
    const auto k = static_cast<std::size_t>(OrvaneClassCount);
    double bestValue = -1e300;
    HoldBits best = 0;
    for (HoldBits m = 1; m < HoldAll; ++m) {
        const std::int64_t* c = o.Of(m);
        const double draws = static_cast<double>(o.Draws[m]);
        double sum = 0;
        for (std::size_t j = 0; j < k; ++j) {
            sum += static_cast<double>(c[j]) / draws * worth[j];
        }
        if (sum - 1.0 > bestValue) {
            bestValue = sum - 1.0;
            best = m;
        }
    }
    if (!(bestValue > worth[static_cast<std::size_t>(cls)])) {
        return taken;
    }
    AfterDraw drawn;
    drawn.SecondDraw = 1.0;
    const std::int64_t* c = o.Of(best);
    const double draws = static_cast<double>(o.Draws[best]);
    for (std::size_t j = 0; j < k; ++j) {
        const double p = static_cast<double>(c[j]) / draws;
        drawn.Paid += p * pay(static_cast<int>(j));
        drawn.Step += MeterEffectOfClass(static_cast<int>(j)) == MeterEffect::Step ? p : 0.0;
        drawn.Jackpot += MeterEffectOfClass(static_cast<int>(j)) == MeterEffect::Jackpot ? p : 0.0;
    }
    return drawn;
}

void SecondDrawTables::ValueEveryHand(const Multipliers& pays, const std::vector<double>& worth) {
    const std::vector<DealClass> hands = GroupDealsBySuitRenaming(tables_.DeckSize());
    kinds_.assign(hands.size(), AfterDraw{});
    auto work = [&](std::size_t w) {
        for (std::size_t i = w; i < hands.size(); i += Workers) {
            kinds_[i] = ValueHand(hands[i].Cards, pays, worth);
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    kindOfHand_ = KindOfEveryHand(hands, tables_.DeckSize());
}

// Four-card sets from the hands that contain them, then each smaller set from its
// one-card-larger supersets: a hand containing a k-set contains 5 - k of them.
void SecondDrawTables::SumOverSets() {
    const int n = tables_.DeckSize();
    for (int size = 0; size <= 4; ++size) {
        sums_[size].assign(static_cast<std::size_t>(Binomial::Of(n, size)), AfterDraw{});
    }
    ForEachSet(n, 5, [&](CardMask hand) {
        const AfterDraw& v = kinds_[(*kindOfHand_)[SubsetIndex(hand)]];
        for (CardMask rest = hand; rest != 0; rest &= rest - 1) {
            sums_[4][SubsetIndex(hand & ~(rest & (~rest + 1)))] += v;
        }
    });
    for (int size = 3; size >= 0; --size) {
        const double share = 1.0 / static_cast<double>(5 - size);
        auto& lower = sums_[static_cast<std::size_t>(size)];
        const auto& upper = sums_[static_cast<std::size_t>(size + 1)];
        ForEachSet(n, size + 1, [&](CardMask set) {
            AfterDraw v = upper[SubsetIndex(set)];
            v *= share;
            for (CardMask rest = set; rest != 0; rest &= rest - 1) {
                lower[SubsetIndex(set & ~(rest & (~rest + 1)))] += v;
            }
        });
    }
}

const AfterDraw& SecondDrawTables::OfHand(CardMask hand) const {
    return kinds_[(*kindOfHand_)[SubsetIndex(hand)]];
}

std::array<AfterDraw, HoldCount> SecondDrawTables::OfHolds(const FiveCards& deal) const {
    std::array<CardMask, 5> bit{};
    for (std::size_t s = 0; s < 5; ++s) {
        bit[s] = CardBit(deal[s]);
    }
    std::array<AfterDraw, HoldCount> rows{};
    for (HoldBits m = 0; m < HoldAll; ++m) {
        CardMask set = 0;
        for (std::size_t s = 0; s < 5; ++s) {
            set |= (m >> s & 1U) != 0 ? bit[s] : 0;
        }
        rows[m] = sums_[static_cast<std::size_t>(CardCount(set))][SubsetIndex(set)];
    }
    const CardMask hand = MaskOf(deal);
    rows[HoldAll] = OfHand(hand);
    // The hands that contain the hold and none of the thrown-away cards.
    for (unsigned s = 0; s < 5; ++s) {
        for (HoldBits m = 0; m < HoldCount; ++m) {
            if ((m >> s & 1U) == 0) {
                rows[m] -= rows[m | 1U << s];
            }
        }
    }
    const int unseen = tables_.DeckSize() - 5;
    for (HoldBits m = 1; m < HoldAll; ++m) {
        rows[m] *= 1.0 / static_cast<double>(Binomial::Of(unseen, 5 - std::popcount(m)));
    }
    rows[0] = OfHand(hand);
    return rows;
}

std::size_t SecondDrawTables::MemoryBytes() const {
    std::size_t bytes =
        kinds_.size() * sizeof(AfterDraw) + kindOfHand_->size() * sizeof(std::uint32_t);
    for (const auto& s : sums_) {
        bytes += s.size() * sizeof(AfterDraw);
    }
    return bytes;
}

}  // namespace orvane::analysis
