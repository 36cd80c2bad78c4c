#include <QApplication>
#include <QTimer>

#include "MainWindowFixture.h"
#include "forms/TShapeButton.h"

namespace orvane::test {
namespace {

using StartAndClose = MainWindowTest;

TEST_F(StartAndClose, CaptionNamesTheGameItsVersionAndMaker) {
    Open();
    EXPECT_TRUE(window->windowTitle().startsWith(QLatin1String("Orvane Cards 2.4 - ")));
    EXPECT_FALSE(window->windowTitle().endsWith(QLatin1String(" - under development")));
    EXPECT_FALSE(Find("lblCaption")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->DevMode);
    EXPECT_EQ(window->AppDir, folder.path() + QLatin1Char('/'));
}

TEST_F(StartAndClose, DevelopmentModeShowsItselfAndNeverAsks) {
    WriteFile(QStringLiteral("dev.id"));
    Open();
    EXPECT_TRUE(window->DevMode);
    EXPECT_TRUE(window->windowTitle().endsWith(QLatin1String(" - under development")));
    EXPECT_TRUE(Find("lblCaption")->isVisibleTo(window.get()));
    EXPECT_EQ(Text("lblCaption"), "DEV");
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(StartAndClose, ClosingAsksAndNoKeepsTheGame) {
    Open();
    window->show();
    answer = false;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, QStringList{QStringLiteral("Exit Orvane Cards ?")});
    EXPECT_TRUE(window->isVisible());
    answer = true;
    Find<TShapeButton>("btnExit")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(StartAndClose, CreditIsKeptForTheNextRun) {
    Open();
    AddCredit(3);
    window->show();
    ASSERT_TRUE(window->close());
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("300"));
    EXPECT_EQ(store.Read("Credit_in"), std::optional<std::string>("300"));

    window.reset();
    Open();
    EXPECT_EQ(Text("lblCredit"), "300");
    EXPECT_EQ(window->Settings().Counters.CreditIn, 300);  // given back, not put in again
}

TEST_F(StartAndClose, DamagedStoredValueIsReportedAndTheGameStarts) {
    store.Write("GameSpeed", "fast");
    Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(FatalErrorPrefix));
    EXPECT_TRUE(errors[0].contains(QLatin1String("GameSpeed")));
    AddCredit();
    window->btnDealClick();
    EXPECT_EQ(Text("lblCredit"), "95");
}

TEST_F(StartAndClose, CreditIsNotGivenBackWhenNotWanted) {
    store.Write("SaveCredit", "0");
    store.Write("LastCredit", "250");
    Open();
    EXPECT_EQ(Text("lblCredit"), "0");
}

TEST_F(StartAndClose, ControlsStandAtTheirPlaces) {
    Open();
    // The thin frame around the table: the outer size never falls below 800 x 590.
    EXPECT_EQ(window->size(), QSize(800, 590));
    EXPECT_EQ(window->Surface()->geometry(), QRect(4, 4, 792, 572));
    const struct {
        const char* name;
        QRect box;
    } places[] = {
        {"CaptionShape", {184, 0, 546, 25}},
        {"fcShapeBtn1", {23, 5, 52, 17}},
        {"fcShapeBtn2", {78, 5, 52, 17}},
        {"fcShapeBtn3", {133, 5, 52, 17}},
        {"lblCaption", {192, 8, 21, 14}},
        {"btnMinimize", {735, 5, 17, 17}},
        {"btnExit", {754, 5, 17, 17}},
        {"lblHold1", {76, 478, 36, 10}},
        {"lblHold5", {684, 478, 36, 10}},
        {"imgOrvaneState10", {50, 200, 21, 20}},
        {"imgOrvaneState6", {138, 200, 21, 20}},
        {"imgOrvaneState5", {50, 221, 21, 20}},
        {"imgOrvaneState1", {138, 221, 21, 20}},
        {"imgFlash", {149, 344, 500, 72}},
        {"imgStarL3", {29, 500, 13, 13}},
        {"imgStarL1", {61, 500, 13, 13}},
        {"imgStarR1", {716, 500, 13, 13}},
        {"imgStarR3", {748, 500, 13, 13}},
        {"Label23", {145, 225, 7, 13}},
        {"Label27", {57, 225, 7, 13}},
        {"Label31", {79, 204, 7, 13}},
        {"Label32", {54, 204, 13, 13}},
        {"lblMessage", {171, 497, 449, 17}},
        {"pnlMain", {190, 33, 414, 223}},
        {"pnlDoubleUp", {190, 32, 416, 224}},
        {"lblWinScoreLabel", {0, 0, 416, 17}},
        {"imgDupIndicatorUp", {393, 27, 25, 100}},
        {"imgDupIndicatorDown", {393, 123, 25, 100}},
        {"btnHold1", {22, 529, 145, 17}},
        {"btnHold5", {629, 529, 145, 17}},
        {"btnBet", {325, 550, 145, 17}},
        {"btnCash", {477, 550, 145, 17}},
        {"btnDeal", {629, 550, 145, 17}},
        {"lblCredit", {639, 68, 105, 27}},
    };
    for (const auto& p : places) {
        EXPECT_EQ(Find(QString::fromLatin1(p.name))->geometry(), p.box) << p.name;
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(HandCard(i)->geometry(), QRect(152 * i - 128, 270, 140, 208)) << i;
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(DupCard(i)->geometry(), QRect(30 * i - 28, 16, 140, 208)) << i;
        EXPECT_EQ(DupCard(i)->parentWidget(), Find("pnlDoubleUp"));
    }
    // The bottom row is inside the window.
    EXPECT_LE(Find("btnDeal")->geometry().bottom(), window->Surface()->height() - 1);
    EXPECT_FALSE(Find("imgFlash")->isVisibleTo(window.get()));
    EXPECT_FALSE(Find("imgDupIndicatorDown")->isVisibleTo(window.get()));
    EXPECT_EQ(Find<TImageButton>("btnHold3")->Tag(), 3);
}

TEST_F(StartAndClose, CreditThatWouldOverflowIsRefusedWithANotice) {
    Open();
    window->Table().State().Credit = 2147483600;
    AddCredit();
    EXPECT_EQ(window->Table().State().Credit, 2147483600);
    ASSERT_EQ(informed.size(), 1);
}

// With the real waits, input that arrives while the cards are turned up meets the closed
// gate, and a quick exit asked for meanwhile waits for the deal to end.
TEST_F(StartAndClose, InputDuringADealIsDroppedAndAQuickExitWaits) {
    Open(QueensSeed, true);
    window->show();
    AddCredit();
    bool pressedDuringDeal = false;
    QTimer::singleShot(30, window.get(), [&] {
        pressedDuringDeal = !window->Table().State().Ready;
        Key(Qt::Key_A);                       // BET: dropped
        Key(Qt::Key_Q, Qt::ControlModifier);  // quick exit: after the deal
        EXPECT_TRUE(window->isVisible());
    });
    window->btnDealClick();
    ASSERT_TRUE(pressedDuringDeal);
    EXPECT_EQ(Text("lblBet"), "5");
    EXPECT_EQ(Text("lblCredit"), "95");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("95"));
}

}  // namespace
}  // namespace orvane::test
