#include <gtest/gtest.h>

#include "game/ButtonLayout.h"

namespace orvane {
namespace {

// Writes a layout as a string in GameButton order (HOLD 1..5, CASH, DEAL, BET), L lit, D dim.
std::string Pattern(int layout, bool interactive = true) {
    const auto tints = TintsForLayout(static_cast<ButtonLayout>(layout), interactive);
    if (!tints) {
        return "unchanged";
    }
    std::string s;
    for (bool lit : *tints) {
        s += lit ? 'L' : 'D';
    }
    return s;
}

TEST(ButtonLayout, EachLayoutLightsTheButtonsThatGuideThatState) {
    EXPECT_EQ(Pattern(0), "DDDDDDLL");  // idle: only DEAL and BET
    EXPECT_EQ(Pattern(1), "LLLLLLLL");  // after the deal
    EXPECT_EQ(Pattern(2), "DLDLLLLD");  // offer after the first draw
    EXPECT_EQ(Pattern(3), "LLLLLLLD");  // after continuing
    EXPECT_EQ(Pattern(4), "DLDLLLDD");  // offer after the second draw
}

TEST(ButtonLayout, AllLitLayoutIgnoresTheSetting) {
    EXPECT_EQ(Pattern(-1, true), "LLLLLLLL");
    EXPECT_EQ(Pattern(-1, false), "LLLLLLLL");
}

TEST(ButtonLayout, GuidanceOffKeepsTheColoursThroughTheRound) {
    for (int layout = 0; layout <= 4; ++layout) {
        EXPECT_EQ(Pattern(layout, false), "unchanged") << "layout " << layout;
    }
}

TEST(ButtonLayout, UnknownLayoutsChangeNothing) {
    EXPECT_EQ(Pattern(5), "unchanged");
    EXPECT_EQ(Pattern(-2), "unchanged");
    EXPECT_EQ(Pattern(1000), "unchanged");
}

}  // namespace
}  // namespace orvane
