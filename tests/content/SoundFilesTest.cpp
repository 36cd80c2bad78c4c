// The two sound schemes: eight waveform files each, as the sound player reads them.

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <cmath>

#include "ImageProbe.h"
#include "WavProbe.h"

namespace {

struct Sound {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

// Lengths follow the moments that play them: the cash tick repeats every 30 ms, the
// big win plays while a pay line blinks for 2.5 s.
constexpr std::array<Sound, 8> kSounds{{
    {"dcard1", 0.06, 0.10},
    {"h_card", 0.03, 0.07},
    {"win", 0.6, 1.0},
    {"bigwin", 2.2, 2.8},
    {"show_dup", 0.3, 1.0},
    {"dup_win", 0.5, 1.2},
    {"cash", 0.02, 0.045},
    {"addcrdt", 0.3, 1.2},
}};

QString soundFile(int scheme, const char* name) {
    return QStringLiteral("Data/zqs%1/%2.zqs").arg(scheme).arg(QString::fromLatin1(name));
}

}  // namespace

TEST(SoundFiles, EachIsMono16BitPcmAt44100) {
    for (int scheme = 1; scheme <= 2; ++scheme) {
        for (const Sound& s : kSounds) {
            SCOPED_TRACE(soundFile(scheme, s.name).toStdString());
            const WavProbe w = probeWav(readProgramFile(soundFile(scheme, s.name)));
            EXPECT_TRUE(w.riff);
            EXPECT_EQ(w.format, 1);
            EXPECT_EQ(w.channels, 1);
            EXPECT_EQ(w.sampleRate, 44100);
            EXPECT_EQ(w.bitsPerSample, 16);
        }
    }
}

TEST(SoundFiles, LengthsFitTheirMoments) {
    for (int scheme = 1; scheme <= 2; ++scheme) {
        for (const Sound& s : kSounds) {
            SCOPED_TRACE(soundFile(scheme, s.name).toStdString());
            const WavProbe w = probeWav(readProgramFile(soundFile(scheme, s.name)));
            EXPECT_GE(w.seconds(), s.minSeconds);
            EXPECT_LE(w.seconds(), s.maxSeconds);
        }
    }
}

TEST(SoundFiles, LevelsAreAudibleWithHeadroomAndEndsAreSilent) {
    const double minusTwo = std::pow(10.0, -2.0 / 20.0);
    const double minusFour = std::pow(10.0, -4.0 / 20.0);
    for (int scheme = 1; scheme <= 2; ++scheme) {
        for (const Sound& s : kSounds) {
            SCOPED_TRACE(soundFile(scheme, s.name).toStdString());
            const WavProbe w = probeWav(readProgramFile(soundFile(scheme, s.name)));
            ASSERT_FALSE(w.samples.empty());
            EXPECT_GT(w.peak(), minusFour);
            EXPECT_LT(w.peak(), minusTwo);
            // A sound that starts or stops away from zero clicks.
            EXPECT_LT(w.edge(4), 0.01);
        }
    }
}

TEST(SoundFiles, TheTwoSchemesSoundDifferent) {
    for (const Sound& s : kSounds) {
        SCOPED_TRACE(s.name);
        EXPECT_NE(readProgramFile(soundFile(1, s.name)), readProgramFile(soundFile(2, s.name)));
    }
}
