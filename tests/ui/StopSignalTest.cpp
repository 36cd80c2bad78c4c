#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "MainWindowFixture.h"
#include "app/BringForward.h"
#include "app/ExitHook.h"
#include "app/ExitSignals.h"
#include "app/LostDisplaySave.h"
#include "app/UnattendedClose.h"
#include "forms/MainMenus.h"
#include "game/PayTable.h"

namespace orvane::test {
namespace {

// The window wired to the stop signals the way the program wires it.
class StopSignalTest : public MainWindowTest {
  protected:
    void Wire() {
        closer = std::make_unique<UnattendedClose>([this] { window->QuickExit = true; });
        closer->SetWindow(window.get());
        QObject::connect(&signals_, &ExitSignals::ExitRequested, closer.get(),
                         &UnattendedClose::Request);
        // Should a dialog stay open, the test fails instead of waiting for ever.
        rescue.setSingleShot(true);
        rescue.setInterval(30000);
        QObject::connect(&rescue, &QTimer::timeout, [this] {
            while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                rescued = true;
                dialog->done(QDialog::Rejected);
            }
        });
        rescue.start();
    }

    // Waits for the window to close; the limit only stops a test that would hang.
    bool Closed() const {
        return QTest::qWaitFor([this] { return !window->isVisible(); }, 30000);
    }

    void TearDown() override {
        EXPECT_FALSE(rescued) << "a dialog was left open";
        closer.reset();
        MainWindowTest::TearDown();
    }

    ExitSignals signals_;
    std::unique_ptr<UnattendedClose> closer;
    QTimer rescue;
    bool rescued = false;
};

#ifdef Q_OS_UNIX
TEST_F(StopSignalTest, TerminateClosesTheWindowAndKeepsTheCredit) {
    ASSERT_TRUE(signals_.Active());
    store.Write("StatsAtExit", "1");
    Open();
    AddCredit(3);
    window->show();
    Wire();
    QSignalSpy requested(&signals_, &ExitSignals::ExitRequested);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.at(0).at(0).toInt(), SIGTERM);
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("300"));
    // Nobody may be there: no exit question, no statistics at exit.
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(StopSignalTest, HangupClosesAnOpenDialogFirst) {
    Open();
    AddCredit(2);
    window->show();
    Wire();
    QTimer::singleShot(0, [] { std::raise(SIGHUP); });
    window->Addcredit1Click();  // modal: returns once the dialog is closed
    ASSERT_TRUE(Closed());
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("200"));
}

TEST_F(StopSignalTest, InterruptDuringADealClosesOnceTheDealIsDone) {
    Open(QueensSeed, true);
    AddCredit(2);
    window->show();
    Wire();
    QTimer::singleShot(0, [] { std::raise(SIGINT); });
    window->btnDealClick();  // its pauses let the signal in
    ASSERT_TRUE(Closed());
    // The bet of the deal was charged before the close kept the credit.
    const std::int32_t bet =
        BetLadder[static_cast<std::size_t>(window->Table().State().BetIndexAtDeal)];
    ASSERT_GT(bet, 0);
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>(std::to_string(200 - bet)));
}
#endif

TEST_F(StopSignalTest, ARequestBeforeTheWindowExistsClosesItOnceItIs) {
    bool quiet = false;
    UnattendedClose early([&quiet] { quiet = true; });
    early.Request();
    EXPECT_FALSE(quiet);
    Open();
    AddCredit(1);
    window->show();
    early.SetWindow(window.get());
    ASSERT_TRUE(Closed());
    EXPECT_TRUE(quiet);
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("100"));
}

// What exit() runs when the display is lost: the store saved as the close saves it,
// without a window call (the window stays as it is).
TEST_F(StopSignalTest, TheExitHookSavesOnceAndOnlyWhileArmed) {
    Open();
    AddCredit(4);
    window->show();
    int runs = 0;
    {
        const ExitHook disarmed([&runs] { ++runs; });
    }
    ExitHook::RunArmed();
    EXPECT_EQ(runs, 0);
    const ExitHook hook([this, &runs] {
        ++runs;
        SaveWithoutDisplay(*window);
    });
    ExitHook::RunArmed();
    ExitHook::RunArmed();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("400"));
    EXPECT_TRUE(window->isVisible());
}

// In the middle of a table action the table is not whole; the last save stands.
TEST_F(StopSignalTest, ALostDisplayDuringAnActionSavesNothing) {
    store.Write("LastCredit", "700");
    Open();
    AddCredit(4);
    window->Table().State().Ready = false;
    EXPECT_FALSE(SaveWithoutDisplay(*window));
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("700"));
    window->Table().State().Ready = true;
    EXPECT_TRUE(SaveWithoutDisplay(*window));
    EXPECT_EQ(store.Read("LastCredit"), std::optional<std::string>("1100"));
}

TEST_F(StopSignalTest, ASecondStartRestoresAMinimisedWindow) {
    Open();
    window->show();
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    BringForward(*window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace orvane::test
