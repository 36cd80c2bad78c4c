#include "AutoHold.h"

#include <algorithm>

#include "Card.h"
#include "SmallSort.h"

namespace orvane {

namespace {

std::array<std::int32_t, 5> SortedCopy(const std::array<std::int32_t, 5>& v) {
    return SortedAscending(v);
}

void HoldWhere(const HandRanks& hand, HoldMask& held, auto predicate) {
    for (std::size_t i = 0; i < 5; ++i) {
        if (predicate(hand.Rank[i], hand.Suit[i])) {
            held[i] = true;
        }
    }
}

// One card of each listed rank: a rank that already appeared in an earlier slot, held
// or not, is not held again, so a pair inside a straight draw keeps only its first card.
void HoldOneOfEachRank(const HandRanks& hand, HoldMask& held, std::array<std::int32_t, 4> ranks) {
    for (std::size_t i = 0; i < 5; ++i) {
        const std::int32_t rank = hand.Rank[i];
        if (std::find(ranks.begin(), ranks.end(), rank) == ranks.end()) {
            continue;
        }
        bool seenBefore = false;
        for (std::size_t j = 0; j < i; ++j) {
            seenBefore = seenBefore || hand.Rank[j] == rank;
        }
        if (!seenBefore) {
            held[i] = true;
        }
    }
}

bool HoldFourToAFlush(const HandRanks& hand, HoldMask& held) {
    const auto s = SortedCopy(hand.Suit);
    if ((s[0] == s[1] && s[1] == s[2] && s[2] == s[3]) ||
        (s[1] == s[2] && s[2] == s[3] && s[3] == s[4])) {
        const std::int32_t suit = s[1];
        HoldWhere(hand, held,
                  [suit](std::int32_t, std::int32_t cardSuit) { return cardSuit == suit; });
        return true;
    }
    return false;
}

bool HoldFourToAStraight(const HandRanks& hand, HoldMask& held) {
    const auto r = SortedCopy(hand.Rank);
    const auto R1 = r[0], R2 = r[1], R3 = r[2], R4 = r[3], R5 = r[4];
    struct Shape {
        bool matches;
        std::array<std::int32_t, 4> ranks;
    };
    // Tried in this order; the first match decides.
    const std::array<Shape, 12> shapes = {{
        {R2 == R1 + 1 && R3 == R2 + 1 && R4 == R3 + 1, {R1, R2, R3, R4}},
        {R3 == R2 + 1 && R4 == R3 + 1 && R5 == R4 + 1, {R2, R3, R4, R5}},
        {R3 == R1 + 2 && R4 == R3 + 1 && R5 == R4 + 1, {R1, R3, R4, R5}},
        {R2 == R1 + 1 && R4 == R2 + 2 && R5 == R4 + 1, {R1, R2, R4, R5}},
        {R2 == R1 + 1 && R3 == R2 + 1 && R5 == R3 + 2, {R1, R2, R3, R5}},
        {R3 == R2 + 2 && R4 == R3 + 1 && R5 == R4 + 1, {R2, R3, R4, R5}},
        {R3 == R2 + 1 && R4 == R3 + 2 && R5 == R4 + 1, {R2, R3, R4, R5}},
        {R3 == R2 + 1 && R4 == R3 + 1 && R5 == R4 + 2, {R2, R3, R4, R5}},
        {R2 == R1 + 2 && R3 == R2 + 1 && R4 == R3 + 1, {R1, R2, R3, R4}},
        {R2 == R1 + 1 && R3 == R2 + 2 && R4 == R3 + 1, {R1, R2, R3, R4}},
        {R2 == R1 + 1 && R3 == R2 + 1 && R4 == R3 + 2, {R1, R2, R3, R4}},
        {R1 == 1 && (R3 == 10 || R3 == 11) && R4 != 10, {R1, R3, R4, R5}},
    }};
    for (const Shape& shape : shapes) {
        if (shape.matches) {
            HoldOneOfEachRank(hand, held, shape.ranks);
            return true;
        }
    }
    return false;
}

bool HoldLowPair(const HandRanks& hand, HoldMask& held) {
    const auto r = SortedCopy(hand.Rank);
    std::int32_t pairRank = 0;
    if (r[1] == r[0] || r[1] == r[2]) {
        pairRank = r[1];
    } else if (r[3] == r[2] || r[3] == r[4]) {
        pairRank = r[3];
    } else {
        return false;
    }
    HoldWhere(hand, held, [pairRank](std::int32_t rank, std::int32_t) { return rank == pairRank; });
    return true;
}

}  // namespace

HoldMask ChooseHolds(const HandRanks& hand, PrizeIndex prize, std::int32_t winRank,
                     std::int32_t secondRank) {
    HoldMask held{};
    HoldWhere(hand, held, [](std::int32_t rank, std::int32_t) { return rank == JokerRank; });
    switch (prize) {
        case FiveOfAKind:
        case RoyalFlush:
        case StraightFlush:
        case FullHouse:
        case Flush:
        case Straight:
            held.fill(true);
            break;
        case Poker:
        case ThreeOfAKind:
        case HighPair:
        case OrvaneThree:
            HoldWhere(hand, held,
                      [winRank](std::int32_t rank, std::int32_t) { return rank == winRank; });
            break;
        case TwoPairs:
            HoldWhere(hand, held, [winRank, secondRank](std::int32_t rank, std::int32_t) {
                return rank == winRank || rank == secondRank;
            });
            break;
        default:
            static_cast<void>(HoldFourToAFlush(hand, held) || HoldFourToAStraight(hand, held) ||
                              HoldLowPair(hand, held));
            break;
    }
    return held;
}

HoldMask AutoHoldOfDeal(HandRanks hand, std::int32_t orvaneNumber) {
    const Evaluation e = Evaluate(hand, orvaneNumber);
    if (e.JokerSlot >= 0) {
        hand.Suit[static_cast<std::size_t>(e.JokerSlot)] = e.JokerSuit;
    }
    return ChooseHolds(hand, e.Prize, e.WinRank, e.SecondRank);
}

}  // namespace orvane
