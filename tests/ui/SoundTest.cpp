#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "FakeFlashTarget.h"
#include "RecordingSoundBackend.h"
#include "ToneWave.h"
#include "view/QSoundEffectBackend.h"
#include "view/SoundPlayer.h"
#include "view/TFlash.h"

namespace orvane {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SoundTest : public ::testing::Test {
  protected:
    SoundTest()
        : sounds(std::make_unique<test::RecordingSoundBackend>(played)),
          flash(
              target, [this] { return settings; }, sounds) {}

    void SetUp() override {
        ASSERT_TRUE(themes.isValid());
        ASSERT_TRUE(QDir(themes.path()).mkpath("zqs1"));
        ASSERT_TRUE(QDir(themes.path()).mkpath("zqs2"));
        folder1 = themes.path() + "/zqs1/";
        folder2 = themes.path() + "/zqs2/";
        WriteFile(folder1 + "dcard1.zqs", test::ToneWav());
        WriteFile(folder1 + "cash.zqs", test::ToneWav(2));
        WriteFile(folder2 + "dcard1.zqs", test::ToneWav());
        settings.SoundThemeFolder = folder1;
    }

    QTemporaryDir themes;
    QString folder1, folder2;
    test::FakeFlashTarget target;
    FlashSettings settings;
    QStringList played;
    SoundPlayer sounds;
    TFlash flash;
};

TEST_F(SoundTest, NameIsLookedUpInTheCurrentThemeFolder) {
    flash.PlaySoundEffect("dcard1");
    flash.PlaySoundEffect("cash");
    settings.SoundThemeFolder = folder2;
    flash.PlaySoundEffect("dcard1");
    EXPECT_EQ(played,
              QStringList({folder1 + "dcard1.zqs", folder1 + "cash.zqs", folder2 + "dcard1.zqs"}));
}

TEST_F(SoundTest, SoundOffPlaysNothing) {
    settings.SoundEnabled = false;
    flash.PlaySoundEffect("dcard1");
    EXPECT_TRUE(played.isEmpty());
    settings.SoundEnabled = true;
    flash.PlaySoundEffect("dcard1");
    EXPECT_EQ(played.size(), 1);
}

TEST_F(SoundTest, MissingFileIsNeverHandedToTheBackend) {
    flash.PlaySoundEffect("bigwin");  // not in this theme
    flash.PlaySoundEffect("");        // names a folder, not a file
    settings.SoundThemeFolder = themes.path() + "/zqs9/";
    flash.PlaySoundEffect("dcard1");
    sounds.Play(QString());
    EXPECT_TRUE(played.isEmpty());
}

// The sound themes ship WAV data under the ".zqs" extension; QSoundEffect must take it.
// The sound themes ship WAV data under the ".zqs" extension; QSoundEffect must take it.
TEST_F(SoundTest, QSoundEffectDecodesWaveDataUnderTheThemeExtension) {
    QSoundEffectBackend backend;
    backend.Play(folder1 + "dcard1.zqs");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);

    // One voice: the second request replaces the first.
    const QUrl first = backend.Effect().source();
    backend.Play(folder1 + "cash.zqs");
    EXPECT_NE(backend.Effect().source(), first);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);

    // The same sound again plays from the same decoded copy.
    backend.Play(folder1 + "dcard1.zqs");
    EXPECT_EQ(backend.Effect().source(), first);
}

// Qt's decoder stalls on a header cut short, and then hangs the next change of sound; such
// files must never reach it.
TEST_F(SoundTest, DamagedSoundFilesPlayNothingAndTheNextSoundStillPlays) {
    WriteFile(folder1 + "win.zqs", QByteArray("not a wave file, just some text"));
    WriteFile(folder1 + "bigwin.zqs", test::ToneWav().left(30));
    QSoundEffectBackend backend;
    backend.Play(folder1 + "win.zqs");
    backend.Play(folder1 + "bigwin.zqs");
    EXPECT_TRUE(backend.Effect().source().isEmpty());
    EXPECT_FALSE(backend.Effect().isPlaying());

    backend.Play(folder1 + "cash.zqs");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);
}

// A game that is killed cannot clean up after itself, so sounds are played without any
// temporary copy on disk.
TEST_F(SoundTest, SoundsPlayFromMemoryWithoutTemporaryFiles) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    {
        QSoundEffectBackend backend;
        backend.Play(folder1 + "dcard1.zqs");
        backend.Play(folder1 + "cash.zqs");
        EXPECT_EQ(backend.Effect().source().scheme(), QStringLiteral("data"));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
        EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);
        EXPECT_TRUE(
            QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
    if (oldTemp.isEmpty()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", oldTemp);
    }
}

TEST_F(SoundTest, ReplacedSoundFileIsReadAgain) {
    QSoundEffectBackend backend;
    backend.Play(folder1 + "cash.zqs");
    const QUrl stereo = backend.Effect().source();
    ASSERT_FALSE(stereo.isEmpty());

    WriteFile(folder1 + "cash.zqs", test::ToneWav(1));
    backend.Play(folder1 + "cash.zqs");
    EXPECT_NE(backend.Effect().source(), stereo);

    WriteFile(folder1 + "cash.zqs", QByteArray("damaged in the meantime"));
    backend.Play(folder1 + "cash.zqs");
    EXPECT_FALSE(backend.Effect().isPlaying());
}

}  // namespace
}  // namespace orvane
