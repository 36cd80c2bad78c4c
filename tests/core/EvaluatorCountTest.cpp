#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "AllHands.h"

namespace orvane::test {
namespace {

// Every five-card hand of the 53-card deck, counted per pay line. The expected counts
// come from tools/reference/hand_counts.py, which classifies every hand with an
// evaluator of its own (rank histograms) and checks its totals against the
// combinatorial counts noted beside each line (naturals + hands with the joker).
using LineCounts = std::array<std::int64_t, PrizeLines + 1>;

constexpr LineCounts ExpectedLines = {
    2089320,  // 0 no prize
    13,       // 1 five of a kind: joker + four of a rank, 13
    24,       // 2 royal flush: 4 + joker with 10-J-Q-K or A and three of 10..K, 5 x 4
    180,      // 3 straight flush: 9 x 4 + joker, 36 fillable sets x 4
    3120,     // 4 poker: 13 x 48 + joker with three of a rank, 13 x 4 x 48
    6552,     // 5 full house: 3744 + joker with two pairs, 78 x 36
    7804,     // 6 flush: 1277 x 4 + joker, 674 unfillable sets x 4
    20532,    // 7 straight: 10 x 1020 + joker, 41 sets x 252
    133056,   // 8 three of a kind: 54912 less the bonus rank's + joker with a pair, 82368
    123552,   // 9 two pairs: naturals only
    481308,   // 10 high pair: 4/13 of 1098240 pairs + joker with A or J..K, 569 sets x 252
    4224,     // 11 bonus line: three of the bonus rank, 4 x 66 x 16
};
constexpr std::int64_t HandsInDeck = 2869685;  // C(53, 5)

// Natural full house with three of the bonus rank, 4 x 12 x 6, and the joker with three
// of it, 4 x 48; the jackpot: four of the bonus rank, 48, and with the joker, 1.
constexpr std::int64_t ExpectedMeterSteps = 480;
constexpr std::int64_t ExpectedJackpots = 49;

// The ranks named by the lines that name one, summed per line, with bonus rank 7. A rank
// that is not in the hand is caught hand by hand below; these catch the right card of the
// wrong kind, such as the joker pairing with a face card when an ace is there.
constexpr LineCounts ExpectedWinRankSums = {0, 0, 0,      0,      21840,   0,
                                            0, 0, 931392, 576576, 4279164, 29568};
constexpr std::int64_t ExpectedSecondRankSum = 1153152;  // the higher pair of TWO PAIRS

constexpr std::int64_t Sum(const LineCounts& counts) {
    std::int64_t total = 0;
    for (std::int64_t c : counts) {
        total += c;
    }
    return total;
}
static_assert(Sum(ExpectedLines) == HandsInDeck);

struct Tally {
    LineCounts lines{};
    std::int64_t meterSteps = 0;
    std::int64_t jackpots = 0;
    std::int64_t wrongJokerSuit = 0;
    std::int64_t rankNotInHand = 0;
    LineCounts winRankSums{};
    std::int64_t secondRankSum = 0;
};

int CardsOfRank(const HandRanks& hand, std::int32_t rank) {
    return static_cast<int>(std::count(hand.Rank.begin(), hand.Rank.end(), rank));
}

bool HasJoker(const HandRanks& hand) {
    return CardsOfRank(hand, JokerRank) == 1;
}

// The ranks the evaluator names must be in the hand, as often as the line needs: the
// auto-hold keeps exactly those cards.
bool NamedRanksInHand(const HandRanks& hand, const Evaluation& e) {
    const int joker = HasJoker(hand) ? 1 : 0;
    switch (e.Prize) {
        case Poker:
            return CardsOfRank(hand, e.WinRank) + joker == 4;
        case ThreeOfAKind:
        case OrvaneThree:
            return CardsOfRank(hand, e.WinRank) + joker == 3;
        case TwoPairs:
            return e.WinRank < e.SecondRank && CardsOfRank(hand, e.WinRank) == 2 &&
                   CardsOfRank(hand, e.SecondRank) == 2;
        case HighPair:
            return (e.WinRank == 1 || e.WinRank >= 11) && CardsOfRank(hand, e.WinRank) + joker == 2;
        default:
            return true;
    }
}

void Record(Tally& t, const HandRanks& hand, const Evaluation& e) {
    ++t.lines[static_cast<std::size_t>(e.Prize)];
    t.meterSteps += e.MeterStepFlag ? 1 : 0;
    t.jackpots += e.JackpotFlag ? 1 : 0;
    if (!NamedRanksInHand(hand, e)) {
        ++t.rankNotInHand;
    }
    if (e.SetsWinRank) {
        t.winRankSums[static_cast<std::size_t>(e.Prize)] += e.WinRank;
    }
    if (e.SetsSecondRank) {
        t.secondRankSum += e.SecondRank;
    }
}

Tally CountAllHands(std::int32_t orvane) {
    Tally t;
    ForEachHand([&](const std::array<CardValue, 5>& cards) {
        const HandRanks hand = InSlotOrder(cards);
        const Evaluation e = Evaluate(hand, orvane);
        Record(t, hand, e);
        // In slot 5 the joker takes the suit of slot 1.
        if (cards[4] == JokerValue && (e.JokerSlot != 4 || e.JokerSuit != hand.Suit[0])) {
            ++t.wrongJokerSuit;
        }
    });
    return t;
}

void ExpectReferenceCounts(const Tally& t) {
    for (std::size_t line = 0; line <= PrizeLines; ++line) {
        EXPECT_EQ(t.lines[line], ExpectedLines[line]) << "pay line " << line;
    }
    EXPECT_EQ(t.meterSteps, ExpectedMeterSteps);
    EXPECT_EQ(t.jackpots, ExpectedJackpots);
    EXPECT_EQ(t.rankNotInHand, 0);
}

TEST(EvaluatorCount, EveryHandOfTheDeckWithBonusRankSeven) {
    const Tally t = CountAllHands(7);
    ExpectReferenceCounts(t);
    EXPECT_EQ(t.wrongJokerSuit, 0);
    for (std::size_t line = 0; line <= PrizeLines; ++line) {
        EXPECT_EQ(t.winRankSums[line], ExpectedWinRankSums[line]) << "pay line " << line;
    }
    EXPECT_EQ(t.secondRankSum, ExpectedSecondRankSum);
}

// Each bonus rank has its four cards, so the counts must not move with it; a rule tied
// to rank 7 instead of OrvaneNumber shows up here. One other rank is enough for that and
// keeps the sanitizer build quick.
TEST(EvaluatorCount, CountsDoNotDependOnTheBonusRank) {
    const Tally t = CountAllHands(10);
    ExpectReferenceCounts(t);
    // With ten as the bonus rank three tens pay the bonus line, so their ranks move from
    // line 8 to line 11.
    EXPECT_EQ(t.winRankSums[ThreeOfAKind], 918720);
    EXPECT_EQ(t.winRankSums[OrvaneThree], 42240);
}

using Order = std::array<std::size_t, 5>;

std::array<Order, 120> AllOrders() {
    std::array<Order, 120> orders{};
    Order o = {0, 1, 2, 3, 4};
    for (Order& out : orders) {
        out = o;
        std::next_permutation(o.begin(), o.end());
    }
    return orders;
}

HandRanks Reordered(const HandRanks& hand, const Order& order) {
    HandRanks out;
    for (std::size_t i = 0; i < 5; ++i) {
        out.Rank[i] = hand.Rank[order[i]];
        out.Suit[i] = hand.Suit[order[i]];
    }
    return out;
}

bool SameResult(const Evaluation& a, const Evaluation& b) {
    return a.Prize == b.Prize && a.MeterStepFlag == b.MeterStepFlag &&
           a.JackpotFlag == b.JackpotFlag && a.SetsWinRank == b.SetsWinRank &&
           (!a.SetsWinRank || a.WinRank == b.WinRank) && a.SetsSecondRank == b.SetsSecondRank &&
           (!a.SetsSecondRank || a.SecondRank == b.SecondRank);
}

// A small fixed-seed generator: the sample must be the same on every run.
class SampleOrder {
  public:
    std::size_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % 120U;
    }

