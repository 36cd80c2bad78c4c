#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "FakeDisplay.h"
#include "game/ButtonLayout.h"

namespace orvane {
namespace {

using test::FakeDisplay;
using test::FakePause;
using test::FakeSettings;

// Deals 6c J♠ 8♥ J♥ 2♥: the jacks are held, and both draws keep a pair of jacks, so the
// round passes through every state: idle, dealt, the offer after the first draw, the
// second draw after giving that win up, and the offer after the second draw.
constexpr std::uint32_t JacksTwiceSeed = 6;

// Everything the table shows except the button tints themselves.
std::string Shown(const FakeDisplay& d) {
    std::ostringstream out;
    out << "credit " << d.credit << " bet " << d.bet << " win " << d.win << " caption "
        << d.winCaption << " stars " << d.stars << " panel " << d.doubleUpPanel << " message "
        << static_cast<int>(d.message) << " highlight " << d.highlighted << " cards";
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        const Card& card = d.hand[slot];
        out << ' ' << card.Value << (card.ShowBack ? "b" : "") << (card.Held ? "h" : "")
            << (d.holdMark[slot] ? "m" : "");
    }
    out << " dup";
    for (std::size_t i = 1; i <= 10; ++i) {
        if (d.dupVisible[i]) {
            out << ' ' << d.dupCards[i].Value << (d.dupCards[i].ShowBack ? "b" : "");
        }
    }
    return out.str();
}

struct Table {
    Table() : table(display, pause, settings) {
        table.Start(JacksTwiceSeed);
        table.AddCredit(100, true);
    }
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table;
};

void Press(GameTable& table, GameButton button) {
    switch (button) {
        case GameButton::Cash:
            table.Cash();
            break;
        case GameButton::Deal:
            table.Deal();
            break;
        case GameButton::Bet:
            table.Bet();
            break;
        default:
            table.Hold(static_cast<int>(button) - static_cast<int>(GameButton::Hold1) + 1);
            break;
    }
}

const char* const ButtonNames[] = {"HOLD 1", "HOLD 2", "HOLD 3", "HOLD 4",
                                   "HOLD 5", "CASH",   "DEAL",   "BET"};

// The tints guide the player: in every state of a round a lit button does something the
// player can see, and a dark one does nothing. Each button is pressed on a fresh replay of
// the same seeded round, and what the table shows is compared before and after.
TEST(ButtonLayout, ALitButtonActsAndADarkOneDoesNothingInEveryStateOfARound) {
    const int draws = 4;  // deal, first draw, give the win up, second draw
    std::vector<ButtonLayout> layoutsSeen;
    for (int state = 0; state <= draws; ++state) {
        for (int b = 0; b < GameButtonCount; ++b) {
            Table t;
            for (int step = 0; step < state; ++step) {
                t.table.Deal();
            }
            ASSERT_TRUE(t.display.buttonLayout.has_value());
            const ButtonLayout layout = *t.display.buttonLayout;
            const auto tints = TintsForLayout(layout, true);
            ASSERT_TRUE(tints) << "layout " << static_cast<int>(layout);
            if (b == 0) {
                layoutsSeen.push_back(layout);
            }
            const std::string before = Shown(t.display);
            Press(t.table, static_cast<GameButton>(b));
            const bool acted = Shown(t.display) != before;
            EXPECT_EQ((*tints)[static_cast<std::size_t>(b)], acted)
                << ButtonNames[b] << " in layout " << static_cast<int>(layout) << " after " << state
                << " DEALs: " << (acted ? "acts but is dark" : "is lit but does nothing");
        }
    }
    // The round went through the five layouts in order.
    EXPECT_EQ(layoutsSeen,
              (std::vector<ButtonLayout>{ButtonLayout::Idle, ButtonLayout::Dealt,
                                         ButtonLayout::FirstDrawOffer, ButtonLayout::Continued,
                                         ButtonLayout::SecondDrawOffer}));
}

TEST(ButtonLayout, AllLitLayoutIgnoresTheSetting) {
    for (const bool interactive : {true, false}) {
        const auto tints = TintsForLayout(ButtonLayout::AllLit, interactive);
        ASSERT_TRUE(tints);
        for (const bool lit : *tints) {
            EXPECT_TRUE(lit);
        }
    }
}

TEST(ButtonLayout, GuidanceOffKeepsTheColoursThroughTheRound) {
    for (int layout = 0; layout <= 4; ++layout) {
        EXPECT_TRUE(TintsForLayout(static_cast<ButtonLayout>(layout), true)) << layout;
        EXPECT_FALSE(TintsForLayout(static_cast<ButtonLayout>(layout), false)) << layout;
    }
}

TEST(ButtonLayout, UnknownLayoutsChangeNothing) {
    for (const int layout : {6, -2, 1000}) {
        EXPECT_FALSE(TintsForLayout(static_cast<ButtonLayout>(layout), true)) << layout;
    }
}

}  // namespace
}  // namespace orvane
