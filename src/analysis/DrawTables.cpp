#include "DrawTables.h"

#include <stdexcept>

namespace orvane::analysis {

DrawTables::DrawTables(const HandClasses& classes)
    : classCount_(classes.Count()), deckSize_(classes.DeckSize) {
    if (deckSize_ < 5 || deckSize_ > MaxDeck || classCount_ < 1 || classCount_ > 255) {
        throw std::invalid_argument("rule set out of range");
    }
    for (int size = 0; size <= 4; ++size) {
        counts_[size].assign(static_cast<std::size_t>(Binomial::Of(deckSize_, size) * classCount_),
                             0);
    }
    classOfHand_.assign(static_cast<std::size_t>(Binomial::Of(deckSize_, 5)), 0);
    CountHands(classes);
    for (int size = 3; size >= 0; --size) {
        FoldDown(size);
    }
}

// Every hand once: its class, and one count for each of its five four-card subsets.
void DrawTables::CountHands(const HandClasses& classes) {
    FiveCards c{};
    const int n = deckSize_;
    for (c[0] = 0; c[0] < n; ++c[0]) {
        for (c[1] = c[0] + 1; c[1] < n; ++c[1]) {
            for (c[2] = c[1] + 1; c[2] < n; ++c[2]) {
                for (c[3] = c[2] + 1; c[3] < n; ++c[3]) {
                    for (c[4] = c[3] + 1; c[4] < n; ++c[4]) {
                        const int cls = classes.Classify(c);
                        if (cls < 0 || cls >= classCount_) {
                            throw std::out_of_range("hand class out of range");
                        }
                        CardMask hand = 0;
                        for (int card : c) {
                            hand |= CardBit(card);
                        }
                        classOfHand_[SubsetIndex(hand)] = static_cast<std::uint8_t>(cls);
                        for (int card : c) {
                            const auto at = static_cast<std::size_t>(
                                SubsetIndex(hand & ~CardBit(card)) * classCount_ + cls);
                            ++counts_[4][at];
                        }
                    }
                }
            }
        }
    }
}

// A hand holding a set of `size` cards holds 5 - size of its supersets with one card
// more, so the counts of a set are the sum over those supersets divided by 5 - size.
void DrawTables::FoldDown(int size) {
    const int n = deckSize_;
    const auto k = static_cast<std::size_t>(classCount_);
    const auto sets = static_cast<std::uint32_t>(Binomial::Of(n, size));
    std::vector<std::int64_t> sum(k);
    // Walk the sets of `size` cards in index order by stepping a mask through them.
    std::vector<int> c(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        c[static_cast<std::size_t>(i)] = i;
    }
    for (std::uint32_t index = 0; index < sets; ++index) {
        CardMask set = 0;
        for (int card : c) {
            set |= CardBit(card);
        }
        std::fill(sum.begin(), sum.end(), 0);
        for (int card = 0; card < n; ++card) {
            if ((set & CardBit(card)) == 0) {
                const std::int32_t* up = Containing(set | CardBit(card));
                for (std::size_t j = 0; j < k; ++j) {
                    sum[j] += up[j];
                }
            }
        }
        std::int32_t* out = &counts_[size][SubsetIndex(set) * k];
        for (std::size_t j = 0; j < k; ++j) {
            out[j] = static_cast<std::int32_t>(sum[j] / (5 - size));
        }
        // Next set in colex order: raise the lowest card that can rise, reset those below.
        int i = 0;
        while (i < size && (i + 1 < size ? c[static_cast<std::size_t>(i)] + 1 ==
                                               c[static_cast<std::size_t>(i + 1)]
                                         : false)) {
            ++i;
        }
        if (i < size) {
            ++c[static_cast<std::size_t>(i)];
            for (int j = 0; j < i; ++j) {
                c[static_cast<std::size_t>(j)] = j;
            }
        }
    }
}

std::size_t DrawTables::MemoryBytes() const {
    std::size_t bytes = classOfHand_.size();
    for (const auto& t : counts_) {
        bytes += t.size() * sizeof(std::int32_t);
    }
    return bytes;
}

}  // namespace orvane::analysis
