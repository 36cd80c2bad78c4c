// The relations the table's places must keep, whatever the numbers: what lies on the
// table stays on the background, what must not overlap does not, marks and digits sit
// on what they mark, and every theme's value labels keep clear of each other.

#include "layout/TableGeometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "settings/ThemeCatalog.h"

namespace orvane {

void PrintTo(const Box& box, std::ostream* out) {
    *out << '(' << box.X << ", " << box.Y << ", " << box.Width << " x " << box.Height << ')';
}

namespace {

namespace G = TableGeometry;

std::vector<G::ValueBoxes> EveryThemesValues() {
    std::vector<G::ValueBoxes> values;
    for (const ThemeRecord& theme : Themes()) {
        values.push_back(G::ValuesAt(ValueTopsOf(theme)));
    }
    return values;
}

void ExpectApart(const std::vector<Box>& boxes, const char* what) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            EXPECT_FALSE(boxes[i].Intersects(boxes[j]))
                << what << ' ' << i << " and " << j << ": " << testing::PrintToString(boxes[i])
                << ' ' << testing::PrintToString(boxes[j]);
        }
    }
}

TEST(BoxRelations, ContainmentAndOverlapCountWholePixels) {
    const Box outer{10, 10, 20, 20};
    EXPECT_TRUE(outer.Contains(outer));
    EXPECT_TRUE(outer.Contains({29, 29, 1, 1}));
    EXPECT_FALSE(outer.Contains({29, 29, 2, 1}));
    // Boxes that only touch do not overlap.
    EXPECT_FALSE(outer.Intersects({30, 10, 5, 5}));
    EXPECT_TRUE(outer.Intersects({29, 29, 5, 5}));
    EXPECT_EQ(outer.United({0, 40, 5, 5}), (Box{0, 10, 30, 35}));
    EXPECT_EQ(outer.Moved(-10, 5), (Box{0, 15, 20, 20}));
}

TEST(TableGeometry, WhatLiesOnTheTableStaysOnTheBackground) {
    std::vector<Box> onTable{G::Flash, G::Message, G::Meter, G::PayPanel, G::DoubleUpPanel};
    for (int slot = 1; slot <= 5; ++slot) {
        onTable.push_back(G::HandCard(slot));
        onTable.push_back(G::HoldMark(slot));
    }
    for (int square = 1; square <= 10; ++square) {
        onTable.push_back(G::MeterLamp(square));
        onTable.push_back(G::MeterDigit(square));
    }
    for (int k = 1; k <= 3; ++k) {
        onTable.push_back(G::StarLeft(k));
        onTable.push_back(G::StarRight(k));
    }
    for (const G::ValueBoxes& v : EveryThemesValues()) {
        onTable.insert(onTable.end(), {v.Credit, v.Bet, v.Win, v.Bonus, v.BonusCards});
    }
    for (const Box& box : onTable) {
        EXPECT_TRUE(G::Background.Contains(box)) << testing::PrintToString(box);
    }
    EXPECT_TRUE(G::Surface.Contains(G::Background));
}

TEST(TableGeometry, ValueLabelsKeepClearOfEachOtherAndThePanelsInEveryTheme) {
    for (const G::ValueBoxes& v : EveryThemesValues()) {
        ExpectApart({v.Credit, v.Bet, v.Win, G::DoubleUpPanel}, "right column");
        ExpectApart({v.Bonus, v.BonusCards, G::Meter, G::DoubleUpPanel}, "left column");
    }
}

TEST(TableGeometry, CardsLieSideBySideWithTheirHoldMarksCentredUnderThem) {
    std::vector<Box> cards;
    for (int slot = 1; slot <= 5; ++slot) {
        const Box card = G::HandCard(slot);
        const Box mark = G::HoldMark(slot);
        EXPECT_EQ(mark.DoubleCentreX(), card.DoubleCentreX()) << slot;
        EXPECT_EQ(mark.Y, card.BottomEnd()) << slot;
        cards.push_back(card);
    }
    ExpectApart(cards, "hand cards");
    // The fifth card ends inside the background's right edge.
    EXPECT_LT(G::HandCard(5).RightEnd(), G::Background.RightEnd());
}

