#include <gtest/gtest.h>

#include "FakeDisplay.h"

namespace orvane::test {
namespace {

TEST(RoundFlow, StartShowsAnEmptyMachine) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table(display, pause, settings);
    table.Start(1);
    EXPECT_EQ(display.credit, 0);
    EXPECT_EQ(display.bet, 1);
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(table.State().Ready);
}

}  // namespace
}  // namespace orvane::test
