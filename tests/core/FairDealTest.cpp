#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "ChiSquare.h"
#include "game/Card.h"
#include "game/Deck.h"
#include "game/RandomSource.h"

namespace orvane::test {
namespace {

// Ten million deals in a normal build. The sanitizers make a deal many times slower, so
// their build deals a million, which still catches the biased deck below by a wide
// margin. ORVANE_FAIRNESS_DEALS asks for another count.
std::int64_t DealCount() {
    if (const char* asked = std::getenv("ORVANE_FAIRNESS_DEALS")) {
        return std::max<std::int64_t>(std::atoll(asked), 1000);
    }
#if defined(ORVANE_SANITIZED_BUILD)
    return 1'000'000;
#else
    return 10'000'000;
#endif
}

constexpr std::uint32_t FairnessSeed = 1765280000U;
constexpr double Confidence = 0.99;

constexpr int DealtSlots = 15;
constexpr int DoubleUpSlots = 10;
constexpr int DoubleUpCards = 48;

// Where each card of a deck is counted; -1 for a card the deck does not hold.
using CardCells = std::array<int, JokerValue + 1>;

CardCells FullDeckCells() {
    CardCells cells{};
    cells[0] = -1;
    for (CardValue v = 1; v <= JokerValue; ++v) {
        cells[static_cast<std::size_t>(v)] = v - 1;
    }
    return cells;
}

CardCells DoubleUpCells() {
    CardCells cells{};
    cells.fill(-1);
    int next = 0;
    for (CardValue v = 1; v < JokerValue; ++v) {
        if (!IsSeven(v)) {
            cells[static_cast<std::size_t>(v)] = next++;
        }
    }
    return cells;
}

// How often each card lands in each slot, and in how many deals the joker came out.
struct SlotCounts {
    SlotCounts(int slotCount, int cardCount)
        : slots(static_cast<std::size_t>(slotCount),
                std::vector<std::int64_t>(static_cast<std::size_t>(cardCount), 0)) {}

    std::vector<std::vector<std::int64_t>> slots;
    std::int64_t dealsWithJoker = 0;
    std::int64_t cardsOutsideTheDeck = 0;
    std::int64_t deals = 0;
};

// Deals `deals` times with draw(random, buffer) from one seeded stream, as the table does.
template <class Draw>
SlotCounts CountSlots(int slotCount, const CardCells& cells, std::int64_t deals, Draw draw) {
    const auto cardCount =
        static_cast<int>(std::count_if(cells.begin(), cells.end(), [](int c) { return c >= 0; }));
    SlotCounts counts(slotCount, cardCount);
    RandomSource random;
    random.Seed(FairnessSeed);
    DealSlots buffer{};
    for (std::int64_t deal = 0; deal < deals; ++deal) {
        draw(random, buffer);
        bool joker = false;
        for (int slot = 1; slot <= slotCount; ++slot) {
            const CardValue v = buffer[static_cast<std::size_t>(slot)];
            const int cell = v >= 1 && v <= JokerValue ? cells[static_cast<std::size_t>(v)] : -1;
            joker = joker || v == JokerValue;
            if (cell < 0) {
                ++counts.cardsOutsideTheDeck;
                continue;
            }
            ++counts.slots[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(cell)];
        }
        counts.dealsWithJoker += joker ? 1 : 0;
    }
    counts.deals = deals;
    return counts;
}

void DrawFullDeck(RandomSource& random, DealSlots& buffer) {
    DrawDeck(random, buffer, DealtSlots, true);
}

void DrawDoubleUp(RandomSource& random, DealSlots& buffer) {
    DrawDeck(random, buffer, DoubleUpSlots, false);
}

struct SlotVerdict {
    int slot = 0;
    double statistic = 0;
    double tail = 0;  // the chance of a statistic this large from a fair deck
};

// Every slot should be uniform over the deck. The slots are judged together: each against
// the 99 % point divided among them (Bonferroni), so the deck as a whole passes at 99 %
// instead of each slot taking its own 1 % chance of a false alarm.
struct DeckVerdict {
    std::vector<SlotVerdict> slots;
    int degreesOfFreedom = 0;
    double criticalValue = 0;            // for the deck as a whole
    double singleSlotCriticalValue = 0;  // the plain 99 % point of one slot

