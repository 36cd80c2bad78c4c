#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "view/LeftoverSoundFolders.h"

#ifdef Q_OS_UNIX
#include <sys/time.h>
#endif

namespace orvane {
namespace {

class LeftoverSoundFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    QString MakeFolder(const QString& name, const QStringList& files, int daysAgo) {
        const QString path = temp.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        for (const QString& file : files) {
            QFile out(path + QLatin1Char('/') + file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("RIFF");
        }
        Age(path, daysAgo);
        return path;
    }

    static void Age(const QString& path, int daysAgo) {
#ifdef Q_OS_UNIX
        const QDateTime when = QDateTime::currentDateTime().addDays(-daysAgo);
        timeval times[2];
        times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(when.toSecsSinceEpoch());
        times[0].tv_usec = times[1].tv_usec = 0;
        ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
#else
        Q_UNUSED(path);
        Q_UNUSED(daysAgo);
#endif
    }

    QTemporaryDir temp;
};

TEST_F(LeftoverSoundFoldersTest, OnlyAbandonedFoldersOfSoundCopiesAreRemoved) {
    const QString left = MakeFolder("Orvane Cards-a1B2c3", {"0.wav", "1.wav", "12.wav"}, 3);
    const QString empty = MakeFolder("Orvane Cards-Zz9yX8", {}, 2);
    const QString recent = MakeFolder("Orvane Cards-q7W8e9", {"0.wav"}, 0);
    const QString foreign = MakeFolder("Orvane Cards-r4T5y6", {"0.wav", "notes.txt"}, 3);
    const QString otherName = MakeFolder("Orvane Cards-long-name", {"0.wav"}, 3);
    const QString otherProgram = MakeFolder("Other Game-a1B2c3", {"0.wav"}, 3);

    EXPECT_EQ(RemoveLeftoverSoundFolders(temp.path()), 2);
    EXPECT_FALSE(QFileInfo::exists(left));
    EXPECT_FALSE(QFileInfo::exists(empty));
    EXPECT_TRUE(QFileInfo::exists(recent + "/0.wav"));
    EXPECT_TRUE(QFileInfo::exists(foreign + "/0.wav"));
    EXPECT_TRUE(QFileInfo::exists(foreign + "/notes.txt"));
    EXPECT_TRUE(QFileInfo::exists(otherName + "/0.wav"));
    EXPECT_TRUE(QFileInfo::exists(otherProgram + "/0.wav"));
}

TEST_F(LeftoverSoundFoldersTest, APlainFileOfThatNameIsLeftAlone) {
    QFile file(temp.filePath("Orvane Cards-a1B2c3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Age(file.fileName(), 3);
    EXPECT_EQ(RemoveLeftoverSoundFolders(temp.path()), 0);
    EXPECT_TRUE(file.exists());
}

}  // namespace
}  // namespace orvane
