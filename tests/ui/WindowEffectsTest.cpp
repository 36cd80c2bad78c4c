// The effects object on the window's own controls, with its real timers: the banner
// blinks, the double-up indicator alternates, and the idle animation puts the pay table
// back over the double-up panel before showing the banner picture over the hidden hand.
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/RgbColor.h"
#include "game/Amount.h"
#include "view/TFlash.h"

namespace orvane::test {
namespace {

constexpr int Patience = 10000;  // ms; far above the longest timer, only a failure waits it out

class WindowEffects : public MainWindowTest {
  protected:
    bool Shown(const char* name) const {
        return Find(QString::fromLatin1(name))->isVisibleTo(window.get());
    }
    void WinAndCollect() {
        AddCredit();
        window->btnDealClick();
        window->btnDealClick();  // three queens: a win on offer
        ASSERT_EQ(Text("lblWinScore"), "25");
        Key(Qt::Key_7);  // CASH: collected, the table is idle again
        ASSERT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    }
};

TEST_F(WindowEffects, TheInsertCoinBannerBlinksOnTheWindow) {
    Open();
    ASSERT_EQ(Text("lblMessage"), "INSERT COIN !");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text("lblMessage").isEmpty(); }, Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text("lblMessage") == "INSERT COIN !"; }, Patience));
}

// A win the credit cannot hold asks for a cash-out the way the other calls to action ask:
// blinking, in the theme's flash colour.
TEST_F(WindowEffects, TheCreditFullBannerBlinksOnTheWindow) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    ASSERT_GT(window->Table().State().Win, 10);
    window->Table().State().Credit = MaxAmount - 10;
    Key(Qt::Key_7);  // CASH: ten fit, the rest stays on offer
    const QString full = QStringLiteral("CREDIT FULL - CASH OUT FIRST");
    ASSERT_EQ(Text("lblMessage"), full);
    EXPECT_EQ(Find<TEffectLabel>("lblMessage")->TextColor(),
              ToQColor(window->Settings().MessageFlashColor));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text("lblMessage").isEmpty(); }, Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text("lblMessage") == full; }, Patience));
}

TEST_F(WindowEffects, TheDoubleUpIndicatorPicturesTakeTurnsWhileAWinIsOnOffer) {
    Open();
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    ASSERT_TRUE(Shown("pnlDoubleUp"));
    const bool upAtFirst = Shown("imgDupIndicatorUp");
    EXPECT_NE(Shown("imgDupIndicatorDown"), upAtFirst);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown("imgDupIndicatorUp") != upAtFirst; }, Patience));
    EXPECT_EQ(Shown("imgDupIndicatorDown"), upAtFirst);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown("imgDupIndicatorUp") == upAtFirst; }, Patience));
}

TEST_F(WindowEffects, IdleAnimationBringsThePayTableBackThenThePictureOverTheHiddenHand) {
    Open();
    WinAndCollect();
    // The double-up panel keeps showing the collected win until the idle animation.
    EXPECT_TRUE(Shown("pnlDoubleUp"));
    EXPECT_FALSE(Shown("pnlMain"));
    EXPECT_FALSE(Shown("imgFlash"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown("pnlMain"); }, Patience));
    EXPECT_FALSE(Shown("pnlDoubleUp"));
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_FALSE(Shown(QStringLiteral("lblHold%1").arg(slot).toLatin1().constData())) << slot;
    }

    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown("imgFlash"); }, Patience));
    EXPECT_TRUE(Shown("pnlMain"));
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_FALSE(HandCard(slot)->isVisibleTo(window.get())) << slot;
    }
}

TEST_F(WindowEffects, ADealDuringTheIdleAnimationHidesThePictureAndDealsAtOnce) {
    Open();
    WinAndCollect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown("imgFlash"); }, Patience));
    window->btnDealClick();
    EXPECT_FALSE(Shown("imgFlash"));
    EXPECT_TRUE(Shown("pnlMain"));
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_TRUE(HandCard(slot)->isVisibleTo(window.get())) << slot;
        EXPECT_FALSE(HandCard(slot)->ShowBack) << slot;
    }
}

// With motion reduced the calls to action stand steady: the banner keeps its text, both
// indicators stay lit, the won line stays highlighted and no card slides in.
TEST_F(WindowEffects, WithMotionReducedEverythingShowsAndNothingMoves) {
    store.Write("ReducedMotion", "1");
    store.Write("AnimatedCards", "1");
    Open();
    ASSERT_EQ(Text("lblMessage"), "INSERT COIN !");
    EXPECT_FALSE(window->Flash().BlinkTimer.isActive());
    AddCredit();
    window->btnDealClick();
    window->btnDealClick();
    ASSERT_TRUE(Shown("pnlDoubleUp"));
    EXPECT_FALSE(Text("lblMessage").isEmpty());
    EXPECT_TRUE(Shown("imgDupIndicatorUp") && Shown("imgDupIndicatorDown"));
    EXPECT_FALSE(window->Flash().IndicatorTimer.isActive());
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_FALSE(HandCard(slot)->Animated) << slot;
    }
    EXPECT_FALSE(window->Flash().BlinkTimer.isActive());
}

}  // namespace
}  // namespace orvane::test
