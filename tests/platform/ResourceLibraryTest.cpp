#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "LibraryFixture.h"
#include "PictureTestSupport.h"
#include "platform/ResourceLibrary.h"

namespace orvane {
namespace {

using test::LibraryFixture;

// Collects what the picture libraries report while it lives.
class ResourceWarnings {
  public:
    ResourceWarnings() : previous(qInstallMessageHandler(&Collect)) { Messages().clear(); }
    ~ResourceWarnings() { qInstallMessageHandler(previous); }
    ResourceWarnings(const ResourceWarnings&) = delete;
    ResourceWarnings& operator=(const ResourceWarnings&) = delete;

    static QStringList& Messages() {
        static QStringList messages;
        return messages;
    }

  private:
    static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && qstrcmp(context.category, "orvane.resources") == 0) {
            Messages().append(text);
        }
    }
    QtMessageHandler previous;
};

class ResourceLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fixture.Error().isEmpty()) << fixture.Error().toStdString();
    }

    const ResourceLibrary& Library() const {
        return ResourceLibrary::Load(fixture.LibraryFile(), fixture.Folder());
    }
    QString PathIn(const QString& name) const { return QDir(fixture.Folder()).filePath(name); }

    const LibraryFixture& fixture = LibraryFixture::Instance();
};

TEST_F(ResourceLibraryTest, PictureIsTheStoredBitmap) {
    const QImage picture = Library().Picture(QStringLiteral("GOOD"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(6, 4));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(5, 0), qRgb(0, 255, 0));
    EXPECT_EQ(picture.pixel(0, 3), qRgb(0, 0, 255));  // rows are stored bottom-up
    EXPECT_EQ(picture.pixel(5, 3), qRgb(255, 255, 255));
}

TEST_F(ResourceLibraryTest, SharpScreensGetTheDoubleSizeTwinAtTheSameLogicalSize) {
    const QImage sharp = Library().Picture(QStringLiteral("GOOD"), 2.0);
    ASSERT_FALSE(sharp.isNull());
    EXPECT_EQ(sharp.size(), QSize(12, 8));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(6, 4));
    EXPECT_EQ(Library().Picture(QStringLiteral("GOOD"), 1.0).size(), QSize(6, 4));
    // Between the two, the sharp twin scaled down looks better than the normal one scaled up.
    EXPECT_EQ(Library().Picture(QStringLiteral("GOOD"), 1.25).size(), QSize(12, 8));
}

TEST_F(ResourceLibraryTest, WithoutAUsableTwinTheNormalPictureServesSharpScreens) {
    for (const char* name : {"PLAIN", "BADSHARP"}) {
        const QImage picture = Library().Picture(QString::fromLatin1(name), 2.0);
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), QSize(6, 4)) << name;
        EXPECT_EQ(picture.devicePixelRatio(), 1.0) << name;
    }
}

TEST_F(ResourceLibraryTest, MissingOrDamagedEntriesGiveNullPictures) {
    for (const char* name : {"TRUNCATED", "GARBAGE", "MISSING", "", "good", "GOOD@2x@2x", "../GOOD",
                             "/GOOD", "GOOD/"}) {
        EXPECT_TRUE(Library().Picture(QString::fromLatin1(name)).isNull()) << name;
        EXPECT_TRUE(Library().Picture(QString::fromLatin1(name), 2.0).isNull()) << name;
    }
}

TEST_F(ResourceLibraryTest, EveryFailedPictureIsReported) {
    const ResourceWarnings warnings;
    EXPECT_TRUE(Library().Picture(QStringLiteral("TRUNCATED")).isNull());
    EXPECT_TRUE(Library().Picture(QStringLiteral("MISSING")).isNull());
    EXPECT_FALSE(Library().Picture(QStringLiteral("GOOD")).isNull());
    ASSERT_EQ(ResourceWarnings::Messages().size(), 2)
        << ResourceWarnings::Messages().join(u'\n').toStdString();
    EXPECT_TRUE(ResourceWarnings::Messages().at(0).contains(QStringLiteral("TRUNCATED")));
    EXPECT_TRUE(ResourceWarnings::Messages().at(0).contains(QStringLiteral("damaged")));
    EXPECT_TRUE(ResourceWarnings::Messages().at(1).contains(QStringLiteral("MISSING")));
}

// Cards fetch their picture on every repaint; a missing library must not flood the log.
TEST_F(ResourceLibraryTest, MissingLibraryIsReportedOnce) {
    const ResourceWarnings warnings;
    for (int i = 0; i < 5; ++i) {
        const ResourceLibrary& gone =
            ResourceLibrary::Load(QStringLiteral("gone.dll"), fixture.Folder());
        EXPECT_TRUE(gone.Picture(QStringLiteral("CARD_1")).isNull());
    }
    ASSERT_EQ(ResourceWarnings::Messages().size(), 1);
    EXPECT_TRUE(ResourceWarnings::Messages().front().contains(QStringLiteral("gone.dll")));
}

