#include "HandEvaluator.h"

#include "Card.h"

namespace orvane {

namespace {

// Small fixed sizes: an insertion sort beats std::sort here and keeps the evaluator
// free of calls in the hot path of the exhaustive count.
template <std::size_t N>
std::array<std::int32_t, N> Sorted(std::array<std::int32_t, N> v) {
    for (std::size_t i = 1; i < N; ++i) {
        const std::int32_t x = v[i];
        std::size_t j = i;
        for (; j > 0 && v[j - 1] > x; --j) {
            v[j] = v[j - 1];
        }
        v[j] = x;
    }
    return v;
}

bool AllSuitsEqual(const std::array<std::int32_t, 5>& s) {
    return s[0] == s[1] && s[1] == s[2] && s[2] == s[3] && s[3] == s[4];
}

bool Consecutive(const std::array<std::int32_t, 5>& r) {
    return r[1] == r[0] + 1 && r[2] == r[1] + 1 && r[3] == r[2] + 1 && r[4] == r[3] + 1;
}

bool AceHighStraight(const std::array<std::int32_t, 5>& r) {
    return r[0] == 1 && r[1] == 10 && r[2] == 11 && r[3] == 12 && r[4] == 13;
}

bool IsHighRank(std::int32_t rank) {
    return rank == 1 || rank >= 11;
}

Evaluation EvaluateNatural(const HandRanks& hand, std::int32_t orvane) {
    Evaluation e;
    const auto r = Sorted(hand.Rank);
    const bool flush = AllSuitsEqual(hand.Suit);
    const bool straight = Consecutive(r) || AceHighStraight(r);

    if (flush && straight) {
        e.Prize = (r[0] == 1 && r[1] == 10) ? RoyalFlush : StraightFlush;
    } else if (flush) {
        e.Prize = Flush;
    } else if (straight) {
        e.Prize = Straight;
    } else if ((r[0] == r[1] && r[1] == r[2] && r[2] == r[3]) ||
               (r[1] == r[2] && r[2] == r[3] && r[3] == r[4])) {
        e.Prize = Poker;
        e.WinRank = r[1];
        e.SetsWinRank = true;
        e.JackpotFlag = r[1] == orvane;
    } else if ((r[0] == r[1] && r[1] == r[2] && r[3] == r[4]) ||
               (r[0] == r[1] && r[2] == r[3] && r[3] == r[4])) {
        e.Prize = FullHouse;
        e.MeterStepFlag = r[2] == orvane;
    } else if ((r[0] == r[1] && r[1] == r[2]) || (r[1] == r[2] && r[2] == r[3]) ||
               (r[2] == r[3] && r[3] == r[4])) {
        e.Prize = r[2] == orvane ? OrvaneThree : ThreeOfAKind;
        e.WinRank = r[2];
        e.SetsWinRank = true;
    } else if ((r[0] == r[1] && r[2] == r[3]) || (r[0] == r[1] && r[3] == r[4]) ||
               (r[1] == r[2] && r[3] == r[4])) {
        e.Prize = TwoPairs;
        e.WinRank = r[1];
        e.SecondRank = r[3];
        e.SetsWinRank = e.SetsSecondRank = true;
    } else {
        for (std::size_t i = 0; i < 4; ++i) {
            if (r[i] == r[i + 1] && IsHighRank(r[i])) {
                e.Prize = HighPair;
                e.WinRank = r[i];
                e.SetsWinRank = true;
                break;
            }
        }
    }
    return e;
}

bool Fillable(const std::array<std::int32_t, 4>& r) {
    const std::int32_t a = r[1] - r[0];
    const std::int32_t b = r[2] - r[1];
    const std::int32_t c = r[3] - r[2];
    return (a == 1 && b == 1 && c == 1) || (a == 2 && b == 1 && c == 1) ||
           (a == 1 && b == 2 && c == 1) || (a == 1 && b == 1 && c == 2);
}

bool AceHighFillable(const std::array<std::int32_t, 4>& r) {
    if (r[0] != 1) {
        return false;
    }
    const std::int32_t x = r[1], y = r[2], z = r[3];
    return (x == 10 && y == 11 && z == 12) || (x == 10 && y == 11 && z == 13) ||
           (x == 11 && y == 12 && z == 13) || (x == 10 && y == 12 && z == 13);
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
    const auto r = Sorted(others);
    const bool flush = otherSuits[0] == otherSuits[1] && otherSuits[1] == otherSuits[2] &&
                       otherSuits[2] == otherSuits[3];
    const bool fillable = Fillable(r);
    const bool aceHigh = AceHighFillable(r);

    if (flush && fillable) {
        e.Prize = r[0] == 10 ? RoyalFlush : StraightFlush;
    } else if (flush && aceHigh) {
        e.Prize = RoyalFlush;
    } else if (flush) {
        e.Prize = Flush;
    } else if (fillable || aceHigh) {
        e.Prize = Straight;
    } else if (r[0] == r[1] && r[1] == r[2] && r[2] == r[3]) {
        e.Prize = FiveOfAKind;
        e.JackpotFlag = r[1] == orvane;
    } else if ((r[0] == r[1] && r[1] == r[2]) || (r[1] == r[2] && r[2] == r[3])) {
        e.Prize = Poker;
        e.WinRank = r[1];
        e.SetsWinRank = true;
        e.MeterStepFlag = r[1] == orvane;
    } else if (r[0] == r[1] && r[2] == r[3]) {
        e.Prize = FullHouse;
    } else if (r[0] == r[1] || r[1] == r[2]) {
        e.Prize = ThreeOfAKind;
        e.WinRank = r[1];
        e.SetsWinRank = true;
    } else if (r[2] == r[3]) {
        e.Prize = ThreeOfAKind;
        e.WinRank = r[2];
        e.SetsWinRank = true;
    } else if (r[0] == 1) {
        e.Prize = HighPair;
        e.WinRank = 1;
        e.SetsWinRank = true;
    } else if (r[3] >= 11) {
        e.Prize = HighPair;
        e.WinRank = r[3];
        e.SetsWinRank = true;
    }
    return e;
}

}  // namespace

Evaluation Evaluate(const HandRanks& hand, std::int32_t orvaneNumber) {
    for (int i = 0; i < 5; ++i) {
        if (hand.Rank[static_cast<std::size_t>(i)] == JokerRank) {
            return EvaluateWithJoker(hand, i, orvaneNumber);
        }
    }
    return EvaluateNatural(hand, orvaneNumber);
}

}  // namespace orvane
