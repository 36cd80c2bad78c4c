#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "OrdinaryUser.h"
#include "RecordingStore.h"
#include "settings/QSettingsStore.h"

namespace orvane::test {
namespace {

// A settings file as a player meets it: made by an ordinary user in a folder of its own,
// loaded, played with and saved as the window does.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(user.Ok());
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { ChangeMode(dir.path(), 0700); }

    void Put(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray Bytes(const QString& file) const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }
    static void ChangeMode(const QString& file, mode_t mode) {
        ASSERT_EQ(::chmod(file.toLocal8Bit().constData(), mode), 0) << file.toStdString();
    }
    QStringList Damaged() const {
        return QDir(dir.path()).entryList({QStringLiteral("orvane.ini.damaged-*")}, QDir::Files);
    }
    std::string Quoted() const { return QDir::toNativeSeparators(path).toStdString(); }

    static std::string Joined(const SettingsReport& report) {
        std::string text;
        for (const std::string& line : report) {
            text += line + "\n";
        }
        return text;
    }

    OrdinaryUser user;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("orvane.ini"));
};

TEST_F(SettingsFileTest, AnUnreadableFileIsToldAndNeverWrittenOver) {
    Put("[2.4]\nLastCredit=5000\n");
    ChangeMode(path, 0200);
    {
        QSettingsStore store(path);
        Loaded s(store);
        const SettingsReport report = s.Load();
        ASSERT_EQ(report.size(), 1u) << Joined(report);
        EXPECT_EQ(report[0],
                  "The settings file " + Quoted() +
                      " could not be read (Permission denied). The game started with the "
                      "default settings; nothing will be written to that file in this "
                      "game, so that what it holds is not lost.");
        EXPECT_EQ(s.settings.LastCredit, 0);
        s.settings.LastCredit = 70;
        EXPECT_EQ(s.Save(), SettingsReport{});  // already told; not a new failure
        EXPECT_FALSE(store.Flush());
        EXPECT_EQ(store.WriteFailure(),
                  "it could not be read when the game started, so it is left as it is");
    }
    ChangeMode(path, 0600);
    EXPECT_EQ(Bytes(path), "[2.4]\nLastCredit=5000\n");
}

TEST_F(SettingsFileTest, AReadOnlyFileIsToldOnceRetriedAndToldAgainWhenItFailsAnew) {
    Put("[2.4]\nPrize1=1100\n");
    QSettingsStore store(path);
    Loaded s(store);
    ASSERT_EQ(s.Load(), SettingsReport{});
    ChangeMode(path, 0444);
    s.table.Multiplier[1] = 2000;
    const SettingsReport report = s.Save();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0], "The settings could not be written to " + Quoted() +
                             ": the file is read-only (Permission denied). Play goes on with them "
                             "as they are, and every save tries again.");
    EXPECT_EQ(s.Save(), SettingsReport{});
    EXPECT_FALSE(Bytes(path).contains("Prize1=2000"));

    ChangeMode(path, 0644);
    EXPECT_EQ(s.Save(), SettingsReport{});
    EXPECT_TRUE(Bytes(path).contains("\nPrize1=2000\n")) << Bytes(path).toStdString();

    ChangeMode(path, 0444);
    EXPECT_EQ(s.Save().size(), 1u);
    ChangeMode(path, 0644);
}

TEST_F(SettingsFileTest, AReadOnlyFolderIsToldWithTheFolderAndSavesOnceItOpens) {
    Put("[2.4]\nPrize1=1100\n");
    QSettingsStore store(path);
    Loaded s(store);
    ASSERT_EQ(s.Load(), SettingsReport{});
    ChangeMode(dir.path(), 0555);
    s.table.Multiplier[1] = 2000;
    const SettingsReport report = s.Save();
    ASSERT_EQ(report.size(), 1u);
    const std::string folder = QDir::toNativeSeparators(dir.path()).toStdString();
    EXPECT_EQ(report[0].rfind("The settings could not be written to " + Quoted() + ": the folder " +
                                  folder + " does not allow new files (",
                              0),
              0u)
        << report[0];
    ChangeMode(dir.path(), 0700);
    EXPECT_EQ(s.Save(), SettingsReport{});
    EXPECT_TRUE(Bytes(path).contains("\nPrize1=2000\n"));
}

struct DamagedCase {
    const char* name;
    QByteArray bytes;
    const char* why;
};

void PrintTo(const DamagedCase& damaged, std::ostream* out) {
    *out << damaged.name;
}

