#include <QCoreApplication>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "game/Amount.h"
#include "machine/TableLedger.h"
#include "settings/CriticalStore.h"
#include "settings/QSettingsStore.h"

namespace orvane::test {
namespace {

// The program as it really starts: an INI settings file and the critical store beside
// it. Ending a run without the window's close is what a kill, a crash or a lost display
// leaves behind: the settings file holds only what an earlier close wrote.
class InterruptedRun : public MainWindowTest {
  protected:
    TfrmMain& Start() {
        informed.clear();
        settingsStore = std::make_unique<QSettingsStore>(folder_.filePath("Orvane Cards.conf"));
        critical = std::make_unique<CriticalStore>(
            folder_.filePath("Orvane Cards.critical").toStdString());
        MainWindowSetup setup = Setup(*settingsStore);
        setup.Critical = critical.get();
        window = std::make_unique<TfrmMain>(std::move(setup));
        window->show();
        QCoreApplication::processEvents();  // the notices come once the window is up
        return *window;
    }

    void Kill() {
        window.reset();
        critical.reset();
        settingsStore.reset();
    }

    void Close() {
        ASSERT_TRUE(window->close());
        Kill();
    }

    bool ToldResumed() const {
        return informed.contains(QString::fromLatin1(TableLedger::ResumedText));
    }
    bool ToldKept() const { return informed.contains(QString::fromLatin1(TableLedger::KeptText)); }

    QTemporaryDir folder_;
    std::unique_ptr<QSettingsStore> settingsStore;
    std::unique_ptr<CriticalStore> critical;
};

TEST_F(InterruptedRun, ADealtHandComesBackWithItsCardsHoldsAndCredit) {
    Start();
    window->AddCredit(1000, true);
    window->btnDealClick();
    const TableState dealt = window->Table().State();
    ASSERT_EQ(dealt.RoundState, RoundPhase::Dealt);
    Kill();

    Start();
    const TableState resumed = window->Table().State();
    EXPECT_EQ(resumed.Credit, dealt.Credit);
    EXPECT_EQ(resumed.RoundState, RoundPhase::Dealt);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(resumed.HandCard(slot).Value, dealt.HandCard(slot).Value) << "slot " << slot;
        EXPECT_EQ(resumed.HandCard(slot).Held, dealt.HandCard(slot).Held) << "slot " << slot;
    }
    EXPECT_EQ(Text("lblCredit"), QString::number(dealt.Credit));
    EXPECT_EQ(window->Settings().Counters.CreditIn, 1000);  // never reached the settings file
    EXPECT_TRUE(ToldResumed()) << informed.join('\n').toStdString();
    EXPECT_FALSE(ToldKept());

    // The draw is the one the interrupted run would have made: three queens.
    window->btnDealClick();
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_GT(window->Table().State().Win, 0);
}

TEST_F(InterruptedRun, AWinOnOfferIsStillOwedAfterAKill) {
    Start();
    window->AddCredit(1000, true);
    window->btnDealClick();
    window->btnDealClick();
    const TableState won = window->Table().State();
    ASSERT_GT(won.Win, 0);
    Kill();

    Start();
    EXPECT_EQ(window->Table().State().Win, won.Win);
    EXPECT_EQ(Text("lblWinScore"), QString::number(won.Win));
    EXPECT_TRUE(window->Table().DoubleUpOffer().IsOpen());
    window->btnCashClick();
    EXPECT_EQ(window->Table().State().Credit, won.Credit + won.Win);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
}

// The credit a close keeps comes back once; the critical store does not add it again.
TEST_F(InterruptedRun, ANormalCloseGivesTheCreditBackOnce) {
    Start();
    window->Settings().SaveCredit = true;
    window->AddCredit(700, true);
    Close();

    Start();
    EXPECT_EQ(window->Table().State().Credit, 700);
    EXPECT_FALSE(ToldResumed());
    Kill();  // killed while idle, right after the start

    Start();
    EXPECT_TRUE(ToldKept());
    EXPECT_EQ(window->Table().State().Credit, 700);
    EXPECT_EQ(window->Settings().Counters.CreditIn, 700);
}

// Closing in the middle of a round keeps the round for the next start instead of
// abandoning its stake, and its credit is not handed back a second time. The notice says
// it was kept at the close, not lost to a failure.
TEST_F(InterruptedRun, ACloseDuringARoundKeepsTheRoundForTheNextStart) {
    Start();
    window->Settings().SaveCredit = true;
    window->AddCredit(1000, true);
    window->btnDealClick();
    const std::int32_t credit = window->Table().State().Credit;
    Close();

    Start();
    EXPECT_EQ(window->Table().State().Credit, credit);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(informed, QStringList{QString::fromLatin1(TableLedger::KeptRoundText)});

    window->btnDealClick();  // the draw: a win on offer, kept at the next close as well
    const std::int32_t win = window->Table().State().Win;
    ASSERT_GT(win, 0);
    Close();

    Start();
    EXPECT_EQ(window->Table().State().Win, win);
    EXPECT_EQ(informed, QStringList{QString::fromLatin1(TableLedger::KeptWinText)});
    Kill();

    Start();
    EXPECT_TRUE(ToldResumed()) << "this time the game did not close";
}

// A win waiting for room lets the player cash out in mid-round; the close must not take
// that road, or the credit lands in LastCredit, which a resumed round never reads.
TEST_F(InterruptedRun, ACloseWithAWinWaitingForRoomGivesBackTheWholeCreditOnce) {
    {
        QSettingsStore seed(folder_.filePath("Orvane Cards.conf"));
        seed.Write("LastCredit", "2147483000");
        seed.Write("Prize8", "1234");  // three queens pay 6170 at the bet of 5
    }
    Start();
    window->btnDealClick();
    window->btnDealClick();
    window->btnCashClick();
    ASSERT_EQ(window->Table().State().Credit, MaxAmount);
    const std::int32_t owed = window->Table().State().Win;
    ASSERT_GT(owed, 0);
    Close();

    Start();
    EXPECT_EQ(window->Table().State().Credit, MaxAmount);
    EXPECT_EQ(window->Table().State().Win, owed);
    window->Cashout1Click();
    window->btnCashClick();
    EXPECT_EQ(window->Table().State().Credit, owed);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
}

TEST_F(InterruptedRun, MetersAndRecordsOfTheLostRunAreKept) {
    Start();
    window->AddCredit(1000, true);
    window->btnDealClick();
    window->btnDealClick();
    window->btnCashClick();
    const Statistics counted = window->Settings().Counters;
    const TOrvane meter = window->Table().Orvane();
    Kill();

    Start();
    EXPECT_TRUE(ToldKept()) << "killed between games: nothing to resume, all kept";
    EXPECT_FALSE(ToldResumed());
    EXPECT_EQ(window->Settings().Counters.PrizeStat, counted.PrizeStat);
    EXPECT_EQ(window->Settings().Counters.CreditIn, counted.CreditIn);
    EXPECT_EQ(window->Table().Orvane().State, meter.State);
    EXPECT_EQ(window->Table().History().Finished().size(), 1U);
}

}  // namespace
}  // namespace orvane::test
