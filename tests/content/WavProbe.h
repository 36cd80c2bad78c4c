#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// What a RIFF/WAVE file says about itself, read chunk by chunk.
struct WavProbe {
    bool riff = false;  // "RIFF" ... "WAVE" header with a size that matches the file
    int format = 0;     // 1 = PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // only for 16-bit PCM

    double seconds() const {
        return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0;
    }
    // Highest absolute sample as a fraction of full scale.
    double peak() const;
    // Largest absolute sample among the first and the last `count` samples.
    double edge(std::size_t count) const;
};

WavProbe probeWav(const QByteArray& bytes);