  private:
    std::uint32_t state_ = 2463534242U;
};

// Every hand once more in one shuffled slot order: the counts per line stay the same,
// and no single hand changes its result.
TEST(EvaluatorCount, EveryHandInAShuffledOrderKeepsItsLine) {
    const auto orders = AllOrders();
    SampleOrder sample;
    Tally shuffled;
    std::int64_t changed = 0;
    ForEachHand([&](const std::array<CardValue, 5>& cards) {
        const HandRanks hand = InSlotOrder(cards);
        const HandRanks other = Reordered(hand, orders[sample.Next()]);
        const Evaluation e = Evaluate(other, 7);
        Record(shuffled, other, e);
        if (!SameResult(e, Evaluate(hand, 7))) {
            ++changed;
        }
    });
    ExpectReferenceCounts(shuffled);
    EXPECT_EQ(changed, 0);
}

// A thinner sample in all 120 orders, where the joker's borrowed suit is checked too:
// slot 5's suit for a joker in slots 1..4, slot 1's for a joker in slot 5.
TEST(EvaluatorCount, SampledHandsInEveryOrder) {
    const auto orders = AllOrders();
    std::int64_t index = 0;
    std::int64_t sampled = 0;
    std::int64_t jokerHands = 0;
    std::int64_t changed = 0;
    std::int64_t wrongJokerSuit = 0;
    ForEachHand([&](const std::array<CardValue, 5>& cards) {
        if (index++ % 997 != 0) {
            return;
        }
        ++sampled;
        const HandRanks hand = InSlotOrder(cards);
        const Evaluation reference = Evaluate(hand, 7);
        jokerHands += HasJoker(hand) ? 1 : 0;
        for (const Order& order : orders) {
            const HandRanks other = Reordered(hand, order);
            const Evaluation e = Evaluate(other, 7);
            changed += SameResult(e, reference) ? 0 : 1;
            if (e.JokerSlot >= 0) {
                const std::size_t donor = e.JokerSlot == 4 ? 0 : 4;
                const bool jokerThere =
                    other.Rank[static_cast<std::size_t>(e.JokerSlot)] == JokerRank;
                wrongJokerSuit += (jokerThere && e.JokerSuit == other.Suit[donor]) ? 0 : 1;
            }
        }
    });
    EXPECT_EQ(sampled, (HandsInDeck + 996) / 997);
    EXPECT_GT(jokerHands, 0);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(wrongJokerSuit, 0);
}

}  // namespace
}  // namespace orvane::test