class DamagedSettingsFile : public SettingsFileTest,
                            public ::testing::WithParamInterface<DamagedCase> {};

// A file read badly is told as such, kept aside byte for byte, and replaced by a whole
// one; no write failure is claimed.
TEST_P(DamagedSettingsFile, IsToldKeptBesideAndReplaced) {
    Put(GetParam().bytes);
    {
        QSettingsStore store(path);
        Loaded s(store);
        const SettingsReport report = s.Load();
        const QStringList kept = Damaged();
        ASSERT_EQ(kept.size(), 1);
        const std::string copy = QDir::toNativeSeparators(dir.filePath(kept.front())).toStdString();
        ASSERT_EQ(report.size(), 1u) << Joined(report);
        EXPECT_EQ(report[0], "The settings file " + Quoted() + " could not be read (" +
                                 GetParam().why +
                                 "). The game started with the default settings; the damaged "
                                 "file was kept as " +
                                 copy + ".");
        EXPECT_EQ(Bytes(dir.filePath(kept.front())), GetParam().bytes);
        EXPECT_EQ(s.table.Multiplier[1], 1100);
        EXPECT_EQ(s.Save(), SettingsReport{});
    }
    QSettings written(path, QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("2.4/Prize1")).toString(), QStringLiteral("1100"));
    EXPECT_EQ(written.status(), QSettings::NoError);
    QSettingsStore again(path);
    EXPECT_EQ(again.OpeningProblems(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedSettingsFile,
    ::testing::Values(DamagedCase{"Binary", QByteArray("[2.4]\nPrize1=2000\n\0\x01\x02\xFF", 22),
                                  "it holds binary data, not text"},
                      DamagedCase{"Utf16",
                                  QByteArray("\xFF\xFE[\0"
                                             "2\0.\0"
                                             "4\0]\0\n\0",
                                             14),
                                  "it is written as UTF-16 text, which the game does not read"},
                      DamagedCase{"CutShort", QByteArray("[2.4]\nPrize1=2000\nLastCredit=12"),
                                  "it ends within a line, as if it was cut short"},
                      DamagedCase{"NotSettings", QByteArray("[2.4]\nPrize1=2000\n[2.\n"),
                                  "some of its lines are not settings"}),
    [](const ::testing::TestParamInfo<DamagedCase>& param) {
        return std::string(param.param.name);
    });

// Without a copy kept, replacing the file could lose the player's credit for good.
TEST_F(SettingsFileTest, ADamagedFileThatCannotBeCopiedIsLeftAlone) {
    const QByteArray bytes("[2.4]\nLastCredit=900\n\0", 22);
    Put(bytes);
    ChangeMode(dir.path(), 0555);
    {
        QSettingsStore store(path);
        Loaded s(store);
        const SettingsReport report = s.Load();
        ASSERT_EQ(report.size(), 1u);
        EXPECT_EQ(report[0], "The settings file " + Quoted() +
                                 " could not be read (it holds binary data, not text). No copy of "
                                 "it could be kept beside it. The game started with the default "
                                 "settings; nothing will be written to that file in this game, so "
                                 "that what it holds is not lost.");
        EXPECT_EQ(s.settings.LastCredit, 0);
        EXPECT_EQ(s.Save(), SettingsReport{});
    }
    ChangeMode(dir.path(), 0700);
    EXPECT_EQ(Bytes(path), bytes);
}

TEST_F(SettingsFileTest, AnEmptyFileIsTold) {
    Put("");
    QSettingsStore store(path);
    Loaded s(store);
    EXPECT_EQ(s.Load(), SettingsReport{"The settings file " + Quoted() +
                                       " was empty, so the game started with the default "
                                       "settings."});
    EXPECT_EQ(Damaged(), QStringList{});
}

TEST_F(SettingsFileTest, AFileOfAnotherVersionOnlyIsToldAndItsValuesKept) {
    Put("[2.3]\nLastCredit=500\n");
    {
        QSettingsStore store(path);
        Loaded s(store);
        EXPECT_EQ(s.Load(), SettingsReport{"The settings file " + Quoted() +
                                           " holds no settings of version 2.4, only those of "
                                           "version 2.3, so the game started with the default "
                                           "settings; the rest of the file is left as it is."});
        EXPECT_EQ(s.settings.LastCredit, 0);
        EXPECT_EQ(s.Save(), SettingsReport{});
    }
    QSettings written(path, QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("2.3/LastCredit")).toString(), QStringLiteral("500"));
    EXPECT_EQ(written.value(QStringLiteral("2.4/LastCredit")).toString(), QStringLiteral("0"));
    EXPECT_EQ(QSettingsStore(path).OpeningProblems(), std::vector<std::string>{});
}

