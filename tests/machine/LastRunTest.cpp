// What a start puts back of the run before it: after a close the credit kept for it, once;
// after an interruption the table as it stood, and nothing kept at an earlier close on top.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "game/GameTable.h"
#include "game/NullDisplay.h"
#include "machine/LastRun.h"
#include "settings/CriticalStore.h"
#include "settings/MemoryStore.h"
#include "settings/TSettings.h"

namespace orvane::test {
namespace {

// One run of the machine as the window drives it, with or without the records' store.
struct MachineRun {
    MachineRun(MemoryStore& store, const std::string& records, bool keepRecords) : settings(store) {
        settings.Load(table.State(), table.Orvane());
        table.Start(7);
        if (keepRecords) {
            critical = std::make_unique<CriticalStore>(records);
        }
        ledger = RestoreLastRun(critical.get(), table, settings,
                                [this](const std::string& text) { told.push_back(text); });
    }
    // The window's close: the credit kept for the next start and an idle table emptied.
    void Close() {
        settings.LastCredit = table.State().Credit;
        if (ledger) {
            ledger->BeginClose();
        }
        table.CashOut(false);
        settings.Save(table.State(), table.Orvane());
        if (ledger) {
            ledger->EndClose();
        }
    }
    std::int32_t Credit() const { return table.State().Credit; }

    TSettings settings;
    NullDisplay display;
    NoPause pause;
    GameTable table{display, pause, settings};
    std::unique_ptr<CriticalStore> critical;
    std::unique_ptr<TableLedger> ledger;
    std::vector<std::string> told;
};

TEST(LastRun, TheCreditKeptAtACloseComesBackOnceWhereKeepingItIsOn) {
    QTemporaryDir folder;
    for (bool keepRecords : {false, true}) {
        for (bool saveCredit : {false, true}) {
            for (std::int32_t credit : {0, 250}) {
                const std::string records =
                    folder
                        .filePath(
                            QStringLiteral("r%1%2%3").arg(keepRecords).arg(saveCredit).arg(credit))
                        .toStdString();
                MemoryStore store;
                store.Write("SaveCredit", saveCredit ? "1" : "0");
                {
                    MachineRun first(store, records, keepRecords);
                    first.table.AddCredit(credit, false);
                    first.Close();
                    EXPECT_EQ(first.Credit(), 0);
                }
                const std::int32_t expected = saveCredit ? credit : 0;
                MachineRun second(store, records, keepRecords);
                EXPECT_EQ(second.ledger != nullptr, keepRecords);
                EXPECT_EQ(second.Credit(), expected) << keepRecords << saveCredit << credit;
                EXPECT_TRUE(second.told.empty());
            }
        }
    }
}

// Killed between games and in the middle of one.
TEST(LastRun, AnInterruptedRunComesBackAsItStoodWithoutTheCreditOfAnEarlierClose) {
    QTemporaryDir folder;
    for (bool dealt : {false, true}) {
        const std::string records = folder.filePath(QStringLiteral("r%1").arg(dealt)).toStdString();
        MemoryStore store;
        store.Write("LastCredit", "300");  // what a close before the interrupted run kept
        std::int32_t credit = 0;
        {
            MachineRun interrupted(store, records, true);
            ASSERT_EQ(interrupted.Credit(), 300);
            interrupted.table.AddCredit(1000, false);
            if (dealt) {
                interrupted.table.Deal();
            }
            credit = interrupted.Credit();
        }  // killed: no close
        MachineRun resumed(store, records, true);
        EXPECT_EQ(resumed.table.State().RoundState, dealt ? RoundPhase::Dealt : RoundPhase::Idle);
        EXPECT_EQ(resumed.Credit(), credit) << dealt;
        EXPECT_EQ(resumed.told, std::vector<std::string>{dealt ? TableLedger::ResumedText
                                                               : TableLedger::KeptText});
    }
}

}  // namespace
}  // namespace orvane::test
