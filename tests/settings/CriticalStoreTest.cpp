#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "OrdinaryUser.h"
#include "settings/CriticalStore.h"

namespace orvane::test {
namespace {

// The real files, except that writes or moves can be made to fail the way a full disk
// or a stubborn folder does.
class UnreliableFiles final : public CriticalFiles {
  public:
    FileBytes Read(const std::string& path, std::size_t limit) override {
        return real.Read(path, limit);
    }
    std::string ReplaceDurably(const std::string& path, std::string_view bytes) override {
        ++writes;
        return writeFailure.empty() ? real.ReplaceDurably(path, bytes) : writeFailure;
    }
    std::string SyncFolderOf(const std::string& path) override {
        ++folderSyncs;
        return real.SyncFolderOf(path);
    }
    std::string MoveAside(const std::string& from, const std::string& to) override {
        return moveFailure.empty() ? real.MoveAside(from, to) : moveFailure;
    }

    PosixCriticalFiles real;
    std::string writeFailure;
    std::string moveFailure;
    int writes = 0;
    int folderSyncs = 0;
};

constexpr std::int64_t Noon = 1765281600;  // 2025-12-09 12:00:00 UTC

class CriticalStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setenv("TZ", "UTC", 1);
        tzset();
    }

    CriticalStore MakeStore() {
        CriticalStore store(path, files, [this] { return now; });
        store.Tell = [this](const std::string& message) { told.push_back(message); };
        return store;
    }

    static CriticalRecords Credit(int credit) {
        return {{"Credit", std::to_string(credit)}, {"CreditIn", "500"}};
    }

