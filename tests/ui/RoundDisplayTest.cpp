// A whole round on the window with a known deck: what the player sees after each step.
#include <QTest>

#include "MainWindowFixture.h"

namespace orvane::test {
namespace {

const QColor ClassicLit(255, 255, 0);
const QColor ClassicDim(0, 128, 128);
const QColor ClassicLine(222, 198, 162);

class RoundDisplay : public MainWindowTest {
  protected:
    std::vector<int> CardValues() const {
        std::vector<int> values;
        for (int slot = 1; slot <= 5; ++slot) {
            EXPECT_FALSE(HandCard(slot)->ShowBack) << "slot " << slot;
            values.push_back(HandCard(slot)->CardValue);
        }
        return values;
    }
    std::vector<bool> HoldMarks() const {
        std::vector<bool> marks;
        for (int slot = 1; slot <= 5; ++slot) {
            marks.push_back(Find(QStringLiteral("lblHold%1").arg(slot))->isVisibleTo(window.get()));
        }
        return marks;
    }
    std::vector<bool> HeldCards() const {
        std::vector<bool> held;
        for (int slot = 1; slot <= 5; ++slot) {
            held.push_back(HandCard(slot)->Held);
        }
        return held;
    }
    int LitStarPairs() const {
        int pairs = 0;
        for (int k = 1; k <= 3; ++k) {
            const QColor left = Find<TTintedPicture>(QStringLiteral("imgStarL%1").arg(k))->Tint();
            const QColor right = Find<TTintedPicture>(QStringLiteral("imgStarR%1").arg(k))->Tint();
            EXPECT_EQ(left, right) << "star pair " << k;
            EXPECT_TRUE(left == Yellow || left == Black) << "star " << k;
            pairs += left == Yellow ? 1 : 0;
        }
        return pairs;
    }
    // The pay line shown opaque with red text; 0 when none. Fails on a half-highlighted line.
    int HighlightedLine() const {
        int found = 0;
        for (int line = 1; line <= 11; ++line) {
            QLabel* name = Label(line);
            QLabel* amount = Label(line + 11);
            EXPECT_EQ(name->autoFillBackground(), amount->autoFillBackground()) << "line " << line;
            if (name->autoFillBackground()) {
                EXPECT_EQ(TextColor(name), WonLineRed);
                EXPECT_EQ(TextColor(amount), WonLineRed);
                EXPECT_EQ(name->palette().color(QPalette::Window), QColor(Qt::white));
                EXPECT_EQ(found, 0) << "two lines highlighted";
                found = line;
            }
        }
        return found;
    }
    // Lit (L) or dim (D) per button, HOLD 1..5, CASH, DEAL, BET.
    std::string Tints() const {
        std::string s;
        for (const char* name : {"btnHold1", "btnHold2", "btnHold3", "btnHold4", "btnHold5",
                                 "btnCash", "btnDeal", "btnBet"}) {
            const QColor c = ButtonColor(QString::fromLatin1(name));
            s += c == ClassicLit ? 'L' : c == ClassicDim ? 'D' : '?';
        }
        return s;
    }
};

TEST_F(RoundDisplay, IdleTableBeforeAnyCredit) {
    Open();
    EXPECT_EQ(Text("lblCredit"), "0");
    EXPECT_EQ(Text("lblBet"), "1");  // the empty machine shows the lowest amount
    EXPECT_EQ(Text("lblWinScore"), "0");
    EXPECT_EQ(Text("lblMessage"), "INSERT COIN !");
    EXPECT_EQ(LitStarPairs(), 0);
    EXPECT_EQ(Tints(), "DDDDDDLL");
    EXPECT_EQ(HighlightedLine(), 0);
    EXPECT_EQ(Text("Label12"), "1100");  // bare multipliers
    EXPECT_EQ(Text("Label11"), "ORVANE 3x7");
    EXPECT_TRUE(Find("pnlMain")->isVisibleTo(window.get()));
    EXPECT_FALSE(Find("pnlDoubleUp")->isVisibleTo(window.get()));
    EXPECT_EQ(HoldMarks(), std::vector<bool>(5, false));
}

TEST_F(RoundDisplay, DealShowsTheHandItsAutoHoldsAndTheDealtPair) {
    Open();
    AddCredit();
    EXPECT_EQ(Text("lblCredit"), "100");
    EXPECT_EQ(Text("lblBet"), "5");
    Key(Qt::Key_Return);

    EXPECT_EQ(Text("lblCredit"), "95");
    // J, 3, Q, Q, A: a high pair of queens.
    EXPECT_EQ(CardValues(), (std::vector<int>{24, 42, 38, 12, 1}));
    EXPECT_EQ(HeldCards(), (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(HoldMarks(), HeldCards());
    EXPECT_EQ(LitStarPairs(), 1);
    EXPECT_EQ(HighlightedLine(), 10);
    EXPECT_EQ(TextColor(Label(9)), ClassicLine);
    EXPECT_EQ(Tints(), "LLLLLLLL");
    EXPECT_EQ(Text("lblMessage"), "HOLD AND DRAW CARDS");
    EXPECT_FALSE(Find("pnlDoubleUp")->isVisibleTo(window.get()));
}

TEST_F(RoundDisplay, HoldTogglesFollowButtonsCardsAndKeys) {
    Open();
    AddCredit();
    window->btnDealClick();
    Find<TImageButton>("btnHold1")->click();
    EXPECT_EQ(HeldCards(), (std::vector<bool>{true, false, true, true, false}));
    HandCard(3)->clicked(3);  // a click on the card itself
    EXPECT_EQ(HeldCards(), (std::vector<bool>{true, false, false, true, false}));
    Key(Qt::Key_B);
    EXPECT_EQ(HeldCards(), (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(HoldMarks(), HeldCards());
    Key(Qt::Key_N);  // CASH while holding releases every hold
    EXPECT_EQ(HeldCards(), std::vector<bool>(5, false));
    EXPECT_EQ(HoldMarks(), HeldCards());
}

TEST_F(RoundDisplay, WinningDrawOpensTheOfferWithTheDoubleUpPanel) {
    Open();
    AddCredit();
    Key(Qt::Key_Space);
    Key(Qt::Key_Space);

    EXPECT_EQ(Text("lblCredit"), "90");
    // The queens stay, three new cards: a third queen among them.
    EXPECT_EQ(CardValues(), (std::vector<int>{50, 43, 38, 12, 51}));
    EXPECT_EQ(LitStarPairs(), 2);
    EXPECT_EQ(HighlightedLine(), 8);
    EXPECT_FALSE(Find("pnlMain")->isVisibleTo(window.get()));
    EXPECT_TRUE(Find("pnlDoubleUp")->isVisibleTo(window.get()));
    EXPECT_EQ(Text("lblWinScoreLabel"), "THREE OF A KIND");
    EXPECT_EQ(Text("lblWinScore"), "25");
    EXPECT_EQ(Text("lblMessage"), "WINNER");
    EXPECT_EQ(Tints(), "DLDLLLLD");
    // The three queens are marked as the win.
    EXPECT_EQ(HoldMarks(), (std::vector<bool>{false, false, true, true, true}));
    EXPECT_TRUE(DupCard(1)->isVisibleTo(window.get()));
    EXPECT_TRUE(DupCard(1)->ShowBack);
    EXPECT_FALSE(DupCard(2)->isVisibleTo(window.get()));
}

TEST_F(RoundDisplay, CashCollectsTheWinAndReturnsToTheIdleTints) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    Key(Qt::Key_7);

    EXPECT_EQ(Text("lblCredit"), "115");
    EXPECT_EQ(Text("lblWinScore"), "0");
    EXPECT_EQ(Tints(), "DDDDDDLL");
    EXPECT_EQ(Text("lblMessage"), "");
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
}

TEST_F(RoundDisplay, GivingUpTheFirstWinShowsThePayTableAgain) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    window->btnDealClick();  // DEAL before any guess: play on for a second draw

    EXPECT_EQ(Text("lblWinScore"), "0");
    EXPECT_TRUE(Find("pnlMain")->isVisibleTo(window.get()));
    EXPECT_FALSE(Find("pnlDoubleUp")->isVisibleTo(window.get()));
    EXPECT_EQ(Tints(), "LLLLLLLD");
}

// Each guess is judged by the card it turns (small/big: HOLD 2 wins on ranks 1..6, HOLD 4
// on 8..13): a right guess doubles the win and brings the next card face down, a wrong one
// shows 0 and ends the round. Guessing on until the first wrong guess sees both.
TEST_F(RoundDisplay, EachDoubleUpGuessIsJudgedByTheCardItTurns) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    ASSERT_EQ(Text("lblWinScore"), "25");
    const QString credit = Text("lblCredit");

    int win = 25;
    int rightGuesses = 0;
    for (int step = 1; step <= 10; ++step) {
        const bool guessSmall = step % 2 == 1;
        Key(guessSmall ? Qt::Key_2 : Qt::Key_4);
        TCard* card = DupCard(step);
        ASSERT_FALSE(card->ShowBack) << "card " << step;
        const int rank = card->Rank;
        ASSERT_TRUE((rank >= 1 && rank <= 6) || (rank >= 8 && rank <= 13)) << rank;
        const bool right = (rank <= 6) == guessSmall;
        win = right ? win * 2 : 0;
        EXPECT_EQ(Text("lblWinScore").toInt(), win) << "card " << step << " rank " << rank;
        EXPECT_EQ(Text("lblCredit"), credit);  // nothing is paid by guessing
        if (!right) {
            EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
            EXPECT_EQ(Tints(), "DDDDDDLL");
            if (step < 10) {
                EXPECT_FALSE(DupCard(step + 1)->isVisibleTo(window.get()));
            }
            break;
        }
        ++rightGuesses;
        ASSERT_LT(step, 10) << "ten right guesses: the deck no longer tests a wrong one";
        EXPECT_TRUE(DupCard(step + 1)->isVisibleTo(window.get()));
        EXPECT_TRUE(DupCard(step + 1)->ShowBack);
        EXPECT_EQ(Tints(), "DLDLLLDD");  // DEAL goes dark: the win can no longer be given up
    }
    EXPECT_GT(rightGuesses, 0) << "the deck no longer tests a right guess";
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
}

TEST_F(RoundDisplay, RightPressOnTheTableOrACardDeals) {
    Open();
    AddCredit();
    QTest::mousePress(Find("imgBackground"), Qt::RightButton);
    EXPECT_EQ(Text("lblCredit"), "95");
    EXPECT_EQ(CardValues(), (std::vector<int>{24, 42, 38, 12, 1}));
    QTest::mousePress(HandCard(2), Qt::RightButton, {}, QPoint(70, 100));
    EXPECT_EQ(CardValues(), (std::vector<int>{50, 43, 38, 12, 51}));  // the draw
    // A left press on the table is no DEAL.
    QTest::mousePress(Find("imgBackground"), Qt::LeftButton);
    EXPECT_EQ(Text("lblCredit"), "90");
}

TEST_F(RoundDisplay, ALeftClickOnAHandCardHoldsIt) {
    Open();
    AddCredit();
    window->btnDealClick();
    ASSERT_FALSE(HandCard(1)->Held);
    QTest::mouseClick(HandCard(1), Qt::LeftButton, {}, QPoint(70, 100));
    EXPECT_TRUE(HandCard(1)->Held);
    EXPECT_TRUE(Find("lblHold1")->isVisibleTo(window.get()));
}

TEST_F(RoundDisplay, GuidanceOffLeavesTheButtonsAsTheThemeColouredThem) {
    store.Write("InteractiveButtonsEnabled", "0");
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    EXPECT_EQ(Tints(), "LLLLLLLL");
}

}  // namespace
}  // namespace orvane::test
