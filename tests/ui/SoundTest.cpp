#include <gtest/gtest.h>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "FakeFlashTarget.h"
#include "RecordingSoundBackend.h"
#include "view/QSoundEffectBackend.h"
#include "view/SoundPlayer.h"
#include "view/TFlash.h"

namespace orvane {
namespace {

// A short 16-bit mono PCM tone in a RIFF/WAVE container.
QByteArray ToneWav() {
    constexpr int rate = 8000;
    constexpr int samples = rate / 10;
    QByteArray pcm;
    QDataStream data(&pcm, QIODevice::WriteOnly);
    data.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < samples; ++i) {
        data << static_cast<qint16>(8000.0 * std::sin(2.0 * M_PI * 660.0 * i / rate));
    }
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << static_cast<quint32>(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32{16} << quint16{1} << quint16{1} << quint32{rate} << quint32{rate * 2}
        << quint16{2} << quint16{16};
    out.writeRawData("data", 4);
    out << static_cast<quint32>(pcm.size());
    out.writeRawData(pcm.constData(), static_cast<int>(pcm.size()));
    return wav;
}

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
        WriteFile(folder1 + "dcard1.zqs", ToneWav());
        WriteFile(folder1 + "cash.zqs", ToneWav());
        WriteFile(folder2 + "dcard1.zqs", ToneWav());
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
TEST_F(SoundTest, QSoundEffectDecodesWaveDataUnderTheThemeExtension) {
    QSoundEffectBackend backend;
    backend.Play(folder1 + "dcard1.zqs");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);

    // One voice: the second request replaces the first.
    backend.Play(folder1 + "cash.zqs");
    EXPECT_EQ(backend.Effect().source(), QUrl::fromLocalFile(folder1 + "cash.zqs"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);
}

TEST_F(SoundTest, DamagedSoundFilesFailQuietlyAndTheNextSoundStillPlays) {
    WriteFile(folder1 + "win.zqs", QByteArray("not a wave file, just some text"));
    QSoundEffectBackend backend;
    backend.Play(folder1 + "win.zqs");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Error);
    EXPECT_FALSE(backend.Effect().isPlaying());

    // A header cut short never finishes loading; the next sound must replace it all the same.
    WriteFile(folder1 + "bigwin.zqs", QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
    backend.Play(folder1 + "bigwin.zqs");
    backend.Play(folder1 + "cash.zqs");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return backend.Effect().status() != QSoundEffect::Loading; }));
    EXPECT_EQ(backend.Effect().status(), QSoundEffect::Ready);
}

}  // namespace
}  // namespace orvane
