#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/MainMenus.h"
#include "forms/RgbColor.h"
#include "widgets/TShapeButton.h"

namespace orvane::test {
namespace {

using Chrome = MainWindowTest;

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

TEST_F(Chrome, MenusHoldTheirItemsInOrder) {
    Open();
    MainMenus& m = window->Menus();
    EXPECT_EQ(Captions(m.pmCredit), (QStringList{"Add credit ...", "Cash out", "-", "Statistics",
                                                 "Last games", "-", "Exit game"}));
    EXPECT_EQ(Captions(m.pmOptions),
              (QStringList{"Sound on/off", "Interactive buttons on/off", "Hold advisor on/off", "-",
                           "Full screen", "-", "Themes ...", "Options ..."}));
    EXPECT_EQ(Captions(m.pmHelp),
              (QStringList{"Help...", "Keyboard...", "-", "Homepage", "Bug report / Suggestions",
                           "-", "Pay table analysis", "-", "About..."}));
    for (const QMenu* menu : {m.pmCredit, m.pmOptions, m.pmHelp}) {
        EXPECT_GE(menu->sizeHint().width(), 140) << menu->objectName().toStdString();
        // A real popup of the window, never a child of the table that full screen enlarges.
        EXPECT_EQ(menu->parentWidget(), window.get());
    }
}

TEST_F(Chrome, EachStripButtonOpensItsMenuUnderItself) {
    Open();
    window->show();
    MainMenus& m = window->Menus();
    QMenu* menus[] = {nullptr, m.pmCredit, m.pmOptions, m.pmHelp};
    for (int i = 1; i <= 3; ++i) {
        auto* button = Find<TShapeButton>(QStringLiteral("fcShapeBtn%1").arg(i));
        button->click();
        QMenu* menu = menus[i];
        ASSERT_TRUE(menu->isVisible()) << i;
        EXPECT_EQ(menu->pos(), button->mapToGlobal(QPoint(0, button->height()))) << i;
        menu->hide();
    }
}

TEST_F(Chrome, CashOutIsOfferedOnlyOnAnIdleTable) {
    Open();
    AddCredit(2);
    MainMenus& m = window->Menus();
    window->pmCreditPopup();
    EXPECT_TRUE(m.Cashout1->isEnabled());

    window->btnDealClick();  // a round in progress
    window->pmCreditPopup();
    EXPECT_FALSE(m.Cashout1->isEnabled());
    window->Cashout1Click();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(window->Table().State().Credit, 195);
}

TEST_F(Chrome, CashOutAsksAndOnlyYesEmptiesTheMachine) {
    Open();
    AddCredit(3);
    answer = false;
    window->Menus().Cashout1->trigger();
    EXPECT_EQ(asked, QStringList{QStringLiteral("Cash out ?")});
    EXPECT_EQ(window->Table().State().Credit, 300);

    answer = true;
    window->Menus().Cashout1->trigger();
    EXPECT_EQ(window->Table().State().Credit, 0);
    EXPECT_EQ(Text("lblCredit"), "0");
    EXPECT_EQ(window->Settings().Counters.CreditOut, 300);
    EXPECT_EQ(window->Settings().Counters.RunCreditOut, 300);
}

TEST_F(Chrome, OptionsMenuMarksAndSwitchesSoundAndButtonTints) {
    store.Write("SoundEnabled", "0");
    store.Write("InteractiveButtonsEnabled", "1");
    Open();
    MainMenus& m = window->Menus();
    window->pmOptionsPopup();
    EXPECT_FALSE(m.Sound1->isChecked());
    EXPECT_TRUE(m.Interactivebuttons1->isChecked());
    // Before a coin some game buttons are dim; turning the tints off lights them all.
    const QColor lit = ToQColor(window->Settings().ButtonColor);
    ASSERT_NE(ButtonColor("btnHold1"), lit);

    m.Sound1->trigger();
    EXPECT_TRUE(window->Settings().SoundEnabled);
    m.Interactivebuttons1->trigger();
    EXPECT_FALSE(window->Settings().InteractiveButtonsEnabled);
    for (const char* name : {"btnHold1", "btnHold2", "btnHold3", "btnHold4", "btnHold5", "btnBet",
                             "btnCash", "btnDeal"}) {
        EXPECT_EQ(ButtonColor(QString::fromLatin1(name)), lit) << name;
    }
    window->pmOptionsPopup();
    EXPECT_TRUE(m.Sound1->isChecked());
    EXPECT_FALSE(m.Interactivebuttons1->isChecked());
}

TEST_F(Chrome, LinksOpenTheManualTheHomepageAndAMail) {
    WriteFile(QStringLiteral("help/index.html"));
    Open();
    MainMenus& m = window->Menus();
    m.mmenuHelp->trigger();
    m.mmenuKeyboard->trigger();  // no such page: nothing opens, nothing is said
    m.Homepage->trigger();
    m.BugreportSuggestions1->trigger();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(folder.filePath(QStringLiteral("help/index.html"))));
    EXPECT_EQ(opened[1].scheme(), "https");
    EXPECT_EQ(opened[1].host(), "www.example.com");
    EXPECT_EQ(opened[2].scheme(), "mailto");
    EXPECT_TRUE(opened[2].path().endsWith(QLatin1String("@example.com")));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(informed.isEmpty());
}

TEST_F(Chrome, FullScreenAndBackRestoresTheFramedWindow) {
    Open();
    window->show();
    const QRect screen = window->screen()->geometry();
    window->Menus().FullScreen->trigger();
    ASSERT_TRUE(window->FullScreen());
    EXPECT_TRUE(window->Menus().FullScreen->isChecked());
    EXPECT_EQ(window->geometry(), screen);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const qreal scale = std::min(screen.width() / 792.0, screen.height() / 572.0);
    EXPECT_DOUBLE_EQ(window->TableScale(), scale);
    // Letterboxed: the enlarged table sits in the middle of the screen.
    const QPoint origin = window->TableOrigin();
    EXPECT_NEAR(origin.x(), (screen.width() - 792 * scale) / 2, 1.0);
    EXPECT_NEAR(origin.y(), (screen.height() - 572 * scale) / 2, 1.0);

    window->Menus().FullScreen->trigger();
    EXPECT_FALSE(window->FullScreen());
    EXPECT_FALSE(window->Menus().FullScreen->isChecked());
    EXPECT_EQ(window->size(), QSize(800, 590));
    const QRect desktop = window->screen()->availableGeometry();
    EXPECT_EQ(window->pos(), desktop.topLeft() +
                                 QPoint((desktop.width() - 800) / 2, (desktop.height() - 590) / 2));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_DOUBLE_EQ(window->TableScale(), 1.0);
    EXPECT_EQ(window->Surface()->parentWidget(), window.get());
    EXPECT_EQ(window->Surface()->geometry(), QRect(4, 4, 792, 572));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Chrome, TheTablePlaysInFullScreen) {
    store.Write("FullScreenAtStart", "1");
    Open();
    window->show();
    ASSERT_TRUE(window->FullScreen());
    AddCredit();
    const QString bet = Text("lblBet");
    Key(Qt::Key_A);  // BET
    EXPECT_NE(Text("lblBet"), bet);
    QTest::mousePress(Find("imgBackground"), Qt::RightButton);  // a right press deals
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt);
    const bool held = window->Table().State().HandCard(1).Held;
    QTest::mouseClick(HandCard(1), Qt::LeftButton);
    EXPECT_NE(window->Table().State().HandCard(1).Held, held);
}

TEST_F(Chrome, MinimiseLeavesFullScreenAndRestoringReturnsToIt) {
    store.Write("FullScreenAtStart", "1");
    Open();
    window->show();
    ASSERT_TRUE(window->FullScreen());
    EXPECT_TRUE(window->FullScreenMemory());

    Find<TShapeButton>("btnMinimize")->click();
    EXPECT_FALSE(window->FullScreen());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->FullScreenMemory());

    window->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->FullScreen(); }));
    EXPECT_EQ(window->geometry(), window->screen()->geometry());
}

TEST_F(Chrome, OpeningTheManualInFullScreenMinimisesFirst) {
    WriteFile(QStringLiteral("help/keyboard.html"));
    store.Write("FullScreenAtStart", "1");
    Open();
    window->show();
    window->Menus().mmenuKeyboard->trigger();
    EXPECT_FALSE(window->FullScreen());
    EXPECT_TRUE(window->isMinimized());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].path().endsWith(QLatin1String("help/keyboard.html")));
}

}  // namespace
}  // namespace orvane::test
