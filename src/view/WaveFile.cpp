#include "view/WaveFile.h"

#include <algorithm>

#include "formats/RiffWave.h"

namespace orvane {

namespace {

bool Playable(const WaveFormat& f) {
    const bool pcm = f.Tag == WaveFormat::Pcm;
    const bool channels = f.Channels == 1 || f.Channels == 2;
    const bool rate = f.SampleRate >= 1000 && f.SampleRate <= 192000;
    const bool bits = f.Bits == 8 || f.Bits == 16 || f.Bits == 24 || f.Bits == 32;
    return pcm && channels && rate && bits;
}

}  // namespace

std::optional<QByteArray> CanonicalWave(const QByteArray& bytes) {
    if (!IsRiffWave(bytes)) {
        return std::nullopt;
    }
    std::optional<WaveFormat> format;
    std::optional<QByteArrayView> samples;
    VisitWaveChunks(bytes, [&](const WaveChunk& chunk) {
        const qsizetype available = std::min(chunk.DeclaredSize, bytes.size() - chunk.BodyStart);
        const QByteArrayView body = QByteArrayView(bytes).sliced(chunk.BodyStart, available);
        if (chunk.Id == "fmt " && !format && available >= WaveFormat::ChunkSize) {
            format = ReadWaveFormat(body);
        } else if (chunk.Id == "data" && !samples) {
            // A data chunk that claims more than the file holds keeps what is there.
            samples = body;
        }
        return true;
    });
    if (!format || !samples || !Playable(*format)) {
        return std::nullopt;
    }
    const qsizetype frame = format->BlockAlign();
    const QByteArrayView frames = samples->first(samples->size() - samples->size() % frame);
    if (frames.isEmpty()) {
        return std::nullopt;
    }
    QByteArray out = WaveHeader(*format, static_cast<std::uint32_t>(frames.size()));
    out.append(frames);
    return out;
}

}  // namespace orvane
