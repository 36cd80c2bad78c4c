#include "DrawTables.h"

#include <array>
#include <stdexcept>
#include <thread>
#include <utility>

namespace orvane::analysis {

namespace {

template <typename Work>
void RunOnTwoThreads(Work& work) {
    std::thread other(work, 1);
    work(0);
    other.join();
}

}  // namespace

DrawTables::DrawTables(const HandClasses& classes)
    : classCount_(classes.Count()), deckSize_(classes.DeckSize) {
    Allocate();
    const auto& classify = classes.Classify;
    classOfHand_ = ClassifyEveryHand(
        deckSize_, classCount_,
        [&classify](const FiveCards& hand, std::size_t) { return classify(hand); });
    CountFourCardSets();
}

DrawTables::DrawTables(int classCount, int deckSize, std::vector<std::uint8_t> classOfHand)
    : classCount_(classCount), deckSize_(deckSize) {
    Allocate();
    if (classOfHand.size() != static_cast<std::size_t>(Binomial::Of(deckSize_, 5))) {
        throw std::invalid_argument("one class for every hand of the deck");
    }
    for (std::uint8_t cls : classOfHand) {
        if (cls >= classCount_) {
            throw std::out_of_range("hand class out of range");
        }
    }
    classOfHand_ = std::move(classOfHand);
    CountFourCardSets();
}

void DrawTables::Allocate() {
    if (deckSize_ < 5 || deckSize_ > MaxDeck || classCount_ < 1 || classCount_ > 255) {
        throw std::invalid_argument("rule set out of range");
    }
    for (int size = 0; size <= 4; ++size) {
        counts_[size].assign(static_cast<std::size_t>(Binomial::Of(deckSize_, size) * classCount_),
                             0);
    }
}

// Each hand's class in colex order, the hands walked highest card outermost, two threads
// taking alternate highest cards, so each writes its own stretches in index order.
std::vector<std::uint8_t> DrawTables::ClassifyEveryHand(int deckSize, int classCount,
                                                        const IndexedClassify& classify) {
    const int n = deckSize;
    std::vector<std::uint8_t> classOfHand(static_cast<std::size_t>(Binomial::Of(n, 5)), 0);
    std::array<bool, 2> badClass{};  // one flag per thread
    auto work = [&](int parity) {
        FiveCards c{};
        for (c[4] = 4 + parity; c[4] < n; c[4] += 2) {
            auto index = static_cast<std::size_t>(Binomial::Of(c[4], 5));
            for (c[3] = 3; c[3] < c[4]; ++c[3]) {
                for (c[2] = 2; c[2] < c[3]; ++c[2]) {
                    for (c[1] = 1; c[1] < c[2]; ++c[1]) {
                        for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                            const int cls = classify(c, index);
                            badClass[static_cast<std::size_t>(parity)] |=
                                cls < 0 || cls >= classCount;
                            classOfHand[index++] = static_cast<std::uint8_t>(cls);
                        }
                    }
                }
            }
        }
    };
    RunOnTwoThreads(work);
    if (badClass[0] || badClass[1]) {
        throw std::out_of_range("hand class out of range");
    }
    return classOfHand;
}

// Each four-card set's row from the classes of its 48 or 49 one-card extensions, on two
// threads writing in index order (the tables are too large for the caches, so scattered
// increments would cost more than the classifier); then smaller sets by folding down.
void DrawTables::CountFourCardSets() {
    const int n = deckSize_;
    const auto k = static_cast<std::size_t>(classCount_);
    auto extend = [&](int parity) {
        std::array<int, 4> x{};
        for (x[3] = 3 + parity; x[3] < n; x[3] += 2) {
            auto index = static_cast<std::size_t>(Binomial::Of(x[3], 4));
            for (x[2] = 2; x[2] < x[3]; ++x[2]) {
                for (x[1] = 1; x[1] < x[2]; ++x[1]) {
                    for (x[0] = 0; x[0] < x[1]; ++x[0]) {
                        const CardMask set =
                            CardBit(x[0]) | CardBit(x[1]) | CardBit(x[2]) | CardBit(x[3]);
                        std::int32_t* row = &counts_[4][index * k];
                        for (int card = 0; card < n; ++card) {
                            if ((set & CardBit(card)) == 0) {
                                ++row[classOfHand_[SubsetIndex(set | CardBit(card))]];
                            }
                        }
                        ++index;
                    }
                }
            }
        }
    };
    RunOnTwoThreads(extend);
    for (int size = 3; size >= 0; --size) {
        FoldDown(size);
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