TEST_F(SettingsFileTest, AMissingFileIsAFirstRunAndNotAProblem) {
    QSettingsStore store(path);
    Loaded s(store);
    EXPECT_EQ(s.Load(), SettingsReport{});
    EXPECT_TRUE(Bytes(path).startsWith("[2.4]\n"));
}

// Anything but a plain file of a sane size is refused by its kind before a byte is read: a
// link to an endless device would fill the memory, a pipe would hold the start for ever.
TEST_F(SettingsFileTest, AnythingButAPlainFileIsRefusedUnreadAndNeverWritten) {
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const std::vector<std::pair<QString, std::string>> cases{
        {QStringLiteral("/dev/zero"), "it is not a file but a device"},
        {QStringLiteral("/dev/full"), "it is not a file but a device"},
        {fifo, "it is not a file but a pipe"},
        {dir.path(), "it is not a file but a folder"},
        {QString(), "it is larger than 4194304 bytes, far more than any settings"},
    };
    for (const auto& [target, why] : cases) {
        SCOPED_TRACE(why);
        QFile::remove(path);
        if (target.isEmpty()) {
            Put("[2.4]\nLastCredit=5\n");
            ASSERT_TRUE(QFile(path).resize(5 * 1024 * 1024));
        } else {
            ASSERT_TRUE(QFile::link(target, path));
        }
        auto opened = std::async(std::launch::async, [this] {
            auto store = std::make_unique<QSettingsStore>(path);
            Loaded s(*store);
            return std::pair{s.Load(), s.settings.LastCredit};
        });
        if (opened.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            ADD_FAILURE() << "the start waits on the file";
            const int writer = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            ::close(writer);  // lets a reader blocked on the pipe go
        }
        const auto [report, credit] = opened.get();
        ASSERT_EQ(report.size(), 1u) << Joined(report);
        EXPECT_EQ(report[0], "The settings file " + Quoted() + " could not be read (" + why +
                                 "). The game started with the default settings; nothing will "
                                 "be written to that file in this game, so that what it holds "
                                 "is not lost.");
        EXPECT_EQ(credit, 0);
        EXPECT_EQ(QFileInfo(path).isSymLink(), !target.isEmpty());
    }
}

// The file holds the credit and every meter: its owner's alone, in a folder closed to
// others when the game made it; an existing file is closed at the next start.
TEST_F(SettingsFileTest, TheFileIsItsOwnersAloneAndSoIsTheFolderTheGameMade) {
    const auto mode = [](const QString& file) {
        struct stat status {};
        EXPECT_EQ(::stat(file.toLocal8Bit().constData(), &status), 0) << file.toStdString();
        return status.st_mode & 07777;
    };
    const QString made = dir.filePath(QStringLiteral("made"));
    const QString inMade = made + QStringLiteral("/orvane.ini");
    {
        QSettingsStore store(inMade);
        Loaded s(store);
        EXPECT_EQ(s.Load(), SettingsReport{});
    }
    EXPECT_EQ(mode(inMade), 0600u);
    EXPECT_EQ(mode(made), 0700u);

    Put("[2.4]\nLastCredit=5\n");
    ChangeMode(path, 0644);
    ChangeMode(dir.path(), 0755);
    QSettingsStore store(path);
    EXPECT_EQ(mode(path), 0600u);
    EXPECT_EQ(mode(dir.path()), 0755u) << "a folder the game did not make is left as it is";
}

// This version's mark in the file means a run of this version wrote the record files.
TEST_F(SettingsFileTest, TheStoreTellsWhetherThisVersionWroteTheFile) {
    EXPECT_FALSE(QSettingsStore(path).HeldThisVersion());
    Put("[2.3]\nLastCredit=500\n");
    EXPECT_FALSE(QSettingsStore(path).HeldThisVersion());
    Put("[2.3]\nLastCredit=500\n[2.4]\nLastCredit=5\n");
    EXPECT_FALSE(QSettingsStore(path).HeldThisVersion()) << "made by hand: no version mark";
    Put("[2.3]\nLastCredit=500\n[2.4]\nLastCredit=5\nVersion=2.4\n");
    EXPECT_TRUE(QSettingsStore(path).HeldThisVersion());
}

}  // namespace
}  // namespace orvane::test
