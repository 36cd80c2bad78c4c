// The real window on a record store whose disk fills up and is freed again, and on record
// files edited or cut short by a kill.
#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include "MainWindowFixture.h"
#include "game/SnapshotCodec.h"
#include "machine/RecordsNotice.h"
#include "machine/TableLedger.h"
#include "settings/CriticalStore.h"
#include "settings/QSettingsStore.h"
#include "view/TFlash.h"

namespace orvane::test {
namespace {

// The real files, except that every write fails while the disk is full.
class FillableFiles final : public CriticalFiles {
  public:
    FileBytes Read(const std::string& path, std::size_t limit) override {
        return real.Read(path, limit);
    }
    std::string ReplaceDurably(const std::string& path, std::string_view bytes) override {
        return full ? "No space left on device" : real.ReplaceDurably(path, bytes);
    }
    std::string SyncFolderOf(const std::string& path) override { return real.SyncFolderOf(path); }
    std::string MoveAside(const std::string& from, const std::string& to) override {
        return real.MoveAside(from, to);
    }
    PosixCriticalFiles real;
    bool full = false;
};

class RecordsOnDisk : public MainWindowTest {
  protected:
    void Start() {
        informed.clear();
        settingsStore = std::make_unique<QSettingsStore>(folder.filePath("Orvane Cards.conf"));
        critical = std::make_unique<CriticalStore>(path, files);
        MainWindowSetup setup = Setup(*settingsStore);
        setup.Critical = critical.get();
        setup.Inform = [this](const QString& text) {
            informed << text;
            // What the table does behind a notice the player is still reading.
            const TFlash& flash = window->Flash();
            idleBehindNotice = idleBehindNotice || flash.IdleDelayTimer.isActive() ||
                               flash.FlashTimer.isActive() || flash.JokerTimer.isActive();
        };
        window = std::make_unique<TfrmMain>(std::move(setup));
        window->show();
        QCoreApplication::processEvents();  // the notices come once the window is up
    }
    void Kill() {
        window.reset();
        critical.reset();
        settingsStore.reset();
    }
    // A coin of 1000 put in the way the player does: the credit, then the coin button.
    void InsertCoin() {
        WhenModal([](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("btnCoin1000")),
                              Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("btnClose")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(Find(QStringLiteral("lblCredit")), Qt::LeftButton);
    }
    const TableState& State() const { return window->Table().State(); }
    bool Told(const std::string& text) const {
        return informed.contains(QString::fromStdString(text));
    }
    int ToldContaining(const QString& part) const {
        return static_cast<int>(informed.filter(part).size());
    }
    CriticalLoad Stored() const { return CriticalStore(path).Load(); }

    std::string path = folder.filePath(QStringLiteral("Orvane Cards.critical")).toStdString();
    std::string recordsFolder = folder.path().toStdString();
    std::shared_ptr<FillableFiles> files = std::make_shared<FillableFiles>();
    std::unique_ptr<QSettingsStore> settingsStore;
    std::unique_ptr<CriticalStore> critical;
    bool idleBehindNotice = false;
};

TEST_F(RecordsOnDisk, NoCoinOrDealIsTakenWhileTheRecordsCannotBeSaved) {
    Start();
    InsertCoin();
    ASSERT_EQ(State().Credit, 1000);
    Key(Qt::Key_Space);
    Key(Qt::Key_Space);  // three queens
    ASSERT_GT(State().Win, 0);
    const std::int32_t owed = State().Credit + State().Win;

    files->full = true;
    Key(Qt::Key_N);  // the win on offer is still collected
    QCoreApplication::processEvents();
    EXPECT_EQ(State().Credit, owed);
    EXPECT_TRUE(Told(RecordsNotKeptNotice(recordsFolder, "No space left on device")));
    EXPECT_EQ(Text("lblMessage"), "CANNOT SAVE - CHECK THE DISK");
    InsertCoin();
    Key(Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_EQ(State().Credit, owed);
    EXPECT_EQ(State().RoundState, RoundPhase::Idle);
    EXPECT_TRUE(Told(CoinRefusedNotice(recordsFolder)));
    EXPECT_EQ(ToldContaining("cannot be saved in the folder"), 2) << "told once, and the coin";

    // Killed now and started on the same full disk: the win is owed again, nothing more.
    Kill();
    Start();
    EXPECT_EQ(State().Credit + State().Win, owed);
    Key(Qt::Key_N);
    EXPECT_EQ(State().Credit, owed);

    // The disk is freed: the game finds out by itself and takes money again.
    files->full = false;
    QTRY_VERIFY_WITH_TIMEOUT(Told(RecordsKeptAgainNotice(recordsFolder)), 15000);
    EXPECT_NE(Text("lblMessage"), "CANNOT SAVE - CHECK THE DISK");
    InsertCoin();
    EXPECT_EQ(State().Credit, owed + 1000);
    Key(Qt::Key_Space);
    EXPECT_EQ(State().RoundState, RoundPhase::Dealt);
    const std::int32_t dealt = State().Credit;

    // Full again, between the deal and the draw: the draw's stake is not taken either.
    files->full = true;
    Key(Qt::Key_A);  // the bet is saved, or not
    Key(Qt::Key_Space);
    EXPECT_EQ(State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(State().Credit, dealt);
}

// Both files edited with their checksums made good: the audit finds the credit its own
// counters do not explain at the start, and says so once.
TEST_F(RecordsOnDisk, ACreditEditedInTheFilesIsToldAtStart) {
    Start();
    InsertCoin();
    Key(Qt::Key_Space);
    Kill();
    CriticalStore edit(path);
    CriticalRecords records = *edit.Load().Records;
    for (auto& [name, value] : records) {
        if (name == "Credit") {
            value = "5000";
        }
    }
    ASSERT_TRUE(edit.Save(records));

    Start();
    const QString audit = QStringLiteral("found a mismatch");
    EXPECT_EQ(ToldContaining(audit), 1) << informed.join('\n').toStdString();
    Key(Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_EQ(ToldContaining(audit), 1);
}

// Killed while the draw's cards were being turned up, to no win: the restart finishes the
// draw, keeps it at once, shows it until the notice is read and lists it in the last games.
TEST_F(RecordsOnDisk, ADrawFinishedByARestartIsKeptShownAndListed) {
    Start();
    InsertCoin();
    Key(Qt::Key_Space);
    Key(Qt::Key_N);  // no holds
    window->HoldClick(1);
    bool copied = false;
    duringWait = [&](int) {
        if (!copied && State().StageInFlight == DrawStage::FirstDraw) {
            copied = true;
            for (const std::string& file : {path, path + CriticalStore::SecondSuffix}) {
                QFile::remove(QString::fromStdString(file + ".cut"));
                QFile::copy(QString::fromStdString(file), QString::fromStdString(file + ".cut"));
            }
        }
    };
    Key(Qt::Key_Space);
    duringWait = nullptr;
    ASSERT_TRUE(copied);
    ASSERT_EQ(State().RoundState, RoundPhase::Idle) << "the draw was meant to win nothing";
    const std::int32_t credit = State().Credit;
    Kill();
    for (const std::string& file : {path, path + CriticalStore::SecondSuffix}) {
        QFile::remove(QString::fromStdString(file));
        QFile::rename(QString::fromStdString(file + ".cut"), QString::fromStdString(file));
    }

    Start();
    EXPECT_EQ(State().Credit, credit);
    EXPECT_FALSE(idleBehindNotice);
    EXPECT_TRUE(window->Flash().IdleDelayTimer.isActive()) << "once the notice is read";
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_TRUE(HandCard(slot)->isVisible());
    }
    const SnapshotDecoding stored = SnapshotCodec::Decode(*Stored().Records);
    ASSERT_TRUE(stored.Snapshot);
    EXPECT_FALSE(stored.Snapshot->Table.StageInFlight) << "kept before any key";
    ASSERT_FALSE(window->Table().History().Finished().empty());
    EXPECT_EQ(window->Table().History().Finished().back().Draws.size(), 1U);
}

}  // namespace
}  // namespace orvane::test
