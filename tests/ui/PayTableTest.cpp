#include <algorithm>

#include "MainWindowFixture.h"

namespace orvane::test {
namespace {

using PayTable = MainWindowTest;

// Deals A♠ 7♠ joker A♥ A♣: a poker on the deal.
constexpr std::uint32_t PokerSeed = 260;

TEST_F(PayTable, ValuesFollowTheBet) {
    Open();
    AddCredit();
    window->btnBetClick();
    window->btnBetClick();
    ASSERT_EQ(Text("lblBet"), "9");
    const char* expected[] = {"9900", "4500", "900", "360", "90", "81",
                              "63",   "45",   "27",  "18",  "108"};
    for (int line = 1; line <= 11; ++line) {
        EXPECT_EQ(Label(line + 11)->text(), QString::fromLatin1(expected[line - 1]))
            << "line " << line;
    }
}

TEST_F(PayTable, StoredMultipliersAreShown) {
    store.Write("Prize1", "2000");
    Open();
    AddCredit();
    EXPECT_EQ(Text("Label12"), "10000");  // 2000 x bet 5
}

TEST_F(PayTable, BonusLineNamesTheBonusRank) {
    store.Write("OrvaneNumber", "9");
    Open();
    EXPECT_EQ(Text("Label11"), "ORVANE 3x9");
}

TEST_F(PayTable, LinesSitInRowsWithNamesLeftAndAmountsRight) {
    Open();
    for (int k = 1; k <= 11; ++k) {
        QLabel* name = Label(k);
        QLabel* amount = Label(k + 11);
        EXPECT_EQ(name->parentWidget(), Find("pnlMain"));
        EXPECT_EQ(name->geometry(), QRect(4, 3 + 20 * (k - 1), 260, 18)) << "row " << k;
        EXPECT_EQ(amount->geometry(), QRect(221, 3 + 20 * (k - 1), 190, 18)) << "row " << k;
        EXPECT_TRUE(name->alignment() & Qt::AlignLeft);
        EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
        EXPECT_EQ(name->font().pixelSize(), 16);
    }
    EXPECT_EQ(Text("Label1"), "FIVE OF A KIND");
    EXPECT_EQ(Text("Label10"), "HIGH PAIR");
}

TEST_F(PayTable, BigWinHighlightBlinksAndEndsOpaque) {
    Open(PokerSeed);
    AddCredit();
    waits.clear();
    window->btnDealClick();
    ASSERT_EQ(window->Table().State().LastPrize, Poker);
    EXPECT_EQ(std::count(waits.begin(), waits.end(), 250), 10);
    EXPECT_TRUE(Label(4)->autoFillBackground());
    EXPECT_TRUE(Label(15)->autoFillBackground());
    EXPECT_EQ(TextColor(Label(4)), WonLineRed);
    EXPECT_FALSE(Label(5)->autoFillBackground());

    // A fresh deal leaves at most its own line lit, and the others their own colours.
    window->btnCashClick();  // releases the holds
    window->btnBetClick();   // a new bet deals afresh
    window->btnDealClick();
    const PrizeIndex prize = window->Table().State().LastPrize;
    ASSERT_EQ(prize, NoPrize);
    for (int n = 1; n <= 22; ++n) {
        EXPECT_FALSE(Label(n)->autoFillBackground()) << "Label" << n;
    }
    EXPECT_EQ(TextColor(Label(4)), QColor(222, 198, 162));
    EXPECT_EQ(TextColor(Label(15)), QColor(222, 198, 162));
    EXPECT_EQ(TextColor(Label(1)), Yellow);
    EXPECT_EQ(TextColor(Label(2)),
              ClassicRoyalRed);  // Classic's own colour for the royal flush line
}

}  // namespace
}  // namespace orvane::test
