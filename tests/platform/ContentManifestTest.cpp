// The manifest of digests the build writes beside the content, and the check against it.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "PictureTestSupport.h"
#include "platform/ContentManifest.h"

namespace orvane {
namespace {

using test::WriteFile;

QByteArray LineFor(const QByteArray& bytes, const QString& file) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " +
           QByteArray::number(bytes.size()) + "  " + file.toUtf8() + "\n";
}

class ContentManifestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        manifest.clear();
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Data/zqs1")));
        Put(QStringLiteral("zqcsrl_pi.dll"), QByteArray(3000, 'c'));
        Put(QStringLiteral("Data/zqs1/win.zqs"), QByteArray("RIFF sound"));
        ASSERT_TRUE(WriteFile(Path(QString::fromLatin1(ContentManifest::FileName)),
                              ContentManifest::Sealed(manifest)));
    }
    void Put(const QString& file, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFile(Path(file), bytes));
        manifest += LineFor(bytes, file);
    }
    QString Path(const QString& file) const { return QDir(folder.path()).filePath(file); }
    std::vector<ContentFault> Faults() const {
        const std::optional<ContentManifest> read = ContentManifest::Read(folder.path());
        EXPECT_TRUE(read.has_value());
        return read ? read->Check(folder.path()) : std::vector<ContentFault>{};
    }

    QTemporaryDir folder;
    QByteArray manifest;
};

TEST_F(ContentManifestTest, WholeContentHasNoFaults) {
    const std::optional<ContentManifest> read = ContentManifest::Read(folder.path());
    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(read->IsDamaged());
    EXPECT_EQ(read->Entries().size(), 2u);
    EXPECT_TRUE(read->Lists(QStringLiteral("Data/zqs1/win.zqs")));
    EXPECT_TRUE(Faults().empty());
}

TEST_F(ContentManifestTest, EachKindOfDamageIsNamed) {
    struct Case {
        const char* what;
        std::function<void()> damage;
        ContentProblem problem;
    };
    const QString library = QStringLiteral("zqcsrl_pi.dll");
    const Case cases[] = {
        {"missing", [&] { QFile::remove(Path(library)); }, ContentProblem::Missing},
        {"truncated", [&] { QFile(Path(library)).resize(1000); }, ContentProblem::WrongSize},
        {"garbage of the same size", [&] { WriteFile(Path(library), QByteArray(3000, 'x')); },
         ContentProblem::WrongDigest},
        {"a folder in its place",
         [&] {
             QFile::remove(Path(library));
             QDir(folder.path()).mkdir(library);
         },
         ContentProblem::Missing},
    };
    for (const Case& c : cases) {
        SetUp();  // whole again
        c.damage();
        const std::vector<ContentFault> faults = Faults();
        ASSERT_EQ(faults.size(), 1u) << c.what;
        EXPECT_EQ(faults[0].File, library) << c.what;
        EXPECT_EQ(faults[0].Problem, c.problem) << c.what;
        QDir(folder.path()).rmdir(library);
    }
}

TEST_F(ContentManifestTest, UnreadableFileIsToldApart) {
    QFile::setPermissions(Path(QStringLiteral("Data/zqs1/win.zqs")), QFileDevice::WriteOwner);
    if (QFile(Path(QStringLiteral("Data/zqs1/win.zqs"))).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    const std::vector<ContentFault> faults = Faults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].Problem, ContentProblem::Unreadable);
}

TEST_F(ContentManifestTest, NoManifestMeansNothingToCheck) {
    QFile::remove(Path(QString::fromLatin1(ContentManifest::FileName)));
    EXPECT_FALSE(ContentManifest::Read(folder.path()).has_value());
}

