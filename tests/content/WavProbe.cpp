#include "WavProbe.h"

#include <algorithm>
#include <cstdlib>

#include "formats/LittleEndian.h"
#include "formats/RiffWave.h"

double WavProbe::peak() const {
    int hi = 0;
    for (std::int16_t s : samples) {
        hi = std::max(hi, std::abs(static_cast<int>(s)));
    }
    return hi / 32768.0;
}

double WavProbe::edge(std::size_t count) const {
    int hi = 0;
    const std::size_t n = std::min(count, samples.size());
    for (std::size_t i = 0; i < n; ++i) {
        hi = std::max(hi, std::abs(static_cast<int>(samples[i])));
        hi = std::max(hi, std::abs(static_cast<int>(samples[samples.size() - 1 - i])));
    }
    return hi / 32768.0;
}

WavProbe probeWav(const QByteArray& bytes) {
    WavProbe w;
    if (!orvane::IsRiffWave(bytes)) {
        return w;
    }
    w.riff = orvane::ReadLittle32(bytes, 4) + 8 == static_cast<std::uint32_t>(bytes.size());
    orvane::VisitWaveChunks(bytes, [&](const orvane::WaveChunk& chunk) {
        const qsizetype size = chunk.DeclaredSize;
        const qsizetype body = chunk.BodyStart;
        if (body + size > bytes.size()) {
            return false;
        }
        if (chunk.Id == "fmt " && size >= orvane::WaveFormat::ChunkSize) {
            const orvane::WaveFormat format =
                orvane::ReadWaveFormat(QByteArrayView(bytes).sliced(body));
            w.format = format.Tag;
            w.channels = format.Channels;
            w.sampleRate = static_cast<int>(format.SampleRate);
            w.bitsPerSample = format.Bits;
        } else if (chunk.Id == "data" && w.bitsPerSample == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2) {
                w.samples.push_back(
                    static_cast<std::int16_t>(orvane::ReadLittle16(bytes, body + i)));
            }
        }
        return true;
    });
    return w;
}
