#include "WavFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "WavProbe.h"

namespace orvane {

TEST(WavFile, HeaderDescribesMonoSixteenBitPcm) {
    const QByteArray b = WavBytes({0, 1, -1}, 44100);
    ASSERT_EQ(b.size(), 44 + 6);
    EXPECT_TRUE(b.startsWith("RIFF"));
    EXPECT_EQ(b.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
    const WavProbe w = probeWav(b);
    EXPECT_TRUE(w.riff);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, 44100);
    EXPECT_EQ(w.bitsPerSample, 16);
    // Byte rate and block align follow from the format.
    EXPECT_EQ(static_cast<unsigned char>(b.at(28)) | (static_cast<unsigned char>(b.at(29)) << 8) |
                  (static_cast<unsigned char>(b.at(30)) << 16),
              88200);
    EXPECT_EQ(b.at(32), 2);
}

TEST(WavFile, SamplesRoundTripLittleEndian) {
    const std::vector<std::int16_t> samples{0, 32767, -32768, 258, -2};
    const QByteArray b = WavBytes(samples, 22050);
    EXPECT_EQ(static_cast<unsigned char>(b.at(44 + 6)), 0x02);  // 258 = 0x0102, low byte first
    EXPECT_EQ(static_cast<unsigned char>(b.at(44 + 7)), 0x01);
    const WavProbe w = probeWav(b);
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.samples, samples);
}

TEST(WavFile, WritesTheFileOrReportsFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tick.zqs"));
    ASSERT_TRUE(WriteWav(path, {1, 2, 3}, 44100));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), WavBytes({1, 2, 3}, 44100));
    EXPECT_FALSE(WriteWav(dir.filePath(QStringLiteral("missing/folder/x.zqs")), {1}, 44100));
}

}  // namespace orvane
