#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "../settings/OrdinaryUser.h"

#include "app/SingleInstance.h"
#include "settings/QSettingsStore.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;

class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Takes the lock from another thread, as a second start would from another process:
    // the holder answers from this thread's event loop meanwhile.
    SingleInstance::Claim SecondStart(std::chrono::milliseconds wait = 10s) {
        auto claim = std::async(std::launch::async, [this, wait] {
            SingleInstance second(lockPath);
            return second.Take(wait);
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return claim.wait_for(0s) == std::future_status::ready; },
                                    60000));
        return claim.get();
    }

    QTemporaryDir folder;
    QString lockPath = folder.filePath(QStringLiteral("settings/Orvane Cards.lock"));
};

TEST_F(SingleInstanceTest, SecondStartBringsTheFirstForwardAndGivesWay) {
    SingleInstance first(lockPath);
    QSignalSpy forward(&first, &SingleInstance::ComeForwardRequested);
    ASSERT_EQ(first.Take(), SingleInstance::Claim::First);
    EXPECT_TRUE(QFileInfo::exists(lockPath));

    EXPECT_EQ(SecondStart(), SingleInstance::Claim::OtherCameForward);
    EXPECT_EQ(forward.count(), 1);
    // The first still holds its lock after answering.
    EXPECT_EQ(SecondStart(), SingleInstance::Claim::OtherCameForward);
    EXPECT_EQ(forward.count(), 2);
}

TEST_F(SingleInstanceTest, AHolderThatDoesNotAnswerIsReported) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(lockPath).path()));
    QLockFile silent(lockPath);  // holds the lock but never listens
    ASSERT_TRUE(silent.tryLock(0));
    EXPECT_EQ(SecondStart(300ms), SingleInstance::Claim::OtherDoesNotAnswer);
}

TEST_F(SingleInstanceTest, TheLockIsFreeAgainWhenTheFirstEnds) {
    {
        SingleInstance first(lockPath);
        ASSERT_EQ(first.Take(), SingleInstance::Claim::First);
    }
    EXPECT_FALSE(QFileInfo::exists(lockPath));
    SingleInstance next(lockPath);
    EXPECT_EQ(next.Take(), SingleInstance::Claim::First);
}

TEST_F(SingleInstanceTest, ReleaseFreesTheLockAndTheSocketWhileTheObjectLives) {
    SingleInstance first(lockPath);
    ASSERT_EQ(first.Take(), SingleInstance::Claim::First);
    QLocalServer probe;
    EXPECT_FALSE(probe.listen(SingleInstance::ServerNameFor(lockPath))) << "the name is in use";
    first.Release();
    EXPECT_FALSE(QFileInfo::exists(lockPath));
    EXPECT_TRUE(probe.listen(SingleInstance::ServerNameFor(lockPath)))
        << "the socket of the released copy is gone";
    probe.close();
    SingleInstance next(lockPath);
    EXPECT_EQ(next.Take(), SingleInstance::Claim::First);
}

// A killed copy leaves its lock naming a process that is gone: the next start takes it
// over instead of being locked out for good.
// Leaves at lockPath the lock of a copy that has ended, as a kill leaves it.
void LeaveStaleLock(const QString& lockPath) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(lockPath).path()));
    QByteArray lockText;
    {
        QLockFile model(lockPath);
        ASSERT_TRUE(model.tryLock(0));
        QFile file(lockPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        lockText = file.readAll();
    }
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    // Qt's lock file: the pid on the first line, then the program and the host.
    lockText = QByteArray::number(deadPid) + lockText.mid(lockText.indexOf('\n'));
    QFile left(lockPath);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write(lockText);
    left.close();
}

TEST_F(SingleInstanceTest, ALockLeftByAKilledCopyIsTakenOver) {
    LeaveStaleLock(lockPath);
    SingleInstance next(lockPath);
    EXPECT_EQ(next.Take(), SingleInstance::Claim::First);
    QLockFile check(lockPath);
    qint64 pid = 0;
    QString host, program;
    ASSERT_TRUE(check.getLockInfo(&pid, &host, &program));
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
}

// A lock of an ended copy that Qt cannot replace (another user's, as a killed "sudo" run
// leaves it) is removed; where even that is refused the game runs unguarded and says why,
// never that a copy runs.
TEST_F(SingleInstanceTest, AStaleLockOfAnotherUserIsReplacedOrToldWithTheSystemsReason) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can leave a lock that belongs to another user";
    }
    const QByteArray store = QFileInfo(lockPath).path().toLocal8Bit();
    ASSERT_EQ(::chmod(folder.path().toLocal8Bit().constData(), 0755), 0);
    for (const bool ownFolder : {true, false}) {
        SCOPED_TRACE(ownFolder ? "in the player's folder" : "in another user's folder");
        LeaveStaleLock(lockPath);
        ASSERT_EQ(::chown(store.constData(), ownFolder ? 65534 : 0, ownFolder ? 65534 : 0), 0);
        SingleInstance::Claim claim{};
        QString failure;
        {
            test::OrdinaryUser user;
            ASSERT_TRUE(user.Ok());
            SingleInstance next(lockPath);
            claim = next.Take(200ms);
            failure = next.StaleFailure();
        }
        EXPECT_EQ(claim,
                  ownFolder ? SingleInstance::Claim::First : SingleInstance::Claim::StaleLockKept);
        EXPECT_EQ(failure, ownFolder ? QString() : QStringLiteral("Permission denied"));
        QFile::remove(lockPath);
    }
}

// A game may run for days: an old lock of a copy that still runs is never taken over.
TEST_F(SingleInstanceTest, AnOldLockOfARunningCopyHolds) {
    SingleInstance first(lockPath);
    ASSERT_EQ(first.Take(), SingleInstance::Claim::First);
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_EQ(SecondStart(), SingleInstance::Claim::OtherCameForward);
}

TEST_F(SingleInstanceTest, NoPlaceForALockLetsTheGameRunUnguarded) {
    QFile blocker(folder.filePath(QStringLiteral("plain file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instance(blocker.fileName() + QStringLiteral("/Orvane Cards.lock"));
    EXPECT_EQ(instance.Take(), SingleInstance::Claim::Unguarded);
}

TEST_F(SingleInstanceTest, EachStoreHasItsOwnName) {
    EXPECT_EQ(SingleInstance::ServerNameFor(lockPath), SingleInstance::ServerNameFor(lockPath));
    EXPECT_NE(SingleInstance::ServerNameFor(lockPath),
              SingleInstance::ServerNameFor(folder.filePath(QStringLiteral("other.lock"))));
}

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
TEST_F(SingleInstanceTest, TheLockLiesBesideTheSettingsFile) {
    const QString store = QSettingsStore().Location();
    const QString lock = SingleInstance::DefaultLockPath();
    EXPECT_EQ(QFileInfo(lock).absolutePath(), QFileInfo(store).absolutePath());
    EXPECT_EQ(QFileInfo(lock).fileName(), QStringLiteral("Orvane Cards.lock"));
    // Never the player's own folder in a test.
    EXPECT_TRUE(lock.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << lock.toStdString();
}
#endif

}  // namespace
}  // namespace orvane
