#include <gtest/gtest.h>

#include <string>

#include "HandNotation.h"
#include "game/AutoHold.h"

namespace orvane::test {
namespace {

struct HoldCase {
    const char* hand;
    const char* holds;  // one letter per slot: H held, . not held
    std::int32_t orvane = 7;
};

void PrintTo(const HoldCase& c, std::ostream* os) {
    *os << c.hand << " -> " << c.holds;
}

std::string HoldsFor(const HoldCase& c) {
    std::string out;
    for (bool h : AutoHoldOfDeal(ParseHand(c.hand), c.orvane)) {
        out += h ? 'H' : '.';
    }
    return out;
}

class DrawStrategy : public testing::TestWithParam<HoldCase> {};
TEST_P(DrawStrategy, HoldsTheDrawThatAppliesFirst) {
    EXPECT_EQ(HoldsFor(GetParam()), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(
    FourToAFlush, DrawStrategy,
    testing::Values(HoldCase{"22 73 92 Q2 K2", "H.HHH"},
                    // The odd suit sorting first or last makes no difference.
                    HoldCase{"21 73 93 Q3 K3", ".HHHH"},
                    // A flush draw wins over the open straight draw 5-6-7-8.
                    HoldCase{"51 61 71 82 K1", "HHH.H"},
                    // The joker counts with the suit it took: from slot 1 here, and from
                    // slot 5 when the joker itself stands first...
                    HoldCase{"23 53 93 31 X", "HHH.H"}, HoldCase{"X 23 53 81 93", "HHH.H"},
                    // ...which is not the suit of the other three, so only the joker stays.
                    HoldCase{"31 23 53 93 X", "....H"}));

INSTANTIATE_TEST_SUITE_P(
    FourToAStraight, DrawStrategy,
    testing::Values(
        // One 5 only, the first in slot order.
        HoldCase{"51 52 73 84 91", "H.HHH"}, HoldCase{"73 51 84 52 91", "HHH.H"},
        // The lower run of four comes before 5-6-7 with a gap to the 9.
        HoldCase{"41 52 63 74 91", "HHHH."}, HoldCase{"31 52 63 74 81", ".HHHH"},
        HoldCase{"21 42 53 64 K1", "HHHH."},
        // The ace with three of 10..K (rule 12).
        HoldCase{"A1 42 T3 J4 Q1", "H.HHH"}, HoldCase{"A1 32 J3 Q4 K1", "H.HHH"}));

INSTANTIATE_TEST_SUITE_P(LowPairOrNothing, DrawStrategy,
                         testing::Values(HoldCase{"31 32 83 T4 K1", "HH..."},
                                         HoldCase{"21 52 83 94 91", "...HH"},
                                         // Two tens stop the ace rule, so the pair is kept instead.
                                         HoldCase{"A1 52 T3 T4 Q1", "..HH."},
                                         HoldCase{"21 52 83 T4 K1", "....."},
                                         HoldCase{"X 22 43 64 91", "H...."}));

class WinningHand : public testing::TestWithParam<HoldCase> {};
TEST_P(WinningHand, HoldsTheCardsThatMakeIt) {
    EXPECT_EQ(HoldsFor(GetParam()), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WinningHand,
    testing::Values(HoldCase{"J1 J2 33 54 81", "HH..."}, HoldCase{"31 K3 32 K4 91", "HHHH."},
                    HoldCase{"71 72 73 K4 21", "HHH.."}, HoldCase{"81 82 83 K4 21", "HHH..", 8},
                    HoldCase{"81 82 83 84 K1", "HHHH."}, HoldCase{"81 82 83 K4 K1", "HHHHH"},
                    HoldCase{"A1 22 33 44 51", "HHHHH"}, HoldCase{"22 42 62 82 T2", "HHHHH"},
                    // The joker is held with the cards it joins, and with a lone king.
                    HoldCase{"71 X 72 K3 24", "HHH.."}, HoldCase{"X 22 43 64 K1", "H...H"},
                    HoldCase{"T3 J3 X Q3 K3", "HHHHH"}));

}  // namespace
}  // namespace orvane::test
