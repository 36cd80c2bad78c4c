#include "HandEvaluator.h"

#include <bit>

#include "Card.h"
#include "SmallSort.h"

namespace orvane {

namespace {

// Dealt ranks come in random order, so every data-dependent branch in the evaluator is
// a coin toss for the branch predictor: the ranks are sorted without branches, and the
// pattern of equal neighbours picks the line with one switch instead of a chain of tests.

// Bit i is set when sorted ranks i and i + 1 are equal. Written out: the loop form is
// not unrolled at -O2 and costs a branch per neighbour.
unsigned EqualNeighbours(const std::array<std::int32_t, 5>& r) {
    return static_cast<unsigned>(r[0] == r[1]) | static_cast<unsigned>(r[1] == r[2]) << 1 |
           static_cast<unsigned>(r[2] == r[3]) << 2 | static_cast<unsigned>(r[3] == r[4]) << 3;
}

unsigned EqualNeighbours(const std::array<std::int32_t, 4>& r) {
    return static_cast<unsigned>(r[0] == r[1]) | static_cast<unsigned>(r[1] == r[2]) << 1 |
           static_cast<unsigned>(r[2] == r[3]) << 2;
}

// The bitwise & and | below are deliberate: both sides are cheap, and short-circuiting
// would put a branch back on random data.
bool Consecutive(const std::array<std::int32_t, 5>& r) {
    return (r[1] == r[0] + 1) & (r[2] == r[1] + 1) & (r[3] == r[2] + 1) & (r[4] == r[3] + 1);
}

bool AceHighStraight(const std::array<std::int32_t, 5>& r) {
    return (r[0] == 1) & (r[1] == 10) & (r[2] == 11) & (r[3] == 12) & (r[4] == 13);
}

void NameRank(Evaluation& e, PrizeIndex prize, std::int32_t rank) {
    e.Prize = prize;
    e.WinRank = rank;
    e.SetsWinRank = true;
}

// Any five ranks, in the order of the rules: sorted, then the pattern of equal neighbours.
Evaluation EvaluateNaturalSorted(const HandRanks& hand, std::int32_t orvane) {
    Evaluation e;
    const auto r = SortedAscending(hand.Rank);
    const auto& s = hand.Suit;
    const bool flush = (s[0] == s[1]) & (s[1] == s[2]) & (s[2] == s[3]) & (s[3] == s[4]);
    const bool straight = Consecutive(r) | AceHighStraight(r);

    if (flush | straight) {
        if (flush && straight) {
            e.Prize = (r[0] == 1 && r[1] == 10) ? RoyalFlush : StraightFlush;
        } else {
            e.Prize = flush ? Flush : Straight;
        }
        return e;
    }
    const unsigned pairs = EqualNeighbours(r);
    if ((pairs & (pairs - 1)) == 0) {
        // Nine hands in ten have no pair or one pair: settle them by arithmetic rather
        // than branches (the compiler turns a ?: here into a jump). Without a pair the
        // index points past the pairs and the rank is unused.
        const std::int32_t rank = r[static_cast<std::size_t>(std::countr_zero(pairs | 0b10000U))];
        const bool high = (pairs != 0) & ((rank == 1) | (rank >= 11));
        const std::int32_t isHigh = high;
        e.Prize = static_cast<PrizeIndex>(HighPair * isHigh);
        e.WinRank = rank * isHigh;
        e.SetsWinRank = high;
        return e;
    }
    switch (pairs) {
        case 0b0111:
        case 0b1110:
        case 0b1111:  // five equal ranks cannot be dealt; counted as four like the rest
            NameRank(e, Poker, r[1]);
            e.JackpotFlag = r[1] == orvane;
            break;
        case 0b1011:
        case 0b1101:
            e.Prize = FullHouse;
            e.MeterStepFlag = r[2] == orvane;  // the middle card belongs to the three
            break;
        case 0b0011:
        case 0b0110:
        case 0b1100:
            NameRank(e, r[2] == orvane ? OrvaneThree : ThreeOfAKind, r[2]);
            break;
        case 0b0101:
        case 0b1001:
        case 0b1010:
            NameRank(e, TwoPairs, r[1]);
            e.SecondRank = r[3];
            e.SetsSecondRank = true;
            break;
        default:
            break;
    }
    return e;
}

constexpr unsigned RankBit(std::int32_t rank) {
    return 1U << (static_cast<unsigned>(rank) & 31U);
}
constexpr unsigned AceHighRanks =
    RankBit(1) | RankBit(10) | RankBit(11) | RankBit(12) | RankBit(13);

// Nine natural hands in ten have five different ranks or one pair. For those the set of
// ranks (one bit each) and the ranks seen an odd number of times say everything without
// sorting: the pair is the one rank that is seen but not odd. Everything else, and any
// rank outside 1..13, takes the sorted way.
Evaluation EvaluateNatural(const HandRanks& hand, std::int32_t orvane) {
    const auto& k = hand.Rank;
    unsigned seen = 0;
    unsigned odd = 0;
    bool inRange = true;
    // Unrolled by hand at -O2 it would be five copies of the same three lines.
#pragma GCC unroll 5
    for (std::size_t i = 0; i < 5; ++i) {
        seen |= RankBit(k[i]);
        odd ^= RankBit(k[i]);
        inRange &= static_cast<unsigned>(k[i] - 1) < 13U;
    }
    // Three lowest bits cleared: something is left with four or five different ranks.
    unsigned rest = seen & (seen - 1);
    rest &= rest - 1;
    rest &= rest - 1;
    if (!inRange || rest == 0) {
        return EvaluateNaturalSorted(hand, orvane);
    }
    Evaluation e;
    const bool fiveRanks = (rest & (rest - 1)) != 0;
    const auto& s = hand.Suit;
    const bool flush = (s[0] == s[1]) & (s[1] == s[2]) & (s[2] == s[3]) & (s[3] == s[4]);
    const bool straight =
        fiveRanks & ((seen >> std::countr_zero(seen) == 0b11111U) | (seen == AceHighRanks));
    if (flush | straight) {
        if (flush && straight) {
            e.Prize = seen == AceHighRanks ? RoyalFlush : StraightFlush;
        } else {
            e.Prize = flush ? Flush : Straight;
        }
        return e;
    }
    const unsigned pair = seen ^ odd;  // 0 without a pair
    const std::int32_t rank = std::countr_zero(pair);
    const std::int32_t isHigh = (pair != 0) & ((rank == 1) | (rank >= 11));
    e.Prize = static_cast<PrizeIndex>(HighPair * isHigh);
    e.WinRank = rank * isHigh;
    e.SetsWinRank = isHigh != 0;
    return e;
}

// Four sorted ranks a joker can complete to a straight: all different and within five.
bool Fillable(const std::array<std::int32_t, 4>& r) {
    const std::int32_t a = r[1] - r[0];
    const std::int32_t b = r[2] - r[1];
    const std::int32_t c = r[3] - r[2];
    return (a >= 1) & (b >= 1) & (c >= 1) & (a + b + c <= 4);
}

// The ace with three different ranks of 10..K.
bool AceHighFillable(const std::array<std::int32_t, 4>& r) {
    return (r[0] == 1) & (r[1] >= 10) & (r[2] > r[1]) & (r[3] > r[2]) & (r[3] <= 13);
}

Evaluation EvaluateWithJoker(const HandRanks& hand, int jokerSlot, std::int32_t orvane) {
    Evaluation e;
    e.JokerSlot = jokerSlot;
    e.JokerSuit = jokerSlot == 4 ? hand.Suit[0] : hand.Suit[4];

    std::array<std::int32_t, 4> others{};
    std::array<std::int32_t, 4> otherSuits{};
    for (std::size_t i = 0, k = 0; i < 5; ++i) {
        if (static_cast<int>(i) != jokerSlot) {
            others[k] = hand.Rank[i];
            otherSuits[k] = hand.Suit[i];
            ++k;
        }
    }
    const auto r = SortedAscending(others);
    const auto& s = otherSuits;
    const bool flush = (s[0] == s[1]) & (s[1] == s[2]) & (s[2] == s[3]);
    const bool fillable = Fillable(r);
    const bool aceHigh = AceHighFillable(r);

    if (flush | fillable | aceHigh) {
        if (flush && fillable) {
            e.Prize = r[0] == 10 ? RoyalFlush : StraightFlush;
        } else if (flush && aceHigh) {
            e.Prize = RoyalFlush;
        } else {
            e.Prize = flush ? Flush : Straight;
        }
        return e;
    }
    switch (EqualNeighbours(r)) {
        case 0b111:
            e.Prize = FiveOfAKind;
            e.JackpotFlag = r[1] == orvane;
            break;
        case 0b011:
        case 0b110:
            NameRank(e, Poker, r[1]);
            e.MeterStepFlag = r[1] == orvane;
            break;
        case 0b101:
            e.Prize = FullHouse;
            break;
        case 0b001:
        case 0b010:
            NameRank(e, ThreeOfAKind, r[1]);
            break;
        case 0b100:
            NameRank(e, ThreeOfAKind, r[2]);
            break;
        default:
            // The joker pairs with an ace before any face card.
            if (r[0] == 1) {
                NameRank(e, HighPair, 1);
            } else if (r[3] >= 11) {
                NameRank(e, HighPair, r[3]);
            }
            break;
    }
    return e;
}

}  // namespace

Evaluation Evaluate(const HandRanks& hand, std::int32_t orvaneNumber) {
    const auto& r = hand.Rank;
    const unsigned jokers = static_cast<unsigned>(r[0] == JokerRank) |
                            static_cast<unsigned>(r[1] == JokerRank) << 1 |
                            static_cast<unsigned>(r[2] == JokerRank) << 2 |
                            static_cast<unsigned>(r[3] == JokerRank) << 3 |
                            static_cast<unsigned>(r[4] == JokerRank) << 4;
    if (jokers == 0) {
        return EvaluateNatural(hand, orvaneNumber);
    }
    return EvaluateWithJoker(hand, std::countr_zero(jokers), orvaneNumber);
}

}  // namespace orvane
