#include <QDialog>
#include <QTabBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/MainMenus.h"
#include "forms/TFormZQ.h"
#include "forms/TfrmStatistics.h"

namespace orvane::test {
namespace {

using Closing = MainWindowTest;

void CloseDialog(QWidget* dialog) {
    if (auto* frame = qobject_cast<TFormZQ*>(dialog)) {
        frame->Finish(DialogResult::Ok);
    }
}

TEST_F(Closing, StatisticsAtExitShowTheRunThatEnds) {
    store.Write("StatsAtExit", "1");
    Open();
    AddCredit(2);
    window->show();
    std::int32_t creditShown = -1;
    bool overall = true;
    WhenModal([&](QWidget* dialog) {
        // The machine is already empty and its credit kept for the next run.
        creditShown = window->Table().State().Credit;
        if (auto* statistics = qobject_cast<TfrmStatistics*>(dialog)) {
            overall = statistics->ShowsOverall();
        }
        CloseDialog(dialog);
    });
    ASSERT_TRUE(window->close());
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Orvane Cards - Statistics")});
    EXPECT_EQ(creditShown, 0);
    EXPECT_FALSE(overall);
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("200"));
}

TEST_F(Closing, QuickExitShowsNoStatisticsAndAsksNothing) {
    store.Write("StatsAtExit", "1");
    Open();
    window->show();
    WhenModal(CloseDialog);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(Closing, NoStatisticsAtExitUnlessAskedFor) {
    store.Write("StatsAtExit", "0");
    Open();
    window->show();
    WhenModal(CloseDialog);
    ASSERT_TRUE(window->close());
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(Closing, ExitGameAsksFirst) {
    Open();
    window->show();
    answer = false;
    window->Menus().Exitgame1->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(asked, QStringList{QStringLiteral("Exit Orvane Cards ?")});
    answer = true;
    window->Menus().Exitgame1->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Through the player's clicks: shown, a close refused, then a close agreed during a deal,
// which waits for the deal and is carried out when it ends.
TEST_F(Closing, TheWindowLivesFromItsShowToItsClose) {
    Open();
    AddCredit();
    EXPECT_EQ(window->Life(), WindowStage::Created);
    window->show();
    EXPECT_EQ(window->Life(), WindowStage::Running);
    answer = false;
    QTest::mouseClick(Find("btnExit"), Qt::LeftButton);
    EXPECT_EQ(window->Life(), WindowStage::Running);
    EXPECT_TRUE(window->isVisible());
    answer = true;
    std::optional<WindowStage> duringDeal;
    duringWait = [&](int) {
        if (!duringDeal) {
            QTest::mouseClick(Find("btnExit"), Qt::LeftButton);
            duringDeal = window->Life();
            EXPECT_TRUE(window->isVisible());
        }
    };
    QTest::mouseClick(Find("btnDeal"), Qt::LeftButton);
    EXPECT_EQ(duringDeal, WindowStage::ClosePending);
    EXPECT_EQ(window->Life(), WindowStage::Closed);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(Closing, TheStatisticsMenuOpensOnTheCurrentSession) {
    Open();
    AddCredit(1);
    bool overall = true;
    QString creditIn;
    WhenModal([&](QWidget* dialog) {
        auto* statistics = qobject_cast<TfrmStatistics*>(dialog);
        ASSERT_NE(statistics, nullptr);
        overall = statistics->ShowsOverall();
        creditIn = statistics->findChild<QLabel*>(QStringLiteral("lblCreditIn"))->text();
        CloseDialog(dialog);
    });
    window->Menus().menuStatistics->trigger();
    EXPECT_FALSE(overall);
    EXPECT_EQ(creditIn, "100");
}

}  // namespace
}  // namespace orvane::test