    bool Passes() const {
        return std::all_of(slots.begin(), slots.end(),
                           [this](const SlotVerdict& s) { return s.statistic < criticalValue; });
    }
    double Worst() const {
        double worst = 0;
        for (const SlotVerdict& s : slots) {
            worst = std::max(worst, s.statistic);
        }
        return worst;
    }
};

DeckVerdict Judge(const SlotCounts& counts) {
    DeckVerdict verdict;
    const auto slotCount = static_cast<double>(counts.slots.size());
    verdict.degreesOfFreedom = static_cast<int>(counts.slots.front().size()) - 1;
    verdict.criticalValue =
        ChiSquareCriticalValue(verdict.degreesOfFreedom, 1.0 - (1.0 - Confidence) / slotCount);
    verdict.singleSlotCriticalValue = ChiSquareCriticalValue(verdict.degreesOfFreedom, Confidence);
    for (std::size_t i = 0; i < counts.slots.size(); ++i) {
        const double statistic = ChiSquareOfEvenCounts(counts.slots[i]);
        verdict.slots.push_back({static_cast<int>(i + 1), statistic,
                                 ChiSquareUpperTail(statistic, verdict.degreesOfFreedom)});
    }
    return verdict;
}

// The figures go to the test output, for the record of what the deck did.
void Report(const std::string& deck, const SlotCounts& counts, const DeckVerdict& verdict) {
    std::cout << deck << ": " << counts.deals << " deals, " << verdict.degreesOfFreedom
              << " degrees of freedom, 99 % point " << std::fixed << std::setprecision(2)
              << verdict.singleSlotCriticalValue << " per slot, " << verdict.criticalValue
              << " for all slots together\n";
    for (const SlotVerdict& s : verdict.slots) {
        std::cout << "  slot " << std::setw(2) << s.slot << "  chi-square " << std::setw(7)
                  << std::setprecision(2) << s.statistic << "  p " << std::setprecision(4) << s.tail
                  << "\n";
    }
}

TEST(ChiSquare, CriticalValuesMatchPublishedTables) {
    // 99 % points of the chi-square distribution as printed in statistical tables.
    EXPECT_NEAR(ChiSquareCriticalValue(1, 0.99), 6.6349, 1e-3);
    EXPECT_NEAR(ChiSquareCriticalValue(2, 0.99), 9.2103, 1e-3);
    EXPECT_NEAR(ChiSquareCriticalValue(10, 0.99), 23.2093, 1e-3);
    EXPECT_NEAR(ChiSquareCriticalValue(50, 0.99), 76.1539, 1e-3);
    EXPECT_NEAR(ChiSquareCriticalValue(100, 0.99), 135.8067, 1e-3);
    EXPECT_NEAR(ChiSquareCriticalValue(100, 0.95), 124.3421, 1e-3);
}

TEST(ChiSquare, TailIsExactForTwoDegreesOfFreedom) {
    // With two degrees of freedom the tail is exp(-x/2); both ways of computing it are hit.
    for (double x : {0.5, 3.0, 9.2103, 40.0}) {
        EXPECT_NEAR(ChiSquareUpperTail(x, 2), std::exp(-x / 2), 1e-12) << x;
    }
    EXPECT_DOUBLE_EQ(ChiSquareUpperTail(0, 5), 1.0);
}

TEST(ChiSquare, StatisticOfKnownCounts) {
    const std::array<std::int64_t, 4> even = {25, 25, 25, 25};
    EXPECT_DOUBLE_EQ(ChiSquareOfEvenCounts(even), 0.0);
    const std::array<std::int64_t, 4> skewed = {40, 20, 20, 20};
    EXPECT_DOUBLE_EQ(ChiSquareOfEvenCounts(skewed), 12.0);  // (15² + 3 · 5²) / 25
}

TEST(FairDeal, EverySlotOfTheDealIsUniformOverTheFullDeck) {
    const SlotCounts counts = CountSlots(DealtSlots, FullDeckCells(), DealCount(), DrawFullDeck);
    const DeckVerdict verdict = Judge(counts);
    Report("deal, 53 cards", counts, verdict);
    EXPECT_TRUE(verdict.Passes()) << "worst slot " << verdict.Worst() << " against "
                                  << verdict.criticalValue;
    EXPECT_EQ(counts.cardsOutsideTheDeck, 0);

    // Fifteen of 53 cards hold the joker in 15/53 of the deals.
    const double p = static_cast<double>(DealtSlots) / JokerValue;
    const std::array<std::int64_t, 2> joker = {counts.dealsWithJoker,
                                               counts.deals - counts.dealsWithJoker};
    const std::array<double, 2> expected = {p, 1.0 - p};
    const double statistic = ChiSquareOfCounts(joker, expected);
    std::cout << "joker in " << counts.dealsWithJoker << " of " << counts.deals
              << " deals (expected " << std::setprecision(1)
              << p * static_cast<double>(counts.deals) << "), chi-square " << std::setprecision(3)
              << statistic << ", p " << ChiSquareUpperTail(statistic, 1) << "\n";
    EXPECT_LT(statistic, ChiSquareCriticalValue(1, Confidence));
}

TEST(FairDeal, EverySlotOfTheDoubleUpIsUniformOverItsDeck) {
    const SlotCounts counts = CountSlots(DoubleUpSlots, DoubleUpCells(), DealCount(), DrawDoubleUp);
    const DeckVerdict verdict = Judge(counts);
    Report("double-up, 48 cards", counts, verdict);
    EXPECT_TRUE(verdict.Passes()) << "worst slot " << verdict.Worst() << " against "
                                  << verdict.criticalValue;
    EXPECT_EQ(counts.cardsOutsideTheDeck, 0) << "a seven or the joker in the double-up";
}

// The check has the power to see a dealer who, one time in eight, deals again when the
// joker falls in the first slot.
TEST(FairDeal, ADeckThatShiesAwayFromTheJokerIsCaught) {
    const auto biased = [](RandomSource& random, DealSlots& buffer) {
        DrawFullDeck(random, buffer);
        if (buffer[1] == JokerValue && random.Next() % 8 == 0) {
            DrawFullDeck(random, buffer);
        }
    };
    const std::int64_t deals = std::min<std::int64_t>(DealCount(), 1'000'000);
    const DeckVerdict verdict = Judge(CountSlots(DealtSlots, FullDeckCells(), deals, biased));
    EXPECT_FALSE(verdict.Passes());
    EXPECT_GT(verdict.slots.front().statistic, verdict.criticalValue);
}

}  // namespace
}  // namespace orvane::test
