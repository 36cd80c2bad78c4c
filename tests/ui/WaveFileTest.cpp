#include <gtest/gtest.h>
#include <QtEndian>

#include "ToneWave.h"
#include "view/WaveFile.h"

namespace orvane {
namespace {

using test::ToneWav;

std::uint32_t At32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

TEST(WaveFileTest, PlainFileComesBackAsItWas) {
    const QByteArray tone = ToneWav();
    const auto wave = CanonicalWave(tone);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(*wave, tone);
}

TEST(WaveFileTest, ExtraChunksAreDroppedAndTheSamplesKept) {
    QByteArray list("LIST", 4);
    list.append("\x05\0\0\0", 4);
    list.append("INFOx\0", 6);  // odd length, padded to even
    const auto wave = CanonicalWave(ToneWav(2, list));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(*wave, ToneWav(2));
}

TEST(WaveFileTest, DataCutShortKeepsTheWholeFramesThatArePresent) {
    const QByteArray stereo = ToneWav(2);
    const auto wave = CanonicalWave(stereo.left(44 + 402));  // 100 frames and half a sample
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(At32(*wave, 40), 400u);
    EXPECT_EQ(At32(*wave, 4), 436u);
    EXPECT_EQ(wave->size(), 444);
    EXPECT_EQ(wave->mid(44), stereo.mid(44, 400));
}

TEST(WaveFileTest, AnythingNotPlayableGivesNothing) {
    const QByteArray tone = ToneWav();
    EXPECT_FALSE(CanonicalWave(QByteArray()).has_value());
    EXPECT_FALSE(CanonicalWave("just some text, not a sound").has_value());
    EXPECT_FALSE(CanonicalWave(tone.left(11)).has_value());
    EXPECT_FALSE(CanonicalWave(tone.left(30)).has_value());  // header ends inside "fmt "
    EXPECT_FALSE(CanonicalWave(tone.left(44)).has_value());  // no samples

    QByteArray compressed = tone;
    compressed[20] = 2;  // ADPCM
    EXPECT_FALSE(CanonicalWave(compressed).has_value());

    QByteArray silentChannels = tone;
    silentChannels[22] = 0;
    EXPECT_FALSE(CanonicalWave(silentChannels).has_value());

    QByteArray noData = tone;
    noData.replace(36, 4, "junk");
    EXPECT_FALSE(CanonicalWave(noData).has_value());
}

TEST(WaveFileTest, HugeDeclaredChunkSizesDoNotOverflow) {
    QByteArray tone = ToneWav();
    qToLittleEndian<std::uint32_t>(0xFFFFFFF0u, tone.data() + 16);  // "fmt " size
    EXPECT_FALSE(CanonicalWave(tone).has_value());

    QByteArray data = ToneWav();
    qToLittleEndian<std::uint32_t>(0xFFFFFFFFu, data.data() + 40);  // "data" size
    const auto wave = CanonicalWave(data);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->mid(44), ToneWav().mid(44));
}

}  // namespace
}  // namespace orvane
