#pragma once

#include <QByteArray>
#include <cmath>
#include <cstdint>

#include "formats/LittleEndian.h"
#include "formats/RiffWave.h"

namespace orvane::test {

// A short 16-bit PCM tone in a RIFF/WAVE container; extra chunks can be put before "fmt ".
inline QByteArray ToneWav(int channels = 1, const QByteArray& leadingChunks = {}) {
    constexpr int rate = 8000;
    constexpr int frames = rate / 10;
    QByteArray pcm;
    for (int i = 0; i < frames; ++i) {
        const auto sample =
            static_cast<std::int16_t>(8000.0 * std::sin(2.0 * M_PI * 660.0 * i / rate));
        for (int c = 0; c < channels; ++c) {
            AppendLittle16(pcm, static_cast<std::uint16_t>(sample));
        }
    }
    WaveFormat format;
    format.Channels = static_cast<std::uint16_t>(channels);
    format.SampleRate = rate;
    return WaveHeader(format, static_cast<std::uint32_t>(pcm.size()), leadingChunks) + pcm;
}

}  // namespace orvane::test
