#include "formats/RiffWave.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "formats/LittleEndian.h"

namespace orvane {
namespace {

WaveFormat StereoByteFormat() {
    WaveFormat format;
    format.Channels = 2;
    format.SampleRate = 11025;
    format.Bits = 8;
    return format;
}

TEST(RiffWave, HeaderDescribesTheFormatAndTheData) {
    const QByteArray header = WaveHeader(StereoByteFormat(), 10);
    ASSERT_EQ(header.size(), 44);
    EXPECT_TRUE(IsRiffWave(header));
    EXPECT_EQ(ReadLittle32(header, 4), 36u + 10u);
    EXPECT_EQ(header.mid(12, 4), "fmt ");
    EXPECT_EQ(ReadLittle32(header, 28), 11025u * 2u);  // bytes a second
    EXPECT_EQ(ReadLittle16(header, 32), 2);            // bytes a frame
    EXPECT_EQ(header.mid(36, 4), "data");
    EXPECT_EQ(ReadLittle32(header, 40), 10u);
}

TEST(RiffWave, ChunksComeBackInOrderWithTheirPaddingSkipped) {
    QByteArray odd("LIST", 4);
    AppendLittle32(odd, 3);
    odd.append("abc\0", 4);  // three bytes and the pad byte
    const QByteArray file = WaveHeader(StereoByteFormat(), 4, odd) + QByteArray(4, '\x80');

    QStringList ids;
    WaveFormat format;
    VisitWaveChunks(file, [&](const WaveChunk& chunk) {
        ids << chunk.Id.toByteArray();
        if (chunk.Id == "fmt ") {
            format = ReadWaveFormat(QByteArrayView(file).sliced(chunk.BodyStart));
        }
        return true;
    });
    EXPECT_EQ(ids, QStringList({"LIST", "fmt ", "data"}));
    EXPECT_EQ(format.Channels, 2);
    EXPECT_EQ(format.SampleRate, 11025u);
    EXPECT_EQ(format.Bits, 8);
    EXPECT_EQ(ReadLittle32(file, 4) + 8, static_cast<std::uint32_t>(file.size()));
}

TEST(RiffWave, VisitingStopsWhenAskedAndAtAnOverlongChunk) {
    const QByteArray file = WaveHeader(WaveFormat{}, 0);
    int visited = 0;
    VisitWaveChunks(file, [&](const WaveChunk&) { return ++visited < 1; });
    EXPECT_EQ(visited, 1);

    // A chunk that claims more than the file holds is the last one seen.
    QByteArray overlong = WaveHeader(WaveFormat{}, 1000);
    overlong.append("JUNK\x08\0\0\0", 8);
    QList<qsizetype> sizes;
    VisitWaveChunks(overlong, [&](const WaveChunk& chunk) {
        sizes << chunk.DeclaredSize;
        return true;
    });
    EXPECT_EQ(sizes, QList<qsizetype>({16, 1000}));
}

TEST(RiffWave, OnlyRiffWaveFilesAreRecognised) {
    EXPECT_FALSE(IsRiffWave(QByteArray("RIFF\0\0\0\0WAV", 11)));
    EXPECT_FALSE(IsRiffWave(QByteArray("RIFX\0\0\0\0WAVE", 12)));
    EXPECT_FALSE(IsRiffWave(QByteArray("RIFF\0\0\0\0AVI ", 12)));
    EXPECT_TRUE(IsRiffWave(QByteArray("RIFF\0\0\0\0WAVE", 12)));
}

}  // namespace
}  // namespace orvane