TEST_F(ResourceLibraryTest, RepeatedLoadGivesTheSameLibrary) {
    const ResourceLibrary& first = Library();
    EXPECT_TRUE(first.IsLoaded());
    EXPECT_EQ(&first, &Library());
    EXPECT_EQ(&first, &ResourceLibrary::Load(QStringLiteral("./") + fixture.LibraryFile(),
                                             fixture.Folder()));
    EXPECT_EQ(first.FilePath(), PathIn(fixture.LibraryFile()));
}

TEST_F(ResourceLibraryTest, NamesDoNotReachIntoAnotherLibrary) {
    ASSERT_TRUE(QFile::copy(PathIn(fixture.LibraryFile()), PathIn(QStringLiteral("twin.dll"))));
    const ResourceLibrary& twin =
        ResourceLibrary::Load(QStringLiteral("twin.dll"), fixture.Folder());
    ASSERT_TRUE(twin.IsLoaded());
    EXPECT_NE(&twin, &Library());
    EXPECT_FALSE(twin.Picture(QStringLiteral("GOOD")).isNull());
    // Libraries sit side by side under numbered roots; no relative name may climb across.
    for (int root = 1; root <= 64; ++root) {
        const QString across = QStringLiteral("../orvane-library-%1/GOOD").arg(root);
        EXPECT_TRUE(twin.Picture(across).isNull()) << across.toStdString();
    }
}

TEST_F(ResourceLibraryTest, MissingLibraryHasNoPictures) {
    for (const char* file : {"absent.dll", ""}) {
        const ResourceLibrary& library =
            ResourceLibrary::Load(QString::fromLatin1(file), fixture.Folder());
        EXPECT_FALSE(library.IsLoaded()) << file;
        EXPECT_TRUE(library.Picture(QStringLiteral("GOOD")).isNull()) << file;
        EXPECT_TRUE(library.EntryBytes(QStringLiteral("GOOD")).isEmpty()) << file;
    }
    // A folder of that name is not a library either.
    ASSERT_TRUE(QDir(fixture.Folder()).mkpath(QStringLiteral("folder.dll")));
    EXPECT_FALSE(ResourceLibrary::Load(QStringLiteral("folder.dll"), fixture.Folder()).IsLoaded());
}

TEST_F(ResourceLibraryTest, LibraryThatAppearsLaterIsFound) {
    EXPECT_FALSE(ResourceLibrary::Load(QStringLiteral("late.dll"), fixture.Folder()).IsLoaded());
    ASSERT_TRUE(QFile::copy(PathIn(fixture.LibraryFile()), PathIn(QStringLiteral("late.dll"))));
    const ResourceLibrary& late =
        ResourceLibrary::Load(QStringLiteral("late.dll"), fixture.Folder());
    EXPECT_TRUE(late.IsLoaded());
    EXPECT_FALSE(late.Picture(QStringLiteral("GOOD")).isNull());
}

// Cut the library file at many places and flip bytes in it: every copy either is turned
// away or still answers without crashing (the sanitizer build watches for stray reads).
TEST_F(ResourceLibraryTest, DamagedLibraryFilesNeverCrash) {
    QFile original(PathIn(fixture.LibraryFile()));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray whole = original.readAll();
    ASSERT_GT(whole.size(), 100);

    int turnedAway = 0;
    int copies = 0;
    auto tryCopy = [&](const QByteArray& bytes) {
        const QString name = QStringLiteral("damaged%1.dll").arg(copies++);
        ASSERT_TRUE(test::WriteFile(PathIn(name), bytes));
        const ResourceLibrary& library = ResourceLibrary::Load(name, fixture.Folder());
        if (!library.IsLoaded()) {
            ++turnedAway;
            EXPECT_TRUE(library.Picture(QStringLiteral("GOOD")).isNull());
            return;
        }
        for (const char* entry : {"GOOD", "PLAIN", "TRUNCATED", "GARBAGE", "MISSING"}) {
            library.Picture(QString::fromLatin1(entry), 2.0);
        }
    };
    for (qsizetype cut = 0; cut < whole.size(); cut += 7) {
        tryCopy(whole.left(cut));
    }
    for (qsizetype at = 0; at < whole.size(); at += 5) {
        QByteArray flipped = whole;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5A);
        tryCopy(flipped);
    }
    tryCopy(QByteArray("This text only pretends to be a library."));
    // Every cut copy loses at least part of the tree at the end, so none may get through.
    EXPECT_GE(turnedAway, static_cast<int>(whole.size() / 7));
}

TEST_F(ResourceLibraryTest, LibraryPictureReadsFromTheProgramFolder) {
    // The program folder of this test holds no such file.
    EXPECT_TRUE(
        LibraryPicture(QStringLiteral("no-such-library.dll"), QStringLiteral("CARD_1")).isNull());
}

}  // namespace
}  // namespace orvane