    std::string Bytes(const std::string& file) const {
        return files->real.Read(file, 1 << 20).Bytes.value_or("<missing>");
    }
    void Overwrite(const std::string& file, const std::string& bytes) const {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QStringList FilesInFolder() const {
        return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("records")).toStdString();
    std::string second = path + CriticalStore::SecondSuffix;
    std::shared_ptr<UnreliableFiles> files = std::make_shared<UnreliableFiles>();
    std::int64_t now = Noon;
    std::vector<std::string> told;
};

TEST_F(CriticalStoreTest, AFirstRunFindsNothingAndSaysNothing) {
    CriticalStore store = MakeStore();
    const CriticalLoad load = store.Load();
    EXPECT_FALSE(load.Records.has_value());
    EXPECT_TRUE(load.Messages.empty());
}

// Beside settings this version wrote, both copies gone is records lost, told as for
// damaged copies; without such settings it is a first run.
TEST_F(CriticalStoreTest, BothCopiesMissingAreToldWhenTheyMustBeThere) {
    CriticalStore store = MakeStore();
    store.ExpectCopies = true;
    const CriticalLoad load = store.Load();
    EXPECT_FALSE(load.Records.has_value());
    const std::string lost =
        " could not be used (it is missing); no other copy could be used, so the credit, "
        "meters and statistics were not restored from it.";
    EXPECT_EQ(load.Messages, (std::vector<std::string>{"The record file " + path + lost,
                                                       "The record file " + second + lost}));
    ASSERT_TRUE(store.Save(Credit(100)));
    QFile::remove(QString::fromStdString(second));
    CriticalStore next = MakeStore();
    next.ExpectCopies = true;
    EXPECT_TRUE(next.Load().Messages.empty()) << "one copy left is all the store needs";
}

TEST_F(CriticalStoreTest, EverySaveWritesBothCopiesAndTheNextRunReadsTheLast) {
    {
        CriticalStore store = MakeStore();
        store.Load();
        EXPECT_TRUE(store.Save(Credit(100)));
        EXPECT_TRUE(store.Save(Credit(200)));
        EXPECT_TRUE(store.Save(Credit(300)));
    }
    EXPECT_EQ(Bytes(path), Bytes(second));
    EXPECT_EQ(FilesInFolder(),
              (QStringList{QStringLiteral("records"), QStringLiteral("records.second")}));
    CriticalStore next = MakeStore();
    const CriticalLoad load = next.Load();
    ASSERT_TRUE(load.Records.has_value());
    EXPECT_EQ(*load.Records, Credit(300));
    EXPECT_EQ(load.Sequence, 3u);
    EXPECT_EQ(load.SavedAt, Noon);
    EXPECT_TRUE(load.Messages.empty());
    EXPECT_TRUE(told.empty());
    // The line of saves goes on from where it stood, also for a store never loaded.
    EXPECT_TRUE(next.Save(Credit(400)));
    EXPECT_EQ(MakeStore().Load().Sequence, 4u);
    EXPECT_TRUE(MakeStore().Save(Credit(500)));
    const CriticalLoad last = MakeStore().Load();
    EXPECT_EQ(last.Sequence, 5u);
    EXPECT_EQ(*last.Records, Credit(500));
}

// A crash between the two writes leaves the first copy one save ahead.
TEST_F(CriticalStoreTest, AFirstSaveMakesTheFoldersItNeeds) {
    const std::string deep = dir.filePath(QStringLiteral("config/Maker/records")).toStdString();
    CriticalStore store(deep, files);
    EXPECT_TRUE(store.Save(Credit(100)));
    EXPECT_EQ(*CriticalStore(deep).Load().Records, Credit(100));
}

// A kill between writing the temporary file and renaming it leaves that file behind; the
// next save takes its place, so kills never pile files up.
TEST_F(CriticalStoreTest, ATemporaryFileLeftByAKillIsReplacedByTheNextSave) {
    Overwrite(path + ".tmp", "half a sa");
    CriticalStore store = MakeStore();
    ASSERT_TRUE(store.Save(Credit(100)));
    EXPECT_EQ(FilesInFolder(),
              (QStringList{QStringLiteral("records"), QStringLiteral("records.second")}));
}

TEST_F(CriticalStoreTest, TheNewestCopyThatVerifiesIsUsedWhicheverFileItIsIn) {
    CriticalStore store = MakeStore();
    ASSERT_TRUE(store.Save(Credit(100)));
    const std::string older = Bytes(path);
    ASSERT_TRUE(store.Save(Credit(200)));
    Overwrite(path, older);
    EXPECT_EQ(*MakeStore().Load().Records, Credit(200));
    Overwrite(second, older);
    ASSERT_TRUE(store.Save(Credit(300)));
    Overwrite(second, older);
    EXPECT_EQ(*MakeStore().Load().Records, Credit(300));
}

TEST_F(CriticalStoreTest, ADamagedCopyIsToldKeptAsideAndTheOtherUsed) {
    {
        CriticalStore store = MakeStore();
        ASSERT_TRUE(store.Save(Credit(100)));
        ASSERT_TRUE(store.Save(Credit(700)));
    }
    std::string damaged = Bytes(path);
    damaged.replace(damaged.find("700"), 3, "999");
    Overwrite(path, damaged);

    now = Noon + 65;
    CriticalStore store = MakeStore();
    const CriticalLoad load = store.Load();
    ASSERT_TRUE(load.Records.has_value());
    EXPECT_EQ(*load.Records, Credit(700));
    const std::string aside = path + ".damaged-20251209-120105";
    ASSERT_EQ(load.Messages.size(), 1u);
    EXPECT_EQ(load.Messages[0],
              "The record file " + path +
                  " could not be used (its checksum does not match its contents); the copy saved "
                  "2025-12-09 12:00:00 (save 2) in " +
                  second + " was used. The damaged file was kept as " + aside + ".");
    EXPECT_EQ(Bytes(aside), damaged);
    ASSERT_TRUE(store.Save(Credit(800)));
    EXPECT_EQ(*MakeStore().Load().Records, Credit(800));
    EXPECT_EQ(Bytes(aside), damaged);
}

TEST_F(CriticalStoreTest, WhenNoCopyVerifiesNothingIsRestoredAndBothAreKept) {
    Overwrite(path, "orvane-critical 1\nsequence 9\n");
    Overwrite(second, std::string("\0\0\0", 3));
    CriticalStore store = MakeStore();
    const CriticalLoad load = store.Load();
    EXPECT_FALSE(load.Records.has_value());
    ASSERT_EQ(load.Messages.size(), 2u);
    EXPECT_NE(load.Messages[0].find("(its heading is damaged); no other copy could be used, so "
                                    "the credit, meters and statistics were not restored"),
              std::string::npos)
        << load.Messages[0];
    EXPECT_NE(load.Messages[1].find(second + " could not be used (it is not a record file"),
              std::string::npos)
        << load.Messages[1];
    EXPECT_EQ(FilesInFolder(),
              (QStringList{QStringLiteral("records.damaged-20251209-120000"),
                           QStringLiteral("records.second.damaged-20251209-120000")}));
}

// A damaged file that cannot be moved aside may be the only trace of the player's credit.
TEST_F(CriticalStoreTest, ADamagedCopyThatCannotBeMovedAsideIsNeverWrittenOver) {
    Overwrite(path, "garbage\n");
    files->moveFailure = "Operation not permitted";
    CriticalStore store = MakeStore();
    const CriticalLoad load = store.Load();
    ASSERT_EQ(load.Messages.size(), 1u);
    EXPECT_NE(load.Messages[0].find("It could not be moved aside (Operation not permitted), so it "
                                    "is left as it is and not written over."),
              std::string::npos)
        << load.Messages[0];
    EXPECT_FALSE(store.Save(Credit(5)));
    EXPECT_EQ(Bytes(path), "garbage\n");
    EXPECT_EQ(*MakeStore().Load().Records, Credit(5));  // the second copy holds the save
    files->moveFailure.clear();
    EXPECT_TRUE(store.Save(Credit(6)));
    EXPECT_EQ(Bytes(path), Bytes(second));
}

TEST_F(CriticalStoreTest, AFullDiskIsToldOnceRetriedAtEverySaveAndItsEndToldOnce) {
    CriticalStore store = MakeStore();
    ASSERT_TRUE(store.Save(Credit(100)));
    files->writeFailure = "No space left on device";
    EXPECT_FALSE(store.Save(Credit(200)));
    EXPECT_FALSE(store.Save(Credit(300)));
    EXPECT_FALSE(store.Save(Credit(400)));
    EXPECT_EQ(files->writes, 2 + 3 * 2);
    EXPECT_EQ(files->folderSyncs, 4);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "The game's records could not be saved to " + path +
                           ": No space left on device; play goes on and every change is tried "
                           "again.");
    EXPECT_TRUE(store.Failing());
    EXPECT_EQ(*MakeStore().Load().Records, Credit(100));

