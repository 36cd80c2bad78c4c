#include "ClassicGames.h"

#include <algorithm>
#include <array>

namespace orvane::analysis {

namespace {

// Ranks 0..12 with 0 the ace, as in the card numbering; suits 0..3.
constexpr int Ace = 0;
constexpr int Jack = 10;
constexpr int King = 12;
constexpr int Joker = 52;

// What a natural five-card hand is, before any pay table: the shape of its ranks,
// flush and straight, and its pair ranks.
struct Shape {
    bool Flush = false;
    bool Straight = false;
    bool AceHigh = false;  // 10-J-Q-K-A
    int Most = 0;          // largest number of cards of one rank
    int Pairs = 0;         // ranks held exactly twice
    int PairRank = -1;     // the pair's rank when there is exactly one pair
};

// Ranks and suits may repeat a card (a joker standing for a card already in the hand),
// which only five of a kind needs.
Shape ShapeOf(const std::array<int, 5>& rank, const std::array<int, 5>& suit) {
    Shape s;
    std::array<int, 13> count{};
    for (int r : rank) {
        ++count[static_cast<std::size_t>(r)];
    }
    s.Flush = std::all_of(suit.begin(), suit.end(), [&](int x) { return x == suit[0]; });
    for (std::size_t r = 0; r < 13; ++r) {
        s.Most = std::max(s.Most, count[r]);
        if (count[r] == 2) {
            ++s.Pairs;
            s.PairRank = static_cast<int>(r);
        }
    }
    if (s.Most == 1) {
        const auto [lo, hi] = std::minmax_element(rank.begin(), rank.end());
        s.AceHigh = count[Ace] != 0 && count[9] != 0 && count[10] != 0 && count[11] != 0 &&
                    count[King] != 0;
        s.Straight = *hi - *lo == 4 || s.AceHigh;
    }
    return s;
}

bool HighEnough(int rank, int lowest) {
    return rank == Ace || rank >= lowest;
}

enum JacksLine { JNothing, JJacks, JTwoPair, JThree, JStraight, JFlush, JFull, JFour, JSf, JRoyal };

int ClassifyJacks(const FiveCards& c) {
    std::array<int, 5> rank{};
    std::array<int, 5> suit{};
    for (std::size_t i = 0; i < 5; ++i) {
        rank[i] = c[i] % 13;
        suit[i] = c[i] / 13;
    }
    const Shape s = ShapeOf(rank, suit);
    if (s.Straight && s.Flush) {
        return s.AceHigh ? JRoyal : JSf;
    }
    if (s.Most == 4) {
        return JFour;
    }
    if (s.Most == 3) {
        return s.Pairs == 1 ? JFull : JThree;
    }
    if (s.Flush) {
        return JFlush;
    }
    if (s.Straight) {
        return JStraight;
    }
    if (s.Pairs == 2) {
        return JTwoPair;
    }
    return s.Pairs == 1 && HighEnough(s.PairRank, Jack) ? JJacks : JNothing;
}

enum JokerLine {
    KNothing,
    KKings,
    KTwoPair,
    KThree,
    KStraight,
    KFlush,
    KFull,
    KFour,
    KSf,
    KWildRoyal,
    KFive,
    KNaturalRoyal
};

int ClassifyNaturalKings(const std::array<int, 5>& rank, const std::array<int, 5>& suit,
                         bool wild) {
    const Shape s = ShapeOf(rank, suit);
    if (s.Most == 5) {
        return KFive;
    }
    if (s.Straight && s.Flush) {
        return s.AceHigh ? (wild ? KWildRoyal : KNaturalRoyal) : KSf;
    }
    if (s.Most == 4) {
        return KFour;
    }
    if (s.Most == 3) {
        return s.Pairs == 1 ? KFull : KThree;
    }
    if (s.Flush) {
        return KFlush;
    }
    if (s.Straight) {
        return KStraight;
    }
    if (s.Pairs == 2) {
        return KTwoPair;
    }
    return s.Pairs == 1 && HighEnough(s.PairRank, King) ? KKings : KNothing;
}

// The joker stands for whichever card makes the best line; the lines are numbered in
// the order of their pays, so the best line is the highest number.
int ClassifyKings(const FiveCards& c) {
    std::array<int, 5> rank{};
    std::array<int, 5> suit{};
    int jokerAt = -1;
    for (std::size_t i = 0; i < 5; ++i) {
        if (c[i] == Joker) {
            jokerAt = static_cast<int>(i);
        } else {
            rank[i] = c[i] % 13;
            suit[i] = c[i] / 13;
        }
    }
    if (jokerAt < 0) {
        return ClassifyNaturalKings(rank, suit, false);
    }
    int best = KNothing;
    const auto j = static_cast<std::size_t>(jokerAt);
    for (int card = 0; card < 52; ++card) {
        rank[j] = card % 13;
        suit[j] = card / 13;
        best = std::max(best, ClassifyNaturalKings(rank, suit, true));
    }
    return best;
}

}  // namespace

ClassicGame JacksOrBetter96() {
    ClassicGame g;
    g.Classes.DeckSize = 52;
    g.Classes.Names = {"Nothing",        "Jacks or better", "Two pair",   "Three of a kind",
                       "Straight",       "Flush",           "Full house", "Four of a kind",
                       "Straight flush", "Royal flush"};
    g.Classes.Classify = ClassifyJacks;
    g.Pays = {0, 1, 2, 3, 4, 6, 9, 25, 50, 800};
    return g;
}

ClassicGame JokerPokerKings() {
    ClassicGame g;
    g.Classes.DeckSize = 53;
    g.Classes.Names = {"Nothing",        "Kings or better", "Two pair",       "Three of a kind",
                       "Straight",       "Flush",           "Full house",     "Four of a kind",
                       "Straight flush", "Wild royal",      "Five of a kind", "Natural royal"};
    g.Classes.Classify = ClassifyKings;
    g.Pays = {0, 1, 1, 2, 3, 5, 7, 20, 50, 100, 200, 800};
    return g;
}

}  // namespace orvane::analysis
