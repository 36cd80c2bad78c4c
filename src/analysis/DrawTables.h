#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Combinatorics.h"
#include "HandClasses.h"

namespace orvane::analysis {

// For every set X of up to four cards, how many five-card hands of the whole deck that
// contain X fall in each hand class; for every five-card hand, its class. Built once from
// the rule set's own classifier, so the engine cannot disagree with it. The value of any
// hold then follows by inclusion and exclusion over the cards that cannot come back,
// instead of by dealing out every draw: about 10^3 table reads per hand instead of 10^6
// evaluations.
class DrawTables {
  public:
    explicit DrawTables(const HandClasses& classes);
    // From the class of every five-card hand already known, in index order (as ClassOf
    // reads it); refuses a class out of 0..classCount - 1 or a list of the wrong length.
    DrawTables(int classCount, int deckSize, std::vector<std::uint8_t> classOfHand);

    // Gives a class to every five-card hand of the deck, in index order, on two threads;
    // `classify` is also told the hand's index. Refuses a class out of 0..classCount - 1.
    using IndexedClassify = std::function<int(const FiveCards&, std::size_t index)>;
    static std::vector<std::uint8_t> ClassifyEveryHand(int deckSize, int classCount,
                                                       const IndexedClassify& classify);

    int ClassCount() const { return classCount_; }
    int DeckSize() const { return deckSize_; }

    // Hands containing the set (size 0..4), per class: ClassCount() entries.
    const std::int32_t* Containing(CardMask set) const {
        const auto size = static_cast<std::size_t>(CardCount(set));
        return &counts_[size][static_cast<std::size_t>(SubsetIndex(set)) *
                              static_cast<std::size_t>(classCount_)];
    }

    // The class of a five-card hand.
    int ClassOf(CardMask hand) const { return classOfHand_[SubsetIndex(hand)]; }

    std::size_t MemoryBytes() const;

  private:
    void Allocate();
    void CountFourCardSets();
    void FoldDown(int size);

    int classCount_ = 0;
    int deckSize_ = 0;
    std::vector<std::int32_t> counts_[5];
    std::vector<std::uint8_t> classOfHand_;
};

}  // namespace orvane::analysis