TEST(TableGeometry, EachMeterDigitStandsOnItsOwnLamp) {
    std::vector<Box> lamps;
    for (int square = 1; square <= 10; ++square) {
        EXPECT_TRUE(G::MeterLamp(square).Contains(G::MeterDigit(square))) << square;
        lamps.push_back(G::MeterLamp(square));
    }
    ExpectApart(lamps, "lamps");
    // Square 1 at the bottom right, square 10 at the top left.
    EXPECT_GT(G::MeterLamp(1).X, G::MeterLamp(5).X);
    EXPECT_GT(G::MeterLamp(1).Y, G::MeterLamp(6).Y);
    EXPECT_EQ(G::MeterLamp(10).X, G::Meter.X);
}

TEST(TableGeometry, DoubleUpPanelCoversThePayTableAndHoldsItsCards) {
    EXPECT_TRUE(G::DoubleUpPanel.Contains(G::PayPanel));
    const Box panel{0, 0, G::DoubleUpPanel.Width, G::DoubleUpPanel.Height};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_TRUE(panel.Contains(G::DupCard(i))) << i;
    }
    for (const Box& caption : {G::WinTitle, G::GuessHint, G::CollectHint}) {
        EXPECT_TRUE(panel.Contains(caption)) << testing::PrintToString(caption);
    }
    ExpectApart({G::GuessHint, G::CollectHint}, "hints");
    const Box payPanel{0, 0, G::PayPanel.Width, G::PayPanel.Height};
    std::vector<Box> rows;
    for (int line = 1; line <= 11; ++line) {
        EXPECT_TRUE(payPanel.Contains(G::PayLineName(line))) << line;
        EXPECT_TRUE(payPanel.Contains(G::PayLineAmount(line))) << line;
        EXPECT_EQ(G::PayLineName(line).Y, G::PayLineAmount(line).Y) << line;
        rows.push_back(G::PayLineName(line));
    }
    ExpectApart(rows, "pay lines");
}

TEST(TableGeometry, ButtonsAndStarsStandApartAndTheBottomRowIsOnTheSurface) {
    std::vector<Box> buttons{G::BetButton, G::CashButton, G::DealButton};
    for (int slot = 1; slot <= 5; ++slot) {
        buttons.push_back(G::HoldButton(slot));
    }
    ExpectApart(buttons, "game buttons");
    for (const Box& button : buttons) {
        EXPECT_TRUE(G::Surface.Contains(button)) << testing::PrintToString(button);
        EXPECT_GE(button.Y, G::Background.BottomEnd()) << testing::PrintToString(button);
    }
    std::vector<Box> messageLine{G::Message};
    for (int k = 1; k <= 3; ++k) {
        messageLine.push_back(G::StarLeft(k));
        messageLine.push_back(G::StarRight(k));
        EXPECT_LE(G::StarLeft(k).RightEnd(), G::Message.X) << k;
        EXPECT_GE(G::StarRight(k).X, G::Message.RightEnd()) << k;
    }
    ExpectApart(messageLine, "message line");
}

TEST(TableGeometry, TheTopStripButtonsStandApartAboveTheBackground) {
    const std::vector<Box> strip{G::MenuButton(1), G::MenuButton(2), G::MenuButton(3),
                                 G::MinimizeButton, G::ExitButton};
    ExpectApart(strip, "top strip");
    for (const Box& box : strip) {
        EXPECT_LE(box.BottomEnd(), G::Background.Y) << testing::PrintToString(box);
        EXPECT_LE(box.RightEnd(), G::Surface.RightEnd()) << testing::PrintToString(box);
    }
    EXPECT_TRUE(G::CaptionStrip.Contains(G::DevelopmentCaption));
}

}  // namespace
}  // namespace orvane