    files->writeFailure.clear();
    EXPECT_TRUE(store.Save(Credit(500)));
    EXPECT_TRUE(store.Save(Credit(600)));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], "The game's records are saved again to " + path + ".");
    EXPECT_EQ(*MakeStore().Load().Records, Credit(600));

    files->writeFailure = "Input/output error";
    EXPECT_FALSE(store.Save(Credit(700)));
    EXPECT_EQ(told.size(), 3u);
}

TEST_F(CriticalStoreTest, AReadOnlyFolderFailsHonestlyAndKeepsTheLastSave) {
    OrdinaryUser user;
    ASSERT_TRUE(user.Ok());
    QTemporaryDir own;
    ASSERT_TRUE(own.isValid());
    const std::string file = own.filePath(QStringLiteral("records")).toStdString();
    CriticalStore store(file);
    store.Tell = [this](const std::string& message) { told.push_back(message); };
    ASSERT_TRUE(store.Save(Credit(100)));
    ASSERT_EQ(::chmod(own.path().toLocal8Bit().constData(), 0555), 0);
    EXPECT_FALSE(store.Save(Credit(200)));
    EXPECT_FALSE(store.Save(Credit(300)));
    ASSERT_EQ(::chmod(own.path().toLocal8Bit().constData(), 0755), 0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(file + ": Permission denied;"), std::string::npos) << told[0];
    EXPECT_EQ(*CriticalStore(file).Load().Records, Credit(100));
    EXPECT_TRUE(store.Save(Credit(400)));
    EXPECT_EQ(*CriticalStore(file).Load().Records, Credit(400));
    EXPECT_EQ(QDir(own.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

}  // namespace
}  // namespace orvane::test
