// Counting a win into the credit: a key, a click or a close request finishes the count.
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/MainMenus.h"
#include "machine/PlayerWinCount.h"

namespace orvane::test {
namespace {

constexpr int StepMs = 30;

class WinCount : public MainWindowTest {
  protected:
    // The seeded round ends with three queens; at 1234 a line they pay 5 x 1234 = 6170,
    // counted as 70 single credits and 61 hundreds.
    void OfferBigWin() {
        store.Write("Prize8", "1234");
        Open();
        window->show();
        AddCredit();
        window->btnDealClick();
        window->btnDealClick();
        ASSERT_EQ(Text("lblWinScore"), "6170");
        ASSERT_EQ(Text("lblCredit"), "90");
        waits.clear();
    }

    // The same round on the credit kept from the last run.
    void OfferBigWinAfterCredit() {
        store.Write("Prize8", "1234");
        Open();
        window->show();
        window->btnDealClick();
        window->btnDealClick();
        ASSERT_EQ(Text("lblWinScore"), "6170");
    }

    // Calls act at the given step of the count.
    void AtStep(int step, std::function<void()> act) {
        duringWait = [this, step, act = std::move(act), steps = 0](int ms) mutable {
            if (ms == StepMs && ++steps == step) {
                act();
            }
        };
    }

    int CountSteps() const {
        return static_cast<int>(std::count(waits.begin(), waits.end(), StepMs));
    }
};

TEST_F(WinCount, WithoutAKeyTheCountRunsItsFullCourse) {
    OfferBigWin();
    QString bannerDuringCount;
    AtStep(20, [&] { bannerDuringCount = Text("lblMessage"); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 70 + 61);
    EXPECT_EQ(Text("lblCredit"), QString::number(90 + 6170));
    EXPECT_EQ(bannerDuringCount, "PRESS ANY KEY TO COLLECT ALL");
    EXPECT_EQ(Text("lblMessage"), "");
}

TEST_F(WinCount, AnyKeyDuringTheCountCreditsTheWholeRestAtOnce) {
    OfferBigWin();
    AtStep(5, [this] { Key(Qt::Key_K); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 5);
    EXPECT_EQ(Text("lblCredit"), QString::number(90 + 6170));
    EXPECT_EQ(Text("lblWinScore"), "0");
    EXPECT_EQ(window->Table().State().Credit, 90 + 6170);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
}

TEST_F(WinCount, AClickOnTheTableFinishesTheCount) {
    OfferBigWin();
    AtStep(3, [this] { QTest::mouseClick(Find("imgBackground"), Qt::LeftButton); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 3);
    EXPECT_EQ(window->Table().State().Credit, 90 + 6170);
}

TEST_F(WinCount, TakingHalfCutShortKeepsTheOtherHalfOnOfferAndTheWinnerBanner) {
    OfferBigWin();
    AtStep(PlayerWinCount::StepsBeforeHint + 5, [this] {
        EXPECT_EQ(Text("lblMessage"), "PRESS ANY KEY TO COLLECT ALL");
        Key(Qt::Key_K);
    });
    Key(Qt::Key_B);  // HOLD 5: take half
    EXPECT_EQ(window->Table().State().Credit, 90 + 3085);
    EXPECT_EQ(Text("lblWinScore"), "3085");
    EXPECT_EQ(Text("lblMessage"), "WINNER");
}

TEST_F(WinCount, AKeyBeforeTheCountDoesNotCutItShort) {
    OfferBigWin();
    Key(Qt::Key_K);
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 70 + 61);
}

TEST_F(WinCount, ACloseRequestFinishesTheCountAndThenCloses) {
    OfferBigWin();
    AtStep(4, [this] { window->close(); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 4);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Exit Orvane Cards ?")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>(std::to_string(90 + 6170)));
}

TEST_F(WinCount, TheQuickExitKeySettlesTheCountAndCloses) {
    OfferBigWin();
    AtStep(4, [this] { Key(Qt::Key_Q, Qt::ControlModifier); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 4);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>(std::to_string(90 + 6170)));
}

TEST_F(WinCount, ACloseRequestThePlayerTakesBackLeavesTheCountRunning) {
    OfferBigWin();
    answer = false;
    AtStep(4, [this] { window->close(); });
    Key(Qt::Key_7);
    EXPECT_EQ(CountSteps(), 70 + 61);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Table().State().Credit, 90 + 6170);
}

TEST_F(WinCount, AWinThatDoesNotFitWaitsWhileThePlayerCashesOutFromTheMenu) {
    store.Write("LastCredit", "2147483000");
    OfferBigWinAfterCredit();
    Key(Qt::Key_7);
    EXPECT_EQ(Text("lblCredit"), "2147483647");
    EXPECT_EQ(Text("lblWinScore"), "5513");  // 6170 less the 657 that fitted
    EXPECT_EQ(Text("lblMessage"), "CREDIT FULL - CASH OUT FIRST");

    window->pmCreditPopup();
    EXPECT_TRUE(window->Menus().Cashout1->isEnabled());
    window->Cashout1Click();
    EXPECT_EQ(asked, QStringList{QStringLiteral("Cash out ?")});
    EXPECT_EQ(Text("lblCredit"), "0");
    EXPECT_EQ(Text("lblWinScore"), "5513");

    Key(Qt::Key_7);
    EXPECT_EQ(Text("lblCredit"), "5513");
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    window->pmCreditPopup();
    EXPECT_TRUE(window->Menus().Cashout1->isEnabled());
}

TEST_F(WinCount, CashOutStaysGreyedOutWhileAWinThatFitsIsOnOffer) {
    OfferBigWin();
    window->pmCreditPopup();
    EXPECT_FALSE(window->Menus().Cashout1->isEnabled());
}

}  // namespace
}  // namespace orvane::test