TEST_F(ContentManifestTest, MalformedOrStrayLinesMakeTheWholeManifestDamaged) {
    const QByteArray good = LineFor("x", QStringLiteral("a.zqi"));
    const QByteArray digest(64, 'a');
    const QByteArray bad[] = {
        digest + "  12",                     // no path
        digest.left(63) + "  1  a.zqi",      // short digest
        digest.toUpper() + "  1  a.zqi",     // not lower-case hex
        digest + "  -1  a.zqi",              // negative size
        digest + "  many  a.zqi",            // size not a number
        digest + "  1  ../outside.zqi",      // leaves the folder
        digest + "  1  /etc/passwd",         // absolute
        digest + "  1  Data//gfx.png",       // empty part
        "\xff\xfe" + digest + "  1  a.zqi",  // UTF-16 mark
    };
    for (const QByteArray& line : bad) {
        const ContentManifest parsed = ContentManifest::Parse(good + line + "\n");
        EXPECT_TRUE(parsed.IsDamaged()) << line.toStdString();
        EXPECT_TRUE(parsed.Entries().empty()) << line.toStdString();
    }
    EXPECT_TRUE(ContentManifest::Parse("").IsDamaged()) << "an empty manifest lists nothing";
    const ContentManifest spaced =
        ContentManifest::Parse(ContentManifest::Sealed(good + "\r\n\n" + good));
    EXPECT_FALSE(spaced.IsDamaged());
    EXPECT_EQ(spaced.Entries().size(), 2u);
}

// The list checks itself: cut at any byte, or with any one byte changed, it is damaged,
// never a shorter list that passes off what it no longer names.
TEST_F(ContentManifestTest, AListCutOrChangedAnywhereIsDamaged) {
    const QByteArray sealed = ContentManifest::Sealed(manifest);
    EXPECT_FALSE(ContentManifest::Parse(sealed).IsDamaged());
    for (qsizetype cut = 0; cut + 1 < sealed.size(); ++cut) {
        EXPECT_TRUE(ContentManifest::Parse(sealed.left(cut)).IsDamaged()) << cut;
    }
    // The final line break only ends the text.
    for (qsizetype at = 0; at + 1 < sealed.size(); ++at) {
        for (const char flip : {'\x01', '\x20', '\x80'}) {
            QByteArray changed = sealed;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            const ContentManifest parsed = ContentManifest::Parse(changed);
            EXPECT_TRUE(parsed.IsDamaged()) << at << " " << int(flip);
            EXPECT_TRUE(parsed.Entries().empty());
        }
    }
}

TEST_F(ContentManifestTest, AnOversizedManifestIsDamagedWithoutBeingRead) {
    QFile file(Path(QString::fromLatin1(ContentManifest::FileName)));
    ASSERT_TRUE(file.resize(8 * 1024 * 1024));
    const std::optional<ContentManifest> read = ContentManifest::Read(folder.path());
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->IsDamaged());
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

// The manifest the build wrote matches the content it generated, and lists what the game
// cannot do without.
TEST(BuiltContentManifest, MatchesTheGeneratedContent) {
    const QString folder = QStringLiteral(ORVANE_CONTENT_DIR);
    const std::optional<ContentManifest> manifest = ContentManifest::Read(folder);
    if (!manifest) {
        GTEST_SKIP() << "a build without generated content writes no manifest";
    }
    EXPECT_FALSE(manifest->IsDamaged());
    for (const char* file : {"zqcsrl_pi.dll", "zqcsrl_pl.dll", "zqcsrl_asi.dll", "zqmrl.dll",
                             "zqcsrl_pi_4c.dll", "zqcsrl_pl_4c.dll", "zqcsrl_asi_4c.dll",
                             "bm_clas.zqi", "bm_ntr.dat.jpg", "Data/gfx/deal.png",
                             "Data/zqs1/dcard1.zqs", "Data/zqs2/addcrdt.zqs", "help/index.html"}) {
        EXPECT_TRUE(manifest->Lists(QString::fromLatin1(file))) << file;
    }
    EXPECT_FALSE(manifest->Lists(QString::fromLatin1(ContentManifest::FileName)));
    for (const ContentFault& fault : manifest->Check(folder)) {
        ADD_FAILURE() << fault.File.toStdString() << " differs from the manifest";
    }
}

}  // namespace
}  // namespace orvane
