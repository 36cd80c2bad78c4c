#include <QApplication>
#include <QTimer>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "layout/TableGeometry.h"
#include "settings/ThemeCatalog.h"
#include "widgets/TShapeButton.h"

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

// Every control stands where the table's geometry puts it, in the theme in force; how
// those places relate to each other is checked where the geometry is kept.
TEST_F(StartAndClose, ControlsStandWhereTheTableGeometryPutsThem) {
    namespace G = TableGeometry;
    Open();
    // The thin frame around the table: the outer size never falls below 800 x 590.
    EXPECT_EQ(window->size(), QSize(800, 590));
    EXPECT_EQ(window->Surface()->geometry(),
              G::Surface.Moved(TfrmMain::FrameWidth, TfrmMain::FrameWidth).To<QRect>());
    const ThemeRecord* theme = FindTheme(window->Settings().ThemeID);
    ASSERT_NE(theme, nullptr);
    const G::ValueBoxes values = G::ValuesAt(ValueTopsOf(*theme));
    std::vector<std::pair<QString, Box>> places{
        {QStringLiteral("CaptionShape"), G::CaptionStrip},
        {QStringLiteral("lblCaption"), G::DevelopmentCaption},
        {QStringLiteral("btnMinimize"), G::MinimizeButton},
        {QStringLiteral("btnExit"), G::ExitButton},
        {QStringLiteral("imgBackground"), G::Background},
        {QStringLiteral("imgFlash"), G::Flash},
        {QStringLiteral("lblMessage"), G::Message},
        {QStringLiteral("lblCredit"), values.Credit},
        {QStringLiteral("lblBet"), values.Bet},
        {QStringLiteral("lblWinScore"), values.Win},
        {QStringLiteral("lblOrvaneWin"), values.Bonus},
        {QStringLiteral("imgOrvaneCards"), values.BonusCards},
        {QStringLiteral("pnlMain"), G::PayPanel},
        {QStringLiteral("pnlDoubleUp"), G::DoubleUpPanel},
        {QStringLiteral("lblWinScoreLabel"), G::WinTitle},
        {QStringLiteral("lblDupGuessHint"), G::GuessHint},
        {QStringLiteral("lblDupCollectHint"), G::CollectHint},
        {QStringLiteral("imgDupIndicatorUp"), G::IndicatorUp},
        {QStringLiteral("imgDupIndicatorDown"), G::IndicatorDown},
        {QStringLiteral("btnBet"), G::BetButton},
        {QStringLiteral("btnCash"), G::CashButton},
        {QStringLiteral("btnDeal"), G::DealButton},
    };
    for (int n = 1; n <= 3; ++n) {
        places.emplace_back(QStringLiteral("fcShapeBtn%1").arg(n), G::MenuButton(n));
        places.emplace_back(QStringLiteral("imgStarL%1").arg(n), G::StarLeft(n));
        places.emplace_back(QStringLiteral("imgStarR%1").arg(n), G::StarRight(n));
    }
    for (int slot = 1; slot <= 5; ++slot) {
        places.emplace_back(QStringLiteral("lblHold%1").arg(slot), G::HoldMark(slot));
        places.emplace_back(QStringLiteral("btnHold%1").arg(slot), G::HoldButton(slot));
    }
    for (int square = 1; square <= 10; ++square) {
        places.emplace_back(QStringLiteral("imgOrvaneState%1").arg(square), G::MeterLamp(square));
        places.emplace_back(QStringLiteral("Label%1").arg(22 + square), G::MeterDigit(square));
    }
    for (int line = 1; line <= 11; ++line) {
        places.emplace_back(QStringLiteral("Label%1").arg(line), G::PayLineName(line));
        places.emplace_back(QStringLiteral("Label%1").arg(11 + line), G::PayLineAmount(line));
    }
    for (const auto& [name, box] : places) {
        EXPECT_EQ(Find(name)->geometry(), box.To<QRect>()) << name.toStdString();
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(HandCard(i)->geometry(), G::HandCard(i).To<QRect>()) << i;
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(DupCard(i)->geometry(), G::DupCard(i).To<QRect>()) << i;
        EXPECT_EQ(DupCard(i)->parentWidget(), Find("pnlDoubleUp"));
    }
    // The bottom row is inside the window.
    for (const char* button : {"btnBet", "btnCash", "btnDeal"}) {
        EXPECT_LE(Find(QString::fromLatin1(button))->geometry().bottom(),
                  window->Surface()->height() - 1);
    }
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
